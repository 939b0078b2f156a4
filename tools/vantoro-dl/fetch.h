#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkCookie>
#include <QPair>
#include <QString>

namespace fetch {

using Headers = QList<QPair<QByteArray, QByteArray>>;

struct Options
{
    QString proxy; // "host:port" or empty
    bool checkCertificate = true;
    Headers headers;               // sent to every host, redirects included
    QList<QNetworkCookie> cookies; // each sent only where its domain and path say
    int timeoutMs = 15000;
};

// A small GET (a playlist manifest, a page); empty on failure.
QByteArray get(const QString &url, const Options &options);

// True when the address (or the manifest it points to) is an HLS playlist that is still being
// written: a media playlist without "#EXT-X-ENDLIST". A master playlist is followed to its
// first variant.
bool isLiveHls(const QString &url, const Options &options);

} // namespace fetch
