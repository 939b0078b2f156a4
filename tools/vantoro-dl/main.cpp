// vantoro-dl: Clipmoor's download tool.
//
//   vantoro-dl PARAMETER_FILE
//
// The parameter file (JSON) chooses the mode: a download ("downloader"), a playlist listing
// ("downloader"."playlist" "true"), an analysis only ("sniff_only" "true") or a conversion only
// ("converter" with an "input" file). Progress and results are printed as one JSON object per
// line: {"type": "param" | "sniff" | "downloading" | "converting" | "finished" | "playlist",
// "msg": {...}}. yt-dlp does the fetching and ffmpeg the recording and converting.

#include "analysis.h"
#include "child.h"
#include "context.h"
#include "convert.h"
#include "download.h"
#include "output.h"
#include "params.h"
#include "playlist.h"

#include <QFile>
#include <QRegularExpression>

#include <clocale>
#include <csignal>

namespace {

int runMode(Context &ctx, params::Reader &reader, const QJsonObject &root)
{
    const QJsonValue downloader = root.value(QLatin1String("downloader"));
    if (!downloader.isUndefined() && !downloader.isObject())
        return out::failure(out::BadArguments, QStringLiteral("\"downloader\" must be an object"));
    if (downloader.isObject() && reader.flag(downloader.toObject(), "playlist"))
        return playlist::run(ctx, reader, root);
    if (reader.flag(root, "sniff_only"))
        return analysis::run(ctx, reader, root);
    if (downloader.isObject())
        return download::run(ctx, reader, root);
    if (root.value(QLatin1String("converter")).isObject())
        return convert::runMode(ctx, reader, root);
    if (!reader.problem().isEmpty())
        return out::failure(out::BadArguments, reader.problem());
    return out::failure(out::BadArguments,
                        QStringLiteral("the parameter file asks for nothing this tool does"));
}

} // namespace

int main(int argc, char *argv[])
{
    // No QCoreApplication: the tool has no event loop (its children are followed with poll()),
    // and the start-up it would cost is paid on every job. The locale is set up as it would be.
    std::setlocale(LC_ALL, "");
    // The tool's patterns each meet a handful of short lines: compiling them to machine code, as
    // Qt does on a pattern's first use, costs more than it saves. Qt reads this switch once, at
    // the first match; the environment the children get stays as it was.
    {
        const QByteArray jit = qgetenv("QT_ENABLE_REGEXP_JIT");
        qputenv("QT_ENABLE_REGEXP_JIT", "0");
        QRegularExpression(QStringLiteral(".")).match(QStringLiteral("."));
        if (jit.isNull())
            qunsetenv("QT_ENABLE_REGEXP_JIT");
        else
            qputenv("QT_ENABLE_REGEXP_JIT", jit);
    }
    // The parameter file is read first: only a job that runs yt-dlp needs the guardian (yt-dlp
    // starts programs of its own, and cookies are written to disk), while a conversion's one
    // ffmpeg dies with the tool by itself and spares the tool a fork. The guardian is forked
    // before anything can start a thread.
    QJsonObject root;
    QString error;
    const int loaded = argc == 2 ? params::load(QFile::decodeName(argv[1]), &root, &error)
                                 : int(out::BadArguments);
    if (loaded != out::Ok || root.contains(QLatin1String("downloader")) ||
        root.contains(QLatin1String("sniff_only")) ||
        !root.value(QLatin1String("converter")).isObject())
        child::startGuardian();
    child::installInterruptHandler();
    std::signal(SIGPIPE, SIG_IGN);
    if (argc != 2)
        return out::failure(out::BadArguments, QStringLiteral("usage: vantoro-dl PARAMETER_FILE"));
    if (loaded != out::Ok)
        return out::failure(loaded, error);

    params::Reader reader;
    Context ctx;
    setUpContext(&ctx, reader, root, QFile::decodeName(argv[1]));
    QJsonObject echo = params::echo(root, ctx.headers);
    // The param line also says which yt-dlp does the work.
    echo.insert(QStringLiteral("yt_dlp"), ctx.ytdlpPath);
    if (!ctx.ytdlpVersion.isEmpty())
        echo.insert(QStringLiteral("yt_dlp_version"), ctx.ytdlpVersion);
    out::line(QStringLiteral("param"), echo);
    const int code = runMode(ctx, reader, root);
    ctx.finish();
    return code;
}
