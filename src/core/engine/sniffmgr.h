#pragma once

// The single owner of all download jobs: the downloading, done and private lists and the
// address history. Runs at most maxCount jobs at once, judges each run when it ends, and keeps
// the lists on disk. It is the only one to change a job: the pages send the commands below,
// each of which changes the record, announces the change and saves the lists (coalesced).

#include "core/engine/downloadoptions.h"
#include "core/engine/jobrecord.h"
#include "core/engine/listsaver.h"
#include "core/engine/snifftask.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <functional>

class QThread;
class QTimer;
class SniffOperator;
class ThumbOperator;

class SniffMgr : public QObject
{
    Q_OBJECT
public:
    // Notices the interface shows while recordings are being saved.
    enum Notice
    {
        PauseWaitNotice,
        LiveSaveNotice
    };
    Q_ENUM(Notice)

    static SniffMgr *instance();
    // Public for tests, which want managers of their own; the application uses instance().
    explicit SniffMgr(QObject *parent = nullptr);
    ~SniffMgr() override;

    SniffTask *newTask(const QString &url, const DownloadOptions &options = {});
    // Queues the job (and saves the lists). A job for the same media in the same format as one
    // already listed and not failed is refused: false, and the caller keeps (and deletes) it.
    bool addTask(SniffTask *task, bool fromPlaylist = false);
    // The listed job, not failed, that fetches the same media (see mediaAddress) in the same
    // format; null when there is none.
    SniffTask *sameJobListed(const QString &url, const DownloadOptions &options) const;
    void schedule();
    void scheduleThumbnails();
    void setMaxCount(int count);
    int maxCount() const { return maxCountValue; }
    void startThumbOperator(SniffTask *task);

    // Lists a job as a list file holds it, at the end of its list, unannounced (loading; tests
    // and measurements build lists with it).
    SniffTask *restoreJob(const JobRecord &record, SniffTask::Place place);
    // Lists a finished job as a finished run does: first in the done list (in the private list
    // when it is marked private), announced with mgrAddDownloadedTask.
    SniffTask *addFinished(const JobRecord &record);

    // --- Commands ------------------------------------------------------------------------------
    // Stops the job's run and pauses it. A live recording is saved instead: the job goes on to
    // Saving, and to Saved when its run has finished the file.
    void pauseTask(SniffTask *task, bool needDelete);
    void pauseAll();
    // Queues a paused or failed job again (a retry); a job still without a thumbnail has it
    // looked up.
    void resumeTask(SniffTask *task);
    void resumeAll();
    // The answer to the question about a page with several videos (the job was held before
    // anything was downloaded, see SniffTask::entriesToAskAbout): only the first one is wanted,
    // and the job goes on without being asked again. (For all of them, the page lists the
    // entries, adds a job for each and deletes this one.)
    void downloadFirstEntryOnly(SniffTask *task);

    void deleteDownloadingTask(SniffTask *task);
    void deleteAllDownloading();
    void deleteDoneTask(SniffTask *task, bool deleteFile);
    void deletePrivateTask(SniffTask *task, bool deleteFile);
    // Either of the two above, by the job's list.
    void deleteFinished(SniffTask *task, bool deleteFile);
    // Into and out of the private list. With private mode on and "save adult videos as hidden",
    // the file is hidden on the way in (and shown again on the way out).
    void moveToPrivate(SniffTask *task);
    void moveFromPrivate(SniffTask *task);
    // Hides ("hidden": a dot-name) or shows ("normal") the job's file and names the new path in
    // its record. False when the file could not be renamed (the record is unchanged).
    bool setFileHidden(SniffTask *task, const QString &mode);
    enum class RenameResult
    {
        Renamed,
        Unchanged, // the same name
        Invalid,   // empty, or with a character a file name cannot have
        Failed,    // the file could not be renamed (a name taken meanwhile, the disk)
    };
    // Renames the finished job's file to `name` (the suffix is kept) and takes the name as its
    // title.
    RenameResult renameFile(SniffTask *task, const QString &name);
    // Keeps the job's thumbnail (a PNG) in the hidden ".thumb" folder of the download folder.
    void setThumbnail(SniffTask *task, const QByteArray &png);
    void setThumbnailHidden(SniffTask *task, bool hidden);
    // The finished job's file is a conversion of the download (lists of older versions kept
    // that fact as a copy in the converted list).
    void markConverted(SniffTask *task);
    // A file deleted elsewhere (the converted list): the finished jobs naming it leave the lists.
    void forgetFile(const QString &path);

    // True when the address, or the media it fetches (see mediaAddress), was added before.
    bool isInHistory(const QString &url) const;
    QStringList historyList() const { return history; }
    bool hasActiveTask() const;
    bool hasSavingTask() const;
    int runningCount() const { return running.size(); }
    QList<SniffTask *> doneList() const { return done; }
    QList<SniffTask *> privateList() const { return privates; }
    QList<SniffTask *> downloadingList() const { return downloading; }

    void loadAll();
    // The same in stages, for a window that shows itself before a long list is read: the
    // downloading list and the history now, the done and private lists on a thread of their own.
    // Their jobs then join the lists in their order, kLoadChunk per turn of the event loop
    // (finishedJobsLoaded), and loadingFinished() ends it. Until then no run starts and saves wait;
    // saveNow() and shutDown() finish the loading first.
    void loadInStages();
    bool isLoading() const { return loader != nullptr; }
    static constexpr int kLoadChunk = 5000;
    // Saves the lists soon, off the GUI thread, together with every other request until then.
    void saveAll();
    // Saves the lists now and returns when they are on disk (quitting); true when every list
    // file was written.
    bool saveNow();
    bool isSaving() const;
    // Quitting: saves the lists now and kills every child process with all it started.
    void shutDown();
    // List files that were set aside at loading because reading them did not finish last time.
    QStringList setAsideLists() const { return setAside; }
    void loadList(QList<SniffTask *> &list, const QString &path);

Q_SIGNALS:
    // A job left the downloading list.
    void mgrDeleteDownloadingTask(SniffTask *task);
    // A job entered the done (or private) list.
    void mgrAddDownloadedTask(SniffTask *task);
    // A finished job left the lists; it is deleted once this returns.
    void finishedTaskRemoved(SniffTask *task);
    // A command changed what the job shows: its title, file or thumbnail.
    void taskChanged(SniffTask *task);
    // A finished job moved between the done list and the private list.
    void taskMoved(SniffTask *task);
    // A finished job's file was deleted with it.
    void fileDeleted(const QString &path);
    // The interface shows a modal notice with this text and marks the main window busy...
    void noticeShown(SniffMgr::Notice notice, const QString &text);
    // ...and closes it and clears the busy mark again.
    void noticeClosed(SniffMgr::Notice notice);
    // A save requested by saveAll() is on disk.
    void listsSaved();
    // Staged loading: `count` jobs were added at the end of the done (or private) list.
    void finishedJobsLoaded(SniffTask::Place place, int count);
    // Staged loading is over: every list is complete.
    void loadingFinished();
    // A job's run is over: finished (its file in place), failed or paused. Not for a job that
    // was deleted.
    void taskRunEnded(SniffTask *task);

public Q_SLOTS:
    void onOperatorFinished(SniffOperator *op);
    void onThumbOperatorFinished(ThumbOperator *op);

private:
    // Starts reading the lists, once: false (and only a new look at the queue) after that.
    bool beginLoading();
    QList<SniffTask *> tasksFromRecords(const tasklist::Records &records, SniffTask::Place place);
    // What the loading thread reads (the done and private lists) and how far their jobs have
    // joined the lists.
    struct Loader
    {
        QThread *thread = nullptr;
        tasklist::Records done;
        tasklist::Records privates;
        QStringList setAside;
        bool read = false; // the thread has finished
        int doneAdded = 0;
        int privateAdded = 0;
        tasklist::SharedRecords doneAsLoaded;
        tasklist::SharedRecords privatesAsLoaded;
        QTimer *chunks = nullptr;
    };
    void onFinishedListsRead();
    void addLoadedChunk();
    void finishLoadingNow();
    void announce(SniffTask *task);
    static void detachThumbOperator(SniffTask *task);
    void removeFinished(SniffTask *task, bool deleteFile);
    void onListsSaved();
    ListSaver::Snapshot snapshot();
    SniffOperator *operatorOf(SniffTask *task) const;
    void markPaused(SniffTask *task);
    void moveToDone(SniffTask *task);
    // Moves the run's file into place, then lists the job as done and calls `then`.
    void finishSuccessfulRun(SniffOperator *op, SniffTask *task, const std::function<void()> &then);
    void afterFileMoved(SniffTask *task);
    void removeOperator(SniffOperator *op);
    bool liveRecordingSavable(SniffTask *task) const;
    void deleteTaskFiles(SniffTask *task);
    // The modes and places a job's files get from its privacy: its file owner-only (0600) and its
    // thumbnail in the private folder while it is private, back to the usual ones when not.
    void applyPrivacy(SniffTask *task);
    // Removes the picture the tool made for a private job's analysis (kept in the private
    // folder), once the job keeps its own thumbnail or goes.
    void removePrivatePicture(SniffTask *task);
    void repairFilePath(SniffTask *task);
    void showNotice(Notice notice, const QString &text);
    void closeNotice(Notice notice);

    int maxCountValue = 5;
    int maxThumbCount = 1;
    QList<SniffTask *> downloading;
    QList<SniffOperator *> running;
    QList<SniffTask *> done;
    QStringList history;
    QList<SniffTask *> privates;
    QList<ThumbOperator *> thumbOperators;
    QList<Notice> shownNotices;
    bool listsLoaded = false;
    Loader *loader = nullptr;
    bool saveWanted = false;
    ListSaver *saver = nullptr;
    QStringList setAside;
    bool repairRenamedFiles = false;
    // Renames of files counted, and the count the snapshot being written was taken at: the
    // pending-rename mark is cleared once lists taken after the last rename are on disk.
    int renames = 0;
    int renamesInSnapshot = 0;
};
