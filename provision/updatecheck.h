#pragma once

// What the two update managers share: where updates come from, fetching a manifest on the
// thread pool, and the fetch-verify-unpack road of an update archive.

#include <QByteArray>
#include <QObject>
#include <QString>

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

// GETs the address with its own network manager and event loop; for use on a pool thread.
ManifestReply fetchManifest(const QString &url, int timeoutMs = 10000);

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
