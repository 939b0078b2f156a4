// Languages, style sheets and the shell's dialogs, under the offscreen platform; the browser tab,
// made through the factory the window is given, and the notice shown when it cannot be loaded.
#include "core/foundation/languagesettings.h"
#include "core/foundation/stylemanager.h"
#include "core/platform/platform.h"
#include "gui/mainwindow/browserloader.h"
#include "gui/mainwindow/closeconfirmdlg.h"
#include "gui/mainwindow/upgradedlg.h"
#include "gui/mainwindow/windowplacement.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/mylistwidget.h"
#include "gui/widgets/imagebutton.h"
#include "gui/widgets/mainwindowhelper.h"
#include "helpers/diskfault.h"
#include "helpers/windowtest.h"

#include <QMenu>
#include <QPushButton>

namespace {

// Stands in for the real browser: records what the window asks of it.
class FakePane : public BrowserPane
{
public:
    using BrowserPane::BrowserPane;
    QWidget *header() const override { return bar; }
    void setUrl(const QUrl &url) override { urls << url; }
    void goHome() override { ++homes; }

    QWidget *bar = new QWidget(this);
    QList<QUrl> urls;
    int homes = 0;
};

int panesMade = 0;

BrowserPane *makeFakePane(QWidget *parent)
{
    ++panesMade;
    return new FakePane(parent);
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        testutil::prepareWindowEnvironment(); // the window's update checks fail fast here
    }

    void cleanup() { LanguageSettings::instance()->setLanguage(LanguageSettings::English); }

    void unknownCategoriesUseEnglishAndSwitchingRetranslatesOpenWindows()
    {
        QCOMPARE(LanguageSettings::translationFile(14), LanguageSettings::translationFile(0));
        QCOMPARE(LanguageSettings::translationFile(-1), QString(":/translations/vantoro-en-us.qm"));
        QVERIFY(LanguageSettings::instance()->setLanguage(14));
        QCOMPARE(Preferences::instance()->language(), 14);
        for (int c = 0; c <= 13; ++c)
            QVERIFY2(QFile::exists(LanguageSettings::translationFile(c)),
                     qPrintable(QString::number(c)));

        // Switching retranslates the open windows.
        CloseConfirmDlg dialog;
        dialog.show();
        auto *box = dialog.findChild<QCheckBox *>();
        QVERIFY(box);
        LanguageSettings::instance()->setLanguage(LanguageSettings::English);
        QTRY_COMPARE(box->text(), QString("Don't ask me again"));
        QSignalSpy changed(LanguageSettings::instance(), &LanguageSettings::languageChanged);
        QVERIFY(LanguageSettings::instance()->setLanguage(LanguageSettings::German));
        QCOMPARE(changed.count(), 1);
        QTRY_COMPARE(box->text(), QString("Nicht mehr fragen")); // the change event is posted
        QCOMPARE(LanguageSettings::instance()->languages().size(), 14);
        QVERIFY(LanguageSettings::instance()->setLanguage(LanguageSettings::English));
        QTRY_COMPARE(box->text(), QString("Don't ask me again"));
    }

    void styleSheetsAreReadAndTrimmed()
    {
        const QString sheet =
            testutil::writeFile(QCoreApplication::applicationDirPath() + "/qss/test_sheet.qss",
                                "\n\n  QPushButton { color: red; }\n\n");
        QCOMPARE(StyleManager::instance()->styleSheet("test_sheet.qss"),
                 QString("QPushButton { color: red; }"));
        QCOMPARE(StyleManager::instance()->styleSheet("missing.qss"), QString());
        QFile::remove(sheet);
    }

    void updateInformationIsJudgedByVersion_data()
    {
        testutil::addRows<QString, bool>({"version", "newer"},
                                         {{"one patch level above", "7.0.1", true},
                                          {"the same", "7.0.0", false},
                                          {"older", "6.9.9", false},
                                          {"two-digit major", "10.0", true}});
    }
    void updateInformationIsJudgedByVersion()
    {
        QFETCH(QString, version);
        QFETCH(bool, newer);
        QVariantMap info{{"Version", version},
                         {"x64 Download URL", "https://example.invalid/setup.exe"}};
        QCOMPARE(UpgradeDlg::announcesNewerVersion(info), newer);
        UpgradeDlg dialog(info);
        QCOMPARE(dialog.visibleButtons(),
                 newer ? QStringList({"Upgrade Now", "Remind Me Later"}) : QStringList({"OK"}));
        QCOMPARE(dialog.upgradeEnabled(), newer);
        QCOMPARE(dialog.statusText(), newer ? QString("A new version is available!")
                                            : QString("Current version is up to date."));
        info.remove("x64 Download URL");
        QVERIFY(!UpgradeDlg(info).upgradeEnabled());
        QVERIFY(!UpgradeDlg::announcesNewerVersion(QVariantMap()));
    }

    void aManualCheckFetchesTheInformation()
    {
        fixture::Site site;
        site.file(
            "updateinfo/clipmoor_update_win.json",
            QJsonDocument(QJsonObject{{"Version", "7.1.0"},
                                      {"x64 Download URL", "https://example.invalid/setup.exe"},
                                      {"x64 Size", "80 MB"},
                                      {"Release Date", "2026-12-01"},
                                      {"What's New", "Faster downloads."}})
                .toJson());
        QVERIFY(site.start());
        const QByteArray server = site.server->url(QString()).chopped(1).toUtf8();
        qputenv("CLIPMOOR_UPDATE_SERVER", server);
        UpgradeDlg dialog;
        QCOMPARE(dialog.statusText(), QString("Checking for updates..."));
        QTRY_COMPARE(dialog.statusText(), QString("A new version is available!"));
        QVERIFY(dialog.upgradeEnabled());

        // Offline: the failure is said, with a way to try again and one to close.
        qputenv("CLIPMOOR_UPDATE_SERVER", server + "/missing");
        UpgradeDlg failing;
        QCOMPARE(failing.visibleButtons(), QStringList({"OK"}));
        QTRY_COMPARE(failing.statusText(),
                     QString("Could not fetch the update information. Please try again later."));
        QStringList offered = failing.visibleButtons();
        offered.sort();
        QCOMPARE(offered, QStringList({"OK", "Retry"}));
        qputenv("CLIPMOOR_UPDATE_SERVER", server);
        testutil::childWithText(&failing, "Retry")->click();
        QCOMPARE(failing.statusText(), QString("Checking for updates..."));
        QTRY_COMPARE(failing.statusText(), QString("A new version is available!"));
        QCOMPARE(failing.visibleButtons(), QStringList({"Upgrade Now", "Remind Me Later"}));
        qputenv("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
    }

    // Ctrl+U pastes wherever the focus is in the window, not only while the menu is open.
    void ctrlUPastesWhileTheWindowIsActive()
    {
        MainWindow window;
        qint64 now = 0;
        window.downloading()->pasteRouter().setClock([&now] { return now; });
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MyListWidget *list = window.downloading()->list();
        const int before = list->count();
        QApplication::clipboard()->setText("https://video.example/ctrl-u/1");
        QTest::keyClick(&window, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(list->count(), before + 1);

        // From the downloaded page's search field too.
        window.tabs()->button(1)->click();
        QLineEdit *search = window.downloaded()->searchField();
        search->setFocus();
        QTRY_VERIFY(search->hasFocus());
        now += 1500;
        QApplication::clipboard()->setText("https://video.example/ctrl-u/2");
        QTest::keyClick(search, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(list->count(), before + 2);
        // The paste is shown where it lands: the downloading page comes to the front.
        QCOMPARE(window.pages()->currentWidget(), window.downloading());
        window.tabs()->button(3)->click();
        now += 1500;
        QApplication::clipboard()->setText("https://video.example/ctrl-u/3");
        QTest::keyClick(&window, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(list->count(), before + 3);
        QCOMPARE(window.pages()->currentWidget(), window.downloading());
        SniffMgr::instance()->deleteAllDownloading();
    }

    void theWindowOpensWhereItWasLastClosed()
    {
        const QList<ScreenArea> two{{"DP-1", QRect(0, 0, 1920, 1050)},
                                    {"HDMI-2", QRect(1920, 0, 1280, 1024)}};
        const QSize preferred(1070, 680);
        // The first time: the preferred size, centred on the primary screen.
        QCOMPARE(placeWindow(QRect(), QString(), two, preferred), QRect(425, 185, 1070, 680));
        // On a screen that is still there: as it was.
        QCOMPARE(placeWindow(QRect(2000, 100, 900, 600), "HDMI-2", two, preferred),
                 QRect(2000, 100, 900, 600));
        // Partly off its screen: pulled in whole; larger than it: shrunk to it.
        QCOMPARE(placeWindow(QRect(3000, 900, 900, 600), "HDMI-2", two, preferred),
                 QRect(2300, 424, 900, 600));
        QCOMPARE(placeWindow(QRect(1900, -50, 1500, 1200), "HDMI-2", two, preferred),
                 QRect(1920, 0, 1280, 1024));
        // Its screen is gone: centred on the primary one, at its own size.
        QCOMPARE(placeWindow(QRect(2000, 100, 900, 600), "HDMI-9", two, preferred),
                 QRect(510, 225, 900, 600));
        // No screen name stored: the screen holding its centre.
        QCOMPARE(placeWindow(QRect(2000, 100, 900, 600), QString(), two, preferred),
                 QRect(2000, 100, 900, 600));

        // The window remembers its place, size and tab between runs.
        Preferences *prefs = Preferences::instance();
        prefs->setWindowPlacement({});
        {
            MainWindow window;
            window.showRestored();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.size(), QSize(1070, 680));
            window.setGeometry(QRect(40, 30, 900, 560));
            window.tabs()->button(1)->click();
            QTRY_COMPARE(window.geometry(), QRect(40, 30, 900, 560));
            window.savePlacement();
        }
        QCOMPARE(prefs->windowPlacement().geometry, QRect(40, 30, 900, 560));
        QCOMPARE(prefs->windowPlacement().tab, 1);
        QVERIFY(!prefs->windowPlacement().maximized);
        {
            MainWindow window;
            window.showRestored();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.geometry(), QRect(40, 30, 900, 560));
            QCOMPARE(window.pages()->currentWidget(), window.downloaded());
            QCOMPARE(window.tabs()->checkedId(), 1);
        }
        // Whatever the settings file holds, the window opens.
        testutil::storedSettings().setValue("kWindow_Geometry", "not a rectangle");
        testutil::storedSettings().setValue("kWindow_LastTab", 77);
        QCOMPARE(prefs->windowPlacement().geometry, QRect());
        QCOMPARE(prefs->windowPlacement().tab, 0);
    }

    void dialogsAreCentredOnTheMainWindowOnceTheirSizeIsKnown()
    {
        MainWindow window;
        window.setGeometry(QRect(20, 10, 700, 500));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A dialog whose layout decides its size only when it is shown.
        QDialog dialog;
        auto *layout = new QVBoxLayout(&dialog);
        auto *text = new QLabel("A text that makes the dialog wider than it was.", &dialog);
        text->setMinimumSize(420, 180);
        layout->addWidget(text);
        MainWindowHelper::instance()->centreOverMainWindow(&dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint centre = window.geometry().center();
        // Placed by its outer corner (pos), as a window manager places windows.
        QVERIFY((QRect(dialog.pos(), dialog.size()).center() - centre).manhattanLength() <= 2);
    }

    // The speed button at the bottom lies wholly inside the window at its minimum size, with
    // room for its text, in every language.
    void theSpeedButtonFitsAtTheMinimumSizeInEveryLanguage()
    {
        MainWindow window;
        window.showRestored();
        window.resize(window.minimumSize());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPushButton *speed = window.downloading()->speedButton();
        for (const auto &[category, name] : LanguageSettings::instance()->languages()) {
            LanguageSettings::instance()->setLanguage(category);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            // Laid out again after the new texts: the button whole inside the window, the
            // bar holding it with room above and below, the text with room in the button.
            const auto fits = [&] {
                const QRect inWindow(speed->mapTo(&window, QPoint(0, 0)), speed->size());
                const QWidget *bar = speed->parentWidget();
                return window.rect().contains(inWindow) && speed->y() >= 2 &&
                       speed->geometry().bottom() <= bar->height() - 3 &&
                       speed->width() >=
                           QFontMetrics(speed->font()).horizontalAdvance(speed->text()) +
                               speed->iconSize().width() + 36 &&
                       speed->height() >= QFontMetrics(speed->font()).height();
            };
            QTRY_VERIFY2(fits(), qPrintable(name));
        }
    }

    // "Play" says so when nothing on the computer can open the file.
    void openingAFileWithoutAnApplicationSaysSo()
    {
        QTemporaryDir bin;
        auto fakeOpener = [&bin](int exitCode) {
            testutil::writeScript(bin.path() + "/xdg-open",
                                  QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1/opened'\nexit %2\n")
                                      .arg(bin.path())
                                      .arg(exitCode)
                                      .toUtf8());
        };
        const QByteArray path = qgetenv("PATH");
        const QByteArray dbus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        const QString file = bin.path() + "/clip.mp4";

        fakeOpener(0); // a desktop that opens it
        QList<bool> outcomes;
        platform::openWithDesktop(file, [&outcomes](bool ok) { outcomes << ok; });
        QTRY_COMPARE(outcomes, QList<bool>{true});

        fakeOpener(3); // xdg-open: "no method available"
        platform::openWithDesktop(file, [&outcomes](bool ok) { outcomes << ok; });
        QTRY_COMPARE(outcomes, QList<bool>({true, false}));

        auto played = testutil::answerNextModal("OK");
        openLocalFile(file);
        QTRY_VERIFY(played->answered);
        QVERIFY2(played->texts.join(' ').contains("No application on this computer can open"),
                 qPrintable(played->texts.join('|')));
        QVERIFY(played->texts.join(' ').contains(file));

        qputenv("PATH", path);
        if (!dbus.isEmpty())
            qputenv("DBUS_SESSION_BUS_ADDRESS", dbus);
    }

    // Answers the close confirmation that is about to appear over `window` (true: OK). The
    // question is asked inside the close itself, so the first turn of an event loop after it is
    // the dialog's own: no time needs to pass.
    static void answerCloseConfirmation(QWidget *window, bool ok, bool *asked)
    {
        QTimer::singleShot(0, window, [ok, asked] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *dialog = qobject_cast<CloseConfirmDlg *>(w);
                    dialog && dialog->isVisible()) {
                    *asked = true;
                    ok ? dialog->accept() : dialog->reject();
                }
            }
        });
    }

    void mainWindowTabsAndLanguage()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *downloading = qobject_cast<ImageButton *>(window.tabs()->button(0));
        QCOMPARE(downloading->text(), QString("Downloading"));
        QVERIFY(downloading->isChecked());
        QCOMPARE(window.pages()->count(), 2); // browser and converter pages wait for their visit
        window.tabs()->button(3)->click();
        QCOMPARE(window.pages()->count(), 3);
        LanguageSettings::instance()->setLanguage(LanguageSettings::German);
        QTRY_COMPARE(downloading->text(), QString("Wird geladen"));
        QCOMPARE(window.windowTitle(), QString("Clipmoor"));
        // The language menu names each language in itself, whatever the interface speaks.
        QStringList shown;
        for (QAction *a : window.findChildren<QAction *>()) {
            if (a->data().isValid() && a->data().toInt() < 14 && a->parent() != &window)
                shown << a->text();
        }
        QVERIFY2(shown.contains("English") && shown.contains("Deutsch") &&
                     shown.contains("日本語") && shown.contains("Русский"),
                 qPrintable(shown.join(", ")));
        LanguageSettings::instance()->setLanguage(LanguageSettings::English);
        QTRY_COMPARE(downloading->text(), QString("Downloading"));
        window.showTabIndicator(0, QPoint(78, 4));
        QVERIFY(window.hasTabIndicator(0));
        window.tabs()->button(0)->click(); // visiting the tab clears its mark
        QVERIFY(!window.hasTabIndicator(0));
        window.setBusy(true);
        QVERIFY(window.isBusy());
        window.setBusy(false);
        QVERIFY(!window.isBusy());
        // The menu button is not left drawn hovered once its menu closes away from it.
        QPushButton *menuButton = nullptr;
        for (QPushButton *b : window.findChildren<QPushButton *>())
            menuButton = b->toolTip() == "Menu" ? b : menuButton;
        QVERIFY(menuButton);
        menuButton->setAttribute(Qt::WA_UnderMouse, true);
        menuButton->click();
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCursor::setPos(window.mapToGlobal(window.rect().center()));
        menu->hide();
        QVERIFY(!menuButton->underMouse());
    }

    // No module beside this test program: the tab shows why, and sending an address to the
    // browser changes tabs without failing.
    void missingModuleShowsANotice()
    {
        setBrowserPaneFactory(nullptr);
        MainWindow window;
        QVERIFY(!window.browser());
        window.tabs()->button(2)->click();
        QVERIFY(!window.browser());
        QWidget *page = window.lazyPage(2);
        QVERIFY(page);
        QCOMPARE(window.pages()->currentWidget(), page);
        auto *notice = page->findChild<QLabel *>(QStringLiteral("browserUnavailable"));
        QVERIFY(notice);
        QVERIFY(notice->text().contains(QStringLiteral("clipmoor-browser.so")));

        Q_EMIT window.downloading()->toBrowserDownloaded(QStringLiteral("http://127.0.0.1/a"));
        QCOMPARE(window.pages()->currentWidget(), page);
    }

    void closingRoads()
    {
        int terminated = 0;
        MainWindow::terminate = [&terminated] {
            ++terminated;
        };
        // Closes a new window, the question (if asked) answered with `ok`, the end awaited if
        // it may come later: whether the window closed, whether it asked, the ends so far.
        const auto close = [&terminated](bool skipQuestion, bool ok, bool awaitEnd) {
            Preferences::instance()->setSkipCloseConfirmation(skipQuestion);
            MainWindow window;
            window.show();
            QFile::remove(taskListPath());
            const int before = terminated;
            bool asked = false;
            answerCloseConfirmation(&window, ok, &asked);
            const bool closed = window.close();
            if (awaitEnd)
                static_cast<void>(QTest::qWaitFor([&] { return terminated > before; }));
            return QVariantList{closed, asked, terminated};
        };
        // Nothing running: no question, lists saved, the process ends.
        QCOMPARE(close(false, true, true), (QVariantList{true, false, 1}));
        QVERIFY(QFileInfo::exists(taskListPath()));
        SniffTask *task = SniffMgr::instance()->newTask("https://video.example/1", {});
        SniffMgr::instance()->addTask(task);
        JobEditor::setState(task, SniffTask::State::Downloading);
        QVERIFY(SniffMgr::instance()->hasActiveTask());
        // Busy, the user cancels: everything keeps running.
        QCOMPARE(close(false, false, false), (QVariantList{false, true, 1}));
        QCOMPARE(task->state(), SniffTask::State::Downloading);
        // Busy and "don't ask again" stored: no question and no pausing.
        QCOMPARE(close(true, true, true), (QVariantList{true, false, 2}));
        QCOMPARE(task->state(), SniffTask::State::Downloading);
        // Busy, the user agrees: downloads are paused before the end.
        QCOMPARE(close(false, true, false), (QVariantList{true, true, 3}));
        QCOMPARE(task->state(), SniffTask::State::Paused);
    }

    // A disk that is full: the window names it at the top until a save works; closing it then
    // says so and keeps trying (the window stays) until the lists are written.
    void aFailingSaveIsShownUntilItWorks()
    {
        int terminated = 0;
        MainWindow::terminate = [&terminated] {
            ++terminated;
        };
        Preferences::instance()->setSkipCloseConfirmation(true);
        MainWindow window;
        window.show();
        auto *notice = window.findChild<QLabel *>("saveNotice");
        QVERIFY(notice && notice->isHidden());
        auto full = std::make_unique<diskfault::Full>(0);
        QVERIFY(!SniffMgr::instance()->saveNow());
        QVERIFY(notice->isVisible());
        QVERIFY(notice->text().startsWith("Clipmoor cannot save its lists: no space left on "));
        QCloseEvent event;
        QApplication::sendEvent(&window, &event);
        QVERIFY(!event.isAccepted());
        QVERIFY(notice->text().contains("keeps trying"));
        full.reset(); // room again
        QTRY_COMPARE_WITH_TIMEOUT(terminated, 1, 10000);
        QVERIFY(notice->isHidden());
    }

    // The program starts with raster-only windows (no OpenGL driver before the first frame).
    // The browser is made once, when its tab is first shown (here for an address the
    // downloading page sends it, which it is handed); it makes the window it shows in able to
    // show its OpenGL view, and every window made afterwards too.
    void theFirstBrowserMakesTheWindowOpenGlCapable()
    {
        QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
        setBrowserPaneFactory(&makeFakePane);
        panesMade = 0;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.tabs()->button(0)->click();
        QCOMPARE(window.windowHandle()->surfaceType(), QSurface::RasterSurface);
        QCOMPARE(panesMade, 0);

        Q_EMIT window.downloading()->toBrowserDownloaded(QStringLiteral("127.0.0.1:8/watch"));
        auto *pane = static_cast<FakePane *>(window.browser());
        QVERIFY(pane);
        QCOMPARE((QVariantList{panesMade, window.tabs()->checkedId()}), (QVariantList{1, 2}));
        QCOMPARE(window.pages()->currentWidget(), pane);
        QCOMPARE(pane->urls, QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:8/watch"))});
        QVERIFY(!QCoreApplication::testAttribute(Qt::AA_ForceRasterWidgets));
        QCOMPARE(window.windowHandle()->surfaceType(), QSurface::RasterGLSurface);
        QVERIFY(window.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.tabs()->button(0)->click();
        window.tabs()->button(2)->click();
        QCOMPARE(panesMade, 1);
        QCOMPARE(window.pages()->currentWidget(), pane);
        setBrowserPaneFactory(nullptr);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
