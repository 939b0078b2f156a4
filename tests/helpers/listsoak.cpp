// The saving process of the kill soak: JOBS jobs move at random between the downloading, done
// and private lists (finishing, hiding, unhiding; none is ever added or removed), and the lists
// are saved after every move through the application's list saver, until the process is
// killed. Usage: listsoak FOLDER JOBS SEED. Prints "ready" after the first save.
#include "core/engine/listsaver.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int jobs = QByteArray(argv[2]).toInt();
    QRandomGenerator random(QByteArray(argv[3]).toUInt());
    const QString paths[] = {folder + "/done_list.dat", folder + "/private_list.dat",
                             folder + "/task_list.dat"};
    tasklist::Records lists[3];
    for (int i = 0; i < jobs; ++i) {
        tasklist::Record r;
        r.url = QStringLiteral("https://video.example.com/watch?v=%1").arg(i);
        r.workDir = QStringLiteral("%1/.temp/%2_soak").arg(folder).arg(i);
        r.media.present = true;
        r.media.title = QString(100 + int(random.bounded(1000)), QLatin1Char('i'));
        lists[2].append(r);
    }
    ListSaver saver([&] {
        ListSaver::Snapshot s;
        for (int i = 0; i < 3; ++i)
            s.jobLists.append({paths[i], tasklist::share(lists[i])});
        return s;
    });
    saver.saveNow();
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        // A move the application makes: finish (downloading -> done), hide (done -> private),
        // unhide (private -> done); sometimes two before one save, as coalesced saves do.
        const int moves = 1 + int(random.bounded(2));
        for (int m = 0; m < moves; ++m) {
            const int kind = int(random.bounded(3));
            const int from = kind == 0 ? 2 : kind == 1 ? 0 : 1;
            const int to = kind == 0 ? 0 : kind == 1 ? 1 : 0;
            if (lists[from].isEmpty())
                continue;
            const int index = int(random.bounded(lists[from].size()));
            lists[to].prepend(lists[from].takeAt(index));
        }
        saver.saveNow();
    }
}
