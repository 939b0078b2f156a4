// The download, playlist, conversion and connection settings.
#include "core/foundation/preferences.h"

#include "core/foundation/preferences_keys.h"

#include <QDir>

using namespace prefkeys;

namespace {

QString folderOrDefault(const QString &folder, const QString &fallback)
{
    // An empty folder setting must never send files to the file system's root.
    return folder.isEmpty() ? fallback : folder;
}

} // namespace

// --- Downloads --------------------------------------------------------------------------------

int Preferences::maxDownloads() const
{
    return seeded(kDownload_MaxTask).toInt();
}
void Preferences::setMaxDownloads(int count)
{
    setValue(kDownload_MaxTask, count);
}
QString Preferences::downloadMediaType() const
{
    return seeded(kDownload_MediaType).toString();
}
void Preferences::setDownloadMediaType(const QString &type)
{
    setValue(kDownload_MediaType, type);
}
QString Preferences::videoQuality() const
{
    return seeded(kDownload_VideoQuality).toString();
}
void Preferences::setVideoQuality(const QString &quality)
{
    setValue(kDownload_VideoQuality, quality);
}
QString Preferences::audioQuality() const
{
    return seeded(kDownload_AudioQuality).toString();
}
void Preferences::setAudioQuality(const QString &quality)
{
    setValue(kDownload_AudioQuality, quality);
}
QString Preferences::subtitleLanguage() const
{
    return seeded(kDownload_Subtitle).toString();
}
void Preferences::setSubtitleLanguage(const QString &name)
{
    setValue(kDownload_Subtitle, name);
}
bool Preferences::downloadSubtitles() const
{
    return seeded(kDownload_AutoDownSubtitle).toBool();
}
void Preferences::setDownloadSubtitles(bool on)
{
    setValue(kDownload_AutoDownSubtitle, on);
}
bool Preferences::resumeOnStartup() const
{
    return seeded(kDownload_ResumeOnStartup).toBool();
}
void Preferences::setResumeOnStartup(bool on)
{
    setValue(kDownload_ResumeOnStartup, on);
}
bool Preferences::readCookies() const
{
    return seeded(kDownload_ReadCookie).toBool();
}
void Preferences::setReadCookies(bool on)
{
    setValue(kDownload_ReadCookie, on);
}
QString Preferences::oneClickFormat() const
{
    return seeded(kOneClickedDownloadMode).toString();
}
void Preferences::setOneClickFormat(const QString &format)
{
    setValue(kOneClickedDownloadMode, format);
}
QString Preferences::manualSpeedLimit() const
{
    return seeded(kSpeedLimitedManual).toString();
}
void Preferences::setManualSpeedLimit(const QString &label)
{
    setValue(kSpeedLimitedManual, label);
}
QString Preferences::speedLimit() const
{
    return value(kSpeedLimited).toString();
}
void Preferences::setSpeedLimit(const QString &label)
{
    setValue(kSpeedLimited, label);
}
QString Preferences::downloadDir() const
{
    return folderOrDefault(value(kLocation_DownloadDir).toString(), defaultDownloadDir());
}
void Preferences::setDownloadDir(const QString &folder)
{
    setValue(kLocation_DownloadDir, folder);
}
QString Preferences::defaultDownloadDir()
{
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/Clipmoor/Download"));
}

// --- Playlists --------------------------------------------------------------------------------

bool Preferences::numberPlaylistFiles() const
{
    return seeded(kDownloadPlaylist_OrderNumber).toBool();
}
void Preferences::setNumberPlaylistFiles(bool on)
{
    setValue(kDownloadPlaylist_OrderNumber, on);
}
QString Preferences::playlistMediaType() const
{
    return seeded(kPlaylist_MediaType).toString();
}
void Preferences::setPlaylistMediaType(const QString &type)
{
    setValue(kPlaylist_MediaType, type);
}
QString Preferences::playlistVideoQuality() const
{
    return seeded(kPlaylist_VideoQuality).toString();
}
void Preferences::setPlaylistVideoQuality(const QString &quality)
{
    setValue(kPlaylist_VideoQuality, quality);
}
QString Preferences::playlistAudioQuality() const
{
    return seeded(kPlaylist_AudioQuality).toString();
}
void Preferences::setPlaylistAudioQuality(const QString &quality)
{
    setValue(kPlaylist_AudioQuality, quality);
}
QString Preferences::playlistOrderMode() const
{
    return seeded(kPlaylist_OrderMode).toString();
}
void Preferences::setPlaylistOrderMode(const QString &mode)
{
    setValue(kPlaylist_OrderMode, mode);
}
bool Preferences::skipDownloadedEntries() const
{
    return seeded(kPlaylist_SkipDownloaded).toBool();
}
void Preferences::setSkipDownloadedEntries(bool on)
{
    setValue(kPlaylist_SkipDownloaded, on);
}

// --- Conversion -------------------------------------------------------------------------------

int Preferences::maxConversions() const
{
    return seeded(kConvert_MaxTask).toInt();
}
void Preferences::setMaxConversions(int count)
{
    setValue(kConvert_MaxTask, count);
}
QString Preferences::convertDir() const
{
    return folderOrDefault(value(kLocation_ConvertDir).toString(), defaultConvertDir());
}
void Preferences::setConvertDir(const QString &folder)
{
    setValue(kLocation_ConvertDir, folder);
}
QString Preferences::defaultConvertDir()
{
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/Clipmoor/Converted"));
}
QString Preferences::convertMediaType() const
{
    return seeded(kConvert_MediaType).toString();
}
void Preferences::setConvertMediaType(const QString &type)
{
    setValue(kConvert_MediaType, type);
}
QString Preferences::convertVideoFormat() const
{
    return seeded(kConvert_VideoType).toString();
}
void Preferences::setConvertVideoFormat(const QString &format)
{
    setValue(kConvert_VideoType, format);
}
QString Preferences::convertVideoResolution() const
{
    return seeded(kConvert_VideoResoulution).toString();
}
void Preferences::setConvertVideoResolution(const QString &resolution)
{
    setValue(kConvert_VideoResoulution, resolution);
}
bool Preferences::convertVideoMuted() const
{
    return seeded(kConvert_VideoIsMute).toBool();
}
void Preferences::setConvertVideoMuted(bool on)
{
    setValue(kConvert_VideoIsMute, on);
}
QString Preferences::convertAudioFormat() const
{
    return seeded(kConvert_AudioType).toString();
}
void Preferences::setConvertAudioFormat(const QString &format)
{
    setValue(kConvert_AudioType, format);
}
QString Preferences::convertAudioBitRate() const
{
    return seeded(kConvert_AudioBitRate).toString();
}
void Preferences::setConvertAudioBitRate(const QString &bitRate)
{
    setValue(kConvert_AudioBitRate, bitRate);
}

// --- Connection -------------------------------------------------------------------------------

bool Preferences::proxyEnabled() const
{
    return seeded(kProxy_Setting_Enable).toBool();
}
void Preferences::setProxyEnabled(bool on)
{
    setValue(kProxy_Setting_Enable, on);
}
bool Preferences::proxyNeedsLogin() const
{
    return seeded(kProxy_Setting_Authorization).toBool();
}
void Preferences::setProxyNeedsLogin(bool on)
{
    setValue(kProxy_Setting_Authorization, on);
}
bool Preferences::checkCertificates() const
{
    return seeded(kDownload_CheckCertificate).toBool();
}
void Preferences::setCheckCertificates(bool on)
{
    setValue(kDownload_CheckCertificate, on);
}
QString Preferences::proxyHost() const
{
    return value(kProxy_Setting_Http).toString();
}
void Preferences::setProxyHost(const QString &host)
{
    setValue(kProxy_Setting_Http, host);
}
QString Preferences::proxyPort() const
{
    return value(kProxy_Setting_Port).toString();
}
void Preferences::setProxyPort(const QString &port)
{
    setValue(kProxy_Setting_Port, port);
}
QString Preferences::proxyLogin() const
{
    return value(kProxy_Setting_Login).toString();
}
void Preferences::setProxyLogin(const QString &login)
{
    setValue(kProxy_Setting_Login, login);
}
QString Preferences::proxyPassword() const
{
    return value(kProxy_Setting_Password).toString();
}
void Preferences::setProxyPassword(const QString &password)
{
    setValue(kProxy_Setting_Password, password);
}
QString Preferences::updateServer() const
{
    return value(kUpdate_Server, QStringLiteral("https://update.clipmoor.app")).toString();
}
void Preferences::setUpdateServer(const QString &server)
{
    setValue(kUpdate_Server, server);
}
