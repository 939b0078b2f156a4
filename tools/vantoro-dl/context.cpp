#include "context.h"

#include "output.h"
#include "playlist.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

namespace {

// yt-dlp's version is remembered per file (path, size, time): asking a Python program for it
// costs a start of its own, a good part of a second.
QString versionCachePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/vantoro-dl/yt-dlp-versions.json");
}

QString fileStamp(const QString &path)
{
    const QFileInfo info(path);
    return QStringLiteral("%1:%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

QJsonObject readVersionCache()
{
    QFile file(versionCachePath());
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024)
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

// yt-dlp 2023.03.04 (and older) turns the cookies it has for a format's address into a "Cookie"
// header of that format, and a header follows a redirect to any other host. A Python yt-dlp is
// therefore started through these lines, which take that header out again before yt-dlp runs:
// its cookie jar still adds the right cookies to every request, per host, redirects included.
// (Newer yt-dlp no longer makes the header; taking out nothing changes nothing.) The current
// folder is not searched for modules. Asked to, the lines also say which version of yt-dlp this
// is, on standard error, which saves a Python start of its own for "yt-dlp --version". And the
// formats yt-dlp reads from an HLS media playlist say whether that playlist is still being
// written ("vantoro_hls_live", as live::isLiveHls() judges it): the tool need not request it
// again to know whether the stream is live.
const char kVersionTag[] = "VANTORO_YTDLP_VERSION ";

QString bootstrap(bool zip)
{
    return QStringLiteral("import runpy, sys\n"
                          "if sys.path and sys.path[0] in ('', '.'):\n"
                          "    del sys.path[0]\n"
                          "program, tell = sys.argv[1], sys.argv[2] == '1'\n"
                          "sys.argv = [program] + sys.argv[3:]\n") +
           (zip ? QStringLiteral("sys.path.insert(0, program)\n") : QString()) +
           QStringLiteral("try:\n"
                          "    from yt_dlp import YoutubeDL as _YDL\n"
                          "    _headers = _YDL._calc_headers\n"
                          "    def _without_cookie(self, *args, **kwargs):\n"
                          "        headers = _headers(self, *args, **kwargs)\n"
                          "        headers.pop('Cookie', None)\n"
                          "        return headers\n"
                          "    _YDL._calc_headers = _without_cookie\n"
                          "    if tell:\n"
                          "        from yt_dlp.version import __version__\n"
                          "        sys.stderr.write('") +
           QLatin1String(kVersionTag) +
           QStringLiteral(
               "' + __version__ + '\\n')\n"
               "        sys.stderr.flush()\n"
               "except Exception:\n"
               "    pass\n"
               "try:\n"
               "    from yt_dlp.extractor.common import InfoExtractor as _IE\n"
               "    _parse = _IE._parse_m3u8_formats_and_subtitles\n"
               "    def _marked(self, *args, **kwargs):\n"
               "        result = _parse(self, *args, **kwargs)\n"
               "        try:\n"
               "            doc = args[0] if args else kwargs.get('m3u8_doc')\n"
               "            if isinstance(doc, str) and '#EXT-X-STREAM-INF' not in doc:\n"
               "                live = doc.startswith('#EXTM3U') and "
               "'#EXT-X-ENDLIST' not in doc\n"
               "                for f in result[0]:\n"
               "                    f['vantoro_hls_live'] = live\n"
               "        except Exception:\n"
               "            pass\n"
               "        return result\n"
               "    _IE._parse_m3u8_formats_and_subtitles = _marked\n"
               "except Exception:\n"
               "    pass\n"
               "runpy.run_path(program, run_name='__main__')\n");
}

// The interpreter named on a script's first line ("#!/usr/bin/python3", "#!/usr/bin/env
// python3") when it is Python; whether a zip archive follows that line (a zipapp).
QStringList pythonOf(const QString &path, bool *zip)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    const QByteArray head = file.read(4096);
    const int end = head.indexOf('\n');
    if (!head.startsWith("#!") || end < 0)
        return QStringList();
    const QStringList words =
        QString::fromUtf8(head.mid(2, end - 2)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString program = QFileInfo(words.value(0)).fileName();
    const bool python = program.startsWith(QLatin1String("python")) ||
                        (program == QLatin1String("env") && words.size() == 2 &&
                         words.at(1).startsWith(QLatin1String("python")));
    if (!python || words.size() > 2)
        return QStringList();
    *zip = head.mid(end + 1).startsWith("PK\x03\x04");
    return words;
}

} // namespace

Context::Context() = default;

Context::~Context()
{
    if (cookieFile)
        child::unguardFile(cookieFile->fileName());
}

void Context::locateYtdlp()
{
    const QDir beside(child::toolFolder());
    const QFileInfo plain(beside.filePath(QStringLiteral("yt-dlp")));
    const QFileInfo zip(beside.filePath(QStringLiteral("yt-dlp.zip")));
    if (plain.isFile() && plain.isExecutable()) {
        ytdlpPath = plain.absoluteFilePath();
    } else if (plain.isFile() || zip.isFile()) {
        ytdlpPath = (plain.isFile() ? plain : zip).absoluteFilePath();
        launch = Launch::PythonZip;
        interpreter = QStringList{QStringLiteral("/usr/bin/python3")};
    } else {
        ytdlpPath = QStandardPaths::findExecutable(QStringLiteral("yt-dlp"));
    }
    if (ytdlpPath.isEmpty())
        return;
    if (launch == Launch::Direct) {
        bool zipped = false;
        interpreter = pythonOf(ytdlpPath, &zipped);
        if (!interpreter.isEmpty())
            launch = zipped ? Launch::PythonZip : Launch::Python;
    }
    const QJsonObject known = readVersionCache().value(ytdlpPath).toObject();
    if (known.value(QLatin1String("stamp")).toString() == fileStamp(ytdlpPath))
        ytdlpVersion = known.value(QLatin1String("version")).toString();
}

QString Context::ytdlpProgram() const
{
    return launch == Launch::Direct ? ytdlpPath : interpreter.first();
}

QStringList Context::launchArguments() const
{
    if (launch == Launch::Direct)
        return QStringList();
    return interpreter.mid(1) << QStringLiteral("-c") << bootstrap(launch == Launch::PythonZip)
                              << ytdlpPath
                              << (ytdlpVersion.isEmpty() ? QStringLiteral("1")
                                                         : QStringLiteral("0"));
}

// A yt-dlp that is not a Python program cannot be corrected (see bootstrap()): it gets cookies
// only when it is known to be a version that no longer turns them into a header.
bool Context::cookiesAreSafe() const
{
    return launch != Launch::Direct || ytdlpVersion >= QLatin1String("2023.07.06");
}

QStringList Context::ytdlpArguments() const
{
    QStringList args = launchArguments();
    args << "--no-warnings"
         << "--no-color"
         << "--ignore-config"
         << "--socket-timeout"
         << QString::number(stallSeconds)
         // A transfer is tried three times (each retry resumes); then it has failed.
         << "--retries"
         << "2"
         << "--fragment-retries"
         << "2";
    if (!ffmpeg.isEmpty())
        args << "--ffmpeg-location" << QFileInfo(ffmpeg).absolutePath();
    if (!proxy.isEmpty())
        args << "--proxy" << proxy;
    if (!checkCertificate)
        args << "--no-check-certificate";
    if (readCookie) {
        // Cookies only help where a browser profile exists; asking for a missing one is an
        // error that would fail every download.
        const QString home = QDir::homePath();
        const QStringList browsers{"firefox", "chromium", "google-chrome"};
        const QStringList profiles{"/.mozilla/firefox", "/.config/chromium",
                                   "/.config/google-chrome"};
        for (int i = 0; i < browsers.size(); ++i) {
            if (QFileInfo::exists(home + profiles.at(i))) {
                args << "--cookies-from-browser" << QString(browsers.at(i)).remove("google-");
                break;
            }
        }
    }
    if (!headers.userAgent.isEmpty())
        args << "--user-agent" << headers.userAgent;
    if (!headers.referer.isEmpty())
        args << "--referer" << headers.referer;
    if (!headers.origin.isEmpty())
        args << "--add-header" << QStringLiteral("Origin:") + headers.origin;
    if (!headers.acceptLanguage.isEmpty())
        args << "--add-header" << QStringLiteral("Accept-Language:") + headers.acceptLanguage;
    if (!cookies.isEmpty() && !cookiesAreSafe()) {
        out::note(QStringLiteral("cookies not used: %1 is not a Python program and may send "
                                 "them to the hosts it is redirected to")
                      .arg(ytdlpPath));
    } else if (const QString cookiePath = cookieFilePath(); !cookiePath.isEmpty()) {
        args << "--cookies" << cookiePath;
    }
    return args;
}

// The scoped cookies go to yt-dlp as a cookie file of their own, owner-only, in the job's
// folder: yt-dlp writes its cookies back into that file when it ends, so it never gets the
// application's. The file goes when the tool ends (the guardian removes it should the tool die).
QString Context::cookieFilePath() const
{
    if (cookies.isEmpty())
        return QString();
    if (cookieFile)
        return cookieFile->fileName();
    for (const QString &folder : {workFolder, QDir::tempPath()}) {
        if (folder.isEmpty())
            continue;
        auto file = std::make_unique<QTemporaryFile>(
            folder + QStringLiteral("/.vantoro-cookies-XXXXXX.txt"));
        if (!file->open())
            continue;
        file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        child::guardFile(file->fileName());
        const QByteArray text = cookies::toFile(cookies);
        if (file->write(text) != text.size() || !file->flush()) {
            child::unguardFile(file->fileName());
            continue;
        }
        cookieFile = std::move(file);
        return cookieFile->fileName();
    }
    out::note(QStringLiteral("cookies not used: no folder to write them to"));
    return QString();
}

fetch::Options Context::fetchOptions() const
{
    fetch::Options options;
    options.proxy = proxy;
    options.checkCertificate = checkCertificate;
    options.headers = headers.sendable();
    options.cookieFile = cookieFilePath();
    return options;
}

void Context::rememberYtdlpVersion(const QString &version)
{
    if (version.isEmpty() || version == ytdlpVersion || ytdlpPath.isEmpty() || version.size() > 64)
        return;
    ytdlpVersion = version;
    QJsonObject cache = readVersionCache();
    cache.insert(ytdlpPath, QJsonObject{{"stamp", fileStamp(ytdlpPath)}, {"version", version}});
    // The tool's cache folder holds frames of what the user downloads: the user's only.
    const QString folder = QFileInfo(versionCachePath()).absolutePath();
    QDir().mkpath(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSaveFile file(versionCachePath());
    if (file.open(QIODevice::WriteOnly)) {
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        file.write(QJsonDocument(cache).toJson(QJsonDocument::Compact));
        file.commit();
    }
}

void Context::noticeYtdlpVersion(const QByteArray &errorOutput)
{
    const int at = errorOutput.indexOf(kVersionTag);
    if (at < 0)
        return;
    const int from = at + int(sizeof kVersionTag) - 1;
    const int end = errorOutput.indexOf('\n', from);
    rememberYtdlpVersion(
        QString::fromUtf8(errorOutput.mid(from, end < 0 ? -1 : end - from)).trimmed());
}

void Context::learnYtdlpVersion()
{
    // A Python yt-dlp says it itself, on its first run (see bootstrap()).
    if (!ytdlpVersion.isEmpty() || ytdlpPath.isEmpty() || versionQuery || launch != Launch::Direct)
        return;
    versionQuery = std::make_unique<child::Process>(true);
    versionQuery->launch(ytdlpProgram(), launchArguments() << "--version");
}

void Context::finish()
{
    if (!versionQuery)
        return;
    if (!versionQuery->running() && !versionQuery->crashed() && versionQuery->exitCode() == 0)
        rememberYtdlpVersion(QString::fromUtf8(versionQuery->readAvailableOutput(64)).trimmed());
    versionQuery.reset();
}

namespace {

// The cookies of the requested address's site: from the application's cookie file and from the
// page's "Cookie" header, the latter only when the page (its Referer) is on that same site.
QList<cookies::Entry> scopedCookies(const QString &address, const QString &cookieFile,
                                    const params::Headers &headers)
{
    QList<cookies::Entry> entries;
    const QUrl url(address);
    const QString site = cookies::siteOf(url.host());
    if (site.isEmpty())
        return entries;
    if (!cookieFile.isEmpty()) {
        QFile file(cookieFile);
        if (file.open(QIODevice::ReadOnly) && file.size() <= cookies::kMaxFileSize)
            entries = cookies::fromFile(file.read(cookies::kMaxFileSize), site);
        else
            out::note(QStringLiteral("cannot read the cookie file %1").arg(cookieFile));
    }
    if (!headers.cookie.isEmpty()) {
        const QString pageSite =
            headers.referer.isEmpty() ? site : cookies::siteOf(QUrl(headers.referer).host());
        if (pageSite == site)
            entries +=
                cookies::fromHeader(headers.cookie, site, url.scheme() == QLatin1String("https"));
        else
            out::note(QStringLiteral("the page's cookies are not used: the page is not on the "
                                     "site of the address"));
    }
    return entries.mid(0, cookies::kMaxEntries);
}

} // namespace

void setUpContext(Context *ctx, params::Reader &reader, const QJsonObject &root,
                  const QString &paramFile)
{
    const QJsonObject downloader = reader.object(root, "downloader");
    const QString ffmpegFolder = reader.text(root, "ffmpeg_location");
    ctx->locateYtdlp();
    ctx->ffmpeg = child::find(QStringLiteral("ffmpeg"), ffmpegFolder);
    ctx->ffprobe = child::find(QStringLiteral("ffprobe"), ffmpegFolder);
    ctx->proxy = params::proxyFrom(reader, downloader);
    ctx->checkCertificate = !reader.flag(downloader, "nocheckcertificate");
    ctx->readCookie = reader.flag(downloader, "read_cookie");
    ctx->headers = params::headersFrom(reader.text(downloader, "metadata"));
    bool numeric = false;
    const int stall = reader.text(downloader, "stall_timeout").toInt(&numeric);
    if (numeric && stall > 0)
        ctx->stallSeconds = qMin(stall, 600);
    const QString address = root.contains(QLatin1String("url")) ? reader.text(root, "url")
                                                                : reader.text(downloader, "url");
    ctx->address = playlist::parseEntryAddress(address).url;
    const QString saveDir = reader.text(downloader, "save_path");
    ctx->workFolder = saveDir.isEmpty() ? QFileInfo(paramFile).absolutePath() : saveDir;
    ctx->cookies =
        scopedCookies(ctx->address, reader.text(downloader, "cookie_file"), ctx->headers);
}

int ytdlpFailureCode(const QString &error)
{
    if (error.contains(QLatin1String("HTTP Error")))
        return out::DownloadFailed;
    if (error.contains(QLatin1String("Unsupported URL")) ||
        error.contains(QLatin1String("is not a valid URL")) ||
        error.contains(QLatin1String("no suitable")) ||
        error.startsWith(QLatin1String("no media found")))
        return out::Unsupported;
    if (error.contains(QLatin1String("No space left")) ||
        error.contains(QLatin1String("Disk quota")) ||
        error.contains(QLatin1String("Read-only file system")) ||
        error.contains(QLatin1String("Permission denied")))
        return out::WriteFailed;
    if (error.contains(QLatin1String("Connection refused")) ||
        error.contains(QLatin1String("Name or service not known")) ||
        error.contains(QLatin1String("name resolution")) ||
        error.contains(QLatin1String("unreachable")) ||
        error.contains(QLatin1String("No route to host")) ||
        error.contains(QLatin1String("timed out")))
        return out::Unreachable;
    return out::DownloadFailed;
}
