// A small application around the engine for the process tests: it runs one download job with
// the fake tool beside it and quits on SIGTERM, SIGINT or SIGHUP the way the application does
// (lists saved, every child stopped). Usage: enginehost DOWNLOAD_FOLDER URL. Prints "running"
// once the job's tool reports progress.
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QCoreApplication::setOrganizationName(QStringLiteral("Clipmoor"));
    QCoreApplication::setApplicationName(QStringLiteral("Clipmoor"));
    QStandardPaths::setTestModeEnabled(true);
    seedPreferences();
    Preferences::instance()->setToolLocation(QCoreApplication::applicationDirPath() + "/fake-dl");
    Preferences::instance()->setDownloadDir(QString::fromLocal8Bit(argv[1]));
    platform::quitOnTerminationRequest();
    SniffMgr *mgr = SniffMgr::instance();
    QObject::connect(&app, &QCoreApplication::aboutToQuit, mgr, &SniffMgr::shutDown);
    mgr->loadAll();
    SniffTask *task = mgr->newTask(QString::fromLocal8Bit(argv[2]));
    mgr->addTask(task);
    bool told = false;
    QObject::connect(task, &SniffTask::taskDownloading, &app, [&told] {
        if (told)
            return;
        told = true;
        std::printf("running\n");
        std::fflush(stdout);
    });
    mgr->schedule();
    mgr->saveAll();
    return app.exec();
}
