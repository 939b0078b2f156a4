#pragma once

#include <QString>

// What ffprobe says of a saved file, asked with the event loop still turning.
struct ProbedMedia
{
    bool ok = false;
    qint64 duration = 0; // whole seconds
    qint64 size = 0;
    qint64 bitRate = 0;
    int width = 0;
    int height = 0;
};

ProbedMedia probeMedia(const QString &path, int timeoutMs = 30000);
