// Loads the download lists, hides the file of the first finished job as moving it into the
// private list does, and is killed before the lists are written again.
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <csignal>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    auto *mgr = new SniffMgr;
    mgr->loadAll();
    SniffTask *task = mgr->doneList().value(0);
    if (!task)
        return 2;
    if (!mgr->setFileHidden(task, QStringLiteral("hidden")))
        return 3;
    mgr->moveToPrivate(task);
    ::kill(::getpid(), SIGKILL);
    return 4;
}
