#include "thumbnail.h"

#include "child.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
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

QString cachePath(const QString &key, const QString &given)
{
    const QString folder =
        !given.isEmpty() ? given
                         : QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                               QStringLiteral("/vantoro-dl/thumbnails");
    QDir().mkpath(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder + QLatin1Char('/') +
           QString::fromLatin1(
               QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".jpg");
}

QString fromAddress(const QString &ffmpeg, const QString &url, const QString &key,
                    const QString &folder)
{
    if (ffmpeg.isEmpty() || url.isEmpty())
        return QString();
    const QString target = cachePath(key, folder);
    // The frame is the user's only from its first byte: ffmpeg writes into an existing file.
    {
        QFile placeholder(target);
        if (placeholder.open(QIODevice::WriteOnly | QIODevice::Truncate))
            placeholder.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    QByteArray ignored;
    child::Run run;
    run.program = ffmpeg;
    run.arguments = grabArguments(url, target, 1);
    run.arguments.insert(2, QStringLiteral("-loglevel"));
    run.arguments.insert(3, QStringLiteral("error"));
    run.lowPriority = true;
    run.timeoutMs = 15000;
    const child::Result r = run.exec();
    if (r.exitCode == 0 && QFileInfo(target).size() > 0)
        return target;
    QFile::remove(target);
    return QString();
}

} // namespace thumbnail
