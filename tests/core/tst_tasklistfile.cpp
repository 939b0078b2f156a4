#include "core/engine/listsaver.h"
#include "core/engine/tasklistfile.h"
#include "core/foundation/listfile.h"
#include "core/foundation/savehealth.h"
#include "helpers/diskfault.h"
#include "helpers/fixture.h"

#include <QDataStream>

namespace {
bool allWritten(const QVector<safesave::Outcome> &outcomes)
{
    return std::all_of(outcomes.begin(), outcomes.end(), [](const auto &o) { return o.ok(); });
}
tasklist::Records numbered(int count)
{
    tasklist::Records records;
    for (int n = 1; n <= count; ++n) {
        tasklist::Record r;
        r.url = QStringLiteral("https://v/%1").arg(n);
        r.workDir = QStringLiteral("/d/.temp/%1_x").arg(n);
        records << r;
    }
    return records;
}
} // namespace

class TestTaskListFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fixture::prepare(); }

    // A record as an older version wrote it reads into the typed record and is written back in
    // the same form: byte for byte with the options the application writes (keys this version
    // does not know included) and no tool lines; with the tool's lines as they came, an older
    // version reads every member it knew the same.
    void recordsReadTheSameBothWays()
    {
        using Map = QMap<QString, QString>;
        const QList<Map> maps = {
            {},
            {{"metadata", QString()}},
            {{"metadata", "{\"a\":1}"}},
            {{"media_type", "video"},
             {"isFromPlaylist", "true"},
             {"add_playlist_index", "false"},
             {"playlistOrderMode", "Oldest first"},
             {"SkipDownloaded", "true"},
             {"video_quality", "720P"}},
            {{"fromPlaylist", "x"}, {"k", QString(200, 'x')}},
            {{"zz", "1"}, {"media_type", "audio"}, {"A", ""}, {"metadata", ""}},
            // Read one after the other in one list: options a list repeats are kept once, and
            // these two are not the same (an empty text is written, a missing one is not).
            {{"media_type", "audio"}, {"video_quality", ""}},
            {{"media_type", "audio"}},
        };
        const QByteArray lines[] = {
            "{\"type\":\"sniff\",\"msg\":{\"duration\":\"642\",\"extractor\":\"generic\","
            "\"filepath\":\"/d/clip.mp4\",\"is_live\":\"false\",\"isHiddenThumb\":\"true\","
            "\"n\":7,\"playlist_count\":\"3\",\"thumbnail\":\"http://t/1.jpg\","
            "\"title\":\"Clip \\\"\\u00e9\\\"\"}}",
            "{\"type\":\"finished\",\"msg\":{\"duration\":\"642\",\"filepath\":\"/w/clip.mp4\","
            "\"filesize\":\"73400320\",\"filetype\":\"MP4\",\"ret_code\":\"0\",\"subtitle\":\"\","
            "\"subtitlePath\":\"/d/clip.en.srt\"}}",
            "{\"type\":\"downloading\",\"msg\":{\"downloaded\":\"73400320\",\"eta\":\"0\","
            "\"filesize\":\"73400320\",\"progress\":\"1.0000\",\"speed\":\"2.0MB/s\"}}"};
        const auto older = [](const Map &map, const QByteArray *payloads) {
            QByteArray bytes;
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << QStringLiteral("http://v/1") << qint32(6) << QVariant(payloads[0])
                << QVariant(payloads[1]) << QStringLiteral("/d/.temp/1_x") << map << QString()
                << QVariant(payloads[2]);
            return bytes;
        };
        const auto written = [](const JobRecord &job) {
            QByteArray bytes;
            QDataStream out(&bytes, QIODevice::WriteOnly);
            tasklist::writeRecord(out, job);
            return bytes;
        };
        const auto readWrite = [&written](const QByteArray &bytes, JobRecord *job) {
            QDataStream in(bytes);
            return tasklist::readRecord(in, job) ? written(*job) : QByteArray();
        };
        const QByteArray none[3];
        QByteArray list;
        QDataStream(&list, QIODevice::WriteOnly) << qint32(maps.size());
        for (const Map &map : maps)
            list += older(map, none);
        QDataStream listed(list);
        const tasklist::Records jobs = tasklist::read(listed.device());
        QCOMPARE(jobs.size(), maps.size());
        for (int i = 0; i < maps.size(); ++i) {
            QCOMPARE(written(jobs.at(i)), older(maps.at(i), none));
            QVERIFY(*jobs.at(i).options == DownloadOptions::fromMap(maps.at(i)));
            QCOMPARE(jobs.at(i).options->toMap().value("metadata").isNull(),
                     maps.at(i).value("metadata").isNull());
        }
        QVERIFY(DownloadOptions::fromMap({{"fromPlaylist", "x"}}).sendsUsageEvents() == false);

        JobRecord job;
        QDataStream in(readWrite(older({}, lines), &job));
        QCOMPARE(job.media.title.toString(), QString::fromUtf8("Clip \"\u00e9\""));
        QVERIFY(job.media.hiddenThumb && !job.media.live && job.media.playlistCount == 3);
        QCOMPARE(job.result.fileSize, qint64(73400320));
        QCOMPARE(job.progress->fraction, 1.0);
        QString text;
        qint32 state;
        QVariant stored[3];
        Map options;
        in >> text >> state >> stored[0] >> stored[1] >> text >> options >> text >> stored[2];
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(stored[0].toByteArray().contains("\"extractor\":\"generic\",\"n\":7"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(stored[i].userType(), int(QMetaType::QByteArray));
            const QJsonObject was = QJsonDocument::fromJson(lines[i]).object();
            const QJsonObject now = QJsonDocument::fromJson(stored[i].toByteArray()).object();
            QCOMPARE(now.value("type"), was.value("type"));
            const QJsonObject before = was.value("msg").toObject();
            const QJsonObject after = now.value("msg").toObject();
            for (auto it = before.begin(); it != before.end(); ++it) {
                const QString value = it.value().toString();
                const QString read = after.value(it.key()).toString();
                bool number = false;
                const double n = value.toDouble(&number);
                // A number may come back in its shortest form; "" and "false" may be left out.
                const bool same = read == value || (number && read.toDouble() == n) ||
                                  (read.isEmpty() && (value.isEmpty() || value == "false"));
                QVERIFY2(same, qPrintable(it.key() + ": " + value));
            }
        }
    }

    // The address and the folders come back as they went in, whatever they hold: null and empty
    // stay apart, text beyond ASCII, a NUL, leading byte order marks, a surrogate pair and a
    // surrogate without its other half (which UTF-8 cannot carry), and a long text included; the
    // job reads them the same.
    void textsOfEveryKindComeBackAsTheyWent()
    {
        const QChar lone[] = {QChar(0xD83D), QLatin1Char('x'), QChar(0xDE00)};
        const QStringList texts = {
            QString(),
            QString(""),
            QStringLiteral("https://v.example/watch?v=1"),
            QString::fromUtf8(
                "/home/\xc3\xa9l\xc3\xa8ve/\xe5\x8b\x95\xe7\x94\xbb/\xf0\x9f\x98\x80.png"),
            QString(lone, 3),
            QString(lone, 1) + QStringLiteral("/tail"),
            QStringLiteral("a") + QChar(0) + QStringLiteral("b"),
            QString(2, QChar(0xFEFF)) + QStringLiteral("title"), // byte order marks, leading
            QString(3000, QChar(0x4E00)),
            QString(0xFFFF, QLatin1Char('x')), // as long as a text can be with its size inline
        };
        for (const QString &text : texts) {
            QByteArray bytes;
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << text << qint32(6) << QVariant(QByteArray()) << QVariant(QByteArray()) << text
                << QMap<QString, QString>() << text << QVariant(QByteArray());
            JobRecord job;
            QDataStream in(bytes);
            QVERIFY(tasklist::readRecord(in, &job));
            QByteArray again;
            QDataStream write(&again, QIODevice::WriteOnly);
            tasklist::writeRecord(write, job);
            QCOMPARE(again, bytes);
            const SniffTask task(job);
            for (const QString &read : {task.url(), task.workDir(), task.thumbnailPath()}) {
                QCOMPARE(read, text);
                QCOMPARE(read.isNull(), text.isNull());
            }
        }
        // Folders that differ only where UTF-8 cannot follow are two jobs, not one.
        tasklist::Records earlier = numbered(1), later = numbered(1);
        earlier[0].workDir = QString(lone, 1);
        later[0].workDir = QString(lone + 2, 1);
        QCOMPARE(tasklist::dropDuplicates(earlier, &later), 0);
        later[0].workDir = QString(lone, 1);
        QCOMPARE(tasklist::dropDuplicates(earlier, &later), 1);
    }

    // A payload that is anything but a byte array is damage, and so is a record cut short (the
    // count claims more than there is): the records before it are kept, and nothing is allocated
    // or recursed on what the damaged record claims.
    void payloadsOfAnotherTypeAreDamage_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QByteArray list, nested, image;
        QDataStream(&list, QIODevice::WriteOnly)
            << quint32(QMetaType::QVariantList) << qint8(0) << quint32(0x7fffffff);
        {
            QDataStream out(&nested, QIODevice::WriteOnly);
            for (int i = 0; i < 100000; ++i)
                out << quint32(QMetaType::QVariantList) << qint8(0) << quint32(1);
        }
        QDataStream(&image, QIODevice::WriteOnly)
            << quint32(QMetaType::QImage) << qint8(0) << QByteArray("\x89PNG\r\n\x1a\n");
        QTest::newRow("list of 2^31 entries") << list;
        QTest::newRow("nested 100000 deep") << nested;
        QTest::newRow("image") << image;
        QTest::newRow("string") << QByteArray::fromHex("0000000a00ffffffff");
        QTest::newRow("cut short") << QByteArray();
    }
    void payloadsOfAnotherTypeAreDamage()
    {
        QFETCH(QByteArray, payload);
        JobRecord a, b;
        a.url = "https://v/1";
        a.media.present = true;
        a.media.title = "A";
        b.url = "https://v/2";
        QByteArray bytes = tasklist::serialize(tasklist::Records{a, b});
        QDataStream(&bytes, QIODevice::WriteOnly) << qint32(3); // one record more than written
        {
            QDataStream out(&bytes, QIODevice::Append);
            out << QStringLiteral("https://v/3") << qint32(6);
        }
        bytes += payload;
        QTemporaryDir dir;
        const QString path = dir.path() + "/done_list.dat";
        testutil::writeFile(path, bytes);
        tasklist::Records records;
        QVERIFY(tasklist::load(path, &records));
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0).media.title, a.media.title);
        QCOMPARE(records.at(1).url, QString("https://v/2"));
        QVERIFY(!QFileInfo::exists(path + ".tag"));
    }

    // Whatever moment a save of several lists is stopped at, a job moving between two lists is
    // on disk in at least one of them, and loading keeps it once.
    void aMovingJobIsAlwaysOnDisk()
    {
        QTemporaryDir dir;
        const QString done = dir.path() + "/done_list.dat", task = dir.path() + "/task_list.dat",
                      hidden = dir.path() + "/private_list.dat";
        tasklist::Records downloading = numbered(3), finished, privates;
        tasklist::JobListWriter writer;
        using tasklist::share;
        QVERIFY(allWritten(writer.write(
            {{done, share(finished)}, {hidden, share(privates)}, {task, share(downloading)}})));
        // Every move the application makes: finish, hide, unhide, and two at once.
        const QList<std::function<void()>> moves = {
            [&] { finished.prepend(downloading.takeFirst()); },
            [&] { privates.append(finished.takeFirst()); },
            [&] { finished.append(privates.takeFirst()); },
            [&] {
                finished.prepend(downloading.takeFirst());
                privates.append(finished.takeLast());
            },
        };
        for (const auto &move : moves) {
            move();
            const QList<QPair<QString, tasklist::SharedRecords>> lists{
                {done, share(finished)}, {hidden, share(privates)}, {task, share(downloading)}};
            // After each file written, as if the save were killed there: what is on disk.
            int writes = 0;
            auto onDisk = [&] {
                tasklist::Records d = tasklist::load(done), p = tasklist::load(hidden),
                                  t = tasklist::load(task);
                tasklist::dropDuplicates(p, &d);
                tasklist::dropDuplicates(d, &t);
                tasklist::dropDuplicates(p, &t);
                QSet<QString> seen;
                for (const auto *list : {&d, &p, &t})
                    for (const tasklist::Record &r : *list) {
                        QVERIFY2(!seen.contains(r.workDir), qPrintable(r.workDir));
                        seen.insert(r.workDir);
                    }
                QCOMPARE(seen.size(), 3);
            };
            // The disk full at any byte of the save: the files keep every job too, and so does
            // the next save once there is room again.
            for (qint64 at = 0; at < 400; at += 23) {
                tasklist::JobListWriter full = writer;
                {
                    diskfault::Full disk(at);
                    full.write(lists);
                }
                onDisk();
                full.afterEachFile = onDisk;
                QVERIFY(allWritten(full.write(lists)));
            }
            tasklist::JobListWriter probe = writer;
            probe.afterEachFile = [&] {
                ++writes;
                onDisk();
            };
            QVERIFY(allWritten(probe.write(lists)));
            QVERIFY(writes >= 3);
            writer = probe;
            writer.afterEachFile = nullptr;
        }
    }

    // A save that fails leaves the list as it was and says why in the system's words: a disk
    // full at any byte (injected, and a real small tmpfs when running as root), a read-only
    // folder, a vanished one.
    void aFailedSaveKeepsTheOldList()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/done_list.dat";
        QVERIFY(tasklist::save(path, numbered(2)));
        const tasklist::Records more = numbered(40);
        const qint64 size = tasklist::serialize(more).size();
        for (qint64 at : {qint64(0), qint64(1), size / 2, size - 1}) {
            diskfault::Full full(at);
            const safesave::Outcome o = tasklist::save(path, more);
            QCOMPARE(o.failure, safesave::Failure::NoSpace);
            QCOMPARE(o.errorText(), QStringLiteral("No space left on device"));
            QCOMPARE(tasklist::load(path).size(), 2);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"done_list.dat"});
        // The check before a download or a conversion: a folder not made yet is judged by its
        // disk; more than the disk holds is refused with the reason.
        QCOMPARE(safesave::roomFor(dir.path() + "/not/yet", 0), QString());
        QVERIFY(safesave::roomFor(dir.path(), qint64(1) << 60).startsWith("Not enough free space"));

        QCOMPARE(tasklist::saveHistory(dir.path() + "/gone/history_list.dat", {"a"}).failure,
                 safesave::Failure::Missing);
        diskfault::ReadOnlyFolder readOnly;
        if (readOnly.ok())
            QCOMPARE(tasklist::save(readOnly.path() + "/task_list.dat", more).failure,
                     safesave::Failure::NotWritable);
        else
            qInfo("read-only folder skipped: %s", qPrintable(readOnly.skipReason()));

        diskfault::SmallDisk disk(64 * 1024);
        if (!disk.ok())
            QSKIP(qPrintable(QStringLiteral("no tmpfs: ") + disk.skipReason()));
        const QString small = disk.path() + "/done_list.dat";
        QVERIFY(tasklist::save(small, numbered(2)));
        disk.fill();
        const safesave::Outcome o = tasklist::save(small, numbered(400));
        QCOMPARE(o.failure, safesave::Failure::NoSpace);
        QCOMPARE(tasklist::load(small).size(), 2);
    }

    // The lists in memory count while the disk is full: the user is told, the save is tried
    // again with back-off (on the injected clock) and, once it works, the notice goes. A restart
    // in between finds the last list that was written whole.
    void aFailedSaveIsRetriedAndTheUserToldUntilItWorks()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/done_list.dat";
        tasklist::SharedRecords jobs = tasklist::share(numbered(1));
        int snapshots = 0;
        ListSaver::intervalMs = 0;
        ListSaver saver([&] {
            ++snapshots;
            ListSaver::Snapshot s;
            s.jobLists = {{path, jobs}};
            return s;
        });
        SaveHealth *health = SaveHealth::instance();
        qint64 now = 0;
        health->setClock([&now] { return now; });
        QSignalSpy notices(health, &SaveHealth::noticeChanged);
        QVERIFY(saver.saveNow());
        jobs = tasklist::share(numbered(3));
        {
            diskfault::Full full(5);
            QVERIFY(!saver.saveNow());
            QCOMPARE(health->notice(),
                     QStringLiteral("Clipmoor cannot save its lists: no space left on %1")
                         .arg(QDir::toNativeSeparators(dir.path())));
            QCOMPARE(tasklist::load(path).size(), 1); // what a restart now reads
            const int before = snapshots;
            now += SaveHealth::backOffMs(0) - 1;
            health->tick();
            QCOMPARE(snapshots, before); // not due yet
            now += 1;
            health->tick();
            QTRY_COMPARE(snapshots, before + 1); // tried again, and failed again
            QTRY_VERIFY(saver.isIdle());
            QVERIFY(health->failing());
            now += SaveHealth::backOffMs(1) - 1; // the wait has doubled
            health->tick();
            QCOMPARE(snapshots, before + 1);
        }
        now += 1;
        health->tick();
        QTRY_VERIFY(!health->failing());
        QCOMPARE(notices.last().at(0).toString(), QString());
        QCOMPARE(tasklist::load(path).size(), 3);
        health->setClock({});
    }

    void historyRoundTripAndDamage()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/history_list.dat";
        const QStringList history{"https://a/1", "", "https://b/2?x=ü"};
        QVERIFY(tasklist::saveHistory(path, history));
        QCOMPARE(tasklist::loadHistory(path), history);
        // Lists are readable by the user only.
        DownloadOptions options;
        options.metadata = QStringLiteral("c2Vzc2lvbg==");
        SniffTask task("https://v/1", options);
        QVERIFY(tasklist::save(dir.path() + "/task_list.dat", {&task}));
        for (const char *name : {"/task_list.dat", "/history_list.dat"})
            QCOMPARE(QFile(dir.path() + name).permissions() & 0x0077, QFile::Permissions());
        QFile f(path);
        QVERIFY(f.resize(f.size() - 3));
        QCOMPARE(tasklist::loadHistory(path), QStringList()); // damaged: emptied
        QCOMPARE(tasklist::loadHistory(dir.path() + "/missing.dat"), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestTaskListFile)
#include "tst_tasklistfile.moc"
