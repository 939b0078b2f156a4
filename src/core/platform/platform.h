#pragma once

// The operating-system seam. Everything Clipmoor needs from the OS beyond Qt goes through these
// functions; this header has one implementation per platform (platform_posix.cpp here).

#include <QList>
#include <QString>

#include <functional>

namespace platform {

struct ProcessEntry
{
    quint32 pid = 0;
    quint32 parentPid = 0;
    QString name; // executable file name, without folder
};

// A snapshot of every process of the system. False when no snapshot could be taken.
bool processSnapshot(QList<ProcessEntry> *out);

// True while a process with this id exists (zombies count as gone).
bool processExists(qint64 pid);

// Ends one process at once. True when the request was delivered.
bool terminateProcess(qint64 pid);

// The polite stop: what a console interrupt (Ctrl+C) is to a console program.
bool interruptProcess(qint64 pid);

enum class Signal
{
    Interrupt,
    Terminate,
    Kill
};
// Sends the signal to every member of a process group (nothing for group <= 1).
bool signalGroup(qint64 group, Signal signal);

// In a child between fork and exec (async-signal-safe): makes it the leader of a group of its
// own and has it killed when the parent dies; exits at once when the parent (parentPid) is
// already gone.
void prepareChild(qint64 parentPid);

// Ends the process and all its descendants at once; returns without waiting for them.
void forceKillTree(qint64 pid);

// Keeps the computer from going to sleep while any holder asks for it. `holder` names who asks
// ("downloads", "conversions"); the request is withdrawn when the last holder says off, when
// endKeepingAwake() is called, or when the process ends. Asynchronous: the desktop is asked
// without waiting (on Linux through D-Bus: org.freedesktop.login1 Inhibit("idle:sleep"), else
// org.freedesktop.ScreenSaver Inhibit).
void keepSystemAwake(const QString &holder, bool on);
// True while the desktop has granted the request.
bool systemKeptAwake();
// Withdraws the request at once, whoever holds it (quitting).
void endKeepingAwake();

// Opens a file or folder with the desktop's application for it, without waiting. `done`, when
// given, learns later (on this thread, never from inside the call) whether an application was
// found: false when the desktop has none for it, true once one was started.
void openWithDesktop(const QString &path, std::function<void(bool opened)> done = {});

// Opens the desktop's file manager with the file selected (its folder where selecting is not
// supported). `done` as for openWithDesktop.
void revealInFileManager(const QString &path, std::function<void(bool shown)> done = {});

// Hides or shows a file or folder in the file manager. Names starting with a dot are hidden
// anyway on this platform.
void setHidden(const QString &path, bool hidden);

// The desktop's proxy as "host:port", empty when none is configured.
QString systemProxy();

// The permission bits a new file gets (0666 less the user's umask, as octal digits).
int newFileMode();

// The file name of an executable with the given base name (".exe" appended on Windows).
QString executableName(const QString &baseName);

// A folder for this user's sockets and locks that no other user can enter: the session's
// runtime folder ($XDG_RUNTIME_DIR) when it is ours and private, else a folder of mode 0700 of
// ours in the temporary folder, named with the user id. Empty (and `error` set) when neither
// can be had, for example when someone else owns that folder.
QString privateRuntimeFolder(QString *error = nullptr);

// Takes an exclusive lock on the file (created owner-only when missing) without waiting. The
// system drops the lock when the process ends, however it ends. Returns a handle >= 0 when
// taken, -1 when another process holds it, -2 when the file cannot be opened.
int tryLockFile(const QString &path);
// Waits for the exclusive lock (for locks only ever held for moments); a handle or -2.
int lockFile(const QString &path);
// Releases a lock taken above.
void unlockFile(int handle);
// Replaces the content of a locked file.
bool writeLockedFile(int handle, const QByteArray &content);
// Reads the content of a locked file.
QByteArray readLockedFile(int handle);

// The id of the user running this process.
quint32 userId();

// Lets the process with this id bring its window to the front (no-op where not needed).
void allowSetForeground(qint64 pid);

// True when the program runs with the system administrator's rights (root here).
bool runsAsAdministrator();

} // namespace platform

namespace platform {

// Takes the session's request to terminate the process (SIGTERM, SIGINT, SIGHUP here) on the
// event loop: the first request runs onRequest (the ordinary quit road, which may wait a few
// seconds for the lists to be saved), or ends the event loop when there is none; a second
// request ends the event loop at once.
void quitOnTerminationRequest(std::function<void()> onRequest = {});

} // namespace platform
