#include "core/foundation/applog.h"

#include "core/foundation/paths.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfoList>

#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/sinks/stdout_sinks.h>
#include <spdlog/spdlog.h>

#include <memory>
#include <mutex>

namespace {

std::mutex logMutex;
std::shared_ptr<spdlog::logger> logger;

constexpr size_t kMaxLogBytes = 5 * 1024 * 1024;
constexpr size_t kMaxLogFiles = 3;

void openLogger()
{
    if (logger)
        return;
    const QString file = logDir() + "/AppLog.log";
    try {
        // Every file the log opens (also after a rotation) is readable by the user only.
        spdlog::file_event_handlers handlers;
        handlers.after_open = [](const spdlog::filename_t &name, std::FILE *) {
            QFile::setPermissions(QFile::decodeName(name.c_str()),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        };
        auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(
            QFile::encodeName(file).toStdString(), kMaxLogBytes, kMaxLogFiles, false, handlers);
        logger = std::make_shared<spdlog::logger>("clipmoor", std::move(sink));
    } catch (const spdlog::spdlog_ex &e) {
        // The data folder is not writable: keep the lines visible rather than lose them.
        qWarning("cannot open log file %s: %s", qUtf8Printable(file), e.what());
        logger = std::make_shared<spdlog::logger>(
            "clipmoor", std::make_shared<spdlog::sinks::stderr_sink_mt>());
    }
    logger->set_pattern("[%Y-%m-%d %H:%M:%S.%e] [%l] %v");
    logger->set_level(spdlog::level::info);
    // Lines must survive a crash right after them; the log is low-volume.
    logger->flush_on(spdlog::level::info);
}

} // namespace

void initLogging()
{
    std::lock_guard<std::mutex> lock(logMutex);
    openLogger();
}

void writeLog(const QString &tag, const QString &message)
{
    const QByteArray text = QStringLiteral("%1 %2").arg(tag, message).toUtf8();
    std::lock_guard<std::mutex> lock(logMutex);
    openLogger();
    try {
        logger->info("{}", std::string_view(text.constData(), size_t(text.size())));
    } catch (const spdlog::spdlog_ex &) {
        // A full disk must never take the application down with it.
    }
}

QString logClock()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz"));
}

void flushLog()
{
    std::lock_guard<std::mutex> lock(logMutex);
    if (logger)
        logger->flush();
}

void pruneLogDir()
{
    QDir dir(logDir());
    dir.setSorting(QDir::Time);
    const QFileInfoList entries = dir.entryInfoList();
    if (entries.size() < 100)
        return;
    for (int i = 99; i < entries.size(); ++i) {
        const QString path = entries.at(i).absoluteFilePath();
        qDebug() << "filePath" << path;
        QFile::remove(path);
    }
}
