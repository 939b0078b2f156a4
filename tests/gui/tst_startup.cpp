// Starts the real application, headless, against throw-away home, data and settings folders.
#include "helpers/testutil.h"

#include <memory>

class TestStartup : public QObject
{
    Q_OBJECT

    // The application in a process of its own; `err` gathers what it printed on stderr.
    struct Instance
    {
        std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
        QByteArray err;
        void start(const QProcessEnvironment &env)
        {
            process->setProcessEnvironment(env);
            process->setStandardOutputFile(QProcess::nullDevice());
            QObject::connect(process.get(), &QProcess::readyReadStandardError,
                             [this] { err += process->readAllStandardError(); });
            process->start(testutil::helperPath("../bin/clipmoor"), QStringList());
        }
        bool waitForStderr(const QByteArray &text, int timeoutMs = 15000)
        {
            if (QTest::qWaitFor([&] { return err.contains(text); }, testutil::deadline(timeoutMs)))
                return true;
            // What the app said instead tells a slow start from a stuck one.
            qWarning("no \"%s\" on stderr; it printed:\n%s", text.constData(),
                     err.right(4000).constData());
            return false;
        }
        bool terminate()
        {
            process->terminate();
            return process->waitForFinished(testutil::deadline(10000));
        }
    };

    QTemporaryDir home;
    QProcessEnvironment env;

    QString logFile() const { return home.path() + "/data/Clipmoor/Log/AppLog.log"; }
    QString settingsFile() const { return home.path() + "/config/Clipmoor/Clipmoor.conf"; }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QFileInfo(testutil::helperPath("../bin/clipmoor")).isExecutable());
        env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        env.insert("XDG_DATA_HOME", home.path() + "/data");
        env.insert("XDG_CACHE_HOME", home.path() + "/cache");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "default.debug=true");
        // Update checks go to a closed port on this machine, never outside.
        env.insert("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
        env.insert("CLIPMOOR_NO_BROWSER", "1");
    }

    void startsSeedsLogsAndHandsOverASecondStart()
    {
        Instance first;
        first.start(env);
        QVERIFY(QTest::qWaitFor(
            [&] { return testutil::readFile(logFile()).contains("AppLaunch 7.0.0"); },
            testutil::deadline(15000)));
        QSettings settings(settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.value("kDownload_MaxTask_Default").toInt(), 2);
        QCOMPARE(settings.value("kLocation_DownloadDir").toString(),
                 home.path() + "/Clipmoor/Download");

        Instance second;
        second.start(env);
        QVERIFY(second.process->waitForFinished(testutil::deadline(10000)));
        QCOMPARE(second.process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process->exitCode(), 0);
        QVERIFY(first.waitForStderr("active window", 5000));

        // Asked to terminate, it takes the quit road: children are killed, the block released.
        QVERIFY(first.terminate());
        QCOMPARE(first.process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.process->exitCode(), 0);
        QVERIFY(first.err.contains("~app..."));

        Instance again; // the released block lets a new primary start
        again.start(env);
        QVERIFY(again.waitForStderr("system dpi:"));
        QVERIFY(again.process->state() == QProcess::Running);
        QVERIFY(again.terminate());
    }

    void unreadableSettingsDoNotStopTheStart()
    {
        testutil::writeFile(settingsFile(),
                            "[General\n\xff\xfe\x00\x01kDownload_MaxTask=\"7\n[\n=\n");
        Instance app;
        app.start(env);
        QVERIFY(app.waitForStderr("system dpi:"));
        QVERIFY(app.terminate());
        QSettings settings(settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.status(), QSettings::NoError);
        QCOMPARE(settings.value("kDownload_MaxTask_Default").toInt(), 2);
        QVERIFY(QFileInfo::exists(settingsFile() + ".corrupt"));
    }

    void unwritableDataFolderIsReportedNotFatal()
    {
        // A data location below a plain file can never be created (even for root).
        testutil::writeFile(home.path() + "/blocker");
        QProcessEnvironment broken = env;
        broken.insert("XDG_DATA_HOME", home.path() + "/blocker/data");
        Instance app;
        app.start(broken);
        QVERIFY(app.waitForStderr("cannot open log file"));
        QVERIFY(app.waitForStderr("system dpi:"));
        // Said once the window is up; the app keeps running after it.
        QVERIFY(app.waitForStderr("data folder not writable"));
        QCOMPARE(app.process->state(), QProcess::Running);
        QVERIFY(app.terminate());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
