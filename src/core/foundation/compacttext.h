#pragma once

// A text kept as UTF-8 in a block of its exact size: for the addresses and paths that every job
// of a long list holds and that are read far less often than they are kept (a finished list of
// 100,000 jobs keeps several such texts each; as QString they take twice the bytes, plus the
// slack of a grown block). It reads as a QString: converting costs one decoding, done by the
// few who ask. A text with an unpaired surrogate (which UTF-8 cannot carry) is kept as its
// UTF-16 units behind a 0xFF byte, which UTF-8 never contains, so every QString comes back as
// it went in, null and empty ones included.
// The texts of one value (a job's address, folders and title) can be packed into one block
// together (pack): one allocation and one count of holders instead of one of each per text.

#include <QAtomicInt>
#include <QString>

#include <cstring>
#include <utility>

class CompactText
{
public:
    CompactText() = default;
    CompactText(const QString &text); // NOLINT: reads and writes as the QString it keeps
    CompactText(const CompactText &other)
        : d(other.d)
    {
        hold();
    }
    CompactText(CompactText &&other) noexcept
        : d(std::exchange(other.d, nullptr))
    {
    }
    CompactText &operator=(const CompactText &other)
    {
        CompactText(other).swap(*this);
        return *this;
    }
    CompactText &operator=(CompactText &&other) noexcept
    {
        swap(other);
        return *this;
    }
    CompactText &operator=(const QString &text) { return *this = CompactText(text); }
    ~CompactText() { release(); }
    void swap(CompactText &other) noexcept { std::swap(d, other.d); }

    QString toString() const;
    operator QString() const { return toString(); } // NOLINT: see above

    bool isEmpty() const { return !d || d->shortSize == 0; }
    bool isNull() const { return !d; }

    // Keeps the texts in one block of their exact sizes, equal texts once: a value that holds
    // several texts for as long as it lives pays one allocation for all of them. Each text
    // stays what it was; the block is freed when the last of them lets go of it.
    static void pack(CompactText *const *texts, int count);

    // Compared and hashed in the kept form (equal texts have equal forms): no text is decoded.
    friend bool operator==(const CompactText &a, const CompactText &b);
    friend bool operator!=(const CompactText &a, const CompactText &b) { return !(a == b); }
    friend uint qHash(const CompactText &text, uint seed);
    friend bool operator==(const CompactText &a, const QString &b) { return a.toString() == b; }
    friend bool operator!=(const CompactText &a, const QString &b) { return !(a == b); }
    friend bool operator==(const QString &a, const CompactText &b) { return b == a; }
    friend bool operator!=(const QString &a, const CompactText &b) { return !(b == a); }

private:
    // The kept form behind its size and the distance back to the start of its block (in steps
    // of four bytes), where the count of the block's holders is: a block holds one text, or
    // the texts of one value packed (a QByteArray would add a header of six times that, and a
    // terminating zero). A text of kLong bytes or more has its size in the four bytes before
    // the header, and a block of its own. Copies share the block; the empty text is one that
    // is never freed.
    struct Piece
    {
        quint16 back;
        quint16 shortSize;
        char bytes[1];
    };
    static constexpr quint16 kLong = 0xFFFF;
    static Piece *allocate(int size);
    int size() const
    {
        if (d->shortSize != kLong)
            return d->shortSize;
        qint32 size;
        std::memcpy(&size, reinterpret_cast<const char *>(d) - sizeof size, sizeof size);
        return size;
    }
    QAtomicInt &holders() const
    {
        return *reinterpret_cast<QAtomicInt *>(reinterpret_cast<char *>(d) - 4 * d->back);
    }
    void hold() const
    {
        if (d && d->shortSize > 0)
            holders().ref();
    }
    void release();

    Piece *d = nullptr;
};

uint qHash(const CompactText &text, uint seed = 0);
