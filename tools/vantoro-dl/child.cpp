#include "child.h"

#include "output.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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
// A child's output is read in rounds at least this far apart; the pipes are made large enough
// that a child does not fill them in between.
constexpr int kReadGapMs = 50;
constexpr int kTickMs = 100;
constexpr int kPipeSize = 1024 * 1024;
constexpr int kBulk = 64 * 1024;

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
    // The pipe goes to descriptor 3 and everything above it is closed, in one call where the
    // system has it.
    if (readEnd != 3) {
        ::dup2(readEnd, 3);
        readEnd = 3;
    }
#ifdef SYS_close_range
    if (::syscall(SYS_close_range, 4u, ~0u, 0u) != 0)
#endif
    {
        for (int fd = 4; fd < 1024; ++fd)
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
    folders << toolFolder();
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
    // The children's ends are collected here: an ignored SIGCHLD (inherited) would hide them.
    std::signal(SIGCHLD, SIG_DFL);
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

QString toolFolder()
{
    static const QString folder = QFileInfo(QFile::decodeName(QByteArrayLiteral("/proc/self/exe")))
                                      .canonicalFilePath()
                                      .section(QLatin1Char('/'), 0, -2);
    return folder;
}

Process::Process(bool lowPriority)
    : lowPriority(lowPriority)
{
    if (toolPid == 0)
        toolPid = ::getpid();
}

Process::~Process()
{
    if (running()) {
        signalGroup(SIGKILL);
        waitForFinished(2000);
    }
    released();
    closeFd(0);
    closeFd(1);
    if (pidFd >= 0)
        ::close(pidFd);
}

bool Process::launch(const QString &program, const QStringList &arguments)
{
    if (qEnvironmentVariableIsSet("VANTORO_DL_VERBOSE"))
        out::note(QStringLiteral("running %1 %2").arg(program, arguments.join(QLatin1Char(' '))));
    // Everything the child needs is made before the fork: between fork and exec only
    // async-signal-safe calls are made.
    const QString path =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        error = QStringLiteral("%1: %2").arg(program, QString::fromLocal8Bit(strerror(ENOENT)));
        return false;
    }
    const QByteArray file = QFile::encodeName(path);
    std::vector<QByteArray> words;
    words.reserve(size_t(arguments.size()) + 1);
    words.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int outPipe[2], errPipe[2], execPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0) {
        error = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    if (::pipe2(errPipe, O_CLOEXEC) != 0 || ::pipe2(execPipe, O_CLOEXEC) != 0) {
        error = QString::fromLocal8Bit(strerror(errno));
        for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
            ::close(fd);
        return false;
    }
    ::fcntl(outPipe[1], F_SETPIPE_SZ, kPipeSize);
    ::fcntl(errPipe[1], F_SETPIPE_SZ, kPipeSize);
    const int devNull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const bool low = lowPriority;
    const pid_t child = ::fork();
    if (child == 0) {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != toolPid) // the tool died before the line above took effect
            ::_exit(127);
        ::signal(SIGPIPE, SIG_DFL);
        if (low) {
            ::setpriority(PRIO_PROCESS, 0, 19);
            constexpr int ioprioWhoProcess = 1, ioprioClassIdle = 3, ioprioClassShift = 13;
            ::syscall(SYS_ioprio_set, ioprioWhoProcess, 0, ioprioClassIdle << ioprioClassShift);
        }
        if (devNull >= 0)
            ::dup2(devNull, 0);
        ::dup2(outPipe[1], 1);
        ::dup2(errPipe[1], 2);
        ::execv(file.constData(), argv.data());
        const int why = errno;
        ssize_t written = ::write(execPipe[1], &why, sizeof why);
        (void)written;
        ::_exit(127);
    }
    const int forkError = errno;
    if (devNull >= 0)
        ::close(devNull);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    ::close(execPipe[1]);
    fds[0] = outPipe[0];
    fds[1] = errPipe[0];
    if (child < 0) {
        ::close(execPipe[0]);
        closeFd(0);
        closeFd(1);
        error = QString::fromLocal8Bit(strerror(forkError));
        return false;
    }
    pid = child;
    ::setpgid(pid, pid); // also here: a signal to the group must not miss a child not yet there
    tellGuardian('+' + QByteArray::number(qint64(pid)));
    // The exec pipe closes at exec (it says nothing) or carries the reason the exec failed.
    int why = 0;
    ssize_t got;
    do
        got = ::read(execPipe[0], &why, sizeof why);
    while (got < 0 && errno == EINTR);
    ::close(execPipe[0]);
    if (got == ssize_t(sizeof why)) {
        error = QStringLiteral("%1: %2").arg(program, QString::fromLocal8Bit(strerror(why)));
        waitForFinished(-1);
        released();
        return false;
    }
    for (int fd : fds)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
#ifdef SYS_pidfd_open
    pidFd = int(::syscall(SYS_pidfd_open, pid, 0));
#endif
    return true;
}

void Process::closeFd(int which)
{
    if (fds[which] >= 0)
        ::close(fds[which]);
    fds[which] = -1;
}

QByteArray Process::readAvailableOutput(int max)
{
    QByteArray data(max, Qt::Uninitialized);
    const ssize_t got = fds[0] < 0 ? -1 : ::read(fds[0], data.data(), size_t(max));
    data.resize(got > 0 ? int(got) : 0);
    return data;
}

void Process::signalGroup(int signal)
{
    if (pid > 1)
        ::killpg(pid, signal);
}

bool Process::running()
{
    if (pid <= 0 || ended)
        return false;
    // The ended child is left a zombie until released(): its id, the group's, cannot be taken
    // by another process before the group is killed.
    siginfo_t info = {};
    if (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
        if (errno != ECHILD)
            return true;
        info.si_code = CLD_KILLED; // collected by someone else: its end is unknown
        info.si_status = 0;
    } else if (info.si_pid != pid) {
        return true;
    }
    ended = true;
    crashStatus = info.si_code != CLD_EXITED;
    code = info.si_status; // the signal, when it crashed
    return false;
}

bool Process::waitForFinished(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (running()) {
        const qint64 left = ms < 0 ? 100 : ms - clock.elapsed();
        if (left <= 0)
            return false;
        // Without a pidfd the wait is a sleep in short steps.
        pollfd p = {pidFd, POLLIN, 0};
        ::poll(&p, pidFd >= 0 ? 1 : 0, int(qMin<qint64>(left, pidFd >= 0 ? 100 : 10)));
    }
    return true;
}

void Process::stopGroup(int graceMs)
{
    if (!running())
        return;
    signalGroup(SIGTERM);
    if (!waitForFinished(graceMs)) {
        signalGroup(SIGKILL);
        waitForFinished(2000);
    }
}

void Process::released()
{
    if (pid <= 1)
        return;
    // Whatever the child left running in its group (a grandchild) goes with it.
    ::killpg(pid, SIGKILL);
    if (ended)
        ::waitpid(pid, nullptr, 0);
    tellGuardian('-' + QByteArray::number(qint64(pid)));
    pid = 0;
}

namespace {
// The whole lines of one pipe. A line longer than the limit is dropped whole: what came of it
// goes at once and the rest is passed over up to its end, so that a child that writes without
// ever ending a line does not make the tool grow.
struct Lines
{
    QByteArray pending;
    bool skipping = false; // within a line that was too long

    // Hands every whole line held to `handle` (without its line end) and keeps the rest.
    void split(const std::function<void(const QByteArray &)> &handle, int limit)
    {
        int from = 0;
        int end;
        while ((end = pending.indexOf('\n', from)) >= 0) {
            int length = end - from;
            if (length > 0 && pending.at(end - 1) == '\r')
                --length;
            if (handle && !skipping && length <= limit)
                handle(pending.mid(from, length));
            skipping = false;
            from = end + 1;
        }
        if (pending.size() - from > limit) {
            pending.clear();
            skipping = true;
        } else if (from > 0) {
            pending.remove(0, from);
        }
    }
    // The last line, when it has no line end.
    void finish(const std::function<void(const QByteArray &)> &handle)
    {
        if (handle && !skipping && !pending.isEmpty())
            handle(pending);
        pending.clear();
    }
};

// Reads what a pipe holds now; false once it is at its end (or broken).
bool readPipe(int fd, QByteArray *into)
{
    char chunk[64 * 1024];
    for (int round = 0; round < kPipeSize / int(sizeof chunk); ++round) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got > 0) {
            into->append(chunk, int(got));
            if (size_t(got) < sizeof chunk)
                return true;
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        return got < 0 && errno == EAGAIN;
    }
    return true; // the rest in the next round
}
} // namespace

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
    Lines out, err;
    bool interruptHandled = false;
    qint64 lastRead = -kReadGapMs;
    // Reads what the pipes hold and hands on the whole lines; returns the bytes read.
    auto drain = [&](bool outReady, bool errReady) {
        const int before = out.pending.size();
        if (outReady && !readPipe(process.outFd(), &out.pending))
            process.closeFd(0);
        const int got = out.pending.size() - before;
        out.split(onLine, lineLimit);
        QByteArray error;
        if (errReady && !readPipe(process.errFd(), &error))
            process.closeFd(1);
        if (error.isEmpty())
            return got;
        result.errorOutput += error;
        if (result.errorOutput.size() > kErrorKeep)
            result.errorOutput = result.errorOutput.right(kErrorKeep);
        if (onErrorLine) {
            err.pending += error;
            err.split(onErrorLine, kErrorKeep);
        }
        return got + error.size();
    };
    while (process.running()) {
        const qint64 now = clock.elapsed();
        const bool gap = now - lastRead < kReadGapMs;
        pollfd fds[3];
        nfds_t count = 0;
        if (!gap) {
            for (int fd : {process.outFd(), process.errFd()}) {
                if (fd >= 0)
                    fds[count++] = {fd, POLLIN, 0};
            }
        }
        const nfds_t pipes = count;
        if (process.exitFd() >= 0)
            fds[count++] = {process.exitFd(), POLLIN, 0};
        // Without a way to hear of the child's end, it is looked for every 10 ms.
        int wait = gap ? int(kReadGapMs - (now - lastRead)) : kTickMs;
        if (process.exitFd() < 0 && (gap || pipes == 0))
            wait = qMin(wait, 10);
        if (::poll(fds, count, wait) > 0 && pipes > 0) {
            bool outReady = false, errReady = false;
            for (nfds_t i = 0; i < pipes; ++i) {
                if (fds[i].revents == 0)
                    continue;
                (fds[i].fd == process.outFd() ? outReady : errReady) = true;
            }
            if (outReady || errReady) {
                // A child that writes in bulk (a page, a listing) is read on at once.
                lastRead = drain(outReady, errReady) >= kBulk ? -kReadGapMs : clock.elapsed();
            }
        }
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
    // What the child wrote before it ended (a grandchild still holding the pipes is not waited
    // for).
    drain(process.outFd() >= 0, process.errFd() >= 0);
    out.finish(onLine);
    result.crashed = process.crashed();
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
    run.lineLimit = kCaptureLimit; // a document may be one line (yt-dlp's -J)
    bool full = false;
    run.onLine = [output, &full](const QByteArray &line) {
        if (full)
            return;
        if (output->size() + line.size() >= kCaptureLimit) {
            full = true; // a document cut short is no document
            output->clear();
            return;
        }
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
