#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/provision/dltoolmanager.h"
#include "helpers/fixture.h"

#include <QFile>
#include <QTemporaryDir>

class TestDlToolManager : public QObject
{
    Q_OBJECT
    void shipTool(bool present)
    {
        const QString tool = DlToolManager::defaultToolPath();
        QFile::remove(tool);
        if (present)
            testutil::writeScript(tool, "#!/bin/sh\n");
    }

private Q_SLOTS:
    void initTestCase() { fixture::testMode(); }
    void cleanup()
    {
        shipTool(false);
        Preferences::instance()->setToolLocation(QString());
    }

    // The tool in use: an update the preferences name while it exists, else the one shipped
    // beside the executable, else none.
    void theToolInUse_data()
    {
        QTest::addColumn<bool>("shipped");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("used");
        QTest::newRow("shipped, no update") << true << ""
                                            << "shipped";
        QTest::newRow("an update is preferred") << true << "updated"
                                                << "updated";
        QTest::newRow("a vanished update") << true << "/nonexistent/vantoro-dl"
                                           << "shipped";
        QTest::newRow("no tool anywhere") << false << "/nonexistent/vantoro-dl"
                                          << "";
    }
    void theToolInUse()
    {
        QFETCH(bool, shipped);
        QFETCH(QString, location);
        QFETCH(QString, used);
        shipTool(shipped);
        QTemporaryDir dir;
        const QString updated = testutil::writeFile(dir.path() + "/vantoro-dl");
        Preferences::instance()->setToolLocation(location == "updated" ? updated : location);
        DlToolManager manager;
        QVERIFY(QFileInfo(DlToolManager::managerDir()).isDir());
        QCOMPARE(manager.isAvailable(), !used.isEmpty());
        if (!used.isEmpty())
            QCOMPARE(manager.toolPath(),
                     used == "updated" ? updated
                                       : QCoreApplication::applicationDirPath() + "/vantoro-dl");
    }
};

QTEST_GUILESS_MAIN(TestDlToolManager)
#include "tst_dltoolmanager.moc"
