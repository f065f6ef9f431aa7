// What the debug terminal puts on the wire for the text the operator typed: UTF-8 with every
// LF turned into the chosen line end (CR LF unless the operator chose otherwise), and one line
// end at the end when the text does not end in a line break, so that no partial line stays in
// the device to be glued to the panel's next command. With "none" nothing is added at the end
// and a line break typed inside the text still goes out as CR LF (lines are never glued
// together). Raw otherwise (no reply awaited), bounded per Send.
#pragma once

#include <QByteArray>
#include <QString>

// Most bytes one Send puts on the wire; text beyond stays for the next Send.
constexpr int DebugSendLimit = 4096;

enum class DebugLineEnd { CrLf, Cr, Lf, None };

// The bytes a line break becomes under the choice.
QByteArray Debug_LineEndBytes(DebugLineEnd end);

struct DebugWire
{
    QByteArray bytes;
    int consumed = 0; // characters of the text that the bytes carry
};

// The longest prefix of text, whole characters only (a surrogate pair is never split, CR LF
// never torn apart), whose wire form fits into limit bytes. When that prefix is the whole
// text, its wire form ends in the line end (added if the text lacks a final line break; the
// last character waits for the next Send if the line end would not fit). Empty text: no bytes.
DebugWire Debug_WireBytes(const QString &text, int limit = DebugSendLimit,
                          DebugLineEnd end = DebugLineEnd::CrLf);
