#pragma once

// Child-process control: the wrapper every runner of an external program uses, the broadcast
// that kills all children when the application quits, and the helpers that stop a running
// download politely (interrupt first, so a recording is finalised) or by force.

#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

// Every child runs as the leader of a process group of its own and dies with the application
// (it gets SIGKILL when the application ends, however it ends). Stopping a child stops its whole
// group and every process below it.
class MyProcess : public QProcess
{
    Q_OBJECT
public:
    explicit MyProcess(QObject *parent = nullptr);

    // Kills the child's group and every descendant now.
    void killGroup();
    // Asks the child's group to terminate (SIGTERM) and kills whatever of it still runs after
    // graceMs.
    void stopGroup();
    // How long a stopped child may take to end by itself.
    static int stopGraceMs;

public Q_SLOTS:
    void onKillAll();

protected:
    void setupChildProcess() override;

private:
    qint64 parentPid = 0;
    qint64 group = 0;
};

class MyProcessHelper : public QObject
{
    Q_OBJECT
public:
    static MyProcessHelper *instance();

Q_SIGNALS:
    void killAll();

private:
    MyProcessHelper() = default;
};

void logStartFailure(const QString &program, const QString &reason);

// Starts a tool run for an operator: `slot` holds the process before it starts, output goes to
// onReadyRead and the end to onFinished, which is also called (with -1 and a crash) when the
// program cannot even start, so that every run ends exactly once.
template <typename Receiver>
void startToolProcess(Receiver *owner, MyProcess *&slot, const QString &program,
                      const QString &paramPath, void (Receiver::*onReadyRead)(),
                      void (Receiver::*onFinished)(int, QProcess::ExitStatus))
{
    slot = new MyProcess(owner);
    MyProcess *process = slot;
    QObject::connect(process, &QProcess::readyRead, owner, onReadyRead);
    QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), owner,
                     onFinished);
    QObject::connect(process, &QProcess::errorOccurred, owner,
                     [owner, process, onFinished](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         logStartFailure(process->program(), process->errorString());
                         (owner->*onFinished)(-1, QProcess::CrashExit);
                     });
    process->start(program, {paramPath}, QIODevice::ReadWrite);
}

// Ends the run of `process` through onFinished (with -1 and a crash) when its program cannot
// start, from the event loop, so that the caller of start() never sees the end inside it; only
// while the owner's `current` is still that process.
template <typename Receiver>
void finishIfNotStarted(Receiver *owner, MyProcess *process, MyProcess *Receiver::*current,
                        void (Receiver::*onFinished)(int, QProcess::ExitStatus))
{
    QObject::connect(process, &QProcess::errorOccurred, owner,
                     [owner, process, current, onFinished](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart || owner->*current != process)
                             return;
                         logStartFailure(process->program(), process->errorString());
                         QTimer::singleShot(0, owner, [owner, process, current, onFinished] {
                             if (owner->*current == process)
                                 (owner->*onFinished)(-1, QProcess::CrashExit);
                         });
                     });
}

// Stops a process that is still running and deletes it at once (an owner going away).
template <typename Process> void discardProcess(Process *&process, const QObject *owner)
{
    if (!process)
        return;
    process->disconnect(owner);
    process->killGroup();
    process->waitForFinished(1000);
    delete process;
    process = nullptr;
}
// Hands a process that has ended over to deferred deletion once its output is drained.
void releaseFinishedProcess(MyProcess *&process, const QObject *owner);

struct ChildProcessEntry
{
    quint32 pid = 0;
    QString name; // executable file name, without folder
};

// The direct children of a process.
QList<ChildProcessEntry> childProcesses(qint64 parentPid);

// Stops the descendants of parentPid whose executable name starts with namePrefix: with force,
// terminates every one at once (`ok` tells whether the last termination succeeded, and is left
// untouched when nothing matched); without, lists the ones a polite stop would handle and
// leaves them (see PoliteStop).
void killChildProcessByName(qint64 parentPid, const QString &namePrefix, bool force, bool &ok);

// The polite stop of the descendants of a process whose executable name starts with a prefix
// (a recording ffmpeg, so that it finishes its file): an interrupt at the first and third
// round, a look every roundMs, termination after the fourth round; the matching processes one
// after the other. Runs on a timer, so nothing runs inside the caller's call; finished(ok)
// reports the end, with ok true once any process was handled and else as given to start.
class PoliteStop : public QObject
{
    Q_OBJECT
public:
    PoliteStop(qint64 parentPid, const QString &namePrefix, QObject *parent = nullptr);
    void start(bool initialOk);
    static int roundMs;

Q_SIGNALS:
    void finished(bool ok);

private:
    void nextTarget();
    void interrupt();
    void onRound();

    QList<quint32> targets;
    QTimer timer;
    int counter = 0;
    bool ok = false;
};

// Terminates one process; true when the termination call succeeded.
bool killProcess(qint64 pid);

// Ends a process and all its descendants; returns without waiting.
void forceKillTree(qint64 pid);

// Keeps the computer awake while downloads run.
void keepSystemAwake(bool on);
