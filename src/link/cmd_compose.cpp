#include "link/cmd_compose.h"

#include "link/link_context.h"

#include <QByteArray>

#include <algorithm>
#include <cstdio>
#include <cstring>

CmdText &CmdText::add(const char *bytes, int length)
{
    const int room = Capacity - m_length;
    const int taken = std::min(std::max(length, 0), room);
    if (taken > 0)
        std::memcpy(m_text + m_length, bytes, static_cast<size_t>(taken));
    m_length += taken;
    return *this;
}

CmdText &CmdText::add(const char *word)
{
    return word ? add(word, static_cast<int>(qstrnlen(word, Capacity))) : *this;
}

CmdText &CmdText::addNumber(qint64 value)
{
    char digits[24];
    const int length = std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
    return add(digits, std::min(length, static_cast<int>(sizeof digits) - 1));
}

CmdText &CmdText::addHex(quint8 byte)
{
    static const char hex[] = "0123456789ABCDEF";
    const char digits[2] = {hex[byte >> 4], hex[byte & 0x0F]};
    return add(digits, 2);
}

quint64 Cmd_Compose(const char *verb, const CmdText &item, const CmdText &value,
                    const CmdText &expected, CmdPacing pacing, CmdMerge merge)
{
    CmdText command;
    command.add(verb).space().add(item);
    if (value.length() > 0)
        command.space().add(value);

    CommandAttributes attributes {};
    const int expectedLength = static_cast<int>(qstrnlen(expected.data(), MatchTextSize));
    std::memcpy(attributes.matchText[0], expected.data(), static_cast<size_t>(expectedLength));
    attributes.matchLen[0] = static_cast<quint32>(expectedLength);
    attributes.matchCount = 1;
    attributes.matchAny = 0;
    attributes.reportTimeout = pacing == CmdPacing::AwaitReplyQuietly ? 0 : 1;
    attributes.matchTimeoutMs = ReplyTimeoutMs;
    if (pacing == CmdPacing::Pause) {
        attributes.expectReply = 0;
        attributes.waitMs = PauseAfterMs;
    } else {
        attributes.expectReply = 1;
        attributes.waitMs = 0;
    }
    // Up to the first zero byte; a text that overflowed the buffer (and holds no zero byte)
    // stays longer than the limit and is dropped there.
    const int length
        = static_cast<int>(qstrnlen(command.data(), static_cast<uint>(command.length())));
    QueueRule rule = QueueRule::Plain;
    // The setting's key: "SET <item>" and the space before the value.
    const int keyLength = static_cast<int>(qstrlen(verb)) + 1 + item.length() + 1;
    if (merge == CmdMerge::ByVerb && std::strcmp(verb, "GET") == 0)
        rule = QueueRule::Read;
    else if (merge == CmdMerge::ByVerb && std::strcmp(verb, "SET") == 0 && value.length() > 0)
        rule = QueueRule::Setting;
    return Cmd_EnqueueRuled(command.data(), length, attributes, rule, std::min(keyLength, length));
}

void Cmd_SetWord(const CmdText &item, WordList words, qint64 index, CmdPacing pacing)
{
    if (index < 0 || index >= words.count)
        return;
    Cmd_Set(item, words.words[index], pacing);
}

CmdText Cmd_Pair(const char *first, const char *second)
{
    CmdText text(first);
    text.space().add(second);
    return text;
}
