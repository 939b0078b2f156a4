#include "helpers/fixture.h"

#include <QDateTime>

class TestAppLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        fixture::testMode();
        QDir(logDir()).removeRecursively();
    }

    void linesCarryTimeLevelTagAndText()
    {
        initLogging();
        writeLog("AppLaunch", "7.0.0");
        writeLog("[SniffMgr]", QString::fromUtf8("späte Ausgabe"));
        writeLog("[Empty]");
        flushLog();
        QFile file(logDir() + "/AppLog.log");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QVERIFY(lines.size() >= 3);
        QVERIFY(lines.at(0).endsWith("AppLaunch 7.0.0"));
        QVERIFY(lines.at(0).contains("info"));
        QVERIFY(lines.at(0).contains(QDate::currentDate().toString(Qt::ISODate).toLatin1()));
        QVERIFY(lines.at(1).endsWith(QString::fromUtf8("[SniffMgr] späte Ausgabe").toUtf8()));
        QVERIFY(lines.at(2).endsWith("[Empty] "));
        // The log names what the user downloaded: the user's alone.
        QCOMPARE(file.permissions() & QFileDevice::Permissions(0x7077),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(QFileInfo(logDir()).permissions() & QFileDevice::Permissions(0x7077),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void pruningKeepsTheNewestEntries()
    {
        const QString dir = logDir();
        writeLog("[BeforePrune]");
        const QDateTime base = QDateTime::currentDateTime().addDays(-10);
        for (int i = 0; i < 120; ++i) {
            QFile f(dir + QString("/old-%1.log").arg(i, 3, 10, QChar('0')));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
            f.flush(); // or closing would stamp the file with the time of the write
            // File i is i minutes newer than file 0.
            QVERIFY(f.setFileTime(base.addSecs(60 * i), QFileDevice::FileModificationTime));
        }
        pruneLogDir();
        const QStringList left = QDir(dir).entryList(QDir::Files);
        QVERIFY2(left.size() <= 99, qPrintable(QString::number(left.size())));
        QVERIFY(left.size() >= 96);
        QVERIFY2(left.contains("AppLog.log"), qPrintable(left.join(" ")));
        QVERIFY(left.contains("old-119.log"));  // newest old file stays
        QVERIFY(!left.contains("old-000.log")); // oldest goes
        // Below the threshold nothing more goes.
        const int before = left.size();
        pruneLogDir();
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), before);
        writeLog("[AfterPrune]", "still writing");
        flushLog();
        QFile file(dir + "/AppLog.log");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[AfterPrune] still writing"));
    }
};

QTEST_GUILESS_MAIN(TestAppLog)
#include "tst_applog.moc"
