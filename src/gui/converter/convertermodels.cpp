#include "gui/converter/convertermodels.h"

#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "gui/widgets/mediaroles.h"

namespace convertermodels {

QVariant fact(const ConvMediaInfo &info, int role)
{
    using namespace mediaroles;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return info.displayName();
    case FilePathRole:
        return info.outputPath.isEmpty() ? info.sourcePath : info.outputPath;
    case ThumbnailRole:
        return info.thumbnailPath;
    case SizeRole:
        return info.fileSize;
    case DurationRole:
        return info.duration;
    case FormatRole:
        return info.typeText();
    case ResolutionRole:
        return QStringLiteral("%1x%2").arg(info.width).arg(info.height);
    case QualityRole:
        return info.bitRate > 0 ? QString::asprintf("%dKb/s", info.bitRate / 1000) : QString();
    case AudioRole:
        return info.mediaType == ConvMediaInfo::Audio;
    case ObjectRole:
        return QVariant::fromValue<QObject *>(const_cast<ConvMediaInfo *>(&info));
    default:
        return QVariant();
    }
}

} // namespace convertermodels

ConvertingModel::ConvertingModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void ConvertingModel::reindex(int from)
{
    for (int i = from; i < rows.size(); ++i)
        rowIndex.insert(rows.at(i), i);
}

void ConvertingModel::setTasks(const QList<ConvertTask *> &tasks)
{
    beginResetModel();
    rows = tasks;
    rowIndex.clear();
    reindex(0);
    endResetModel();
}

void ConvertingModel::appendTask(ConvertTask *task)
{
    if (rowIndex.contains(task))
        return;
    beginInsertRows(QModelIndex(), rows.size(), rows.size());
    rows << task;
    rowIndex.insert(task, rows.size() - 1);
    endInsertRows();
}

void ConvertingModel::removeTask(ConvertTask *task)
{
    const int row = rowOf(task);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows.removeAt(row);
    rowIndex.remove(task);
    reindex(row);
    endRemoveRows();
}

ConvertTask *ConvertingModel::taskAt(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row) : nullptr;
}

int ConvertingModel::rowOf(const ConvertTask *task) const
{
    return rowIndex.value(task, -1);
}

void ConvertingModel::refresh(const ConvertTask *task)
{
    const int row = rowOf(task);
    if (row >= 0)
        Q_EMIT dataChanged(index(row), index(row));
}

int ConvertingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

QVariant ConvertingModel::data(const QModelIndex &index, int role) const
{
    ConvertTask *task = taskAt(index.row());
    if (!task)
        return QVariant();
    if (role == TaskRole)
        return QVariant::fromValue(task);
    if (role == mediaroles::ObjectRole)
        return QVariant::fromValue<QObject *>(task);
    return convertermodels::fact(*task->sourceInfo(), role);
}

ConvertedModel::ConvertedModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void ConvertedModel::setItems(const QList<ConvMediaInfo *> &items)
{
    beginResetModel();
    rows = items;
    rowIndex.clear();
    for (int i = 0; i < rows.size(); ++i)
        rowIndex.insert(rows.at(i), i);
    endResetModel();
}

ConvMediaInfo *ConvertedModel::infoAt(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row) : nullptr;
}

int ConvertedModel::rowOf(const ConvMediaInfo *info) const
{
    return rowIndex.value(info, -1);
}

int ConvertedModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

QVariant ConvertedModel::data(const QModelIndex &index, int role) const
{
    ConvMediaInfo *info = infoAt(index.row());
    if (!info)
        return QVariant();
    if (role == InfoRole)
        return QVariant::fromValue(info);
    return convertermodels::fact(*info, role);
}
