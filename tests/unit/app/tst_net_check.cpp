// Address and port rules applied before network settings are used or written to the device.
#include "app/net_check.h"

#include <QtTest>

class TestNetCheck : public QObject
{
    Q_OBJECT

private slots:
    void address_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("device default") << "192.168.0.247" << true;
        QTest::newRow("mask") << "255.255.255.0" << true;
        QTest::newRow("all zero") << "0.0.0.0" << true;
        QTest::newRow("all 255") << "255.255.255.255" << true;
        QTest::newRow("leading zero reads as 80") << "10.080.0.1" << true;
        QTest::newRow("many leading zeros") << "0000000001.2.3.4" << true;
        QTest::newRow("zero-padded 255") << "000255.1.1.1" << true;
        QTest::newRow("part 256") << "192.168.0.256" << false;
        QTest::newRow("part 999") << "999.1.1.1" << false;
        QTest::newRow("zero-padded 256") << "0256.1.1.1" << false;
        QTest::newRow("long part overflowing int") << "1.2.3.99999999999999999999" << false;
        QTest::newRow("two dots") << "192.168.1" << false;
        QTest::newRow("four dots") << "1.2.3.4.5" << false;
        QTest::newRow("letter") << "192.168.0.a" << false;
        QTest::newRow("hex") << "0x1.2.3.4" << false;
        QTest::newRow("space") << "192.168.0. 1" << false;
        QTest::newRow("sign") << "+1.2.3.4" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dots only") << "..." << false;
        QTest::newRow("empty middle part") << "1..2.3" << false;
        QTest::newRow("empty last part") << "1.2.3." << false;
        QTest::newRow("empty first part") << ".1.2.3" << false;
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٩٢.١.١.١") << false;
        QTest::newRow("fullwidth digit") << QString::fromUtf8("1.2.3.４") << false;
        QTest::newRow("trailing newline") << "1.2.3.4\n" << false;
    }
    void address()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Net_IsValidAddress(text), valid);
    }

    void port_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("device default") << "2000" << true;
        QTest::newRow("65534") << "65534" << true;
        QTest::newRow("65535") << "65535" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("00000") << "00000" << false;
        QTest::newRow("080 is 80") << "080" << true;
        QTest::newRow("00001") << "00001" << true;
        QTest::newRow("six digits") << "000080" << false;
        QTest::newRow("99999") << "99999" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("minus") << "-1" << false;
        QTest::newRow("space") << " 80" << false;
        QTest::newRow("letter") << "80a" << false;
        QTest::newRow("arabic-indic") << QString::fromUtf8("٨٠") << false;
    }
    void port()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Net_IsValidPort(text), valid);
    }

    void params_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<bool>("valid");
        QTest::newRow("defaults") << "192.168.0.247"
                                  << "2000"
                                  << "255.255.255.0"
                                  << "192.168.0.1" << true;
        QTest::newRow("bad ip") << "192.168.0"
                                << "2000"
                                << "255.255.255.0"
                                << "192.168.0.1" << false;
        QTest::newRow("bad port") << "192.168.0.247"
                                  << "65535"
                                  << "255.255.255.0"
                                  << "192.168.0.1" << false;
        QTest::newRow("bad mask") << "192.168.0.247"
                                  << "2000"
                                  << "255.255.255.x"
                                  << "192.168.0.1" << false;
        QTest::newRow("bad gateway") << "192.168.0.247"
                                     << "2000"
                                     << "255.255.255.0"
                                     << "192.168..1" << false;
    }
    void params()
    {
        QFETCH(QString, ip);
        QFETCH(QString, port);
        QFETCH(QString, mask);
        QFETCH(QString, gateway);
        QFETCH(bool, valid);
        QCOMPARE(Net_CheckParams(ip, port, mask, gateway), valid);
    }
};

QTEST_APPLESS_MAIN(TestNetCheck)
#include "tst_net_check.moc"
