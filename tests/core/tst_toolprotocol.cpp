#include "core/engine/toolprotocol.h"
#include "core/protocol/displaytext.h"
#include "core/protocol/toolline.h"
#include "helpers/fixture.h"

using namespace protocol;

class TestToolProtocol : public QObject
{
    Q_OBJECT

    static QJsonObject readJson(const QString &path)
    {
        return QJsonDocument::fromJson(testutil::readFile(path)).object();
    }

    QJsonObject writeFor(const QString &url, const DownloadOptions &options = {})
    {
        SniffTask task(url, options);
        return readJson(writeDownloadParams(task.url(), task.options(), task.workDir()));
    }
    QJsonObject downloader(const QString &url, const DownloadOptions &options = {})
    {
        return writeFor(url, options).value("downloader").toObject();
    }
    QString preset(const QString &url, const DownloadOptions &options = {})
    {
        return writeFor(url, options).value("converter").toObject().value("preset").toString();
    }

private Q_SLOTS:
    void initTestCase() { fixture::prepare(); }
    void init()
    {
        seedPreferences();
        Preferences *prefs = Preferences::instance();
        QSettings stored = testutil::storedSettings();
        for (const char *key :
             {"kSpeedLimitedManual", "kSpeedLimited", "kProxy_Setting_Http", "kProxy_Setting_Port"})
            stored.remove(key);
        prefs->setOneClickFormat("MP4");
        prefs->setProxyEnabled(false);
    }

    void singleVideoWithDefaults()
    {
        const QJsonObject root = writeFor("https://video.example/watch/1");
        const QJsonObject d = root.value("downloader").toObject();
        // Certificates are checked: no "nocheckcertificate".
        COMPARE_FIELDS(d, "media_type=video", "video_quality=1080P", "audio_quality=320Kb/s",
                       "add_playlist_index=false", "playlist_reverse_index", "ratelimit", "proxy",
                       "subtitle=en", "lyric", "nocheckcertificate", "cookie_file", "save_id3=true",
                       "read_cookie=true");
        QCOMPARE(d.value("uuid").toString().size(), 8);
        QVERIFY(d.value("save_path").toString().startsWith(fixture::downloadFolder() + "/.temp/"));
        // The converted download keeps the chosen picture height.
        COMPARE_FIELDS(root, "log_path=" + logDir(), "converter/isNeedConvert=true",
                       "converter/input=downloader", "converter/video/resolution=1920x1080");
        QVERIFY(root.value("converter")["preset"].toString().endsWith("/OneClickedType/MP4.json"));
        // Every scalar is a string.
        for (auto it = d.begin(); it != d.end(); ++it)
            QVERIFY2(it.value().isString() || it.value().isObject(), qPrintable(it.key()));
    }

    void browserMetadataAndCookiesArePassedOnInPrivateFiles()
    {
        DownloadOptions options;
        options.metadata = QStringLiteral("eyJodHRwX2hlYWRlcnMiOnt9fQ==");
        options.cookies =
            "# Netscape HTTP Cookie File\n.video.example\tTRUE\t/\tFALSE\t0\tsid\tS3CRET\n";
        // The job writes the cookies into its folder when it is made, and keeps no copy.
        std::unique_ptr<SniffTask> task(
            SniffMgr::instance()->newTask("https://video.example/w/2", options));
        QVERIFY(task->options().cookies.isEmpty());
        QVERIFY(!task->options().toMap().values().join(' ').contains("S3CRET"));
        QFile f(writeDownloadParams(task->url(), task->options(), task->workDir()));
        const QByteArray params = testutil::readFile(f.fileName());
        QVERIFY(!params.contains("S3CRET"));
        COMPARE_FIELDS(QJsonDocument::fromJson(params).object(),
                       "downloader/metadata=" + *options.metadata,
                       "downloader/cookie_file=" + task->workDir() + "/cookies.txt");
        QFile cookies(task->workDir() + "/cookies.txt");
        QCOMPARE(testutil::readFile(cookies.fileName()), options.cookies);
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ReadOther | QFileDevice::WriteOther |
                                                QFileDevice::ExeGroup | QFileDevice::ExeOther;
        QCOMPARE(f.permissions() & others, QFileDevice::Permissions());
        QCOMPARE(cookies.permissions() & others, QFileDevice::Permissions());
    }

    void playlistEntriesUseTheirOwnQualities()
    {
        DownloadOptions entry;
        entry.fromPlaylist = true;
        entry.mediaType = "audio";
        entry.videoQuality = "720P";
        entry.audioQuality = "Best";
        entry.addPlaylistIndex = true;
        entry.playlistOrderMode = "Oldest first";
        entry.metadata = "{\"a\":1}";
        const QJsonObject d = downloader("https://video.example/1", entry);
        COMPARE_FIELDS(d, "media_type=audio", "video_quality=720P", "audio_quality=Best",
                       "add_playlist_index=true", "playlist_reverse_index=true",
                       "metadata={\"a\":1}");
        DownloadOptions numbered;
        numbered.addPlaylistIndex = true;
        numbered.playlistOrderMode = "Newest first";
        QCOMPARE(downloader("https://video.example/1", numbered).value("playlist_reverse_index"),
                 QJsonValue("false"));
    }

    // An audio site gets audio and an MP3 preset; the one-click target picks the preset, and an
    // original target needs no conversion.
    void conversionTargets()
    {
        const QJsonObject root = writeFor("https://soundcloud.com/artist/track");
        COMPARE_FIELDS(root, "downloader/media_type=audio", "downloader/video_quality",
                       "downloader/audio_quality=320Kb/s", "downloader/lyric=en",
                       "downloader/subtitle", "converter/video");
        QVERIFY(root.value("converter")["preset"].toString().endsWith("/MP3.json"));
        Preferences::instance()->setOneClickFormat("Original Video");
        COMPARE_FIELDS(writeFor("https://video.example/1"), "converter/isNeedConvert=false",
                       "converter/preset");
        Preferences::instance()->setOneClickFormat("iPhone/iPod");
        QVERIFY(preset("https://video.example/1").endsWith("/OneClickedType/iPhone.json"));
        // A video target for an audio job becomes MP3.
        DownloadOptions audio;
        audio.mediaType = "audio";
        QVERIFY(preset("https://video.example/1", audio).endsWith("/MP3.json"));
        // An audio target makes every job an audio job.
        Preferences::instance()->setOneClickFormat("FLAC");
        QCOMPARE(downloader("https://video.example/1").value("media_type"), QJsonValue("audio"));
        QVERIFY(preset("https://video.example/1").endsWith("/FLAC.json"));
    }

    void speedLimitProxyAndSubtitlesFollowThePreferences()
    {
        Preferences *prefs = Preferences::instance();
        prefs->setManualSpeedLimit("512 KBps");
        QCOMPARE(downloader("https://v/1").value("ratelimit"), QJsonValue("512000"));
        prefs->setManualSpeedLimit("");
        prefs->setSpeedLimit("Unlimited");
        QVERIFY(!downloader("https://v/1").contains("ratelimit"));

        prefs->setProxyEnabled(true);
        // No host: only the empties.
        QCOMPARE(downloader("https://v/1").value("proxy"),
                 QJsonObject({{"username", ""}, {"password", ""}}));
        prefs->setProxyHost("10.0.0.1");
        prefs->setProxyPort("3128");
        prefs->setProxyNeedsLogin(true);
        prefs->setProxyLogin("me");
        prefs->setProxyPassword("secret");
        COMPARE_FIELDS(downloader("https://v/1"),
                       "proxy={\"host\":\"10.0.0.1\",\"password\":\"secret\",\"port\":\"3128\","
                       "\"protocol\":\"http\",\"username\":\"me\"}");
        prefs->setSubtitleLanguage("Chinese(Traditional)");
        QCOMPARE(downloader("https://v/1").value("subtitle"), QJsonValue("zh-Hant"));
        prefs->setDownloadSubtitles(false);
        QVERIFY(!downloader("https://v/1").contains("subtitle"));
    }

    void otherParameterFiles()
    {
        const QString playlist = writePlaylistParams("https://list.example/p", "playlist_1_x.json");
        QCOMPARE(playlist, fixture::downloadFolder() + "/.temp/playlist_1_x.json");
        const QByteArray bytes = testutil::readFile(playlist);
        QVERIFY(bytes.endsWith("\n"));
        const QJsonObject d =
            QJsonDocument::fromJson(bytes).object().value("downloader").toObject();
        COMPARE_FIELDS(d, "playlist=true", "url=https://list.example/p", "nocheckcertificate");
        // Turned off in the preferences, for downloads and listings alike.
        Preferences::instance()->setCheckCertificates(false);
        for (const QJsonObject &off :
             {downloader("https://v/3"),
              readJson(writePlaylistParams("https://list.example/p", "playlist_2_x.json"))
                  .value("downloader")
                  .toObject()})
            QCOMPARE(off.value("nocheckcertificate").toString(), QString("true"));
        Preferences::instance()->setCheckCertificates(true);

        QTemporaryDir work;
        const QString thumb =
            writeThumbParams("https://v/2", work.path() + "/job", "abc.thumb.json");
        QCOMPARE(readJson(thumb), QJsonObject({{"url", "https://v/2"}, {"sniff_only", "true"}}));
    }

    void linesSplitAcrossReadsAreJoined()
    {
        LineBuffer buffer;
        using Lines = QVector<QByteArray>;
        QCOMPARE(buffer.feed("{\"type\":\"sniff\",\"msg\":{\"ti"), Lines());
        QCOMPARE(buffer.feed("tle\":\"a\"}}\n{\"type\":\"x\",\"msg\":{}}\r\n"),
                 Lines({"{\"type\":\"sniff\",\"msg\":{\"title\":\"a\"}}",
                        "{\"type\":\"x\",\"msg\":{}}"}));
        QCOMPARE(buffer.feed("\r\n\n{}\n"), Lines()); // short pieces dropped
        QCOMPARE(buffer.feed("{\"type\":\"finished\",\"msg\":{}}"), Lines());
        QCOMPARE(buffer.finish(), Lines({"{\"type\":\"finished\",\"msg\":{}}"}));
        QCOMPARE(buffer.finish(), Lines());
    }

    // A tool that never ends its line costs time and memory in proportion to what it printed
    // once, not per chunk; past the limit the line is dropped and the next one is read again.
    void anEndlessLineIsDroppedInLinearTime()
    {
        LineBuffer buffer(1024 * 1024);
        const QByteArray chunk(64 * 1024, 'x');
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 1600; ++i) // 100 MiB in pipe-sized pieces
            QVERIFY(buffer.feed(chunk).isEmpty());
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(buffer.droppedLines(), 1);
        QCOMPARE(buffer.feed("tail of it\n{\"type\":\"a\"}\n"),
                 QVector<QByteArray>({"{\"type\":\"a\"}"}));
        // Exactly at the limit is still a line; one byte more is not.
        QCOMPARE(buffer.feed(QByteArray(1024 * 1024, 'y') + '\n').size(), 1);
        QCOMPARE(buffer.feed(QByteArray(1024 * 1024 + 1, 'z') + "\nnext line\n"),
                 QVector<QByteArray>({"next line"}));
        QCOMPARE(buffer.droppedLines(), 2);
        QVERIFY(buffer.feed(QByteArray(1024 * 1024 + 5, 'z')).isEmpty());
        QCOMPARE(buffer.finish(), QVector<QByteArray>());
    }

    // A line is read once into typed facts, a failure's kind among them (what the lists store of
    // them is checked by tst_tasklistfile, and its stability by the fuzz target).
    void linesAreReadIntoFacts()
    {
        QCOMPARE(parseLine("garbage").type, LineType::Other);
        QVERIFY(storedLine(MediaInfo()).isNull() && !readMediaInfo(QByteArray()).present);
        const Result done = parseLine("{\"type\":\"finished\",\"msg\":{\"ret_code\":\"0\","
                                      "\"duration\":\"3723\",\"filesize\":\"1048576\"}}")
                                .result;
        QVERIFY(done.succeeded() && done.failure == FailureKind::None);
        QCOMPARE(done.duration, 3723.0);
        const Result recording = recordingResult(61, "MKV", 192000, 5000, "/r.mkv", 1280, 720);
        QCOMPARE(recording.quality, QString("192Kb/s"));
        QVERIFY(readResult(storedLine(recording)).succeeded());
        QCOMPARE(recordingResult(1, "MKV", 0, 1, "/r", 0, 0).quality, QString("Unknown"));

        // A failure has a kind.
        const auto kindOf = [](const QByteArray &msg) {
            return parseLine("{\"type\":\"finished\",\"msg\":{" + msg + "}}").result.failure;
        };
        // The tool's own word wins; without it, the text is classified.
        QCOMPARE(kindOf("\"ret_code\":\"1\",\"error_kind\":\"no_space\",\"error\":\"x\""),
                 FailureKind::NoSpace);
        QCOMPARE(kindOf("\"ret_code\":\"1\",\"error\":\"HTTP Error 404: Not Found\""),
                 FailureKind::NotFound);
        QCOMPARE(kindOf("\"ret_code\":\"1\",\"error\":\"something odd\""), FailureKind::Other);
        QCOMPARE(kindOf("\"ret_code\":\"0\""), FailureKind::None);
        // A verdict the application made itself keeps its kind in the stored line.
        QCOMPARE(readResult(storedLine(failedResult(FailureKind::ToolCrashed, "gone"))).failure,
                 FailureKind::ToolCrashed);
    }

    void displayConversions()
    {
        COMPARE_MAPPED(formatSize, "0 -> Unknown", "1024 -> 1024.0B", "1025 -> 1.0KB",
                       "1048577 -> 1.0MB", "1073741825 -> 1.0GB");
        COMPARE_MAPPED(formatDuration, "0 -> Unknown", "123 -> 02:03");
        COMPARE_MAPPED(formatRemaining, "0 -> ", "60 -> 60 seconds remaining",
                       "61 -> 2 minutes remaining", "5400 -> 1.5 hours remaining");
        Preferences::instance()->setLanguage(1);
        QCOMPARE(formatRemaining(30), QString("remaining 30 seconds"));
        Preferences::instance()->setLanguage(0);

        const auto progressOf = [](const QByteArray &fraction, const QByteArray &eta = "1",
                                   const QByteArray &size = "2097152") {
            return parseLine("{\"type\":\"downloading\",\"msg\":{\"progress\":\"" + fraction +
                             "\",\"filesize\":\"" + size + "\",\"speed\":\"1.0MB/s\",\"eta\":\"" +
                             eta + "\"}}")
                .progress;
        };
        QCOMPARE(progressText(progressOf("0.5")),
                 QString("1024.0KB of 2.0MB - 1.0MB/s, 1 seconds remaining"));
        QCOMPARE(progressText(progressOf("0.5", "0")), QString("1024.0KB of 2.0MB - 1.0MB/s"));
        QCOMPARE(progressText(progressOf("0.5"), false), QString("1024.0KB of 2.0MB"));
        QCOMPARE(progressText(progressOf("0")), QString());
        // Numbers no byte count holds show nothing (and are no undefined conversion).
        QCOMPARE(progressText(progressOf("1e300")), QString());
        QCOMPARE(progressText(progressOf("2", "1", "9223372036854775807")), QString());
        QCOMPARE(progressText(progressOf("nan")), QString());
        QCOMPARE(
            convertingText(parseLine("{\"type\":\"converting\",\"msg\":{\"progress\":\"0.256\"}}")
                               .conversion.fraction),
            QString("Converting 25.6%"));
    }
};

QTEST_GUILESS_MAIN(TestToolProtocol)
#include "tst_toolprotocol.moc"
