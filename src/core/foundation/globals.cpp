#include "core/foundation/globals.h"

#include "core/foundation/preferences.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

#include <utility>

namespace {

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

} // namespace

// --- Folders that follow the preferences ----------------------------------------------------

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
    Preferences *prefs = Preferences::instance();
    const QString manual = prefs->manualSpeedLimit();
    if (!manual.isEmpty())
        return manual;
    const QString limited = prefs->speedLimit();
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

void revealInFileManager(const QString &path, std::function<void(bool shown)> done)
{
    platform::revealInFileManager(QDir::toNativeSeparators(path), std::move(done));
}

bool removeFileSafely(const QString &path)
{
    return path.length() > 3 && QFile::remove(path);
}

bool removeDirSafely(const QString &path)
{
    return path.length() > 3 && QDir(path).removeRecursively();
}

bool makeOwnerOnlyFolder(const QString &path)
{
    if (path.length() <= 3 || !QDir().mkpath(path))
        return false;
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                           QFileDevice::WriteUser | QFileDevice::ExeUser);
}

bool makeOwnerOnlyFile(const QString &path)
{
    return !path.isEmpty() &&
           QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadUser | QFileDevice::WriteUser);
}

bool makeSharedFile(const QString &path)
{
    const int mode = platform::newFileMode();
    QFileDevice::Permissions p;
    const struct
    {
        int bit;
        QFileDevice::Permissions flags;
    } bits[] = {{0400, QFileDevice::ReadOwner | QFileDevice::ReadUser},
                {0200, QFileDevice::WriteOwner | QFileDevice::WriteUser},
                {0040, QFileDevice::ReadGroup},
                {0020, QFileDevice::WriteGroup},
                {0004, QFileDevice::ReadOther},
                {0002, QFileDevice::WriteOther}};
    for (const auto &b : bits) {
        if (mode & b.bit)
            p |= b.flags;
    }
    return !path.isEmpty() && QFile::setPermissions(path, p);
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
    return Preferences::instance()->interfaceStyle() == QLatin1String("Dark");
}
