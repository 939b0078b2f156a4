#pragma once

// Where a paste goes. The paste button reads the clipboard: one web address becomes a clip, a
// playlist (with its questions) or, for a site that needs the user's account, an offer to open
// it in the browser; anything else opens the dialog for several addresses. A second paste
// within a second of the last one is a double click and is ignored. No widgets: the page asks,
// then acts.

#include <QJsonArray>
#include <QString>

#include <functional>

class PasteRouter
{
public:
    enum class Route
    {
        Addresses, // not one web address: ask for several, one per line
        Clip,
        Playlist,
        Premium, // a site that needs the user's account
    };

    // Milliseconds on a steady clock; tests move their own.
    using Clock = std::function<qint64()>;
    explicit PasteRouter(Clock clock = {});
    void setClock(Clock clock);

    // False for a paste within 1 to 999 ms of the last accepted one (a double click); the time
    // is taken as the last paste only when it is accepted.
    bool acceptPaste(qint64 *interval = nullptr);

    // The route of the clipboard's text; `premiumSites` are address parts of sites that need an
    // account (the site scripts' "premium" list).
    static Route route(const QString &text, const QJsonArray &premiumSites);
    // True when the address belongs to one of those sites.
    static bool isPremium(const QString &url, const QJsonArray &premiumSites);

private:
    Clock clock;
    qint64 lastPaste = -1;
};
