#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace fetch {

using Headers = QList<QPair<QByteArray, QByteArray>>;

// A small GET (a playlist manifest, a page); empty on failure. The proxy is "host:port" or
// empty.
QByteArray get(const QString &url, const QString &proxy, bool checkCertificate,
               const Headers &headers = Headers(), int timeoutMs = 15000);

// True when the address (or the manifest it points to) is an HLS playlist that is still being
// written: a media playlist without "#EXT-X-ENDLIST". A master playlist is followed to its
// first variant.
bool isLiveHls(const QString &url, const QString &proxy, bool checkCertificate,
               const Headers &headers = Headers());

} // namespace fetch
