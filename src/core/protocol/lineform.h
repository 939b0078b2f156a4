#pragma once

// The form of the tool's lines, {"type": "...", "msg": {"key": "value", ...}}, read and written
// fast: the lists hold thousands of such lines and the tool prints several a second. Reading
// takes the flat form the tool and the lists write in one pass; anything else goes through Qt's
// JSON reader, so both give the same members. Only core/protocol uses this.

#include <QByteArray>
#include <QString>
#include <QVarLengthArray>

#include <initializer_list>

namespace protocol {
namespace lineform {

// The "msg" object of a line: its members in order, each with its value as text (strings
// decoded, numbers and true/false as written, null and objects empty).
class Message
{
public:
    // Reads a line; false when it is no JSON object. `type` is its "type" ("" when none).
    bool read(const QByteArray &line, QString *type);

    // The text of a member (the last of that name), at most `limit` characters.
    QString text(const char *key, int limit) const;
    // The same as UTF-8 bytes, without a copy where it can (numbers and flags are read from it):
    // valid until the message is read again or goes.
    QByteArray scalar(const char *key) const;
    // The members whose names are not in `known`, as JSON members ("k":v,...); empty when none
    // or when they are more than `limit` bytes.
    QByteArray others(std::initializer_list<const char *> known, int limit) const;

private:
    // A member read fast is places in `source`, decoded only when asked for; one read by Qt's
    // reader has its name, text and JSON form.
    struct Member
    {
        int begin = 0; // "key":value
        int end = 0;
        int keyBegin = 0;
        int keyLength = 0;
        int valueBegin = 0; // the value; for a string, inside its quotes
        int valueEnd = 0;
        bool isString = false;
        bool escaped = false; // a string with escapes
        bool isNull = false;  // null, an object or an array: no text
        bool fast = false;    // read fast: the places above count, the three below do not
        QByteArray key;
        QString text;
        QByteArray json;
    };
    bool keyIs(const Member &m, const char *key, int length) const;
    const Member *find(const char *key) const;
    QString textOf(const Member &m) const;
    bool readFast(const QByteArray &line, QString *type);
    bool readGeneral(const QByteArray &line, QString *type);

    QByteArray source;
    QVarLengthArray<Member, 12> members;
};

// Writes {"type":TYPE,"msg":{...}} member by member, compact, every value a string.
class Writer
{
public:
    explicit Writer(const char *type);
    // Members with an empty text, a zero number or a false flag are left out.
    void text(const char *key, const QString &value);
    void number(const char *key, qint64 value);
    void real(const char *key, double value);
    void flag(const char *key, bool on);
    // The line, with `others` (JSON members as Message::others gives them) at the end.
    QByteArray finish(const QByteArray &others);

private:
    void name(const char *key);
    void string(const QByteArray &utf8);

    QByteArray out;
    bool first = true;
};

} // namespace lineform
} // namespace protocol
