#include "app/net_check.h"

#include <QStringList>

namespace {
bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Value of a run of ASCII digits without overflow: leading zeros are dropped and anything
// longer than `maxDigits` significant digits is reported as -1.
int boundedDecimal(const QString &digits, int maxDigits)
{
    int start = 0;
    while (start < digits.size() - 1 && digits.at(start) == QLatin1Char('0'))
        ++start;
    if (digits.size() - start > maxDigits)
        return -1;
    int value = 0;
    for (int i = start; i < digits.size(); ++i)
        value = value * 10 + (digits.at(i).unicode() - '0');
    return value;
}
} // namespace

bool Net_IsValidAddress(const QString &text)
{
    if (text.isEmpty() || text.count(QLatin1Char('.')) != 3)
        return false;
    for (const QChar c : text) {
        if (!isAsciiDigit(c) && c != QLatin1Char('.'))
            return false;
    }
    const QStringList parts = text.split(QLatin1Char('.'));
    for (const QString &part : parts) {
        // An empty part ("1..2.3") would be sent to the device as is and cut it off.
        if (part.isEmpty())
            return false;
        const int value = boundedDecimal(part, 3);
        if (value < 0 || value > 255)
            return false;
    }
    return true;
}

bool Net_IsValidPort(const QString &text)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (const QChar c : text) {
        if (!isAsciiDigit(c))
            return false;
    }
    const int value = boundedDecimal(text, 5);
    return value >= 1 && value <= 65534;
}

bool Net_CheckParams(const QString &ip, const QString &port, const QString &mask,
                     const QString &gateway)
{
    return Net_IsValidAddress(ip) && Net_IsValidPort(port) && Net_IsValidAddress(mask)
        && Net_IsValidAddress(gateway);
}
