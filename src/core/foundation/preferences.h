#pragma once

// The per-user preferences: one getter and one setter per setting, each with its default. The
// names under which they are stored appear only in preferences.cpp. Values read on hot paths
// (the interface language, the job counter) are read from the store once and kept here.
//
//     Preferences *prefs = Preferences::instance();
//     if (prefs->downloadSubtitles()) ...
//     prefs->setMaxDownloads(3);

#include <QRect>
#include <QString>
#include <QVariant>

#include <optional>

class Preferences
{
public:
    static Preferences *instance();
    // The "_Default" twins written at start-up: what "Reset" in the preferences brings back.
    static const Preferences *seededDefaults();
    // The settings file (ini format).
    static QString fileName();

    // --- Downloads ------------------------------------------------------------------------------
    int maxDownloads() const; // 2
    void setMaxDownloads(int count);
    QString downloadMediaType() const; // "video" or "audio"
    void setDownloadMediaType(const QString &type);
    QString videoQuality() const; // "1080P"
    void setVideoQuality(const QString &quality);
    QString audioQuality() const; // "320Kb/s"
    void setAudioQuality(const QString &quality);
    QString subtitleLanguage() const; // "English" (the untranslated name)
    void setSubtitleLanguage(const QString &name);
    bool downloadSubtitles() const; // true
    void setDownloadSubtitles(bool on);
    bool resumeOnStartup() const; // false
    void setResumeOnStartup(bool on);
    bool readCookies() const; // true
    void setReadCookies(bool on);
    // The one-click target: "MP4", "MP3", "Original Video", ... ("Original ..." converts nothing).
    QString oneClickFormat() const;
    void setOneClickFormat(const QString &format);
    // The speed limit chosen in the interface, a label of speedLimitLabels() ("Unlimited").
    QString manualSpeedLimit() const;
    void setManualSpeedLimit(const QString &label);
    // The older speed-limit setting, read when no manual one is set (absent by default).
    QString speedLimit() const;
    void setSpeedLimit(const QString &label);
    // The download folder, never empty (the default folder instead).
    QString downloadDir() const;
    void setDownloadDir(const QString &folder);
    static QString defaultDownloadDir();

    // --- Playlists ------------------------------------------------------------------------------
    bool numberPlaylistFiles() const; // true
    void setNumberPlaylistFiles(bool on);
    QString playlistMediaType() const; // "Video" or "Audio"
    void setPlaylistMediaType(const QString &type);
    QString playlistVideoQuality() const; // "1080P"
    void setPlaylistVideoQuality(const QString &quality);
    QString playlistAudioQuality() const; // "Best"
    void setPlaylistAudioQuality(const QString &quality);
    QString playlistOrderMode() const; // "Newest first"
    void setPlaylistOrderMode(const QString &mode);
    bool skipDownloadedEntries() const; // false
    void setSkipDownloadedEntries(bool on);

    // --- Conversion -----------------------------------------------------------------------------
    int maxConversions() const; // 2
    void setMaxConversions(int count);
    // The conversion folder, never empty (the default folder instead).
    QString convertDir() const;
    void setConvertDir(const QString &folder);
    static QString defaultConvertDir();
    QString convertMediaType() const; // "Video"
    void setConvertMediaType(const QString &type);
    QString convertVideoFormat() const; // "MP4"
    void setConvertVideoFormat(const QString &format);
    QString convertVideoResolution() const; // "Origin"
    void setConvertVideoResolution(const QString &resolution);
    bool convertVideoMuted() const; // false
    void setConvertVideoMuted(bool on);
    QString convertAudioFormat() const; // "MP3"
    void setConvertAudioFormat(const QString &format);
    QString convertAudioBitRate() const; // "Origin"
    void setConvertAudioBitRate(const QString &bitRate);

    // --- Connection -----------------------------------------------------------------------------
    bool proxyEnabled() const; // false
    void setProxyEnabled(bool on);
    bool proxyNeedsLogin() const; // false
    void setProxyNeedsLogin(bool on);
    // Whether downloads and playlist listings check the certificates of the sites (true).
    bool checkCertificates() const;
    void setCheckCertificates(bool on);
    QString proxyHost() const; // absent until first written
    void setProxyHost(const QString &host);
    QString proxyPort() const;
    void setProxyPort(const QString &port);
    QString proxyLogin() const;
    void setProxyLogin(const QString &login);
    QString proxyPassword() const;
    void setProxyPassword(const QString &password);
    // The update server, without the environment's override ("https://update.clipmoor.app").
    QString updateServer() const;
    void setUpdateServer(const QString &server);

    // --- Application ----------------------------------------------------------------------------
    // The interface language, a LanguageSettings category (0, English). Kept after the first read.
    int language() const;
    void setLanguage(int category);
    bool welcomeShown() const; // false until the welcome page opened once
    void setWelcomeShown(bool shown);
    // The user chose not to be asked again when quitting with downloads running (false).
    bool skipCloseConfirmation() const;
    void setSkipCloseConfirmation(bool skip);
    // Where the main window was when it was last closed: its geometry when not maximised
    // (invalid before the first close), its screen's name, whether it was maximised, its tab.
    struct WindowPlacement
    {
        QRect geometry;
        QString screen;
        bool maximized = false;
        int tab = 0;
    };
    WindowPlacement windowPlacement() const;
    void setWindowPlacement(const WindowPlacement &placement);
    QString interfaceStyle() const; // "Dark" for the dark look, empty otherwise
    void setInterfaceStyle(const QString &style);
    // The private list: on while a key (a password digest) is set; what it hides.
    QString privateListKey() const;
    void setPrivateListKey(const QString &key);
    bool privateThumbnailsHidden() const; // false
    void setPrivateThumbnailsHidden(bool on);
    bool privateFilesHidden() const; // false
    void setPrivateFilesHidden(bool on);
    // A desktop notification when a download or a conversion ends out of sight.
    bool desktopNotifications() const; // true
    void setDesktopNotifications(bool on);

    // --- Usage statistics -----------------------------------------------------------------------
    // The collector's address, without the environment's override (empty: nothing is sent).
    QString analyticsCollector() const;
    void setAnalyticsCollector(const QString &address);
    // The user's choice on sending usage statistics; absent until the user chose.
    std::optional<bool> sendUsageStatistics() const;
    void setSendUsageStatistics(bool on);
    // The anonymous client id, made once, and the user id (empty unless set).
    QString analyticsClientId() const;
    void setAnalyticsClientId(const QString &id);
    QString analyticsUserId() const;
    void setAnalyticsUserId(const QString &id);

    // --- Provisioning ---------------------------------------------------------------------------
    // The folder of the updated download tool and of the updated site scripts ("" for the ones
    // that came with the application).
    QString toolLocation() const;
    void setToolLocation(const QString &location);
    QString scriptsLocation() const;
    void setScriptsLocation(const QString &location);

    // --- Counters -------------------------------------------------------------------------------
    // The number of the last download job. Kept here after the first read; a change is written
    // back once per turn of the event loop (a pasted list creates hundreds of jobs at once).
    int downloadCounter() const;
    void setDownloadCounter(int number);
    int playlistCounter() const;
    void setPlaylistCounter(int number);
    // The number of the last conversion job (0 before the first).
    int convertCounter() const;
    void setConvertCounter(int number);

private:
    explicit Preferences(const char *suffix);
    QVariant value(const char *key, const QVariant &fallback = QVariant()) const;
    QVariant seeded(const char *key) const; // the value, or its default from the seeded table
    void setValue(const char *key, const QVariant &value);

    const char *suffix;
    mutable std::optional<int> languageValue;
    mutable std::optional<int> counterValue;
    bool counterWritePending = false;
};

// Writes every missing default and refreshes every "_Default" twin. A settings file that cannot
// be parsed is kept aside as "<file>.corrupt" and the store starts again from the defaults.
void seedPreferences();

// Shorthands for the two folders every part of Clipmoor asks for.
inline QString downloadDir()
{
    return Preferences::instance()->downloadDir();
}
inline QString convertDir()
{
    return Preferences::instance()->convertDir();
}
