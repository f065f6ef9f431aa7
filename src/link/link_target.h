// Which link to open and with what: the kind (serial or TCP), its parameters as the services
// take them, and the per-connection reply time-out.
#pragma once

#include "link/cmd_compose.h"
#include "link/link_context.h"

#include <QString>

enum class LinkKind : qint32 { None = LinkModeNone, Serial = LinkModeSerial, Tcp = LinkModeTcp };

struct LinkTarget
{
    LinkKind kind = LinkKind::None;
    // Serial: the port's name or device path and the serial library's enumeration values as
    // decimal text, as the serial service's connect slot takes them.
    QString portName;
    QString baudRate;
    QString dataBits;
    QString parity;
    QString stopBits;
    QString flowControl;
    // TCP: the PC address to bind to, the device's address and port.
    QString localIp;
    QString remoteIp;
    QString remotePort;
    // Longest wait for any reply on this connection.
    int replyTimeoutMs = ReplyTimeoutMs;

    static LinkTarget serial(const QString &portName, const QString &baudRate,
                             const QString &dataBits, const QString &parity,
                             const QString &stopBits, const QString &flowControl);
    static LinkTarget tcp(const QString &localIp, const QString &remoteIp,
                          const QString &remotePort);

    // For a status line: "ttyUSB0 @ 115200", "192.168.0.247:2000"; empty for no link.
    QString describe() const;
};
