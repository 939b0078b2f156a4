#include "core/foundation/addressrules.h"

#include <QRegularExpression>

namespace {

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

QString mediaAddress(const QString &url)
{
    static const QRegularExpression indexMarker(
        QStringLiteral("[#&]vantoro-index=\\d{1,6}/\\d{1,6}$"));
    const QString trimmed = url.trimmed();
    if (!trimmed.contains(QLatin1String("vantoro-index=")))
        return trimmed;
    const QRegularExpressionMatch m = indexMarker.match(trimmed);
    return m.hasMatch() ? trimmed.left(m.capturedStart(0)) : trimmed;
}

QString displayAddress(const QString &url)
{
    static const QRegularExpression marker(
        QStringLiteral("[#&]vantoro-(index|item)=(\\d{1,6})/(\\d{1,6})$"));
    const QString trimmed = url.trimmed();
    if (!trimmed.contains(QLatin1String("vantoro-")))
        return trimmed;
    const QRegularExpressionMatch m = marker.match(trimmed);
    if (!m.hasMatch())
        return trimmed;
    const QString address = trimmed.left(m.capturedStart(0));
    return m.captured(1) == QLatin1String("item")
               ? QStringLiteral("%1 (%2/%3)").arg(address, m.captured(2), m.captured(3))
               : address;
}
