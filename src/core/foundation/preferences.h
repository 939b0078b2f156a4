#pragma once

// The per-user preferences store and its keys. Every caller opens the store where it needs it,
// reads or writes, and lets it go: `Preferences prefs; prefs.value(kDownload_MaxTask)`.

#include <QSettings>

#define CLIPMOOR_PREF_KEY(name) inline constexpr char name[] = #name;

// Seeded at start-up, each with a "_Default" twin.
CLIPMOOR_PREF_KEY(kDownload_MaxTask)
CLIPMOOR_PREF_KEY(kConvert_MaxTask)
CLIPMOOR_PREF_KEY(kDownload_MediaType)
CLIPMOOR_PREF_KEY(kDownload_VideoQuality)
CLIPMOOR_PREF_KEY(kDownload_AudioQuality)
CLIPMOOR_PREF_KEY(kDownload_Subtitle)
CLIPMOOR_PREF_KEY(kDownload_AutoDownSubtitle)
CLIPMOOR_PREF_KEY(kDownload_ResumeOnStartup)
CLIPMOOR_PREF_KEY(kDownload_ReadCookie)
CLIPMOOR_PREF_KEY(kDownloadPlaylist_OrderNumber)
CLIPMOOR_PREF_KEY(kPlaylist_MediaType)
CLIPMOOR_PREF_KEY(kPlaylist_VideoQuality)
CLIPMOOR_PREF_KEY(kPlaylist_AudioQuality)
CLIPMOOR_PREF_KEY(kPlaylist_OrderMode)
CLIPMOOR_PREF_KEY(kPlaylist_SkipDownloaded)
CLIPMOOR_PREF_KEY(kLocation_DownloadDir)
CLIPMOOR_PREF_KEY(kLocation_ConvertDir)
CLIPMOOR_PREF_KEY(kProxy_Setting_Enable)
CLIPMOOR_PREF_KEY(kProxy_Setting_Authorization)
CLIPMOOR_PREF_KEY(kSpeedLimitedManual)
CLIPMOOR_PREF_KEY(kOneClickedDownloadMode)
CLIPMOOR_PREF_KEY(kConvert_MediaType)
CLIPMOOR_PREF_KEY(kConvert_VideoType)
CLIPMOOR_PREF_KEY(kConvert_VideoResoulution)
CLIPMOOR_PREF_KEY(kConvert_VideoIsMute)
CLIPMOOR_PREF_KEY(kConvert_AudioType)
CLIPMOOR_PREF_KEY(kConvert_AudioBitRate)

// Absent until first written.
CLIPMOOR_PREF_KEY(kProxy_Setting_Http)
CLIPMOOR_PREF_KEY(kProxy_Setting_Port)
CLIPMOOR_PREF_KEY(kProxy_Setting_Login)
CLIPMOOR_PREF_KEY(kProxy_Setting_Password)
CLIPMOOR_PREF_KEY(kSpeedLimited)

#undef CLIPMOOR_PREF_KEY

inline constexpr char kDefaultSuffix[] = "_Default";

class Preferences : public QSettings
{
public:
    Preferences();
};

// Writes every missing default and refreshes every "_Default" twin. A settings file that cannot
// be parsed is kept aside as "<file>.corrupt" and the store starts again from the defaults.
void seedPreferences();

QString defaultDownloadDir();
QString defaultConvertDir();
// The current download and conversion folders (kLocation_DownloadDir, kLocation_ConvertDir).
QString downloadDir();
QString convertDir();
