#pragma once

// What the tool prints: one compact JSON object per line, {"type": ..., "msg": {...}}, every
// payload value a string, flushed line by line.

#include <QJsonObject>
#include <QString>

namespace out {

// Return codes of the "finished" line (and the tool's exit code).
enum Code
{
    Ok = 0,
    DownloadFailed = 1,
    BadArguments = 2,
    BadParameterFile = 3,
    ProgramMissing = 4,
    ConversionFailed = 5,
    WriteFailed = 6,
    Interrupted = 7,
    Unsupported = 8,
    Unreachable = 9,
};

void line(const QString &type, const QJsonObject &msg);
// A "finished" line that reports a failure; returns the code for the caller to exit with.
int failure(int code, const QString &error);

QString sizeText(double bytes);
QString speedText(double bytesPerSecond);

} // namespace out
