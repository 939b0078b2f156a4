#include "provision/dltoolmanager.h"

#include "app/applog.h"
#include "app/globals.h"
#include "app/preferences.h"
#include "platform/platform.h"
#include "provision/fileassitant.h"
#include "provision/updatecheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {
const QString kTag = QStringLiteral("[DlToolManager]");
}

int DlToolManager::retryWaitMs = 5000;

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
    locationValue = Preferences().value(QStringLiteral("DlToolLocation")).toString();
    writeLog(kTag, QStringLiteral("[init] location: %1, exist: %2")
                       .arg(locationValue)
                       .arg(QFileInfo::exists(locationValue) ? 1 : 0));
    if (!locationValue.isEmpty())
        cleanOldBuilds();
}

void DlToolManager::cleanOldBuilds()
{
    // Old unpacked builds: every folder that is not the one in use (files are left alone).
    const QFileInfoList entries =
        QDir(managerDir()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName().endsWith(QLatin1String(".zip")) ||
            !locationValue.contains(entry.fileName()))
            FileAssitant::remove(entry.absoluteFilePath());
    }
}

QString DlToolManager::platformKey()
{
    return QStringLiteral("linux");
}

QString DlToolManager::defaultToolPath()
{
    return applicationDir() + QLatin1Char('/') +
           platform::executableName(QStringLiteral("vantoro-dl"));
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

DlToolManager::CheckResult DlToolManager::check(const QString &location)
{
    CheckResult result;
    const ManifestReply reply = fetchManifest(updateServer() + "/vantoro-dl/dl_config.json");
    if (reply.timedOut) {
        writeLog(kTag, QStringLiteral("checkUpdate timeout"));
        result.outcome = CheckResult::RetryNow;
        return result;
    }
    if (reply.errorCode != 0) {
        writeLog(kTag, QStringLiteral("Check update vantoro-dl failed! error: %1(%2)")
                           .arg(reply.errorText)
                           .arg(reply.errorCode));
        result.outcome = CheckResult::RetryLater;
        return result;
    }
    const QJsonObject remote = QJsonDocument::fromJson(reply.body).object();
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

    const QJsonObject build = remote.value(platformKey()).toObject();
    result.url = build.value("url").toString();
    result.md5 = build.value("md5").toString();
    const QString archive = QFileInfo(QUrl(result.url).path()).fileName();
    result.zipPath = QStringLiteral("%1/%2").arg(managerDir(), archive);
    result.unzipDir =
        QStringLiteral("%1/%2").arg(managerDir(), QFileInfo(archive).completeBaseName());
    if (result.url.isEmpty() || archive.isEmpty()) {
        writeLog(kTag, QStringLiteral("the manifest has no %1 build").arg(platformKey()));
        result.outcome = CheckResult::NoUpdate;
        return result;
    }
    QFile out(savedPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(reply.body) != reply.body.size()) {
        writeLog(kTag, QStringLiteral("Can not write vantoro-dl config!"));
        result.outcome = CheckResult::RetryLater;
        return result;
    }
    result.outcome = CheckResult::UpdateNeeded;
    return result;
}

void DlToolManager::startCheck()
{
    const QString current = locationValue;
    runOnPool<CheckResult>(
        this, [current] { return check(current); },
        [this](const CheckResult &result) { onCheckDone(result); });
}

void DlToolManager::onCheckDone(const CheckResult &result)
{
    if (result.useDefault)
        locationValue = defaultToolPath();
    switch (result.outcome) {
    case CheckResult::RetryNow:
        retry(false);
        return;
    case CheckResult::RetryLater:
        retry(true);
        return;
    case CheckResult::NoUpdate:
        Q_EMIT checkFinished(false);
        return;
    case CheckResult::UpdateNeeded:
        break;
    }
    writeLog(kTag + ' ', QStringLiteral("needUpdate"));
    Q_EMIT checkFinished(true);
    if (!installer) {
        installer = new ArchiveInstaller(kTag, QStringLiteral("Tool"), this);
        connect(installer, &ArchiveInstaller::installed, this, [this](const QString &dir) {
            locationValue =
                dir + QLatin1Char('/') + platform::executableName(QStringLiteral("vantoro-dl"));
            Preferences().setValue(QStringLiteral("DlToolLocation"), locationValue);
            Q_EMIT updateInstalled(locationValue);
        });
        connect(installer, &ArchiveInstaller::failed, this, [this] { retry(true); });
    }
    installer->install(result.url, result.md5, result.zipPath, result.unzipDir,
                       platform::executableName(QStringLiteral("vantoro-dl")));
}

void DlToolManager::retry(bool wait)
{
    if (retryCount >= kMaxRetries)
        return;
    writeLog(kTag, QStringLiteral("checkUpdate retry... %1").arg(retryCount + 1));
    if (wait)
        waitEventLoop(retryWaitMs);
    ++retryCount;
    startCheck();
}
