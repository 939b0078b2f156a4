#pragma once

// What is known about a media file, and the members of a "finished" line that describe it.
// The facts come from what yt-dlp and ffmpeg report anyway (yt-dlp's info, ffmpeg's banner of
// its input and output), so a finished download or conversion needs no probe of its own.

#include <QJsonObject>
#include <QString>

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
    bool hasStreams() const { return !videoCodec.isEmpty() || !audioCodec.isEmpty(); }
};

// ffprobe's JSON report.
QStringList probeArguments(const QString &path);
Info parseProbe(const QByteArray &json, const QString &path);

// ffmpeg's banner on standard error (log level "info"), fed line by line: the "Input #0" part
// describes the source, the "Output #0" part what ffmpeg writes.
class Banner
{
public:
    void feed(const QByteArray &line);
    Info input;
    Info output;

private:
    Info *section = nullptr;
};

// What yt-dlp's info (its "before_dl" print) says about the file it fetches.
Info fromYtdlp(const QJsonObject &info);
// Facts from `more` where `info` has none.
void complete(Info *info, const Info &more);

// The members of a "finished" line that describe a saved file; the size is the file's own.
QJsonObject describe(const Info &info, const QString &path);

} // namespace media
