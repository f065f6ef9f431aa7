#include "state/reply_grammar.h"

#include <climits>

int Reply_FindToken(std::string_view text, std::string_view token)
{
    if (token.empty() || text.size() > static_cast<std::size_t>(INT_MAX))
        return -1;
    for (std::size_t end = token.size(); end < text.size(); ++end) {
        if (Reply_TokenEndsAt(text, end, token))
            return static_cast<int>(end - token.size());
    }
    return -1;
}

ReplyPart Reply_Value(std::string_view line, std::size_t keywordPos, std::size_t keywordSize)
{
    const std::size_t after = keywordPos + keywordSize;
    if (after >= line.size())
        return {line.substr(line.size()), false};
    if (line[after] == '\r')
        return {line.substr(after, 1), true};
    const std::size_t begin = after + 1;
    const std::size_t cr = line.find('\r', begin);
    if (cr == std::string_view::npos)
        return {line.substr(begin), false};
    return {line.substr(begin, cr + 1 - begin), true};
}

ReplyPart Reply_Field(ReplyPart value, int n)
{
    if (n < 1)
        return {};
    const std::string_view text = value.text();
    std::size_t begin = 0;
    for (int i = 1; i < n; ++i) {
        const std::size_t space = text.find(' ', begin);
        if (space == std::string_view::npos)
            return {};
        begin = space + 1;
    }
    const std::size_t space = text.find(' ', begin);
    if (space != std::string_view::npos)
        return {value.withEnd.substr(begin, space + 1 - begin), true};
    return {value.withEnd.substr(begin), value.hasEnd};
}

int Reply_Lookup(ReplyPart part, WordList list)
{
    for (int i = 0; i < list.count; ++i) {
        if (Reply_FindToken(part.withEnd, list.words[i]) >= 0)
            return i;
    }
    return -1;
}

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Magnitude of an unsigned decimal digit string, or false when it is empty, holds another
// byte, or exceeds limit.
bool ParseDigits(std::string_view digits, quint64 limit, quint64 *out)
{
    if (digits.empty())
        return false;
    quint64 value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<quint64>(c - '0');
        if (value > limit)
            return false;
    }
    *out = value;
    return true;
}

} // namespace

qint32 Reply_ToInt32(std::string_view text)
{
    text = TrimBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const quint64 limit = negative ? quint64(INT_MAX) + 1 : quint64(INT_MAX);
    quint64 magnitude = 0;
    if (!ParseDigits(text, limit, &magnitude))
        return 0;
    return negative ? static_cast<qint32>(-static_cast<qint64>(magnitude))
                    : static_cast<qint32>(magnitude);
}

quint32 Reply_ToUInt32(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    quint64 value = 0;
    if (!ParseDigits(text, UINT_MAX, &value))
        return 0;
    return static_cast<quint32>(value);
}
