#pragma once

// The exchange with the download tool: the parameter files we write, the output lines it prints
// ({"type": ..., "msg": {...}}, every value a string) and how their values are shown.

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

struct DownloadOptions;

namespace protocol {

// --- Parameter files --------------------------------------------------------------------------
// The download job's file, workDir + "/param.json"; returns its path.
QString writeDownloadParams(const QString &url, const DownloadOptions &options,
                            const QString &workDir);
// The playlist-listing file, named `fileName`, in the download folder's hidden ".temp" folder.
QString writePlaylistParams(const QString &url, const QString &fileName);
// The analyse-only file, named `fileName`, in the job's working folder.
QString writeThumbParams(const QString &url, const QString &workDir, const QString &fileName);

// The preset file for a download-then-convert target ("" when no conversion is wanted).
QString presetPathFor(const QString &url, const QString &mediaTypeParam);
// True when the job fetches audio only.
bool isAudioJob(const QString &url, const QString &mediaTypeParam);

// --- Output lines -----------------------------------------------------------------------------
// Splits the tool's output into lines. A line that arrives in two reads is joined again before
// it is parsed: the tool flushes per line, but a pipe may still hand a long line over in parts,
// and dropping those parts would lose a "finished" line. Pieces of four bytes or less (a lone
// line end) are dropped.
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
    QList<QByteArray> feed(const QByteArray &bytes);
    // At the end of the output: whatever is left, as a last line.
    QList<QByteArray> finish();
    // Lines dropped for their length so far.
    int droppedLines() const { return dropped; }

private:
    void take(QByteArray line, QList<QByteArray> *lines);

    QByteArray pending;
    int maxLine;
    int dropped = 0;
    bool skipping = false; // inside a line already dropped, until its newline
};

QString lineType(const QByteArray &line);

// Suffixes of the files a live recording may leave behind.
const QStringList &recordingSuffixes();

// --- Payload readers and writers ---------------------------------------------------------------
// An empty or unreadable line reads as an empty "msg".
QJsonObject message(const QByteArray &line);
QString member(const QByteArray &line, const QString &key);
// The line with "msg"[key] replaced by value.
QByteArray withMember(const QByteArray &line, const QString &key, const QString &value);

// Writers of the analysis line's members that the application changes itself.
QByteArray withTitle(const QByteArray &info, const QString &title);
QByteArray withFilePath(const QByteArray &info, const QString &path);
QByteArray withHiddenThumb(const QByteArray &info, bool hidden);
QByteArray withPrivateFile(const QByteArray &info, bool isPrivate);
// The finished line's subtitle file.
QByteArray withSubtitlePath(const QByteArray &finished, const QString &path);

QString title(const QByteArray &info);
QString thumbnail(const QByteArray &info);
bool isLive(const QByteArray &info);
QString filePath(const QByteArray &info);
bool isHiddenThumb(const QByteArray &info);
bool isPrivateFile(const QByteArray &info);
QString localThumbnail(const QByteArray &info);

double progress(const QByteArray &progressLine);
qint64 totalSize(const QByteArray &progressLine);
QString speed(const QByteArray &progressLine);
QString remainingTime(const QByteArray &progressLine);

QString durationText(const QByteArray &finished);
QString sizeText(const QByteArray &finished);
QString fileType(const QByteArray &finished);
QString qualityText(const QByteArray &finished);
QString resolutionText(const QByteArray &finished);
bool hasSubtitle(const QByteArray &finished);
int returnCode(const QByteArray &finished);

// The "finished" line the application stores for a live recording it saved itself.
// A "finished" line of a run the application ended itself, with the reason.
QByteArray failedFinished(const QString &error);
QByteArray synthesisedFinished(qint64 durationSeconds, const QString &fileType, qint64 bitRate,
                               qint64 size, const QString &path, int width, int height);

// --- Display conversions -----------------------------------------------------------------------
QString formatSize(qint64 bytes);
QString formatDuration(qint64 seconds);
QString formatRemaining(qint64 etaSeconds);
// "%1 of %2 - %3, %4" ("%1 of %2 - %3" while no time left is known, or the short "%1 of %2");
// empty while nothing is known.
QString progressText(const QByteArray &progressLine, bool withSpeedAndTime = true);
QString convertingText(const QByteArray &convertingLine);

} // namespace protocol
