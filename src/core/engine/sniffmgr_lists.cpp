// The manager's lists on disk: loading them at start-up, saving them (coalesced, off the GUI
// thread) and on quitting.
#include "core/engine/listsaver.h"
#include "core/engine/privatefiles.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/tasklistfile.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/listfile.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/process/myprocess.h"

namespace {
const QString kTag = QStringLiteral("[SniffMgr]");
} // namespace

QList<SniffTask *> SniffMgr::tasksFromRecords(const tasklist::Records &records,
                                              SniffTask::Place place)
{
    QList<SniffTask *> list;
    list.reserve(records.size());
    Preferences *prefs = Preferences::instance();
    const bool resume = prefs->resumeOnStartup();
    // Every loaded job counts as a new one would, with one write of the counter.
    if (!records.isEmpty())
        prefs->setDownloadCounter(prefs->downloadCounter() + records.size());
    for (const tasklist::Record &r : records) {
        auto *task = new SniffTask(r);
        task->setPlace(place);
        if (repairRenamedFiles)
            repairFilePath(task);
        // Unknown numbers are not final: the job is paused or waits, as any unfinished one.
        if (!task->isFinal())
            task->setState(resume ? SniffTask::State::Waiting : SniffTask::State::Paused);
        list.append(task);
    }
    return list;
}

void SniffMgr::loadList(QList<SniffTask *> &list, const QString &path)
{
    list = tasksFromRecords(tasklist::load(path), SniffTask::Place::None);
}

void SniffMgr::repairFilePath(SniffTask *task)
{
    // A file hidden or shown just before the program died: the record still names the file as
    // it was called before.
    const QString path = task->filePath();
    const QString repaired = privatefiles::repairedPath(path);
    if (repaired == path)
        return;
    task->setFilePath(repaired);
    writeLog(QStringLiteral("[SniffMgr]"), QStringLiteral("record of %1 repaired: %2")
                                               .arg(task->logText(path), task->logText(repaired)));
}

void SniffMgr::onListsSaved()
{
    if (renamesInSnapshot == renames) {
        // The records name the renamed files now.
        privatefiles::setRenamePending(false);
        repairRenamedFiles = false;
    }
    Q_EMIT listsSaved();
}

ListSaver::Snapshot SniffMgr::snapshot()
{
    renamesInSnapshot = renames;
    ListSaver::Snapshot s;
    // A finished job is written into the done list before it leaves the downloading list.
    s.jobLists = {{doneListPath(), tasklist::snapshot(done)},
                  {privateListPath(), tasklist::snapshot(privates)},
                  {taskListPath(), tasklist::snapshot(downloading)}};
    s.historyPath = historyListPath();
    s.history = history;
    return s;
}

void SniffMgr::loadAll()
{
    // The lists are read once: a second read would replace jobs that run now with their
    // saved copies.
    if (listsLoaded) {
        schedule();
        return;
    }
    listsLoaded = true;
    const QString paths[] = {doneListPath(), privateListPath(), taskListPath(), historyListPath()};
    for (const QString &path : paths)
        listfile::removeStaleSaveFiles(path);
    tasklist::Records doneRecords, privateRecords, taskRecords;
    tasklist::load(doneListPath(), &doneRecords);
    tasklist::load(privateListPath(), &privateRecords);
    tasklist::load(taskListPath(), &taskRecords);
    // A save killed while a job moved between two lists leaves it in both: the list it moved
    // to wins.
    const int twice = tasklist::dropDuplicates(privateRecords, &doneRecords) +
                      tasklist::dropDuplicates(doneRecords, &taskRecords) +
                      tasklist::dropDuplicates(privateRecords, &taskRecords);
    if (twice > 0)
        writeLog(kTag, QStringLiteral("%1 jobs were listed twice; kept once").arg(twice));
    // Only after a rename that was not followed by a save is every record's file looked at:
    // reading each record's path costs more than the rest of loading.
    repairRenamedFiles = privatefiles::renamePending();
    saver->remember(doneListPath(), doneRecords);
    saver->remember(privateListPath(), privateRecords);
    saver->remember(taskListPath(), taskRecords);
    done = tasksFromRecords(doneRecords, SniffTask::Place::Done);
    privates = tasksFromRecords(privateRecords, SniffTask::Place::Private);
    downloading = tasksFromRecords(taskRecords, SniffTask::Place::Downloading);
    history = tasklist::loadHistory(historyListPath());
    setAside = listfile::takeSetAsideFiles();
    schedule();
}

void SniffMgr::saveAll()
{
    saver->request();
}

void SniffMgr::saveNow()
{
    saver->saveNow();
}

void SniffMgr::shutDown()
{
    saveNow();
    Q_EMIT MyProcessHelper::instance()->killAll();
}

bool SniffMgr::isSaving() const
{
    return !saver->isIdle();
}
