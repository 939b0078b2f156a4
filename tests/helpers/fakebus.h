#pragma once

// A private D-Bus daemon for one test, serving as both its session and its system bus, with the
// desktop's services faked on it (helpers/fakedesktop.cpp). Start it before anything in the
// test touches D-Bus: Qt connects to the buses once, at their first use.

#include "helpers/testutil.h"

class FakeBus
{
public:
    ~FakeBus()
    {
        stopDesktop();
        if (daemon.state() != QProcess::NotRunning) {
            daemon.kill();
            daemon.waitForFinished(3000);
        }
    }

    // No services of the machine are started on it: its configuration names none.
    bool start()
    {
        const QString config = folder.path() + "/bus.conf";
        testutil::writeFile(config, "<busconfig><type>session</type>"
                                    "<listen>unix:tmpdir=" +
                                        QFile::encodeName(folder.path()) +
                                        "</listen><auth>EXTERNAL</auth>"
                                        "<policy context=\"default\"><allow send_destination=\"*\""
                                        " eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                        "<allow own=\"*\"/></policy></busconfig>");
        daemon.start(QStringLiteral("dbus-daemon"),
                     {"--config-file=" + config, "--nofork", "--print-address=1"});
        if (!daemon.waitForStarted(5000) || !daemon.waitForReadyRead(5000))
            return false;
        const QByteArray address = daemon.readLine().trimmed();
        if (address.isEmpty())
            return false;
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
        return true;
    }

    // (Re)starts the fake desktop with these services ("--login1", "--screensaver",
    // "--notifications", "--filemanager"); none: the desktop offers nothing.
    bool startDesktop(const QStringList &services)
    {
        stopDesktop();
        desktop = std::make_unique<QProcess>();
        seen.clear();
        QObject::connect(desktop.get(), &QProcess::readyReadStandardOutput, desktop.get(),
                         [this] { seen += desktop->readAllStandardOutput(); });
        desktop->start(testutil::helperPath("fakedesktop"), services);
        return QTest::qWaitFor([this] { return seen.contains("ready\n"); }, 10000);
    }

    void stopDesktop()
    {
        if (!desktop)
            return;
        desktop->closeWriteChannel();
        if (!desktop->waitForFinished(3000))
            desktop->kill();
        desktop->waitForFinished(3000);
        desktop.reset();
    }

    // What the fake desktop recorded since it started, one call a line.
    const QByteArray &calls() const { return seen; }
    int count(const QByteArray &text) const { return seen.count(text); }
    // Has the fake desktop emit a signal ("invoke <id> default", "close <id>").
    void order(const QByteArray &line) { desktop->write(line + '\n'); }

private:
    QTemporaryDir folder;
    QProcess daemon;
    std::unique_ptr<QProcess> desktop;
    QByteArray seen;
};
