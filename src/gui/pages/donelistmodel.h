#pragma once

// The rows of one view of the downloaded page ("All" or "Private"): the finished tasks shown, in
// order, read through the roles of taskmodels. A row costs a pointer: titles, facts and pictures
// are read from the task when the row is painted.

#include "gui/pages/taskmodels.h"

#include <QMultiHash>

class QPixmap;

class DoneListModel : public taskmodels::TaskListModel
{
    Q_OBJECT
public:
    explicit DoneListModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void setTasks(const QList<SniffTask *> &tasks);
    void insertAt(int row, SniffTask *task);
    void append(SniffTask *task) { insertAt(rowCount(), task); }
    void remove(SniffTask *task);
    // Every row is painted again (a language or palette change).
    void refreshAll();

    // The title a row shows: the task's title as stored, or the file's name without it.
    static QString titleOf(const SniffTask *task);
    // The five facts: duration, size, type, resolution (or quality for audio), subtitle.
    static QStringList infoTexts(const SniffTask *task, bool *audio = nullptr,
                                 bool *subtitle = nullptr);

private:
    QString shownThumbnail(SniffTask *task) const;
    void onThumbnailFetched(const QString &url, const QPixmap &pixmap);

    // Rows whose remote thumbnail is being fetched, by address.
    mutable QMultiHash<QString, SniffTask *> awaiting;
};
