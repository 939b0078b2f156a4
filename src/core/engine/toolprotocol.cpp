#include "core/engine/toolprotocol.h"

#include "core/engine/downloadoptions.h"
#include "core/engine/jobcookies.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>
#include <QUuid>
#include <QVariant>

namespace protocol {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("protocol", text);
}

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
    const QString path = resourcePath("OneClickedType/" + target + ".json");
    qDebug() << "convertJsonPath" << path;
    return path;
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
    d.insert("save_id3", "true");
    d.insert("uuid", QUuid::createUuid().toString().mid(1, 8));
    d.insert("read_cookie", boolText(prefs->readCookies()));

    QJsonObject converter{{"input", "downloader"}, {"save_path", "downloader"}};
    const bool convert = !prefs->oneClickFormat().contains("Original");
    if (convert)
        converter.insert("preset", presetPathFor(url, options.mediaType));
    converter.insert("isNeedConvert", boolText(convert));

    const QJsonObject root{{"log_path", logDir()},
                           {"ffmpeg_location", QFileInfo(ffmpegPath()).absolutePath()},
                           {"downloader", d},
                           {"converter", converter}};
    QDir().mkpath(workDir);
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

QString writeThumbParams(const QString &url, const QString &workDir, const QString &fileName)
{
    QDir().mkpath(workDir);
    const QString path = workDir + QLatin1Char('/') + fileName;
    writeJson(path, {{"url", url}, {"sniff_only", "true"}}, false, true);
    return path;
}

// --- Output lines
// ---------------------------------------------------------------------------------

void LineBuffer::take(QByteArray line, QList<QByteArray> *lines)
{
    if (line.size() > 4)
        *lines << line.trimmed();
}

QList<QByteArray> LineBuffer::feed(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    int from = 0;
    while (from < bytes.size()) {
        const int end = bytes.indexOf('\n', from);
        const int stop = end < 0 ? bytes.size() : end;
        if (skipping) {
            // The rest of a dropped line is not kept either.
        } else if (pending.size() + (stop - from) > maxLine) {
            pending.clear();
            skipping = true;
            ++dropped;
        } else if (end >= 0 && pending.isEmpty()) {
            take(bytes.mid(from, stop - from), &lines);
        } else {
            pending.append(bytes.constData() + from, stop - from);
            if (end >= 0) {
                take(pending, &lines);
                pending.clear();
            }
        }
        if (end < 0)
            break;
        skipping = false;
        from = end + 1;
    }
    return lines;
}

QList<QByteArray> LineBuffer::finish()
{
    QList<QByteArray> lines;
    if (!skipping)
        take(pending, &lines);
    pending.clear();
    skipping = false;
    return lines;
}

const QStringList &recordingSuffixes()
{
    static const QStringList suffixes = {"m4a",  "mkv", "mp4",          "ogg",
                                         "webm", "flv", "unknown_video"};
    return suffixes;
}

QString lineType(const QByteArray &line)
{
    return QJsonDocument::fromJson(line).object().value("type").toString();
}

// --- Payloads
// ---------------------------------------------------------------------------------------

QJsonObject message(const QByteArray &line)
{
    if (line.isEmpty())
        return QJsonObject();
    return QJsonDocument::fromJson(line).object().value("msg").toObject();
}

QString member(const QByteArray &line, const QString &key)
{
    const QJsonValue v = message(line).value(key);
    return v.isString() ? v.toString() : v.toVariant().toString();
}

QByteArray withMember(const QByteArray &line, const QString &key, const QString &value)
{
    QJsonObject root = QJsonDocument::fromJson(line).object();
    QJsonObject msg = root.value("msg").toObject();
    msg.insert(key, value);
    root.insert("msg", msg);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

static bool truthy(const QString &text)
{
    return QVariant(text).toBool();
}

QByteArray withTitle(const QByteArray &info, const QString &title)
{
    return withMember(info, "title", title);
}
QByteArray withFilePath(const QByteArray &info, const QString &path)
{
    return withMember(info, "filepath", path);
}
QByteArray withHiddenThumb(const QByteArray &info, bool hidden)
{
    return withMember(info, "isHiddenThumb", boolText(hidden));
}
QByteArray withPrivateFile(const QByteArray &info, bool isPrivate)
{
    return withMember(info, "isPrivateFileFlag", boolText(isPrivate));
}
QByteArray withSubtitlePath(const QByteArray &finished, const QString &path)
{
    return withMember(finished, "subtitlePath", path);
}

QString title(const QByteArray &info)
{
    return member(info, "title");
}
QString thumbnail(const QByteArray &info)
{
    return member(info, "thumbnail");
}
bool isLive(const QByteArray &info)
{
    return truthy(member(info, "is_live"));
}
QString filePath(const QByteArray &info)
{
    return member(info, "filepath");
}
bool isHiddenThumb(const QByteArray &info)
{
    return truthy(member(info, "isHiddenThumb"));
}
bool isPrivateFile(const QByteArray &info)
{
    return truthy(member(info, "isPrivateFileFlag"));
}
QString localThumbnail(const QByteArray &info)
{
    return member(info, "local_thumbnail");
}

double progress(const QByteArray &line)
{
    return member(line, "progress").toDouble();
}
qint64 totalSize(const QByteArray &line)
{
    return member(line, "filesize").toLongLong();
}
QString speed(const QByteArray &line)
{
    return member(line, "speed");
}
QString remainingTime(const QByteArray &line)
{
    return formatRemaining(member(line, "eta").toLongLong());
}

QString durationText(const QByteArray &f)
{
    return formatDuration(member(f, "duration").toLongLong());
}
QString sizeText(const QByteArray &f)
{
    return formatSize(member(f, "filesize").toLongLong());
}
QString fileType(const QByteArray &f)
{
    return member(f, "filetype");
}
QString qualityText(const QByteArray &f)
{
    const QString q = member(f, "quality");
    return q.isEmpty() ? QStringLiteral("Unknown") : q;
}
QString resolutionText(const QByteArray &f)
{
    const QString r = member(f, "resolution");
    return r.isEmpty() ? QStringLiteral("Unknown") : r;
}
bool hasSubtitle(const QByteArray &f)
{
    return !member(f, "subtitlePath").isEmpty();
}
int returnCode(const QByteArray &f)
{
    return member(f, "ret_code").toInt();
}

QByteArray failedFinished(const QString &error)
{
    const QJsonObject msg{{"ret_code", "1"}, {"error", error}};
    return QJsonDocument(QJsonObject{{"type", "finished"}, {"msg", msg}})
        .toJson(QJsonDocument::Compact);
}

QByteArray synthesisedFinished(qint64 durationSeconds, const QString &fileType, qint64 bitRate,
                               qint64 size, const QString &path, int width, int height)
{
    const QJsonObject msg{{"duration", QString::number(durationSeconds)},
                          {"filetype", fileType},
                          {"quality", bitRate > 0 ? QString::asprintf("%dKb/s", int(bitRate / 1000))
                                                  : QStringLiteral("Unknown")},
                          {"filesize", QString::number(size)},
                          {"filepath", path},
                          {"resolution", QStringLiteral("%1x%2").arg(width).arg(height)},
                          {"ret_code", "0"},
                          {"subtitle", ""}};
    return QJsonDocument(QJsonObject{{"type", "finished"}, {"msg", msg}})
        .toJson(QJsonDocument::Compact);
}

// --- Display
// ----------------------------------------------------------------------------------------

QString formatSize(qint64 bytes)
{
    if (bytes == 0)
        return QStringLiteral("Unknown");
    if (bytes <= 1024)
        return QString::asprintf("%0.1fB", double(bytes));
    if (bytes <= 1048576)
        return QString::asprintf("%0.1fKB", bytes / 1024.0);
    if (bytes <= 1073741824)
        return QString::asprintf("%0.1fMB", bytes / 1048576.0);
    return QString::asprintf("%0.1fGB", bytes / 1073741824.0);
}

QString formatDuration(qint64 seconds)
{
    if (seconds == 0)
        return QStringLiteral("Unknown");
    const qint64 h = seconds / 3600, m = seconds % 3600 / 60, s = seconds % 60;
    return h >= 1 ? QString::asprintf("%02d:%02d:%02d", int(h), int(m), int(s))
                  : QString::asprintf("%02d:%02d", int(m), int(s));
}

QString formatRemaining(qint64 eta)
{
    if (eta == 0)
        return QString();
    QString time;
    if (eta <= 60)
        time = QString::asprintf("%lld", static_cast<long long>(eta)) + ' ' + tr("seconds");
    else if (eta <= 3600)
        time = QString::asprintf("%lld", static_cast<long long>((eta + 59) / 60)) + ' ' +
               tr("minutes");
    else
        time = QString::asprintf("%0.1f", eta / 3600.0) + ' ' + tr("hours");
    const int category = Preferences::instance()->language();
    return category == 1 || category == 2 ? tr("remaining") + ' ' + time
                                          : time + ' ' + tr("remaining");
}

QString progressText(const QByteArray &line, bool withSpeedAndTime)
{
    const qint64 total = totalSize(line);
    const double done = progress(line) * double(total);
    // The line is the tool's: a progress or size out of all proportion shows no text rather
    // than a number no byte count can hold.
    if (!(done > 0) || done >= 9.0e18)
        return QString();
    const QString doneText = formatSize(qint64(done));
    const QString totalText = formatSize(total);
    if (!withSpeedAndTime)
        return QStringLiteral("%1 of %2").arg(doneText, totalText);
    // A stalled transfer has no time left: the text then ends with the speed.
    const QString left = remainingTime(line);
    if (left.isEmpty())
        return QStringLiteral("%1 of %2 - %3").arg(doneText, totalText, speed(line));
    return QStringLiteral("%1 of %2 - %3, %4").arg(doneText, totalText, speed(line), left);
}

QString convertingText(const QByteArray &line)
{
    return tr("Converting") + QString::asprintf(" %0.1f%%", progress(line) * 100);
}

} // namespace protocol
