#pragma once

// One download job: a typed record (address, options, state, the tool's facts, folders) that
// only the engine changes. Everyone else reads it and follows its signals; the pages change a job
// through SniffMgr's commands, which save the lists themselves.

#include "core/engine/jobrecord.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class SniffMgr;
class SniffOperator;
class ThumbOperator;

class SniffTask : public QObject
{
    Q_OBJECT
public:
    // The numbers are stored in the list files.
    enum class State
    {
        Waiting = 0,
        Downloading = 1,
        Paused = 2,
        Converting = 3,
        Saving = 4,
        Saved = 5,
        Finished = 6,
        Failed = 7,
    };
    Q_ENUM(State)

    // Which of the engine's lists holds the job.
    enum class Place : quint8
    {
        None,
        Downloading,
        Done,
        Private,
    };

    // A new job: advances the job counter and gets a fresh working folder.
    SniffTask(const QString &url, const DownloadOptions &options, QObject *parent = nullptr);
    // A new job numbered by the caller, which advances the counter itself (loading a list
    // numbers thousands of jobs with one write of the counter).
    SniffTask(const QString &url, const DownloadOptions &options, int number,
              const QString &tempDir, QObject *parent = nullptr);
    // A job as a list holds it (its state as recorded, no signals).
    explicit SniffTask(const JobRecord &record, QObject *parent = nullptr);

    const JobRecord &record() const { return *rec; }
    // The record shared, for a snapshot of the lists (no copy is made).
    const SharedJobRecord &sharedRecord() const { return rec; }
    QString url() const { return rec->url; }
    const DownloadOptions &options() const { return rec->options; }
    State state() const { return State(rec->state); }
    bool isFinal() const
    {
        return state() == State::Saved || state() == State::Finished || state() == State::Failed;
    }
    Place place() const { return placeValue; }
    bool isPrivate() const { return placeValue == Place::Private; }
    // A job of the private list, or one that goes there when it is done (marked private when it
    // was made or analysed). Such a job is named in no public view, log line, notification or
    // usage event, and what Clipmoor keeps of it is readable by the user only.
    bool isPrivateJob() const { return placeValue == Place::Private || rec->media.privateFile; }
    // How log lines name the job: its address, or for a private job "private job <id>" with an
    // opaque id (the working folder's name: a number and random letters).
    QString logName() const;
    // `text` (a path, a title, a tool's message) as a log line of this job may show it: withheld
    // for a private job.
    QString logText(const QString &text) const;

    // --- The tool's facts ----------------------------------------------------------------------
    const protocol::MediaInfo &media() const { return rec->media; }
    const protocol::Progress &progress() const { return rec->progress; }
    const protocol::ConversionProgress &conversion() const { return run->conversion; }
    const protocol::Result &result() const { return rec->result; }
    QString title() const { return rec->media.title; }
    // The title, or the file's name when the page gave none.
    QString shownTitle() const;
    QString filePath() const { return rec->media.filePath; }
    bool isLive() const { return rec->media.live; }
    // The number of videos the user is to be asked about before anything is downloaded: a
    // plain download of a page that holds several (not a playlist entry, not a download the
    // browser handed over, not answered already); 0 otherwise.
    int entriesToAskAbout() const;
    // Stalls in a row of the running transfer (no byte for the stall time each); 0 while bytes
    // arrive. Not kept in the lists.
    int stalls() const { return run->stalls; }

    // --- Files ---------------------------------------------------------------------------------
    QString workDir() const { return rec->workDir; }
    QString thumbnailPath() const { return rec->thumbnailPath; }
    // Every keyword occurs in the title (case ignored); no keywords match everything.
    bool matches(const QStringList &keywords) const;
    // The same for a title (a view that keeps the titles of its rows at hand).
    static bool titleMatches(const QString &title, const QStringList &keywords);

    // --- Bookkeeping of the engine -------------------------------------------------------------
    ThumbOperator *thumbOperator() const { return run->thumbOperator; }
    // The job is being deleted; its run only has to end.
    bool needDelete() const { return needDeleteValue; }
    // A run or a look-up was started for the job since it was last paused.
    bool hasOperator() const { return hasOperatorValue; }
    // Deleting the finished job deletes its file too.
    bool deleteFile() const { return deleteFileValue; }

Q_SIGNALS:
    void taskStarted(SniffTask *task);
    void taskPaused(SniffTask *task);
    void taskResumed(SniffTask *task);
    void taskSniffed(SniffTask *task);
    void taskDownloading(SniffTask *task);
    void taskConverting(SniffTask *task);
    void taskFinished(SniffTask *task);

private:
    // Only the engine moves a job (and the tests' JobEditor, tests/helpers/fixture.h, which
    // puts a job into the state a case starts from).
    friend class SniffMgr;
    friend class SniffOperator;
    friend class ThumbOperator;
    friend class JobEditor;

    // Moves to the state and announces it (taskResumed for Waiting, taskPaused, ...).
    void setState(State state);
    // Sets the state without signals or events (loading).
    void restoreState(State state) { rec->state = qint32(state); }
    // The run of the tool began.
    void markStarted();
    // The analysis arrived: stored and announced (taskSniffed).
    void setSniffed(const protocol::MediaInfo &media);
    // Marks the job private (thumbnail hidden, sent to the private list when done).
    void markPrivate();
    protocol::MediaInfo &mediaRef() { return rec->media; }
    void setProgress(const protocol::Progress &progress) { rec->progress = progress; }
    void setConversion(const protocol::ConversionProgress &c) { run.edit().conversion = c; }
    void setResult(const protocol::Result &result) { rec->result = result; }
    void setStalls(int count)
    {
        if (count != run->stalls)
            run.edit().stalls = count;
    }
    DownloadOptions &optionsRef() { return rec->options.edit(); }
    protocol::Result &resultRef() { return rec->result; }
    // Where the file is now (moved into place, renamed, hidden): the analysis and the verdict
    // name the same file.
    void setFilePath(const QString &path)
    {
        JobRecordData *r = rec.data();
        r->media.filePath = path;
        r->media.present = true;
        if (r->result.present)
            r->result.filePath = path;
    }
    void setWorkDir(const QString &folder) { rec->workDir = folder; }
    void setThumbnailPath(const QString &path) { rec->thumbnailPath = path; }
    void setPlace(Place place) { placeValue = place; }
    void setThumbOperator(ThumbOperator *op)
    {
        if (op != run->thumbOperator)
            run.edit().thumbOperator = op;
    }
    void setNeedDelete(bool on) { needDeleteValue = on; }
    void setHasOperator(bool on) { hasOperatorValue = on; }
    void setDeleteFile(bool on) { deleteFileValue = on; }
    void reportTransition(State from, State to) const;

    // What only a job that runs has: most jobs of a long list are finished, and pay a pointer.
    struct Run
    {
        protocol::ConversionProgress conversion;
        ThumbOperator *thumbOperator = nullptr;
        int stalls = 0;
        static bool blank(const Run &r)
        {
            return protocol::ConversionProgress::blank(r.conversion) && !r.thumbOperator &&
                   r.stalls == 0;
        }
    };

    SharedJobRecord rec;
    RarePart<Run, Run::blank> run;
    Place placeValue = Place::None;
    bool needDeleteValue = false;
    bool hasOperatorValue = false;
    bool deleteFileValue = false;
};

// The keywords of a search prepared once for many titles (every row of a long list): the same
// answer as SniffTask::titleMatches, with the plain-ASCII case (most titles) compared byte by
// byte against keywords lowered once.
class TitleMatcher
{
public:
    explicit TitleMatcher(const QStringList &keywords);
    bool matches(const QString &title) const;
    // The same answer for a plain-ASCII title given as `size` bytes lowered by lowerAscii: a
    // keyword of plain ASCII is then a byte search (a list that keeps its titles lowered side by
    // side reads them in one sweep, and needs to keep no other form of them).
    bool matchesLowered(const char *text, int size) const;
    // Appends the title lowered, one byte a letter, and returns true when it is plain ASCII;
    // otherwise leaves `into` as it was and returns false.
    static bool lowerAscii(const QString &title, QByteArray *into);

private:
    QStringList words;
    // Each keyword lowered, when it is plain ASCII; a null array otherwise.
    QVector<QByteArray> lowered;
};

Q_DECLARE_METATYPE(SniffTask *)
