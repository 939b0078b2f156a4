#include "core/process/myprocess.h"

#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

MyProcess::MyProcess(QObject *parent)
    : QProcess(parent)
    , parentPid(QCoreApplication::applicationPid())
{
    connect(MyProcessHelper::instance(), &MyProcessHelper::killAll, this, &MyProcess::onKillAll);
    connect(this, &QProcess::started, this, [this] { group = processId(); });
    // Whatever the child left running in its group goes with it.
    connect(this, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, [this] {
        platform::signalGroup(group, platform::Signal::Kill);
        group = 0;
    });
}

void MyProcess::setupChildProcess()
{
    // Runs in the child between fork and exec: only async-signal-safe calls.
    platform::prepareChild(parentPid);
}

void MyProcess::killGroup()
{
    if (state() != QProcess::NotRunning && processId() > 0)
        platform::forceKillTree(processId());
    platform::signalGroup(group, platform::Signal::Kill);
}

int MyProcess::stopGraceMs = 3000;

void MyProcess::stopGroup()
{
    if (state() == QProcess::NotRunning)
        return;
    platform::signalGroup(group, platform::Signal::Terminate);
    QTimer::singleShot(stopGraceMs, this, [this] {
        if (state() != QProcess::NotRunning)
            killGroup();
    });
}

void MyProcess::onKillAll()
{
    qDebug() << "onKillAll...";
    killGroup();
}

void logStartFailure(const QString &program, const QString &reason)
{
    writeLog(QStringLiteral("[MyProcess]"),
             QStringLiteral("cannot start %1: %2").arg(program, reason));
}

void releaseFinishedProcess(MyProcess *&process, const QObject *owner)
{
    MyProcess *ended = process;
    process = nullptr;
    ended->disconnect(owner);
    ended->setParent(nullptr);
    ended->deleteLater();
}

MyProcessHelper *MyProcessHelper::instance()
{
    // Lives until the process ends: processes may still be subscribing while statics go away.
    static MyProcessHelper *helper = new MyProcessHelper;
    return helper;
}

QList<ChildProcessEntry> childProcesses(qint64 parentPid)
{
    QList<ChildProcessEntry> children;
    QList<platform::ProcessEntry> all;
    if (!platform::processSnapshot(&all)) {
        writeLog(QStringLiteral("Create process snapshot failed!"));
        return children;
    }
    for (const platform::ProcessEntry &e : all) {
        if (qint64(e.parentPid) == parentPid)
            children.append({e.pid, e.name});
    }
    return children;
}

namespace {

// Waits while still handling application events, in slices of at most 100 ms.
void waitProcessingEvents(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        const int left = int(milliseconds - timer.elapsed());
        waitEventLoop(qMin(100, qMax(1, left)));
    }
}

bool stillRunning(quint32 pid, bool *snapshotFailed)
{
    QList<platform::ProcessEntry> all;
    *snapshotFailed = !platform::processSnapshot(&all);
    if (*snapshotFailed)
        return false;
    for (const platform::ProcessEntry &e : all) {
        if (e.pid == pid)
            return true;
    }
    return false;
}

} // namespace

namespace {

void stopMatchingChildren(qint64 parentPid, const QList<ChildProcessEntry> &children,
                          const QString &namePrefix, bool force, bool &ok)
{
    QStringList described;
    for (const ChildProcessEntry &c : children)
        described << QStringLiteral("%1:%2").arg(c.pid).arg(c.name);
    qDebug() << "[killChildProcessByName] parentPid:" << parentPid
             << "childrenPidList:" << described;

    for (const ChildProcessEntry &child : children) {
        if (qint64(child.pid) == parentPid)
            continue;
        // Here a terminated process's children are handed to another parent at once, so its
        // children are listed before it is stopped, or the walk below would lose them.
        const QList<ChildProcessEntry> grandChildren = childProcesses(child.pid);
        if (child.name.startsWith(namePrefix, Qt::CaseSensitive)) {
            if (!force) {
                for (int counter = 0;;) {
                    if (counter % 2 == 0) {
                        writeLog(QStringLiteral("sendKeyboardInterruptEvent pid:"),
                                 QString::number(child.pid));
                        platform::interruptProcess(child.pid);
                    }
                    waitProcessingEvents(1500);
                    bool snapshotFailed = false;
                    const bool running = stillRunning(child.pid, &snapshotFailed);
                    if (snapshotFailed) {
                        writeLog(QStringLiteral("Create process snapshot failed!"));
                        ok = true;
                        return;
                    }
                    if (!running) {
                        ok = true;
                        return;
                    }
                    if (++counter == 4) {
                        writeLog(QStringLiteral("KeyboardInterrupt timeout, killProcess..."));
                        killProcess(child.pid);
                        ok = true;
                        return;
                    }
                }
            }
            ok = killProcess(child.pid);
        }
        stopMatchingChildren(child.pid, grandChildren, namePrefix, force, ok);
    }
}

} // namespace

void killChildProcessByName(qint64 parentPid, const QString &namePrefix, bool force, bool &ok)
{
    stopMatchingChildren(parentPid, childProcesses(parentPid), namePrefix, force, ok);
}

bool killProcess(qint64 pid)
{
    writeLog(QStringLiteral("killProcess pid:"), QString::number(pid));
    return platform::terminateProcess(pid);
}

void forceKillTree(qint64 pid)
{
    platform::forceKillTree(pid);
}

void keepSystemAwake(bool on)
{
    platform::keepSystemAwake(on);
}
