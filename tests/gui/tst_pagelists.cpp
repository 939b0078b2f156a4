// The rows of both task lists as a user meets them: right-click menus that delete the row they
// were opened on (while an update check keeps retrying), failures that say why, rows drawn at once
// after a paste, the row buttons and the hover colour under a real pointer, titles as stored, and
// the toolbar's menus, which open without a nested event loop.
#include "core/engine/sniffoperator.h"
#include "core/process/myprocess.h"
#include "core/provision/dlscriptmanager.h"
#include "core/provision/dltoolmanager.h"
#include "core/provision/updatecheck.h"
#include "gui/pages/donetaskdelegate.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingmodel.h"
#include "gui/pages/downloadingpage.h"
#include "gui/pages/downloadtaskdelegate.h"
#include "gui/pages/finishedjobs.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/taskmodels.h"
#include "gui/widgets/pictures.h"
#include "helpers/gui_test.h"

using namespace taskmodels;

namespace {

QString address(const QString &scenario, int n)
{
    return QStringLiteral("http://127.0.0.1:9/%1?n=%2").arg(scenario).arg(n);
}

// A finished download as the engine lists it.
SniffTask *finishedTask(SniffMgr *mgr, const QString &title, int n, const QString &file = {})
{
    return mgr->restoreJob(fixture::finished(address("done", n), title, file),
                           SniffTask::Place::Done);
}

// Right-clicks the row as the window system delivers it: a press, then the context-menu event.
void rightClick(MyListWidget *list, int row)
{
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton, {});
    QApplication::sendEvent(list->viewport(), &press);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &menu);
}

// Clicks the entry of the open context menu with that text, as the user would.
bool chooseFromMenu(const QString &text)
{
    QMenu *menu = nullptr;
    if (!QTest::qWaitFor([&] {
            return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) != nullptr;
        }))
        return false;
    for (QAction *action : menu->actions()) {
        if (action->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
        }
    }
    return false;
}

// The checked entry's value in the open menu.
QString checkedEntry()
{
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
        if (action->isChecked())
            return action->data().toString();
    }
    return QString();
}

} // namespace

class TestPageLists : public QObject
{
    Q_OBJECT
    SniffMgr *mgr = nullptr;

    void clearDone() { fixture::clearFinished(mgr); }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
        fixture::prepare();
        initGuiResources();
        initLogging();
        mgr = SniffMgr::instance();
        mgr->setMaxCount(2);
    }

    void cleanupTestCase()
    {
        mgr->deleteAllDownloading();
        MyProcessHelper::instance()->killAll();
    }

    void deletingTheRightClickedRowWhileAnUpdateCheckRetries()
    {
        // The update checks fail against a closed port and retry while the menus are used.
        UpdateRetrier::waitMs = 150;
        DlScriptManager::instance()->startCheck();
        DlToolManager::instance()->startCheck();

        DownloadingPage page;
        QVERIFY(testutil::show(&page));
        page.addTasksFromContent(address("hang", 1) + "\n" + address("hang", 2), false, {}, false,
                                 false);
        QCOMPARE(page.list()->count(), 2);
        rightClick(page.list(), 0);
        QCOMPARE(page.selectedTasks().size(), 1);
        auto answer = testutil::answerNextModal("OK");
        QVERIFY(chooseFromMenu("Delete"));
        QTRY_VERIFY(answer->answered);
        QTRY_COMPARE(page.list()->count(), 1);
        QCOMPARE(mgr->downloadingList().size(), 1);
        QCOMPARE(page.list()->taskAt(0)->url(), address("hang", 2));

        clearDone();
        for (int i = 0; i < 3; ++i)
            finishedTask(mgr, QStringLiteral("Finished %1").arg(i), i);
        DownloadedPage done;
        QVERIFY(testutil::show(&done));
        QCOMPARE(done.allList()->count(), 3);
        rightClick(done.allList(), 1);
        QCOMPARE(done.selectedTasks().first()->url(), address("done", 1));
        answer = testutil::answerNextModal("Delete");
        QVERIFY(chooseFromMenu("Delete"));
        QTRY_VERIFY(answer->answered);
        QTRY_COMPARE(done.allList()->count(), 2);
        QCOMPARE(mgr->doneList().size(), 2);
        // The pages are still whole, and the retries did run meanwhile.
        QVERIFY(page.isVisible() && done.isVisible());
        QTRY_VERIFY(fixture::logText().contains("checkUpdate retry"));
        mgr->deleteAllDownloading();
        clearDone();
    }

    // A failed row says why in the user's words; the tool's own text is its tooltip, and the
    // question mark's dialog and the log have it too. Only an address the analysis could not
    // read offers the built-in browser, on the row itself.
    void aFailedRowSaysWhyInItsTooltipTheDialogAndTheLog()
    {
        DownloadingPage page;
        QVERIFY(testutil::show(&page));
        page.addTasksFromContent(address("fail", 3) + "&kind=not_found\n" + address("fail", 4) +
                                     "&kind=unsupported",
                                 false, {}, false, false);
        SniffTask *missing = page.list()->taskAt(0);
        SniffTask *unsupported = page.list()->taskAt(1);
        QTRY_COMPARE_WITH_TIMEOUT(missing->state(), SniffTask::State::Failed, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(unsupported->state(), SniffTask::State::Failed, 20000);
        auto *delegate = qobject_cast<DownloadTaskDelegate *>(page.list()->itemDelegate());
        const QModelIndex row = page.model()->index(0), other = page.model()->index(1);
        QVERIFY(row.data(FailureRole).toBool());
        QVERIFY(
            row.data(FailureTextRole).toString().contains("The video was not found on the site"));
        QVERIFY(!row.data(FailureTextRole).toString().contains("browser"));
        QVERIFY(other.data(FailureTextRole).toString().contains("This address is not supported"));
        QCOMPARE(row.data(ReasonRole).toString(), QString("scripted failure"));
        QVERIFY(fixture::logText().contains(missing->url() + ": scripted failure"));

        // The failure line's tooltip is the tool's reason; only the unsupported row has a link.
        const QRect band = page.list()->visualRect(row);
        const DownloadTaskDelegate::Layout parts = delegate->layoutOf(band, row);
        QCOMPARE(delegate->partAt(band, row, parts.failureLink.center()),
                 int(RowDelegate::kNoPart));
        const QRect otherBand = page.list()->visualRect(other);
        const DownloadTaskDelegate::Layout otherParts = delegate->layoutOf(otherBand, other);
        QSignalSpy browser(&page, &DownloadingPage::toBrowserDownloaded);
        const QPoint link(otherParts.failureLink.right() - 20, otherParts.failureLink.center().y());
        QCOMPARE(delegate->partAt(otherBand, other, link), int(DownloadTaskDelegate::FailureLink));
        QStyleOptionViewItem option;
        option.rect = band;
        QHelpEvent tip(QEvent::ToolTip, parts.failureLink.center(),
                       page.list()->viewport()->mapToGlobal(parts.failureLink.center()));
        QVERIFY(delegate->helpEvent(&tip, page.list(), option, row));
        QCOMPARE(QToolTip::text(), QString("scripted failure"));

        // The question mark opens the failure dialog with the reason; its button leads to the
        // built-in browser.
        auto answer = testutil::answerNextModal("Download in Built-in Browser");
        testutil::leftClick(page.list()->viewport(), parts.question.center());
        QVERIFY(answer->answered);
        QVERIFY(answer->texts.contains("Reason: scripted failure"));
        QCOMPARE(browser.count(), 1);
        QCOMPARE(browser.first().first().toString(), missing->url());
        mgr->deleteAllDownloading();
    }

    // A transfer that gets no byte for the stall time says so on its row while the tool tries
    // again; after three stalls in a row the job fails as stalled, its part kept for a retry.
    // The watch reads a clock of the test's.
    void aStalledDownloadSaysSoThenFails()
    {
        qint64 now = 0;
        const auto steadyClock = SniffOperator::clock;
        const int checkMs = SniffOperator::stallCheckMs;
        const auto restore = qScopeGuard([&] {
            SniffOperator::clock = steadyClock;
            SniffOperator::stallCheckMs = checkMs;
        });
        SniffOperator::clock = [&now] {
            return now;
        };
        SniffOperator::stallCheckMs = 20;
        DownloadingPage page;
        page.addTasksFromContent(address("stall", 5), false, {}, false, false);
        SniffTask *task = page.list()->taskAt(0);
        QTRY_COMPARE_WITH_TIMEOUT(task->progress().downloadedBytes, qint64(200), 20000);
        const QModelIndex row = page.model()->index(0);
        QVERIFY(!row.data(StatusRole).toString().contains("Stalled"));
        now = 30000;
        QTRY_VERIFY(row.data(StatusRole).toString().contains("Stalled, retrying..."));
        QCOMPARE(task->state(), SniffTask::State::Downloading);
        now = 90000;
        QTRY_COMPARE(task->state(), SniffTask::State::Failed);
        QCOMPARE(task->result().failure, protocol::FailureKind::Stalled);
        QVERIFY(row.data(FailureTextRole).toString().contains("The download stalled"));
        QTRY_COMPARE_WITH_TIMEOUT(mgr->runningCount(), 0, 10000);
        QVERIFY(QFileInfo::exists(task->workDir()));
        mgr->deleteAllDownloading();
    }

    void pastedRowsAreDrawnAtOnceAndTheirButtonsFollowThePointer()
    {
        DownloadingPage page;
        QVERIFY(testutil::show(&page));
        QString text;
        for (int i = 0; i < 20; ++i)
            text += address("hang", 100 + i) + "\n";
        page.addTasksFromContent(text, true, {}, false, false);
        QCOMPARE(page.list()->count(), 20);
        // The newest row is in view and drawn, with no pointer movement: its thumbnail frame and
        // its title are there.
        const QModelIndex last = page.model()->index(19);
        const QRect band = page.list()->visualRect(last);
        QVERIFY(page.list()->viewport()->rect().contains(band));
        const QImage shot = page.list()->viewport()->grab().toImage();
        auto *delegate = qobject_cast<DownloadTaskDelegate *>(page.list()->itemDelegate());
        const DownloadTaskDelegate::Layout parts = delegate->layoutOf(band, last);
        QCOMPARE(shot.pixelColor(parts.thumbnail.topLeft()), QColor(0xD7, 0xD7, 0xD7));
        bool titleInk = false;
        for (int x = parts.title.left(); x < parts.title.left() + 40 && !titleInk; ++x)
            titleInk = shot.pixelColor(x, parts.title.center().y()).lightness() < 160;
        QVERIFY(titleInk);

        // The pointer over a row paints it in the hover colour; its button pauses the task and
        // leaves the selection as it was.
        page.list()->setCurrentRow(19, QItemSelectionModel::ClearAndSelect);
        const QModelIndex first = page.model()->index(0);
        page.list()->scrollTo(first);
        const QRect top = page.list()->visualRect(first);
        const DownloadTaskDelegate::Layout topParts = delegate->layoutOf(top, first);
        testutil::sendMouse(page.list()->viewport(), QEvent::MouseMove, topParts.button.center());
        QCOMPARE(page.list()->hoveredIndex(), first);
        QCOMPARE(page.list()->hoveredPart(), int(DownloadTaskDelegate::ActionButton));
        const QImage hovered = page.list()->viewport()->grab().toImage();
        QCOMPARE(hovered.pixelColor(top.left() + 5, top.top() + 5), QColor(0xF0, 0xF5, 0xFE));
        SniffTask *task = page.list()->taskAt(0);
        QTRY_VERIFY(task->state() == SniffTask::State::Downloading ||
                    task->state() == SniffTask::State::Waiting);
        testutil::leftClick(page.list()->viewport(), topParts.button.center());
        QTRY_COMPARE(task->state(), SniffTask::State::Paused);
        QCOMPARE(page.selectedTasks().size(), 1);
        QCOMPARE(page.selectedTasks().first(), page.list()->taskAt(19));
        QCOMPARE(first.data(ButtonImageRole).toString(), QString("resume"));
        mgr->deleteAllDownloading();
    }

    void theToolbarMenusReturnAtOnceAndActOnTheChosenEntry()
    {
        Preferences *prefs = Preferences::instance();
        DownloadingPage page;
        QVERIFY(testutil::show(&page, QSize(900, 560)));

        // The speed limit: the click returns with the menu open and the stored value checked.
        prefs->setManualSpeedLimit("512 KBps");
        page.refreshSpeedButton();
        QVERIFY(page.speedButton()->icon().isNull()); // a slow limit has no symbol
        page.speedButton()->click();
        QPointer<QMenu> menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(checkedEntry(), QString("512 KBps"));
        QVERIFY(chooseFromMenu("2 MBps"));
        QCOMPARE(prefs->manualSpeedLimit(), QString("2 MBps"));
        QCOMPARE(page.speedButton()->text(), QString("2 MBps"));
        QTRY_VERIFY(!menu); // deleted once closed
        // Closed without a choice: nothing changes.
        page.speedButton()->click();
        QCOMPARE(checkedEntry(), QString("2 MBps"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(prefs->manualSpeedLimit(), QString("2 MBps"));
        // No limit is shown as the fast mode, with its picture.
        prefs->setManualSpeedLimit("Unlimited");
        page.refreshSpeedButton();
        QCOMPARE(page.speedButton()->text(), QString("Turbo-fast"));
        QCOMPARE(page.speedButton()->property("speed").toString(), QString("Unlimited"));
        QVERIFY(!page.speedButton()->icon().isNull());

        // The download-then-convert target.
        prefs->setOneClickFormat("MP3");
        page.refreshConvertTarget();
        QCOMPARE(page.convertLabel()->text(), QString("Download then Convert to"));
        QVERIFY(page.convertLink()->text().contains(">MP3</a>"));
        Q_EMIT page.convertLink()->linkActivated("#convert");
        QCOMPARE(checkedEntry(), QString("MP3"));
        QVERIFY(chooseFromMenu("Original Video"));
        QCOMPARE(prefs->oneClickFormat(), QString("Original Video"));
        QCOMPARE(page.convertLabel()->text(), QString("Download"));
        prefs->setOneClickFormat("Original Video");

        // The paste arrow: an entry opens its dialog, and a fresh arrow button takes the place
        // of the one that keeps its pressed look.
        QPushButton *arrow = page.pasteArrowButton();
        arrow->click();
        QVERIFY(QApplication::activePopupWidget());
        auto dialog = testutil::answerNextModal("no such button");
        QVERIFY(chooseFromMenu("Multiple URLs"));
        QTRY_VERIFY(dialog->texts.contains("Paste the URLs(one per line):"));
        QVERIFY(page.pasteArrowButton() != arrow);
        QTRY_VERIFY(page.pasteArrowButton()->isVisible());
        page.pasteArrowButton()->click();
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

    void titlesAreShownAsStoredAndTheRowButtonsPlayAndReveal()
    {
        clearDone();
        QTemporaryDir folder;
        QFile(folder.path() + "/old.mp4").open(QIODevice::WriteOnly);
        // Two downloads of pages with the same title look the same: nothing is added to them.
        finishedTask(mgr, "Same title", 1, folder.path() + "/old.mp4");
        finishedTask(mgr, "Same title", 2);
        DownloadedPage done;
        QVERIFY(testutil::show(&done));
        QCOMPARE(done.allModel()->index(0, 0).data().toString(), QString("Same title"));
        QCOMPARE(done.allModel()->index(1, 0).data().toString(), QString("Same title"));

        // The row's buttons act on their row: a missing file is offered for removal.
        const QModelIndex second = done.allModel()->index(1, 0);
        const QPoint play = DoneTaskDelegate::buttonRect(done.allList()->visualRect(second),
                                                         DoneTaskDelegate::PlayButton)
                                .center();
        auto answer = testutil::answerNextModal("Cancel");
        testutil::leftClick(done.allList()->viewport(), play);
        QVERIFY(answer->answered);
        QVERIFY(answer->texts.join(' ').contains("does not exist"));
        QCOMPARE(done.allList()->count(), 2);

        // "Modify File Name" puts a field over the title; Return renames the file.
        SniffTask *task = done.allList()->taskAt(0);
        QSignalSpy finished(&done, &DownloadedPage::editFinished);
        done.startRename(task);
        const QModelIndex first = done.allModel()->index(0, 0);
        auto *field = qobject_cast<QLineEdit *>(done.allList()->indexWidget(first));
        QVERIFY(field);
        QCOMPARE(field->text(), QString("Same title"));
        QCOMPARE(field->selectedText(), QString("Same title"));
        field->setText("New name");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), true);
        QVERIFY(QFileInfo::exists(folder.path() + "/New name.mp4"));
        QCOMPARE(first.data(Qt::DisplayRole).toString(), QString("New name"));
        QTRY_VERIFY(!done.allList()->indexWidget(first));
        clearDone();
    }
};

QTEST_MAIN(TestPageLists)
#include "tst_pagelists.moc"
