#pragma once

// What the downloading list's model answers: the roles its rows are read by (the painter, the
// page and the tests read the same values), and a list model over task pointers with a quick way
// from a task to its row. The finished lists answer the media roles (gui/widgets/mediaroles.h)
// and TaskRole.

#include <QAbstractListModel>
#include <QHash>
#include <QList>

class SniffTask;

namespace taskmodels {

enum Role
{
    TaskRole = Qt::UserRole + 1, // SniffTask*
    // The thumbnail file to show (empty: the default cover).
    ThumbnailRole,
    // Qt::DisplayRole is the title.
    StatusRole,
    FailureRole,       // the failure text and its question mark are shown
    FailureTextRole,   // the failure text (rich text)
    ReasonRole,        // what the download tool said went wrong
    LiveBadgeRole,     // the "Live" badge and the elapsed time are shown
    ElapsedRole,       // [hh:]mm:ss of a live recording
    BarVisibleRole,    // the progress bar (or its busy stripe) is shown
    BarBusyRole,       // the busy stripe instead of the bar
    BarValueRole,      // 0..kBarMaximum
    ButtonImageRole,   // "pause", "resume", "retry", "suspend"
    ButtonToolTipRole, // "Pause", "Start", ...
    ButtonEnabledRole,
    ButtonVisibleRole,
};

constexpr int kBarMaximum = 100;

class TaskListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    const QList<SniffTask *> &tasks() const { return list; }
    SniffTask *taskAt(int row) const { return list.value(row); }
    // The row of that task, or -1.
    int rowOf(const SniffTask *task) const;
    // Repaints the task's row.
    void rowChanged(const SniffTask *task);

protected:
    void insertTask(int row, SniffTask *task);
    void removeRow(int row);
    void resetTasks(const QList<SniffTask *> &tasks);

private:
    QList<SniffTask *> list;
    mutable QHash<const SniffTask *, int> rows;
    mutable bool rowsStale = false;
};

} // namespace taskmodels
