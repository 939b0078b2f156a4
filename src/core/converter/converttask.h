#pragma once

// One conversion job: writes a conversion-only parameter file for the download tool, runs the
// tool, follows its "converting" and "finished" lines and moves the result out of the job's
// private work folder into the conversion folder under a name that is free.

#include "core/converter/convertinfo.h"
#include "core/protocol/toolline.h"

#include <QObject>
#include <QProcess>

#include <memory>

class ConvMediaInfo;
class QLockFile;
class MyProcess;

class ConvertTask : public QObject
{
    Q_OBJECT
public:
    enum State
    {
        Idle = 0,
        Waiting = 1,
        Converting = 2,
        Stopped = 3,
        Converted = 4,
        Failed = 5
    };

    explicit ConvertTask(QObject *parent = nullptr);
    ~ConvertTask() override;

    // The task keeps its own copy of the probed input.
    void setSourceInfo(const ConvMediaInfo &info);
    ConvMediaInfo *sourceInfo() const { return source; }
    // The converted file, once the tool reported success (a child of the task until someone
    // takes it).
    ConvMediaInfo *resultInfo() const { return result; }
    void setParams(const ConvertInfo &info) { params = info; }
    const ConvertInfo &convertParams() const { return params; }

    int state() const { return stateValue; }
    void setState(int state) { stateValue = state; }
    double progress() const { return progressValue; }
    // Why the last run failed, for the user ("" when it did not).
    QString errorText() const { return error; }
    QString workDir() const { return workDirValue; }
    QString paramFilePath() const { return paramPath; }
    bool isRunning() const { return process != nullptr; }

    void start();
    void stop();
    void removeWorkDir();

    // Removes the work folders ("N_id" with a "param.json") in `tempDir` that no run holds:
    // those of runs that were killed, failed or outlived by a crash. A running conversion (of
    // this or another instance) keeps a lock in its folder. Returns how many went.
    static int removeDeadWorkFolders(const QString &tempDir);

Q_SIGNALS:
    void convertTaskDidStarted(ConvertTask *task);
    void convertTaskProgress(ConvertTask *task, float percent);
    void convertTaskFinished(ConvertTask *task, bool isError);

public Q_SLOTS:
    void onReadyRead();
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void handleLine(const QByteArray &line);
    void acceptResult(const protocol::Result &verdict);
    void failSoon(const QString &reason);

    int stateValue = Idle;
    ConvMediaInfo *source;
    ConvMediaInfo *result = nullptr;
    ConvertInfo params;
    bool cancelled = false;
    QString workDirValue;
    std::unique_ptr<QLockFile> workLock; // held while a run uses the work folder
    QString paramPath;
    MyProcess *process = nullptr;
    QString toolPid;
    protocol::LineBuffer lines;
    double progressValue = 0;
    QString error;
};

Q_DECLARE_METATYPE(ConvertTask *)
