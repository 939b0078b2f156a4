#include "output.h"

#include <QJsonDocument>
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

int failure(int code, const QString &error)
{
    const QString text = oneLine(error);
    line(QStringLiteral("finished"), {{QStringLiteral("ret_code"), QString::number(code)},
                                      {QStringLiteral("error"), text},
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
