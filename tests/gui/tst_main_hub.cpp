// Main window as the hub of the link: the receive drain (try-lock, order, bounded turns, a
// link closed by one of its own lines), reply time-outs, the reconnect after a link-settings
// change, the debug terminal's key and echoes, and the forwarding of the pages' send triggers.
#include "link_page_helpers.h"

#include "app/config_values.h"
#include "link/command_catalogue.h"
#include "link/line_drain.h"
#include "link/service_tcp_client.h"
#include "state/vocabulary.h"
#include "support/edid_files.h"
#include "support/modal_box_driver.h"
#include "support/recording_sinks.h"
#include "support/test_runtime.h"
#include "ui/ui_audio.h"
#include "ui/ui_debug.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

namespace {
void pushReceived(const QByteArray &line)
{
    Queue_Push(line.constData(), line.size(), nullptr, 0, &TcpLinkContext.recvLock,
               &TcpLinkContext.recvQueue);
}

void emitReceived()
{
    emit Link_TcpService()->SGL_UpdateRecvData_TcpClient();
}

QStringList texts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &call : spy)
        out << call.at(0).toString();
    return out;
}

// A main window whose TCP link is open to a peer that identified itself as the model.
struct IdentifiedLink
{
    TestRuntime rt;
    ModalBoxDriver boxes;
    TcpPeer peer;
    std::unique_ptr<Ui_Main> window;

    // Identified, and the pages' read-all answered. `silent` is a query left unanswered.
    // `joinFirst` listens to the window's values before anything is connected.
    bool open(const QByteArray &model, const QByteArray &silent = QByteArray(),
              Ui_Main::PageBuild pages = Ui_Main::PageBuild::AtOnce,
              std::function<void(Ui_Main &)> joinFirst = {})
    {
        rt.copyPictures();
        if (!peer.listen())
            return false;
        AnswerModelAndQueries(peer, model, silent);
        window = std::make_unique<Ui_Main>(nullptr, pages);
        if (joinFirst)
            joinFirst(*window);
        return ConnectToPeer(*window, peer)
            && QTest::qWaitFor([] { return DeviceState::modelIdentified; }, 5000)
            && WaitForTcpReadAll(peer);
    }
};

// Notes what the output page showed when it heard the HDCP mode: a listener that joined
// before the pages still hears each value after them.
struct HdcpAfterPage : OutputSink
{
    Ui_Main *window = nullptr;
    QList<int> pageShowed;
    void outputSetHdcp(int) override
    {
        pageShowed << (window->outputPage() ? window->outputPage()->hdcpCombo()->currentIndex()
                                            : -100);
    }
    void outputSetResolution(int) override { }
    void outputSet4kAuto(int) override { }
    void outputSetVka(int) override { }
    void outputSetItc(int) override { }
    void outputSetUserResolution(quint32, quint32) override { }
};

int visibleMessageBoxes()
{
    int count = 0;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        count += qobject_cast<QMessageBox *>(w) && w->isVisible() ? 1 : 0;
    return count;
}
} // namespace

class TestMainHub : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetLinkState();
        Queue_Reset(TcpLinkContext);
        std::lock_guard<std::mutex> locker(TcpLinkContext.recvLock);
        while (!TcpLinkContext.recvQueue.isEmpty())
            Queue_PopFront(&TcpLinkContext.recvQueue);
    }
    void cleanup() { ResetLinkState(); }

    void drain_lockHeld_linesWaitForTheNextSignalInOrder()
    {
        TestRuntime rt;
        Ui_Main w;
        LinkMode = LinkModeTcp;
        QSignalSpy shown(&w, &Ui_Main::SGL_DEBUG_SHOW_RecvText);
        pushReceived("OUT RESOLUTION 1920x1080p60\r");
        pushReceived("OUT HDCP FORCE-1.4\r");

        TcpLinkContext.recvLock.lock(); // the service is pushing a line
        emitReceived();
        QCOMPARE(shown.size(), 0);
        QCOMPARE(w.connectionPage()->statusLog()->toPlainText(), QString());
        TcpLinkContext.recvLock.unlock();
        pushReceived("OUT VKA BLUESCREEN\r");

        emitReceived();
        QCOMPARE(texts(shown),
                 QStringList({"OUT RESOLUTION 1920x1080p60\r", "OUT HDCP FORCE-1.4\r",
                              "OUT VKA BLUESCREEN\r"}));
        QCOMPARE(w.connectionPage()->statusLog()->toPlainText(),
                 QStringLiteral("Sync Resolution: Message.\nSync HDCP: Message.\n"
                                "Sync VKA: Message.\n"));
        QVERIFY(TcpLinkContext.recvQueue.isEmpty());
        // The debug terminal saw the same lines (rendered once it is open).
        QCOMPARE(w.debugTerminal()->recvPane()->toPlainText(), QString());
        w.debugTerminal()->show();
        w.debugTerminal()->RenderNow();
        QCOMPARE(w.debugTerminal()->recvPane()->toPlainText(),
                 QStringLiteral("OUT RESOLUTION 1920x1080p60\nOUT HDCP FORCE-1.4\n"
                                "OUT VKA BLUESCREEN\n"));
    }

    void drain_onlyTheActiveLinksQueue()
    {
        TestRuntime rt;
        Ui_Main w;
        QSignalSpy shown(&w, &Ui_Main::SGL_DEBUG_SHOW_RecvText);
        pushReceived("OUT HDCP FORCE-1.4\r");
        emitReceived(); // LinkMode 0: no link is read
        LinkMode = LinkModeSerial;
        emitReceived(); // the serial queue is empty; the TCP line is not its business
        QCOMPARE(shown.size(), 0);
        LinkMode = LinkModeTcp;
        emitReceived();
        QCOMPARE(shown.size(), 1);
    }

    // A flooding device, or slow pages: each turn of the event loop spends a bounded time on
    // received lines, the rest follow in later turns, in order, and other events get their
    // turn in between.
    void drain_boundedPerTurn_restFollowsInOrder()
    {
        TestRuntime rt;
        Ui_Main w;
        LinkMode = LinkModeTcp;
        QSignalSpy shown(&w, &Ui_Main::SGL_DEBUG_SHOW_RecvText);
        // Each line costs about 1 ms (a slow page setter).
        connect(&w, &Ui_Main::SGL_DEBUG_SHOW_RecvText, this, [] {
            QElapsedTimer busy;
            busy.start();
            while (busy.nsecsElapsed() < 1000 * 1000) { }
        });
        const int total = 3 * LineDrain::TakeAtOnce + 10;
        for (int i = 0; i < total; ++i)
            pushReceived(QByteArray("NOISE ") + QByteArray::number(i) + '\r');

        emitReceived();
        const int firstTurn = shown.size();
        QVERIFY2(firstTurn >= 1 && firstTurn <= LineDrain::TurnBudgetMs + 1,
                 qPrintable(QString::number(firstTurn)));
        emitReceived(); // more announcements in the same turn add no work
        emitReceived();
        QCOMPARE(shown.size(), firstTurn);
        int seenByOtherEvent = -1;
        QTimer::singleShot(0, &w, [&] { seenByOtherEvent = shown.size(); });
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), total, 10000);
        QVERIFY2(seenByOtherEvent > 0 && seenByOtherEvent < total,
                 qPrintable(QString::number(seenByOtherEvent)));
        for (int i = 0; i < total; ++i)
            QCOMPARE(shown.at(i).at(0).toString(), QStringLiteral("NOISE %1\r").arg(i));
    }

    // A flood through the link's own thread, several times what the receive queue holds, with
    // a question in the middle of it: every line reaches the window once, in order, the
    // question's answer (behind the flood) is not taken for a time-out, and the link ends idle.
    void flood_throughTheLinkThread_everyLineOnceInOrder()
    {
        IdentifiedLink link;
        QVERIFY(link.open("Halden"));
        Ui_Main &w = *link.window;
        QStringList shown;
        connect(&w, &Ui_Main::SGL_DEBUG_SHOW_RecvText, this,
                [&](const QString &text) { shown << text; });
        QSignalSpy timedOut(w.linkController(), &LinkController::commandTimedOut);
        const int count = 20000;
        QByteArray flood;
        for (int i = 0; i < count; ++i)
            flood += "NOISE " + QByteArray::number(i) + '\r';
        const auto queries = link.peer.responder;
        link.peer.responder = [&](const QByteArray &line) {
            return line == "GET OUT HDCP\r" ? flood + "OUT HDCP FORCE-OFF\r" : queries(line);
        };
        CmdGetOutHdcp();
        w.linkController()->requestSend();
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), count + 1, 30000);
        for (int i = 0; i < count; ++i)
            QCOMPARE(shown.at(i), QStringLiteral("NOISE %1\r").arg(i));
        QCOMPARE(shown.last(), QStringLiteral("OUT HDCP FORCE-OFF\r"));
        QCOMPARE(timedOut.size(), 0);
        QCOMPARE(w.outputPage()->hdcpCombo()->currentIndex(), 2);
        QTRY_VERIFY(ActiveLinkIdle());
        QCOMPARE(link.boxes.count(), 0);
    }

    // The queue filled up while its lock was busy: the service announces no more lines, yet
    // the waiting ones are handled.
    void drain_lockBusyAtTheLastAnnouncement_retries()
    {
        TestRuntime rt;
        Ui_Main w;
        LinkMode = LinkModeTcp;
        QSignalSpy shown(&w, &Ui_Main::SGL_DEBUG_SHOW_RecvText);
        pushReceived("OUT HDCP FORCE-1.4\r");
        TcpLinkContext.recvLock.lock();
        emitReceived();
        QCOMPARE(shown.size(), 0);
        TcpLinkContext.recvLock.unlock();
        QTRY_COMPARE(shown.size(), 1); // no further announcement needed
    }

    // A wrong model closes the link while its lines are being handled: the lines the device
    // sent after it are not applied, and the operator is told once.
    void drain_wrongModelClosesTheLink_laterLinesDropped()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        TcpPeer peer;
        QVERIFY(peer.listen());
        peer.responder = [](const QByteArray &) {
            return QByteArray("MODEL TYPE Foo\rOUT RESOLUTION 1920x1080p60\r");
        };
        Ui_Main w;
        QSignalSpy shown(&w, &Ui_Main::SGL_DEBUG_SHOW_RecvText);
        QVERIFY(ConnectToPeer(w, peer));
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 5000);
        QCOMPARE(boxes.texts(), QStringList {SMSG_MachineNotMatch});
        QCOMPARE(LinkMode, LinkModeNone);
        QVERIFY(ThreadStopped(Link_TcpThread()));
        QCOMPARE(texts(shown).value(0), QStringLiteral("MODEL TYPE Foo\r"));
        QVERIFY(!texts(shown).contains(QStringLiteral("OUT RESOLUTION 1920x1080p60\r")));
        // Only the link's own connect line: the resolution line was not applied.
        const QString log = w.connectionPage()->statusLog()->toPlainText();
        QCOMPARE(log.mid(8), QStringLiteral(" Connected to 127.0.0.1:%1.\n").arg(peer.port()));
        QVERIFY(!QTest::qWaitFor([&] { return boxes.count() > 1; }, 300));
    }

    void timeout_data()
    {
        QTest::addColumn<QString>("cmd");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("linkClosed");
        // A network read and a baud-rate write were outstanding: which are left afterwards.
        QTest::addColumn<int>("networkLeft");
        QTest::addColumn<int>("baudLeft");
        QTest::newRow("model query")
            << "GET MODEL TYPE\r"
            << "Failed to identify device!Error Code:GET MODEL TYPE\r" << true << 0 << 0;
        QTest::newRow("other command")
            << "GET OUT HDCP\r"
            << "Unable to communicate with device!Error Code:GET OUT HDCP\r" << false << 1 << 1;
        QTest::newRow("network info")
            << "GET NETWORK-INFO\r"
            << "Unable to communicate with device!Error Code:GET NETWORK-INFO\r" << false << 0 << 1;
        QTest::newRow("baud rate write")
            << "SET BAUDRATE 115200\r"
            << "Unable to communicate with device!Error Code:SET BAUDRATE 115200\r" << false << 1
            << 0;
    }
    void timeout()
    {
        QFETCH(QString, cmd);
        QFETCH(QString, message);
        QFETCH(bool, linkClosed);
        QFETCH(int, networkLeft);
        QFETCH(int, baudLeft);
        IdentifiedLink link;
        QVERIFY(link.open("Halden"));
        Ui_Main &w = *link.window;
        ModalBoxDriver &boxes = link.boxes;
        LinkSettings_Requested(LinkSettingsItem::Network, false);
        LinkSettings_Requested(LinkSettingsItem::BaudRate, true);

        emit Link_TcpService()->SGL_WaitReplyTimeout_TcpClient(cmd);
        QTRY_COMPARE(boxes.count(), 1);
        QCOMPARE(boxes.texts(), QStringList {message});
        // Centred over the window that raised it, with its title.
        const QPoint offset = boxes.seen().at(0).frame.center() - w.frameGeometry().center();
        QVERIFY(offset.manhattanLength() <= 2);
        QCOMPARE(boxes.seen().at(0).title, QStringLiteral("Korvane"));
        QCOMPARE(LinkMode == LinkModeNone, linkClosed);
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::Network), networkLeft);
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::BaudRate), baudLeft);
        if (linkClosed) {
            QVERIFY(ThreadStopped(Link_TcpThread()));
            QCOMPARE(w.connectionPage()->networkButton()->text(), S_ConnectDisconnect[0]);
        }
    }

    // Only "EDID-USER OK" is a written EDID; any other answer is shown as a failure with the
    // device's words as the error code.
    void userEdidAnswer_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("ok") << QByteArray("EDID-USER OK") << "EDID Write Success.";
        QTest::newRow("err") << QByteArray("EDID-USER ERR")
                             << "Unable to communicate with device!Error Code:EDID-USER ERR";
        QTest::newRow("fail") << QByteArray("EDID-USER FAIL")
                              << "Unable to communicate with device!Error Code:EDID-USER FAIL";
    }
    void userEdidAnswer()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, message);
        IdentifiedLink link;
        QVERIFY(link.open("Halden"));
        const auto queries = link.peer.responder;
        link.peer.responder = [queries, answer](const QByteArray &line) {
            return line.startsWith("SET EDID-USER ") ? answer + '\r' : queries(line);
        };
        QTemporaryDir dir;
        const QString path = dir.filePath("edid.bin");
        QVERIFY(EdidMakePath("file", path, EdidSample(1)));
        Ui_System *system = link.window->systemPage();
        system->setFileChooser(
            [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        system->loadButton()->click();
        system->edidWriteButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(link.boxes.count(), 1, 5000);
        QCOMPARE(link.boxes.texts(), QStringList {message});
        QCOMPARE(LinkMode, LinkModeTcp);
        // The answer ended the wait: no time-out report follows for the same upload.
        QVERIFY(!QTest::qWaitFor([&] { return link.boxes.count() > 1; }, 1800));
        QTRY_VERIFY(ActiveLinkIdle());
    }

    // A network write whose confirmation cannot be taken is not met with silence.
    void networkWrite_unusableAnswer_isReported_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("usable: reconnect notice")
            << QByteArray("NETWORK-INFO 127.0.0.5 5000 255.0.0.0 127.0.0.1")
            << "1-Sync Config Info....\r\n2-Please ReConnect App!";
        const QString unreadable = QStringLiteral(
            "The device's answer to the network settings could not be read. Press Read to see "
            "the settings the device now holds.");
        QTest::newRow("empty field")
            << QByteArray("NETWORK-INFO 127.0.0.5  255.0.0.0 127.0.0.1") << unreadable;
        QTest::newRow("control byte") << QByteArray("NETWORK-INFO 127.0.0.5 50\x07"
                                                    "0 255.0.0.0 127.0.0.1")
                                      << unreadable;
        QTest::newRow("no value") << QByteArray("NETWORK-INFO") << unreadable;
    }
    void networkWrite_unusableAnswer_isReported()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, message);
        IdentifiedLink link;
        QVERIFY(link.open("Halden"));
        const auto queries = link.peer.responder;
        link.peer.responder = [queries, answer](const QByteArray &line) {
            return line.startsWith("SET NETWORK-INFO ") ? answer + '\r' : queries(line);
        };
        Ui_System *system = link.window->systemPage();
        const QStringList values {"127.0.0.5", "5000", "255.0.0.0", "127.0.0.1"};
        for (int i = 0; i < 4; ++i)
            system->networkEdit(i)->setText(values.at(i));
        system->networkWriteButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(link.boxes.count(), 1, 5000);
        QCOMPARE(link.boxes.texts(), QStringList {message});
        QVERIFY(!QTest::qWaitFor([&] { return link.boxes.count() > 1; }, 200));
    }

    // A command the device never answers: the operator is told once with the command, the
    // link stays, and the reply is no longer awaited.
    void timeout_realUnansweredCommand()
    {
        IdentifiedLink link;
        QVERIFY(link.open("Corvo", "GET RESO-USER\r"));
        Ui_Main &w = *link.window;
        ModalBoxDriver &boxes = link.boxes;
        QCOMPARE(boxes.count(), 0);
        const int before = link.peer.lines.size();
        CmdGetResoUser();
        emit w.connectionPage()->SGL_UpdateEmit();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 5000);
        QCOMPARE(boxes.texts(), QStringList {SMSG_CommunicationFail + "GET RESO-USER\r"});
        QCOMPARE(LinkMode, LinkModeTcp);
        QTRY_VERIFY(!TcpLinkContext.replyAwaited);
        QCOMPARE(link.peer.lines.mid(before), QList<QByteArray> {"GET RESO-USER\r"});
    }

    // The window is stalled across a command's time-out and the next command's write 50 ms
    // later, so it handles the time-out report with the next command already on the wire. The
    // report concerns only the command that timed out: the next command's reply is recognised,
    // no failure is reported for it, and the queue moves on at once.
    void timeout_handledAfterAStall_nextCommandKeepsItsReply()
    {
        IdentifiedLink link;
        QVERIFY(link.open("Corvo", "GET RESO-USER\r"));
        Ui_Main &w = *link.window;
        ModalBoxDriver &boxes = link.boxes;
        TcpPeer &peer = link.peer;
        const auto answer = peer.responder;
        peer.responder = [answer](const QByteArray &line) {
            return line == "GET OUT HDCP\r" ? QByteArray() : answer(line);
        };
        qint64 hdcpAnsweredNs = 0;
        connect(&peer, &LinePeer::lineArrived, this, [&](const QByteArray &line) {
            if (line == "GET RESO-USER\r") { // the window stalls from 850 to 1150 ms
                QTimer::singleShot(850, Qt::PreciseTimer, this, [] {
                    QElapsedTimer stall;
                    stall.start();
                    while (stall.elapsed() < 300) { }
                });
            } else if (line == "GET OUT HDCP\r") { // answered just after the stall
                QTimer::singleShot(150, Qt::PreciseTimer, this, [&] {
                    peer.write("OUT HDCP FORCE-1.4\r");
                    hdcpAnsweredNs = PeerClockNs();
                });
            }
        });
        const int before = peer.lines.size();
        CmdGetResoUser(); // never answered
        CmdGetOutHdcp();
        CmdGetOutVka();
        emit w.connectionPage()->SGL_UpdateEmit();
        QTRY_COMPARE_WITH_TIMEOUT(peer.lines.size(), before + 3, 5000);
        QCOMPARE(peer.lines.mid(before),
                 QList<QByteArray>({"GET RESO-USER\r", "GET OUT HDCP\r", "GET OUT VKA\r"}));
        QVERIFY(hdcpAnsweredNs > 0);
        const qint64 movedOnMs = (peer.lineTimesNs.at(before + 2) - hdcpAnsweredNs) / 1000000;
        QVERIFY2(movedOnMs < 600, qPrintable(QString::number(movedOnMs)));
        QVERIFY(!QTest::qWaitFor([&] { return boxes.count() > 1; }, 1200));
        QCOMPARE(boxes.texts(), QStringList {SMSG_CommunicationFail + "GET RESO-USER\r"});
        QCOMPARE(LinkMode, LinkModeTcp);
    }

    void timeout_reportForAClosedLink_ignored()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        Ui_Main w;
        emit Link_TcpService()->SGL_WaitReplyTimeout_TcpClient(QStringLiteral("GET OUT HDCP\r"));
        QVERIFY(!QTest::qWaitFor([&] { return boxes.count() > 0; }, 200));
    }

    // Messages that arrive while one is open are shown after it, never on top of it.
    void messages_shownOneAfterAnother()
    {
        IdentifiedLink link;
        QVERIFY(link.open("Brimo"));
        ModalBoxDriver &boxes = link.boxes;
        int openWithSecond = -1;
        boxes.answer(QStringLiteral("OK"), [](QMessageBox *) {
            emit Link_TcpService()->SGL_WaitReplyTimeout_TcpClient(QStringLiteral("GET B\r"));
        });
        boxes.answer(QStringLiteral("OK"),
                     [&](QMessageBox *) { openWithSecond = visibleMessageBoxes(); });
        emit Link_TcpService()->SGL_WaitReplyTimeout_TcpClient(QStringLiteral("GET A\r"));
        QTRY_COMPARE(boxes.count(), 2);
        QCOMPARE(
            boxes.texts(),
            QStringList({SMSG_CommunicationFail + "GET A\r", SMSG_CommunicationFail + "GET B\r"}));
        QCOMPARE(openWithSecond, 1);
    }

    void linkSettingsChanged_data()
    {
        QTest::addColumn<bool>("queryOnly");
        QTest::newRow("after a write: reconnect") << false;
        QTest::newRow("after a query: link stays") << true;
    }
    void linkSettingsChanged()
    {
        QFETCH(bool, queryOnly);
        IdentifiedLink link;
        QVERIFY(link.open("Marlet"));
        Ui_Main &w = *link.window;
        ModalBoxDriver &boxes = link.boxes;
        LinkSettingsQueryOnly = queryOnly;
        SP_RemoteIp = QStringLiteral("127.0.0.2"); // what the system page stored
        w.SLT_SyncSerialPortNetworkInfo();
        QCOMPARE(LinkMode == LinkModeNone, !queryOnly);
        QVERIFY(!LinkSettingsQueryOnly);
        QCOMPARE(w.connectionPage()->ipEdit()->text(), QStringLiteral("127.0.0.2"));
        QCOMPARE(w.systemPage()->networkEdit(0)->text(), QStringLiteral("127.0.0.2"));
        QCOMPARE(w.connectionPage()->networkButton()->text(),
                 S_ConnectDisconnect[queryOnly ? 1 : 0]);
        QCOMPARE(boxes.count(), 0);
    }

    // Only the device's answer to a write of its link settings means it now listens with other
    // settings: a read, however many are outstanding and whichever settings they ask for, or
    // an answer that comes after its request timed out, leaves the link open and says nothing.
    void linkSettingsReplies_onlyTheAnswerToAWriteCloses_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("lateAnswer"); // the first request's answer comes after its time-out
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("closed");
        QTest::newRow("network read twice")
            << QStringList {"NetworkRead", "NetworkRead"} << false << QStringList {} << false;
        QTest::newRow("network read, then RS-232 read")
            << QStringList {"NetworkRead", "RS232Read"} << false << QStringList {} << false;
        QTest::newRow("network read answered after its time-out")
            << QStringList {"NetworkRead"} << true
            << QStringList {"Unable to communicate with device!Error Code:GET NETWORK-INFO\r"}
            << false;
        QTest::newRow("network read, then network write")
            << QStringList {"NetworkRead", "NetworkWrite"} << false
            << QStringList {"1-Sync Config Info....\r\n2-Please ReConnect App!"} << true;
    }
    void linkSettingsReplies_onlyTheAnswerToAWriteCloses()
    {
        QFETCH(QStringList, buttons);
        QFETCH(bool, lateAnswer);
        QFETCH(QStringList, messages);
        QFETCH(bool, closed);
        IdentifiedLink link;
        QVERIFY(link.open("Halden"));
        Ui_Main &w = *link.window;
        TcpPeer &peer = link.peer;
        const QByteArray network = "NETWORK-INFO 127.0.0.1 " + QByteArray::number(peer.port())
            + " 255.0.0.0 127.0.0.1\r";
        int answered = 0;
        peer.responder = [&](const QByteArray &line) -> QByteArray {
            if (lateAnswer && answered++ == 0)
                return QByteArray(); // answered once the request timed out
            if (line.contains("NETWORK-INFO"))
                return network;
            return line.contains("BAUDRATE") ? QByteArray("BAUDRATE 9600\r") : QByteArray();
        };
        const QStringList values {"127.0.0.1", QString::number(peer.port()), "255.0.0.0",
                                  "127.0.0.1"};
        for (int i = 0; i < 4; ++i)
            w.systemPage()->networkEdit(i)->setText(values.at(i));
        const int before = peer.lines.size();
        const auto answersHandled = [&w] {
            return w.connectionPage()->statusLog()->toPlainText().count("->Sync Over!<-");
        };
        const int handledBefore = answersHandled();
        for (const QString &button : qAsConst(buttons))
            w.systemPage()->findChild<QPushButton *>("System-" + button)->click();
        QTRY_COMPARE_WITH_TIMEOUT(peer.lines.size(), before + buttons.size(), 5000);
        if (lateAnswer) {
            QTRY_COMPARE_WITH_TIMEOUT(link.boxes.count(), 1, 5000);
            peer.write(network);
        }
        QTRY_COMPARE_WITH_TIMEOUT(answersHandled(), handledBefore + buttons.size(), 5000);
        QVERIFY(!QTest::qWaitFor([&] { return link.boxes.count() > messages.size(); }, 300));
        QCOMPARE(link.boxes.texts(), messages);
        QCOMPARE(LinkMode, closed ? LinkModeNone : LinkModeTcp);
        QCOMPARE(w.connectionPage()->networkButton()->text(), S_ConnectDisconnect[closed ? 0 : 1]);
    }

    // Another listener (a status bar, a profile recorder) hears every value the pages hear, in
    // the order they hear them, and nothing once it has left.
    void extraListener_hearsWhatThePagesHear()
    {
        IdentifiedLink link;
        QVERIFY(link.open("Marlet"));
        Ui_Main &w = *link.window;
        RecordingSinks heard;
        w.replyValues().addListener(&heard);
        QVERIFY(link.peer.write("OUT HDCP FORCE-OFF\rAUDIO VOL 42\rIN EDIDMODE 1440x900\r"));
        QTRY_COMPARE_WITH_TIMEOUT(heard.calls.size(), 6, 5000);
        QCOMPARE(heard.callTexts(),
                 QStringList({"outputSetHdcp(2)", "connectionAppendStatus(Sync HDCP: Message.)",
                              "audioSetVolume(42)", "connectionAppendStatus(Sync Volume: Message.)",
                              "systemSetEdidSelection(12)",
                              "connectionAppendStatus(Sync EDID Select: Message.)"}));
        QCOMPARE(w.outputPage()->hdcpCombo()->currentIndex(), 2);
        QCOMPARE(w.audioPage()->commonVolume().value->text(), QStringLiteral("42"));
        QCOMPARE(w.systemPage()->edidCombo()->currentIndex(), 12);

        w.replyValues().removeListener(&heard);
        QVERIFY(link.peer.write("OUT VKA BLACKSCREEN\r"));
        QTRY_COMPARE_WITH_TIMEOUT(w.outputPage()->vkaCombo()->currentIndex(), 1, 5000);
        QCOMPARE(heard.calls.size(), 6);
    }

    // A window whose device pages wait for its first showing, never shown: the link's first
    // line builds them, identification and their read-all run as with all pages at once.
    void listenerJoinedFirst_hearsAfterThePages_data()
    {
        QTest::addColumn<bool>("later");
        QTest::newRow("pages at once") << false;
        QTest::newRow("pages later") << true;
    }
    void listenerJoinedFirst_hearsAfterThePages()
    {
        QFETCH(bool, later);
        HdcpAfterPage probe;
        IdentifiedLink link;
        QVERIFY(link.open("Marlet", QByteArray(),
                          later ? Ui_Main::PageBuild::AfterFirstShow : Ui_Main::PageBuild::AtOnce,
                          [&probe](Ui_Main &w) {
                              probe.window = &w;
                              w.replyValues().addListener(&probe);
                              QCOMPARE(w.pagesBuilt(),
                                       !QByteArray(QTest::currentDataTag()).endsWith("later"));
                          }));
        Ui_Main &w = *link.window;
        QVERIFY(w.pagesBuilt());
        QCOMPARE(w.tabWidget()->widget(1), static_cast<QWidget *>(w.outputPage()));
        probe.pageShowed.clear();
        QVERIFY(link.peer.write("OUT HDCP FORCE-OFF\rOUT HDCP FORCE-1.4\r"));
        QTRY_COMPARE_WITH_TIMEOUT(probe.pageShowed.size(), 2, 5000);
        QCOMPARE(probe.pageShowed, QList<int>({2, 0}));
        w.replyValues().removeListener(&probe);
        // The terminal, built with the pages, still has the first command's echo (sent before
        // any page existed) and the lines since.
        QVERIFY(w.debugTerminal());
        w.debugTerminal()->SLT_SETUP_UI_DEBUG();
        QTRY_VERIFY(w.debugTerminal()->sendPane()->toPlainText().startsWith("GET MODEL TYPE"));
        QTRY_VERIFY(w.debugTerminal()->recvPane()->toPlainText().contains("OUT HDCP FORCE-1.4"));
        w.debugTerminal()->SLT_CLOSE_UI_DEBUG();
    }

    // A renamed input shows in the audio page's source list, at the same position.
    void sourceRename_reachesTheAudioPage()
    {
        TestRuntime rt;
        Ui_Main w;
        DeviceState::modelIndex = 0;
        DeviceState::inputSourceCount = 5; // Halden
        w.replyVerbs().audioApplyModel();
        w.replyValues().audioSetSource(2);
        S_InputSource_Name[1] = QStringLiteral("Lectern");
        w.SLT_SyncInputSourceName();
        QCOMPARE(w.audioPage()->commonSource()->itemText(2), QStringLiteral("Lectern"));
        QCOMPARE(w.audioPage()->commonSource()->currentIndex(), 2);
    }

    void altZ_data()
    {
        QTest::addColumn<bool>("linkOpen");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("inTextField");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Alt+Z, no link")
            << false << int(Qt::AltModifier) << int(Qt::Key_Z) << false << false;
        QTest::newRow("Alt+Z, link open")
            << true << int(Qt::AltModifier) << int(Qt::Key_Z) << false << true;
        QTest::newRow("Alt+Z in a text field")
            << true << int(Qt::AltModifier) << int(Qt::Key_Z) << true << true;
        QTest::newRow("Ctrl+Alt+Z") << true << int(Qt::ControlModifier | Qt::AltModifier)
                                    << int(Qt::Key_Z) << false << false;
        QTest::newRow("Shift+Alt+Z")
            << true << int(Qt::ShiftModifier | Qt::AltModifier) << int(Qt::Key_Z) << false << false;
        QTest::newRow("Z") << true << int(Qt::NoModifier) << int(Qt::Key_Z) << false << false;
        QTest::newRow("Alt+X") << true << int(Qt::AltModifier) << int(Qt::Key_X) << false << false;
    }
    void altZ()
    {
        QFETCH(bool, linkOpen);
        QFETCH(int, modifiers);
        QFETCH(int, key);
        QFETCH(bool, inTextField);
        QFETCH(bool, opens);
        TestRuntime rt;
        Ui_Main w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QSignalSpy setup(&w, &Ui_Main::SGL_SETUP_UI_DEBUG);
        LinkMode = linkOpen ? LinkModeTcp : LinkModeNone;
        QWidget *target = &w;
        if (inTextField) {
            target = w.connectionPage()->ipEdit();
            target->setFocus();
        }
        const QString before = w.connectionPage()->ipEdit()->text();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(setup.size(), opens ? 1 : 0);
        QCOMPARE(w.debugTerminal()->isVisible(), opens);
        if (opens)
            QCOMPARE(w.connectionPage()->ipEdit()->text(), before); // not typed as text
        w.debugTerminal()->close();
    }

    void echoesAndSendTriggers()
    {
        TestRuntime rt;
        Ui_Main w;
        QSignalSpy sendText(&w, &Ui_Main::SGL_DEBUG_SHOW_SendText);
        QSignalSpy unify(&w, &Ui_Main::SGL_UnifyUpdateEmit);
        emit Link_TcpService()->SGL_UpdateSendData_TcpClient(QStringLiteral("GET MODEL TYPE\r"));
        QCOMPARE(texts(sendText), QStringList {"GET MODEL TYPE\r"});
        w.debugTerminal()->show();
        w.debugTerminal()->RenderNow();
        QCOMPARE(w.debugTerminal()->sendPane()->toPlainText(), QStringLiteral("GET MODEL TYPE\n"));
        emit w.connectionPage()->SGL_UpdateEmit();
        emit w.debugTerminal()->SGL_UpdateEmit();
        QCOMPARE(unify.size(), 2);
    }
};

QTEST_MAIN(TestMainHub)
#include "tst_main_hub.moc"
