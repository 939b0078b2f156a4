#pragma once

#include <QByteArray>
#include <QString>

namespace fetch {

// A small GET (a playlist manifest, a page); empty on failure. The proxy is "host:port" or
// empty.
QByteArray get(const QString &url, const QString &proxy, bool checkCertificate,
               int timeoutMs = 15000);

// True when the address (or the manifest it points to) is an HLS playlist that is still being
// written: a media playlist without "#EXT-X-ENDLIST". A master playlist is followed to its
// first variant.
bool isLiveHls(const QString &url, const QString &proxy, bool checkCertificate);

} // namespace fetch
