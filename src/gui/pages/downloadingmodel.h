#pragma once

// The rows of the downloading page: one DownloadRow per active task, in the order the tasks
// were added, read through the roles of taskmodels.

#include "gui/pages/taskmodels.h"

class DownloadRow;

class DownloadingModel : public taskmodels::TaskListModel
{
    Q_OBJECT
public:
    explicit DownloadingModel(QObject *parent = nullptr);
    ~DownloadingModel() override;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Adds the task's row at the end, showing the task's current state.
    void append(SniffTask *task);
    void remove(SniffTask *task);
    DownloadRow *row(const SniffTask *task) const { return rowsByTask.value(task); }
    // Runs a change of the task's row and repaints the row.
    void update(SniffTask *task, void (DownloadRow::*change)());
    // Every row shows its state again (a language change).
    void refreshAll();

private:
    void onThumbnailFetched(const QString &url, const QPixmap &pixmap);

    QHash<const SniffTask *, DownloadRow *> rowsByTask;
};
