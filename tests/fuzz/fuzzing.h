#pragma once

// What every fuzz target shares: a quiet, sandboxed Qt setting (no debug output, QStandardPaths'
// test mode under a throw-away home) prepared once before the first input.

#include <QByteArray>
#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace fuzzing {

inline void prepare()
{
    static const bool ready = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        const QByteArray home = QDir::tempPath().toLocal8Bit() + "/clipmoor-fuzz-home";
        QDir().mkpath(QString::fromLocal8Bit(home));
        qputenv("HOME", home);
        QStandardPaths::setTestModeEnabled(true);
        return true;
    }();
    Q_UNUSED(ready)
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

} // namespace fuzzing
