#include "output.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

namespace out {

namespace {
QStringList &secrets()
{
    static QStringList list;
    return list;
}
constexpr int kErrorLength = 300;
} // namespace

void addSecret(const QString &secret)
{
    if (secret.size() >= 3 && !secrets().contains(secret))
        secrets().append(secret);
}

QString masked(QString text)
{
    for (const QString &secret : secrets())
        text.replace(secret, QStringLiteral("<hidden>"));
    return text;
}

QString oneLine(const QString &text)
{
    QString single = masked(text).simplified();
    if (single.size() > kErrorLength)
        single = single.left(kErrorLength - 3) + QStringLiteral("...");
    return single;
}

void line(const QString &type, const QJsonObject &msg)
{
    const QJsonObject object{{QStringLiteral("type"), type}, {QStringLiteral("msg"), msg}};
    QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    if (!secrets().isEmpty())
        bytes = masked(QString::fromUtf8(bytes)).toUtf8();
    bytes += '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

QString kindOf(int code, const QString &error)
{
    auto has = [&error](const char *text) {
        return error.contains(QLatin1String(text), Qt::CaseInsensitive);
    };
    if (code == Interrupted)
        return kind::Interrupted;
    if (has("No space left") || has("Disk quota"))
        return kind::NoSpace;
    if (code == WriteFailed || has("Read-only file system") || has("Permission denied"))
        return kind::NotWritable;
    if (code == Unsupported || has("Unsupported URL") || has("no media found"))
        return kind::Unsupported;
    static const QRegularExpression http(QStringLiteral("HTTP Error (\\d{3})"));
    const QRegularExpressionMatch m = http.match(error);
    if (m.hasMatch()) {
        const int status = m.captured(1).toInt();
        if (status == 404 || status == 410)
            return kind::NotFound;
        if (status == 401 || status == 403)
            return kind::Forbidden;
        if (status >= 500)
            return kind::ServerError;
        return kind::Other;
    }
    if (has("Connection refused"))
        return kind::ConnectionRefused;
    if (has("Name or service not known") || has("name resolution") ||
        has("No address associated with hostname") || has("Host not found"))
        return kind::HostNotFound;
    if (has("timed out"))
        return kind::TimedOut;
    return kind::Other;
}

int failure(int code, const QString &error, const QString &kind)
{
    const QString text = oneLine(error);
    line(QStringLiteral("finished"),
         {{QStringLiteral("ret_code"), QString::number(code)},
          {QStringLiteral("error"), text},
          {QStringLiteral("error_kind"), kind.isEmpty() ? kindOf(code, text) : kind},
          {QStringLiteral("filepath"), QString()}});
    note(text);
    return code;
}

void note(const QString &text)
{
    std::fprintf(stderr, "vantoro-dl: %s\n", qUtf8Printable(masked(text)));
}

QString sizeText(double bytes)
{
    if (bytes < 1024)
        return QString::number(bytes, 'f', 0) + QStringLiteral("B");
    if (bytes < 1024.0 * 1024)
        return QString::number(bytes / 1024, 'f', 1) + QStringLiteral("KB");
    if (bytes < 1024.0 * 1024 * 1024)
        return QString::number(bytes / (1024.0 * 1024), 'f', 1) + QStringLiteral("MB");
    return QString::number(bytes / (1024.0 * 1024 * 1024), 'f', 2) + QStringLiteral("GB");
}

QString speedText(double bytesPerSecond)
{
    return sizeText(bytesPerSecond) + QStringLiteral("/s");
}

} // namespace out
