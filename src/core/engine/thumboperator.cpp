#include "core/engine/thumboperator.h"

#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/paths.h"
#include "core/process/myprocess.h"
#include "core/provision/dltoolmanager.h"

#include <QDebug>

ThumbOperator::ThumbOperator(SniffTask *task, const QString &paramFileName, QObject *parent)
    : QObject(parent)
    , taskValue(task)
    , url(task->url())
    , paramFileName(paramFileName)
    , workDir(task->workDir())
{
}

ThumbOperator::~ThumbOperator()
{
    discardProcess(process, this);
}

bool ThumbOperator::start()
{
    DlToolManager *tools = DlToolManager::instance();
    if (process || !tools->isAvailable())
        return false;
    const QString program = tools->toolPath();
    const bool privateJob = taskValue && taskValue->isPrivateJob();
    paramPath = protocol::writeThumbParams(url, workDir, paramFileName,
                                           privateJob ? privateDir() : QString());
    startToolProcess(this, process, program, paramPath, &ThumbOperator::onReadyRead,
                     &ThumbOperator::onFinished);
    return true;
}

void ThumbOperator::onReadyRead()
{
    if (process)
        for (const QByteArray &line : lines.feed(process->readAll()))
            handleLine(line);
}

void ThumbOperator::handleLine(const QByteArray &line)
{
    // Only a job that still waits takes the look-up's answer; a job that has started has its own.
    if (!taskValue || (taskValue->state() != SniffTask::State::Waiting &&
                       taskValue->state() != SniffTask::State::Paused))
        return;
    const protocol::Line read = protocol::parseLine(line);
    if (read.type == protocol::LineType::Sniff)
        taskValue->setSniffed(read.media);
}

void ThumbOperator::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (!process)
        return;
    qDebug() << "exit code: " << exitCode << ", status: " << exitStatus;
    for (const QByteArray &line : lines.feed(process->readAll()) + lines.finish())
        handleLine(line);
    if (taskValue)
        taskValue->setThumbOperator(nullptr);
    releaseFinishedProcess(process, this);
    Q_EMIT operatorFinished(this);
}
