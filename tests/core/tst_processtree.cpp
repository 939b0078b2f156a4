// Nothing is left running: a download tool that starts children of its own (in its group and in
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

class TestProcessTree : public QObject
{
    Q_OBJECT
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

    static QList<qint64> alive(const QList<qint64> &pids)
    {
        QList<qint64> left;
        for (qint64 pid : pids) {
            if (platform::processExists(pid))
                left << pid;
        }
        return left;
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

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
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
        mgr.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void pauseStopsEveryDescendant()
    {
        SniffTask *task = nullptr;
        QList<qint64> pids;
        startFamily(&task, &pids);
        QCOMPARE(alive(pids), pids);
        QSignalSpy paused(task, &SniffTask::taskPaused);
        mgr->pauseTask(task, false);
        QCOMPARE(paused.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(alive(pids), QList<qint64>(), 10000);
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
        QTRY_COMPARE_WITH_TIMEOUT(alive(again), QList<qint64>(), 10000);
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
        QTRY_COMPARE_WITH_TIMEOUT(alive(pids), QList<qint64>(), 10000);
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
        QTRY_COMPARE_WITH_TIMEOUT(alive(pids), QList<qint64>(), 10000);
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
        QTRY_COMPARE_WITH_TIMEOUT(alive(pids), QList<qint64>(), 10000);
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

QTEST_GUILESS_MAIN(TestProcessTree)
#include "tst_processtree.moc"
