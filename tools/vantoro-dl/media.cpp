#include "media.h"

#include "child.h"
#include "output.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace media {

Info probe(const QString &ffprobe, const QString &path)
{
    Info info;
    if (ffprobe.isEmpty()) {
        info.error = QStringLiteral("ffprobe not found");
        return info;
    }
    QByteArray json;
    const child::Result r = child::capture(ffprobe, probeArguments(path), &json, 60000, false);
    if (!r.started || r.crashed || r.exitCode != 0) {
        info.error = child::errorSummary(r.errorOutput);
        if (info.error.isEmpty())
            info.error = QStringLiteral("ffprobe could not read %1").arg(path);
        return info;
    }
    return parseProbe(json, path);
}

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
    if (info.size == 0)
        info.size = QFileInfo(path).size();
    info.ok = !info.videoCodec.isEmpty() || !info.audioCodec.isEmpty();
    if (!info.ok)
        info.error = QStringLiteral("%1 holds no audio or video").arg(path);
    return info;
}

QJsonObject describe(const Info &info, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    return {
        {"filepath", path},
        {"duration", QString::number(qRound64(info.duration))},
        {"filetype", suffix.isEmpty() ? QStringLiteral("Unknown") : suffix},
        {"quality",
         info.bitRate > 0 ? QStringLiteral("%1Kb/s").arg(info.bitRate / 1000) : QString()},
        {"filesize", QString::number(info.size)},
        {"resolution", info.width > 0 && info.height > 0
                           ? QStringLiteral("%1x%2").arg(info.width).arg(info.height)
                           : QString()},
    };
}

QStringList frameGrabArguments(const QString &source, const QString &target)
{
    return {"-nostdin", "-hide_banner", "-loglevel", "error", "-y",           "-ss",  "1", "-i",
            source,     "-frames:v",    "1",         "-vf",   "scale=480:-2", "-q:v", "4", target};
}

namespace {

bool parseSize(const QString &text, int *w, int *h)
{
    const QStringList parts = text.split('x');
    if (parts.size() != 2)
        return false;
    bool okW = false, okH = false;
    *w = parts.at(0).toInt(&okW);
    *h = parts.at(1).toInt(&okH);
    return okW && okH && *w > 0 && *h > 0;
}

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list << v.toString();
    return list;
}

// The size ffmpeg gives a picture scaled to fit the box with its aspect kept, made even.
void fitInto(int boxW, int boxH, int *w, int *h)
{
    if (*w <= 0 || *h <= 0)
        return;
    int newW = boxW;
    int newH = int(std::lround(double(boxW) * *h / *w));
    if (newH > boxH) {
        newH = boxH;
        newW = int(std::lround(double(boxH) * *w / *h));
    }
    *w = newW / 2 * 2;
    *h = newH / 2 * 2;
}

QString freeName(const QString &folder, const QString &base, const QString &suffix)
{
    QString candidate = QDir(folder).filePath(base + '.' + suffix);
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = QDir(folder).filePath(QStringLiteral("%1(%2).%3").arg(base).arg(n).arg(suffix));
    return candidate;
}

} // namespace

ConvertOutcome convert(const ConvertRequest &request, const std::function<void(double)> &progress)
{
    ConvertOutcome outcome;
    auto fail = [&outcome](int code, const QString &error) {
        outcome.code = code;
        outcome.error = error;
        return outcome;
    };
    if (request.ffmpeg.isEmpty())
        return fail(out::ProgramMissing, QStringLiteral("ffmpeg not found"));
    QFile presetFile(request.preset);
    if (!presetFile.open(QIODevice::ReadOnly))
        return fail(out::ConversionFailed,
                    QStringLiteral("cannot read the preset %1").arg(request.preset));
    QJsonParseError parseError;
    const QJsonObject preset = QJsonDocument::fromJson(presetFile.readAll(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError ||
        preset.value("extension").toString().isEmpty())
        return fail(out::ConversionFailed,
                    QStringLiteral("the preset %1 is damaged").arg(request.preset));
    if (!QFileInfo(request.input).isFile())
        return fail(out::ConversionFailed,
                    QStringLiteral("the input %1 does not exist").arg(request.input));
    const Info source = probe(request.ffprobe, request.input);
    if (!source.ok)
        return fail(out::ConversionFailed,
                    QStringLiteral("cannot read the input: %1").arg(source.error));
    if (!QDir().mkpath(request.saveDir))
        return fail(out::WriteFailed, QStringLiteral("cannot create %1").arg(request.saveDir));

    const bool videoTarget = preset.value("kind").toString() == "video";
    const QJsonObject video = preset.value("video").toObject();
    const QJsonObject audio = preset.value("audio").toObject();
    const QString extension = preset.value("extension").toString();
    const QString base = QFileInfo(request.input).completeBaseName();
    const QString partial = QDir(request.saveDir).filePath('.' + base + ".converting." + extension);

    QStringList args{"-nostdin",  "-hide_banner", "-loglevel", "error", "-y",
                     "-progress", "pipe:1",       "-nostats",  "-i",    request.input};

    const bool hasVideo = !source.videoCodec.isEmpty();
    int outWidth = 0, outHeight = 0;
    const bool hasAudio = !source.audioCodec.isEmpty();
    if (videoTarget && hasVideo) {
        args << "-map"
             << "0:v:0";
        int boxW = 0, boxH = 0;
        bool scale = false;
        outWidth = source.width;
        outHeight = source.height;
        if (parseSize(request.resolution, &boxW, &boxH)) {
            scale = boxW != source.width || boxH != source.height;
        } else {
            boxW = video.value("max_width").toInt();
            boxH = video.value("max_height").toInt();
            scale = boxW > 0 && boxH > 0 && (source.width > boxW || source.height > boxH);
        }
        const bool copy = !scale && strings(video.value("accept")).contains(source.videoCodec);
        if (copy) {
            args << "-c:v"
                 << "copy";
        } else {
            args << "-c:v" << video.value("codec").toString() << strings(video.value("args"));
            if (scale) {
                fitInto(boxW, boxH, &outWidth, &outHeight);
                args << "-vf"
                     << QStringLiteral("scale=%1:%2:force_original_aspect_ratio=decrease,"
                                       "scale=trunc(iw/2)*2:trunc(ih/2)*2")
                            .arg(boxW)
                            .arg(boxH);
            }
        }
    } else if (!hasAudio) {
        return fail(out::ConversionFailed, QStringLiteral("the input has no audio to convert"));
    }

    if (hasAudio && !(videoTarget && request.mute)) {
        args << "-map"
             << "0:a:0";
        const bool origin = request.bitRate.isEmpty() || request.bitRate == "origin";
        const bool lossless = audio.value("lossless").toBool();
        if (origin && strings(audio.value("accept")).contains(source.audioCodec)) {
            args << "-c:a"
                 << "copy";
        } else {
            args << "-c:a" << audio.value("codec").toString();
            if (!lossless) {
                QString rate = audio.value("bitrate").toString();
                if (!origin)
                    rate = request.bitRate.toLower();
                else if (source.audioBitRate > 0 && !videoTarget)
                    rate = QStringLiteral("%1k").arg(
                        qBound<qint64>(32, source.audioBitRate / 1000, 320));
                if (!rate.isEmpty())
                    args << "-b:a" << rate;
            }
        }
    } else {
        args << "-an";
    }
    args << strings(preset.value("args")) << "-f" << preset.value("format").toString() << partial;

    QElapsedTimer throttle;
    throttle.start();
    double done = 0;
    double written = 0; // seconds of output so far
    child::Run run;
    run.program = request.ffmpeg;
    run.arguments = args;
    run.onLine = [&](const QByteArray &line) {
        if (line.startsWith("out_time_us=") || line.startsWith("out_time_ms=")) {
            const double seconds = line.mid(line.indexOf('=') + 1).toDouble() / 1e6;
            written = qMax(written, seconds);
            if (source.duration > 0)
                done = qBound(0.0, seconds / source.duration, 1.0);
        } else if (line == "progress=end") {
            done = 1.0;
        } else if (!line.startsWith("progress=")) {
            return;
        }
        if (done >= 1.0 || throttle.elapsed() >= 250) {
            throttle.restart();
            progress(done);
        }
    };
    const child::Result r = run.exec();
    if (child::interrupted()) {
        QFile::remove(partial);
        return fail(out::Interrupted, QStringLiteral("interrupted"));
    }
    if (!r.started || r.crashed || r.exitCode != 0) {
        QFile::remove(partial);
        const QString why = child::errorSummary(r.errorOutput);
        return fail(why.contains("No space left") ? out::WriteFailed : out::ConversionFailed,
                    QStringLiteral("ffmpeg failed: %1")
                        .arg(why.isEmpty() ? QStringLiteral("exit code %1").arg(r.exitCode) : why));
    }
    if (request.replaceInput)
        QFile::remove(request.input);
    const QString target = freeName(request.saveDir, base, extension);
    if (!QFile::rename(partial, target))
        return fail(out::WriteFailed,
                    QStringLiteral("cannot rename %1 to %2").arg(partial, target));
    outcome.outputPath = target;
    // The result is described from what ffmpeg reported and what we asked of it; probing it again
    // would cost as much as a short conversion.
    Info &result = outcome.info;
    result.ok = true;
    result.duration = written > 0 ? written : source.duration;
    result.size = QFileInfo(target).size();
    result.bitRate = result.duration > 0 ? qint64(result.size * 8 / result.duration) : 0;
    result.width = outWidth;
    result.height = outHeight;
    return outcome;
}

} // namespace media
