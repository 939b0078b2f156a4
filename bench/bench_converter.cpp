// Converter figures: adding N different files (200 unless `add N` says otherwise) until every
// row has its facts, against the same child commands (ffprobe, then the one-frame thumbnail, for
// each file) run by `xargs -P<cores>` (the anchor; the ratio of the two is the figure to watch),
// with the longest the event loop was blocked meanwhile; painting the converting list with 10 and
// 10,000 rows; and one conversion through the application (page -> ConvertManager -> ConvertTask
// -> vantoro-dl) against ffmpeg alone with the arguments the tool used, on a 30 s 1080p clip.
// Runs under the offscreen platform in a temporary home with the real tool, ffprobe and ffmpeg.
//
//   bench_converter            every case
//   bench_converter add [N]    the first case only, with N files
// Every figure is printed with the machine's load average (the machine may be shared).
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertinfo.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/loadfileoperator.h"
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
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

double loadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

// Quotes a word for sh.
QString shellWord(const QString &word)
{
    return QLatin1Char('\'') + QString(word).replace(QLatin1Char('\''), QLatin1String("'\\''")) +
           QLatin1Char('\'');
}

// Media of several kinds (picture sizes, lengths, audio only), each file written once, then
// copied to `count` different paths: half in one folder, half in another with the same names.
QStringList makeFiles(const QString &folder, int count)
{
    struct Kind
    {
        const char *name;
        QStringList args;
    };
    const QList<Kind> kinds = {
        {"small.mp4",
         {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-f", "lavfi", "-i", "sine", "-t",
          "2", "-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"}},
        {"hd.mp4",
         {"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=30", "-f", "lavfi", "-i",
          "sine=frequency=330", "-t", "3", "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt",
          "yuv420p", "-c:a", "aac", "-shortest"}},
        {"full.mkv",
         {"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=30", "-t", "2", "-c:v", "libx264",
          "-preset", "veryfast", "-pix_fmt", "yuv420p"}},
        {"clip.webm",
         {"-f", "lavfi", "-i", "smptebars=size=640x360:rate=25", "-t", "2", "-c:v", "libvpx",
          "-b:v", "300k"}},
        {"song.mp3", {"-f", "lavfi", "-i", "sine=frequency=550", "-t", "4", "-c:a", "libmp3lame"}},
    };
    QStringList sources;
    for (const Kind &kind : kinds) {
        const QString path = folder + "/" + QLatin1String(kind.name);
        if (!ffmpeg(kind.args + QStringList{path}))
            return {};
        sources << path;
    }
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString &source = sources.at(i % sources.size());
        const QString sub = folder + (i % 2 ? "/b" : "/a");
        QDir().mkpath(sub);
        const QString path = sub + QStringLiteral("/file%1.").arg(i / 2, 4, 10, QLatin1Char('0')) +
                             QFileInfo(source).suffix();
        QFile::copy(source, path);
        files << path;
    }
    return files;
}

// The anchor: the same child commands the application runs for each file, by
// `xargs -P<cores>`; wall time in ms, their processor time in `cpuMs`.
qint64 xargsAnchor(const QStringList &files, const QString &thumbs, qint64 *cpuMs)
{
    QDir().mkpath(thumbs);
    QString script;
    for (int i = 0; i < files.size(); ++i) {
        const QString &f = files.at(i);
        const bool audio = f.endsWith(QLatin1String(".mp3"));
        QStringList probe{ffprobePath()};
        probe << probe::probeArguments(f);
        QStringList thumb{ffmpegPath()};
        thumb << probe::thumbnailArguments(f, QStringLiteral("%1/%2.png").arg(thumbs).arg(i),
                                           !audio);
        QStringList words;
        for (const QString &w : probe)
            words << shellWord(w);
        QString line = words.join(QLatin1Char(' ')) + QStringLiteral(" >/dev/null; ");
        words.clear();
        for (const QString &w : thumb)
            words << shellWord(w);
        line += words.join(QLatin1Char(' ')) + QStringLiteral(" </dev/null >/dev/null 2>&1");
        script += line + QLatin1Char('\0');
    }
    const qint64 cpuBefore = childrenCpuMs();
    QElapsedTimer clock;
    clock.start();
    QProcess xargs;
    xargs.start("xargs",
                {"-0", "-P", QString::number(QThread::idealThreadCount()), "-n", "1", "sh", "-c"});
    xargs.write(script.toUtf8());
    xargs.closeWriteChannel();
    xargs.waitForFinished(3600000);
    const qint64 ms = clock.elapsed();
    *cpuMs = childrenCpuMs() - cpuBefore;
    return ms;
}

qint64 selfCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

// Runs the event loop until done() or the time is up, sleeping between events: the processor
// time of the application is part of the figures, so this loop must not spin (processEvents with
// a time limit returns as soon as nothing is pending, and calling it again at once is a busy
// wait that used to count as the application's own work).
template <typename Done> qint64 runUntil(Done done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake; // done() and the deadline are looked at at least every 20 ms
    wake.start(20);
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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

    // --- N different files: the application against xargs ----------------------------------
    const bool addOnly = argc > 1 && qstrcmp(argv[1], "add") == 0;
    const int count = addOnly && argc > 2 ? qBound(1, QByteArray(argv[2]).toInt(), 100000) : 200;
    const QString media = home.path() + "/media";
    auto *page = new ConvertingPage;
    page->resize(1000, 700);
    page->show();
    // Rounds (ROUNDS, 2 by default), each the anchor then the application on files of their
    // own (nothing cached).
    const int rounds = qEnvironmentVariableIsSet("ROUNDS")
                           ? qBound(1, qEnvironmentVariableIntValue("ROUNDS"), 9)
                           : 2;
    QList<double> ratios;
    for (int round = 1; round <= rounds; ++round) {
        const QString folder = media + QString::number(round);
        QDir().mkpath(folder);
        const QStringList files = makeFiles(folder, count);
        if (files.isEmpty())
            return 1;
        qint64 anchorCpu = 0;
        const qint64 anchorMs = xargsAnchor(files, folder + "/anchor-thumbs", &anchorCpu);
        QDir(thumbnailCacheDir()).removeRecursively();
        BlockWatch watch;
        QElapsedTimer clock;
        clock.start();
        const qint64 cpuBefore = childrenCpuMs();
        const qint64 selfBefore = selfCpuMs();
        const int rowsBefore = page->model()->rowCount();
        qint64 firstRowMs = -1;
        page->addFiles(files);
        const qint64 ms = runUntil(
            [&] {
                if (firstRowMs < 0 && page->model()->rowCount() > rowsBefore)
                    firstRowMs = clock.elapsed();
                return !page->loadingDialog();
            },
            3600000);
        const qint64 childCpu = childrenCpuMs() - cpuBefore;
        const qint64 selfCpu = selfCpuMs() - selfBefore;
        ratios << double(ms) / double(anchorMs);
        std::printf("round %d, add %d files: %lld ms (%.1f ms a file, first row after %lld ms), "
                    "%d rows; xargs -P%d anchor %lld ms; ratio %.3f wall, %.3f processor "
                    "(children %lld ms + the application %lld ms, anchor %lld ms); longest "
                    "event-loop block %lld ms (the GUI thread worked %lld ms of it); load "
                    "average %.2f\n",
                    round, count, ms, double(ms) / count, firstRowMs,
                    page->model()->rowCount() - rowsBefore, QThread::idealThreadCount(), anchorMs,
                    ratios.last(), double(childCpu + selfCpu) / double(anchorCpu), childCpu,
                    selfCpu, anchorCpu, watch.longest, watch.longestWorking, loadAverage());
        std::fflush(stdout);
    }
    std::printf("add %d files: best ratio to xargs %.3f\n", count,
                *std::min_element(ratios.begin(), ratios.end()));
    if (addOnly)
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
    QDir().mkpath(media);
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
