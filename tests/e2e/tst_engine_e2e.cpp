// The download manager with the real download tool, yt-dlp and ffmpeg, on 127.0.0.1.
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/preferences.h"
#include "core/provision/dltoolmanager.h"
#include "helpers/fixture.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

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
