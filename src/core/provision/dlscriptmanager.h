#pragma once

// The page scripts of the built-in browser: the bundle that ships in the resources or a newer
// one fetched from the update server, and which script serves an address.

#include "core/provision/updatecheck.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

class DlScriptManager : public QObject
{
    Q_OBJECT
public:
    static DlScriptManager *instance();
    explicit DlScriptManager(QObject *parent = nullptr);

    void parseUrl(const QString &url);
    QString commonJs() const { return commonJsText; }
    QString siteScript() const { return siteScriptText; }
    QJsonArray premium() const { return premiumSites; }
    bool isDefault() const { return usingDefault; }
    QString location() const { return locationValue; }
    QString version() const { return manifest.value(QStringLiteral("version")).toString(); }

    void startCheck();
    int retries() const { return retrier.count(); }

    static QString baseDir();
    static UpdateCheckResult check(const QString &location, const QString &defaultVersion);
    // True when the folder holds common.js and every script the list names. A folder with fewer
    // scripts than required is removed.
    static bool isComplete(const QString &folder, const QJsonArray &scripts);

Q_SIGNALS:
    void checkFinished(bool updateNeeded);
    void updateInstalled(const QString &location);

private:
    void applyManifest(const QJsonObject &m);
    void loadCommonJs();
    void onCheckDone(const UpdateCheckResult &result);
    void onInstalled(const QString &dir);
    void retry(bool wait);

    bool usingDefault = true;
    QString defaultVersion;
    QJsonObject manifest;
    QJsonObject pending; // the manifest being installed
    QJsonArray premiumSites, scripts;
    QString commonJsText;
    QString siteScriptText;
    QString locationValue;
    ArchiveInstaller *installer = nullptr;
    UpdateRetrier retrier;
};
