#pragma once

#include <QString>

#include <functional>

class QObject;

// What ffprobe says of a saved file.
struct ProbedMedia
{
    bool ok = false;
    qint64 duration = 0; // whole seconds
    qint64 size = 0;
    qint64 bitRate = 0;
    int width = 0;
    int height = 0;
};

// Asks ffprobe about the file and hands the answer to `done` on the context's thread (never
// inside this call). A probe that takes longer than timeoutMs is stopped and reads as not ok.
// Nothing is reported when the context is destroyed first.
void probeMedia(const QString &path, QObject *context,
                const std::function<void(const ProbedMedia &)> &done, int timeoutMs = 30000);

// The answer of ffprobe's JSON output (-show_format -show_streams) for a file.
ProbedMedia parseProbe(const QByteArray &json, const QString &path);
