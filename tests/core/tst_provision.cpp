// Updates of the download tool and of the page-script bundle, and the curl transfers under them,
// against a server on 127.0.0.1.
#include "core/engine/downloadoptions.h"
#include "core/engine/toolprotocol.h"
#include "core/provision/curlproxy.h"
#include "core/provision/dlscriptmanager.h"
#include "core/provision/dltoolmanager.h"
#include "core/provision/updatecheck.h"
#include "helpers/fixture.h"

#include <QCryptographicHash>
#include <QThreadPool>

class TestProvision : public QObject
{
    Q_OBJECT
    QTemporaryDir www;
    std::unique_ptr<TestHttpServer> server;

    static QByteArray md5Of(const QString &path)
    {
        return QCryptographicHash::hash(testutil::readFile(path), QCryptographicHash::Md5).toHex();
    }

    // A zip made with Python's zipfile, so that hostile entries can be written too: each entry
    // a small script, or the file `files` names for it.
    bool makeZip(const QString &zipPath, const QStringList &entries, bool executable = true,
                 const QMap<QString, QString> &files = {})
    {
        QString script = "import zipfile,sys\nz=zipfile.ZipFile(sys.argv[1],'w')\n";
        for (const QString &e : entries) {
            const QString data = files.contains(e)
                                     ? QStringLiteral("open('%1','rb').read()").arg(files[e])
                                     : QStringLiteral("'#!/bin/sh\\necho %1\\n'").arg(e);
            script += QStringLiteral("i=zipfile.ZipInfo('%1');i.create_system=3;i.external_attr=("
                                     "0o%2|0o100000)<<16\nz.writestr(i,%3)\n")
                          .arg(e, executable ? "755" : "644", data);
        }
        QProcess py;
        py.start("/usr/bin/python3", {"-c", script + "z.close()\n", zipPath});
        return py.waitForFinished() && py.exitCode() == 0;
    }

    void publishTool(const QString &version, const QStringList &entries, bool executable = true,
                     const QByteArray &md5Override = QByteArray(),
                     const QMap<QString, QString> &files = {})
    {
        const QString name = QStringLiteral("vantoro-dl_%1.zip").arg(version);
        QDir().mkpath(www.path() + "/vantoro-dl/linux");
        const QString zip = www.path() + "/vantoro-dl/linux/" + name;
        QFile::remove(zip);
        QVERIFY(makeZip(zip, entries, executable, files));
        const QJsonObject manifest{
            {"version", version},
            {"win", QJsonObject{{"url", "http://127.0.0.1:9/none.zip"}, {"md5", "0"}}},
            {"linux",
             QJsonObject{{"url", server->url("vantoro-dl/linux/" + name)},
                         {"md5", QString::fromLatin1(md5Override.isEmpty() ? md5Of(zip).toUpper()
                                                                           : md5Override)}}}};
        testutil::writeFile(www.path() + "/vantoro-dl/dl_config.json",
                            QJsonDocument(manifest).toJson());
    }

    // A curl transfer with its outcome recorded.
    struct Transfer
    {
        CurlProxy curl;
        QSignalSpy finished{&curl, &CurlProxy::downloadFinished};
        QSignalSpy failed{&curl, &CurlProxy::downloadError};
    };

    void resetToolState()
    {
        Preferences::instance()->setToolLocation(QString());
        QDir(DlToolManager::managerDir()).removeRecursively();
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        server = std::make_unique<TestHttpServer>(www.path());
        QVERIFY(server->start());
        Preferences::instance()->setUpdateServer(
            QStringLiteral("http://127.0.0.1:%1/").arg(server->serverPort()));
        UpdateRetrier::waitMs = 100;
        CurlProxy::stallIntervalMs = 1500;
        QByteArray data;
        for (int i = 0; i < 64; ++i)
            data += QCryptographicHash::hash(QByteArray::number(i), QCryptographicHash::Sha512)
                        .repeated(512);
        testutil::writeFile(www.path() + "/big.bin", data); // 2 MiB
    }

    void cleanup()
    {
        if (QTest::currentTestFailed())
            qInfo("%s", qPrintable(fixture::logText().right(4000)));
        // Checks of managers that are gone may still be running on the pool; let them end.
        QElapsedTimer t;
        t.start();
        QTRY_VERIFY_WITH_TIMEOUT(QThreadPool::globalInstance()->activeThreadCount() == 0, 30000);
        qInfo("pool idle after %lld ms", t.elapsed());
    }

    // --- curl ------------------------------------------------------------------------------
    void sizesAreParsedAndFormatted()
    {
        COMPARE_MAPPED(CurlProxy::parseSize, "324 -> 324", "4608k -> 4718592", "10.5M -> 11010048",
                       "1G -> 1073741824");
        COMPARE_MAPPED(CurlProxy::formatSize, "0 -> 0KB", "512 -> 512B", "1536 -> 1.5KB",
                       "2048 -> 2KB", "3221225472 -> 3GB");
    }

    void curlChecksCertificates()
    {
        QTemporaryDir out;
        TestHttpServer tls(www.path());
        if (!tls.useUntrustedCertificate(out.path()))
            QSKIP("cannot make a certificate here");
        QVERIFY(tls.start());
        Transfer t;
        t.curl.download(tls.url("big.bin"), out.path() + "/big.bin");
        QTRY_COMPARE_WITH_TIMEOUT(t.failed.count(), 1, 20000);
        QCOMPARE(t.finished.count(), 0);
    }

    void aDroppedTransferIsResumedByTheNextAttempt()
    {
        QTemporaryDir out;
        const QString target = out.path() + "/big.bin";
        server->dropAfter.insert("big.bin", 700000);
        Transfer t;
        t.curl.download(server->url("big.bin"), target);
        QTRY_COMPARE_WITH_TIMEOUT(t.failed.count(), 1, 20000);
        const qint64 partial = QFileInfo(target).size();
        QVERIFY2(partial > 0 && partial <= 700000, qPrintable(QString::number(partial)));
        server->dropAfter.clear();
        QSignalSpy progress(&t.curl, &CurlProxy::readyDownloading);
        t.curl.download(server->url("big.bin"), target);
        QTRY_COMPARE_WITH_TIMEOUT(t.finished.count(), 1, 20000);
        QCOMPARE(t.failed.count(), 1);
        QCOMPARE(md5Of(target), md5Of(www.path() + "/big.bin"));
        // Progress counts the part that was already there.
        for (const QList<QVariant> &p : progress)
            QCOMPARE(p.at(0).toString(), QString("2MB"));
    }

    void aStalledServerEndsTheTransfer()
    {
        QTemporaryDir out;
        server->stallAfter.insert("big.bin", 300000);
        Transfer t;
        t.curl.download(server->url("big.bin"), out.path() + "/big.bin");
        QTRY_COMPARE_WITH_TIMEOUT(t.failed.count(), 1, 20000);
        server->stallAfter.clear();
        QCOMPARE(t.curl.error(), CurlProxy::OtherError); // the host resolves: not a network error
        QVERIFY(!t.curl.isRunning());
        QVERIFY(!t.curl.errorText().isEmpty());
    }

    void aSecondDownloadReplacesTheFirstSilently()
    {
        QTemporaryDir out;
        server->stallAfter.insert("big.bin", 100000);
        Transfer t;
        const int served = server->requestsByPath.value("big.bin");
        t.curl.download(server->url("big.bin"), out.path() + "/first.bin");
        QTRY_VERIFY_WITH_TIMEOUT(server->requestsByPath.value("big.bin") > served, 10000);
        server->stallAfter.clear();
        t.curl.download(server->url("big.bin"), out.path() + "/second.bin");
        QTRY_COMPARE_WITH_TIMEOUT(t.finished.count(), 1, 20000);
        QCOMPARE(t.failed.count(), 0);
    }

    // --- the download tool ---------------------------------------------------------------
    void aNewerToolIsInstalledAndUsed()
    {
        resetToolState();
        publishTool("1.0.2", {"vantoro-dl", "README"});
        DlToolManager manager;
        QSignalSpy installed(&manager, &DlToolManager::updateInstalled);
        manager.startCheck();
        QTRY_COMPARE_WITH_TIMEOUT(installed.count(), 1, 20000);
        const QString tool = DlToolManager::managerDir() + "/vantoro-dl_1.0.2/vantoro-dl";
        QCOMPARE(manager.toolPath(), tool);
        QVERIFY(QFileInfo(tool).isExecutable());
        QCOMPARE(Preferences::instance()->toolLocation(), tool);
        QVERIFY(!QFileInfo::exists(DlToolManager::managerDir() + "/vantoro-dl_1.0.2.zip"));
        QVERIFY(QFileInfo::exists(DlToolManager::managerDir() + "/dl_config.json"));
        // A new start keeps using it, and a check finds nothing newer.
        DlToolManager next;
        QCOMPARE(next.toolPath(), tool);
        QSignalSpy checked(&next, &DlToolManager::checkFinished);
        next.startCheck();
        QTRY_COMPARE_WITH_TIMEOUT(checked.count(), 1, 20000);
        QCOMPARE(checked.at(0).at(0).toBool(), false);
    }

    // An update may carry a newer yt-dlp beside the tool: it is unpacked with its executable bit
    // and the tool runs it.
    void anUpdateCarriesItsOwnYtDlp()
    {
        resetToolState();
        QTemporaryDir parts;
        const QString standIn = testutil::writeFile(
            parts.path() + "/yt-dlp", "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/yt-dlp.ran\"\n"
                                      "echo 'ERROR: the stand-in downloads nothing' >&2\nexit 1\n");
        const QString tool =
            QDir(QCoreApplication::applicationDirPath() + "/../bin").absoluteFilePath("vantoro-dl");
        QVERIFY(QFileInfo(tool).isExecutable());
        publishTool("3.0.0", {"vantoro-dl", "yt-dlp"}, true, {},
                    {{"vantoro-dl", tool}, {"yt-dlp", standIn}});
        DlToolManager manager;
        QSignalSpy installed(&manager, &DlToolManager::updateInstalled);
        manager.startCheck();
        QTRY_COMPARE_WITH_TIMEOUT(installed.count(), 1, 20000);
        const QString folder = DlToolManager::managerDir() + "/vantoro-dl_3.0.0";
        QCOMPARE(manager.toolPath(), folder + "/vantoro-dl");
        QVERIFY(QFileInfo(folder + "/yt-dlp").isExecutable());

        QTemporaryDir work;
        const QString params =
            protocol::writeDownloadParams(server->url("clip.mp4"), DownloadOptions{}, work.path());
        QProcess run;
        run.start(manager.toolPath(), {params});
        QVERIFY(run.waitForFinished(60000));
        const QByteArray firstLine = run.readAllStandardOutput().split('\n').value(0);
        COMPARE_FIELDS(QJsonDocument::fromJson(firstLine).object(), "type=param",
                       "msg/yt_dlp=" + folder + "/yt-dlp");
        QVERIFY(QFileInfo::exists(folder + "/yt-dlp.ran"));
        manager.disconnect();
    }

    // Addresses are handed to curl as addresses only: an option-like or local one is refused
    // before curl starts.
    void curlTakesOnlyWebAddresses_data()
    {
        testutil::addRows<QString>({"address"}, {{"option", "-K" + www.path() + "/evil.curlrc"},
                                                 {"local file", "file:///etc/hostname"},
                                                 {"other scheme", "ftp://127.0.0.1/x"}});
    }
    void curlTakesOnlyWebAddresses()
    {
        QFETCH(QString, address);
        QTemporaryDir out;
        const QString escaped = out.path() + "/escaped.bin";
        testutil::writeFile(www.path() + "/evil.curlrc",
                            QStringLiteral("url = \"%1\"\noutput = \"%2\"\n")
                                .arg(server->url("big.bin"), escaped)
                                .toUtf8());
        Transfer t;
        t.curl.download(address, out.path() + "/target.bin");
        QTRY_COMPARE_WITH_TIMEOUT(t.failed.count(), 1, 10000);
        QVERIFY(!QFileInfo::exists(escaped));
        QVERIFY(!QFileInfo::exists(out.path() + "/target.bin"));
    }

    // The tool in use: an update the preferences name while it exists, else the one shipped
    // beside the executable, else none.
    void theToolInUse()
    {
        QTemporaryDir dir;
        const QString shipped = DlToolManager::defaultToolPath();
        const QString updated = testutil::writeFile(dir.path() + "/vantoro-dl");
        testutil::writeScript(shipped, "#!/bin/sh\n");
        auto inUse = [](const QString &location) {
            Preferences::instance()->setToolLocation(location);
            DlToolManager manager;
            return manager.isAvailable() ? manager.toolPath() : QStringLiteral("none");
        };
        QCOMPARE(inUse(""), shipped);
        QCOMPARE(inUse(updated), updated);
        QCOMPARE(inUse("/nonexistent/vantoro-dl"), shipped);
        QFile::remove(shipped);
        QCOMPARE(inUse("/nonexistent/vantoro-dl"), QString("none"));
        QVERIFY(QFileInfo(DlToolManager::managerDir()).isDir());
        resetToolState();
    }

    void manifestEntriesNameOnlyPlainArchives()
    {
        // The folder an archive is unpacked into, or none for an archive that is not used.
        const auto folder = [](const QString &url) {
            const ArchiveEntry e = archiveEntry(QJsonObject{{"url", url}, {"md5", "x"}});
            return e.usable ? e.folderName : QStringLiteral("none");
        };
        COMPARE_MAPPED(folder, "https://h/a/vantoro-dl_1.zip -> vantoro-dl_1",
                       "https://h/a/.. -> none", "https://h/a/.zip -> none", "https://h/a/ -> none",
                       "-K/etc/x.zip -> none", "file:///tmp/x.zip -> none",
                       "https://h/a/-rf.zip -> none");
        QVERIFY(parseManifest(QByteArray(kMaxManifestBytes + 1, ' ')).isEmpty());
    }

    void theShippedVersionOrOlderIsNotFetched()
    {
        resetToolState();
        for (const QString &version : {QString("1.0.1"), QString("1.0.0"), QString("0.9")}) {
            publishTool(version, {"vantoro-dl"});
            const int before =
                server->requestsByPath.value("vantoro-dl/linux/vantoro-dl_" + version + ".zip");
            DlToolManager manager;
            QSignalSpy checked(&manager, &DlToolManager::checkFinished);
            manager.startCheck();
            QTRY_COMPARE_WITH_TIMEOUT(checked.count(), 1, 20000);
            QCOMPARE(checked.at(0).at(0).toBool(), false);
            QCOMPARE(manager.location(), DlToolManager::defaultToolPath());
            QCOMPARE(
                server->requestsByPath.value("vantoro-dl/linux/vantoro-dl_" + version + ".zip"),
                before);
        }
    }

    void versionsCompareAsNumbers()
    {
        resetToolState();
        auto saveManifest = [](const QString &version) {
            testutil::writeFile(DlToolManager::managerDir() + "/dl_config.json",
                                QJsonDocument(QJsonObject{{"version", version}}).toJson());
        };
        // An installed 1.0.9 whose tool exists: 1.0.10 is newer.
        const QString existing =
            testutil::writeFile(DlToolManager::managerDir() + "/existing-vantoro-dl");
        saveManifest("1.0.9");
        publishTool("1.0.10", {"vantoro-dl"});
        QCOMPARE(DlToolManager::check(existing).outcome, UpdateCheckResult::UpdateNeeded);
        // An installed 1.1.0: a remote 1.1 is the same version.
        saveManifest("1.1.0");
        publishTool("1.1", {"vantoro-dl"});
        QCOMPARE(DlToolManager::check(existing).outcome, UpdateCheckResult::NoUpdate);
        // ...unless the installed tool has gone missing.
        QCOMPARE(DlToolManager::check(existing + "-gone").outcome, UpdateCheckResult::UpdateNeeded);
    }

    void aCorruptArchiveIsDeletedAndFetchedAgain()
    {
        resetToolState();
        publishTool("1.0.3", {"vantoro-dl"}, true, "0123456789abcdef0123456789abcdef");
        DlToolManager manager;
        QSignalSpy installed(&manager, &DlToolManager::updateInstalled);
        manager.startCheck();
        QTRY_VERIFY_WITH_TIMEOUT(manager.retries() >= 1, 20000);
        QTRY_VERIFY(fixture::logText().contains(
            "verifyTool failed! md5: 0123456789abcdef0123456789abcdef"));
        QVERIFY(!QFileInfo::exists(DlToolManager::managerDir() + "/vantoro-dl_1.0.3.zip"));
        // The server fixes the archive; a later retry installs it.
        publishTool("1.0.3", {"vantoro-dl"});
        QTRY_COMPARE_WITH_TIMEOUT(installed.count(), 1, 20000);
        QVERIFY(manager.retries() <= UpdateRetrier::kMaxRetries);
        manager.disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(true, 100);
    }

    void hostileOrUselessArchivesAreRefused_data()
    {
        testutil::addRows<QStringList, bool>(
            {"entries", "executable"},
            {{"climbs out with ..", {"vantoro-dl", "../escaped"}, true},
             {"climbs out deeper", {"vantoro-dl", "a/../../escaped"}, true},
             {"no tool", {"something-else"}, true},
             {"tool not executable", {"vantoro-dl"}, false}});
    }
    void hostileOrUselessArchivesAreRefused()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, executable);
        resetToolState();
        // The tool in use stays in place whatever the archive holds.
        const QString inUse = DlToolManager::managerDir() + "/vantoro-dl_2.0.0/vantoro-dl";
        testutil::writeFile(inUse);
        Preferences::instance()->setToolLocation(inUse);
        publishTool("2.0.0", entries, executable);
        DlToolManager manager;
        QSignalSpy installed(&manager, &DlToolManager::updateInstalled);
        manager.startCheck();
        QTRY_VERIFY_WITH_TIMEOUT(manager.retries() >= 1, 20000);
        QCOMPARE(installed.count(), 0);
        QVERIFY(!QFileInfo::exists(DlToolManager::managerDir() + "/escaped"));
        QVERIFY(!QFileInfo::exists("/tmp/clipmoor-absolute"));
        QCOMPARE(manager.toolPath(), inUse);
        QVERIFY(QFileInfo::exists(inUse));
        manager.disconnect();
    }

    // A manifest of megabytes is not one: the check fails without reading it whole, and is
    // tried again ten times at most.
    void anOversizedManifestFailsAndRetriesStopAtTen()
    {
        resetToolState();
        const QString manifest = testutil::writeFile(www.path() + "/vantoro-dl/dl_config.json",
                                                     "{\"version\": \"9.0.0\", \"pad\": \"" +
                                                         QByteArray(3 << 20, 'x') + "\"}");
        const int before = server->requestsByPath.value("vantoro-dl/dl_config.json");
        DlToolManager manager;
        QSignalSpy installed(&manager, &DlToolManager::updateInstalled);
        QSignalSpy exhausted(&manager, &DlToolManager::retriesExhausted);
        manager.startCheck();
        QVERIFY(exhausted.wait(30000));
        QCOMPARE(manager.retries(), UpdateRetrier::kMaxRetries);
        QCOMPARE(server->requestsByPath.value("vantoro-dl/dl_config.json") - before,
                 1 + UpdateRetrier::kMaxRetries);
        QCOMPARE(installed.count(), 0);
        QVERIFY(fixture::logText().contains("larger than"));
        QFile::remove(manifest);
    }

    // --- the page-script bundle ----------------------------------------------------------
    void anIncompleteOrEqualInstalledBundleIsNotUsed()
    {
        QTemporaryDir bundle;
        QJsonObject manifest =
            QJsonDocument::fromJson(testutil::readFile(":/js/scripts-2.0.0.json")).object();
        const QJsonArray list = manifest.value("scripts").toArray();
        auto writeBundle = [&](const QString &version, int skip) {
            manifest.insert("version", version);
            testutil::writeFile(bundle.path() + "/scripts-2.0.0.json",
                                QJsonDocument(manifest).toJson());
            testutil::writeFile(bundle.path() + "/common.js");
            for (int i = 0; i < list.size(); ++i) {
                const QString name = list.at(i).toObject().value("script").toString();
                QFile::remove(bundle.path() + "/" + name);
                // The missing one's place taken by a spare: the count stays.
                testutil::writeFile(bundle.path() + "/" + (i == skip ? "spare.js" : name));
            }
        };
        Preferences::instance()->setScriptsLocation(bundle.path());
        writeBundle("2.2.0", -1);
        QVERIFY(DlScriptManager().isDefault()); // same version as the embedded one
        writeBundle("2.3.0", 3);
        QVERIFY(DlScriptManager().isDefault()); // one script missing
        QVERIFY(fixture::logText().contains("instagram.js is miss!"));
        writeBundle("2.3.0", -1);
        DlScriptManager complete;
        QVERIFY(!complete.isDefault());
        QCOMPARE(complete.version(), QString("2.3.0"));
        Preferences::instance()->setScriptsLocation(QString());
    }

    // The embedded bundle picks a script by address until a newer bundle is installed.
    void aNewerBundleIsInstalled()
    {
        Preferences::instance()->setScriptsLocation(QString());
        DlScriptManager embedded;
        QVERIFY(embedded.isDefault());
        QCOMPARE(embedded.version(), QString("2.2.0"));
        QVERIFY(!embedded.commonJs().isEmpty());
        QCOMPARE(embedded.premium().size(), 5);
        embedded.parseUrl("https://youtu.be/abc");
        QVERIFY(embedded.siteScript().contains("youtube.com"));
        embedded.parseUrl("https://unknown.example/video");
        QVERIFY(embedded.siteScript().isEmpty());
        QVERIFY(fixture::logText().contains("parseUrl not found websitePatterns."));
        QDir().mkpath(www.path() + "/vantoro-scripts");
        QJsonObject manifest =
            QJsonDocument::fromJson(testutil::readFile(":/js/scripts-2.0.0.json")).object();
        QStringList files{"common.js"};
        for (const QJsonValue &v : manifest.value("scripts").toArray())
            files << v.toObject().value("script").toString();
        const QString zip = www.path() + "/vantoro-scripts/dl_2.3.0_scripts.zip";
        QVERIFY(makeZip(zip, files, false));
        manifest.insert("version", "2.3.0");
        manifest.insert("url", server->url("vantoro-scripts/dl_2.3.0_scripts.zip"));
        manifest.insert("md5", QString::fromLatin1(md5Of(zip)));
        testutil::writeFile(www.path() + "/vantoro-scripts/scripts-2.0.0.json",
                            QJsonDocument(manifest).toJson());

        DlScriptManager scripts;
        QSignalSpy installed(&scripts, &DlScriptManager::updateInstalled);
        scripts.startCheck();
        QTRY_COMPARE_WITH_TIMEOUT(installed.count(), 1, 20000);
        QVERIFY(!scripts.isDefault());
        QCOMPARE(scripts.location(), DlScriptManager::baseDir() + "/dl_2.3.0_scripts");
        QVERIFY(scripts.commonJs().contains("echo common.js"));
        scripts.parseUrl("https://www.tiktok.com/@a/video/1");
        QVERIFY(scripts.siteScript().contains("echo tiktok-2.0.0.js"));
        // The next start picks the installed bundle.
        QCOMPARE(DlScriptManager().version(), QString("2.3.0"));
    }
};

QTEST_GUILESS_MAIN(TestProvision)
#include "tst_provision.moc"
