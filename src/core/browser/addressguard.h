#pragma once

// Keeps web pages from aiming downloads at the user's own machine or network: an address whose
// host is (or resolves to) a loopback, link-local or private address is refused, unless the page
// itself is on an address of the same kind (a page on 127.0.0.1 may ask for 127.0.0.1, a page
// on the home router for another host at home). Names are resolved asynchronously; the answer
// comes through a callback, never from a nested event loop.

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace addressguard {

enum class Kind
{
    Public,
    Loopback,  // 127.0.0.0/8, ::1, 0.0.0.0 (which reaches this machine), "localhost"
    LinkLocal, // 169.254.0.0/16, fe80::/10
    Private,   // 10/8, 172.16/12, 192.168/16, 100.64/10, fc00::/7, fec0::/10
    Reserved   // multicast, broadcast, the rest of 0/8 and 240/4: never a download's host
};

Kind kindOf(const QHostAddress &address);
// The kind of a host that needs no look-up (an address, "localhost"), or nothing.
bool literalKind(const QString &host, Kind *kind);
// The least public kind among the addresses a name resolved to (Public for none).
Kind kindOf(const QList<QHostAddress> &addresses);
// Whether a page of kind `page` may make requests to a host of kind `target`.
bool allowed(Kind page, Kind target);
QString kindName(Kind kind);

} // namespace addressguard

class AddressGuard : public QObject
{
    Q_OBJECT
public:
    // Looks up a name and calls back with its addresses (empty when it has none).
    using Resolver = std::function<void(const QString &host, QObject *context,
                                        std::function<void(const QList<QHostAddress> &)> done)>;

    explicit AddressGuard(QObject *parent = nullptr);
    void setResolver(Resolver r) { resolver = std::move(r); }

    // Calls `done(true, ...)` when a page at `page` may make a request to `target`, else
    // `done(false, reason)` (the reason names kinds only, never the address). `done` runs later,
    // on this object's thread, unless the object is gone by then.
    void check(const QUrl &page, const QUrl &target,
               std::function<void(bool ok, const QString &reason)> done);

private:
    void kindOfHost(const QString &host, std::function<void(addressguard::Kind)> done);

    Resolver resolver;
};
