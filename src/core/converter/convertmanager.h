#pragma once

// Runs the converter behind its pages: inspects lists of files one after another and converts
// tasks with a limit on how many run at once. The tasks belong to ConvertDataManager.

#include "core/converter/convmediainfo.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

class ConvertTask;
class LoadFileOperator;

class ConvertManager : public QObject
{
    Q_OBJECT
public:
    static ConvertManager *instance();

    void loadFiles(const QStringList &files);
    void stopLoading();
    bool isLoading() const { return loading != 0; }

    void startTask(ConvertTask *task);
    void startAll(const QList<ConvertTask *> &tasks);
    void stopTask(ConvertTask *task);
    void stopAll();
    bool isConverting() const;

    // The limit, read from the preferences the first time it is needed and kept afterwards.
    int maxTaskCount();
    QList<ConvertTask *> queuedTasks() const { return queue; }
    QList<ConvertTask *> runningTasks() const { return running; }

Q_SIGNALS:
    void convertManagerLoadStart();
    void convertManagerLoadProgress(int index, int total, const QString &fileName);
    void convertManagerFinishOneItem(ConvMediaInfo *item, bool isError);
    // The files that could not be added, each with its reason (files of a stopped loading that
    // were still being inspected are in neither list).
    void convertManagerLoadFinish(const QList<ConvMediaInfo> &resultList,
                                  const QStringList &failedFiles, const QStringList &reasons);
    void converterManagerTaskDidStartAll();
    void converterManagerStatusDidChange(ConvertTask *task);
    void converterManagerTaskProgress(ConvertTask *task, float percent);
    void converterManagerTaskDidFinished(ConvertTask *task, bool isError);
    void converterManagerTaskDidCancelAll();

public Q_SLOTS:
    void onLoadOperatorFinished(LoadFileOperator *op, bool isError);
    void onConvertTaskDidStarted(ConvertTask *task);
    void onConvertTaskProgress(ConvertTask *task, float percent);
    void onConvertTaskFinished(ConvertTask *task, bool isError);

private:
    ConvertManager() = default;
    void probeNext();
    void schedule();
    void track(ConvertTask *task);
    void forget(ConvertTask *task);

    int loading = 0;
    QStringList pendingFiles;
    QList<ConvMediaInfo> loadedItems;
    QStringList failedFiles;
    QStringList failedReasons;
    // The operators still running a program (at most one a core); stopping the loading stops
    // the ones still describing their files.
    QList<LoadFileOperator *> inspecting;
    // Operators in the order of their files, until their outcomes are passed on (in that order).
    QList<LoadFileOperator *> active;
    bool nextProbeQueued = false;
    bool loadReported = true;
    QHash<LoadFileOperator *, bool> outcomes;
    int loadTotal = 0;
    int loadIndex = 0;
    QList<ConvertTask *> queue;
    QList<ConvertTask *> running;
    QList<ConvertTask *> tracked;
    int maxTasks = 0;
    bool scheduling = false;
};
