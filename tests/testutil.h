#pragma once

// Small helpers shared by the tests.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace testutil {

// Every test executable runs against its own throw-away home, so its data and settings
// locations (test mode puts them below ~/.qttest) are shared with no other test running at the
// same time, and never with the user's. Call before anything opens the settings store.
inline void enterTestMode()
{
    static QTemporaryDir home(QDir::tempPath() + "/clipmoor-test-XXXXXX");
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
}

inline QString helperPath(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// Waits until a line containing `needle` was printed on the process's standard output.
inline bool waitForOutput(QProcess &process, const QByteArray &needle, QByteArray *seen,
                          int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!seen->contains(needle)) {
        if (timer.elapsed() > timeoutMs)
            return false;
        if (process.state() == QProcess::NotRunning) {
            seen->append(process.readAll());
            return seen->contains(needle);
        }
        process.waitForReadyRead(100);
        seen->append(process.readAll());
    }
    return true;
}

// Runs ffmpeg (quietly, overwriting) to make test media.
inline bool runFfmpeg(const QStringList &args)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0;
}

} // namespace testutil
