#include "core/provision/dltoolmanager.h"

#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"
#include "core/provision/fileassitant.h"
#include "core/provision/updatecheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {
const QString kTag = QStringLiteral("[DlToolManager]");
}

DlToolManager *DlToolManager::instance()
{
    static DlToolManager *manager = new DlToolManager;
    return manager;
}

DlToolManager::DlToolManager(QObject *parent)
    : QObject(parent)
{
    initProvisionResources();
    const QString dir = managerDir();
    if (!QFileInfo::exists(dir))
        QDir().mkpath(dir);
    locationValue = Preferences::instance()->toolLocation();
    writeLog(kTag, QStringLiteral("[init] location: %1, exist: %2")
                       .arg(locationValue)
                       .arg(QFileInfo::exists(locationValue) ? 1 : 0));
    if (!locationValue.isEmpty())
        cleanOldBuilds();
}

void DlToolManager::cleanOldBuilds()
{
    // Old unpacked builds: every folder that is not the one in use (files are left alone).
    FileAssitant::removeStaleEntries(managerDir(), QDir::Dirs, locationValue);
}

QString DlToolManager::platformKey()
{
    return QStringLiteral("linux");
}

QString DlToolManager::defaultToolPath()
{
    return helperPath(platform::executableName(QStringLiteral("vantoro-dl")));
}

QString DlToolManager::managerDir()
{
    return appDataDir() + "/vantoro-dl";
}

bool DlToolManager::isAvailable() const
{
    if (!locationValue.isEmpty() && QFileInfo::exists(locationValue))
        return true;
    writeLog(kTag, QStringLiteral("[checkLatestLocation] Not find latest or not updated, try check "
                                  "default..."));
    if (QFileInfo::exists(defaultToolPath()))
        return true;
    writeLog(kTag, QStringLiteral("[checkLatestLocation] Not find default."));
    return false;
}

QString DlToolManager::toolPath() const
{
    if (!locationValue.isEmpty() && QFileInfo::exists(locationValue))
        return locationValue;
    return defaultToolPath();
}

UpdateCheckResult DlToolManager::check(const QString &location)
{
    UpdateCheckResult result;
    if (!fetchManifestOrRetry(kTag, QStringLiteral("vantoro-dl"),
                              updateServer() + "/vantoro-dl/dl_config.json", &result))
        return result;
    const QJsonObject &remote = result.manifest;
    const QString remoteVersion = remote.value("version").toString();

    bool needed = false;
    QFile embedded(QStringLiteral(":/js/dl_config.json"));
    if (!embedded.open(QIODevice::ReadOnly)) {
        writeLog(kTag, QStringLiteral("Can not open default dl_config!"));
    } else if (compareVersions(
                   QJsonDocument::fromJson(embedded.readAll()).object().value("version").toString(),
                   remoteVersion) >= 0) {
        result.useDefault = true;
        writeLog(kTag, QStringLiteral("Skip update, location: %1").arg(defaultToolPath()));
        return result;
    }
    const QString savedPath = managerDir() + "/dl_config.json";
    QFile saved(savedPath);
    if (!saved.exists()) {
        needed = true;
    } else if (!saved.open(QIODevice::ReadOnly)) {
        writeLog(kTag, QStringLiteral("Can not open latest dl_config!"));
        needed = true;
    } else if (compareVersions(
                   remoteVersion,
                   QJsonDocument::fromJson(saved.readAll()).object().value("version").toString()) >
               0) {
        needed = true;
    } else if (!QFileInfo::exists(location)) {
        writeLog(kTag, QStringLiteral("checkUpdate => Not find %1.")
                           .arg(location.isEmpty() ? QStringLiteral("vantoro-dl") : location));
        needed = true;
    }
    saved.close();
    if (!needed)
        return result;

    const ArchiveEntry archive = archiveEntry(remote.value(platformKey()).toObject());
    result.url = archive.url;
    result.md5 = archive.md5;
    result.zipPath = QStringLiteral("%1/%2").arg(managerDir(), archive.fileName);
    result.unzipDir = QStringLiteral("%1/%2").arg(managerDir(), archive.folderName);
    if (!archive.usable) {
        writeLog(kTag, QStringLiteral("the manifest has no usable %1 build").arg(platformKey()));
        result.outcome = UpdateCheckResult::NoUpdate;
        return result;
    }
    QFile out(savedPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(result.manifestBytes) != result.manifestBytes.size()) {
        writeLog(kTag, QStringLiteral("Can not write vantoro-dl config!"));
        result.outcome = UpdateCheckResult::RetryLater;
        return result;
    }
    result.outcome = UpdateCheckResult::UpdateNeeded;
    return result;
}

void DlToolManager::startCheck()
{
    const QString current = locationValue;
    runOnPool<UpdateCheckResult>(
        this, [current] { return check(current); },
        [this](const UpdateCheckResult &result) { onCheckDone(result); });
}

void DlToolManager::onCheckDone(const UpdateCheckResult &result)
{
    if (result.useDefault)
        locationValue = defaultToolPath();
    if (!shouldInstall(
            result, [this](bool wait) { retry(wait); }, [this] { Q_EMIT checkFinished(false); }))
        return;
    writeLog(kTag + ' ', QStringLiteral("needUpdate"));
    Q_EMIT checkFinished(true);
    if (!installer) {
        installer = new ArchiveInstaller(kTag, QStringLiteral("Tool"), this);
        connect(installer, &ArchiveInstaller::installed, this, [this](const QString &dir) {
            locationValue =
                dir + QLatin1Char('/') + platform::executableName(QStringLiteral("vantoro-dl"));
            Preferences::instance()->setToolLocation(locationValue);
            Q_EMIT updateInstalled(locationValue);
        });
        connect(installer, &ArchiveInstaller::failed, this, [this] { retry(true); });
    }
    installer->install(result.url, result.md5, result.zipPath, result.unzipDir,
                       platform::executableName(QStringLiteral("vantoro-dl")));
}

void DlToolManager::retry(bool wait)
{
    if (!retrier.retry(this, kTag, wait, [this] { startCheck(); }))
        Q_EMIT retriesExhausted();
}
