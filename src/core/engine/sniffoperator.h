#pragma once

// Runs the download tool once for one job: writes its parameter file, follows its output, stops
// it (politely for live recordings) and moves the finished file into the download folder.

#include "core/protocol/toolline.h"

#include <QObject>
#include <QProcess>
#include <QString>

#include <functional>

class MyProcess;
class QTimer;
class SniffTask;

class SniffOperator : public QObject
{
    Q_OBJECT
public:
    explicit SniffOperator(SniffTask *task, QObject *parent = nullptr);
    ~SniffOperator() override;

    void startTask();
    bool abortTask();
    // Moves the finished file (or the saved recording) into the download folder; fileMoved
    // tells when it is done, whatever the outcome (a job that could not be moved is Failed).
    void moveDownloadedFile();
    void removeWorkDir();
    SniffTask *task() const { return taskValue; }
    bool isRunning() const { return process != nullptr; }
    // The run was stopped (paused or deleted): its end is no failure.
    bool wasAborted() const { return aborted; }
    // Handles a chunk of the tool's output as it arrives.
    void handleOutput(const QByteArray &bytes);

    // Between attempts to move a file that cannot be moved yet.
    static int moveRetryDelayMs;
    static int moveAttempts;
    // The stall watch: once bytes flow, no new byte for the stall time (kStallSeconds) is one
    // stall, shown on the job (SniffTask::stalls) while the tool tries again; after kStallLimit
    // stalls in a row the run has failed ("stalled"), its part kept for a retry. The watch reads
    // `clock` (milliseconds, steady) every `stallCheckMs`; tests set their own clock.
    static constexpr int kStallLimit = 3;
    static std::function<qint64()> clock;
    static int stallCheckMs;

Q_SIGNALS:
    void operatorFinished(SniffOperator *op);
    void fileMoved(SniffOperator *op);

public Q_SLOTS:
    void onReadyRead();
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void handleLine(const QByteArray &line);
    void handleLine(const protocol::Line &line);
    void checkDroppedLines();
    // The run ends with this verdict whatever the tool still says: its group is stopped.
    void failRun(const protocol::Result &verdict);
    void watchProgress(qint64 bytes);
    void checkStall();
    // A page with several videos: nothing is downloaded until the user has answered.
    void holdForQuestion();
    void moveFinishedFile(const QString &downloadFolder);
    void moveLiveRecording(const QString &downloadFolder);
    // The file could not be put in place: the job fails with why.
    void failMove(const QString &why);
    // Renames, retrying on a timer; `done` gets the outcome and the name last tried.
    void renameWithRetries(const QString &source, const QString &destination, bool freeNameEachTime,
                           int attempt, const std::function<void(bool, const QString &)> &done);

    SniffTask *taskValue;
    MyProcess *process = nullptr;
    bool aborted = false;
    bool lineTooLong = false;
    bool verdictFixed = false; // the engine judged the run itself; the tool's lines are ignored
    QTimer *stallTimer = nullptr;
    qint64 lastBytes = -1;
    qint64 lastByteAt = 0;
    bool converted = false; // a conversion ran after the download
    QString paramPath;
    QString moveError; // the last failed rename's error
    protocol::LineBuffer lines;
};
