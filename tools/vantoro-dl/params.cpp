#include "params.h"

#include "output.h"

#include <QFile>
#include <QJsonDocument>
#include <QUrl>

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
    // Header values end at the line: a line break would smuggle in a header of its own.
    auto field = [&h](const char *key) {
        return h.value(QLatin1String(key)).toString().section(QLatin1Char('\n'), 0, 0).trimmed();
    };
    headers.referer = field("Referer");
    headers.cookie = field("Cookie");
    headers.userAgent = field("UserAgent");
    if (headers.userAgent.isEmpty())
        headers.userAgent = field("User-Agent");
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
        downloader.insert(
            QStringLiteral("metadata"),
            QJsonObject{{QStringLiteral("Referer"), h.referer},
                        {QStringLiteral("UserAgent"), h.userAgent},
                        {QStringLiteral("Cookie"),
                         h.cookie.isEmpty() ? QString() : QStringLiteral("<hidden>")}});
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
