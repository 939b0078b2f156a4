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

#include <QSet>
#include <QThread>
#include <QTimer>

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

bool SniffMgr::beginLoading()
{
    // The lists are read once: a second read would replace jobs that run now with their
    // saved copies.
    if (listsLoaded) {
        schedule();
        return false;
    }
    listsLoaded = true;
    const QString paths[] = {doneListPath(), privateListPath(), taskListPath(), historyListPath()};
    for (const QString &path : paths)
        listfile::removeStaleSaveFiles(path);
    return true;
}

void SniffMgr::loadAll()
{
    if (!beginLoading())
        return;
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
    done = tasksFromRecords(doneRecords, SniffTask::Place::Done);
    privates = tasksFromRecords(privateRecords, SniffTask::Place::Private);
    downloading = tasksFromRecords(taskRecords, SniffTask::Place::Downloading);
    // What is on disk, as the jobs hold it (their records shared, not copied).
    saver->remember(doneListPath(), tasklist::snapshot(done));
    saver->remember(privateListPath(), tasklist::snapshot(privates));
    saver->remember(taskListPath(), tasklist::snapshot(downloading));
    history = tasklist::loadHistory(historyListPath());
    setAside = listfile::takeSetAsideFiles();
    schedule();
}

void SniffMgr::loadInStages()
{
    if (!beginLoading())
        return;
    tasklist::Records taskRecords;
    tasklist::load(taskListPath(), &taskRecords);
    repairRenamedFiles = privatefiles::renamePending();
    downloading = tasksFromRecords(taskRecords, SniffTask::Place::Downloading);
    saver->remember(taskListPath(), tasklist::snapshot(downloading));
    history = tasklist::loadHistory(historyListPath());
    setAside = listfile::takeSetAsideFiles();

    loader = new Loader;
    Loader *l = loader;
    l->thread = QThread::create([l] {
        tasklist::load(doneListPath(), &l->done);
        tasklist::load(privateListPath(), &l->privates);
        // A save killed while a job moved between two lists leaves it in both: the list it
        // moved to wins.
        tasklist::dropDuplicates(l->privates, &l->done);
        l->setAside = listfile::takeSetAsideFiles();
    });
    connect(l->thread, &QThread::finished, this, &SniffMgr::onFinishedListsRead);
    l->thread->start();
}

void SniffMgr::onFinishedListsRead()
{
    Loader *l = loader;
    if (!l || l->read)
        return;
    l->read = true;
    l->thread->wait();
    setAside += l->setAside;
    // A job listed as downloading that a finished list holds too (a save killed while it moved)
    // is the finished one.
    QSet<CompactText> finished;
    for (const tasklist::Records *records : {&l->done, &l->privates}) {
        for (const tasklist::Record &r : *records)
            finished.insert(r.workDir);
    }
    const QList<SniffTask *> listed = downloading;
    for (SniffTask *task : listed) {
        const CompactText &job = task->record().workDir;
        if (!job.isEmpty() && finished.contains(job)) {
            downloading.removeOne(task);
            Q_EMIT mgrDeleteDownloadingTask(task);
            task->deleteLater();
            writeLog(kTag, QStringLiteral("a job was listed twice; kept once"));
        }
    }
    // The jobs join the lists a chunk per turn, so that the window stays responsive.
    l->chunks = new QTimer(this);
    l->chunks->setInterval(0);
    connect(l->chunks, &QTimer::timeout, this, &SniffMgr::addLoadedChunk);
    l->chunks->start();
}

void SniffMgr::addLoadedChunk()
{
    Loader *l = loader;
    if (!l)
        return;
    const auto add = [this](tasklist::Records &records, int &added, QList<SniffTask *> &list,
                            tasklist::SharedRecords &asLoaded, SniffTask::Place place, int most) {
        const int count = qMin(most, records.size() - added);
        if (count <= 0)
            return 0;
        const QList<SniffTask *> tasks = tasksFromRecords(records.mid(added, count), place);
        list += tasks;
        asLoaded += tasklist::snapshot(tasks);
        added += count;
        Q_EMIT finishedJobsLoaded(place, count);
        return count;
    };
    int left = kLoadChunk;
    left -= add(l->done, l->doneAdded, done, l->doneAsLoaded, SniffTask::Place::Done, left);
    if (left > 0)
        add(l->privates, l->privateAdded, privates, l->privatesAsLoaded, SniffTask::Place::Private,
            left);
    if (l->doneAdded < l->done.size() || l->privateAdded < l->privates.size())
        return;
    // What is on disk: the records as they were loaded (a job changed since holds a copy).
    saver->remember(doneListPath(), l->doneAsLoaded);
    saver->remember(privateListPath(), l->privatesAsLoaded);
    delete l->chunks;
    delete l->thread;
    delete l;
    loader = nullptr;
    Q_EMIT loadingFinished();
    if (saveWanted) {
        saveWanted = false;
        saver->request();
    }
    schedule();
}

void SniffMgr::finishLoadingNow()
{
    if (!loader)
        return;
    loader->thread->wait();
    onFinishedListsRead();
    while (loader)
        addLoadedChunk();
}

void SniffMgr::saveAll()
{
    // A list still being read is not written: the save follows the loading.
    if (loader) {
        saveWanted = true;
        return;
    }
    saver->request();
}

bool SniffMgr::saveNow()
{
    finishLoadingNow();
    return saver->saveNow();
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
