#include "gui/pages/mylistwidget.h"

#include "core/engine/snifftask.h"
#include "gui/pages/finishedjobs.h"
#include "gui/pages/taskmodels.h"

QSize TaskRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    // The narrowest a row gets: a list of one column stretches its rows to its width, and keeps
    // doing so when a scroll bar comes or goes.
    return QSize(kMinRowWidth, kRowHeight);
}

MyListWidget::MyListWidget(QWidget *parent)
    : RowListView(parent)
{
    connect(this, &RowListView::rowMenuRequested, this, [this](const QModelIndex &index) {
        if (auto *task = index.data(taskmodels::TaskRole).value<SniffTask *>())
            Q_EMIT popContextMenu(task);
    });
}

SniffTask *MyListWidget::taskAt(int row) const
{
    if (!model())
        return nullptr;
    return model()->index(row, 0).data(taskmodels::TaskRole).value<SniffTask *>();
}

int MyListWidget::rowOf(const SniffTask *task) const
{
    if (auto *tasks = qobject_cast<const taskmodels::TaskListModel *>(model()))
        return tasks->rowOf(task);
    if (auto *finished = qobject_cast<const FinishedJobsFilter *>(model()))
        return finished->rowOf(task);
    return -1;
}

QList<SniffTask *> MyListWidget::selectedTasks() const
{
    QList<SniffTask *> tasks;
    if (!selectionModel())
        return tasks;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        if (auto *task = index.data(taskmodels::TaskRole).value<SniffTask *>())
            tasks << task;
    }
    return tasks;
}
