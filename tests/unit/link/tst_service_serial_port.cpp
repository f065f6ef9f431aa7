// What only the serial link does: open failure code, the five port settings, a port that
// vanishes under the service.
#include "link/command_catalogue.h"
#include "link/service_serial_port.h"
#include "link_harness.h"

#include <QtTest>

#include <termios.h>

class TestServiceSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void connect_missingPort_reportsCode3AndStaysClosed()
    {
        ServiceSerialPort service;
        QSignalSpy status(&service, &ServiceSerialPort::SGL_ConnectStatus_SerialPort);
        service.SLT_SyncConnect_SerialPort("/dev/korvane-no-such-port", "9600", "8", "0", "1", "0");
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.at(0).at(0).toBool(), false);
        QCOMPARE(status.at(0).at(1).toInt(), 3);
        QVERIFY(!service.channel().isConnected());
    }

    void connect_settings_appliedToTheLine_data()
    {
        QTest::addColumn<QString>("baud");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<speed_t>("speed");
        QTest::addColumn<bool>("twoStopBits");
        QTest::newRow("9600 1") << "9600"
                                << "1" << speed_t(B9600) << false;
        QTest::newRow("19200 2") << "19200"
                                 << "2" << speed_t(B19200) << true;
        QTest::newRow("115200 1") << "115200"
                                  << "1" << speed_t(B115200) << false;
    }
    void connect_settings_appliedToTheLine()
    {
        QFETCH(QString, baud);
        QFETCH(QString, stop);
        QFETCH(speed_t, speed);
        QFETCH(bool, twoStopBits);
        PtyPeer pty;
        QVERIFY(pty.isOpen());
        ServiceSerialPort service;
        QSignalSpy status(&service, &ServiceSerialPort::SGL_ConnectStatus_SerialPort);
        service.SLT_SyncConnect_SerialPort(pty.slavePath(), baud, "8", "0", stop, "0");
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.at(0), QVariantList({true, 0}));
        termios tio {};
        QCOMPARE(tcgetattr(pty.slaveFd(), &tio), 0);
        QCOMPARE(cfgetospeed(&tio), speed);
        QCOMPARE(cfgetispeed(&tio), speed);
        QCOMPARE((tio.c_cflag & CSTOPB) != 0, twoStopBits);
        QCOMPARE(service.lastError(), 255);
        service.SLT_SyncDisconnect_SerialPort();
    }

    void connect_nonsenseSettings_stillOpensWithoutCrash()
    {
        PtyPeer pty;
        ServiceSerialPort service;
        QSignalSpy status(&service, &ServiceSerialPort::SGL_ConnectStatus_SerialPort);
        service.SLT_SyncConnect_SerialPort(pty.slavePath(), "abc", "99", "-7", "", "123456789");
        QCOMPARE(status.at(0), QVariantList({true, 0}));
        service.SLT_SyncDisconnect_SerialPort();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void connect_twice_secondConnectReplacesFirstPort()
    {
        PtyPeer first;
        PtyPeer second;
        ServiceSerialPort service;
        QSignalSpy status(&service, &ServiceSerialPort::SGL_ConnectStatus_SerialPort);
        service.SLT_SyncConnect_SerialPort(first.slavePath(), "9600", "8", "0", "1", "0");
        service.SLT_SyncConnect_SerialPort(second.slavePath(), "9600", "8", "0", "1", "0");
        QCOMPARE(status.size(), 2);
        QCOMPARE(status.at(1), QVariantList({true, 0}));
        LinkMode = LinkModeSerial;
        CmdGetModelType();
        service.SLT_RealSendData_SerialPort();
        QTRY_COMPARE_WITH_TIMEOUT(second.lines.size(), 1, 2000);
        QVERIFY(first.lines.isEmpty());
        service.SLT_SyncDisconnect_SerialPort();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        LinkMode = LinkModeNone;
    }

    // The terminal goes away: told once as lost, the port closed (no loop reporting read
    // errors), and the commands queued afterwards reported as not sent, not as unanswered.
    void portVanishes_lostOnceAndCommandsNotSent()
    {
        LinkHarness h(LinkHarness::Serial, false);
        QVERIFY(h.connectLink());
        QSignalSpy sent(&h, &LinkHarness::sent);
        QSignalSpy timedOut(&h, &LinkHarness::timedOut);
        QSignalSpy lost(&h.channel(), &LinkChannel::lost);
        QSignalSpy notSent(&h.channel(), &LinkChannel::notSent);
        h.pty()->closeMaster();
        QVERIFY(lost.wait(2000));
        h.pushCommand("GET A\r", LinkHarness::awaiting("A", 100, true));
        h.pushCommand("GET B\r", LinkHarness::awaiting("B", 100, true));
        h.trigger();
        QTRY_COMPARE_WITH_TIMEOUT(notSent.size(), 2, 3000);
        QCOMPARE(notSent.at(0).at(1).toByteArray(), QByteArray("GET A\r"));
        QCOMPARE(notSent.at(1).at(1).toByteArray(), QByteArray("GET B\r"));
        QVERIFY(!timedOut.wait(300));
        QCOMPARE(sent.size(), 0);
        QCOMPARE(lost.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestServiceSerialPort)
#include "tst_service_serial_port.moc"
