#include "core/protocol/toolline.h"

#include "core/protocol/lineform.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>

namespace protocol {

namespace {

// Texts from the tool are bounded: a title or a path is never longer than this.
constexpr int kMaxText = 8192;
constexpr int kMaxError = 1000;
// Members kept unread, all together.
constexpr int kMaxExtra = 64 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("protocol", text);
}

// Flags and numbers are read from the value's bytes as they stand: loading a list reads a dozen
// of them per job.
bool truthy(const QByteArray &b)
{
    return !b.isEmpty() && b != "0" && b.compare("false", Qt::CaseInsensitive) != 0;
}

double fraction(const QByteArray &b)
{
    double d = 0;
    const char *end = b.constData() + b.size();
    const auto read = std::from_chars(b.constData(), end, d);
    return read.ec == std::errc() && read.ptr == end && std::isfinite(d) ? d : 0;
}

qint64 whole(const QByteArray &b)
{
    qint64 n = 0;
    const char *end = b.constData() + b.size();
    const auto read = std::from_chars(b.constData(), end, n);
    if (read.ec == std::errc() && read.ptr == end)
        return n;
    // "12.5": the whole part; anything unreadable or out of range is 0.
    const double d = fraction(b);
    return d > -9.0e18 && d < 9.0e18 ? qint64(d) : 0;
}

struct KindName
{
    FailureKind kind;
    const char *name;
};

const KindName kKindNames[] = {
    {FailureKind::NotWritable, "not_writable"},
    {FailureKind::NoSpace, "no_space"},
    {FailureKind::NotFound, "not_found"},
    {FailureKind::Forbidden, "forbidden"},
    {FailureKind::ServerError, "server_error"},
    {FailureKind::ConnectionRefused, "connection_refused"},
    {FailureKind::HostNotFound, "host_not_found"},
    {FailureKind::TimedOut, "timed_out"},
    {FailureKind::Stalled, "stalled"},
    {FailureKind::Truncated, "truncated"},
    {FailureKind::Unsupported, "unsupported"},
    {FailureKind::Interrupted, "interrupted"},
    // The application's own judgements.
    {FailureKind::ToolCrashed, "tool_crashed"},
    {FailureKind::Other, "other"},
};

using lineform::Message;

QString text(const Message &msg, const char *key, int limit = kMaxText)
{
    return msg.text(key, limit);
}

MediaInfo mediaFrom(const Message &msg)
{
    MediaInfo m;
    m.present = true;
    m.title = text(msg, "title");
    m.thumbnail = text(msg, "thumbnail");
    m.localThumbnail = text(msg, "local_thumbnail");
    m.filePath = text(msg, "filepath");
    m.live = truthy(msg.scalar("is_live"));
    m.hiddenThumb = truthy(msg.scalar("isHiddenThumb"));
    m.privateFile = truthy(msg.scalar("isPrivateFileFlag"));
    m.playlistCount = int(qBound<qint64>(0, whole(msg.scalar("playlist_count")), 1 << 30));
    m.extra = msg.others({"title", "thumbnail", "local_thumbnail", "filepath", "is_live",
                          "isHiddenThumb", "isPrivateFileFlag", "playlist_count"},
                         kMaxExtra);
    return m;
}

Progress progressFrom(const Message &msg)
{
    Progress p;
    p.present = true;
    p.fraction = fraction(msg.scalar("progress"));
    p.totalBytes = whole(msg.scalar("filesize"));
    p.etaSeconds = whole(msg.scalar("eta"));
    p.speed = text(msg, "speed", 64);
    // Estimated from the fraction when the tool does not say; both are untrusted, and the
    // product of two large ones is no byte count.
    const double estimate = qBound(0.0, p.fraction, 1.0) * double(qMax<qint64>(0, p.totalBytes));
    p.downloadedBytes = msg.scalar("downloaded").isEmpty() ? qint64(qMin(estimate, 9.0e18))
                                                           : whole(msg.scalar("downloaded"));
    p.extra = msg.others({"progress", "filesize", "eta", "speed", "downloaded"}, kMaxExtra);
    return p;
}

Result resultFrom(const Message &msg)
{
    Result r;
    r.present = true;
    bool ok = false;
    r.returnCode = text(msg, "ret_code").toInt(&ok);
    r.hasReturnCode = ok;
    r.filePath = text(msg, "filepath");
    ResultDetails details;
    details.subtitle = text(msg, "subtitle");
    details.lyric = text(msg, "lyric");
    details.subtitlePath = text(msg, "subtitlePath");
    r.fileType = text(msg, "filetype", 64);
    r.quality = text(msg, "quality", 64);
    r.resolution = text(msg, "resolution", 64);
    r.error = text(msg, "error", kMaxError);
    // Seconds a reader can turn into a whole count: anything else is unknown.
    const double duration = fraction(msg.scalar("duration"));
    r.duration = duration > 0 && duration < 1e12 ? duration : 0;
    r.fileSize = whole(msg.scalar("filesize"));
    r.finishedAt = whole(msg.scalar("finished_at"));
    r.converted = truthy(msg.scalar("converted"));
    if (!r.succeeded()) {
        r.failure = failureKindNamed(text(msg, "error_kind", 64));
        if (r.failure == FailureKind::None)
            r.failure = r.error.isEmpty() ? FailureKind::Other : classifyFailure(r.error);
    }
    details.extra = msg.others({"ret_code", "filepath", "subtitle", "lyric", "subtitlePath",
                                "filetype", "quality", "resolution", "error", "error_kind",
                                "duration", "filesize", "finished_at", "converted"},
                               kMaxExtra);
    r.details = details;
    return r;
}

QVector<PlaylistEntry> entriesFrom(const QByteArray &line)
{
    // A listing is one line per batch of entries, a few a run: Qt's reader reads it.
    QVector<PlaylistEntry> entries;
    const QJsonArray videos = QJsonDocument::fromJson(line)
                                  .object()
                                  .value(QLatin1String("msg"))
                                  .toObject()
                                  .value(QLatin1String("videos"))
                                  .toArray();
    entries.reserve(videos.size());
    const auto member = [](const QJsonObject &entry, const char *key) {
        const QJsonValue v = entry.value(QLatin1String(key));
        const QString s = v.isString() ? v.toString() : v.toVariant().toString();
        return s.left(kMaxText);
    };
    for (const QJsonValue &v : videos) {
        const QJsonObject entry = v.toObject();
        entries.append({member(entry, "url"), member(entry, "title")});
    }
    return entries;
}

Message messageOf(const QByteArray &stored)
{
    Message msg;
    QString type;
    msg.read(stored, &type);
    return msg;
}

} // namespace

// --- Failure kinds ----------------------------------------------------------------------------

FailureKind failureKindNamed(const QString &name)
{
    for (const KindName &k : kKindNames) {
        if (name == QLatin1String(k.name))
            return k.kind;
    }
    return FailureKind::None;
}

QString failureKindName(FailureKind kind)
{
    for (const KindName &k : kKindNames) {
        if (k.kind == kind)
            return QString::fromLatin1(k.name);
    }
    return QString();
}

FailureKind classifyFailure(const QString &t)
{
    if (t.isEmpty())
        return FailureKind::None;
    const auto has = [&t](const char *s) {
        return t.contains(QLatin1String(s), Qt::CaseInsensitive);
    };
    if (has("No space left") || has("Disk quota"))
        return FailureKind::NoSpace;
    if (has("Permission denied") || has("Read-only file system") || has("cannot create") ||
        has("cannot write") || has("not writable"))
        return FailureKind::NotWritable;
    if (has("HTTP Error 404") || has("404 Not Found") || has("404: Not Found"))
        return FailureKind::NotFound;
    if (has("HTTP Error 403") || has("403 Forbidden") || has("403: Forbidden"))
        return FailureKind::Forbidden;
    if (has("HTTP Error 5") || has("Internal Server Error") || has("Bad Gateway") ||
        has("Service Unavailable") || has("Gateway Time"))
        return FailureKind::ServerError;
    if (has("Connection refused"))
        return FailureKind::ConnectionRefused;
    if (has("Name or service not known") || has("name resolution") || has("getaddrinfo") ||
        has("No address associated") || has("Could not resolve host"))
        return FailureKind::HostNotFound;
    if (has("timed out") || has("timeout"))
        return FailureKind::TimedOut;
    if (has("stalled"))
        return FailureKind::Stalled;
    if (has("truncated") || has("incomplete") || has("Did not get any data") ||
        has("content too short") || has("ContentTooShort"))
        return FailureKind::Truncated;
    if (has("Unsupported URL") || has("is not a valid URL") || has("no suitable") ||
        has("no media found"))
        return FailureKind::Unsupported;
    if (has("interrupted"))
        return FailureKind::Interrupted;
    return FailureKind::Other;
}

QString failureText(FailureKind kind)
{
    switch (kind) {
    case FailureKind::None:
        return QString();
    case FailureKind::NotWritable:
        return tr("The download folder cannot be written to");
    case FailureKind::NoSpace:
        return tr("The disk is full");
    case FailureKind::NotFound:
        return tr("The video was not found on the site");
    case FailureKind::Forbidden:
        return tr("The site refused the download");
    case FailureKind::ServerError:
        return tr("The site had a server error");
    case FailureKind::ConnectionRefused:
        return tr("The site refused the connection");
    case FailureKind::HostNotFound:
        return tr("The site could not be found");
    case FailureKind::TimedOut:
        return tr("The connection timed out");
    case FailureKind::Stalled:
        return tr("The download stalled");
    case FailureKind::Truncated:
        return tr("The download was cut short");
    case FailureKind::Unsupported:
        return tr("This address is not supported");
    case FailureKind::ToolCrashed:
        return tr("The download tool stopped unexpectedly");
    case FailureKind::Interrupted:
        return tr("The download was interrupted");
    case FailureKind::Other:
        break;
    }
    return tr("The download failed");
}

// --- Reading lines ----------------------------------------------------------------------------

Line parseLine(const QByteArray &bytes)
{
    Line line;
    Message msg;
    QString type;
    if (!msg.read(bytes, &type))
        return line;
    if (type == QLatin1String("sniff")) {
        line.type = LineType::Sniff;
        line.media = mediaFrom(msg);
    } else if (type == QLatin1String("downloading")) {
        line.type = LineType::Downloading;
        line.progress = progressFrom(msg);
    } else if (type == QLatin1String("converting")) {
        line.type = LineType::Converting;
        line.conversion.present = true;
        line.conversion.fraction = fraction(msg.scalar("progress"));
        line.conversion.pid = text(msg, "pid", 32);
    } else if (type == QLatin1String("finished")) {
        line.type = LineType::Finished;
        line.result = resultFrom(msg);
    } else if (type == QLatin1String("playlist")) {
        line.type = LineType::Playlist;
        line.entries = entriesFrom(bytes);
    }
    return line;
}

MediaInfo readMediaInfo(const QByteArray &stored)
{
    if (stored.isEmpty())
        return MediaInfo();
    return mediaFrom(messageOf(stored));
}

Progress readProgress(const QByteArray &stored)
{
    if (stored.isEmpty())
        return Progress();
    return progressFrom(messageOf(stored));
}

Result readResult(const QByteArray &stored)
{
    if (stored.isEmpty())
        return Result();
    return resultFrom(messageOf(stored));
}

// --- Writing the stored forms -----------------------------------------------------------------

QByteArray storedLine(const MediaInfo &m)
{
    if (!m.present)
        return QByteArray();
    lineform::Writer w("sniff");
    w.text("title", m.title);
    w.text("thumbnail", m.thumbnail);
    w.text("local_thumbnail", m.localThumbnail);
    w.text("filepath", m.filePath);
    w.flag("is_live", m.live);
    w.number("playlist_count", m.playlistCount);
    w.flag("isHiddenThumb", m.hiddenThumb);
    w.flag("isPrivateFileFlag", m.privateFile);
    return w.finish(m.extra);
}

QByteArray storedLine(const Progress &p)
{
    if (!p.present)
        return QByteArray();
    lineform::Writer w("downloading");
    w.real("progress", p.fraction);
    w.number("filesize", p.totalBytes);
    w.text("speed", p.speed);
    w.number("eta", p.etaSeconds);
    if (p.downloadedBytes > 0)
        w.number("downloaded", p.downloadedBytes);
    return w.finish(p.extra);
}

QByteArray storedLine(const Result &r)
{
    if (!r.present)
        return QByteArray();
    lineform::Writer w("finished");
    if (r.hasReturnCode)
        w.text("ret_code", QString::number(r.returnCode));
    w.text("filepath", r.filePath);
    w.text("subtitle", r.details->subtitle);
    w.text("lyric", r.details->lyric);
    w.text("subtitlePath", r.details->subtitlePath);
    w.text("filetype", r.fileType);
    w.text("quality", r.quality);
    w.text("resolution", r.resolution);
    w.real("duration", r.duration);
    w.number("filesize", r.fileSize);
    w.text("error", r.error);
    if (!r.succeeded())
        w.text("error_kind", failureKindName(r.failure));
    w.flag("converted", r.converted);
    w.number("finished_at", r.finishedAt);
    return w.finish(r.details->extra);
}

Result failedResult(FailureKind kind, const QString &error)
{
    Result r;
    r.present = true;
    r.hasReturnCode = true;
    r.returnCode = 1;
    r.error = error.left(kMaxError);
    r.failure = kind;
    return r;
}

Result recordingResult(qint64 durationSeconds, const QString &fileType, qint64 bitRate, qint64 size,
                       const QString &path, int width, int height)
{
    Result r;
    r.present = true;
    r.hasReturnCode = true;
    r.duration = double(durationSeconds);
    r.fileType = fileType;
    r.quality =
        bitRate > 0 ? QString::asprintf("%dKb/s", int(bitRate / 1000)) : QStringLiteral("Unknown");
    r.fileSize = size;
    r.filePath = path;
    r.resolution = QStringLiteral("%1x%2").arg(width).arg(height);
    return r;
}

// --- Splitting the output ---------------------------------------------------------------------

void LineBuffer::take(const QByteArray &line, QVector<QByteArray> *lines)
{
    if (line.size() > 4)
        lines->append(line.trimmed());
}

QVector<QByteArray> LineBuffer::feed(const QByteArray &bytes)
{
    QVector<QByteArray> lines;
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

QVector<QByteArray> LineBuffer::finish()
{
    QVector<QByteArray> lines;
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

} // namespace protocol
