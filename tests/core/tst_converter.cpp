// The converter's data: what ffprobe's description becomes, the record and the list files, and
// the road from a format choice to the tool's parameter file.
#include "core/converter/convertinfo.h"
#include "core/converter/convertlistfile.h"
#include "core/converter/convmediainfo.h"
#include "core/converter/loadfileoperator.h"
#include "core/foundation/listfile.h"
#include "core/protocol/toolline.h"
#include "helpers/fixture.h"

#include <QDataStream>

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
private Q_SLOTS:
    void initTestCase() { fixture::testMode(); }

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
        QJsonObject c = root.value("converter").toObject();
        QCOMPARE(c.value("isNeedConvert"), QJsonValue("true"));
        QVERIFY(!root.value("ffmpeg_location").toString().isEmpty());
        // What the application already probed goes with the job, so the tool looks no more.
        c = convertparams::build(video, "/in/a.mov", "/w", R"({"streams":[]})", 12.5)
                .value("converter")
                .toObject();
        QCOMPARE(c.value("probe").toString(), QStringLiteral(R"({"streams":[]})"));
        QCOMPARE(c.value("duration").toString().toDouble(), 12.5);

        ConvertInfo audio;
        audio.formatName = "MP3";
        audio.audioBitRate = "64Kb/s";
        audio.isVideo = 0;
        c = convertparams::build(audio, "/in/a.wav", "/w").value("converter").toObject();
        QVERIFY(!c.contains("video"));
        QCOMPARE(c.value("audio").toObject().value("bit_rate").toString(), QStringLiteral("64K"));
        QVERIFY(c.value("preset").toString().endsWith("/OneClickedType/MP3.json"));
        audio.audioBitRate = "Origin";
        c = convertparams::build(audio, "/in/a.wav", "/w").value("converter").toObject();
        QCOMPARE(c.value("audio").toObject().value("bit_rate").toString(),
                 QStringLiteral("origin"));
        QCOMPARE(audio.audioBitRate, QStringLiteral("Origin"));
    }
};

QTEST_GUILESS_MAIN(TestConverter)
#include "tst_converter.moc"
