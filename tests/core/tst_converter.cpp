// The converter: what ffprobe's description becomes, the record and the list files, and the
// road from a format choice to the tool's parameter file; and behind its pages, inspecting files
// with the real ffprobe and ffmpeg, the limit and order of conversions (against the scripted
// tool), stopping, failures and the records.
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertinfo.h"
#include "core/converter/convertlistfile.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/converter/framegrabber.h"
#include "core/converter/loadfileoperator.h"
#include "core/foundation/globals.h"
#include "core/foundation/listfile.h"
#include "core/protocol/toolline.h"
#include "core/provision/dltoolmanager.h"
#include "helpers/fixture.h"

#include <QDataStream>
#include <QLockFile>
#include <QThread>

#include <unistd.h>

namespace {

QByteArray probeJson(const QJsonArray &streams, const QJsonObject &format)
{
    return QJsonDocument(QJsonObject{{"streams", streams}, {"format", format}}).toJson();
}

QJsonObject stream(const char *type, const char *codec, int w = 0, int h = 0)
{
    QJsonObject s{{"codec_type", type}, {"codec_name", codec}};
    if (w)
        s.insert("width", w);
    if (h)
        s.insert("height", h);
    return s;
}

ConvMediaInfo sample(int n)
{
    ConvMediaInfo info;
    info.sourcePath = QStringLiteral("/media/source %1 ü.mkv").arg(n);
    info.outputPath = n % 2 ? QString() : QStringLiteral("/out/clip%1.mp4").arg(n);
    info.thumbnailPath = QStringLiteral("/thumbs/%1.png").arg(n);
    info.fileSize = 5LL * 1024 * 1024 * 1024 + n;
    info.duration = 12.5 + n;
    info.bitRate = 192000;
    info.width = 1920;
    info.height = 1080;
    info.mediaType = ConvMediaInfo::Video;
    return info;
}

} // namespace

class TestConverter : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> work;
    ConvertManager *manager = nullptr;
    ConvertDataManager *data = nullptr;

    QString file(const QString &name, const QByteArray &content = "x")
    {
        return testutil::writeFile(work->filePath(name), content);
    }
    ConvertTask *task(const QString &sourcePath, const QString &format = "MP4")
    {
        ConvMediaInfo info;
        info.sourcePath = sourcePath;
        info.mediaType = ConvMediaInfo::Video;
        ConvertTask *t = data->addTaskFor(info);
        ConvertInfo params;
        params.formatName = format;
        params.resolution = "720P";
        t->setParams(params);
        return t;
    }
    QList<ConvertTask *> running() const
    {
        QList<ConvertTask *> list;
        for (ConvertTask *t : data->convertingTaskList())
            if (t->state() == ConvertTask::Converting)
                list << t;
        return list;
    }
    QString convertFolder() const { return work->filePath("Converted"); }

    // Fake ffprobe and ffmpeg first on PATH (restored by the caller from the returned value):
    // every program notes how many of them run as it starts; ffmpeg waits for "go".
    QByteArray fakeInspectionTools(const QString &bin)
    {
        QDir().mkpath(bin);
        const QByteArray count = "d=$(dirname \"$0\"); touch \"$d/run.$$\"; "
                                 "ls \"$d\" | grep -c '^run\\.' >> \"$d/counts\"\n";
        const QByteArray probe = R"({"streams":[{"codec_type":"video","codec_name":"h264",)"
                                 R"("width":64,"height":48}],"format":{"duration":"1"}})";
        testutil::writeFile(bin + "/ffprobe", "#!/bin/sh\n" + count + "printf '" + probe +
                                                  "'\nrm -f \"$d/run.$$\"\n");
        testutil::writeFile(
            bin + "/ffmpeg",
            "#!/bin/sh\n" + count +
                "while [ ! -e \"$d/go\" ]; do sleep 0.05; done\n"
                "for last; do :; done; printf x > \"$last\"; rm -f \"$d/run.$$\"\n");
        for (const char *name : {"/ffprobe", "/ffmpeg"})
            QFile::setPermissions(bin + name, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
        return path;
    }
    int runningTools(const QString &bin)
    {
        return QDir(bin).entryList({"run.*"}, QDir::Files | QDir::System).size();
    }
    int startedTools(const QString &bin) { return testutil::readFile(bin + "/counts").count('\n'); }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        Preferences *prefs = Preferences::instance();
        prefs->setMaxConversions(0); // below 1: the seeded default (2) is used
        QVERIFY(DlToolManager::instance()->isAvailable());
        manager = ConvertManager::instance();
        data = ConvertDataManager::instance();
        data->loadAll();
        QCOMPARE(manager->maxTaskCount(), 2);
    }
    void init()
    {
        work = std::make_unique<QTemporaryDir>();
        Preferences::instance()->setConvertDir(convertFolder());
        QDir().mkpath(convertFolder());
    }
    void cleanup()
    {
        // Tasks go the way the page deletes them: their runs end with them.
        const QList<ConvertTask *> tasks = data->convertingTaskList();
        manager->stopAll();
        data->removeTasks(tasks);
        qDeleteAll(tasks);
        data->removeConvertedItems(data->convertedItemList(), false);
    }

    void probeParse_data()
    {
        const QJsonObject format{
            {"duration", "61.250000"}, {"bit_rate", "1500000"}, {"size", "6000000000"}};
        const QVariantList none{2, 0, 0, 0.0, Q_INT64_C(0), 0};
        // The facts: type, width, height, duration, size, bit rate.
        testutil::addRows<QByteArray, QVariantList>(
            {"json", "facts"},
            {{"video with mjpeg cover",
              probeJson({stream("video", "h264", 1280, 720), stream("audio", "aac"),
                         stream("video", "mjpeg", 600, 600)},
                        format),
              {1, 1280, 720, 61.25, Q_INT64_C(6000000000), 1500000}},
             {"audio with png cover",
              probeJson({stream("audio", "mp3"), stream("video", "png", 500, 500)}, format),
              {0, 0, 0, 61.25, Q_INT64_C(6000000000), 1500000}},
             {"no streams", probeJson({}, format), none},
             {"only a data stream", probeJson({stream("data", "bin_data")}, format), none},
             {"missing duration",
              probeJson({stream("audio", "pcm_s16le")}, {{"size", "4096"}}),
              {0, 0, 0, 0.0, Q_INT64_C(4096), 0}},
             {"not json", "Invalid data found when processing input", none},
             {"streams not an array", "{\"streams\": {\"codec_type\": \"video\"}}", none},
             {"values of the wrong kind",
              probeJson({stream("video", "vp9", -5, 10)},
                        {{"duration", "nan"}, {"bit_rate", "9999999999999"}, {"size", "-3"}}),
              {1, 0, 10, 0.0, Q_INT64_C(0), 0}}});
    }
    void probeParse()
    {
        QFETCH(QByteArray, json);
        const ConvMediaInfo i = probe::parse(json, QStringLiteral("/m/a.mp4")).info;
        QCOMPARE(i.sourcePath, QStringLiteral("/m/a.mp4"));
        QTEST((QVariantList{i.mediaType, i.width, i.height, i.duration, i.fileSize, i.bitRate}),
              "facts");
    }

    void thumbnailCommand()
    {
        // Named by the whole path, size and time: files of one name in two folders differ, and
        // a file written again gets a new picture.
        QTemporaryDir dir;
        const auto write = &testutil::writeFile;
        write(dir.path() + "/a/clip.mp4", "x");
        write(dir.path() + "/b/clip.mp4", "x");
        const QString a = cachedThumbnailPath(dir.path() + "/a/clip.mp4");
        QVERIFY(a.startsWith(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)));
        QVERIFY(a.endsWith(".png"));
        QVERIFY(a != cachedThumbnailPath(dir.path() + "/b/clip.mp4"));
        write(dir.path() + "/a/clip.mp4", "longer");
        QVERIFY(a != cachedThumbnailPath(dir.path() + "/a/clip.mp4"));
        QVERIFY(cachedThumbnailPath(dir.path() + "/none.mp4").isEmpty());
        QCOMPARE(probe::thumbnailArguments("in.mp4", "t.png", true),
                 QStringList({"-nostdin", "-v", "error", "-ss", "1", "-i", "in.mp4", "-vframes",
                              "1", "-vf", "scale=200:120", "-y", "t.png"}));
        QCOMPARE(probe::thumbnailArguments("in.mp3", "t.png", false).mid(3, 2),
                 QStringList({"-i", "in.mp3"}));
    }

    void listFileRoundTripKeepsRecordsBeforeDamage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Converted_list.dat");
        QList<ConvMediaInfo> records;
        for (int i = 0; i < 5; ++i)
            records << sample(i);
        QList<const ConvMediaInfo *> pointers;
        for (const ConvMediaInfo &r : records)
            pointers << &r;
        QVERIFY(convertlist::save(path, pointers));
        QVERIFY(convertlist::load(path) == records); // sizes past 4 GiB included
        QVERIFY(!QFile::exists(path + ".tag"));
        // The field order on disk: outputPath first, sourcePath second.
        QDataStream peek(convertlist::serialize({&records[1]}).mid(4));
        QString first, second;
        peek >> first >> second;
        QVERIFY(first.isNull());
        QCOMPARE(second, sample(1).sourcePath);

        // Cut inside the fourth record: the three before it survive.
        const QByteArray whole = convertlist::serialize(pointers);
        const QByteArray threeRecords = convertlist::serialize(pointers.mid(0, 3)).mid(4);
        testutil::writeFile(path, whole.left(4 + threeRecords.size() + 30));
        const QList<ConvMediaInfo> loaded = convertlist::load(path);
        QCOMPARE(loaded.size(), 3);
        QVERIFY(loaded.at(2) == sample(2));
    }

    void listFileRefusesWhatCannotBe()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ConvertingTask_list.dat");
        // A record count of a billion and a string that claims 2 GiB: nothing is allocated for
        // either, and reading stops at once.
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(1000000000) << quint32(0x7FFFFFF0u);
        bytes.append(QByteArray(64, 'a'));
        testutil::writeFile(path, bytes);
        QVERIFY(convertlist::load(path).isEmpty());

        // A media type that does not exist marks the record as damaged.
        ConvMediaInfo odd = sample(7);
        odd.mediaType = 9;
        QVERIFY(convertlist::save(path, {&odd}));
        QVERIFY(convertlist::load(path).isEmpty());

        // A read that never finished is not tried again: the file is set aside, whole, and so
        // is told to the user; a save's temporary left by a crash goes.
        QVERIFY(convertlist::save(path, {&odd}));
        const QByteArray saved = testutil::readFile(path);
        QFile(path + ".tag").open(QIODevice::WriteOnly);
        testutil::writeFile(path + ".Ab12Cd", "half a list");
        QVERIFY(convertlist::load(path).isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(path + ".tag"));
        QVERIFY(!QFile::exists(path + ".Ab12Cd"));
        QCOMPARE(testutil::readFile(path + ".crashed"), saved);
        QCOMPARE(listfile::takeSetAsideFiles(), QStringList{path + ".crashed"});
    }

    void displayTexts()
    {
        ConvMediaInfo info;
        QCOMPARE(info.displayName(), QStringLiteral("Unknown"));
        QCOMPARE(info.typeText(), QStringLiteral("Unknown"));
        info.sourcePath = "/x/song.flac";
        QCOMPARE(info.displayName(), QStringLiteral("song.flac"));
        info.outputPath = "/y/song.mp3";
        QCOMPARE(info.displayName(), QStringLiteral("song.mp3"));
        QCOMPARE(info.typeText(), QStringLiteral("MP3"));
        info.duration = 59.9;
        QCOMPARE(info.durationText(), QStringLiteral("00:59"));
        info.duration = 3600;
        QCOMPARE(info.durationText(), QStringLiteral("01:00:00"));
        info.duration = 0;
        QCOMPARE(info.durationText(), QStringLiteral("Unknown"));
        QCOMPARE(info.sizeText(), QStringLiteral("Unknown"));
        info.fileSize = 1048577;
        QCOMPARE(info.sizeText(), QStringLiteral("1.0MB"));
        info.mediaType = ConvMediaInfo::Audio;
        info.bitRate = 127999;
        QCOMPARE(info.qualityText(), QStringLiteral("127Kb/s"));
        info.bitRate = 0;
        QCOMPARE(info.qualityText(), QStringLiteral("Unknown"));
        info.mediaType = ConvMediaInfo::Video;
        info.width = 854;
        info.height = 480;
        QCOMPARE(info.qualityText(), QStringLiteral("854x480"));
    }

    void toolResult()
    {
        ConvMediaInfo info;
        info.setToolResult(
            protocol::parseLine("{\"type\":\"finished\",\"msg\":{\"duration\":\"12.5\","
                                "\"filesize\":\"5368709125\",\"quality\":\"192Kb/s\","
                                "\"resolution\":\"1920x1080x2\"}}")
                .result);
        QCOMPARE(
            (QVariantList{info.duration, info.fileSize, info.bitRate, info.width, info.height}),
            (QVariantList{12.5, Q_INT64_C(5368709125), 192000, 0, 0}));
        protocol::Result result;
        result.resolution = "1280x720";
        info.setToolResult(result);
        QCOMPARE(QSize(info.width, info.height), QSize(1280, 720));
    }

    void parameterFile()
    {
        COMPARE_MAPPED(convertparams::resolutionFor, "1080P -> 1920x1080", "Origin -> origin",
                       "2K -> 2560x1040", "4K -> 3840x2160", "999P -> ");
        ConvertInfo video;
        video.formatName = "iPhone/iPod";
        video.resolution = "720P";
        video.isMute = true;
        video.isVideo = 1;
        QJsonObject root = convertparams::build(video, "/in/a.mov", "/out/.temp/1_x");
        COMPARE_FIELDS(root, "converter/video/resolution=1280x720", "converter/audio/encoder=none",
                       "converter/input=/in/a.mov", "converter/save_path=/out/.temp/1_x",
                       "converter/preset=" + applicationDir() + "/OneClickedType/iPhone.json",
                       "log_path=" + logDir(), "converter/probe", "converter/duration");
        QCOMPARE(root.value("converter")["isNeedConvert"], QJsonValue("true"));
        QVERIFY(!root.value("ffmpeg_location").toString().isEmpty());
        // What the application already probed goes with the job, so the tool looks no more.
        QJsonObject c = convertparams::build(video, "/in/a.mov", "/w", R"({"streams":[]})", 12.5)
                            .value("converter")
                            .toObject();
        QCOMPARE(c.value("probe").toString(), QStringLiteral(R"({"streams":[]})"));
        QCOMPARE(c.value("duration").toString().toDouble(), 12.5);

        ConvertInfo audio;
        audio.formatName = "MP3";
        audio.audioBitRate = "64Kb/s";
        audio.isVideo = 0;
        c = convertparams::build(audio, "/in/a.wav", "/w").value("converter").toObject();
        COMPARE_FIELDS(c, "video", "audio/bit_rate=64K");
        QVERIFY(c.value("preset").toString().endsWith("/OneClickedType/MP3.json"));
        audio.audioBitRate = "Origin";
        COMPARE_FIELDS(convertparams::build(audio, "/in/a.wav", "/w"),
                       "converter/audio/bit_rate=origin");
        QCOMPARE(audio.audioBitRate, QStringLiteral("Origin"));
    }

    void inspectsGoodAndBadFiles()
    {
        const QString clip = work->filePath("clip one.mp4");
        const QString song = work->filePath("song.mp3");
        QVERIFY(testutil::makeClip(clip, 2));
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=300", "-t", "1", song}));
        const QString text = file("notes.mp4", "this is not a video\n");
        const QString locked = file("locked.mp4", "secret");
        QFile::setPermissions(locked, QFileDevice::Permissions());
        const QString empty = file("empty.mp4", "");
        const QString gone = work->filePath("vanished.mp4");

        QSignalSpy progress(manager, &ConvertManager::convertManagerLoadProgress);
        QSignalSpy start(manager, &ConvertManager::convertManagerLoadStart);
        QSignalSpy finished(manager, &ConvertManager::convertManagerLoadFinish);
        manager->loadFiles({clip, text, song, locked, empty, gone});
        QCOMPARE(start.count(), 1);
        QCOMPARE(progress.count(), 1); // the first file's progress comes before the start
        manager->loadFiles({song});    // refused while loading
        QVERIFY(finished.wait(60000));
        QCOMPARE(progress.count(), 6);
        QCOMPARE(progress.last().at(0).toInt(), 6);
        QCOMPARE(progress.last().at(2).toString(), QStringLiteral("vanished.mp4"));

        const auto loaded = finished.first().at(0).value<QList<ConvMediaInfo>>();
        const QStringList failed = finished.first().at(1).toStringList();
        const QStringList reasons = finished.first().at(2).toStringList();
        auto reasonOf = [&](const QString &path) {
            return reasons.value(failed.indexOf(path));
        };
        QCOMPARE(reasonOf(text), QStringLiteral("not a media file"));
        QCOMPARE(reasonOf(gone), QStringLiteral("cannot read"));
        QCOMPARE(reasonOf(empty), QStringLiteral("empty"));
        if (::geteuid() != 0) // permissions do not stop root
            QCOMPARE(reasonOf(locked), QStringLiteral("cannot read"));
        QCOMPARE(loaded.size() + failed.size(), 6);
        QCOMPARE(loaded.at(0).sourcePath, clip);
        QCOMPARE(loaded.at(0).mediaType, int(ConvMediaInfo::Video));
        QCOMPARE(loaded.at(0).width, 640);
        QVERIFY(qAbs(loaded.at(0).duration - 2.0) < 0.2);
        QCOMPARE(loaded.at(0).fileSize, QFileInfo(clip).size());
        QVERIFY(QFileInfo(loaded.at(0).thumbnailPath).size() > 0);
        // A 200x120 PNG (its header's width and height).
        QCOMPARE(testutil::readFile(loaded.at(0).thumbnailPath).mid(16, 8).toHex(),
                 QByteArray("000000c800000078"));
        // ffprobe's report stays with the source for the conversion tool.
        QVERIFY(loaded.at(0).probe.contains("\"streams\""));
        QCOMPARE(loaded.at(1).sourcePath, song);
        QCOMPARE(loaded.at(1).mediaType, int(ConvMediaInfo::Audio));
        QVERIFY(!manager->isLoading());

        // A downloaded file's picture is made on request, once, into the same cache.
        QFile::remove(loaded.at(0).thumbnailPath);
        FrameGrabber grabber;
        QSignalSpy ready(&grabber, &FrameGrabber::ready);
        QVERIFY(grabber.thumbnailFor(clip, true).isEmpty());
        QVERIFY(grabber.thumbnailFor(clip, true).isEmpty()); // asked once
        QVERIFY(grabber.thumbnailFor(text, true).isEmpty());
        QVERIFY(ready.wait(30000));
        QCOMPARE(ready.first().at(0).toString(), clip);
        QCOMPARE(grabber.thumbnailFor(clip, true), loaded.at(0).thumbnailPath);
        QVERIFY(QFileInfo(loaded.at(0).thumbnailPath).size() > 0);
        QTRY_VERIFY(!QFileInfo::exists(cachedThumbnailPath(text)));
    }

    void programThatCannotStartEndsTheInspection()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(work->path()));
        QSignalSpy finished(manager, &ConvertManager::convertManagerLoadFinish);
        manager->loadFiles({file("a.mp4"), file("b.mp4")});
        const bool ended = finished.wait(10000);
        qputenv("PATH", path);
        QVERIFY(ended);
        QCOMPARE(finished.first().at(1).toStringList().size(), 2);
    }

    // Each file is inspected by one program at a time and no more files than cores at once,
    // however long the pictures take; a freed slot takes the next file.
    void inspectionRunsOneProgramACore()
    {
        const QString bin = work->filePath("bin");
        const QByteArray path = fakeInspectionTools(bin);
        const int cores = qBound(1, QThread::idealThreadCount(), 8);
        QStringList files;
        for (int i = 0; i < cores + 3; ++i)
            files << file(QStringLiteral("slot%1.mp4").arg(i));
        QSignalSpy progress(manager, &ConvertManager::convertManagerLoadProgress);
        QSignalSpy finished(manager, &ConvertManager::convertManagerLoadFinish);
        manager->loadFiles(files);
        QTRY_COMPARE_WITH_TIMEOUT(runningTools(bin), cores, 20000);
        // Every slot holds a file whose picture is in the making: no further file has started.
        QCOMPARE(progress.count(), cores);
        file("bin/go");
        const bool ended = finished.wait(30000);
        qputenv("PATH", path);
        QVERIFY(ended);
        QCOMPARE(finished.first().at(0).value<QList<ConvMediaInfo>>().size(), files.size());
        for (const QByteArray &running : testutil::readFile(bin + "/counts").trimmed().split('\n'))
            QVERIFY2(running.toInt() <= cores, running.constData());
    }

    // A file already described when the loading stops is added once its picture is made.
    void stopLoadingKeepsDescribedFiles()
    {
        const QString bin = work->filePath("bin");
        const QByteArray path = fakeInspectionTools(bin);
        QSignalSpy finished(manager, &ConvertManager::convertManagerLoadFinish);
        manager->loadFiles({file("described.mp4")});
        QTRY_COMPARE_WITH_TIMEOUT(startedTools(bin), 2, 20000); // its picture is in the making
        manager->stopLoading();
        file("bin/go");
        const bool ended = finished.wait(30000);
        qputenv("PATH", path);
        QVERIFY(ended);
        QCOMPARE(finished.first().at(0).value<QList<ConvMediaInfo>>().size(), 1);
    }

    void stopLoadingEndsAfterTheCurrentFile()
    {
        QStringList files;
        for (int i = 0; i < 6; ++i)
            files << file(QStringLiteral("f%1.mp4").arg(i));
        QSignalSpy progress(manager, &ConvertManager::convertManagerLoadProgress);
        QSignalSpy finished(manager, &ConvertManager::convertManagerLoadFinish);
        manager->loadFiles(files);
        QVERIFY(progress.wait(10000)); // the second file is being inspected
        manager->stopLoading();
        QVERIFY(finished.wait(10000));
        QCOMPARE(progress.count(), 2);
        // The two files being inspected did not fail: the user stopped them.
        QCOMPARE(finished.first().at(1).toStringList(), QStringList());
    }

    // Work folders of conversions that ended without cleaning up (killed, failed, quit) go at
    // start and after each job; the folder of a run still going (its lock held) stays.
    void deadWorkFoldersAreRemoved()
    {
        const QString temp = convertTempDir(true);
        auto workFolder = [&](const QString &name) {
            QDir().mkpath(temp + name);
            testutil::writeFile(temp + name + "/param.json", "{}");
            testutil::writeFile(temp + name + "/.clip.converting.mp4", "");
            return temp + name;
        };
        const QString dead = workFolder("7_deadbeef"), alive = workFolder("8_alive123");
        const QString other = workFolder("notawork");
        QLockFile running(alive + "/.lock");
        running.setStaleLockTime(0);
        QVERIFY(running.tryLock(0));
        QCOMPARE(ConvertTask::removeDeadWorkFolders(temp), 1);
        QVERIFY(!QFileInfo::exists(dead));
        QVERIFY(QFileInfo::exists(alive));
        QVERIFY(QFileInfo::exists(other));
        running.unlock();
        QCOMPARE(ConvertTask::removeDeadWorkFolders(temp), 1);
        QDir(other).removeRecursively();
    }

    void limitAndQueueOrder()
    {
        QList<ConvertTask *> tasks;
        for (int i = 0; i < 5; ++i)
            tasks << task(file(QStringLiteral("t%1-wait.mp4").arg(i)));
        QSignalSpy done(manager, &ConvertManager::converterManagerTaskDidFinished);
        manager->startAll(tasks);
        QCOMPARE(running(), (QList<ConvertTask *>{tasks[0], tasks[1]}));
        for (int i = 2; i < 5; ++i)
            QCOMPARE(tasks[i]->state(), int(ConvertTask::Waiting));

        // A task stopped while waiting keeps its place but is never started.
        manager->stopTask(tasks[2]);
        QCOMPARE(tasks[2]->state(), int(ConvertTask::Idle));
        QVERIFY(manager->queuedTasks().contains(tasks[2]));

        file("t1-wait.mp4.go");
        QVERIFY(done.wait(20000));
        QCOMPARE(done.first().at(0).value<ConvertTask *>(), tasks[1]);
        QCOMPARE(done.first().at(1).toBool(), false);
        QCOMPARE(tasks[1]->state(), int(ConvertTask::Converted));
        QCOMPARE(running(), (QList<ConvertTask *>{tasks[0], tasks[3]}));
        QCOMPARE(tasks[2]->state(), int(ConvertTask::Idle));

        const ConvMediaInfo *result = tasks[1]->resultInfo();
        QCOMPARE(result->outputPath, convertFolder() + "/t1-wait.mp4");
        QCOMPARE(result->width, 1280);
        QCOMPARE(result->bitRate, 192000);
        QCOMPARE(result->sourcePath, tasks[1]->sourceInfo()->sourcePath);
        QVERIFY(!QFileInfo::exists(tasks[1]->workDir()));
        QVERIFY(QFileInfo::exists(tasks[1]->sourceInfo()->sourcePath));
        data->moveToConverted(tasks[1]);
        QCOMPARE(data->convertedItemList().first()->outputPath, result->outputPath);
        QCOMPARE(convertlist::load(convertedListPath()).first().outputPath, result->outputPath);
        QCOMPARE(convertlist::load(convertingListPath()).size(), 4);
    }

    void stopWhileConvertingLeavesNothing()
    {
        ConvertTask *t = task(file("long-wait.mp4"));
        QSignalSpy progress(manager, &ConvertManager::converterManagerTaskProgress);
        QSignalSpy done(manager, &ConvertManager::converterManagerTaskDidFinished);
        manager->startTask(t);
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && t->progress() >= 0.5, 10000);
        const QString workDir = t->workDir();
        QVERIFY(QFileInfo::exists(workDir));
        manager->stopTask(t);
        QCOMPARE(t->state(), int(ConvertTask::Idle));
        QVERIFY(!QFileInfo::exists(workDir));
        QVERIFY(done.wait(10000));
        QCOMPARE(done.first().at(1).toBool(), true);
        QVERIFY(QDir(convertFolder()).entryList(QDir::Files).isEmpty());
        QVERIFY(manager->runningTasks().isEmpty());
    }

    // Failures say why; files of the same name from two folders give two distinct files.
    void failuresSayWhyAndSameNamesGiveDistinctFiles()
    {
        ConvertTask *failing = task(file("will-fail.mp4"));
        ConvertTask *missing = task(work->filePath("never-there.mp4"));
        ConvertTask *a = task(file("one/clip.mp4"));
        ConvertTask *b = task(file("two/clip.mp4"));
        QVERIFY(!data->addTaskFor(*a->sourceInfo())); // the same file is listed once
        QSignalSpy done(manager, &ConvertManager::converterManagerTaskDidFinished);
        manager->startAll({failing, missing, a, b});
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 4, 10000);
        QStringList outputs{a->resultInfo()->outputPath, b->resultInfo()->outputPath};
        outputs.sort();
        QCOMPARE(outputs,
                 QStringList({convertFolder() + "/clip(1).mp4", convertFolder() + "/clip.mp4"}));
        QCOMPARE(failing->state(), int(ConvertTask::Failed));
        QVERIFY(failing->errorText().contains("scripted failure"));
        // A failed run leaves no work folder behind (the log keeps what the tool said).
        QVERIFY(!QFileInfo::exists(failing->workDir()));
        QCOMPARE(missing->state(), int(ConvertTask::Failed));
        QVERIFY(!missing->errorText().isEmpty());

        // A conversion folder that cannot be made (below a file): failed with the reason, the
        // source untouched.
        Preferences::instance()->setConvertDir(file("plain-file") + "/Converted");
        const QString source = file("blocked.mp4", "original bytes");
        ConvertTask *blocked = task(source);
        done.clear();
        manager->startTask(blocked);
        QVERIFY(done.wait(10000));
        QCOMPARE(blocked->state(), int(ConvertTask::Failed));
        QVERIFY(blocked->errorText().contains("plain-file"));
        QFile f(source);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("original bytes"));
    }

    // A download converted after it finished is one record, the engine's: the converted list
    // gets no copy of it (the converted page shows it through a filter).
    void aDownloadConvertedAfterwardsStaysTheEnginesRecord()
    {
        Preferences::instance()->setDownloadDir(work->filePath("Downloads"));
        SniffMgr downloads;
        QSignalSpy added(data, &ConvertDataManager::convertedFileDidAdd);
        QSignalSpy done(&downloads, &SniffMgr::mgrAddDownloadedTask);
        downloads.addTask(downloads.newTask("fake:ok", {}));
        downloads.addTask(downloads.newTask("fake:converted", {}));
        downloads.setMaxCount(1); // starts the queue
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 20000);
        QCOMPARE(added.count(), 0);
        const SniffTask *plain = downloads.doneList().last();
        const SniffTask *converted = downloads.doneList().first();
        QVERIFY(!plain->result().converted);
        QVERIFY(converted->result().converted);
        QCOMPARE(converted->filePath(), work->filePath("Downloads/clip(1).mp4"));
        QCOMPARE(converted->result().quality, QString("160Kb/s"));
    }
};

QTEST_GUILESS_MAIN(TestConverter)
#include "tst_converter.moc"
