// The pacing record that travels with every command: which reply line ends the wait and how
// long to wait for it, or how long to pause instead. Plain bytes, always copied whole.
#pragma once

#include <QtGlobal>

#include <type_traits>

constexpr int CommandMaxLength = 1024; // longest command text, the CR not counted
constexpr int MatchSlotCount = 2;
constexpr int MatchTextSize = 1024;

struct CommandAttributes
{
    char matchText[MatchSlotCount][MatchTextSize]; // only the first matchLen bytes count
    quint32 matchLen[MatchSlotCount];
    quint32 matchCount; // slots in use, 0..2
    quint8 expectReply; // 1: wait up to matchTimeoutMs for a matching line; 0: pause waitMs
    quint8 matchAny; // 1: any line at least matchLen long counts as the reply
    qint32 waitMs;
    qint32 matchTimeoutMs;
    quint8 reportTimeout; // 1: a missing reply is reported with the command text
};

static_assert(std::is_trivially_copyable_v<CommandAttributes>);
static_assert(std::is_standard_layout_v<CommandAttributes>);
