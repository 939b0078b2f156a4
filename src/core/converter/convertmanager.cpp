#include "core/converter/convertmanager.h"

#include "core/converter/converttask.h"
#include "core/converter/loadfileoperator.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"

#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace {

// Files inspected at once, each by one program at a time (ffprobe, then ffmpeg for its
// picture): one program a core. More would only take turns on the same cores, and cost more
// processor time in all than running them one after the other.
int parallelInspections()
{
    return qBound(1, QThread::idealThreadCount(), 8);
}

} // namespace

ConvertManager *ConvertManager::instance()
{
    static ConvertManager *manager = [] {
        qRegisterMetaType<ConvMediaInfo *>("ConvMediaInfo*");
        qRegisterMetaType<QList<ConvMediaInfo>>("QList<ConvMediaInfo>");
        qRegisterMetaType<ConvertTask *>("ConvertTask*");
        return new ConvertManager;
    }();
    return manager;
}

// --- Inspecting files ----------------------------------------------------------------------------

void ConvertManager::loadFiles(const QStringList &files)
{
    if (loading != 0) {
        writeLog(QStringLiteral("loadFiles is running,Please wait"));
        return;
    }
    if (files.isEmpty()) {
        writeLog(QStringLiteral("loadFiles is impty"));
        return;
    }
    // What is left of a stopped loading is not waited for.
    for (LoadFileOperator *op : qAsConst(active)) {
        op->disconnect(this);
        op->deleteLater();
    }
    active.clear();
    outcomes.clear();
    inspecting.clear();
    loadReported = false;
    loadTotal = files.size();
    loadIndex = 0;
    loading = 1;
    pendingFiles = files;
    loadedItems.clear();
    failedFiles.clear();
    failedReasons.clear();
    probeNext();
    Q_EMIT convertManagerLoadStart();
}

void ConvertManager::stopLoading()
{
    loading = 0;
    pendingFiles.clear();
    // Files already described only finish their thumbnails.
    const QList<LoadFileOperator *> stopping = inspecting;
    for (LoadFileOperator *op : stopping)
        op->stop();
}

void ConvertManager::probeNext()
{
    if (loading == 0 || pendingFiles.isEmpty()) {
        if (active.isEmpty() && !loadReported) {
            loading = 0;
            loadReported = true;
            Q_EMIT convertManagerLoadFinish(loadedItems, failedFiles, failedReasons);
        }
        return;
    }
    if (inspecting.size() >= parallelInspections())
        return; // the next file waits for a free slot
    const QString path = pendingFiles.takeFirst();
    auto *op = new LoadFileOperator(path, this);
    active << op;
    inspecting << op;
    connect(op, &LoadFileOperator::operatorFinished, this, &ConvertManager::onLoadOperatorFinished);
    op->start();
    ++loadIndex;
    Q_EMIT convertManagerLoadProgress(loadIndex, loadTotal, QFileInfo(path).fileName());
    // The other slots of a new loading fill from the event loop: each start is its own turn, so
    // the window paints in between and a caller sees one file's progress per start.
    if (!nextProbeQueued && !pendingFiles.isEmpty() && inspecting.size() < parallelInspections()) {
        nextProbeQueued = true;
        QTimer::singleShot(0, this, [this] {
            nextProbeQueued = false;
            probeNext();
        });
    }
}

void ConvertManager::onLoadOperatorFinished(LoadFileOperator *op, bool isError)
{
    if (!active.contains(op))
        return;
    inspecting.removeOne(op);
    outcomes.insert(op, isError);
    // The freed slot takes the next file before anything is shown.
    probeNext();
    while (!active.isEmpty() && outcomes.contains(active.first())) {
        LoadFileOperator *first = active.takeFirst();
        const bool failed = outcomes.take(first);
        ConvMediaInfo *info = first->mediaInfo();
        if (first->wasStopped()) {
            // Stopped by the user while being inspected: nothing is known against it.
        } else if (failed || !info) {
            failedFiles << first->filePath();
            failedReasons << first->failureReason();
        } else
            loadedItems << *info;
        Q_EMIT convertManagerFinishOneItem(info, failed || !info);
        first->deleteLater(); // nothing refers to it once its outcome is passed on
    }
    if (active.isEmpty())
        probeNext(); // the loading is over
}

// --- Converting
// ------------------------------------------------------------------------------------

int ConvertManager::maxTaskCount()
{
    if (maxTasks == 0) {
        maxTasks = Preferences::instance()->maxConversions();
        if (maxTasks < 1)
            maxTasks = Preferences::seededDefaults()->maxConversions();
        if (maxTasks < 1)
            maxTasks = 2;
    }
    return maxTasks;
}

void ConvertManager::track(ConvertTask *task)
{
    if (tracked.contains(task))
        return;
    tracked << task;
    connect(task, &ConvertTask::convertTaskDidStarted, this,
            &ConvertManager::onConvertTaskDidStarted);
    connect(task, &ConvertTask::convertTaskProgress, this, &ConvertManager::onConvertTaskProgress);
    connect(task, &ConvertTask::convertTaskFinished, this, &ConvertManager::onConvertTaskFinished);
    // A task deleted by its page leaves the queue and frees its slot.
    connect(task, &QObject::destroyed, this, [this, task] { forget(task); });
}

void ConvertManager::forget(ConvertTask *task)
{
    tracked.removeAll(task);
    queue.removeAll(task);
    if (running.removeAll(task) > 0)
        schedule();
}

void ConvertManager::startTask(ConvertTask *task)
{
    task->setState(ConvertTask::Waiting);
    if (!queue.contains(task))
        queue << task;
    track(task);
    Q_EMIT converterManagerStatusDidChange(task);
    schedule();
}

void ConvertManager::startAll(const QList<ConvertTask *> &tasks)
{
    queue = tasks;
    for (ConvertTask *task : tasks) {
        track(task);
        if (task->state() != ConvertTask::Converting && task->state() != ConvertTask::Converted)
            task->setState(ConvertTask::Waiting);
    }
    // A running task stays in the queue; one that is not in the new list keeps its slot until
    // it reports its end.
    Q_EMIT converterManagerTaskDidStartAll();
    schedule();
}

void ConvertManager::schedule()
{
    if (scheduling)
        return;
    scheduling = true;
    const int limit = maxTaskCount();
    const QList<ConvertTask *> order = queue;
    for (ConvertTask *task : order) {
        if (running.size() >= limit)
            break;
        if (!queue.contains(task) || task->state() != ConvertTask::Waiting ||
            running.contains(task))
            continue;
        running << task;
        task->start();
    }
    scheduling = false;
}

void ConvertManager::onConvertTaskDidStarted(ConvertTask *task)
{
    Q_EMIT converterManagerStatusDidChange(task);
}

void ConvertManager::onConvertTaskProgress(ConvertTask *task, float percent)
{
    Q_EMIT converterManagerTaskProgress(task, percent);
}

void ConvertManager::onConvertTaskFinished(ConvertTask *task, bool isError)
{
    running.removeAll(task);
    if (task->state() == ConvertTask::Waiting && queue.contains(task)) {
        // A stopped run ended after the task had been queued again: the new run goes on.
        schedule();
        return;
    }
    queue.removeAll(task);
    // What the run leaves behind (a failed run's folder, a killed one's) goes now.
    ConvertTask::removeDeadWorkFolders(convertTempDir(false));
    Q_EMIT converterManagerTaskDidFinished(task, isError);
    schedule();
}

void ConvertManager::stopTask(ConvertTask *task)
{
    if (task->state() == ConvertTask::Waiting) {
        task->setState(ConvertTask::Idle);
    } else if (task->state() == ConvertTask::Converting) {
        task->stop();
        task->setState(ConvertTask::Idle);
        queue.removeAll(task);
        schedule();
    }
    Q_EMIT converterManagerStatusDidChange(task);
}

void ConvertManager::stopAll()
{
    const QList<ConvertTask *> wasRunning = running;
    running.clear();
    for (ConvertTask *task : wasRunning) {
        task->stop();
        task->setState(ConvertTask::Stopped);
    }
    const QList<ConvertTask *> wasQueued = queue;
    queue.clear();
    for (ConvertTask *task : wasQueued) {
        task->setState(ConvertTask::Stopped);
        Q_EMIT converterManagerStatusDidChange(task);
    }
    for (ConvertTask *task : wasRunning) {
        if (!wasQueued.contains(task))
            Q_EMIT converterManagerStatusDidChange(task);
    }
    Q_EMIT converterManagerTaskDidCancelAll();
}

bool ConvertManager::isConverting() const
{
    for (const ConvertTask *task : queue) {
        if (task->state() == ConvertTask::Converting)
            return true;
    }
    for (const ConvertTask *task : running) {
        if (task->state() == ConvertTask::Converting)
            return true;
    }
    return false;
}
