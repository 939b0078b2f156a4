#include "core/platform/platform.h"
#include "core/process/myprocess.h"
#include "helpers/fixture.h"

namespace {

QList<quint32> descendants(quint32 root)
{
    QList<platform::ProcessEntry> all;
    platform::processSnapshot(&all);
    QList<quint32> out;
    QList<quint32> queue{root};
    while (!queue.isEmpty()) {
        const quint32 parent = queue.takeFirst();
        for (const auto &e : all) {
            if (e.parentPid == parent && !out.contains(e.pid)) {
                out << e.pid;
                queue << e.pid;
            }
        }
    }
    return out;
}

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

    static bool allGone(const QList<quint32> &pids, int timeoutMs = 3000)
    {
        return QTest::qWaitFor(
            [&pids] { return std::none_of(pids.begin(), pids.end(), platform::processExists); },
            timeoutMs);
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::testMode();
        qRegisterMetaType<QProcess::ExitStatus>();
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

    void politeStopEndsAChildThatHonoursTheInterrupt()
    {
        QTemporaryDir dir;
        const QString marker = dir.path() + "/marker";
        const qint64 pid = startTree({"spawn", "1", "ffmpeg_stub", "marker-on-int", marker});
        QVERIFY(pid > 0);
        QTRY_COMPARE(namesOf(childProcesses(pid)), QStringList({"ffmpeg_stub"}));
        const QList<quint32> tree = descendants(quint32(pid));

        PoliteStop stop(pid, "ffmpeg");
        QSignalSpy finished(&stop, &PoliteStop::finished);
        QElapsedTimer timer;
        timer.start();
        stop.start(false);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QVERIFY(timer.elapsed() >= 1400);
        QVERIFY2(timer.elapsed() < 3000, "one interrupt and one wait are enough");
        QVERIFY(QFileInfo::exists(marker)); // it ended through its interrupt handler
        QVERIFY(allGone(tree));
        QVERIFY(platform::processExists(pid)); // only the matching child is stopped
    }

    void childIgnoringInterruptsIsTerminatedAfterTheLastWait()
    {
        const qint64 pid = startTree({"spawn", "1", "ffmpeg_stub", "ignore-int"});
        QVERIFY(pid > 0);
        QTRY_COMPARE(namesOf(childProcesses(pid)), QStringList({"ffmpeg_stub"}));
        const QList<quint32> tree = descendants(quint32(pid));

        // The stop runs on timers: the event loop turns meanwhile.
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(200);

        PoliteStop stop(pid, "ffmpeg");
        QSignalSpy finished(&stop, &PoliteStop::finished);
        QElapsedTimer timer;
        timer.start();
        stop.start(false);
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        // Four rounds of 1.5 s; a coarse timer may fire up to 5 % early.
        QVERIFY(timer.elapsed() >= 4 * PoliteStop::roundMs * 95 / 100);
        QVERIFY(timer.elapsed() < 9000);
        QVERIFY(ticks >= 20);
        QVERIFY(allGone(tree));
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
        QTRY_COMPARE(descendants(quint32(pid)).size(), 1 + 2 + 4);
        QCOMPARE(namesOf(childProcesses(pid)), QStringList({"FFMPEG_STUB"}));
        const quint32 upper = childProcesses(pid).first().pid;
        QTRY_COMPARE(namesOf(childProcesses(upper)), QStringList({"ffmpeg_stub", "ffmpeg_stub"}));
        QVERIFY(childProcesses(999999999).isEmpty());
        const QList<quint32> lower = descendants(upper);
        bool ok = false;
        killChildProcessByName(pid, "ffmpeg", true, ok);
        QVERIFY(ok);
        QVERIFY(allGone(lower));
        QVERIFY(platform::processExists(upper));
    }

    void treeKillLeavesNoProcessOfTheTree()
    {
        const qint64 pid = startTree({"spawn", "2", "fakeproc", "spawn", "2", "fakeproc", "spawn",
                                      "1", "fakeproc", "sleep"});
        QVERIFY(pid > 0);
        QTRY_COMPARE(descendants(quint32(pid)).size(), 2 + 4 + 4);
        QList<quint32> tree = descendants(quint32(pid));
        tree << quint32(pid);
        forceKillTree(pid);
        QVERIFY(allGone(tree));
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
};

QTEST_GUILESS_MAIN(TestMyProcess)
#include "tst_myprocess.moc"
