// The downloading and downloaded pages, the paste routing behind the first, the playlist dialog and
// the preferences dialog under the offscreen platform, with the scripted download tool behind the
// real download manager.
#include "core/foundation/addressrules.h"
#include "core/process/myprocess.h"
#include "core/protocol/toolline.h"
#include "gui/mainwindow/preferencesdlg.h"
#include "gui/pages/donerename.h"
#include "gui/pages/donetaskdelegate.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingmodel.h"
#include "gui/pages/downloadingpage.h"
#include "gui/pages/downloadrow.h"
#include "gui/pages/finishedjobs.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/pasterouter.h"
#include "gui/pages/playlistconfirmdlg.h"
#include "gui/pages/taskmodels.h"
#include "gui/widgets/pictures.h"
#include "helpers/gui_test.h"

namespace {

// An address the scripted tool answers with a sniff line and then silence, so the task stays.
QString staying(int n)
{
    return QStringLiteral("http://127.0.0.1:9/hang?n=%1").arg(n);
}

using Entries = QVector<protocol::PlaylistEntry>;

// Answers the paste road's questions from a script and keeps what was asked.
struct ScriptedQuestions : PasteQuestions
{
    bool again = false;
    QList<bool> entryAnswers; // in order; "first only" when none is left
    QStringList asked;
    std::function<void()> whileAsking;

    bool downloadAgain(const QString &url, const QString &title) override
    {
        asked << "again " + url + " " + title;
        return again;
    }
    bool downloadAllEntries(const QString &url, int count) override
    {
        asked << QStringLiteral("entries %1 %2").arg(url).arg(count);
        if (whileAsking)
            whileAsking();
        return entryAnswers.isEmpty() ? false : entryAnswers.takeFirst();
    }
};

} // namespace

class TestPages : public QObject
{
    Q_OBJECT
    DownloadingPage *page = nullptr;
    SniffMgr *mgr = nullptr;
    qint64 now = 0; // the paste guard's clock

    QList<QString> rowUrls() const
    {
        QList<QString> urls;
        for (int i = 0; i < page->list()->count(); ++i)
            urls << page->list()->taskAt(i)->url();
        return urls;
    }

    void clearDownloading()
    {
        mgr->deleteAllDownloading();
        QTRY_COMPARE(page->list()->count(), 0);
        now += 1100; // past the paste guard
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        initGuiResources();
        Preferences::instance()->setMaxDownloads(2);
        mgr = SniffMgr::instance();
        mgr->setMaxCount(2);
        page = new DownloadingPage;
        page->pasteRouter().setClock([this] { return now; });
        QVERIFY(testutil::show(page));
    }

    void cleanupTestCase()
    {
        mgr->deleteAllDownloading();
        delete page;
        MyProcessHelper::instance()->killAll();
    }

    void aClipboardAddressBecomesOneRowAndASecondPasteSoonAfterIsSkipped()
    {
        QVERIFY(page->isEmptyStateShown());
        QApplication::clipboard()->setText(staying(1));
        page->onClickedPasteURL();
        QCOMPARE(rowUrls(), QList<QString>{staying(1)});
        QCOMPARE((QVariantList{mgr->downloadingList().size(), page->isEmptyStateShown(),
                               page->pauseAllButton()->isEnabled()}),
                 (QVariantList{1, false, true}));
        now += 500;
        page->onClickedPasteURL(); // inside the guard window
        QCOMPARE(page->list()->count(), 1);
        now += 600;
        // More than a second later the paste is taken again, but the same address in the same
        // format is on the list already: the user is told, and no second job is made.
        auto told = testutil::answerNextModal("OK");
        page->onClickedPasteURL();
        QVERIFY(told->answered);
        QVERIFY(told->texts.join('\n').contains("already being downloaded in the same format"));
        QCOMPARE(page->list()->count(), 1);
        QApplication::clipboard()->setText(staying(2));
        now += 1100;
        page->onClickedPasteURL();
        QCOMPARE(page->list()->count(), 2);
        // The row follows its task: analysing, then the sniffed title.
        const QModelIndex row =
            page->model()->index(page->model()->rowOf(mgr->downloadingList().first()));
        QTRY_COMPARE(row.data(Qt::DisplayRole).toString(), QString("Title of " + staying(1)));
        QCOMPARE(row.data(taskmodels::ButtonImageRole).toString(), QString("pause"));
        clearDownloading();
        QCOMPARE((QVariantList{page->isEmptyStateShown(), page->deleteAllButton()->isEnabled(),
                               page->resumeAllButton()->isEnabled()}),
                 (QVariantList{true, false, false}));
    }

    void severalLinesAddOnlyWebAddressesThroughTheMultipleAddressDialog()
    {
        QApplication::clipboard()->setText("not an address");
        const QString text =
            staying(1) + "\r\n" + "ftp://127.0.0.1/x\n\n" + staying(2) + "\n" + staying(3) + "\n";
        auto answer = testutil::answerNextModal("Download", [text](QWidget *dialog) {
            dialog->findChild<QPlainTextEdit *>()->setPlainText(text);
        });
        page->onClickedPasteURL();
        QVERIFY(answer->answered);
        QCOMPARE(rowUrls(), (QList<QString>{staying(1), staying(2), staying(3)}));
        // The newest row is the only selection, so the menu actions act on it.
        QCOMPARE(page->selectedTasks().size(), 1);
        QCOMPARE(page->selectedTasks().first()->url(), staying(3));
        clearDownloading();

        // The MP3 paste marks its tasks audio only.
        QApplication::clipboard()->setText(staying(7));
        QAction action;
        action.setData(209);
        connect(&action, &QAction::triggered, page, &DownloadingPage::onContextAction);
        action.trigger();
        QCOMPARE(mgr->downloadingList().size(), 1);
        QCOMPARE(mgr->downloadingList().first()->options().mediaType, QString("audio"));
        clearDownloading();
    }

    void aClipInAPlaylistAsksAndAPurePlaylistGoesStraightToTheDialog()
    {
        int chooserRuns = 0;
        page->playlistChooser = [&](const QString &, Entries *entries, DownloadOptions *options) {
            ++chooserRuns;
            *entries = {{staying(21), "a"}, {staying(22), "b"}};
            options->playlistOrderMode = "Oldest first";
            options->mediaType = "audio";
            options->audioQuality = "128Kb/s";
            return true;
        };
        const QString clip = "https://www.youtube.com/watch?v=abc&list=PL1";
        auto answer = testutil::answerNextModal("Download clip");
        QApplication::clipboard()->setText(clip);
        page->onClickedPasteURL();
        QVERIFY(answer->answered);
        QVERIFY(answer->texts.join(' ').contains("part of the playlist"));
        QCOMPARE(chooserRuns, 0);
        QCOMPARE(rowUrls(), QList<QString>{clip});
        clearDownloading();

        // No question for a playlist address without a clip; entries in the chosen order with
        // the dialog's options in every task.
        QApplication::clipboard()->setText("https://www.youtube.com/playlist?list=PL1");
        page->onClickedPasteURL();
        QCOMPARE(chooserRuns, 1);
        QCOMPARE(rowUrls(), (QList<QString>{staying(22), staying(21)}));
        const SniffTask *task = mgr->downloadingList().first();
        QCOMPARE(task->options().mediaType, QString("audio"));
        QCOMPARE(task->options().audioQuality, QString("128Kb/s"));
        clearDownloading();
    }

    void skippedPlaylistEntriesAreCountedInOneMessage()
    {
        // Two addresses already downloaded once are in the history.
        QSignalSpy done(mgr, &SniffMgr::mgrAddDownloadedTask);
        mgr->addTask(mgr->newTask("http://127.0.0.1:9/ok?n=1", {}));
        mgr->addTask(mgr->newTask("http://127.0.0.1:9/ok?n=2", {}));
        mgr->schedule();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 20000);
        QVERIFY(mgr->isInHistory("http://127.0.0.1:9/ok?n=1"));
        QTRY_COMPARE(page->list()->count(), 0);

        page->playlistChooser = [](const QString &, Entries *entries, DownloadOptions *options) {
            *entries = {{"http://127.0.0.1:9/ok?n=1", "1"}, {"http://127.0.0.1:9/ok?n=2", "2"}};
            options->skipDownloaded = true;
            options->playlistOrderMode = "Newest first";
            return true;
        };
        auto answer = testutil::answerNextModal("OK");
        now += 1100;
        QApplication::clipboard()->setText("https://www.youtube.com/playlist?list=PL2");
        page->onClickedPasteURL();
        QVERIFY(answer->answered);
        QVERIFY(answer->texts.contains("2 exists tasks have been skipped."));
        QCOMPARE(page->list()->count(), 0);
    }

    void liveRowsShowBadgeElapsedTimeAndAStopButtonThatLocksWhileSaving()
    {
        // The tool's live lines say "progress": "0"; the row counts from the run's start.
        qint64 now = 5000;
        const auto steadyClock = DownloadRow::clock;
        const auto restoreClock = qScopeGuard([&] { DownloadRow::clock = steadyClock; });
        DownloadRow::clock = [&now] {
            return now;
        };
        SniffTask task("http://127.0.0.1:9/live", {});
        JobEditor::media(&task).live = true;
        DownloadRow row(&task);
        JobEditor::setState(&task, SniffTask::State::Downloading);
        row.showStarted();
        JobEditor::setProgress(&task, 0);
        now += 3723 * 1000 + 400;
        row.showDownloading();
        QCOMPARE(
            (QVariantList{row.isLiveBadgeShown(), row.isBarShown(), row.elapsed(), row.status()}),
            (QVariantList{true, false, "01:02:03", "Downloading..."}));
        row.showStarted(); // a new run (resumed) counts from its own start
        now += 123 * 1000;
        row.showDownloading();
        QCOMPARE(row.elapsed(), QString("02:03"));
        row.refreshState();
        QCOMPARE((QVariantList{row.buttonImage(), row.buttonToolTip(), row.isButtonEnabled()}),
                 (QVariantList{"suspend", "Stop", true}));
        JobEditor::setState(&task, SniffTask::State::Saving);
        row.refreshState();
        QVERIFY(!row.isButtonEnabled());
        JobEditor::setState(&task, SniffTask::State::Failed);
        row.showFinished();
        QCOMPARE((QVariantList{row.isFailureShown(), row.isLiveBadgeShown(), row.buttonImage()}),
                 (QVariantList{true, false, "retry"}));
    }

    void progressAndPausedTextsFollowTheTask()
    {
        SniffTask task("http://127.0.0.1:9/x", {});
        DownloadRow row(&task);
        row.refreshState();
        QCOMPARE(QStringList({row.status(), row.title()}), QStringList({"Waiting", task.url()}));
        // Until analysed, an item of a page shows the page's address and its number, not our
        // marker.
        SniffTask item("http://127.0.0.1:9/page#vantoro-item=2/3", {});
        DownloadRow itemRow(&item);
        itemRow.refreshState();
        QCOMPARE(itemRow.title(), QString("http://127.0.0.1:9/page (2/3)"));
        JobEditor::setState(&task, SniffTask::State::Downloading);
        JobEditor::setProgress(&task, 0.5, 2097152, "1.0MB/s", 61);
        row.showDownloading();
        QCOMPARE(row.status(), QString("1024.0KB of 2.0MB - 1.0MB/s, 2 minutes remaining"));
        QCOMPARE(row.barValue(), taskmodels::kBarMaximum / 2);
        JobEditor::setState(&task, SniffTask::State::Paused);
        row.refreshState();
        QCOMPARE(QStringList({row.status(), row.buttonImage(), row.buttonToolTip()}),
                 QStringList({"1024.0KB of 2.0MB  Paused", "resume", "Start"}));
        // Resumed, the row shows where the download stopped, not a busy "Analyzing...", until the
        // tool reports again.
        JobEditor::setState(&task, SniffTask::State::Downloading);
        row.showStarted();
        QCOMPARE((QVariantList{row.status(), row.isBarShown(), row.isBarBusy(), row.barValue()}),
                 (QVariantList{"1024.0KB of 2.0MB", true, false, taskmodels::kBarMaximum / 2}));
        JobEditor::setState(&task, SniffTask::State::Finished);
        row.showFinished();
        QCOMPARE((QVariantList{row.status(), row.isButtonShown()}),
                 (QVariantList{"Download finished", false}));
        // A new download that has no progress yet is analysed first.
        SniffTask fresh("http://127.0.0.1:9/y", {});
        DownloadRow started(&fresh);
        JobEditor::setState(&fresh, SniffTask::State::Downloading);
        started.showStarted();
        QCOMPARE((QVariantList{started.status(), started.isBarBusy()}),
                 (QVariantList{"Analyzing...", true}));
    }

    // --- paste routing, without any widget ---------------------------------------------------

    void aPasteWithinASecondOfTheLastAcceptedOneIsADoubleClick()
    {
        qint64 now = 5000;
        PasteRouter router([&now] { return now; });
        QVERIFY(router.acceptPaste());
        now += 1;
        qint64 interval = 0;
        QVERIFY(!router.acceptPaste(&interval));
        QCOMPARE(interval, qint64(1));
        now += 998; // 999 ms after the accepted paste
        QVERIFY(!router.acceptPaste());
        now += 1; // a whole second: accepted, and the guard starts again from here
        QVERIFY(router.acceptPaste());
        now += 500;
        QVERIFY(!router.acceptPaste());
        now += 500;
        QVERIFY(router.acceptPaste());
        // The same millisecond is no double click (a paste and its menu entry at once).
        QVERIFY(router.acceptPaste());
        // A clock that went back does not lock the button.
        now -= 10000;
        QVERIFY(router.acceptPaste());
    }

    void textsAreRoutedByWhatTheyAddress()
    {
        using R = PasteRouter::Route;
        const QJsonArray premium{"members.example.com", ""};
        QCOMPARE(PasteRouter::route("", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("not an address", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("ftp://files.example/clip.mp4", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("https://a.example/1\nhttps://b.example/2", premium), R::Clip);
        QCOMPARE(PasteRouter::route("https://video.example/watch/1", premium), R::Clip);
        QCOMPARE(PasteRouter::route("https://www.youtube.com/playlist?list=PL1", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://www.youtube.com/watch?v=a&list=PL1", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://soundcloud.com/artist/sets/one", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://members.example.com/v/9", premium), R::Premium);
        QCOMPARE(PasteRouter::route("https://members.example.com/v/9", QJsonArray()), R::Clip);
    }

    void aClipDownloadedBeforeIsAddedAgainOnlyWhenWanted()
    {
        const QStringList done{"https://v.example/a",
                               "https://v.example/list-entry#vantoro-index=2/5",
                               "https://v.example/page#vantoro-item=1/3"};
        const PasteRouter::DoneLookup lookup = [&done](const QString &url, QString *title) {
            for (const QString &d : done) {
                if (mediaAddress(d) == mediaAddress(url)) {
                    *title = "Title of " + d;
                    return true;
                }
            }
            return false;
        };
        ScriptedQuestions q;
        QVERIFY(PasteRouter::confirmClip("https://v.example/new", lookup, q));
        QVERIFY(q.asked.isEmpty());
        QVERIFY(!PasteRouter::confirmClip("https://v.example/a", lookup, q));
        QCOMPARE(q.asked.last(), QString("again https://v.example/a Title of https://v.example/a"));
        q.again = true;
        QVERIFY(PasteRouter::confirmClip("https://v.example/a\n", lookup, q));
        // An entry of a list with an address of its own is that address...
        q.asked.clear();
        QVERIFY(PasteRouter::confirmClip("https://v.example/list-entry", lookup, q));
        QCOMPARE(q.asked.size(), 1);
        // ...but an item of a page is not the page.
        QVERIFY(PasteRouter::confirmClip("https://v.example/page", lookup, q));
        QCOMPARE(q.asked.size(), 1);
        QVERIFY(PasteRouter::confirmClip("https://v.example/x", {}, q));
    }

    void aPageWithSeveralVideosIsAskedAboutOncePerJob()
    {
        QTemporaryDir work;
        auto job = [&work](const QString &url, const QString &count, bool fromBrowser = false,
                           bool answered = false) {
            DownloadOptions options;
            if (fromBrowser)
                options.metadata = QString("e30=");
            options.firstEntryOnly = answered;
            JobRecord job;
            job.url = url;
            job.options = options;
            job.workDir = work.path() + "/1_x";
            job.media = protocol::parseLine("{\"type\":\"sniff\",\"msg\":{\"title\":\"Three "
                                            "clips\",\"playlist_count\":\"" +
                                            count.toUtf8() + "\"}}")
                            .media;
            return std::make_unique<SniffTask>(job);
        };
        auto page = job("https://v.example/three", "3");
        auto single = job("https://v.example/one", "");
        auto browser = job("https://v.example/browser", "3", true);
        auto entry = job("https://v.example/three#vantoro-item=2/3", "3");
        auto garbage = job("https://v.example/garbage", "many");
        auto answered = job("https://v.example/answered", "3", false, true);
        QCOMPARE(PasteRouter::entriesToAskAbout(page.get()), 3);
        for (auto *t : {single.get(), browser.get(), entry.get(), garbage.get(), answered.get()})
            QCOMPARE(PasteRouter::entriesToAskAbout(t), 0);

        PasteRouter router;
        ScriptedQuestions q;
        QList<PasteRouter::EntriesAnswer> answers;
        const auto act = [&answers](const PasteRouter::EntriesAnswer &a) {
            answers << a;
        };
        QVERIFY(!router.askNext(q, act));
        QVERIFY(!router.noteAnalysis(single.get()));
        QVERIFY(!router.noteAnalysis(browser.get()));
        QVERIFY(router.noteAnalysis(page.get()));
        QVERIFY(!router.noteAnalysis(page.get())); // every analysis line names the count
        QVERIFY(router.hasWaitingQuestion());
        q.entryAnswers = {true};
        QVERIFY(router.askNext(q, act));
        QCOMPARE(q.asked, QStringList{"entries https://v.example/three 3"});
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.first().task.data(), page.get());
        QCOMPARE(answers.first().url, QString("https://v.example/three"));
        QVERIFY(answers.first().all);
        QVERIFY(!router.hasWaitingQuestion());
        QVERIFY(!router.noteAnalysis(page.get())); // a second sniff (the thumbnail) asks nothing

        // One question at a time: analyses arriving while one is open wait for their turn.
        auto second = job("https://v.example/second", "2");
        auto third = job("https://v.example/third", "4");
        auto fourth = job("https://v.example/fourth", "5");
        QVERIFY(router.noteAnalysis(second.get()));
        bool arrived = false;
        q.whileAsking = [&] {
            if (std::exchange(arrived, true))
                return;
            QVERIFY(router.noteAnalysis(third.get()));
            QVERIFY(!router.askNext(q, act)); // the open question comes first
            QVERIFY(router.noteAnalysis(fourth.get()));
        };
        QVERIFY(router.askNext(q, act));
        QCOMPARE(answers.last().url, QString("https://v.example/second"));
        QVERIFY(!answers.last().all); // no answer left: the first video only
        // A job deleted while it waited is not asked about.
        JobEditor::setNeedDelete(third.get(), true);
        QVERIFY(router.hasWaitingQuestion());
        fourth.reset();
        QVERIFY(!router.hasWaitingQuestion());
        QVERIFY(!router.askNext(q, act));
        QCOMPARE(q.asked.size(), 2);
    }

    // --- playlist dialog ---------------------------------------------------------------------

    void thePlaylistDialogShowsTheLastBatchAndBuildsTheOptions()
    {
        Preferences *prefs = Preferences::instance();
        prefs->setPlaylistMediaType("Video");
        prefs->setPlaylistVideoQuality("720P");
        prefs->setNumberPlaylistFiles(false);
        prefs->setPlaylistOrderMode("Oldest first");
        PlaylistConfirmDlg dialog;
        dialog.setUrl("http://127.0.0.1:9/list");
        QVERIFY(dialog.isLoadingShown());
        // The scripted tool reports three entries and then one: each batch replaces the table.
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isLoadingShown(), 10000);
        QAbstractItemModel *table = dialog.table()->model();
        QTRY_COMPARE(table->rowCount(), 1);
        QCOMPARE((QVariantList{table->index(0, 1).data(), dialog.header()->isChecked(),
                               dialog.qualityBox()->currentData(), dialog.orderBox()->isHidden()}),
                 (QVariantList{"Entry 4", true, "720P", true}));

        // A click on the row's box, as the view makes it; the header follows.
        table->setData(table->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
        QVERIFY(!dialog.header()->isChecked());
        QVERIFY(dialog.selectedEntries().isEmpty());
        table->setData(table->index(0, 0), Qt::Checked, Qt::CheckStateRole);
        QVERIFY(dialog.header()->isChecked());
        QCOMPARE(dialog.selectedEntries().size(), 1);
        dialog.onCheckAll(false);
        QVERIFY(dialog.selectedEntries().isEmpty());
        dialog.onCheckAll(true);

        DownloadOptions options = dialog.options();
        QCOMPARE((QVariantList{options.mediaType, options.videoQuality, options.playlistOrderMode,
                               options.addPlaylistIndex, options.fromPlaylist}),
                 (QVariantList{"video", "720P", "Oldest first", false, true}));

        dialog.audioButton()->setChecked(true);
        options = dialog.options();
        QCOMPARE(options.mediaType, QString("audio"));
        QVERIFY(!options.audioQuality.isEmpty());
        QVERIFY(options.videoQuality.isNull());
        dialog.numberingBox()->setChecked(true);
        QVERIFY(!dialog.orderBox()->isHidden());
        dialog.accept();
        QCOMPARE((QVariantList{prefs->playlistMediaType(), prefs->numberPlaylistFiles()}),
                 (QVariantList{"Audio", true}));
    }

    // --- preferences dialog ------------------------------------------------------------------

    void preferencesRoundTripAndTakeEffect()
    {
        PreferencesDlg dialog;
        QCOMPARE(dialog.maxTaskBox()->currentData().toInt(), 2);
        dialog.maxTaskBox()->setCurrentIndex(dialog.maxTaskBox()->findData(4));
        dialog.mediaTypeBox()->setCurrentIndex(1);
        dialog.onMediaTypeChanged(1);
        QVERIFY(dialog.videoQualityBox()->isHidden());
        QCOMPARE(dialog.subtitleLabel()->text(), QString("Lyric:"));
        dialog.onMediaTypeChanged(0);
        QCOMPARE(dialog.subtitleLabel()->text(), QString("Subtitles:"));
        dialog.videoQualityBox()->setCurrentIndex(1); // 8K: data with a small p
        dialog.speedBox()->setCurrentIndex(dialog.speedBox()->findData("2 MBps"));
        dialog.downloadDirEdit()->setText(fixture::downloadFolder() + "/typed");
        dialog.proxyEnableBox()->setChecked(true);
        dialog.proxyHostEdit()->setText("127.0.0.1");
        dialog.proxyPortEdit()->setText("3128");
        // Certificates are checked unless turned off, which shows a warning.
        QVERIFY(dialog.checkCertificatesBox()->isChecked());
        QVERIFY(dialog.certificateWarningLabel()->isHidden());
        dialog.checkCertificatesBox()->setChecked(false);
        QVERIFY(!dialog.certificateWarningLabel()->isHidden());
        dialog.accept();
        Preferences *prefs = Preferences::instance();
        QCOMPARE(
            (QVariantList{prefs->maxDownloads(), mgr->maxCount(), prefs->downloadMediaType(),
                          prefs->videoQuality(), prefs->manualSpeedLimit(), prefs->downloadDir(),
                          prefs->proxyEnabled(), prefs->proxyPort(), prefs->checkCertificates()}),
            (QVariantList{4, 4, "audio", "4320p", "2 MBps", fixture::downloadFolder() + "/typed",
                          true, "3128", false}));

        // A second dialog starts from what was stored.
        PreferencesDlg again;
        QCOMPARE((QVariantList{again.videoQualityBox()->isHidden(), again.speedBox()->currentData(),
                               again.proxyHostEdit()->isEnabled(), again.loginEdit()->isEnabled(),
                               again.checkCertificatesBox()->isChecked(),
                               again.certificateWarningLabel()->isHidden()}),
                 (QVariantList{true, "2 MBps", true, false, false, false}));
        again.proxyEnableBox()->setChecked(false);
        QCOMPARE((QVariantList{again.proxyHostEdit()->isEnabled(), again.authBox()->isEnabled()}),
                 (QVariantList{false, false}));

        prefs->setDownloadDir(fixture::downloadFolder());
        prefs->setCheckCertificates(true);
        mgr->setMaxCount(2);
        prefs->setMaxDownloads(2);
    }

    // With no proxy stored the system's is shown; reset then cancel stores nothing.
    void resetThenCancelStoresNothing()
    {
        Preferences *prefs = Preferences::instance();
        prefs->setManualSpeedLimit("1 MBps");
        prefs->setDownloadSubtitles(!Preferences::seededDefaults()->downloadSubtitles());
        testutil::storedSettings().remove("kProxy_Setting_Http");
        qputenv("http_proxy", "http://10.0.0.2:8080");
        const QVariantMap before = [] {
            QSettings stored = testutil::storedSettings();
            QVariantMap all;
            for (const QString &key : stored.allKeys())
                all.insert(key, stored.value(key));
            return all;
        }();
        PreferencesDlg dialog;
        qunsetenv("http_proxy");
        QCOMPARE(QStringList({dialog.proxyHostEdit()->text(), dialog.proxyPortEdit()->text()}),
                 QStringList({"10.0.0.2", "8080"}));
        dialog.buttonBox()->button(QDialogButtonBox::Reset)->click();
        QCOMPARE(dialog.speedBox()->currentData().toString(), QString("Unlimited"));
        QCOMPARE(dialog.autoSubtitleBox()->isChecked(),
                 Preferences::seededDefaults()->downloadSubtitles());
        dialog.buttonBox()->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QSettings after = testutil::storedSettings();
        QCOMPARE(after.allKeys().size(), before.size());
        for (auto it = before.begin(); it != before.end(); ++it)
            QCOMPARE(after.value(it.key()), it.value());
    }

    // --- downloaded page ---------------------------------------------------------------------

    void theDownloadedPageShowsEveryRowAndSearchesAllWords()
    {
        fixture::clearFinished(mgr);
        QList<SniffTask *> tasks;
        for (int i = 0; i < 400; ++i)
            tasks << mgr->restoreJob(
                fixture::finished(QStringLiteral("http://127.0.0.1:9/d%1").arg(i),
                                  i % 2 ? QStringLiteral("red fox %1").arg(i)
                                        : QStringLiteral("blue fox %1").arg(i)),
                SniffTask::Place::Done);
        DownloadedPage done;
        QVERIFY(testutil::show(&done));
        // Every row is there at once, however long the list, and stays so when scrolled.
        QCOMPARE(done.allList()->count(), 400);
        done.allList()->scrollToBottom();
        QCOMPARE((QVariantList{done.allList()->count(), done.allModel()->rowOf(tasks.last())}),
                 (QVariantList{400, 399}));
        QCOMPARE(done.allList()->taskAt(0), tasks.first());

        done.searchField()->setText("RED  fox 1"); // every word, case ignored
        for (int i = 0; i < done.allList()->count(); ++i)
            QVERIFY(done.allList()->taskAt(i)->title().startsWith("red fox"));
        QCOMPARE(done.allList()->count(), 92); // odd numbers with a 1 in them
        QVERIFY(!done.isEmptyStateShown());

        // Typed and taken back letter by letter (each narrowing step looks only at the rows
        // shown, a step back is remembered): every step shows what a fresh search would.
        const auto expected = [&tasks](const QString &text) {
            const QStringList words = text.split(' ', Qt::SkipEmptyParts);
            int n = 0;
            for (const SniffTask *t : qAsConst(tasks))
                n += t->matches(words) ? 1 : 0;
            return n;
        };
        for (const char *step : {"", "b", "blu", "blue f", "blue fox 3", "blue fox 31", "blue fox",
                                 "fox 3", "b", "blue fox 3"}) {
            done.searchField()->setText(QString::fromLatin1(step));
            QCOMPARE(done.allList()->count(), expected(QString::fromLatin1(step)));
        }
        // A job finishing during a search joins it when it matches, at the top.
        tasks << mgr->addFinished(fixture::finished("http://127.0.0.1:9/new", "Blue fox 3 new"));
        SniffTask *other =
            mgr->addFinished(fixture::finished("http://127.0.0.1:9/other", "red fox 3 other"));
        QCOMPARE(done.allList()->count(), expected("blue fox 3"));
        QCOMPARE(done.allList()->taskAt(0), tasks.last());
        done.searchField()->setText("blue fox");
        QCOMPARE(done.allList()->count(), expected("blue fox"));
        mgr->deleteFinished(tasks.takeLast(), false);
        mgr->deleteFinished(other, false);
        done.searchField()->setText("blue fox 3");
        QCOMPARE(done.allList()->count(), expected("blue fox 3"));

        // A search that finds nothing says so, and does not ask to start downloading.
        done.searchField()->setText("green");
        QCOMPARE(done.allList()->count(), 0);
        QVERIFY(done.isEmptyStateShown());
        QCOMPARE(done.emptyStateText(), QString("No downloaded file matches \"green\"."));

        // Cleared, every row is back and the last one is drawn with its content.
        done.searchField()->clear();
        QCOMPARE(done.allList()->count(), 400);
        QVERIFY(!done.isEmptyStateShown());
        done.allList()->scrollToBottom();
        const QModelIndex last = done.allModel()->index(399, 0);
        const QRect band = done.allList()->visualRect(last);
        QVERIFY(done.allList()->viewport()->rect().contains(band));
        QCOMPARE(band.height(), 100);
        QCOMPARE(last.data(Qt::DisplayRole).toString(), tasks.last()->title());
        // Deleted through the engine, the rows go by themselves.
        for (SniffTask *task : tasks)
            mgr->deleteDoneTask(task, false);
        QVERIFY(done.isEmptyStateShown());
        QCOMPARE(done.emptyStateText(),
                 QString("Still No File Downloaded, Please Start Downloading"));
    }

    // A search follows a renamed row and rows that go, and compares letters beyond plain
    // ASCII as Qt folds them, in titles and in words.
    void theSearchFollowsRenamedAndRemovedRowsAndFoldsEveryLetter()
    {
        fixture::clearFinished(mgr);
        QTemporaryDir folder;
        QFile(folder.path() + "/a.mp4").open(QIODevice::WriteOnly);
        const auto add = [this](const QString &url, const QString &title, const QString &file) {
            return mgr->restoreJob(fixture::finished("http://127.0.0.1:9/" + url, title, file),
                                   SniffTask::Place::Done);
        };
        SniffTask *renamed = add("a", "Blue fox", folder.path() + "/a.mp4");
        QList<SniffTask *> going;
        for (int i = 0; i < 200; ++i)
            going << add(QString::number(i), QString("a long title of a row that goes %1").arg(i),
                         QString());
        SniffTask *accented = add("e", QStringLiteral("\u00c9cole fox"), QString());
        SniffTask *owl = add("o", "Red owl", QString());
        DownloadedPage done;
        QVERIFY(testutil::show(&done));
        const auto found = [&done](const QString &text) {
            done.searchField()->setText(text);
            QList<SniffTask *> tasks;
            for (int i = 0; i < done.allList()->count(); ++i)
                tasks << done.allList()->taskAt(i);
            return tasks;
        };
        using Tasks = QList<SniffTask *>;
        QCOMPARE(found("FOX"), (Tasks{renamed, accented}));
        QCOMPARE(found(QStringLiteral("\u00e9COLE")), (Tasks{accented}));
        QCOMPARE(mgr->renameFile(renamed, "green owl"), SniffMgr::RenameResult::Renamed);
        QCOMPARE(found("OWL"), (Tasks{renamed, owl}));
        QCOMPARE(found("fox"), (Tasks{accented}));
        for (SniffTask *task : going)
            mgr->deleteFinished(task, false);
        QCOMPARE(found("owl"), (Tasks{renamed, owl}));
        QCOMPARE(found("e"), (Tasks{renamed, accented, owl}));
        mgr->deleteFinished(renamed, false);
        QCOMPARE(found("O"), (Tasks{accented, owl}));
        fixture::clearFinished(mgr);
    }

    // A list read in stages joins below the rows there are, in the engine's order, and a job
    // finishing meanwhile comes first; each row is found again by its job.
    void aListReadInStagesJoinsBelowInTheEnginesOrder()
    {
        fixture::clearFinished(mgr);
        mgr->deleteAllDownloading();
        for (int i = 0; i < SniffMgr::kLoadChunk + 10; ++i)
            mgr->restoreJob(fixture::finished(QStringLiteral("http://127.0.0.1:9/s%1").arg(i),
                                              QString::number(i)),
                            SniffTask::Place::Done);
        mgr->restoreJob(fixture::finished("http://127.0.0.1:9/p", "p"), SniffTask::Place::Private);
        QVERIFY(mgr->saveNow());
        SniffMgr staged;
        FinishedJobsModel jobs(&staged);
        QSignalSpy loaded(&staged, &SniffMgr::loadingFinished);
        staged.loadInStages();
        QSignalSpy chunk(&staged, &SniffMgr::finishedJobsLoaded);
        QVERIFY(chunk.wait(20000));
        SniffTask *newest = staged.addFinished(fixture::finished("http://127.0.0.1:9/n", "n"));
        QVERIFY(!loaded.isEmpty() || loaded.wait(20000));
        const QList<SniffTask *> listed = staged.doneList() + staged.privateList();
        QCOMPARE(listed.first(), newest);
        QCOMPARE(jobs.rowCount(), listed.size());
        for (int row = 0; row < listed.size(); ++row) {
            QCOMPARE(jobs.taskAt(row), listed.at(row));
            QCOMPARE(jobs.rowOf(listed.at(row)), row);
        }
        fixture::clearFinished(mgr);
    }

    void renamingChecksNamesAndAsksBeforeTakingAnUsedOne()
    {
        QTemporaryDir folder;
        QFile(folder.path() + "/a.mp4").open(QIODevice::WriteOnly);
        QFile(folder.path() + "/b.mp4").open(QIODevice::WriteOnly);
        SniffTask *task = mgr->restoreJob(
            fixture::finished("http://127.0.0.1:9/r", "a", folder.path() + "/a.mp4"),
            SniffTask::Place::Done);
        QSignalSpy changed(mgr, &SniffMgr::taskChanged);
        using Outcome = DoneRename::Outcome;

        QCOMPARE(DoneRename::rename(task, "x/y"), Outcome::Failed);
        QCOMPARE(task->title(), QString("a"));
        QCOMPARE(DoneRename::rename(task, "a"), Outcome::Unchanged);

        // The engine renames the file, takes the name as the title and saves.
        QCOMPARE(DoneRename::rename(task, "  c"), Outcome::Renamed);
        QCOMPARE((QVariantList{task->title(), task->filePath(),
                               QFileInfo::exists(folder.path() + "/c.mp4"), changed.count(),
                               mgr->isSaving()}),
                 (QVariantList{"c", folder.path() + "/c.mp4", true, 1, true}));

        auto answer = testutil::answerNextModal("No");
        QCOMPARE(DoneRename::rename(task, "b"), Outcome::Unchanged);
        QVERIFY(answer->answered);
        QVERIFY(answer->texts.join(' ').contains("\"b\" to \"b(1)\""));
        QCOMPARE(task->title(), QString("c"));
        QVERIFY(QFileInfo::exists(folder.path() + "/c.mp4"));

        answer = testutil::answerNextModal("Yes");
        QCOMPARE(DoneRename::rename(task, "b"), Outcome::Renamed);
        QCOMPARE(QStringList({task->filePath(), task->title()}),
                 QStringList({folder.path() + "/b(1).mp4", "b(1)"}));
        mgr->deleteDoneTask(task, false);
    }

    void theRowShowsTheFileFacts()
    {
        JobRecord video = fixture::finished("http://127.0.0.1:9/f", "f");
        video.result.fileType = "mp4";
        video.result.resolution = "1920x1080";
        video.result.fileSize = 1048577;
        video.result.duration = 3723;
        video.result.details.edit().subtitlePath = "/x.srt";
        JobRecord audio = video;
        audio.result = protocol::Result();
        audio.result.fileType = "mp3";
        audio.result.resolution = "0x0";
        audio.result.duration = 62;
        audio.result.quality = "320Kb/s";
        SniffMgr engine;
        engine.restoreJob(video, SniffTask::Place::Done);
        engine.restoreJob(audio, SniffTask::Place::Done);
        FinishedJobsModel jobs(&engine);
        QCOMPARE(DoneTaskDelegate::factTexts(jobs.index(0)),
                 (QStringList{"01:02:03", "1.0MB", "mp4", "1920x1080", "Subtitle"}));
        QCOMPARE(DoneTaskDelegate::factTexts(jobs.index(1)),
                 (QStringList{"01:02", "Unknown", "mp3", "320Kb/s", ""}));
    }

    void deletingSelectedRowsCanTakeTheirFiles()
    {
        fixture::clearFinished(mgr);
        QTemporaryDir folder;
        DownloadedPage done;
        QVERIFY(testutil::show(&done));
        QVERIFY(done.isEmptyStateShown());
        QSignalSpy added(mgr, &SniffMgr::mgrAddDownloadedTask);
        for (int i = 3; i <= 4; ++i)
            mgr->addTask(
                mgr->newTask(QStringLiteral("http://127.0.0.1:9/ok?n=%1").arg(10 + i), {}));
        mgr->schedule();
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 2, 20000);
        QTRY_COMPARE(done.allList()->count(), 2);
        QVERIFY(!done.isEmptyStateShown());
        SniffTask *newest = mgr->doneList().first();
        QCOMPARE(done.allList()->taskAt(0), newest);
        const QString file = newest->filePath(), url = newest->url();
        QVERIFY(QFileInfo::exists(file));

        done.allList()->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        auto answer = testutil::answerNextModal(
            "Delete", [](QWidget *dialog) { dialog->findChild<QCheckBox *>()->setChecked(true); });
        done.onClickedDelete();
        QVERIFY(answer->answered);
        QCOMPARE(
            (QVariantList{done.allList()->count(), QFileInfo::exists(file), mgr->doneList().size(),
                          mgr->isInHistory(url), mgr->isInHistory(mgr->doneList()[0]->url())}),
            (QVariantList{1, false, 1, false, true}));

        // A row whose file has gone offers to remove it.
        SniffTask *left = mgr->doneList().first();
        QFile::remove(left->filePath());
        answer = testutil::answerNextModal("Delete");
        done.onDoubleClickedItem(left);
        QVERIFY(answer->answered);
        QCOMPARE((QVariantList{done.allList()->count(), done.isEmptyStateShown(),
                               mgr->doneList().size()}),
                 (QVariantList{0, true, 0}));
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
