#include "link/debug_wire.h"

QByteArray Debug_LineEndBytes(DebugLineEnd end)
{
    switch (end) {
    case DebugLineEnd::Cr:
        return QByteArray("\r", 1);
    case DebugLineEnd::Lf:
        return QByteArray("\n", 1);
    case DebugLineEnd::CrLf:
    case DebugLineEnd::None:
        break;
    }
    return QByteArray("\r\n", 2);
}

DebugWire Debug_WireBytes(const QString &text, int limit, DebugLineEnd end)
{
    const QByteArray lineEnd = Debug_LineEndBytes(end);
    const QByteArray finalEnd = end == DebugLineEnd::None ? QByteArray() : lineEnd;
    DebugWire wire;
    int i = 0;
    int lastWidth = 0; // characters and bytes of the last character taken
    int lastBytes = 0;
    while (i < text.size()) {
        const int width
            = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
            ? 2
            : 1;
        const QByteArray bytes
            = text.at(i) == QLatin1Char('\n') ? lineEnd : QStringView(text).mid(i, width).toUtf8();
        if (wire.bytes.size() + bytes.size() > limit)
            break;
        wire.bytes += bytes;
        i += width;
        wire.consumed = i;
        lastWidth = width;
        lastBytes = bytes.size();
    }
    if (wire.consumed < text.size() || text.isEmpty() || text.endsWith(QLatin1Char('\n')))
        return wire;
    if (finalEnd.isEmpty())
        return wire;
    if (wire.bytes.size() + finalEnd.size() > limit) {
        // No room for the line end: the last character goes out with it next time.
        wire.bytes.chop(lastBytes);
        wire.consumed -= lastWidth;
        return wire;
    }
    wire.bytes += finalEnd;
    return wire;
}
