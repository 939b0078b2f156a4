#include "gui/pages/downloadingmodel.h"

#include "core/engine/snifftask.h"
#include "gui/pages/downloadrow.h"
#include "gui/pages/rowpainter.h"

using namespace taskmodels;

DownloadingModel::DownloadingModel(QObject *parent)
    : TaskListModel(parent)
{
    connect(ThumbnailFetcher::instance(), &ThumbnailFetcher::fetched, this,
            &DownloadingModel::onThumbnailFetched);
}

DownloadingModel::~DownloadingModel()
{
    qDeleteAll(rowsByTask);
}

QVariant DownloadingModel::data(const QModelIndex &index, int role) const
{
    const DownloadRow *r = row(taskAt(index.row()));
    if (!r)
        return QVariant();
    switch (role) {
    case TaskRole:
        return QVariant::fromValue(r->task());
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return r->title();
    case ThumbnailRole:
        return r->thumbnailPath();
    case StatusRole:
        return r->status();
    case FailureRole:
        return r->isFailureShown();
    case FailureTextRole:
        return r->isFailureShown() ? r->failureLine() : QString();
    case ReasonRole:
        return r->reason();
    case LiveBadgeRole:
        return r->isLiveBadgeShown();
    case ElapsedRole:
        return r->elapsed();
    case BarVisibleRole:
        return r->isBarShown();
    case BarBusyRole:
        return r->isBarShown() && r->isBarBusy();
    case BarValueRole:
        return r->barValue();
    case ButtonImageRole:
        return r->buttonImage();
    case ButtonToolTipRole:
        return r->buttonToolTip();
    case ButtonEnabledRole:
        return r->isButtonEnabled();
    case ButtonVisibleRole:
        return r->isButtonShown();
    default:
        return QVariant();
    }
}

void DownloadingModel::append(SniffTask *task)
{
    if (rowsByTask.contains(task))
        return;
    auto *r = new DownloadRow(task);
    rowsByTask.insert(task, r);
    r->refreshState();
    insertTask(rowCount(), task);
}

void DownloadingModel::remove(SniffTask *task)
{
    const int at = rowOf(task);
    if (at < 0)
        return;
    removeRow(at);
    delete rowsByTask.take(task);
}

void DownloadingModel::update(SniffTask *task, void (DownloadRow::*change)())
{
    if (DownloadRow *r = row(task)) {
        (r->*change)();
        rowChanged(task);
    }
}

void DownloadingModel::refreshAll()
{
    for (DownloadRow *r : qAsConst(rowsByTask))
        r->refreshState();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0), index(rowCount() - 1));
}

void DownloadingModel::onThumbnailFetched(const QString &url, const QPixmap &pixmap)
{
    for (DownloadRow *r : qAsConst(rowsByTask)) {
        if (r->onImageDownloaded(pixmap, url))
            rowChanged(r->task());
    }
}
