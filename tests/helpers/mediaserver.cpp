// The test HTTP server (helpers/httpserver.h) as a program of its own, for scripts: serves a
// folder on 127.0.0.1 and prints its address ("http://127.0.0.1:PORT/"). Files named with
// --stall NAME stop after their first 256 KiB and then stay open and silent, a download that
// never ends. Runs until it is
// stopped.
#include "helpers/httpserver.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: mediaserver FOLDER [--stall NAME]...\n");
        return 2;
    }
    TestHttpServer server(args.at(1));
    for (int i = 2; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--stall"))
            server.stallAfter.insert(args.at(i + 1), 256 * 1024);
    }
    if (!server.start())
        return 1;
    std::printf("%s\n", qPrintable(server.url(QString())));
    std::fflush(stdout);
    return app.exec();
}
