#include "core/foundation/addressrules.h"
#include "core/foundation/globals.h"
#include "helpers/fixture.h"

class TestGlobals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fixture::testMode(); }

    void pathsLiveInTheDataFolder()
    {
        const QString data = appDataDir();
        QVERIFY(data.endsWith("/Clipmoor"));
        QVERIFY(QFileInfo(data).isDir());
        QVERIFY2(data.contains(".qttest"), qPrintable(data)); // never the user's real folder
        QCOMPARE(taskListPath(), data + "/task_list.dat");
        QCOMPARE(doneListPath(), data + "/done_list.dat");
        QCOMPARE(historyListPath(), data + "/history_list.dat");
        QCOMPARE(privateListPath(), data + "/private_list.dat");
        QCOMPARE(convertingListPath(), data + "/ConvertingTask_list.dat");
        QCOMPARE(convertedListPath(), data + "/Converted_list.dat");
        QCOMPARE(logDir(), data + "/Log");
        QVERIFY(QFileInfo(logDir()).isDir());
        QCOMPARE(scriptsDir(), data + "/dl_scripts");
        QVERIFY(QFileInfo(scriptsDir()).isDir());
    }

    void temporaryFoldersFollowThePreferences()
    {
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

    void speedLimits()
    {
        QCOMPARE(speedLimitValue("512 KBps"), QString("512000"));
        QCOMPARE(speedLimitValue("8 MBps"), QString("8000000"));
        QCOMPARE(speedLimitValue("Unlimited"), QString("Unlimited"));
        QCOMPARE(speedLimitValue("3 MBps"), QString("Unlimited"));
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
    }

    void subtitleTable()
    {
        QCOMPARE(subtitleLanguageCode("Chinese(Simplified)"), QString("zh-Hans"));
        QCOMPARE(subtitleLanguageCode("Turkey"), QString("tr"));
        QCOMPARE(subtitleLanguageCode("fil"), QString("fil"));
        QCOMPARE(subtitleLanguageCode("Klingon"), QString("en"));
        QCOMPARE(subtitleLanguageCode("english"), QString("en")); // case matters; falls back
        QCOMPARE(subtitleLanguageNames().size(), 16 + 18);
    }

    void playlistAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("playlist");
        QTest::newRow("watch with list") << "https://www.youtube.com/watch?v=abc&list=PL1" << true;
        QTest::newRow("plain watch") << "https://www.youtube.com/watch?v=abc" << false;
        QTest::newRow("channel") << "https://youtube.com/channel/UCx" << true;
        QTest::newRow("short link with list") << "https://youtu.be/abc?list=PL1" << true;
        QTest::newRow("music host") << "music.youtube.com/playlist?list=x" << true;
        QTest::newRow("mobile user") << "https://m.youtube.com/user/someone" << true;
        QTest::newRow("http youtube is not matched")
            << "http://www.youtube.com/watch?list=1" << false;
        QTest::newRow("spotify playlist") << "https://open.spotify.com/playlist/37i" << true;
        QTest::newRow("spotify track") << "https://open.spotify.com/track/37i" << false;
        QTest::newRow("spotify without scheme") << "open.spotify.com/album/1" << false;
        QTest::newRow("soundcloud set") << "https://soundcloud.com/a/sets/b" << true;
        QTest::newRow("soundcloud track") << "https://soundcloud.com/a/b" << false;
        QTest::newRow("bandcamp album") << "https://x.bandcamp.com/album/y" << true;
        QTest::newRow("bandcamp track") << "https://x.bandcamp.com/track/y" << false;
        QTest::newRow("gaana artist") << "https://gaana.com/artist/x" << true;
        QTest::newRow("audiomack playlist") << "https://audiomack.com/u/playlist/x" << true;
        QTest::newRow("upper case path") << "https://soundcloud.com/a/SETS/b" << false;
        QTest::newRow("other site") << "https://example.com/playlist/1" << false;
    }
    void playlistAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, playlist);
        QCOMPARE(isPlaylistUrl(url), playlist);
    }

    void audioOnlySites()
    {
        QVERIFY(isAudioOnlySite("https://soundcloud.com/artist/track"));
        QVERIFY(isAudioOnlySite("https://www.mixcloud.com/x/"));
        QVERIFY(!isAudioOnlySite("https://soundcloud.com"));
        QVERIFY(!isAudioOnlySite("https://www.youtube.com/watch?v=1"));
    }

    void siteNames()
    {
        QCOMPARE(siteNameFromUrl("https://www.example.com/watch?v=1"), QString("example"));
        QCOMPARE(siteNameFromUrl("http://vimeo.com/123"), QString("vimeo"));
        QCOMPARE(siteNameFromUrl("https://player.site.tv/x"), QString("player.site"));
        QCOMPARE(siteNameFromUrl("https://localhost"), QString("localhost"));
        QCOMPARE(siteNameFromUrl("localhost"), QString("localhost"));
    }

    void entriesOfListsAreComparedByWhatTheyFetch()
    {
        // An entry with an address of its own is that address; an item of a page is not the page.
        QCOMPARE(mediaAddress("https://v.example/watch?v=1#vantoro-index=3/10"),
                 QString("https://v.example/watch?v=1"));
        QCOMPARE(mediaAddress("https://v.example/a#t=5&vantoro-index=1/2"),
                 QString("https://v.example/a#t=5"));
        QCOMPARE(mediaAddress("https://v.example/page#vantoro-item=2/3"),
                 QString("https://v.example/page#vantoro-item=2/3"));
        QVERIFY(mediaAddress("https://v.example/page#vantoro-item=2/3") !=
                mediaAddress("https://v.example/page"));
        // Only a whole marker at the end counts.
        QCOMPARE(mediaAddress("https://v.example/x#vantoro-index=3/10/more"),
                 QString("https://v.example/x#vantoro-index=3/10/more"));
        QCOMPARE(mediaAddress("https://v.example/x?vantoro-index=3/10"),
                 QString("https://v.example/x?vantoro-index=3/10"));
        QCOMPARE(mediaAddress(" https://v.example/x\n"), QString("https://v.example/x"));
    }

    void textHelpers()
    {
        QVERIFY(isHttpUrl("http://a"));
        QVERIFY(isHttpUrl("https://a"));
        QVERIFY(!isHttpUrl("ftp://a"));
        QVERIFY(!isHttpUrl(" https://a"));
        QCOMPARE(splitLines("a\r\nb\n\nc\rd"), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(splitLines("\n\r\n"), QStringList());
        QVERIFY(isAudioFormat("MP3"));
        QVERIFY(isAudioFormat("Original Audio"));
        QVERIFY(!isAudioFormat("MP4"));
        QVERIFY(!isAudioFormat("mp3"));
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
