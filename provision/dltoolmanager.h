#pragma once

// Knows where the download tool is (the copy that ships beside the application, or a newer
// build installed into the data folder) and keeps that newer build up to date.

#include <QObject>
#include <QString>

class ArchiveInstaller;

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
    int retries() const { return retryCount; }

    // The manifest's platform entry used here, and the wait before a retry.
    static QString platformKey();
    static int retryWaitMs;
    static constexpr int kMaxRetries = 10;

    // What a check found; computed on the pool and handed back whole.
    struct CheckResult
    {
        enum Outcome
        {
            NoUpdate,
            UpdateNeeded,
            RetryNow,
            RetryLater
        } outcome = NoUpdate;
        bool useDefault = false; // the shipped tool is current
        QString url, md5, zipPath, unzipDir;
    };
    static CheckResult check(const QString &location);

Q_SIGNALS:
    // A check ended without anything to install (or the shipped tool is current).
    void checkFinished(bool updateNeeded);
    void updateInstalled(const QString &location);

private:
    void onCheckDone(const CheckResult &result);
    void retry(bool wait);
    void cleanOldBuilds();

    QString locationValue;
    ArchiveInstaller *installer = nullptr;
    int retryCount = 0;
};
