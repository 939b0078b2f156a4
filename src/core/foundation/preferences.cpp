#include "core/foundation/preferences.h"

#include "core/foundation/applog.h"
#include "core/foundation/preferences_keys.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSettings>
#include <QTimer>

#include <utility>
#include <vector>

using namespace prefkeys;

namespace {

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
        {kDownload_CheckCertificate, true},
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
bool Preferences::desktopNotifications() const
{
    return value(kDesktopNotifications, true).toBool();
}
void Preferences::setDesktopNotifications(bool on)
{
    setValue(kDesktopNotifications, on);
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
