#pragma once

// Reading the parameter file: bounded in size, checked in type. Every scalar is a JSON string
// (flags may also be JSON booleans); a value of another type is a bad argument, never guessed at.

#include <QJsonObject>
#include <QString>

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
// {"http_headers": {"Referer": ..., "Cookie": ..., "UserAgent": ...}}.
struct Headers
{
    QString referer;
    QString cookie;
    QString userAgent;
    bool isEmpty() const { return referer.isEmpty() && cookie.isEmpty() && userAgent.isEmpty(); }
};
// Unreadable metadata is ignored with a note on standard error. The cookie becomes a secret.
Headers headersFrom(const QString &metadata);

// "http://[user:password@]host:port" from "downloader"."proxy", or empty; the password becomes
// a secret.
QString proxyFrom(Reader &reader, const QJsonObject &downloader);

// The parameters as the "param" line shows them: page headers decoded with the cookie hidden,
// the proxy password hidden.
QJsonObject echo(const QJsonObject &root, const Headers &headers);

} // namespace params
