#include "core/engine/snifftask.h"

#include "core/analytics/analytics.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
int nextDownloadNumber()
{
    Preferences *prefs = Preferences::instance();
    const int number = prefs->downloadCounter() + 1;
    prefs->setDownloadCounter(number);
    return number;
}
} // namespace

SniffTask::SniffTask(const QString &url, const DownloadOptions &options, QObject *parent)
    : SniffTask(url, options, nextDownloadNumber(), downloadTempDir(false), parent)
{
}

SniffTask::SniffTask(const QString &url, const DownloadOptions &options, int number,
                     const QString &tempDir, QObject *parent)
    : QObject(parent)
    , url_(url)
    , options_(options)
    , workDir_(tempDir + QString::number(number) + QLatin1Char('_') + randomId())
{
}

SniffTask::SniffTask(const SniffTask &other, QObject *parent)
    : QObject(parent)
    , url_(other.url_)
    , options_(other.options_)
    , state_(other.state_)
    , info_(other.info_)
    , progress_(other.progress_)
    , finished_(other.finished_)
    , workDir_(other.workDir_)
    , thumbnailPath_(other.thumbnailPath_)
{
}

void SniffTask::reportTransition(State from, State to) const
{
    if (!options_.sendsUsageEvents())
        return;
    const QString download = QStringLiteral("Download");
    if (from == State::Downloading && to == State::Converting)
        reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Success"));
    else if (from == State::Converting && to == State::Finished)
        reportEvent(download, QStringLiteral("ConvertSuccessRate"), QStringLiteral("Success"));
    else if (from == State::Converting && to == State::Failed)
        reportEvent(download, QStringLiteral("ConvertSuccessRate"), QStringLiteral("Fail"));
    else if (from == State::Downloading && to == State::Finished)
        reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Success"));
    else if (from == State::Downloading && to == State::Failed) {
        reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Fail"));
        // Reported as its site's name only, and not even that for a private download.
        reportEvent(download, QStringLiteral("ClipDownloadFailURL"),
                    protocol::isPrivateFile(info_) ? QString() : url_);
    }
}

void SniffTask::setState(State state)
{
    reportTransition(state_, state);
    state_ = state;
    switch (state) {
    case State::Waiting:
        Q_EMIT taskResumed(this);
        break;
    case State::Downloading:
        Q_EMIT taskDownloading(this);
        break;
    case State::Paused:
        Q_EMIT taskPaused(this);
        break;
    case State::Converting:
        Q_EMIT taskConverting(this);
        break;
    case State::Saved:
    case State::Finished:
    case State::Failed:
        Q_EMIT taskFinished(this);
        break;
    case State::Saving:
        break;
    }
}

void SniffTask::markStarted()
{
    Q_EMIT taskStarted(this);
}

void SniffTask::setSniffed(const QByteArray &line)
{
    info_ = line;
    Q_EMIT taskSniffed(this);
}

void SniffTask::saveThumbnail(const QByteArray &png)
{
    const QString folder = downloadDir() + "/.thumb/";
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        platform::setHidden(folder, true);
    }
    const QString path = protocol::filePath(info_);
    const QString base = path.isEmpty() ? randomId() : QFileInfo(path).completeBaseName();
    const QString target = folder + base + ".png";
    QFile file(target);
    if (file.open(QIODevice::WriteOnly) && file.write(png) == png.size())
        thumbnailPath_ = target;
}

bool SniffTask::matches(const QStringList &keywords) const
{
    const QString title = protocol::title(info_);
    for (const QString &k : keywords) {
        if (!title.contains(k, Qt::CaseInsensitive))
            return false;
    }
    return true;
}
