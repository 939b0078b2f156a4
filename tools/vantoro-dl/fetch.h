#pragma once

// The tool's own small requests (whether an HLS playlist is live), made by curl: it checks
// certificates unless told otherwise, applies cookies per host (redirects included) from a
// cookie file, and is bounded in redirects, size and time.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace fetch {

using Headers = QList<QPair<QByteArray, QByteArray>>;

struct Options
{
    QString proxy; // "http://[user:password@]host:port" or empty
    bool checkCertificate = true;
    Headers headers;    // sent to every host, redirects included: never a secret
    QString cookieFile; // a Netscape cookie file, or empty
    int timeoutMs = 15000;
};

// A small GET (a playlist manifest, at most 4 MiB); empty on failure.
QByteArray get(const QString &url, const Options &options);

// True when the address (or the manifest it points to) is an HLS playlist that is still being
// written: a media playlist without "#EXT-X-ENDLIST". A master playlist is followed to its
// first variant.
bool isLiveHls(const QString &url, const Options &options);

} // namespace fetch
