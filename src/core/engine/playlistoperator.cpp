#include "core/engine/playlistoperator.h"

#include "core/engine/toolprotocol.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/process/myprocess.h"
#include "core/provision/dltoolmanager.h"

PlaylistOperator::PlaylistOperator(QObject *parent)
    : QObject(parent)
{
    Preferences *prefs = Preferences::instance();
    const int number = prefs->playlistCounter() + 1;
    prefs->setPlaylistCounter(number);
    paramFileName = QStringLiteral("playlist_%1_%2.json").arg(number).arg(randomId());
}

PlaylistOperator::~PlaylistOperator()
{
    discardProcess(process, this);
}

bool PlaylistOperator::start(const QString &address)
{
    DlToolManager *tools = DlToolManager::instance();
    if (process || !tools->isAvailable())
        return false;
    url = address;
    const QString program = tools->toolPath();
    paramPath = protocol::writePlaylistParams(url, paramFileName);
    startToolProcess(this, process, program, paramPath, &PlaylistOperator::onReadyRead,
                     &PlaylistOperator::onFinished);
    return true;
}

void PlaylistOperator::onReadyRead()
{
    // Whole lines only: a line that arrives in parts waits here until its end has come.
    if (process)
        for (const QByteArray &line : lines.feed(process->readAll()))
            handleLine(line);
}

void PlaylistOperator::handleLine(const QByteArray &line)
{
    const protocol::Line read = protocol::parseLine(line);
    if (read.type == protocol::LineType::Playlist)
        Q_EMIT operatorVideos(read.entries);
}

void PlaylistOperator::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (!process)
        return;
    writeLog(QStringLiteral("PlaylistOperatoronFinished"),
             QStringLiteral("exit code: %1 , status:%2").arg(exitCode).arg(int(exitStatus)));
    for (const QByteArray &line : lines.feed(process->readAll()) + lines.finish())
        handleLine(line);
    releaseFinishedProcess(process, this);
    Q_EMIT operatorFinished(this);
}
