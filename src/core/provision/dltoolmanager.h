#pragma once

// Knows where the download tool is (the copy that ships beside the application, or a newer
// build installed into the data folder) and keeps that newer build up to date.

#include "core/provision/updatecheck.h"

#include <QObject>
#include <QString>

class DlToolManager : public QObject
{
    Q_OBJECT
public:
    static DlToolManager *instance();

    // Public so that tests can build managers of their own; the application uses instance().
    explicit DlToolManager(QObject *parent = nullptr);

    bool isAvailable() const;
    QString toolPath() const;

    // The tool that ships with the application, and the folder newer builds are unpacked into.
    static QString defaultToolPath();
    static QString managerDir();
    QString location() const { return locationValue; }

    // Checks the update server on the thread pool and installs a newer build when there is one.
    void startCheck();
    int retries() const { return retrier.count(); }

    // The manifest's platform entry used here.
    static QString platformKey();
    static UpdateCheckResult check(const QString &location);

Q_SIGNALS:
    // A check ended without anything to install (or the shipped tool is current).
    void checkFinished(bool updateNeeded);
    void updateInstalled(const QString &location);
    // A failed check found no retry left: nothing more is asked of the server.
    void retriesExhausted();

private:
    void onCheckDone(const UpdateCheckResult &result);
    void retry(bool wait);
    void cleanOldBuilds();

    QString locationValue;
    ArchiveInstaller *installer = nullptr;
    UpdateRetrier retrier;
};
