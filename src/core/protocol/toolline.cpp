#include "core/protocol/toolline.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cstdio>

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

QString text(const QJsonObject &msg, QLatin1String key, int limit = kMaxText)
{
    const QJsonValue v = msg.value(key);
    QString s;
    if (v.isString())
        s = v.toString();
    else if (v.isDouble() || v.isBool())
        s = v.toVariant().toString();
    return s.size() > limit ? s.left(limit) : s;
}

bool truthy(const QString &s)
{
    return !s.isEmpty() && s != QLatin1String("0") &&
           s.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

qint64 whole(const QString &s)
{
    bool ok = false;
    const qint64 n = s.toLongLong(&ok);
    if (ok)
        return n;
    // "12.5": the whole part; anything unreadable or out of range is 0.
    const double d = s.toDouble(&ok);
    return ok && d > -9.0e18 && d < 9.0e18 ? qint64(d) : 0;
}

double fraction(const QString &s)
{
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok && qIsFinite(d) ? d : 0;
}

// The members of `msg` whose keys are not in `known`, as JSON members ("k":v,...).
QByteArray extraMembers(const QJsonObject &msg, std::initializer_list<const char *> known)
{
    QJsonObject rest;
    for (auto it = msg.begin(); it != msg.end(); ++it) {
        bool modelled = false;
        for (const char *k : known) {
            if (it.key() == QLatin1String(k)) {
                modelled = true;
                break;
            }
        }
        if (!modelled)
            rest.insert(it.key(), it.value());
    }
    if (rest.isEmpty())
        return QByteArray();
    const QByteArray json = QJsonDocument(rest).toJson(QJsonDocument::Compact);
    if (json.size() > kMaxExtra)
        return QByteArray();
    return json.mid(1, json.size() - 2); // without the braces
}

// Writes {"type":TYPE,"msg":{...}} member by member, compact, the way the tool writes it.
class LineWriter
{
public:
    explicit LineWriter(const char *type)
    {
        out.reserve(256);
        out += "{\"type\":\"";
        out += type;
        out += "\",\"msg\":{";
    }
    void text(const char *key, const QString &value)
    {
        if (value.isEmpty())
            return;
        name(key);
        string(value.toUtf8());
    }
    void number(const char *key, qint64 value)
    {
        if (value == 0)
            return;
        name(key);
        out += '"';
        out += QByteArray::number(value);
        out += '"';
    }
    void real(const char *key, double value)
    {
        if (value == 0)
            return;
        name(key);
        out += '"';
        out += QString::number(value, 'g', QLocale::FloatingPointShortest).toLatin1();
        out += '"';
    }
    void flag(const char *key, bool on)
    {
        if (!on)
            return;
        name(key);
        out += "\"true\"";
    }
    QByteArray finish(const QByteArray &extra)
    {
        if (!extra.isEmpty()) {
            if (!first)
                out += ',';
            out += extra;
        }
        out += "}}";
        return out;
    }

private:
    void name(const char *key)
    {
        if (!first)
            out += ',';
        first = false;
        out += '"';
        out += key;
        out += "\":";
    }
    void string(const QByteArray &utf8)
    {
        out += '"';
        for (const char c : utf8) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (uchar(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", uchar(c));
                    out += escaped;
                } else {
                    out += c;
                }
            }
        }
        out += '"';
    }

    QByteArray out;
    bool first = true;
};

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

MediaInfo mediaFrom(const QJsonObject &msg)
{
    MediaInfo m;
    m.present = true;
    m.title = text(msg, QLatin1String("title"));
    m.thumbnail = text(msg, QLatin1String("thumbnail"));
    m.localThumbnail = text(msg, QLatin1String("local_thumbnail"));
    m.filePath = text(msg, QLatin1String("filepath"));
    m.live = truthy(text(msg, QLatin1String("is_live")));
    m.hiddenThumb = truthy(text(msg, QLatin1String("isHiddenThumb")));
    m.privateFile = truthy(text(msg, QLatin1String("isPrivateFileFlag")));
    m.playlistCount =
        int(qBound<qint64>(0, whole(text(msg, QLatin1String("playlist_count"))), 1 << 30));
    m.extra = extraMembers(msg, {"title", "thumbnail", "local_thumbnail", "filepath", "is_live",
                                 "isHiddenThumb", "isPrivateFileFlag", "playlist_count"});
    return m;
}

Progress progressFrom(const QJsonObject &msg)
{
    Progress p;
    p.present = true;
    p.fraction = fraction(text(msg, QLatin1String("progress")));
    p.totalBytes = whole(text(msg, QLatin1String("filesize")));
    p.etaSeconds = whole(text(msg, QLatin1String("eta")));
    p.speed = text(msg, QLatin1String("speed"), 64);
    p.extra = extraMembers(msg, {"progress", "filesize", "eta", "speed"});
    return p;
}

Result resultFrom(const QJsonObject &msg)
{
    Result r;
    r.present = true;
    bool ok = false;
    const QString code = text(msg, QLatin1String("ret_code"));
    r.returnCode = code.toInt(&ok);
    r.hasReturnCode = ok;
    r.filePath = text(msg, QLatin1String("filepath"));
    r.subtitle = text(msg, QLatin1String("subtitle"));
    r.lyric = text(msg, QLatin1String("lyric"));
    r.subtitlePath = text(msg, QLatin1String("subtitlePath"));
    r.fileType = text(msg, QLatin1String("filetype"), 64);
    r.quality = text(msg, QLatin1String("quality"), 64);
    r.resolution = text(msg, QLatin1String("resolution"), 64);
    r.error = text(msg, QLatin1String("error"), kMaxError);
    r.duration = qMax(0.0, fraction(text(msg, QLatin1String("duration"))));
    r.fileSize = whole(text(msg, QLatin1String("filesize")));
    r.finishedAt = whole(text(msg, QLatin1String("finished_at")));
    r.converted = truthy(text(msg, QLatin1String("converted")));
    if (!r.succeeded()) {
        r.failure = failureKindNamed(text(msg, QLatin1String("error_kind"), 64));
        if (r.failure == FailureKind::None)
            r.failure = r.error.isEmpty() ? FailureKind::Other : classifyFailure(r.error);
    }
    r.extra = extraMembers(msg, {"ret_code", "filepath", "subtitle", "lyric", "subtitlePath",
                                 "filetype", "quality", "resolution", "error", "error_kind",
                                 "duration", "filesize", "finished_at", "converted"});
    return r;
}

QVector<PlaylistEntry> entriesFrom(const QJsonObject &msg)
{
    QVector<PlaylistEntry> entries;
    const QJsonArray videos = msg.value(QLatin1String("videos")).toArray();
    entries.reserve(videos.size());
    for (const QJsonValue &v : videos) {
        const QJsonObject entry = v.toObject();
        entries.append({text(entry, QLatin1String("url")), text(entry, QLatin1String("title"))});
    }
    return entries;
}

QJsonObject messageOf(const QByteArray &stored, QString *type)
{
    if (stored.isEmpty())
        return QJsonObject();
    const QJsonObject root = QJsonDocument::fromJson(stored).object();
    if (type)
        *type = root.value(QLatin1String("type")).toString();
    return root.value(QLatin1String("msg")).toObject();
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
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return line;
    const QJsonObject root = doc.object();
    const QString type = root.value(QLatin1String("type")).toString();
    const QJsonObject msg = root.value(QLatin1String("msg")).toObject();
    if (type == QLatin1String("sniff")) {
        line.type = LineType::Sniff;
        line.media = mediaFrom(msg);
    } else if (type == QLatin1String("downloading")) {
        line.type = LineType::Downloading;
        line.progress = progressFrom(msg);
    } else if (type == QLatin1String("converting")) {
        line.type = LineType::Converting;
        line.conversion.present = true;
        line.conversion.fraction = fraction(text(msg, QLatin1String("progress")));
        line.conversion.pid = text(msg, QLatin1String("pid"), 32);
    } else if (type == QLatin1String("finished")) {
        line.type = LineType::Finished;
        line.result = resultFrom(msg);
    } else if (type == QLatin1String("playlist")) {
        line.type = LineType::Playlist;
        line.entries = entriesFrom(msg);
    }
    return line;
}

MediaInfo readMediaInfo(const QByteArray &stored)
{
    if (stored.isEmpty())
        return MediaInfo();
    return mediaFrom(messageOf(stored, nullptr));
}

Progress readProgress(const QByteArray &stored)
{
    if (stored.isEmpty())
        return Progress();
    return progressFrom(messageOf(stored, nullptr));
}

Result readResult(const QByteArray &stored)
{
    if (stored.isEmpty())
        return Result();
    return resultFrom(messageOf(stored, nullptr));
}

// --- Writing the stored forms -----------------------------------------------------------------

QByteArray storedLine(const MediaInfo &m)
{
    if (!m.present)
        return QByteArray();
    LineWriter w("sniff");
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
    LineWriter w("downloading");
    w.real("progress", p.fraction);
    w.number("filesize", p.totalBytes);
    w.text("speed", p.speed);
    w.number("eta", p.etaSeconds);
    return w.finish(p.extra);
}

QByteArray storedLine(const Result &r)
{
    if (!r.present)
        return QByteArray();
    LineWriter w("finished");
    if (r.hasReturnCode)
        w.text("ret_code", QString::number(r.returnCode));
    w.text("filepath", r.filePath);
    w.text("subtitle", r.subtitle);
    w.text("lyric", r.lyric);
    w.text("subtitlePath", r.subtitlePath);
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
    return w.finish(r.extra);
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
