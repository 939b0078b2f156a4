#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace platform {

namespace {

// Reads pid, parent pid and name of one /proc entry. The name is the executable's file name
// when the link is readable, else the kernel's command name.
bool readProcEntry(const QString &pidText, ProcessEntry *entry)
{
    bool ok = false;
    const uint pid = pidText.toUInt(&ok);
    if (!ok)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pidText));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    // "pid (comm) state ppid ..."; comm may itself hold blanks and parentheses.
    const int open = line.indexOf('(');
    const int close = line.lastIndexOf(')');
    if (open < 0 || close < open)
        return false;
    const QList<QByteArray> rest = line.mid(close + 2).split(' ');
    if (rest.size() < 2 || rest.at(0) == "Z" || rest.at(0) == "X")
        return false;
    entry->pid = pid;
    entry->parentPid = rest.at(1).toUInt();
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pidText)).symLinkTarget();
    entry->name = exe.isEmpty() ? QString::fromLocal8Bit(line.mid(open + 1, close - open - 1))
                                : QFileInfo(exe).fileName();
    return true;
}

void collectTree(const QList<ProcessEntry> &all, quint32 root, QList<quint32> *out)
{
    for (const ProcessEntry &e : all) {
        if (e.parentPid == root && e.pid != root && !out->contains(e.pid)) {
            out->append(e.pid);
            collectTree(all, e.pid, out);
        }
    }
}

} // namespace

bool processSnapshot(QList<ProcessEntry> *out)
{
    out->clear();
    QDir proc(QStringLiteral("/proc"));
    if (!proc.exists())
        return false;
    const QStringList names = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        ProcessEntry entry;
        if (readProcEntry(name, &entry))
            out->append(entry);
    }
    return true;
}

bool processExists(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0)
        return errno == EPERM;
    // A zombie has ended; only its parent has not collected it yet.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    const char state = close >= 0 && close + 2 < line.size() ? line.at(close + 2) : 'R';
    return state != 'Z' && state != 'X';
}

bool terminateProcess(qint64 pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), SIGKILL) == 0;
}

bool interruptProcess(qint64 pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), SIGINT) == 0;
}

bool signalGroup(qint64 group, Signal signal)
{
    if (group <= 1)
        return false;
    const int number = signal == Signal::Interrupt   ? SIGINT
                       : signal == Signal::Terminate ? SIGTERM
                                                     : SIGKILL;
    return ::killpg(static_cast<pid_t>(group), number) == 0;
}

void prepareChild(qint64 parentPid)
{
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have died before the line above: then nobody would ever stop this child.
    if (::getppid() != static_cast<pid_t>(parentPid))
        ::_exit(127);
}

void forceKillTree(qint64 pid)
{
    if (pid <= 0)
        return;
    // Freeze the tree first so that no member can fork or be re-parented while it is walked,
    // then kill every member. A second pass catches children forked just before the freeze.
    for (int pass = 0; pass < 2; ++pass) {
        QList<ProcessEntry> all;
        processSnapshot(&all);
        QList<quint32> tree{static_cast<quint32>(pid)};
        collectTree(all, static_cast<quint32>(pid), &tree);
        for (quint32 member : tree)
            ::kill(static_cast<pid_t>(member), SIGSTOP);
        for (quint32 member : tree)
            ::kill(static_cast<pid_t>(member), SIGKILL);
    }
}

namespace {

// Hands the outcome to `done` from the event loop, once, whatever reports first.
std::function<void(bool)> reportOnce(std::function<void(bool)> done)
{
    auto reported = std::make_shared<bool>(false);
    return [reported, done](bool ok) {
        if (*reported)
            return;
        *reported = true;
        if (done)
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [done, ok] { done(ok); }, Qt::QueuedConnection);
    };
}

} // namespace

void openWithDesktop(const QString &path, std::function<void(bool opened)> done)
{
    const std::function<void(bool)> report = reportOnce(std::move(done));
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        report(false);
        return;
    }
    // Not one of our tools: the application it starts belongs to the user and outlives us, so
    // the opener is neither a MyProcess nor stopped when we quit.
    auto *proc = new QProcess;
    proc->setStandardOutputFile(QProcess::nullDevice());
    proc->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(proc, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), proc,
                     [proc, report](int code, QProcess::ExitStatus status) {
                         // xdg-open says 3 (no method available) or 4 (the action failed).
                         report(code == 0 && status == QProcess::NormalExit);
                         proc->deleteLater();
                     });
    QObject::connect(proc, &QProcess::errorOccurred, proc,
                     [proc, report](QProcess::ProcessError e) {
                         if (e == QProcess::FailedToStart) {
                             report(false);
                             proc->deleteLater();
                         }
                     });
    // Some desktops' opener waits for the application it started: still running after a few
    // seconds, it found one.
    QTimer::singleShot(3000, proc, [report] { report(true); });
    proc->start(opener, {path});
}

void setHidden(const QString &path, bool hidden)
{
    Q_UNUSED(path)
    Q_UNUSED(hidden)
}

int newFileMode()
{
    // umask can only be read by setting it: set it back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return int(0666 & ~mask);
}

QString systemProxy()
{
    for (const char *name :
         {"https_proxy", "HTTPS_PROXY", "http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) {
        const QString value = qEnvironmentVariable(name).trimmed();
        if (value.isEmpty())
            continue;
        const QUrl url = QUrl::fromUserInput(value);
        if (url.host().isEmpty())
            continue;
        return url.port() > 0 ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port())
                              : url.host();
    }
    return QString();
}

QString executableName(const QString &baseName)
{
    return baseName;
}

void allowSetForeground(qint64 pid)
{
    Q_UNUSED(pid)
}

bool runsAsAdministrator()
{
    return ::geteuid() == 0;
}

quint32 userId()
{
    return quint32(::getuid());
}

namespace {

// True when `path` is a real folder (not a link) of this user that nobody else may enter.
bool isPrivateFolder(const QByteArray &path, QString *why)
{
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0) {
        *why = QStringLiteral("%1: %2").arg(QFile::decodeName(path), qt_error_string(errno));
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        *why = QStringLiteral("%1 is not a folder of this user").arg(QFile::decodeName(path));
        return false;
    }
    if ((info.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        *why = QStringLiteral("%1 is open to other users").arg(QFile::decodeName(path));
        return false;
    }
    return true;
}

} // namespace

QString privateRuntimeFolder(QString *error)
{
    QString why;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && runtime.startsWith('/') && isPrivateFolder(runtime, &why))
        return QFile::decodeName(runtime);
    const QByteArray own =
        QFile::encodeName(QDir::tempPath()) + "/clipmoor-" + QByteArray::number(::getuid());
    if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST) {
        why = QStringLiteral("%1: %2").arg(QFile::decodeName(own), qt_error_string(errno));
    } else if (isPrivateFolder(own, &why)) {
        return QFile::decodeName(own);
    }
    if (error)
        *error = why;
    return QString();
}

namespace {

int openLockFile(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                  0600);
}

} // namespace

int tryLockFile(const QString &path)
{
    const int fd = openLockFile(path);
    if (fd < 0)
        return -2;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return fd;
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? -1 : -2;
}

int lockFile(const QString &path)
{
    const int fd = openLockFile(path);
    if (fd < 0)
        return -2;
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            return -2;
        }
    }
    return fd;
}

void unlockFile(int handle)
{
    if (handle >= 0)
        ::close(handle); // closing the last descriptor of the file releases the lock
}

bool writeLockedFile(int handle, const QByteArray &content)
{
    return handle >= 0 && ::ftruncate(handle, 0) == 0 &&
           ::pwrite(handle, content.constData(), size_t(content.size()), 0) ==
               ssize_t(content.size());
}

QByteArray readLockedFile(int handle)
{
    // Only ever a few bytes (a process id, a counter).
    char buffer[64];
    const ssize_t got = handle >= 0 ? ::pread(handle, buffer, sizeof buffer, 0) : -1;
    return got > 0 ? QByteArray(buffer, int(got)) : QByteArray();
}

} // namespace platform

#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/socket.h>

namespace platform {

namespace {
int terminationPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(terminationPipe[0], &byte, 1);
}
} // namespace

void quitOnTerminationRequest(std::function<void()> onRequest)
{
    if (terminationPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(terminationPipe[1], QSocketNotifier::Read,
                                         QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [onRequest = std::move(onRequest), asked = false]() mutable {
                         char byte;
                         [[maybe_unused]] const auto got = ::read(terminationPipe[1], &byte, 1);
                         if (onRequest && !asked) {
                             asked = true;
                             onRequest();
                             return;
                         }
                         QCoreApplication::quit();
                     });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

} // namespace platform
