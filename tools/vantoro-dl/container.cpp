#include "container.h"

#include <QFile>
#include <QHash>

#include <cstring>
#include <functional>

namespace container {

namespace {

constexpr qint64 kMaxIndex = 64 * 1024 * 1024; // an MP4 index (moov) read whole
constexpr qint64 kMaxHead = 4 * 1024 * 1024;   // the start of a Matroska file

quint16 be16(const QByteArray &d, qint64 at)
{
    return quint16((uchar(d.at(int(at))) << 8) | uchar(d.at(int(at + 1))));
}

quint32 be32(const QByteArray &d, qint64 at)
{
    return (quint32(be16(d, at)) << 16) | be16(d, at + 2);
}

quint64 be64(const QByteArray &d, qint64 at)
{
    return (quint64(be32(d, at)) << 32) | be32(d, at + 4);
}

// ---- ISO base media (MP4, MOV, M4A) --------------------------------------------------------

bool isBoxType(const QByteArray &type)
{
    if (type.size() != 4)
        return false;
    for (const char c : type) {
        if (uchar(c) < 0x20 || uchar(c) > 0x7e)
            return false;
    }
    return true;
}

// Calls `f` for every box in [begin, end) of `d`, with the box's type and content range.
void forEachBox(const QByteArray &d, qint64 begin, qint64 end,
                const std::function<void(const QByteArray &, qint64, qint64)> &f)
{
    qint64 at = begin;
    for (int count = 0; at + 8 <= end && count < 4096; ++count) {
        quint64 size = be32(d, at);
        qint64 header = 8;
        if (size == 1) {
            if (at + 16 > end)
                return;
            size = be64(d, at + 8);
            header = 16;
        } else if (size == 0) {
            size = quint64(end - at);
        }
        if (size < quint64(header) || size > quint64(end - at))
            return;
        f(d.mid(int(at + 4), 4), at + header, at + qint64(size));
        at += qint64(size);
    }
}

// The first child box of a type, as a content range; false when there is none.
bool findBox(const QByteArray &d, qint64 begin, qint64 end, const char *type, qint64 *childBegin,
             qint64 *childEnd)
{
    bool found = false;
    forEachBox(d, begin, end, [&](const QByteArray &t, qint64 b, qint64 e) {
        if (!found && t == type) {
            found = true;
            *childBegin = b;
            *childEnd = e;
        }
    });
    return found;
}

// Seconds of a "mvhd" or "mdhd" box (version 0 or 1); 0 when unknown.
double headerDuration(const QByteArray &d, qint64 b, qint64 e)
{
    if (e - b < 20)
        return 0;
    const bool wide = d.at(int(b)) == 1;
    if (wide && e - b < 32)
        return 0;
    const quint32 scale = be32(d, b + (wide ? 20 : 12));
    const quint64 length = wide ? be64(d, b + 24) : be32(d, b + 16);
    if (scale == 0 || length == (wide ? ~quint64(0) : 0xffffffffu))
        return 0;
    return double(length) / scale;
}

QString codecOf(const QByteArray &fourcc)
{
    static const QHash<QByteArray, QString> names = {
        {"avc1", "h264"}, {"avc3", "h264"}, {"hvc1", "hevc"}, {"hev1", "hevc"},
        {"av01", "av1"},  {"vp08", "vp8"},  {"vp09", "vp9"},  {"mp4v", "mpeg4"},
        {"mp4a", "aac"},  {".mp3", "mp3"},  {"ac-3", "ac3"},  {"ec-3", "eac3"},
        {"Opus", "opus"}, {"fLaC", "flac"}, {"alac", "alac"}, {"jpeg", "mjpeg"}};
    return names.value(fourcc, QString::fromLatin1(fourcc).trimmed().toLower());
}

// An "mp4a" entry says in its "esds" which audio it holds (AAC or MP3) and its mean bit rate.
void readEsds(const QByteArray &d, qint64 b, qint64 e, media::Info *info)
{
    // The elementary stream descriptor, then the decoder configuration descriptor (tag 4).
    qint64 at = b + 4;
    for (int guard = 0; at + 2 < e && guard < 8; ++guard) {
        const uchar tag = uchar(d.at(int(at++)));
        qint64 length = 0;
        for (int i = 0; i < 4 && at < e; ++i) {
            const uchar byte = uchar(d.at(int(at++)));
            length = (length << 7) | (byte & 0x7f);
            if (!(byte & 0x80))
                break;
        }
        if (tag == 3) { // ES_Descriptor: id, flags, and what the flags add
            if (at + 3 > e)
                return;
            const uchar flags = uchar(d.at(int(at + 2)));
            at += 3;
            if (flags & 0x80)
                at += 2;
            if ((flags & 0x40) && at < e)
                at += 1 + uchar(d.at(int(at)));
            if (flags & 0x20)
                at += 2;
            continue;
        }
        if (tag == 4 && at + 13 <= e) {
            const uchar object = uchar(d.at(int(at)));
            if (object == 0x69 || object == 0x6b)
                info->audioCodec = QStringLiteral("mp3");
            info->audioBitRate = be32(d, at + 9);
            return;
        }
        at += length;
    }
}

void readTrack(const QByteArray &d, qint64 b, qint64 e, media::Info *info, double *trackSeconds)
{
    qint64 mb, me, hb, he, nb, ne, sb, se, tb, te;
    if (!findBox(d, b, e, "mdia", &mb, &me) || !findBox(d, mb, me, "hdlr", &hb, &he) ||
        he - hb < 12)
        return;
    const QByteArray handler = d.mid(int(hb + 8), 4);
    if (findBox(d, mb, me, "mdhd", &tb, &te))
        *trackSeconds = qMax(*trackSeconds, headerDuration(d, tb, te));
    if (!findBox(d, mb, me, "minf", &nb, &ne) || !findBox(d, nb, ne, "stbl", &sb, &se) ||
        !findBox(d, sb, se, "stsd", &tb, &te) || te - tb < 16)
        return;
    // The first sample description: its size, its type (the codec), then its fields.
    const qint64 entry = tb + 8;
    const qint64 entryEnd = qMin<qint64>(te, entry + be32(d, entry));
    const QByteArray fourcc = d.mid(int(entry + 4), 4);
    const qint64 fields = entry + 8;
    if (handler == "vide" && info->videoCodec.isEmpty() && entryEnd - fields >= 28) {
        info->videoCodec = codecOf(fourcc);
        info->width = be16(d, fields + 24);
        info->height = be16(d, fields + 26);
    } else if (handler == "soun" && info->audioCodec.isEmpty() && entryEnd - fields >= 28) {
        info->audioCodec = codecOf(fourcc);
        if (fourcc == "mp4a") {
            // Sound description version 0, 1 or 2 (QuickTime) decides where the boxes begin.
            const quint16 version = be16(d, fields + 8);
            const qint64 boxes = fields + 28 + (version == 1 ? 16 : version == 2 ? 36 : 0);
            qint64 eb, ee;
            if (findBox(d, boxes, entryEnd, "esds", &eb, &ee))
                readEsds(d, eb, ee, info);
            else if (findBox(d, boxes, entryEnd, "wave", &eb, &ee) &&
                     findBox(d, eb, ee, "esds", &eb, &ee))
                readEsds(d, eb, ee, info);
        }
    }
}

void readIndex(const QByteArray &moov, media::Info *info)
{
    double trackSeconds = 0;
    forEachBox(moov, 0, moov.size(), [&](const QByteArray &type, qint64 b, qint64 e) {
        if (type == "mvhd")
            info->duration = headerDuration(moov, b, e);
        else if (type == "trak")
            readTrack(moov, b, e, info, &trackSeconds);
    });
    if (info->duration <= 0)
        info->duration = trackSeconds;
}

bool inspectIso(QIODevice &file, Facts *facts)
{
    const qint64 size = file.size();
    const QByteArray first = file.read(8);
    static const QList<QByteArray> openers = {"ftyp", "moov", "mdat", "free",
                                              "skip", "wide", "pnot", "styp"};
    if (first.size() < 8 || !openers.contains(first.mid(4, 4)))
        return false;
    facts->format = Format::Iso;
    bool index = false, cut = false;
    qint64 at = 0;
    for (int count = 0; at < size && size - at >= 8 && count < 100000; ++count) {
        file.seek(at);
        const QByteArray h = file.read(16);
        const QByteArray type = h.mid(4, 4);
        if (h.size() < 8 || !isBoxType(type))
            break; // not a box: bytes after the end of the media, which players ignore
        quint64 box = be32(h, 0);
        qint64 header = 8;
        if (box == 1) {
            if (h.size() < 16)
                break;
            box = be64(h, 8);
            header = 16;
        } else if (box == 0) {
            box = quint64(size - at);
        }
        if (box < quint64(header))
            break;
        if (box > quint64(size - at)) {
            // A box that goes on past the end: the file was cut there.
            cut = type == "moov" || type == "mdat" || type == "moof";
            break;
        }
        if (type == "moov") {
            index = true;
            if (qint64(box) <= kMaxIndex) {
                file.seek(at + header);
                readIndex(file.read(qint64(box) - header), &facts->info);
            }
        }
        at += qint64(box);
    }
    // Without its index an MP4 cannot be played: the index comes last unless moved to the front.
    facts->complete = index && !cut;
    return true;
}

// ---- Matroska, WebM -------------------------------------------------------------------------

struct Element
{
    quint32 id = 0;
    qint64 content = 0; // where the content begins
    qint64 end = 0;     // where it ends; for an unknown size, the end of the data
    bool unknownSize = false;
};

// One element header at `at`; false when there is none that fits the data.
bool readElement(const QByteArray &d, qint64 at, qint64 limit, Element *e)
{
    if (at >= limit)
        return false;
    const uchar first = uchar(d.at(int(at)));
    int idLength = 1;
    while (idLength <= 4 && !(first & (0x80 >> (idLength - 1))))
        ++idLength;
    if (idLength > 4 || at + idLength >= limit)
        return false;
    e->id = 0;
    for (int i = 0; i < idLength; ++i)
        e->id = (e->id << 8) | uchar(d.at(int(at + i)));
    at += idLength;
    const uchar lead = uchar(d.at(int(at)));
    int sizeLength = 1;
    while (sizeLength <= 8 && !(lead & (0x80 >> (sizeLength - 1))))
        ++sizeLength;
    if (sizeLength > 8 || at + sizeLength > limit)
        return false;
    quint64 value = lead & (0xff >> sizeLength);
    bool allOnes = value == quint64(0xff >> sizeLength);
    for (int i = 1; i < sizeLength; ++i) {
        const uchar byte = uchar(d.at(int(at + i)));
        value = (value << 8) | byte;
        allOnes = allOnes && byte == 0xff;
    }
    e->content = at + sizeLength;
    e->unknownSize = allOnes;
    e->end = allOnes ? limit : e->content + qint64(qMin<quint64>(value, quint64(1) << 56));
    return true;
}

quint64 unsignedOf(const QByteArray &d, const Element &e)
{
    quint64 v = 0;
    for (qint64 i = e.content; i < e.end && i < e.content + 8; ++i)
        v = (v << 8) | uchar(d.at(int(i)));
    return v;
}

double floatOf(const QByteArray &d, const Element &e)
{
    if (e.end - e.content == 4) {
        const quint32 bits = be32(d, e.content);
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    if (e.end - e.content == 8) {
        const quint64 bits = be64(d, e.content);
        double f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    return 0;
}

QString matroskaCodec(const QString &id)
{
    static const QHash<QString, QString> names = {{"V_MPEG4/ISO/AVC", "h264"},
                                                  {"V_MPEGH/ISO/HEVC", "hevc"},
                                                  {"V_VP8", "vp8"},
                                                  {"V_VP9", "vp9"},
                                                  {"V_AV1", "av1"},
                                                  {"A_OPUS", "opus"},
                                                  {"A_VORBIS", "vorbis"},
                                                  {"A_MPEG/L3", "mp3"},
                                                  {"A_FLAC", "flac"},
                                                  {"A_AC3", "ac3"},
                                                  {"A_EAC3", "eac3"}};
    if (id.startsWith(QLatin1String("A_AAC")))
        return QStringLiteral("aac");
    return names.value(id, id.toLower());
}

void readTracks(const QByteArray &d, const Element &tracks, media::Info *info)
{
    Element entry;
    for (qint64 at = tracks.content; readElement(d, at, tracks.end, &entry); at = entry.end) {
        if (entry.id != 0xAE || entry.end > tracks.end)
            continue;
        quint64 type = 0;
        QString codec;
        int width = 0, height = 0;
        Element f;
        for (qint64 p = entry.content; readElement(d, p, entry.end, &f) && f.end <= entry.end;
             p = f.end) {
            if (f.id == 0x83)
                type = unsignedOf(d, f);
            else if (f.id == 0x86)
                codec = matroskaCodec(QString::fromLatin1(
                    d.mid(int(f.content), int(qMin<qint64>(64, f.end - f.content)))));
            else if (f.id == 0xE0) {
                Element v;
                for (qint64 q = f.content; readElement(d, q, f.end, &v) && v.end <= f.end;
                     q = v.end) {
                    if (v.id == 0xB0)
                        width = int(qMin<quint64>(unsignedOf(d, v), 65535));
                    else if (v.id == 0xBA)
                        height = int(qMin<quint64>(unsignedOf(d, v), 65535));
                }
            }
        }
        if (type == 1 && info->videoCodec.isEmpty() && !codec.isEmpty()) {
            info->videoCodec = codec;
            info->width = width;
            info->height = height;
        } else if (type == 2 && info->audioCodec.isEmpty() && !codec.isEmpty()) {
            info->audioCodec = codec;
        }
    }
}

bool inspectMatroska(QIODevice &file, Facts *facts)
{
    const qint64 size = file.size();
    // Its head is read only once the file says it is one: an MP3 would cost a 4 MiB read.
    file.seek(0);
    if (file.read(4) != QByteArray("\x1a\x45\xdf\xa3", 4))
        return false;
    file.seek(0);
    const QByteArray d = file.read(qMin(size, kMaxHead));
    Element ebml, segment;
    if (!readElement(d, 0, d.size(), &ebml) || !readElement(d, ebml.end, d.size(), &segment) ||
        segment.id != 0x18538067)
        return false;
    facts->format = Format::Matroska;
    facts->complete = segment.unknownSize || segment.end <= size;
    double scale = 1000000, duration = 0;
    Element child;
    const qint64 limit = qMin<qint64>(segment.end, d.size());
    for (qint64 at = segment.content; readElement(d, at, limit, &child); at = child.end) {
        if (child.id == 0x1F43B675 || child.end > limit)
            break; // the media data begins (or what follows is beyond what was read)
        if (child.id == 0x1549A966) {
            Element f;
            for (qint64 p = child.content; readElement(d, p, child.end, &f) && f.end <= child.end;
                 p = f.end) {
                if (f.id == 0x2AD7B1)
                    scale = double(unsignedOf(d, f));
                else if (f.id == 0x4489)
                    duration = floatOf(d, f);
            }
        } else if (child.id == 0x1654AE6B) {
            readTracks(d, child, &facts->info);
        }
    }
    if (duration > 0 && scale > 0)
        facts->info.duration = duration * scale / 1e9;
    return true;
}

// ---- MP3 -----------------------------------------------------------------------------------

struct Frame
{
    bool mpeg1 = false;
    int bitRate = 0; // kb/s
    int sampleRate = 0;
    int length = 0; // bytes
    int sideInfo = 0;
};

bool readFrame(const QByteArray &d, qint64 at, Frame *f)
{
    if (at + 4 > d.size())
        return false;
    const uchar b1 = uchar(d.at(int(at + 1))), b2 = uchar(d.at(int(at + 2))),
                b3 = uchar(d.at(int(at + 3)));
    if (uchar(d.at(int(at))) != 0xff || (b1 & 0xe0) != 0xe0)
        return false;
    const int version = (b1 >> 3) & 3; // 3: MPEG 1, 2: MPEG 2, 0: MPEG 2.5
    const int layer = (b1 >> 1) & 3;   // 1: Layer III
    const int rateIndex = b2 >> 4, srIndex = (b2 >> 2) & 3;
    if (version == 1 || layer != 1 || rateIndex == 0 || rateIndex == 15 || srIndex == 3)
        return false;
    static const int rates1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int rates2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int srs[] = {44100, 48000, 32000};
    f->mpeg1 = version == 3;
    f->bitRate = f->mpeg1 ? rates1[rateIndex] : rates2[rateIndex];
    f->sampleRate = srs[srIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    f->length = (f->mpeg1 ? 144 : 72) * f->bitRate * 1000 / f->sampleRate + ((b2 >> 1) & 1);
    const bool mono = (b3 >> 6) == 3;
    f->sideInfo = f->mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    return true;
}

bool inspectMp3(QIODevice &file, Facts *facts)
{
    const qint64 size = file.size();
    file.seek(0);
    QByteArray d = file.read(10);
    qint64 start = 0;
    if (d.startsWith("ID3") && d.size() == 10) {
        // An ID3v2 tag first: its size is written 7 bits to the byte.
        start = 10 + ((qint64(d.at(6) & 0x7f) << 21) | ((d.at(7) & 0x7f) << 14) |
                      ((d.at(8) & 0x7f) << 7) | (d.at(9) & 0x7f));
        if (d.at(5) & 0x10)
            start += 10;
    }
    file.seek(start);
    d = file.read(64 * 1024);
    // The first frame, confirmed by the one after it (a stray 0xFF byte is not a frame).
    Frame f, next;
    qint64 at = 0;
    for (; at < (start > 0 ? d.size() - 4 : 1); ++at) {
        if (readFrame(d, at, &f) &&
            (at + f.length + 4 > d.size() || readFrame(d, at + f.length, &next)))
            break;
    }
    if (!readFrame(d, at, &f))
        return false;
    facts->format = Format::Mp3;
    facts->info.audioCodec = QStringLiteral("mp3");
    const int samples = f.mpeg1 ? 1152 : 576;
    qint64 audioEnd = size;
    if (size >= 128) {
        file.seek(size - 128);
        if (file.read(3) == "TAG")
            audioEnd -= 128;
    }
    const qint64 audioBytes = audioEnd - (start + at);
    // A VBR file says how many frames (and bytes) it has in its first frame (Xing or VBRI).
    quint32 frames = 0, bytes = 0;
    const qint64 xing = at + 4 + f.sideInfo;
    const qint64 vbri = at + 4 + 32;
    if (xing + 16 <= d.size() && (d.mid(int(xing), 4) == "Xing" || d.mid(int(xing), 4) == "Info")) {
        const quint32 flags = be32(d, xing + 4);
        qint64 field = xing + 8;
        if (flags & 1) {
            frames = be32(d, field);
            field += 4;
        }
        if ((flags & 2) && field + 4 <= d.size())
            bytes = be32(d, field);
    } else if (vbri + 18 <= d.size() && d.mid(int(vbri), 4) == "VBRI") {
        bytes = be32(d, vbri + 10);
        frames = be32(d, vbri + 14);
    }
    if (frames > 0) {
        facts->info.duration = double(frames) * samples / f.sampleRate;
        if (facts->info.duration > 0)
            facts->info.audioBitRate = qint64(audioBytes * 8 / facts->info.duration);
    } else {
        facts->info.audioBitRate = qint64(f.bitRate) * 1000;
        facts->info.duration = double(audioBytes) * 8 / facts->info.audioBitRate;
    }
    // Cut short: more than a frame's worth less than the stream says it has.
    facts->complete = bytes == 0 || audioBytes + f.length >= qint64(bytes);
    return true;
}

} // namespace

Facts inspect(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Facts();
    return inspect(file);
}

Facts inspect(QIODevice &file)
{
    Facts facts;
    file.seek(0);
    if (!inspectIso(file, &facts) && !inspectMatroska(file, &facts) && !inspectMp3(file, &facts))
        facts = Facts();
    // A header may say anything: a length that is no length is unknown.
    const double duration = facts.info.duration;
    if (!qIsFinite(duration) || duration < 0 || duration > 1e8)
        facts.info.duration = 0;
    facts.info.size = file.size();
    facts.info.ok = facts.info.hasStreams();
    return facts;
}

} // namespace container
