#include "link/wire_format.h"

#include <QDateTime>

namespace {
const char *const ControlNames[32]
    = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
       "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
       "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

const char HexDigits[] = "0123456789ABCDEF";

void appendHexByte(QString &out, unsigned char byte)
{
    out += QLatin1Char(HexDigits[byte >> 4]);
    out += QLatin1Char(HexDigits[byte & 0x0f]);
}

// Length of the valid UTF-8 sequence starting at i (multi-byte only), or 0.
int utf8Length(const unsigned char *p, int i, int size)
{
    const unsigned char lead = p[i];
    int length = 0;
    unsigned int minimum = 0;
    unsigned int code = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        code = lead & 0x1f;
        minimum = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        code = lead & 0x0f;
        minimum = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > size)
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((p[i + k] & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (p[i + k] & 0x3f);
    }
    if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r') || c == QLatin1Char(',');
}
} // namespace

QString Wire_Hex(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size() * 3);
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(' ');
        appendHexByte(out, static_cast<unsigned char>(bytes.at(i)));
    }
    return out;
}

QString Wire_Visible(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const int size = bytes.size();
    QString out;
    out.reserve(size + 8);
    int i = 0;
    while (i < size) {
        const unsigned char b = p[i];
        if (b >= 0x20 && b < 0x7f) {
            out += QLatin1Char(char(b));
            ++i;
        } else if (b < 0x20) {
            out += QLatin1Char('<') + QLatin1String(ControlNames[b]) + QLatin1Char('>');
            ++i;
        } else if (b == 0x7f) {
            out += QLatin1String("<DEL>");
            ++i;
        } else if (const int length = utf8Length(p, i, size)) {
            out += QString::fromUtf8(reinterpret_cast<const char *>(p + i), length);
            i += length;
        } else {
            out += QLatin1String("<0x");
            appendHexByte(out, b);
            out += QLatin1Char('>');
            ++i;
        }
    }
    return out;
}

QByteArray Wire_Body(const QByteArray &line, bool *hadLineEnd)
{
    int end = line.size();
    if (end > 0 && line.at(end - 1) == '\n')
        --end;
    if (end > 0 && line.at(end - 1) == '\r')
        --end;
    if (hadLineEnd)
        *hadLineEnd = end < line.size();
    return end == line.size() ? line : line.left(end);
}

QString Wire_Time(qint64 msecs)
{
    // Local time is costly to work out; during a flood most lines share their second, so
    // the second's text is kept and only the milliseconds are added.
    static thread_local qint64 cachedSecond = -1;
    static thread_local QString cachedText;
    const qint64 second = msecs >= 0 ? msecs / 1000 : (msecs - 999) / 1000;
    if (second != cachedSecond) {
        cachedText = QDateTime::fromMSecsSinceEpoch(second * 1000)
                         .time()
                         .toString(QStringLiteral("HH:mm:ss."));
        cachedSecond = second;
    }
    const int ms = int(msecs - second * 1000);
    QString text = cachedText;
    text += QLatin1Char(char('0' + ms / 100));
    text += QLatin1Char(char('0' + ms / 10 % 10));
    text += QLatin1Char(char('0' + ms % 10));
    return text;
}

QString Wire_EntryLine(const WireEntry &entry, WireShow show, bool withTime, const WireMarks &marks)
{
    QString line;
    if (withTime)
        line = Wire_Time(entry.msecs) + QLatin1Char(' ');
    const QString id = QStringLiteral("#%1 ").arg(entry.id);
    switch (entry.kind) {
    case WireEntry::Kind::Sent:
        line += QLatin1String("-> ") + (entry.id ? id : QString());
        break;
    case WireEntry::Kind::Reply:
        line += QLatin1String("<- ") + id;
        break;
    case WireEntry::Kind::LateReply:
        line += QLatin1String("<- ") + marks.late + QLatin1Char(' ') + id;
        break;
    case WireEntry::Kind::Unsolicited:
        line += QLatin1String("<- ") + marks.unsolicited + QLatin1Char(' ');
        break;
    case WireEntry::Kind::TimedOut:
        return line + QLatin1String("!! ") + id + marks.timedOut;
    }
    if (show != WireShow::Hex)
        line += Wire_Visible(entry.bytes);
    if (show == WireShow::Both)
        line += QLatin1String(" | ");
    if (show != WireShow::Text)
        line += Wire_Hex(entry.bytes);
    if (entry.kind == WireEntry::Kind::Reply && entry.roundTripUs >= 0)
        line += QStringLiteral("  [%1 ms]").arg(entry.roundTripUs / 1000.0, 0, 'f', 1);
    return line;
}

QByteArray Wire_ParseHex(const QString &text, int *errorAt, bool *oddDigits)
{
    QByteArray bytes;
    if (oddDigits)
        *oddDigits = false;
    *errorAt = 0;
    int high = -1; // first digit of a pair waiting for its second
    int highAt = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isHexDigit(c)) {
            const int value = QString(c).toInt(nullptr, 16);
            if (high < 0) {
                high = value;
                highAt = i + 1;
            } else {
                bytes += char((high << 4) | value);
                high = -1;
            }
            continue;
        }
        if ((c == QLatin1Char('x') || c == QLatin1Char('X')) && high == 0 && i > 0
            && text.at(i - 1) == QLatin1Char('0')) {
            high = -1; // "0x": the zero was a prefix, not a digit
            continue;
        }
        if (isSeparator(c) && high < 0)
            continue;
        *errorAt = isSeparator(c) ? highAt : i + 1;
        if (oddDigits)
            *oddDigits = isSeparator(c);
        return QByteArray();
    }
    if (high >= 0) {
        *errorAt = highAt;
        if (oddDigits)
            *oddDigits = true;
        return QByteArray();
    }
    return bytes;
}
