#include "core/engine/snifftask.h"
#include "core/engine/tasklistfile.h"
#include "helpers/testutil.h"

#include <QDataStream>
#include <QRandomGenerator>
#include <QTemporaryDir>

class TestTaskListFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { testutil::enterTestMode(); }

    void killedWhileSavingLeavesAWholeList()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/done_list.dat";
        for (int round = 0; round < 12; ++round) {
            QProcess writer;
            writer.start(testutil::helperPath("listwriter"), {path});
            QByteArray seen;
            QVERIFY(testutil::waitForOutput(writer, "ready", &seen));
            QTest::qWait(20 + int(QRandomGenerator::global()->bounded(200)));
            writer.kill();
            QVERIFY(writer.waitForFinished());
            const tasklist::Records records = tasklist::load(path);
            QVERIFY2(records.size() == 100 || records.size() == 200 ||
                         (round == 0 && records.isEmpty()),
                     qPrintable(QString::number(records.size())));
            if (!records.isEmpty())
                QCOMPARE(records.last().url,
                         QStringLiteral("https://v/%1").arg(records.size() - 1));
        }
        // No half-written temporary files pile up beside the list.
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).size() <= 2);
    }

    // The options' list-file form: every map the application writes, and keys this version does
    // not know, come back from a record exactly as they went in.
    void optionMapsSurviveTheRecordUnchanged()
    {
        using Map = QMap<QString, QString>;
        const QList<Map> maps = {
            {},
            {{"media_type", "audio"}},
            {{"metadata", QString()}},
            {{"metadata", "{\"a\":1}"}},
            {{"media_type", "video"},
             {"isFromPlaylist", "true"},
             {"add_playlist_index", "false"},
             {"playlistOrderMode", "Oldest first"},
             {"SkipDownloaded", "true"},
             {"video_quality", "720P"}},
            {{"media_type", "audio"}, {"add_playlist_index", "true"}},
            {{"fromPlaylist", "x"}, {"k", QString(200, 'x')}},
            {{"zz", "1"}, {"media_type", "audio"}, {"A", ""}, {"metadata", ""}},
        };
        for (const Map &map : maps) {
            const DownloadOptions options = DownloadOptions::fromMap(map);
            SniffTask task("https://v/1", options, 1, "/tmp/");
            QByteArray bytes;
            {
                QDataStream out(&bytes, QIODevice::WriteOnly);
                tasklist::writeRecord(out, task);
            }
            // Byte for byte what the list file held when the options were a string map.
            QByteArray expected;
            {
                QDataStream out(&expected, QIODevice::WriteOnly);
                out << task.url() << qint32(task.state()) << QVariant(task.info())
                    << QVariant(task.finished()) << task.workDir() << map << task.thumbnailPath()
                    << QVariant(task.progress());
            }
            QCOMPARE(bytes, expected);
            QDataStream in(bytes);
            tasklist::Record record;
            QVERIFY(tasklist::readRecord(in, &record));
            QVERIFY(record.options == options);
            const QMap<QString, QString> again = record.options.toMap();
            QCOMPARE(again, map);
            QCOMPARE(again.value("metadata").isNull(), map.value("metadata").isNull());
        }
        QVERIFY(DownloadOptions::fromMap({{"fromPlaylist", "x"}}).sendsUsageEvents() == false);
        QVERIFY(DownloadOptions().sendsUsageEvents());
    }

    void unwritableFolderIsReportedNotFatal()
    {
        SniffTask task("https://v/1", {});
        QVERIFY(!tasklist::save("/proc/no-such-folder/list.dat", {&task}));
        QVERIFY(!tasklist::saveHistory("/proc/no-such-folder/history.dat", {"a"}));
    }

    void historyRoundTripAndDamage()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/history_list.dat";
        const QStringList history{"https://a/1", "", "https://b/2?x=ü"};
        QVERIFY(tasklist::saveHistory(path, history));
        QCOMPARE(tasklist::loadHistory(path), history);
        QFile f(path);
        QVERIFY(f.resize(f.size() - 3));
        QCOMPARE(tasklist::loadHistory(path), QStringList()); // damaged: emptied
        QCOMPARE(tasklist::loadHistory(dir.path() + "/missing.dat"), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestTaskListFile)
#include "tst_tasklistfile.moc"
