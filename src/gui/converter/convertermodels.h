#pragma once

// The converter pages' lists as models: the converting tasks and the converted records, one row
// each. Rows refer to the objects ConvertDataManager owns; the delegates read their facts through
// the media roles (gui/widgets/mediaroles.h), the same the downloaded list answers.

#include <QAbstractListModel>
#include <QHash>
#include <QList>

class ConvMediaInfo;
class ConvertTask;

namespace convertermodels {
// A file's facts as the media roles read them (QVariant() for a role that is not a fact).
QVariant fact(const ConvMediaInfo &info, int role);
} // namespace convertermodels

class ConvertingModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Roles
    {
        TaskRole = Qt::UserRole
    };

    explicit ConvertingModel(QObject *parent = nullptr);

    // Shows these tasks, in this order.
    void setTasks(const QList<ConvertTask *> &tasks);
    void appendTask(ConvertTask *task);
    void removeTask(ConvertTask *task);
    const QList<ConvertTask *> &tasks() const { return rows; }
    ConvertTask *taskAt(int row) const;
    int rowOf(const ConvertTask *task) const;
    // The task's row is painted again.
    void refresh(const ConvertTask *task);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void reindex(int from);

    QList<ConvertTask *> rows;
    QHash<const ConvertTask *, int> rowIndex;
};

class ConvertedModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Roles
    {
        InfoRole = Qt::UserRole
    };

    explicit ConvertedModel(QObject *parent = nullptr);

    void setItems(const QList<ConvMediaInfo *> &items);
    const QList<ConvMediaInfo *> &items() const { return rows; }
    ConvMediaInfo *infoAt(int row) const;
    int rowOf(const ConvMediaInfo *info) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<ConvMediaInfo *> rows;
    QHash<const ConvMediaInfo *, int> rowIndex;
};
