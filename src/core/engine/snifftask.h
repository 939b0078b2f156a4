#pragma once

// One download job: its address, options, state, the last tool line of each kind, working
// folder and thumbnail. The job keeps its own state and is the only one to announce changes of
// it; the engine drives it, the pages read it.

#include "core/engine/downloadoptions.h"

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

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

    // A new job: advances the job counter and gets a fresh working folder.
    SniffTask(const QString &url, const DownloadOptions &options, QObject *parent = nullptr);
    // A new job numbered by the caller, which advances the counter itself (loading a list
    // numbers thousands of jobs with one write of the counter).
    SniffTask(const QString &url, const DownloadOptions &options, int number,
              const QString &tempDir, QObject *parent = nullptr);
    // A copy of every field but the converting payload and the run flags; not a new job.
    SniffTask(const SniffTask &other, QObject *parent = nullptr);

    const QString &url() const { return url_; }
    const DownloadOptions &options() const { return options_; }

    // --- State ------------------------------------------------------------------------------
    State state() const { return state_; }
    // Moves to the state and announces it (taskResumed for Waiting, taskPaused, ...).
    void setState(State state);
    // Sets the state without signals or events (copying, loading, tests).
    void restoreState(State state) { state_ = state; }
    bool isFinal() const
    {
        return state_ == State::Saved || state_ == State::Finished || state_ == State::Failed;
    }
    // The run of the tool began.
    void markStarted();

    // --- The tool's last line of each kind ---------------------------------------------------
    const QByteArray &info() const { return info_; }
    // The analysis line arrived: stored and announced (taskSniffed).
    void setSniffed(const QByteArray &line);
    // Changes the stored analysis line without announcing it (a renamed file, a flag).
    void setInfo(const QByteArray &line) { info_ = line; }
    const QByteArray &progress() const { return progress_; }
    void setProgress(const QByteArray &line) { progress_ = line; }
    const QByteArray &converting() const { return converting_; }
    void setConverting(const QByteArray &line) { converting_ = line; }
    const QByteArray &finished() const { return finished_; }
    void setFinished(const QByteArray &line) { finished_ = line; }

    // --- Files --------------------------------------------------------------------------------
    const QString &workDir() const { return workDir_; }
    void setWorkDir(const QString &folder) { workDir_ = folder; }
    const QString &thumbnailPath() const { return thumbnailPath_; }
    void setThumbnailPath(const QString &path) { thumbnailPath_ = path; }
    // Stores the thumbnail (already encoded as PNG by the interface) in the hidden ".thumb" folder.
    void saveThumbnail(const QByteArray &png);
    bool matches(const QStringList &keywords) const;

    // --- Bookkeeping of the engine -------------------------------------------------------------
    // The look-up of title and thumbnail running for this job, if any.
    ThumbOperator *thumbOperator() const { return thumbOperator_; }
    void setThumbOperator(ThumbOperator *op) { thumbOperator_ = op; }
    // The job is being deleted; its run only has to end.
    bool needDelete() const { return needDelete_; }
    void setNeedDelete(bool on) { needDelete_ = on; }
    // A run or a look-up was started for the job since it was last paused.
    bool hasOperator() const { return hasOperator_; }
    void setHasOperator(bool on) { hasOperator_ = on; }
    // Deleting the finished job deletes its file too.
    bool deleteFile() const { return deleteFile_; }
    void setDeleteFile(bool on) { deleteFile_ = on; }

Q_SIGNALS:
    void taskStarted(SniffTask *task);
    void taskPaused(SniffTask *task);
    void taskResumed(SniffTask *task);
    void taskSniffed(SniffTask *task);
    void taskDownloading(SniffTask *task);
    void taskConverting(SniffTask *task);
    void taskFinished(SniffTask *task);

private:
    void reportTransition(State from, State to) const;

    QString url_;
    DownloadOptions options_;
    State state_ = State::Waiting;
    QByteArray info_;
    QByteArray progress_;
    QByteArray converting_;
    QByteArray finished_;
    QString workDir_;
    QString thumbnailPath_;
    ThumbOperator *thumbOperator_ = nullptr;
    bool needDelete_ = false;
    bool hasOperator_ = false;
    bool deleteFile_ = false;
};

Q_DECLARE_METATYPE(SniffTask *)
