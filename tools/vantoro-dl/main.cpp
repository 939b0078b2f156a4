// vantoro-dl: Clipmoor's download tool.
//
//   vantoro-dl PARAMETER_FILE
//
// The parameter file (JSON) chooses the mode: a download ("downloader"), a playlist listing
// ("downloader"."playlist" "true"), an analysis only ("sniff_only" "true") or a conversion only
// ("converter" with an "input" file). Progress and results are printed as one JSON object per
// line: {"type": "sniff" | "downloading" | "converting" | "finished" | "playlist", "msg": {...}}.
// yt-dlp does the fetching and ffmpeg the recording and converting.

#include "child.h"
#include "fetch.h"
#include "media.h"
#include "output.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <csignal>
#include <sys/types.h>

namespace {

// Everything the modes share: the programs and the network options.
struct Context
{
    QString ytdlp;
    QString ffmpeg;
    QString ffprobe;
    QString proxy; // "http://[user:password@]host:port" or empty
    bool checkCertificate = true;
    bool readCookie = false;

    QStringList ytdlpCommon() const
    {
        QStringList args{"--no-warnings", "--no-color", "--ignore-config"};
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
            if (QFileInfo::exists(home + "/.mozilla/firefox"))
                args << "--cookies-from-browser"
                     << "firefox";
            else if (QFileInfo::exists(home + "/.config/chromium"))
                args << "--cookies-from-browser"
                     << "chromium";
            else if (QFileInfo::exists(home + "/.config/google-chrome"))
                args << "--cookies-from-browser"
                     << "chrome";
        }
        return args;
    }
    QString proxyHostPort() const
    {
        if (proxy.isEmpty())
            return QString();
        const QUrl url(proxy);
        return QStringLiteral("%1:%2").arg(url.host()).arg(url.port(8080));
    }
};

QString text(const QJsonObject &object, const char *key)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isString())
        return v.toString();
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 15);
    if (v.isBool())
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString();
}

bool flag(const QJsonObject &object, const char *key)
{
    return text(object, key) == QLatin1String("true");
}

QString proxyFrom(const QJsonObject &downloader)
{
    const QJsonObject p = downloader.value("proxy").toObject();
    const QString host = text(p, "host");
    const QString port = text(p, "port");
    if (host.isEmpty() || port.isEmpty())
        return QString();
    QString credentials;
    if (!text(p, "username").isEmpty())
        credentials = QString::fromLatin1(QUrl::toPercentEncoding(text(p, "username"))) + ':' +
                      QString::fromLatin1(QUrl::toPercentEncoding(text(p, "password"))) + '@';
    const QString scheme =
        text(p, "protocol").isEmpty() ? QStringLiteral("http") : text(p, "protocol");
    return QStringLiteral("%1://%2%3:%4").arg(scheme, credentials, host, port);
}

const QStringList kMediaSuffixes = {"mp4", "m4v", "mkv", "webm", "mov",  "flv", "avi",  "wmv",
                                    "mp3", "m4a", "aac", "ogg",  "opus", "wav", "flac", "ts"};

// A plain media file needs no page analysis: its name is its title.
bool isDirectMedia(const QString &url)
{
    const QUrl u(url);
    return (u.scheme() == "http" || u.scheme() == "https") &&
           kMediaSuffixes.contains(QFileInfo(u.path()).suffix().toLower());
}

int ytdlpFailureCode(const QString &error)
{
    if (error.contains("HTTP Error"))
        return out::DownloadFailed;
    if (error.contains("Unsupported URL") || error.contains("is not a valid URL") ||
        error.contains("no suitable"))
        return out::Unsupported;
    if (error.contains("No space left"))
        return out::WriteFailed;
    if (error.contains("Connection refused") || error.contains("Name or service not known") ||
        error.contains("Failed to resolve") || error.contains("timed out") ||
        error.contains("Unable to download webpage") || error.contains("Errno 111"))
        return out::Unreachable;
    return out::DownloadFailed;
}

// yt-dlp's description of an address. Playlists are reduced to their first entry.
struct Analysis
{
    int code = out::Ok;
    QString error;
    QJsonObject info;
    bool playlist = false;
};

Analysis analyse(const Context &ctx, const QString &url, const QStringList &extra = QStringList())
{
    Analysis a;
    QByteArray json;
    QStringList args = ctx.ytdlpCommon();
    args << "-J" << extra << "--" << url;
    const child::Result r = child::capture(ctx.ytdlp, args, &json, 300000);
    if (child::interrupted()) {
        a.code = out::Interrupted;
        a.error = QStringLiteral("interrupted");
        return a;
    }
    const QJsonObject info = QJsonDocument::fromJson(json).object();
    if (!r.started || r.exitCode != 0 || info.isEmpty()) {
        a.error = child::errorSummary(r.errorOutput);
        if (a.error.isEmpty())
            a.error = QStringLiteral("yt-dlp could not analyse %1").arg(url);
        a.code = ytdlpFailureCode(a.error);
        return a;
    }
    a.info = info;
    if (info.value("_type").toString() == "playlist") {
        a.playlist = true;
        const QJsonArray entries = info.value("entries").toArray();
        if (entries.isEmpty()) {
            a.code = out::Unsupported;
            a.error = QStringLiteral("no media found at %1").arg(url);
            return a;
        }
        a.info = entries.first().toObject();
    }
    return a;
}

bool isLive(const Context &ctx, const QJsonObject &info)
{
    if (info.value("is_live").toBool() || info.value("live_status").toString() == "is_live")
        return true;
    const QString protocol = info.value("protocol").toString();
    const QString mediaUrl = info.value("url").toString();
    if (protocol.contains("m3u8") || mediaUrl.contains(".m3u8"))
        return fetch::isLiveHls(info.value("manifest_url").toString().isEmpty()
                                    ? mediaUrl
                                    : info.value("manifest_url").toString(),
                                ctx.proxyHostPort(), ctx.checkCertificate);
    return false;
}

QString safeFileName(QString name)
{
    static const QString bad = QStringLiteral("/\\:*?\"<>|\n\r\t");
    for (QChar &c : name) {
        if (bad.contains(c))
            c = '_';
    }
    name = name.trimmed();
    if (name.startsWith('.'))
        name.replace(0, 1, '_');
    return name.isEmpty() ? QStringLiteral("video") : name.left(150);
}

QString formatFor(const QString &mediaType, const QString &videoQuality)
{
    if (mediaType == "audio")
        return QStringLiteral("ba/b");
    const int height = QString(videoQuality).remove(QRegExp("[^0-9]")).toInt();
    if (height > 0 && videoQuality.endsWith('P', Qt::CaseInsensitive))
        return QStringLiteral("bv*[height<=%1]+ba/b[height<=%1]/bv*+ba/b").arg(height);
    return QStringLiteral("bv*+ba/b");
}

// --- Thumbnail: yt-dlp's address, or a frame grabbed by ffmpeg while the download already runs.
// Grabbed frames are kept in the user's cache folder: the job's own folder is removed by the
// application as soon as the file is moved out of it.
class Thumbnail
{
public:
    void start(const Context &ctx, const QString &remote, const QString &key, const QString &source,
               bool audioOnly)
    {
        this->remote = remote;
        ffmpeg = ctx.ffmpeg;
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
            "/vantoro-dl/thumbnails";
        QDir().mkpath(folder);
        path = folder + '/' +
               QString::fromLatin1(
                   QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex()) +
               ".jpg";
        if (!remote.isEmpty() || ffmpeg.isEmpty() || source.isEmpty() || audioOnly) {
            done = true;
            return;
        }
        process.start(ffmpeg, media::frameGrabArguments(source, path), QIODevice::ReadOnly);
        timer.start();
    }
    // True once the thumbnail is known (or given up on).
    bool ready()
    {
        if (done)
            return true;
        // Nothing else waits on this process, so its end must be polled for.
        if (process.state() != QProcess::NotRunning)
            process.waitForFinished(0);
        if (process.state() != QProcess::NotRunning && timer.elapsed() < 15000)
            return false;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(1000);
        }
        done = true;
        if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
            QFileInfo(path).size() > 0)
            local = path;
        return true;
    }
    bool waitReady(int ms)
    {
        if (!done && process.state() != QProcess::NotRunning)
            process.waitForFinished(ms);
        return ready();
    }
    bool known() const { return !remote.isEmpty() || !local.isEmpty(); }
    // A second chance from the downloaded file, for servers on which seeking failed.
    bool grabFrom(const QString &file)
    {
        if (known() || ffmpeg.isEmpty())
            return false;
        QByteArray ignored;
        const child::Result r =
            child::capture(ffmpeg, media::frameGrabArguments(file, path), &ignored, 15000, false);
        if (r.exitCode == 0 && QFileInfo(path).size() > 0)
            local = path;
        return !local.isEmpty();
    }
    QString remote;
    QString local;

private:
    QProcess process;
    QElapsedTimer timer;
    QString ffmpeg;
    QString path;
    bool done = false;
};

// A plain media file is probed over the network while it downloads, so that describing the
// saved file costs nothing afterwards; the answer counts only when its size matches the file.
class EarlyProbe
{
public:
    void start(const QString &ffprobe, const QString &url)
    {
        if (ffprobe.isEmpty())
            return;
        process.start(ffprobe, media::probeArguments(url), QIODevice::ReadOnly);
        started = true;
    }
    bool describe(const QString &file, media::Info *info)
    {
        if (!started)
            return false;
        if (process.state() != QProcess::NotRunning && !process.waitForFinished(2000)) {
            process.kill();
            process.waitForFinished(1000);
            return false;
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return false;
        media::Info probed = media::parseProbe(process.readAllStandardOutput(), file);
        const qint64 size = QFileInfo(file).size();
        if (!probed.ok || probed.size != size)
            return false;
        *info = probed;
        return true;
    }

private:
    QProcess process;
    bool started = false;
};

QJsonObject sniffMessage(const QString &title, const Thumbnail &thumb, bool live,
                         const QString &filepath, const QJsonObject &info)
{
    return {{"title", title},
            {"thumbnail", thumb.remote},
            {"local_thumbnail", thumb.local},
            {"is_live", live ? QStringLiteral("true") : QStringLiteral("false")},
            {"filepath", filepath},
            {"duration", QString::number(qRound64(info.value("duration").toDouble()))},
            {"webpage_url", info.value("webpage_url").toString()},
            {"extractor", info.value("extractor").toString()}};
}

// --- Live recording: ffmpeg copies the stream until the stream ends or we are interrupted. ----
int recordLive(const Context &ctx, const QString &streamUrl, const QString &target)
{
    QElapsedTimer throttle;
    throttle.start();
    QElapsedTimer clock;
    clock.start();
    qint64 bytes = 0;
    child::Run run;
    run.program = ctx.ffmpeg;
    run.arguments = QStringList{"-nostdin", "-hide_banner", "-loglevel", "error",
                                "-y",       "-progress",    "pipe:1",    "-nostats"};
    if (!ctx.proxy.isEmpty())
        run.arguments << "-http_proxy" << ctx.proxy;
    // Matroska stays playable when the recording is cut short.
    run.arguments << "-i" << streamUrl << "-map"
                  << "0:v?"
                  << "-map"
                  << "0:a?"
                  << "-c"
                  << "copy"
                  << "-f"
                  << "matroska" << target;
    run.onLine = [&](const QByteArray &line) {
        if (line.startsWith("total_size="))
            bytes = line.mid(11).toLongLong();
        if (!line.startsWith("progress=") || throttle.elapsed() < 250)
            return;
        throttle.restart();
        const double seconds = qMax<qint64>(1, clock.elapsed()) / 1000.0;
        out::line("downloading", {{"progress", "0"},
                                  {"filesize", QString::number(bytes)},
                                  {"downloaded", QString::number(bytes)},
                                  {"speed", out::speedText(bytes / seconds)},
                                  {"eta", "0"}});
    };
    // An interrupt asks ffmpeg to finish the file properly; it is killed only if it hangs.
    QElapsedTimer sinceInterrupt;
    run.onInterrupt = [&](QProcess &process) {
        ::kill(pid_t(process.processId()), SIGINT);
        sinceInterrupt.start();
        return true;
    };
    run.onTick = [&] {
    };
    run.onStarted = [&](QProcess &process) {
        run.onTick = [&process, &sinceInterrupt] {
            if (sinceInterrupt.isValid() && sinceInterrupt.elapsed() > 15000)
                process.kill();
        };
    };
    const child::Result r = run.exec();
    const media::Info info = media::probe(ctx.ffprobe, target);
    if (!info.ok || QFileInfo(target).size() == 0) {
        const QString why = child::errorSummary(r.errorOutput);
        return out::failure(why.contains("No space left") ? out::WriteFailed : out::DownloadFailed,
                            QStringLiteral("the recording could not be saved: %1")
                                .arg(why.isEmpty() ? info.error : why));
    }
    QJsonObject msg = media::describe(info, target);
    msg.insert("ret_code", "0");
    msg.insert("subtitle", "");
    out::line("finished", msg);
    return out::Ok;
}

QString findSubtitle(const QString &mediaPath)
{
    const QFileInfo media(mediaPath);
    const QStringList candidates =
        media.dir().entryList({media.completeBaseName() + ".*"}, QDir::Files, QDir::Name);
    for (const QString &name : candidates) {
        const QString suffix = QFileInfo(name).suffix().toLower();
        if (suffix == "srt" || suffix == "vtt" || suffix == "lrc" || suffix == "ass")
            return media.dir().filePath(name);
    }
    return QString();
}

// --- Download mode. --------------------------------------------------------------------------
int runDownload(const Context &ctx, const QJsonObject &root)
{
    const QJsonObject d = root.value("downloader").toObject();
    const QString url = text(d, "url");
    const QString saveDir = text(d, "save_path");
    if (url.isEmpty() || saveDir.isEmpty())
        return out::failure(out::BadParameterFile,
                            QStringLiteral("\"url\" and \"save_path\" are required"));
    if (!QDir().mkpath(saveDir))
        return out::failure(out::WriteFailed, QStringLiteral("cannot create %1").arg(saveDir));
    if (ctx.ytdlp.isEmpty())
        return out::failure(out::ProgramMissing, QStringLiteral("yt-dlp not found"));

    const QString mediaType = text(d, "media_type") == "audio" ? "audio" : "video";
    const QJsonObject converter = root.value("converter").toObject();
    const bool convertAfter =
        flag(converter, "isNeedConvert") && !text(converter, "preset").isEmpty();
    if (convertAfter && ctx.ffmpeg.isEmpty())
        return out::failure(out::ProgramMissing, QStringLiteral("ffmpeg not found"));

    // What is it? A plain media file needs no analysis.
    QJsonObject info;
    bool fromPlaylist = false;
    EarlyProbe early;
    if (isDirectMedia(url)) {
        early.start(ctx.ffprobe, url);
        const QString name =
            QUrl::fromPercentEncoding(QFileInfo(QUrl(url).path()).fileName().toUtf8());
        info.insert("title", QFileInfo(name).completeBaseName());
        info.insert("url", url);
        info.insert("ext", QFileInfo(name).suffix().toLower());
    } else {
        const Analysis a = analyse(ctx, url, {"--no-playlist", "--playlist-items", "1"});
        if (a.code != out::Ok)
            return out::failure(a.code, a.error);
        info = a.info;
        fromPlaylist = a.playlist;
    }
    const QString title = info.value("title").toString().isEmpty() ? QStringLiteral("video")
                                                                   : info.value("title").toString();

    // File name prefix for playlist entries.
    QString prefix;
    if (flag(d, "add_playlist_index")) {
        const int index = info.value("playlist_index").toInt();
        const int count = info.value("n_entries").toInt(info.value("playlist_count").toInt());
        const int number =
            flag(d, "playlist_reverse_index") && count > 0 ? count - index + 1 : index;
        if (number > 0)
            prefix = QStringLiteral("%1. ").arg(number);
    }
    const QString baseName = safeFileName(prefix + title);

    Thumbnail thumb;
    const QString mediaSource = info.value("url").toString();

    if (isLive(ctx, info)) {
        if (ctx.ffmpeg.isEmpty())
            return out::failure(out::ProgramMissing, QStringLiteral("ffmpeg not found"));
        const QString target = QDir(saveDir).filePath(baseName + ".mkv");
        thumb.start(ctx, info.value("thumbnail").toString(), url, mediaSource, false);
        thumb.waitReady(10000);
        out::line("sniff", sniffMessage(title, thumb, true, target, info));
        return recordLive(ctx, mediaSource.isEmpty() ? url : mediaSource, target);
    }

    const QString ext = info.value("ext").toString().isEmpty() ? QStringLiteral("mp4")
                                                               : info.value("ext").toString();
    const QString expected = QDir(saveDir).filePath(baseName + '.' + ext);
    const bool audioOnly = mediaType == "audio" || info.value("vcodec").toString() == "none";
    thumb.start(ctx, info.value("thumbnail").toString(), url, mediaSource, audioOnly);

    QStringList args = ctx.ytdlpCommon();
    QString outputTemplate = baseName;
    outputTemplate.replace('%', "%%");
    args << "--newline"
         << "--progress"
         << "--progress-template"
         << "download:%(progress)j"
         << "--print"
         << "after_move:VANTORO_FILEPATH:%(filepath)s"
         << "--no-playlist"
         << "--playlist-items"
         << "1"
         << "--no-part"
         << "--no-mtime"
         << "-o" << QDir(saveDir).filePath(outputTemplate + ".%(ext)s") << "-f"
         << formatFor(mediaType, text(d, "video_quality"));
    if (mediaType == "audio")
        args << "-x";
    if (!text(d, "ratelimit").isEmpty() && text(d, "ratelimit") != "Unlimited")
        args << "--limit-rate" << text(d, "ratelimit");
    const QString subtitle = text(d, mediaType == "audio" ? "lyric" : "subtitle");
    if (!subtitle.isEmpty())
        args << "--write-subs"
             << "--sub-langs" << subtitle + ".*," + subtitle;
    Q_UNUSED(fromPlaylist)
    args << "--" << url;

    // Progress lines wait until the sniff line is out, which waits (briefly) for the thumbnail.
    bool sniffed = false;
    auto sniffWhenReady = [&](bool force) {
        if (sniffed)
            return;
        if (force ? thumb.waitReady(5000) : thumb.ready()) {
            out::line("sniff", sniffMessage(title, thumb, false, expected, info));
            sniffed = true;
        }
    };
    QString finalPath;
    QElapsedTimer throttle;
    throttle.start();
    QJsonObject lastProgress;
    child::Run run;
    run.program = ctx.ytdlp;
    run.arguments = args;
    run.onLine = [&](const QByteArray &line) {
        if (line.startsWith("VANTORO_FILEPATH:")) {
            finalPath = QString::fromUtf8(line.mid(17));
            return;
        }
        if (!line.startsWith('{'))
            return;
        const QJsonObject p = QJsonDocument::fromJson(line).object();
        if (p.value("status").toString() != "downloading")
            return;
        const double done = p.value("downloaded_bytes").toDouble();
        double total = p.value("total_bytes").toDouble();
        if (total <= 0)
            total = p.value("total_bytes_estimate").toDouble();
        lastProgress = {{"progress", total > 0
                                         ? QString::number(qBound(0.0, done / total, 1.0), 'f', 4)
                                         : QStringLiteral("0")},
                        {"filesize", QString::number(qint64(total))},
                        {"downloaded", QString::number(qint64(done))},
                        {"speed", out::speedText(p.value("speed").toDouble())},
                        {"eta", QString::number(qint64(p.value("eta").toDouble()))}};
        const bool complete = total > 0 && done >= total;
        if (sniffed && (complete || throttle.elapsed() >= 250)) {
            throttle.restart();
            out::line("downloading", lastProgress);
            lastProgress = QJsonObject();
        }
    };
    run.onTick = [&] {
        sniffWhenReady(false);
    };
    const child::Result r = run.exec();
    sniffWhenReady(true);
    if (!lastProgress.isEmpty())
        out::line("downloading", lastProgress);
    if (child::interrupted())
        return out::failure(out::Interrupted, QStringLiteral("interrupted"));
    if (!r.started)
        return out::failure(out::ProgramMissing, QStringLiteral("yt-dlp could not be started"));
    if (r.crashed || r.exitCode != 0 || finalPath.isEmpty() || !QFileInfo(finalPath).isFile()) {
        const QString why = child::errorSummary(r.errorOutput);
        return out::failure(
            ytdlpFailureCode(why),
            why.isEmpty() ? QStringLiteral("yt-dlp ended with code %1").arg(r.exitCode) : why);
    }
    if (!audioOnly && thumb.grabFrom(finalPath))
        out::line("sniff", sniffMessage(title, thumb, false, finalPath, info));

    QString resultPath = finalPath;
    media::Info resultInfo;
    if (convertAfter) {
        media::ConvertRequest request;
        request.ffmpeg = ctx.ffmpeg;
        request.ffprobe = ctx.ffprobe;
        request.input = finalPath;
        request.preset = text(converter, "preset");
        request.saveDir = saveDir;
        request.resolution = "origin";
        request.bitRate = "origin";
        request.replaceInput = true;
        const media::ConvertOutcome c = media::convert(request, [](double progress) {
            out::line("converting", {{"progress", QString::number(progress, 'f', 4)},
                                     {"pid", QString::number(QCoreApplication::applicationPid())}});
        });
        if (c.code != out::Ok)
            return out::failure(c.code, c.error);
        resultPath = c.outputPath;
        resultInfo = c.info;
    } else {
        if (!early.describe(resultPath, &resultInfo))
            resultInfo = media::probe(ctx.ffprobe, resultPath);
    }
    QJsonObject msg = media::describe(resultInfo, resultPath);
    if (!resultInfo.ok)
        msg.insert("filesize", QString::number(QFileInfo(resultPath).size()));
    msg.insert("ret_code", "0");
    const QString subtitlePath = subtitle.isEmpty() ? QString() : findSubtitle(finalPath);
    msg.insert(mediaType == "audio" ? "lyric" : "subtitle", subtitlePath);
    out::line("finished", msg);
    return out::Ok;
}

// --- Playlist listing mode. ------------------------------------------------------------------
int runPlaylist(const Context &ctx, const QJsonObject &root)
{
    const QJsonObject d = root.value("downloader").toObject();
    const QString url = text(d, "url");
    if (url.isEmpty())
        return out::failure(out::BadParameterFile, QStringLiteral("\"url\" is required"));
    if (ctx.ytdlp.isEmpty())
        return out::failure(out::ProgramMissing, QStringLiteral("yt-dlp not found"));
    QByteArray json;
    QStringList args = ctx.ytdlpCommon();
    args << "-J"
         << "--flat-playlist"
         << "--" << url;
    const child::Result r = child::capture(ctx.ytdlp, args, &json, 600000);
    const QJsonObject info = QJsonDocument::fromJson(json).object();
    if (child::interrupted())
        return out::failure(out::Interrupted, QStringLiteral("interrupted"));
    if (!r.started || r.exitCode != 0 || info.isEmpty()) {
        const QString why = child::errorSummary(r.errorOutput);
        return out::failure(ytdlpFailureCode(why),
                            why.isEmpty() ? QStringLiteral("cannot list %1").arg(url) : why);
    }
    QJsonArray entries;
    if (info.value("_type").toString() == "playlist")
        entries = info.value("entries").toArray();
    else
        entries.append(info);
    QJsonArray batch;
    int index = 0;
    auto flush = [&] {
        if (batch.isEmpty())
            return;
        out::line("playlist", {{"videos", batch},
                               {"playlist_title", info.value("title").toString()},
                               {"playlist_count", QString::number(entries.size())}});
        batch = QJsonArray();
    };
    for (const QJsonValue &v : entries) {
        const QJsonObject e = v.toObject();
        ++index;
        QString entryUrl = e.value("url").toString();
        if (entryUrl.isEmpty() || e.value("_type").toString() != "url")
            entryUrl = e.value("webpage_url").toString(entryUrl);
        if (entryUrl.isEmpty())
            entryUrl = e.value("original_url").toString(url);
        QString thumbnail = e.value("thumbnail").toString();
        if (thumbnail.isEmpty()) {
            const QJsonArray thumbs = e.value("thumbnails").toArray();
            if (!thumbs.isEmpty())
                thumbnail = thumbs.last().toObject().value("url").toString();
        }
        batch.append(
            QJsonObject{{"title", e.value("title").toString(QStringLiteral("Entry %1").arg(index))},
                        {"url", entryUrl},
                        {"index", QString::number(e.value("playlist_index").toInt(index))},
                        {"duration", QString::number(qRound64(e.value("duration").toDouble()))},
                        {"thumbnail", thumbnail},
                        {"id", e.value("id").toString()}});
        if (batch.size() == 100)
            flush();
    }
    flush();
    return out::Ok;
}

// --- Analyse-only mode. ----------------------------------------------------------------------
int runSniff(const Context &ctx, const QJsonObject &root)
{
    const QString url = text(root, "url");
    if (url.isEmpty())
        return out::failure(out::BadParameterFile, QStringLiteral("\"url\" is required"));
    QJsonObject info;
    if (isDirectMedia(url)) {
        const QString name = QFileInfo(QUrl(url).path()).fileName();
        info = {{"title", QFileInfo(name).completeBaseName()}, {"url", url}};
    } else {
        if (ctx.ytdlp.isEmpty())
            return out::failure(out::ProgramMissing, QStringLiteral("yt-dlp not found"));
        const Analysis a = analyse(ctx, url, {"--no-playlist", "--playlist-items", "1"});
        if (a.code != out::Ok)
            return out::failure(a.code, a.error);
        info = a.info;
    }
    Thumbnail thumb;
    thumb.start(ctx, info.value("thumbnail").toString(), url, info.value("url").toString(),
                info.value("vcodec").toString() == "none");
    thumb.waitReady(10000);
    out::line("sniff", sniffMessage(info.value("title").toString(), thumb, isLive(ctx, info),
                                    QString(), info));
    return out::Ok;
}

// --- Conversion-only mode. -------------------------------------------------------------------
int runConvert(const Context &ctx, const QJsonObject &root)
{
    const QJsonObject c = root.value("converter").toObject();
    media::ConvertRequest request;
    request.ffmpeg = ctx.ffmpeg;
    request.ffprobe = ctx.ffprobe;
    request.input = text(c, "input");
    request.preset = text(c, "preset");
    request.saveDir = text(c, "save_path");
    request.resolution = text(c.value("video").toObject(), "resolution");
    const QJsonObject audio = c.value("audio").toObject();
    request.bitRate = text(audio, "bit_rate");
    request.mute = text(audio, "encoder") == "none";
    if (request.input.isEmpty() || request.preset.isEmpty() || request.saveDir.isEmpty())
        return out::failure(out::BadParameterFile,
                            QStringLiteral("\"input\", \"preset\" and \"save_path\" are required"));
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const media::ConvertOutcome outcome = media::convert(request, [&pid](double progress) {
        out::line("converting", {{"progress", QString::number(progress, 'f', 4)}, {"pid", pid}});
    });
    if (outcome.code != out::Ok)
        return out::failure(outcome.code, outcome.error);
    QJsonObject msg = media::describe(outcome.info, outcome.outputPath);
    msg.insert("ret_code", "0");
    out::line("finished", msg);
    return out::Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    child::installInterruptHandler();
    std::signal(SIGPIPE, SIG_IGN);
    if (argc != 2)
        return out::failure(out::BadArguments, QStringLiteral("usage: vantoro-dl PARAMETER_FILE"));

    const QString paramPath = QString::fromLocal8Bit(argv[1]);
    QFile file(paramPath);
    if (!file.open(QIODevice::ReadOnly))
        return out::failure(out::BadParameterFile,
                            QStringLiteral("cannot read the parameter file %1: %2")
                                .arg(paramPath, file.errorString()));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return out::failure(
            out::BadParameterFile,
            QStringLiteral("the parameter file is not a JSON object: %1").arg(error.errorString()));
    const QJsonObject root = doc.object();
    out::line("param", root);

    const QJsonObject downloader = root.value("downloader").toObject();
    const QString ffmpegFolder = text(root, "ffmpeg_location");
    Context ctx;
    ctx.ytdlp = child::find("yt-dlp");
    ctx.ffmpeg = child::find("ffmpeg", ffmpegFolder);
    ctx.ffprobe = child::find("ffprobe", ffmpegFolder);
    ctx.proxy = proxyFrom(downloader);
    ctx.checkCertificate = !flag(downloader, "nocheckcertificate");
    ctx.readCookie = flag(downloader, "read_cookie");

    int code;
    if (!downloader.isEmpty() && flag(downloader, "playlist"))
        code = runPlaylist(ctx, root);
    else if (flag(root, "sniff_only"))
        code = runSniff(ctx, root);
    else if (!downloader.isEmpty())
        code = runDownload(ctx, root);
    else if (root.value("converter").isObject())
        code = runConvert(ctx, root);
    else
        code = out::failure(out::BadParameterFile,
                            QStringLiteral("the parameter file asks for nothing this tool does"));
    return code;
}
