// Clipmoor and the desktop's own services, on a private bus with a fake desktop
// (helpers/fakedesktop.cpp): the computer is kept awake while downloads and conversions run, a
// file is shown by the file manager (else its folder is opened, else the user is told), and a
// download or conversion that ends out of sight is told in a notification whose click asks for
// its row.
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/platform/platform.h"
#include "core/provision/dltoolmanager.h"
#include "gui/mainwindow/desktopbridge.h"
#include "gui/pages/fileactions.h"
#include "helpers/fakebus.h"
#include "helpers/gui_test.h"

class TestDesktop : public QObject
{
    Q_OBJECT
    FakeBus bus;
    QTemporaryDir work;

    static SniffTask *endedDownload(const QString &url, const QString &title,
                                    SniffTask::State state)
    {
        auto *task = new SniffTask(url, {});
        JobEditor::media(task).title = title;
        JobEditor::setState(task, state);
        return task;
    }

private Q_SLOTS:
    void cleanup()
    {
        if (QTest::currentTestFailed())
            qInfo("the desktop saw:\n%s", bus.calls().constData());
    }
    void initTestCase()
    {
        fixture::prepare(work.path() + "/Download");
        QVERIFY(bus.start());
        Preferences *prefs = Preferences::instance();
        prefs->setConvertDir(work.path() + "/Converted");
        QDir().mkpath(prefs->convertDir());
        QVERIFY(DlToolManager::instance()->isAvailable());
    }

    // login1 first; several holders, one request; withdrawn when the last lets go. Without
    // login1 the screen saver is asked, and given its cookie back.
    void keepsTheComputerAwakeThroughWhicheverServiceAnswers()
    {
        QVERIFY(bus.startDesktop({"--login1", "--screensaver"}));
        platform::keepSystemAwake("downloads", true);
        platform::keepSystemAwake("conversions", true);
        QTRY_VERIFY(platform::systemKeptAwake());
        QCOMPARE(bus.count("login1 Inhibit idle:sleep block"), 1);
        platform::keepSystemAwake("downloads", false);
        QVERIFY(platform::systemKeptAwake());
        platform::keepSystemAwake("conversions", false);
        QTRY_VERIFY(bus.calls().contains("login1 released"));
        QVERIFY(!platform::systemKeptAwake());
        QCOMPARE(bus.count("screensaver"), 0);

        QVERIFY(bus.startDesktop({"--screensaver"}));
        platform::keepSystemAwake("downloads", true);
        QTRY_VERIFY(bus.calls().contains("screensaver Inhibit 41"));
        QTRY_VERIFY(platform::systemKeptAwake());
        platform::endKeepingAwake(); // quitting
        QTRY_VERIFY(bus.calls().contains("screensaver UnInhibit 41"));
    }

    // The real roads: a download run (the engine asks) and a conversion run (the bridge asks).
    void downloadsAndConversionsKeepItAwakeWhileTheyRun()
    {
        QVERIFY(bus.startDesktop({"--login1", "--notifications"}));
        SniffMgr downloads;
        QWidget window;
        DesktopBridge bridge(&window, &downloads, ConvertManager::instance());
        SniffTask *job = downloads.newTask("fake:slow?ms=600");
        downloads.addTask(job);
        downloads.schedule();
        QTRY_VERIFY(bus.calls().contains("login1 Inhibit"));
        QTRY_VERIFY_WITH_TIMEOUT(bus.calls().contains("login1 released"), 20000);
        // Out of sight (no window of ours is active): the end is told.
        QTRY_VERIFY(bus.calls().contains("Download finished|Title of fake:slow?ms=600|default"));

        QVERIFY(bus.startDesktop({"--login1"}));
        ConvMediaInfo source;
        source.sourcePath = testutil::writeFile(work.path() + "/clip-wait.mp4");
        source.mediaType = ConvMediaInfo::Video;
        ConvertTask *conversion = ConvertDataManager::instance()->addTaskFor(source);
        ConvertInfo params;
        params.formatName = "MP4";
        conversion->setParams(params);
        ConvertManager::instance()->startTask(conversion);
        QTRY_VERIFY(bus.calls().contains("login1 Inhibit"));
        QVERIFY(!bus.calls().contains("released"));
        testutil::writeFile(source.sourcePath + ".go");
        QTRY_VERIFY_WITH_TIMEOUT(bus.calls().contains("login1 released"), 20000);
    }

    // ShowItems selects the file; without a file manager its folder is opened; without an
    // opener either, the user is told.
    void showsTheFileThroughTheFileManagerElseItsFolder()
    {
        const QString file = testutil::writeFile(work.path() + "/a folder/clip one.mp4");
        QVERIFY(bus.startDesktop({"--filemanager"}));
        showInFileManager(file);
        QTRY_VERIFY(bus.calls().contains("ShowItems file://" + QFile::encodeName(work.path()) +
                                         "/a%20folder/clip%20one.mp4"));

        QVERIFY(bus.startDesktop({}));
        QTemporaryDir bin;
        testutil::writeFile(bin.path() + "/xdg-open", "#!/bin/sh\necho \"$1\" >> '" +
                                                          QFile::encodeName(bin.path()) +
                                                          "/opened'\n");
        QFile::setPermissions(bin.path() + "/xdg-open", QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        showInFileManager(file);
        QTRY_COMPARE(testutil::readFile(bin.path() + "/opened"),
                     QFile::encodeName(work.path()) + "/a folder\n");

        QFile::remove(bin.path() + "/xdg-open");
        auto told = testutil::answerNextModal("OK");
        showInFileManager(file);
        QTRY_VERIFY(told->answered);
        qputenv("PATH", path);
        QVERIFY2(told->texts.join(' ').contains("No file manager on this computer can show"),
                 qPrintable(told->texts.join('|')));
    }

    // Told only while no window of ours is in front and the preference is on; a private
    // download's title is never told; a click asks for the row.
    void notificationsTellOutcomesOutOfSightAndLeadToTheRow()
    {
        QVERIFY(bus.startDesktop({"--notifications"}));
        SniffMgr downloads;
        QWidget window;
        DesktopBridge bridge(&window, &downloads, ConvertManager::instance());
        QSignalSpy rows(&bridge, &DesktopBridge::rowRequested);
        std::unique_ptr<SniffTask> done(
            endedDownload("http://127.0.0.1:9/a", "Holiday", SniffTask::State::Finished));
        Q_EMIT downloads.taskRunEnded(done.get());
        QTRY_VERIFY(bus.calls().contains("Notify 1 Download finished|Holiday|default,Show"));

        // Not while the window is in front; not when turned off; paused runs are not told.
        {
            QWidget inFront;
            inFront.show();
            QApplication::setActiveWindow(&inFront);
            QTRY_VERIFY(QApplication::activeWindow());
            Q_EMIT downloads.taskRunEnded(done.get());
        }
        QTRY_VERIFY(!QApplication::activeWindow());
        Preferences::instance()->setDesktopNotifications(false);
        Q_EMIT downloads.taskRunEnded(done.get());
        Preferences::instance()->setDesktopNotifications(true);
        std::unique_ptr<SniffTask> paused(
            endedDownload("http://127.0.0.1:9/p", "Paused one", SniffTask::State::Paused));
        Q_EMIT downloads.taskRunEnded(paused.get());

        std::unique_ptr<SniffTask> secret(
            endedDownload("http://127.0.0.1:9/s", "Secret title", SniffTask::State::Failed));
        JobEditor::media(secret.get()).privateFile = true;
        Q_EMIT downloads.taskRunEnded(secret.get());
        QTRY_VERIFY(bus.calls().contains("Notify 2 Download failed|A private download|"));
        QVERIFY(!bus.calls().contains("Secret"));

        ConvMediaInfo source;
        source.sourcePath = work.path() + "/talk.mkv";
        ConvertTask conversion;
        conversion.setSourceInfo(source);
        Q_EMIT ConvertManager::instance()->converterManagerTaskDidFinished(&conversion, true);
        QTRY_VERIFY(bus.calls().contains("Notify 3 Conversion failed|talk.mkv|"));
        QCOMPARE(bus.count("Notify "), 3);

        bus.order("invoke 1 default");
        QTRY_COMPARE(rows.count(), 1);
        QCOMPARE(rows.at(0).at(0).value<DesktopBridge::Job>(), DesktopBridge::Job::Download);
        QCOMPARE(rows.at(0).at(1).toString(), done->workDir());
        QCOMPARE(rows.at(0).at(2).toBool(), false);
        bus.order("close 3");
        bus.order("invoke 3 default"); // closed: forgotten
        bus.order("invoke 2 default");
        QTRY_COMPARE(rows.count(), 2);
        QCOMPARE(rows.at(1).at(2).toBool(), true);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
