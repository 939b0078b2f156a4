#include "core/engine/mediaprobe.h"

#include "core/foundation/paths.h"
#include "core/process/myprocess.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

ProbedMedia probeMedia(const QString &path, int timeoutMs)
{
    ProbedMedia media;
    MyProcess process;
    QEventLoop loop;
    QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                     &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    process.start(ffprobePath(),
                  {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path});
    loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
        return media;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return media;
    const QJsonObject root = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    const QJsonObject format = root.value("format").toObject();
    if (format.isEmpty())
        return media;
    media.ok = true;
    media.duration = qint64(format.value("duration").toString().toDouble());
    media.size = format.value("size").toString().toLongLong();
    if (media.size == 0)
        media.size = QFileInfo(path).size();
    media.bitRate = format.value("bit_rate").toString().toLongLong();
    for (const QJsonValue &v : root.value("streams").toArray()) {
        const QJsonObject s = v.toObject();
        if (s.value("codec_type").toString() == "video" && media.width == 0) {
            media.width = s.value("width").toInt();
            media.height = s.value("height").toInt();
        }
    }
    return media;
}
