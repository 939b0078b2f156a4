// The desktop's D-Bus services, faked on a private bus: records every call on standard output,
// one line each, and takes orders on standard input. Which services it offers is chosen on the
// command line: --login1 --screensaver --notifications --filemanager. Prints "ready" once they
// are all on the bus.
//
//   login1 Inhibit <what> <mode>     then "login1 released" when the caller closes the descriptor
//   screensaver Inhibit <cookie>     and "screensaver UnInhibit <cookie>"
//   Notify <id> <title>|<body>|<actions, comma-separated>
//   ShowItems <address>
//
// Orders: "invoke <id> <action>" emits ActionInvoked, "close <id>" NotificationClosed.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QSocketNotifier>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

class Login1 : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public Q_SLOTS:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &, const QString &,
                                    const QString &mode)
    {
        say(QStringLiteral("login1 Inhibit %1 %2").arg(what, mode));
        int ends[2];
        if (::pipe(ends) != 0)
            return QDBusUnixFileDescriptor();
        // The caller holds the write end; its closing shows here as the end of the read end.
        auto *watch = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
        connect(watch, &QSocketNotifier::activated, this, [watch, ends] {
            char byte;
            if (::read(ends[0], &byte, 1) <= 0) {
                watch->setEnabled(false);
                ::close(ends[0]);
                say(QStringLiteral("login1 released"));
            }
        });
        QDBusUnixFileDescriptor handed(ends[1]);
        ::close(ends[1]);
        return handed;
    }
};

class ScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public Q_SLOTS:
    uint Inhibit(const QString &, const QString &)
    {
        say(QStringLiteral("screensaver Inhibit %1").arg(++cookie));
        return cookie;
    }
    void UnInhibit(uint which) { say(QStringLiteral("screensaver UnInhibit %1").arg(which)); }

private:
    uint cookie = 40;
};

class Notifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        say(QStringLiteral("Notify %1 %2|%3|%4")
                .arg(++id)
                .arg(summary, body, actions.join(QLatin1Char(','))));
        return id;
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
Q_SIGNALS:
    void ActionInvoked(uint id, const QString &action);
    void NotificationClosed(uint id, uint reason);

private:
    uint id = 0;
};

class FileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &)
    {
        say(QStringLiteral("ShowItems %1").arg(uris.join(QLatin1Char(' '))));
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QDBusConnection session = QDBusConnection::sessionBus();
    // The system bus of the test is the same private bus.
    QDBusConnection system = QDBusConnection::systemBus();
    Login1 login1;
    ScreenSaver screenSaver;
    Notifications notifications;
    FileManager fileManager;
    // Each service at org.freedesktop.NAME, its object at /org/freedesktop/NAME.
    const auto offer = [&args](const char *option, QDBusConnection bus, const QString &name,
                               QObject *object) {
        if (!args.contains(QLatin1String(option)))
            return;
        const QString service = QStringLiteral("org.freedesktop.") + name;
        if (!bus.registerObject(QLatin1Char('/') + QString(service).replace('.', '/'), object,
                                QDBusConnection::ExportAllSlots |
                                    QDBusConnection::ExportAllSignals) ||
            !bus.registerService(service)) {
            say(QStringLiteral("cannot offer ") + service);
            std::exit(1);
        }
    };
    offer("--login1", system, QStringLiteral("login1"), &login1);
    offer("--screensaver", session, QStringLiteral("ScreenSaver"), &screenSaver);
    offer("--notifications", session, QStringLiteral("Notifications"), &notifications);
    offer("--filemanager", session, QStringLiteral("FileManager1"), &fileManager);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, int(got));
        while (pending.contains('\n')) {
            const int end = pending.indexOf('\n');
            const QList<QByteArray> order = pending.left(end).split(' ');
            pending.remove(0, end + 1);
            if (order.value(0) == "invoke")
                Q_EMIT notifications.ActionInvoked(order.value(1).toUInt(),
                                                   QString::fromUtf8(order.value(2)));
            else if (order.value(0) == "close")
                Q_EMIT notifications.NotificationClosed(order.value(1).toUInt(), 2);
        }
    });
    say(QStringLiteral("ready"));
    return app.exec();
}

#include "fakedesktop.moc"
