#pragma once

// Owns what the converter keeps across restarts: the tasks waiting to be converted and the
// records of converted files, saved to "ConvertingTask_list.dat" and "Converted_list.dat".

#include "core/foundation/safesave.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QThreadPool>

class ConvMediaInfo;
class ConvertTask;
class QTimer;

class ConvertDataManager : public QObject
{
    Q_OBJECT
public:
    static ConvertDataManager *instance();

    // Loads the converting list, then the converted list (once; later calls do nothing).
    void loadAll();
    QList<ConvertTask *> convertingTaskList() const { return convertingTasks; }
    QList<ConvMediaInfo *> convertedItemList() const { return convertedItems; }

    // The task with this source file, or null.
    ConvertTask *taskForSource(const QString &sourcePath) const;
    // Creates a task for a probed file (owned here) and saves the list soon; null for a
    // duplicate.
    ConvertTask *addTaskFor(const ConvMediaInfo &source);
    // Lists the tasks; the list is written within kAddSaveDelayMs (one write for a run of
    // additions, on a thread of its own), or by flush().
    void addTasks(const QList<ConvertTask *> &tasks);
    static constexpr int kAddSaveDelayMs = 300;
    // Writes a list change that is still waiting or being written (quitting does it too), and
    // returns once it is on disk.
    void flush();
    // Takes the tasks off the list and saves it; the tasks are not deleted.
    void removeTasks(const QList<ConvertTask *> &tasks);
    // Takes the records off the list (deleting their files when asked) and saves it.
    void removeConvertedItems(const QList<ConvMediaInfo *> &items, bool deleteFiles);
    // A converted task leaves the converting list; its result heads the converted list. The
    // task is deleted later.
    void moveToConverted(ConvertTask *task);
    // A file converted elsewhere heads the list.
    void addConverted(const ConvMediaInfo &record);
    // A file deleted elsewhere (the downloaded list): the records of it leave the list.
    void forgetFile(const QString &path);
    void save(bool converting, bool converted);

Q_SIGNALS:
    void convertedFileDidAdd(ConvMediaInfo *info);
    void convertedListChanged();
    void convertingListChanged();
    // A converted file was deleted with its record.
    void fileDeleted(const QString &path);

private:
    ConvertDataManager();
    void prependConverted(ConvMediaInfo *info);
    void report(const safesave::Outcome &outcome);
    // The delayed write of the converting list: the list is taken on this thread and written on
    // the writer's (a write waits for the one before it).
    void writeConvertingInBackground();
    QList<const ConvMediaInfo *> convertingSources() const;
    // A write on this thread follows any background write still running (never the reverse).
    void waitForBackgroundWrite();

    QList<ConvertTask *> convertingTasks;
    QList<ConvMediaInfo *> convertedItems;
    bool loaded = false;
    QTimer *saveTimer = nullptr;
    QThreadPool writer;
    bool writing = false;
    bool writeAgain = false;
};
