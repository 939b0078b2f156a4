// Disk-full soak: 200 saves of the download lists while the disk fills up at random points,
// with jobs added, finished and hidden between saves as the engine does. After every save the
// lists are read back as a restart would read them; a job that was once saved whole and is not
// on disk any more is a lost record. Two disks: the writer's injected fault (a random byte of
// the save, everywhere) and, as root, a small tmpfs whose free space is set at random before
// each save. Prints the figures; exits 1 when any record was lost.
#include "core/engine/listsaver.h"
#include "core/engine/tasklistfile.h"
#include "core/foundation/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <sys/mount.h>
#include <unistd.h>

namespace {

struct Lists
{
    tasklist::Records downloading, done, privates;
    QSet<QString> jobs() const
    {
        QSet<QString> all;
        for (const auto *list : {&downloading, &done, &privates})
            for (const tasklist::Record &r : *list)
                all.insert(r.workDir);
        return all;
    }
};

QSet<QString> onDisk(const QString &folder)
{
    tasklist::Records d = tasklist::load(folder + "/done_list.dat");
    tasklist::Records p = tasklist::load(folder + "/private_list.dat");
    tasklist::Records t = tasklist::load(folder + "/task_list.dat");
    tasklist::dropDuplicates(p, &d);
    tasklist::dropDuplicates(d, &t);
    tasklist::dropDuplicates(p, &t);
    QSet<QString> all;
    for (const auto *list : {&d, &p, &t})
        for (const tasklist::Record &r : *list)
            all.insert(r.workDir);
    return all;
}

struct Figures
{
    int saves = 0, failed = 0, lost = 0, lostAtEnd = 0, jobs = 0;
};

// `fill(at)` makes the disk full about `at` bytes into the next save; `room` frees it again.
Figures soak(const QString &folder, int saves, QRandomGenerator &random,
             const std::function<void(qint64)> &fill, const std::function<void()> &room)
{
    Lists lists;
    int counter = 0;
    auto job = [&counter] {
        tasklist::Record r;
        ++counter;
        r.url = QStringLiteral("https://video.example.com/watch?v=%1").arg(counter);
        r.workDir = QStringLiteral("/downloads/.temp/%1_soak").arg(counter);
        r.state = 0;
        return r;
    };
    ListSaver::intervalMs = 0;
    ListSaver saver([&] {
        ListSaver::Snapshot s;
        s.jobLists = {{folder + "/done_list.dat", tasklist::share(lists.done)},
                      {folder + "/private_list.dat", tasklist::share(lists.privates)},
                      {folder + "/task_list.dat", tasklist::share(lists.downloading)}};
        return s;
    });
    Figures f;
    QSet<QString> saved; // every job once written whole
    for (int i = 0; i < saves; ++i) {
        for (int n = 0; n < 3; ++n)
            lists.downloading << job();
        lists.done.prepend(lists.downloading.takeFirst()); // a download finishes
        if (i % 3 == 0 && !lists.done.isEmpty())
            lists.privates << lists.done.takeLast(); // one is hidden
        if (i % 5 == 0 && !lists.privates.isEmpty())
            lists.done << lists.privates.takeFirst(); // one is shown again
        const qint64 size = tasklist::serialize(tasklist::share(lists.done)).size() +
                            tasklist::serialize(tasklist::share(lists.downloading)).size() +
                            tasklist::serialize(tasklist::share(lists.privates)).size();
        const bool full = random.bounded(10) < 7;
        if (full)
            fill(qint64(random.bounded(quint32(qMax<qint64>(1, size)))));
        const bool ok = saver.saveNow();
        room();
        ++f.saves;
        f.failed += ok ? 0 : 1;
        const QSet<QString> disk = onDisk(folder);
        for (const QString &j : qAsConst(saved))
            f.lost += disk.contains(j) ? 0 : 1;
        if (ok)
            saved = lists.jobs();
        QCoreApplication::processEvents(); // the notices and retries of SaveHealth
    }
    saver.saveNow();
    const QSet<QString> disk = onDisk(folder);
    for (const QString &j : lists.jobs())
        f.lostAtEnd += disk.contains(j) ? 0 : 1;
    f.jobs = lists.jobs().size();
    return f;
}

void print(const char *disk, const Figures &f)
{
    std::printf("%-22s %d saves, %d failed for want of space; records lost: %d during, %d after "
                "the disk had room again (of %d jobs)\n",
                disk, f.saves, f.failed, f.lost, f.lostAtEnd, f.jobs);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const quint32 seed = argc > 1 ? QByteArray(argv[1]).toUInt() : quint32(::time(nullptr));
    QRandomGenerator random(seed);
    std::printf("seed %u\n", seed);
    int lost = 0;

    {
        QTemporaryDir dir;
        const Figures f = soak(
            dir.path(), 200, random, [](qint64 at) { safesave::injectFault(at); },
            [] { safesave::clearFault(); });
        print("injected ENOSPC:", f);
        lost += f.lost + f.lostAtEnd;
    }

    if (::geteuid() == 0) {
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=8m") == 0) {
            QDir().mkpath(mountPoint.path() + "/data");
            const QString folder = mountPoint.path() + "/data";
            const QByteArray fillerPath = where + "/filler";
            const int filler = ::open(fillerPath.constData(), O_CREAT | O_RDWR, 0600);
            const qint64 disk = 8 << 20;
            const Figures f = soak(
                folder, 200, random,
                [&](qint64 at) {
                    // Leave `at` bytes (give or take the pages in use) free on the disk.
                    if (::ftruncate(filler, 0) != 0)
                        return;
                    qint64 used = 0;
                    for (const QString &name : QDir(folder).entryList(QDir::Files))
                        used += (QFileInfo(folder + "/" + name).size() + 4095) / 4096 * 4096;
                    const qint64 take = qMax<qint64>(0, disk - used - at);
                    if (take > 0)
                        ::posix_fallocate(filler, 0, take);
                },
                [&] { (void)::ftruncate(filler, 0); });
            ::close(filler);
            ::umount2(where.constData(), MNT_DETACH);
            print("tmpfs (8 MB, filled):", f);
            lost += f.lost + f.lostAtEnd;
        } else {
            std::printf("tmpfs skipped: mount failed\n");
        }
    } else {
        std::printf("tmpfs skipped: needs root\n");
    }
    return lost == 0 ? 0 : 1;
}
