#include "core/foundation/paths.h"

#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString dataFile(const char *name)
{
    return appDataDir() + QLatin1Char('/') + QLatin1String(name);
}

// `relative` beside the executable when it is there, else in <prefix>/<installed>/clipmoor when
// it is there, else beside the executable.
QString ownFile(const QString &relative, const char *installed)
{
    const QString dir = applicationDir();
    const QString beside = dir + QLatin1Char('/') + relative;
    if (QFileInfo::exists(beside))
        return beside;
    const QString inPrefix =
        QDir::cleanPath(dir + QStringLiteral("/../") + QLatin1String(installed) +
                        QStringLiteral("/clipmoor/") + relative);
    return QFileInfo::exists(inPrefix) ? inPrefix : beside;
}

} // namespace

QString appDataDir()
{
    const QString dir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Clipmoor";
    QDir().mkpath(dir);
    return dir;
}

QString taskListPath()
{
    return dataFile("task_list.dat");
}
QString doneListPath()
{
    return dataFile("done_list.dat");
}
QString historyListPath()
{
    return dataFile("history_list.dat");
}
QString privateListPath()
{
    return dataFile("private_list.dat");
}
QString convertingListPath()
{
    return dataFile("ConvertingTask_list.dat");
}
QString convertedListPath()
{
    return dataFile("Converted_list.dat");
}

QString logDir()
{
    const QString dir = appDataDir() + "/Log";
    QDir().mkpath(dir);
    // The log names addresses and files the user downloaded: for the user's eyes only.
    QFile::setPermissions(dir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return dir;
}

QString thumbnailCacheDir()
{
    const QString dir =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/thumbnails";
    if (!QFileInfo::exists(dir)) {
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
    }
    return dir;
}

QString cachedThumbnailPath(const QString &sourcePath)
{
    const QFileInfo file(sourcePath);
    if (!file.exists())
        return QString();
    const QByteArray key = file.absoluteFilePath().toUtf8() + '\n' +
                           QByteArray::number(file.size()) + '\n' +
                           QByteArray::number(file.lastModified().toMSecsSinceEpoch());
    return thumbnailCacheDir() + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".png");
}

QString privateDir()
{
    const QString dir = appDataDir() + "/private";
    QDir().mkpath(dir);
    QFile::setPermissions(dir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return dir;
}

QString scriptsDir()
{
    const QString dir = appDataDir() + "/dl_scripts";
    if (!QFileInfo::exists(dir))
        QDir().mkpath(dir);
    return dir;
}

QString applicationDir()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

QString helperPath(const QString &fileName)
{
    return ownFile(fileName, "lib");
}

QString resourcePath(const QString &relative)
{
    return ownFile(relative, "share");
}

QString findProgram(const QString &baseName)
{
    const QString name = platform::executableName(baseName);
    const QString own = helperPath(name);
    const QFileInfo info(own);
    if (info.isFile() && info.isExecutable())
        return own;
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? applicationDir() + QLatin1Char('/') + name : onPath;
}

QString ffmpegPath()
{
    return findProgram(QStringLiteral("ffmpeg"));
}
QString ffprobePath()
{
    return findProgram(QStringLiteral("ffprobe"));
}
QString imagesDir()
{
    return resourcePath(QStringLiteral("images"));
}
