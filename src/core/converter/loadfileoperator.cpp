#include "core/converter/loadfileoperator.h"

#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/process/myprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <limits>

namespace probe {

Parsed parse(const QByteArray &json, const QString &path)
{
    Parsed parsed;
    ConvMediaInfo &info = parsed.info;
    info.sourcePath = path;
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    const QJsonValue streams = root.value(QStringLiteral("streams"));
    if (!streams.isArray()) {
        info.mediaType = ConvMediaInfo::Unusable;
        return parsed;
    }
    for (const QJsonValue &value : streams.toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QStringLiteral("codec_type")).toString();
        const QString codec = stream.value(QStringLiteral("codec_name")).toString();
        if (type == QLatin1String("video") && codec != QLatin1String("png") &&
            codec != QLatin1String("mjpeg")) {
            parsed.hasVideo = true;
            info.width = qMax(0, stream.value(QStringLiteral("width")).toInt());
            info.height = qMax(0, stream.value(QStringLiteral("height")).toInt());
        } else if (type == QLatin1String("audio")) {
            parsed.hasAudio = true;
        }
    }
    if (!parsed.hasVideo && !parsed.hasAudio) {
        info.width = info.height = 0;
        info.mediaType = ConvMediaInfo::Unusable;
        return parsed;
    }
    const QJsonObject format = root.value(QStringLiteral("format")).toObject();
    const QString duration = format.value(QStringLiteral("duration")).toString();
    const QString bitRate = format.value(QStringLiteral("bit_rate")).toString();
    const QString size = format.value(QStringLiteral("size")).toString();
    bool ok = false;
    const double seconds = duration.toDouble(&ok);
    info.duration = ok && seconds > 0 && seconds < 1e9 ? seconds : 0;
    const qint64 rate = bitRate.toLongLong(&ok, 10);
    info.bitRate = ok && rate > 0 && rate <= std::numeric_limits<qint32>::max() ? qint32(rate) : 0;
    const qint64 bytes = size.toLongLong(&ok, 10);
    info.fileSize = ok && bytes > 0 ? bytes : 0;
    info.mediaType = parsed.hasVideo ? ConvMediaInfo::Video : ConvMediaInfo::Audio;
    return parsed;
}

QStringList thumbnailArguments(const QString &sourcePath, const QString &thumbnailPath, bool video)
{
    QStringList args{QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error")};
    if (video)
        args << QStringLiteral("-ss") << QStringLiteral("1");
    args << QStringLiteral("-i") << sourcePath << QStringLiteral("-vframes") << QStringLiteral("1")
         << QStringLiteral("-vf") << QStringLiteral("scale=200:120") << QStringLiteral("-y")
         << thumbnailPath;
    return args;
}

QStringList probeArguments(const QString &sourcePath)
{
    return {QStringLiteral("-v"),
            QStringLiteral("quiet"),
            QStringLiteral("-print_format"),
            QStringLiteral("json=compact=1"),
            QStringLiteral("-show_format"),
            QStringLiteral("-show_streams"),
            sourcePath};
}

} // namespace probe

LoadFileOperator::LoadFileOperator(const QString &filePath, QObject *parent)
    : QObject(parent)
    , path(filePath)
{
}

LoadFileOperator::~LoadFileOperator()
{
    discardProcess(process, this);
}

void LoadFileOperator::start()
{
    if (process || done)
        return;
    // What the file's own facts say needs no probe; the end is reported from the event loop.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !QFileInfo(path).isFile())
        reason = tr("cannot read");
    else if (file.size() == 0)
        reason = tr("empty");
    if (!reason.isEmpty()) {
        done = true;
        QTimer::singleShot(0, this, [this] { Q_EMIT operatorFinished(this, true); });
        return;
    }
    probing = true;
    startProcess(ffprobePath(), probe::probeArguments(path));
}

void LoadFileOperator::startProcess(const QString &program, const QStringList &args)
{
    output.clear();
    process = new MyProcess(this);
    MyProcess *p = process;
    connect(p, &QProcess::readyReadStandardOutput, this, [this, p] {
        if (p != process)
            return;
        output += p->readAllStandardOutput();
        if (output.size() > kMaxProbeOutput) {
            writeLog(QStringLiteral("[LoadFileOperator]"),
                     QStringLiteral("too much output for %1").arg(path));
            output.clear();
            p->kill();
        }
    });
    connect(p, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &LoadFileOperator::onFinished);
    finishIfNotStarted(this, p, &LoadFileOperator::process, &LoadFileOperator::onFinished);
    if (!timeout) {
        timeout = new QTimer(this);
        timeout->setSingleShot(true);
        connect(timeout, &QTimer::timeout, this, [this] {
            writeLog(
                QStringLiteral("[LoadFileOperator]"),
                QStringLiteral("%1 took too long for %2")
                    .arg(probing ? QStringLiteral("ffprobe") : QStringLiteral("ffmpeg"), path));
            if (process)
                process->kill();
        });
    }
    timeout->start(kTimeoutMs);
    p->setProcessChannelMode(QProcess::SeparateChannels);
    p->setStandardErrorFile(QProcess::nullDevice());
    p->start(program, args, QIODevice::ReadWrite);
    p->closeWriteChannel();
}

void LoadFileOperator::stop()
{
    if (!process || !probing)
        return;
    killed = true;
    process->kill();
}

void LoadFileOperator::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (!process)
        return;
    timeout->stop();
    if (exitStatus == QProcess::NormalExit && output.size() <= kMaxProbeOutput)
        output += process->readAllStandardOutput();
    releaseFinishedProcess(process, this);
    if (!probing) {
        // A picture that could not be made (or was cut short) is not kept in the cache: rows
        // show the default cover then. A cancelled loading still ends as a failure.
        if (exitCode != 0 || exitStatus != QProcess::NormalExit)
            QFile::remove(info->thumbnailPath);
        finish(killed);
        return;
    }
    probe::Parsed parsed = probe::parse(output, path);
    info = new ConvMediaInfo(this);
    *info = parsed.info;
    const bool failed = exitCode != 0 || exitStatus != QProcess::NormalExit;
    if (!failed && info->mediaType != ConvMediaInfo::Unusable)
        info->probe = output.trimmed();
    output.clear();
    if (killed || failed || info->mediaType == ConvMediaInfo::Unusable) {
        if (!killed)
            reason = exitStatus == QProcess::NormalExit ? tr("not a media file")
                                                        : tr("cannot be inspected");
        finish(true);
        return;
    }
    info->thumbnailPath = cachedThumbnailPath(path);
    // The cache's picture of this very file (same path, size and time) is the one to show.
    if (info->thumbnailPath.isEmpty() || QFileInfo(info->thumbnailPath).size() > 0) {
        finish(false);
        return;
    }
    probing = false;
    startProcess(ffmpegPath(),
                 probe::thumbnailArguments(path, info->thumbnailPath, parsed.hasVideo));
}

void LoadFileOperator::finish(bool isError)
{
    if (done)
        return;
    done = true;
    Q_EMIT operatorFinished(this, isError);
}
