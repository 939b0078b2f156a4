#include "live.h"

#include "describe.h"
#include "fetch.h"
#include "output.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QUrl>

#include <csignal>

namespace live {

namespace {
const QStringList kMediaSuffixes = {"mp4", "m4v", "mkv", "webm", "mov", "flv",  "avi", "wmv", "mp3",
                                    "m4a", "aac", "ogg", "opus", "wav", "flac", "ts",  "m3u8"};

QStringList recorderArguments(const Context &ctx, const QString &streamUrl, const QString &target)
{
    QStringList args{"-nostdin", "-hide_banner", "-y", "-progress", "pipe:1", "-nostats"};
    if (!ctx.proxy.isEmpty())
        args << "-http_proxy" << ctx.proxy;
    // ffmpeg checks no certificate unless told to, and takes the option only for an https input
    // (it refuses to run with an option nothing used).
    if (ctx.checkCertificate && streamUrl.startsWith(QLatin1String("https:"), Qt::CaseInsensitive))
        args << "-tls_verify"
             << "1";
    // Only the allow-listed page headers, and no cookies: ffmpeg sends its headers to every host
    // it is redirected to, and its own cookie option cannot keep a cookie to one site.
    QString headers;
    for (const auto &header : ctx.headers.sendable()) {
        if (header.first == "User-Agent")
            args << "-user_agent" << QString::fromUtf8(header.second);
        else
            headers += QString::fromUtf8(header.first + ": " + header.second) + "\r\n";
    }
    if (!headers.isEmpty())
        args << "-headers" << headers;
    if (!ctx.cookies.isEmpty())
        out::note(QStringLiteral("the recording is made without cookies"));
    // Matroska stays playable when the recording is cut short.
    return args << "-i" << streamUrl << "-map"
                << "0:v?"
                << "-map"
                << "0:a?"
                << "-c"
                << "copy"
                << "-f"
                << "matroska" << target;
}
} // namespace

bool isDirectMedia(const QString &url)
{
    const QUrl u(url);
    return (u.scheme() == QLatin1String("http") || u.scheme() == QLatin1String("https")) &&
           kMediaSuffixes.contains(QFileInfo(u.path()).suffix().toLower());
}

bool isLiveHls(const Context &ctx, const QString &url)
{
    // An address is asked about once per run (the address itself, then yt-dlp's manifest).
    static QHash<QString, bool> known;
    const auto it = known.constFind(url);
    if (it != known.cend())
        return it.value();
    return known[url] = fetch::isLiveHls(url, ctx.fetchOptions());
}

bool isLive(const Context &ctx, const QJsonObject &info)
{
    if (info.value("is_live").toBool() || info.value("live_status").toString() == "is_live")
        return true;
    const QString protocol = info.value("protocol").toString();
    const QString mediaUrl = info.value("url").toString();
    const QString manifest = info.value("manifest_url").toString();
    if (protocol.contains("m3u8") || mediaUrl.contains(".m3u8")) {
        // A yt-dlp started through the tool's lines says it of a media playlist it read.
        const QJsonValue seen = info.value("vantoro_hls_live");
        if (seen.isBool())
            return seen.toBool();
        return isLiveHls(ctx, manifest.isEmpty() ? mediaUrl : manifest);
    }
    return false;
}

int record(const Context &ctx, const QString &streamUrl, const QString &target)
{
    if (ctx.ffmpeg.isEmpty())
        return out::failure(out::ProgramMissing, QStringLiteral("ffmpeg not found"));
    QElapsedTimer throttle;
    throttle.start();
    QElapsedTimer clock;
    clock.start();
    qint64 bytes = 0;
    double seconds = 0;
    media::Banner banner;
    child::Run run;
    run.program = ctx.ffmpeg;
    run.arguments = recorderArguments(ctx, streamUrl, target);
    run.onErrorLine = [&banner](const QByteArray &line) {
        banner.feed(line);
    };
    run.onLine = [&](const QByteArray &line) {
        if (line.startsWith("total_size="))
            bytes = line.mid(11).toLongLong();
        else if (line.startsWith("out_time_us="))
            seconds = qMax(seconds, line.mid(12).toDouble() / 1e6);
        if (!line.startsWith("progress=") || throttle.elapsed() < 250)
            return;
        throttle.restart();
        const double elapsed = qMax<qint64>(1, clock.elapsed()) / 1000.0;
        out::line("downloading", {{"progress", "0"},
                                  {"filesize", QString::number(bytes)},
                                  {"downloaded", QString::number(bytes)},
                                  {"speed", out::speedText(bytes / elapsed)},
                                  {"eta", "0"}});
    };
    // An interrupt asks ffmpeg to finish the file properly; it is killed only if it hangs.
    QElapsedTimer sinceInterrupt;
    run.onInterrupt = [&](child::Process &process) {
        process.signalGroup(SIGINT);
        sinceInterrupt.start();
        return true;
    };
    run.onTick = [&](child::Process &process) {
        if (sinceInterrupt.isValid() && sinceInterrupt.elapsed() > 15000)
            process.stopGroup();
    };
    const child::Result r = run.exec();
    if (QFileInfo(target).size() == 0 || !banner.input.ok) {
        const QString why = child::errorSummary(r.errorOutput);
        return out::failure(ytdlpFailureCode(why) == out::WriteFailed ? out::WriteFailed
                                                                      : out::DownloadFailed,
                            QStringLiteral("the recording could not be saved: %1")
                                .arg(why.isEmpty() ? QStringLiteral("nothing was recorded") : why));
    }
    media::Info info = banner.input;
    info.duration = seconds;
    QJsonObject msg = media::describe(info, target);
    msg.insert("ret_code", "0");
    msg.insert("subtitle", "");
    out::line("finished", msg);
    return out::Ok;
}

} // namespace live
