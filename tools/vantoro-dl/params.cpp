#include "params.h"

#include "output.h"

#include <QFile>
#include <QJsonDocument>
#include <QUrl>

#include <algorithm>

namespace params {

int load(const QString &path, QJsonObject *root, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            QStringLiteral("cannot read the parameter file %1: %2").arg(path, file.errorString());
        return out::BadParameterFile;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        *error = QStringLiteral("the parameter file is larger than 1 MiB");
        return out::BadParameterFile;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        *error = QStringLiteral("the parameter file is not a JSON object: %1")
                     .arg(parseError.error != QJsonParseError::NoError
                              ? parseError.errorString()
                              : QStringLiteral("not an object"));
        return out::BadParameterFile;
    }
    *root = doc.object();
    return out::Ok;
}

void Reader::wrongType(const char *key, const char *expected)
{
    if (firstProblem.isEmpty())
        firstProblem =
            QStringLiteral("\"%1\" must be %2").arg(QLatin1String(key), QLatin1String(expected));
}

QString Reader::text(const QJsonObject &object, const char *key)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isString())
        return v.toString();
    if (!v.isUndefined() && !v.isNull())
        wrongType(key, "a string");
    return QString();
}

bool Reader::flag(const QJsonObject &object, const char *key)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isBool())
        return v.toBool();
    if (v.isString())
        return v.toString() == QLatin1String("true");
    if (!v.isUndefined() && !v.isNull())
        wrongType(key, "\"true\" or \"false\"");
    return false;
}

QJsonObject Reader::object(const QJsonObject &object, const char *key)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isObject())
        return v.toObject();
    if (!v.isUndefined() && !v.isNull())
        wrongType(key, "an object");
    return QJsonObject();
}

QList<QPair<QByteArray, QByteArray>> Headers::sendable() const
{
    QList<QPair<QByteArray, QByteArray>> list;
    auto add = [&list](const char *name, const QString &value) {
        if (!value.isEmpty())
            list.append({QByteArray(name), value.toUtf8()});
    };
    add("User-Agent", userAgent);
    add("Referer", referer);
    add("Origin", origin);
    add("Accept-Language", acceptLanguage);
    return list;
}

Headers headersFrom(const QString &metadata)
{
    Headers headers;
    if (metadata.isEmpty())
        return headers;
    const auto decoded = QByteArray::fromBase64Encoding(metadata.toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    QJsonParseError parseError;
    const QJsonDocument doc =
        decoded ? QJsonDocument::fromJson(*decoded, &parseError) : QJsonDocument();
    const QJsonValue http = doc.object().value(QLatin1String("http_headers"));
    if (!decoded || parseError.error != QJsonParseError::NoError || !http.isObject()) {
        out::note(QStringLiteral("ignoring \"metadata\": not Base64 of a JSON object with "
                                 "\"http_headers\""));
        return headers;
    }
    const QJsonObject h = http.toObject();
    for (auto it = h.begin(); it != h.end(); ++it) {
        const QString name = it.key().toLower();
        // One line of printable text: a line break would smuggle in a header of its own.
        QString value = it.value().toString().section(QLatin1Char('\n'), 0, 0);
        value = value.section(QLatin1Char('\r'), 0, 0).trimmed();
        const bool printable = std::all_of(value.cbegin(), value.cend(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() != 0x7f;
        });
        const int limit = name == QLatin1String("cookie") ? 8192 : 2048;
        const bool usable = it.value().isString() && printable && value.size() <= limit;
        auto webAddress = [&value] {
            const QUrl url(value, QUrl::StrictMode);
            return url.isValid() && !url.host().isEmpty() &&
                   (url.scheme() == QLatin1String("http") ||
                    url.scheme() == QLatin1String("https"));
        };
        if (usable && (name == QLatin1String("user-agent") || name == QLatin1String("useragent")))
            headers.userAgent = value;
        else if (usable && name == QLatin1String("referer") && webAddress())
            headers.referer = value;
        else if (usable && name == QLatin1String("origin") && webAddress())
            headers.origin = value;
        else if (usable && name == QLatin1String("accept-language"))
            headers.acceptLanguage = value;
        else if (usable && name == QLatin1String("cookie"))
            headers.cookie = value;
        else if (headers.dropped.size() < 20)
            headers.dropped << it.key().left(64);
    }
    if (!headers.dropped.isEmpty())
        out::note(QStringLiteral("page headers not used: %1").arg(headers.dropped.join(", ")));
    out::addSecret(headers.cookie);
    return headers;
}

QString proxyFrom(Reader &reader, const QJsonObject &downloader)
{
    const QJsonObject p = reader.object(downloader, "proxy");
    const QString host = reader.text(p, "host");
    const QString port = reader.text(p, "port");
    const QString user = reader.text(p, "username");
    const QString password = reader.text(p, "password");
    const QString protocol = reader.text(p, "protocol");
    if (host.isEmpty() || port.isEmpty())
        return QString();
    QString credentials;
    if (!user.isEmpty()) {
        const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(password));
        out::addSecret(password);
        out::addSecret(encoded);
        credentials =
            QString::fromLatin1(QUrl::toPercentEncoding(user)) + QLatin1Char(':') + encoded + '@';
    }
    const QString scheme = protocol.isEmpty() ? QStringLiteral("http") : protocol;
    return QStringLiteral("%1://%2%3:%4").arg(scheme, credentials, host, port);
}

QJsonObject echo(const QJsonObject &root, const Headers &h)
{
    QJsonObject shown = root;
    QJsonObject downloader = root.value(QLatin1String("downloader")).toObject();
    if (downloader.contains(QLatin1String("metadata"))) {
        QJsonObject used;
        for (const auto &header : h.sendable())
            used.insert(QString::fromLatin1(header.first), QString::fromUtf8(header.second));
        if (!h.cookie.isEmpty())
            used.insert(QStringLiteral("Cookie"), QStringLiteral("<hidden>"));
        downloader.insert(QStringLiteral("metadata"), used);
    }
    QJsonObject proxy = downloader.value(QLatin1String("proxy")).toObject();
    if (!proxy.value(QLatin1String("password")).toString().isEmpty()) {
        proxy.insert(QStringLiteral("password"), QStringLiteral("<hidden>"));
        downloader.insert(QStringLiteral("proxy"), proxy);
    }
    if (root.value(QLatin1String("downloader")).isObject())
        shown.insert(QStringLiteral("downloader"), downloader);
    return shown;
}

} // namespace params
