#include "core/engine/tasklistfile.h"

#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"
#include "core/foundation/listfile.h"

#include <QDataStream>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace tasklist {

namespace {
const QString kTag = QStringLiteral("[SniffMgr]");

// The options as QDataStream writes a string map: the count, then the pairs greatest key first.
// Written straight from the struct, with no map in between.
void writeOptions(QDataStream &stream, const DownloadOptions &options)
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

// A string as QDataStream writes it, read into one reused block and handed to `keep` (null
// when the stream failed). The stream's own reading grows a string's block as an appended
// string grows (up to twice the text), and a long list keeps hundreds of thousands of such texts
// for as long as it is open: each kind of text is kept at its exact size from the reused block.
template <typename Keep> void readReused(QDataStream &stream, Keep keep)
{
    thread_local QString scratch;
    stream >> scratch;
    keep(stream.status() == QDataStream::Ok ? scratch : QString());
    // A damaged length may have grown the scratch: it is not kept beyond a few KiB.
    if (scratch.capacity() > 4096)
        scratch = QString();
}

// A null string stays null (it is written back as one).
void readText(QDataStream &stream, QString *text)
{
    readReused(stream, [text](const QString &read) {
        *text = read.isNull() ? QString() : QString(read.constData(), read.size());
    });
}

// A text kept compact takes its exact size itself: packed straight from the reused block.
void readText(QDataStream &stream, CompactText *text)
{
    readReused(stream, [text](const QString &read) { *text = read; });
}

// The options as the string map QDataStream writes (a count, then the pairs), read straight
// into the struct: lists of thousands of jobs are read at start-up. The count only bounds the
// loop; the stream ends it at the end of the data.
void readOptions(QDataStream &stream, DownloadOptions *options)
{
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString key, value;
        readText(stream, &key);
        readText(stream, &value);
        if (stream.status() == QDataStream::Ok)
            options->assign(key, value);
    }
}

// The same options to the last detail a list file keeps (an empty text is not a missing one).
bool identical(const DownloadOptions &a, const DownloadOptions &b)
{
    const auto sameNull = [](const QString &x, const QString &y) {
        return x.isNull() == y.isNull();
    };
    return a == b && a.other.isEmpty() && sameNull(a.mediaType, b.mediaType) &&
           sameNull(a.playlistOrderMode, b.playlistOrderMode) &&
           sameNull(a.videoQuality, b.videoQuality) && sameNull(a.audioQuality, b.audioQuality) &&
           (!a.metadata || sameNull(*a.metadata, *b.metadata));
}

using SharedOptions = decltype(JobRecord::options);

// The options of a record, shared with those of the record read before (`previous`, which
// then holds these) when they are the same: a list repeats the options of one page or playlist
// job after job.
void keepOptions(JobRecord *record, const DownloadOptions &options, SharedOptions *previous)
{
    if (!previous->isAbsent() && identical(options, **previous)) {
        record->options.shareWith(*previous);
        return;
    }
    record->options = options;
    previous->shareWith(record->options);
}
} // namespace

SharedRecords snapshot(const QList<SniffTask *> &tasks)
{
    SharedRecords records;
    records.reserve(tasks.size());
    for (const SniffTask *task : tasks)
        records.append(task->sharedRecord());
    return records;
}

SharedRecords share(const Records &records)
{
    SharedRecords shared;
    shared.reserve(records.size());
    for (const Record &r : records)
        shared.append(SharedJobRecord(new JobRecordData(r)));
    return shared;
}

namespace {

// A long list repeats a few short texts in every record (the file type, the picture size, the
// quality) and names one file twice: each is kept once, shared, which saves an allocation of a
// few dozen bytes per text and record. The table is per thread (lists load off the GUI thread)
// and bounded.
void shareText(QString &text)
{
    if (text.isEmpty() || text.size() > 24)
        return;
    thread_local QHash<QString, QString> known;
    const auto found = known.constFind(text);
    if (found != known.constEnd()) {
        text = *found;
        return;
    }
    if (known.size() < 512)
        known.insert(text, text);
}

void shareRepeatedTexts(Record *r)
{
    shareText(r->result.fileType);
    shareText(r->result.resolution);
    shareText(r->result.quality);
    if (!r->progress.isAbsent())
        shareText(r->progress.edit().speed);
    // The texts a record keeps for as long as the job lives, in one block.
    CompactText *const texts[] = {&r->url,
                                  &r->workDir,
                                  &r->thumbnailPath,
                                  &r->media.title,
                                  &r->media.thumbnail,
                                  &r->media.filePath,
                                  &r->result.filePath};
    CompactText::pack(texts, int(std::size(texts)));
}

} // namespace

void writeRecord(QDataStream &stream, const Record &r)
{
    stream << r.url.toString() << r.state;
    listfile::writeByteArrayVariant(stream, protocol::storedLine(r.media));
    listfile::writeByteArrayVariant(stream, protocol::storedLine(r.result));
    stream << r.workDir.toString();
    writeOptions(stream, r.options);
    stream << r.thumbnailPath.toString();
    listfile::writeByteArrayVariant(stream, protocol::storedLine(r.progress));
}

namespace {

// A record of a list; `previous` carries the options of the record read before it.
bool readRecordAfter(QDataStream &stream, Record *record, SharedOptions *previous)
{
    QByteArray info, finished, progress;
    readText(stream, &record->url);
    stream >> record->state;
    listfile::readByteArrayVariant(stream, &info);
    listfile::readByteArrayVariant(stream, &finished);
    readText(stream, &record->workDir);
    DownloadOptions options;
    readOptions(stream, &options);
    readText(stream, &record->thumbnailPath);
    listfile::readByteArrayVariant(stream, &progress);
    if (stream.status() != QDataStream::Ok)
        return false;
    // The lines are read here, once: nothing reads them again while the job lives.
    record->media = protocol::readMediaInfo(info);
    record->result = protocol::readResult(finished);
    record->progress = protocol::readProgress(progress);
    keepOptions(record, options, previous);
    shareRepeatedTexts(record);
    return true;
}

} // namespace

bool readRecord(QDataStream &stream, Record *record)
{
    SharedOptions previous;
    return readRecordAfter(stream, record, &previous);
}

QByteArray serialize(const Records &records)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint32(records.size());
    for (const Record &r : records)
        writeRecord(stream, r);
    return bytes;
}

QByteArray serialize(const SharedRecords &records)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint32(records.size());
    for (const SharedJobRecord &r : records)
        writeRecord(stream, *r);
    return bytes;
}

safesave::Outcome save(const QString &path, const Records &records)
{
    return listfile::writeAtomically(path, serialize(records), kTag);
}

safesave::Outcome save(const QString &path, const SharedRecords &records)
{
    return listfile::writeAtomically(path, serialize(records), kTag);
}

safesave::Outcome save(const QString &path, const QList<SniffTask *> &tasks)
{
    return save(path, snapshot(tasks));
}

namespace {
// The fewest bytes a record takes in a list: its texts' lengths, its state, the three lines'
// types and the options' count.
constexpr qint64 kLeastRecordBytes = 4 * 4 + 4 + 3 * 5 + 4;
} // namespace

Records read(QIODevice *device, const QString &nameForLog)
{
    Records records;
    QDataStream stream(device);
    qint32 count = 0;
    stream >> count;
    // The list is made at its size at once: grown record by record, it would leave the blocks
    // it outgrew among the texts read meanwhile, and the process would keep their memory. The
    // count is the file's word: no more records than the bytes left could hold are expected.
    const qint64 left = device->isSequential() ? 0 : device->size() - device->pos();
    records.reserve(int(qBound<qint64>(0, count, left / kLeastRecordBytes)));
    SharedOptions previous;
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        Record record;
        if (!readRecordAfter(stream, &record, &previous)) {
            writeLog(kTag, QStringLiteral("%1 is damaged after %2 records")
                               .arg(nameForLog)
                               .arg(records.size()));
            break;
        }
        records << record;
    }
    return records;
}

bool load(const QString &path, Records *records)
{
    records->clear();
    return listfile::guardedRead(path, kTag,
                                 [&](QIODevice *device) { *records = read(device, path); });
}

Records load(const QString &path)
{
    Records records;
    load(path, &records);
    return records;
}

QByteArray serializeHistory(const QStringList &history)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint32(history.size());
    for (const QString &url : history)
        stream << url;
    return bytes;
}

safesave::Outcome saveHistory(const QString &path, const QStringList &history)
{
    return listfile::writeAtomically(path, serializeHistory(history), kTag);
}

QStringList readHistory(QIODevice *device)
{
    QStringList history;
    QDataStream stream(device);
    qint32 count = 0;
    stream >> count;
    for (qint32 i = 0; i < count; ++i) {
        QString url;
        readText(stream, &url);
        if (stream.status() != QDataStream::Ok)
            return QStringList();
        history << url;
    }
    return history;
}

QStringList loadHistory(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return readHistory(&file);
}

namespace {
// Jobs are known by their working folders, compared in their kept form.
const CompactText &workDirOf(const Record &r)
{
    return r.workDir;
}
const CompactText &workDirOf(const SharedJobRecord &r)
{
    return r->workDir;
}
template <typename List> QSet<CompactText> jobsOf(const List &records)
{
    QSet<CompactText> jobs;
    jobs.reserve(records.size());
    for (const auto &r : records) {
        if (!workDirOf(r).isEmpty())
            jobs.insert(workDirOf(r));
    }
    return jobs;
}
} // namespace

void JobListWriter::remember(const QString &path, const Records &records)
{
    written.insert(path, share(records));
}

void JobListWriter::remember(const QString &path, const SharedRecords &records)
{
    written.insert(path, records);
}

QVector<safesave::Outcome> JobListWriter::write(const QList<QPair<QString, SharedRecords>> &lists)
{
    QSet<CompactText> everywhere;
    QList<QSet<CompactText>> now;
    for (const auto &list : lists) {
        now << jobsOf(list.second);
        everywhere.unite(now.last());
    }
    QVector<safesave::Outcome> outcomes;
    bool allWritten = true;
    QList<int> rewrite;
    for (int i = 0; i < lists.size(); ++i) {
        const QString &path = lists.at(i).first;
        SharedRecords first = lists.at(i).second;
        int kept = 0;
        for (const SharedJobRecord &old : written.value(path)) {
            // A job that left this list for another one stays here until that one is written.
            const CompactText &job = old->workDir;
            if (!job.isEmpty() && !now.at(i).contains(job) && everywhere.contains(job)) {
                first.append(old);
                ++kept;
            }
        }
        outcomes << save(path, first);
        if (outcomes.last().ok())
            written.insert(path, first);
        allWritten = allWritten && outcomes.last().ok();
        if (afterEachFile)
            afterEachFile();
        if (kept > 0)
            rewrite << i;
    }
    if (!allWritten)
        return outcomes; // the moved jobs stay in both lists on disk until the next write
    for (int i : rewrite) {
        const QString &path = lists.at(i).first;
        outcomes << save(path, lists.at(i).second);
        if (outcomes.last().ok())
            written.insert(path, lists.at(i).second);
        if (afterEachFile)
            afterEachFile();
    }
    return outcomes;
}

int dropDuplicates(const Records &earlier, Records *later)
{
    const QSet<CompactText> jobs = jobsOf(earlier);
    const int before = later->size();
    later->erase(std::remove_if(later->begin(), later->end(),
                                [&jobs](const Record &r) {
                                    return !r.workDir.isEmpty() && jobs.contains(r.workDir);
                                }),
                 later->end());
    return before - later->size();
}

} // namespace tasklist
