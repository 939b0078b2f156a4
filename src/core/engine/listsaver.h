#pragma once

// Writes the download lists off the GUI thread. Requests are coalesced (at most one write per
// interval); each write takes a snapshot of the lists on the GUI thread, which is cheap (the
// records share their data with the jobs), and serialises and writes it on a thread of its
// own. saveNow() writes at once and waits: for quitting. Every file's outcome goes to
// SaveHealth on the GUI thread; a failed write is retried from there, with the lists as they
// are then (the lists in memory count, the files on disk keep their last good state).

#include "core/engine/tasklistfile.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>

class ListSaver : public QObject
{
    Q_OBJECT
public:
    struct Snapshot
    {
        // Job lists in the order they are written; see tasklist::JobListWriter.
        QList<QPair<QString, tasklist::SharedRecords>> jobLists;
        QString historyPath;
        QStringList history;
    };

    // The smallest time between two writes.
    static int intervalMs;

    explicit ListSaver(std::function<Snapshot()> source, QObject *parent = nullptr);
    ~ListSaver() override;

    // What a list file holds now, as it was loaded.
    void remember(const QString &path, const tasklist::Records &records);
    void remember(const QString &path, const tasklist::SharedRecords &records);
    // A write soon, together with every other request until then.
    void request();
    // Writes the lists now on the calling thread, after any write still running.
    // True when every file was written.
    bool saveNow();
    bool isIdle() const { return !writing && !timer.isActive(); }

Q_SIGNALS:
    // A write has finished (on the GUI thread).
    void saved();

private:
    void startWrite();
    void onWritten(const QVector<safesave::Outcome> &outcomes);
    QVector<safesave::Outcome> write(const Snapshot &snapshot);
    void report(const QVector<safesave::Outcome> &outcomes);

    std::function<Snapshot()> source;
    QTimer timer;
    QElapsedTimer sinceLastWrite;
    QThreadPool pool;
    tasklist::JobListWriter writer; // used by one thread at a time
    bool pending = false;
    bool writing = false;
};
