// End-to-end tests of our download tool against media made by ffmpeg and served on 127.0.0.1:
// single files and pages, playlists, live streams, page headers and cookies, failures and
// resuming, conversions, the checks on its parameter file, and the processes it leaves behind;
// and the download manager driving it.
#include "cookies.h"
#include "core/engine/tasklistfile.h"
#include "core/provision/dltoolmanager.h"
#include "e2e/vantorodlrun.h"

#include <QSignalSpy>

Q_DECLARE_METATYPE(protocol::FailureKind)

class TestVantoroDl : public QObject, public ToolHarness
{
    Q_OBJECT

    fixture::Site site;
    QTemporaryDir &www = site.www;
    std::unique_ptr<TestHttpServer> &server = site.server;
    QElapsedTimer liveClock;
    QString clip;     // 640x360 (16:9), 5 s, with sound
    QString square;   // 320x240 (4:3), 2 s, with sound
    QString longClip; // 640x360, 30 s, for stopping a conversion half-way

    // A live HLS playlist: a window of the segments whose time has come, without an end tag.
    bool liveHandler(const QString &path, TestHttpServer::Response *response)
    {
        if (path != "live/stream.m3u8")
            return false;
        if (!liveClock.isValid())
            liveClock.start();
        const int total = QDir(www.path() + "/live").entryList({"seg*.ts"}).size();
        response->body = TestHttpServer::livePlaylist(liveClock.elapsed(), total);
        response->contentType = "application/vnd.apple.mpegurl";
        return true;
    }

    QJsonObject listingParams(const QString &url)
    {
        return {{"log_path", work.path()},
                {"downloader",
                 QJsonObject{{"url", url}, {"playlist", "true"}, {"read_cookie", "false"}}}};
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        Preferences *prefs = Preferences::instance();
        prefs->setToolLocation(tool());
        prefs->setOneClickFormat("Original Video");
        prefs->setReadCookies(false);
        QVERIFY(DlToolManager::instance()->isAvailable());
        QVERIFY(QFileInfo(preset("MP3")).isFile());
        const QString w = www.path();
        clip = w + "/clip.mp4";
        square = w + "/second.mp4";
        longClip = w + "/long.mp4";
        QVERIFY(testutil::makeClip(clip, 5));
        QVERIFY(testutil::makeClip(square, 2, "320x240"));
        QVERIFY(testutil::makeClip(w + "/third.mp4", 1, "160x120"));
        // About 1 MB of hard-to-compress video for timing the rate limit.
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25", "-t",
                                     "4", "-c:v", "libx264", "-preset", "ultrafast", "-qp", "5",
                                     "-pix_fmt", "yuv420p", w + "/big.mp4"}));
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=640x360:rate=25", "-t",
                                     "30", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt",
                                     "yuv420p", longClip}));
        QVERIFY(testutil::makeHlsSegments(w + "/live", 40));
        site.file("live/master.m3u8", "#EXTM3U\n#EXT-X-STREAM-INF:BANDWIDTH=400000\nall.m3u8\n");
        site.page("one.html", "One clip", {"clip.mp4"});
        site.page("three.html", "Three clips", {"clip.mp4", "second.mp4", "third.mp4"});
        site.page("nothing.html", "Nothing", {});
        site.file("live.html", "<html><head><title>On air</title></head><body><video><source "
                               "src=\"live/stream.m3u8\" type=\"application/x-mpegURL\">"
                               "</video></body></html>");
        server->setHandler(
            [this](const QString &p, TestHttpServer::Response *r) { return liveHandler(p, r); });
        QVERIFY(server->start());
    }

    // A single video, by its own address or on a page (whose title it keeps), into a folder
    // whose name holds what would be a pattern to yt-dlp; a page of several videos offers them
    // all (the application asks) and downloads the first.
    void aSingleVideo_data()
    {
        testutil::addRows<QString, QString, QString, QString>(
            {"address", "folder", "title", "count"},
            {{"its own address", "clip.mp4", "", "clip", ""},
             {"a page with one video", "one.html", "", "One clip", ""},
             {"a percent in the folder", "clip.mp4", "/100%done %(id)s", "clip", ""},
             {"a page with three videos", "three.html", "", "Three clips", "3"}});
    }
    void aSingleVideo()
    {
        QFETCH(QString, address);
        QFETCH(QString, folder);
        QFETCH(QString, title);
        QFETCH(QString, count);
        const QString dir = newJobDir() + folder;
        const ToolRun r = run(writeParams(downloadParams(server->url(address), dir)));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.lines.first().value("msg").toObject().value("yt_dlp").toString(),
                 QStandardPaths::findExecutable("yt-dlp"));
        const QJsonObject sniff = r.ofType("sniff").value(0);
        QCOMPARE(sniff.value("title").toString(), title);
        QCOMPARE(sniff.value("is_live").toString(), QString("false"));
        QCOMPARE(sniff.contains("playlist_count"), !count.isEmpty());
        QCOMPARE(sniff.value("playlist_count").toString(), count);
        QVERIFY(!r.ofType("downloading").isEmpty());
        QCOMPARE(r.ofType("downloading").last().value("progress").toString(), QString("1.0000"));
        const QJsonObject f = r.finished();
        QCOMPARE(ToolRun::fields(
                     f, {"ret_code", "filepath", "filesize", "resolution", "duration", "filetype"}),
                 (QStringList{"0", dir + "/" + title + ".mp4",
                              QString::number(QFileInfo(www.path() + "/clip.mp4").size()),
                              "640x360", "5", "MP4"}));
        QVERIFY(f.value("quality").toString().endsWith("Kb/s"));
        // Every payload value is a string, and the order is sniff, downloading..., finished.
        for (const QJsonObject &l : r.lines) {
            if (l.value("type").toString() == "param")
                continue;
            const QJsonObject msg = l.value("msg").toObject();
            for (auto it = msg.begin(); it != msg.end(); ++it)
                QVERIFY2(it.value().isString(), qPrintable(it.key()));
        }
        // No picture is made after the download (the application makes one when it needs it).
        const QStringList types = r.types();
        QCOMPARE(types.mid(0, 2) << types.last(), (QStringList{"param", "sniff", "finished"}));
        QCOMPARE(types.count("sniff"), 1);
        QCOMPARE(sniff.value("local_thumbnail").toString(), QString());
        // Nothing but the file: no part file, no thumbnail in the download folder.
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{title + ".mp4"});
    }

    void playlistEntriesFetchTheirOwnMedia()
    {
        const ToolRun listing = run(writeParams(listingParams(server->url("three.html"))));
        QVERIFY2(listing.exitCode == 0, listing.describe().constData());
        QCOMPARE(listing.ofType("playlist").size(), 1);
        const QJsonArray videos = listing.ofType("playlist").first().value("videos").toArray();
        QCOMPARE(videos.size(), 3);
        QSet<QString> addresses;
        for (const QJsonValue &v : videos)
            addresses.insert(v.toObject().value("url").toString());
        QCOMPARE(addresses.size(), 3);
        // The application hands an entry back as the job's address, with the index options.
        struct Case
        {
            int entry;
            bool reverse;
            QString name;
            QString resolution;
        };
        for (const Case &c : {Case{2, false, "2. ", "320x240"}, Case{3, true, "1. ", "160x120"}}) {
            const QJsonObject e = videos.at(c.entry - 1).toObject();
            QCOMPARE(e.value("index").toString(), QString::number(c.entry));
            const QString dir = newJobDir();
            const ToolRun r = run(writeParams(
                downloadParams(e.value("url").toString(), dir,
                               {{"add_playlist_index", "true"},
                                {"playlist_reverse_index", c.reverse ? "true" : "false"}})));
            QVERIFY2(r.exitCode == 0, r.describe().constData());
            const QString file = r.finished().value("filepath").toString();
            QVERIFY2(QFileInfo(file).fileName().startsWith(c.name), qPrintable(file));
            QCOMPARE(resolutionOf(file), c.resolution);
            QCOMPARE(r.ofType("sniff").value(0).value("title").toString(),
                     e.value("title").toString());
            QVERIFY(!r.ofType("sniff").value(0).contains("playlist_count"));
        }
    }

    void rateLimitSlowsTheTransfer()
    {
        const qint64 size = QFileInfo(www.path() + "/big.mp4").size();
        QVERIFY(size > 600000);
        const ToolRun fast = run(writeParams(downloadParams(server->url("big.mp4"), newJobDir())));
        QVERIFY2(fast.exitCode == 0, fast.describe().constData());
        const ToolRun slow = run(writeParams(
            downloadParams(server->url("big.mp4"), newJobDir(), {{"ratelimit", "300000"}})));
        QVERIFY2(slow.exitCode == 0, slow.describe().constData());
        const double expected = size / 300000.0 * 1000;
        qInfo("size %lld: unlimited %lld ms, limited %lld ms (expected about %.0f ms more)", size,
              fast.elapsedMs, slow.elapsedMs, expected);
        QVERIFY(slow.elapsedMs > fast.elapsedMs + expected * 0.6);
        // Progress is reported at most about four times a second.
        const int lines = slow.ofType("downloading").size();
        QVERIFY2(lines <= slow.elapsedMs / 250 + 3, qPrintable(QString::number(lines)));
        QVERIFY(lines >= 3);
    }

    void sitesOfHostsAndTheCookiesKeptForThem()
    {
        COMPARE_MAPPED(cookies::siteOf, "www.Example.co.uk -> example.co.uk",
                       "a.b.example.com. -> example.com", "127.0.0.1 -> 127.0.0.1",
                       "localhost -> localhost", "co.uk -> co.uk");
        const QByteArray file = "# Netscape HTTP Cookie File\n"
                                ".example.com\tTRUE\t/\tFALSE\t0\tsite\t1\n"
                                "#HttpOnly_www.example.com\tFALSE\t/\tTRUE\t99\thttponly\t2\n"
                                "notexample.com\tFALSE\t/\tFALSE\t0\tlookalike\t3\n"
                                "example.com.evil.org\tFALSE\t/\tFALSE\t0\tsuffix\t4\n"
                                ".com\tTRUE\t/\tFALSE\t0\tsuper\t5\n"
                                "www.example.com\tFALSE\t/\tFALSE\t0\tinjected\t6\tmore\n"
                                "www.example.com\tFALSE\t/\tFALSE\tsoon\tbadtime\t7\n";
        QStringList kept;
        for (const cookies::Entry &e : cookies::fromFile(file, "example.com"))
            kept << e.name;
        QCOMPARE(kept, QStringList({"site", "httponly"}));
        // A page's header: pairs that could break the cookie file are dropped.
        const QList<cookies::Entry> page =
            cookies::fromHeader("a=1; b c=2; c=x\ny; d=4", "example.com", true);
        QCOMPARE(page.size(), 2);
        QCOMPARE(page.at(1).domain, QString(".example.com"));
        QVERIFY(page.at(1).secure && page.at(1).subdomains);
        QVERIFY(!cookies::toFile(page).contains("x\ny"));
    }

    // A page on the victim's site holds a video (or an HLS playlist, which the tool itself also
    // asks whether it is live) whose address redirects, setting a cookie of its own on the way,
    // to an attacker on another site; the job carries the victim's cookies, as the
    // application's cookie file and as the page's "Cookie" header, and forged headers. The
    // attacker must see none of them; the victim gets its cookies and the allowed headers.
    void cookiesAndHeadersStayOnTheirSite_data()
    {
        testutil::addRows<QString, QString>(
            {"media", "type"},
            {{"the page's video redirects", "clip.mp4", "video/mp4"},
             {"the page's playlist redirects", "live/all.m3u8", "application/x-mpegURL"},
             {"the page's master playlist redirects", "live/master.m3u8", "application/x-mpegURL"},
             {"the address itself redirects", "clip.mp4", ""}});
    }
    void cookiesAndHeadersStayOnTheirSite()
    {
        QFETCH(QString, media);
        QFETCH(QString, type);
        TestHttpServer attacker(www.path());
        QVERIFY(attacker.start());
        const QString stolen = attacker.url(media, "localhost");
        const QString hop = "redirect?to=" + QUrl::toPercentEncoding(stolen) +
                            "&cookie=" + QUrl::toPercentEncoding("fresh=VICTIM-SET");
        site.file("steal.html",
                  ("<html><head><title>Steal</title></head><body><video><source src=\"/" +
                   hop.toHtmlEscaped() + "\" type=\"" + type + "\"></video></body></html>")
                      .toUtf8());
        const QString cookieFile =
            testutil::writeFile(work.path() + "/app-cookies.txt",
                                "# Netscape HTTP Cookie File\n"
                                "127.0.0.1\tFALSE\t/\tFALSE\t0\tsess\tFILE-SECRET\n"
                                "#HttpOnly_127.0.0.1\tFALSE\t/\tFALSE\t0\thidden\tHTTPONLY-SECRET\n"
                                "localhost\tFALSE\t/\tFALSE\t0\tother\tOTHER-SITE\n");
        const QByteArray before = testutil::readFile(cookieFile);
        const QJsonObject headers{{"Referer", server->url("index.html")},
                                  {"Cookie", "page=PAGE-SECRET"},
                                  {"UserAgent", "ClipmoorTest/1.0"},
                                  {"Origin", server->url("").chopped(1)},
                                  {"Accept-Language", "eo"},
                                  {"Authorization", "Bearer FORGED"},
                                  {"Host", "forged.example"},
                                  {"X-Forged", "yes"}};
        const QString metadata = QString::fromLatin1(
            QJsonDocument(QJsonObject{{"http_headers", headers}}).toJson().toBase64());
        const QString dir = newJobDir();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VANTORO_DL_VERBOSE", "1");
        server->heads.clear();
        const ToolRun r =
            run(writeParams(downloadParams(server->url(type.isEmpty() ? hop : "steal.html"), dir,
                                           {{"metadata", metadata}, {"cookie_file", cookieFile}})),
                60000, nullptr, env);
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QVERIFY(!attacker.heads.isEmpty());
        for (const QByteArray &head : qAsConst(attacker.heads)) {
            const QByteArray lower = head.toLower();
            QVERIFY2(!lower.contains("cookie") && !lower.contains("authorization") &&
                         !lower.contains("x-forged") && !lower.contains("forged.example"),
                     head.constData());
            QVERIFY2(lower.contains("user-agent: clipmoortest/1.0"), head.constData());
        }
        const QByteArray first = server->heads.value(0);
        for (const QByteArray &wanted :
             {QByteArray("sess=FILE-SECRET"), QByteArray("hidden=HTTPONLY-SECRET"),
              QByteArray("page=PAGE-SECRET"), QByteArray("Origin: http://127.0.0.1"),
              QByteArray("Accept-Language: eo"), QByteArray("User-Agent: ClipmoorTest/1.0"),
              QByteArray("Referer: " + server->url("index.html").toUtf8())})
            QVERIFY2(first.contains(wanted), first.constData());
        QVERIFY(!first.contains("OTHER-SITE") && !first.contains("FORGED") &&
                !first.toLower().contains("x-forged"));
        // Secrets are never shown; the private copy for yt-dlp is gone and the application's
        // file is as it was. Certificates are checked unless the job says otherwise.
        for (const QByteArray secret : {"FILE-SECRET", "PAGE-SECRET", "HTTPONLY-SECRET"})
            QVERIFY(!r.stdOut.contains(secret) && !r.stdErr.contains(secret));
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QCOMPARE(testutil::readFile(cookieFile), before);
        QVERIFY(r.stdErr.contains("--cookies") && !r.stdErr.contains("--no-check-certificate"));
        // yt-dlp tells whether a media playlist it read is live; of a master playlist it reads
        // no variant, so that is asked by the tool's own request, with the same cookies.
        QCOMPARE(r.stdErr.contains("/curl "), media.endsWith("master.m3u8"));
        if (media.endsWith("master.m3u8"))
            QVERIFY(r.stdErr.contains("--cookie "));
        const QJsonObject sent =
            r.lines.first().value("msg").toObject().value("downloader").toObject();
        QCOMPARE(sent.value("metadata").toObject().value("Cookie").toString(), QString("<hidden>"));
    }

    // Certificates are checked unless the job says "nocheckcertificate": "true".
    void certificatesAreChecked()
    {
        TestHttpServer tls(www.path());
        if (!tls.useUntrustedCertificate(work.path()))
            QSKIP("cannot make a certificate here");
        QVERIFY(tls.start());
        const ToolRun checked = run(writeParams(downloadParams(tls.url("clip.mp4"), newJobDir())));
        QCOMPARE(checked.exitCode, 1);
        QVERIFY2(checked.finished().value("error").toString().contains("CERTIFICATE_VERIFY_FAILED"),
                 checked.describe().constData());
        const ToolRun unchecked = run(writeParams(
            downloadParams(tls.url("clip.mp4"), newJobDir(), {{"nocheckcertificate", "true"}})));
        QVERIFY2(unchecked.exitCode == 0, unchecked.describe().constData());
    }

    // The result replaces the download under the same name, never "clip(1).mp4". The quality
    // asked for is a ceiling: a smaller video keeps its picture.
    void downloadThenConvert_data()
    {
        testutil::addRows<QString, QString, QString, QString>(
            {"target", "resolution", "expected", "size"},
            {{"another container", "M4A", "", "clip.m4a", ""},
             {"the download's own container", "MP4", "", "clip.mp4", ""},
             {"a smaller picture", "MP4", "320x240", "clip.mp4", "426x240"},
             {"a larger picture", "MP4", "1920x1080", "clip.mp4", "640x360"}});
    }
    void downloadThenConvert()
    {
        QFETCH(QString, target);
        QFETCH(QString, resolution);
        QFETCH(QString, expected);
        QFETCH(QString, size);
        const QString dir = newJobDir();
        QJsonObject params = downloadParams(server->url("clip.mp4"), dir);
        QJsonObject converter{{"input", "downloader"},
                              {"save_path", "downloader"},
                              {"isNeedConvert", "true"},
                              {"preset", preset(target)}};
        if (!resolution.isEmpty())
            converter.insert("video", QJsonObject{{"resolution", resolution}});
        params.insert("converter", converter);
        const ToolRun r = run(writeParams(params));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QVERIFY(!r.ofType("converting").isEmpty());
        QCOMPARE(r.finished().value("filepath").toString(), dir + "/" + expected);
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{expected});
        if (!size.isEmpty())
            QCOMPARE(resolutionOf(dir + "/" + expected), size);
    }

    // Stopping a live recording, by interrupting the tool or (as the application does) the
    // ffmpeg below it, saves what was recorded.
    void interruptedLiveRecordingLeavesAPlayableFile_data()
    {
        testutil::addRows<QString, QString>(
            {"address", "interrupted"}, {{"playlist address", "live/stream.m3u8", "vantoro-dl"},
                                         {"page showing the stream", "live.html", "vantoro-dl"},
                                         {"the recorder itself", "live/stream.m3u8", "ffmpeg"}});
    }
    void interruptedLiveRecordingLeavesAPlayableFile()
    {
        QFETCH(QString, address);
        QFETCH(QString, interrupted);
        const QString dir = newJobDir();
        liveClock.invalidate();
        bool stopped = false;
        const ToolRun r = run(writeParams(downloadParams(server->url(address), dir)), 60000,
                              [&](QProcess &p, const ToolRun &sofar) {
                                  if (stopped || sofar.ofType("downloading").size() < 8)
                                      return;
                                  for (const qint64 pid : QList<qint64>{p.processId()} +
                                                              fixture::descendants(p.processId())) {
                                      QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
                                      if (comm.open(QIODevice::ReadOnly) &&
                                          comm.readAll().startsWith(interrupted.toLatin1())) {
                                          stopped = true;
                                          ::kill(pid_t(pid), SIGINT);
                                          return;
                                      }
                                  }
                              });
        QVERIFY2(stopped && r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.ofType("sniff").value(0).value("is_live").toString(), QString("true"));
        const QString file = r.finished().value("filepath").toString();
        QCOMPARE(QFileInfo(file).absolutePath(), dir);
        QCOMPARE(r.finished().value("resolution").toString(), QString("320x240"));
        QVERIFY2(durationOf(file) >= 1.0, qPrintable(QString::number(durationOf(file))));
    }

    // A stopped job leaves no process behind; asked to stop (not killed), it reports code 7,
    // and a stopped conversion leaves no file and its source as it was.
    void aStoppedJobLeavesNoProcess_data()
    {
        testutil::addRows<bool, int>({"convert", "signal"},
                                     {{"download, SIGKILL", false, SIGKILL},
                                      {"download, SIGTERM", false, SIGTERM},
                                      {"conversion, SIGINT", true, SIGINT},
                                      {"conversion, SIGTERM", true, SIGTERM}});
    }
    void aStoppedJobLeavesNoProcess()
    {
        QFETCH(bool, convert);
        QFETCH(int, signal);
        const QString dir = newJobDir();
        const qint64 size = QFileInfo(longClip).size();
        const QJsonObject params =
            convert ? convertParams(longClip, "MP4", dir,
                                    {{"video", QJsonObject{{"resolution", "1280x720"}}}})
                    : downloadParams(server->url("big.mp4"), dir, {{"ratelimit", "100000"}});
        QList<qint64> below;
        const ToolRun r = run(writeParams(params), 60000, [&](QProcess &p, const ToolRun &sofar) {
            const QList<QJsonObject> progress =
                sofar.ofType(convert ? "converting" : "downloading");
            if (!below.isEmpty() || progress.size() < 2 ||
                (convert && progress.last().value("progress").toString().toDouble() < 0.2))
                return;
            below = fixture::descendants(p.processId());
            ::kill(pid_t(p.processId()), signal);
        });
        // Below a download: yt-dlp and the guardian.
        QVERIFY2(!r.timedOut && below.size() >= (convert ? 1 : 2), r.describe().constData());
        QTRY_VERIFY_WITH_TIMEOUT(fixture::alive(below).isEmpty(), 5000);
        if (signal != SIGKILL) {
            QCOMPARE(r.exitCode, 7);
            QCOMPARE(r.finished().value("ret_code").toString(), QString("7"));
        }
        if (convert) {
            QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList());
            QCOMPARE(QFileInfo(longClip).size(), size);
        }
    }

    void analysisWithTheYtdlpBesideTheTool_data()
    {
        testutil::addRows<QString>(
            {"kind"},
            {{"none beside the tool", "none"}, {"executable", "executable"}, {"zipapp", "zipapp"}});
    }
    void analysisWithTheYtdlpBesideTheTool()
    {
        QFETCH(QString, kind);
        const QString folder = work.path() + "/beside-" + kind;
        QDir().mkpath(folder);
        QFile::copy(tool(), folder + "/vantoro-dl");
        QString standIn = QStandardPaths::findExecutable("yt-dlp");
        if (kind == "executable") {
            standIn = testutil::writeScript(folder + "/yt-dlp",
                                            "#!/bin/sh\necho used > \"$(dirname \"$0\")/marker\"\n"
                                            "exec /usr/bin/yt-dlp \"$@\"\n");
        } else if (kind == "zipapp") {
            standIn = folder + "/yt-dlp.zip";
            QProcess zip;
            zip.start("/usr/bin/python3",
                      {"-c",
                       "import sys, zipfile\n"
                       "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                       "    z.writestr('__main__.py', 'import pathlib, sys\\n"
                       "pathlib.Path(sys.argv[0]).with_name(\"marker\").write_text(\"used\")\\n"
                       "import yt_dlp\\nyt_dlp.main()\\n')\n",
                       standIn});
            QVERIFY(zip.waitForFinished() && zip.exitCode() == 0);
        }
        const QString params =
            writeParams({{"url", server->url("one.html")}, {"sniff_only", "true"}});
        const QStringList before = QDir(QFileInfo(params).path()).entryList(QDir::Files);
        const ToolRun r = run(params, 60000, nullptr, QProcessEnvironment::systemEnvironment(),
                              folder + "/vantoro-dl");
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.lines.first().value("msg").toObject().value("yt_dlp").toString(), standIn);
        QCOMPARE(QFileInfo::exists(folder + "/marker"), kind != "none");
        QCOMPARE(r.ofType("sniff").value(0).value("title").toString(), QString("One clip"));
        QVERIFY(r.ofType("downloading").isEmpty());
        QCOMPARE(QDir(QFileInfo(params).path()).entryList(QDir::Files), before);
    }

    // Every failure is a "finished" line with a code, the reason in words and its kind; a
    // failed download is never under its final name. "raw:" rows are parameter files as given.
    void failuresSayWhy_data()
    {
        const QString bigParams = "raw:{\"x\": \"" + QString(1024 * 1024, 'a') + "\"}";
        testutil::addRows<QString, int, QString, QString>(
            {"kind", "code", "reason", "errorKind"},
            {{"connection refused", "refused", 9, "Connection refused", "connection_refused"},
             {"unknown host", "unknown-host", 9, "Name or service not known", "host_not_found"},
             {"no answer", "silent", 9, "timed out", "timed_out"},
             {"page without media", "nothing.html", 8, "Unsupported URL: http", "unsupported"},
             {"404", "fault/404/clip.mp4", 1, "HTTP Error 404: Not Found", "not_found"},
             {"403", "fault/403/clip.mp4", 1, "HTTP Error 403", "forbidden"},
             {"500", "fault/500/clip.mp4", 1, "HTTP Error 500", "server_error"},
             {"redirect loop", "fault/loop/clip.mp4", 1, "redirect", "other"},
             {"body shorter than its length", "fault/short/big.mp4", 1, "incomplete", "truncated"},
             {"stall", "fault/stall/big.mp4", 1, "stalled", "stalled"},
             {"a whole response of half a file", "fault/lie/clip.mp4", 1, "incomplete",
              "truncated"},
             {"yt-dlp missing", "no-ytdlp", 4, "yt-dlp not found", "other"},
             {"yt-dlp that cannot start", "broken-ytdlp", 4, "could not be started", "other"},
             {"yt-dlp that never ends a line", "endless-ytdlp", 1, "gave up", "other"},
             {"unreadable parameter file", "no-params", 3, "cannot read", "other"},
             {"bad JSON", "raw:{\"downloader\": {\"url\": ", 3, "not a JSON object", "other"},
             {"not an object", "raw:[1, 2]", 3, "not a JSON object", "other"},
             {"larger than 1 MiB", bigParams, 3, "larger than 1 MiB", "other"},
             {"save_path not a string",
              "raw:{\"downloader\": {\"url\": \"http://127.0.0.1:9/a.mp4\", \"save_path\": true}}",
              2, "\"save_path\" must be a string", "other"},
             {"url a number", "raw:{\"downloader\": {\"url\": 5, \"save_path\": \"/tmp/x\"}}", 2,
              "\"url\" must be a string", "other"},
             {"downloader not an object", "raw:{\"downloader\": \"x\"}", 2,
              "\"downloader\" must be an object", "other"},
             {"converter input a list",
              "raw:{\"converter\": {\"input\": [], \"preset\": \"p\", \"save_path\": \"/tmp/x\"}}",
              2, "\"input\" must be a string", "other"},
             {"nothing to do", "raw:{}", 2, "asks for nothing", "other"},
             {"ffmpeg missing", "no-ffmpeg", 4, "ffmpeg not found", "other"},
             {"disk full", "disk-full", 6, "No space left on device", "no_space"},
             {"read-only folder", "read-only", 6, "Read-only file system", "not_writable"},
             {"a conversion into a full folder", "full-conversion", 6, "No space left on device",
              "no_space"}});
    }
    void failuresSayWhy()
    {
        QFETCH(QString, kind);
        QFETCH(int, code);
        QFETCH(QString, reason);
        QFETCH(QString, errorKind);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QString program = tool();
        QString address = server->url(kind);
        QString dir = newJobDir();
        QString params;
        QString mounted;
        if (kind == "refused") {
            address = TestHttpServer::refusedUrl();
        } else if (kind == "unknown-host") {
            address = TestHttpServer::unknownHostUrl();
            program = TestHttpServer::noNameService(work.path(), tool());
        } else if (kind == "silent") {
            server->silent.insert("silent.mp4");
            address = server->url("silent.mp4");
        } else if (kind == "no-ytdlp" || kind == "no-ffmpeg") {
            env.insert("PATH", work.path() + "/empty-path");
            if (kind == "no-ffmpeg") {
                QJsonObject convert = convertParams(clip, "MP3", dir);
                convert.insert("ffmpeg_location", work.path() + "/no-ffmpeg-here");
                params = writeParams(convert);
            }
        } else if (kind == "broken-ytdlp" || kind == "endless-ytdlp") { // beside a copy of the tool
            const QString folder = work.path() + "/" + kind;
            QDir().mkpath(folder);
            program = folder + "/vantoro-dl";
            QFile::copy(tool(), program);
            if (kind == "broken-ytdlp") { // its interpreter is missing
                testutil::writeScript(folder + "/yt-dlp", "#!/no/such/sh\n");
            } else { // 256 MiB without a line end, to a tool that may not take 128 MiB
                testutil::writeScript(folder + "/yt-dlp", "#!/bin/sh\nhead -c 268435456 /dev/zero\n"
                                                          "echo 'ERROR: gave up' >&2\nexit 1\n");
                program = testutil::writeScript(folder + "/limited",
                                                "#!/bin/sh\nulimit -d 131072\nexec \"$(dirname "
                                                "\"$0\")/vantoro-dl\" \"$@\"\n");
            }
        } else if (kind == "no-params") {
            params = work.path() + "/does-not-exist.json";
        } else if (kind.startsWith("raw:")) {
            params = writeRaw(kind.mid(4).toUtf8());
        } else if (kind == "disk-full" || kind == "read-only" || kind == "full-conversion") {
            mounted = work.path() + "/" + kind;
            QDir().mkpath(mounted);
            const QString options = kind == "read-only" ? "ro,size=48k" : "size=48k";
            if (QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", mounted}) != 0)
                QSKIP("cannot mount a small file system here");
            address = server->url("big.mp4");
            dir = kind == "disk-full" ? mounted + "/job" : mounted;
            if (kind == "full-conversion") // a source larger than the whole folder
                params = writeParams(convertParams(longClip, "MKV", mounted));
        }
        const qint64 sourceSize = QFileInfo(longClip).size();
        if (params.isEmpty())
            params = writeParams(downloadParams(address, dir, {{"stall_timeout", "1"}}));
        const ToolRun r = run(params, 60000, nullptr, env, program);
        // A conversion leaves nothing at all; a download may leave its part.
        const QStringList left = kind == "full-conversion"
                                     ? QDir(dir).entryList(QDir::Files | QDir::Hidden)
                                     : QDir(dir).entryList({"*.mp4"}, QDir::Files);
        const QStringList parts = QDir(dir).entryList({"*.part"}, QDir::Files);
        if (!mounted.isEmpty())
            QProcess::execute("umount", {mounted});
        if (r.exitCode == 125 && kind == "unknown-host")
            QSKIP("cannot keep name look-ups on this machine here");
        QVERIFY2(!r.timedOut, r.describe().constData());
        QCOMPARE(r.exitCode, code);
        QCOMPARE(ToolRun::fields(r.finished(), {"ret_code", "error_kind"}),
                 (QStringList{QString::number(code), errorKind}));
        const QString error = r.finished().value("error").toString();
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(error.size() <= 300 && !error.contains('\n'));
        QCOMPARE(r.types().last(), QString("finished"));
        QVERIFY2(left.isEmpty(), qPrintable(left.join(',')));
        QVERIFY(!QFileInfo::exists("/tmp/x/true"));
        QCOMPARE(QFileInfo(longClip).size(), sourceSize);
        if (kind == "full-conversion")
            QVERIFY2(error.contains(mounted), qPrintable(error));
        // What arrived of a cut download stays as a part, for the next run to resume.
        if (errorKind == "truncated" || errorKind == "stalled")
            QCOMPARE(parts.size(), 1);
    }

    void conversionToMp3()
    {
        const QString dir = newJobDir();
        const ToolRun r = run(writeParams(
            convertParams(clip, "MP3", dir, {{"audio", QJsonObject{{"bit_rate", "128K"}}}})));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        const QList<QJsonObject> progress = r.ofType("converting");
        QVERIFY(!progress.isEmpty());
        QVERIFY(progress.last().value("pid").toString().toLongLong() > 0);
        QCOMPARE(progress.last().value("progress").toString().toDouble(), 1.0);
        QCOMPARE(ToolRun::fields(r.finished(),
                                 {"ret_code", "filepath", "filetype", "duration", "filesize"}),
                 (QStringList{"0", dir + "/clip.mp3", "MP3", "5",
                              QString::number(QFileInfo(dir + "/clip.mp3").size())}));
        const QJsonArray streams = testutil::probe(dir + "/clip.mp3").value("streams").toArray();
        QCOMPARE(streams.size(), 1);
        QCOMPARE(streams.at(0).toObject().value("codec_name").toString(), QString("mp3"));
        QVERIFY(qAbs(streams.at(0).toObject().value("bit_rate").toString().toInt() - 128000) <
                8000);
        QVERIFY(QFileInfo::exists(clip)); // the input is left alone
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"clip.mp3"});
    }

    void resolutionMeansLines_data()
    {
        testutil::addRows<QString, QString, QString, QString>(
            {"source", "preset", "resolution", "expected"},
            {{"16:9 at 480P", "clip", "MP4", "720x480", "854x480"},
             {"4:3 at 480P", "square", "MP4", "720x480", "640x480"},
             {"16:9 at 240P", "clip", "MKV", "320x240", "426x240"},
             {"origin", "clip", "MKV", "origin", "640x360"},
             {"no resolution", "square", "MP4", "", "320x240"}});
    }
    void resolutionMeansLines()
    {
        QFETCH(QString, source);
        QFETCH(QString, preset);
        QFETCH(QString, resolution);
        QFETCH(QString, expected);
        const QString dir = newJobDir();
        const ToolRun r =
            run(writeParams(convertParams(source == "clip" ? clip : square, preset, dir,
                                          {{"video", QJsonObject{{"resolution", resolution}}},
                                           {"audio", QJsonObject{{"encoder", "none"}}}})));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        const QString file = r.finished().value("filepath").toString();
        QCOMPARE(r.finished().value("resolution").toString(), expected);
        QCOMPARE(resolutionOf(file), expected);
        // Muted: the video stream alone.
        QCOMPARE(testutil::probe(file).value("streams").toArray().size(), 1);
        QVERIFY(!testutil::streamOf(file, "video").isEmpty());
    }

    // The application hands over the probe it has: the tool then starts no ffprobe of its own.
    void aProbeHandedOverIsNotRepeated()
    {
        const QString folder = work.path() + "/programs";
        QDir().mkpath(folder);
        QFile::link("/usr/bin/ffmpeg", folder + "/ffmpeg");
        testutil::writeScript(folder + "/ffprobe",
                              "#!/bin/sh\necho run >> \"$(dirname \"$0\")/probes\"\n"
                              "exec /usr/bin/ffprobe \"$@\"\n");
        const QByteArray probe = QJsonDocument(testutil::probe(clip)).toJson();
        for (const bool handedOver : {true, false}) {
            QJsonObject extra{{"video", QJsonObject{{"resolution", "origin"}}}};
            if (handedOver) {
                extra.insert("probe", QString::fromUtf8(probe));
                extra.insert("duration", "5.0");
            }
            QJsonObject params = convertParams(clip, "MKV", newJobDir(), extra);
            params.insert("ffmpeg_location", folder);
            const ToolRun r = run(writeParams(params));
            QVERIFY2(r.exitCode == 0, r.describe().constData());
            // The streams are copied as the source holds them either way.
            QCOMPARE(r.finished().value("resolution").toString(), QString("640x360"));
            QCOMPARE(QFileInfo::exists(folder + "/probes"), !handedOver);
        }
    }

    // A source name of 250 bytes (two-byte characters across the cut) still converts: the work
    // names are cut to 255 bytes by whole characters, the extension kept.
    void aLongNameIsShortenedByWholeCharacters()
    {
        const QString dir = newJobDir();
        const QString name = QString(4, QLatin1Char('a')) + QString(121, QChar(0x00E9)) + ".mp4";
        QCOMPARE(name.toUtf8().size(), 250);
        const QString input = work.path() + "/" + name;
        QVERIFY(QFile::copy(square, input));
        const QString params = writeParams(convertParams(input, "MKV", dir));
        for (int i = 0; i < 2; ++i) {
            const ToolRun r = run(params);
            QVERIFY2(r.exitCode == 0, r.describe().constData());
            const QString out = QFileInfo(r.finished().value("filepath").toString()).fileName();
            QVERIFY(out.endsWith(i == 0 ? "\u00e9.mkv" : "\u00e9(1).mkv"));
            QVERIFY(out.toUtf8().size() <= 255);
            QVERIFY(!out.contains(QChar::ReplacementCharacter));
        }
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 2);
    }

    // There is a preset for every target, and each gives ffmpeg arguments that work.
    void everyPresetProducesAPlayableFile()
    {
        const QStringList presets =
            QDir(testutil::helperPath("../bin/OneClickedType")).entryList({"*.json"});
        for (const char *t :
             {"MP4",      "MOV",      "WMV",    "AVI",  "FLV",           "MKV",
              "HEVC MP4", "HEVC MKV", "iPhone", "iPad", "Android Phone", "Android Tablets",
              "3GP",      "MP3",      "M4A",    "MKA",  "WAV",           "AAC",
              "FLAC",     "AIFF",     "OGG"})
            QVERIFY2(presets.contains(QString(t) + ".json"), t);
        // A short input keeps this quick.
        const QString input = work.path() + "/short.mp4";
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x180:rate=25", "-f",
                                     "lavfi", "-i", "sine", "-t", "1", "-c:v", "libx264",
                                     "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", input}));
        for (const QString &name : presets) {
            const QString base = QFileInfo(name).completeBaseName();
            const QJsonObject read =
                QJsonDocument::fromJson(testutil::readFile(preset(base))).object();
            QVERIFY2(!read.value("extension").toString().isEmpty(), qPrintable(name));
            const QString dir = newJobDir();
            const ToolRun r =
                run(writeParams(convertParams(input, base, dir,
                                              {{"video", QJsonObject{{"resolution", "origin"}}},
                                               {"audio", QJsonObject{{"bit_rate", "origin"}}}})));
            QVERIFY2(r.exitCode == 0, qPrintable(name + "\n" + r.describe().constData()));
            QVERIFY2(testutil::probe(r.finished().value("filepath").toString()).contains("format"),
                     qPrintable(name));
        }
    }

    // Every kind of failure the tool names reaches the job, and the list keeps it; nothing lands
    // in the download folder. A cut download is a failure whose part Retry continues with a
    // range request.
    void aFailedDownloadKeepsItsReason_data()
    {
        using K = protocol::FailureKind;
        testutil::addRows<QString, K>({"path", "kind"},
                                      {{"refused", "refused", K::ConnectionRefused},
                                       {"404", "fault/404/clip.mp4", K::NotFound},
                                       {"403", "fault/403/clip.mp4", K::Forbidden},
                                       {"500", "fault/500/clip.mp4", K::ServerError},
                                       {"no media", "nothing.html", K::Unsupported},
                                       {"cut, then resumed", "big.mp4", K::Truncated}});
    }
    void aFailedDownloadKeepsItsReason()
    {
        QFETCH(QString, path);
        QFETCH(protocol::FailureKind, kind);
        const QString source = www.path() + "/big.mp4";
        const qint64 half = QFileInfo(source).size() / 2;
        const bool cut = path == "big.mp4";
        if (cut)
            server->dropAfter.insert(path, half);
        const QStringList before = QDir(fixture::downloadFolder()).entryList(QDir::Files);
        SniffMgr mgr;
        SniffTask *task =
            mgr.newTask(path == "refused" ? TestHttpServer::refusedUrl() : server->url(path), {});
        mgr.addTask(task);
        mgr.schedule();
        QTRY_COMPARE_WITH_TIMEOUT(task->state(), SniffTask::State::Failed, 90000);
        QTRY_COMPARE(mgr.runningCount(), 0);
        QVERIFY2(task->result().failure == kind, qPrintable(task->result().error));
        mgr.saveNow();
        const tasklist::Records listed = tasklist::load(taskListPath());
        QCOMPARE(listed.size(), 1);
        QVERIFY(listed.first().result.failure == kind);
        QCOMPARE(QDir(fixture::downloadFolder()).entryList(QDir::Files), before);
        if (!cut)
            return;
        QCOMPARE(QDir(task->workDir()).entryList({"*.part"}, QDir::Files).size(), 1);
        server->dropAfter.remove(path);
        QSignalSpy added(&mgr, &SniffMgr::mgrAddDownloadedTask);
        mgr.resumeTask(task);
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, 90000);
        QVERIFY2(server->lastHeadByPath.value(path).contains(
                     "Range: bytes=" + QByteArray::number(half) + '-'),
                 server->lastHeadByPath.value(path).constData());
        QCOMPARE(testutil::readFile(task->filePath()), testutil::readFile(source));
    }

    void aStoppedLiveRecordingIsSavedAndDescribed()
    {
        SniffMgr mgr;
        liveClock.invalidate();
        SniffTask *task = mgr.newTask(server->url("live/stream.m3u8"), {});
        QSignalSpy added(&mgr, &SniffMgr::mgrAddDownloadedTask);
        mgr.addTask(task);
        mgr.schedule();
        QSignalSpy reports(task, &SniffTask::taskDownloading);
        QTRY_VERIFY_WITH_TIMEOUT(task->isLive(), 30000);
        // A few seconds recorded: ffmpeg reports the recording's progress about twice a second.
        QTRY_VERIFY_WITH_TIMEOUT(reports.count() >= 6, 30000);
        mgr.pauseTask(task, false);
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, 30000);
        QCOMPARE(task->state(), SniffTask::State::Saved);
        const QString file = task->filePath();
        QCOMPARE(QFileInfo(file).absolutePath(), fixture::downloadFolder());
        QVERIFY(task->result().succeeded());
        QCOMPARE(task->result().resolution, QString("320x240"));
        QVERIFY(task->result().duration >= 1);
    }
};

QTEST_GUILESS_MAIN(TestVantoroDl)
#include "tst_vantorodl.moc"
