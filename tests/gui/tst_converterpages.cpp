// The converter pages and dialogs under the offscreen platform: the real managers, the real
// ffprobe and ffmpeg for inspecting files, and the scripted tool for converting them.
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertlistfile.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/process/myprocess.h"
#include "gui/converter/convertedpage.h"
#include "gui/converter/convertermodels.h"
#include "gui/converter/convertingpage.h"
#include "gui/converter/loadfilesdlg.h"
#include "gui/mainwindow/jobwiring.h"
#include "gui/pages/deleteconfirmdlg.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/finishedjobs.h"
#include "gui/widgets/mediaroles.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/progressbar.h"
#include "helpers/convertertest.h"

class TestConverterPages : public QObject
{
    Q_OBJECT
    QTemporaryDir work;
    ConvertingPage *page = nullptr;
    ConvertDataManager *data = nullptr;

    QString file(const QString &name, const QByteArray &content = "x")
    {
        return testutil::writeFile(work.filePath(name), content);
    }
    ConvertTask *addTask(const QString &source)
    {
        ConvMediaInfo info;
        info.sourcePath = source;
        info.mediaType = ConvMediaInfo::Video;
        page->onDidLoadFinishedOneFile(&info, false);
        return data->taskForSource(source);
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare(work.filePath("Downloads"));
        initGuiResources();
        Preferences *prefs = Preferences::instance();
        prefs->setConvertDir(work.filePath("Converted"));
        prefs->setMaxConversions(2);
        data = ConvertDataManager::instance();
        data->loadAll();
        page = new ConvertingPage;
        QVERIFY(testutil::show(page));
    }
    void cleanupTestCase()
    {
        delete page;
        MyProcessHelper::instance()->killAll();
    }

    void droppedFoldersAreSearchedAndTheirMediaAdded()
    {
        const QString folder = work.filePath("drop");
        file("drop/a.mp4");
        file("drop/b.txt");
        file("drop/sub/c.MKV");
        QStringList found = ConvertingPage::collectMediaPaths({folder, file("single.Mp3")});
        found.sort();
        QCOMPARE(found, QStringList({folder + "/a.mp4", folder + "/sub/c.MKV",
                                     work.filePath("single.Mp3")}));

        // A drag of nothing usable is refused.
        QMimeData nothing;
        nothing.setUrls({QUrl::fromLocalFile(work.filePath("drop/b.txt"))});
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &nothing, Qt::LeftButton, {});
        QApplication::sendEvent(page, &refused);
        QVERIFY(!refused.isAccepted());

        // A folder with media is taken: its files are inspected, the failures listed.
        const QString clip = work.filePath("media/first clip.mp4");
        QDir().mkpath(work.filePath("media"));
        QVERIFY(testutil::makeClip(clip, 1, "320x240"));
        const QString song = work.filePath("media/tone.mp3");
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=500", "-t", "1", song}));
        file("media/fake.mp4", "plain text, not a video");

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(work.filePath("media"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(page, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(page, &drop);

        LoadFilesDlg *dialog = page->loadingDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->progressBar()->maximum(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(!page->loadingDialog(), 20000);
        // The files that could not be added are listed a moment later.
        auto failedAnswer = testutil::answerNextModal("OK", [](QWidget *modal) {
            auto *failed = qobject_cast<FailedfilenameDialog *>(modal);
            QVERIFY(failed);
            QCOMPARE(failed->list()->count(), 1);
            QVERIFY(failed->list()->item(0)->text().endsWith("fake.mp4: not a media file"));
        });
        QTRY_VERIFY_WITH_TIMEOUT(failedAnswer->answered, 5000);
        QVERIFY(failedAnswer->texts.contains("Failed to add files:"));

        QCOMPARE(page->model()->rowCount(), 2);
        QVERIFY(!page->isEmptyStateShown());
        QVERIFY(page->deleteAllButton()->isEnabled());
        QVERIFY(page->showFileButton()->isEnabled()); // the first row is selected
        QCOMPARE(page->getSelectedTasks().first()->sourceInfo()->sourcePath,
                 page->model()->taskAt(0)->sourceInfo()->sourcePath);

        // The same files again: no new rows.
        page->addFiles({clip, song});
        QTRY_VERIFY_WITH_TIMEOUT(!page->loadingDialog(), 20000);
        QCOMPARE(page->model()->rowCount(), 2);
        QVERIFY(!page->list()->grab().isNull());
    }

    void cancelledLoadingStops()
    {
        QStringList files;
        for (int i = 0; i < 8; ++i)
            files << file(QStringLiteral("cancel/%1.mp4").arg(i), "junk");
        QSignalSpy inspected(ConvertManager::instance(),
                             &ConvertManager::convertManagerFinishOneItem);
        page->addFiles(files);
        QPointer<LoadFilesDlg> dialog = page->loadingDialog();
        QTRY_VERIFY_WITH_TIMEOUT(inspected.count() >= 1, 20000);
        const int failedBefore = inspected.count();
        dialog->findChild<QPushButton *>()->click();
        QVERIFY(dialog->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog, 20000);
        // The files found wrong before the cancel are listed with their reason; those being
        // inspected when it came are not failures.
        auto failedAnswer = testutil::answerNextModal("OK", [&](QWidget *modal) {
            auto *failed = qobject_cast<FailedfilenameDialog *>(modal);
            QVERIFY(failed);
            QVERIFY(failed->list()->count() >= failedBefore);
            QVERIFY(failed->list()->count() <= inspected.count());
            QVERIFY(failed->list()->count() < files.size());
            for (int i = 0; i < failed->list()->count(); ++i)
                QVERIFY(failed->list()->item(i)->text().endsWith(": not a media file"));
        });
        QTRY_VERIFY_WITH_TIMEOUT(failedAnswer->answered, 5000);
        QVERIFY(!ConvertManager::instance()->isLoading());
    }

    // A row's button asks for the target (cancelled: nothing starts, nothing is stored), then
    // converts; a row whose source went missing offers its removal instead.
    void convertOneFromItsRow()
    {
        ConvertTask *task = addTask(file("row/short.mp4"));
        const QString before = Preferences::instance()->convertVideoFormat();
        auto cancel = testutil::answerNextModal("Cancel", [](QWidget *modal) {
            qobject_cast<Adaptation *>(modal)->targetButton("MKV")->click();
        });
        testutil::clickRowButton(page->list(), page->delegate(), page->model()->rowOf(task));
        QVERIFY(cancel->answered);
        QCOMPARE(task->state(), int(ConvertTask::Idle));
        QCOMPARE(Preferences::instance()->convertVideoFormat(), before);

        QSignalSpy added(data, &ConvertDataManager::convertedFileDidAdd);
        auto answer = testutil::choose(true, "MP4", "720P");
        testutil::clickRowButton(page->list(), page->delegate(), page->model()->rowOf(task));
        QVERIFY(answer->answered);
        QVERIFY(added.wait(10000));
        QCOMPARE(page->model()->rowOf(task), -1);
        const ConvMediaInfo *result = data->convertedItemList().first();
        QCOMPARE(QFileInfo(result->outputPath).fileName(), QStringLiteral("short.mp4"));
        QCOMPARE(Preferences::instance()->convertVideoResolution(), QStringLiteral("720P"));

        const QString source = file("vanishing.mp4");
        ConvertTask *vanishing = addTask(source);
        QFile::remove(source);
        auto removal = testutil::answerNextModal("Delete");
        testutil::clickRowButton(page->list(), page->delegate(), page->model()->rowOf(vanishing));
        QVERIFY(removal->answered);
        QVERIFY(!data->taskForSource(source));
    }

    void convertAllStopAndRestart()
    {
        ConvertTask *waiting = addTask(file("all/a-wait.mp4"));
        ConvertTask *failing = addTask(file("all/b-fail.mp4"));
        auto answer = testutil::choose(true, "MP4", "720P");
        page->convertAllButton()->click();
        QVERIFY(answer->answered);
        QTRY_COMPARE(failing->state(), int(ConvertTask::Failed));
        QCOMPARE(ConvertingDelegate::statusText(failing), QStringLiteral("Convert failed."));
        QTRY_VERIFY(waiting->state() == ConvertTask::Converting && waiting->progress() >= 0.5);
        QCOMPARE(ConvertingDelegate::statusText(waiting), QStringLiteral("Converting 50.0%"));
        QVERIFY(!page->list()->grab().isNull());

        // Its row's button stops it; the row shows the file's facts again.
        testutil::clickRowButton(page->list(), page->delegate(), page->model()->rowOf(waiting));
        QCOMPARE(waiting->state(), int(ConvertTask::Idle));
        QCOMPARE(ConvertingDelegate::statusText(waiting), QString());
        QTRY_VERIFY(ConvertManager::instance()->runningTasks().isEmpty());

        // Started again, it converts to the end.
        QSignalSpy added(data, &ConvertDataManager::convertedFileDidAdd);
        auto again = testutil::choose(true, "MP4", "720P");
        testutil::clickRowButton(page->list(), page->delegate(), page->model()->rowOf(waiting));
        QVERIFY(again->answered);
        QCOMPARE(waiting->state(), int(ConvertTask::Converting));
        file("all/a-wait.mp4.go");
        QVERIFY(added.wait(10000));
    }

    void aWaitingRowShowsTheBusyStripesOfTheDownloadingPage()
    {
        ConvertTask *task = addTask(file("stripes.mp4"));
        task->setState(ConvertTask::Waiting);
        QVERIFY(ConvertingDelegate::showsBusyBar(task));
        const QModelIndex index = page->model()->index(page->model()->rowOf(task), 0);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 900, ConverterRowDelegate::kRowHeight);
        option.state = QStyle::State_Enabled;
        QImage row(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
        QImage expected(420, 5, QImage::Format_ARGB32_Premultiplied);
        for (int frame : {0, 7}) {
            page->delegate()->setBusyFrame(frame);
            row.fill(Qt::white);
            QPainter painter(&row);
            page->delegate()->paint(&painter, option, index);
            painter.end();
            // The bar is the shared stripe frame across its whole width, at every frame: no
            // segment clipped to a dot at either end.
            expected.fill(Qt::white);
            QPainter stripes(&expected);
            stripes.drawPixmap(0, 0, ProgressTickV2::busyFrame(420, frame));
            stripes.end();
            QImage painted = row.copy(QRect(0, 64, row.width(), 5));
            int left = -1;
            for (int x = 0; x < painted.width() && left < 0; ++x) {
                if (painted.pixelColor(x, 2) == expected.pixelColor(0, 2) &&
                    painted.copy(x, 0, 420, 5) == expected)
                    left = x;
            }
            QVERIFY2(left >= 0, qPrintable(QString("frame %1 not painted").arg(frame)));
        }
        task->setState(ConvertTask::Idle);
    }

    void deleteSelectedAndAll()
    {
        const int before = page->model()->rowCount();
        QVERIFY(before >= 2);
        page->list()->setCurrentIndex(page->model()->index(0));
        QMenu *menu = page->genPopMenu();
        QCOMPARE(menu->actions().size(), 2);
        auto answer = testutil::answerNextModal("OK");
        menu->actions().at(1)->trigger();
        QVERIFY(answer->answered);
        QCOMPARE(page->model()->rowCount(), before - 1);
        menu->close();

        auto all = testutil::answerNextModal("OK");
        page->deleteAllButton()->click();
        QVERIFY(all->answered);
        QCOMPARE(page->model()->rowCount(), 0);
        QVERIFY(data->convertingTaskList().isEmpty());
        // Empty again: the pictures, and nothing for the bulk buttons to act on.
        QVERIFY(page->isEmptyStateShown());
        QVERIFY(!page->deleteAllButton()->isEnabled());
        QVERIFY(!page->convertAllButton()->isEnabled());
        QVERIFY(!page->showFileButton()->isEnabled());
    }

    void chooserRemembersAndMapsChoices()
    {
        Preferences *prefs = Preferences::instance();
        {
            Adaptation dialog;
            dialog.findChild<QPushButton *>("pb_audio")->click();
            QVERIFY(dialog.muteBox()->isHidden());
            dialog.targetButton("MP3")->click();
            dialog.qualityBox()->setCurrentIndex(dialog.qualityBox()->findData("320Kb/s"));
            dialog.targetButton("FLAC")->click();
            QCOMPARE(dialog.qualityBox()->count(), 1);
            QCOMPARE(dialog.qualityBox()->currentText(), QStringLiteral("Same as source"));
            dialog.on_pushButton_ok_clicked();
            QCOMPARE(prefs->convertAudioBitRate(), QStringLiteral("Origin"));
            QCOMPARE(prefs->convertMediaType(), QStringLiteral("Audio"));
            QCOMPARE(dialog.buildConvertInfo().formatName, QStringLiteral("FLAC"));
        }
        {
            Adaptation dialog; // reopens on the audio page with FLAC
            QVERIFY(!dialog.isVideoPage());
            QVERIFY(dialog.targetButton("FLAC")->isChecked());
            dialog.targetButton("MP3")->click();
            QCOMPARE(dialog.qualityBox()->count(), 5);
            dialog.qualityBox()->setCurrentIndex(dialog.qualityBox()->findData("64Kb/s"));
            dialog.on_pushButton_ok_clicked();
            const ConvertInfo info = dialog.buildConvertInfo();
            QCOMPARE(info.isVideo, 0);
            QCOMPARE(info.audioBitRate, QStringLiteral("64Kb/s"));
        }
        {
            Adaptation dialog;
            dialog.findChild<QPushButton *>("pb_video")->click();
            QVERIFY(!dialog.muteBox()->isHidden());
            QCOMPARE(dialog.findChild<QToolButton *>("toolButton_iPhone_iPod"),
                     dialog.targetButton("iPhone/iPod"));
            dialog.targetButton("iPhone/iPod")->click();
            dialog.qualityBox()->setCurrentIndex(dialog.qualityBox()->findData("1440P"));
            dialog.muteBox()->setChecked(true);
            dialog.on_pushButton_ok_clicked();
            QCOMPARE(prefs->convertVideoResolution(), QStringLiteral("1440P"));
            const ConvertInfo info = dialog.buildConvertInfo();
            QCOMPARE(info.formatName, QStringLiteral("iPhone/iPod"));
            QVERIFY(info.isMute);
            QCOMPARE(convertparams::resolutionFor(info.resolution), QStringLiteral("2560x1440"));
        }
        Adaptation reopened;
        QVERIFY(reopened.isVideoPage());
        QVERIFY(reopened.findChild<QToolButton *>("toolButton_iPhone_iPod")->isChecked());
        QCOMPARE(reopened.qualityBox()->currentData().toString(), QStringLiteral("1440P"));
        QVERIFY(reopened.muteBox()->isChecked());
        prefs->setConvertVideoMuted(false);
    }

    // The converted page: its own records and the downloads converted after they finished (the
    // engine's records, seen through the downloaded page's public filter: a private one never;
    // an older version's copy of one in the converted list goes), searched by file name. A delete
    // with the file leaves every list that named the file; a missing file is offered for removal.
    void convertedPageShowsOneRecordPerFile()
    {
        data->removeConvertedItems(data->convertedItemList(), false);
        for (const char *name : {"holiday.mp4", "HOLIDAY2.MP4", "talk.mp3"}) {
            ConvMediaInfo record;
            record.outputPath = file(QStringLiteral("done/%1").arg(QLatin1String(name)));
            record.mediaType = QByteArray(name).endsWith("mp3") ? 0 : 1;
            data->addConverted(record);
        }
        SniffMgr *mgr = SniffMgr::instance();
        const auto download = [&](const QString &name, bool convertedOne, SniffTask::Place place) {
            JobRecord job = fixture::finished("http://127.0.0.1:9/" + name, name,
                                              file("Downloads/" + name + ".mp4"));
            job.result.converted = convertedOne;
            return mgr->restoreJob(job, place);
        };
        SniffTask *copied = download("copied", false, SniffTask::Place::Done);
        SniffTask *shown = download("shown", true, SniffTask::Place::Done);
        download("hidden", true, SniffTask::Place::Private);
        download("plain", false, SniffTask::Place::Done);
        ConvMediaInfo copy;
        copy.outputPath = copied->filePath();
        data->addConverted(copy);
        jobwiring::connectOwners();
        QVERIFY(copied->result().converted);
        QCOMPARE(data->convertedItemList().size(), 3);

        DownloadedPage downloaded;
        ConvertedPage converted;
        converted.setDownloads(downloaded.convertedDownloads());
        QVERIFY(testutil::show(&converted));
        QAbstractItemModel *rows = converted.shownModel();
        QCOMPARE(rows->rowCount(), 5);
        QCOMPARE(ConverterRowDelegate::nameOf(rows->index(0, 0)), QString("talk.mp3"));
        QCOMPARE(ConverterRowDelegate::nameOf(rows->index(4, 0)), QString("shown.mp4"));
        // The facts are the record's, read through the same roles on both pages.
        QCOMPARE(ConverterRowDelegate::factText(rows->index(4, 0), mediaroles::FormatRole),
                 QString("MP4"));
        QVERIFY(converted.deleteSelectedButton()->isEnabled());
        QVERIFY(!converted.list()->grab().isNull());

        converted.searchField()->setText("mp4");
        QCOMPARE(rows->rowCount(), 4);
        QCOMPARE(converted.searchField()->palette().color(QPalette::Text), QColor("#444444"));
        converted.searchField()->setText("holiday  x");
        QCOMPARE(rows->rowCount(), 2); // any word, blanks between them ignored
        converted.searchField()->clear();
        QCOMPARE(converted.searchField()->palette().color(QPalette::Text), QColor("#333333"));
        // The clear button fades out on an animation of Qt's that only the animation timer
        // holds: it hides the button when it ends, and must end before the page goes, or it
        // outlives the test (a leak under the sanitizers).
        auto *clearButton = converted.searchField()->findChild<QToolButton *>();
        QVERIFY(clearButton);
        QTRY_VERIFY(clearButton->isHidden());

        // Delete on a row, with its file: a record of the page's, then a download's, which
        // leaves the downloaded page too.
        const QString talk = converted.model()->infoAt(0)->outputPath,
                      shownFile = shown->filePath();
        for (const int row : {0, 3}) {
            auto answer = testutil::answerNextModal("Delete", [](QWidget *modal) {
                modal->findChild<QCheckBox *>()->setChecked(true);
            });
            testutil::clickRowButton(converted.list(), converted.delegate(), row,
                                     ConvertedDelegate::DeleteButton);
            QVERIFY(answer->answered);
            QVERIFY(answer->texts.contains("Are you sure to delete this item?"));
        }
        QVERIFY(!QFileInfo::exists(talk) && !QFileInfo::exists(shownFile));
        QVERIFY(!mgr->doneList().contains(shown));
        QCOMPARE(downloaded.allModel()->rowCount(), 2);
        QCOMPARE(rows->rowCount(), 3);
        // Without the box ticked the file stays; the list on disk follows.
        const QString holiday2 = converted.model()->infoAt(0)->outputPath;
        auto keep = testutil::answerNextModal("Delete");
        testutil::clickRowButton(converted.list(), converted.delegate(), 0,
                                 ConvertedDelegate::DeleteButton);
        QVERIFY(keep->answered && QFileInfo::exists(holiday2));
        QCOMPARE(convertlist::load(convertedListPath()).size(), 1);

        // A converted file deleted through the converter leaves the downloaded list too.
        data->addConverted(copy);
        data->removeConvertedItems({data->convertedItemList().first()}, true);
        QVERIFY(!mgr->doneList().contains(copied));
        QCOMPARE(downloaded.allModel()->rowCount(), 1);

        // A file that went missing is offered for removal when played; its record goes.
        QFile::remove(converted.model()->infoAt(0)->outputPath);
        auto removal = testutil::answerNextModal("Delete");
        converted.onPlay(converted.model()->infoAt(0));
        QVERIFY(removal->answered);
        QVERIFY(data->convertedItemList().isEmpty());
        fixture::clearFinished(mgr);
    }
};

QTEST_MAIN(TestConverterPages)
#include "tst_converterpages.moc"
