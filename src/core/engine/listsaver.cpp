#include "core/engine/listsaver.h"

#include <QMetaObject>

int ListSaver::intervalMs = 500;

ListSaver::ListSaver(std::function<Snapshot()> source, QObject *parent)
    : QObject(parent)
    , source(std::move(source))
{
    pool.setMaxThreadCount(1);
    pool.setExpiryTimeout(-1);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &ListSaver::startWrite);
}

ListSaver::~ListSaver()
{
    pool.waitForDone();
}

void ListSaver::remember(const QString &path, const tasklist::Records &records)
{
    pool.waitForDone();
    writer.remember(path, records);
}

void ListSaver::remember(const QString &path, const tasklist::SharedRecords &records)
{
    pool.waitForDone();
    writer.remember(path, records);
}

void ListSaver::request()
{
    pending = true;
    if (writing || timer.isActive())
        return; // the running write or the timer takes this request along
    const qint64 since = sinceLastWrite.isValid() ? sinceLastWrite.elapsed() : intervalMs;
    timer.start(int(qBound<qint64>(0, intervalMs - since, intervalMs)));
}

void ListSaver::startWrite()
{
    if (writing || !pending)
        return;
    pending = false;
    writing = true;
    sinceLastWrite.restart();
    const Snapshot snapshot = source();
    pool.start([this, snapshot] {
        write(snapshot);
        QMetaObject::invokeMethod(this, &ListSaver::onWritten, Qt::QueuedConnection);
    });
}

void ListSaver::onWritten()
{
    if (!writing)
        return; // saveNow took over
    writing = false;
    Q_EMIT saved();
    if (pending)
        request();
}

void ListSaver::saveNow()
{
    timer.stop();
    pool.waitForDone();
    writing = false;
    pending = false;
    sinceLastWrite.restart();
    write(source());
    Q_EMIT saved();
}

void ListSaver::write(const Snapshot &snapshot)
{
    writer.write(snapshot.jobLists);
    if (!snapshot.historyPath.isEmpty())
        tasklist::saveHistory(snapshot.historyPath, snapshot.history);
}
