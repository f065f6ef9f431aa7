// The process-wide services and threads: created once, each service in its own thread, and a
// shutdown that stops the threads (closing their links inside them) and leaves nothing running.
#include "link/command_catalogue.h"
#include "link/link_runtime.h"
#include "link/service_serial_port.h"
#include "link/service_tcp_client.h"
#include "link_peers.h"

#include <QtTest>

class TestLinkRuntime : public QObject
{
    Q_OBJECT

private slots:
    void accessors_sameObjectsEachServiceInItsOwnIdleThread()
    {
        ServiceSerialPort *serial = Link_SerialService();
        ServiceTcpClient *tcp = Link_TcpService();
        QVERIFY(serial && tcp);
        QCOMPARE(Link_SerialService(), serial);
        QCOMPARE(Link_TcpService(), tcp);
        QCOMPARE(serial->thread(), Link_SerialThread());
        QCOMPARE(tcp->thread(), Link_TcpThread());
        QVERIFY(Link_SerialThread() != Link_TcpThread());
        QVERIFY(!Link_SerialThread()->isRunning());
        QVERIFY(!Link_TcpThread()->isRunning());
        QVERIFY(SerialLinkContext.ready);
        QVERIFY(TcpLinkContext.ready);
        // Moving a service into its own thread again, as the connection page does, is harmless.
        tcp->moveToThread(Link_TcpThread());
        QCOMPARE(tcp->thread(), Link_TcpThread());
    }

    void shutdown_stopsRunningThreadsAndClosesTheLink()
    {
        TcpPeer peer;
        QVERIFY(peer.listen());
        ServiceTcpClient *tcp = Link_TcpService();
        // Recorded in this thread (a spy would record in the service's).
        QVariantList status;
        connect(tcp, &ServiceTcpClient::SGL_ConnectStatus_TcpClient, this,
                [&status](bool ok, int code) {
                    status = {ok, code};
                });
        // Queued before the threads start: the request waits in the service's queue.
        QMetaObject::invokeMethod(tcp, "SLT_SyncConnect_TcpClient", Qt::QueuedConnection,
                                  Q_ARG(QString, "127.0.0.1"), Q_ARG(QString, "127.0.0.1"),
                                  Q_ARG(QString, QString::number(peer.port())));
        Link_SerialThread()->start();
        Link_TcpThread()->start();
        QTRY_COMPARE_WITH_TIMEOUT(status, QVariantList({true, 0}), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(peer.connectionCount(), 1, 2000);
        QTcpSocket *client = peer.findChildren<QTcpSocket *>().value(0);
        QVERIFY(client);
        QSignalSpy closed(client, &QTcpSocket::disconnected);
        LinkMode = LinkModeTcp;
        CmdGetModelType(); // still queued, with a reply awaited, when the program ends
        QMetaObject::invokeMethod(tcp, "SLT_RealSendData_TcpClient", Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(peer.lines.size(), 1, 2000);

        QThread *serialThread = Link_SerialThread();
        QThread *tcpThread = Link_TcpThread();
        // Counted in this thread (a spy would count in the finishing one).
        int serialFinished = 0;
        int tcpFinished = 0;
        connect(serialThread, &QThread::finished, this, [&serialFinished] { ++serialFinished; });
        connect(tcpThread, &QThread::finished, this, [&tcpFinished] { ++tcpFinished; });
        Link_Shutdown();
        QTRY_COMPARE(serialFinished, 1);
        QTRY_COMPARE(tcpFinished, 1);
        QVERIFY(!TcpLinkContext.ready); // the service closed its link in its thread
        QVERIFY(closed.size() == 1 || closed.wait(2000));
        LinkMode = LinkModeNone;
    }

    void afterShutdown_accessorsEmptyAndShutdownIdempotent()
    {
        QCOMPARE(Link_SerialService(), nullptr);
        QCOMPARE(Link_TcpService(), nullptr);
        QCOMPARE(Link_SerialThread(), nullptr);
        QCOMPARE(Link_TcpThread(), nullptr);
        Link_Shutdown();
    }
};

QTEST_GUILESS_MAIN(TestLinkRuntime)
#include "tst_link_runtime.moc"
