#pragma once

// Cookies for a download, scoped to the site of the requested address. The application hands
// them over as a Netscape cookie file ("downloader"."cookie_file"), a page as its "Cookie"
// header (in "metadata"); either way only cookies of the requested address's site are kept, and
// they reach yt-dlp as a cookie file of their own, which it applies per host and per redirect.
// They never become a raw "Cookie:" header, which would follow a redirect to another host.
//
// The site of a host is its registrable domain: the public suffix (from Qt's copy of the public
// suffix list, QUrl::topLevelDomain) and one label more, "www.example.co.uk" -> "example.co.uk". An
// IP address, and a host that is nothing but a public suffix or a single label ("localhost"), is a
// site of its own.

#include <QByteArray>
#include <QList>
#include <QString>

namespace cookies {

QString siteOf(const QString &host);
// Whether `host` (lower case) lies on `site`: the site itself or a name below it.
bool onSite(const QString &host, const QString &site);

struct Entry
{
    QString domain; // as a cookie file has it: ".example.com" (with subdomains) or a host
    bool subdomains = false;
    QString path = QStringLiteral("/");
    bool secure = false;
    bool httpOnly = false;
    qint64 expires = 0; // seconds since the epoch; 0: for this session
    QByteArray name;
    QByteArray value;
};

constexpr int kMaxEntries = 1000;
constexpr int kMaxFileSize = 1024 * 1024;

// The entries of a Netscape cookie file whose domain lies on `site`; malformed lines, and lines
// of other sites, are dropped.
QList<Entry> fromFile(const QByteArray &text, const QString &site);
// A "Cookie" header ("a=1; b=2") as entries for the whole site; `secure` for an https address.
QList<Entry> fromHeader(const QString &header, const QString &site, bool secure);
// A Netscape cookie file of the entries.
QByteArray toFile(const QList<Entry> &entries);

} // namespace cookies
