#include "gui/pages/finishedjobs.h"

#include "core/converter/framegrabber.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/globals.h"
#include "gui/pages/rowpainter.h"
#include "gui/pages/taskmodels.h"
#include "gui/widgets/mediaroles.h"

#include <QDateTime>

#include <algorithm>
#include <functional>
#include <limits>

using namespace mediaroles;

namespace {

// The room made for a list of `size` and what joins it while it is shown: a block the size of
// the whole list, grown by one more row, is copied and its new memory touched page by page, in
// the turn that shows that row.
int withRoom(qint64 size)
{
    return int(std::min<qint64>(size + size / 16 + 64, std::numeric_limits<int>::max() / 2));
}

} // namespace

FinishedJobsModel::FinishedJobsModel(SniffMgr *mgr, QObject *parent)
    : QAbstractListModel(parent)
    , mgr(mgr)
{
    const QList<SniffTask *> listed = mgr->doneList() + mgr->privateList();
    rows.reserve(size_t(withRoom(listed.size())));
    keyOf.reserve(withRoom(listed.size()));
    qint64 letters = 0;
    for (auto it = listed.crbegin(); it != listed.crend(); ++it) {
        keyOf.append({*it, topKey});
        rows.push_back({*it, topKey++, (*it)->title(), {0, -1}});
        letters += rows.back().title.size();
    }
    // Each title is decoded once, above; it is lowered once its room is made.
    lowered.reserve(withRoom(letters));
    for (Row &row : rows)
        keepTitle(row, std::move(row.title));
    sortKeys();
    connect(mgr, &SniffMgr::mgrAddDownloadedTask, this, &FinishedJobsModel::onAdded);
    connect(mgr, &SniffMgr::finishedTaskRemoved, this, &FinishedJobsModel::onRemoved);
    connect(mgr, &SniffMgr::taskChanged, this, &FinishedJobsModel::onChanged);
    connect(mgr, &SniffMgr::taskMoved, this, &FinishedJobsModel::onMoved);
    connect(mgr, &SniffMgr::finishedJobsLoaded, this, &FinishedJobsModel::onLoaded);
    connect(ThumbnailFetcher::instance(), &ThumbnailFetcher::fetched, this,
            &FinishedJobsModel::onThumbnailFetched);
    connect(FrameGrabber::instance(), &FrameGrabber::ready, this, [this](const QString &path) {
        const QList<SniffTask *> tasks = awaitingFrame.values(path);
        awaitingFrame.remove(path);
        for (SniffTask *task : tasks)
            onChanged(task); // the row asks again and finds the picture
    });
}

int FinishedJobsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

bool FinishedJobsModel::byTask(const TaskKey &a, const TaskKey &b)
{
    return std::less<const SniffTask *>()(a.task, b.task);
}

void FinishedJobsModel::sortKeys() const
{
    if (keysSorted == keyOf.size())
        return;
    const auto middle = keyOf.begin() + keysSorted;
    std::sort(middle, keyOf.end(), byTask);
    std::inplace_merge(keyOf.begin(), middle, keyOf.end(), byTask);
    keysSorted = keyOf.size();
}

const FinishedJobsModel::TaskKey *FinishedJobsModel::keyEntry(const SniffTask *task) const
{
    sortKeys();
    const auto it = std::lower_bound(keyOf.cbegin(), keyOf.cend(), TaskKey{task, 0}, byTask);
    return it != keyOf.cend() && it->task == task ? &*it : nullptr;
}

void FinishedJobsModel::forgetKey(const SniffTask *task)
{
    if (const TaskKey *entry = keyEntry(task)) {
        keyOf.remove(int(entry - keyOf.cbegin()));
        --keysSorted;
    }
}

int FinishedJobsModel::rowOf(const SniffTask *task) const
{
    // Rows are in the order of their keys: the row is found by halving, whatever came or went.
    const TaskKey *found = keyEntry(task);
    if (!found)
        return -1;
    const auto it = std::lower_bound(rows.cbegin(), rows.cend(), found->key,
                                     [](const Row &row, qint64 key) { return row.key < key; });
    return it != rows.cend() && it->key == found->key ? int(rows.cend() - it) - 1 : -1;
}

FinishedJobsModel::Row FinishedJobsModel::makeRow(SniffTask *task, qint64 key)
{
    keyOf.append({task, key});
    Row row{task, key, QString(), {0, -1}};
    keepTitle(row, task->title());
    return row;
}

void FinishedJobsModel::removeRow(int row)
{
    dropLowered(row);
    rows.erase(rows.end() - 1 - row);
}

void FinishedJobsModel::keepTitle(Row &row, QString title)
{
    const int offset = lowered.size();
    if (title.size() <= std::numeric_limits<int>::max() / 2 - offset &&
        TitleMatcher::lowerAscii(title, &lowered)) {
        row.span = {offset, title.size()};
        row.title = QString(); // `lowered` holds it
    } else {
        row.span = {0, -1};
        row.title = std::move(title);
    }
}

void FinishedJobsModel::dropLowered(int row)
{
    Span &span = rowAt(row).span;
    if (span.size <= 0)
        return;
    unusedLowered += span.size;
    span = {0, -1};
    if (unusedLowered < 4096 || unusedLowered * 2 < lowered.size())
        return;
    // Mostly bytes of titles gone: the titles of the rows there are, packed again.
    QByteArray packed;
    packed.reserve(lowered.size() - unusedLowered);
    for (Row &row : rows) {
        Span &kept = row.span;
        if (kept.size < 0)
            continue;
        const int offset = packed.size();
        packed.append(lowered.constData() + kept.offset, kept.size);
        kept.offset = offset;
    }
    lowered = packed;
    unusedLowered = 0;
}

bool FinishedJobsModel::titleMatches(int row, const TitleMatcher &matcher) const
{
    const Row &r = rowAt(row);
    if (r.span.size < 0)
        return matcher.matches(r.title);
    return matcher.matchesLowered(lowered.constData() + r.span.offset, r.span.size);
}

void FinishedJobsModel::onAdded(SniffTask *task)
{
    if (rowOf(task) >= 0)
        return;
    // The newest first: one row more, nothing rebuilt.
    beginInsertRows(QModelIndex(), 0, 0);
    rows.push_back(makeRow(task, topKey++));
    endInsertRows();
}

void FinishedJobsModel::onLoaded(SniffTask::Place place, int count)
{
    // A list being read joins at the end: the done list's jobs all come before the private
    // list's, so the rows keep the engine's order.
    const QList<SniffTask *> list =
        place == SniffTask::Place::Private ? mgr->privateList() : mgr->doneList();
    if (count <= 0 || count > list.size())
        return;
    const int end = int(rows.size());
    beginInsertRows(QModelIndex(), end, end + count - 1);
    // Keys below every row's, the last row's lowest; the rows there are move once.
    std::vector<Row> added;
    added.reserve(size_t(count));
    const qint64 lowest = bottomKey - count;
    for (int k = 0; k < count; ++k)
        added.push_back(makeRow(list.at(list.size() - 1 - k), lowest + k));
    bottomKey = lowest;
    rows.insert(rows.begin(), std::make_move_iterator(added.begin()),
                std::make_move_iterator(added.end()));
    sortKeys();
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
    awaitingFrame.remove(task->filePath(), task);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    removeRow(row);
    forgetKey(task);
    endRemoveRows();
}

void FinishedJobsModel::onChanged(SniffTask *task)
{
    const int row = rowOf(task);
    if (row < 0)
        return;
    const QString title = task->title();
    Row &r = rowAt(row);
    // A title that differs in letter case only is found by the same searches.
    QByteArray now;
    const bool same =
        r.span.size < 0
            ? title == r.title
            : TitleMatcher::lowerAscii(title, &now) &&
                  QByteArray::fromRawData(lowered.constData() + r.span.offset, r.span.size) == now;
    if (!same) {
        dropLowered(row);
        keepTitle(r, title);
    }
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
    removeRow(row);
    forgetKey(task);
    rows.push_back(makeRow(task, topKey++));
    endMoveRows();
    Q_EMIT dataChanged(index(0), index(0));
}

void FinishedJobsModel::refreshAll()
{
    if (!rows.empty())
        Q_EMIT dataChanged(index(0), index(int(rows.size()) - 1));
}

QString FinishedJobsModel::shownThumbnail(SniffTask *task) const
{
    const protocol::MediaInfo &media = task->media();
    const QString &stored = task->thumbnailPath();
    if (!media.privateFile && !stored.isEmpty() && !rowpaint::thumbnail(stored, 1.0).isNull())
        return stored;
    if (media.hiddenThumb)
        return QString();
    // No picture of its own yet: the address's picture is fetched once, when the row is seen.
    if (!media.thumbnail.isEmpty()) {
        if (!ThumbnailFetcher::instance()->wasRequested(media.thumbnail)) {
            awaiting.insert(media.thumbnail, task);
            ThumbnailFetcher::instance()->fetch(media.thumbnail);
        }
        return QString();
    }
    // The site had none: a frame of the file itself, made once and kept in the cache. A private
    // file's picture is never made (the cache is no place for it).
    if (media.privateFile || task->isPrivate())
        return QString();
    const protocol::Result &result = task->result();
    const bool audio = isAudioFormat(result.fileType) || result.resolution == QLatin1String("0x0");
    const QString path = task->filePath();
    const QString frame = FrameGrabber::instance()->thumbnailFor(path, !audio);
    if (frame.isEmpty() && !awaitingFrame.contains(path, task))
        awaitingFrame.insert(path, task);
    return frame;
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
        return !result.details->subtitlePath.isEmpty();
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

namespace {

// Searches remembered per view: enough for a word typed and taken back letter by letter.
constexpr int kRecentSearches = 12;

// Every row that `wider` shows is among those `narrower` would look at: each word of `wider`
// lies within a word of `narrower`.
bool narrows(const QStringList &narrower, const QStringList &wider)
{
    for (const QString &w : wider) {
        bool within = false;
        for (const QString &n : narrower) {
            if (n.contains(w, Qt::CaseInsensitive)) {
                within = true;
                break;
            }
        }
        if (!within)
            return false;
    }
    return true;
}

} // namespace

FinishedJobsFilter::FinishedJobsFilter(FinishedJobsModel *jobs, View view, QObject *parent)
    : QAbstractProxyModel(parent)
    , jobs(jobs)
    , view(view)
{
    QAbstractProxyModel::setSourceModel(jobs);
    connect(jobs, &QAbstractItemModel::rowsInserted, this, &FinishedJobsFilter::onRowsInserted);
    connect(jobs, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &FinishedJobsFilter::onRowsAboutToBeRemoved);
    connect(jobs, &QAbstractItemModel::rowsRemoved, this, &FinishedJobsFilter::onRowsRemoved);
    connect(jobs, &QAbstractItemModel::dataChanged, this, &FinishedJobsFilter::onDataChanged);
    // Rows that moved (a job back from the private list) or a new model: every row again.
    const auto again = [this] {
        recent.clear();
        refilter(nullptr);
    };
    connect(jobs, &QAbstractItemModel::rowsMoved, this, again);
    connect(jobs, &QAbstractItemModel::layoutChanged, this, again);
    connect(jobs, &QAbstractItemModel::modelReset, this, again);
    refilter(nullptr);
}

bool FinishedJobsFilter::inView(const SniffTask *task) const
{
    // The one place that keeps private jobs out of the public views.
    const bool isPrivate = task->isPrivate();
    switch (view) {
    case View::Public:
        return !isPrivate;
    case View::Private:
        return isPrivate;
    case View::Converted:
        return !isPrivate && task->result().converted;
    }
    return false;
}

bool FinishedJobsFilter::accepts(int sourceRow, const TitleMatcher &matcher) const
{
    const SniffTask *task = jobs->taskAt(sourceRow);
    return task && inView(task) && jobs->titleMatches(sourceRow, matcher);
}

bool FinishedJobsFilter::accepts(int sourceRow, const QStringList &keywords) const
{
    return accepts(sourceRow, TitleMatcher(keywords));
}

bool FinishedJobsFilter::accepts(int sourceRow) const
{
    return accepts(sourceRow, words);
}

void FinishedJobsFilter::refilter(const QStringList *narrowed)
{
    QVector<int> rows;
    bool found = false;
    for (const auto &entry : qAsConst(recent)) {
        if (entry.first == words) {
            rows = entry.second;
            found = true;
            break;
        }
    }
    if (!found) {
        if (narrowed) {
            // The rows shown are in the view already: only their titles are looked at, and only
            // for the words they were not searched for already.
            QStringList fresh;
            for (const QString &word : qAsConst(words)) {
                if (!narrowed->contains(word))
                    fresh << word;
            }
            const TitleMatcher matcher(fresh);
            rows.resize(shown.size());
            int *kept = rows.data();
            for (int row : qAsConst(shown)) {
                if (jobs->titleMatches(row, matcher))
                    *kept++ = row;
            }
            rows.resize(int(kept - rows.data()));
        } else {
            const TitleMatcher matcher(words);
            const int count = jobs->rowCount();
            for (int row = 0; row < count; ++row) {
                if (accepts(row, matcher))
                    rows << row;
            }
        }
        // A few rows of a long list keep no room for the others among the remembered searches.
        if (rows.capacity() > 2 * rows.size() + 1024)
            rows.squeeze();
        recent.prepend({words, rows});
        while (recent.size() > kRecentSearches)
            recent.removeLast();
    }
    beginResetModel();
    shown = rows;
    endResetModel();
}

void FinishedJobsFilter::setKeywords(const QStringList &keywords)
{
    if (keywords == words)
        return;
    const QStringList previous = words;
    words = keywords;
    refilter(narrows(keywords, previous) ? &previous : nullptr);
}

int FinishedJobsFilter::proxyRowOf(int sourceRow) const
{
    const auto it = std::lower_bound(shown.cbegin(), shown.cend(), sourceRow);
    return it != shown.cend() && *it == sourceRow ? int(it - shown.cbegin()) : -1;
}

void FinishedJobsFilter::onRowsInserted(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    recent.clear();
    const int count = last - first + 1;
    const int at = int(std::lower_bound(shown.cbegin(), shown.cend(), first) - shown.cbegin());
    for (int i = at; i < shown.size(); ++i)
        shown[i] += count;
    QVector<int> added;
    for (int row = first; row <= last; ++row) {
        if (accepts(row))
            added << row;
    }
    if (added.isEmpty())
        return;
    beginInsertRows(QModelIndex(), at, at + added.size() - 1);
    shown.insert(at, added.size(), 0);
    std::copy(added.cbegin(), added.cend(), shown.begin() + at);
    endInsertRows();
}

void FinishedJobsFilter::onRowsAboutToBeRemoved(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    recent.clear();
    const int from = int(std::lower_bound(shown.cbegin(), shown.cend(), first) - shown.cbegin());
    const int to = int(std::lower_bound(shown.cbegin(), shown.cend(), last + 1) - shown.cbegin());
    if (from == to)
        return;
    beginRemoveRows(QModelIndex(), from, to - 1);
    shown.remove(from, to - from);
    endRemoveRows();
}

void FinishedJobsFilter::onRowsRemoved(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    // The rows after the removed ones move up (those removed left already).
    const int count = last - first + 1;
    const int at = int(std::lower_bound(shown.cbegin(), shown.cend(), first) - shown.cbegin());
    for (int i = at; i < shown.size(); ++i)
        shown[i] -= count;
}

void FinishedJobsFilter::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                       const QVector<int> &roles)
{
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    const int first = topLeft.row();
    const int last = bottomRight.row();
    if (last - first > 64) { // every row (a language change): as they stand now
        recent.clear();
        refilter(nullptr);
        return;
    }
    // A changed title or place changes what the remembered searches hold of those rows only
    // (a new thumbnail changes nothing).
    for (auto &entry : recent) {
        QVector<int> &rows = entry.second;
        for (int row = first; row <= last; ++row) {
            const auto it = std::lower_bound(rows.begin(), rows.end(), row);
            const bool listed = it != rows.end() && *it == row;
            if (accepts(row, entry.first) != listed) {
                if (listed)
                    rows.erase(it);
                else
                    rows.insert(it, row);
            }
        }
    }
    for (int row = first; row <= last; ++row) {
        const int at = proxyRowOf(row);
        const bool wanted = accepts(row);
        if (at >= 0 && wanted) {
            Q_EMIT dataChanged(index(at, 0), index(at, 0), roles);
        } else if (at >= 0) {
            beginRemoveRows(QModelIndex(), at, at);
            shown.remove(at);
            endRemoveRows();
        } else if (wanted) {
            const int to =
                int(std::lower_bound(shown.cbegin(), shown.cend(), row) - shown.cbegin());
            beginInsertRows(QModelIndex(), to, to);
            shown.insert(to, row);
            endInsertRows();
        }
    }
}

QModelIndex FinishedJobsFilter::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= shown.size())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex FinishedJobsFilter::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int FinishedJobsFilter::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shown.size();
}

int FinishedJobsFilter::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QModelIndex FinishedJobsFilter::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this || proxyIndex.row() >= shown.size())
        return QModelIndex();
    return jobs->index(shown.at(proxyIndex.row()));
}

QModelIndex FinishedJobsFilter::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid())
        return QModelIndex();
    const int at = proxyRowOf(sourceIndex.row());
    return at < 0 ? QModelIndex() : createIndex(at, 0);
}

SniffTask *FinishedJobsFilter::taskAt(int row) const
{
    return row >= 0 && row < shown.size() ? jobs->taskAt(shown.at(row)) : nullptr;
}

int FinishedJobsFilter::rowOf(const SniffTask *task) const
{
    const int source = jobs->rowOf(task);
    return source < 0 ? -1 : proxyRowOf(source);
}

QList<SniffTask *> FinishedJobsFilter::tasks() const
{
    QList<SniffTask *> list;
    list.reserve(shown.size());
    for (int row : shown)
        list << jobs->taskAt(row);
    return list;
}
