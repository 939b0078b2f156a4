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

// What kind of failure a "finished" line reports, in its "error_kind" member: one word the
// application can put in the user's words, while "error" keeps the whole text.
namespace kind {
constexpr char NotWritable[] = "not_writable";
constexpr char NoSpace[] = "no_space";
constexpr char NotFound[] = "not_found";       // HTTP 404, 410
constexpr char Forbidden[] = "forbidden";      // HTTP 401, 403
constexpr char ServerError[] = "server_error"; // HTTP 5xx
constexpr char ConnectionRefused[] = "connection_refused";
constexpr char HostNotFound[] = "host_not_found";
constexpr char TimedOut[] = "timed_out";      // no answer at all
constexpr char Stalled[] = "stalled";         // bytes came, then none for the stall time
constexpr char Truncated[] = "truncated";     // less than the whole file arrived
constexpr char Unsupported[] = "unsupported"; // no media, or an address nothing handles
constexpr char Interrupted[] = "interrupted";
constexpr char Other[] = "other";
} // namespace kind

// The kind of a failure judged from its return code and error text alone.
QString kindOf(int code, const QString &error);

void line(const QString &type, const QJsonObject &msg);
// A "finished" line that reports a failure; returns the code for the caller to exit with. The
// kind is judged from the code and the text unless given.
int failure(int code, const QString &error, const QString &kind = QString());
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
