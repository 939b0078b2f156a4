#include "core/process/myprocess.h"

#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
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

void logChildren(qint64 parentPid, const QList<ChildProcessEntry> &children)
{
    QStringList described;
    for (const ChildProcessEntry &c : children)
        described << QStringLiteral("%1:%2").arg(c.pid).arg(c.name);
    qDebug() << "[killChildProcessByName] parentPid:" << parentPid
             << "childrenPidList:" << described;
}

// The walk of the stop: every child in order; a matching one is stopped (and with a polite
// stop, ends the walk of its level: its children and later siblings are not visited), any
// other is searched in turn. A matched process's children are listed before it is stopped:
// here they are handed to another parent at once, and the walk would lose them.
void walk(qint64 parentPid, const QList<ChildProcessEntry> &children, const QString &namePrefix,
          bool force, bool &ok, QList<quint32> *politeTargets)
{
    logChildren(parentPid, children);
    for (const ChildProcessEntry &child : children) {
        if (qint64(child.pid) == parentPid)
            continue;
        const QList<ChildProcessEntry> grandChildren = childProcesses(child.pid);
        if (child.name.startsWith(namePrefix, Qt::CaseSensitive)) {
            if (!force) {
                politeTargets->append(child.pid);
                return;
            }
            ok = killProcess(child.pid);
        }
        walk(child.pid, grandChildren, namePrefix, force, ok, politeTargets);
    }
}

} // namespace

void killChildProcessByName(qint64 parentPid, const QString &namePrefix, bool force, bool &ok)
{
    QList<quint32> polite;
    walk(parentPid, childProcesses(parentPid), namePrefix, force, ok, &polite);
}

int PoliteStop::roundMs = 1500;

PoliteStop::PoliteStop(qint64 parentPid, const QString &namePrefix, QObject *parent)
    : QObject(parent)
{
    bool unused = false;
    walk(parentPid, childProcesses(parentPid), namePrefix, false, unused, &targets);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &PoliteStop::onRound);
}

void PoliteStop::start(bool initialOk)
{
    ok = initialOk;
    counter = 0;
    nextTarget();
}

void PoliteStop::nextTarget()
{
    if (targets.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT finished(ok); }, Qt::QueuedConnection);
        return;
    }
    counter = 0;
    interrupt();
}

void PoliteStop::interrupt()
{
    const quint32 child = targets.first();
    writeLog(QStringLiteral("sendKeyboardInterruptEvent pid:"), QString::number(child));
    platform::interruptProcess(child);
    timer.start(roundMs);
}

void PoliteStop::onRound()
{
    const quint32 child = targets.first();
    bool snapshotFailed = false;
    const bool running = stillRunning(child, &snapshotFailed);
    if (snapshotFailed)
        writeLog(QStringLiteral("Create process snapshot failed!"));
    bool done = snapshotFailed || !running;
    if (!done && ++counter == 4) {
        writeLog(QStringLiteral("KeyboardInterrupt timeout, killProcess..."));
        killProcess(child);
        done = true;
    }
    if (done) {
        ok = true;
        targets.removeFirst();
        nextTarget();
    } else if (counter % 2 == 0) {
        interrupt();
    } else {
        timer.start(roundMs);
    }
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
    platform::keepSystemAwake(QStringLiteral("downloads"), on);
}
