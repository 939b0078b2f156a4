#include "analysis.h"

#include "formatchoice.h"
#include "live.h"
#include "output.h"
#include "playlist.h"
#include "thumbnail.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace analysis {

Result describe(Context &ctx, const QString &url, const QStringList &extra)
{
    Result a;
    QByteArray json;
    QStringList args = ctx.ytdlpArguments();
    args << "-J" << extra << "--" << url;
    const child::Result r = child::capture(ctx.ytdlpProgram(), args, &json, 600000);
    ctx.noticeYtdlpVersion(r.errorOutput);
    if (child::interrupted()) {
        a.code = out::Interrupted;
        a.error = QStringLiteral("interrupted");
        return a;
    }
    const QJsonObject info = QJsonDocument::fromJson(json).object();
    if (!r.started) {
        a.code = out::ProgramMissing;
        a.error =
            QStringLiteral("yt-dlp could not be started: %1").arg(QString::fromUtf8(r.errorOutput));
        return a;
    }
    if (r.exitCode != 0 || info.isEmpty()) {
        a.error = child::errorSummary(r.errorOutput);
        if (a.error.isEmpty())
            a.error = QStringLiteral("no media found at %1").arg(url);
        a.code = ytdlpFailureCode(a.error);
        return a;
    }
    ctx.rememberYtdlpVersion(info.value("_version").toObject().value("version").toString());
    a.info = info;
    return a;
}

int run(Context &ctx, params::Reader &reader, const QJsonObject &root)
{
    const QString address = reader.text(root, "url");
    const QString pictureFolder = reader.text(root, "thumbnail_folder");
    if (!reader.problem().isEmpty())
        return out::failure(out::BadArguments, reader.problem());
    if (address.isEmpty())
        return out::failure(out::BadArguments, QStringLiteral("\"url\" is required"));
    const playlist::EntryAddress entry = playlist::parseEntryAddress(address);
    QJsonObject info;
    QString playlistCount;
    const QUrl u(entry.url);
    if (live::isDirectMedia(entry.url)) {
        const QString name = QUrl::fromPercentEncoding(QFileInfo(u.path()).fileName().toUtf8());
        info = {{"title", QFileInfo(name).completeBaseName()}, {"url", entry.url}};
    } else {
        if (ctx.ytdlpPath.isEmpty())
            return out::failure(out::ProgramMissing, QStringLiteral("yt-dlp not found"));
        const QString items = QString::number(qMax(1, entry.pageItem));
        QStringList extra{"--no-playlist", "--playlist-items", items};
        if (entry.pageItem == 0)
            extra << "--parse-metadata" << choice::titleFixArgument();
        Result a = describe(ctx, entry.url, extra);
        if (a.code != out::Ok)
            return out::failure(a.code, a.error);
        info = a.info;
        if (info.value("_type").toString() == QLatin1String("playlist")) {
            const QJsonArray entries = info.value("entries").toArray();
            if (entries.isEmpty())
                return out::failure(out::Unsupported,
                                    QStringLiteral("no media found at %1").arg(entry.url));
            const int count = info.value("playlist_count").toInt();
            info = entries.first().toObject();
            if (count > 1 && entry.pageItem == 0)
                playlistCount = QString::number(count);
        }
    }
    QString remote = info.value("thumbnail").toString();
    QString local;
    const bool audioOnly = info.value("vcodec").toString() == QLatin1String("none");
    if (remote.isEmpty() && !audioOnly)
        local = thumbnail::fromAddress(ctx.ffmpeg, info.value("url").toString(), address,
                                       pictureFolder);
    QJsonObject msg{{"title", info.value("title").toString()},
                    {"thumbnail", remote},
                    {"local_thumbnail", local},
                    {"is_live", live::isLive(ctx, info) ? "true" : "false"},
                    {"filepath", QString()},
                    {"duration", QString::number(qRound64(info.value("duration").toDouble()))},
                    {"webpage_url", info.value("webpage_url").toString()},
                    {"extractor", info.value("extractor").toString()}};
    if (!playlistCount.isEmpty())
        msg.insert("playlist_count", playlistCount);
    out::line(QStringLiteral("sniff"), msg);
    return out::Ok;
}

} // namespace analysis
