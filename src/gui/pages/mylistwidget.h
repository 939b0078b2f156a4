#pragma once

// The list control of the task pages: the shared row list (gui/widgets/rowlistview.h) with the
// ways from a row to its task and back, and the row's menu as a task.

#include "gui/widgets/rowlistview.h"

class SniffTask;

// A painter of task rows: one height for every row, as narrow as a row may get.
class TaskRowDelegate : public RowDelegate
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 100;
    static constexpr int kMinRowWidth = 300;

    using RowDelegate::RowDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

class MyListWidget : public RowListView
{
    Q_OBJECT
public:
    explicit MyListWidget(QWidget *parent = nullptr);

    SniffTask *taskAt(int row) const;
    // The row of that task, or -1.
    int rowOf(const SniffTask *task) const;
    // The selected tasks, in the order they were selected.
    QList<SniffTask *> selectedTasks() const;

Q_SIGNALS:
    // A right click on a row (which then is selected, if it was not).
    void popContextMenu(SniffTask *task);
};
