// Strict hex parsing of the user EDID upload.
#include "sim_edid.h"

namespace {
int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1; // lower case is refused: the panel always sends upper case
}
} // namespace

bool SimParseEdidHex(const QList<QByteArray> &words, QByteArray *out)
{
    if (words.size() != SimEdidSize)
        return false;
    QByteArray bytes(SimEdidSize, '\0');
    for (int i = 0; i < SimEdidSize; ++i) {
        const QByteArray &w = words.at(i);
        if (w.size() != 2)
            return false;
        const int hi = hexDigit(w.at(0));
        const int lo = hexDigit(w.at(1));
        if (hi < 0 || lo < 0)
            return false;
        bytes[i] = static_cast<char>(hi * 16 + lo);
    }
    *out = bytes;
    return true;
}
