#include "output.h"

#include <QJsonDocument>

#include <cstdio>

namespace out {

void line(const QString &type, const QJsonObject &msg)
{
    const QJsonObject object{{QStringLiteral("type"), type}, {QStringLiteral("msg"), msg}};
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

int failure(int code, const QString &error)
{
    line(QStringLiteral("finished"), {{QStringLiteral("ret_code"), QString::number(code)},
                                      {QStringLiteral("error"), error},
                                      {QStringLiteral("filepath"), QString()}});
    std::fprintf(stderr, "vantoro-dl: %s\n", qUtf8Printable(error));
    return code;
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
