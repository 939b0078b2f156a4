// The download manager with the real download tool, yt-dlp and ffmpeg, on 127.0.0.1.
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/tasklistfile.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/provision/dltoolmanager.h"
#include "helpers/fixture.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

Q_DECLARE_METATYPE(protocol::FailureKind)

class TestEngineEndToEnd : public QObject
{
    Q_OBJECT
    fixture::Site site;
    QTemporaryDir &www = site.www;
    std::unique_ptr<TestHttpServer> &server = site.server;
    QElapsedTimer liveClock;

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        Preferences *prefs = Preferences::instance();
        prefs->setToolLocation(testutil::helperPath("../bin/vantoro-dl"));
        prefs->setOneClickFormat("Original Video");
        prefs->setReadCookies(false);
        QVERIFY(DlToolManager::instance()->isAvailable());
        QVERIFY(testutil::makeClip(www.path() + "/clip.mp4", 3));
        // About 1 MB of video that does not compress, to cut in the middle.
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25", "-t",
                                     "4", "-c:v", "libx264", "-preset", "ultrafast", "-qp", "5",
                                     "-pix_fmt", "yuv420p", www.path() + "/big.mp4"}));
        site.file("nothing.html",
                  "<html><head><title>Nothing</title></head><body>No video here</body></html>");
        QVERIFY(testutil::makeHlsSegments(www.path() + "/live", 30));
        server->setHandler([this](const QString &path, TestHttpServer::Response *r) {
            if (path != "live/now.m3u8")
                return false;
            if (!liveClock.isValid())
                liveClock.start();
            // Thirty segments exist; the stream is stopped long before they run out.
            r->body = TestHttpServer::livePlaylist(liveClock.elapsed(), 1000);
            r->contentType = "application/vnd.apple.mpegurl";
            return true;
        });
        QVERIFY(server->start());
    }

    // Every kind of failure the tool names reaches the job, and the list keeps it; nothing lands
    // in the download folder. A cut download is a failure whose part Retry continues with a
    // range request.
    void aFailedDownloadKeepsItsReason_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<protocol::FailureKind>("kind");
        QTest::newRow("refused") << "refused" << protocol::FailureKind::ConnectionRefused;
        QTest::newRow("404") << "fault/404/clip.mp4" << protocol::FailureKind::NotFound;
        QTest::newRow("403") << "fault/403/clip.mp4" << protocol::FailureKind::Forbidden;
        QTest::newRow("500") << "fault/500/clip.mp4" << protocol::FailureKind::ServerError;
        QTest::newRow("no media") << "nothing.html" << protocol::FailureKind::Unsupported;
        QTest::newRow("cut, then resumed") << "big.mp4" << protocol::FailureKind::Truncated;
    }
    void aFailedDownloadKeepsItsReason()
    {
        QFETCH(QString, path);
        QFETCH(protocol::FailureKind, kind);
        const QString source = www.path() + "/big.mp4";
        const qint64 half = QFileInfo(source).size() / 2;
        const bool cut = path == "big.mp4";
        if (cut)
            server->dropAfter.insert(path, half);
        const QStringList before = QDir(fixture::downloadFolder()).entryList(QDir::Files);
        SniffMgr mgr;
        SniffTask *task =
            mgr.newTask(path == "refused" ? TestHttpServer::refusedUrl() : server->url(path), {});
        mgr.addTask(task);
        mgr.schedule();
        QTRY_COMPARE_WITH_TIMEOUT(task->state(), SniffTask::State::Failed, 90000);
        QTRY_COMPARE(mgr.runningCount(), 0);
        QVERIFY2(task->result().failure == kind, qPrintable(task->result().error));
        mgr.saveNow();
        const tasklist::Records listed = tasklist::load(taskListPath());
        QCOMPARE(listed.size(), 1);
        QVERIFY(listed.first().result.failure == kind);
        QCOMPARE(QDir(fixture::downloadFolder()).entryList(QDir::Files), before);
        if (!cut)
            return;
        QCOMPARE(QDir(task->workDir()).entryList({"*.part"}, QDir::Files).size(), 1);
        server->dropAfter.remove(path);
        QSignalSpy added(&mgr, &SniffMgr::mgrAddDownloadedTask);
        mgr.resumeTask(task);
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, 90000);
        QVERIFY2(server->lastHeadByPath.value(path).contains(
                     "Range: bytes=" + QByteArray::number(half) + '-'),
                 server->lastHeadByPath.value(path).constData());
        QCOMPARE(QFileInfo(task->filePath()).size(), QFileInfo(source).size());
    }

    void aStoppedLiveRecordingIsSavedAndDescribed()
    {
        SniffMgr mgr;
        SniffTask *task = mgr.newTask(server->url("live/now.m3u8"), {});
        QSignalSpy added(&mgr, &SniffMgr::mgrAddDownloadedTask);
        mgr.addTask(task);
        mgr.schedule();
        QSignalSpy reports(task, &SniffTask::taskDownloading);
        QTRY_VERIFY_WITH_TIMEOUT(task->isLive(), 30000);
        // A few seconds recorded: ffmpeg reports the recording's progress about twice a second.
        QTRY_VERIFY_WITH_TIMEOUT(reports.count() >= 6, 30000);
        mgr.pauseTask(task, false);
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, 30000);
        QCOMPARE(task->state(), SniffTask::State::Saved);
        const QString file = task->filePath();
        QCOMPARE(QFileInfo(file).absolutePath(), fixture::downloadFolder());
        QVERIFY(task->result().succeeded());
        QCOMPARE(task->result().resolution, QString("320x240"));
        QVERIFY(task->result().duration >= 1);
    }
};

QTEST_GUILESS_MAIN(TestEngineEndToEnd)
#include "tst_engine_e2e.moc"
