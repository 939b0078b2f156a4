#include "context.h"

#include "output.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

namespace {

// yt-dlp's version is remembered per file (path, size, time): asking a Python program for it
// costs a start of its own, a good part of a second.
QString versionCachePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/vantoro-dl/yt-dlp-versions.json");
}

QString fileStamp(const QString &path)
{
    const QFileInfo info(path);
    return QStringLiteral("%1:%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

QJsonObject readVersionCache()
{
    QFile file(versionCachePath());
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024)
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

// A configuration file for yt-dlp holds one argument per word, quoted like a POSIX shell.
QString shellQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\"'\"'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

Context::Context() = default;

Context::~Context()
{
    if (cookieFile)
        child::unguardFile(cookieFile->fileName());
}

void Context::locateYtdlp()
{
    const QDir beside(QCoreApplication::applicationDirPath());
    const QFileInfo plain(beside.filePath(QStringLiteral("yt-dlp")));
    const QFileInfo zip(beside.filePath(QStringLiteral("yt-dlp.zip")));
    if (plain.isFile() && plain.isExecutable()) {
        ytdlpPath = plain.absoluteFilePath();
    } else if (plain.isFile() || zip.isFile()) {
        ytdlpPath = (plain.isFile() ? plain : zip).absoluteFilePath();
        ytdlpIsZipapp = true;
    } else {
        ytdlpPath = QStandardPaths::findExecutable(QStringLiteral("yt-dlp"));
    }
    if (ytdlpPath.isEmpty())
        return;
    const QJsonObject known = readVersionCache().value(ytdlpPath).toObject();
    if (known.value(QLatin1String("stamp")).toString() == fileStamp(ytdlpPath))
        ytdlpVersion = known.value(QLatin1String("version")).toString();
}

QString Context::ytdlpProgram() const
{
    return ytdlpIsZipapp ? QStringLiteral("/usr/bin/python3") : ytdlpPath;
}

QStringList Context::ytdlpArguments() const
{
    QStringList args;
    if (ytdlpIsZipapp)
        args << ytdlpPath;
    args << "--no-warnings"
         << "--no-color"
         << "--ignore-config";
    if (!ffmpeg.isEmpty())
        args << "--ffmpeg-location" << QFileInfo(ffmpeg).absolutePath();
    if (!proxy.isEmpty())
        args << "--proxy" << proxy;
    if (!checkCertificate)
        args << "--no-check-certificate";
    if (readCookie) {
        // Cookies only help where a browser profile exists; asking for a missing one is an
        // error that would fail every download.
        const QString home = QDir::homePath();
        const QStringList browsers{"firefox", "chromium", "google-chrome"};
        const QStringList profiles{"/.mozilla/firefox", "/.config/chromium",
                                   "/.config/google-chrome"};
        for (int i = 0; i < browsers.size(); ++i) {
            if (QFileInfo::exists(home + profiles.at(i))) {
                args << "--cookies-from-browser" << QString(browsers.at(i)).remove("google-");
                break;
            }
        }
    }
    if (!headers.referer.isEmpty())
        args << "--referer" << headers.referer;
    if (!headers.userAgent.isEmpty())
        args << "--user-agent" << headers.userAgent;
    const QString config = cookieConfig();
    if (!config.isEmpty())
        args << "--config-locations" << config;
    return args;
}

// The page cookie travels in a private configuration file rather than on the command line,
// where every user of the machine could read it.
QString Context::cookieConfig() const
{
    if (headers.cookie.isEmpty())
        return QString();
    if (cookieFile)
        return cookieFile->fileName();
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/vantoro-dl-XXXXXX.conf"));
    if (!file->open()) {
        out::note(
            QStringLiteral("cannot write the cookie for yt-dlp: %1").arg(file->errorString()));
        return QString();
    }
    file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    child::guardFile(file->fileName());
    file->write(QStringLiteral("--add-header %1\n")
                    .arg(shellQuoted(QStringLiteral("Cookie:") + headers.cookie))
                    .toUtf8());
    file->flush();
    cookieFile = std::move(file);
    return cookieFile->fileName();
}

QString Context::proxyHostPort() const
{
    if (proxy.isEmpty())
        return QString();
    const QUrl url(proxy);
    return QStringLiteral("%1:%2").arg(url.host()).arg(url.port(8080));
}

void Context::rememberYtdlpVersion(const QString &version)
{
    if (version.isEmpty() || version == ytdlpVersion || ytdlpPath.isEmpty() || version.size() > 64)
        return;
    ytdlpVersion = version;
    QJsonObject cache = readVersionCache();
    cache.insert(ytdlpPath, QJsonObject{{"stamp", fileStamp(ytdlpPath)}, {"version", version}});
    QDir().mkpath(QFileInfo(versionCachePath()).absolutePath());
    QSaveFile file(versionCachePath());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(cache).toJson(QJsonDocument::Compact));
        file.commit();
    }
}

void Context::learnYtdlpVersion()
{
    if (!ytdlpVersion.isEmpty() || ytdlpPath.isEmpty() || versionQuery)
        return;
    versionQuery = std::make_unique<child::Process>(true);
    QStringList args;
    if (ytdlpIsZipapp)
        args << ytdlpPath;
    versionQuery->launch(ytdlpProgram(), args << "--version");
}

void Context::finish()
{
    if (!versionQuery)
        return;
    if (versionQuery->state() == QProcess::NotRunning || versionQuery->waitForFinished(0)) {
        if (versionQuery->exitStatus() == QProcess::NormalExit && versionQuery->exitCode() == 0)
            rememberYtdlpVersion(
                QString::fromUtf8(versionQuery->readAllStandardOutput().left(64)).trimmed());
    }
    versionQuery.reset();
}

void setUpContext(Context *ctx, params::Reader &reader, const QJsonObject &root)
{
    const QJsonObject downloader = reader.object(root, "downloader");
    const QString ffmpegFolder = reader.text(root, "ffmpeg_location");
    ctx->locateYtdlp();
    ctx->ffmpeg = child::find(QStringLiteral("ffmpeg"), ffmpegFolder);
    ctx->ffprobe = child::find(QStringLiteral("ffprobe"), ffmpegFolder);
    ctx->proxy = params::proxyFrom(reader, downloader);
    ctx->checkCertificate = !reader.flag(downloader, "nocheckcertificate");
    ctx->readCookie = reader.flag(downloader, "read_cookie");
    ctx->headers = params::headersFrom(reader.text(downloader, "metadata"));
}

int ytdlpFailureCode(const QString &error)
{
    if (error.contains(QLatin1String("HTTP Error")))
        return out::DownloadFailed;
    if (error.contains(QLatin1String("Unsupported URL")) ||
        error.contains(QLatin1String("is not a valid URL")) ||
        error.contains(QLatin1String("no suitable")) ||
        error.startsWith(QLatin1String("no media found")))
        return out::Unsupported;
    if (error.contains(QLatin1String("No space left")) ||
        error.contains(QLatin1String("Disk quota")) ||
        error.contains(QLatin1String("Read-only file system")) ||
        error.contains(QLatin1String("Permission denied")))
        return out::WriteFailed;
    if (error.contains(QLatin1String("Connection refused")) ||
        error.contains(QLatin1String("Name or service not known")) ||
        error.contains(QLatin1String("name resolution")) ||
        error.contains(QLatin1String("unreachable")) ||
        error.contains(QLatin1String("No route to host")) ||
        error.contains(QLatin1String("timed out")))
        return out::Unreachable;
    return out::DownloadFailed;
}
