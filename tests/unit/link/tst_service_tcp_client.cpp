// What only the TCP link does: the port text, connect failure code and clean-up, the reconnect
// before each command when the device went away and came back, or stays away.
#include "link/command_catalogue.h"
#include "link/service_tcp_client.h"
#include "link_harness.h"

#include "link/link_channel.h"

#include <QtTest>

class TestServiceTcpClient : public QObject
{
    Q_OBJECT

private slots:
    void connect_portTextAbove65535_reducedTo16Bits()
    {
        TcpPeer peer;
        QVERIFY(peer.listen());
        ServiceTcpClient service;
        QSignalSpy status(&service, &ServiceTcpClient::SGL_ConnectStatus_TcpClient);
        service.SLT_SyncConnect_TcpClient("127.0.0.1", "127.0.0.1",
                                          QString::number(peer.port() + 65536));
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.at(0), QVariantList({true, 0}));
        QTRY_COMPARE_WITH_TIMEOUT(peer.connectionCount(), 1, 2000);
        service.SLT_SyncDisconnect_TcpClient();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void connect_nobodyListening_reportsCode5AndLeavesNoSocket_data()
    {
        QTest::addColumn<QString>("localIp");
        QTest::newRow("bound to 127.0.0.1") << "127.0.0.1";
        QTest::newRow("no local address") << "";
    }
    void connect_nobodyListening_reportsCode5AndLeavesNoSocket()
    {
        QFETCH(QString, localIp);
        const quint16 port = UnusedLoopbackPort();
        ServiceTcpClient service;
        QSignalSpy status(&service, &ServiceTcpClient::SGL_ConnectStatus_TcpClient);
        const int fdsBefore = OpenFdCount();
        service.SLT_SyncConnect_TcpClient(localIp, "127.0.0.1", QString::number(port));
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.at(0), QVariantList({false, 5}));
        QVERIFY(!service.channel().isConnected());
        QCOMPARE(OpenFdCount(), fdsBefore);
        QVERIFY(service.findChildren<QTcpSocket *>().isEmpty());
    }

    void reconnect_peerClosedAndBack_commandGoesOutWithoutReport()
    {
        LinkHarness h(LinkHarness::Tcp, false);
        QVERIFY(h.connectLink());
        QSignalSpy reconnect(&h, &LinkHarness::reconnectStatus);
        h.tcp()->responder = [](const QByteArray &line) { return line.mid(4); }; // echo the item
        CmdGetModelType();
        h.trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h.tcp()->lines.size(), 1, 2000);

        // The device drops the connection and listens again at once.
        h.tcp()->dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(h.lastError(), int(QAbstractSocket::RemoteHostClosedError), 2000);
        QSignalSpy sent(&h, &LinkHarness::sent);
        CmdGetOutHdcp();
        h.trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h.tcp()->lines.size(), 2, 3000);
        QCOMPARE(h.tcp()->lines.at(1), QByteArray("GET OUT HDCP\r"));
        QCOMPARE(h.tcp()->connectionCount(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(sent.size(), 1, 2000);
        QCOMPARE(reconnect.size(), 0);
    }

    // The peer is gone: told once as lost; each queued command still costs one failed
    // reconnect, and is reported as not sent (not as unanswered); back again, the next command
    // reconnects quietly.
    void reconnect_peerStaysAway_oneFailurePerCommandThenBackAgain()
    {
        LinkHarness h(LinkHarness::Tcp, false);
        QVERIFY(h.connectLink());
        const quint16 port = h.tcp()->port();
        QSignalSpy reconnect(&h, &LinkHarness::reconnectStatus);
        QSignalSpy timedOut(&h, &LinkHarness::timedOut);
        QSignalSpy sent(&h, &LinkHarness::sent);
        QSignalSpy lost(&h.channel(), &LinkChannel::lost);
        QSignalSpy notSent(&h.channel(), &LinkChannel::notSent);
        h.tcp()->stopListening();
        h.tcp()->dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(h.lastError(), int(QAbstractSocket::RemoteHostClosedError), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 2000);
        h.pushCommand("GET A\r", LinkHarness::awaiting("A", 150, true));
        h.pushCommand("GET B\r", LinkHarness::awaiting("B", 150, true));
        h.pushCommand("GET C\r", LinkHarness::awaiting("C", 150, true));
        h.trigger();
        h.trigger(); // extra triggers cost nothing
        QTRY_COMPARE_WITH_TIMEOUT(notSent.size(), 3, 8000);
        QCOMPARE(sent.size(), 0);
        QCOMPARE(timedOut.size(), 0);
        QCOMPARE(reconnect.size(), 3);
        for (const QList<QVariant> &args : qAsConst(reconnect))
            QCOMPARE(args.at(0).toBool(), false);
        QVERIFY(!notSent.wait(300)); // queue drained: no more attempts
        QCOMPARE(reconnect.size(), 3);
        QCOMPARE(lost.size(), 1);

        // The device comes back on the same port: the next command reconnects quietly.
        QVERIFY(h.tcp()->listen(port));
        CmdGetModelType();
        h.trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h.tcp()->lines.size(), 1, 3000);
        QCOMPARE(h.tcp()->lines.at(0), QByteArray("GET MODEL TYPE\r"));
        QCOMPARE(reconnect.size(), 3);
    }

    void reconnect_partialLineOfOldConnectionDropped()
    {
        LinkHarness h(LinkHarness::Tcp, false);
        QVERIFY(h.connectLink());
        h.tcp()->write("MODEL TY"); // the device dies mid-line
        QTRY_COMPARE_WITH_TIMEOUT(h.context().line.heldLength(), 8, 2000);
        h.tcp()->dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(h.lastError(), int(QAbstractSocket::RemoteHostClosedError), 2000);
        h.tcp()->responder = [](const QByteArray &) { return QByteArray("PE Halden\r"); };
        QSignalSpy received(&h, &LinkHarness::received);
        CmdGetModelType();
        h.trigger();
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 3000);
        QCOMPARE(h.drainReceived(), QList<QByteArray>({"PE Halden\r"}));
    }
};

QTEST_GUILESS_MAIN(TestServiceTcpClient)
#include "tst_service_tcp_client.moc"
