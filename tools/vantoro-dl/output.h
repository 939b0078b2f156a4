#pragma once

// What the tool prints: one compact JSON object per line, {"type": ..., "msg": {...}}, every
// payload value a string, flushed line by line. Secrets handed over by the application (page
// cookies, proxy passwords) never reach any of it.

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
// A note for whoever reads standard error (never part of the protocol).
void note(const QString &text);

// Texts that must not be shown anywhere: every later line, note and error has them replaced by
// "<hidden>".
void addSecret(const QString &secret);
QString masked(QString text);
// An error text fit for the "error" member: one line, at most 300 characters, secrets hidden.
QString oneLine(const QString &text);

QString sizeText(double bytes);
QString speedText(double bytesPerSecond);

} // namespace out
