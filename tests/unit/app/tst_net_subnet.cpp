// The rule that decides which of the PC's addresses are offered for a device: dotted-quad
// parsing (lenient, never overflowing) and the masked comparison.
#include "app/net_subnet.h"

#include <QtTest>

using Quad = std::array<quint32, 4>;
Q_DECLARE_METATYPE(Quad)

class TestNetSubnet : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Quad>("octets");
        QTest::newRow("device default") << "192.168.0.247" << Quad {192, 168, 0, 247};
        QTest::newRow("mask") << "255.255.255.0" << Quad {255, 255, 255, 0};
        QTest::newRow("leading zeros") << "010.001.000.09" << Quad {10, 1, 0, 9};
        QTest::newRow("letters are skipped") << "1a9b2.16x8.0.1" << Quad {192, 168, 0, 1};
        QTest::newRow("spaces are skipped") << " 10 .0. 0.1 " << Quad {10, 0, 0, 1};
        QTest::newRow("empty parts are 0") << "1..2." << Quad {1, 0, 2, 0};
        QTest::newRow("dots only") << "..." << Quad {0, 0, 0, 0};
        QTest::newRow("above 255 kept as is") << "300.1.1.1" << Quad {300, 1, 1, 1};
        QTest::newRow("huge part saturates")
            << "1.2.3.99999999999999999999" << Quad {1, 2, 3, 0xffffffffu};
        QTest::newRow("two dots") << "192.168.1" << Quad {0, 0, 0, 0};
        QTest::newRow("four dots") << "1.2.3.4.5" << Quad {0, 0, 0, 0};
        QTest::newRow("empty") << "" << Quad {0, 0, 0, 0};
        QTest::newRow("non-ASCII digits are skipped")
            << QString::fromUtf8("1٢.3.4.５6") << Quad {1, 3, 4, 6};
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(Quad, octets);
        QCOMPARE(Net_ParseDottedQuad(text), octets);
    }

    void sameSubnet_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("deviceIp");
        QTest::addColumn<QString>("deviceMask");
        QTest::addColumn<bool>("same");
        const QString dev = QStringLiteral("192.168.0.247");
        const QString m24 = QStringLiteral("255.255.255.0");
        QTest::newRow("same /24") << "192.168.0.10" << m24 << dev << m24 << true;
        QTest::newRow("other /24") << "192.168.1.10" << m24 << dev << m24 << false;
        QTest::newRow("device address itself") << dev << m24 << dev << m24 << true;
        QTest::newRow("/16 both") << "192.168.7.1"
                                  << "255.255.0.0" << dev << "255.255.0.0" << true;
        // Each side is masked with its own mask; the results must agree octet by octet.
        QTest::newRow("PC /16 masks its own third octet away")
            << "192.168.1.10"
            << "255.255.0.0" << dev << m24 << true;
        QTest::newRow("PC /16, device /24 keeps a third octet the PC does not have")
            << "192.168.1.10"
            << "255.255.0.0"
            << "192.168.3.247" << m24 << false;
        QTest::newRow("PC /24, device /16")
            << "192.168.0.10" << m24 << dev << "255.255.0.0" << true;
        QTest::newRow("PC /24 on .5, device /16 masks .0 away")
            << "192.168.5.10" << m24 << dev << "255.255.0.0" << false;
        QTest::newRow("zero masks always agree") << "10.0.0.1"
                                                 << "0.0.0.0" << dev << "0.0.0.0" << true;
        QTest::newRow("loopback /8") << "127.0.0.1"
                                     << "255.0.0.0"
                                     << "127.0.0.1"
                                     << "255.0.0.0" << true;
        QTest::newRow("unparsable device text is 0.0.0.0")
            << "192.168.0.10" << m24 << "device" << m24 << false;
        QTest::newRow("both unparsable") << "x"
                                         << "y"
                                         << "z"
                                         << "w" << true;
    }
    void sameSubnet()
    {
        QFETCH(QString, ip);
        QFETCH(QString, mask);
        QFETCH(QString, deviceIp);
        QFETCH(QString, deviceMask);
        QFETCH(bool, same);
        QCOMPARE(Net_SameSubnet(ip, mask, deviceIp, deviceMask), same);
    }
};

QTEST_APPLESS_MAIN(TestNetSubnet)
#include "tst_net_subnet.moc"
