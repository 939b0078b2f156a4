#include "engine/snifftask.h"

#include "analytics/analytics.h"
#include "app/globals.h"
#include "app/preferences.h"
#include "engine/thumboperator.h"
#include "engine/toolprotocol.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
int nextDownloadNumber()
{
    Preferences prefs;
    const int number = prefs.value(QStringLiteral("download_num"), 0).toInt() + 1;
    prefs.setValue(QStringLiteral("download_num"), number);
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

void SniffTask::detachThumbOperator()
{
    if (thumbOperator)
        thumbOperator->clearTask();
    thumbOperator = nullptr;
}
