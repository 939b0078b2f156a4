#include "core/foundation/preferences.h"
#include "helpers/testutil.h"

#include <QFile>

class TestPreferences : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { testutil::enterTestMode(); }

    void init()
    {
        Preferences prefs;
        prefs.clear();
        prefs.sync();
    }

    void firstStartSeedsEveryDefaultAndTwin()
    {
        seedPreferences();
        Preferences prefs;
        QCOMPARE(prefs.value(kDownload_MaxTask).toInt(), 2);
        QCOMPARE(prefs.value(kDownload_MediaType).toString(), QString("video"));
        QCOMPARE(prefs.value(kDownload_AudioQuality).toString(), QString("320Kb/s"));
        QCOMPARE(prefs.value(kPlaylist_OrderMode).toString(), QString("Newest first"));
        QCOMPARE(prefs.value(kDownload_AutoDownSubtitle).toBool(), true);
        QCOMPARE(prefs.value(kDownload_ResumeOnStartup).toBool(), false);
        QCOMPARE(prefs.value(kLocation_DownloadDir).toString(),
                 QDir::cleanPath(QDir::homePath() + "/Clipmoor/Download"));
        QCOMPARE(prefs.value(kLocation_ConvertDir).toString(),
                 QDir::cleanPath(QDir::homePath() + "/Clipmoor/Converted"));
        QCOMPARE(prefs.value(kConvert_AudioBitRate).toString(), QString("Origin"));

        int seeded = 0;
        for (const QString &key : prefs.allKeys()) {
            if (key.endsWith("_Default"))
                continue;
            ++seeded;
            const QString twin = key + "_Default";
            QVERIFY2(prefs.contains(twin), qPrintable(twin));
            QCOMPARE(prefs.value(twin), prefs.value(key));
        }
        QCOMPARE(seeded, 27);
        // Keys without a default stay absent.
        QVERIFY(!prefs.contains(kProxy_Setting_Http));
        QVERIFY(!prefs.contains(kSpeedLimited));
    }

    void laterStartsKeepTheUsersValues()
    {
        seedPreferences();
        {
            Preferences prefs;
            prefs.setValue(kDownload_MaxTask, 5);
            prefs.setValue(kDownload_MediaType, "audio");
            prefs.setValue(kDownload_MaxTask + QString("_Default"), 9); // a stale twin
        }
        seedPreferences();
        Preferences prefs;
        QCOMPARE(prefs.value(kDownload_MaxTask).toInt(), 5);
        QCOMPARE(prefs.value(kDownload_MediaType).toString(), QString("audio"));
        QCOMPARE(prefs.value(kDownload_MaxTask + QString("_Default")).toInt(), 2);
    }

    void currentFoldersFallBackToTheDefaults()
    {
        QCOMPARE(downloadDir(), defaultDownloadDir());
        Preferences().setValue(kLocation_DownloadDir, "/srv/media");
        QCOMPARE(downloadDir(), QString("/srv/media"));
        QCOMPARE(convertDir(), defaultConvertDir());
    }

    void unreadableStoreIsSetAsideAndReseeded()
    {
        const QString file = Preferences().fileName();
        QDir().mkpath(QFileInfo(file).path());
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            // Not an ini file at all: a key line with a broken section header and bytes that
            // are no text.
            f.write("[General\n\xff\xfe\x00\x01kDownload_MaxTask=\"7\n[\n=\n");
        }
        seedPreferences();
        Preferences prefs;
        QCOMPARE(prefs.status(), QSettings::NoError);
        QCOMPARE(prefs.value(kDownload_MaxTask + QString("_Default")).toInt(), 2);
        QVERIFY(QFileInfo::exists(file + ".corrupt"));
        QVERIFY(QFile(file).size() > 0);
        QFile::remove(file + ".corrupt");
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
