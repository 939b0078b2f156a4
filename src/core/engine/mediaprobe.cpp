#include "core/engine/mediaprobe.h"

#include "core/foundation/paths.h"
#include "core/process/myprocess.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

ProbedMedia parseProbe(const QByteArray &json, const QString &path)
{
    ProbedMedia media;
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    const QJsonObject format = root.value("format").toObject();
    if (format.isEmpty())
        return media;
    media.ok = true;
    const double duration = format.value("duration").toString().toDouble();
    media.duration = duration > 0 && duration < 1e12 ? qint64(duration) : 0;
    // The file's own metadata: a count below zero is no count.
    media.size = qMax<qint64>(0, format.value("size").toString().toLongLong());
    if (media.size == 0)
        media.size = QFileInfo(path).size();
    media.bitRate = qMax<qint64>(0, format.value("bit_rate").toString().toLongLong());
    for (const QJsonValue &v : root.value("streams").toArray()) {
        const QJsonObject s = v.toObject();
        if (s.value("codec_type").toString() == "video" && media.width == 0) {
            media.width = qMax(0, s.value("width").toInt());
            media.height = media.width > 0 ? qMax(0, s.value("height").toInt()) : 0;
        }
    }
    return media;
}

void probeMedia(const QString &path, QObject *context,
                const std::function<void(const ProbedMedia &)> &done, int timeoutMs)
{
    auto *process = new MyProcess(context);
    auto *timer = new QTimer(process);
    timer->setSingleShot(true);
    auto finish = [process, timer, path, done](bool answered) {
        process->disconnect();
        timer->stop();
        timer->disconnect();
        ProbedMedia media;
        if (answered && process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0)
            media = parseProbe(process->readAllStandardOutput(), path);
        if (process->state() != QProcess::NotRunning)
            process->killGroup();
        process->deleteLater();
        done(media);
    };
    QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), context,
                     [finish] { finish(true); });
    QObject::connect(process, &QProcess::errorOccurred, context,
                     [finish](QProcess::ProcessError e) {
                         if (e == QProcess::FailedToStart)
                             finish(false);
                     });
    QObject::connect(timer, &QTimer::timeout, context, [finish] { finish(false); });
    timer->start(timeoutMs);
    process->start(ffprobePath(),
                   {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path});
}
