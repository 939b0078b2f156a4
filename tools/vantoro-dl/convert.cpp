#include "convert.h"

#include "child.h"
#include "formatchoice.h"
#include "output.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <unistd.h>

namespace convert {

namespace {

struct Preset
{
    bool video = false;
    QJsonObject v;
    QJsonObject a;
    QString extension;
    QString format;
    QStringList args;
};

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list << v.toString();
    return list;
}

bool loadPreset(const QString &path, Preset *preset, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 256 * 1024) {
        *error = QStringLiteral("cannot read the preset %1").arg(path);
        return false;
    }
    QJsonParseError parseError;
    const QJsonObject p = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    preset->extension = p.value("extension").toString();
    if (parseError.error != QJsonParseError::NoError || preset->extension.isEmpty()) {
        *error = QStringLiteral("the preset %1 is damaged").arg(path);
        return false;
    }
    preset->video = p.value("kind").toString() == QLatin1String("video");
    preset->v = p.value("video").toObject();
    preset->a = p.value("audio").toObject();
    preset->format = p.value("format").toString();
    preset->args = strings(p.value("args"));
    return true;
}

// The height asked for by "WIDTHxHEIGHT"; 0 for "origin" or nothing.
int requestedHeight(const QString &resolution)
{
    const QStringList parts = resolution.split(QLatin1Char('x'));
    bool ok = false;
    const int height = parts.size() == 2 ? parts.at(1).toInt(&ok) : 0;
    return ok && height > 0 ? height : 0;
}

QStringList videoArguments(const Preset &preset, const Request &request, const media::Info *source)
{
    const int height = requestedHeight(request.resolution);
    const int boxW = preset.v.value("max_width").toInt();
    const int boxH = preset.v.value("max_height").toInt();
    QString filter;
    bool fits = true; // the source's size needs no change
    if (height > 0 && !request.enlarge) {
        // At most that many lines: a smaller picture keeps its size (made even).
        filter = QStringLiteral("scale=-2:'trunc(min(ih,%1)/2)*2'").arg(height);
        fits = source && source->height > 0 && source->height <= height &&
               source->height % 2 == 0 && source->width % 2 == 0;
    } else if (height > 0) {
        // A resolution means lines: the width follows the source's aspect, made even.
        filter = QStringLiteral("scale=-2:%1").arg(height);
        fits = source && source->height == height && source->width % 2 == 0;
    } else if (boxW > 0 && boxH > 0) {
        // A device's limit: larger pictures shrink into it, aspect kept.
        filter = QStringLiteral("scale=w='min(iw,%1)':h='min(ih,%2)':force_original_aspect_"
                                "ratio=decrease,scale=trunc(iw/2)*2:trunc(ih/2)*2")
                     .arg(boxW)
                     .arg(boxH);
        fits = source && source->width <= boxW && source->height <= boxH;
    }
    const bool copy =
        source && fits && strings(preset.v.value("accept")).contains(source->videoCodec);
    QStringList args{"-map", "0:v:0?"};
    if (copy)
        return args << "-c:v"
                    << "copy";
    args << "-c:v" << preset.v.value("codec").toString() << strings(preset.v.value("args"));
    if (!filter.isEmpty())
        args << "-vf" << filter;
    return args;
}

QStringList audioArguments(const Preset &preset, const Request &request, const media::Info *source)
{
    const bool origin = request.bitRate.isEmpty() || request.bitRate == QLatin1String("origin");
    QStringList args{"-map", "0:a:0?"};
    if (origin && source && strings(preset.a.value("accept")).contains(source->audioCodec))
        return args << "-c:a"
                    << "copy";
    args << "-c:a" << preset.a.value("codec").toString();
    if (preset.a.value("lossless").toBool())
        return args;
    QString rate = preset.a.value("bitrate").toString();
    if (!origin)
        rate = request.bitRate.toLower();
    else if (source && source->audioBitRate > 0 && !preset.video)
        rate = QStringLiteral("%1k").arg(qBound<qint64>(32, source->audioBitRate / 1000, 320));
    if (!rate.isEmpty())
        args << "-b:a" << rate;
    return args;
}

// The arguments between the input and the output file. `source` is null while unknown: the
// arguments then hold for any source.
QStringList plan(const Preset &preset, const Request &request, const media::Info *source,
                 QString *problem)
{
    if (source && !source->hasStreams()) {
        *problem = QStringLiteral("cannot read the input: %1").arg(source->error);
        return QStringList();
    }
    const bool hasVideo = !source || !source->videoCodec.isEmpty();
    if (!preset.video && source && source->audioCodec.isEmpty()) {
        *problem = QStringLiteral("the input has no audio to convert");
        return QStringList();
    }
    QStringList args;
    if (preset.video && hasVideo)
        args << videoArguments(preset, request, source);
    if (preset.video && request.mute)
        args << "-an";
    else
        args << audioArguments(preset, request, source);
    return args << preset.args << "-f" << preset.format;
}

QString freeName(const QString &folder, const QString &base, const QString &suffix)
{
    QString candidate = QDir(folder).filePath(base + '.' + suffix);
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = QDir(folder).filePath(QStringLiteral("%1(%2).%3").arg(base).arg(n).arg(suffix));
    return candidate;
}

// Whether the source decides the arguments: a stream that may be copied as it is, or an audio
// bit rate taken from the source. Otherwise ffmpeg needs no look at the source beforehand: its
// own report of the input gives the duration for the progress.
bool sourceDecides(const Preset &preset, const Request &request)
{
    const bool originRate = request.bitRate.isEmpty() || request.bitRate == QLatin1String("origin");
    const bool audioKept = !(preset.video && request.mute);
    if (audioKept && originRate && (!preset.a.value("accept").toArray().isEmpty() || !preset.video))
        return true;
    return preset.video && !preset.v.value("accept").toArray().isEmpty();
}

struct Pass
{
    media::Banner banner;
    double written = 0; // seconds of output so far
};

child::Result convertOnce(const Request &request, const QStringList &middle, const QString &partial,
                          double knownDuration, const std::function<void(double)> &progress,
                          Pass *pass)
{
    QElapsedTimer throttle;
    throttle.start();
    double done = 0;
    child::Run run;
    run.program = request.ffmpeg;
    run.arguments = QStringList{"-nostdin", "-hide_banner", "-y", "-progress",
                                "pipe:1",   "-nostats",     "-i", request.input}
                    << middle << partial;
    run.onErrorLine = [pass](const QByteArray &line) {
        pass->banner.feed(line);
    };
    run.onLine = [&](const QByteArray &line) {
        const double duration = knownDuration > 0 ? knownDuration : pass->banner.input.duration;
        if (line.startsWith("out_time_us=") || line.startsWith("out_time_ms=")) {
            pass->written = qMax(pass->written, line.mid(line.indexOf('=') + 1).toDouble() / 1e6);
            if (duration > 0)
                done = qBound(0.0, pass->written / duration, 1.0);
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
    return run.exec();
}

QString writeError(const QString &folder, const QString &why)
{
    return QStringLiteral("cannot write to %1: %2").arg(folder, why);
}

bool probeIfNeeded(const Request &request, const Preset &preset, media::Info *source)
{
    if (!sourceDecides(preset, request) || request.ffprobe.isEmpty())
        return false;
    QByteArray json;
    const child::Result r =
        child::capture(request.ffprobe, media::probeArguments(request.input), &json, 60000);
    *source = media::parseProbe(json, request.input);
    if (!source->ok && source->error.isEmpty())
        source->error = child::errorSummary(r.errorOutput);
    return true;
}

// Why a finished ffmpeg run gave no result; code Ok when it did.
Outcome judgeRun(const Request &request, const Preset &preset, const child::Result &r)
{
    Outcome outcome;
    if (child::interrupted()) {
        outcome.code = out::Interrupted;
        outcome.error = QStringLiteral("interrupted");
    } else if (r.exitCode != 0 && !preset.video &&
               r.errorOutput.contains("does not contain any stream")) {
        outcome.code = out::ConversionFailed;
        outcome.error = QStringLiteral("the input has no audio to convert");
    } else if (!r.started || r.crashed || r.exitCode != 0) {
        const QString why = child::errorSummary(r.errorOutput);
        outcome.code =
            ytdlpFailureCode(why) == out::WriteFailed ? out::WriteFailed : out::ConversionFailed;
        outcome.error =
            outcome.code == out::WriteFailed
                ? writeError(request.saveDir, why)
                : QStringLiteral("ffmpeg failed: %1")
                      .arg(why.isEmpty() ? QStringLiteral("exit code %1").arg(r.exitCode) : why);
    }
    return outcome;
}

} // namespace

Outcome run(const Request &request, const std::function<void(double)> &progress)
{
    Outcome outcome;
    auto fail = [&outcome](int code, const QString &error) {
        outcome.code = code;
        outcome.error = error;
        return outcome;
    };
    if (request.ffmpeg.isEmpty())
        return fail(out::ProgramMissing, QStringLiteral("ffmpeg not found"));
    Preset preset;
    QString error;
    if (!loadPreset(request.preset, &preset, &error))
        return fail(out::ConversionFailed, error);
    if (!QFileInfo(request.input).isFile())
        return fail(out::ConversionFailed,
                    QStringLiteral("the input %1 does not exist").arg(request.input));
    if (!QDir().mkpath(request.saveDir))
        return fail(out::WriteFailed,
                    writeError(request.saveDir, QStringLiteral("cannot create it")));

    media::Info source;
    bool probed = false;
    if (request.source && request.source->ok) {
        source = *request.source;
        probed = true;
    } else {
        probed = probeIfNeeded(request, preset, &source);
    }
    if (child::interrupted())
        return fail(out::Interrupted, QStringLiteral("interrupted"));
    const QStringList middle = plan(preset, request, probed ? &source : nullptr, &error);
    if (!error.isEmpty())
        return fail(out::ConversionFailed, error);

    // The longest name made of it: "." + base + ".converting." + extension; a free name adds
    // at most "(99999)".
    const int tail = int(qstrlen(".converting.")) + 1 + preset.extension.toUtf8().size();
    const QString base = choice::fitStem(QFileInfo(request.input).completeBaseName(), 255 - tail);
    const QString partial =
        QDir(request.saveDir).filePath('.' + base + ".converting." + preset.extension);
    Pass pass;
    const double duration = request.duration > 0 ? request.duration : source.duration;
    const child::Result r = convertOnce(request, middle, partial, duration, progress, &pass);
    outcome = judgeRun(request, preset, r);
    if (outcome.code != out::Ok) {
        QFile::remove(partial);
        return outcome;
    }
    // A result that replaces its input (the download it was made from) takes the input's place
    // when the names agree, in one atomic rename; otherwise it gets a free name of its own.
    const QString plain = QDir(request.saveDir).filePath(base + '.' + preset.extension);
    const bool overInput = request.replaceInput && QFileInfo(plain).absoluteFilePath() ==
                                                       QFileInfo(request.input).absoluteFilePath();
    const QString target = overInput ? plain : freeName(request.saveDir, base, preset.extension);
    const bool moved = overInput ? ::rename(QFile::encodeName(partial).constData(),
                                            QFile::encodeName(target).constData()) == 0
                                 : QFile::rename(partial, target);
    if (!moved) {
        QFile::remove(partial);
        return fail(out::WriteFailed,
                    writeError(request.saveDir, QStringLiteral("cannot rename the result")));
    }
    if (request.replaceInput && !overInput)
        QFile::remove(request.input);
    outcome.outputPath = target;
    // The result as ffmpeg reported writing it.
    outcome.info = pass.banner.output;
    outcome.info.duration = pass.written > 0 ? pass.written : pass.banner.input.duration;
    outcome.info.ok = true;
    return outcome;
}

void reportProgress(double progress)
{
    out::line("converting", {{"progress", QString::number(progress, 'f', 4)},
                             {"pid", QString::number(qint64(::getpid()))}});
}

int runMode(const Context &ctx, params::Reader &reader, const QJsonObject &root)
{
    const QJsonObject c = reader.object(root, "converter");
    Request request;
    request.ffmpeg = ctx.ffmpeg;
    request.ffprobe = ctx.ffprobe;
    request.input = reader.text(c, "input");
    request.preset = reader.text(c, "preset");
    request.saveDir = reader.text(c, "save_path");
    request.resolution = reader.text(reader.object(c, "video"), "resolution");
    const QJsonObject audio = reader.object(c, "audio");
    request.bitRate = reader.text(audio, "bit_rate");
    request.mute = reader.text(audio, "encoder") == QLatin1String("none");
    // What the application knows of the input already: its probe (ffprobe's JSON report as
    // text) and its duration. A probe that says nothing usable is as good as none.
    const QString probe = reader.text(c, "probe");
    request.duration = reader.text(c, "duration").toDouble();
    if (!qIsFinite(request.duration) || request.duration < 0)
        request.duration = 0;
    if (!reader.problem().isEmpty())
        return out::failure(out::BadArguments, reader.problem());
    media::Info known;
    if (!probe.isEmpty()) {
        known = media::parseProbe(probe.toUtf8(), request.input);
        if (known.ok)
            request.source = &known;
        else
            out::note(QStringLiteral("ignoring \"probe\": it names no audio or video stream"));
    }
    if (request.input.isEmpty() || request.preset.isEmpty() || request.saveDir.isEmpty())
        return out::failure(out::BadArguments,
                            QStringLiteral("\"input\", \"preset\" and \"save_path\" are required"));
    const Outcome outcome = run(request, reportProgress);
    if (outcome.code != out::Ok)
        return out::failure(outcome.code, outcome.error);
    QJsonObject msg = media::describe(outcome.info, outcome.outputPath);
    msg.insert("ret_code", "0");
    out::line("finished", msg);
    return out::Ok;
}

} // namespace convert
