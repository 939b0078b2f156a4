#include "child.h"

#include "output.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace child {

namespace {
volatile std::sig_atomic_t stopRequested = 0;
pid_t toolPid = 0;
int guardianPipe = -1;

void onSignal(int signal)
{
    stopRequested = signal;
}

constexpr int kErrorKeep = 64 * 1024;

void tellGuardian(const QByteArray &message)
{
    if (guardianPipe < 0)
        return;
    const QByteArray line = message + '\n';
    // One write of less than PIPE_BUF bytes is atomic; a gone guardian is not an error.
    if (::write(guardianPipe, line.constData(), size_t(line.size())) < 0)
        guardianPipe = -1;
}

// The guardian's life: collect what it is told, and when the tool's end of the pipe closes
// (whatever way the tool ended), kill every group still registered and remove every file.
[[noreturn]] void guard(int readEnd)
{
    const int devNull = ::open("/dev/null", O_RDWR);
    for (int fd = 0; fd < 3; ++fd)
        ::dup2(devNull, fd);
    for (int fd = 3; fd < 1024; ++fd) {
        if (fd != readEnd)
            ::close(fd);
    }
    ::setpgid(0, 0);
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGTERM, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    QSet<pid_t> groups;
    QSet<QByteArray> files;
    QByteArray pending;
    char buffer[512];
    ssize_t got;
    while ((got = ::read(readEnd, buffer, sizeof buffer)) != 0) {
        if (got < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        pending.append(buffer, int(got));
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray message = pending.left(end);
            pending.remove(0, end + 1);
            const QByteArray value = message.mid(1);
            switch (message.isEmpty() ? 0 : message.at(0)) {
            case '+':
                groups.insert(pid_t(value.toLongLong()));
                break;
            case '-':
                groups.remove(pid_t(value.toLongLong()));
                break;
            case 'f':
                files.insert(value);
                break;
            case 'u':
                files.remove(value);
                break;
            default:
                break;
            }
        }
    }
    for (pid_t group : qAsConst(groups)) {
        if (group > 1)
            ::killpg(group, SIGKILL);
    }
    for (const QByteArray &file : qAsConst(files))
        ::unlink(file.constData());
    ::_exit(0);
}
} // namespace

QString find(const QString &name, const QString &preferredFolder)
{
    QStringList folders;
    if (!preferredFolder.isEmpty())
        folders << preferredFolder;
    folders << QCoreApplication::applicationDirPath();
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder).filePath(name));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}

bool interrupted()
{
    return stopRequested != 0;
}

int stopSignal()
{
    return int(stopRequested);
}

void installInterruptHandler()
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void startGuardian()
{
    toolPid = ::getpid();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[1]);
        guard(fds[0]);
    }
    ::close(fds[0]);
    if (pid < 0) {
        ::close(fds[1]);
        return;
    }
    guardianPipe = fds[1];
}

void guardFile(const QString &path)
{
    tellGuardian('f' + QFile::encodeName(path));
}

void unguardFile(const QString &path)
{
    tellGuardian('u' + QFile::encodeName(path));
}

Process::Process(bool lowPriority)
    : lowPriority(lowPriority)
{
    if (toolPid == 0)
        toolPid = ::getpid();
    setProcessChannelMode(QProcess::SeparateChannels);
}

Process::~Process()
{
    if (state() != QProcess::NotRunning) {
        signalGroup(SIGKILL);
        waitForFinished(2000);
    }
    released();
}

bool Process::launch(const QString &program, const QStringList &arguments)
{
    if (qEnvironmentVariableIsSet("VANTORO_DL_VERBOSE"))
        out::note(QStringLiteral("running %1 %2").arg(program, arguments.join(QLatin1Char(' '))));
    start(program, arguments, QIODevice::ReadOnly);
    if (!waitForStarted(10000))
        return false;
    group = processId();
    tellGuardian('+' + QByteArray::number(group));
    return true;
}

void Process::signalGroup(int signal)
{
    if (group > 1)
        ::killpg(pid_t(group), signal);
}

void Process::stopGroup(int graceMs)
{
    if (state() == QProcess::NotRunning)
        return;
    signalGroup(SIGTERM);
    if (!waitForFinished(graceMs)) {
        signalGroup(SIGKILL);
        waitForFinished(2000);
    }
}

void Process::released()
{
    if (group <= 1)
        return;
    // Whatever the child left running in its group (a grandchild) goes with it.
    ::killpg(pid_t(group), SIGKILL);
    tellGuardian('-' + QByteArray::number(group));
    group = 0;
}

void Process::setupChildProcess()
{
    // Runs in the child between fork and exec: only async-signal-safe calls.
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != toolPid) // the tool died before the line above took effect
        ::_exit(127);
    std::signal(SIGPIPE, SIG_DFL);
    if (lowPriority) {
        ::setpriority(PRIO_PROCESS, 0, 19);
        constexpr int ioprioWhoProcess = 1, ioprioClassIdle = 3, ioprioClassShift = 13;
        ::syscall(SYS_ioprio_set, ioprioWhoProcess, 0, ioprioClassIdle << ioprioClassShift);
    }
}

Result Run::exec()
{
    Result result;
    Process process(lowPriority);
    if (!process.launch(program, arguments)) {
        result.errorOutput = process.errorString().toUtf8();
        return result;
    }
    result.started = true;

    QElapsedTimer clock;
    clock.start();
    QByteArray pending, pendingError;
    bool interruptHandled = false;
    auto split = [](QByteArray &buffer, const std::function<void(const QByteArray &)> &handle) {
        int end;
        while ((end = buffer.indexOf('\n')) >= 0) {
            QByteArray one = buffer.left(end);
            buffer.remove(0, end + 1);
            if (one.endsWith('\r'))
                one.chop(1);
            if (handle)
                handle(one);
        }
    };
    auto drain = [&] {
        pending += process.readAllStandardOutput();
        split(pending, onLine);
        const QByteArray error = process.readAllStandardError();
        result.errorOutput += error;
        if (result.errorOutput.size() > kErrorKeep)
            result.errorOutput = result.errorOutput.right(kErrorKeep);
        if (onErrorLine) {
            pendingError += error;
            split(pendingError, onErrorLine);
            if (pendingError.size() > kErrorKeep)
                pendingError.clear();
        }
    };
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        drain();
        if (onTick)
            onTick(process);
        if (timeoutMs > 0 && clock.elapsed() > timeoutMs)
            process.stopGroup();
        if (interrupted() && !interruptHandled) {
            interruptHandled = true;
            if (!onInterrupt || !onInterrupt(process))
                process.stopGroup();
        }
    }
    process.waitForFinished();
    drain();
    if (!pending.isEmpty() && onLine)
        onLine(pending);
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    return result;
}

Result capture(const QString &program, const QStringList &arguments, QByteArray *output,
               int timeoutMs)
{
    Run run;
    run.program = program;
    run.arguments = arguments;
    run.timeoutMs = timeoutMs;
    run.onLine = [output](const QByteArray &line) {
        *output += line + '\n';
    };
    return run.exec();
}

QString errorSummary(const QByteArray &errorOutput)
{
    static const char *const kReasons[] = {"No space left on device",
                                           "Disk quota exceeded",
                                           "Read-only file system",
                                           "Permission denied",
                                           "Connection refused",
                                           "Name or service not known",
                                           "Temporary failure in name resolution",
                                           "Network is unreachable",
                                           "No route to host",
                                           "Connection reset by peer",
                                           "timed out"};
    static const QRegularExpression httpError(QStringLiteral("HTTP Error (\\d+): ([^(;]*)"));
    static const QRegularExpression serverReturned(
        QStringLiteral("Server returned (\\d{3}) ([^\\r\\n]*)"));
    static const QRegularExpression unsupported(QStringLiteral("Unsupported URL: \\S+"));
    static const QRegularExpression extractorPrefix(QStringLiteral("^\\[[\\w:.-]+\\] [^:]*: "));

    QList<QByteArray> lines = errorOutput.trimmed().split('\n');
    // Our own notes among them (the version a yt-dlp reports) say nothing about a failure.
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QByteArray &line) { return line.startsWith("VANTORO_"); }),
                lines.end());
    // yt-dlp says it on its last "ERROR:" line; ffmpeg on one of its last lines.
    QString error;
    for (auto it = lines.crbegin(); it != lines.crend() && error.isEmpty(); ++it) {
        if (it->startsWith("ERROR:"))
            error = QString::fromUtf8(it->mid(6)).trimmed();
    }
    const QString haystack = error.isEmpty() ? QString::fromUtf8(errorOutput) : error;
    QRegularExpressionMatch m = httpError.match(haystack);
    if (m.hasMatch())
        return QStringLiteral("HTTP Error %1: %2").arg(m.captured(1), m.captured(2).trimmed());
    m = serverReturned.match(haystack);
    if (m.hasMatch())
        return QStringLiteral("HTTP Error %1: %2").arg(m.captured(1), m.captured(2).trimmed());
    m = unsupported.match(haystack);
    if (m.hasMatch())
        return m.captured(0);
    for (const char *reason : kReasons) {
        if (haystack.contains(QLatin1String(reason), Qt::CaseInsensitive))
            return QString::fromLatin1(reason);
    }
    if (error.isEmpty()) {
        // ffmpeg ends with a generic "Conversion failed!"; the line that says why is earlier.
        for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
            const QString text = QString::fromUtf8(it->trimmed());
            if (!text.isEmpty() && text != QLatin1String("Conversion failed!") &&
                (text.contains(QLatin1String("rror")) || text.contains(QLatin1String("nvalid")) ||
                 text.contains(QLatin1String("not ")))) {
                error = text;
                break;
            }
        }
        if (error.isEmpty() && !lines.isEmpty())
            error = QString::fromUtf8(lines.last().trimmed());
    }
    error.remove(extractorPrefix);
    for (const char *tail : {" (caused by", "; please report this issue"}) {
        const int at = error.indexOf(QLatin1String(tail));
        if (at >= 0)
            error.truncate(at);
    }
    return error.trimmed();
}

} // namespace child
