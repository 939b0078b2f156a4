#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/provision/dltoolmanager.h"
#include "helpers/testutil.h"

#include <QFile>
#include <QTemporaryDir>

class TestDlToolManager : public QObject
{
    Q_OBJECT
    QString logText()
    {
        flushLog();
        QFile f(logDir() + "/AppLog.log");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void shipTool(bool present)
    {
        const QString tool = DlToolManager::defaultToolPath();
        if (present) {
            QFile f(tool);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\n");
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        } else {
            QFile::remove(tool);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        testutil::enterTestMode();
        QDir(logDir()).removeRecursively();
    }
    void cleanup()
    {
        shipTool(false);
        Preferences::instance()->setToolLocation(QString());
    }

    void defaultsBesideTheExecutable()
    {
        QCOMPARE(DlToolManager::defaultToolPath(),
                 QCoreApplication::applicationDirPath() + "/vantoro-dl");
        QCOMPARE(DlToolManager::managerDir(), appDataDir() + "/vantoro-dl");
        DlToolManager manager;
        QVERIFY(QFileInfo(DlToolManager::managerDir()).isDir());
        QVERIFY(logText().contains("[DlToolManager] [init] location: , exist: 0"));
    }

    void shippedToolWithoutUpdate()
    {
        shipTool(true);
        DlToolManager manager;
        QVERIFY(manager.isAvailable());
        QCOMPARE(manager.toolPath(), DlToolManager::defaultToolPath());
        QVERIFY(logText().contains("[checkLatestLocation] Not find latest or not updated"));
    }

    void updatedToolIsPreferred()
    {
        shipTool(true);
        QTemporaryDir dir;
        const QString updated = dir.path() + "/vantoro-dl";
        QFile(updated).open(QIODevice::WriteOnly);
        Preferences::instance()->setToolLocation(updated);
        DlToolManager manager;
        QCOMPARE(manager.location(), updated);
        QVERIFY(manager.isAvailable());
        QCOMPARE(manager.toolPath(), updated);
        QVERIFY(logText().contains(QString("[init] location: %1, exist: 1").arg(updated)));
    }

    void vanishedUpdateFallsBackToTheShippedTool()
    {
        shipTool(true);
        Preferences::instance()->setToolLocation("/nonexistent/vantoro-dl");
        DlToolManager manager;
        QCOMPARE(manager.toolPath(), DlToolManager::defaultToolPath());
        QVERIFY(manager.isAvailable());
    }

    void noToolAnywhere()
    {
        Preferences::instance()->setToolLocation("/nonexistent/vantoro-dl");
        DlToolManager manager;
        const int before = logText().count("Not find default.");
        QVERIFY(!manager.isAvailable());
        QCOMPARE(logText().count("Not find default."), before + 1);
    }
};

QTEST_GUILESS_MAIN(TestDlToolManager)
#include "tst_dltoolmanager.moc"
