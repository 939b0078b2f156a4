#include "core/foundation/paths.h"

#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString dataFile(const char *name)
{
    return appDataDir() + QLatin1Char('/') + QLatin1String(name);
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

QString findProgram(const QString &baseName)
{
    const QString name = platform::executableName(baseName);
    const QString beside = applicationDir() + QLatin1Char('/') + name;
    const QFileInfo info(beside);
    if (info.isFile() && info.isExecutable())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? beside : onPath;
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
    return applicationDir() + "/images";
}
