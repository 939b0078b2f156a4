// The converter in the real main window with the real download tool and ffmpeg: files made by
// ffmpeg are dropped on the converting page, one is converted to MP4 at 720P and one to MP3, the
// results are checked with ffprobe, and a restarted application finds both lists as they were.
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/foundation/preferences.h"
#include "gui/converter/adaptation.h"
#include "gui/converter/convertedpage.h"
#include "gui/converter/converterdelegates.h"
#include "gui/converter/convertermodels.h"
#include "gui/converter/convertingpage.h"
#include "gui/converter/loadfilesdlg.h"
#include "gui/mainwindow/mainwindow.h"
#include "helpers/fixture.h"
#include "helpers/modalhelper.h"
#include "helpers/windowtest.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListView>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

namespace {

// What the converter pages of a started window show, as one JSON document.
QByteArray describeConverter(MainWindow &window)
{
    window.tabs()->button(3)->click();
    window.tabs()->button(4)->click();
    auto *converting = qobject_cast<ConvertingPage *>(window.lazyPage(3));
    auto *converted = qobject_cast<ConvertedPage *>(window.lazyPage(4));
    QJsonArray waiting, done;
    for (ConvertTask *task : converting->model()->tasks())
        waiting.append(QJsonObject{{"source", task->sourceInfo()->sourcePath},
                                   {"size", double(task->sourceInfo()->fileSize)},
                                   {"thumb", task->sourceInfo()->thumbnailPath}});
    for (ConvMediaInfo *info : converted->model()->items())
        done.append(QJsonObject{
            {"output", info->outputPath},
            {"source", info->sourcePath},
            {"facts", info->typeText() + ' ' + info->durationText() + ' ' + info->qualityText()}});
    return QJsonDocument(QJsonObject{{"converting", waiting}, {"converted", done}})
        .toJson(QJsonDocument::Compact);
}

} // namespace

class TestConverterEndToEnd : public QObject
{
    Q_OBJECT
    QTemporaryDir media;
    QTemporaryDir converted;
    std::unique_ptr<MainWindow> window;
    ConvertingPage *page = nullptr;

    ConvertTask *taskOf(const QString &name) const
    {
        return ConvertDataManager::instance()->taskForSource(media.filePath(name));
    }
    // Starts a row from its button and answers the chooser as `choose` says.
    void convertRow(ConvertTask *task, const std::function<void(Adaptation *)> &choose)
    {
        auto answer = testutil::answerNextModal("OK", [choose](QWidget *modal) {
            auto *dialog = qobject_cast<Adaptation *>(modal);
            QVERIFY(dialog);
            choose(dialog);
        });
        const QModelIndex index = page->model()->index(page->model()->rowOf(task));
        const QRect rect = page->delegate()->buttonRects(page->list()->visualRect(index), index)[0];
        QTest::mouseClick(page->list()->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(answer->answered);
    }
    ConvMediaInfo *convertedNamed(const QString &name) const
    {
        for (ConvMediaInfo *info : ConvertDataManager::instance()->convertedItemList())
            if (QFileInfo(info->outputPath).fileName() == name)
                return info;
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        testutil::prepareWindowEnvironment();
        Preferences *prefs = Preferences::instance();
        prefs->setToolLocation(testutil::helperPath("../bin/vantoro-dl"));
        prefs->setConvertDir(converted.path());
        prefs->setWelcomeShown(true);
        QVERIFY(testutil::makeClip(media.filePath("wide clip.mp4"), 3, "960x540"));
        QVERIFY(testutil::makeClip(media.filePath("old tv.mp4"), 2, "640x480"));
        QVERIFY(testutil::runFfmpeg(
            {"-f", "lavfi", "-i", "sine=frequency=440", "-t", "2", media.filePath("tone.wav")}));
        testutil::writeFile(media.filePath("readme.txt"), "not media");
        testutil::writeFile(media.filePath("broken.mp4"), "a text file with a video's name");
        window = testutil::openWindow(nullptr, QSize(1100, 720));
        QVERIFY(window);
    }
    void cleanupTestCase() { testutil::closeWindow(window); }

    void dropFilesOnTheConvertingPage()
    {
        window->tabs()->button(3)->click();
        page = qobject_cast<ConvertingPage *>(window->lazyPage(3));
        QVERIFY(page && page->isVisible());
        testutil::shoot(window.get(), "converting-empty");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(media.path())});
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(page, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(page, &drop);
        QVERIFY(page->loadingDialog() && page->loadingDialog()->isVisible());
        QTRY_VERIFY(page->loadingDialog()->progressBar()->value() >= 2);
        testutil::shoot(page->loadingDialog(), "converter-loading-dialog");
        QTRY_VERIFY_WITH_TIMEOUT(!page->loadingDialog(), 60000);
        // The text file with a video's name is named afterwards.
        auto failed = testutil::answerNextModal(
            "OK", [this](QWidget *modal) { testutil::shoot(modal, "converter-failed-files"); });
        QTRY_VERIFY_WITH_TIMEOUT(failed->answered, 5000);
        QVERIFY(failed->texts.contains("Failed to add files:"));
        QCOMPARE(page->model()->rowCount(), 3);
        const ConvMediaInfo *clip = taskOf("wide clip.mp4")->sourceInfo();
        QCOMPARE(clip->width, 960);
        QCOMPARE(clip->mediaType, int(ConvMediaInfo::Video));
        QCOMPARE(QImage(clip->thumbnailPath).size(), QSize(200, 120));
        QCOMPARE(taskOf("tone.wav")->sourceInfo()->mediaType, int(ConvMediaInfo::Audio));
    }

    void convertToMp4At720AndToMp3()
    {
        QSignalSpy added(ConvertDataManager::instance(), &ConvertDataManager::convertedFileDidAdd);
        convertRow(taskOf("wide clip.mp4"), [this](Adaptation *dialog) {
            dialog->findChild<QPushButton *>("pb_video")->click();
            dialog->targetButton("MP4")->click();
            dialog->qualityBox()->setCurrentIndex(dialog->qualityBox()->findData("720P"));
            testutil::shoot(dialog, "converter-format-video");
        });
        convertRow(taskOf("tone.wav"), [this](Adaptation *dialog) {
            dialog->findChild<QPushButton *>("pb_audio")->click();
            dialog->targetButton("MP3")->click();
            dialog->qualityBox()->setCurrentIndex(dialog->qualityBox()->findData("Origin"));
            testutil::shoot(dialog, "converter-format-audio");
        });
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 2, 120000);
        QCOMPARE(page->model()->rowCount(), 1);

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
        testutil::shoot(window.get(), "converted-page");
        window->tabs()->button(3)->click();
    }

    void resolutionFollowsTheSourceAspect()
    {
        // "480P" means 480 lines, the width following the source: a 4:3 source becomes 640x480
        // and a 16:9 one 854x480, never stretched or letterboxed.
        page->addFiles({media.filePath("wide clip.mp4")});
        QTRY_VERIFY_WITH_TIMEOUT(!page->loadingDialog(), 30000);
        QSignalSpy added(ConvertDataManager::instance(), &ConvertDataManager::convertedFileDidAdd);
        for (const char *name : {"old tv.mp4", "wide clip.mp4"}) {
            convertRow(taskOf(QLatin1String(name)), [](Adaptation *dialog) {
                dialog->findChild<QPushButton *>("pb_video")->click();
                dialog->targetButton("MKV")->click();
                dialog->qualityBox()->setCurrentIndex(dialog->qualityBox()->findData("480P"));
            });
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
        page->addFiles({media.filePath("long.mp4"), media.filePath("long copy.mp4"),
                        media.filePath("old tv.mp4")});
        QTRY_VERIFY_WITH_TIMEOUT(!page->loadingDialog(), 30000);
        QCOMPARE(page->model()->rowCount(), 3);
        // All three at once: two convert, the third waits for a free slot.
        auto answer = testutil::answerNextModal("OK", [](QWidget *modal) {
            auto *dialog = qobject_cast<Adaptation *>(modal);
            dialog->findChild<QPushButton *>("pb_video")->click();
            dialog->targetButton("HEVC MKV")->click();
            dialog->qualityBox()->setCurrentIndex(dialog->qualityBox()->findData("1080P"));
        });
        page->convertAllButton()->click();
        QVERIFY(answer->answered);
        ConvertTask *task = taskOf("long.mp4");
        QTRY_VERIFY_WITH_TIMEOUT(
            task->progress() > 0.02 && taskOf("long copy.mp4")->progress() > 0.02, 60000);
        QCOMPARE(taskOf("old tv.mp4")->state(), int(ConvertTask::Waiting));
        testutil::shoot(window.get(), "converting-page");

        const QStringList before = QDir(converted.path()).entryList(QDir::Files);
        QSignalSpy added(ConvertDataManager::instance(), &ConvertDataManager::convertedFileDidAdd);
        const QModelIndex index = page->model()->index(page->model()->rowOf(task));
        const QRect rect = page->delegate()->buttonRects(page->list()->visualRect(index), index)[0];
        QTest::mouseClick(page->list()->viewport(), Qt::LeftButton, {}, rect.center());
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
        QVERIFY(QDir(converted.path() + "/.temp")
                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                    .isEmpty());
        // Both long files stay listed for the restart.
        QCOMPARE(page->model()->rowCount(), 2);
    }

    void aRestartFindsBothListsAsTheyWere()
    {
        const QByteArray before = describeConverter(*window);
        const QJsonObject was = QJsonDocument::fromJson(before).object();
        const QJsonObject is = testutil::restartAndDescribe();
        QVERIFY(!is.isEmpty());
        QCOMPARE(is.value("converting").toArray().size(), 2);
        QCOMPARE(is.value("converted").toArray().size(), 5);
        QCOMPARE(is.value("converting"), was.value("converting"));
        QCOMPARE(is.value("converted"), was.value("converted"));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    testutil::answerAsRestartedApp(describeConverter);
    TestConverterEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_converter_e2e.moc"
