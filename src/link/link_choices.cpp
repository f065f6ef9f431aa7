#include "link/link_choices.h"

#include "app/net_subnet.h"

#include <QNetworkInterface>
#include <QSerialPortInfo>

#include <algorithm>

QStringList Ports_Listed(const QList<SerialPortEntry> &ports)
{
    QStringList names;
    for (const SerialPortEntry &port : ports) {
        if (!port.description.isEmpty() && !port.manufacturer.isEmpty())
            names << port.name;
    }
    return names;
}

QList<SerialPortEntry> Ports_Present()
{
    QList<SerialPortEntry> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports.append({info.portName(), info.description(), info.manufacturer()});
    return ports;
}

QString Serial_PortNameFromInput(const QString &text)
{
    QString name;
    const QString trimmed = text.trimmed();
    name.reserve(std::min(trimmed.size(), PortNameMaxLength));
    for (const QChar c : trimmed) {
        if (name.size() >= PortNameMaxLength)
            break;
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            continue;
        name.append(c);
    }
    return name;
}

namespace {
struct ValueOf
{
    const char *text;
    const char *value;
};

template <size_t N>
QString lookup(const QString &text, const ValueOf (&table)[N], const char *otherwise)
{
    for (const ValueOf &entry : table) {
        if (text == QLatin1String(entry.text))
            return QString::fromLatin1(entry.value);
    }
    return QString::fromLatin1(otherwise);
}

constexpr ValueOf DataBitsValues[] = {{"5", "5"}, {"6", "6"}, {"7", "7"}};
constexpr ValueOf ParityValues[]
    = {{"None", "0"}, {"Even", "2"}, {"Odd", "3"}, {"Space", "4"}, {"Mark", "5"}};
constexpr ValueOf StopBitsValues[] = {{"1", "1"}, {"1.5", "3"}, {"2", "2"}};
constexpr ValueOf FlowControlValues[] = {{"None", "0"}, {"Hardware", "1"}, {"Software", "2"}};
} // namespace

QString Serial_DataBitsValue(const QString &text)
{
    return lookup(text, DataBitsValues, "8");
}

QString Serial_ParityValue(const QString &text)
{
    return lookup(text, ParityValues, "0");
}

QString Serial_StopBitsValue(const QString &text)
{
    return lookup(text, StopBitsValues, "1");
}

QString Serial_FlowControlValue(const QString &text)
{
    return lookup(text, FlowControlValues, "0");
}

QStringList LocalIp_Items(const QList<LocalAddressEntry> &entries, const QString &deviceIp,
                          const QString &deviceMask)
{
    QStringList items;
    for (const LocalAddressEntry &entry : entries) {
        if (!entry.ipv4 || entry.ip.isEmpty() || entry.netmask.isEmpty())
            continue;
        if (entry.broadcast.isEmpty() && !entry.loopback)
            continue;
        if (!Net_SameSubnet(entry.ip, entry.netmask, deviceIp, deviceMask))
            continue;
        items << entry.ip + QLatin1Char('<') + entry.interfaceName + QLatin1Char('>');
    }
    return items;
}

QList<LocalAddressEntry> LocalIp_Present()
{
    QList<LocalAddressEntry> entries;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const bool loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
        const QList<QNetworkAddressEntry> addresses = interface.addressEntries();
        for (const QNetworkAddressEntry &address : addresses) {
            LocalAddressEntry entry;
            entry.ipv4 = address.ip().protocol() == QAbstractSocket::IPv4Protocol;
            entry.ip = address.ip().toString();
            entry.netmask = address.netmask().toString();
            entry.broadcast = address.broadcast().toString();
            entry.interfaceName = interface.humanReadableName();
            entry.loopback = loopback && address.ip().isLoopback();
            entries.append(entry);
        }
    }
    return entries;
}

QString LocalIp_FromItem(const QString &item)
{
    const int end = item.indexOf(QLatin1Char('<'));
    return end < 0 ? item : item.left(end);
}
