// The names in the settings store. Existing settings files use them: never rename one. Only the
// files that implement Preferences include this.
#pragma once

namespace prefkeys {

constexpr char kDownload_MaxTask[] = "kDownload_MaxTask";
constexpr char kConvert_MaxTask[] = "kConvert_MaxTask";
constexpr char kDownload_MediaType[] = "kDownload_MediaType";
constexpr char kDownload_VideoQuality[] = "kDownload_VideoQuality";
constexpr char kDownload_AudioQuality[] = "kDownload_AudioQuality";
constexpr char kDownload_Subtitle[] = "kDownload_Subtitle";
constexpr char kDownload_AutoDownSubtitle[] = "kDownload_AutoDownSubtitle";
constexpr char kDownload_ResumeOnStartup[] = "kDownload_ResumeOnStartup";
constexpr char kDownload_ReadCookie[] = "kDownload_ReadCookie";
constexpr char kDownloadPlaylist_OrderNumber[] = "kDownloadPlaylist_OrderNumber";
constexpr char kPlaylist_MediaType[] = "kPlaylist_MediaType";
constexpr char kPlaylist_VideoQuality[] = "kPlaylist_VideoQuality";
constexpr char kPlaylist_AudioQuality[] = "kPlaylist_AudioQuality";
constexpr char kPlaylist_OrderMode[] = "kPlaylist_OrderMode";
constexpr char kPlaylist_SkipDownloaded[] = "kPlaylist_SkipDownloaded";
constexpr char kLocation_DownloadDir[] = "kLocation_DownloadDir";
constexpr char kLocation_ConvertDir[] = "kLocation_ConvertDir";
constexpr char kProxy_Setting_Enable[] = "kProxy_Setting_Enable";
constexpr char kProxy_Setting_Authorization[] = "kProxy_Setting_Authorization";
constexpr char kDownload_CheckCertificate[] = "kDownload_CheckCertificate";
constexpr char kSpeedLimitedManual[] = "kSpeedLimitedManual";
constexpr char kOneClickedDownloadMode[] = "kOneClickedDownloadMode";
constexpr char kConvert_MediaType[] = "kConvert_MediaType";
constexpr char kConvert_VideoType[] = "kConvert_VideoType";
constexpr char kConvert_VideoResoulution[] = "kConvert_VideoResoulution";
constexpr char kConvert_VideoIsMute[] = "kConvert_VideoIsMute";
constexpr char kConvert_AudioType[] = "kConvert_AudioType";
constexpr char kConvert_AudioBitRate[] = "kConvert_AudioBitRate";
constexpr char kProxy_Setting_Http[] = "kProxy_Setting_Http";
constexpr char kProxy_Setting_Port[] = "kProxy_Setting_Port";
constexpr char kProxy_Setting_Login[] = "kProxy_Setting_Login";
constexpr char kProxy_Setting_Password[] = "kProxy_Setting_Password";
constexpr char kSpeedLimited[] = "kSpeedLimited";
constexpr char kUpdate_Server[] = "kUpdate_Server";
constexpr char kLanguage[] = "language";
constexpr char kFirstLaunch[] = "firstLaunch";
constexpr char kPopCloseWindowsConfirm[] = "popCloseWindowsConfirm";
constexpr char kAppleInterfaceStyle[] = "AppleInterfaceStyle";
constexpr char kWindow_Geometry[] = "kWindow_Geometry";
constexpr char kWindow_Screen[] = "kWindow_Screen";
constexpr char kWindow_Maximized[] = "kWindow_Maximized";
constexpr char kWindow_LastTab[] = "kWindow_LastTab";
constexpr char kPrivateListKey[] = "plkey";
constexpr char kPrivateThumbnailsHidden[] = "plthumbnailshidden";
constexpr char kPrivateFilesHidden[] = "plfilehidden";
constexpr char kDesktopNotifications[] = "kNotify_Desktop";
constexpr char kAnalyticsCollector[] = "kAnalytics_Collector";
constexpr char kSendUsageStatistics[] = "kAnalytics_SendUsageStatistics";
constexpr char kAnalyticsClientId[] = "GAnalytics-cid";
constexpr char kAnalyticsUserId[] = "GAnalytics-uid";
constexpr char kDlToolLocation[] = "DlToolLocation";
constexpr char kDlScriptsLocation[] = "DlScriptsLocation";
constexpr char kDownloadNum[] = "download_num";
constexpr char kPlaylistNum[] = "playlist_num";
constexpr char kConvertNum[] = "convert_num";

constexpr char kDefaultSuffix[] = "_Default";

} // namespace prefkeys
