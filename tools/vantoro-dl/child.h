#pragma once

// Running yt-dlp and ffmpeg: finding them, following their output line by line, and passing an
// interrupt on to them.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace child {

// Where a program is: the given folder first (ffmpeg_location), then beside this tool, then
// on PATH. Empty when it is nowhere.
QString find(const QString &name, const QString &preferredFolder = QString());

// Set once the tool was asked to stop (SIGINT, SIGTERM).
bool interrupted();
void installInterruptHandler();

struct Result
{
    bool started = false;
    bool crashed = false;
    int exitCode = -1;
    QByteArray errorOutput; // the last 64 KiB of standard error
};

// Runs a program to its end. Every whole line of standard output goes to onLine (without the
// line end); onTick runs about every 100 ms. When the tool is interrupted, onInterrupt decides:
// it returns true when it has dealt with the child (for example passed the interrupt on),
// false to have the child killed at once.
struct Run
{
    QString program;
    QStringList arguments;
    std::function<void(const QByteArray &)> onLine;
    std::function<void()> onTick;
    std::function<bool(QProcess &)> onInterrupt;
    std::function<void(QProcess &)> onStarted;
    int timeoutMs = 0;         // 0: no limit; otherwise the child is killed when it runs longer
    bool interruptible = true; // false: runs to its end even after an interrupt (short probes)
    Result exec();
};

// Runs a program and collects its standard output whole.
Result capture(const QString &program, const QStringList &arguments, QByteArray *output,
               int timeoutMs = 120000, bool interruptible = true);

// The last "ERROR: ..." line of a yt-dlp or ffmpeg error output, else its last line.
QString errorSummary(const QByteArray &errorOutput);

} // namespace child
