// Starts a SingleApplication the way Clipmoor does and reports its role on standard output:
// "primary" (then "instanceStarted" for every later start and "addresses A B ..." for every
// address list handed over) or "secondary <n>". A secondary hands over its arguments as
// addresses, as `clipmoor URL...` does. A primary quits when its standard input closes, or after
// a minute.
#include "core/foundation/singleinstance.h"
#include "gui/mainwindow/singleapplication.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    SingleApplication app(argc, argv, true, 4, 1000);
    const QStringList addresses = app.arguments().mid(1);
    if (app.isSecondaryInstance()) {
        if (!addresses.isEmpty() &&
            !app.sendMessage(instancemessage::encodeAddresses(addresses), 3000))
            return 1;
        std::printf("secondary %d\n", app.instanceId());
        return 0;
    }
    std::printf("primary\n");
    std::fflush(stdout);
    QObject::connect(&app, &SingleApplication::instanceStarted, [] {
        std::printf("instanceStarted\n");
        std::fflush(stdout);
    });
    QObject::connect(&app, &SingleApplication::receivedMessage,
                     [](quint32, const QByteArray &message) {
                         QStringList received;
                         if (!instancemessage::decodeAddresses(message, &received))
                             received = QStringList{QStringLiteral("<not an address list>")};
                         std::printf("addresses %s\n", qPrintable(received.join(' ')));
                         std::fflush(stdout);
                     });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&input] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return app.exec();
}
