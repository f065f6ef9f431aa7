#include "link/debug_wire.h"

DebugWire Debug_WireBytes(const QString &text, int limit)
{
    DebugWire wire;
    int i = 0;
    int lastWidth = 0; // characters and bytes of the last character taken
    int lastBytes = 0;
    while (i < text.size()) {
        const int width
            = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
            ? 2
            : 1;
        const QByteArray bytes = text.at(i) == QLatin1Char('\n')
            ? QByteArray("\r\n", 2)
            : QStringView(text).mid(i, width).toUtf8();
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
    if (wire.bytes.size() + 2 > limit) {
        // No room for the line end: the last character goes out with it next time.
        wire.bytes.chop(lastBytes);
        wire.consumed -= lastWidth;
        return wire;
    }
    wire.bytes += "\r\n";
    return wire;
}
