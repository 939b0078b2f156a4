#include "core/engine/listsaver.h"

#include "core/foundation/savehealth.h"

#include <QMetaObject>

#include <algorithm>

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
        const QVector<safesave::Outcome> outcomes = write(snapshot);
        QMetaObject::invokeMethod(
            this, [this, outcomes] { onWritten(outcomes); }, Qt::QueuedConnection);
    });
}

void ListSaver::onWritten(const QVector<safesave::Outcome> &outcomes)
{
    if (!writing)
        return; // saveNow took over
    writing = false;
    report(outcomes);
    Q_EMIT saved();
    if (pending)
        request();
}

bool ListSaver::saveNow()
{
    timer.stop();
    pool.waitForDone();
    writing = false;
    pending = false;
    sinceLastWrite.restart();
    const QVector<safesave::Outcome> outcomes = write(source());
    report(outcomes);
    Q_EMIT saved();
    return std::all_of(outcomes.begin(), outcomes.end(),
                       [](const safesave::Outcome &o) { return o.ok(); });
}

QVector<safesave::Outcome> ListSaver::write(const Snapshot &snapshot)
{
    QVector<safesave::Outcome> outcomes = writer.write(snapshot.jobLists);
    if (!snapshot.historyPath.isEmpty())
        outcomes << tasklist::saveHistory(snapshot.historyPath, snapshot.history);
    return outcomes;
}

void ListSaver::report(const QVector<safesave::Outcome> &outcomes)
{
    for (const safesave::Outcome &o : outcomes)
        SaveHealth::instance()->report(o, this, [this] { request(); });
}
