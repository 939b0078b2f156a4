#pragma once

// Decides which download requests of a page go on: a page may ask for a download only just after
// the user pressed its download button. The browser reports every real press (a mouse button or
// a key delivered to the page by the window system, never anything a page script can make) with
// the page it was pressed in; a request then takes the newest press of its page that is at most
// kGestureMs old and not taken yet. At most one request per press, at most kPerMinute accepted
// requests in any minute; everything else is dropped and counted. Needs nothing but Qt Core;
// the clock can be set, so the tests never wait for time to pass.

#include <QPointF>
#include <QtGlobal>

#include <deque>
#include <functional>

class RequestGate
{
public:
    static constexpr qint64 kGestureMs = 2000;
    static constexpr int kPerMinute = 10;

    // Milliseconds from any fixed start (a monotonic clock by default).
    using Clock = std::function<qint64()>;

    struct Gesture
    {
        quint64 page = 0;
        qint64 at = 0;
        bool key = false; // a key: the focused element is what was pressed
        QPointF position; // a mouse press: where, in the page's view
    };

    enum class Verdict
    {
        Accepted,
        NoGesture,
        OverLimit
    };

    RequestGate();
    void setClock(Clock c) { clock = std::move(c); }

    // A real press in page `page` (a number that changes with every document the view shows).
    void notePress(quint64 page, const QPointF &position);
    void noteKey(quint64 page);
    // The release of the press just noted: the click happens now, so its window starts now.
    void noteRelease(quint64 page, const QPointF &position);

    // One request of page `page`. Accepted: `*gesture` (when given) is the press it took.
    Verdict take(quint64 page, Gesture *gesture = nullptr);
    // A request that was taken but then refused (no click on the button, a forbidden address).
    void noteRefused() { ++refusedCount; }

    int tried() const { return triedCount; }
    int accepted() const { return acceptedCount - refusedCount; }
    int dropped() const { return tried() - accepted(); }
    int droppedWithoutGesture() const { return noGestureCount; }
    int droppedOverLimit() const { return overLimitCount; }

private:
    Clock clock;
    bool armed = false; // the newest gesture has not been taken
    Gesture newest;
    std::deque<qint64> acceptedAt; // within the last minute
    int triedCount = 0;
    int acceptedCount = 0;
    int refusedCount = 0;
    int noGestureCount = 0;
    int overLimitCount = 0;
};
