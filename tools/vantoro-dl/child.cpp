#include "child.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>

namespace child {

namespace {
volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int)
{
    stopRequested = 1;
}

constexpr int kErrorKeep = 64 * 1024;
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

void installInterruptHandler()
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

Result Run::exec()
{
    Result result;
    if (qEnvironmentVariableIsSet("VANTORO_DL_VERBOSE"))
        std::fprintf(stderr, "vantoro-dl: running %s %s\n", qUtf8Printable(program),
                     qUtf8Printable(arguments.join(QLatin1Char(' '))));
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(10000)) {
        result.errorOutput = process.errorString().toUtf8();
        return result;
    }
    result.started = true;
    if (onStarted)
        onStarted(process);

    QElapsedTimer clock;
    clock.start();
    QByteArray pending;
    bool interruptHandled = false;
    auto drain = [&] {
        pending += process.readAllStandardOutput();
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            QByteArray one = pending.left(end);
            pending.remove(0, end + 1);
            if (one.endsWith('\r'))
                one.chop(1);
            if (onLine)
                onLine(one);
        }
        result.errorOutput += process.readAllStandardError();
        if (result.errorOutput.size() > kErrorKeep)
            result.errorOutput = result.errorOutput.right(kErrorKeep);
    };
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        drain();
        if (onTick)
            onTick();
        if (timeoutMs > 0 && clock.elapsed() > timeoutMs)
            process.kill();
        if (interruptible && interrupted() && !interruptHandled) {
            interruptHandled = true;
            if (!onInterrupt || !onInterrupt(process))
                process.kill();
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
               int timeoutMs, bool interruptible)
{
    Run run;
    run.interruptible = interruptible;
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
    const QList<QByteArray> lines = errorOutput.trimmed().split('\n');
    QString summary = lines.isEmpty() ? QString() : QString::fromUtf8(lines.last().trimmed());
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (it->startsWith("ERROR:")) {
            summary = QString::fromUtf8(it->mid(6).trimmed());
            break;
        }
    }
    // yt-dlp appends a plea to report the problem upstream; the user cannot act on it.
    const int plea = summary.indexOf(QLatin1String("; please report this issue"));
    if (plea >= 0)
        summary.truncate(plea);
    return summary;
}

} // namespace child
