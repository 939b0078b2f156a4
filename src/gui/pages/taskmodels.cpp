#include "gui/pages/taskmodels.h"

namespace taskmodels {

int TaskListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : list.size();
}

int TaskListModel::rowOf(const SniffTask *task) const
{
    if (rowsStale) {
        // Rebuilt once after rows moved, not on every look-up.
        rows.clear();
        rows.reserve(list.size());
        for (int i = 0; i < list.size(); ++i)
            rows.insert(list.at(i), i);
        rowsStale = false;
    }
    return rows.value(task, -1);
}

void TaskListModel::rowChanged(const SniffTask *task)
{
    const int row = rowOf(task);
    if (row >= 0)
        Q_EMIT dataChanged(index(row), index(row));
}

void TaskListModel::insertTask(int row, SniffTask *task)
{
    beginInsertRows(QModelIndex(), row, row);
    list.insert(row, task);
    if (!rowsStale && row == list.size() - 1)
        rows.insert(task, row);
    else
        rowsStale = true;
    endInsertRows();
}

void TaskListModel::removeRow(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    list.removeAt(row);
    rowsStale = true;
    endRemoveRows();
}

void TaskListModel::resetTasks(const QList<SniffTask *> &tasks)
{
    beginResetModel();
    list = tasks;
    rowsStale = true;
    endResetModel();
}

} // namespace taskmodels
