#include "core/browser/sitetiles.h"

#include "core/foundation/applog.h"
#include "core/foundation/paths.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdlib>

namespace {
const QString kTag = QStringLiteral("[WebHomePage]");
constexpr qint64 kMaxFileBytes = 1024 * 1024;
constexpr qint32 kMaxEntries = 1000;
constexpr int kMaxText = 4096;
} // namespace

bool WebElementData::operator==(const WebElementData &other) const
{
    return name == other.name && url == other.url && icon == other.icon && kind == other.kind &&
           colour == other.colour && label == other.label;
}

namespace sitetiles {

const QList<WebElementData> &builtInSites()
{
    static const QList<WebElementData> sites = [] {
        const char *const table[][3] = {
            {"YouTube", "https://www.youtube.com/", "youtube"},
            {"Spotify", "https://open.spotify.com/", "spotify"},
            {"Facebook", "https://www.facebook.com/watch/", "facebook"},
            {"Twitch", "https://www.twitch.tv/", "twitch"},
            {"Instagram", "https://www.instagram.com/", "instagram"},
            {"TikTok", "https://www.tiktok.com/en/", "tiktok"},
            {"Vimeo", "https://vimeo.com/watch", "vimeo"},
            {"Dailymotion", "https://www.dailymotion.com/", "dailymotion"},
            {"Bilibili", "https://www.bilibili.com/", "bilibili"},
            {"Niconico", "https://www.nicovideo.jp/", "nicovideo"},
            {"Twitter", "https://twitter.com/", "twitter"},
            {"SoundCloud", "https://soundcloud.com/", "soundcloud"},
            {"OnlyFans", "https://onlyfans.com/", "onlyfans"},
            {"Fansly", "https://fansly.com/", "fansly"}};
        QList<WebElementData> list;
        for (const auto &row : table) {
            WebElementData site;
            site.name = QLatin1String(row[0]);
            site.url = QLatin1String(row[1]);
            site.icon = QStringLiteral(":/res/websites/%1-site@2x.png").arg(QLatin1String(row[2]));
            list << site;
        }
        return list;
    }();
    return sites;
}

WebElementData addNewTile()
{
    WebElementData tile;
    tile.name = QStringLiteral("Add New");
    tile.icon = QStringLiteral(":/res/websites/add_sites.png");
    tile.kind = WebElementData::AddNew;
    return tile;
}

const QStringList &colourTable()
{
    static const QStringList colours = {"#1ADACF", "#F6F630", "#22C30C", "#221815", "#2577E3",
                                        "#9248F9", "#2F9395", "#FF2351", "#CBE4DE", "#E94618",
                                        "#00235B", "#FFA3FD", "#FFDD83", "#98DFD6", "#EA5455",
                                        "#539165", "#62CDFF", "#97DEFF", "#AA77FF", "#0E8388"};
    return colours;
}

QString pickColour(int salt, const QTime &now)
{
    std::srand(unsigned(now.second() * 1000 + now.msec() + salt));
    return colourTable().at(std::rand() % colourTable().size());
}

QString labelFromUrl(const QString &url)
{
    QString text = url;
    if (text.startsWith(QLatin1String("http://")))
        text.remove(QStringLiteral("http://"));
    else if (text.startsWith(QLatin1String("https://")))
        text.remove(QStringLiteral("https://"));
    if (text.startsWith(QLatin1String("www.")))
        text.remove(QStringLiteral("www."));
    const int dot = text.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? text : text.left(dot);
}

QString onlineFile()
{
    return appDataDir() + QStringLiteral("/online/online.dat");
}

bool save(const QString &path, const QList<WebElementData> &entries)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QList<WebElementData> stored;
    for (const WebElementData &entry : entries) {
        if (entry.kind == WebElementData::BuiltIn || entry.kind == WebElementData::UserAdded)
            stored << entry;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        writeLog(kTag, QStringLiteral("Can not write %1").arg(path));
        return false;
    }
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_5_15);
    out << qint32(stored.size());
    for (const WebElementData &e : stored)
        out << e.name << e.url << e.icon << e.kind << e.colour << e.label;
    if (out.status() != QDataStream::Ok || !file.commit()) {
        writeLog(kTag, QStringLiteral("Can not write %1").arg(path));
        return false;
    }
    return true;
}

std::optional<QList<WebElementData>> load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) {
        writeLog(kTag, QStringLiteral("Can not read %1").arg(path));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxFileBytes);
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count < 0 || count > kMaxEntries) {
        writeLog(kTag, QStringLiteral("%1 is damaged").arg(path));
        return std::nullopt;
    }
    QList<WebElementData> entries;
    for (qint32 i = 0; i < count; ++i) {
        WebElementData e;
        in >> e.name >> e.url >> e.icon >> e.kind >> e.colour >> e.label;
        if (in.status() != QDataStream::Ok) {
            writeLog(kTag, QStringLiteral("%1 is damaged after %2 entries").arg(path).arg(i));
            break;
        }
        const bool kindOk =
            e.kind == WebElementData::BuiltIn || e.kind == WebElementData::UserAdded;
        const bool sizesOk = e.name.size() <= kMaxText && e.url.size() <= kMaxText &&
                             e.icon.size() <= kMaxText && e.colour.size() <= kMaxText &&
                             e.label.size() <= kMaxText;
        if (kindOk && sizesOk)
            entries << e;
    }
    return entries;
}

} // namespace sitetiles
