// The real main window with the real download tool, yt-dlp and ffmpeg against media served on
// 127.0.0.1: the paste road's questions (a pasted page with several videos: all of them, each its
// own, or the first only; an address downloaded before), paste, watch, pause, pick playlist
// entries; the converter with ffmpeg: files made by ffmpeg are dropped on the converting page,
// converted (MP4 at 720P, MP3, 480P from two shapes of source), checked with ffprobe, one stopped
// half-way; and a restarted application finds every list as it was. With CLIPMOOR_SCREENSHOTS set
// to a folder, the pages and the questions (over the window) are saved there as pictures.
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/protocol/displaytext.h"
#include "gui/converter/convertedpage.h"
#include "gui/converter/convertermodels.h"
#include "gui/converter/convertingpage.h"
#include "gui/converter/loadfilesdlg.h"
#include "gui/mainwindow/preferencesdlg.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingmodel.h"
#include "gui/pages/finishedjobs.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/playlistconfirmdlg.h"
#include "gui/pages/taskmodels.h"
#include "gui/widgets/zqmessagebox.h"
#include "helpers/convertertest.h"
#include "helpers/windowtest.h"

namespace {

// What a started window shows of the lists and the converter's pages, as one JSON document.
QByteArray describeLists(MainWindow &window)
{
    window.tabs()->button(3)->click();
    window.tabs()->button(4)->click();
    auto *converting = qobject_cast<ConvertingPage *>(window.lazyPage(3));
    auto *converted = qobject_cast<ConvertedPage *>(window.lazyPage(4));
    QJsonArray waiting, convertedFiles;
    for (ConvertTask *task : converting->model()->tasks())
        waiting.append(QJsonObject{{"source", task->sourceInfo()->sourcePath},
                                   {"size", double(task->sourceInfo()->fileSize)},
                                   {"thumb", task->sourceInfo()->thumbnailPath}});
    for (ConvMediaInfo *info : converted->model()->items())
        convertedFiles.append(QJsonObject{
            {"output", info->outputPath},
            {"source", info->sourcePath},
            {"facts", info->typeText() + ' ' + info->durationText() + ' ' + info->qualityText()}});
    QJsonArray downloading, done;
    MyListWidget *active = window.downloading()->list();
    for (int i = 0; i < active->count(); ++i) {
        SniffTask *task = active->taskAt(i);
        const QModelIndex row = active->model()->index(i, 0);
        downloading.append(QJsonObject{{"url", task->url()},
                                       {"state", int(task->state())},
                                       {"title", row.data(Qt::DisplayRole).toString()},
                                       {"status", row.data(taskmodels::StatusRole).toString()}});
    }
    MyListWidget *finished = window.downloaded()->allList();
    for (int i = 0; i < finished->count(); ++i) {
        SniffTask *task = finished->taskAt(i);
        done.append(QJsonObject{
            {"url", task->url()}, {"title", task->title()}, {"file", task->filePath()}});
    }
    return QJsonDocument(QJsonObject{{"downloading", downloading},
                                     {"done", done},
                                     {"history", SniffMgr::instance()->historyList().size()},
                                     {"converting", waiting},
                                     {"converted", convertedFiles}})
        .toJson(QJsonDocument::Compact);
}

} // namespace

class TestAppEndToEnd : public QObject
{
    Q_OBJECT
    fixture::Site site;
    QTemporaryDir &www = site.www;
    std::unique_ptr<TestHttpServer> &server = site.server;
    std::unique_ptr<MainWindow> window;
    qint64 pasteClock = 0; // the paste guard's clock
    int fileSizeOfBig = 0;
    QTemporaryDir media;
    QTemporaryDir converted;
    ConvertingPage *converting = nullptr;

    ConvertTask *taskOf(const QString &name) const
    {
        return ConvertDataManager::instance()->taskForSource(media.filePath(name));
    }
    // Starts a row from its button and answers the chooser (kind, target, quality).
    void convertRow(ConvertTask *task, bool video, const QString &target, const QString &quality,
                    std::function<void(QWidget *)> then = {})
    {
        auto answer = testutil::choose(video, target, quality, std::move(then));
        clickRowButton(task);
        QVERIFY(answer->answered);
    }
    void clickRowButton(ConvertTask *task)
    {
        testutil::clickRowButton(converting->list(), converting->delegate(),
                                 converting->model()->rowOf(task));
    }
    ConvMediaInfo *convertedNamed(const QString &name) const
    {
        for (ConvMediaInfo *info : ConvertDataManager::instance()->convertedItemList())
            if (QFileInfo(info->outputPath).fileName() == name)
                return info;
        return nullptr;
    }

    QHash<QString, qint64> sizes; // served clip -> bytes

    void paste(const QString &text) { testutil::paste(window->downloading(), &pasteClock, text); }

    QList<SniffTask *> done() const { return SniffMgr::instance()->doneList(); }
    SniffTask *doneWith(const QString &url) const
    {
        for (SniffTask *t : done()) {
            if (t->url() == url)
                return t;
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        testutil::prepareWindowEnvironment();
        testutil::prepareRealDownloads(fixture::downloadFolder());
        Preferences *prefs = Preferences::instance();
        prefs->setNumberPlaylistFiles(true);
        // Three different clips: each entry's file tells by its size which one it is.
        QVERIFY(testutil::makeClip(www.path() + "/one.mp4", 12, "640x360"));
        QVERIFY(testutil::makeClip(www.path() + "/two.mp4", 2, "320x240"));
        QVERIFY(testutil::makeClip(www.path() + "/three.mp4", 3, "480x270"));
        for (const char *clip : {"one.mp4", "two.mp4", "three.mp4"})
            sizes.insert(clip, QFileInfo(www.path() + "/" + clip).size());
        site.page("three.html", "Three clips", {"one.mp4", "two.mp4", "three.mp4"});
        site.page("pair.html", "A pair", {"two.mp4", "three.mp4"});
        prefs->setConvertDir(converted.path());
        QVERIFY(testutil::makeClip(media.filePath("wide clip.mp4"), 3, "960x540"));
        QVERIFY(testutil::makeClip(media.filePath("old tv.mp4"), 2, "640x480"));
        QVERIFY(testutil::runFfmpeg(
            {"-f", "lavfi", "-i", "sine=frequency=440", "-t", "2", media.filePath("tone.wav")}));
        testutil::writeFile(media.filePath("readme.txt"), "not media");
        testutil::writeFile(media.filePath("broken.mp4"), "a text file with a video's name");
        QVERIFY(testutil::makeClip(www.path() + "/clip.mp4", 3));
        QVERIFY(testutil::makeClip(www.path() + "/second.mp4", 2, "320x240"));
        QVERIFY(testutil::makeClip(www.path() + "/big.mp4", 60, "1280x720"));
        fileSizeOfBig = int(QFileInfo(www.path() + "/big.mp4").size());
        site.page("list.html", "Two clips", {"second.mp4", "clip.mp4"});
        // The big file stops arriving part-way, so its row can be seen downloading.
        server->stallAfter.insert("big.mp4", fileSizeOfBig * 2 / 5);
        QVERIFY(server->start());

        window = testutil::openWindow(&pasteClock, QSize(1100, 720));
        QVERIFY(window);
    }

    void cleanupTestCase() { testutil::closeWindow(window); }

    // All of the page's videos: the job of the pasted page is held before anything is kept, the
    // playlist dialog lists the videos, and every entry fetches its own under its own number:
    // three files and three rows for three videos.
    void allVideosOfAPastedPageEachComeOnce()
    {
        const QString page = server->url("three.html");
        QPointer<SniffTask> single;
        bool heldEmpty = false;
        auto question = testutil::answerNext<ZQMessageBox>("Download All", [&, this](QWidget *m) {
            single = window->downloading()->list()->taskAt(0);
            testutil::screenshot(window.get(), "question-several-videos", m);
            QTRY_VERIFY_WITH_TIMEOUT(SniffMgr::instance()->runningCount() == 0, 30000);
            heldEmpty = single && single->state() == SniffTask::State::Paused &&
                        QDir(fixture::downloadFolder()).entryList(QDir::Files).isEmpty();
        });
        int listed = 0;
        auto playlist = testutil::answerNext<PlaylistConfirmDlg>("Download", [&](QWidget *m) {
            auto *dialog = static_cast<PlaylistConfirmDlg *>(m);
            QTRY_COMPARE_WITH_TIMEOUT(dialog->table()->model()->rowCount(), 3, 60000);
            listed = dialog->table()->model()->rowCount();
        });
        paste(page);
        QCOMPARE(window->downloading()->list()->count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(question->answered && playlist->answered, 90000);
        const QString asked = question->texts.join('\n');
        QVERIFY2(asked.contains("This page has 3 videos."), qPrintable(asked));
        QCOMPARE(listed, 3);
        QVERIFY(heldEmpty);
        // The held job gave way to the entries.
        QTRY_VERIFY(single.isNull() || !SniffMgr::instance()->downloadingList().contains(single));
        QTRY_COMPARE_WITH_TIMEOUT(done().size(), 3, 120000);
        QVERIFY(!doneWith(page));
        const QStringList clips{"one.mp4", "two.mp4", "three.mp4"};
        for (int n = 1; n <= 3; ++n) {
            SniffTask *entry = doneWith(page + QStringLiteral("#vantoro-item=%1/3").arg(n));
            QVERIFY2(entry, qPrintable(QString::number(n)));
            const QFileInfo file(entry->filePath());
            QVERIFY2(file.fileName().startsWith(QString::number(n) + ". "),
                     qPrintable(file.fileName()));
            QCOMPARE(file.size(), sizes.value(clips.at(n - 1)));
        }
        QCOMPARE(QDir(fixture::downloadFolder()).entryList(QDir::Files).size(), 3);
        QCOMPARE(window->downloaded()->allModel()->rowCount(), 3);
    }

    // The first only: the held job goes on and keeps the page's own title.
    void theFirstVideoOnlyKeepsTheRunningDownload()
    {
        const QString page = server->url("pair.html");
        auto question = testutil::answerNext<ZQMessageBox>("First Only");
        paste(page);
        QTRY_VERIFY_WITH_TIMEOUT(question->answered, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(doneWith(page), 90000);
        SniffTask *task = doneWith(page);
        QCOMPARE(task->title(), QString("A pair"));
        QCOMPARE(QFileInfo(task->filePath()).size(), sizes.value("two.mp4"));
        QCOMPARE(done().size(), 4);
        QCOMPARE(window->downloading()->list()->count(), 0);
    }

    // Pasting an address already on the downloaded page asks before downloading it again.
    void anAddressDownloadedBeforeAsksFirst()
    {
        const QString clip = server->url("two.mp4");
        paste(clip); // never downloaded: no question
        QTRY_VERIFY_WITH_TIMEOUT(doneWith(clip), 90000);
        const int before = done().size();

        auto cancelled = testutil::answerNext<ZQMessageBox>("Cancel", [this](QWidget *m) {
            testutil::screenshot(window.get(), "question-already-downloaded", m);
        });
        paste(clip);
        QVERIFY(cancelled->answered);
        const QString asked = cancelled->texts.join('\n');
        QVERIFY2(asked.contains("This File Has Already Been Downloaded. Download It Again?"),
                 qPrintable(asked));
        QVERIFY(asked.contains("two")); // the title of what was downloaded
        QCOMPARE(window->downloading()->list()->count(), 0);

        auto again = testutil::answerNext<ZQMessageBox>("Download Again");
        paste(clip);
        QVERIFY(again->answered);
        QCOMPARE(window->downloading()->list()->count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(done().size(), before + 1, 90000);
    }

    void aPastedAddressIsDownloadedAndListedOnTheDownloadedPage()
    {
        testutil::screenshot(window.get(), "downloading-empty");
        const int before = window->downloaded()->allList()->count();
        paste(server->url("clip.mp4"));
        QCOMPARE(window->downloading()->list()->count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(window->downloaded()->allList()->count(), before + 1, 90000);
        QCOMPARE(window->downloading()->list()->count(), 0);
        QVERIFY(window->downloading()->isEmptyStateShown());
        SniffTask *task = window->downloaded()->allList()->taskAt(0);
        QCOMPARE(task->state(), SniffTask::State::Finished);
        QCOMPARE(task->title(), QString("clip"));
        QCOMPARE(task->filePath(), fixture::downloadFolder() + "/clip.mp4");
        QVERIFY(QFileInfo(fixture::downloadFolder() + "/clip.mp4").size() > 10000);
        QCOMPARE(task->result().resolution, QString("640x360"));
        QCOMPARE(protocol::formatDuration(qint64(task->result().duration)), QString("00:03"));
        QVERIFY(!QFileInfo::exists(task->workDir()));
    }

    void aStalledDownloadShowsItsProgressAndPausesFromTheMenu()
    {
        Preferences::instance()->setManualSpeedLimit("128 KBps"); // slow, to be seen downloading
        paste(server->url("big.mp4"));
        DownloadingPage *page = window->downloading();
        QCOMPARE(page->list()->count(), 1);
        SniffTask *task = page->list()->taskAt(0);
        const QModelIndex row = page->model()->index(0);
        const auto status = [&row] {
            return row.data(taskmodels::StatusRole).toString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(status().contains(" of "), 60000);
        QCOMPARE(row.data(Qt::DisplayRole).toString(), QString("big"));
        QCOMPARE(row.data(taskmodels::ButtonImageRole).toString(), QString("pause"));
        // The page shows the row mid-way (the server stalls at two fifths of the file).
        QTRY_VERIFY_WITH_TIMEOUT(row.data(taskmodels::BarValueRole).toInt() >= 25, 60000);
        QCoreApplication::processEvents();
        testutil::screenshot(window.get(), "downloading-progress");

        // The menu's Pause acts on the selected row.
        page->list()->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        QAction pause;
        pause.setData(201);
        connect(&pause, &QAction::triggered, page, &DownloadingPage::onContextAction);
        pause.trigger();
        QTRY_COMPARE_WITH_TIMEOUT(task->state(), SniffTask::State::Paused, 20000);
        QTRY_VERIFY(status().endsWith("Paused"));
        QVERIFY(status().contains(" of "));
        QCOMPARE(row.data(taskmodels::ButtonImageRole).toString(), QString("resume"));
    }

    void aPlaylistPageListsItsEntriesAndTheChosenOneIsDownloaded()
    {
        QPointer<PlaylistConfirmDlg> seen;
        auto answer = testutil::answerNextModal("Download", [&, this](QWidget *modal) {
            auto *dialog = qobject_cast<PlaylistConfirmDlg *>(modal);
            seen = dialog;
            QVERIFY(dialog);
            QTRY_COMPARE_WITH_TIMEOUT(dialog->table()->model()->rowCount(), 2, 60000);
            QCOMPARE(dialog->table()->model()->index(0, 1).data().toString(),
                     QString("Two clips (1)"));
            testutil::screenshot(dialog, "playlist-dialog");
            dialog->entriesModel()->setChecked(1, false); // only the first entry
        });
        const int before = window->downloaded()->allList()->count();
        QApplication::clipboard()->setText(server->url("list.html"));
        QAction action;
        action.setData(211);
        connect(&action, &QAction::triggered, window->downloading(),
                &DownloadingPage::onContextAction);
        action.trigger();
        QVERIFY(answer->answered);
        QTRY_COMPARE_WITH_TIMEOUT(window->downloaded()->allList()->count(), before + 1, 90000);
        SniffTask *newest = window->downloaded()->allList()->taskAt(0);
        QCOMPARE(newest->title(), QString("Two clips (1)"));
        window->tabs()->button(1)->click();
        QTRY_VERIFY(window->downloaded()->isVisible());
        testutil::screenshot(window.get(), "downloaded");
        window->tabs()->button(0)->click();
    }

    void thePreferencesTabs()
    {
        if (!qEnvironmentVariableIsSet("CLIPMOOR_SCREENSHOTS"))
            QSKIP("screenshots only");
        PreferencesDlg dialog;
        dialog.resize(dialog.minimumSize());
        dialog.show();
        const char *const names[] = {"preferences-download", "preferences-connection",
                                     "preferences-convert"};
        for (int i = 0; i < 3; ++i) {
            dialog.tabs()->setCurrentIndex(i);
            QTRY_VERIFY(dialog.tabs()->currentWidget()->isVisible());
            testutil::screenshot(&dialog, names[i]);
        }
    }

    void dropFilesOnTheConvertingPage()
    {
        window->tabs()->button(3)->click();
        converting = qobject_cast<ConvertingPage *>(window->lazyPage(3));
        QVERIFY(converting && converting->isVisible());
        testutil::screenshot(window.get(), "converting-empty");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(media.path())});
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(converting, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(converting, &drop);
        QVERIFY(converting->loadingDialog() && converting->loadingDialog()->isVisible());
        QTRY_VERIFY(converting->loadingDialog()->progressBar()->value() >= 2);
        testutil::screenshot(converting->loadingDialog(), "converter-loading-dialog");
        QTRY_VERIFY_WITH_TIMEOUT(!converting->loadingDialog(), 60000);
        // The text file with a video's name is named afterwards.
        auto failed = testutil::answerNextModal("OK", [this](QWidget *modal) {
            testutil::screenshot(modal, "converter-failed-files");
        });
        QTRY_VERIFY_WITH_TIMEOUT(failed->answered, 5000);
        QVERIFY(failed->texts.contains("Failed to add files:"));
        QCOMPARE(converting->model()->rowCount(), 3);
        const ConvMediaInfo *clip = taskOf("wide clip.mp4")->sourceInfo();
        QCOMPARE(clip->width, 960);
        QCOMPARE(clip->mediaType, int(ConvMediaInfo::Video));
        QCOMPARE(QImage(clip->thumbnailPath).size(), QSize(200, 120));
        QCOMPARE(taskOf("tone.wav")->sourceInfo()->mediaType, int(ConvMediaInfo::Audio));
    }

    void convertToMp4At720AndToMp3()
    {
        QSignalSpy added(ConvertDataManager::instance(), &ConvertDataManager::convertedFileDidAdd);
        convertRow(taskOf("wide clip.mp4"), true, "MP4", "720P",
                   [](QWidget *dialog) { testutil::screenshot(dialog, "converter-format-video"); });
        convertRow(taskOf("tone.wav"), false, "MP3", "Origin",
                   [](QWidget *dialog) { testutil::screenshot(dialog, "converter-format-audio"); });
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 2, 120000);
        QCOMPARE(converting->model()->rowCount(), 1);

        const ConvMediaInfo *mp4 = convertedNamed("wide clip.mp4");
        QVERIFY(mp4);
        QCOMPARE(QFileInfo(mp4->outputPath).absolutePath(), converted.path());
        const QJsonObject video = testutil::streamOf(mp4->outputPath, "video");
        QCOMPARE(video.value("codec_name").toString(), QStringLiteral("h264"));
        QCOMPARE(video.value("height").toInt(), 720);
        QCOMPARE(video.value("width").toInt(), 1280);
        QCOMPARE(mp4->height, 720);
        QCOMPARE(mp4->sourcePath, media.filePath("wide clip.mp4"));

        const ConvMediaInfo *mp3 = convertedNamed("tone.mp3");
        QVERIFY(mp3);
        const QJsonObject audio = testutil::streamOf(mp3->outputPath, "audio");
        QCOMPARE(audio.value("codec_name").toString(), QStringLiteral("mp3"));
        QCOMPARE(mp3->mediaType, int(ConvMediaInfo::Audio));
        QVERIFY(QFileInfo::exists(media.filePath("tone.wav"))); // the source is never touched

        window->tabs()->button(4)->click();
        testutil::screenshot(window.get(), "converted-page");
        window->tabs()->button(3)->click();
    }

    void resolutionFollowsTheSourceAspect()
    {
        // "480P" means 480 lines, the width following the source: a 4:3 source becomes 640x480
        // and a 16:9 one 854x480, never stretched or letterboxed.
        converting->addFiles({media.filePath("wide clip.mp4")});
        QTRY_VERIFY_WITH_TIMEOUT(!converting->loadingDialog(), 30000);
        QSignalSpy added(ConvertDataManager::instance(), &ConvertDataManager::convertedFileDidAdd);
        for (const char *name : {"old tv.mp4", "wide clip.mp4"}) {
            convertRow(taskOf(QLatin1String(name)), true, "MKV", "480P");
        }
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 2, 120000);
        QJsonObject video = testutil::streamOf(convertedNamed("old tv.mkv")->outputPath, "video");
        QCOMPARE(video.value("height").toInt(), 480);
        QCOMPARE(video.value("width").toInt(), 640);
        video = testutil::streamOf(convertedNamed("wide clip.mkv")->outputPath, "video");
        QCOMPARE(video.value("height").toInt(), 480);
        QCOMPARE(video.value("width").toInt(), 854);
    }

    void aStoppedConversionLeavesNoFile()
    {
        QVERIFY(testutil::makeClip(media.filePath("long.mp4"), 12, "1280x720"));
        QVERIFY(QFile::copy(media.filePath("long.mp4"), media.filePath("long copy.mp4")));
        converting->addFiles({media.filePath("long.mp4"), media.filePath("long copy.mp4"),
                              media.filePath("old tv.mp4")});
        QTRY_VERIFY_WITH_TIMEOUT(!converting->loadingDialog(), 30000);
        QCOMPARE(converting->model()->rowCount(), 3);
        // All three at once: two convert, the third waits for a free slot.
        auto answer = testutil::choose(true, "HEVC MKV", "1080P");
        converting->convertAllButton()->click();
        QVERIFY(answer->answered);
        ConvertTask *task = taskOf("long.mp4");
        QTRY_VERIFY_WITH_TIMEOUT(
            task->progress() > 0.02 && taskOf("long copy.mp4")->progress() > 0.02, 60000);
        QCOMPARE(taskOf("old tv.mp4")->state(), int(ConvertTask::Waiting));
        testutil::screenshot(window.get(), "converting-page");

        const QStringList before = QDir(converted.path()).entryList(QDir::Files);
        QSignalSpy added(ConvertDataManager::instance(), &ConvertDataManager::convertedFileDidAdd);
        clickRowButton(task);
        QCOMPARE(task->state(), int(ConvertTask::Idle));
        QTRY_VERIFY_WITH_TIMEOUT(!task->isRunning(), 10000);
        // The freed slot goes to the waiting file, which converts.
        QVERIFY(added.wait(60000));
        QCOMPARE(QFileInfo(ConvertDataManager::instance()->convertedItemList().first()->outputPath)
                     .fileName(),
                 QStringLiteral("old tv(1).mkv"));
        ConvertManager::instance()->stopAll();
        QTRY_VERIFY_WITH_TIMEOUT(!taskOf("long copy.mp4")->isRunning(), 10000);
        QStringList after = QDir(converted.path()).entryList(QDir::Files);
        after.removeOne("old tv(1).mkv");
        QCOMPARE(after, before);
        QCOMPARE(QDir(converted.path() + "/.temp").entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList());
        // Both long files stay listed for the restart.
        QCOMPARE(converting->model()->rowCount(), 2);
    }

    void aRestartFindsEveryListAsItWas()
    {
        const QByteArray before = describeLists(*window);
        SniffMgr::instance()->saveNow(); // as quitting does: a save asked for earlier may wait
        const QJsonObject was = QJsonDocument::fromJson(before).object();
        const QJsonObject is = testutil::restartAndDescribe();
        QVERIFY(!is.isEmpty());
        COMPARE_MAPPED([&is](const QString &list) { return is.value(list).toArray().size(); },
                       "done -> 8", "downloading -> 1", "converting -> 2", "converted -> 5");
        QCOMPARE(is.value("history").toInt(), 9);
        for (const char *list : {"converting", "converted", "done", "downloading"})
            QCOMPARE(is.value(list), was.value(list));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    testutil::answerAsRestartedApp(describeLists);
    TestAppEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app_e2e.moc"
