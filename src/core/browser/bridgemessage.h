#pragma once

// One message a page script sends through the "bridge" object: a JSON object with a string
// "url" (http or https), an optional string "metadata" (Base64 of {"http_headers": {...}}) and an
// optional boolean "direct". Page messages are untrusted: anything else is refused with a reason.
// Needs nothing but Qt Core, so it can be driven by a fuzzer.

#include <QByteArray>
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
constexpr int kMaxHeaderLength = 4 * 1024;

// The message, or nothing (with the reason in `why`) when it breaks the rules above.
std::optional<BridgeMessage> parseMessage(const QByteArray &data, QString *why = nullptr);

// The message as it may be written to the log: the metadata (cookies) never appears in it.
QString loggable(const QByteArray &data);

// The "http_headers" of a metadata text, only string values; empty when it is not Base64 of a
// JSON object with such an object.
QVariantMap httpHeaders(const QString &metadata);
// Base64 of {"http_headers": headers}.
QString makeMetadata(const QVariantMap &headers);

// The only request headers a page may hand to a download: "User-Agent" (also spelt
// "UserAgent", the form the download tool reads), "Referer", "Origin" and "Accept-Language".
// Anything else a page sends ("Cookie", "Authorization", "Host", ...) is dropped.
QVariantMap allowedHeaders(const QVariantMap &headers);
// The metadata of a page message as it may reach a download: its allowed headers only, with the
// user agent as "UserAgent"; empty when nothing is left (or it was not ours to read).
QString pageMetadata(const QString &metadata);

} // namespace bridge
