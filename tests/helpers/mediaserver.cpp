// The test HTTP server (helpers/httpserver.h) as a program of its own, for scripts: serves a
// folder on 127.0.0.1 and prints its address ("http://127.0.0.1:PORT/"). Files named with
// --stall NAME stop after their first 256 KiB and then stay open and silent, a download that
// never ends. --live NAME answers NAME with a live HLS playlist of the folder's one-second
// segments seg000.ts, seg001.ts, ... (a new one each second, as a live stream). Runs until it is
// stopped.
#include "helpers/httpserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

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
    QString live;
    for (int i = 2; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--stall"))
            server.stallAfter.insert(args.at(i + 1), 256 * 1024);
        else if (args.at(i) == QLatin1String("--live"))
            live = args.at(i + 1);
    }
    QElapsedTimer clock;
    clock.start();
    const int segments = QDir(args.at(1)).entryList({QStringLiteral("seg*.ts")}).size();
    if (!live.isEmpty()) {
        server.setHandler([&](const QString &path, TestHttpServer::Response *response) {
            if (path != live)
                return false;
            response->contentType = "application/vnd.apple.mpegurl";
            response->body = TestHttpServer::livePlaylist(clock.elapsed(), segments);
            return true;
        });
    }
    if (!server.start())
        return 1;
    std::printf("%s\n", qPrintable(server.url(QString())));
    std::fflush(stdout);
    return app.exec();
}
