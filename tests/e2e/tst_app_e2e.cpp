// The real main window with the real download tool, yt-dlp and ffmpeg against media served on
// 127.0.0.1: paste, watch, pause, pick playlist entries, and find every list again after a
// restart. With CLIPMOOR_SCREENSHOTS set to a folder, the pages are saved there as pictures.
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/preferences.h"
#include "core/process/myprocess.h"
#include "core/protocol/displaytext.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/preferencesdlg.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingmodel.h"
#include "gui/pages/downloadingpage.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/playlistconfirmdlg.h"
#include "gui/pages/taskmodels.h"
#include "gui/widgets/pictures.h"
#include "helpers/fixture.h"
#include "helpers/modalhelper.h"
#include "helpers/windowtest.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

// What a started window shows of the lists, as one JSON document.
QByteArray describeLists(MainWindow &window)
{
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
                                     {"history", SniffMgr::instance()->historyList().size()}})
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

    void paste(const QString &text) { testutil::paste(window->downloading(), &pasteClock, text); }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        testutil::prepareWindowEnvironment();
        testutil::prepareRealDownloads(fixture::downloadFolder());
        Preferences *prefs = Preferences::instance();
        QVERIFY(testutil::makeClip(www.path() + "/clip.mp4", 3));
        QVERIFY(testutil::makeClip(www.path() + "/second.mp4", 2, "320x240"));
        QVERIFY(testutil::makeClip(www.path() + "/big.mp4", 60, "1280x720"));
        fileSizeOfBig = int(QFileInfo(www.path() + "/big.mp4").size());
        site.page("list.html", "Two clips", {"second.mp4", "clip.mp4"});
        // Downloads are slow here and the big file stops arriving part-way, so its row can be
        // seen downloading.
        prefs->setManualSpeedLimit("128 KBps");
        server->stallAfter.insert("big.mp4", fileSizeOfBig * 2 / 5);
        QVERIFY(server->start());

        window = testutil::openWindow(&pasteClock, QSize(1100, 720));
        QVERIFY(window);
    }

    void cleanupTestCase() { testutil::closeWindow(window); }

    void aPastedAddressIsDownloadedAndListedOnTheDownloadedPage()
    {
        testutil::shoot(window.get(), "downloading-empty");
        paste(server->url("clip.mp4"));
        QCOMPARE(window->downloading()->list()->count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(window->downloaded()->allList()->count(), 1, 90000);
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
        testutil::shoot(window.get(), "downloading-progress");

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
            testutil::shoot(dialog, "playlist-dialog");
            dialog->entriesModel()->setChecked(1, false); // only the first entry
        });
        QApplication::clipboard()->setText(server->url("list.html"));
        QAction action;
        action.setData(211);
        connect(&action, &QAction::triggered, window->downloading(),
                &DownloadingPage::onContextAction);
        action.trigger();
        QVERIFY(answer->answered);
        QTRY_COMPARE_WITH_TIMEOUT(window->downloaded()->allList()->count(), 2, 90000);
        SniffTask *newest = window->downloaded()->allList()->taskAt(0);
        QCOMPARE(newest->title(), QString("Two clips (1)"));
        window->tabs()->button(1)->click();
        QTRY_VERIFY(window->downloaded()->isVisible());
        testutil::shoot(window.get(), "downloaded");
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
            testutil::shoot(&dialog, names[i]);
        }
    }

    void aRestartFindsEveryListAsItWas()
    {
        const QByteArray before = describeLists(*window);
        SniffMgr::instance()->saveNow(); // as quitting does: a save asked for earlier may wait
        const QJsonObject was = QJsonDocument::fromJson(before).object();
        const QJsonObject is = testutil::restartAndDescribe();
        QVERIFY(!is.isEmpty());
        QCOMPARE(is.value("done").toArray().size(), 2);
        QCOMPARE(is.value("downloading").toArray().size(), 1);
        QCOMPARE(is.value("history").toInt(), 3);
        QCOMPARE(is.value("done"), was.value("done"));
        QCOMPARE(is.value("downloading"), was.value("downloading"));
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
