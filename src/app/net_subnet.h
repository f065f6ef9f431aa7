// Which of the PC's own addresses can reach the device: an address is offered when it lies in
// the device's subnet, each side masked with its own mask. Pure text rules, no sockets.
#pragma once

#include <QString>

#include <array>

// The four octets of a dotted quad. A text with exactly three dots gives one octet per part,
// the decimal number formed by the part's digits (any other character is skipped, a part
// without digits is 0, a value too large saturates). Any other number of dots gives 0.0.0.0.
std::array<quint32, 4> Net_ParseDottedQuad(const QString &text);

// True when, octet by octet, ip AND mask equals deviceIp AND deviceMask.
bool Net_SameSubnet(const QString &ip, const QString &mask, const QString &deviceIp,
                    const QString &deviceMask);
