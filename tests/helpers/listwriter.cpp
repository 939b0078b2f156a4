// Saves a download list over and over, alternating between 100 and 200 records, until killed.
#include "core/engine/tasklistfile.h"
#include "core/foundation/preferences.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QString path = QString::fromLocal8Bit(argv[1]);
    tasklist::Records small, large;
    for (int i = 0; i < 200; ++i) {
        JobRecord r;
        r.url = QStringLiteral("https://v/%1").arg(i);
        r.media.present = true;
        r.media.title = QString(1000, QLatin1Char('i'));
        (i < 100 ? small : large) << r;
    }
    large = small + large;
    std::printf("ready\n");
    std::fflush(stdout);
    for (unsigned n = 0;; ++n)
        tasklist::save(path, n % 2 ? large : small);
}
