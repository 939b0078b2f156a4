#include "core/foundation/compacttext.h"

#include <QHashFunctions>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

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

CompactText::Block *CompactText::allocate(int size)
{
    void *memory = std::malloc(offsetof(Block, bytes) + size_t(size));
    if (!memory)
        throw std::bad_alloc();
    Block *block = new (memory) Block;
    block->holders.storeRelaxed(1);
    block->size = size;
    return block;
}

void CompactText::release()
{
    if (d && d->size > 0 && !d->holders.deref()) {
        d->~Block();
        std::free(d);
    }
    d = nullptr;
}

CompactText::CompactText(const QString &text)
{
    if (text.isNull())
        return;
    if (text.isEmpty()) {
        static Block empty{QAtomicInt(1), 0, {0}};
        d = &empty;
        return;
    }
    if (isPlainAscii(text)) {
        d = allocate(text.size());
        char *out = d->bytes;
        for (const QChar c : text)
            *out++ = char(c.unicode());
        return;
    }
    if (surrogatesPaired(text)) {
        const QByteArray utf8 = text.toUtf8();
        d = allocate(utf8.size());
        std::memcpy(d->bytes, utf8.constData(), size_t(utf8.size()));
        return;
    }
    const int units = text.size() * int(sizeof(QChar));
    d = allocate(1 + units);
    d->bytes[0] = kUtf16Mark;
    std::memcpy(d->bytes + 1, text.constData(), size_t(units));
}

QString CompactText::toString() const
{
    if (!d)
        return QString();
    if (d->size == 0)
        return QString(QLatin1String(""));
    if (d->bytes[0] == kUtf16Mark) {
        // The units follow the mark unaligned: copied, not pointed at.
        QString text((d->size - 1) / int(sizeof(QChar)), Qt::Uninitialized);
        std::memcpy(text.data(), d->bytes + 1, size_t(text.size()) * sizeof(QChar));
        return text;
    }
    return QString::fromUtf8(d->bytes, d->size);
}

bool operator==(const CompactText &a, const CompactText &b)
{
    if (a.d == b.d)
        return true;
    if (!a.d || !b.d || a.d->size != b.d->size)
        return false;
    return std::memcmp(a.d->bytes, b.d->bytes, size_t(a.d->size)) == 0;
}

uint qHash(const CompactText &text, uint seed)
{
    return text.d ? qHashBits(text.d->bytes, size_t(text.d->size), seed) : seed;
}
