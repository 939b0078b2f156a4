#include "core/foundation/compacttext.h"
#include "core/foundation/utf8text.h"

#include <QHashFunctions>
#include <QVarLengthArray>

#include <algorithm>

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

namespace {
// A block begins with the count of its holders; its pieces follow, each at a multiple of four
// bytes.
constexpr quint32 kHead = sizeof(QAtomicInt);
} // namespace

CompactText::Piece *CompactText::allocate(int size)
{
    const bool isLong = size >= kLong;
    const size_t head = kHead + (isLong ? sizeof(qint32) : 0);
    void *memory = std::malloc(head + offsetof(Piece, bytes) + size_t(size));
    if (!memory)
        throw std::bad_alloc();
    new (memory) QAtomicInt(1);
    char *at = static_cast<char *>(memory) + head;
    if (isLong) {
        const qint32 longSize = size;
        std::memcpy(at - sizeof longSize, &longSize, sizeof longSize);
    }
    Piece *piece = new (at) Piece;
    piece->back = quint16(head / 4);
    piece->shortSize = isLong ? kLong : quint16(size);
    return piece;
}

void CompactText::release()
{
    if (d && d->shortSize > 0 && !holders().deref())
        std::free(reinterpret_cast<char *>(d) - 4 * d->back);
    d = nullptr;
}

void CompactText::pack(CompactText *const *texts, int count)
{
    const auto pieceBytes = [](int size) {
        return quint32(offsetof(Piece, bytes) + size_t(size) + 3) & ~quint32(3);
    };
    // Which text's piece each text takes: its own, that of an equal text before it, or none
    // (null and empty texts, long ones, and a text named twice).
    QVarLengthArray<int, 8> source(count);
    qint64 bytes = kHead;
    int holders = 0;
    for (int i = 0; i < count; ++i) {
        source[i] = -1;
        if (texts[i]->isEmpty() || texts[i]->d->shortSize == kLong ||
            std::find(texts, texts + i, texts[i]) != texts + i)
            continue;
        ++holders;
        source[i] = i;
        for (int j = 0; j < i && source[i] == i; ++j) {
            if (source[j] == j && *texts[j] == *texts[i])
                source[i] = j;
        }
        if (source[i] == i)
            bytes += pieceBytes(texts[i]->d->shortSize);
    }
    // Every piece must lie within reach of the block's start.
    if (holders == 0 || bytes > 4 * qint64(0xFFFF))
        return;
    char *block = static_cast<char *>(std::malloc(size_t(bytes)));
    if (!block)
        throw std::bad_alloc();
    new (block) QAtomicInt(holders);
    QVarLengthArray<Piece *, 8> pieces(count);
    quint32 at = kHead;
    for (int i = 0; i < count; ++i) {
        if (source[i] != i)
            continue;
        const Piece *from = texts[i]->d;
        Piece *piece = new (block + at) Piece;
        piece->back = quint16(at / 4);
        piece->shortSize = from->shortSize;
        std::memcpy(piece->bytes, from->bytes, from->shortSize);
        pieces[i] = piece;
        at += pieceBytes(from->shortSize);
    }
    for (int i = 0; i < count; ++i) {
        if (source[i] < 0)
            continue;
        texts[i]->release();
        texts[i]->d = pieces[source[i]];
    }
}

CompactText::CompactText(const QString &text)
{
    if (text.isNull())
        return;
    if (text.isEmpty()) {
        static Piece empty{0, 0, {0}};
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
    const int size = this->size();
    if (size == 0)
        return QString(QLatin1String(""));
    if (d->bytes[0] == kUtf16Mark) {
        // The units follow the mark unaligned: copied, not pointed at.
        QString text((size - 1) / int(sizeof(QChar)), Qt::Uninitialized);
        std::memcpy(text.data(), d->bytes + 1, size_t(text.size()) * sizeof(QChar));
        return text;
    }
    return exactUtf8(d->bytes, size);
}

bool operator==(const CompactText &a, const CompactText &b)
{
    if (a.d == b.d)
        return true;
    if (!a.d || !b.d || a.size() != b.size())
        return false;
    return std::memcmp(a.d->bytes, b.d->bytes, size_t(a.size())) == 0;
}

uint qHash(const CompactText &text, uint seed)
{
    return text.d ? qHashBits(text.d->bytes, size_t(text.size()), seed) : seed;
}
