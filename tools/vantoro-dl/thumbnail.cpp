#include "thumbnail.h"

#include "child.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace thumbnail {

namespace {
QStringList grabArguments(const QString &source, const QString &target, double seek)
{
    return {"-nostdin",     "-hide_banner", "-y",        "-ss", QString::number(seek),
            "-i",           source,         "-frames:v", "1",   "-vf",
            "scale=480:-2", "-q:v",         "4",         target};
}
} // namespace

QString cachePath(const QString &key)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/vantoro-dl/thumbnails");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') +
           QString::fromLatin1(
               QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".jpg");
}

QString fromAddress(const QString &ffmpeg, const QString &url, const QString &key)
{
    if (ffmpeg.isEmpty() || url.isEmpty())
        return QString();
    const QString target = cachePath(key);
    QByteArray ignored;
    child::Run run;
    run.program = ffmpeg;
    run.arguments = grabArguments(url, target, 1);
    run.arguments.insert(2, QStringLiteral("-loglevel"));
    run.arguments.insert(3, QStringLiteral("error"));
    run.lowPriority = true;
    run.timeoutMs = 15000;
    const child::Result r = run.exec();
    return r.exitCode == 0 && QFileInfo(target).size() > 0 ? target : QString();
}

} // namespace thumbnail
