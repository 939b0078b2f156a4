// Converts one file the way the Converting page does (inspected first, then converted by the
// converter's queue through the download tool) and prints "converted PATH" or "failed WHY".
// tst_install runs it from an installed tree's bin folder, where it finds the tool and the
// presets exactly as the installed Clipmoor does.
//
//     convertprobe SOURCE FORMAT      (FORMAT as the format chooser names it: "MP4", "MP3", ...)
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Clipmoor"));
    QCoreApplication::setApplicationName(QStringLiteral("Clipmoor"));
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: convertprobe SOURCE FORMAT\n");
        return 2;
    }
    initLogging();
    ConvertManager *converter = ConvertManager::instance();
    ConvertDataManager::instance()->loadAll();
    const auto say = [](const QString &line, int code) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
        QCoreApplication::exit(code);
    };
    QObject::connect(converter, &ConvertManager::convertManagerLoadFinish, &app,
                     [&](const QList<ConvMediaInfo> &loaded, const QStringList &failed) {
                         if (loaded.isEmpty()) {
                             say("failed to inspect " + failed.join(' '), 1);
                             return;
                         }
                         ConvertTask *task =
                             ConvertDataManager::instance()->addTaskFor(loaded.first());
                         ConvertInfo params;
                         params.formatName = args.at(2);
                         params.resolution = QStringLiteral("Origin");
                         params.audioBitRate = QStringLiteral("Origin");
                         params.isVideo = isAudioFormat(args.at(2)) ? 0 : 1;
                         task->setParams(params);
                         converter->startTask(task);
                     });
    QObject::connect(converter, &ConvertManager::converterManagerTaskDidFinished, &app,
                     [&](ConvertTask *task, bool failed) {
                         if (failed || !task->resultInfo())
                             say("failed " + task->errorText(), 1);
                         else
                             say("converted " + task->resultInfo()->outputPath, 0);
                     });
    QTimer::singleShot(0, &app, [&] { converter->loadFiles({args.at(1)}); });
    QTimer::singleShot(120000, &app, [&] { say(QStringLiteral("failed: timed out"), 1); });
    return app.exec();
}
