#pragma once

// The finished downloads as one model (the engine's done list, then its private list) that
// follows the engine's signals, and the one filter every view of them goes through: a public
// view (the "All" list, the converted page) never shows a private job, the private view shows
// only those; the filter also carries the search. A row costs a pointer; its facts are the job's
// typed record, read through the media roles (gui/widgets/mediaroles.h) when the row is painted.

#include <QAbstractListModel>
#include <QHash>
#include <QMultiHash>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QVector>

class QPixmap;
class SniffMgr;
class SniffTask;

class FinishedJobsModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit FinishedJobsModel(SniffMgr *mgr, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    SniffTask *taskAt(int row) const { return rows.value(row); }
    int rowOf(const SniffTask *task) const;
    // Every row is painted again (a language or palette change).
    void refreshAll();

private:
    void onAdded(SniffTask *task);
    void onRemoved(SniffTask *task);
    void onChanged(SniffTask *task);
    void onMoved(SniffTask *task);
    QString shownThumbnail(SniffTask *task) const;
    void onThumbnailFetched(const QString &url, const QPixmap &pixmap);

    SniffMgr *mgr;
    QVector<SniffTask *> rows;
    mutable QHash<const SniffTask *, int> rowIndex;
    mutable bool indexStale = true;
    // Rows whose remote thumbnail is being fetched, by address.
    mutable QMultiHash<QString, SniffTask *> awaiting;
};

class FinishedJobsFilter : public QSortFilterProxyModel
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

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    FinishedJobsModel *jobs;
    View view;
    QStringList words;
};
