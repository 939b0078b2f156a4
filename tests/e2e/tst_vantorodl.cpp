// End-to-end tests of our download tool's downloads against media made by ffmpeg and served on
// 127.0.0.1: single files and pages, playlists, live streams, page headers, failures, and the
// processes it leaves behind.
#include "e2e/vantorodlrun.h"
#include "helpers/httpserver.h"

#include <QJsonArray>
#include <QSet>
#include <QTcpServer>

#include <memory>

class TestVantoroDl : public QObject, public ToolHarness
{
    Q_OBJECT

    QTemporaryDir www;
    std::unique_ptr<TestHttpServer> server;
    QElapsedTimer liveClock;

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

    void page(const QString &name, const QString &title, const QStringList &videos)
    {
        QString body = "<html><head><title>" + title + "</title></head><body>";
        for (const QString &v : videos)
            body += "<video controls><source src=\"" + v + "\" type=\"video/mp4\"></video>";
        QFile f(www.path() + "/" + name);
        f.open(QIODevice::WriteOnly);
        f.write((body + "</body></html>").toUtf8());
    }

    QJsonObject listingParams(const QString &url)
    {
        return {{"log_path", work.path()},
                {"downloader", QJsonObject{{"url", url},
                                           {"playlist", "true"},
                                           {"read_cookie", "false"},
                                           {"nocheckcertificate", "true"}}}};
    }

private Q_SLOTS:
    void initTestCase()
    {
        testutil::enterTestMode();
        QVERIFY(QFileInfo(tool()).isExecutable());
        const QString w = www.path();
        QVERIFY(testutil::makeClip(w + "/clip.mp4", 5));
        QVERIFY(testutil::makeClip(w + "/second.mp4", 2, "320x240"));
        QVERIFY(testutil::makeClip(w + "/third.mp4", 1, "160x120"));
        // About 1 MB of hard-to-compress video for timing the rate limit.
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25", "-t",
                                     "4", "-c:v", "libx264", "-preset", "ultrafast", "-qp", "5",
                                     "-pix_fmt", "yuv420p", w + "/big.mp4"}));
        QVERIFY(testutil::makeHlsSegments(w + "/live", 40));
        page("one.html", "One clip", {"clip.mp4"});
        page("three.html", "Three clips", {"clip.mp4", "second.mp4", "third.mp4"});
        page("nothing.html", "Nothing", {});
        QFile live(w + "/live.html");
        QVERIFY(live.open(QIODevice::WriteOnly));
        live.write(
            "<html><head><title>On air</title></head><body><video><source "
            "src=\"live/stream.m3u8\" type=\"application/x-mpegURL\"></video></body></html>");
        live.close();
        server = std::make_unique<TestHttpServer>(w);
        server->setHandler(
            [this](const QString &p, TestHttpServer::Response *r) { return liveHandler(p, r); });
        QVERIFY(server->start());
    }

    void directMediaAddress()
    {
        const QString dir = newJobDir();
        const ToolRun r = run(writeParams(downloadParams(server->url("clip.mp4"), dir)));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.lines.first().value("type").toString(), QString("param"));
        QCOMPARE(r.lines.first().value("msg").toObject().value("yt_dlp").toString(),
                 QStandardPaths::findExecutable("yt-dlp"));
        const QJsonObject sniff = r.ofType("sniff").value(0);
        QCOMPARE(sniff.value("title").toString(), QString("clip"));
        QCOMPARE(sniff.value("is_live").toString(), QString("false"));
        QVERIFY(!sniff.contains("playlist_count"));
        QVERIFY(!r.ofType("downloading").isEmpty());
        QCOMPARE(r.ofType("downloading").last().value("progress").toString(), QString("1.0000"));
        const QJsonObject f = r.finished();
        QCOMPARE(f.value("ret_code").toString(), QString("0"));
        QCOMPARE(QFileInfo(f.value("filepath").toString()).absolutePath(), dir);
        QCOMPARE(f.value("filesize").toString().toLongLong(),
                 QFileInfo(www.path() + "/clip.mp4").size());
        QCOMPARE(f.value("resolution").toString(), QString("640x360"));
        QCOMPARE(f.value("duration").toString(), QString("5"));
        QCOMPARE(f.value("filetype").toString(), QString("MP4"));
        QVERIFY(f.value("quality").toString().endsWith("Kb/s"));
        // Every payload value is a string, and the order is sniff, downloading..., finished.
        for (const QJsonObject &l : r.lines) {
            if (l.value("type").toString() == "param")
                continue;
            const QJsonObject msg = l.value("msg").toObject();
            for (auto it = msg.begin(); it != msg.end(); ++it)
                QVERIFY2(it.value().isString(), qPrintable(it.key()));
        }
        QCOMPARE(r.lines.at(1).value("type").toString(), QString("sniff"));
        QCOMPARE(r.lines.last().value("type").toString(), QString("finished"));
        // A thumbnail the application can show, grabbed from the saved file.
        QVERIFY(QFileInfo(r.ofType("sniff").last().value("local_thumbnail").toString()).size() > 0);
        // Nothing but the file: no part file, no thumbnail in the download folder.
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"clip.mp4"});
    }

    void pageWithOneVideoKeepsThePageTitle()
    {
        const QString dir = newJobDir();
        const ToolRun r = run(writeParams(downloadParams(server->url("one.html"), dir)));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.ofType("sniff").value(0).value("title").toString(), QString("One clip"));
        QCOMPARE(r.finished().value("filepath").toString(), dir + "/One clip.mp4");
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 1);
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

    void plainDownloadOfSeveralVideosOffersThemAll()
    {
        const QString dir = newJobDir();
        const ToolRun r = run(writeParams(downloadParams(server->url("three.html"), dir)));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        const QJsonObject sniff = r.ofType("sniff").value(0);
        QCOMPARE(sniff.value("playlist_count").toString(), QString("3"));
        QCOMPARE(sniff.value("title").toString(), QString("Three clips"));
        QVERIFY(r.indexOf("sniff") < r.indexOf("downloading"));
        QCOMPARE(resolutionOf(r.finished().value("filepath").toString()), QString("640x360"));
    }

    void analyseOnlyDownloadsNothing()
    {
        const QString params =
            writeParams({{"url", server->url("one.html")}, {"sniff_only", "true"}});
        const int before = QDir(QFileInfo(params).path()).entryList(QDir::Files).size();
        const ToolRun r = run(params);
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.ofType("sniff").value(0).value("title").toString(), QString("One clip"));
        QVERIFY(r.ofType("downloading").isEmpty());
        QCOMPARE(QDir(QFileInfo(params).path()).entryList(QDir::Files).size(), before);
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

    void pageHeadersReachEveryRequest()
    {
        const QByteArray secret = "s3cr3t-cookie-value";
        const QJsonObject headers{{"Referer", "http://referer.test/page"},
                                  {"Cookie", QString("session=" + secret)},
                                  {"UserAgent", "ClipmoorTest/1.0"}};
        const QString metadata = QString::fromLatin1(
            QJsonDocument(QJsonObject{{"http_headers", headers}}).toJson().toBase64());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VANTORO_DL_VERBOSE", "1");
        const ToolRun r = run(writeParams(downloadParams(server->url("one.html"), newJobDir(),
                                                         {{"metadata", metadata}})),
                              60000, nullptr, env);
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        const QByteArray pageHead = server->lastHeadByPath.value("one.html");
        const QByteArray mediaHead = server->lastHeadByPath.value("clip.mp4");
        QVERIFY2(pageHead.contains("Cookie: session=" + secret), pageHead.constData());
        QVERIFY2(pageHead.contains("User-Agent: ClipmoorTest/1.0"), pageHead.constData());
        QVERIFY2(pageHead.contains("Referer: http://referer.test/page"), pageHead.constData());
        QVERIFY2(mediaHead.contains("Cookie: session=" + secret), mediaHead.constData());
        QVERIFY2(mediaHead.contains("User-Agent: ClipmoorTest/1.0"), mediaHead.constData());
        // The cookie is a secret: not echoed, not traced, and its file is gone.
        QVERIFY(!r.stdOut.contains(secret));
        QVERIFY(!r.stdErr.contains(secret));
        QVERIFY(r.stdErr.contains("--config-locations"));
        const QString config = QString::fromUtf8(r.stdErr)
                                   .section("--config-locations ", 1)
                                   .section(QLatin1Char(' '), 0, 0);
        QVERIFY(!config.isEmpty() && !QFileInfo::exists(config));
        QCOMPARE(r.lines.first()
                     .value("msg")
                     .toObject()
                     .value("downloader")
                     .toObject()
                     .value("metadata")
                     .toObject()
                     .value("Cookie")
                     .toString(),
                 QString("<hidden>"));

        // Unreadable metadata is ignored with a note.
        const ToolRun bad = run(writeParams(downloadParams(server->url("clip.mp4"), newJobDir(),
                                                           {{"metadata", "%%not base64%%"}})));
        QVERIFY2(bad.exitCode == 0, bad.describe().constData());
        QVERIFY(bad.stdErr.contains("metadata"));
    }

    void percentInTheFolderIsAPercent()
    {
        const QString dir = work.path() + "/100%done %(id)s";
        const ToolRun r = run(writeParams(downloadParams(server->url("clip.mp4"), dir)));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.finished().value("filepath").toString(), dir + "/clip.mp4");
        QVERIFY(QFileInfo::exists(dir + "/clip.mp4"));
    }

    void downloadThenConvert_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");
        QTest::newRow("another container") << "M4A"
                                           << "clip.m4a";
        // The result replaces the download under the same name, never "clip(1).mp4".
        QTest::newRow("the download's own container") << "MP4"
                                                      << "clip.mp4";
    }
    void downloadThenConvert()
    {
        QFETCH(QString, target);
        QFETCH(QString, expected);
        const QString dir = newJobDir();
        QJsonObject params = downloadParams(server->url("clip.mp4"), dir);
        params.insert("converter", QJsonObject{{"input", "downloader"},
                                               {"save_path", "downloader"},
                                               {"isNeedConvert", "true"},
                                               {"preset", preset(target)}});
        const ToolRun r = run(writeParams(params));
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QVERIFY(!r.ofType("converting").isEmpty());
        QCOMPARE(r.finished().value("filepath").toString(), dir + "/" + expected);
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{expected});
    }

    void interruptedLiveRecordingLeavesAPlayableFile_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("playlist address") << "live/stream.m3u8";
        QTest::newRow("page showing the stream") << "live.html";
    }
    void interruptedLiveRecordingLeavesAPlayableFile()
    {
        QFETCH(QString, address);
        const QString dir = newJobDir();
        liveClock.invalidate();
        bool interrupted = false;
        const ToolRun r = run(writeParams(downloadParams(server->url(address), dir)), 60000,
                              [&](QProcess &p, const ToolRun &sofar) {
                                  if (!interrupted && sofar.ofType("downloading").size() >= 8) {
                                      interrupted = true;
                                      ::kill(pid_t(p.processId()), SIGINT);
                                  }
                              });
        QVERIFY2(interrupted && r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.ofType("sniff").value(0).value("is_live").toString(), QString("true"));
        const QString file = r.finished().value("filepath").toString();
        QCOMPARE(QFileInfo(file).absolutePath(), dir);
        QCOMPARE(r.finished().value("resolution").toString(), QString("320x240"));
        const double seconds =
            probe(file).value("format").toObject().value("duration").toString().toDouble();
        QVERIFY2(seconds >= 1.0, qPrintable(QString::number(seconds)));
    }

    void interruptingTheRecorderItselfAlsoSaves()
    {
        // The application stops a recording by interrupting the ffmpeg below the tool.
        const QString dir = newJobDir();
        liveClock.invalidate();
        bool stopped = false;
        const ToolRun r =
            run(writeParams(downloadParams(server->url("live/stream.m3u8"), dir)), 60000,
                [&](QProcess &p, const ToolRun &sofar) {
                    if (stopped || sofar.ofType("downloading").size() < 8)
                        return;
                    for (const qint64 pid : descendants(p.processId())) {
                        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
                        if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("ffmpeg")) {
                            stopped = true;
                            ::kill(pid_t(pid), SIGINT);
                        }
                    }
                });
        QVERIFY2(stopped && r.exitCode == 0, r.describe().constData());
        QVERIFY(probe(r.finished().value("filepath").toString())
                    .value("format")
                    .toObject()
                    .value("duration")
                    .toString()
                    .toDouble() >= 1.0);
    }

    void childrenDieWithTheTool_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGKILL") << int(SIGKILL);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }
    void childrenDieWithTheTool()
    {
        QFETCH(int, signal);
        QList<qint64> below;
        const ToolRun r = run(writeParams(downloadParams(server->url("big.mp4"), newJobDir(),
                                                         {{"ratelimit", "100000"}})),
                              60000, [&](QProcess &p, const ToolRun &sofar) {
                                  if (!below.isEmpty() || sofar.ofType("downloading").size() < 2)
                                      return;
                                  below = descendants(p.processId());
                                  ::kill(pid_t(p.processId()), signal);
                              });
        QVERIFY2(!r.timedOut && !below.isEmpty(), r.describe().constData());
        QVERIFY2(below.size() >= 2, "yt-dlp and the guardian"); // yt-dlp and the guardian
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(below.cbegin(), below.cend(), processGone), 5000);
        if (signal == SIGTERM) {
            QCOMPARE(r.exitCode, 7);
            QCOMPARE(r.finished().value("ret_code").toString(), QString("7"));
        }
    }

    void ytdlpBesideTheToolIsPreferred_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("executable") << "executable";
        QTest::newRow("zipapp") << "zipapp";
    }
    void ytdlpBesideTheToolIsPreferred()
    {
        QFETCH(QString, kind);
        const QString folder = work.path() + "/beside-" + kind;
        QDir().mkpath(folder);
        QFile::copy(tool(), folder + "/vantoro-dl");
        QString standIn;
        if (kind == "executable") {
            standIn = folder + "/yt-dlp";
            QFile f(standIn);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\necho used > \"$(dirname \"$0\")/marker\"\nexec /usr/bin/yt-dlp "
                    "\"$@\"\n");
            f.close();
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        } else {
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
        const ToolRun r =
            run(writeParams({{"url", server->url("one.html")}, {"sniff_only", "true"}}), 60000,
                nullptr, QProcessEnvironment::systemEnvironment(), folder + "/vantoro-dl");
        QVERIFY2(r.exitCode == 0, r.describe().constData());
        QCOMPARE(r.lines.first().value("msg").toObject().value("yt_dlp").toString(), standIn);
        QVERIFY(QFileInfo::exists(folder + "/marker"));
        QCOMPARE(r.ofType("sniff").value(0).value("title").toString(), QString("One clip"));
    }

    void failuresSayWhy_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unreachable host") << "unreachable" << 9 << "Connection refused";
        QTest::newRow("page without media") << "unsupported" << 8 << "Unsupported URL: http";
        QTest::newRow("missing file on the server")
            << "missing" << 1 << "HTTP Error 404: Not Found";
        QTest::newRow("yt-dlp missing") << "no-ytdlp" << 4 << "yt-dlp not found";
        QTest::newRow("unreadable parameter file") << "no-params" << 3 << "cannot read";
        QTest::newRow("bad JSON") << "bad-json" << 3 << "not a JSON object";
        QTest::newRow("disk full") << "disk-full" << 6 << "No space left on device";
    }
    void failuresSayWhy()
    {
        QFETCH(QString, kind);
        QFETCH(int, code);
        QFETCH(QString, reason);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QString params;
        QString mounted;
        if (kind == "unreachable") {
            QTcpServer closed; // a port nobody listens on
            closed.listen(QHostAddress::LocalHost, 0);
            const quint16 port = closed.serverPort();
            closed.close();
            params = writeParams(
                downloadParams(QStringLiteral("http://127.0.0.1:%1/a.mp4").arg(port), newJobDir()));
        } else if (kind == "unsupported") {
            params = writeParams(downloadParams(server->url("nothing.html"), newJobDir()));
        } else if (kind == "missing") {
            params = writeParams(downloadParams(server->url("gone.mp4"), newJobDir()));
        } else if (kind == "no-ytdlp") {
            env.insert("PATH", work.path() + "/empty-path");
            params = writeParams(downloadParams(server->url("clip.mp4"), newJobDir()));
        } else if (kind == "no-params") {
            params = work.path() + "/does-not-exist.json";
        } else if (kind == "bad-json") {
            params = writeRaw("{\"downloader\": {\"url\": ");
        } else if (kind == "disk-full") {
            mounted = work.path() + "/tiny";
            QDir().mkpath(mounted);
            QProcess mount;
            mount.start("mount", {"-t", "tmpfs", "-o", "size=48k", "tmpfs", mounted});
            if (!mount.waitForFinished() || mount.exitCode() != 0)
                QSKIP("cannot mount a small file system here");
            params = writeParams(downloadParams(server->url("big.mp4"), mounted + "/job"));
        }
        const ToolRun r = run(params, 60000, nullptr, env);
        // A failed download is never under its final name.
        const QStringList left = QDir(mounted + "/job").entryList({"*.mp4"}, QDir::Files);
        if (!mounted.isEmpty())
            QProcess::execute("umount", {mounted});
        QVERIFY2(!r.timedOut, r.describe().constData());
        QCOMPARE(r.exitCode, code);
        const QJsonObject f = r.finished();
        QCOMPARE(f.value("ret_code").toString(), QString::number(code));
        const QString error = f.value("error").toString();
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(error.size() <= 300 && !error.contains('\n'));
        QCOMPARE(r.lines.last().value("type").toString(), QString("finished"));
        QVERIFY2(left.isEmpty(), qPrintable(left.join(',')));
    }
};

QTEST_GUILESS_MAIN(TestVantoroDl)
#include "tst_vantorodl.moc"
