#include "cookies.h"

#include <QStringList>
#include <QUrl>

#include <arpa/inet.h>

namespace cookies {

namespace {

bool isAddress(const QString &host, QString *canonical = nullptr)
{
    const QByteArray text = host.toLatin1();
    unsigned char address[16];
    char back[INET6_ADDRSTRLEN];
    for (const int family : {AF_INET, AF_INET6}) {
        if (inet_pton(family, text.constData(), address) == 1) {
            if (canonical && inet_ntop(family, address, back, sizeof back))
                *canonical = QString::fromLatin1(back);
            return true;
        }
    }
    return false;
}

// A cookie name: a token, as a header and a cookie file can carry it.
bool isToken(const QByteArray &name)
{
    if (name.isEmpty() || name.size() > 256)
        return false;
    for (const char c : name) {
        if (uchar(c) <= 0x20 || uchar(c) >= 0x7f || QByteArray("()<>@,;:\\\"/[]?={}").contains(c))
            return false;
    }
    return true;
}

// A cookie value: printable, no separator of the header or of the cookie file.
bool isValue(const QByteArray &value)
{
    if (value.size() > 4096)
        return false;
    for (const char c : value) {
        if (uchar(c) < 0x20 || uchar(c) == 0x7f || c == ';')
            return false;
    }
    return true;
}

} // namespace

QString siteOf(const QString &hostIn)
{
    QString address;
    if (isAddress(hostIn, &address))
        return address;
    // Compared in the ASCII form a cookie file has; a name that has none has no site.
    QString host = QString::fromLatin1(QUrl::toAce(hostIn)).toLower();
    while (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    if (host.isEmpty())
        return host;
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    // The public suffix ("co.uk"); the name one label longer is the registrable one. The call is
    // the one Qt offers for its public suffix list (deprecated in 5.15 without a replacement).
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QString suffix = url.topLevelDomain(QUrl::FullyEncoded).toLower();
    QT_WARNING_POP
    if (suffix.size() < 2 || suffix.mid(1) == host || !host.endsWith(suffix))
        return host;
    const QString rest = host.left(host.size() - suffix.size());
    return rest.mid(rest.lastIndexOf(QLatin1Char('.')) + 1) + suffix;
}

bool onSite(const QString &host, const QString &site)
{
    if (site.isEmpty())
        return false;
    if (host == site)
        return true;
    return !isAddress(site) && host.endsWith(QLatin1Char('.') + site);
}

QList<Entry> fromFile(const QByteArray &text, const QString &site)
{
    QList<Entry> entries;
    if (text.size() > kMaxFileSize)
        return entries;
    static const QByteArray httpOnlyPrefix = "#HttpOnly_";
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        Entry e;
        if (line.startsWith(httpOnlyPrefix)) {
            e.httpOnly = true;
            line.remove(0, httpOnlyPrefix.size());
        } else if (line.startsWith('#') || line.trimmed().isEmpty()) {
            continue;
        }
        const QList<QByteArray> f = line.split('\t');
        if (f.size() != 7)
            continue;
        e.domain = QString::fromLatin1(f.at(0)).toLower();
        const QString host = e.domain.startsWith(QLatin1Char('.')) ? e.domain.mid(1) : e.domain;
        e.subdomains = f.at(1) == "TRUE";
        e.path = QString::fromLatin1(f.at(2));
        e.secure = f.at(3) == "TRUE";
        bool numeric = false;
        e.expires = f.at(4).toLongLong(&numeric);
        e.name = f.at(5);
        e.value = f.at(6);
        if (!numeric || !isToken(e.name) || !isValue(e.value) || !e.path.startsWith('/') ||
            host.isEmpty() || !onSite(host, site))
            continue;
        entries.append(e);
        if (entries.size() == kMaxEntries)
            break;
    }
    return entries;
}

QList<Entry> fromHeader(const QString &header, const QString &site, bool secure)
{
    QList<Entry> entries;
    if (site.isEmpty())
        return entries;
    // A site with names below it gets its cookies as a domain cookie; an address or a single
    // name as a cookie of that host alone.
    const bool wide = !isAddress(site) && site.contains(QLatin1Char('.'));
    for (const QString &pair : header.split(QLatin1Char(';'))) {
        const int equals = pair.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        Entry e;
        e.name = pair.left(equals).trimmed().toUtf8();
        e.value = pair.mid(equals + 1).trimmed().toUtf8();
        if (!isToken(e.name) || !isValue(e.value))
            continue;
        e.domain = wide ? QLatin1Char('.') + site : site;
        e.subdomains = wide;
        e.secure = secure;
        entries.append(e);
        if (entries.size() == kMaxEntries)
            break;
    }
    return entries;
}

QByteArray toFile(const QList<Entry> &entries)
{
    QByteArray text = "# Netscape HTTP Cookie File\n";
    for (const Entry &e : entries) {
        if (e.httpOnly)
            text += "#HttpOnly_";
        text += e.domain.toLatin1() + '\t' + (e.subdomains ? "TRUE" : "FALSE") + '\t' +
                e.path.toLatin1() + '\t' + (e.secure ? "TRUE" : "FALSE") + '\t' +
                QByteArray::number(e.expires) + '\t' + e.name + '\t' + e.value + '\n';
    }
    return text;
}

} // namespace cookies
