#pragma once

// Makes the thumbnail of a local file when a row first needs it (a downloaded file whose site
// gave no picture): one ffmpeg at a time, the latest requests first (the rows in view), a bounded
// queue, each file tried once per run. The picture lands in the cache folder under
// cachedThumbnailPath, so a later run finds it without starting anything.

#include <QHash>
#include <QObject>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QVector>

class MyProcess;
class QTimer;

class FrameGrabber : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxQueued = 64;
    static constexpr int kTimeoutMs = 30000;

    static FrameGrabber *instance();
    explicit FrameGrabber(QObject *parent = nullptr);
    ~FrameGrabber() override;

    // The picture of the file when the cache has it; otherwise it is asked for (once) and the
    // answer is empty until `ready` names the file. A file that cannot be read stays empty.
    QString thumbnailFor(const QString &sourcePath, bool video);

Q_SIGNALS:
    // The picture of the file exists now (thumbnailFor returns it).
    void ready(const QString &sourcePath);

private:
    struct Request
    {
        QString source;
        QString thumbnail;
        bool video = true;
    };
    void startNext();
    void onFinished(int exitCode, QProcess::ExitStatus status);

    // Source path -> its picture, or empty when none can be made.
    QHash<QString, QString> known;
    QSet<QString> queued;
    QVector<Request> queue;
    Request current;
    MyProcess *process = nullptr;
    QTimer *timeout = nullptr;
};
