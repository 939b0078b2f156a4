#pragma once

// Reading the parameter file: bounded in size, checked in type. Every scalar is a JSON string
// (flags may also be JSON booleans); a value of another type is a bad argument, never guessed at.

#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace params {

constexpr qint64 kMaxFileSize = 1024 * 1024;

// Reads and parses the file; on failure returns out::BadParameterFile with a reason in `error`.
int load(const QString &path, QJsonObject *root, QString *error);

// Typed access that remembers the first value of the wrong type; the caller checks problem()
// once it has read what it needs.
class Reader
{
public:
    QString text(const QJsonObject &object, const char *key);
    bool flag(const QJsonObject &object, const char *key);
    QJsonObject object(const QJsonObject &object, const char *key);
    const QString &problem() const { return firstProblem; }

private:
    void wrongType(const char *key, const char *expected);
    QString firstProblem;
};

// The page's own request headers, handed over by the built-in browser as "metadata": Base64 of
// {"http_headers": {...}}. Only an allow-list is used: "User-Agent" (or "UserAgent"), "Referer",
// "Origin" and "Accept-Language"; every other header is dropped. A "Cookie" header is never sent
// as a header: it becomes cookies scoped to the requested address's site (see cookies.h).
struct Headers
{
    QString userAgent;
    QString referer; // an http(s) address
    QString origin;  // an http(s) address
    QString acceptLanguage;
    QString cookie;      // a secret
    QStringList dropped; // the names of the headers not used
    bool isEmpty() const
    {
        return userAgent.isEmpty() && referer.isEmpty() && origin.isEmpty() &&
               acceptLanguage.isEmpty() && cookie.isEmpty();
    }
    // The allow-listed headers as (name, value) pairs, in a fixed order; never the cookie.
    QList<QPair<QByteArray, QByteArray>> sendable() const;
};
// Unreadable metadata is ignored with a note on standard error, and so are dropped headers (by
// name). The cookie becomes a secret.
Headers headersFrom(const QString &metadata);

// "http://[user:password@]host:port" from "downloader"."proxy", or empty; the password becomes
// a secret.
QString proxyFrom(Reader &reader, const QJsonObject &downloader);

// The parameters as the "param" line shows them: page headers decoded (the ones used) with the
// cookie hidden, the proxy password hidden.
QJsonObject echo(const QJsonObject &root, const Headers &headers);

} // namespace params
