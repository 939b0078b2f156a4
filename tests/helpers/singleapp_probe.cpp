// Starts a SingleApplication the way Clipmoor does and reports its role on standard output:
// "primary" (then "instanceStarted" for every later start) or "secondary <n>". A primary quits
// when its standard input closes, or after a minute.
#include "gui/mainwindow/singleapplication.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    SingleApplication app(argc, argv, true, 4, 1000);
    if (app.isSecondaryInstance()) {
        std::printf("secondary %d\n", app.instanceId());
        return 0;
    }
    std::printf("primary\n");
    std::fflush(stdout);
    QObject::connect(&app, &SingleApplication::instanceStarted, [] {
        std::printf("instanceStarted\n");
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
