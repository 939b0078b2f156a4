#include "core/provision/updatecheck.h"

#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/provision/curlproxy.h"
#include "core/provision/fileassitant.h"
#include "core/provision/zipproxy.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <atomic>

static void initResourcesOnce()
{
    Q_INIT_RESOURCE(provision);
}

void initProvisionResources()
{
    static const bool done = (initResourcesOnce(), true);
    Q_UNUSED(done)
}

QString updateServer()
{
    // The environment wins over the setting, so that a test or an administrator can redirect
    // every update check without touching the user's settings.
    QString server = qEnvironmentVariable("CLIPMOOR_UPDATE_SERVER");
    if (server.isEmpty())
        server = Preferences::instance()->updateServer();
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    return server;
}

namespace {
// Once the application is quitting, a check in progress gives up at once and no new one starts:
// quitting must not wait for a slow or unreachable server.
std::atomic_bool quitting{false};

void watchForQuit()
{
    static const bool watching = [] {
        if (QCoreApplication *app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, [] { quitting = true; });
        return true;
    }();
    Q_UNUSED(watching)
}
} // namespace

ManifestReply fetchManifest(const QString &url, int timeoutMs)
{
    ManifestReply result;
    watchForQuit();
    if (quitting) {
        result.timedOut = true;
        return result;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = manager.get(request);
    // A manifest is a few hundred bytes: a larger answer is not one, and is not read whole.
    bool oversized = false;
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, &oversized](qint64 received, qint64 total) {
                         if (received > kMaxManifestBytes || total > kMaxManifestBytes) {
                             oversized = true;
                             reply->abort();
                         }
                     });
    QEventLoop loop; // on a pool thread, never the GUI thread
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop,
                     &QEventLoop::quit);
    timer.start(timeoutMs);
    loop.exec();
    if (oversized) {
        result.errorCode = int(QNetworkReply::UnknownContentError);
        result.errorText =
            QStringLiteral("the manifest is larger than %1 bytes").arg(kMaxManifestBytes);
    } else if (!reply->isFinished()) {
        result.timedOut = true;
        reply->abort();
    } else if (reply->error() != QNetworkReply::NoError) {
        result.errorCode = int(reply->error());
        result.errorText = reply->errorString();
    } else {
        result.body = reply->readAll();
    }
    reply->close();
    delete reply;
    return result;
}

bool fetchManifestOrRetry(const QString &tag, const QString &what, const QString &url,
                          UpdateCheckResult *result)
{
    const ManifestReply reply = fetchManifest(url);
    if (reply.timedOut) {
        writeLog(tag, QStringLiteral("checkUpdate timeout"));
        result->outcome = UpdateCheckResult::RetryNow;
        return false;
    }
    if (reply.errorCode != 0) {
        writeLog(tag, QStringLiteral("Check update %1 failed! error: %2(%3)")
                          .arg(what, reply.errorText)
                          .arg(reply.errorCode));
        result->outcome = UpdateCheckResult::RetryLater;
        return false;
    }
    result->manifestBytes = reply.body;
    result->manifest = parseManifest(reply.body);
    return true;
}

QJsonObject parseManifest(const QByteArray &bytes)
{
    if (bytes.size() > kMaxManifestBytes)
        return QJsonObject();
    return QJsonDocument::fromJson(bytes).object();
}

ArchiveEntry archiveEntry(const QJsonObject &entry)
{
    ArchiveEntry archive;
    archive.url = entry.value(QStringLiteral("url")).toString();
    archive.md5 = entry.value(QStringLiteral("md5")).toString();
    const QUrl url(archive.url);
    archive.fileName = QFileInfo(url.path()).fileName();
    archive.folderName = QFileInfo(archive.fileName).completeBaseName();
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._+-]*$"));
    archive.usable =
        url.isValid() &&
        (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
        plainName.match(archive.fileName).hasMatch() &&
        plainName.match(archive.folderName).hasMatch() && archive.fileName != archive.folderName;
    return archive;
}

int UpdateRetrier::waitMs = 5000;

bool UpdateRetrier::retry(QObject *context, const QString &tag, bool wait,
                          const std::function<void()> &restart)
{
    watchForQuit();
    if (retries >= kMaxRetries || quitting)
        return false;
    writeLog(tag, QStringLiteral("checkUpdate retry... %1").arg(retries + 1));
    ++retries;
    // The wait is a timer: nothing else runs inside this call.
    QTimer::singleShot(wait ? waitMs : 0, context, [restart] {
        if (!quitting)
            restart();
    });
    return true;
}

bool shouldInstall(const UpdateCheckResult &result, const std::function<void(bool)> &retry,
                   const std::function<void()> &nothingToDo)
{
    switch (result.outcome) {
    case UpdateCheckResult::RetryNow:
        retry(false);
        return false;
    case UpdateCheckResult::RetryLater:
        retry(true);
        return false;
    case UpdateCheckResult::NoUpdate:
        nothingToDo();
        return false;
    case UpdateCheckResult::UpdateNeeded:
        break;
    }
    return true;
}

ArchiveInstaller::ArchiveInstaller(const QString &tag, const QString &word, QObject *parent)
    : QObject(parent)
    , tag(tag)
    , word(word)
{
}

void ArchiveInstaller::install(const QString &archiveUrl, const QString &expectedMd5,
                               const QString &archivePath, const QString &targetDir,
                               const QString &requiredExecutable)
{
    url = archiveUrl;
    md5 = expectedMd5;
    zipPath = archivePath;
    unzipDir = targetDir;
    required = requiredExecutable;
    writeLog(tag, QStringLiteral("download%1 begin").arg(word));
    if (!curl) {
        curl = new CurlProxy(this);
        connect(curl, &CurlProxy::downloadFinished, this, &ArchiveInstaller::onDownloaded);
        connect(curl, &CurlProxy::downloadError, this, [this] {
            writeLog(tag, QStringLiteral("download%1 error: %2").arg(word, curl->errorText()));
            fail(curl->errorText());
        });
    }
    curl->download(url, zipPath);
}

void ArchiveInstaller::onDownloaded()
{
    writeLog(tag, QStringLiteral("download%1 finished").arg(word));
    writeLog(tag, QStringLiteral("verify%1 begin").arg(word));
    if (!hasher) {
        hasher = new FileAssitant(this);
        connect(hasher, &FileAssitant::hashFinised, this, &ArchiveInstaller::onHashed);
    }
    hasher->clearCancel();
    hasher->hash(zipPath, FileAssitant::Md5);
}

void ArchiveInstaller::onHashed(const QString &digest)
{
    if (digest.compare(md5, Qt::CaseInsensitive) != 0) {
        writeLog(tag,
                 QStringLiteral("verify%1 failed! md5: %2, current: %3").arg(word, md5, digest));
        fail(QStringLiteral("checksum mismatch"));
        return;
    }
    writeLog(tag, QStringLiteral("verify%1 success! md5: %2").arg(word, digest));
    writeLog(tag, QStringLiteral("unzip%1 begin").arg(word));
    if (!zip) {
        zip = new ZipProxy(this);
        connect(zip, &ZipProxy::unpackFinished, this, &ArchiveInstaller::onUnpacked);
    }
    QDir(unzipDir + ".partial").removeRecursively();
    zip->unpack(zipPath, unzipDir + ".partial");
}

void ArchiveInstaller::onUnpacked(int exitCode)
{
    const QString staging = unzipDir + ".partial";
    writeLog(tag,
             QStringLiteral("unzip%1 %2, exitCode: %3")
                 .arg(word, exitCode == 0 ? QStringLiteral("success") : QStringLiteral("failed"))
                 .arg(exitCode));
    if (exitCode != 0) {
        QDir(staging).removeRecursively();
        fail(QStringLiteral("unpacking failed with code %1").arg(exitCode));
        return;
    }
    if (!required.isEmpty()) {
        const QFileInfo tool(staging + QLatin1Char('/') + required);
        if (!tool.isFile() || tool.isSymLink() || !tool.isExecutable()) {
            writeLog(tag, QStringLiteral("unzip%1: %2 is not an executable file in the archive")
                              .arg(word, required));
            QDir(staging).removeRecursively();
            fail(QStringLiteral("the archive holds no usable %1").arg(required));
            return;
        }
    }
    if (QFileInfo::exists(unzipDir))
        FileAssitant::remove(unzipDir);
    if (!QDir().rename(staging, unzipDir)) {
        QDir(staging).removeRecursively();
        fail(QStringLiteral("cannot move the unpacked files into %1").arg(unzipDir));
        return;
    }
    removeFileSafely(zipPath);
    Q_EMIT installed(unzipDir);
}

void ArchiveInstaller::fail(const QString &reason)
{
    removeFileSafely(zipPath);
    Q_EMIT failed(reason);
}
