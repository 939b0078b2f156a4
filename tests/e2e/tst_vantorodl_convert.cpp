// End-to-end tests of our download tool's conversions (real ffmpeg on media it made) and of the
// checks on its parameter file.
#include "e2e/vantorodlrun.h"

#include <QJsonArray>

class TestVantoroDlConvert : public QObject, public ToolHarness
{
    Q_OBJECT

    QString clip;     // 640x360 (16:9), 5 s, with sound
    QString square;   // 320x240 (4:3), 1 s, with sound
    QString longClip; // 640x360, 30 s, for stopping half-way

    static QStringList streamsOf(const QString &path)
    {
        QStringList kinds;
        for (const QJsonValue &v : probe(path).value("streams").toArray())
            kinds << v.toObject().value("codec_type").toString();
        return kinds;
    }

private Q_SLOTS:
    void initTestCase()
    {
        testutil::enterTestMode();
        QVERIFY(QFileInfo(tool()).isExecutable());
        QVERIFY(QFileInfo(preset("MP3")).isFile());
        clip = work.path() + "/clip.mp4";
        square = work.path() + "/square.mp4";
        longClip = work.path() + "/long.mp4";
        QVERIFY(testutil::makeClip(clip, 5));
        QVERIFY(testutil::makeClip(square, 1, "320x240"));
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=640x360:rate=25", "-t",
                                     "30", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt",
                                     "yuv420p", longClip}));
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
        const QJsonObject f = r.finished();
        QCOMPARE(f.value("ret_code").toString(), QString("0"));
        QCOMPARE(f.value("filepath").toString(), dir + "/clip.mp3");
        QCOMPARE(f.value("filetype").toString(), QString("MP3"));
        QCOMPARE(f.value("duration").toString(), QString("5"));
        QCOMPARE(f.value("filesize").toString().toLongLong(), QFileInfo(dir + "/clip.mp3").size());
        const QJsonArray streams = probe(dir + "/clip.mp3").value("streams").toArray();
        QCOMPARE(streams.size(), 1);
        QCOMPARE(streams.at(0).toObject().value("codec_name").toString(), QString("mp3"));
        QVERIFY(qAbs(streams.at(0).toObject().value("bit_rate").toString().toInt() - 128000) <
                8000);
        QVERIFY(QFileInfo::exists(clip)); // the input is left alone
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"clip.mp3"});
    }

    void resolutionMeansLines_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("resolution");
        QTest::addColumn<QString>("expected");
        QTest::newRow("16:9 at 480P") << "clip"
                                      << "MP4"
                                      << "720x480"
                                      << "854x480";
        QTest::newRow("4:3 at 480P") << "square"
                                     << "MP4"
                                     << "720x480"
                                     << "640x480";
        QTest::newRow("16:9 at 240P") << "clip"
                                      << "MKV"
                                      << "320x240"
                                      << "426x240";
        QTest::newRow("origin") << "clip"
                                << "MKV"
                                << "origin"
                                << "640x360";
        QTest::newRow("no resolution") << "square"
                                       << "MP4"
                                       << ""
                                       << "320x240";
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
        QCOMPARE(streamsOf(file), QStringList{"video"}); // muted
    }

    // The application hands over the probe it has: the tool then starts no ffprobe of its own.
    void aProbeHandedOverIsNotRepeated()
    {
        const QString folder = work.path() + "/programs";
        QDir().mkpath(folder);
        QFile::link("/usr/bin/ffmpeg", folder + "/ffmpeg");
        testutil::writeFile(folder + "/ffprobe",
                            "#!/bin/sh\necho run >> \"$(dirname \"$0\")/probes\"\n"
                            "exec /usr/bin/ffprobe \"$@\"\n");
        QFile::setPermissions(folder + "/ffprobe",
                              QFile::permissions(folder + "/ffprobe") | QFileDevice::ExeOwner);
        const QByteArray probe = QJsonDocument(ToolHarness::probe(clip)).toJson();
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

    void aSecondConversionGetsAFreeName()
    {
        const QString dir = newJobDir();
        const QString params = writeParams(convertParams(clip, "MKV", dir));
        QCOMPARE(run(params).finished().value("filepath").toString(), dir + "/clip.mkv");
        QCOMPARE(run(params).finished().value("filepath").toString(), dir + "/clip(1).mkv");
    }

    void aStoppedConversionLeavesNoFile_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }
    void aStoppedConversionLeavesNoFile()
    {
        QFETCH(int, signal);
        const QString dir = newJobDir();
        const qint64 size = QFileInfo(longClip).size();
        bool stopped = false;
        QList<qint64> below;
        const ToolRun r =
            run(writeParams(convertParams(longClip, "MP4", dir,
                                          {{"video", QJsonObject{{"resolution", "1280x720"}}}})),
                60000, [&](QProcess &p, const ToolRun &sofar) {
                    const QList<QJsonObject> progress = sofar.ofType("converting");
                    if (stopped || progress.isEmpty() ||
                        progress.last().value("progress").toString().toDouble() < 0.2)
                        return;
                    stopped = true;
                    below = descendants(p.processId());
                    ::kill(pid_t(p.processId()), signal);
                });
        QVERIFY2(stopped, r.describe().constData());
        QCOMPARE(r.exitCode, 7);
        QCOMPARE(r.finished().value("ret_code").toString(), QString("7"));
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QFileInfo(longClip).size(), size);
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(below.cbegin(), below.cend(), processGone), 5000);
    }

    void aFullFolderFailsClearly()
    {
        const QString mounted = work.path() + "/tiny";
        QDir().mkpath(mounted);
        QProcess mount;
        mount.start("mount", {"-t", "tmpfs", "-o", "size=48k", "tmpfs", mounted});
        if (!mount.waitForFinished() || mount.exitCode() != 0)
            QSKIP("cannot mount a small file system here");
        const qint64 size = QFileInfo(longClip).size();
        QVERIFY(size > 200 * 1024);
        const ToolRun r = run(writeParams(convertParams(longClip, "MKV", mounted)));
        const QStringList left = QDir(mounted).entryList(QDir::Files | QDir::Hidden);
        QProcess::execute("umount", {mounted});
        QCOMPARE(r.exitCode, 6);
        QCOMPARE(r.finished().value("ret_code").toString(), QString("6"));
        const QString error = r.finished().value("error").toString();
        QVERIFY2(error.contains("No space left on device") && error.contains(mounted),
                 qPrintable(error));
        QCOMPARE(left, QStringList());
        QCOMPARE(QFileInfo(longClip).size(), size);
    }

    void theParameterFileIsChecked_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("save_path not a string")
            << QByteArray("{\"downloader\": {\"url\": \"http://127.0.0.1:9/a.mp4\", "
                          "\"save_path\": true}}")
            << 2 << "\"save_path\" must be a string";
        QTest::newRow("url a number")
            << QByteArray("{\"downloader\": {\"url\": 5, \"save_path\": \"/tmp/x\"}}") << 2
            << "\"url\" must be a string";
        QTest::newRow("downloader not an object")
            << QByteArray("{\"downloader\": \"x\"}") << 2 << "\"downloader\" must be an object";
        QTest::newRow("converter input a list")
            << QByteArray("{\"converter\": {\"input\": [], \"preset\": \"p\", \"save_path\": "
                          "\"/tmp/x\"}}")
            << 2 << "\"input\" must be a string";
        QTest::newRow("nothing to do") << QByteArray("{}") << 2 << "asks for nothing";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << 3 << "not a JSON object";
        QTest::newRow("larger than 1 MiB")
            << "{\"x\": \"" + QByteArray(1024 * 1024, 'a') + "\"}" << 3 << "larger than 1 MiB";
    }
    void theParameterFileIsChecked()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, code);
        QFETCH(QString, reason);
        const ToolRun r = run(writeRaw(content));
        QCOMPARE(r.exitCode, code);
        QCOMPARE(r.finished().value("ret_code").toString(), QString::number(code));
        QVERIFY2(r.finished().value("error").toString().contains(reason), r.describe().constData());
        QVERIFY(!QFileInfo::exists("/tmp/x/true"));
    }

    void ffmpegMissing()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", work.path() + "/empty-path");
        QJsonObject params = convertParams(clip, "MP3", newJobDir());
        params.insert("ffmpeg_location", work.path() + "/no-ffmpeg-here");
        const ToolRun r = run(writeParams(params), 60000, nullptr, env);
        QCOMPARE(r.exitCode, 4);
        QCOMPARE(r.finished().value("error").toString(), QString("ffmpeg not found"));
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
            const ToolRun r =
                run(writeParams(convertParams(input, QFileInfo(name).completeBaseName(), dir,
                                              {{"video", QJsonObject{{"resolution", "origin"}}},
                                               {"audio", QJsonObject{{"bit_rate", "origin"}}}})));
            QVERIFY2(r.exitCode == 0, qPrintable(name + "\n" + r.describe().constData()));
            QVERIFY2(probe(r.finished().value("filepath").toString()).contains("format"),
                     qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestVantoroDlConvert)
#include "tst_vantorodl_convert.moc"
