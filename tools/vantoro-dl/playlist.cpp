#include "playlist.h"

#include "analysis.h"
#include "output.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace playlist {

namespace {
const QRegularExpression &marker()
{
    static const QRegularExpression re(
        QStringLiteral("[#&]vantoro-(item|index)=(\\d{1,6})/(\\d{1,6})$"));
    return re;
}

QString thumbnailOf(const QJsonObject &entry)
{
    QString thumbnail = entry.value("thumbnail").toString();
    if (thumbnail.isEmpty()) {
        const QJsonArray thumbs = entry.value("thumbnails").toArray();
        if (!thumbs.isEmpty())
            thumbnail = thumbs.last().toObject().value("url").toString();
    }
    return thumbnail;
}

// An entry of the listing: yt-dlp gives either a reference to the entry's own page ("_type"
// "url") or, for the videos of one page, the media itself with the page as "webpage_url".
QJsonObject entryLine(const QJsonObject &e, const QString &pageUrl, int index, int count)
{
    const QString own = e.value("url").toString();
    const bool reference = e.value("_type").toString().startsWith(QLatin1String("url"));
    const QString address = reference && !own.isEmpty() ? entryAddress(own, false, index, count)
                                                        : entryAddress(pageUrl, true, index, count);
    return {{"title", e.value("title").toString(QStringLiteral("Entry %1").arg(index))},
            {"url", address},
            {"index", QString::number(index)},
            {"duration", QString::number(qRound64(e.value("duration").toDouble()))},
            {"thumbnail", thumbnailOf(e)},
            {"id", e.value("id").toString()}};
}
} // namespace

EntryAddress parseEntryAddress(const QString &address)
{
    EntryAddress entry;
    entry.url = address;
    const QRegularExpressionMatch m = marker().match(address);
    if (!m.hasMatch())
        return entry;
    entry.url = address.left(m.capturedStart(0)); // other fragment text before it stays
    entry.index = m.captured(2).toInt();
    entry.count = m.captured(3).toInt();
    if (m.captured(1) == QLatin1String("item"))
        entry.pageItem = entry.index;
    return entry;
}

QString entryAddress(const QString &url, bool pageItem, int index, int count)
{
    const QString base = parseEntryAddress(url).url;
    return base + (base.contains(QLatin1Char('#')) ? '&' : '#') +
           QStringLiteral("vantoro-%1=%2/%3")
               .arg(pageItem ? QStringLiteral("item") : QStringLiteral("index"))
               .arg(index)
               .arg(count);
}

int run(Context &ctx, params::Reader &reader, const QJsonObject &root)
{
    const QJsonObject d = reader.object(root, "downloader");
    const QString url = parseEntryAddress(reader.text(d, "url")).url;
    if (!reader.problem().isEmpty())
        return out::failure(out::BadArguments, reader.problem());
    if (url.isEmpty())
        return out::failure(out::BadArguments, QStringLiteral("\"url\" is required"));
    if (ctx.ytdlpPath.isEmpty())
        return out::failure(out::ProgramMissing, QStringLiteral("yt-dlp not found"));
    const analysis::Result a = analysis::describe(ctx, url, {"--flat-playlist"});
    if (a.code != out::Ok)
        return out::failure(a.code, a.error);
    const QJsonObject &info = a.info;
    QJsonArray entries;
    const bool isPlaylist = info.value("_type").toString() == QLatin1String("playlist");
    if (isPlaylist)
        entries = info.value("entries").toArray();
    else
        entries.append(info);
    QJsonArray batch;
    auto flush = [&] {
        if (batch.isEmpty())
            return;
        out::line("playlist", {{"videos", batch},
                               {"playlist_title", info.value("title").toString()},
                               {"playlist_count", QString::number(entries.size())}});
        batch = QJsonArray();
    };
    int index = 0;
    for (const QJsonValue &v : qAsConst(entries)) {
        ++index;
        const QJsonObject e = v.toObject();
        if (isPlaylist) {
            batch.append(entryLine(e, url, e.value("playlist_index").toInt(index), entries.size()));
        } else {
            QJsonObject single = entryLine(e, url, 1, 1);
            single.insert("url", url); // the address itself is the one entry
            batch.append(single);
        }
        if (batch.size() == 100)
            flush();
    }
    flush();
    return out::Ok;
}

} // namespace playlist
