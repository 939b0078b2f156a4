#pragma once

// The finished downloads as one model (the engine's done list, then its private list) that
// follows the engine's signals, and the one filter every view of them goes through: a public
// view (the "All" list, the converted page) never shows a private job, the private view shows
// only those; the filter also carries the search. A row costs four words (the job, its key, its
// title and where the title lies lowered); its facts are the job's typed record, read through
// the media roles (gui/widgets/mediaroles.h) when the row is painted.

#include <QAbstractListModel>
#include <QAbstractProxyModel>
#include <QHash>
#include <QMultiHash>
#include <QStringList>
#include <QVector>

#include "core/engine/snifftask.h"

#include <vector>

class QPixmap;
class SniffMgr;

class FinishedJobsModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit FinishedJobsModel(SniffMgr *mgr, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    SniffTask *taskAt(int row) const
    {
        return row >= 0 && row < int(rows.size()) ? rowAt(row).task : nullptr;
    }
    // The search's answer for the row, from the titles kept beside the rows: a search reads
    // them one after another without visiting every job, and a plain-ASCII title (most of
    // them) lowered in one block of bytes with the others, rather than in a string of its own.
    bool titleMatches(int row, const TitleMatcher &matcher) const;
    int rowOf(const SniffTask *task) const;
    // Every row is painted again (a language or palette change).
    void refreshAll();

private:
    void onAdded(SniffTask *task);
    void onLoaded(SniffTask::Place place, int count);
    void onRemoved(SniffTask *task);
    void onChanged(SniffTask *task);
    void onMoved(SniffTask *task);
    QString shownThumbnail(SniffTask *task) const;
    void onThumbnailFetched(const QString &url, const QPixmap &pixmap);

    SniffMgr *mgr;
    // Where a row's lowered title lies in `lowered`; a size below 0 when it is not plain ASCII.
    struct Span
    {
        int offset;
        int size;
    };
    // A row: its job, its key, its title when it is not plain ASCII (a null text otherwise, for
    // `lowered` holds it) and its lowered title.
    struct Row
    {
        SniffTask *task;
        qint64 key;
        QString title;
        Span span;
    };
    // The rows from the last to the first, so that a row joining at the top (a finished
    // download) moves no other. Their keys ascend in that order: a row added at the top takes a
    // key above every other, one added at the bottom a key below; a task's row is found from its
    // key by halving.
    std::vector<Row> rows;
    // Above every row's key: the next row at the top takes it.
    qint64 topKey = 0;
    // No row's key is below it: the next row at the bottom takes the key below.
    qint64 bottomKey = 0;
    const Row &rowAt(int row) const { return rows[rows.size() - 1 - size_t(row)]; }
    Row &rowAt(int row) { return rows[rows.size() - 1 - size_t(row)]; }
    // A row for the task, its key kept by task.
    Row makeRow(SniffTask *task, qint64 key);
    void removeRow(int row);
    // Keeps the row's title: lowered into `lowered` when it is plain ASCII, as it is otherwise.
    void keepTitle(Row &row, QString title);
    // The row's lowered title is no longer needed (its title changes or the row goes).
    void dropLowered(int row);

    // The plain-ASCII titles lowered, one after another; the bytes of titles changed or removed
    // stay until they are half of it.
    QByteArray lowered;
    int unusedLowered = 0;
    // Each task's key, by task: sorted by the task's address up to `keysSorted`, the rows added
    // since after it (a list being read adds thousands at a time), merged when a row is looked
    // up (a list's rows are merged as they join). Two words a row, where a hash would take a
    // block of its own for each.
    struct TaskKey
    {
        const SniffTask *task;
        qint64 key;
    };
    static bool byTask(const TaskKey &a, const TaskKey &b);
    void sortKeys() const;
    const TaskKey *keyEntry(const SniffTask *task) const;
    void forgetKey(const SniffTask *task);
    mutable QVector<TaskKey> keyOf;
    mutable int keysSorted = 0;
    // Rows whose remote thumbnail is being fetched, by address.
    mutable QMultiHash<QString, SniffTask *> awaiting;
    // Rows whose picture is being made of their file, by the file's path.
    mutable QMultiHash<QString, SniffTask *> awaitingFrame;
};

// A view of the finished jobs: the source rows it shows, in order, kept as a vector and changed
// row by row as the model changes. A search that narrows the previous one (every earlier word is
// within a new word) looks only at the rows shown; the last few searches are remembered until
// the jobs change, so taking a letter back costs no search at all.
class FinishedJobsFilter : public QAbstractProxyModel
{
    Q_OBJECT
public:
    enum class View
    {
        Public,    // everything but the private list
        Private,   // the private list only
        Converted, // public jobs converted after their download
    };

    FinishedJobsFilter(FinishedJobsModel *jobs, View view, QObject *parent = nullptr);

    // Rows whose title holds every keyword (case ignored); none shows every row.
    void setKeywords(const QStringList &keywords);
    SniffTask *taskAt(int row) const;
    int rowOf(const SniffTask *task) const;
    QList<SniffTask *> tasks() const;

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

private:
    bool inView(const SniffTask *task) const;
    bool accepts(int sourceRow, const TitleMatcher &matcher) const;
    bool accepts(int sourceRow, const QStringList &keywords) const;
    bool accepts(int sourceRow) const;
    // Every source row again, from the remembered searches or the narrowest rows known: with
    // `narrowed`, the rows shown are those of that wider search.
    void refilter(const QStringList *narrowed);
    int proxyRowOf(int sourceRow) const; // -1 when not shown
    void onRowsInserted(const QModelIndex &parent, int first, int last);
    void onRowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void onRowsRemoved(const QModelIndex &parent, int first, int last);
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                       const QVector<int> &roles);

    FinishedJobsModel *jobs;
    View view;
    QStringList words;
    QVector<int> shown; // source rows, ascending
    // Recent searches and their rows, valid until the jobs change.
    QList<QPair<QStringList, QVector<int>>> recent;
};
