#include "profile/profile_json.h"

#include <algorithm>

namespace {

// Offset of the first byte that does not start a well-formed UTF-8 sequence (overlong forms,
// surrogates and values above U+10FFFF included), or -1.
int FirstInvalidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const int n = bytes.size();
    for (int i = 0; i < n;) {
        const unsigned c = p[i];
        int extra = 0;
        unsigned min = 0;
        unsigned value = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, min = 0x80, value = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, min = 0x800, value = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, min = 0x10000, value = c & 0x07;
        } else {
            return i;
        }
        if (i + extra >= n)
            return i;
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
            value = (value << 6) | (p[i + k] & 0x3F);
        }
        if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return i;
        i += extra + 1;
    }
    return -1;
}

class Parser
{
public:
    Parser(const QByteArray &bytes, const JsonLimits &limits)
        : m_data(bytes.constData())
        , m_size(bytes.size())
        , m_limits(limits)
    { }

    bool parse(JsonValue *root, JsonError *error)
    {
        if (m_size >= 3 && m_data[0] == '\xEF' && m_data[1] == '\xBB' && m_data[2] == '\xBF')
            m_pos = 3;
        skipBlank();
        if (m_pos >= m_size)
            return fail(error, QStringLiteral("the file is empty"));
        if (!value(root, 1))
            return fail(error, m_reason);
        skipBlank();
        if (m_pos < m_size)
            return fail(error, QStringLiteral("unexpected text after the end of the profile"));
        return true;
    }

private:
    bool fail(JsonError *error, const QString &reason)
    {
        error->line = m_line;
        error->reason = reason;
        return false;
    }

    bool stop(const QString &reason)
    {
        m_reason = reason;
        return false;
    }

    bool truncated() { return stop(QStringLiteral("the file ends too early (it is cut off)")); }

    void skipBlank()
    {
        while (m_pos < m_size) {
            const char c = m_data[m_pos];
            if (c == '\n')
                ++m_line;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
            ++m_pos;
        }
    }

    bool value(JsonValue *out, int depth)
    {
        if (depth > m_limits.maxDepth)
            return stop(QStringLiteral("nested more than %1 levels deep").arg(m_limits.maxDepth));
        if (++m_values > m_limits.maxValues)
            return stop(QStringLiteral("more than %1 values").arg(m_limits.maxValues));
        skipBlank();
        if (m_pos >= m_size)
            return truncated();
        out->line = m_line;
        const char c = m_data[m_pos];
        if (c == '{')
            return object(out, depth);
        if (c == '[')
            return array(out, depth);
        if (c == '"') {
            out->type = JsonValue::String;
            return string(&out->text);
        }
        if (c == '-' || (c >= '0' && c <= '9'))
            return number(out);
        if (literal("true")) {
            out->type = JsonValue::Bool;
            out->boolean = true;
            return true;
        }
        if (literal("false")) {
            out->type = JsonValue::Bool;
            return true;
        }
        if (literal("null"))
            return true;
        return stop(QStringLiteral("expected a value, found %1").arg(describeHere()));
    }

    QString describeHere() const
    {
        const unsigned char c = static_cast<unsigned char>(m_data[m_pos]);
        if (c >= 0x21 && c < 0x7f)
            return QStringLiteral("\"%1\"").arg(QChar(c));
        return QStringLiteral("byte 0x%1").arg(c, 2, 16, QLatin1Char('0'));
    }

    bool literal(const char *word)
    {
        const int len = static_cast<int>(qstrlen(word));
        if (m_size - m_pos < len || qstrncmp(m_data + m_pos, word, len) != 0)
            return false;
        m_pos += len;
        return true;
    }

    bool expect(char c, const char *what)
    {
        skipBlank();
        if (m_pos >= m_size)
            return truncated();
        if (m_data[m_pos] != c)
            return stop(
                QStringLiteral("expected %1, found %2").arg(QLatin1String(what), describeHere()));
        ++m_pos;
        return true;
    }

    bool object(JsonValue *out, int depth)
    {
        out->type = JsonValue::Object;
        ++m_pos; // '{'
        skipBlank();
        if (m_pos < m_size && m_data[m_pos] == '}') {
            ++m_pos;
            return true;
        }
        for (;;) {
            skipBlank();
            if (m_pos >= m_size)
                return truncated();
            if (m_data[m_pos] != '"')
                return stop(QStringLiteral("expected a quoted key, found %1").arg(describeHere()));
            JsonValue::Member member;
            member.line = m_line;
            if (!string(&member.key))
                return false;
            for (const JsonValue::Member &m : out->members) {
                if (m.key == member.key)
                    return stop(QStringLiteral("key \"%1\" appears twice (first on line %2)")
                                    .arg(member.key.left(64))
                                    .arg(m.line));
            }
            if (!expect(':', "\":\" after a key") || !value(&member.value, depth + 1))
                return false;
            out->members.push_back(std::move(member));
            skipBlank();
            if (m_pos >= m_size)
                return truncated();
            const char c = m_data[m_pos++];
            if (c == '}')
                return true;
            if (c != ',') {
                --m_pos;
                return stop(
                    QStringLiteral("expected \",\" or \"}\", found %1").arg(describeHere()));
            }
        }
    }

    bool array(JsonValue *out, int depth)
    {
        out->type = JsonValue::Array;
        ++m_pos; // '['
        skipBlank();
        if (m_pos < m_size && m_data[m_pos] == ']') {
            ++m_pos;
            return true;
        }
        for (;;) {
            JsonValue item;
            if (!value(&item, depth + 1))
                return false;
            out->items.push_back(std::move(item));
            skipBlank();
            if (m_pos >= m_size)
                return truncated();
            const char c = m_data[m_pos++];
            if (c == ']')
                return true;
            if (c != ',') {
                --m_pos;
                return stop(
                    QStringLiteral("expected \",\" or \"]\", found %1").arg(describeHere()));
            }
        }
    }

    bool number(JsonValue *out)
    {
        out->type = JsonValue::Number;
        const int start = m_pos;
        auto digits = [this] {
            const int from = m_pos;
            while (m_pos < m_size && m_data[m_pos] >= '0' && m_data[m_pos] <= '9')
                ++m_pos;
            return m_pos - from;
        };
        if (m_data[m_pos] == '-')
            ++m_pos;
        const int intStart = m_pos;
        const int intDigits = digits();
        if (intDigits == 0)
            return stop(QStringLiteral("a number needs digits"));
        if (intDigits > 1 && m_data[intStart] == '0')
            return stop(QStringLiteral("a number may not start with 0"));
        bool integer = true;
        if (m_pos < m_size && m_data[m_pos] == '.') {
            ++m_pos;
            integer = false;
            if (digits() == 0)
                return stop(QStringLiteral("a number needs digits after \".\""));
        }
        if (m_pos < m_size && (m_data[m_pos] == 'e' || m_data[m_pos] == 'E')) {
            ++m_pos;
            integer = false;
            if (m_pos < m_size && (m_data[m_pos] == '+' || m_data[m_pos] == '-'))
                ++m_pos;
            if (digits() == 0)
                return stop(QStringLiteral("a number needs digits in its exponent"));
        }
        if (m_pos - start > 64)
            return stop(QStringLiteral("a number of more than 64 characters"));
        out->text = QString::fromLatin1(m_data + start, m_pos - start);
        if (integer && intDigits <= 18) {
            out->isInteger = true;
            out->integer = out->text.toLongLong();
        }
        return true;
    }

    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    bool hex4(ushort *unit)
    {
        if (m_size - m_pos < 4)
            return truncated();
        unsigned v = 0;
        for (int k = 0; k < 4; ++k) {
            const int h = hexValue(m_data[m_pos + k]);
            if (h < 0)
                return stop(QStringLiteral("\\u needs four hexadecimal digits"));
            v = (v << 4) | static_cast<unsigned>(h);
        }
        m_pos += 4;
        *unit = static_cast<ushort>(v);
        return true;
    }

    bool string(QString *out)
    {
        ++m_pos; // opening quote
        const int start = m_pos;
        QString text;
        int runStart = m_pos;
        auto flushRun = [&] { text += QString::fromUtf8(m_data + runStart, m_pos - runStart); };
        for (;;) {
            if (m_pos >= m_size)
                return truncated();
            if (m_pos - start > m_limits.maxStringBytes)
                return stop(
                    QStringLiteral("a text longer than %1 bytes").arg(m_limits.maxStringBytes));
            const unsigned char c = static_cast<unsigned char>(m_data[m_pos]);
            if (c == '"') {
                flushRun();
                ++m_pos;
                *out = text;
                return true;
            }
            if (c < 0x20)
                return stop(c == '\n' ? QStringLiteral("a text is not closed before the line ends")
                                      : QStringLiteral("a control character inside a text"));
            if (c != '\\') {
                ++m_pos;
                continue;
            }
            flushRun();
            if (++m_pos >= m_size)
                return truncated();
            const char e = m_data[m_pos++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                text += QLatin1Char(e);
                break;
            case 'b':
                text += QLatin1Char('\b');
                break;
            case 'f':
                text += QLatin1Char('\f');
                break;
            case 'n':
                text += QLatin1Char('\n');
                break;
            case 'r':
                text += QLatin1Char('\r');
                break;
            case 't':
                text += QLatin1Char('\t');
                break;
            case 'u': {
                ushort unit = 0;
                if (!hex4(&unit))
                    return false;
                if (QChar::isHighSurrogate(unit)) {
                    ushort low = 0;
                    if (!literal("\\u") || !hex4(&low) || !QChar::isLowSurrogate(low))
                        return stop(QStringLiteral("a \\u escape with half a character pair"));
                    text += QChar(unit);
                    text += QChar(low);
                } else if (QChar::isLowSurrogate(unit)) {
                    return stop(QStringLiteral("a \\u escape with half a character pair"));
                } else {
                    text += QChar(unit);
                }
                break;
            }
            default:
                --m_pos;
                return stop(QStringLiteral("unknown escape \\%1").arg(describeHere()));
            }
            runStart = m_pos;
        }
    }

    const char *m_data;
    int m_size;
    JsonLimits m_limits;
    int m_pos = 0;
    int m_line = 1;
    int m_values = 0;
    QString m_reason;
};

} // namespace

const char *JsonValue::typeName() const
{
    switch (type) {
    case Null:
        return "null";
    case Bool:
        return "true or false";
    case Number:
        return "a number";
    case String:
        return "a text";
    case Array:
        return "a list";
    case Object:
        return "a group";
    }
    return "";
}

bool Json_Parse(const QByteArray &bytes, JsonValue *root, JsonError *error,
                const JsonLimits &limits)
{
    const int bad = FirstInvalidUtf8(bytes);
    if (bad >= 0) {
        error->line
            = 1 + static_cast<int>(std::count(bytes.constBegin(), bytes.constBegin() + bad, '\n'));
        error->reason
            = QStringLiteral("the file is not UTF-8 text (byte 0x%1)")
                  .arg(static_cast<unsigned char>(bytes.at(bad)), 2, 16, QLatin1Char('0'));
        return false;
    }
    *root = JsonValue();
    return Parser(bytes, limits).parse(root, error);
}

QByteArray Json_Quote(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
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
        default:
            if (c < 0x20 || c == 0x7f) {
                char buf[8];
                qsnprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}
