// The engine's commands on finished jobs: deleting them (with or without their files), moving
// them into and out of the private list, renaming, hiding and showing their files, and their
// thumbnails. Each changes the record, announces it and saves the lists.
#include "core/engine/privatefiles.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/foundation/privatelistmanager.h"
#include "core/platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Where a job's thumbnail is kept: a private job's in the private folder under its opaque id, a
// public one's in the picture cache under a hash of its file (a random name before the file
// exists), so two downloads of one name in different folders never share a picture.
QString thumbnailTarget(const SniffTask *task)
{
    if (task->isPrivateJob())
        return privateDir() + QLatin1Char('/') + QFileInfo(task->workDir()).fileName() + ".png";
    const QString cached = cachedThumbnailPath(task->filePath());
    return cached.isEmpty() ? thumbnailCacheDir() + QLatin1Char('/') + randomId() + ".png" : cached;
}

bool inPrivateDir(const QString &path)
{
    return !path.isEmpty() &&
           QFileInfo(path).absolutePath() == QFileInfo(privateDir()).absoluteFilePath();
}

} // namespace

void SniffMgr::removeFinished(SniffTask *task, bool deleteFile)
{
    const bool wasPrivate = task->place() == SniffTask::Place::Private;
    if (!done.removeOne(task) && !privates.removeOne(task))
        return;
    Q_EMIT finishedTaskRemoved(task);
    task->setPlace(SniffTask::Place::None);
    task->setDeleteFile(deleteFile);
    deleteTaskFiles(task);
    if (!wasPrivate)
        history.removeOne(task->url());
    task->setParent(nullptr);
    delete task;
    saveAll();
}

void SniffMgr::deleteDoneTask(SniffTask *task, bool deleteFile)
{
    removeFinished(task, deleteFile);
}

void SniffMgr::deletePrivateTask(SniffTask *task, bool deleteFile)
{
    removeFinished(task, deleteFile);
}

void SniffMgr::deleteFinished(SniffTask *task, bool deleteFile)
{
    removeFinished(task, deleteFile);
}

void SniffMgr::forgetFile(const QString &path)
{
    if (path.isEmpty())
        return;
    // Compared in the kept form: no job's path is decoded.
    const CompactText file(path);
    for (const QList<SniffTask *> &list : {done, privates}) {
        for (SniffTask *task : list) {
            if (task->media().filePath == file)
                removeFinished(task, false);
        }
    }
}

void SniffMgr::moveToPrivate(SniffTask *task)
{
    if (!done.removeOne(task))
        return;
    privates.append(task);
    task->setPlace(SniffTask::Place::Private);
    history.removeOne(task->url());
    PrivateListManager *privacy = PrivateListManager::instance();
    if (privacy->isOn() && privacy->filesHidden()) {
        task->mediaRef().privateFile = true;
        setFileHidden(task, QStringLiteral("hidden"));
    }
    applyPrivacy(task);
    Q_EMIT taskMoved(task);
    saveAll();
}

void SniffMgr::moveFromPrivate(SniffTask *task)
{
    if (!privates.removeOne(task))
        return;
    done.prepend(task);
    task->setPlace(SniffTask::Place::Done);
    if (task->media().privateFile) {
        task->mediaRef().privateFile = false;
        setFileHidden(task, QStringLiteral("normal"));
    }
    history.append(task->url());
    applyPrivacy(task);
    Q_EMIT taskMoved(task);
    saveAll();
}

SniffMgr::RenameResult SniffMgr::renameFile(SniffTask *task, const QString &name)
{
    static const QString invalid = QStringLiteral("\\/:|*?\"<>");
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return RenameResult::Invalid;
    for (const QChar c : name) {
        if (invalid.contains(c) || c.unicode() < 0x20) {
            writeLog(QStringLiteral("[Error] Invalid file name:"), task->logText(name));
            return RenameResult::Invalid;
        }
    }
    const QString path = task->filePath();
    const QFileInfo info(path);
    QString target = info.absolutePath() + QLatin1Char('/') + name;
    if (!info.suffix().isEmpty())
        target += QLatin1Char('.') + info.suffix();
    if (target == path)
        return RenameResult::Unchanged;
    QFile file(path);
    if (QFileInfo::exists(target) || !file.rename(target)) {
        writeLog(QStringLiteral("[Error]"),
                 QStringLiteral("Rename failed! (%1)").arg(file.errorString()));
        return RenameResult::Failed;
    }
    task->mediaRef().title = name;
    task->setFilePath(target);
    Q_EMIT taskChanged(task);
    saveAll();
    return RenameResult::Renamed;
}

void SniffMgr::setThumbnail(SniffTask *task, const QByteArray &png)
{
    const QString target = thumbnailTarget(task);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return;
    // A private job's picture is the user's only before its first byte is written.
    if (task->isPrivateJob())
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(png) != png.size() || !file.commit())
        return;
    if (task->thumbnailPath() != target)
        removeFileSafely(task->thumbnailPath());
    task->setThumbnailPath(target);
    removePrivatePicture(task);
    Q_EMIT taskChanged(task);
    saveAll();
}

void SniffMgr::markConverted(SniffTask *task)
{
    if (task->result().converted || !task->result().present)
        return;
    task->resultRef().converted = true;
    Q_EMIT taskChanged(task);
    saveAll();
}

void SniffMgr::setThumbnailHidden(SniffTask *task, bool hidden)
{
    if (task->media().hiddenThumb == hidden)
        return;
    task->mediaRef().hiddenThumb = hidden;
    task->mediaRef().present = true;
    Q_EMIT taskChanged(task);
    saveAll();
}

bool SniffMgr::setFileHidden(SniffTask *task, const QString &mode)
{
    const bool hide = mode == QLatin1String("hidden");
    if (!hide && mode != QLatin1String("normal"))
        return false;
    // The file is renamed first and the record follows in memory; the lists are written
    // afterwards, and loadList repairs a record written before the rename.
    const QString path = task->filePath();
    privatefiles::setRenamePending(true);
    ++renames;
    const QString renamed = privatefiles::rename(path, hide);
    if (renamed.isEmpty()) {
        writeLog(
            QStringLiteral("[SniffMgr]"),
            QStringLiteral("cannot %1 %2")
                .arg(hide ? QStringLiteral("hide") : QStringLiteral("show"), task->logText(path)));
        return false;
    }
    if (renamed != path) {
        task->setFilePath(renamed);
        Q_EMIT taskChanged(task);
    }
    platform::setHidden(renamed, hide);
    saveAll();
    return true;
}

void SniffMgr::applyPrivacy(SniffTask *task)
{
    const bool privateJob = task->isPrivateJob();
    if (!task->filePath().isEmpty() && QFileInfo::exists(task->filePath())) {
        if (privateJob)
            makeOwnerOnlyFile(task->filePath());
        else
            makeSharedFile(task->filePath());
    }
    // The thumbnail follows the job into or out of the private folder.
    const QString current = task->thumbnailPath();
    if (current.isEmpty() || !QFileInfo::exists(current))
        return;
    const QString target = thumbnailTarget(task);
    if (target == current)
        return;
    QFile::remove(target);
    if (!QFile::rename(current, target))
        return;
    if (privateJob)
        makeOwnerOnlyFile(target);
    else
        makeSharedFile(target);
    task->setThumbnailPath(target);
    Q_EMIT taskChanged(task);
}

void SniffMgr::removePrivatePicture(SniffTask *task)
{
    // The picture the tool made for a private job's analysis lies in the private folder (the
    // tool is told so); a path elsewhere came from the tool and is never deleted here.
    const QString picture = task->media().localThumbnail;
    if (inPrivateDir(picture))
        removeFileSafely(picture);
}
