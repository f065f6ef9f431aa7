// How wire bytes read as text: hex byte pairs, or text with every control byte and every byte
// that is not valid UTF-8 made visible; the time of day of an entry; one wire-log entry as a
// line (for the wire view, a saved file and the continuous log); and hex typed by the operator
// back into bytes. Everything here is total: any bytes, of any length, render.
#pragma once

#include "link/wire_log.h"

#include <QByteArray>
#include <QString>

// "47 45 54 0D"
QString Wire_Hex(const QByteArray &bytes);

// The bytes as UTF-8 text; a control byte shows as its name in angle brackets ("<CR>",
// "<LF>", "<NUL>", "<ESC>", "<DEL>", "<0x1F>"...), a byte that is not part of valid UTF-8 as
// "<0xFF>". A literal '<' stays as is.
QString Wire_Visible(const QByteArray &bytes);

// The line without the line end that closes it (CR LF, CR or LF at its end), and whether it
// had one.
QByteArray Wire_Body(const QByteArray &line, bool *hadLineEnd = nullptr);

// "13:04:05.123" in local time.
QString Wire_Time(qint64 msecs);

// The words an entry line uses, so a view can show them in the operator's language while a
// file keeps its own.
struct WireMarks
{
    QString timedOut = QStringLiteral("no reply (timed out)");
    QString late = QStringLiteral("late reply");
    QString unsolicited = QStringLiteral("unsolicited");
};

// One entry on one line, with no line end:
//   "13:04:05.123 -> #12 GET MODEL TYPE<CR>"
//   "13:04:05.130 <- #12 MODEL TYPE Corvo<CR>  [6.8 ms]"
//   "13:04:06.131 !! #13 no reply (timed out)"
//   "13:04:07.000 <- late reply #13 MODEL TYPE Corvo<CR>"
//   "13:04:07.500 <- unsolicited MAXMODE 4<CR>"
// hex: the bytes as hex pairs instead of text; both: text, then " | " and the hex.
enum class WireShow { Text, Hex, Both };
QString Wire_EntryLine(const WireEntry &entry, WireShow show, bool withTime,
                       const WireMarks &marks = {});

// Hex typed by the operator: pairs of hex digits, upper or lower case, optionally separated
// by spaces, tabs, line breaks, commas or a "0x" prefix per byte. Returns the bytes, or sets
// *errorAt to the 1-based position of the first character that is not hex (or, for an odd
// count of digits, of the lone digit) and returns nothing; *errorAt is 0 on success.
QByteArray Wire_ParseHex(const QString &text, int *errorAt, bool *oddDigits = nullptr);
