#pragma once

// What the two update managers share: where updates come from, fetching a manifest on the
// thread pool, and the fetch-verify-unpack road of an update archive.

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class CurlProxy;
class FileAssitant;
class ZipProxy;

// Makes the embedded manifests and page scripts available (the library is linked statically).
void initProvisionResources();

// The update server, "scheme://host[:port]" without a trailing slash (setting "kUpdate_Server").
QString updateServer();

struct ManifestReply
{
    bool timedOut = false;
    int errorCode = 0; // QNetworkReply::NetworkError
    QString errorText;
    QByteArray body;
};

// The largest manifest read; a larger answer fails the check.
constexpr qint64 kMaxManifestBytes = 1024 * 1024;

// GETs the address with its own network manager and event loop; for use on a pool thread.
ManifestReply fetchManifest(const QString &url, int timeoutMs = 10000);

// What an update check found; computed on the pool and handed back whole, so that nothing is
// shared between the pool thread and the GUI thread while it runs.
struct UpdateCheckResult
{
    enum Outcome
    {
        NoUpdate,
        UpdateNeeded,
        RetryNow,
        RetryLater
    } outcome = NoUpdate;
    bool useDefault = false; // the shipped copy is current
    QJsonObject manifest;    // the remote manifest
    QByteArray manifestBytes;
    QString url, md5, zipPath, unzipDir;
};

// A manifest's bytes as a JSON object; empty when they are too many or not an object.
QJsonObject parseManifest(const QByteArray &bytes);

// What a manifest entry says of an update archive. Only an http(s) address ending in a plain
// file name (no folder parts, no "..") is usable; the archive is saved under that name and
// unpacked into a folder named after it.
struct ArchiveEntry
{
    QString url;
    QString md5;
    QString fileName;   // "vantoro-dl-linux.zip"
    QString folderName; // "vantoro-dl-linux"
    bool usable = false;
};
ArchiveEntry archiveEntry(const QJsonObject &entry);

// Fetches the manifest of `what` ("vantoro-dl", "scripts-2.0.0.json"). On a time-out or an
// error it logs, sets the retry outcome and returns false.
bool fetchManifestOrRetry(const QString &tag, const QString &what, const QString &url,
                          UpdateCheckResult *result);

// The retry road both managers share: at most kMaxRetries checks more per process life,
// each after a wait unless the last one timed out.
class UpdateRetrier
{
public:
    static constexpr int kMaxRetries = 10;
    static int waitMs;
    int count() const { return retries; }
    // Schedules `restart` on the context's thread, after waitMs when `wait`. False when no
    // retry is left (or the application is quitting).
    bool retry(QObject *context, const QString &tag, bool wait,
               const std::function<void()> &restart);

private:
    int retries = 0;
};

// Acts on a check's outcome: retries, reports that nothing is to be done, or returns true when
// the caller should install the update.
bool shouldInstall(const UpdateCheckResult &result, const std::function<void(bool)> &retry,
                   const std::function<void()> &nothingToDo);

// Runs work on the global thread pool and hands its result to done on the context's thread,
// unless the context is gone by then.
template <typename Result>
void runOnPool(QObject *context, std::function<Result()> work, std::function<void(Result)> done);

// Fetches an archive, checks its MD5 and unpacks it. The archive is unpacked into a staging
// folder first; only a complete unpack (holding the required file as an executable, when one is
// named) replaces the target folder, so a tool in use is never overwritten by a half install.
class ArchiveInstaller : public QObject
{
    Q_OBJECT
public:
    // word: "Tool" or "Res", as in the log lines "downloadTool begin", "verifyRes success!".
    ArchiveInstaller(const QString &tag, const QString &word, QObject *parent = nullptr);

    void install(const QString &url, const QString &md5, const QString &zipPath,
                 const QString &unzipDir, const QString &requiredExecutable = QString());

Q_SIGNALS:
    void installed(const QString &unzipDir);
    // The archive is removed; the owner decides whether to retry.
    void failed(const QString &reason);

private:
    void onDownloaded();
    void onHashed(const QString &digest);
    void onUnpacked(int exitCode);
    void fail(const QString &reason);

    QString tag;
    QString word;
    CurlProxy *curl = nullptr;
    FileAssitant *hasher = nullptr;
    ZipProxy *zip = nullptr;
    QString url, md5, zipPath, unzipDir, required;
};

#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>

template <typename Result>
void runOnPool(QObject *context, std::function<Result()> work, std::function<void(Result)> done)
{
    QPointer<QObject> guard(context);
    QThreadPool::globalInstance()->start([guard, work, done] {
        Result result = work();
        QObject *target = guard.data();
        if (!target)
            return;
        QMetaObject::invokeMethod(
            target,
            [guard, done, result] {
                if (guard)
                    done(result);
            },
            Qt::QueuedConnection);
    });
}
