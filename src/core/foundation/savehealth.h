#pragma once

// Whether the application's files can be saved. Every owner of a file that holds the user's data
// reports each write's outcome here (on the GUI thread). While a write fails, the owner's data
// in memory stays what counts, the owner's retry runs again with back-off (1 s, 2 s, 4 s, ...
// at most 30 s, on a timer) and `noticeChanged` carries the text the window shows until every
// file is written again.

#include "core/foundation/safesave.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class SaveHealth : public QObject
{
    Q_OBJECT
public:
    // Milliseconds on a steady clock; tests move their own.
    using Clock = std::function<qint64()>;

    static SaveHealth *instance();
    explicit SaveHealth(QObject *parent = nullptr);

    // `retry` writes the owner's current data again; it is dropped with the owner.
    void report(const safesave::Outcome &outcome, QObject *owner, std::function<void()> retry);
    bool failing() const { return !failures.isEmpty(); }
    // What the user is told while a save fails; empty when everything is saved.
    QString notice() const;
    // The wait before the next retry, by the number of retries so far.
    static qint64 backOffMs(int retries);

    void setClock(Clock clock);
    // Runs the retries that are due (the timer calls it; tests call it after moving the clock).
    void tick();
    // Runs every retry now (quitting).
    void retryNow();

Q_SIGNALS:
    void noticeChanged(const QString &text);

private:
    struct Pending
    {
        safesave::Outcome outcome;
        QPointer<QObject> owner;
        std::function<void()> retry;
    };
    void schedule();
    void runRetries();
    void announce();

    QMap<QString, Pending> failures; // by file
    Clock clock;
    QTimer timer;
    int retries = 0;
    qint64 due = 0;
    QString shown;
};
