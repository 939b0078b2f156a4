#include "core/protocol/lineform.h"

#include "core/foundation/utf8text.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cstdio>
#include <cstring>

namespace protocol {
namespace lineform {

namespace {

// A reader of one line in the flat form: strict JSON, so that whatever it takes Qt's reader
// would take too (and read the same).
class Scanner
{
public:
    explicit Scanner(const QByteArray &line)
        : p(line.constData())
        , begin(line.constData())
        , end(line.constData() + line.size())
    {
    }

    int at() const { return int(p - begin); }
    bool done()
    {
        space();
        return p == end;
    }
    void space()
    {
        while (p < end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r'))
            ++p;
    }
    bool take(char c)
    {
        space();
        if (p == end || *p != c)
            return false;
        ++p;
        return true;
    }
    bool peek(char c)
    {
        space();
        return p < end && *p == c;
    }

    // A string: the places of its text (inside the quotes) and whether it has escapes.
    bool string(int *from, int *to, bool *escaped)
    {
        if (!take('"'))
            return false;
        const char *first = p;
        *escaped = false;
        while (p < end && *p != '"') {
            const uchar c = uchar(*p);
            if (c < 0x20)
                return false;
            if (c == '\\') {
                *escaped = true;
                if (++p == end)
                    return false;
            }
            ++p;
        }
        if (p == end)
            return false;
        *from = int(first - begin);
        *to = int(p - begin);
        ++p;
        return true;
    }

    // Any value, with the places of its text: a string's inside its quotes, a number or
    // true/false as written; null and containers have none.
    bool value(int *from, int *to, bool *isString, bool *escaped, bool *isNull)
    {
        space();
        *isString = *escaped = *isNull = false;
        if (p == end)
            return false;
        if (*p == '"') {
            *isString = true;
            return string(from, to, escaped);
        }
        *from = at();
        if (*p == '{' || *p == '[') {
            *isNull = true;
            return container();
        }
        if (word("null")) {
            *isNull = true;
            return true;
        }
        if (!word("true") && !word("false") && !number())
            return false;
        *to = at();
        return true;
    }

private:
    bool word(const char *w)
    {
        const int n = int(std::strlen(w));
        if (end - p < n || std::memcmp(p, w, size_t(n)) != 0)
            return false;
        p += n;
        return true;
    }
    bool digits()
    {
        const char *from = p;
        while (p < end && *p >= '0' && *p <= '9')
            ++p;
        return p > from;
    }
    bool number()
    {
        if (p < end && *p == '-')
            ++p;
        if (p < end && *p == '0')
            ++p;
        else if (!digits())
            return false;
        if (p < end && *p == '.') {
            ++p;
            if (!digits())
                return false;
        }
        if (p < end && (*p == 'e' || *p == 'E')) {
            ++p;
            if (p < end && (*p == '+' || *p == '-'))
                ++p;
            if (!digits())
                return false;
        }
        return true;
    }
    // An object or array, skipped (strings inside it too), however deep within the line.
    bool container()
    {
        QVarLengthArray<char, 16> open;
        int from, to;
        bool isString, escaped, isNull;
        do {
            space();
            if (p == end)
                return false;
            const char c = *p;
            if (c == '{' || c == '[') {
                open.append(c == '{' ? '}' : ']');
                ++p;
            } else if (c == '}' || c == ']') {
                if (open.isEmpty() || open.last() != c)
                    return false;
                open.removeLast();
                ++p;
            } else if (c == ',' || c == ':') {
                ++p;
            } else if (!value(&from, &to, &isString, &escaped, &isNull)) {
                return false;
            }
        } while (!open.isEmpty());
        return true;
    }

public:
    static int hex(const char *h)
    {
        int v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = h[i];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= c - '0';
            else if (c >= 'a' && c <= 'f')
                v |= c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                v |= c - 'A' + 10;
            else
                return -1;
        }
        return v;
    }
    // The text of a string with escapes; a null text for a bad escape.
    static QString decode(const char *from, const char *to)
    {
        QByteArray utf8;
        utf8.reserve(int(to - from));
        QString out;
        const auto flush = [&] {
            out += exactUtf8(utf8);
            utf8.clear();
        };
        for (const char *q = from; q < to; ++q) {
            if (*q != '\\') {
                utf8 += *q;
                continue;
            }
            ++q;
            switch (*q) {
            case '"':
            case '\\':
            case '/':
                utf8 += *q;
                break;
            case 'b':
                utf8 += '\b';
                break;
            case 'f':
                utf8 += '\f';
                break;
            case 'n':
                utf8 += '\n';
                break;
            case 'r':
                utf8 += '\r';
                break;
            case 't':
                utf8 += '\t';
                break;
            case 'u': {
                const int code = to - q > 4 ? hex(q + 1) : -1;
                if (code < 0)
                    return QString();
                flush();
                out += QChar(ushort(code));
                q += 4;
                break;
            }
            default:
                return QString();
            }
        }
        flush();
        if (out.isNull())
            out = QLatin1String("");
        return out;
    }

    const char *p;
    const char *begin;
    const char *end;
};

} // namespace

bool Message::read(const QByteArray &line, QString *type)
{
    source = line;
    members.clear();
    type->clear();
    if (readFast(line, type))
        return true;
    members.clear();
    type->clear();
    return readGeneral(line, type);
}

bool Message::readFast(const QByteArray &line, QString *type)
{
    Scanner s(line);
    if (!s.take('{'))
        return false;
    if (s.take('}'))
        return s.done();
    const char *data = line.constData();
    do {
        int keyFrom, keyTo;
        bool escapedKey;
        if (!s.string(&keyFrom, &keyTo, &escapedKey) || escapedKey || !s.take(':'))
            return false;
        const QByteArray key = QByteArray::fromRawData(data + keyFrom, keyTo - keyFrom);
        if (key == "msg" && s.peek('{')) {
            members.clear(); // a second "msg": the last one counts
            s.take('{');
            if (!s.take('}')) {
                do {
                    s.space();
                    Member m;
                    m.fast = true;
                    m.begin = s.at();
                    if (!s.string(&m.keyBegin, &keyTo, &escapedKey) || escapedKey || !s.take(':') ||
                        !s.value(&m.valueBegin, &m.valueEnd, &m.isString, &m.escaped, &m.isNull))
                        return false;
                    m.keyLength = keyTo - m.keyBegin;
                    m.end = s.at();
                    members.append(m);
                } while (s.take(','));
                if (!s.take('}'))
                    return false;
            }
        } else {
            int from = 0, to = 0;
            bool isString, escaped, isNull;
            if (!s.value(&from, &to, &isString, &escaped, &isNull))
                return false;
            if (key == "type") {
                *type = !isString ? QString()
                        : escaped ? Scanner::decode(data + from, data + to)
                                  : exactUtf8(data + from, to - from);
            }
        }
    } while (s.take(','));
    return s.take('}') && s.done();
}

bool Message::keyIs(const Member &m, const char *key, int length) const
{
    if (!m.fast)
        return m.key.size() == length && std::memcmp(m.key.constData(), key, size_t(length)) == 0;
    return m.keyLength == length &&
           std::memcmp(source.constData() + m.keyBegin, key, size_t(length)) == 0;
}

QString Message::textOf(const Member &m) const
{
    if (!m.fast)
        return m.text;
    if (m.isNull)
        return QString();
    const char *data = source.constData();
    if (m.escaped)
        return Scanner::decode(data + m.valueBegin, data + m.valueEnd);
    return m.isString ? exactUtf8(data + m.valueBegin, m.valueEnd - m.valueBegin)
                      : QString::fromLatin1(data + m.valueBegin, m.valueEnd - m.valueBegin);
}

bool Message::readGeneral(const QByteArray &line, QString *type)
{
    // Qt's reader drops a byte order mark that begins a string (and its writer writes one as it
    // is): given as an escape, the mark is kept. Outside a string the mark was no JSON anyway;
    // one that begins the line is left for Qt to judge, as before.
    static const QByteArray kMark("\xEF\xBB\xBF");
    QByteArray marked = line;
    if (marked.indexOf(kMark, 1) > 0)
        marked = marked.left(1) + marked.mid(1).replace(kMark, "\\ufeff");
    const QJsonDocument doc = QJsonDocument::fromJson(marked);
    if (!doc.isObject())
        return false;
    const QJsonObject root = doc.object();
    *type = root.value(QLatin1String("type")).toString();
    const QJsonObject msg = root.value(QLatin1String("msg")).toObject();
    for (auto it = msg.begin(); it != msg.end(); ++it) {
        Member m;
        m.key = it.key().toUtf8();
        const QJsonValue v = it.value();
        if (v.isString())
            m.text = v.toString();
        else if (v.isDouble() || v.isBool())
            m.text = v.toVariant().toString();
        m.json = QJsonDocument(QJsonObject{{it.key(), v}}).toJson(QJsonDocument::Compact);
        m.json = m.json.mid(1, m.json.size() - 2);
        members.append(m);
    }
    return true;
}

const Message::Member *Message::find(const char *key) const
{
    const int length = int(std::strlen(key));
    for (int i = members.size() - 1; i >= 0; --i) {
        if (keyIs(members.at(i), key, length))
            return &members.at(i);
    }
    return nullptr;
}

QString Message::text(const char *key, int limit) const
{
    const Member *m = find(key);
    if (!m)
        return QString();
    const QString t = textOf(*m);
    return t.size() > limit ? t.left(limit) : t;
}

QByteArray Message::scalar(const char *key) const
{
    const Member *m = find(key);
    if (!m || (m->fast && m->isNull))
        return QByteArray();
    if (m->fast && !m->escaped)
        return QByteArray::fromRawData(source.constData() + m->valueBegin,
                                       m->valueEnd - m->valueBegin);
    return textOf(*m).toUtf8();
}

QByteArray Message::others(std::initializer_list<const char *> known, int limit) const
{
    QByteArray json;
    for (int i = 0; i < members.size(); ++i) {
        const Member &m = members.at(i);
        bool modelled = false;
        for (const char *k : known) {
            if (keyIs(m, k, int(std::strlen(k)))) {
                modelled = true;
                break;
            }
        }
        // A name written twice counts once, as the last one.
        const QByteArray name =
            m.fast ? QByteArray::fromRawData(source.constData() + m.keyBegin, m.keyLength) : m.key;
        for (int j = i + 1; j < members.size() && !modelled; ++j)
            modelled = keyIs(members.at(j), name.constData(), name.size());
        if (modelled)
            continue;
        if (!json.isEmpty())
            json += ',';
        if (m.fast)
            json.append(source.constData() + m.begin, m.end - m.begin);
        else
            json += m.json;
        if (json.size() > limit)
            return QByteArray();
    }
    return json;
}

// --- Writing ----------------------------------------------------------------------------------

Writer::Writer(const char *type)
{
    out.reserve(256);
    out += "{\"type\":\"";
    out += type;
    out += "\",\"msg\":{";
}

void Writer::text(const char *key, const QString &value)
{
    if (value.isEmpty())
        return;
    name(key);
    string(value.toUtf8());
}

void Writer::number(const char *key, qint64 value)
{
    if (value == 0)
        return;
    name(key);
    out += '"';
    out += QByteArray::number(value);
    out += '"';
}

void Writer::real(const char *key, double value)
{
    if (value == 0)
        return;
    name(key);
    out += '"';
    out += QString::number(value, 'g', QLocale::FloatingPointShortest).toLatin1();
    out += '"';
}

void Writer::flag(const char *key, bool on)
{
    if (!on)
        return;
    name(key);
    out += "\"true\"";
}

QByteArray Writer::finish(const QByteArray &others)
{
    if (!others.isEmpty()) {
        if (!first)
            out += ',';
        out += others;
    }
    out += "}}";
    return out;
}

void Writer::name(const char *key)
{
    if (!first)
        out += ',';
    first = false;
    out += '"';
    out += key;
    out += "\":";
}

void Writer::string(const QByteArray &utf8)
{
    out += '"';
    const char *run = utf8.constData();
    const char *const stop = run + utf8.size();
    for (const char *c = run; c < stop; ++c) {
        const uchar u = uchar(*c);
        if (u >= 0x20 && u != '"' && u != '\\')
            continue;
        out.append(run, int(c - run));
        run = c + 1;
        switch (u) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default: {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        }
        }
    }
    out.append(run, int(stop - run));
    out += '"';
}

} // namespace lineform
} // namespace protocol
