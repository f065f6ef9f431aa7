// Checks the network parameters typed by the operator before they are used for a
// connection or written to the device. A bad address written to the device can leave it
// unreachable, so these rules refuse anything that is not a plain dotted IPv4 text.
#pragma once

#include <QString>

// Four dot-separated parts of ASCII digits, none empty, each at most 255 ("080" reads as 80).
bool Net_IsValidAddress(const QString &text);

// One to five ASCII digits with a value from 1 to 65534.
bool Net_IsValidPort(const QString &text);

// Address rule for ip, then the port rule, then the address rule for mask and gateway.
bool Net_CheckParams(const QString &ip, const QString &port, const QString &mask,
                     const QString &gateway);
