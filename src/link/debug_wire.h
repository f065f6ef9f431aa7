// What the debug terminal puts on the wire for the text the operator typed: UTF-8 with every
// LF turned into CR LF, raw (no CR added, no reply awaited), bounded per Send.
#pragma once

#include <QByteArray>
#include <QString>

// Most bytes one Send puts on the wire; text beyond stays for the next Send.
constexpr int DebugSendLimit = 4096;

struct DebugWire
{
    QByteArray bytes;
    int consumed = 0; // characters of the text that the bytes carry
};

// The longest prefix of text, whole characters only (a surrogate pair is never split, CR LF
// never torn apart), whose wire form fits into limit bytes.
DebugWire Debug_WireBytes(const QString &text, int limit = DebugSendLimit);
