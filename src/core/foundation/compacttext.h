#pragma once

// A text kept as UTF-8 in a block of its exact size: for the addresses and paths that every job
// of a long list holds and that are read far less often than they are kept (a finished list of
// 100,000 jobs keeps several such texts each; as QString they take twice the bytes, plus the
// slack of a grown block). It reads as a QString: converting costs one decoding, done by the
// few who ask. A text with an unpaired surrogate (which UTF-8 cannot carry) is kept as its
// UTF-16 units behind a 0xFF byte, which UTF-8 never contains, so every QString comes back as
// it went in, null and empty ones included.

#include <QByteArray>
#include <QString>

class CompactText
{
public:
    CompactText() = default;
    CompactText(const QString &text) // NOLINT: reads and writes as the QString it keeps
        : bytes(pack(text))
    {
    }
    CompactText &operator=(const QString &text)
    {
        bytes = pack(text);
        return *this;
    }

    QString toString() const;
    operator QString() const { return toString(); } // NOLINT: see above

    bool isEmpty() const { return bytes.isEmpty(); }
    bool isNull() const { return bytes.isNull(); }
    // The kept form: equal texts have equal forms, so it serves as a key for sets and hashes.
    const QByteArray &key() const { return bytes; }

    friend bool operator==(const CompactText &a, const CompactText &b)
    {
        return a.bytes == b.bytes;
    }
    friend bool operator!=(const CompactText &a, const CompactText &b) { return !(a == b); }
    friend bool operator==(const CompactText &a, const QString &b) { return a.toString() == b; }
    friend bool operator!=(const CompactText &a, const QString &b) { return !(a == b); }
    friend bool operator==(const QString &a, const CompactText &b) { return b == a; }
    friend bool operator!=(const QString &a, const CompactText &b) { return !(b == a); }

private:
    static QByteArray pack(const QString &text);

    QByteArray bytes;
};
