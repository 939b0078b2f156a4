#include "core/browser/addressguard.h"

#include <QHostInfo>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace addressguard {

namespace {

bool inSubnet(const QHostAddress &address, const char *subnet)
{
    return address.isInSubnet(QHostAddress::parseSubnet(QLatin1String(subnet)));
}

Kind kindOfIPv4(const QHostAddress &a)
{
    if (inSubnet(a, "127.0.0.0/8") || a == QHostAddress(QHostAddress::AnyIPv4))
        return Kind::Loopback;
    if (inSubnet(a, "169.254.0.0/16"))
        return Kind::LinkLocal;
    for (const char *net : {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16", "100.64.0.0/10",
                            "192.0.0.0/24", "198.18.0.0/15"}) {
        if (inSubnet(a, net))
            return Kind::Private;
    }
    if (inSubnet(a, "0.0.0.0/8") || inSubnet(a, "224.0.0.0/4") || inSubnet(a, "240.0.0.0/4"))
        return Kind::Reserved;
    return Kind::Public;
}

int rank(Kind kind)
{
    // Most private first: a name that resolves to a public and a loopback address is loopback.
    switch (kind) {
    case Kind::Reserved:
        return 0;
    case Kind::Loopback:
        return 1;
    case Kind::LinkLocal:
        return 2;
    case Kind::Private:
        return 3;
    case Kind::Public:
        return 4;
    }
    return 0;
}

} // namespace

Kind kindOf(const QHostAddress &address)
{
    if (address.isNull())
        return Kind::Reserved;
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    if (mapped) // IPv4, or IPv4 mapped into IPv6 (::ffff:a.b.c.d)
        return kindOfIPv4(QHostAddress(v4));
    // IPv4 embedded by NAT64 or the deprecated compatible form reaches the same IPv4 host.
    if (inSubnet(address, "64:ff9b::/96") || inSubnet(address, "::/96")) {
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        const quint32 embedded = (quint32(bytes[12]) << 24) | (quint32(bytes[13]) << 16) |
                                 (quint32(bytes[14]) << 8) | quint32(bytes[15]);
        if (address == QHostAddress(QHostAddress::LocalHostIPv6) ||
            address == QHostAddress(QHostAddress::AnyIPv6))
            return Kind::Loopback;
        return kindOfIPv4(QHostAddress(embedded));
    }
    if (address.isLoopback())
        return Kind::Loopback;
    if (inSubnet(address, "fe80::/10"))
        return Kind::LinkLocal;
    if (inSubnet(address, "fc00::/7") || inSubnet(address, "fec0::/10"))
        return Kind::Private;
    if (inSubnet(address, "ff00::/8"))
        return Kind::Reserved;
    return Kind::Public;
}

bool literalKind(const QString &host, Kind *kind)
{
    QString name = host.toLower();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name == QLatin1String("localhost") || name.endsWith(QLatin1String(".localhost"))) {
        *kind = Kind::Loopback;
        return true;
    }
    QHostAddress address;
    if (!address.setAddress(name))
        return false;
    *kind = kindOf(address);
    return true;
}

Kind kindOf(const QList<QHostAddress> &addresses)
{
    Kind worst = Kind::Public;
    for (const QHostAddress &address : addresses) {
        const Kind kind = kindOf(address);
        if (rank(kind) < rank(worst))
            worst = kind;
    }
    return worst;
}

bool allowed(Kind page, Kind target)
{
    return target == Kind::Public || (target != Kind::Reserved && target == page);
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Public:
        return QStringLiteral("public");
    case Kind::Loopback:
        return QStringLiteral("loopback");
    case Kind::LinkLocal:
        return QStringLiteral("link-local");
    case Kind::Private:
        return QStringLiteral("private");
    case Kind::Reserved:
        return QStringLiteral("reserved");
    }
    return QString();
}

} // namespace addressguard

using addressguard::Kind;

AddressGuard::AddressGuard(QObject *parent)
    : QObject(parent)
{
    resolver = [](const QString &host, QObject *context,
                  std::function<void(const QList<QHostAddress> &)> done) {
        QHostInfo::lookupHost(host, context, [done = std::move(done)](const QHostInfo &info) {
            done(info.error() == QHostInfo::NoError ? info.addresses() : QList<QHostAddress>());
        });
    };
}

void AddressGuard::kindOfHost(const QString &host, std::function<void(Kind)> done)
{
    Kind kind = Kind::Public;
    if (literalKind(host, &kind)) {
        // Later all the same, so that every answer takes the same road.
        QTimer::singleShot(0, this, [done = std::move(done), kind] { done(kind); });
        return;
    }
    resolver(host, this, [done = std::move(done)](const QList<QHostAddress> &addresses) {
        done(addressguard::kindOf(addresses));
    });
}

void AddressGuard::check(const QUrl &page, const QUrl &target,
                         std::function<void(bool, const QString &)> done)
{
    const QString pageHost = page.host(QUrl::FullyEncoded);
    const QString targetHost = target.host(QUrl::FullyEncoded);
    if (targetHost.isEmpty()) {
        QTimer::singleShot(0, this, [done] { done(false, QStringLiteral("no host")); });
        return;
    }
    // Both look-ups run at once; the answer comes when both are in.
    struct State
    {
        int waiting = 2;
        Kind page = Kind::Public;
        Kind target = Kind::Public;
    };
    auto state = std::make_shared<State>();
    auto finish = [state, done] {
        if (--state->waiting > 0)
            return;
        if (addressguard::allowed(state->page, state->target)) {
            done(true, QString());
            return;
        }
        done(false,
             QStringLiteral("a page on a %1 address asked for a %2 address")
                 .arg(addressguard::kindName(state->page), addressguard::kindName(state->target)));
    };
    kindOfHost(targetHost, [state, finish](Kind kind) {
        state->target = kind;
        finish();
    });
    if (pageHost.isEmpty()) {
        // A page without a host (about:blank, data:) is no address of ours: it counts as public.
        QTimer::singleShot(0, this, finish);
        return;
    }
    kindOfHost(pageHost, [state, finish](Kind kind) {
        state->page = kind;
        finish();
    });
}
