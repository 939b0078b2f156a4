#pragma once

// The download tool's output, read once where it arrives. The tool prints one JSON object per
// line, {"type": ..., "msg": {...}}, every value a string; parseLine turns a line into the typed
// facts below and nothing above this folder reads the tool's JSON. The download lists keep the
// last line of each kind as bytes (that is their format on disk): storedLine writes the typed
// facts back into that form and the read* functions read it, once, when a list is loaded.
// Members this version does not know are kept as they came (`extra`), so a list written again
// keeps them.

#include "core/foundation/compacttext.h"
#include "core/foundation/rarepart.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

namespace protocol {

// Why a run failed. The tool names the kind in its "finished" line ("error_kind"); lines of
// older tools only carry the text ("error"), which is classified. The process end adds
// ToolCrashed (the tool died without a verdict).
enum class FailureKind : quint8
{
    None,
    NotWritable,
    NoSpace,
    NotFound,  // HTTP 404
    Forbidden, // HTTP 403
    ServerError,
    ConnectionRefused,
    HostNotFound,
    TimedOut,
    Stalled,
    Truncated,
    Unsupported, // an address no extractor knows
    ToolCrashed,
    Interrupted,
    Other,
};

// The name in "error_kind" ("not_writable", ...); None for a name this version does not know.
FailureKind failureKindNamed(const QString &name);
QString failureKindName(FailureKind kind);
// The kind an error text describes (Other when it says nothing known, None when empty).
FailureKind classifyFailure(const QString &errorText);
// A short text for the user ("The disk is full", ...); empty for None.
QString failureText(FailureKind kind);

// The "sniff" line: what the page holds. hiddenThumb and privateFile are the application's own
// marks, kept in the same stored line.
struct MediaInfo
{
    CompactText title;
    CompactText thumbnail;  // the picture's address
    QString localThumbnail; // a picture the tool made itself
    CompactText filePath;   // where the result is (or will be) saved
    int playlistCount = 0;  // a page with several videos names their number
    bool live = false;
    bool hiddenThumb = false;
    bool privateFile = false;
    bool present = false; // a line was stored
    QByteArray extra;     // the other members of "msg", as JSON members
};

// The "downloading" line. For a live recording `fraction` is the recorded seconds.
struct Progress
{
    double fraction = 0;
    qint64 totalBytes = 0;
    qint64 etaSeconds = 0;
    // Bytes received so far ("downloaded"; from the fraction for tools that do not say).
    qint64 downloadedBytes = 0;
    QString speed; // display text, shown as it is
    bool present = false;
    QByteArray extra;

    // No line and nothing set.
    static bool blank(const Progress &p)
    {
        return !p.present && p.fraction == 0 && p.totalBytes == 0 && p.etaSeconds == 0 &&
               p.downloadedBytes == 0 && p.speed.isNull() && p.extra.isNull();
    }
};

// The "converting" line (never stored).
struct ConversionProgress
{
    double fraction = 0;
    QString pid;
    bool present = false;

    static bool blank(const ConversionProgress &c)
    {
        return !c.present && c.fraction == 0 && c.pid.isNull();
    }
};

// The parts of a "finished" line that most lack: the subtitle or lyrics the tool saved, where
// the application moved them, and the members this version does not know.
struct ResultDetails
{
    QString subtitle;     // where the tool saved the subtitle...
    QString lyric;        // ...or the lyrics
    QString subtitlePath; // where the application moved it
    QByteArray extra;     // the other members of "msg", as JSON members

    // Nothing a stored line would hold (an empty text is not written).
    static bool blank(const ResultDetails &d)
    {
        return d.subtitle.isEmpty() && d.lyric.isEmpty() && d.subtitlePath.isEmpty() &&
               d.extra.isEmpty();
    }
};

// The "finished" line: the verdict and the file's facts. subtitlePath, converted, finishedAt
// and (for failures the application judged itself) failure are the application's own.
struct Result
{
    bool present = false;
    bool hasReturnCode = false;
    FailureKind failure = FailureKind::None;
    bool converted = false; // converted after the download
    int returnCode = 0;
    CompactText filePath;
    QString fileType;
    QString quality;
    QString resolution;  // "WIDTHxHEIGHT"
    QString error;       // the reason given, one line
    double duration = 0; // seconds
    qint64 fileSize = 0;
    qint64 finishedAt = 0; // seconds since the epoch; 0 unknown
    RarePart<ResultDetails, ResultDetails::blank> details;

    bool succeeded() const { return hasReturnCode && returnCode == 0; }
};

struct PlaylistEntry
{
    QString url;
    QString title;
};

enum class LineType
{
    Other, // not JSON, no type, or a type nobody reads ("param")
    Sniff,
    Downloading,
    Converting,
    Finished,
    Playlist,
};

// One line of output, read.
struct Line
{
    LineType type = LineType::Other;
    MediaInfo media;
    Progress progress;
    ConversionProgress conversion;
    Result result;
    QVector<PlaylistEntry> entries;
};

Line parseLine(const QByteArray &line);

// --- The stored forms -------------------------------------------------------------------------
// An absent fact (present false) is a null byte array and reads back as absent.
MediaInfo readMediaInfo(const QByteArray &stored);
Progress readProgress(const QByteArray &stored);
Result readResult(const QByteArray &stored);
QByteArray storedLine(const MediaInfo &media);
QByteArray storedLine(const Progress &progress);
QByteArray storedLine(const Result &result);

// A verdict the application makes itself: a run that ended without the tool's.
Result failedResult(FailureKind kind, const QString &error);
// The verdict for a live recording the application saved itself, from a probe of the file.
Result recordingResult(qint64 durationSeconds, const QString &fileType, qint64 bitRate, qint64 size,
                       const QString &path, int width, int height);

// --- Splitting the output into lines ---------------------------------------------------------
// A line that arrives in two reads is joined again before it is parsed: the tool flushes per
// line, but a pipe may still hand a long line over in parts, and dropping those parts would lose
// a "finished" line. Pieces of four bytes or less (a lone line end) are dropped.
class LineBuffer
{
public:
    // The longest line taken; the tool's lines are a few KiB, a playlist batch a few hundred.
    static constexpr int kMaxLineBytes = 16 * 1024 * 1024;
    explicit LineBuffer(int maxLineBytes = kMaxLineBytes)
        : maxLine(maxLineBytes)
    {
    }

    // Appends bytes and returns every whole line now available, trimmed. Each byte is looked at
    // once, however the output is cut into chunks. A line longer than the limit is dropped
    // (its bytes are not kept) and counted.
    QVector<QByteArray> feed(const QByteArray &bytes);
    // At the end of the output: whatever is left, as a last line.
    QVector<QByteArray> finish();
    // Lines dropped for their length so far.
    int droppedLines() const { return dropped; }

private:
    void take(const QByteArray &line, QVector<QByteArray> *lines);

    QByteArray pending;
    int maxLine;
    int dropped = 0;
    bool skipping = false; // inside a line already dropped, until its newline
};

// Suffixes of the files a live recording may leave behind.
const QStringList &recordingSuffixes();

} // namespace protocol

Q_DECLARE_METATYPE(protocol::PlaylistEntry)
