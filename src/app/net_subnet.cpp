#include "app/net_subnet.h"

#include <limits>

std::array<quint32, 4> Net_ParseDottedQuad(const QString &text)
{
    std::array<quint32, 4> octets {};
    if (text.count(QLatin1Char('.')) != 3)
        return octets;
    constexpr quint32 Saturated = std::numeric_limits<quint32>::max();
    int part = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('.')) {
            ++part;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        const quint32 digit = static_cast<quint32>(c.unicode() - '0');
        quint32 &octet = octets[static_cast<size_t>(part)];
        octet = octet > (Saturated - digit) / 10 ? Saturated : octet * 10 + digit;
    }
    return octets;
}

bool Net_SameSubnet(const QString &ip, const QString &mask, const QString &deviceIp,
                    const QString &deviceMask)
{
    const auto a = Net_ParseDottedQuad(ip);
    const auto am = Net_ParseDottedQuad(mask);
    const auto b = Net_ParseDottedQuad(deviceIp);
    const auto bm = Net_ParseDottedQuad(deviceMask);
    for (size_t i = 0; i < a.size(); ++i) {
        if ((a[i] & am[i]) != (b[i] & bm[i]))
            return false;
    }
    return true;
}
