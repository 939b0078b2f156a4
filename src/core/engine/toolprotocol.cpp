#include "core/engine/toolprotocol.h"

#include "core/engine/downloadoptions.h"
#include "core/engine/jobcookies.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QUuid>

namespace protocol {

namespace {

bool writeJson(const QString &path, const QJsonObject &object, bool utf8, bool trailingNewline)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate))
        return false;
    // Parameter files may hold the page's cookie or the proxy password: readable by the user only.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QTextStream stream(&file);
    if (utf8)
        stream.setCodec("UTF-8");
    stream << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    if (trailingNewline)
        stream << '\n';
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

QJsonObject proxyObject()
{
    Preferences *prefs = Preferences::instance();
    const QString host = prefs->proxyHost();
    const QString port = prefs->proxyPort();
    const bool complete = !host.isEmpty() && !port.isEmpty();
    const bool login = complete && prefs->proxyNeedsLogin();
    QJsonObject proxy{{"username", login ? prefs->proxyLogin() : QString()},
                      {"password", login ? prefs->proxyPassword() : QString()}};
    if (complete) {
        proxy.insert("protocol", "http");
        proxy.insert("host", host);
        proxy.insert("port", port);
    }
    return proxy;
}

// "WIDTHxHEIGHT" for a quality label ("720P", "2160P(4K)" or its data "2160P"): the tool makes
// a picture HEIGHT lines tall with the source's aspect ratio. "Best" and anything else keep the
// source's size ("origin").
QString conversionResolution(const QString &quality)
{
    const int p = quality.indexOf(QLatin1Char('P'));
    bool ok = false;
    const int height = p > 0 ? quality.left(p).toInt(&ok) : 0;
    if (!ok || height < 100 || height > 10000)
        return QStringLiteral("origin");
    const int width = (height * 16 / 9 + 1) & ~1;
    return QStringLiteral("%1x%2").arg(width).arg(height);
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

// --- Parameter files ----------------------------------------------------------------------------

bool isAudioJob(const QString &url, const QString &mediaTypeParam)
{
    return mediaTypeParam == QLatin1String("audio") ||
           isAudioFormat(Preferences::instance()->oneClickFormat()) || isAudioOnlySite(url);
}

QString presetPathFor(const QString &url, const QString &mediaTypeParam)
{
    const QString chosen = Preferences::instance()->oneClickFormat();
    QString target = chosen;
    if (isAudioOnlySite(url) && !isAudioFormat(target))
        target = QStringLiteral("MP3");
    target.remove(QStringLiteral("/iPod"));
    if (!isAudioFormat(chosen) && mediaTypeParam == QLatin1String("audio"))
        target = QStringLiteral("MP3");
    return resourcePath("OneClickedType/" + target + ".json");
}

QString writeDownloadParams(const QString &url, const DownloadOptions &options,
                            const QString &workDir)
{
    Preferences *prefs = Preferences::instance();
    const bool audio = isAudioJob(url, options.mediaType);
    const bool fromPlaylist = options.fromPlaylist;

    QJsonObject d;
    d.insert("url", url);
    const QString limit = speedLimitValue(effectiveSpeedLimitLabel());
    if (limit != QLatin1String("Unlimited"))
        d.insert("ratelimit", limit);
    if (!prefs->checkCertificates())
        d.insert("nocheckcertificate", "true");
    d.insert("media_type", audio ? "audio" : "video");
    const bool playlistIndex = options.addPlaylistIndex;
    d.insert("add_playlist_index", boolText(playlistIndex));
    if (playlistIndex)
        d.insert("playlist_reverse_index",
                 boolText(options.playlistOrderMode != QLatin1String("Newest first")));
    if (!audio) {
        d.insert("video_quality", fromPlaylist ? options.videoQuality : prefs->videoQuality());
        d.insert("audio_quality", "320Kb/s");
    } else if (fromPlaylist) {
        d.insert("video_quality", options.videoQuality);
        d.insert("audio_quality", options.audioQuality);
    } else {
        d.insert("audio_quality", prefs->audioQuality());
    }
    if (options.metadata)
        d.insert("metadata", *options.metadata);
    if (jobcookies::exists(workDir))
        d.insert("cookie_file", jobcookies::path(workDir));
    if (prefs->downloadSubtitles()) {
        const QString name = prefs->subtitleLanguage();
        const QString code = subtitleLanguageCode(name);
        qDebug() << "getSubtitleLanguageCode:" << name << "code:" << code;
        d.insert(audio ? "lyric" : "subtitle", code);
    }
    if (prefs->proxyEnabled())
        d.insert("proxy", proxyObject());
    d.insert("save_path", workDir);
    d.insert("stall_timeout", QString::number(kStallSeconds));
    d.insert("save_id3", "true");
    d.insert("uuid", QUuid::createUuid().toString().mid(1, 8));
    d.insert("read_cookie", boolText(prefs->readCookies()));

    QJsonObject converter{{"input", "downloader"}, {"save_path", "downloader"}};
    const bool convert = !prefs->oneClickFormat().contains("Original");
    if (convert) {
        converter.insert("preset", presetPathFor(url, options.mediaType));
        // The converted file has at most the picture height the user chose for the download.
        if (!audio)
            converter.insert(
                "video", QJsonObject{{"resolution",
                                      conversionResolution(d.value("video_quality").toString())}});
    }
    converter.insert("isNeedConvert", boolText(convert));

    const QJsonObject root{{"log_path", logDir()},
                           {"ffmpeg_location", QFileInfo(ffmpegPath()).absolutePath()},
                           {"downloader", d},
                           {"converter", converter}};
    // A job's folder holds its parameters, cookies and partial files: the user's only.
    makeOwnerOnlyFolder(workDir);
    const QString path = workDir + "/param.json";
    writeJson(path, root, true, false);
    return path;
}

QString writePlaylistParams(const QString &url, const QString &fileName)
{
    Preferences *prefs = Preferences::instance();
    const QString folder = downloadTempDir(true);
    QJsonObject d{
        {"url", url}, {"playlist", "true"}, {"read_cookie", boolText(prefs->readCookies())}};
    if (!prefs->checkCertificates())
        d.insert("nocheckcertificate", "true");
    if (prefs->proxyEnabled())
        d.insert("proxy", proxyObject());
    const QString path = folder + fileName;
    writeJson(path, {{"log_path", logDir()}, {"downloader", d}}, false, true);
    return path;
}

QString writeThumbParams(const QString &url, const QString &workDir, const QString &fileName,
                         const QString &pictureFolder)
{
    // A job's folder holds its parameters, cookies and partial files: the user's only.
    makeOwnerOnlyFolder(workDir);
    const QString path = workDir + QLatin1Char('/') + fileName;
    QJsonObject d{{"url", url}, {"sniff_only", "true"}};
    if (!pictureFolder.isEmpty())
        d.insert("thumbnail_folder", pictureFolder);
    writeJson(path, d, false, true);
    return path;
}

} // namespace protocol
