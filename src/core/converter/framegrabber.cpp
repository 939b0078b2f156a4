#include "core/converter/framegrabber.h"

#include "core/converter/loadfileoperator.h"
#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/process/myprocess.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

FrameGrabber *FrameGrabber::instance()
{
    static FrameGrabber *shared = new FrameGrabber;
    return shared;
}

FrameGrabber::FrameGrabber(QObject *parent)
    : QObject(parent)
    , timeout(new QTimer(this))
{
    timeout->setSingleShot(true);
    connect(timeout, &QTimer::timeout, this, [this] {
        writeLog(QStringLiteral("[FrameGrabber]"),
                 QStringLiteral("ffmpeg took too long for %1").arg(current.source));
        if (process)
            process->kill();
    });
}

FrameGrabber::~FrameGrabber()
{
    discardProcess(process, this);
}

QString FrameGrabber::thumbnailFor(const QString &sourcePath, bool video)
{
    if (sourcePath.isEmpty())
        return QString();
    const auto found = known.constFind(sourcePath);
    if (found != known.constEnd())
        return *found;
    if (queued.contains(sourcePath))
        return QString();
    const QString thumbnail = cachedThumbnailPath(sourcePath);
    if (thumbnail.isEmpty() || QFileInfo(thumbnail).size() > 0) {
        known.insert(sourcePath, thumbnail);
        return thumbnail;
    }
    if (queue.size() >= kMaxQueued) {
        // The oldest request is for a row long scrolled past: it is asked again when seen.
        queued.remove(queue.first().source);
        queue.removeFirst();
    }
    queue.append({sourcePath, thumbnail, video});
    queued.insert(sourcePath);
    startNext();
    return QString();
}

void FrameGrabber::startNext()
{
    if (process || queue.isEmpty())
        return;
    current = queue.takeLast();
    process = new MyProcess(this);
    MyProcess *p = process;
    connect(p, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &FrameGrabber::onFinished);
    finishIfNotStarted(this, p, &FrameGrabber::process, &FrameGrabber::onFinished);
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    timeout->start(kTimeoutMs);
    p->start(ffmpegPath(),
             probe::thumbnailArguments(current.source, current.thumbnail, current.video));
}

void FrameGrabber::onFinished(int exitCode, QProcess::ExitStatus status)
{
    if (!process)
        return;
    timeout->stop();
    releaseFinishedProcess(process, this);
    const Request done = current;
    queued.remove(done.source);
    const bool made =
        exitCode == 0 && status == QProcess::NormalExit && QFileInfo(done.thumbnail).size() > 0;
    if (!made)
        QFile::remove(done.thumbnail);
    known.insert(done.source, made ? done.thumbnail : QString());
    if (made)
        Q_EMIT ready(done.source);
    startNext();
}
