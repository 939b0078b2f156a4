#include "core/foundation/preferences.h"

#include "core/foundation/applog.h"

#include <QDir>
#include <QFile>
#include <QVariant>

#include <utility>
#include <vector>

Preferences::Preferences()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Clipmoor"),
                QStringLiteral("Clipmoor"))
{
}

QString defaultDownloadDir()
{
    return QDir::cleanPath(QDir::homePath() + "/" + QStringLiteral("%1/Download").arg("Clipmoor"));
}

QString defaultConvertDir()
{
    return QDir::cleanPath(QDir::homePath() + "/" + QStringLiteral("%1/Converted").arg("Clipmoor"));
}

// An empty folder setting must never send files to the file system's root.
QString downloadDir()
{
    const QString dir = Preferences().value(kLocation_DownloadDir).toString();
    return dir.isEmpty() ? defaultDownloadDir() : dir;
}

QString convertDir()
{
    const QString dir = Preferences().value(kLocation_ConvertDir).toString();
    return dir.isEmpty() ? defaultConvertDir() : dir;
}

namespace {

std::vector<std::pair<const char *, QVariant>> defaults()
{
    return {
        {kDownload_MaxTask, 2},
        {kConvert_MaxTask, 2},
        {kDownload_MediaType, QStringLiteral("video")},
        {kDownload_VideoQuality, QStringLiteral("1080P")},
        {kDownload_AudioQuality, QStringLiteral("320Kb/s")},
        {kDownload_Subtitle, QStringLiteral("English")},
        {kDownload_AutoDownSubtitle, true},
        {kDownload_ResumeOnStartup, false},
        {kDownload_ReadCookie, true},
        {kDownloadPlaylist_OrderNumber, true},
        {kPlaylist_MediaType, QStringLiteral("Video")},
        {kPlaylist_VideoQuality, QStringLiteral("1080P")},
        {kPlaylist_AudioQuality, QStringLiteral("Best")},
        {kPlaylist_OrderMode, QStringLiteral("Newest first")},
        {kPlaylist_SkipDownloaded, false},
        {kLocation_DownloadDir, defaultDownloadDir()},
        {kLocation_ConvertDir, defaultConvertDir()},
        {kProxy_Setting_Enable, false},
        {kProxy_Setting_Authorization, false},
        {kSpeedLimitedManual, QStringLiteral("Unlimited")},
        {kOneClickedDownloadMode, QStringLiteral("MP4")},
        {kConvert_MediaType, QStringLiteral("Video")},
        {kConvert_VideoType, QStringLiteral("MP4")},
        {kConvert_VideoResoulution, QStringLiteral("Origin")},
        {kConvert_VideoIsMute, false},
        {kConvert_AudioType, QStringLiteral("MP3")},
        {kConvert_AudioBitRate, QStringLiteral("Origin")},
    };
}

} // namespace

void seedPreferences()
{
    {
        Preferences probe;
        if (probe.status() == QSettings::FormatError) {
            // An unreadable store would otherwise stay unreadable for ever: QSettings never
            // rewrites a file it failed to parse. Keep the damaged file for inspection.
            const QString file = probe.fileName();
            const QString aside = file + ".corrupt";
            QFile::remove(aside);
            const bool moved = QFile::rename(file, aside) || QFile::remove(file);
            writeLog(QStringLiteral("[Preferences]"),
                     QStringLiteral("settings file %1 unreadable, %2")
                         .arg(file, moved ? QStringLiteral("kept as %1 and reset").arg(aside)
                                          : QStringLiteral("and cannot be replaced")));
        }
    }
    Preferences prefs;
    for (const auto &[key, value] : defaults()) {
        const QString name = QLatin1String(key);
        if (prefs.value(name).isNull())
            prefs.setValue(name, value);
        prefs.setValue(name + QLatin1String(kDefaultSuffix), value);
    }
    prefs.sync();
    if (prefs.status() != QSettings::NoError)
        writeLog(QStringLiteral("[Preferences]"),
                 QStringLiteral("cannot write settings file %1").arg(prefs.fileName()));
}
