#include "gui/pages/downloadingpage.h"

// The downloading page's rows: they follow their tasks' signals, their buttons, question mark and
// failure link act, and their busy stripes move.

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"
#include "gui/pages/downloadfaileddlg.h"
#include "gui/pages/downloadingmodel.h"
#include "gui/pages/downloadrow.h"
#include "gui/pages/downloadtaskdelegate.h"
#include "gui/pages/mylistwidget.h"
#include "gui/widgets/mainwindowhelper.h"

#include <QTimer>

// --- Task signals -----------------------------------------------------------------------------

void DownloadingPage::onTaskStarted(SniffTask *task)
{
    rows->update(task, &DownloadRow::showStarted);
}

void DownloadingPage::onTaskPaused(SniffTask *task)
{
    rows->update(task, &DownloadRow::refreshState);
}

void DownloadingPage::onTaskResumed(SniffTask *task)
{
    rows->update(task, &DownloadRow::refreshState);
}

void DownloadingPage::onTaskSniffed(SniffTask *task)
{
    rows->update(task, &DownloadRow::showSniffed);
    // Asked once the tool's output has been handled, not inside it.
    if (router.noteAnalysis(task))
        QTimer::singleShot(0, this, &DownloadingPage::askAboutPageEntries);
}

void DownloadingPage::onTaskDownloading(SniffTask *task)
{
    rows->update(task, &DownloadRow::showDownloading);
}

void DownloadingPage::onTaskConverting(SniffTask *task)
{
    rows->update(task, &DownloadRow::showConverting);
}

void DownloadingPage::onTaskFinished(SniffTask *task)
{
    rows->update(task, &DownloadRow::showFinished);
    if (task->state() == SniffTask::State::Failed) {
        const DownloadRow *row = rows->row(task);
        const QString reason = row ? row->reason() : QString();
        writeLog(
            QStringLiteral("[DownloadingPage] download failed"),
            task->logName() + QStringLiteral(": ") +
                (reason.isEmpty() ? QStringLiteral("no reason given") : task->logText(reason)));
    }
}

// --- Row parts and busy stripes ---------------------------------------------------------------

void DownloadingPage::onRowPartClicked(const QModelIndex &index, int part)
{
    SniffTask *task = rows->taskAt(index.row());
    if (!task)
        return;
    switch (part) {
    case DownloadTaskDelegate::ActionButton:
        onClickPauseResume(task);
        break;
    case DownloadTaskDelegate::QuestionMark:
        showFailureDialog(task);
        break;
    case DownloadTaskDelegate::FailureLink:
        Q_EMIT toBrowserDownloaded(task->url());
        break;
    default:
        break;
    }
}

void DownloadingPage::onClickPauseResume(SniffTask *task)
{
    const SniffTask::State state = task->state();
    if (state == SniffTask::State::Waiting || state == SniffTask::State::Downloading) {
        mgr->pauseTask(task, false);
        return;
    }
    // A retry: the engine queues the job again and looks its page up when nothing is known of
    // it yet.
    mgr->resumeTask(task);
    if (DownloadRow *row = rows->row(task))
        row->reloadThumbnail();
}

void DownloadingPage::showFailureDialog(SniffTask *task)
{
    const QString url = task->url();
    const DownloadRow *row = rows->row(task);
    auto *dialog = new DownloadFailedDlg(row ? row->reason() : QString());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &DownloadFailedDlg::browserChosen, this,
            [this, url] { Q_EMIT toBrowserDownloaded(url); });
    MainWindowHelper::instance()->centreOverMainWindow(dialog);
    dialog->exec();
}

void DownloadingPage::animateBusyRows(int frame)
{
    delegate->setBusyFrame(frame);
    if (!listWidget->isVisible() || rows->rowCount() == 0)
        return;
    // Only the rows in view are looked at: the cost does not grow with the list.
    const QRect area = listWidget->viewport()->rect();
    const QModelIndex top = listWidget->indexAt(area.topLeft());
    const QModelIndex bottom = listWidget->indexAt(QPoint(area.left(), area.bottom()));
    const int first = top.isValid() ? top.row() : 0;
    const int last = bottom.isValid() ? bottom.row() : rows->rowCount() - 1;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = rows->index(row);
        if (index.data(taskmodels::BarBusyRole).toBool())
            listWidget->viewport()->update(listWidget->visualRect(index));
    }
}
