#include "describe.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace media {

namespace {
// What a file or a page reports is anyone's to write: a length, a rate or a picture size outside
// what any media has reads as unknown (and never overflows a count made from it).
constexpr double kMaxSeconds = 1e9;
constexpr qint64 kMaxKbps = 1000000000;
constexpr int kMaxPixels = 1 << 16;

qint64 bitsPerSecond(qint64 kbps)
{
    return kbps > 0 && kbps < kMaxKbps ? kbps * 1000 : 0;
}

Info bounded(Info info)
{
    if (!(info.duration > 0 && info.duration < kMaxSeconds))
        info.duration = 0;
    info.size = qMax<qint64>(0, info.size);
    info.bitRate = qMax<qint64>(0, info.bitRate);
    info.audioBitRate = qMax<qint64>(0, info.audioBitRate);
    if (info.width <= 0 || info.height <= 0 || info.width > kMaxPixels || info.height > kMaxPixels)
        info.width = info.height = 0;
    return info;
}
} // namespace

QStringList probeArguments(const QString &path)
{
    return {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path};
}

Info parseProbe(const QByteArray &json, const QString &path)
{
    Info info;
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    const QJsonObject format = root.value("format").toObject();
    info.duration = format.value("duration").toString().toDouble();
    info.size = format.value("size").toString().toLongLong();
    info.bitRate = format.value("bit_rate").toString().toLongLong();
    for (const QJsonValue &v : root.value("streams").toArray()) {
        const QJsonObject s = v.toObject();
        const QString type = s.value("codec_type").toString();
        const bool picture = s.value("disposition").toObject().value("attached_pic").toInt() == 1;
        if (type == "video" && !picture && info.videoCodec.isEmpty()) {
            info.videoCodec = s.value("codec_name").toString();
            info.width = s.value("width").toInt();
            info.height = s.value("height").toInt();
        } else if (type == "audio" && info.audioCodec.isEmpty()) {
            info.audioCodec = s.value("codec_name").toString();
            info.audioBitRate = s.value("bit_rate").toString().toLongLong();
        }
    }
    info = bounded(info);
    if (info.size == 0)
        info.size = QFileInfo(path).size();
    info.ok = info.hasStreams();
    if (!info.ok)
        info.error = QStringLiteral("%1 holds no audio or video").arg(path);
    return info;
}

void Banner::feed(const QByteArray &raw)
{
    static const QRegularExpression duration(
        QStringLiteral("^\\s*Duration: (\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?).*?(?:bitrate: "
                       "(\\d+) kb/s)?$"));
    static const QRegularExpression stream(
        QStringLiteral("^\\s*Stream #\\d+:\\d+\\S*: (Video|Audio): (\\w+)(.*)$"));
    static const QRegularExpression size(QStringLiteral(", (\\d{2,5})x(\\d{2,5})[ ,]"));
    static const QRegularExpression rate(QStringLiteral("(\\d+) kb/s"));
    const QString line = QString::fromUtf8(raw);
    if (line.startsWith(QLatin1String("Input #0")))
        section = &input;
    else if (line.startsWith(QLatin1String("Output #0")))
        section = &output;
    else if (line.startsWith(QLatin1String("Input #")) ||
             line.startsWith(QLatin1String("Output #")) ||
             line.startsWith(QLatin1String("Stream mapping")))
        section = nullptr;
    // Only two kinds of line are of interest; the rest (metadata, mostly) are not matched.
    if (!section ||
        (!line.contains(QLatin1String("Duration: ")) && !line.contains(QLatin1String("Stream #"))))
        return;
    QRegularExpressionMatch m = duration.match(line);
    if (m.hasMatch()) {
        section->duration = m.captured(1).toInt() * 3600.0 + m.captured(2).toInt() * 60.0 +
                            m.captured(3).toDouble();
        section->bitRate = bitsPerSecond(m.captured(4).toLongLong());
        *section = bounded(*section);
        return;
    }
    m = stream.match(line);
    if (!m.hasMatch())
        return;
    const QString rest = m.captured(3);
    if (m.captured(1) == QLatin1String("Video")) {
        if (!section->videoCodec.isEmpty() || rest.contains(QLatin1String("(attached pic)")))
            return;
        section->videoCodec = m.captured(2);
        const QRegularExpressionMatch s = size.match(rest + ' ');
        if (s.hasMatch()) {
            section->width = s.captured(1).toInt();
            section->height = s.captured(2).toInt();
        }
    } else if (section->audioCodec.isEmpty()) {
        section->audioCodec = m.captured(2);
        const QRegularExpressionMatch r = rate.match(rest);
        if (r.hasMatch())
            section->audioBitRate = bitsPerSecond(r.captured(1).toLongLong());
    }
    *section = bounded(*section);
    section->ok = true;
}

Info fromYtdlp(const QJsonObject &info)
{
    Info result;
    result.duration = info.value("duration").toDouble();
    result.width = info.value("width").toInt();
    result.height = info.value("height").toInt();
    const double kbps = info.value("tbr").toDouble();
    result.bitRate = kbps > 0 && kbps < kMaxKbps ? qint64(kbps * 1000) : 0;
    const QString vcodec = info.value("vcodec").toString();
    const QString acodec = info.value("acodec").toString();
    if (!vcodec.isEmpty() && vcodec != QLatin1String("none"))
        result.videoCodec = vcodec;
    if (!acodec.isEmpty() && acodec != QLatin1String("none"))
        result.audioCodec = acodec;
    result = bounded(result);
    result.ok = result.hasStreams();
    return result;
}

void complete(Info *info, const Info &more)
{
    if (info->duration <= 0)
        info->duration = more.duration;
    if (info->width <= 0 || info->height <= 0) {
        info->width = more.width;
        info->height = more.height;
    }
    if (info->bitRate <= 0)
        info->bitRate = more.bitRate;
    if (info->videoCodec.isEmpty())
        info->videoCodec = more.videoCodec;
    if (info->audioCodec.isEmpty())
        info->audioCodec = more.audioCodec;
    info->ok = info->ok || more.ok;
}

QJsonObject describe(const Info &info, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    const qint64 size = QFileInfo(path).size();
    qint64 bitRate = info.bitRate;
    if (info.duration > 0 && size > 0) {
        // The file as saved, not the source.
        const double rate = double(size) * 8 / info.duration;
        bitRate = rate < 9.0e15 ? qint64(rate) : 0;
    }
    return {
        {"filepath", path},
        {"duration", QString::number(qRound64(info.duration))},
        {"filetype", suffix.isEmpty() ? QStringLiteral("Unknown") : suffix},
        {"quality", bitRate > 0 ? QStringLiteral("%1Kb/s").arg(bitRate / 1000) : QString()},
        {"filesize", QString::number(size)},
        {"resolution", info.width > 0 && info.height > 0
                           ? QStringLiteral("%1x%2").arg(info.width).arg(info.height)
                           : QString()},
    };
}

} // namespace media
