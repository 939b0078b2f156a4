#include "core/browser/bridgemessage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QUrl>

namespace bridge {

namespace {
bool refuse(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

bool validUrl(const QString &text, QString *why)
{
    if (text.isEmpty() || text.size() > kMaxUrlLength)
        return refuse(why, QStringLiteral("\"url\" is empty or too long"));
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.host().isEmpty())
        return refuse(why, QStringLiteral("\"url\" is not an http(s) address"));
    return true;
}
} // namespace

std::optional<BridgeMessage> parseMessage(const QByteArray &data, QString *why)
{
    if (data.size() > kMaxMessageBytes) {
        refuse(why, QStringLiteral("message too long"));
        return std::nullopt;
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        refuse(why, QStringLiteral("not a JSON object"));
        return std::nullopt;
    }
    const QJsonObject object = doc.object();
    const QJsonValue url = object.value(QLatin1String("url"));
    if (!url.isString()) {
        refuse(why, QStringLiteral("no string \"url\""));
        return std::nullopt;
    }
    BridgeMessage message;
    message.url = url.toString().trimmed();
    if (!validUrl(message.url, why))
        return std::nullopt;
    const QJsonValue metadata = object.value(QLatin1String("metadata"));
    if (!metadata.isUndefined() && !metadata.isNull()) {
        if (!metadata.isString()) {
            refuse(why, QStringLiteral("\"metadata\" is not a string"));
            return std::nullopt;
        }
        message.metadata = metadata.toString();
    }
    const QJsonValue direct = object.value(QLatin1String("direct"));
    if (!direct.isUndefined()) {
        if (!direct.isBool()) {
            refuse(why, QStringLiteral("\"direct\" is not a boolean"));
            return std::nullopt;
        }
        message.direct = direct.toBool();
    }
    return message;
}

QString loggable(const QByteArray &data)
{
    const QJsonDocument doc = QJsonDocument::fromJson(data.left(kMaxMessageBytes));
    if (!doc.isObject())
        return QStringLiteral("(%1 bytes, not a JSON object)").arg(data.size());
    QJsonObject object = doc.object();
    if (object.contains(QLatin1String("metadata")))
        object.insert(QLatin1String("metadata"),
                      QStringLiteral("(%1 characters, hidden)")
                          .arg(object.value(QLatin1String("metadata")).toString().size()));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)).left(2048);
}

QVariantMap httpHeaders(const QString &metadata)
{
    if (metadata.isEmpty() || metadata.size() > kMaxMessageBytes)
        return {};
    const QByteArray::FromBase64Result decoded = QByteArray::fromBase64Encoding(
        metadata.toLatin1(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return {};
    const QJsonValue headers =
        QJsonDocument::fromJson(decoded.decoded).object().value(QLatin1String("http_headers"));
    QVariantMap out;
    const QJsonObject object = headers.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.value().isString())
            out.insert(it.key(), it.value().toString());
    }
    return out;
}

QString makeMetadata(const QVariantMap &headers)
{
    const QJsonObject root{{QStringLiteral("http_headers"), QJsonObject::fromVariantMap(headers)}};
    return QString::fromLatin1(QJsonDocument(root).toJson(QJsonDocument::Compact).toBase64());
}

QVariantMap allowedHeaders(const QVariantMap &headers)
{
    static const QStringList allowed = {QStringLiteral("Referer"), QStringLiteral("Origin"),
                                        QStringLiteral("Accept-Language")};
    QVariantMap out;
    for (auto it = headers.begin(); it != headers.end(); ++it) {
        const QString value = it.value().toString();
        if (value.isEmpty() || value.size() > kMaxHeaderLength ||
            value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')) ||
            value.contains(QChar(0)))
            continue;
        const QString name = it.key();
        if (name.compare(QLatin1String("User-Agent"), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String("UserAgent"), Qt::CaseInsensitive) == 0) {
            out.insert(QStringLiteral("UserAgent"), value);
            continue;
        }
        for (const QString &known : allowed) {
            if (name.compare(known, Qt::CaseInsensitive) == 0)
                out.insert(known, value);
        }
    }
    return out;
}

QString pageMetadata(const QString &metadata)
{
    const QVariantMap headers = allowedHeaders(httpHeaders(metadata));
    return headers.isEmpty() ? QString() : makeMetadata(headers);
}

} // namespace bridge
