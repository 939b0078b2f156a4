#include "core/engine/sniffoperator.h"

#include "core/engine/mediaprobe.h"
#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/foundation/safesave.h"
#include "core/process/myprocess.h"
#include "core/provision/dltoolmanager.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QUrl>

int SniffOperator::moveRetryDelayMs = 1000;
int SniffOperator::moveAttempts = 16;
int SniffOperator::stallCheckMs = 1000;
std::function<qint64()> SniffOperator::clock = [] {
    static QElapsedTimer steady;
    if (!steady.isValid())
        steady.start();
    return steady.elapsed();
};

namespace {

// "name(1).ext", "name(2).ext", ... in the same folder, the first that is free.
QString freeDestination(const QString &path)
{
    if (!QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    for (int n = 1;; ++n) {
        const QString candidate =
            suffix.isEmpty() ? QStringLiteral("%1/%2(%3)").arg(folder, base).arg(n)
                             : QStringLiteral("%1/%2(%3).%4").arg(folder, base).arg(n).arg(suffix);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

QString playlistFolderName(const QString &url)
{
    const QString decoded = QUrl::fromPercentEncoding(url.toUtf8());
    for (const QString &part : decoded.split(QLatin1Char('?'))) {
        if (!part.contains(QLatin1String("vrdl_pname")))
            continue;
        for (const QString &piece : part.split(QLatin1Char('&'))) {
            const QStringList pair = piece.split(QLatin1Char('='));
            if (pair.size() == 2 && pair.first() == QLatin1String("vrdl_pname"))
                return pair.at(1);
        }
    }
    return QString();
}

} // namespace

SniffOperator::SniffOperator(SniffTask *task, QObject *parent)
    : QObject(parent)
    , taskValue(task)
{
    task->setHasOperator(true);
}

SniffOperator::~SniffOperator()
{
    discardProcess(process, this);
}

void SniffOperator::startTask()
{
    DlToolManager *tools = DlToolManager::instance();
    if (!tools->isAvailable())
        return;
    // A verdict of an earlier run is not this run's.
    taskValue->setResult(protocol::Result());
    taskValue->setStalls(0);
    taskValue->setState(SniffTask::State::Downloading);
    taskValue->markStarted();
    // A download that cannot fit is refused before anything is written. Its size is known only
    // from an earlier run's progress; otherwise the margin alone is asked for.
    // The work folder is "<download folder>/.temp/<job>".
    const QString folder = QFileInfo(QFileInfo(taskValue->workDir()).absolutePath()).absolutePath();
    const QString refusal = safesave::roomFor(folder, taskValue->progress().totalBytes);
    if (!refusal.isEmpty()) {
        writeLog(QStringLiteral("[SniffOperator]"),
                 QStringLiteral("%1, url: %2").arg(refusal, taskValue->logName()));
        taskValue->setResult(protocol::failedResult(protocol::FailureKind::NoSpace, refusal));
        QTimer::singleShot(0, this, [this] { Q_EMIT operatorFinished(this); });
        return;
    }
    const QString program = tools->toolPath();
    paramPath =
        protocol::writeDownloadParams(taskValue->url(), taskValue->options(), taskValue->workDir());
    startToolProcess(this, process, program, paramPath, &SniffOperator::onReadyRead,
                     &SniffOperator::onFinished);
    writeLog(QStringLiteral("[SniffOperator] startTask"),
             QStringLiteral("processId: %1, url: %2")
                 .arg(process ? process->processId() : 0)
                 .arg(taskValue->logName()));
}

void SniffOperator::onReadyRead()
{
    if (aborted || taskValue->needDelete() || !process)
        return;
    handleOutput(process->readAll());
}

void SniffOperator::handleOutput(const QByteArray &bytes)
{
    for (const QByteArray &line : lines.feed(bytes))
        handleLine(line);
    checkDroppedLines();
}

void SniffOperator::checkDroppedLines()
{
    if (lines.droppedLines() == 0 || lineTooLong)
        return;
    // A tool that prints such a line is not the tool we know: the run fails, with the reason.
    lineTooLong = true;
    const QString reason = QStringLiteral("the download tool printed a line longer than %1 bytes")
                               .arg(protocol::LineBuffer::kMaxLineBytes);
    failRun(protocol::failedResult(protocol::FailureKind::Other, reason));
}

void SniffOperator::failRun(const protocol::Result &verdict)
{
    if (verdictFixed)
        return;
    verdictFixed = true;
    writeLog(
        QStringLiteral("[SniffOperator]"),
        QStringLiteral("%1; the run is stopped, url: %2").arg(verdict.error, taskValue->logName()));
    taskValue->setResult(verdict);
    if (stallTimer)
        stallTimer->stop();
    // Stopped as a pause stops it: the tool leaves its part for the next run to continue.
    if (process)
        process->stopGroup();
}

void SniffOperator::watchProgress(qint64 bytes)
{
    if (taskValue->isLive())
        return;
    const qint64 now = clock();
    if (bytes > lastBytes) {
        lastBytes = bytes;
        lastByteAt = now;
        if (taskValue->stalls() > 0)
            taskValue->setStalls(0);
    }
    if (!stallTimer) {
        stallTimer = new QTimer(this);
        connect(stallTimer, &QTimer::timeout, this, &SniffOperator::checkStall);
        stallTimer->start(stallCheckMs);
    }
}

void SniffOperator::checkStall()
{
    if (!process || aborted || verdictFixed ||
        taskValue->state() != SniffTask::State::Downloading) {
        stallTimer->stop();
        return;
    }
    const qint64 window = qint64(protocol::kStallSeconds) * 1000;
    const int stalls = int(qMax<qint64>(0, clock() - lastByteAt) / window);
    if (stalls == taskValue->stalls())
        return;
    taskValue->setStalls(stalls);
    if (stalls >= kStallLimit) {
        failRun(
            protocol::failedResult(protocol::FailureKind::Stalled,
                                   QStringLiteral("stalled: no data for %1 s, %2 times in a row")
                                       .arg(protocol::kStallSeconds)
                                       .arg(stalls)));
        return;
    }
    writeLog(QStringLiteral("[SniffOperator]"), QStringLiteral("stalled (%1 of %2), url: %3")
                                                    .arg(stalls)
                                                    .arg(kStallLimit)
                                                    .arg(taskValue->logName()));
    taskValue->setState(SniffTask::State::Downloading); // the row shows it
}

void SniffOperator::holdForQuestion()
{
    writeLog(QStringLiteral("[SniffOperator]"),
             QStringLiteral("a page with %1 videos: held until the user answers, url: %2")
                 .arg(taskValue->entriesToAskAbout())
                 .arg(taskValue->logName()));
    // Like a pause: the run's end is no failure, and whatever it began stays in its folder.
    aborted = true;
    taskValue->setState(SniffTask::State::Paused);
    if (process)
        process->stopGroup();
}

void SniffOperator::handleLine(const QByteArray &bytes)
{
    if (lineTooLong || verdictFixed || aborted || taskValue->needDelete() ||
        taskValue->state() == SniffTask::State::Saving)
        return;
    // The line is read here, once; the job keeps what it said.
    handleLine(protocol::parseLine(bytes));
}

void SniffOperator::handleLine(const protocol::Line &line)
{
    switch (line.type) {
    case protocol::LineType::Sniff:
        taskValue->setSniffed(line.media);
        // Asked before a byte is kept: the answer may be all of them, each its own job.
        if (taskValue->entriesToAskAbout() > 0)
            holdForQuestion();
        break;
    case protocol::LineType::Downloading:
        if (taskValue->state() == SniffTask::State::Downloading) {
            taskValue->setProgress(line.progress);
            watchProgress(line.progress.downloadedBytes);
            taskValue->setState(SniffTask::State::Downloading);
        }
        break;
    case protocol::LineType::Converting:
        converted = true;
        taskValue->setConversion(line.conversion);
        taskValue->setState(SniffTask::State::Converting);
        break;
    case protocol::LineType::Finished: {
        protocol::Result result = line.result;
        result.converted = converted;
        taskValue->setResult(result);
        if (result.succeeded())
            taskValue->setState(SniffTask::State::Finished);
        break;
    }
    default:
        break;
    }
}

void SniffOperator::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (!process)
        return; // already ended (a failed start also reports through errorOccurred)
    writeLog(QStringLiteral("SniffOperator::onFinished:"),
             QStringLiteral("exit code: %1 , status: %2").arg(exitCode).arg(int(exitStatus)));
    if (!aborted && !taskValue->needDelete()) {
        handleOutput(process->readAll());
        for (const QByteArray &line : lines.finish())
            handleLine(line);
        checkDroppedLines();
        if (!taskValue->result().present && taskValue->state() != SniffTask::State::Saving) {
            // No verdict from the tool: it died, or ended without saying why.
            const bool crashed = exitStatus == QProcess::CrashExit;
            taskValue->setResult(protocol::failedResult(
                protocol::FailureKind::ToolCrashed,
                crashed ? QStringLiteral("the download tool stopped unexpectedly")
                        : QStringLiteral("the download tool ended without a result (exit code %1)")
                              .arg(exitCode)));
        }
    }
    releaseFinishedProcess(process, this);
    Q_EMIT operatorFinished(this);
}

bool SniffOperator::abortTask()
{
    if (!process) {
        writeLog(QStringLiteral("[SniffMg] abortTask"), QStringLiteral("Process is null!"));
        return false;
    }
    const bool live = taskValue->isLive();
    const qint64 pid = process->processId();
    writeLog(QStringLiteral("[SniffMgr] abortTask"),
             QStringLiteral("processId: %1, needDelete: %2, isLive: %3, url: %4")
                 .arg(pid)
                 .arg(taskValue->needDelete() ? 1 : 0)
                 .arg(live ? 1 : 0)
                 .arg(taskValue->logName()));
    bool result = true;
    if (!live) {
        // The whole group goes: the tool stops its own children when asked to terminate, and
        // whatever is left of the group is killed after a grace period.
        process->stopGroup();
    } else if (taskValue->needDelete()) {
        bool ok = false;
        killChildProcessByName(pid, QStringLiteral("ffmpeg"), true, ok);
        result = ok;
        if (!ok)
            process->killGroup();
    } else {
        // A recording is stopped politely so that it finishes its file; the run ends (and the
        // manager hears of it) when the tool has written it. Whatever does not stop is killed.
        auto *stop = new PoliteStop(pid, QStringLiteral("ffmpeg"), this);
        connect(stop, &PoliteStop::finished, this, [this, stop, pid](bool ok) {
            stop->deleteLater();
            if (ok)
                return;
            writeLog(QStringLiteral("[SniffMgr] abortTask faield, retry..."));
            if (process)
                process->killGroup();
            else
                forceKillTree(pid);
        });
        stop->start(false);
    }
    aborted = true;
    return result;
}

void SniffOperator::removeWorkDir()
{
    removeDirSafely(taskValue->workDir());
}

void SniffOperator::moveDownloadedFile()
{
    const QString folder = Preferences::instance()->downloadDir();
    if (taskValue->isLive())
        moveLiveRecording(folder);
    else
        moveFinishedFile(folder);
}

void SniffOperator::renameWithRetries(const QString &source, const QString &destination,
                                      bool freeNameEachTime, int attempt,
                                      const std::function<void(bool, const QString &)> &done)
{
    const QString free = freeNameEachTime ? uniqueFilePath(QFileInfo(destination).fileName(),
                                                           QFileInfo(destination).absolutePath())
                                          : freeDestination(destination);
    writeLog(QStringLiteral("[moveDownloadedFile]"),
             QStringLiteral("Move File to: %1, exists: %2, retry %3")
                 .arg(taskValue->logText(free))
                 .arg(QFileInfo::exists(destination) ? 1 : 0)
                 .arg(attempt));
    QFile file(source);
    if (file.rename(free)) {
        done(true, free);
        return;
    }
    moveError = file.errorString();
    writeLog(
        QStringLiteral("[moveDownloadedFile] Move file failed! error: %1, srcPath: %2, dstPath: %3")
            .arg(moveError, taskValue->logText(source), taskValue->logText(free)));
    if (attempt >= moveAttempts) {
        done(false, free);
        return;
    }
    // The next attempt comes from a timer: nothing else runs inside this call meanwhile.
    QTimer::singleShot(moveRetryDelayMs, this, [=] {
        renameWithRetries(source, free, freeNameEachTime, attempt + 1, done);
    });
}

void SniffOperator::failMove(const QString &why)
{
    // The folder's own words decide the kind (a full disk, a folder that is read-only or gone).
    protocol::FailureKind kind = protocol::classifyFailure(moveError);
    if (kind == protocol::FailureKind::Other || kind == protocol::FailureKind::None)
        kind = protocol::FailureKind::NotWritable;
    taskValue->setResult(protocol::failedResult(kind, why));
    taskValue->setState(SniffTask::State::Failed);
}

void SniffOperator::moveFinishedFile(const QString &downloadFolder)
{
    const QString pname = playlistFolderName(taskValue->url());
    const QString source = taskValue->result().filePath;
    QString subtitle = taskValue->result().details->subtitle;
    if (subtitle.isEmpty())
        subtitle = taskValue->result().details->lyric;
    QString target = downloadFolder;
    if (!pname.isEmpty()) {
        target += QDir::separator() + pname;
        // A folder made for a private job is the user's only.
        if (taskValue->isPrivateJob() && !QFileInfo::exists(target))
            makeOwnerOnlyFolder(target);
        else
            QDir().mkpath(target);
    }
    const QString destination =
        QDir::cleanPath(target + QDir::separator() + QFileInfo(source).fileName());
    qDebug() << "src path: " << taskValue->logText(source)
             << "dst path: " << taskValue->logText(destination);

    renameWithRetries(source, destination, false, 1, [=](bool ok, const QString &moved) {
        // The working folder holds the only copy until the move succeeds: it is kept when
        // every attempt fails, and the job ends Failed with the reason in the log.
        if (!ok) {
            const QString why = QStringLiteral("cannot move %1 into %2: %3; the file stays in %4")
                                    .arg(source, target, moveError, taskValue->workDir());
            writeLog(QStringLiteral("[SniffOperator]"),
                     QStringLiteral("cannot move %1 into %2: %3; the file stays in %4")
                         .arg(taskValue->logText(source), taskValue->logText(target), moveError,
                              taskValue->logName()));
            failMove(why);
            Q_EMIT fileMoved(this);
            return;
        }
        if (!subtitle.isEmpty() && QFileInfo::exists(subtitle)) {
            const QString subtitleDestination = freeDestination(
                QDir::cleanPath(target + QDir::separator() + QFileInfo(subtitle).fileName()));
            qDebug() << "srcPathSubtitle" << taskValue->logText(subtitle) << "desPathSubtitle"
                     << taskValue->logText(subtitleDestination);
            if (QDir().rename(subtitle, subtitleDestination)) {
                taskValue->resultRef().details.edit().subtitlePath = subtitleDestination;
                if (taskValue->isPrivateJob())
                    makeOwnerOnlyFile(subtitleDestination);
            }
        }
        removeWorkDir();
        taskValue->setFilePath(moved);
        Q_EMIT fileMoved(this);
    });
}

void SniffOperator::moveLiveRecording(const QString &downloadFolder)
{
    const QString tag = QStringLiteral("[moveDownloadedFile]");
    QString path = taskValue->filePath();
    if (!QFileInfo::exists(path)) {
        writeLog(tag, QStringLiteral("\"%1\" is not exists!").arg(taskValue->logText(path)));
        // The run has ended: what it left in the folder is all there is. A part file alone is
        // no recording (its writer is gone), a media file is.
        writeLog(tag, QStringLiteral("Try find video... %1").arg(1));
        bool hasPart = false;
        QString found;
        for (const QFileInfo &file : QFileInfo(path).absoluteDir().entryInfoList(QDir::Files)) {
            if (protocol::recordingSuffixes().contains(file.suffix())) {
                found = file.absoluteFilePath();
                break;
            }
            if (file.suffix() == QLatin1String("part")) {
                hasPart = true;
                writeLog(tag, QStringLiteral("Find video part, but process is finished!"));
                break;
            }
        }
        if (found.isEmpty()) {
            writeLog(tag, QStringLiteral("No video, hasPart: %2").arg(hasPart ? 1 : 0));
            removeWorkDir();
            taskValue->setResult(protocol::failedResult(protocol::FailureKind::Other,
                                                        QStringLiteral("no recording was saved")));
            taskValue->setState(SniffTask::State::Failed);
            Q_EMIT fileMoved(this);
            return;
        }
        writeLog(tag, QStringLiteral("Find %1").arg(taskValue->logText(found)));
        path = found;
    }

    const QString destination = QDir::cleanPath(downloadFolder + '/' + QFileInfo(path).fileName());
    renameWithRetries(path, destination, true, 1, [=](bool ok, const QString &moved) {
        if (!ok) {
            failMove(
                QStringLiteral("cannot move %1 into %2: %3").arg(path, downloadFolder, moveError));
            Q_EMIT fileMoved(this);
            return;
        }
        if (moved != destination)
            taskValue->mediaRef().title = QFileInfo(moved).completeBaseName();
        taskValue->setFilePath(moved);
        removeWorkDir();
        probeMedia(moved, this, [this, moved, tag](const ProbedMedia &media) {
            if (media.ok) {
                taskValue->setResult(protocol::recordingResult(
                    media.duration, QFileInfo(moved).suffix().toUpper(), media.bitRate, media.size,
                    moved, media.width, media.height));
            } else {
                writeLog(tag, QStringLiteral("Load media info failed!"));
            }
            taskValue->setState(SniffTask::State::Saved);
            Q_EMIT fileMoved(this);
        });
    });
}
