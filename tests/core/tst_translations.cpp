// Every interface text is translated into every language, placeholders and all.
#include "core/foundation/languagesettings.h"
#include "helpers/fixture.h"

#include <QLibraryInfo>
#include <QThread>
#include <QXmlStreamReader>

#include <atomic>
#include <memory>

class TestTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fixture::testMode(); }

    void everyEntryIsFinished_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files =
            QDir(QStringLiteral(CLIPMOOR_SOURCE_DIR "/resources/translations"))
                .entryList({"vantoro-*.ts"});
        QCOMPARE(files.size(), 14);
        for (const QString &f : files)
            QTest::newRow(qPrintable(f))
                << QStringLiteral(CLIPMOOR_SOURCE_DIR "/resources/translations/") + f;
    }
    void everyEntryIsFinished()
    {
        QFETCH(QString, file);
        QFile ts(file);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        int messages = 0;
        const QRegularExpression placeholder(QStringLiteral("%\\d"));
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const bool unfinished =
                    xml.attributes().value("type") == QLatin1String("unfinished");
                const QString translation = xml.readElementText();
                QVERIFY2(!unfinished && !translation.isEmpty(),
                         qPrintable("untranslated: " + source));
                QStringList wanted, found;
                for (auto it = placeholder.globalMatch(source); it.hasNext();)
                    wanted << it.next().captured();
                for (auto it = placeholder.globalMatch(translation); it.hasNext();)
                    found << it.next().captured();
                wanted.sort();
                found.sort();
                QVERIFY2(wanted == found, qPrintable("placeholders differ: " + source));
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 50);
    }

    // The source texts keep their misspellings (they are the program's own words); the English
    // translation shows them corrected.
    void theEnglishTextsAreSpelledRight()
    {
        QVERIFY(LanguageSettings::instance()->setLanguage(LanguageSettings::English));
        QCOMPARE(QCoreApplication::translate("PreferencesDlg", "Eable proxy"),
                 QString("Enable proxy"));
        const QString failed = QCoreApplication::translate(
            "DownloadTaskWidget", "<font color=%1>Download failed, <a style='color: %2;' "
                                  "href=\"none\">please view and try to download in build-in "
                                  "browser</a>.</font>");
        QVERIFY2(failed.contains("download in the built-in browser"), qPrintable(failed));
        QCOMPARE(QCoreApplication::translate("DownloadingPage", "No url find in the paste board."),
                 QString("No URL found on the clipboard."));

        QFile ts(QStringLiteral(CLIPMOOR_SOURCE_DIR "/resources/translations/vantoro-en-us.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        const QRegularExpression misspelt(
            QStringLiteral("build-in|Eable|exists tasks?\\b|url find|paste board|Wanna|"
                           "Turkey|Are you sure to|[a-z]\\((?!s\\))|,[a-z]"));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
                const QString text = xml.readElementText();
                QVERIFY2(!misspelt.match(text).hasMatch(), qPrintable(text));
            }
        }
    }

    // Qt's own texts (file dialogs, standard buttons) follow the interface language where the
    // system has Qt's translations, and go back to English for a language it has none for.
    void qtsOwnTextsFollowTheLanguage()
    {
        const QString dir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(dir + "/qtbase_de.qm"))
            QSKIP("Qt's translations are not installed (qttranslations5-l10n)");
        LanguageSettings *languages = LanguageSettings::instance();
        QVERIFY(languages->setLanguage(LanguageSettings::German));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
        QVERIFY(languages->setLanguage(LanguageSettings::Vietnamese)); // no Qt texts for it
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
        QVERIFY(languages->setLanguage(LanguageSettings::English));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    }

    // Other threads translate while the user switches languages (Qt's network texts are
    // translated on its network thread): a switch must never pull a translator's texts from
    // under a reader.
    void switchingWhileAnotherThreadTranslates()
    {
        LanguageSettings *languages = LanguageSettings::instance();
        std::atomic<bool> stop{false};
        std::atomic<int> reads{0};
        std::unique_ptr<QThread> reader(QThread::create([&] {
            while (!stop) {
                QCoreApplication::translate("QPlatformTheme", "Cancel").size();
                ++reads;
            }
        }));
        reader->start();
        QTRY_VERIFY(reads > 0);
        for (int round = 0; round < 20; ++round) {
            QVERIFY(languages->setLanguage(LanguageSettings::German));
            QVERIFY(languages->setLanguage(LanguageSettings::French));
        }
        stop = true;
        QVERIFY(reader->wait(10000));
        QVERIFY(languages->setLanguage(LanguageSettings::English));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
