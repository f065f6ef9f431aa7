// The rules behind the connection page's choices, kept apart from the widgets so that each
// can be checked on its own: which serial ports and PC addresses are offered, and how the
// serial settings chosen on the page become the serial library's enumeration values.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct SerialPortEntry
{
    QString name;
    QString description;
    QString manufacturer;
};

// Names of the ports that report both a description and a manufacturer, in the given order.
// Ports without them are mostly virtual or built-in lines no device hangs on.
QStringList Ports_Listed(const QList<SerialPortEntry> &ports);

// The serial ports present on this PC, in the serial library's order.
QList<SerialPortEntry> Ports_Present();

// Longest port name or device path the operator may type.
constexpr int PortNameMaxLength = 256;

// What the operator typed or chose in the port box, as the port's name: surrounding spaces
// and control characters removed (the name is stored as one line of config.ini), at most
// PortNameMaxLength characters. A bare name ("ttyUSB0") and a full path ("/dev/ttyUSB0",
// "/dev/serial/by-id/...", a pseudo-terminal) are both accepted by the port.
QString Serial_PortNameFromInput(const QString &text);

// The serial library's values for the texts of the fixed lists: data bits "5", "6", "7",
// anything else "8"; parity None 0, Even 2, Odd 3, Space 4, Mark 5, else 0; stop bits "1" 1,
// "1.5" 3, "2" 2, else 1; flow control None 0, Hardware 1, Software 2, else 0.
QString Serial_DataBitsValue(const QString &text);
QString Serial_ParityValue(const QString &text);
QString Serial_StopBitsValue(const QString &text);
QString Serial_FlowControlValue(const QString &text);

struct LocalAddressEntry
{
    QString ip;
    QString netmask;
    QString broadcast;
    QString interfaceName; // human-readable
    bool ipv4 = false;
    bool loopback = false;
};

// The PC-address items for a device at deviceIp/deviceMask: "ip<interface name>" for every
// IPv4 entry with an address, a mask and a broadcast address that lies in the device's subnet
// (see Net_SameSubnet), in the given order. A loopback entry has no broadcast address; it is
// offered all the same when the device answers on loopback (the device simulator).
QStringList LocalIp_Items(const QList<LocalAddressEntry> &entries, const QString &deviceIp,
                          const QString &deviceMask);

// Every address entry of every network interface of this PC, in enumeration order.
QList<LocalAddressEntry> LocalIp_Present();

// The address part of a PC-address item: the text up to the first "<".
QString LocalIp_FromItem(const QString &item);
