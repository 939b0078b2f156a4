#pragma once

// Runs an installed Clipmoor (an install tree or an unpacked package, not the build tree) the way
// a user would, headless: with this test's settings and data folders, from a working folder of
// its own, and with one download waiting in its list that it starts by itself. Media is served
// on 127.0.0.1 only; the update server is a closed port there.

#include "core/engine/tasklistfile.h"
#include "helpers/fixture.h"

#include <QImage>

class InstalledApp
{
public:
    // `executable` is <prefix>/bin/clipmoor of the installed tree.
    explicit InstalledApp(const QString &executable)
        : executable(executable)
    {
        fixture::testMode();
        seedPreferences();
    }

    // The test's settings and data folders, as the installed app (which is not in test mode)
    // finds them through the XDG variables.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QDir config = QFileInfo(Preferences::fileName()).dir();
        config.cdUp();
        QDir data(appDataDir());
        data.cdUp();
        env.insert("XDG_CONFIG_HOME", config.absolutePath());
        env.insert("XDG_DATA_HOME", data.absolutePath());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
        env.insert("CLIPMOOR_NO_BROWSER", "1");
        return env;
    }

    // Starts the app with one download of a generated clip waiting in its list; it resumes the
    // download at start-up and saves it as `format` ("Original Video": as served; "MP3"
    // converts, which takes the tool and its preset). Returns the saved file's path, or an empty
    // string after `timeoutMs`.
    QString downloadOneClip(const QString &format, int timeoutMs = 90000)
    {
        if (!testutil::makeClip(www.path() + "/clip.mp4", 2))
            return fail("cannot make the clip");
        server = std::make_unique<TestHttpServer>(www.path());
        if (!server->start())
            return fail("cannot start the server");

        Preferences *prefs = Preferences::instance();
        prefs->setDownloadDir(downloads.path());
        prefs->setOneClickFormat(format);
        prefs->setResumeOnStartup(true);
        prefs->setReadCookies(false);
        prefs->setWelcomeShown(true);
        SniffTask task(server->url("clip.mp4"), {});
        if (!tasklist::save(taskListPath(), {&task}))
            return fail("cannot write the download list");

        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(QDir::rootPath());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(executable, QStringList());
        if (!process.waitForStarted(10000))
            return fail("cannot start " + executable);

        QElapsedTimer timer;
        timer.start();
        QString saved;
        while (saved.isEmpty() && timer.elapsed() < timeoutMs &&
               process.state() == QProcess::Running) {
            QTest::qWait(100); // serves the clip while it waits
            const QFileInfoList files = QDir(downloads.path()).entryInfoList(QDir::Files);
            if (!files.isEmpty() && files.first().size() > 0)
                saved = files.first().absoluteFilePath();
        }
        if (saved.isEmpty())
            return fail("no file was saved");
        return saved;
    }

    // Ends the running app as the desktop does at log-out; true when it ended cleanly.
    bool quit()
    {
        process.terminate();
        return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    // `clipmoor --screenshot FILE` from another working folder; the picture, or a null image.
    QImage screenshot()
    {
        const QString file = downloads.path() + "/window shot.png";
        QProcess shot;
        shot.setProcessEnvironment(environment());
        shot.setWorkingDirectory(QDir::tempPath());
        shot.setProcessChannelMode(QProcess::MergedChannels);
        shot.start(executable, {"--screenshot", file});
        if (!shot.waitForFinished(60000) || shot.exitCode() != 0) {
            qWarning().noquote() << "screenshot run:" << shot.readAll();
            return QImage();
        }
        return QImage(file);
    }

    // What the app printed and logged, for a failure message.
    QString diagnostics()
    {
        return QString::fromLocal8Bit(process.readAll()) + "\n--- log ---\n" + fixture::logText();
    }

private:
    QString fail(const QString &why)
    {
        qWarning().noquote() << why << diagnostics();
        return QString();
    }

    QString executable;
    QTemporaryDir www;
    QTemporaryDir downloads;
    std::unique_ptr<TestHttpServer> server;
    QProcess process;
};
