#include "gui/pages/finishedjobs.h"

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/globals.h"
#include "gui/pages/rowpainter.h"
#include "gui/pages/taskmodels.h"
#include "gui/widgets/mediaroles.h"

#include <QDateTime>

using namespace mediaroles;

FinishedJobsModel::FinishedJobsModel(SniffMgr *mgr, QObject *parent)
    : QAbstractListModel(parent)
    , mgr(mgr)
{
    const QList<SniffTask *> listed = mgr->doneList() + mgr->privateList();
    rows = QVector<SniffTask *>(listed.begin(), listed.end());
    connect(mgr, &SniffMgr::mgrAddDownloadedTask, this, &FinishedJobsModel::onAdded);
    connect(mgr, &SniffMgr::finishedTaskRemoved, this, &FinishedJobsModel::onRemoved);
    connect(mgr, &SniffMgr::taskChanged, this, &FinishedJobsModel::onChanged);
    connect(mgr, &SniffMgr::taskMoved, this, &FinishedJobsModel::onMoved);
    connect(ThumbnailFetcher::instance(), &ThumbnailFetcher::fetched, this,
            &FinishedJobsModel::onThumbnailFetched);
}

int FinishedJobsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

int FinishedJobsModel::rowOf(const SniffTask *task) const
{
    if (indexStale) {
        // Rebuilt once after rows came or went, not on every look-up.
        rowIndex.clear();
        rowIndex.reserve(rows.size());
        for (int i = 0; i < rows.size(); ++i)
            rowIndex.insert(rows.at(i), i);
        indexStale = false;
    }
    return rowIndex.value(task, -1);
}

void FinishedJobsModel::onAdded(SniffTask *task)
{
    if (rowOf(task) >= 0)
        return;
    // The newest first: one row more, nothing rebuilt.
    beginInsertRows(QModelIndex(), 0, 0);
    rows.prepend(task);
    indexStale = true;
    endInsertRows();
}

void FinishedJobsModel::onRemoved(SniffTask *task)
{
    const int row = rowOf(task);
    for (auto it = awaiting.begin(); it != awaiting.end();) {
        if (it.value() == task)
            it = awaiting.erase(it);
        else
            ++it;
    }
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows.remove(row);
    indexStale = true;
    endRemoveRows();
}

void FinishedJobsModel::onChanged(SniffTask *task)
{
    const int row = rowOf(task);
    if (row >= 0)
        Q_EMIT dataChanged(index(row), index(row));
}

void FinishedJobsModel::onMoved(SniffTask *task)
{
    const int row = rowOf(task);
    if (row < 0)
        return;
    if (task->isPrivate() || row == 0) {
        Q_EMIT dataChanged(index(row), index(row));
        return;
    }
    // Back from the private list: first in the done list, as the engine keeps it.
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), 0);
    rows.remove(row);
    rows.prepend(task);
    indexStale = true;
    endMoveRows();
    Q_EMIT dataChanged(index(0), index(0));
}

void FinishedJobsModel::refreshAll()
{
    if (!rows.isEmpty())
        Q_EMIT dataChanged(index(0), index(rows.size() - 1));
}

QString FinishedJobsModel::shownThumbnail(SniffTask *task) const
{
    const protocol::MediaInfo &media = task->media();
    const QString &stored = task->thumbnailPath();
    if (!media.privateFile && !stored.isEmpty() && !rowpaint::thumbnail(stored, 1.0).isNull())
        return stored;
    // No picture of its own yet: the address's picture is fetched once, when the row is seen.
    if (!media.thumbnail.isEmpty() && !media.hiddenThumb &&
        !ThumbnailFetcher::instance()->wasRequested(media.thumbnail)) {
        awaiting.insert(media.thumbnail, task);
        ThumbnailFetcher::instance()->fetch(media.thumbnail);
    }
    return QString();
}

QVariant FinishedJobsModel::data(const QModelIndex &index, int role) const
{
    SniffTask *task = taskAt(index.row());
    if (!task)
        return QVariant();
    const protocol::Result &result = task->result();
    switch (role) {
    case taskmodels::TaskRole:
        return QVariant::fromValue(task);
    case ObjectRole:
        return QVariant::fromValue<QObject *>(task);
    case Qt::DisplayRole:
        return task->shownTitle();
    case Qt::ToolTipRole:
    case FilePathRole:
        return task->filePath();
    case ThumbnailRole:
        return shownThumbnail(task);
    case SizeRole:
        return result.fileSize;
    case DurationRole:
        return result.duration;
    case FormatRole:
        return result.fileType;
    case ResolutionRole:
        return result.resolution;
    case QualityRole:
        return result.quality;
    case AudioRole:
        return isAudioFormat(result.fileType) || result.resolution == QLatin1String("0x0");
    case SubtitleRole:
        return !result.subtitlePath.isEmpty();
    case DateRole:
        return result.finishedAt > 0 ? QDateTime::fromSecsSinceEpoch(result.finishedAt)
                                     : QDateTime();
    case SourceUrlRole:
        return task->url();
    case PrivateRole:
        return task->isPrivate();
    case ConvertedRole:
        return result.converted;
    default:
        return QVariant();
    }
}

void FinishedJobsModel::onThumbnailFetched(const QString &url, const QPixmap &pixmap)
{
    const QList<SniffTask *> tasks = awaiting.values(url);
    awaiting.remove(url);
    for (SniffTask *task : tasks) {
        if (rowOf(task) < 0 || task->media().thumbnail != url)
            continue; // the row went meanwhile
        // The engine keeps the picture with the job, saves and announces it: the row repaints.
        rowpaint::saveThumbnail(task, pixmap);
    }
}

// --- The filter -------------------------------------------------------------------------------

FinishedJobsFilter::FinishedJobsFilter(FinishedJobsModel *jobs, View view, QObject *parent)
    : QSortFilterProxyModel(parent)
    , jobs(jobs)
    , view(view)
{
    setSourceModel(jobs);
}

void FinishedJobsFilter::setKeywords(const QStringList &keywords)
{
    if (keywords == words)
        return;
    words = keywords;
    invalidateFilter();
}

bool FinishedJobsFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const SniffTask *task = jobs->taskAt(sourceRow);
    if (!task)
        return false;
    // The one place that keeps private jobs out of the public views.
    const bool isPrivate = task->isPrivate();
    switch (view) {
    case View::Public:
        if (isPrivate)
            return false;
        break;
    case View::Private:
        if (!isPrivate)
            return false;
        break;
    case View::Converted:
        if (isPrivate || !task->result().converted)
            return false;
        break;
    }
    return words.isEmpty() || task->matches(words);
}

SniffTask *FinishedJobsFilter::taskAt(int row) const
{
    return jobs->taskAt(mapToSource(index(row, 0)).row());
}

int FinishedJobsFilter::rowOf(const SniffTask *task) const
{
    const int source = jobs->rowOf(task);
    return source < 0 ? -1 : mapFromSource(jobs->index(source)).row();
}

QList<SniffTask *> FinishedJobsFilter::tasks() const
{
    QList<SniffTask *> shown;
    shown.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        shown << taskAt(row);
    return shown;
}
