#include "gui/pages/pasterouter.h"

#include "core/foundation/addressrules.h"

#include <QElapsedTimer>

namespace {

qint64 steadyMilliseconds()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

} // namespace

PasteRouter::PasteRouter(Clock clock)
{
    setClock(std::move(clock));
}

void PasteRouter::setClock(Clock newClock)
{
    clock = newClock ? std::move(newClock) : Clock(steadyMilliseconds);
}

bool PasteRouter::acceptPaste(qint64 *interval)
{
    const qint64 now = clock();
    if (lastPaste >= 0) {
        const qint64 since = now - lastPaste;
        if (interval)
            *interval = since;
        if (since >= 1 && since <= 999)
            return false;
    }
    lastPaste = now;
    return true;
}

PasteRouter::Route PasteRouter::route(const QString &text, const QJsonArray &premiumSites)
{
    if (text.isEmpty() || !isHttpUrl(text))
        return Route::Addresses;
    if (isPlaylistUrl(text))
        return Route::Playlist;
    return isPremium(text, premiumSites) ? Route::Premium : Route::Clip;
}

bool PasteRouter::isPremium(const QString &url, const QJsonArray &premiumSites)
{
    for (const QJsonValue &site : premiumSites) {
        const QString entry = site.toString();
        if (!entry.isEmpty() && url.contains(entry))
            return true;
    }
    return false;
}
