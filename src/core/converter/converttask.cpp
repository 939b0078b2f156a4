#include "core/converter/converttask.h"

#include "core/converter/convmediainfo.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/foundation/safesave.h"
#include "core/process/myprocess.h"
#include "core/provision/dltoolmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QRegularExpression>
#include <QTimer>

namespace {
const char kTag[] = "[ConvertTask]";
}

ConvertTask::ConvertTask(QObject *parent)
    : QObject(parent)
    , source(new ConvMediaInfo(this))
{
    // Connected before any of the task's processes exists, so this runs before they are killed
    // one by one: the tool's own ffmpeg goes with it instead of being left behind.
    connect(MyProcessHelper::instance(), &MyProcessHelper::killAll, this, [this] {
        if (process)
            forceKillTree(process->processId());
    });
}

ConvertTask::~ConvertTask()
{
    if (process) {
        forceKillTree(process->processId());
        discardProcess(process, this);
    }
}

void ConvertTask::setSourceInfo(const ConvMediaInfo &info)
{
    *source = info;
}

void ConvertTask::start()
{
    if (stateValue == Converting) {
        writeLog(source->sourcePath + "  is running");
        return;
    }
    DlToolManager *tools = DlToolManager::instance();
    if (!tools->isAvailable())
        return;
    if (!QFileInfo::exists(source->sourcePath)) {
        writeLog(source->sourcePath + "  does not exist");
        stateValue = Failed;
        error = tr("The file does not exist");
        // Reported from the event loop, like every other end of a run.
        QTimer::singleShot(0, this, [this] { Q_EMIT convertTaskFinished(this, true); });
        return;
    }
    // A conversion's result is about as large as its source: one that cannot fit is refused.
    const QString refusal = safesave::roomFor(convertDir(), source->fileSize);
    if (!refusal.isEmpty()) {
        failSoon(refusal);
        return;
    }
    // A stopped run that has not reported its end yet is not waited for.
    discardProcess(process, this);
    stateValue = Converting;
    cancelled = false;
    error.clear();
    progressValue = 0;
    toolPid.clear();
    lines = protocol::LineBuffer();
    Q_EMIT convertTaskDidStarted(this);

    // Every run has its own work folder inside the conversion folder, so that the finished file
    // is moved into place without copying. The running number keeps folder names apart even
    // when two random tags repeat; it is counted per run, so restoring thousands of listed
    // tasks writes the settings file not once.
    Preferences *prefs = Preferences::instance();
    const int number = prefs->convertCounter() + 1;
    prefs->setConvertCounter(number);
    workDirValue = convertTempDir(true) + QStringLiteral("%1_%2").arg(number).arg(randomId());
    paramPath = workDirValue + "/param.json";
    const QJsonObject params = convertparams::build(this->params, source->sourcePath, workDirValue,
                                                    source->probe, source->duration);
    QFile file(paramPath);
    const bool made = QDir().mkpath(workDirValue);
    if (made) {
        workLock = std::make_unique<QLockFile>(workDirValue + QStringLiteral("/.lock"));
        workLock->setStaleLockTime(0); // held as long as this process lives, however long
        workLock->tryLock(0);
    }
    if (!made || !file.open(QIODevice::ReadWrite | QIODevice::Truncate) ||
        file.write(QJsonDocument(params).toJson(QJsonDocument::Indented) + '\n') < 0) {
        failSoon(tr("Cannot write to %1").arg(QDir::toNativeSeparators(convertDir())));
        return;
    }
    file.close();
    startToolProcess(this, process, tools->toolPath(), paramPath, &ConvertTask::onReadyRead,
                     &ConvertTask::onFinished);
}

void ConvertTask::failSoon(const QString &reason)
{
    workLock.reset();
    writeLog(QLatin1String(kTag), reason);
    stateValue = Failed;
    error = reason;
    QTimer::singleShot(0, this, [this] { Q_EMIT convertTaskFinished(this, true); });
}

void ConvertTask::onReadyRead()
{
    if (cancelled || !process)
        return;
    for (const QByteArray &line : lines.feed(process->readAll()))
        handleLine(line);
}

void ConvertTask::handleLine(const QByteArray &bytes)
{
    writeLog(QLatin1String(kTag), QString::fromUtf8(bytes.left(4096)));
    const protocol::Line line = protocol::parseLine(bytes);
    if (line.type == protocol::LineType::Converting) {
        toolPid = line.conversion.pid;
        progressValue = qBound(0.0, line.conversion.fraction, 1.0);
        qDebug() << "setConvertingProgress :"
                 << tr("Converting") + QString::asprintf(" %0.1f%%", progressValue * 100);
        Q_EMIT convertTaskProgress(this, float(progressValue));
    } else if (line.type == protocol::LineType::Finished) {
        if (line.result.returnCode != 0) {
            stateValue = Failed;
            error = line.result.error.left(500);
            if (error.isEmpty())
                error = tr("The conversion tool failed (%1)").arg(line.result.returnCode);
            return;
        }
        acceptResult(line.result);
    }
}

void ConvertTask::acceptResult(const protocol::Result &verdict)
{
    const QString produced = verdict.filePath;
    if (produced.isEmpty() || !QFileInfo(produced).isFile()) {
        stateValue = Failed;
        error = tr("The conversion tool did not say where the file is");
        return;
    }
    delete result;
    result = new ConvMediaInfo(this);
    result->setToolResult(verdict);
    result->mediaType = params.isVideo;
    result->sourcePath = source->sourcePath;
    result->thumbnailPath = source->thumbnailPath;

    const QString target = uniqueFilePath(QFileInfo(produced).fileName(), convertDir());
    if (!QFile::rename(produced, target)) {
        stateValue = Failed;
        error =
            tr("Cannot move the converted file to %1").arg(QDir::toNativeSeparators(convertDir()));
        delete result;
        result = nullptr;
        return;
    }
    result->outputPath = QDir::cleanPath(target);
    stateValue = Converted;
    removeWorkDir();
}

void ConvertTask::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (!process)
        return;
    writeLog(QStringLiteral("onFinished"),
             QStringLiteral("exit code: %1 , status:%2").arg(exitCode).arg(int(exitStatus)));
    if (!cancelled) {
        for (const QByteArray &line : lines.feed(process->readAll()))
            handleLine(line);
        for (const QByteArray &line : lines.finish())
            handleLine(line);
    }
    const bool isError = exitCode != 0 || stateValue != Converted;
    if (isError && stateValue == Converting) {
        // Ended without a verdict: never count that as converted.
        stateValue = Failed;
        if (error.isEmpty())
            error = exitCode == -1 ? tr("The conversion tool could not be started")
                                   : tr("The conversion tool ended unexpectedly");
    }
    releaseFinishedProcess(process, this);
    workLock.reset(); // the folder is left to the next clean-up
    Q_EMIT convertTaskFinished(this, isError);
}

void ConvertTask::stop()
{
    if (process) {
        cancelled = true;
        // The tool and the ffmpeg it runs end together.
        forceKillTree(process->processId());
        process->kill();
    }
    if (!toolPid.isEmpty())
        qDebug() << "stop tool tree" << toolPid;
    removeWorkDir();
}

void ConvertTask::removeWorkDir()
{
    workLock.reset();
    if (workDirValue.size() >= 4)
        removeDirSafely(workDirValue);
}

int ConvertTask::removeDeadWorkFolders(const QString &tempDir)
{
    static const QRegularExpression workName(QStringLiteral("^\\d+_[A-Za-z0-9_-]+$"));
    int removed = 0;
    const QDir temp(tempDir);
    for (const QString &name : temp.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString folder = temp.filePath(name);
        if (!workName.match(name).hasMatch() || !QFileInfo::exists(folder + "/param.json"))
            continue;
        QLockFile lock(folder + QStringLiteral("/.lock"));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue; // a run of a living process
        lock.unlock();
        if (removeDirSafely(folder))
            ++removed;
    }
    if (removed > 0)
        writeLog(QLatin1String(kTag),
                 QStringLiteral("removed %1 work folders of ended conversions in %2")
                     .arg(removed)
                     .arg(tempDir));
    return removed;
}
