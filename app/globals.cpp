#include "app/globals.h"

#include "app/preferences.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

namespace {

QString dataFile(const char *name)
{
    return appDataDir() + QLatin1Char('/') + QLatin1String(name);
}

const std::pair<const char *, const char *> kSpeedLimits[] = {
    {"Unlimited", "Unlimited"}, {"8 MBps", "8000000"},  {"6 MBps", "6000000"},
    {"4 MBps", "4000000"},      {"2 MBps", "2000000"},  {"1 MBps", "1000000"},
    {"512 KBps", "512000"},     {"256 KBps", "256000"}, {"128 KBps", "128000"},
};

const std::pair<const char *, const char *> kSubtitleLanguages[] = {
    // The names are shown translated in the preferences; their untranslated text is stored.
    {QT_TRANSLATE_NOOP("PreferencesDlg", "English"), "en"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "German"), "de"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Spanish"), "es"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "French"), "fr"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Italian"), "it"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Japanese"), "ja"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Portuguese"), "pt"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Arabic"), "ar"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Russian"), "ru"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Dutch"), "nl"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Chinese(Simplified)"), "zh-Hans"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Chinese(Traditional)"), "zh-Hant"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Polish"), "pl"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Indonesian"), "id"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Korean"), "ko"},
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Turkey"), "tr"},
};

const char *const kSelfNamedLanguages[] = {"th", "hu", "ro", "cs", "fa", "iw", "bg", "hr", "sv",
                                           "sr", "vi", "sk", "da", "sl", "no", "fi", "hi", "fil"};

bool hasWebScheme(const QString &url)
{
    return url.contains(QLatin1String("http://")) || url.contains(QLatin1String("https://"));
}

bool containsAny(const QString &text, std::initializer_list<const char *> needles)
{
    for (const char *n : needles) {
        if (text.contains(QLatin1String(n)))
            return true;
    }
    return false;
}

} // namespace

// --- Folders and files ----------------------------------------------------------------------

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

QString downloadTempDir(bool create)
{
    const QString dir = downloadDir() + "/.temp/";
    if (create && !QFileInfo::exists(dir)) {
        QDir().mkpath(dir);
        platform::setHidden(dir, true);
    }
    return dir;
}

QString convertTempDir(bool create)
{
    const QString dir = convertDir() + "/.temp/";
    if (create && !QFileInfo::exists(dir))
        QDir().mkpath(dir);
    return dir;
}

// --- Tables ---------------------------------------------------------------------------------

QStringList speedLimitLabels()
{
    QStringList labels;
    for (const auto &entry : kSpeedLimits)
        labels << QLatin1String(entry.first);
    return labels;
}

QString speedLimitValue(const QString &label)
{
    for (const auto &entry : kSpeedLimits) {
        if (label == QLatin1String(entry.first))
            return QLatin1String(entry.second);
    }
    return QStringLiteral("Unlimited");
}

QString effectiveSpeedLimitLabel()
{
    Preferences prefs;
    const QString manual = prefs.value(kSpeedLimitedManual).toString();
    if (!manual.isEmpty())
        return manual;
    const QString limited = prefs.value(kSpeedLimited).toString();
    return limited.isEmpty() ? QStringLiteral("Unlimited") : limited;
}

QStringList subtitleLanguageNames()
{
    QStringList names;
    for (const auto &entry : kSubtitleLanguages)
        names << QLatin1String(entry.first);
    for (const char *code : kSelfNamedLanguages)
        names << QLatin1String(code);
    return names;
}

QString subtitleLanguageCode(const QString &name)
{
    for (const auto &entry : kSubtitleLanguages) {
        if (name == QLatin1String(entry.first))
            return QLatin1String(entry.second);
    }
    for (const char *code : kSelfNamedLanguages) {
        if (name == QLatin1String(code))
            return name;
    }
    return QStringLiteral("en");
}

// --- Address rules --------------------------------------------------------------------------

static bool isYouTubeUrl(const QString &url)
{
    return url.startsWith(QLatin1String("https://www.youtube.com")) ||
           url.startsWith(QLatin1String("https://youtube.com/")) ||
           url.startsWith(QLatin1String("https://youtu.be/")) ||
           url.contains(QLatin1String("music.youtube.com/")) ||
           url.contains(QLatin1String("https://m.youtube.com/"));
}

// The album and playlist rules of the music sites, shared by both playlist tests.
static bool isMusicCollectionUrl(const QString &url)
{
    if (url.contains(QLatin1String("spotify.com")) && hasWebScheme(url) &&
        containsAny(url, {"/playlist/", "/artist/", "/album/"}))
        return true;
    if (url.contains(QLatin1String("soundcloud.com")) && hasWebScheme(url) &&
        containsAny(url, {"/sets/", "/playlists/"}))
        return true;
    if (url.contains(QLatin1String("bandcamp.com")) && hasWebScheme(url) &&
        url.contains(QLatin1String("/album/")))
        return true;
    if (url.contains(QLatin1String("gaana.com")) && hasWebScheme(url) &&
        containsAny(url, {"/album/", "/artist/", "/playlist/"}))
        return true;
    if (url.contains(QLatin1String("audiomack.com")) && hasWebScheme(url) &&
        containsAny(url, {"/album/", "/playlist/"}))
        return true;
    return false;
}

bool isPlaylistUrl(const QString &url)
{
    if (isYouTubeUrl(url) && containsAny(url, {"list", "/channel/", "/user/", "/c/"}))
        return true;
    return isMusicCollectionUrl(url);
}

bool isPurePlaylistUrl(const QString &url)
{
    if (isYouTubeUrl(url)) {
        if (containsAny(url, {"/channel/", "/user/", "/c/"}))
            return true;
        if (url.contains(QLatin1String("list")) && !url.contains(QLatin1String("/watch?v=")))
            return true;
    }
    return isMusicCollectionUrl(url);
}

bool isAudioOnlySite(const QString &url)
{
    return containsAny(url, {"spotify.com/", "gaana.com/", "freesound.org/", "mixcloud.com/",
                             "bandcamp.com/", "soundcloud.com/"});
}

QString siteNameFromUrl(const QString &url)
{
    QString name = url;
    if (name.startsWith(QLatin1String("http://")))
        name.remove(0, 7);
    else if (name.startsWith(QLatin1String("https://")))
        name.remove(0, 8);
    if (name.startsWith(QLatin1String("www.")))
        name.remove(0, 4);
    const int slash = name.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        name.truncate(slash);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

bool isHttpUrl(const QString &text)
{
    return text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://"));
}

QStringList splitLines(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
}

// --- Media ----------------------------------------------------------------------------------

bool isAudioFormat(const QString &name)
{
    static const QStringList audio = {
        QStringLiteral("Original Audio"), "FLAC", "OGG", "AIFF", "AAC", "MKA", "WAV", "MP3", "M4A"};
    return audio.contains(name);
}

// --- Files and shell ------------------------------------------------------------------------

QString uniqueFilePath(const QString &fileName, const QString &folder)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    for (int n = 0;; ++n) {
        QString name = fileName;
        if (n > 0) {
            const QString suffix = QStringLiteral("(%1)").arg(n);
            if (dot >= 0)
                name.insert(dot, suffix);
            else
                name.append(suffix);
        }
        const QString candidate = folder + QLatin1Char('/') + name;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

void revealInFileManager(const QString &path)
{
    platform::revealInFileManager(QDir::toNativeSeparators(path));
}

bool removeFileSafely(const QString &path)
{
    return path.length() > 3 && QFile::remove(path);
}

bool removeDirSafely(const QString &path)
{
    return path.length() > 3 && QDir(path).removeRecursively();
}

// --- Other ----------------------------------------------------------------------------------

QString systemProxy()
{
    const QString proxy = platform::systemProxy();
    qDebug() << "getProxy" << proxy;
    return proxy;
}

int compareVersions(const QString &a, const QString &b)
{
    QStringList left = a.split(QLatin1Char('.'));
    QStringList right = b.split(QLatin1Char('.'));
    while (left.size() < right.size())
        left << QStringLiteral("0");
    while (right.size() < left.size())
        right << QStringLiteral("0");
    for (int i = 0; i < left.size(); ++i) {
        const qlonglong l = left.at(i).toLongLong();
        const qlonglong r = right.at(i).toLongLong();
        if (l > r)
            return 1;
        if (l < r)
            return -1;
    }
    return 0;
}

QString randomId()
{
    // Job folders and file names are made from these ids, and hundreds of jobs can be created
    // within one second (a pasted list). Re-seeding from the clock on every call would hand them
    // all the same id, so the ids come from Qt's securely seeded generator instead; the form (the
    // URL-safe Base64 text of 8 bytes, no padding) stays the same.
    const quint64 value = QRandomGenerator::global()->generate64();
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(&value), sizeof value)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

bool isAlternatePlatform()
{
    return false;
}

bool isDarkMode()
{
    return Preferences().value(QStringLiteral("AppleInterfaceStyle")).toString() ==
           QLatin1String("Dark");
}

void waitEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
