// Process trees: children listed and stopped by name, politely or by force, whole trees killed;
// and nothing left running: a download tool that starts children of its own (in its group and in
// a group of their own, all ignoring polite requests) leaves no process behind when its job is
// paused or deleted, when the application quits, is asked to terminate, or is killed outright.
#include "core/engine/sniffoperator.h"
#include "core/engine/tasklistfile.h"
#include "core/platform/platform.h"
#include "core/process/myprocess.h"
#include "core/provision/dltoolmanager.h"
#include "helpers/fixture.h"

#include <QDirIterator>

#include <csignal>

namespace {

QStringList namesOf(const QList<ChildProcessEntry> &children)
{
    QStringList names;
    for (const auto &c : children)
        names << c.name;
    return names;
}

} // namespace

class TestMyProcess : public QObject
{
    Q_OBJECT

    std::unique_ptr<QProcess> root;
    std::unique_ptr<QTemporaryDir> downloads;
    std::unique_ptr<SniffMgr> mgr;

    // The tool's pid and its two children's, once the tool has written them.
    static QList<qint64> family(const QString &folder)
    {
        QList<qint64> pids;
        QDirIterator it(folder, {"family.pids"}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        if (!it.hasNext())
            return pids;
        const QList<QByteArray> lines = testutil::readFile(it.next()).split('\n');
        for (const QByteArray &line : lines) {
            if (!line.isEmpty())
                pids << line.toLongLong();
        }
        return pids.size() == 3 ? pids : QList<qint64>();
    }

    void startFamily(SniffTask **task, QList<qint64> *pids)
    {
        if (!*task) {
            *task = mgr->newTask("fake:family");
            mgr->addTask(*task);
        }
        mgr->schedule();
        QTRY_VERIFY_WITH_TIMEOUT(!(*pids = family(downloads->path())).isEmpty(), 10000);
    }

    // Starts fakeproc with the arguments (helper names are resolved to their paths) and waits
    // until it is ready.
    qint64 startTree(const QStringList &args)
    {
        QStringList resolved;
        for (const QString &a : args) {
            const bool helper = a == "fakeproc" || a == "ffmpeg_stub" || a == "FFMPEG_STUB";
            resolved << (helper ? testutil::helperPath(a) : a);
        }
        root = std::make_unique<QProcess>();
        root->start(testutil::helperPath("fakeproc"), resolved);
        QByteArray seen;
        if (!testutil::waitForOutput(*root, "ready", &seen))
            return -1;
        return root->processId();
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        qRegisterMetaType<QProcess::ExitStatus>();
        QVERIFY(DlToolManager::instance()->isAvailable());
        MyProcess::stopGraceMs = 300;
    }
    void init()
    {
        downloads = std::make_unique<QTemporaryDir>();
        Preferences::instance()->setDownloadDir(downloads->path());
        mgr = std::make_unique<SniffMgr>();
    }
    void cleanup()
    {
        if (root) {
            const qint64 pid = root->processId();
            if (pid > 0)
                platform::forceKillTree(pid);
            root->waitForFinished(3000);
            root.reset();
        }
        mgr.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void processWithoutChildren()
    {
        const qint64 pid = startTree({"sleep"});
        QVERIFY(pid > 0);
        QVERIFY(childProcesses(pid).isEmpty());
        bool ok = false;
        killChildProcessByName(pid, "ffmpeg", true, ok);
        QCOMPARE(ok, false); // nothing matched: left as the caller set it
        PoliteStop stop(pid, "ffmpeg");
        QSignalSpy finished(&stop, &PoliteStop::finished);
        stop.start(true);
        QVERIFY(finished.isEmpty()); // reported from the event loop, never inside the call
        QVERIFY(finished.wait(2000));
        QCOMPARE(finished.at(0).at(0).toBool(), true); // as given
        // A kill reports whether it could.
        QVERIFY(killProcess(pid));
        QVERIFY(root->state() == QProcess::NotRunning || root->waitForFinished(3000));
        QCOMPARE(root->exitStatus(), QProcess::CrashExit);
        QVERIFY(!killProcess(999999999));
    }

    // A polite stop of the children of a name runs on timers (the event loop turns meanwhile):
    // one interrupt and one wait end a child that honours it, through its handler; one that
    // ignores it is terminated after the last of four rounds of 1.5 s (a coarse timer may fire
    // up to 5 % early). Only the matching child is stopped.
    void politeStopEndsTheMatchingChild_data()
    {
        testutil::addRows<QString, int, int, int>(
            {"child", "atLeastMs", "belowMs", "ticks"},
            {{"honours the interrupt", "marker-on-int", 1400, 3000, 5},
             {"ignores it", "ignore-int", 4 * PoliteStop::roundMs * 95 / 100, 9000, 20}});
    }
    void politeStopEndsTheMatchingChild()
    {
        QFETCH(QString, child);
        QFETCH(int, atLeastMs);
        QFETCH(int, belowMs);
        QFETCH(int, ticks);
        QTemporaryDir dir;
        const QString marker = dir.path() + "/marker";
        const qint64 pid = startTree({"spawn", "1", "ffmpeg_stub", child, marker});
        QVERIFY(pid > 0);
        QTRY_COMPARE(namesOf(childProcesses(pid)), QStringList({"ffmpeg_stub"}));
        const QList<qint64> tree = fixture::descendants(pid);
        int ticked = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticked; });
        ticker.start(200);

        PoliteStop stop(pid, "ffmpeg");
        QSignalSpy finished(&stop, &PoliteStop::finished);
        QElapsedTimer timer;
        timer.start();
        stop.start(false);
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QVERIFY(timer.elapsed() >= atLeastMs);
        QVERIFY2(timer.elapsed() < belowMs, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(ticked >= ticks);
        QCOMPARE(QFileInfo::exists(marker), child == "marker-on-int");
        QTRY_VERIFY_WITH_TIMEOUT(fixture::alive(tree).isEmpty(), 3000);
        QVERIFY(platform::processExists(pid));
    }

    // Children are listed by name, one generation at a time. A forced stop by name is case
    // sensitive, searches below the children that do not match, and reaches every matching
    // generation: matching parents are terminated before their children are visited, and the
    // walk must not lose the children they leave behind.
    void forcedStopByNameReachesEveryMatchingGeneration()
    {
        const qint64 pid = startTree({"spawn", "1", "FFMPEG_STUB", "spawn", "2", "ffmpeg_stub",
                                      "spawn", "2", "ffmpeg_stub", "sleep"});
        QVERIFY(pid > 0);
        QTRY_COMPARE(fixture::descendants(pid).size(), 1 + 2 + 4);
        QCOMPARE(namesOf(childProcesses(pid)), QStringList({"FFMPEG_STUB"}));
        const quint32 upper = childProcesses(pid).first().pid;
        QTRY_COMPARE(namesOf(childProcesses(upper)), QStringList({"ffmpeg_stub", "ffmpeg_stub"}));
        QVERIFY(childProcesses(999999999).isEmpty());
        const QList<qint64> lower = fixture::descendants(upper);
        bool ok = false;
        killChildProcessByName(pid, "ffmpeg", true, ok);
        QVERIFY(ok);
        QTRY_VERIFY_WITH_TIMEOUT(fixture::alive(lower).isEmpty(), 3000);
        QVERIFY(platform::processExists(upper));
    }

    void treeKillLeavesNoProcessOfTheTree()
    {
        const qint64 pid = startTree({"spawn", "2", "fakeproc", "spawn", "2", "fakeproc", "spawn",
                                      "1", "fakeproc", "sleep"});
        QVERIFY(pid > 0);
        QTRY_COMPARE(fixture::descendants(pid).size(), 2 + 4 + 4);
        const QList<qint64> tree = fixture::descendants(pid) << pid;
        forceKillTree(pid);
        QTRY_VERIFY_WITH_TIMEOUT(fixture::alive(tree).isEmpty(), 3000);
        QVERIFY(root->state() == QProcess::NotRunning || root->waitForFinished(3000));
    }

    void killAllEndsEveryLiveProcess()
    {
        QList<MyProcess *> processes;
        QList<qint64> pids;
        for (int i = 0; i < 3; ++i) {
            auto *p = new MyProcess(this);
            p->start(testutil::helperPath("fakeproc"), {"sleep"}, QIODevice::ReadWrite);
            QVERIFY(p->waitForStarted());
            processes << p;
            pids << p->processId();
        }
        auto *finished = new MyProcess(this); // already ended: the broadcast must not hurt it
        finished->start(testutil::helperPath("fakeproc"), {"bad-mode"});
        QVERIFY(finished->waitForFinished());

        QSignalSpy spy(processes.first(),
                       qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
        Q_EMIT MyProcessHelper::instance()->killAll();
        for (MyProcess *p : processes) {
            QVERIFY(p->state() == QProcess::NotRunning || p->waitForFinished(3000));
            QCOMPARE(p->exitStatus(), QProcess::CrashExit);
        }
        QCOMPARE(spy.count(), 1);
        qDeleteAll(processes);
        delete finished;
    }

    // --- through the engine: nothing left running ----------------------------------------
    void pauseStopsEveryDescendant()
    {
        SniffTask *task = nullptr;
        QList<qint64> pids;
        startFamily(&task, &pids);
        QCOMPARE(fixture::alive(pids), pids);
        QSignalSpy paused(task, &SniffTask::taskPaused);
        mgr->pauseTask(task, false);
        QCOMPARE(paused.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(fixture::alive(pids), QList<qint64>(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(mgr->runningCount(), 0, 5000);
        // Its end is no failure, and a resume starts exactly one new run.
        QCOMPARE(task->state(), SniffTask::State::Paused);
        QVERIFY(!mgr->hasActiveTask());
        QFile::remove(QDir(task->workDir()).filePath("family.pids"));
        mgr->resumeTask(task);
        QVERIFY(mgr->hasActiveTask());
        QCOMPARE(mgr->runningCount(), 1);
        QList<qint64> again;
        startFamily(&task, &again);
        mgr->deleteAllDownloading();
        QTRY_COMPARE_WITH_TIMEOUT(fixture::alive(again), QList<qint64>(), 10000);
    }

    void pauseThenResumeAtOnceWaitsForTheOldRun()
    {
        SniffTask *task = nullptr;
        QList<qint64> pids;
        startFamily(&task, &pids);
        mgr->pauseTask(task, false);
        mgr->resumeTask(task);
        // The old run is still being stopped: nothing new starts beside it.
        QCOMPARE(mgr->runningCount(), 1);
        QCOMPARE(task->state(), SniffTask::State::Waiting);
        QTRY_COMPARE_WITH_TIMEOUT(fixture::alive(pids), QList<qint64>(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(mgr->runningCount(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(task->state(), SniffTask::State::Downloading, 10000);
        mgr->deleteAllDownloading();
    }

    void quitStopsEveryDescendant()
    {
        SniffTask *task = nullptr;
        QList<qint64> pids;
        startFamily(&task, &pids);
        mgr->shutDown();
        QTRY_COMPARE_WITH_TIMEOUT(fixture::alive(pids), QList<qint64>(), 10000);
    }

    // The application in a process of its own, asked to terminate or killed.
    void signalledApplicationLeavesNothingBehind_data()
    {
        testutil::addRows<int>(
            {"signal"},
            {{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}, {"SIGKILL", SIGKILL}});
    }
    void signalledApplicationLeavesNothingBehind()
    {
        QFETCH(int, signal);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        QProcess host;
        host.setProcessEnvironment(env);
        host.start(testutil::helperPath("enginehost"), {downloads->path(), "fake:family"});
        QByteArray seen;
        QVERIFY(testutil::waitForOutput(host, "running", &seen));
        QList<qint64> pids;
        QTRY_VERIFY_WITH_TIMEOUT(!(pids = family(downloads->path())).isEmpty(), 10000);
        ::kill(pid_t(host.processId()), signal);
        QVERIFY(host.waitForFinished(10000));
        QTRY_COMPARE_WITH_TIMEOUT(fixture::alive(pids), QList<qint64>(), 10000);
        if (signal == SIGKILL)
            return;
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        // The lists were saved on the way out.
        QDirIterator it(home.path(), {"task_list.dat"}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        QVERIFY(it.hasNext());
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const tasklist::Records records = tasklist::read(&file);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().url, QString("fake:family"));
    }
};

QTEST_GUILESS_MAIN(TestMyProcess)
#include "tst_myprocess.moc"
