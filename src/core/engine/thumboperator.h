#pragma once

// Looks up title and thumbnail of a waiting or paused job with an analyse-only run of the tool.

#include "core/protocol/toolline.h"

#include <QObject>
#include <QProcess>

class MyProcess;
class SniffTask;

class ThumbOperator : public QObject
{
    Q_OBJECT
public:
    ThumbOperator(SniffTask *task, const QString &paramFileName, QObject *parent = nullptr);
    ~ThumbOperator() override;

    bool start();
    SniffTask *task() const { return taskValue; }
    void clearTask() { taskValue = nullptr; }

Q_SIGNALS:
    void operatorFinished(ThumbOperator *op);

public Q_SLOTS:
    void onReadyRead();
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void handleLine(const QByteArray &line);

    SniffTask *taskValue;
    MyProcess *process = nullptr;
    QString url;
    QString paramFileName;
    QString paramPath;
    protocol::LineBuffer lines;
    QString workDir;
};
