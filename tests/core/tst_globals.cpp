// The foundation: the application's folders and files, its log, its preferences and the store
// they are kept in, and the rules for addresses, names and texts.
#include "core/foundation/addressrules.h"
#include "core/foundation/globals.h"
#include "helpers/fixture.h"

#include <QDateTime>

class TestGlobals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        fixture::testMode();
        QDir(logDir()).removeRecursively();
    }
    // Every case starts from an empty settings store.
    void init()
    {
        QSettings stored = testutil::storedSettings();
        stored.clear();
        stored.sync();
    }

    // The log comes first, before anything else writes to it.
    void linesCarryTimeLevelTagAndText()
    {
        initLogging();
        writeLog("AppLaunch", "7.0.0");
        writeLog("[SniffMgr]", QString::fromUtf8("späte Ausgabe"));
        writeLog("[Empty]");
        flushLog();
        QFile file(logDir() + "/AppLog.log");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QVERIFY(lines.size() >= 3);
        QVERIFY(lines.at(0).endsWith("AppLaunch 7.0.0"));
        QVERIFY(lines.at(0).contains("info"));
        QVERIFY(lines.at(0).contains(QDate::currentDate().toString(Qt::ISODate).toLatin1()));
        QVERIFY(lines.at(1).endsWith(QString::fromUtf8("[SniffMgr] späte Ausgabe").toUtf8()));
        QVERIFY(lines.at(2).endsWith("[Empty] "));
        // The log names what the user downloaded: the user's alone.
        QCOMPARE(file.permissions() & QFileDevice::Permissions(0x7077),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(QFileInfo(logDir()).permissions() & QFileDevice::Permissions(0x7077),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void pruningKeepsTheNewestEntries()
    {
        const QString dir = logDir();
        writeLog("[BeforePrune]");
        const QDateTime base = QDateTime::currentDateTime().addDays(-10);
        for (int i = 0; i < 120; ++i) {
            QFile f(dir + QString("/old-%1.log").arg(i, 3, 10, QChar('0')));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
            f.flush(); // or closing would stamp the file with the time of the write
            // File i is i minutes newer than file 0.
            QVERIFY(f.setFileTime(base.addSecs(60 * i), QFileDevice::FileModificationTime));
        }
        pruneLogDir();
        const QStringList left = QDir(dir).entryList(QDir::Files);
        QVERIFY2(left.size() <= 99, qPrintable(QString::number(left.size())));
        QVERIFY(left.size() >= 96);
        QVERIFY2(left.contains("AppLog.log"), qPrintable(left.join(" ")));
        QVERIFY(left.contains("old-119.log"));  // newest old file stays
        QVERIFY(!left.contains("old-000.log")); // oldest goes
        // Below the threshold nothing more goes.
        const int before = left.size();
        pruneLogDir();
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), before);
        writeLog("[AfterPrune]", "still writing");
        flushLog();
        QFile file(dir + "/AppLog.log");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[AfterPrune] still writing"));
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

    void pathsOfTheDataAndWorkingFolders()
    {
        const QString data = appDataDir();
        QVERIFY(data.endsWith("/Clipmoor"));
        QVERIFY(QFileInfo(data).isDir());
        QVERIFY2(data.contains(".qttest"), qPrintable(data)); // never the user's real folder
        QCOMPARE(QStringList({taskListPath(), doneListPath(), historyListPath(), privateListPath(),
                              convertingListPath(), convertedListPath(), logDir(), scriptsDir()})
                     .replaceInStrings(data, "~"),
                 QStringList({"~/task_list.dat", "~/done_list.dat", "~/history_list.dat",
                              "~/private_list.dat", "~/ConvertingTask_list.dat",
                              "~/Converted_list.dat", "~/Log", "~/dl_scripts"}));
        QVERIFY(QFileInfo(logDir()).isDir());
        QVERIFY(QFileInfo(scriptsDir()).isDir());
        // The working folders follow the preferences, made when asked for.
        QTemporaryDir dir;
        Preferences::instance()->setDownloadDir(dir.path() + "/dl");
        Preferences::instance()->setConvertDir(dir.path() + "/conv");
        QCOMPARE(downloadTempDir(false), dir.path() + "/dl/.temp/");
        QVERIFY(!QFileInfo::exists(dir.path() + "/dl/.temp"));
        QCOMPARE(downloadTempDir(true), dir.path() + "/dl/.temp/");
        QVERIFY(QFileInfo(dir.path() + "/dl/.temp").isDir());
        QCOMPARE(convertTempDir(true), dir.path() + "/conv/.temp/");
        QVERIFY(QFileInfo(dir.path() + "/conv/.temp").isDir());
        Preferences::instance()->setDownloadDir(QString());
        Preferences::instance()->setConvertDir(QString());
    }

    void programsAreFoundBesideUsThenOnPath()
    {
        // Nothing called "sh" lies beside the test, so PATH answers.
        QCOMPARE(findProgram("sh"), QStandardPaths::findExecutable("sh"));
        // The test's own executable lies beside itself.
        const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QCOMPARE(findProgram(self), QCoreApplication::applicationFilePath());
        // Found nowhere: the path beside the executable, for a readable error.
        QCOMPARE(findProgram("no-such-program-xyz"),
                 QCoreApplication::applicationDirPath() + "/no-such-program-xyz");
    }

    // The speed limit and subtitle choices as the download tool gets them.
    void choicesForTheTool()
    {
        COMPARE_MAPPED(speedLimitValue, "512 KBps -> 512000", "8 MBps -> 8000000",
                       "Unlimited -> Unlimited", "3 MBps -> Unlimited");
        QCOMPARE(speedLimitLabels().size(), 9);
        // The manual choice wins over the preferences' one.
        Preferences *prefs = Preferences::instance();
        QCOMPARE(effectiveSpeedLimitLabel(), QString("Unlimited"));
        prefs->setManualSpeedLimit(QString());
        prefs->setSpeedLimit("2 MBps");
        QCOMPARE(effectiveSpeedLimitLabel(), QString("2 MBps"));
        prefs->setManualSpeedLimit("1 MBps");
        QCOMPARE(effectiveSpeedLimitLabel(), QString("1 MBps"));
        testutil::storedSettings().remove("kSpeedLimitedManual");
        testutil::storedSettings().remove("kSpeedLimited");
        // Case matters: "english" falls back.
        COMPARE_MAPPED(subtitleLanguageCode, "Chinese(Simplified) -> zh-Hans", "Turkey -> tr",
                       "fil -> fil", "Klingon -> en", "english -> en");
        QCOMPARE(subtitleLanguageNames().size(), 16 + 18);
    }

    void playlistAddresses_data()
    {
        testutil::addRows<QString, bool>(
            {"url", "playlist"},
            {{"watch with list", "https://www.youtube.com/watch?v=abc&list=PL1", true},
             {"plain watch", "https://www.youtube.com/watch?v=abc", false},
             {"channel", "https://youtube.com/channel/UCx", true},
             {"short link with list", "https://youtu.be/abc?list=PL1", true},
             {"music host", "music.youtube.com/playlist?list=x", true},
             {"mobile user", "https://m.youtube.com/user/someone", true},
             {"http youtube is not matched", "http://www.youtube.com/watch?list=1", false},
             {"spotify playlist", "https://open.spotify.com/playlist/37i", true},
             {"spotify track", "https://open.spotify.com/track/37i", false},
             {"spotify without scheme", "open.spotify.com/album/1", false},
             {"soundcloud set", "https://soundcloud.com/a/sets/b", true},
             {"soundcloud track", "https://soundcloud.com/a/b", false},
             {"bandcamp album", "https://x.bandcamp.com/album/y", true},
             {"bandcamp track", "https://x.bandcamp.com/track/y", false},
             {"gaana artist", "https://gaana.com/artist/x", true},
             {"audiomack playlist", "https://audiomack.com/u/playlist/x", true},
             {"upper case path", "https://soundcloud.com/a/SETS/b", false},
             {"other site", "https://example.com/playlist/1", false}});
    }
    void playlistAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, playlist);
        QCOMPARE(isPlaylistUrl(url), playlist);
    }

    void entriesOfListsAreComparedByWhatTheyFetch()
    {
        // An entry with an address of its own is that address; an item of a page is not the page.
        // Only a whole marker at the end counts (the last three).
        COMPARE_MAPPED(
            mediaAddress,
            "https://v.example/watch?v=1#vantoro-index=3/10 -> https://v.example/watch?v=1",
            "https://v.example/a#t=5&vantoro-index=1/2 -> https://v.example/a#t=5",
            "https://v.example/page -> https://v.example/page",
            "https://v.example/page#vantoro-item=2/3 -> https://v.example/page#vantoro-item=2/3",
            "https://v.example/x#vantoro-index=3/10/more -> "
            "https://v.example/x#vantoro-index=3/10/more",
            "https://v.example/x?vantoro-index=3/10 -> https://v.example/x?vantoro-index=3/10",
            " https://v.example/x\n -> https://v.example/x");
    }

    void addressAndTextRules()
    {
        COMPARE_MAPPED(isHttpUrl, "http://a -> true", "https://a -> true", "ftp://a -> false",
                       " https://a -> false");
        QCOMPARE(splitLines("a\r\nb\n\nc\rd"), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(splitLines("\n\r\n"), QStringList());
        COMPARE_MAPPED(isAudioFormat, "MP3 -> true", "Original Audio -> true", "MP4 -> false",
                       "mp3 -> false");
        COMPARE_MAPPED(isAudioOnlySite, "https://soundcloud.com/artist/track -> true",
                       "https://www.mixcloud.com/x/ -> true", "https://soundcloud.com -> false",
                       "https://www.youtube.com/watch?v=1 -> false");
        COMPARE_MAPPED(siteNameFromUrl, "https://www.example.com/watch?v=1 -> example",
                       "http://vimeo.com/123 -> vimeo", "https://player.site.tv/x -> player.site",
                       "https://localhost -> localhost", "localhost -> localhost");
    }

    void uniqueFilePaths()
    {
        QTemporaryDir dir;
        auto touch = [&](const QString &name) {
            testutil::writeFile(dir.path() + "/" + name);
        };
        QCOMPARE(uniqueFilePath("free.mp4", dir.path()), dir.path() + "/free.mp4");
        touch("clip.mp4");
        touch("clip(1).mp4");
        QCOMPARE(uniqueFilePath("clip.mp4", dir.path()), dir.path() + "/clip(2).mp4");
        touch("README");
        QCOMPARE(uniqueFilePath("README", dir.path()), dir.path() + "/README(1)");
        touch("a.b.mp3");
        QCOMPARE(uniqueFilePath("a.b.mp3", dir.path()), dir.path() + "/a.b(1).mp3");
    }

    void safeRemovalNeverTouchesRoots()
    {
        QVERIFY(!removeDirSafely("/"));
        QVERIFY(!removeDirSafely("C:/"));
        QVERIFY(!removeFileSafely("/a"));
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/x/y");
        QVERIFY(removeDirSafely(dir.path() + "/x"));
        QVERIFY(!QFileInfo::exists(dir.path() + "/x"));
    }

    void versionsCompareByNumbers()
    {
        const struct
        {
            const char *a, *b;
            int result;
        } pairs[] = {{"1.2.3", "1.2.3", 0}, {"1.1", "1.1.0", 0},  {"1.0.10", "1.0.9", 1},
                     {"2", "1.99.99", 1},   {"1..2", "1.0.2", 0}, {"", "0.0", 0}};
        for (const auto &p : pairs) {
            QCOMPARE(compareVersions(p.a, p.b), p.result);
            QCOMPARE(compareVersions(p.b, p.a), -p.result);
        }
    }

    void randomIdsAreShortUrlSafeAndDistinct()
    {
        QSet<QString> seen;
        for (int i = 0; i < 2000; ++i) {
            const QString id = randomId();
            QCOMPARE(id.size(), 11); // 8 bytes, Base64 without padding
            QVERIFY(!id.contains('/') && !id.contains('+') && !id.contains('='));
            seen.insert(id);
        }
        // Many ids within the same second must still differ: they name job folders.
        QCOMPARE(seen.size(), 2000);
    }

    void systemProxyFromEnvironment()
    {
        const QByteArray saved = qgetenv("https_proxy");
        qputenv("https_proxy", "http://proxy.local:3128/");
        QCOMPARE(systemProxy(), QString("proxy.local:3128"));
        qunsetenv("https_proxy");
        if (!saved.isEmpty())
            qputenv("https_proxy", saved);
    }

    void darkModeOnlyFromTheStore()
    {
        QVERIFY(!isDarkMode());
        Preferences::instance()->setInterfaceStyle("Dark");
        QVERIFY(isDarkMode());
        Preferences::instance()->setInterfaceStyle(QString());
        QVERIFY(!isAlternatePlatform());
    }
};

QTEST_GUILESS_MAIN(TestGlobals)
#include "tst_globals.moc"
