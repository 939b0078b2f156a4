#include "core/foundation/compacttext.h"

#include <cstring>

namespace {
constexpr char kUtf16Mark = char(0xFF);

bool isPlainAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Every surrogate is one half of a pair, in order.
bool surrogatesPaired(const QString &text)
{
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}
} // namespace

QByteArray CompactText::pack(const QString &text)
{
    if (text.isNull())
        return QByteArray();
    if (text.isEmpty())
        return QByteArray("", 0);
    if (isPlainAscii(text)) {
        QByteArray ascii(text.size(), Qt::Uninitialized);
        char *out = ascii.data();
        for (const QChar c : text)
            *out++ = char(c.unicode());
        return ascii;
    }
    if (surrogatesPaired(text)) {
        // toUtf8 leaves room for three bytes a character: copied out at its size.
        const QByteArray utf8 = text.toUtf8();
        return QByteArray(utf8.constData(), utf8.size());
    }
    const int units = text.size() * int(sizeof(QChar));
    QByteArray raw(1 + units, Qt::Uninitialized);
    raw[0] = kUtf16Mark;
    std::memcpy(raw.data() + 1, text.constData(), size_t(units));
    return raw;
}

QString CompactText::toString() const
{
    if (bytes.isNull())
        return QString();
    if (bytes.isEmpty())
        return QString(QLatin1String(""));
    if (bytes.at(0) == kUtf16Mark) {
        // The units follow the mark unaligned: copied, not pointed at.
        QString text((bytes.size() - 1) / int(sizeof(QChar)), Qt::Uninitialized);
        std::memcpy(text.data(), bytes.constData() + 1, size_t(text.size()) * sizeof(QChar));
        return text;
    }
    return QString::fromUtf8(bytes.constData(), bytes.size());
}
