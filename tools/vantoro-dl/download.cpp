#include "download.h"

#include "container.h"
#include "convert.h"
#include "describe.h"
#include "formatchoice.h"
#include "live.h"
#include "output.h"
#include "playlist.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QUrl>

namespace download {

namespace {

struct Job
{
    QString address; // as the application gave it
    playlist::EntryAddress entry;
    QString saveDir;
    QString mediaType;
    QString videoQuality;
    QString rateLimit;
    QString subtitle;
    bool indexPrefix = false;
    bool reverseIndex = false;
    QString preset;     // non-empty: convert after the download
    QString resolution; // of the conversion: "WIDTHxHEIGHT" or "origin"
    QString bitRate;    // of the conversion: like "320K", or "origin"
    bool audio() const { return mediaType == QLatin1String("audio"); }
};

// What the yt-dlp run reported.
struct Fetched
{
    QJsonObject info;  // its "before_dl" print
    QJsonObject sniff; // the "sniff" line made of it
    QString finalPath; // its "after_move" print
    bool live = false; // the stream turned out to be live: recorded instead
    QDateTime started; // when the run began
};

const char kInfoTag[] = "VANTORO_INFO:";
const char kPathTag[] = "VANTORO_FILEPATH:";

int readJob(params::Reader &reader, const QJsonObject &root, Job *job)
{
    const QJsonObject d = reader.object(root, "downloader");
    job->address = reader.text(d, "url");
    job->saveDir = reader.text(d, "save_path");
    job->mediaType = reader.text(d, "media_type") == "audio" ? "audio" : "video";
    job->videoQuality = reader.text(d, "video_quality");
    job->rateLimit = reader.text(d, "ratelimit");
    job->subtitle = reader.text(d, job->audio() ? "lyric" : "subtitle");
    job->indexPrefix = reader.flag(d, "add_playlist_index");
    job->reverseIndex = reader.flag(d, "playlist_reverse_index");
    const QJsonObject converter = reader.object(root, "converter");
    const QString preset = reader.text(converter, "preset");
    if (reader.flag(converter, "isNeedConvert"))
        job->preset = preset;
    job->resolution = reader.text(reader.object(converter, "video"), "resolution");
    job->bitRate = reader.text(reader.object(converter, "audio"), "bit_rate");
    if (!reader.problem().isEmpty())
        return out::failure(out::BadArguments, reader.problem());
    if (job->address.isEmpty() || job->saveDir.isEmpty())
        return out::failure(out::BadArguments,
                            QStringLiteral("\"url\" and \"save_path\" are required"));
    job->entry = playlist::parseEntryAddress(job->address);
    return out::Ok;
}

QStringList ytdlpArguments(const Context &ctx, const Job &job)
{
    QString prefix;
    if (job.indexPrefix && job.entry.index > 0)
        prefix = choice::indexPrefix(job.entry.index, job.entry.count, job.reverseIndex);
    QStringList args = ctx.ytdlpArguments();
    args << "--newline"
         << "--progress"
         << "--progress-template"
         << "download:%(progress)j"
         << "--print"
         << QStringLiteral("before_dl:%1%(.{title,thumbnail,duration,width,height,ext,vcodec,"
                           "acodec,tbr,protocol,url,manifest_url,is_live,live_status,webpage_url,"
                           "extractor,_filename,playlist_count,vantoro_hls_live})j")
                .arg(QLatin1String(kInfoTag))
         << "--print" << QStringLiteral("after_move:%1%(filepath)s").arg(QLatin1String(kPathTag))
         << "--no-mtime"
         << "-o" << choice::outputTemplate(job.saveDir, prefix) << "-f"
         << choice::formatFor(job.mediaType, job.videoQuality);
    if (job.entry.pageItem > 0) {
        args << "--yes-playlist"
             << "--playlist-items" << QString::number(job.entry.pageItem);
    } else {
        args << "--no-playlist"
             << "--playlist-items"
             << "1";
        if (job.entry.index == 0)
            args << "--parse-metadata" << choice::titleFixArgument();
    }
    if (job.audio())
        args << "-x";
    if (!job.rateLimit.isEmpty() && job.rateLimit != "Unlimited")
        args << "--limit-rate" << job.rateLimit;
    if (!job.subtitle.isEmpty())
        args << "--write-subs"
             << "--sub-langs" << job.subtitle + ".*," + job.subtitle;
    return args << "--" << job.entry.url;
}

QJsonObject sniffMessage(const QJsonObject &info, const QString &filepath, bool live)
{
    return {{"title", info.value("title").toString()},
            {"thumbnail", info.value("thumbnail").toString()},
            {"local_thumbnail", QString()},
            {"is_live", live ? QStringLiteral("true") : QStringLiteral("false")},
            {"filepath", filepath},
            {"duration", QString::number(qRound64(info.value("duration").toDouble()))},
            {"webpage_url", info.value("webpage_url").toString()},
            {"extractor", info.value("extractor").toString()}};
}

// yt-dlp's progress objects, passed on at most four times a second: only the lines that are
// passed on are parsed. A line held back goes out once its quarter second is over, even when no
// other follows (the bytes before a stall are reported, and a stall watch sees none after them).
class Progress
{
public:
    void offer(const QByteArray &line)
    {
        latest = line;
        arrived = true;
        flushDue();
    }
    void flushDue()
    {
        if (clock.isValid() && clock.elapsed() < 250)
            return;
        flush();
    }
    void flush()
    {
        if (latest.isEmpty())
            return;
        clock.start();
        const QJsonObject p = QJsonDocument::fromJson(latest).object();
        latest.clear();
        const double done = p.value("downloaded_bytes").toDouble();
        double total = p.value("total_bytes").toDouble();
        if (total <= 0)
            total = p.value("total_bytes_estimate").toDouble();
        out::line("downloading",
                  {{"progress", total > 0 ? QString::number(qBound(0.0, done / total, 1.0), 'f', 4)
                                          : QStringLiteral("0")},
                   {"filesize", QString::number(qint64(total))},
                   {"downloaded", QString::number(qint64(done))},
                   {"speed", out::speedText(p.value("speed").toDouble())},
                   {"eta", QString::number(qint64(p.value("eta").toDouble()))}});
    }

    // Whether any bytes arrived (yt-dlp reports progress only as they do).
    bool arrived = false;

private:
    QByteArray latest;
    QElapsedTimer clock;
};

QString liveTarget(const Job &job, const QJsonObject &info)
{
    QString name = info.value("title").toString();
    static const QString bad = QStringLiteral("/\\:*?\"<>|\n\r\t");
    for (QChar &c : name) {
        if (bad.contains(c))
            c = QLatin1Char('_');
    }
    name = choice::fitStem(name.trimmed(), 150); // bytes, as the download names are
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("video"));
    return QDir(job.saveDir).filePath(name + QStringLiteral(".mkv"));
}

// The one yt-dlp run. Its info line becomes the "sniff" line before any progress line.
int fetchMedia(Context &ctx, const Job &job, Fetched *fetched)
{
    Progress progress;
    bool stopForLive = false;
    child::Run run;
    run.program = ctx.ytdlpProgram();
    run.arguments = ytdlpArguments(ctx, job);
    run.onLine = [&](const QByteArray &line) {
        if (line.startsWith('{')) {
            if (line.contains("\"status\": \"downloading\""))
                progress.offer(line);
        } else if (line.startsWith(kPathTag)) {
            fetched->finalPath = QString::fromUtf8(line.mid(int(sizeof kPathTag) - 1));
        } else if (line.startsWith(kInfoTag) && fetched->info.isEmpty()) {
            fetched->info = QJsonDocument::fromJson(line.mid(int(sizeof kInfoTag) - 1)).object();
            if (live::isLive(ctx, fetched->info)) {
                stopForLive = fetched->live = true;
                return;
            }
            QJsonObject &msg = fetched->sniff;
            msg = sniffMessage(fetched->info, fetched->info.value("_filename").toString(), false);
            const int count = fetched->info.value("playlist_count").toInt();
            if (count > 1 && job.entry.index == 0)
                msg.insert("playlist_count", QString::number(count));
            out::line("sniff", msg);
        }
    };
    run.onTick = [&](child::Process &process) {
        progress.flushDue();
        if (stopForLive) {
            stopForLive = false;
            process.stopGroup(0);
        }
    };
    fetched->started = QDateTime::currentDateTimeUtc().addSecs(-1);
    const child::Result r = run.exec();
    progress.flush();
    ctx.noticeYtdlpVersion(r.errorOutput);
    if (child::interrupted())
        return out::failure(out::Interrupted, QStringLiteral("interrupted"));
    if (fetched->live)
        return out::Ok;
    if (!r.started)
        return out::failure(out::ProgramMissing, QStringLiteral("yt-dlp could not be started: %1")
                                                     .arg(QString::fromUtf8(r.errorOutput)));
    if (r.crashed || r.exitCode != 0 || fetched->finalPath.isEmpty() ||
        !QFileInfo(fetched->finalPath).isFile()) {
        QString why = child::errorSummary(r.errorOutput);
        if (why.isEmpty())
            why = fetched->info.isEmpty()
                      ? QStringLiteral("no media found at %1").arg(job.entry.url)
                      : QStringLiteral("yt-dlp ended with code %1").arg(r.exitCode);
        int code = ytdlpFailureCode(why);
        QString kind = out::kindOf(code, why);
        // Once bytes came, a failure for want of more leaves a part (resumed by the next run):
        // the transfer stalled (no byte for the stall time, on every try) or was cut short.
        static const QStringList keep = {out::kind::NoSpace, out::kind::NotWritable,
                                         out::kind::NotFound, out::kind::Forbidden,
                                         out::kind::ServerError};
        if (progress.arrived && !keep.contains(kind)) {
            code = out::DownloadFailed;
            if (kind == QLatin1String(out::kind::TimedOut)) {
                kind = out::kind::Stalled;
                why =
                    QStringLiteral("stalled: no data for %1 s, %2").arg(ctx.stallSeconds).arg(why);
            } else {
                kind = out::kind::Truncated;
                why = QStringLiteral("the download is incomplete: %1").arg(why);
            }
        }
        return out::failure(code, why, kind);
    }
    return out::Ok;
}

// Live: the part yt-dlp began goes, ffmpeg records the stream.
int recordInstead(const Context &ctx, const Job &job, const QJsonObject &info)
{
    const QString begun = info.value("_filename").toString();
    if (!begun.isEmpty()) {
        const QFileInfo b(begun);
        for (const QString &name : b.dir().entryList({b.fileName() + "*"}, QDir::Files))
            QFile::remove(b.dir().filePath(name));
    }
    const QString target = liveTarget(job, info);
    out::line("sniff", sniffMessage(info, target, true));
    const QString stream = info.value("manifest_url").toString().isEmpty()
                               ? info.value("url").toString(job.entry.url)
                               : info.value("manifest_url").toString();
    return live::record(ctx, stream, target);
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

// What this run of yt-dlp left of an unfinished download beside the planned file:
// "NAME.EXT.part", the parts of the formats it merges ("NAME.f137.mp4.part"), HLS fragments
// ("NAME.mp4.part-Frag3"). A part older than the run belongs to another attempt.
QStringList partsLeft(const Fetched &fetched)
{
    QStringList parts;
    const QString planned = fetched.info.value("_filename").toString();
    if (planned.isEmpty())
        return parts;
    const QFileInfo p(planned);
    const QDir dir = p.dir();
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QString name = file.fileName();
        if (name.startsWith(p.completeBaseName()) &&
            (name.endsWith(QLatin1String(".part")) || name.contains(QLatin1String(".part-Frag"))) &&
            file.lastModified() >= fetched.started)
            parts << file.filePath();
    }
    return parts;
}

// The saved file, judged and described: its own header (read in-process) says whether all of it
// arrived and what it holds; yt-dlp's report fills in the rest. Only a file in a container not
// read here, of which yt-dlp knew nothing either, is shown to ffprobe. A file cut short goes
// back to being a part, so that the next run resumes it.
int judgeResult(const Context &ctx, const Job &job, const Fetched &fetched, media::Info *info,
                bool *fromFile)
{
    const QString path = fetched.finalPath;
    auto truncated = [&path](const QString &why) {
        return out::failure(out::DownloadFailed,
                            QStringLiteral("the download is incomplete: %1").arg(why),
                            out::kind::Truncated);
    };
    const QStringList parts = partsLeft(fetched);
    if (!parts.isEmpty())
        return truncated(QStringLiteral("%1 was left behind").arg(parts.first()));
    const container::Facts facts = container::inspect(path);
    if (!facts.complete) {
        const qint64 size = QFileInfo(path).size();
        QFile::remove(path + QStringLiteral(".part"));
        QFile::rename(path, path + QStringLiteral(".part"));
        return truncated(
            QStringLiteral("%1 ends after %2 bytes, before its media does").arg(path).arg(size));
    }
    *info = facts.info;
    *fromFile = facts.info.ok;
    media::complete(info, media::fromYtdlp(fetched.info));
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool audioOnly =
        job.audio() || (info->videoCodec.isEmpty() && !info->audioCodec.isEmpty()) ||
        QStringList{"mp3", "m4a", "aac", "ogg", "opus", "wav", "flac"}.contains(suffix);
    if (audioOnly) {
        info->videoCodec.clear();
        info->width = info->height = 0;
    }
    const bool unknown = info->duration <= 0 || (!audioOnly && info->height <= 0);
    if (facts.format != container::Format::Unknown || !unknown || ctx.ffprobe.isEmpty())
        return out::Ok;
    QByteArray json;
    if (!child::capture(ctx.ffprobe, media::probeArguments(path), &json, 60000).started)
        return out::Ok;
    const media::Info probed = media::parseProbe(json, path);
    if (!probed.ok)
        return truncated(QStringLiteral("ffprobe cannot read %1").arg(path));
    *info = probed;
    *fromFile = true;
    media::complete(info, media::fromYtdlp(fetched.info));
    return out::Ok;
}

} // namespace

int run(Context &ctx, params::Reader &reader, const QJsonObject &root)
{
    Job job;
    if (const int code = readJob(reader, root, &job))
        return code;
    if (!QDir().mkpath(job.saveDir))
        return out::failure(out::WriteFailed, QStringLiteral("cannot create %1").arg(job.saveDir));
    if (ctx.ytdlpPath.isEmpty())
        return out::failure(out::ProgramMissing, QStringLiteral("yt-dlp not found"));
    if (!job.preset.isEmpty() && ctx.ffmpeg.isEmpty())
        return out::failure(out::ProgramMissing, QStringLiteral("ffmpeg not found"));
    ctx.learnYtdlpVersion();

    // Whether the stream is live is asked once yt-dlp has described it, while its download goes
    // on: asking before would make every HLS download wait for a request of its own. (Mostly
    // yt-dlp has answered it by then, see live::isLive().)
    Fetched fetched;
    if (const int code = fetchMedia(ctx, job, &fetched))
        return code;
    if (fetched.live)
        return recordInstead(ctx, job, fetched.info);

    media::Info info;
    bool fromFile = false;
    if (const int code = judgeResult(ctx, job, fetched, &info, &fromFile))
        return code;
    QString resultPath = fetched.finalPath;
    if (!job.preset.isEmpty()) {
        convert::Request request;
        request.ffmpeg = ctx.ffmpeg;
        request.ffprobe = ctx.ffprobe;
        request.input = fetched.finalPath;
        request.preset = job.preset;
        request.saveDir = job.saveDir;
        request.resolution = job.resolution.isEmpty() ? QStringLiteral("origin") : job.resolution;
        // The quality asked for is the most wanted: a smaller video is not blown up to it.
        request.enlarge = false;
        request.bitRate = job.bitRate.isEmpty() ? QStringLiteral("origin") : job.bitRate;
        request.replaceInput = true;
        // What the file's own header said is what a probe would say (yt-dlp's codec names are
        // of another kind: "avc1.64001f" rather than "h264").
        if (fromFile)
            request.source = &info;
        const convert::Outcome c = convert::run(request, convert::reportProgress);
        if (c.code != out::Ok)
            return out::failure(c.code, c.error);
        resultPath = c.outputPath;
        info = c.info;
    }
    QJsonObject msg = media::describe(info, resultPath);
    msg.insert("ret_code", "0");
    msg.insert(job.audio() ? "lyric" : "subtitle",
               job.subtitle.isEmpty() ? QString() : findSubtitle(fetched.finalPath));
    out::line("finished", msg);
    return out::Ok;
}

} // namespace download
