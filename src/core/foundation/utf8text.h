#pragma once

// UTF-8 decoded as it stands. QString::fromUtf8 drops a byte order mark at the start of the
// bytes it is given; a title, a path or a tool's message may well begin with U+FEFF, and a
// text read back from where it was kept must be the text that was written.

#include <QString>

#include <cstring>

inline QString exactUtf8(const char *data, int size)
{
    static constexpr char kMark[] = "\xEF\xBB\xBF";
    int marks = 0;
    while (size - 3 * marks >= 3 && std::memcmp(data + 3 * marks, kMark, 3) == 0)
        ++marks;
    if (marks == 0)
        return QString::fromUtf8(data, size);
    return QString(marks, QChar(0xFEFF)) + QString::fromUtf8(data + 3 * marks, size - 3 * marks);
}

inline QString exactUtf8(const QByteArray &utf8)
{
    return exactUtf8(utf8.constData(), utf8.size());
}
