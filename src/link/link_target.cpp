#include "link/link_target.h"

LinkTarget LinkTarget::serial(const QString &portName, const QString &baudRate,
                              const QString &dataBits, const QString &parity,
                              const QString &stopBits, const QString &flowControl)
{
    LinkTarget target;
    target.kind = LinkKind::Serial;
    target.portName = portName;
    target.baudRate = baudRate;
    target.dataBits = dataBits;
    target.parity = parity;
    target.stopBits = stopBits;
    target.flowControl = flowControl;
    return target;
}

LinkTarget LinkTarget::tcp(const QString &localIp, const QString &remoteIp,
                           const QString &remotePort)
{
    LinkTarget target;
    target.kind = LinkKind::Tcp;
    target.localIp = localIp;
    target.remoteIp = remoteIp;
    target.remotePort = remotePort;
    return target;
}

QString LinkTarget::describe() const
{
    if (kind == LinkKind::Tcp)
        return remoteIp + QLatin1Char(':') + remotePort;
    if (kind != LinkKind::Serial)
        return QString();
    // The operator knows the port by its name, not by the folder it sits in.
    QString name = portName;
    if (name.startsWith(QLatin1String("/dev/")))
        name.remove(0, 5);
    return name + QLatin1String(" @ ") + baudRate;
}
