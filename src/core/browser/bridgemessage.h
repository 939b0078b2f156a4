#pragma once

// One message a page script sends through the "bridge" object: a JSON object with a string
// "url" (http or https), an optional string "metadata" (Base64 of {"http_headers": {...}}) and an
// optional boolean "direct". Page messages are untrusted: anything else is refused with a reason.
// Needs nothing but Qt Core, so it can be driven by a fuzzer.

#include <QByteArray>
#include <QList>
#include <QNetworkCookie>
#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <optional>

struct BridgeMessage
{
    QString url;
    QString metadata;
    bool direct = true; // false: the page asks for our own analysis of the address first
};

namespace bridge {

constexpr int kMaxMessageBytes = 256 * 1024;
constexpr int kMaxUrlLength = 8 * 1024;

// The message, or nothing (with the reason in `why`) when it breaks the rules above.
std::optional<BridgeMessage> parseMessage(const QByteArray &data, QString *why = nullptr);

// The message as it may be written to the log: the metadata (cookies) never appears in it.
QString loggable(const QByteArray &data);

// The "http_headers" of a metadata text, only string values; empty when it is not Base64 of a
// JSON object with such an object.
QVariantMap httpHeaders(const QString &metadata);
// Base64 of {"http_headers": headers}.
QString makeMetadata(const QVariantMap &headers);

// The metadata with the browser's cookies for `url` added to its "Cookie" header: a page script
// sees no HttpOnly cookie, and those are the ones that keep a user signed in. Cookies already in
// the header keep their value. Metadata that is not ours is returned unchanged.
QString withCookies(const QString &metadata, const QUrl &url, const QList<QNetworkCookie> &cookies);

} // namespace bridge
