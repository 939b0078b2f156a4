// The kill soak, bounded: a process that moves jobs between the lists and saves them is killed
// at random moments; every list must be whole and every job in at least one of them, and the
// application's loading must then list every job exactly once. bench/bench_killsoak runs the
// same trials a thousand times.
#include "core/engine/tasklistfile.h"
#include "helpers/fixture.h"
#include "helpers/listcheck.h"

#include <QRandomGenerator>

class TestKillSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fixture::testMode(); }

    void killedSavesLoseNothing()
    {
        QRandomGenerator random(20261206);
        const int trials = 40, jobs = 150;
        for (int trial = 0; trial < trials; ++trial) {
            QTemporaryDir dir;
            QString problem;
            const int killAfter = int(random.bounded(120));
            QVERIFY2(listcheck::killTrial(testutil::helperPath("listsoak"), dir.path(), jobs,
                                          random.generate(), killAfter, &problem),
                     qPrintable(QStringLiteral("trial %1: %2").arg(trial).arg(problem)));
            tasklist::Records done = tasklist::load(dir.path() + "/done_list.dat"),
                              hidden = tasklist::load(dir.path() + "/private_list.dat"),
                              task = tasklist::load(dir.path() + "/task_list.dat");
            tasklist::dropDuplicates(hidden, &done);
            tasklist::dropDuplicates(done, &task);
            tasklist::dropDuplicates(hidden, &task);
            QCOMPARE(done.size() + hidden.size() + task.size(), jobs);
        }
    }
};

QTEST_GUILESS_MAIN(TestKillSoak)
#include "tst_killsoak.moc"
