#pragma once

// One download job: its address, state, the last tool line of each kind, working folder,
// thumbnail and options.

#include <QByteArray>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

class ThumbOperator;

class SniffTask : public QObject
{
    Q_OBJECT
public:
    enum State
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

    // A new job: advances "download_num" and gets a fresh working folder.
    SniffTask(const QString &url, const QMap<QString, QString> &params, QObject *parent = nullptr);
    // A new job numbered by the caller, which advances "download_num" itself (loading a list
    // numbers thousands of jobs with one write of the counter).
    SniffTask(const QString &url, const QMap<QString, QString> &params, int number,
              const QString &tempDir, QObject *parent = nullptr);
    // A copy of every field but the converting payload and the run flags; not a new job.
    SniffTask(const SniffTask &other, QObject *parent = nullptr);

    QString url;
    QByteArray info;
    QByteArray progress;
    QByteArray converting;
    QByteArray finished;
    QString workDir;
    QString thumbnailPath;
    QMap<QString, QString> params;
    ThumbOperator *thumbOperator = nullptr;
    bool needDelete = false;
    bool hasOperator = false;
    bool deleteFile = false;

    int state() const { return stateValue; }
    void setState(int state);
    // Sets the state without signals or events (used when copying and loading).
    void restoreState(int state) { stateValue = state; }

    // Stores the thumbnail (already encoded as PNG by the interface) in the hidden ".thumb" folder.
    void saveThumbnail(const QByteArray &png);
    bool matches(const QStringList &keywords) const;
    bool isFinal() const
    {
        return stateValue == Saved || stateValue == Finished || stateValue == Failed;
    }

Q_SIGNALS:
    void taskStarted(SniffTask *task);
    void taskPaused(SniffTask *task);
    void taskResumed(SniffTask *task);
    void taskSniffed(SniffTask *task);
    void taskDownloading(SniffTask *task);
    void taskConverting(SniffTask *task);
    void taskFinished(SniffTask *task);

private:
    int stateValue = Waiting;
};

Q_DECLARE_METATYPE(SniffTask *)
