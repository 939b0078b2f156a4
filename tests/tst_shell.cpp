// Languages, style sheets and the shell's dialogs, under the offscreen platform.
#include "app/closeconfirmdlg.h"
#include "app/languagesettings.h"
#include "app/preferences.h"
#include "app/stylemanager.h"
#include "app/upgradedlg.h"
#include "httpserver.h"
#include "testutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

class TestShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        testutil::enterTestMode();
        seedPreferences();
    }

    void cleanup() { LanguageSettings::instance()->setLanguage(LanguageSettings::English); }

    void firstStartLoadsEnglish()
    {
        Preferences().remove("language");
        LanguageSettings *languages = LanguageSettings::instance();
        QCOMPARE(languages->currentLanguage(), 0);
        languages->applyCurrentLanguage();
        QCOMPARE(Preferences().value("language").toInt(), 0);
        QCOMPARE(languages->languages().size(), 14);
        QCOMPARE(languages->languages().first().first, int(LanguageSettings::English));
        QCOMPARE(languages->languages().at(2).first, int(LanguageSettings::German));
    }

    void unknownCategoriesUseEnglishAndAreKept()
    {
        QCOMPARE(LanguageSettings::translationFile(14), LanguageSettings::translationFile(0));
        QCOMPARE(LanguageSettings::translationFile(-1), QString(":/translations/vantoro-en-us.qm"));
        QVERIFY(LanguageSettings::instance()->setLanguage(14));
        QCOMPARE(Preferences().value("language").toInt(), 14);
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
        qunsetenv("CLIPMOOR_UPDATE_SERVER");
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
