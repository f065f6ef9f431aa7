// Connection page: the parameters it sends to the services, the connect and disconnect
// branches with their button texts (in either language), the failure reports, the self-
// refreshing lists, the status log, and the link thread stopped when the window goes.
#include "link_page_helpers.h"

#include "app/config_values.h"
#include "link/link_prefs.h"
#include "link/service_serial_port.h"
#include "link/service_tcp_client.h"
#include "support/modal_box_driver.h"
#include "support/test_runtime.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {
QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

bool closedState(Ui_Uart_Network *page)
{
    return LinkMode == LinkModeNone && page->uartButton()->text() == S_ConnectDisconnect[0]
        && page->networkButton()->text() == S_ConnectDisconnect[0]
        && page->uartButton()->isEnabled() && page->networkButton()->isEnabled()
        && page->portBox()->isEnabled() && page->ipEdit()->isEnabled()
        && page->localIpBox()->isEnabled();
}

// A path that no serial port has.
const QString MissingPort = QStringLiteral("/nonexistent/korvane-test-port");
} // namespace

class TestConnectionPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetLinkState(); }
    void cleanup() { ResetLinkState(); }

    void firstBuild_fixedListsAndDefaults()
    {
        TestRuntime rt;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        QCOMPARE(items(page->baudBox()), BaudRateList);
        QCOMPARE(page->baudBox()->currentText(), QStringLiteral("9600"));
        QCOMPARE(page->dataBitBox()->currentText(), QStringLiteral("8"));
        QCOMPARE(page->parityBox()->currentText(), QStringLiteral("None"));
        QCOMPARE(page->stopBitBox()->currentText(), QStringLiteral("1"));
        QCOMPARE(page->flowControlBox()->currentText(), QStringLiteral("None"));
        QCOMPARE(page->protocolBox()->currentText(), NetworkProtocolList.at(1));
        for (QWidget *fixed :
             {static_cast<QWidget *>(page->dataBitBox()), static_cast<QWidget *>(page->parityBox()),
              static_cast<QWidget *>(page->stopBitBox()),
              static_cast<QWidget *>(page->flowControlBox()),
              static_cast<QWidget *>(page->protocolBox()),
              static_cast<QWidget *>(page->localPortEdit())})
            QVERIFY(!fixed->isEnabled());
        QVERIFY(page->portBox()->isEditable());
        QCOMPARE(items(page->portBox()), QStringList {SP_Name});
        QCOMPARE(page->ipEdit()->text(), SP_RemoteIp);
        QCOMPARE(page->portEdit()->text(), SP_RemotePort);
        QCOMPARE(page->maskEdit()->text(), SP_RemoteSubmask);
        QCOMPARE(page->gatewayEdit()->text(), SP_RemoteGateway);
        QCOMPARE(page->localPortEdit()->text(), QStringLiteral("1001"));
        QVERIFY(page->localPortEdit()->isHidden());
        QCOMPARE(page->localIpBox()->count(), 0);
        QVERIFY(page->statusLog()->isReadOnly());
        QCOMPARE(page->statusLog()->maximumBlockCount(), StatusLogMaxLines);
        QVERIFY(closedState(page));
        QCOMPARE(page->uartButton()->text(), QStringLiteral("Connect"));
        QCOMPARE(page->clearButton()->text(), S_Clear);
    }

    void textRefresh_buttonTextsFollowLinkMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("uartText");
        QTest::addColumn<int>("networkText");
        QTest::newRow("no link") << 0 << 0 << 0;
        QTest::newRow("serial") << 1 << 1 << 0;
        QTest::newRow("tcp") << 2 << 0 << 1;
    }
    void textRefresh_buttonTextsFollowLinkMode()
    {
        QFETCH(int, mode);
        QFETCH(int, uartText);
        QFETCH(int, networkText);
        TestRuntime rt;
        Ui_Main w;
        LinkMode = mode;
        SP_BaudRate = QStringLiteral("57600");
        SP_RemoteIp = QStringLiteral("10.0.0.9");
        w.connectionPage()->Retranslate(false, false);
        QCOMPARE(w.connectionPage()->uartButton()->text(), S_ConnectDisconnect[uartText]);
        QCOMPARE(w.connectionPage()->networkButton()->text(), S_ConnectDisconnect[networkText]);
        QCOMPARE(w.connectionPage()->baudBox()->currentText(), QStringLiteral("57600"));
        QCOMPARE(w.connectionPage()->ipEdit()->text(), QStringLiteral("10.0.0.9"));
    }

    void serialConnect_emitsThePortAndTheLibraryValues_data()
    {
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("emitted");
        QTest::newRow("defaults") << 0 << MissingPort
                                  << QStringList {MissingPort, "9600", "8", "0", "1", "0"};
        QTest::newRow("115200, typed with spaces")
            << 4 << "  " + MissingPort + " "
            << QStringList {MissingPort, "115200", "8", "0", "1", "0"};
    }
    void serialConnect_emitsThePortAndTheLibraryValues()
    {
        QFETCH(int, baudIndex);
        QFETCH(QString, typed);
        QFETCH(QStringList, emitted);
        TestRuntime rt;
        ModalBoxDriver boxes;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        QSignalSpy spy(page, &Ui_Uart_Network::SGL_PretendConnect_SerialPort);
        page->baudBox()->setCurrentIndex(baudIndex);
        page->portBox()->setEditText(typed);
        page->uartButton()->click();
        QCOMPARE(spy.size(), 1);
        QStringList args;
        for (const QVariant &arg : spy.at(0))
            args << arg.toString();
        QCOMPARE(args, emitted);
        QCOMPARE(SP_Name, MissingPort);
        QCOMPARE(SP_BaudRate, emitted.at(1));
        // The open state begins with the click.
        QCOMPARE(LinkMode, LinkModeSerial);
        QCOMPARE(page->uartButton()->text(), QStringLiteral("Disconnect"));
        QVERIFY(!page->networkButton()->isEnabled());
        QVERIFY(!page->portBox()->isEnabled());
        QVERIFY(Link_SerialThread()->isRunning());
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 5000); // no such port
    }

    void serialOpenFails_code3AndBothButtonsBackToConnect()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        page->portBox()->setEditText(MissingPort);
        page->uartButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 5000);
        QCOMPARE(boxes.texts(), QStringList {SMSG_SerialPort_Connect_Fail + "3"});
        QVERIFY(closedState(page));
        QVERIFY(ThreadStopped(Link_SerialThread()));
        // Centred over the window (within rounding), not over its title bar's corner.
        const QPoint offset = boxes.seen().at(0).frame.center() - w.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        QVERIFY(boxes.seen().at(0).pos != w.pos());
    }

    void serialConnect_overPseudoTerminal_queriesModelAndDisconnects()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        PtyPeer peer;
        QVERIFY(peer.isOpen());
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        DeviceState::modelIdentified = true; // left over from an earlier link
        page->portBox()->setEditText(peer.slavePath());
        page->uartButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(peer.lines, QList<QByteArray> {"GET MODEL TYPE\r"}, 5000);
        QVERIFY(!page->baudBox()->isEnabled());
        QVERIFY(!page->ipEdit()->isEnabled());

        page->uartButton()->click();
        QVERIFY(closedState(page));
        QVERIFY(ThreadStopped(Link_SerialThread()));
        QVERIFY(!DeviceState::modelIdentified);
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!SerialLinkContext.ready); // the service closed the port in its thread
    }

    void networkConnect_invalidParameters_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("gateway");
        QTest::newRow("two-dot address") << "127.0.0"
                                         << "2000"
                                         << "255.0.0.0"
                                         << "127.0.0.1";
        QTest::newRow("port 0") << "127.0.0.1"
                                << "0"
                                << "255.0.0.0"
                                << "127.0.0.1";
        QTest::newRow("port 65535") << "127.0.0.1"
                                    << "65535"
                                    << "255.0.0.0"
                                    << "127.0.0.1";
        QTest::newRow("mask part 256") << "127.0.0.1"
                                       << "2000"
                                       << "256.0.0.0"
                                       << "127.0.0.1";
        QTest::newRow("gateway letters") << "127.0.0.1"
                                         << "2000"
                                         << "255.0.0.0"
                                         << "gw";
        QTest::newRow("empty address") << ""
                                       << "2000"
                                       << "255.0.0.0"
                                       << "127.0.0.1";
    }
    void networkConnect_invalidParameters()
    {
        QFETCH(QString, ip);
        QFETCH(QString, port);
        QFETCH(QString, mask);
        QFETCH(QString, gateway);
        TestRuntime rt;
        ModalBoxDriver boxes;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        page->setAddressSource(&LoopbackOnly);
        QSignalSpy spy(page, &Ui_Uart_Network::SGL_PretendConnect_TcpClient);
        page->ipEdit()->setText(ip);
        page->portEdit()->setText(port);
        page->maskEdit()->setText(mask);
        page->gatewayEdit()->setText(gateway);
        page->networkButton()->click();
        QCOMPARE(boxes.texts(), QStringList {SMSG_Network_Param_Fail});
        QCOMPARE(spy.size(), 0);
        QVERIFY(closedState(page)); // and no link left named active
        QVERIFY(!Link_TcpThread()->isRunning());
        QCOMPARE(SP_RemoteIp, QStringLiteral("192.168.0.247")); // nothing stored
    }

    void networkConnect_emptyAddressBox_isFilledFirst()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        TcpPeer peer;
        QVERIFY(peer.listen());
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        QSignalSpy spy(page, &Ui_Uart_Network::SGL_PretendConnect_TcpClient);
        QVERIFY(ConnectToPeer(w, peer));
        QCOMPARE(items(page->localIpBox()), QStringList {"127.0.0.1<test-lo>"});
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0),
                 (QVariantList {"127.0.0.1", "127.0.0.1", QString::number(peer.port())}));
        QCOMPARE(SP_RemotePort, QString::number(peer.port()));
        QCOMPARE(page->networkButton()->text(), QStringLiteral("Disconnect"));
        QVERIFY(!page->uartButton()->isEnabled());
        QVERIFY(!page->localIpBox()->isEnabled());
        QCOMPARE(boxes.count(), 0);
    }

    void networkConnect_noAddressInTheDevicesSubnet()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        FillTcpFields(page, 2000);
        page->setAddressSource([] { return QList<LocalAddressEntry>(); });
        QSignalSpy spy(page, &Ui_Uart_Network::SGL_PretendConnect_TcpClient);
        page->networkButton()->click();
        QCOMPARE(boxes.texts(), QStringList {SMSG_Network_Connect_Fail}); // no code appended
        QCOMPARE(spy.size(), 0);
        QVERIFY(closedState(page));
        QCOMPARE(page->networkButton()->text(), QStringLiteral("Connect"));
    }

    void networkConnectRefused_code5AndBothButtonsBack()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        FillTcpFields(page, UnusedLoopbackPort());
        page->networkButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 5000);
        QCOMPARE(boxes.texts(), QStringList {SMSG_Network_Connect_Fail + "5"});
        QVERIFY(closedState(page));
        QVERIFY(ThreadStopped(Link_TcpThread()));
    }

    void buttonTexts_bothLanguages_data()
    {
        QTest::addColumn<QString>("connectText");
        QTest::addColumn<QString>("disconnectText");
        QTest::newRow("English") << "Connect"
                                 << "Disconnect";
        QTest::newRow("second language") << QString::fromUtf8("连接") << QString::fromUtf8("断开");
        QTest::newRow("damaged file: same words") << "Link"
                                                  << "Link";
    }
    void buttonTexts_bothLanguages()
    {
        QFETCH(QString, connectText);
        QFETCH(QString, disconnectText);
        TestRuntime rt;
        ModalBoxDriver boxes;
        S_ConnectDisconnect[0] = connectText;
        S_ConnectDisconnect[1] = disconnectText;
        TcpPeer peer;
        QVERIFY(peer.listen());
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        QCOMPARE(page->networkButton()->text(), connectText);
        for (int round = 1; round <= 2; ++round) {
            QVERIFY(ConnectToPeer(w, peer));
            QCOMPARE(page->networkButton()->text(), disconnectText);
            QCOMPARE(page->uartButton()->text(), connectText);
            w.connectionPage()->Retranslate(false, true); // a language switch meanwhile
            QCOMPARE(page->networkButton()->text(), disconnectText);
            page->networkButton()->click();
            QCOMPARE(page->networkButton()->text(), connectText);
            QCOMPARE(LinkMode, LinkModeNone);
            QVERIFY(ThreadStopped(Link_TcpThread()));
            QCOMPARE(peer.connectionCount(), round);
        }
        QCOMPARE(boxes.count(), 0);
    }

    void reconnectFailure_closesOnceWithOneMessage()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        TcpPeer peer;
        QVERIFY(peer.listen());
        Ui_Main w;
        QVERIFY(ConnectToPeer(w, peer));
        ServiceTcpClient *tcp = Link_TcpService();
        emit tcp->SGL_ReConnectStatus_TcpClient(true);
        emit tcp->SGL_ReConnectStatus_TcpClient(false);
        emit tcp->SGL_ReConnectStatus_TcpClient(false);
        QTRY_COMPARE(boxes.count(), 1);
        // The link is lost; the panel tries again by itself until the operator disconnects.
        QTRY_COMPARE(w.linkController()->state(), LinkController::State::Reconnecting);
        QVERIFY(!QTest::qWaitFor([&] { return boxes.count() > 1; }, 300));
        QCOMPARE(boxes.texts(), QStringList {SMSG_Network_ReConnect_Fail});
        QCOMPARE(w.connectionPage()->networkButton()->text(), S_ConnectDisconnect[1]);
        w.connectionPage()->networkButton()->click();
        QVERIFY(closedState(w.connectionPage()));
        QCOMPARE(w.linkController()->state(), LinkController::State::Disconnected);
    }

    // The device closes the connection, reconnecting switched off: without any click the
    // buttons, the fields and the mark show a closed link, the operator is told once, and
    // the link can be opened again.
    void peerCloses_reconnectOff_pageShowsTheTruthAtOnce()
    {
        TestRuntime rt;
        rt.copyPictures();
        LinkPolicy policy = LinkPrefs_Policy();
        policy.reconnect = false;
        LinkPrefs_SetPolicy(policy);
        ModalBoxDriver boxes;
        TcpPeer peer;
        QVERIFY(peer.listen());
        AnswerModelAndQueries(peer, "Corvo");
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        QVERIFY(ConnectToPeer(w, peer));
        QTRY_COMPARE_WITH_TIMEOUT(w.linkController()->state(), LinkController::State::Ready, 10000);
        const qint64 success = page->statusImage()->pixmap(Qt::ReturnByValue).cacheKey();
        peer.dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(w.linkController()->state(), LinkController::State::Lost, 1000);
        QVERIFY(closedState(page));
        QVERIFY(page->statusImage()->pixmap(Qt::ReturnByValue).cacheKey() != success);
        QTRY_COMPARE(boxes.texts(), QStringList {"The connection to the device was lost."});
        QVERIFY(ThreadStopped(Link_TcpThread()));
        QVERIFY(ConnectToPeer(w, peer));
        QTRY_COMPARE_WITH_TIMEOUT(w.linkController()->state(), LinkController::State::Ready, 10000);
        QCOMPARE(boxes.count(), 1);
    }

    void connectReportForAClosedLink_isIgnored()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        emit Link_TcpService()->SGL_ConnectStatus_TcpClient(true, 0);
        emit Link_SerialService()->SGL_ConnectStatus_SerialPort(false, 3);
        QVERIFY(!QTest::qWaitFor([&] { return boxes.count() > 0; }, 200));
        QVERIFY(closedState(page));
    }

    void statusLog_appendsLinesAndKeepsTheLast400()
    {
        TestRuntime rt;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        page->connectionAppendStatus(QStringLiteral("Sync Resolution: Message."));
        QCOMPARE(page->statusLog()->toPlainText(), QStringLiteral("Sync Resolution: Message.\n"));
        for (int i = 0; i < 1000; ++i)
            page->connectionAppendStatus(QStringLiteral("line %1").arg(i));
        QTextDocument *log = page->statusLog()->document();
        QVERIFY(log->blockCount() <= StatusLogMaxLines);
        QCOMPARE(log->lastBlock().previous().text(), QStringLiteral("line 999"));
        page->clearButton()->click();
        QCOMPARE(page->statusLog()->toPlainText(), QString());
        // Lines still waiting for their batch go with the clear; later ones arrive on their own.
        page->connectionAppendStatus(QStringLiteral("waiting"));
        page->clearButton()->click();
        QCOMPARE(page->statusLog()->toPlainText(), QString());
        page->connectionAppendStatus(QStringLiteral("a"));
        page->connectionAppendStatus(QStringLiteral("\r\n->b"));
        QTRY_COMPARE(page->findChild<QPlainTextEdit *>()->toPlainText(),
                     QStringLiteral("a\n\n->b\n"));
    }

    void portList_refreshedWhenThePopupOpens()
    {
        TestRuntime rt;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        QList<SerialPortEntry> present;
        page->setPortSource([&] { return present; });
        // No adapter present: the typed path survives the refresh.
        page->portBox()->setEditText(QStringLiteral("/dev/pts/7"));
        page->portBox()->showPopup();
        page->portBox()->hidePopup();
        QCOMPARE(items(page->portBox()), QStringList());
        QCOMPARE(page->portBox()->currentText(), QStringLiteral("/dev/pts/7"));

        present = {{"ttyUSB0", "USB Serial", "FTDI"},
                   {"ttyS0", "16550A", ""},
                   {"ttyUSB1", "CP2102", "Silabs"}};
        page->portBox()->setEditText(QStringLiteral("ttyUSB1"));
        page->portBox()->showPopup();
        page->portBox()->hidePopup();
        QCOMPARE(items(page->portBox()), (QStringList {"ttyUSB0", "ttyUSB1"}));
        QCOMPARE(page->portBox()->currentText(), QStringLiteral("ttyUSB1"));
    }

    void addressList_refreshedWhenThePopupOpens()
    {
        TestRuntime rt;
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        page->setAddressSource([] {
            LocalAddressEntry near;
            near.ip = QStringLiteral("192.168.0.10");
            near.netmask = QStringLiteral("255.255.255.0");
            near.broadcast = QStringLiteral("192.168.0.255");
            near.interfaceName = QStringLiteral("eth0");
            near.ipv4 = true;
            LocalAddressEntry far = near;
            far.ip = QStringLiteral("192.168.1.10");
            far.interfaceName = QStringLiteral("eth1");
            return QList<LocalAddressEntry> {far, near};
        });
        page->localIpBox()->showPopup();
        page->localIpBox()->hidePopup();
        QCOMPARE(items(page->localIpBox()), QStringList {"192.168.0.10<eth0>"});
        page->ipEdit()->setText(QStringLiteral("192.168.1.247"));
        page->localIpBox()->showPopup();
        page->localIpBox()->hidePopup();
        QCOMPARE(items(page->localIpBox()), QStringList {"192.168.1.10<eth1>"});
    }

    void identifyResult_showsTheMarkAndKeepsItWhenThePictureIsMissing()
    {
        TestRuntime rt;
        rt.copyPictures();
        Ui_Main w;
        Ui_Uart_Network *page = w.connectionPage();
        page->ShowIdentifyResult(true);
        const qint64 success = page->statusImage()->pixmap(Qt::ReturnByValue).cacheKey();
        QVERIFY(!page->statusImage()->pixmap(Qt::ReturnByValue).isNull());
        page->ShowIdentifyResult(false);
        const QImage fail = page->statusImage()->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY(page->statusImage()->pixmap(Qt::ReturnByValue).cacheKey() != success);
        QFile::remove(rt.path(QStringLiteral("/APP/Image/success.png")));
        page->ShowIdentifyResult(true);
        QCOMPARE(page->statusImage()->pixmap(Qt::ReturnByValue).toImage(), fail);
    }

    void windowDestroyed_stopsTheOpenLinksThread()
    {
        TestRuntime rt;
        TcpPeer peer;
        QVERIFY(peer.listen());
        {
            Ui_Main w;
            QVERIFY(ConnectToPeer(w, peer));
            QVERIFY(Link_TcpThread()->isRunning());
        }
        QVERIFY(ThreadStopped(Link_TcpThread()));
        QVERIFY(!TcpLinkContext.ready);
    }
};

QTEST_MAIN(TestConnectionPage)
#include "tst_connection_page.moc"
