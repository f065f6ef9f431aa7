// The rules behind the connection page's choices: which ports and PC addresses are offered,
// what a typed port name becomes, and the serial library's values for the fixed lists.
#include "link/link_choices.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<SerialPortEntry>)
Q_DECLARE_METATYPE(QList<LocalAddressEntry>)

namespace {
LocalAddressEntry v4(const QString &ip, const QString &mask, const QString &broadcast,
                     const QString &name, bool loopback = false)
{
    LocalAddressEntry entry;
    entry.ip = ip;
    entry.netmask = mask;
    entry.broadcast = broadcast;
    entry.interfaceName = name;
    entry.ipv4 = true;
    entry.loopback = loopback;
    return entry;
}
} // namespace

class TestLinkChoices : public QObject
{
    Q_OBJECT

private slots:
    void ports_data()
    {
        QTest::addColumn<QList<SerialPortEntry>>("ports");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("none") << QList<SerialPortEntry>() << QStringList();
        QTest::newRow("adapter") << QList<SerialPortEntry> {{"ttyUSB0", "USB Serial", "FTDI"}}
                                 << QStringList {"ttyUSB0"};
        QTest::newRow("empty manufacturer never listed")
            << QList<SerialPortEntry> {{"ttyS0", "16550A", ""}, {"ttyUSB1", "CP2102", "Silabs"}}
            << QStringList {"ttyUSB1"};
        QTest::newRow("empty description never listed")
            << QList<SerialPortEntry> {{"ttyACM0", "", "Acme"}} << QStringList();
        QTest::newRow("order kept")
            << QList<SerialPortEntry> {{"b", "d", "m"}, {"a", "d", "m"}, {"c", "", ""}}
            << QStringList {"b", "a"};
    }
    void ports()
    {
        QFETCH(QList<SerialPortEntry>, ports);
        QFETCH(QStringList, listed);
        QCOMPARE(Ports_Listed(ports), listed);
    }

    void typedPortName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("name") << "ttyUSB0"
                              << "ttyUSB0";
        QTest::newRow("path") << "/dev/ttyUSB0"
                              << "/dev/ttyUSB0";
        QTest::newRow("by-id path") << "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"
                                    << "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0";
        QTest::newRow("spaces around") << "  /dev/pts/3 \t"
                                       << "/dev/pts/3";
        QTest::newRow("line breaks cannot reach config.ini") << "COM1\r\nKey_UI_Login=0"
                                                             << "COM1Key_UI_Login=0";
        QTest::newRow("unicode line separator") << QString("a") + QChar(0x2028) + "b"
                                                << "ab";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("bounded") << QString(1000, QLatin1Char('x'))
                                 << QString(PortNameMaxLength, QLatin1Char('x'));
    }
    void typedPortName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QCOMPARE(Serial_PortNameFromInput(typed), name);
    }

    void serialValues_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        const char *rows[][3] = {
            {"data", "5", "5"},        {"data", "6", "6"},        {"data", "7", "7"},
            {"data", "8", "8"},        {"data", "9", "8"},        {"data", "", "8"},
            {"parity", "None", "0"},   {"parity", "Even", "2"},   {"parity", "Odd", "3"},
            {"parity", "Space", "4"},  {"parity", "Mark", "5"},   {"parity", "odd", "0"},
            {"stop", "1", "1"},        {"stop", "1.5", "3"},      {"stop", "2", "2"},
            {"stop", "3", "1"},        {"flow", "None", "0"},     {"flow", "Hardware", "1"},
            {"flow", "Software", "2"}, {"flow", "XON/XOFF", "0"},
        };
        for (const auto &row : rows)
            QTest::newRow(QByteArray(row[0]).append(' ').append(row[1]).constData())
                << row[0] << row[1] << row[2];
    }
    void serialValues()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, value);
        QString actual;
        if (kind == "data")
            actual = Serial_DataBitsValue(text);
        else if (kind == "parity")
            actual = Serial_ParityValue(text);
        else if (kind == "stop")
            actual = Serial_StopBitsValue(text);
        else
            actual = Serial_FlowControlValue(text);
        QCOMPARE(actual, value);
    }

    void localAddresses_data()
    {
        QTest::addColumn<QList<LocalAddressEntry>>("entries");
        QTest::addColumn<QString>("deviceIp");
        QTest::addColumn<QString>("deviceMask");
        QTest::addColumn<QStringList>("items");
        const QString dev = "192.168.0.247";
        const QString m24 = "255.255.255.0";
        QTest::newRow("same subnet listed, other not")
            << QList<LocalAddressEntry> {v4("192.168.0.10", m24, "192.168.0.255", "eth0"),
                                         v4("192.168.1.10", m24, "192.168.1.255", "wlan0")}
            << dev << m24 << QStringList {"192.168.0.10<eth0>"};
        QTest::newRow("masks differ: each side its own mask")
            << QList<LocalAddressEntry> {v4("192.168.0.3", "255.255.0.0", "192.168.255.255",
                                            "eth1")}
            << dev << m24 << QStringList {"192.168.0.3<eth1>"};
        QTest::newRow("masks differ and disagree")
            << QList<LocalAddressEntry> {v4("192.168.7.3", m24, "192.168.7.255", "eth1")}
            << "192.168.0.247"
            << "255.255.0.0" << QStringList();
        LocalAddressEntry v6 = v4("fe80::1", "ffff:ffff:ffff:ffff::", "", "eth0");
        v6.ipv4 = false;
        QTest::newRow("IPv6 never") << QList<LocalAddressEntry> {v6} << dev << m24 << QStringList();
        QTest::newRow("no broadcast (point-to-point) not listed")
            << QList<LocalAddressEntry> {v4("192.168.0.9", m24, "", "tun0")} << dev << m24
            << QStringList();
        QTest::newRow("no mask not listed")
            << QList<LocalAddressEntry> {v4("192.168.0.9", "", "192.168.0.255", "x")} << dev << m24
            << QStringList();
        QTest::newRow("loopback for a device on loopback")
            << QList<LocalAddressEntry> {v4("127.0.0.1", "255.0.0.0", "", "lo", true),
                                         v4("192.168.0.10", m24, "192.168.0.255", "eth0")}
            << "127.0.0.1"
            << "255.0.0.0" << QStringList {"127.0.0.1<lo>"};
        QTest::newRow("loopback not for a device elsewhere")
            << QList<LocalAddressEntry> {v4("127.0.0.1", "255.0.0.0", "", "lo", true)} << dev << m24
            << QStringList();
        QTest::newRow("enumeration order kept")
            << QList<LocalAddressEntry> {v4("10.0.0.2", "255.0.0.0", "10.255.255.255", "b"),
                                         v4("10.0.0.1", "255.0.0.0", "10.255.255.255", "a")}
            << "10.1.2.3"
            << "255.0.0.0" << QStringList {"10.0.0.2<b>", "10.0.0.1<a>"};
    }
    void localAddresses()
    {
        QFETCH(QList<LocalAddressEntry>, entries);
        QFETCH(QString, deviceIp);
        QFETCH(QString, deviceMask);
        QFETCH(QStringList, items);
        QCOMPARE(LocalIp_Items(entries, deviceIp, deviceMask), items);
    }

    void localIpFromItem_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("ip");
        QTest::newRow("item") << "192.168.0.10<eth0>"
                              << "192.168.0.10";
        QTest::newRow("name with <") << "10.0.0.1<a<b>"
                                     << "10.0.0.1";
        QTest::newRow("bare address") << "10.0.0.1"
                                      << "10.0.0.1";
        QTest::newRow("empty") << ""
                               << "";
    }
    void localIpFromItem()
    {
        QFETCH(QString, item);
        QFETCH(QString, ip);
        QCOMPARE(LocalIp_FromItem(item), ip);
    }

    // The PC's own list always offers its loopback address for a device on loopback.
    void present_loopbackOffered()
    {
        const QStringList items = LocalIp_Items(LocalIp_Present(), QStringLiteral("127.0.0.1"),
                                                QStringLiteral("255.0.0.0"));
        QVERIFY2(!items.filter(QStringLiteral("127.0.0.1<")).isEmpty(),
                 qPrintable(items.join(' ')));
    }
};

QTEST_GUILESS_MAIN(TestLinkChoices)
#include "tst_link_choices.moc"
