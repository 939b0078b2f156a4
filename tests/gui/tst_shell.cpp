// Languages, style sheets and the shell's dialogs, under the offscreen platform.
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/languagesettings.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/foundation/stylemanager.h"
#include "core/provision/updatecheck.h"
#include "gui/mainwindow/closeconfirmdlg.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/upgradedlg.h"
#include "gui/widgets/imagebutton.h"
#include "helpers/httpserver.h"
#include "helpers/testutil.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

class TestShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        testutil::enterTestMode();
        seedPreferences();
        qputenv("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
        qputenv("CLIPMOOR_NO_BROWSER", "1");
        UpdateRetrier::waitMs = 1; // the window's update checks fail fast here
    }

    void cleanup() { LanguageSettings::instance()->setLanguage(LanguageSettings::English); }

    void firstStartLoadsEnglish()
    {
        Preferences::instance()->setLanguage(0);
        LanguageSettings *languages = LanguageSettings::instance();
        QCOMPARE(languages->currentLanguage(), 0);
        languages->applyCurrentLanguage();
        QCOMPARE(Preferences::instance()->language(), 0);
        QCOMPARE(languages->languages().size(), 14);
        QCOMPARE(languages->languages().first().first, int(LanguageSettings::English));
        QCOMPARE(languages->languages().at(2).first, int(LanguageSettings::German));
    }

    void unknownCategoriesUseEnglishAndAreKept()
    {
        QCOMPARE(LanguageSettings::translationFile(14), LanguageSettings::translationFile(0));
        QCOMPARE(LanguageSettings::translationFile(-1), QString(":/translations/vantoro-en-us.qm"));
        QVERIFY(LanguageSettings::instance()->setLanguage(14));
        QCOMPARE(Preferences::instance()->language(), 14);
        for (int c = 0; c <= 13; ++c)
            QVERIFY2(QFile::exists(LanguageSettings::translationFile(c)),
                     qPrintable(QString::number(c)));
    }

    void switchingLanguageRetranslatesOpenWindows()
    {
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
        QCOMPARE(LanguageSettings::instance()->languages().first().second, QString("Englisch"));
        QVERIFY(LanguageSettings::instance()->setLanguage(LanguageSettings::English));
        QTRY_COMPARE(box->text(), QString("Don't ask me again"));
    }

    void styleSheetsAreReadAndTrimmed()
    {
        const QString folder = QCoreApplication::applicationDirPath() + "/qss";
        QDir().mkpath(folder);
        QFile f(folder + "/test_sheet.qss");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\n\n  QPushButton { color: red; }\n\n");
        f.close();
        QCOMPARE(StyleManager::instance()->styleSheet("test_sheet.qss"),
                 QString("QPushButton { color: red; }"));
        QCOMPARE(StyleManager::instance()->styleSheet("missing.qss"), QString());
        QFile::remove(folder + "/test_sheet.qss");
    }

    void updateInformationIsJudgedByVersion_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("newer");
        QTest::newRow("one patch level above") << "7.0.1" << true;
        QTest::newRow("the same") << "7.0.0" << false;
        QTest::newRow("older") << "6.9.9" << false;
        QTest::newRow("two-digit major") << "10.0" << true;
    }
    void updateInformationIsJudgedByVersion()
    {
        QFETCH(QString, version);
        QFETCH(bool, newer);
        QVariantMap info{{"Version", version},
                         {"x64 Download URL", "https://example.invalid/setup.exe"}};
        QCOMPARE(UpgradeDlg::announcesNewerVersion(info), newer);
        UpgradeDlg dialog(info);
        QCOMPARE(dialog.buttonsVisible(), newer);
        QCOMPARE(dialog.upgradeEnabled(), newer);
        QCOMPARE(dialog.statusText(), newer ? QString("A new version is available!")
                                            : QString("Current version is up to date."));
        info.remove("x64 Download URL");
        QVERIFY(!UpgradeDlg(info).upgradeEnabled());
        QVERIFY(!UpgradeDlg::announcesNewerVersion(QVariantMap()));
    }

    void aManualCheckFetchesTheInformation()
    {
        QTemporaryDir www;
        QDir().mkpath(www.path() + "/updateinfo");
        QFile f(www.path() + "/updateinfo/clipmoor_update_win.json");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(QJsonObject{{"Version", "7.1.0"},
                                          {"x64 Download URL", "https://example.invalid/setup.exe"},
                                          {"x64 Size", "80 MB"},
                                          {"Release Date", "2026-12-01"},
                                          {"What's New", "Faster downloads."}})
                    .toJson());
        f.close();
        TestHttpServer server(www.path());
        QVERIFY(server.start());
        qputenv("CLIPMOOR_UPDATE_SERVER",
                QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()).toUtf8());
        UpgradeDlg dialog;
        QCOMPARE(dialog.statusText(), QString("Waiting for checking..."));
        QTRY_COMPARE(dialog.statusText(), QString("A new version is available!"));
        QVERIFY(dialog.upgradeEnabled());

        qputenv("CLIPMOOR_UPDATE_SERVER",
                QStringLiteral("http://127.0.0.1:%1/missing").arg(server.serverPort()).toUtf8());
        UpgradeDlg failing;
        QTRY_COMPARE(failing.statusText(),
                     QString("Fetch update info failed. Please retry later."));
        QVERIFY(!failing.buttonsVisible());
        qputenv("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
    }

    // Answers the close confirmation that is about to appear (true: OK).
    static void answerCloseConfirmation(bool ok, bool *asked)
    {
        QTimer::singleShot(100, [ok, asked] {
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
    }

    void closingRoads()
    {
        int terminated = 0;
        MainWindow::terminate = [&terminated] {
            ++terminated;
        };
        SniffMgr *mgr = SniffMgr::instance();
        Preferences::instance()->setSkipCloseConfirmation(false);
        {
            // Nothing running: no question, lists saved, the process ends.
            MainWindow window;
            window.show();
            QFile::remove(taskListPath());
            bool asked = false;
            answerCloseConfirmation(true, &asked);
            window.close();
            QTest::qWait(200);
            QCOMPARE(terminated, 1);
            QVERIFY(!asked);
            QVERIFY(QFileInfo::exists(taskListPath()));
        }
        SniffTask *task = mgr->newTask("https://video.example/1", {});
        mgr->addTask(task);
        task->setState(SniffTask::State::Downloading);
        QVERIFY(mgr->hasActiveTask());
        {
            // Busy, the user cancels: everything keeps running.
            MainWindow window;
            window.show();
            bool asked = false;
            answerCloseConfirmation(false, &asked);
            QCloseEvent event;
            QApplication::sendEvent(&window, &event);
            QVERIFY(asked);
            QVERIFY(!event.isAccepted());
            QCOMPARE(terminated, 1);
            QCOMPARE(task->state(), SniffTask::State::Downloading);
        }
        {
            // Busy and "don't ask again" stored: no question and no pausing.
            Preferences::instance()->setSkipCloseConfirmation(true);
            MainWindow window;
            window.show();
            bool asked = false;
            answerCloseConfirmation(true, &asked);
            window.close();
            QTest::qWait(200);
            QVERIFY(!asked);
            QCOMPARE(terminated, 2);
            QCOMPARE(task->state(), SniffTask::State::Downloading);
        }
        {
            // Busy, the user agrees: downloads are paused before the end.
            Preferences::instance()->setSkipCloseConfirmation(false);
            MainWindow window;
            window.show();
            bool asked = false;
            answerCloseConfirmation(true, &asked);
            window.close();
            QVERIFY(asked);
            QCOMPARE(terminated, 3);
            QCOMPARE(task->state(), SniffTask::State::Paused);
        }
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
