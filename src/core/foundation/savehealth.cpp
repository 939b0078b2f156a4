#include "core/foundation/savehealth.h"

#include "core/foundation/applog.h"

#include <QElapsedTimer>
#include <QThread>

namespace {
const char kTag[] = "[SaveHealth]";
}

SaveHealth *SaveHealth::instance()
{
    static SaveHealth *health = new SaveHealth;
    return health;
}

SaveHealth::SaveHealth(QObject *parent)
    : QObject(parent)
{
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &SaveHealth::tick);
    setClock({});
}

void SaveHealth::setClock(Clock c)
{
    if (!c) {
        auto steady = std::make_shared<QElapsedTimer>();
        steady->start();
        c = [steady] {
            return steady->elapsed();
        };
    }
    clock = std::move(c);
}

qint64 SaveHealth::backOffMs(int retries)
{
    return qMin<qint64>(qint64(1000) << qMin(retries, 5), 30000);
}

void SaveHealth::report(const safesave::Outcome &outcome, QObject *owner,
                        std::function<void()> retry)
{
    if (thread() != QThread::currentThread()) {
        QMetaObject::invokeMethod(
            this,
            [this, outcome, owner = QPointer<QObject>(owner), retry] {
                if (owner)
                    report(outcome, owner, retry);
            },
            Qt::QueuedConnection);
        return;
    }
    if (outcome.ok()) {
        if (failures.remove(outcome.path) == 0)
            return;
        if (failures.isEmpty()) {
            writeLog(QLatin1String(kTag), QStringLiteral("every file is saved again"));
            retries = 0;
            timer.stop();
        }
    } else {
        failures.insert(outcome.path, {outcome, owner, std::move(retry)});
        schedule();
    }
    announce();
}

QString SaveHealth::notice() const
{
    if (failures.isEmpty())
        return QString();
    // A full disk is named before anything else: it is what the user can act on.
    const safesave::Outcome *first = &failures.first().outcome;
    for (const Pending &p : failures) {
        if (p.outcome.failure == safesave::Failure::NoSpace) {
            first = &p.outcome;
            break;
        }
    }
    const QString folder = first->folder();
    switch (first->failure) {
    case safesave::Failure::NoSpace:
        return tr("Clipmoor cannot save its lists: no space left on %1").arg(folder);
    case safesave::Failure::NotWritable:
        return tr("Clipmoor cannot save its lists: %1 is not writable").arg(folder);
    case safesave::Failure::Missing:
        return tr("Clipmoor cannot save its lists: %1 does not exist").arg(folder);
    default:
        return tr("Clipmoor cannot save its lists in %1: %2").arg(folder, first->errorText());
    }
}

void SaveHealth::schedule()
{
    if (timer.isActive() || failures.isEmpty())
        return;
    const qint64 wait = backOffMs(retries);
    due = clock() + wait;
    timer.start(int(wait));
}

void SaveHealth::tick()
{
    if (failures.isEmpty())
        return;
    const qint64 left = due - clock();
    if (left > 0) {
        timer.start(int(left));
        return;
    }
    ++retries;
    runRetries();
}

void SaveHealth::retryNow()
{
    runRetries();
}

void SaveHealth::runRetries()
{
    timer.stop();
    // An owner that is gone has nothing left to save.
    bool dropped = false;
    for (auto it = failures.begin(); it != failures.end();) {
        if (!it->owner) {
            it = failures.erase(it);
            dropped = true;
        } else {
            ++it;
        }
    }
    if (dropped)
        announce();
    // A retry may report at once (and change the map): run them from a copy, each owner once.
    QList<QPointer<QObject>> owners;
    QList<std::function<void()>> calls;
    for (const Pending &p : qAsConst(failures)) {
        if (p.owner && !owners.contains(p.owner)) {
            owners << p.owner;
            calls << p.retry;
        }
    }
    for (int i = 0; i < calls.size(); ++i) {
        if (owners.at(i) && calls.at(i))
            calls.at(i)();
    }
    schedule();
}

void SaveHealth::announce()
{
    const QString text = notice();
    if (text == shown)
        return;
    shown = text;
    if (!text.isEmpty())
        writeLog(QLatin1String(kTag), text);
    Q_EMIT noticeChanged(text);
}
