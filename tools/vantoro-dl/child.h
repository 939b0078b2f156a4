#pragma once

// Running yt-dlp and ffmpeg: finding them, following their output line by line, and making sure
// none of them outlives the tool. Every child runs in a process group of its own, gets SIGKILL
// when the tool dies (PR_SET_PDEATHSIG), and a small guardian process forked at start-up kills
// the whole group of every child still registered when the tool disappears (so also the ffmpeg
// that yt-dlp starts below itself).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

namespace child {

// Where a program is: the given folder first (ffmpeg_location), then beside this tool, then
// on PATH. Empty when it is nowhere.
QString find(const QString &name, const QString &preferredFolder = QString());

// Set once the tool was asked to stop; the signal that asked (SIGINT or SIGTERM), else 0.
bool interrupted();
int stopSignal();
void installInterruptHandler();

// Forks the guardian; call first thing in main, before any thread exists. (A job whose children
// start nothing of their own and that writes no secret to disk can do without.)
void startGuardian();
// A file the guardian removes should the tool die before it does (secrets written to disk).
void guardFile(const QString &path);
void unguardFile(const QString &path);

// The folder this tool's executable is in.
QString toolFolder();

// A child process as the tool runs them: own process group, killed with the tool. Its standard
// input is /dev/null; standard output and error are pipes the owner reads (outFd(), errFd()).
class Process
{
public:
    explicit Process(bool lowPriority = false);
    ~Process();
    Process(const Process &) = delete;
    Process &operator=(const Process &) = delete;
    // Starts the program, traced under VANTORO_DL_VERBOSE; false (and errorString()) when it
    // did not start.
    bool launch(const QString &program, const QStringList &arguments);
    QString errorString() const { return error; }
    // Sends a signal to the child's whole process group.
    void signalGroup(int signal);
    // SIGTERM to the group, SIGKILL after `graceMs`; waits for the child.
    void stopGroup(int graceMs = 1000);
    // Whether the child still runs (false once it ended, or when it never started).
    bool running();
    // Waits up to `ms` for the child to end; true once it has.
    bool waitForFinished(int ms);
    bool crashed() const { return crashStatus; }
    int exitCode() const { return code; }
    // The read ends of the child's standard output and error (non-blocking); -1 once closed.
    int outFd() const { return fds[0]; }
    int errFd() const { return fds[1]; }
    void closeFd(int which);
    // Whatever standard output holds right now, at most `max` bytes (does not wait).
    QByteArray readAvailableOutput(int max);
    // A descriptor that polls readable once the child ended; -1 when the system has none.
    int exitFd() const { return pidFd; }

private:
    void released();
    bool lowPriority;
    pid_t pid = 0;
    bool ended = false; // ended, and its status collected (it is reaped by released())
    bool crashStatus = false;
    int code = -1;
    int fds[2] = {-1, -1};
    int pidFd = -1;
    QString error;
};

struct Result
{
    bool started = false;
    bool crashed = false;
    int exitCode = -1;
    QByteArray errorOutput; // the last 64 KiB of standard error
};

// Runs a program to its end. Every whole line of standard output goes to onLine, of standard
// error to onErrorLine (without the line end); a line longer than lineLimit (64 KiB on standard
// error) is dropped as it arrives, never held whole. onTick runs at least every 100 ms. The
// output is read in rounds at most every 50 ms (progress is reported far less often), so that a
// chatty child wakes the tool a few times a second rather than once per line. When the tool is
// interrupted, onInterrupt decides: it returns true when it has dealt with the child (for
// example passed the interrupt on), false to have the child's group stopped at once.
struct Run
{
    QString program;
    QStringList arguments;
    std::function<void(const QByteArray &)> onLine;
    std::function<void(const QByteArray &)> onErrorLine;
    std::function<void(Process &)> onTick;
    std::function<bool(Process &)> onInterrupt;
    int timeoutMs = 0;        // 0: no limit; otherwise the child is stopped when it runs longer
    bool lowPriority = false; // nice 19 and idle I/O class (work nobody waits for)
    int lineLimit = 64 * 1024;
    Result exec();
};

// Runs a program and collects its standard output whole; output of kCaptureLimit bytes or more
// is no output.
constexpr int kCaptureLimit = 64 * 1024 * 1024;
Result capture(const QString &program, const QStringList &arguments, QByteArray *output,
               int timeoutMs = 120000);

// The reason of a failure as yt-dlp or ffmpeg wrote it, in plain words ("Connection refused",
// "HTTP Error 404: Not Found", "No space left on device", ...); empty when there is none.
QString errorSummary(const QByteArray &errorOutput);

} // namespace child
