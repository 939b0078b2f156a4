#include "helpers/fixture.h"

class TestPreferences : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fixture::testMode(); }

    void init()
    {
        QSettings stored = testutil::storedSettings();
        stored.clear();
        stored.sync();
    }

    void firstStartSeedsEveryDefaultAndTwin()
    {
        seedPreferences();
        QSettings stored = testutil::storedSettings();
        // The defaults no other case reaches (the rest show in the behaviour they set).
        // Keys without a default stay absent.
        COMPARE_FIELDS(
            stored, "kPlaylist_OrderMode=Newest first", "kDownload_ResumeOnStartup=false",
            "kDownload_CheckCertificate=true",
            "kLocation_DownloadDir=" + QDir::cleanPath(QDir::homePath() + "/Clipmoor/Download"),
            "kLocation_ConvertDir=" + QDir::cleanPath(QDir::homePath() + "/Clipmoor/Converted"),
            "kProxy_Setting_Http", "kSpeedLimited");

        int seeded = 0;
        for (const QString &key : stored.allKeys()) {
            if (key.endsWith("_Default"))
                continue;
            ++seeded;
            const QString twin = key + "_Default";
            QVERIFY2(stored.contains(twin), qPrintable(twin));
            QCOMPARE(stored.value(twin), stored.value(key));
        }
        QCOMPARE(seeded, 28);
    }

    // The converter's settings: seeded, read and written under their own keys.
    void conversionSettingsRoundTrip()
    {
        seedPreferences();
        Preferences *prefs = Preferences::instance();
        QCOMPARE((QVariantList{prefs->convertMediaType(), prefs->convertVideoFormat(),
                               prefs->convertVideoResolution(), prefs->convertVideoMuted(),
                               prefs->convertAudioFormat(), prefs->convertAudioBitRate()}),
                 (QVariantList{"Video", "MP4", "Origin", false, "MP3", "Origin"}));
        prefs->setConvertMediaType("Audio");
        prefs->setConvertVideoFormat("MKV");
        prefs->setConvertVideoResolution("1280x720");
        prefs->setConvertVideoMuted(true);
        prefs->setConvertAudioFormat("FLAC");
        prefs->setConvertAudioBitRate("192Kb/s");
        COMPARE_FIELDS(testutil::storedSettings(), "kConvert_MediaType=Audio",
                       "kConvert_VideoType=MKV", "kConvert_VideoResoulution=1280x720",
                       "kConvert_VideoIsMute=true", "kConvert_AudioType=FLAC",
                       "kConvert_AudioBitRate=192Kb/s");
    }

    void laterStartsKeepTheUsersValues()
    {
        seedPreferences();
        Preferences *prefs = Preferences::instance();
        prefs->setMaxDownloads(5);
        prefs->setDownloadMediaType("audio");
        testutil::storedSettings().setValue("kDownload_MaxTask_Default", 9); // a stale twin
        seedPreferences();
        QCOMPARE(prefs->maxDownloads(), 5);
        QCOMPARE(prefs->downloadMediaType(), QString("audio"));
        QCOMPARE(Preferences::seededDefaults()->maxDownloads(), 2);
        QCOMPARE(Preferences::seededDefaults()->downloadMediaType(), QString("video"));
        // The current folders fall back to the defaults.
        Preferences::instance()->setDownloadDir("/srv/media");
        QCOMPARE(downloadDir(), QString("/srv/media"));
        Preferences::instance()->setDownloadDir(QString());
        QCOMPARE(downloadDir(), Preferences::defaultDownloadDir());
        QCOMPARE(convertDir(), Preferences::defaultConvertDir());
    }

    // A settings file written by an earlier version is read key for key, and the getters write
    // the same keys back.
    void existingSettingsFilesAreRead()
    {
        {
            QSettings stored = testutil::storedSettings();
            stored.setValue("kDownload_VideoQuality", "720P");
            stored.setValue("kDownload_ReadCookie", false);
            stored.setValue("kProxy_Setting_Http", "10.1.1.1");
            stored.setValue("kOneClickedDownloadMode", "MP3");
            stored.setValue("kPlaylist_OrderMode", "Oldest first");
            stored.setValue("DlToolLocation", "/opt/tool");
        }
        Preferences *prefs = Preferences::instance();
        // Unseeded keys (the last two) read as their defaults.
        QCOMPARE(
            (QVariantList{prefs->videoQuality(), prefs->readCookies(), prefs->proxyHost(),
                          prefs->oneClickFormat(), prefs->playlistOrderMode(),
                          prefs->toolLocation(), prefs->audioQuality(), prefs->updateServer()}),
            (QVariantList{"720P", false, "10.1.1.1", "MP3", "Oldest first", "/opt/tool", "320Kb/s",
                          "https://update.clipmoor.app"}));

        prefs->setProxyPort("8080");
        prefs->setSkipCloseConfirmation(true);
        COMPARE_FIELDS(testutil::storedSettings(), "kProxy_Setting_Port=8080",
                       "popCloseWindowsConfirm=true");
    }

    // The language and the job counter are read on hot paths: the store is asked once, and the
    // counter is written once per turn of the event loop however many jobs were numbered.
    void hotValuesAreKeptAndWrittenOnce()
    {
        Preferences *prefs = Preferences::instance();
        prefs->setLanguage(8);
        testutil::storedSettings().setValue("language", 3);
        QCOMPARE(prefs->language(), 8);
        QCOMPARE(testutil::storedSettings().value("language").toInt(), 3);
        prefs->setLanguage(0);
        QCOMPARE(testutil::storedSettings().value("language").toInt(), 0);

        const int first = prefs->downloadCounter();
        for (int i = 1; i <= 500; ++i)
            prefs->setDownloadCounter(first + i);
        QCOMPARE(prefs->downloadCounter(), first + 500);
        QTRY_COMPARE_WITH_TIMEOUT(testutil::storedSettings().value("download_num").toInt(),
                                  first + 500, 5000);
    }

    void unreadableStoreIsSetAsideAndReseeded()
    {
        const QString file = Preferences::fileName();
        // Not an ini file at all: a key line with a broken section header and bytes that are no
        // text.
        testutil::writeFile(file, "[General\n\xff\xfe\x00\x01kDownload_MaxTask=\"7\n[\n=\n");
        seedPreferences();
        QSettings stored = testutil::storedSettings();
        QCOMPARE(stored.status(), QSettings::NoError);
        QCOMPARE(stored.value("kDownload_MaxTask_Default").toInt(), 2);
        QVERIFY(QFileInfo::exists(file + ".corrupt"));
        QVERIFY(QFile(file).size() > 0);
        QFile::remove(file + ".corrupt");
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
