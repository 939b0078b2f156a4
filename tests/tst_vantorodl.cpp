// End-to-end tests of our download tool against media made by ffmpeg and served on 127.0.0.1.
#include "engine/myprocess.h"
#include "httpserver.h"
#include "testutil.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <memory>

namespace {

struct ToolRun
{
    int exitCode = -1;
    bool timedOut = false;
    qint64 elapsedMs = 0;
    QList<QJsonObject> lines;
    QByteArray stdErr;

    QList<QJsonObject> ofType(const QString &type) const
    {
        QList<QJsonObject> found;
        for (const QJsonObject &l : lines) {
            if (l.value("type").toString() == type)
                found << l.value("msg").toObject();
        }
        return found;
    }
    QJsonObject finished() const { return ofType("finished").value(0); }
};

QString tool()
{
    return testutil::helperPath("../bin/vantoro-dl");
}
QString preset(const QString &name)
{
    return testutil::helperPath("../bin/OneClickedType/" + name + ".json");
}

QJsonObject probe(const QString &path)
{
    QProcess p;
    p.start("ffprobe",
            {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path});
    p.waitForFinished(30000);
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

} // namespace

class TestVantoroDl : public QObject
{
    Q_OBJECT

    QTemporaryDir www;
    QTemporaryDir work;
    std::unique_ptr<TestHttpServer> server;
    QElapsedTimer liveClock;
    int jobCounter = 0;

    QString newJobDir() { return work.path() + QStringLiteral("/job%1").arg(++jobCounter); }

    QString writeParams(const QJsonObject &params)
    {
        QDir().mkpath(work.path() + "/params");
        const QString path = work.path() + QStringLiteral("/params/p%1.json").arg(++jobCounter);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QJsonDocument(params).toJson());
        return path;
    }

    QJsonObject downloadParams(const QString &url, const QString &saveDir,
                               const QJsonObject &extra = QJsonObject())
    {
        QJsonObject d{{"url", url},
                      {"save_path", saveDir},
                      {"media_type", "video"},
                      {"video_quality", "1080P"},
                      {"audio_quality", "320Kb/s"},
                      {"nocheckcertificate", "true"},
                      {"read_cookie", "false"},
                      {"add_playlist_index", "false"},
                      {"save_id3", "true"}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            d.insert(it.key(), it.value());
        return {{"log_path", work.path()},
                {"ffmpeg_location", "/usr/bin"},
                {"downloader", d},
                {"converter", QJsonObject{{"input", "downloader"},
                                          {"save_path", "downloader"},
                                          {"isNeedConvert", "false"}}}};
    }

    // Runs the tool while this event loop keeps serving; `during` may act on the running tool.
    ToolRun run(const QString &paramFile, int timeoutMs = 60000,
                const std::function<void(QProcess &, const ToolRun &)> &during = nullptr,
                const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        ToolRun result;
        QProcess process;
        process.setProcessEnvironment(env);
        QByteArray pending;
        QElapsedTimer timer;
        timer.start();
        QEventLoop loop;
        connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
            pending += process.readAllStandardOutput();
            int end;
            while ((end = pending.indexOf('\n')) >= 0) {
                result.lines << QJsonDocument::fromJson(pending.left(end)).object();
                pending.remove(0, end + 1);
            }
        });
        connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                &QEventLoop::quit);
        QTimer tick;
        connect(&tick, &QTimer::timeout, &loop, [&] {
            if (during)
                during(process, result);
            if (timer.elapsed() > timeoutMs) {
                result.timedOut = true;
                loop.quit();
            }
        });
        tick.start(50);
        process.start(tool(), {paramFile});
        loop.exec();
        if (result.timedOut) {
            process.kill();
            process.waitForFinished();
        }
        result.exitCode = process.exitCode();
        result.stdErr = process.readAllStandardError();
        result.elapsedMs = timer.elapsed();
        return result;
    }

    static QByteArray describe(const ToolRun &r)
    {
        QByteArray text = "exit " + QByteArray::number(r.exitCode) + "\n";
        for (const QJsonObject &l : r.lines)
            text += QJsonDocument(l).toJson(QJsonDocument::Compact).left(400) + '\n';
        return text + r.stdErr.right(2000);
    }

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

private Q_SLOTS:
    void initTestCase()
    {
        testutil::enterTestMode();
        QVERIFY(QFileInfo(tool()).isExecutable());
        QVERIFY(QFileInfo(preset("MP3")).isFile());
        const QString w = www.path();
        QVERIFY(testutil::makeClip(w + "/clip.mp4", 5));
        QFile::copy(w + "/clip.mp4", w + "/second.mp4");
        // About 1 MB of hard-to-compress video for timing the rate limit.
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25", "-t",
                                     "4", "-c:v", "libx264", "-preset", "ultrafast", "-qp", "5",
                                     "-pix_fmt", "yuv420p", w + "/big.mp4"}));
        QDir().mkpath(w + "/live");
        QVERIFY(testutil::makeHlsSegments(www.path() + "/live", 40));
        auto page = [&](const QString &name, const QString &body) {
            QFile f(w + "/" + name);
            f.open(QIODevice::WriteOnly);
            f.write(body.toUtf8());
        };
        page("one.html",
             "<html><head><title>One clip</title></head><body>"
             "<video controls><source src=\"clip.mp4\" type=\"video/mp4\"></video></body></html>");
        page("two.html",
             "<html><head><title>Two clips</title></head><body>"
             "<video><source src=\"clip.mp4\" type=\"video/mp4\"></video>"
             "<video><source src=\"second.mp4\" type=\"video/mp4\"></video></body></html>");
        page("nothing.html",
             "<html><head><title>Nothing</title></head><body>No media here.</body></html>");
        server = std::make_unique<TestHttpServer>(w);
        server->setHandler(
            [this](const QString &p, TestHttpServer::Response *r) { return liveHandler(p, r); });
        QVERIFY(server->start());
    }

    void directMediaAddress()
    {
        const QString dir = newJobDir();
        const ToolRun r = run(writeParams(downloadParams(server->url("clip.mp4"), dir)));
        QVERIFY2(r.exitCode == 0, describe(r).constData());
        QCOMPARE(r.lines.first().value("type").toString(), QString("param"));
        const QJsonObject sniff = r.ofType("sniff").value(0);
        QCOMPARE(sniff.value("title").toString(), QString("clip"));
        QCOMPARE(sniff.value("is_live").toString(), QString("false"));
        QVERIFY(!r.ofType("downloading").isEmpty());
        const QJsonObject last = r.ofType("downloading").last();
        QCOMPARE(last.value("progress").toString(), QString("1.0000"));
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
        // A thumbnail the application can show.
        const QJsonObject lastSniff = r.ofType("sniff").last();
        QVERIFY(QFileInfo(lastSniff.value("local_thumbnail").toString()).size() > 0 ||
                !lastSniff.value("thumbnail").toString().isEmpty());
    }

    void pageWithOneVideo()
    {
        const QString dir = newJobDir();
        const ToolRun r = run(writeParams(downloadParams(server->url("one.html"), dir)));
        QVERIFY2(r.exitCode == 0, describe(r).constData());
        QVERIFY(r.ofType("sniff").value(0).value("title").toString().startsWith("One clip"));
        const QString file = r.finished().value("filepath").toString();
        QVERIFY(QFileInfo(file).isFile());
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 1);
    }

    void pageWithSeveralVideosIsAPlaylist()
    {
        const QJsonObject params{{"log_path", work.path()},
                                 {"downloader", QJsonObject{{"url", server->url("two.html")},
                                                            {"playlist", "true"},
                                                            {"read_cookie", "false"},
                                                            {"nocheckcertificate", "true"}}}};
        const ToolRun r = run(writeParams(params));
        QVERIFY2(r.exitCode == 0, describe(r).constData());
        const QList<QJsonObject> batches = r.ofType("playlist");
        QCOMPARE(batches.size(), 1);
        const QJsonArray videos = batches.first().value("videos").toArray();
        QCOMPARE(videos.size(), 2);
        QVERIFY(videos.at(0).toObject().value("url").toString().startsWith("http://127.0.0.1"));
        QVERIFY(!videos.at(1).toObject().value("title").toString().isEmpty());
        QVERIFY(r.ofType("finished").isEmpty() || r.finished().value("ret_code") == "0");
    }

    void analyseOnlyDownloadsNothing()
    {
        const QString params =
            writeParams({{"url", server->url("one.html")}, {"sniff_only", "true"}});
        const int before = QDir(QFileInfo(params).path()).entryList(QDir::Files).size();
        const ToolRun r = run(params);
        QVERIFY2(r.exitCode == 0, describe(r).constData());
        QVERIFY(r.ofType("sniff").value(0).value("title").toString().startsWith("One clip"));
        QVERIFY(r.ofType("downloading").isEmpty());
        QCOMPARE(QDir(QFileInfo(params).path()).entryList(QDir::Files).size(), before);
    }

    void rateLimitSlowsTheTransfer()
    {
        const qint64 size = QFileInfo(www.path() + "/big.mp4").size();
        QVERIFY(size > 600000);
        const ToolRun fast = run(writeParams(downloadParams(server->url("big.mp4"), newJobDir())));
        QVERIFY2(fast.exitCode == 0, describe(fast).constData());
        const ToolRun slow = run(writeParams(
            downloadParams(server->url("big.mp4"), newJobDir(), {{"ratelimit", "300000"}})));
        QVERIFY2(slow.exitCode == 0, describe(slow).constData());
        const double expected = size / 300000.0 * 1000;
        qInfo("size %lld: unlimited %lld ms, limited %lld ms (expected about %.0f ms more)", size,
              fast.elapsedMs, slow.elapsedMs, expected);
        QVERIFY(slow.elapsedMs > fast.elapsedMs + expected * 0.6);
        // Progress is reported at most about four times a second.
        const int lines = slow.ofType("downloading").size();
        QVERIFY2(lines <= slow.elapsedMs / 250 + 3, qPrintable(QString::number(lines)));
        QVERIFY(lines >= 3);
    }

    void conversionToMp3()
    {
        const QString dir = newJobDir();
        const QJsonObject params{
            {"ffmpeg_location", "/usr/bin"},
            {"log_path", work.path()},
            {"converter", QJsonObject{{"input", www.path() + "/clip.mp4"},
                                      {"preset", preset("MP3")},
                                      {"save_path", dir},
                                      {"isNeedConvert", "true"},
                                      {"audio", QJsonObject{{"bit_rate", "128K"}}}}}};
        const ToolRun r = run(writeParams(params));
        QVERIFY2(r.exitCode == 0, describe(r).constData());
        const QList<QJsonObject> progress = r.ofType("converting");
        QVERIFY(!progress.isEmpty());
        QVERIFY(progress.last().value("pid").toString().toLongLong() > 0);
        QCOMPARE(progress.last().value("progress").toString().toDouble(), 1.0);
        const QJsonObject f = r.finished();
        QCOMPARE(f.value("ret_code").toString(), QString("0"));
        QCOMPARE(f.value("filepath").toString(), dir + "/clip.mp3");
        QCOMPARE(f.value("filetype").toString(), QString("MP3"));
        const QJsonObject info = probe(dir + "/clip.mp3");
        const QJsonArray streams = info.value("streams").toArray();
        QCOMPARE(streams.size(), 1);
        QCOMPARE(streams.at(0).toObject().value("codec_name").toString(), QString("mp3"));
        QVERIFY(qAbs(streams.at(0).toObject().value("bit_rate").toString().toInt() - 128000) <
                8000);
        QVERIFY(QFileInfo::exists(www.path() + "/clip.mp4")); // the input is left alone
    }

    void conversionToMkvWithResolution()
    {
        const QString dir = newJobDir();
        const QJsonObject params{
            {"ffmpeg_location", "/usr/bin"},
            {"converter", QJsonObject{{"input", www.path() + "/clip.mp4"},
                                      {"preset", preset("MKV")},
                                      {"save_path", dir},
                                      {"isNeedConvert", "true"},
                                      {"video", QJsonObject{{"resolution", "320x240"}}},
                                      {"audio", QJsonObject{{"encoder", "none"}}}}}};
        const ToolRun r = run(writeParams(params));
        QVERIFY2(r.exitCode == 0, describe(r).constData());
        QCOMPARE(r.finished().value("filepath").toString(), dir + "/clip.mkv");
        // A resolution means lines: 240 lines, the width from the 16:9 source, made even.
        QCOMPARE(r.finished().value("resolution").toString(), QString("426x240"));
        const QJsonArray streams = probe(dir + "/clip.mkv").value("streams").toArray();
        QCOMPARE(streams.size(), 1); // muted
        QCOMPARE(streams.at(0).toObject().value("width").toInt(), 426);
        QCOMPARE(streams.at(0).toObject().value("height").toInt(), 240);
        // A second conversion into the same folder gets a free name.
        const ToolRun again = run(writeParams(params));
        QCOMPARE(again.finished().value("filepath").toString(), dir + "/clip(1).mkv");
    }

    void downloadThenConvert()
    {
        const QString dir = newJobDir();
        QJsonObject params = downloadParams(server->url("clip.mp4"), dir);
        params.insert("converter", QJsonObject{{"input", "downloader"},
                                               {"save_path", "downloader"},
                                               {"isNeedConvert", "true"},
                                               {"preset", preset("M4A")}});
        const ToolRun r = run(writeParams(params));
        QVERIFY2(r.exitCode == 0, describe(r).constData());
        QVERIFY(!r.ofType("converting").isEmpty());
        const QString file = r.finished().value("filepath").toString();
        QCOMPARE(QFileInfo(file).suffix(), QString("m4a"));
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"clip.m4a"});
    }

    void interruptedLiveRecordingLeavesAPlayableFile()
    {
        const QString dir = newJobDir();
        liveClock.invalidate();
        bool interrupted = false;
        const ToolRun r = run(writeParams(downloadParams(server->url("live/stream.m3u8"), dir)),
                              60000, [&](QProcess &p, const ToolRun &sofar) {
                                  if (!interrupted && sofar.ofType("downloading").size() >= 8) {
                                      interrupted = true;
                                      ::kill(pid_t(p.processId()), SIGINT);
                                  }
                              });
        QVERIFY2(interrupted && r.exitCode == 0, describe(r).constData());
        QCOMPARE(r.ofType("sniff").value(0).value("is_live").toString(), QString("true"));
        const QString file = r.finished().value("filepath").toString();
        QCOMPARE(QFileInfo(file).absolutePath(), dir);
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
                    if (!stopped && sofar.ofType("downloading").size() >= 8) {
                        stopped = true;
                        for (const ChildProcessEntry &c : childProcesses(p.processId())) {
                            if (c.name.startsWith("ffmpeg"))
                                ::kill(pid_t(c.pid), SIGINT);
                        }
                    }
                });
        QVERIFY2(stopped && r.exitCode == 0, describe(r).constData());
        QVERIFY(probe(r.finished().value("filepath").toString())
                    .value("format")
                    .toObject()
                    .value("duration")
                    .toString()
                    .toDouble() >= 1.0);
    }

    void failuresEndWithAReadableFinishedLine_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code");
        QTest::newRow("unreachable host") << "unreachable" << 9;
        QTest::newRow("unsupported address") << "unsupported" << 8;
        QTest::newRow("missing file on the server") << "missing" << 1;
        QTest::newRow("yt-dlp missing") << "no-ytdlp" << 4;
        QTest::newRow("ffmpeg missing") << "no-ffmpeg" << 4;
        QTest::newRow("unreadable parameter file") << "no-params" << 3;
        QTest::newRow("bad JSON") << "bad-json" << 3;
        QTest::newRow("disk full") << "disk-full" << 6;
    }
    void failuresEndWithAReadableFinishedLine()
    {
        QFETCH(QString, kind);
        QFETCH(int, code);
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
        } else if (kind == "no-ffmpeg") {
            env.insert("PATH", work.path() + "/empty-path");
            QJsonObject p{{"ffmpeg_location", work.path() + "/no-ffmpeg-here"},
                          {"converter", QJsonObject{{"input", www.path() + "/clip.mp4"},
                                                    {"preset", preset("MP3")},
                                                    {"save_path", newJobDir()}}}};
            params = writeParams(p);
        } else if (kind == "no-params") {
            params = work.path() + "/does-not-exist.json";
        } else if (kind == "bad-json") {
            params = work.path() + "/bad.json";
            QFile f(params);
            f.open(QIODevice::WriteOnly);
            f.write("{\"downloader\": {\"url\": ");
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
        if (!mounted.isEmpty())
            QProcess::execute("umount", {mounted});
        QVERIFY2(!r.timedOut, describe(r).constData());
        QCOMPARE(r.exitCode, code);
        const QJsonObject f = r.finished();
        QCOMPARE(f.value("ret_code").toString(), QString::number(code));
        QVERIFY2(!f.value("error").toString().isEmpty(), describe(r).constData());
        QCOMPARE(r.lines.last().value("type").toString(), QString("finished"));
    }

    void presetsExistForEveryTarget()
    {
        const QStringList targets = {
            "MP4",      "MOV",      "WMV",    "AVI",  "FLV",           "MKV",
            "HEVC MP4", "HEVC MKV", "iPhone", "iPad", "Android Phone", "Android Tablets",
            "3GP",      "MP3",      "M4A",    "MKA",  "WAV",           "AAC",
            "FLAC",     "AIFF",     "OGG"};
        for (const QString &t : targets) {
            QFile f(preset(t));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(t));
            const QJsonObject p = QJsonDocument::fromJson(f.readAll()).object();
            QVERIFY2(!p.value("extension").toString().isEmpty(), qPrintable(t));
        }
    }

    void everyPresetProducesAPlayableFile()
    {
        // A short input keeps this quick; each preset must give ffmpeg arguments that work.
        const QString input = work.path() + "/short.mp4";
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x180:rate=25", "-f",
                                     "lavfi", "-i", "sine", "-t", "1", "-c:v", "libx264",
                                     "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", input}));
        for (const QString &name :
             QDir(testutil::helperPath("../bin/OneClickedType")).entryList({"*.json"})) {
            const QString dir = newJobDir();
            const QJsonObject params{
                {"ffmpeg_location", "/usr/bin"},
                {"converter", QJsonObject{{"input", input},
                                          {"preset", preset(QFileInfo(name).completeBaseName())},
                                          {"save_path", dir},
                                          {"video", QJsonObject{{"resolution", "origin"}}},
                                          {"audio", QJsonObject{{"bit_rate", "origin"}}}}}};
            const ToolRun r = run(writeParams(params));
            QVERIFY2(r.exitCode == 0, qPrintable(name + "\n" + describe(r).constData()));
            QVERIFY2(probe(r.finished().value("filepath").toString()).contains("format"),
                     qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestVantoroDl)
#include "tst_vantorodl.moc"
