// Shared composition for the command builders: bounded text assembly and the one routine that
// turns verb, item, value, expected reply and pacing into a queued command.
#pragma once

#include "link/command_attributes.h"
#include "state/vocabulary.h"

constexpr int ReplyTimeoutMs = 1000; // longest wait for the awaited reply
constexpr int PauseAfterMs = 10000; // commands after which the device is busy for a while

// Text assembled in a fixed buffer one byte longer than the command limit: whatever the
// arguments, nothing overflows, and a text that does not fit stays longer than the limit, so
// Cmd_Enqueue drops it instead of sending a truncated command.
class CmdText
{
public:
    static constexpr int Capacity = CommandMaxLength + 1;

    CmdText() = default;
    CmdText(const char *word) { add(word); } // implicit on purpose: items are often plain words

    CmdText &add(const char *bytes, int length);
    CmdText &add(const char *word);
    CmdText &add(const CmdText &text) { return add(text.m_text, text.m_length); }
    CmdText &addNumber(qint64 value);
    CmdText &addHex(quint8 byte); // two upper-case hex digits
    CmdText &space() { return add(" ", 1); }

    const char *data() const { return m_text; }
    int length() const { return m_length; } // bytes held, zero bytes included

private:
    char m_text[Capacity] = {};
    int m_length = 0;
};

enum class CmdPacing {
    AwaitReply, // wait up to ReplyTimeoutMs for a line containing the expected text
    Pause, // await nothing, hold the queue for PauseAfterMs
    AwaitReplyQuietly, // as AwaitReply, but a missing reply is not reported with its text
};

// How a composed command meets an unsent one in the queue (see QueueRule).
enum class CmdMerge {
    ByVerb, // GET: an equal unsent read is not queued again; SET with a value: a newer value
            // for the same item replaces the unsent one; SET without a value: always queued
    Never, // actions and steps whose every instance counts (scenes, uploads, link settings)
};

// "<verb> <item>[ <value>]", cut at its first zero byte, queued awaiting expected. Returns the
// id of the command that will carry it (0: nothing queued).
quint64 Cmd_Compose(const char *verb, const CmdText &item, const CmdText &value,
                    const CmdText &expected, CmdPacing pacing, CmdMerge merge = CmdMerge::ByVerb);

inline void Cmd_Get(const CmdText &item, CmdMerge merge = CmdMerge::ByVerb)
{
    Cmd_Compose("GET", item, CmdText(), item, CmdPacing::AwaitReply, merge);
}

inline void Cmd_Set(const CmdText &item, const CmdText &value,
                    CmdPacing pacing = CmdPacing::AwaitReply, CmdMerge merge = CmdMerge::ByVerb)
{
    Cmd_Compose("SET", item, value, item, pacing, merge);
}

// SET with the word at index of a table; nothing is sent for an index outside it.
void Cmd_SetWord(const CmdText &item, WordList words, qint64 index,
                 CmdPacing pacing = CmdPacing::AwaitReply);

template <std::size_t N>
constexpr WordList Words(const char *const (&table)[N])
{
    return {table, static_cast<int>(N)};
}

// "<first> <second>", e.g. a layout-prefixed item such as "PBP ASPECT".
CmdText Cmd_Pair(const char *first, const char *second);
