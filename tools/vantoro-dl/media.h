#pragma once

// Looking into media files with ffprobe and converting them with ffmpeg, driven by a preset.

#include <QJsonObject>
#include <QString>

#include <functional>

namespace media {

struct Info
{
    bool ok = false;
    QString error;
    double duration = 0;
    qint64 size = 0;
    qint64 bitRate = 0;      // whole file, bits per second
    qint64 audioBitRate = 0; // first audio stream
    int width = 0;
    int height = 0;
    QString videoCodec; // empty: no video stream (cover pictures do not count)
    QString audioCodec; // empty: no audio stream
};

Info probe(const QString &ffprobe, const QString &path);
// The pieces of probe(), for callers that run ffprobe themselves.
QStringList probeArguments(const QString &path);
Info parseProbe(const QByteArray &json, const QString &path);

// The members of a "finished" line that describe a saved file.
QJsonObject describe(const Info &info, const QString &path);

struct ConvertRequest
{
    QString ffmpeg;
    QString ffprobe;
    QString input;
    QString preset;     // path of the preset file
    QString saveDir;    // where the result goes
    QString resolution; // "origin", empty, or "WIDTHxHEIGHT"
    QString bitRate;    // "origin", empty, or like "320K"
    bool mute = false;
    bool replaceInput = false; // remove the input once the result is complete
};

struct ConvertOutcome
{
    int code = 0; // out::Code
    QString error;
    QString outputPath;
    Info info;
};

ConvertOutcome convert(const ConvertRequest &request, const std::function<void(double)> &progress);

// Arguments that save one frame of a video (at about one second) as a small JPEG.
QStringList frameGrabArguments(const QString &source, const QString &target);

} // namespace media
