#pragma once

// The cookies a page download may take with it: only those of the page's own site, and only when
// the download's address is on that site. They travel as a Netscape cookie file (the format
// yt-dlp and curl read), never as a raw "Cookie:" header, which a download would send on to
// whatever host a redirect names; a cookie file is applied per domain on every request.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QNetworkCookie>
#include <QString>
#include <QUrl>

namespace sitecookies {

// At most this many cookies and bytes go into one file; a site sets a few dozen.
constexpr int kMaxCookies = 300;
constexpr int kMaxFileBytes = 256 * 1024;

// The registrable domain of the address's host ("www.bbc.co.uk" -> "bbc.co.uk",
// "user.github.io" -> "user.github.io"), by the public suffix list Qt carries; an IP address or a
// single-label name ("localhost") is its own site. Empty for an address without a host.
QString siteOf(const QUrl &url);
// True when both addresses have a host and belong to the same site.
bool sameSite(const QUrl &a, const QUrl &b);

// The cookies of `cookies` whose domain lies within `site` and that have not expired at `now`.
QList<QNetworkCookie> ofSite(const QList<QNetworkCookie> &cookies, const QString &site,
                             const QDateTime &now = QDateTime::currentDateTimeUtc());

// The cookies of `page`'s site for a download of `target`: none when `target` is on another
// site.
QList<QNetworkCookie> forDownload(const QList<QNetworkCookie> &cookies, const QUrl &page,
                                  const QUrl &target,
                                  const QDateTime &now = QDateTime::currentDateTimeUtc());

// The cookies as a Netscape cookie file: a header line, then one line per cookie (domain,
// include-subdomains, path, secure, expiry, name, value, separated by tabs; "#HttpOnly_" before
// the domain of an HttpOnly cookie; expiry 0 for a session cookie). Cookies that cannot be
// written in that form (a tab or line break in a field) are left out. Empty without cookies.
QByteArray netscapeFile(const QList<QNetworkCookie> &cookies);

} // namespace sitecookies
