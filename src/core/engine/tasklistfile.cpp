#include "core/engine/tasklistfile.h"

#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QVariant>

namespace tasklist {

void writeRecord(QDataStream &stream, const SniffTask &task)
{
    stream << task.url << qint32(task.state()) << QVariant(task.info) << QVariant(task.finished)
           << task.workDir << task.params << task.thumbnailPath << QVariant(task.progress);
}

bool readRecord(QDataStream &stream, Record *record)
{
    QVariant info, finished, progress;
    stream >> record->url >> record->state >> info >> finished >> record->workDir >>
        record->params >> record->thumbnailPath >> progress;
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
