#pragma once

// The download lists on disk: a Qt data stream of task records (or of history strings). Files
// are replaced atomically, so a kill during a save leaves the old or the new list, never half
// of one; a ".tag" marker beside a file exists only while it is being read (see listfile.h).
// A record is a plain snapshot of a job (JobRecord), so that lists can be written off the GUI
// thread. The tool's facts are stored as the lines the tool printed (protocol::storedLine), so
// older versions read the lists as ever, and are read back into typed facts once, here.

#include "core/engine/jobrecord.h"
#include "core/foundation/safesave.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QDataStream;
class QIODevice;
class SniffTask;

namespace tasklist {

using Record = JobRecord;
using Records = QVector<Record>;
// The records as the jobs hold them, shared: what a save writes.
using SharedRecords = QVector<SharedJobRecord>;

SharedRecords snapshot(const QList<SniffTask *> &tasks);
SharedRecords share(const Records &records);

void writeRecord(QDataStream &stream, const Record &record);
// False (and the stream in an error state) when the record is damaged or cut short.
bool readRecord(QDataStream &stream, Record *record);

QByteArray serialize(const Records &records);
QByteArray serialize(const SharedRecords &records);
safesave::Outcome save(const QString &path, const Records &records);
safesave::Outcome save(const QString &path, const SharedRecords &records);
safesave::Outcome save(const QString &path, const QList<SniffTask *> &tasks);
// The records of a stream; those before any damage are kept.
Records read(QIODevice *device, const QString &nameForLog = QString());
// Reads the records under the crash guard. False when the file was set aside because reading
// it did not finish last time (nothing is read from it then).
bool load(const QString &path, Records *records);
Records load(const QString &path);

QByteArray serializeHistory(const QStringList &history);
safesave::Outcome saveHistory(const QString &path, const QStringList &history);
QStringList readHistory(QIODevice *device);
QStringList loadHistory(const QString &path);

// Writes several job lists so that a job moving from one list to another is on disk in at
// least one of them whatever moment the writing is killed: first every list is written with
// the jobs that left it for another list still in it, then the lists that had such jobs are
// written again without them. A kill in between leaves a job in two lists, which loading
// resolves (dropDuplicates). Jobs are known by their working folder, unique to each job.
// When any list of the first round cannot be written, the second round waits for the next
// write: a job leaves its old list only once its new one holds it on disk.
class JobListWriter
{
public:
    // What is on disk now (as loaded), so that the first save already knows the moves.
    void remember(const QString &path, const Records &records);
    // The same from the jobs' own shared records, taken before anything changed them (no copy
    // of a record is made).
    void remember(const QString &path, const SharedRecords &records);
    // Writes every list; the outcome of every file written or tried.
    QVector<safesave::Outcome> write(const QList<QPair<QString, SharedRecords>> &lists);
    // Called after each file written (tests stop the writing there, in thought).
    std::function<void()> afterEachFile;

private:
    QHash<QString, SharedRecords> written;
};

// Removes from `later` every job also in `earlier` (same working folder); returns how many.
int dropDuplicates(const Records &earlier, Records *later);

} // namespace tasklist
