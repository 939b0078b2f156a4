// Page figures, each case in a fresh process of its own (this program started again) under the
// offscreen platform in a throw-away home, with a download tool that does not exist so no job
// really runs:
//   paste     pasting 500 addresses at once: how long the window is blocked, and the longest
//             pause of the event loop afterwards while the queue starts its jobs;
//   search N  N finished downloads (2,000 when not given; 10,000 and 100,000 are the figures
//             to watch): 30 keystrokes that type a letter and take it back, a word typed and
//             taken back letter by letter, and the 1st and 30th refresh for a newly finished
//             download, each until the page is painted; the anchor is the same keystrokes on an
//             empty list (what a keystroke costs whatever the list);
//   memory    resident memory with 1,000 finished downloads (each with its own thumbnail) once
//             every row has been scrolled through; memory10k the same with 10,000 downloads
//             after 4,775 rows;
//   scroll N  N finished downloads (2,000 when not given): the time to show the page and the
//             slowest scroll step (also as the GUI thread's own time, which the load of a shared
//             machine does not stretch);
//   paint     2,000 finished downloads: painting the rows in view again and again (no scrolling,
//             pictures cached), the cost of a row's paint itself.
//
//   bench_pages            every case
//   bench_pages CASE [N]   one case
// Every figure is printed with the machine's load average (the machine may be shared).
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/preferences.h"
#include "core/process/myprocess.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingpage.h"
#include "gui/pages/mylistwidget.h"
#include "gui/widgets/pictures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024.0;
    }
    return -1;
}

double loadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

int rowsOf(QAbstractItemView *view)
{
    return view->model()->rowCount();
}

// Finished downloads as the engine keeps them, newest first; with `pictures`, each has a
// thumbnail file of its own (320x180, as a site gives them).
// A finished download as the engine keeps it; with `picture`, it has that thumbnail file.
JobRecord finishedJob(int i, const QString &picture = QString())
{
    JobRecord job;
    job.url = QStringLiteral("https://video.example.com/d/%1").arg(i);
    job.state = qint32(SniffTask::State::Finished);
    job.media.present = true;
    job.media.title = QStringLiteral("Finished video number %1 of a long list").arg(i);
    job.media.filePath = QStringLiteral("/nowhere/video %1.mp4").arg(i);
    job.result.present = true;
    job.result.fileType = QStringLiteral("MP4");
    job.result.resolution = QStringLiteral("1920x1080");
    job.result.fileSize = 73400320;
    job.result.duration = 642;
    job.thumbnailPath = picture;
    return job;
}

// Finished downloads as the engine keeps them, newest first; with `pictures`, each has a
// thumbnail file of its own (320x180, as a site gives them).
QList<SniffTask *> finishedTasks(int count, const QString &pictures = QString())
{
    SniffMgr *mgr = SniffMgr::instance();
    QList<SniffTask *> tasks;
    for (int i = 0; i < count; ++i) {
        QString path;
        if (!pictures.isEmpty()) {
            QImage image(320, 180, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 7 % 360, 160, 200));
            QPainter(&image).fillRect(i % 250, 40, 60, 100, QColor::fromHsv(i * 13 % 360, 200, 90));
            path = QStringLiteral("%1/%2.png").arg(pictures).arg(i);
            image.save(path);
        }
        tasks << mgr->restoreJob(finishedJob(i, path), SniffTask::Place::Done);
    }
    return tasks;
}

// Shows the page's change on the screen: pending events, then a paint of the whole page.
void paintNow(QWidget *page)
{
    QCoreApplication::processEvents();
    page->repaint();
}

void pasteCase()
{
    DownloadingPage page;
    page.resize(1000, 700);
    page.show();
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("https://video.example.com/watch/%1\n").arg(i);
    // The longest gap between two 5 ms ticks, while the paste runs and afterwards while the
    // queue starts (and fails) its jobs.
    qint64 longestGap = 0;
    QElapsedTimer gap;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, gap.restart()); });
    tick.start(5);
    gap.start();
    QElapsedTimer clock;
    clock.start();
    page.addTasksFromContent(text, true, {}, false, false);
    paintNow(&page);
    const qint64 pasteMs = clock.elapsed();
    longestGap = std::max(longestGap, gap.elapsed());
    const qint64 pasteGap = longestGap;
    longestGap = 0;
    gap.restart();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    tick.stop();
    std::printf("paste 500 addresses: %lld ms in all (%d rows), the window blocked for at most "
                "%lld ms at a time; longest event-loop pause afterwards %lld ms\n",
                pasteMs, rowsOf(page.list()), pasteGap, longestGap);
    SniffMgr::instance()->deleteAllDownloading();
}

// The processor time of the calling thread, in milliseconds: on a shared machine the time the
// GUI thread itself worked, whatever else ran meanwhile.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Keystrokes
{
    QList<double> toggles; // a letter typed and taken back, 30 times
    QList<double> word;    // a word typed and taken back letter by letter
    QList<double> cpu;     // the GUI thread's own time of each, both kinds
};

// One keystroke into the search field, until the page is painted, in milliseconds.
double keystroke(DownloadedPage *page, const QString &letter, Keystrokes *k)
{
    QElapsedTimer clock;
    clock.start();
    const double cpu = threadCpuMs();
    QLineEdit *search = page->searchField();
    if (letter.isEmpty())
        search->backspace();
    else
        search->insert(letter);
    paintNow(page);
    k->cpu << threadCpuMs() - cpu;
    if (qEnvironmentVariableIsSet("BENCH_EACH"))
        std::printf("  %s %.1f\n", qPrintable(search->text()), k->cpu.last());
    return clock.nsecsElapsed() / 1e6;
}

Keystrokes keystrokes(DownloadedPage *page)
{
    Keystrokes k;
    // Every title has an "e": typing it and taking it back shows every row again.
    for (int i = 0; i < 30; ++i)
        k.toggles << keystroke(page, i % 2 == 0 ? QStringLiteral("e") : QString(), &k);
    const QString word = QStringLiteral("number 12");
    for (const QChar c : word)
        k.word << keystroke(page, c, &k);
    for (int i = 0; i < word.size(); ++i)
        k.word << keystroke(page, QString(), &k);
    return k;
}

double slowest(const QList<double> &figures)
{
    return *std::max_element(figures.begin(), figures.end());
}

double median(QList<double> figures)
{
    std::sort(figures.begin(), figures.end());
    return figures.at(figures.size() / 2);
}

void searchCase(int count)
{
    // The anchor first: the same keystrokes with no rows at all.
    Keystrokes empty;
    {
        DownloadedPage page;
        page.resize(1000, 700);
        page.show();
        paintNow(&page);
        empty = keystrokes(&page);
    }
    QElapsedTimer made;
    made.start();
    finishedTasks(count);
    const qint64 madeMs = made.elapsed();
    DownloadedPage done;
    done.resize(1000, 700);
    done.show();
    paintNow(&done);
    const Keystrokes k = keystrokes(&done);
    QList<double> refreshes;
    QList<double> refreshCpu; // the GUI thread's own time of each
    SniffMgr *mgr = SniffMgr::instance();
    for (int i = 0; i < 30; ++i) {
        const JobRecord job = finishedJob(count + 5000 + i);
        QElapsedTimer clock;
        clock.start();
        const double cpu = threadCpuMs();
        // Announced as a finished run announces it.
        mgr->addFinished(job);
        paintNow(&done);
        refreshCpu << threadCpuMs() - cpu;
        refreshes << clock.nsecsElapsed() / 1e6;
    }
    std::printf("%d finished rows (made in %lld ms): search keystroke 1st %.1f ms, 30th %.1f ms, "
                "slowest %.1f ms (empty list: slowest %.1f ms, ratio %.2f); a word typed and "
                "taken back, 18 keystrokes: slowest %.1f ms (empty list %.1f ms); the GUI "
                "thread's own time per keystroke: median %.1f ms, slowest %.1f ms (empty list "
                "%.1f, %.1f); refresh for a finished download 1st %.1f ms, 30th %.1f ms (the GUI "
                "thread's own time %.1f ms, %.1f ms; %d rows shown); load average %.2f\n",
                count, madeMs, k.toggles.first(), k.toggles.last(), slowest(k.toggles),
                slowest(empty.toggles), slowest(k.toggles) / slowest(empty.toggles),
                slowest(k.word), slowest(empty.word), median(k.cpu), slowest(k.cpu),
                median(empty.cpu), slowest(empty.cpu), refreshes.first(), refreshes.last(),
                refreshCpu.first(), refreshCpu.last(), rowsOf(done.allList()), loadAverage());
}

void memoryCase(int records, int rowsToScroll)
{
    QTemporaryDir pictures;
    finishedTasks(records, pictures.path());
    const double before = residentMb();
    DownloadedPage done;
    done.resize(1000, 700);
    done.show();
    paintNow(&done);
    QAbstractItemView *list = done.allList();
    QScrollBar *bar = list->verticalScrollBar();
    const int rowHeight = 100;
    for (int guard = 0; guard < 100000; ++guard) {
        bar->setValue(bar->value() + 60);
        list->viewport()->repaint();
        QCoreApplication::processEvents();
        if (bar->value() >= std::min(bar->maximum(), rowsToScroll * rowHeight) &&
            rowsOf(list) >= std::min(records, rowsToScroll))
            break;
    }
    std::printf("%d finished rows (each with its thumbnail), %d scrolled through: resident %.1f MB "
                "(%.1f MB before the page)\n",
                records, bar->value() / rowHeight + list->viewport()->height() / rowHeight,
                residentMb(), before);
}

void scrollCase(int count)
{
    finishedTasks(count);
    QElapsedTimer clock;
    clock.start();
    DownloadedPage done;
    done.resize(1000, 700);
    done.show();
    QCoreApplication::processEvents();
    const qint64 buildMs = clock.elapsed();
    QAbstractItemView *list = done.allList();
    QScrollBar *bar = list->verticalScrollBar();
    QList<qint64> steps;
    QList<double> cpu; // the GUI thread's own time of each step
    clock.restart();
    // Scroll like a wheel (three rows per notch) until every row has been shown.
    for (int guard = 0; guard < 10000; ++guard) {
        QElapsedTimer step;
        step.start();
        const double cpuBefore = threadCpuMs();
        bar->setValue(bar->value() + 60);
        list->viewport()->repaint();
        QCoreApplication::processEvents();
        steps << step.nsecsElapsed() / 1000;
        cpu << threadCpuMs() - cpuBefore;
        if (bar->value() >= bar->maximum() && rowsOf(list) >= count)
            break;
    }
    const qint64 totalMs = clock.elapsed();
    std::sort(steps.begin(), steps.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%d finished rows: page shown in %lld ms; %d scroll steps in %lld ms, median "
                "%.2f ms, 99th percentile %.2f ms, slowest %.2f ms (the GUI thread's own time: "
                "99th percentile %.2f ms, slowest %.2f ms; %d rows at the end); load average "
                "%.2f\n",
                count, buildMs, int(steps.size()), totalMs, steps.at(steps.size() / 2) / 1000.0,
                steps.at(steps.size() * 99 / 100) / 1000.0, steps.last() / 1000.0,
                cpu.at(cpu.size() * 99 / 100), cpu.last(), rowsOf(list), loadAverage());
}

void paintCase()
{
    finishedTasks(2000);
    DownloadedPage done;
    done.resize(1000, 700);
    done.show();
    QAbstractItemView *list = done.allList();
    paintNow(&done);
    const int shown = list->viewport()->height() / 100 + 1;
    // Warm the caches first (pictures, fonts), then paint the same rows many times.
    for (int i = 0; i < 20; ++i)
        list->viewport()->repaint();
    const int rounds = 500;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i)
        list->viewport()->repaint();
    const double perPaint = clock.nsecsElapsed() / 1e6 / rounds;
    std::printf("2000 finished rows: painting the %d rows in view %.3f ms, %.1f us a row\n", shown,
                perPaint, perPaint * 1000 / shown);
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList cases{"paste", "search", "memory", "memory10k", "scroll", "paint"};
    if (argc < 2) {
        // Every case in a process of its own, so that memory and caches start afresh.
        QCoreApplication app(argc, argv);
        for (const QString &name : cases) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), {name});
            child.waitForFinished(-1);
        }
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    seedPreferences();
    initGuiResources();
    Preferences *prefs = Preferences::instance();
    prefs->setToolLocation(home.path() + "/no-such-tool");
    prefs->setDownloadDir(home.path());

    const QByteArray name = argv[1];
    const int count = argc > 2 ? qBound(1, QByteArray(argv[2]).toInt(), 1000000) : 2000;
    if (name == "paste")
        pasteCase();
    else if (name == "search")
        searchCase(count);
    else if (name == "memory")
        memoryCase(1000, 1000);
    else if (name == "memory10k")
        memoryCase(10000, 4775);
    else if (name == "scroll")
        scrollCase(count);
    else if (name == "paint")
        paintCase();
    else
        std::printf("unknown case %s; cases: %s\n", name.constData(),
                    qPrintable(cases.join(QLatin1Char(' '))));
    MyProcessHelper::instance()->killAll();
    std::fflush(stdout);
    std::_Exit(0);
}
