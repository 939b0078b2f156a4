#include "core/provision/dlscriptmanager.h"

#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/provision/dltoolmanager.h"
#include "core/provision/fileassitant.h"
#include "core/provision/updatecheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSet>
#include <QUrl>

namespace {
const QString kTag = QStringLiteral("[DlScriptManager]");
const QString kManifestName = QStringLiteral("scripts-2.0.0.json");
const QString kEmbedded = QStringLiteral(":/js/download");

QJsonObject readJson(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}
} // namespace

DlScriptManager *DlScriptManager::instance()
{
    static DlScriptManager *manager = new DlScriptManager;
    return manager;
}

QString DlScriptManager::baseDir()
{
    return scriptsDir();
}

DlScriptManager::DlScriptManager(QObject *parent)
    : QObject(parent)
{
    initProvisionResources();
    bool ok = false;
    manifest = readJson(QStringLiteral(":/js/") + kManifestName, &ok);
    defaultVersion = manifest.value("version").toString();
    locationValue = Preferences::instance()->scriptsLocation();
    const QString installed = locationValue + '/' + kManifestName;
    if (!locationValue.isEmpty() && QFileInfo::exists(installed)) {
        const QJsonObject candidate = readJson(installed, &ok);
        if (!ok)
            writeLog(kTag, QStringLiteral("Can not open %1").arg(installed));
        else if (compareVersions(candidate.value("version").toString(), defaultVersion) > 0 &&
                 isComplete(locationValue, candidate.value("scripts").toArray())) {
            usingDefault = false;
            manifest = candidate;
        }
    }
    if (!manifest.isEmpty())
        applyManifest(manifest);
    loadCommonJs();
}

void DlScriptManager::applyManifest(const QJsonObject &m)
{
    scripts = m.value("scripts").toArray();
    premiumSites = m.value("premium").toArray();
}

void DlScriptManager::loadCommonJs()
{
    const QString path = usingDefault ? kEmbedded + "/common.js" : locationValue + "/common.js";
    writeLog(kTag, QStringLiteral("defaultVersion: %1, isDefault: %2")
                       .arg(defaultVersion)
                       .arg(usingDefault ? 1 : 0));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        writeLog(kTag, QStringLiteral("Can not open %1").arg(path));
        return;
    }
    commonJsText = QString::fromUtf8(file.readAll());
}

bool DlScriptManager::isComplete(const QString &folder, const QJsonArray &list)
{
    const QStringList present = QDir(folder).entryList({QStringLiteral("*.js")}, QDir::Files);
    QStringList required{QStringLiteral("common.js")};
    for (const QJsonValue &entry : list)
        required << entry.toObject().value("script").toString();
    if (present.size() < required.size()) {
        writeLog(kTag, QStringLiteral("Scripts is incompleted!"));
        FileAssitant::remove(folder);
        return false;
    }
    for (const QString &name : required) {
        if (!present.contains(name)) {
            writeLog(kTag, QStringLiteral("%1 is miss!").arg(name));
            return false;
        }
    }
    return true;
}

void DlScriptManager::parseUrl(const QString &url)
{
    writeLog(QStringLiteral("[DlScriptManager] parseUrl:"), url);
    siteScriptText.clear();
    QString script;
    for (const QJsonValue &entry : scripts) {
        for (const QJsonValue &pattern : entry.toObject().value("websitePatterns").toArray()) {
            if (url.contains(pattern.toString())) {
                script = entry.toObject().value("script").toString();
                break;
            }
        }
        if (!script.isEmpty())
            break;
    }
    if (script.isEmpty()) {
        writeLog(kTag, QStringLiteral("parseUrl not found websitePatterns."));
        return;
    }
    const QString path =
        QStringLiteral("%1/%2").arg(usingDefault ? kEmbedded : locationValue, script);
    writeLog(QStringLiteral("[DlScriptManager] fileName:"), path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        writeLog(QStringLiteral("[Error] "), QStringLiteral("Can not open %1!").arg(path));
        return;
    }
    siteScriptText = QString::fromUtf8(file.readAll());
}

UpdateCheckResult DlScriptManager::check(const QString &location, const QString &defaultVersion)
{
    UpdateCheckResult result;
    if (!fetchManifestOrRetry(kTag, kManifestName,
                              updateServer() + "/vantoro-scripts/" + kManifestName, &result))
        return result;
    const QJsonObject remote = result.manifest;
    const QString remoteVersion = remote.value("version").toString();
    const QString installedPath = location + '/' + kManifestName;
    if (location.isEmpty() || !QFileInfo::exists(installedPath)) {
        if (compareVersions(remoteVersion, defaultVersion) <= 0) {
            writeLog(kTag, QStringLiteral("Skip update scripts-2.0.0.json, use default"));
            return result;
        }
    } else {
        bool ok = false;
        const QJsonObject installed = readJson(installedPath, &ok);
        if (!ok) {
            writeLog(kTag, QStringLiteral("Can not open scripts-2.0.0.json"));
        } else if (compareVersions(remoteVersion, installed.value("version").toString()) <= 0 &&
                   isComplete(location, remote.value("scripts").toArray())) {
            writeLog(kTag, QStringLiteral("Skip update scripts-2.0.0.json"));
            return result;
        }
    }
    const ArchiveEntry archive = archiveEntry(remote);
    if (!archive.usable) {
        writeLog(kTag, QStringLiteral("the manifest names no usable archive"));
        return result;
    }
    result.zipPath = QStringLiteral("%1/%2").arg(baseDir(), archive.fileName);
    result.unzipDir = QStringLiteral("%1/%2").arg(baseDir(), archive.folderName);
    if (!location.isEmpty() && QFileInfo(location).isDir()) {
        QFile out(installedPath);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(result.manifestBytes) != result.manifestBytes.size()) {
            writeLog(
                kTag,
                QStringLiteral("Can not write %1, msg: %2").arg(installedPath, out.errorString()));
            result.outcome = UpdateCheckResult::RetryLater;
            return result;
        }
    }
    result.outcome = UpdateCheckResult::UpdateNeeded;
    return result;
}

void DlScriptManager::startCheck()
{
    const QString location = locationValue;
    const QString version = defaultVersion;
    runOnPool<UpdateCheckResult>(
        this, [location, version] { return check(location, version); },
        [this](const UpdateCheckResult &result) { onCheckDone(result); });
}

void DlScriptManager::onCheckDone(const UpdateCheckResult &result)
{
    if (!shouldInstall(
            result, [this](bool wait) { retry(wait); }, [this] { Q_EMIT checkFinished(false); }))
        return;
    writeLog(kTag, QStringLiteral("needUpdate"));
    Q_EMIT checkFinished(true);
    pending = result.manifest;
    if (!installer) {
        installer = new ArchiveInstaller(kTag, QStringLiteral("Res"), this);
        connect(installer, &ArchiveInstaller::installed, this, &DlScriptManager::onInstalled);
        connect(installer, &ArchiveInstaller::failed, this, [this] { retry(true); });
    }
    installer->install(pending.value("url").toString(), pending.value("md5").toString(),
                       result.zipPath, result.unzipDir);
}

void DlScriptManager::onInstalled(const QString &dir)
{
    const QString version = pending.value("version").toString();
    writeLog(kTag, QStringLiteral("[unzipRes] newVersion: %1").arg(version));
    if (compareVersions(version, defaultVersion) <= 0) {
        writeLog(kTag, QStringLiteral("[unzipRes] Use default"));
        return;
    }
    // The archive's own manifest may lag; the one just checked describes what was installed.
    QFile own(dir + '/' + kManifestName);
    if (own.open(QIODevice::WriteOnly | QIODevice::Truncate))
        own.write(QJsonDocument(pending).toJson());
    own.close();
    if (!isComplete(dir, pending.value("scripts").toArray())) {
        retry(true);
        return;
    }
    writeLog(kTag, QStringLiteral("[unzipRes] Use latest"));
    usingDefault = false;
    manifest = pending;
    applyManifest(manifest);
    locationValue = dir;
    Preferences::instance()->setScriptsLocation(locationValue);
    loadCommonJs();
    FileAssitant::removeStaleEntries(baseDir(), QDir::Files | QDir::Dirs, locationValue);
    Q_EMIT updateInstalled(locationValue);
}

void DlScriptManager::retry(bool wait)
{
    retrier.retry(this, kTag, wait, [this] { startCheck(); });
}
