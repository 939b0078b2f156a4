// Converter figures: adding 200 short files (the time until every file is inspected and the
// longest the event loop was blocked meanwhile), painting the converting list with 10 and 10,000
// rows, and one conversion through the application (page -> ConvertManager -> ConvertTask ->
// vantoro-dl) against ffmpeg alone with the arguments the tool used, on a 30 s 1080p clip.
// Runs under the offscreen platform in a temporary home with the real tool, ffprobe and ffmpeg;
// `bench_converter add` runs the first case only.
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertinfo.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/process/myprocess.h"
#include "gui/converter/convertermodels.h"
#include "gui/converter/convertingpage.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/rowlistview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QListView>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <limits>
#include <sys/resource.h>

namespace {

// Processor time of every descendant reaped so far (a tool's own children count once it is
// reaped itself), in milliseconds.
qint64 childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

qint64 threadCpuUs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

// The longest gap between two turns of a 5 ms timer: how long the event loop was blocked, and
// the most the GUI thread itself worked within one gap (the rest of a gap is a busy machine not
// running it: the machine is shared, so the working time is the figure that belongs to us).
class BlockWatch : public QObject
{
public:
    BlockWatch()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 cpu = threadCpuUs();
            longest = qMax(longest, clock.restart());
            longestWorking = qMax(longestWorking, (cpu - lastCpu) / 1000);
            lastCpu = cpu;
        });
        clock.start();
        lastCpu = threadCpuUs();
        timer.start();
    }
    qint64 longest = 0;
    qint64 longestWorking = 0;

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 lastCpu = 0;
};

bool ffmpeg(const QStringList &args)
{
    QProcess p;
    p.start("ffmpeg", QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return p.waitForFinished(600000) && p.exitCode() == 0;
}

template <typename Done> qint64 runUntil(Done done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return clock.elapsed();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    seedPreferences();
    initGuiResources();
    Preferences *prefs = Preferences::instance();
    prefs->setToolLocation(QCoreApplication::applicationDirPath() + "/../bin/vantoro-dl");
    prefs->setConvertDir(home.path() + "/Converted");
    ConvertDataManager::instance()->loadAll();

    // --- 200 short files ---------------------------------------------------------------------
    const QString media = home.path() + "/media";
    QDir().mkpath(media);
    if (!ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-f", "lavfi", "-i", "sine",
                 "-t", "2", "-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest",
                 media + "/clip.mp4"}))
        return 1;
    QStringList files;
    for (int i = 0; i < 200; ++i) {
        const QString path = media + QStringLiteral("/clip%1.mp4").arg(i, 3, 10, QLatin1Char('0'));
        QFile::copy(media + "/clip.mp4", path);
        files << path;
    }
    auto *page = new ConvertingPage;
    page->resize(1000, 700);
    page->show();
    {
        BlockWatch watch;
        QElapsedTimer clock;
        clock.start();
        const qint64 cpuBefore = childrenCpuMs();
        page->addFiles(files);
        const qint64 ms = runUntil([page] { return !page->loadingDialog(); }, 600000);
        std::printf("add 200 files: %lld ms (%.1f ms a file), %d rows, longest event-loop block "
                    "%lld ms (of which the GUI thread worked %lld ms); ffprobe and ffmpeg used "
                    "%.1f ms of processor time a file\n",
                    ms, double(ms) / 200, page->model()->rowCount(), watch.longest,
                    watch.longestWorking, double(childrenCpuMs() - cpuBefore) / 200);
        std::fflush(stdout);
    }
    if (argc > 1 && qstrcmp(argv[1], "add") == 0) // `bench_converter add`: this case only
        return 0;

    // --- list cost with 10 and 10,000 rows ---------------------------------------------------
    for (int n : {10, 10000}) {
        QList<ConvertTask *> tasks;
        for (int i = 0; i < n; ++i) {
            auto *task = new ConvertTask;
            ConvMediaInfo info;
            info.sourcePath = QStringLiteral("/nowhere/file%1.mp4").arg(i);
            info.mediaType = 1;
            info.duration = 61;
            info.fileSize = 1 << 20;
            task->setSourceInfo(info);
            tasks << task;
        }
        QElapsedTimer clock;
        clock.start();
        page->model()->setTasks(tasks);
        page->list()->scrollToBottom();
        page->list()->viewport()->repaint();
        const qint64 fill = clock.nsecsElapsed() / 1000;
        clock.restart();
        for (int step = 0; step < 20; ++step) {
            page->list()->scrollTo(page->model()->index((step * 37) % n));
            page->list()->viewport()->repaint();
        }
        std::printf("converting list with %5d rows: fill and paint %lld us, one scroll step and "
                    "paint %lld us\n",
                    n, fill, clock.nsecsElapsed() / 1000 / 20);
        std::fflush(stdout);
        page->model()->setTasks(ConvertDataManager::instance()->convertingTaskList());
        qDeleteAll(tasks);
    }

    // --- one conversion through the application against ffmpeg alone -------------------------
    const QString big = media + "/big1080.mp4";
    if (!ffmpeg({"-f",      "lavfi",    "-i",        "testsrc2=size=1920x1080:rate=30",
                 "-f",      "lavfi",    "-i",        "sine=frequency=440",
                 "-t",      "30",       "-c:v",      "libx264",
                 "-preset", "veryfast", "-pix_fmt",  "yuv420p",
                 "-c:a",    "aac",      "-shortest", big}))
        return 1;
    ConvertInfo target;
    target.formatName = "MP4";
    target.resolution = "720P";

    // The tool tells the ffmpeg command line it runs for this job.
    const QString paramPath = home.path() + "/param.json";
    QFile param(paramPath);
    param.open(QIODevice::WriteOnly);
    param.write(QJsonDocument(convertparams::build(target, big, home.path() + "/again")).toJson());
    param.close();
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VANTORO_DL_VERBOSE", "1");
    tool.setProcessEnvironment(env);
    tool.start(prefs->toolLocation(), {paramPath});
    tool.waitForFinished(600000);
    QStringList args;
    for (const QByteArray &line : tool.readAllStandardError().split('\n')) {
        const int at = line.indexOf("running ");
        if (at >= 0 && line.contains("ffmpeg") && line.contains("-i "))
            args = QString::fromUtf8(line.mid(at + 8)).split(QLatin1Char(' '));
    }
    if (args.size() < 2) {
        std::printf("no ffmpeg command line seen\n");
        return 1;
    }
    const QString program = args.takeFirst();
    // The source path holds no blanks here, so the logged line splits back into its arguments.
    for (QString &a : args)
        if (a.contains(".converting."))
            a = home.path() + "/alone.mp4";

    qint64 cpu = 0;
    auto throughApp = [&]() -> qint64 {
        const qint64 cpuBefore = childrenCpuMs();
        ConvMediaInfo source;
        source.sourcePath = big;
        source.mediaType = 1;
        ConvertTask *task = ConvertDataManager::instance()->addTaskFor(source);
        task->setParams(target);
        // The page takes the finished task off the list (and deletes it): the outcome is read
        // from the manager's signal.
        bool finished = false;
        bool converted = false;
        QString error;
        const auto connection = QObject::connect(ConvertManager::instance(),
                                                 &ConvertManager::converterManagerTaskDidFinished,
                                                 [&](ConvertTask *t, bool isError) {
                                                     if (t != task)
                                                         return;
                                                     finished = true;
                                                     converted = !isError;
                                                     error = t->errorText();
                                                 });
        QElapsedTimer clock;
        clock.start();
        ConvertManager::instance()->startTask(task);
        const qint64 ms = runUntil([&finished] { return finished; }, 600000);
        QObject::disconnect(connection);
        if (!converted) {
            std::printf("conversion failed: %s\n", qPrintable(error));
            return -1;
        }
        runUntil([] { return false; }, 300); // the tool's process is reaped
        cpu = childrenCpuMs() - cpuBefore;
        return ms;
    };
    auto alone = [&]() -> qint64 {
        const qint64 cpuBefore = childrenCpuMs();
        QElapsedTimer clock;
        clock.start();
        QProcess p;
        p.start(program, args);
        p.waitForFinished(600000);
        cpu = childrenCpuMs() - cpuBefore;
        return p.exitCode() == 0 ? clock.elapsed() : -1;
    };
    // Alternated, so that the load of the shared machine falls on both alike; the best of each.
    qint64 bestApp = std::numeric_limits<qint64>::max(), bestAlone = bestApp;
    qint64 bestAppCpu = bestApp, bestAloneCpu = bestApp;
    for (int round = 1; round <= 3; ++round) {
        const qint64 a = throughApp();
        const qint64 aCpu = cpu;
        const qint64 b = alone();
        const qint64 bCpu = cpu;
        if (a < 0 || b < 0)
            return 1;
        std::printf("round %d, 30 s 1080p clip to MP4 720P: through the application %lld ms "
                    "(processor %lld ms), ffmpeg alone %lld ms (processor %lld ms)\n",
                    round, a, aCpu, b, bCpu);
        std::fflush(stdout);
        bestApp = qMin(bestApp, a);
        bestAlone = qMin(bestAlone, b);
        bestAppCpu = qMin(bestAppCpu, aCpu);
        bestAloneCpu = qMin(bestAloneCpu, bCpu);
    }
    std::printf("best of each: application %lld ms, ffmpeg alone %lld ms, ratio %.3f; processor "
                "time ratio %.3f\n",
                bestApp, bestAlone, double(bestApp) / double(bestAlone),
                double(bestAppCpu) / double(bestAloneCpu));
    MyProcessHelper::instance()->killAll();
    delete page;
    return 0;
}
