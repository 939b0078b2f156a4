#include "core/browser/requestgate.h"

#include <QElapsedTimer>

#include <memory>

RequestGate::RequestGate()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    clock = [timer] {
        return timer->elapsed();
    };
}

void RequestGate::notePress(quint64 page, const QPointF &position)
{
    newest = Gesture{page, clock(), false, position};
    armed = true;
}

void RequestGate::noteKey(quint64 page)
{
    newest = Gesture{page, clock(), true, QPointF()};
    armed = true;
}

void RequestGate::noteRelease(quint64 page, const QPointF &position)
{
    // Only the release of a press not taken yet: a release is no second gesture.
    if (!armed || newest.key || newest.page != page)
        return;
    newest.at = clock();
    newest.position = position;
}

RequestGate::Verdict RequestGate::take(quint64 page, Gesture *gesture)
{
    ++triedCount;
    const qint64 now = clock();
    if (!armed || newest.page != page || now - newest.at > kGestureMs || now < newest.at) {
        ++noGestureCount;
        return Verdict::NoGesture;
    }
    armed = false; // taken, whatever comes of it
    while (!acceptedAt.empty() && now - acceptedAt.front() >= 60 * 1000)
        acceptedAt.pop_front();
    if (int(acceptedAt.size()) >= kPerMinute) {
        ++overLimitCount;
        return Verdict::OverLimit;
    }
    acceptedAt.push_back(now);
    ++acceptedCount;
    if (gesture)
        *gesture = newest;
    return Verdict::Accepted;
}
