#include "core/engine/tasklistfile.h"

#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QVarLengthArray>
#include <QVariant>

#include <algorithm>

namespace tasklist {

// The options as QDataStream writes a string map: the count, then the pairs greatest key first.
// Written straight from the struct, with no map in between.
static void writeOptions(QDataStream &stream, const DownloadOptions &options)
{
    QVarLengthArray<std::pair<QString, QString>, 12> entries;
    options.forEachEntry([&entries](const QString &key, const QString &value) {
        entries.append({key, value});
    });
    std::sort(entries.begin(), entries.end(),
              [](const auto &a, const auto &b) { return b.first < a.first; });
    stream << quint32(entries.size());
    for (const auto &[key, value] : entries)
        stream << key << value;
}

void writeRecord(QDataStream &stream, const SniffTask &task)
{
    stream << task.url() << qint32(task.state()) << QVariant(task.info())
           << QVariant(task.finished()) << task.workDir();
    writeOptions(stream, task.options());
    stream << task.thumbnailPath() << QVariant(task.progress());
}

// The options as the string map QDataStream writes (a count, then the pairs), read straight
// into the struct: lists of thousands of jobs are read at start-up.
static void readOptions(QDataStream &stream, DownloadOptions *options)
{
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString key, value;
        stream >> key >> value;
        if (stream.status() == QDataStream::Ok)
            options->assign(key, value);
    }
}

bool readRecord(QDataStream &stream, Record *record)
{
    QVariant info, finished, progress;
    stream >> record->url >> record->state >> info >> finished >> record->workDir;
    readOptions(stream, &record->options);
    stream >> record->thumbnailPath >> progress;
    if (stream.status() != QDataStream::Ok)
        return false;
    record->info = info.toByteArray();
    record->finished = finished.toByteArray();
    record->progress = progress.toByteArray();
    return true;
}

QByteArray serialize(const QList<SniffTask *> &tasks)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint32(tasks.size());
    for (const SniffTask *task : tasks)
        writeRecord(stream, *task);
    return bytes;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        writeLog(QStringLiteral("[SniffMgr]"),
                 QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    // Jobs from the browser carry the page's cookie in their options: readable by the user only.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        writeLog(QStringLiteral("[SniffMgr]"),
                 QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

bool save(const QString &path, const QList<SniffTask *> &tasks)
{
    return writeFileAtomically(path, serialize(tasks));
}

QList<Record> load(const QString &path)
{
    QList<Record> records;
    const QString marker = path + ".tag";
    if (QFileInfo::exists(marker)) {
        // Reading this list crashed the last start: start without it rather than crash again.
        writeLog(
            QStringLiteral("[SniffMgr]"),
            QStringLiteral("reading %1 did not finish last time; the list is discarded").arg(path));
        QFile::remove(marker);
        QFile::remove(path);
        return records;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    QFile guard(marker);
    guard.open(QIODevice::WriteOnly);
    guard.close();

    QDataStream stream(&file);
    qint32 count = 0;
    stream >> count;
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        Record record;
        if (!readRecord(stream, &record)) {
            writeLog(
                QStringLiteral("[SniffMgr]"),
                QStringLiteral("%1 is damaged after %2 records").arg(path).arg(records.size()));
            break;
        }
        records << record;
    }
    file.close();
    QFile::remove(marker);
    return records;
}

bool saveHistory(const QString &path, const QStringList &history)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint32(history.size());
    for (const QString &url : history)
        stream << url;
    return writeFileAtomically(path, bytes);
}

QStringList loadHistory(const QString &path)
{
    QStringList history;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return history;
    QDataStream stream(&file);
    qint32 count = 0;
    stream >> count;
    for (qint32 i = 0; i < count; ++i) {
        QString url;
        stream >> url;
        if (stream.status() != QDataStream::Ok)
            return QStringList();
        history << url;
    }
    return history;
}

} // namespace tasklist
