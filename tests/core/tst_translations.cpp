// Every interface text is translated into every language, placeholders and all.
#include "helpers/testutil.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QXmlStreamReader>

class TestTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
