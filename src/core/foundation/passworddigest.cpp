#include "core/foundation/passworddigest.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace passworddigest {

namespace {

constexpr char kScheme[] = "pbkdf2-sha256";
constexpr int kDigestBytes = 32;
// A stored text asking for more than this is refused rather than run for minutes.
constexpr int kMaxIterations = 10000000;

QByteArray derive(const QString &password, const QByteArray &salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, kDigestBytes);
}

} // namespace

QString make(const QString &password, int iterations)
{
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()),
                                          kSaltBytes / int(sizeof(quint32)));
    return QStringLiteral("%1$%2$%3$%4")
        .arg(QLatin1String(kScheme))
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()),
             QString::fromLatin1(derive(password, salt, iterations).toBase64()));
}

bool isDigest(const QString &stored)
{
    return stored.startsWith(QLatin1String(kScheme) + QLatin1Char('$'));
}

bool matches(const QString &stored, const QString &password)
{
    if (!isDigest(stored))
        return !stored.isEmpty() && constantTimeEquals(stored.toUtf8(), password.toUtf8());
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    const int iterations = parts.at(1).toInt(&ok);
    const QByteArray salt = QByteArray::fromBase64(parts.at(2).toLatin1());
    const QByteArray digest = QByteArray::fromBase64(parts.at(3).toLatin1());
    if (!ok || iterations < 1 || iterations > kMaxIterations || salt.isEmpty() ||
        digest.size() != kDigestBytes)
        return false;
    return constantTimeEquals(derive(password, salt, iterations), digest);
}

bool constantTimeEquals(const QByteArray &a, const QByteArray &b)
{
    // Every byte of the longer text is looked at, whatever the first difference.
    const int length = qMax(a.size(), b.size());
    unsigned char difference = a.size() == b.size() ? 0 : 1;
    for (int i = 0; i < length; ++i) {
        const unsigned char x = i < a.size() ? static_cast<unsigned char>(a.at(i)) : 0;
        const unsigned char y = i < b.size() ? static_cast<unsigned char>(b.at(i)) : 0;
        difference |= x ^ y;
    }
    return difference == 0;
}

} // namespace passworddigest
