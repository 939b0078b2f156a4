#include "gui/mainwindow/desktopbridge.h"

#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/preferences.h"
#include "core/foundation/privatelistmanager.h"
#include "core/platform/desktopnotifications.h"
#include "core/platform/platform.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

namespace {
const QString kDownloadToken = QStringLiteral("download:");
const QString kFailedDownloadToken = QStringLiteral("download-failed:");
const QString kConversionToken = QStringLiteral("conversion:");
const QString kFailedConversionToken = QStringLiteral("conversion-failed:");
} // namespace

DesktopBridge::DesktopBridge(QWidget *window, SniffMgr *downloads, ConvertManager *conversions,
                             QObject *parent)
    : QObject(parent)
    , window(window)
    , downloads(downloads)
    , conversions(conversions)
    , notifications(new platform::DesktopNotifications(this))
    , awakeCheck(new QTimer(this))
{
    qRegisterMetaType<DesktopBridge::Job>();
    connect(downloads, &SniffMgr::taskRunEnded, this, &DesktopBridge::onDownloadEnded);
    connect(conversions, &ConvertManager::converterManagerTaskDidFinished, this,
            &DesktopBridge::onConversionEnded);
    connect(notifications, &platform::DesktopNotifications::activated, this,
            &DesktopBridge::onActivated);

    // Looked at once the converter has settled: a conversion that ends is followed at once by
    // the next one in the queue, and the request should not flicker in between.
    awakeCheck->setSingleShot(true);
    awakeCheck->setInterval(0);
    connect(awakeCheck, &QTimer::timeout, this, [this] {
        platform::keepSystemAwake(QStringLiteral("conversions"),
                                  !this->conversions->runningTasks().isEmpty());
    });
    const auto check = [this] {
        awakeCheck->start();
    };
    connect(conversions, &ConvertManager::converterManagerStatusDidChange, this, check);
    connect(conversions, &ConvertManager::converterManagerTaskDidFinished, this, check);
    connect(conversions, &ConvertManager::converterManagerTaskDidCancelAll, this, check);
    connect(conversions, &ConvertManager::converterManagerTaskDidStartAll, this, check);
}

bool DesktopBridge::wanted() const
{
    return Preferences::instance()->desktopNotifications() && !QApplication::activeWindow();
}

void DesktopBridge::notify(const QString &title, const QString &body, const QString &token)
{
    if (wanted())
        notifications->show(title, body, token);
}

void DesktopBridge::onDownloadEnded(SniffTask *task)
{
    const SniffTask::State state = task->state();
    const bool failed = state == SniffTask::State::Failed;
    if (!failed && state != SniffTask::State::Finished && state != SniffTask::State::Saved)
        return; // paused
    // A private download is never named outside the private view.
    const bool hidden =
        task->isPrivateJob() || PrivateListManager::instance()->marksPrivate(task->url());
    QString body;
    if (hidden) {
        body = tr("A private download");
    } else {
        body = task->title();
        if (body.isEmpty())
            body = QFileInfo(task->filePath()).fileName();
        if (body.isEmpty())
            body = displayAddress(task->url());
    }
    notify(failed ? tr("Download failed") : tr("Download finished"), body,
           (failed ? kFailedDownloadToken : kDownloadToken) + task->workDir());
}

void DesktopBridge::onConversionEnded(ConvertTask *task, bool failed)
{
    const ConvMediaInfo *result = task->resultInfo();
    const QString file = !failed && result && !result->outputPath.isEmpty()
                             ? result->outputPath
                             : task->sourceInfo()->sourcePath;
    if (!failed && task->state() != ConvertTask::Converted)
        return; // stopped
    notify(failed ? tr("Conversion failed") : tr("Conversion finished"), QFileInfo(file).fileName(),
           (failed ? kFailedConversionToken : kConversionToken) + file);
}

void DesktopBridge::onActivated(const QString &token)
{
    const struct
    {
        const QString &prefix;
        Job job;
        bool failed;
    } kinds[] = {{kDownloadToken, Job::Download, false},
                 {kFailedDownloadToken, Job::Download, true},
                 {kConversionToken, Job::Conversion, false},
                 {kFailedConversionToken, Job::Conversion, true}};
    for (const auto &kind : kinds) {
        if (token.startsWith(kind.prefix)) {
            Q_EMIT rowRequested(kind.job, token.mid(kind.prefix.size()), kind.failed);
            return;
        }
    }
}
