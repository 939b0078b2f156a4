// The kill soak: kills a process that saves the download lists at random moments, TRIALS times
// (default 1000), and checks every list with an independent reader. Reports the trials and the
// losses (a torn file, or a job in none of the lists). Usage: bench_killsoak [TRIALS] [JOBS]
#include "helpers/listcheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int trials = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const int jobs = argc > 2 ? QByteArray(argv[2]).toInt() : 2000;
    const QString listsoak = QCoreApplication::applicationDirPath() + "/../tests/listsoak";
    QRandomGenerator random(QRandomGenerator::global()->generate());
    int losses = 0;
    QElapsedTimer timer;
    timer.start();
    for (int trial = 1; trial <= trials; ++trial) {
        QTemporaryDir dir;
        QString problem;
        if (!listcheck::killTrial(listsoak, dir.path(), jobs, random.generate(),
                                  int(random.bounded(400)), &problem)) {
            ++losses;
            std::printf("trial %d: %s\n", trial, qPrintable(problem));
        }
        if (trial % 100 == 0)
            std::printf("%d trials, %d losses (%.0f s)\n", trial, losses, timer.elapsed() / 1e3);
        std::fflush(stdout);
    }
    std::printf("kill soak: %d trials, %d losses, %d jobs moving between three lists\n", trials,
                losses, jobs);
    return losses == 0 ? 0 : 1;
}
