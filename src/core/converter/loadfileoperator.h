#pragma once

// Inspects one local file: ffprobe describes it, then ffmpeg grabs a thumbnail (unless the cache
// has the file's picture already). Both programs run asynchronously (each at most 30 s) and the
// operator reports exactly once, also when a program cannot start, hangs or prints more than any
// real description.

#include "core/converter/convmediainfo.h"

#include <QObject>
#include <QProcess>

class MyProcess;
class QTimer;

namespace probe {

struct Parsed
{
    ConvMediaInfo info; // mediaType Unusable when nothing usable was found
    bool hasVideo = false;
    bool hasAudio = false;
};

// Reads ffprobe's JSON (-show_format -show_streams). Cover pictures ("png", "mjpeg" video
// streams) do not make a file a video.
Parsed parse(const QByteArray &json, const QString &path);

// The ffmpeg arguments that write the 200x120 thumbnail: one frame a second in for a video, the
// first picture (the cover) for audio.
QStringList thumbnailArguments(const QString &sourcePath, const QString &thumbnailPath, bool video);
// The ffprobe arguments that describe a file (compact JSON, the format and the streams).
QStringList probeArguments(const QString &sourcePath);

} // namespace probe

class LoadFileOperator : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 30000;
    static constexpr qint64 kMaxProbeOutput = 8 * 1024 * 1024;

    LoadFileOperator(const QString &filePath, QObject *parent);
    ~LoadFileOperator() override;

    void start();
    // Stops the description of the file (the inspection then ends as stopped); a file already
    // described only finishes its thumbnail.
    void stop();
    // The description, valid once operatorFinished was emitted; the receiver may keep it (it is
    // a child of the operator until someone takes it).
    ConvMediaInfo *mediaInfo() const { return info; }
    QString filePath() const { return path; }
    // Why the file cannot be added ("not a media file", "cannot read", "empty"), once
    // operatorFinished reported an error; empty when the inspection was stopped.
    QString failureReason() const { return reason; }
    bool wasStopped() const { return killed; }

Q_SIGNALS:
    void operatorFinished(LoadFileOperator *op, bool isError);

public Q_SLOTS:
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void startProcess(const QString &program, const QStringList &args);
    void finish(bool isError);

    MyProcess *process = nullptr;
    QTimer *timeout = nullptr;
    bool killed = false;
    bool done = false;
    bool probing = true;
    QString path;
    QString reason;
    QByteArray output;
    ConvMediaInfo *info = nullptr;
};
