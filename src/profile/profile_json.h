// A small strict JSON reader that remembers the line of every key and value, so that a
// damaged or wrong profile is refused with the line that is at fault. Bounded in every
// direction: nesting depth, string length, member count; the input is never trusted.
// Also the matching writer helpers (string escaping).
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

struct JsonValue
{
    enum Type { Null, Bool, Number, String, Array, Object };

    Type type = Null;
    int line = 0; // where the value starts, from 1
    bool boolean = false;
    bool isInteger = false; // a Number without fraction or exponent that fits 64 bits
    qint64 integer = 0;
    QString text; // String: the decoded text; Number: the number as written
    std::vector<JsonValue> items; // Array
    struct Member;
    std::vector<Member> members; // Object, in file order

    const char *typeName() const;
};

struct JsonValue::Member
{
    QString key;
    int line = 0;
    JsonValue value;
};

struct JsonLimits
{
    int maxDepth = 8;
    int maxStringBytes = 4096; // encoded bytes of one string, escapes counted as written
    int maxValues = 20000; // values in the whole document
};

struct JsonError
{
    int line = 0;
    QString reason;
};

// Parses one JSON document (UTF-8, an optional byte-order mark, nothing but white space after
// it). Duplicate keys in an object are an error. False with the first error.
bool Json_Parse(const QByteArray &bytes, JsonValue *root, JsonError *error,
                const JsonLimits &limits = JsonLimits());

// The text as a JSON string literal, quotes included; non-ASCII stays UTF-8, control
// characters become \u00XX escapes.
QByteArray Json_Quote(const QString &text);
