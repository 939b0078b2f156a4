// Start-up figures of the real main window: the time from the exec of the process to its first
// frame on the screen, and the resident memory then, with 0, 10,000, 50,000 and 100,000 finished
// downloads in the lists (and a history of as many addresses, up to 5,000). Each case runs in a
// fresh process of its own (this program started again) against a throw-away home; the platform
// is the one in the environment (offscreen when none is set), so the same program measures under
// Xvfb too. The anchor is the same program started to its first frame with no lists at all.
// The processor time spent up to the first frame (the whole process, and the GUI thread alone)
// is printed too: unlike the wall-clock figure it does not grow with the machine's load.
//
//   bench_startup                 every case, three runs each, the median shown
//   bench_startup RECORDS         one case
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/tasklistfile.h"
#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Milliseconds on the monotonic clock, which every process of the machine shares: the parent
// notes it before it starts a child, the child when its first frame is up.
double monotonicMs()
{
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double loadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

// Processor time in milliseconds: of the whole process (every thread) or of the calling thread
// only. On a shared machine the wall-clock figures grow with the load; these do not.
double cpuMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Reports the end of the first expose or update of the window that painted it.
class FrameWatch : public QApplication
{
public:
    using QApplication::QApplication;
    QWidget *window = nullptr;
    bool painted = false;
    double firstFrameMs = -1;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (window && receiver == window && type == QEvent::Paint)
            painted = true;
        const bool result = QApplication::notify(receiver, event);
        if (window && firstFrameMs < 0 && painted && receiver == window->windowHandle() &&
            (type == QEvent::Expose || type == QEvent::UpdateRequest)) {
            firstFrameMs = monotonicMs();
            const long rss = residentKb();
            std::printf("first-frame %.3f at rss %ld KB cpu %.1f gui %.1f\n", firstFrameMs, rss,
                        cpuMs(CLOCK_PROCESS_CPUTIME_ID), cpuMs(CLOCK_THREAD_CPUTIME_ID));
            // A long list is still being read: when it is complete, and the memory then.
            const auto loaded = [] {
                std::printf("loaded %.3f at rss %ld KB\n", monotonicMs(), residentKb());
                std::fflush(stdout);
                std::_Exit(0);
            };
            if (!SniffMgr::instance()->isLoading())
                loaded();
            QObject::connect(SniffMgr::instance(), &SniffMgr::loadingFinished, loaded);
        }
        return result;
    }
};

int runChild(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets); // as the application does
    FrameWatch app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Clipmoor"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("clipmoor.app"));
    QCoreApplication::setApplicationName(QStringLiteral("Clipmoor"));
    QApplication::setQuitOnLastWindowClosed(false);
    initGuiResources();
    seedPreferences();
    initLogging();
    writeLog(QStringLiteral("AppLaunch"), QStringLiteral("bench"));
    MainWindow window;
    MainWindowHelper *helper = MainWindowHelper::instance();
    window.setMinimumSize(helper->scaled(QSize(800, 480)));
    window.resize(helper->scaled(QSize(1070, 680)));
    app.window = &window;
    window.show();
    QTimer::singleShot(20000, [] {
        std::printf("no frame within 20 s\n");
        std::_Exit(1);
    });
    return app.exec();
}

// The data and settings of a user with `records` finished downloads, each with its thumbnail
// (a few hundred different pictures, as a real list has).
// Runs in a process of its own, with the environment pointing at the new home.
int prepareHome(int argc, char **argv, int records)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Clipmoor"));
    QCoreApplication::setApplicationName(QStringLiteral("Clipmoor"));
    const QString home = QDir::homePath();
    seedPreferences();
    Preferences *prefs = Preferences::instance();
    prefs->setWelcomeShown(true);
    prefs->setDownloadDir(home + "/Download");
    QDir().mkpath(home + "/Download");
    const QString pictures = home + "/thumbs";
    QDir().mkpath(pictures);
    const int kinds = std::min(records, 300);
    for (int i = 0; i < kinds; ++i) {
        QImage image(320, 180, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 7 % 360, 160, 200));
        QPainter(&image).fillRect(40 + i % 200, 40, 60, 100,
                                  QColor::fromHsv(i * 13 % 360, 200, 90));
        image.save(QStringLiteral("%1/%2.png").arg(pictures).arg(i));
    }
    tasklist::Records jobs;
    for (int i = 0; i < records; ++i) {
        JobRecord job;
        job.url = QStringLiteral("https://video.example.com/watch?v=%1").arg(i);
        job.workDir = QStringLiteral("%1/Download/.temp/%2_x").arg(home).arg(i + 1);
        job.state = qint32(SniffTask::State::Finished);
        job.media.present = true;
        job.media.title = QStringLiteral("Finished video number %1 of a long list").arg(i);
        job.media.filePath = QStringLiteral("%1/Download/video %2.mp4").arg(home).arg(i);
        job.media.thumbnail = QStringLiteral("https://img.example.com/%1.jpg").arg(i);
        job.result.present = true;
        job.result.fileType = QStringLiteral("MP4");
        job.result.resolution = QStringLiteral("1920x1080");
        job.result.fileSize = 73400320 + i;
        job.result.duration = 60 + i % 3000;
        job.thumbnailPath = QStringLiteral("%1/%2.png").arg(pictures).arg(i % kinds);
        jobs << job;
    }
    tasklist::save(doneListPath(), jobs);
    QStringList history;
    for (int i = 0; i < std::min(records, 5000); ++i)
        history << QStringLiteral("https://video.example.com/watch?v=%1").arg(i);
    tasklist::saveHistory(historyListPath(), history);
    return 0;
}

// Runs this program again with the arguments, in the home; false when it failed. `startMs`
// is when it was started (the monotonic clock).
bool runSelf(const QString &home, const QStringList &arguments, QByteArray *output,
             double *startMs = nullptr)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + "/config");
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + "/data");
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + "/cache");
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (startMs)
        *startMs = monotonicMs();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        return false;
    }
    *output = child.readAllStandardOutput().trimmed();
    return child.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--prepare") == 0)
        return prepareHome(argc, argv, QByteArray(argv[2]).toInt());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    qputenv("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
    qputenv("CLIPMOOR_NO_BROWSER", "1");
    QCoreApplication app(argc, argv);
    QList<int> cases{0, 10000, 50000, 100000};
    if (argc > 1)
        cases = {QByteArray(argv[1]).toInt()};
    const int runs = 3;
    std::printf("platform %s\n", qgetenv("QT_QPA_PLATFORM").isEmpty()
                                     ? "xcb"
                                     : qgetenv("QT_QPA_PLATFORM").constData());
    double anchor = -1;
    for (int records : cases) {
        QTemporaryDir home;
        QByteArray output;
        if (!runSelf(home.path(), {QStringLiteral("--prepare"), QString::number(records)},
                     &output)) {
            std::printf("%d records: cannot prepare the lists\n", records);
            continue;
        }
        QList<double> times, loadedTimes, cpu, gui;
        QList<long> memory, loadedMemory;
        for (int run = 0; run < runs; ++run) {
            double started = 0;
            runSelf(home.path(), {QStringLiteral("--child")}, &output, &started);
            const QList<QByteArray> lines = output.split('\n');
            const QList<QByteArray> words = lines.value(0).split(' ');
            const QList<QByteArray> after = lines.value(1).split(' ');
            if (words.value(0) != "first-frame" || after.value(0) != "loaded") {
                std::printf("%d records: %s\n", records, output.constData());
                continue;
            }
            times << words.value(1).toDouble() - started;
            cpu << words.value(7).toDouble();
            gui << words.value(9).toDouble();
            memory << words.value(4).toLong();
            loadedTimes << after.value(1).toDouble() - started;
            loadedMemory << after.value(4).toLong();
        }
        if (times.isEmpty())
            continue;
        std::sort(times.begin(), times.end());
        std::sort(memory.begin(), memory.end());
        std::sort(loadedTimes.begin(), loadedTimes.end());
        std::sort(loadedMemory.begin(), loadedMemory.end());
        std::sort(cpu.begin(), cpu.end());
        std::sort(gui.begin(), gui.end());
        const double median = times.at(times.size() / 2);
        if (records == 0)
            anchor = median;
        std::printf("%6d finished records: exec to first frame %.0f ms (runs %.0f..%.0f)", records,
                    median, times.first(), times.last());
        if (anchor > 0 && records > 0)
            std::printf(", %.2fx the empty start", median / anchor);
        std::printf(" (processor time then %.0f ms, of the GUI thread %.0f ms)",
                    cpu.at(cpu.size() / 2), gui.at(gui.size() / 2));
        std::printf(", resident %.1f MB; every row loaded after %.0f ms, resident then %.1f MB; "
                    "load average %.2f\n",
                    memory.at(memory.size() / 2) / 1024.0, loadedTimes.at(loadedTimes.size() / 2),
                    loadedMemory.at(loadedMemory.size() / 2) / 1024.0, loadAverage());
        std::fflush(stdout);
    }
    return 0;
}
