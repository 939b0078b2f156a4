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
#include <QTimer>

namespace {
int nextDownloadNumber()
{
    Preferences *prefs = Preferences::instance();
    const int number = prefs->downloadCounter() + 1;
    prefs->setDownloadCounter(number);
    return number;
}
} // namespace

SniffTask::SniffTask(const QString &url, const QMap<QString, QString> &params, QObject *parent)
    : SniffTask(url, params, nextDownloadNumber(), downloadTempDir(false), parent)
{
}

SniffTask::SniffTask(const QString &url, const QMap<QString, QString> &params, int number,
                     const QString &tempDir, QObject *parent)
    : QObject(parent)
    , url(url)
    , workDir(tempDir + QString::number(number) + QLatin1Char('_') + randomId())
    , params(params)
{
}

SniffTask::SniffTask(const SniffTask &other, QObject *parent)
    : QObject(parent)
    , url(other.url)
    , info(other.info)
    , progress(other.progress)
    , finished(other.finished)
    , workDir(other.workDir)
    , thumbnailPath(other.thumbnailPath)
    , params(other.params)
    , stateValue(other.stateValue)
{
}

void SniffTask::setState(int newState)
{
    const int old = stateValue;
    if (params.value(QStringLiteral("fromPlaylist")).isEmpty()) {
        const QString download = QStringLiteral("Download");
        if (old == Downloading && newState == Converting)
            reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Success"));
        else if (old == Converting && newState == Finished)
            reportEvent(download, QStringLiteral("ConvertSuccessRate"), QStringLiteral("Success"));
        else if (old == Converting && newState == Failed)
            reportEvent(download, QStringLiteral("ConvertSuccessRate"), QStringLiteral("Fail"));
        else if (old == Downloading && newState == Finished)
            reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Success"));
        else if (old == Downloading && newState == Failed) {
            reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Fail"));
            reportEvent(download, QStringLiteral("ClipDownloadFailURL"), url);
        }
    }
    stateValue = newState;
    switch (newState) {
    case Waiting:
        Q_EMIT taskResumed(this);
        break;
    case Downloading:
        Q_EMIT taskDownloading(this);
        break;
    case Paused:
        Q_EMIT taskPaused(this);
        break;
    case Converting:
        Q_EMIT taskConverting(this);
        break;
    case Saved:
    case Finished:
    case Failed:
        Q_EMIT taskFinished(this);
        break;
    default:
        break;
    }
}

void SniffTask::saveThumbnail(const QByteArray &png)
{
    const QString folder = downloadDir() + "/.thumb/";
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        platform::setHidden(folder, true);
    }
    const QString path = protocol::filePath(info);
    const QString base = path.isEmpty() ? randomId() : QFileInfo(path).completeBaseName();
    const QString target = folder + base + ".png";
    QFile file(target);
    if (file.open(QIODevice::WriteOnly) && file.write(png) == png.size())
        thumbnailPath = target;
}

bool SniffTask::matches(const QStringList &keywords) const
{
    const QString title = protocol::title(info);
    for (const QString &k : keywords) {
        if (!title.contains(k, Qt::CaseInsensitive))
            return false;
    }
    return true;
}
