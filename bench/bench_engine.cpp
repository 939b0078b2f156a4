// Engine figures: saving and loading 10,000 finished downloads, handling 100,000 progress lines,
// the memory one download job takes, and looking up playlist entries in a history of 10,000
// addresses. Runs against throw-away data (QStandardPaths' test
// mode in a temporary home).
#include "core/engine/sniffmgr.h"
#include "core/engine/sniffoperator.h"
#include "core/engine/snifftask.h"
#include "core/engine/tasklistfile.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

long residentKb()
{
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * 4; // pages of 4 KiB
}

// A finished job as the tool's lines describe it, read as the engine reads them.
JobRecord finishedJob(int i)
{
    JobRecord r;
    r.url = QStringLiteral("https://video.example.com/watch?v=%1").arg(i);
    r.workDir = QStringLiteral("/home/user/Clipmoor/Download/.temp/%1_abcdefghijk").arg(i);
    r.media = protocol::parseLine(
                  QStringLiteral(
                      "{\"type\":\"sniff\",\"msg\":{\"title\":\"A fairly typical video title "
                      "number %1\",\"thumbnail\":\"https://i.example.com/vi/abcdefghijk/"
                      "hqdefault.jpg\",\"is_live\":\"false\",\"filepath\":\"/home/user/Clipmoor/"
                      "Download/A fairly typical video title number %1.mp4\"}}")
                      .arg(i)
                      .toUtf8())
                  .media;
    r.result =
        protocol::parseLine(
            "{\"type\":\"finished\",\"msg\":{\"ret_code\":\"0\",\"filepath\":\"/home/user/"
            "Clipmoor/Download/clip.mp4\",\"duration\":\"213\",\"filetype\":\"MP4\","
            "\"quality\":\"1280Kb/s\",\"filesize\":\"34078720\",\"resolution\":\"1920x1080\","
            "\"subtitle\":\"\"}}")
            .result;
    r.progress = protocol::parseLine(
                     "{\"type\":\"downloading\",\"msg\":{\"progress\":\"1.0000\",\"filesize\":"
                     "\"34078720\",\"speed\":\"5.2MB/s\",\"eta\":\"0\"}}")
                     .progress;
    r.thumbnailPath = QStringLiteral("/home/user/Clipmoor/Download/.thumb/clip%1.png").arg(i);
    r.state = qint32(SniffTask::State::Finished);
    return r;
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    seedPreferences();
    const int count = 10000;

    // Memory per job.
    const long before = residentKb();
    QList<SniffTask *> tasks;
    for (int i = 0; i < count; ++i) {
        DownloadOptions options;
        options.mediaType = QStringLiteral("video");
        options.videoQuality = QStringLiteral("1080P");
        JobRecord job = finishedJob(i);
        job.options = options;
        tasks << new SniffTask(job);
    }
    const long after = residentKb();
    std::printf("memory per job (payloads included): %.0f bytes\n",
                (after - before) * 1024.0 / count);

    // Saving and loading the done list.
    const QString path = doneListPath();
    double bestSave = 1e9, bestLoad = 1e9;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        tasklist::save(path, tasks);
        bestSave = qMin(bestSave, t.nsecsElapsed() / 1e6);
        SniffMgr mgr;
        QList<SniffTask *> loaded;
        t.restart();
        mgr.loadList(loaded, path);
        bestLoad = qMin(bestLoad, t.nsecsElapsed() / 1e6);
        if (loaded.size() != count)
            std::printf("loaded %d of %d!\n", int(loaded.size()), count);
        qDeleteAll(loaded);
    }
    std::printf("save %d done jobs: %.1f ms (file %lld KB)\n", count, bestSave,
                QFile(path).size() / 1024);
    std::printf("load %d done jobs: %.1f ms\n", count, bestLoad);

    // Progress lines, fed in pipe-sized chunks as the operator receives them.
    const int lines = 100000;
    QByteArray output;
    for (int i = 0; i < lines; ++i)
        output +=
            QStringLiteral("{\"type\":\"downloading\",\"msg\":{\"progress\":\"%1\",\"filesize\":"
                           "\"34078720\",\"speed\":\"5.2MB/s\",\"eta\":\"%2\"}}\n")
                .arg(double(i) / lines, 0, 'f', 4)
                .arg(lines - i)
                .toUtf8();
    JobRecord running;
    running.url = QStringLiteral("https://video.example.com/watch?v=x");
    running.workDir = QStringLiteral("/tmp/.temp/1_x");
    running.state = qint32(SniffTask::State::Downloading);
    SniffTask job(running);
    int updates = 0;
    QObject::connect(&job, &SniffTask::taskDownloading, [&updates] { ++updates; });
    SniffOperator op(&job);
    QElapsedTimer t;
    t.start();
    for (int at = 0; at < output.size(); at += 65536)
        op.handleOutput(output.mid(at, 65536));
    const double seconds = t.nsecsElapsed() / 1e9;
    std::printf("progress lines: %d in %.1f ms = %.0f lines/s (%d updates)\n", lines,
                seconds * 1000, lines / seconds, updates);
    qDeleteAll(tasks);

    // The window while the lists are saved: 50,000 finished jobs. Writing them on the GUI thread
    // (as every save did before) against what a save costs the GUI thread now (the snapshot),
    // and how long the write then takes on its own thread.
    const int many = 50000;
    {
        QList<SniffTask *> big;
        for (int i = 0; i < many; ++i) {
            big << new SniffTask(finishedJob(i));
        }
        double syncBest = 1e9;
        for (int round = 0; round < 3; ++round) {
            const double cpuBefore = threadCpuMs();
            tasklist::save(doneListPath(), big);
            tasklist::save(taskListPath(), QList<SniffTask *>());
            tasklist::save(privateListPath(), QList<SniffTask *>());
            syncBest = qMin(syncBest, threadCpuMs() - cpuBefore);
        }
        qDeleteAll(big);
        SniffMgr mgr;
        mgr.loadAll();
        double guiWorst = 0, writeWorst = 0;
        for (int round = 0; round < 5; ++round) {
            bool saved = false;
            QMetaObject::Connection c =
                QObject::connect(&mgr, &SniffMgr::listsSaved, [&saved] { saved = true; });
            // What the save costs this thread (the GUI thread of the application): its CPU time
            // from the request until the write is reported done. The machine's load does not
            // count in it, unlike a wall-clock stall.
            QElapsedTimer s;
            s.start();
            const double cpuBefore = threadCpuMs();
            mgr.saveAll(); // what a page calls after a change
            while (!saved)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const double guiMs = threadCpuMs() - cpuBefore;
            guiWorst = qMax(guiWorst, guiMs);
            writeWorst = qMax(writeWorst, s.nsecsElapsed() / 1e6);
            QObject::disconnect(c);
        }
        double snapBest = 1e9;
        for (int round = 0; round < 5; ++round) {
            QElapsedTimer s;
            s.start();
            const tasklist::SharedRecords records = tasklist::snapshot(mgr.doneList());
            snapBest = qMin(snapBest, s.nsecsElapsed() / 1e6);
        }
        std::printf("snapshot of %d jobs (the GUI thread's part of a save): %.1f ms\n",
                    mgr.doneList().size(), snapBest);
        std::printf("save lists of %d jobs: GUI-thread CPU %.1f ms before (written on it), "
                    "%.1f ms now (write done after %.1f ms)\n",
                    mgr.doneList().size(), syncBest, guiWorst, writeWorst);
    }

    // "Skip downloaded" for a playlist of 1,000 entries against a history of 10,000 addresses,
    // a tenth of them listed entries ("#vantoro-index"); half of the look-ups miss (the whole
    // history is read). The plain comparison of whole addresses is timed beside it.
    {
        SniffMgr mgr;
        for (int i = 0; i < count; ++i) {
            QString url = QStringLiteral("https://video.example.com/watch?v=%1").arg(i);
            if (i % 10 == 0)
                url += QStringLiteral("#vantoro-index=%1/50").arg(i % 50 + 1);
            mgr.addTask(new SniffTask(url, {}, i, "/tmp/.temp/"));
        }
        QStringList entries;
        for (int i = 0; i < 1000; ++i)
            entries << QStringLiteral("https://video.example.com/watch?v=%1#vantoro-index=%2/1000")
                           .arg(i % 2 ? i * 10 : count + i)
                           .arg(i + 1);
        const QStringList history = mgr.historyList();
        QElapsedTimer lookups;
        lookups.start();
        int plain = 0;
        for (const QString &e : qAsConst(entries))
            plain += history.contains(e) ? 1 : 0;
        const double plainMs = lookups.nsecsElapsed() / 1e6;
        lookups.restart();
        int found = 0;
        for (const QString &e : qAsConst(entries))
            found += mgr.isInHistory(e) ? 1 : 0;
        std::printf("history look-ups: 1000 in %.1f ms, %d found (whole addresses only: %.1f ms, "
                    "%d found)\n",
                    lookups.nsecsElapsed() / 1e6, found, plainMs, plain);
    }
    return 0;
}
