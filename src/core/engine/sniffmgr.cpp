#include "core/engine/sniffmgr.h"

#include "core/analytics/analytics.h"
#include "core/engine/jobcookies.h"
#include "core/engine/listsaver.h"
#include "core/engine/sniffoperator.h"
#include "core/engine/snifftask.h"
#include "core/engine/tasklistfile.h"
#include "core/engine/thumboperator.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/foundation/privatelistmanager.h"
#include "core/process/myprocess.h"
#include "core/provision/dltoolmanager.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kTag = QStringLiteral("[SniffMgr]");
} // namespace

void SniffMgr::detachThumbOperator(SniffTask *task)
{
    // A look-up still on its way must leave the job alone from now on.
    if (task->thumbOperator())
        task->thumbOperator()->clearTask();
    task->setThumbOperator(nullptr);
}

SniffMgr *SniffMgr::instance()
{
    static SniffMgr *manager = new SniffMgr;
    return manager;
}

SniffMgr::SniffMgr(QObject *parent)
    : QObject(parent)
    , saver(new ListSaver([this] { return snapshot(); }, this))
{
    connect(saver, &ListSaver::saved, this, &SniffMgr::onListsSaved);
    qRegisterMetaType<SniffTask *>("SniffTask");
    qRegisterMetaType<SniffTask *>();
    setMaxCount(Preferences::instance()->maxDownloads());
}

SniffMgr::~SniffMgr()
{
    if (loader) {
        loader->thread->wait();
        delete loader->thread;
        delete loader;
        loader = nullptr;
    }
    delete saver; // waits for a write still running, which reads nothing of the lists
    saver = nullptr;
    // Jobs deleted while their run was ending are held only by their operators.
    QList<SniffTask *> held;
    for (SniffOperator *op : qAsConst(running)) {
        if (op->task()->needDelete() && !downloading.contains(op->task()))
            held << op->task();
    }
    qDeleteAll(running);
    qDeleteAll(held);
    qDeleteAll(thumbOperators);
    qDeleteAll(downloading);
    qDeleteAll(done);
    qDeleteAll(privates);
}

SniffTask *SniffMgr::newTask(const QString &url, const DownloadOptions &options)
{
    DownloadOptions kept = options;
    kept.cookies.clear();
    auto *task = new SniffTask(url, kept);
    // Private from the start: its address never reaches the history, a log line or a public
    // view, and what is kept of it is the user's only.
    if (PrivateListManager::instance()->marksPrivate(url))
        task->markPrivate();
    if (!options.cookies.isEmpty())
        jobcookies::write(task->workDir(), options.cookies);
    return task;
}

SniffTask *SniffMgr::sameJobListed(const QString &url, const DownloadOptions &options) const
{
    const QString media = mediaAddress(url);
    const bool audio = protocol::isAudioJob(url, options.mediaType);
    for (SniffTask *task : downloading) {
        const DownloadOptions &o = task->options();
        if (task->state() != SniffTask::State::Failed && !task->needDelete() &&
            mediaAddress(task->url()) == media &&
            protocol::isAudioJob(task->url(), o.mediaType) == audio &&
            o.videoQuality == options.videoQuality && o.audioQuality == options.audioQuality)
            return task;
    }
    return nullptr;
}

bool SniffMgr::addTask(SniffTask *task, bool fromPlaylist)
{
    Q_UNUSED(fromPlaylist)
    if (SniffTask *same = sameJobListed(task->url(), task->options())) {
        writeLog(kTag, QStringLiteral("refused a second job for %1 (state %2)")
                           .arg(task->url())
                           .arg(int(same->state())));
        return false;
    }
    downloading.append(task);
    task->setPlace(SniffTask::Place::Downloading);
    if (!task->isPrivateJob())
        history.append(task->url());
    task->setState(SniffTask::State::Waiting);
    saveAll();
    return true;
}

SniffTask *SniffMgr::restoreJob(const JobRecord &record, SniffTask::Place place)
{
    auto *task = new SniffTask(record);
    task->setPlace(place);
    if (place == SniffTask::Place::Done)
        done.append(task);
    else if (place == SniffTask::Place::Private)
        privates.append(task);
    else
        downloading.append(task);
    return task;
}

SniffTask *SniffMgr::addFinished(const JobRecord &record)
{
    auto *task = new SniffTask(record);
    task->setPlace(SniffTask::Place::Done);
    done.prepend(task);
    announce(task);
    saveAll();
    return task;
}

bool SniffMgr::isInHistory(const QString &url) const
{
    // The same media: its address itself, or its address followed by a marker. Read for every
    // entry of a pasted playlist, so most addresses are passed over on their length alone.
    const QString media = mediaAddress(url);
    const int length = media.size();
    for (const QString &seen : history) {
        const int n = seen.size();
        if (n == length) {
            if (seen == media)
                return true;
            continue;
        }
        if (n < length)
            continue;
        const QChar after = seen.constData()[length];
        if (after != QLatin1Char('#') && after != QLatin1Char('&'))
            continue;
        if (seen == url ||
            (QStringView(seen).left(length) == QStringView(media) && mediaAddress(seen) == media))
            return true;
    }
    return false;
}

void SniffMgr::setMaxCount(int count)
{
    qDebug() << "max count: " << count;
    maxCountValue = qBound(1, count, 10);
    schedule();
}

void SniffMgr::schedule()
{
    if (loader)
        return; // runs start once every list is loaded
    if (DlToolManager::instance()->isAvailable()) {
        const QList<SniffTask *> queue = downloading;
        for (SniffTask *task : queue) {
            if (running.size() >= maxCountValue)
                break;
            if (task->state() != SniffTask::State::Waiting || !downloading.contains(task))
                continue;
            // A job resumed while its last run is still being stopped starts when that run has
            // ended: two writers must never share its folder.
            if (operatorOf(task))
                continue;
            // Its own run tells the job what it is: a look-up still on its way must not overwrite
            // the run's lines when it finally arrives.
            detachThumbOperator(task);
            auto *op = new SniffOperator(task, this);
            connect(op, &SniffOperator::operatorFinished, this, &SniffMgr::onOperatorFinished);
            running.append(op);
            op->startTask();
            keepSystemAwake(true);
        }
    }
    scheduleThumbnails();
}

void SniffMgr::scheduleThumbnails()
{
    if (!DlToolManager::instance()->isAvailable())
        return;
    const QList<SniffTask *> queue = downloading;
    for (SniffTask *task : queue) {
        if (thumbOperators.size() >= maxThumbCount)
            break;
        const bool idle =
            task->state() == SniffTask::State::Waiting || task->state() == SniffTask::State::Paused;
        if (idle && task->media().thumbnail.isEmpty() && !task->hasOperator())
            startThumbOperator(task);
    }
}

void SniffMgr::startThumbOperator(SniffTask *task)
{
    qDebug() << "[THUMB] start thumb operator";
    auto *op = new ThumbOperator(task, randomId() + ".thumb.json", this);
    task->setHasOperator(true);
    task->setThumbOperator(op);
    thumbOperators.append(op);
    connect(op, &ThumbOperator::operatorFinished, this, &SniffMgr::onThumbOperatorFinished);
    if (!op->start()) {
        // Nothing will report back: undo at once, without scheduling again.
        task->setThumbOperator(nullptr);
        thumbOperators.removeOne(op);
        op->deleteLater();
    }
}

void SniffMgr::onThumbOperatorFinished(ThumbOperator *op)
{
    qDebug() << "[THUMB] onThumbOperatorFinished...";
    thumbOperators.removeOne(op);
    op->deleteLater();
    scheduleThumbnails();
    qDebug() << "thumb task left: " << thumbOperators.size();
}

SniffOperator *SniffMgr::operatorOf(SniffTask *task) const
{
    for (SniffOperator *op : running) {
        if (op->task() == task)
            return op;
    }
    return nullptr;
}

void SniffMgr::moveToDone(SniffTask *task)
{
    if (task->state() == SniffTask::State::Saved || task->state() == SniffTask::State::Finished) {
        downloading.removeOne(task);
        done.prepend(task);
        task->setPlace(SniffTask::Place::Done);
    } else if (task->isLive()) {
        downloading.removeOne(task);
        task->setPlace(SniffTask::Place::None);
    }
}

void SniffMgr::announce(SniffTask *task)
{
    // A download from a site marked private goes straight to the private list, its file hidden
    // when the user asked for that; its thumbnail shows there.
    if (task->media().privateFile && task->place() == SniffTask::Place::Done) {
        PrivateListManager *privacy = PrivateListManager::instance();
        if (privacy->isOn() && privacy->filesHidden())
            setFileHidden(task, QStringLiteral("hidden"));
        task->mediaRef().hiddenThumb = false;
        done.removeOne(task);
        privates.append(task);
        task->setPlace(SniffTask::Place::Private);
        applyPrivacy(task);
    }
    Q_EMIT mgrAddDownloadedTask(task);
}

void SniffMgr::finishSuccessfulRun(SniffOperator *op, SniffTask *task,
                                   const std::function<void()> &then)
{
    connect(op, &SniffOperator::fileMoved, this, [this, op, task, then] {
        op->disconnect(this);
        afterFileMoved(task);
        then();
    });
    op->moveDownloadedFile();
}

void SniffMgr::afterFileMoved(SniffTask *task)
{
    if (task->needDelete()) {
        // Deleted while its file was being moved or its recording saved: the deletion wins.
        // The job left the lists already; its folder goes now that the save has stopped.
        removeDirSafely(task->workDir());
        task->setParent(nullptr);
        task->deleteLater();
        return;
    }
    if (task->state() == SniffTask::State::Failed) {
        // The file could not be moved (or no recording was found): the job stays listed as
        // failed, with its working folder kept when it holds the file.
        return;
    }
    Q_EMIT mgrDeleteDownloadingTask(task);
    task->resultRef().finishedAt = QDateTime::currentSecsSinceEpoch();
    moveToDone(task);
    jobcookies::remove(task->workDir());
    if (task->place() != SniffTask::Place::None)
        announce(task);
    reportEvent(QStringLiteral("Download"), QStringLiteral("FileType"), task->result().fileType);
}

bool SniffMgr::liveRecordingSavable(SniffTask *task) const
{
    const QString path = task->filePath();
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path))
        return true;
    const QFileInfoList files = QFileInfo(path).absoluteDir().entryInfoList(QDir::Files);
    for (const QFileInfo &part : files) {
        if (part.suffix() != QLatin1String("part"))
            continue;
        const QString partPrefix = part.fileName().section(QLatin1Char('.'), 0, 0);
        for (const QFileInfo &media : files) {
            if (protocol::recordingSuffixes().contains(media.suffix()) &&
                partPrefix.contains(media.completeBaseName()))
                return true;
        }
    }
    return false;
}

void SniffMgr::onOperatorFinished(SniffOperator *op)
{
    SniffTask *task = op->task();
    const SniffTask::State status = task->state();
    const bool live = task->isLive();
    writeLog(QStringLiteral("[SniffMgr] onOperatorFinished:"),
             QStringLiteral("status: %1, url: %2, isLive: %3, filepath: %4")
                 .arg(int(status))
                 .arg(task->logName())
                 .arg(live ? 1 : 0)
                 .arg(task->logText(task->filePath())));

    if (task->needDelete()) {
        // Deleted while its run was ending (even while a recording was being saved): the job
        // was only kept alive for its operator, which is done with it now.
        removeDirSafely(task->workDir());
        task->setParent(nullptr);
        task->deleteLater();
    } else if ((status == SniffTask::State::Finished && !live) ||
               status == SniffTask::State::Saving) {
        // The operator stays in the running list until its file is in place.
        finishSuccessfulRun(op, task, [this, op] { removeOperator(op); });
        return;
    } else if (status != SniffTask::State::Paused && !op->wasAborted()) {
        if (task->state() == SniffTask::State::Downloading) {
            task->setProgress(protocol::Progress());
            task->setState(SniffTask::State::Downloading);
        }
        task->setState(SniffTask::State::Failed);
        if (live && liveRecordingSavable(task)) {
            writeLog(kTag, QStringLiteral("Download live failed, try save..."));
            const bool shown = shownNotices.contains(LiveSaveNotice);
            if (!shown)
                showNotice(LiveSaveNotice, tr("Download failed, saving the file..."));
            finishSuccessfulRun(op, task, [this, op, shown] {
                if (!shown)
                    closeNotice(LiveSaveNotice);
                removeOperator(op);
            });
            return;
        }
    }
    removeOperator(op);
}

void SniffMgr::removeOperator(SniffOperator *op)
{
    writeLog(QStringLiteral("[SniffMgr] removeOperator"),
             QStringLiteral("url: %1").arg(op->task()->logName()));
    running.removeOne(op);
    op->deleteLater();
    if (!op->task()->needDelete())
        Q_EMIT taskRunEnded(op->task());
    // A run's end (finished, failed, stopped) is written soon, so that a crash or kill afterwards
    // does not bring the job back in the state it had before its run.
    if (saver)
        saveAll();
    if (running.isEmpty()) {
        closeNotice(PauseWaitNotice);
        keepSystemAwake(false);
    }
    schedule();
}

void SniffMgr::pauseTask(SniffTask *task, bool needDelete)
{
    writeLog(QStringLiteral("[SniffMgr] pauseTask Begin"));
    if (!task) {
        writeLog(QStringLiteral("[SniffMgr] task is null!"));
        return;
    }
    writeLog(
        QStringLiteral("[SniffMgr] pauseTask"),
        QStringLiteral("url: %1, isLive: %2").arg(task->logName()).arg(task->isLive() ? 1 : 0));
    task->setHasOperator(false);
    SniffOperator *op = operatorOf(task);
    if (op && !op->isRunning()) {
        // Its run has ended and its file is being put in place: there is nothing to stop.
        writeLog(QStringLiteral("[SniffMgr] pauseTask"),
                 QStringLiteral("url: %1 is finishing").arg(task->logName()));
        return;
    }
    if (op) {
        task->setNeedDelete(needDelete);
        markPaused(task);
        const QString url = task->logName(); // the job may be released while the stop waits
        const bool ok = op->abortTask();
        writeLog(QStringLiteral("[SniffMgr] pauseTask url: %1").arg(url),
                 ok ? QStringLiteral("success") : QStringLiteral("failed"));
    } else {
        writeLog(
            QStringLiteral("[SniffMgr] pauseTask => not find"),
            QStringLiteral("task: 0x%1 url: %2").arg(quintptr(task), 0, 16).arg(task->logName()));
        task->setState(SniffTask::State::Paused);
        saveAll(); // a run that stops is written when it has ended
    }
}

void SniffMgr::markPaused(SniffTask *task)
{
    task->setState(SniffTask::State::Paused);
    // A live recording whose run is being stopped is saved: its run ends with the file finished
    // properly, and the job becomes Saved then.
    if (operatorOf(task) && task->isLive() && !task->needDelete())
        task->setState(SniffTask::State::Saving);
}

void SniffMgr::pauseAll()
{
    for (SniffTask *task : QList<SniffTask *>(downloading)) {
        if (task->state() != SniffTask::State::Failed)
            markPaused(task);
    }
    bool anyLive = false;
    for (SniffOperator *op : running)
        anyLive = anyLive || op->task()->isLive();
    if (anyLive) {
        if (shownNotices.contains(PauseWaitNotice))
            return;
        showNotice(PauseWaitNotice, tr("Please wait, saving the file..."));
    }
    for (SniffOperator *op : QList<SniffOperator *>(running))
        pauseTask(op->task(), false);
    saveAll();
}

void SniffMgr::resumeTask(SniffTask *task)
{
    task->setState(SniffTask::State::Waiting);
    schedule();
    // Still nothing known of the page (a retry of a failed analysis): it is looked up now.
    if (task->media().thumbnail.isEmpty() && !operatorOf(task) && !task->thumbOperator() &&
        downloading.contains(task))
        startThumbOperator(task);
    saveAll();
}

void SniffMgr::downloadFirstEntryOnly(SniffTask *task)
{
    if (!downloading.contains(task))
        return;
    task->optionsRef().firstEntryOnly = true;
    resumeTask(task);
}

void SniffMgr::resumeAll()
{
    for (SniffTask *task : QList<SniffTask *>(downloading)) {
        const SniffTask::State s = task->state();
        if (s != SniffTask::State::Downloading && s != SniffTask::State::Saved &&
            s != SniffTask::State::Finished)
            task->setState(SniffTask::State::Waiting);
    }
    schedule();
    saveAll();
}

void SniffMgr::deleteTaskFiles(SniffTask *task)
{
    if (task->deleteFile() &&
        (task->state() == SniffTask::State::Saved || task->state() == SniffTask::State::Finished)) {
        const QString path = task->filePath();
        if (removeFileSafely(path))
            Q_EMIT fileDeleted(path);
    }
    removeDirSafely(task->workDir());
    removeFileSafely(task->thumbnailPath());
    removePrivatePicture(task);
}

void SniffMgr::deleteDownloadingTask(SniffTask *task)
{
    const bool inRun = task->state() == SniffTask::State::Downloading ||
                       task->state() == SniffTask::State::Converting;
    // A job being saved (or otherwise still held by its operator) is deleted when its run ends.
    const bool held = inRun || operatorOf(task) != nullptr;
    if (inRun) {
        qDebug() << "remove running task..." << task->logName();
        pauseTask(task, false);
    }
    detachThumbOperator(task);
    task->setNeedDelete(true);
    if (held) {
        removeFileSafely(task->thumbnailPath()); // its folder goes when its run has stopped
        removePrivatePicture(task);
    } else
        deleteTaskFiles(task);
    downloading.removeOne(task);
    task->setPlace(SniffTask::Place::None);
    history.removeOne(task->url());
    Q_EMIT mgrDeleteDownloadingTask(task);
    if (!held)
        delete task;
    saveAll();
}

void SniffMgr::deleteAllDownloading()
{
    for (SniffTask *task : QList<SniffTask *>(downloading))
        deleteDownloadingTask(task);
}

bool SniffMgr::hasActiveTask() const
{
    for (SniffTask *task : downloading) {
        if (task->state() == SniffTask::State::Downloading ||
            task->state() == SniffTask::State::Converting)
            return true;
    }
    return false;
}

bool SniffMgr::hasSavingTask() const
{
    for (SniffTask *task : downloading) {
        if (task->state() == SniffTask::State::Saving)
            return true;
    }
    return false;
}

void SniffMgr::showNotice(Notice notice, const QString &text)
{
    if (!shownNotices.contains(notice))
        shownNotices << notice;
    Q_EMIT noticeShown(notice, text);
}

void SniffMgr::closeNotice(Notice notice)
{
    if (shownNotices.removeAll(notice) > 0)
        Q_EMIT noticeClosed(notice);
}
