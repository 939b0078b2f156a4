// Page figures: pasting 500 addresses at once (how long the window is blocked, and the longest
// pause of the event loop afterwards while the queue starts), and scrolling through 2,000
// finished rows (the time to show the page and the slowest scroll step). Runs under the offscreen
// platform in a temporary home, with a download tool that does not exist so no job really runs.
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/preferences.h"
#include "core/process/myprocess.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingpage.h"
#include "gui/pages/downloadtaskwidget.h"
#include "gui/pages/mylistwidget.h"
#include "gui/widgets/pictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

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
    prefs->setToolLocation(home.path() + "/no-such-tool");
    prefs->setDownloadDir(home.path());
    SniffMgr *mgr = SniffMgr::instance();

    // --- 500 pasted addresses ---------------------------------------------------------------
    DownloadingPage page;
    page.resize(1000, 700);
    page.show();
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("https://video.example.com/watch/%1\n").arg(i);
    QElapsedTimer clock;
    {
        // Where the time of a paste goes: the jobs themselves, and their row widgets.
        clock.start();
        QList<SniffTask *> jobs;
        for (int i = 0; i < 500; ++i)
            jobs << mgr->newTask(QStringLiteral("https://video.example.com/x/%1").arg(i), {});
        const qint64 jobsMs = clock.restart();
        MyListWidget rows;
        rows.resize(900, 600);
        rows.show();
        for (SniffTask *job : qAsConst(jobs)) {
            auto *item = new QListWidgetItem(&rows);
            rows.setItemWidget(item, new DownloadTaskWidget(job, &rows, item));
        }
        const qint64 rowsMs = clock.restart();
        mgr->saveAll();
        std::printf("500 jobs created in %lld ms, their rows in %lld ms, saved in %lld ms\n",
                    jobsMs, rowsMs, clock.elapsed());
        qDeleteAll(jobs);
    }
    // The longest gap between two 5 ms ticks, while the paste runs and afterwards while the
    // queue starts (and fails) its jobs.
    qint64 longestGap = 0;
    QElapsedTimer gap;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, gap.restart()); });
    tick.start(5);
    gap.start();
    clock.start();
    page.addTasksFromContent(text, true, {}, false, false);
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
                pasteMs, page.list()->count(), pasteGap, longestGap);
    mgr->deleteAllDownloading();

    // --- 2,000 finished rows ----------------------------------------------------------------
    for (int i = 0; i < 2000; ++i) {
        auto *task =
            new SniffTask(QStringLiteral("https://video.example.com/d/%1").arg(i), {}, mgr);
        task->setInfo(protocol::withMember(QByteArray(), "title",
                                           QStringLiteral("Finished video number %1").arg(i)));
        task->setFinished(protocol::withMember(QByteArray(), "filetype", "mp4"));
        task->setFinished(protocol::withMember(task->finished(), "resolution", "1920x1080"));
        task->setFinished(protocol::withMember(task->finished(), "filesize", "73400320"));
        task->setFinished(protocol::withMember(task->finished(), "duration", "642"));
        mgr->moveFromPrivate(task);
    }
    clock.restart();
    DownloadedPage done;
    done.resize(1000, 700);
    done.show();
    QCoreApplication::processEvents();
    const qint64 buildMs = clock.elapsed();
    MyListWidget *list = done.allList();
    QScrollBar *bar = list->verticalScrollBar();
    QList<qint64> steps;
    clock.restart();
    // Scroll like a wheel (three rows per notch) until every row has been shown.
    for (int guard = 0; guard < 10000; ++guard) {
        QElapsedTimer step;
        step.start();
        bar->setValue(bar->value() + 60);
        list->viewport()->repaint();
        QCoreApplication::processEvents();
        steps << step.nsecsElapsed() / 1000;
        if (bar->value() >= bar->maximum() && list->count() >= 2000)
            break;
    }
    const qint64 totalMs = clock.elapsed();
    std::sort(steps.begin(), steps.end());
    std::printf("2000 finished rows: page shown in %lld ms; %d scroll steps in %lld ms, median "
                "%.2f ms, 99th percentile %.2f ms, slowest %.2f ms (%d rows at the end)\n",
                buildMs, int(steps.size()), totalMs, steps.at(steps.size() / 2) / 1000.0,
                steps.at(steps.size() * 99 / 100) / 1000.0, steps.last() / 1000.0, list->count());
    MyProcessHelper::instance()->killAll();
    std::fflush(stdout);
    std::_Exit(0);
}
