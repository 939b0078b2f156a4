#pragma once

// The download lists on disk: a Qt data stream of task records (or of history strings). Files
// are replaced atomically, so a crash during a save leaves the old or the new list, never half
// of one; a ".tag" marker beside a file exists only while it is being read.

#include "core/engine/downloadoptions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QDataStream;
class SniffTask;

namespace tasklist {

struct Record
{
    QString url;
    qint32 state = 0;
    QByteArray info;
    QByteArray finished;
    QString workDir;
    DownloadOptions options;
    QString thumbnailPath;
    QByteArray progress;
};

void writeRecord(QDataStream &stream, const SniffTask &task);
// False (and the stream in an error state) when the record is damaged or cut short.
bool readRecord(QDataStream &stream, Record *record);

QByteArray serialize(const QList<SniffTask *> &tasks);
bool save(const QString &path, const QList<SniffTask *> &tasks);
// Reads the records under the crash guard; the records before any damage are kept.
QList<Record> load(const QString &path);

bool saveHistory(const QString &path, const QStringList &history);
QStringList loadHistory(const QString &path);

// Replaces the file with the bytes, or leaves it as it was; failures are logged.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace tasklist
