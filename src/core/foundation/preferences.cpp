#include "core/foundation/preferences.h"

#include "core/foundation/applog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSettings>
#include <QTimer>

#include <utility>
#include <vector>

namespace {

// The names in the store. Existing settings files use them: never rename one.
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

// Seeded at start-up, each with a "_Default" twin, in this order.
std::vector<std::pair<const char *, QVariant>> seededTable()
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
        {kLocation_DownloadDir, Preferences::defaultDownloadDir()},
        {kLocation_ConvertDir, Preferences::defaultConvertDir()},
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

QVariant seededDefault(const char *key)
{
    static const QHash<QString, QVariant> table = [] {
        QHash<QString, QVariant> t;
        for (const auto &[name, value] : seededTable())
            t.insert(QLatin1String(name), value);
        return t;
    }();
    return table.value(QLatin1String(key));
}

// A fresh view of the file for every access, as QSettings is meant to be used: another
// process (a second start, a test) may have written it meanwhile.
QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Clipmoor"),
                     QStringLiteral("Clipmoor"));
}

// The settings hold secrets (the proxy password, the private list's digest): the file is
// readable by the user only, after every write.
void writeAndRestrict(QSettings &store)
{
    store.sync();
    QFile::setPermissions(store.fileName(), QFile::ReadOwner | QFile::WriteOwner);
}

QString folderOrDefault(const QString &folder, const QString &fallback)
{
    // An empty folder setting must never send files to the file system's root.
    return folder.isEmpty() ? fallback : folder;
}

} // namespace

Preferences::Preferences(const char *suffix)
    : suffix(suffix)
{
}

Preferences *Preferences::instance()
{
    static Preferences prefs("");
    return &prefs;
}

const Preferences *Preferences::seededDefaults()
{
    static const Preferences twins(kDefaultSuffix);
    return &twins;
}

QString Preferences::fileName()
{
    return openStore().fileName();
}

QVariant Preferences::value(const char *key, const QVariant &fallback) const
{
    return openStore().value(QLatin1String(key) + QLatin1String(suffix), fallback);
}

QVariant Preferences::seeded(const char *key) const
{
    return value(key, seededDefault(key));
}

void Preferences::setValue(const char *key, const QVariant &value)
{
    QSettings store = openStore();
    store.setValue(QLatin1String(key) + QLatin1String(suffix), value);
    writeAndRestrict(store);
}

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

// --- Application ------------------------------------------------------------------------------

int Preferences::language() const
{
    // Read for every progress line shown: the store is asked once.
    if (!languageValue)
        languageValue = value(kLanguage, 0).toInt();
    return *languageValue;
}
void Preferences::setLanguage(int category)
{
    languageValue = category;
    setValue(kLanguage, category);
}
bool Preferences::welcomeShown() const
{
    return value(kFirstLaunch, false).toBool();
}
void Preferences::setWelcomeShown(bool shown)
{
    setValue(kFirstLaunch, shown);
}
bool Preferences::skipCloseConfirmation() const
{
    return value(kPopCloseWindowsConfirm, false).toBool();
}
void Preferences::setSkipCloseConfirmation(bool skip)
{
    setValue(kPopCloseWindowsConfirm, skip);
}
Preferences::WindowPlacement Preferences::windowPlacement() const
{
    // Read from a file anyone may edit: a rectangle of insane size is no geometry.
    WindowPlacement p;
    const QRect r = value(kWindow_Geometry).toRect();
    if (r.width() > 0 && r.height() > 0 && r.width() <= 100000 && r.height() <= 100000 &&
        qAbs(r.x()) <= 100000 && qAbs(r.y()) <= 100000)
        p.geometry = r;
    p.screen = value(kWindow_Screen).toString().left(200);
    p.maximized = value(kWindow_Maximized, false).toBool();
    const int tab = value(kWindow_LastTab, 0).toInt();
    p.tab = tab >= 0 && tab <= 4 ? tab : 0;
    return p;
}
void Preferences::setWindowPlacement(const WindowPlacement &placement)
{
    setValue(kWindow_Geometry, placement.geometry);
    setValue(kWindow_Screen, placement.screen);
    setValue(kWindow_Maximized, placement.maximized);
    setValue(kWindow_LastTab, placement.tab);
}
QString Preferences::interfaceStyle() const
{
    return value(kAppleInterfaceStyle).toString();
}
void Preferences::setInterfaceStyle(const QString &style)
{
    setValue(kAppleInterfaceStyle, style);
}
QString Preferences::privateListKey() const
{
    return value(kPrivateListKey).toString();
}
void Preferences::setPrivateListKey(const QString &key)
{
    setValue(kPrivateListKey, key);
}
bool Preferences::privateThumbnailsHidden() const
{
    return value(kPrivateThumbnailsHidden, false).toBool();
}
void Preferences::setPrivateThumbnailsHidden(bool on)
{
    setValue(kPrivateThumbnailsHidden, on);
}
bool Preferences::privateFilesHidden() const
{
    return value(kPrivateFilesHidden, false).toBool();
}
void Preferences::setPrivateFilesHidden(bool on)
{
    setValue(kPrivateFilesHidden, on);
}

// --- Usage statistics -------------------------------------------------------------------------

QString Preferences::analyticsCollector() const
{
    return value(kAnalyticsCollector).toString();
}
void Preferences::setAnalyticsCollector(const QString &address)
{
    setValue(kAnalyticsCollector, address);
}
std::optional<bool> Preferences::sendUsageStatistics() const
{
    const QVariant chosen = value(kSendUsageStatistics);
    return chosen.isNull() ? std::nullopt : std::optional<bool>(chosen.toBool());
}
void Preferences::setSendUsageStatistics(bool on)
{
    setValue(kSendUsageStatistics, on);
}
QString Preferences::analyticsClientId() const
{
    return value(kAnalyticsClientId).toString();
}
void Preferences::setAnalyticsClientId(const QString &id)
{
    setValue(kAnalyticsClientId, id);
}
QString Preferences::analyticsUserId() const
{
    return value(kAnalyticsUserId).toString();
}
void Preferences::setAnalyticsUserId(const QString &id)
{
    setValue(kAnalyticsUserId, id);
}

// --- Provisioning -----------------------------------------------------------------------------

QString Preferences::toolLocation() const
{
    return value(kDlToolLocation).toString();
}
void Preferences::setToolLocation(const QString &location)
{
    setValue(kDlToolLocation, location);
}
QString Preferences::scriptsLocation() const
{
    return value(kDlScriptsLocation).toString();
}
void Preferences::setScriptsLocation(const QString &location)
{
    setValue(kDlScriptsLocation, location);
}

// --- Counters ---------------------------------------------------------------------------------

int Preferences::downloadCounter() const
{
    if (!counterValue)
        counterValue = value(kDownloadNum, 0).toInt();
    return *counterValue;
}

void Preferences::setDownloadCounter(int number)
{
    counterValue = number;
    // Writing the store for every job of a pasted list of hundreds takes seconds: within one
    // turn of the event loop the counter is kept here and written once.
    if (!QCoreApplication::instance()) {
        setValue(kDownloadNum, number);
        return;
    }
    if (counterWritePending)
        return;
    counterWritePending = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [this] {
        counterWritePending = false;
        setValue(kDownloadNum, *counterValue);
    });
}

int Preferences::playlistCounter() const
{
    return value(kPlaylistNum, 0).toInt();
}
void Preferences::setPlaylistCounter(int number)
{
    setValue(kPlaylistNum, number);
}
int Preferences::convertCounter() const
{
    return value(kConvertNum, 0).toInt();
}
void Preferences::setConvertCounter(int number)
{
    setValue(kConvertNum, number);
}

// --- Seeding ----------------------------------------------------------------------------------

void seedPreferences()
{
    {
        QSettings probe = openStore();
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
    QSettings prefs = openStore();
    for (const auto &[key, value] : seededTable()) {
        const QString name = QLatin1String(key);
        if (prefs.value(name).isNull())
            prefs.setValue(name, value);
        prefs.setValue(name + QLatin1String(kDefaultSuffix), value);
    }
    writeAndRestrict(prefs);
    if (prefs.status() != QSettings::NoError)
        writeLog(QStringLiteral("[Preferences]"),
                 QStringLiteral("cannot write settings file %1").arg(prefs.fileName()));
}
