// The link controller's rules with a fake backend in place of the services: which state each
// report leads to, what the operator is told, what is asked of the services, and the facts and
// per-command events it publishes. No thread, no device: reports are played by calling the
// controller as the backend would.
#include "link/command_catalogue.h"
#include "link/link_controller.h"
#include "link/link_runtime.h"
#include "link/service_link_backend.h"
#include "link_peers.h"
#include "state/device_state.h"
#include "support/fake_backend.h"
#include "support/queued_commands.h"

#include <QMetaEnum>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString stateName(LinkController::State state)
{
    return QString::fromLatin1(
        QMetaEnum::fromType<LinkController::State>().valueToKey(static_cast<int>(state)));
}

LinkTarget targetOf(LinkKind kind)
{
    return kind == LinkKind::Serial
        ? LinkTarget::serial("/dev/ttyUSB0", "115200", "8", "0", "1", "0")
        : LinkTarget::tcp("127.0.0.1", "192.168.0.247", "2000");
}

// A controller over a fake backend, driven by named events.
struct Driven
{
    FakeBackend *backend = new FakeBackend;
    LinkController controller {std::unique_ptr<LinkBackend>(backend)};
    LinkKind kind;
    QStringList messages;
    QList<QByteArray> wire; // what the "service" took off the send queue

    QStringList status; // status log lines without their time of day

    explicit Driven(LinkKind k)
        : kind(k)
    {
        QObject::connect(&controller, &LinkController::operatorMessage,
                         [this](const QString &text) { messages << text; });
        QObject::connect(&controller, &LinkController::statusLine, [this](const QString &line) {
            QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d ").match(line).hasMatch(),
                     qPrintable(line));
            status << line.mid(9);
        });
        // The rows below switch reconnecting on where they need it; a long first pause keeps
        // every attempt in the test's hands (reconnectNow).
        LinkPolicy policy;
        policy.reconnect = false;
        policy.firstRetryMs = 1000;
        policy.longestRetryMs = 4000;
        policy.keepAliveMs = 0;
        controller.setPolicy(policy);
        backend->calls.clear();
    }

    LinkKind other() const { return kind == LinkKind::Serial ? LinkKind::Tcp : LinkKind::Serial; }

    void play(const QString &event)
    {
        LinkController &c = controller;
        if (event == "open") {
            c.open(targetOf(kind));
        } else if (event == "ok") { // the service opened the device and reset its queues
            Queue_Reset(QueuedCommands_Context(static_cast<qint32>(kind)));
            c.reportConnectResult(kind, true, 0);
        } else if (event == "fail") {
            c.reportConnectResult(kind, false, kind == LinkKind::Serial ? 3 : 5);
        } else if (event == "take") { // the service wrote everything queued
            wire << QueuedCommands_Take();
        } else if (event == "identified") {
            DeviceState::modelIdentified = true;
            DeviceState::modelIndex = 2;
            c.reportIdentification(true);
        } else if (event == "identified+readAll") { // as the dispatcher and the pages do
            DeviceState::modelIdentified = true;
            DeviceState::modelIndex = 2;
            c.reportIdentification(true);
            CmdGetOutHdcp();
            c.requestSend();
        } else if (event == "identifiedAsTheDispatcherDoes") { // verdict first, then the model
            DeviceState::modelIdentified = true;
            c.reportIdentification(true);
            DeviceState::modelIndex = 3;
        } else if (event == "wrongModel") {
            DeviceState::modelIdentified = true;
            c.reportIdentification(false);
        } else if (event == "modelTimeout") {
            c.reportReplyTimeout(kind, "GET MODEL TYPE\r");
        } else if (event == "commandTimeout") {
            c.reportReplyTimeout(kind, "GET OUT HDCP\r");
        } else if (event == "reconnectFailed") {
            c.reportReconnectFailed(kind);
        } else if (event == "portError") {
            c.reportDeviceError(kind, 9); // the port went away (resource error)
        } else if (event == "queue") {
            CmdGetOutVka();
            c.requestSend();
        } else if (event == "sent") {
            c.reportSent(kind, 77, "GET OUT VKA\r");
        } else if (event == "settled") {
            c.reportSettled(kind, 77);
        } else if (event == "close") {
            c.close();
        } else if (event == "lost") { // the service: peer closed, adapter or terminal gone
            c.reportLost(kind);
        } else if (event == "reconnectOn") {
            LinkPolicy policy = c.policy();
            policy.reconnect = true;
            c.setPolicy(policy);
        } else if (event == "reconnectOff") {
            LinkPolicy policy = c.policy();
            policy.reconnect = false;
            c.setPolicy(policy);
        } else if (event == "retryNow") {
            c.reconnectNow();
        } else if (event == "openSame") {
            QVERIFY(c.open(targetOf(kind)));
        } else if (event == "openAgain") {
            QVERIFY(!c.open(targetOf(other())));
        } else if (event == "otherOk") {
            c.reportConnectResult(other(), true, 0);
        } else if (event == "otherTimeout") {
            c.reportReplyTimeout(other(), "GET MODEL TYPE\r");
        } else if (event == "otherReconnectFailed") {
            c.reportReconnectFailed(other());
        } else {
            QFAIL(qPrintable("unknown event " + event));
        }
        QCoreApplication::processEvents(); // what the controller deferred to the next turn
    }
};

} // namespace

class TestLinkController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QueuedCommands_Stop();
        DeviceState::ResetForTesting();
    }
    void cleanup() { QueuedCommands_Stop(); }

    void events_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("states"); // after each event
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("calls");
        const int serial = int(LinkKind::Serial);
        const int tcp = int(LinkKind::Tcp);
        const QString openSerial = "open ttyUSB0 @ 115200";
        const QString openTcp = "open 192.168.0.247:2000";

        QTest::newRow("serial: connect, identify, read-all, ready")
            << serial
            << QStringList {"open", "ok", "take", "identified+readAll", "take", "sent", "settled"}
            << QStringList {"Connecting",    "Identifying",   "Identifying", "Synchronising",
                            "Synchronising", "Synchronising", "Ready"}
            << QStringList {} << QStringList {openSerial, "trigger", "trigger"};
        QTest::newRow("tcp: identified with nothing to read is ready at once")
            << tcp << QStringList {"open", "ok", "take", "identified"}
            << QStringList {"Connecting", "Identifying", "Identifying", "Ready"} << QStringList {}
            << QStringList {openTcp, "trigger"};
        QTest::newRow("serial connect fails: code 3")
            << serial << QStringList {"open", "fail"} << QStringList {"Connecting", "Disconnected"}
            << QStringList {"Serial Port Connect Failed!Error Code:3"}
            << QStringList {openSerial, "close serial"};
        QTest::newRow("tcp connect fails: code 5")
            << tcp << QStringList {"open", "fail"} << QStringList {"Connecting", "Disconnected"}
            << QStringList {"please check your local ip config information!Error Code:5"}
            << QStringList {openTcp, "close tcp"};
        QTest::newRow("wrong model closes (the dispatcher tells the operator)")
            << serial << QStringList {"open", "ok", "take", "wrongModel"}
            << QStringList {"Connecting", "Identifying", "Identifying", "Disconnected"}
            << QStringList {} << QStringList {openSerial, "trigger", "close serial"};
        QTest::newRow("model query times out: closed, operator told")
            << tcp << QStringList {"open", "ok", "take", "modelTimeout"}
            << QStringList {"Connecting", "Identifying", "Identifying", "Disconnected"}
            << QStringList {"Failed to identify device!Error Code:GET MODEL TYPE\r"}
            << QStringList {openTcp, "trigger", "close tcp"};
        QTest::newRow("another command times out: told, link stays")
            << serial << QStringList {"open", "ok", "take", "identified", "commandTimeout"}
            << QStringList {"Connecting", "Identifying", "Identifying", "Ready", "Ready"}
            << QStringList {"Unable to communicate with device!Error Code:GET OUT HDCP\r"}
            << QStringList {openSerial, "trigger"};
        QTest::newRow("tcp link lost (reconnect failed), reconnect off: lost once, told once")
            << tcp << QStringList {"open",           "ok", "take", "identified", "reconnectFailed",
                                   "reconnectFailed"}
            << QStringList {"Connecting", "Identifying", "Identifying", "Ready", "Lost", "Lost"}
            << QStringList {"Network connect error,please reconnect network!!!"}
            << QStringList {openTcp, "trigger", "close tcp"};
        QTest::newRow("serial device gone, reconnect off: lost, told once, connect again")
            << serial
            << QStringList {"open", "ok", "take", "identified", "lost", "lost", "openSame"}
            << QStringList {"Connecting", "Identifying", "Identifying", "Ready",
                            "Lost",       "Lost",        "Connecting"}
            << QStringList {"The connection to the device was lost."}
            << QStringList {openSerial, "trigger", "close serial", openSerial};
        QTest::newRow("tcp peer closes, reconnect on: told once, then attempts until back")
            << tcp << QStringList {"open", "ok",   "take",      "identified", "reconnectOn",
                                   "lost", "lost", "retryNow",  "fail",       "retryNow",
                                   "ok",   "take", "identified"}
            << QStringList {"Connecting",   "Identifying",  "Identifying",  "Ready",
                            "Ready",        "Reconnecting", "Reconnecting", "Reconnecting",
                            "Reconnecting", "Reconnecting", "Identifying",  "Identifying",
                            "Ready"}
            << QStringList {"The connection to the device was lost."}
            << QStringList {openTcp,     "trigger", "close tcp", openTcp,
                            "close tcp", openTcp,   "trigger"};
        QTest::newRow("back but silent or gone again before identified: no more messages")
            << serial
            << QStringList {"open",     "ok", "take",         "identified", "reconnectOn", "lost",
                            "retryNow", "ok", "modelTimeout", "retryNow",   "ok",          "lost"}
            << QStringList {"Connecting",   "Identifying",  "Identifying",  "Ready",
                            "Ready",        "Reconnecting", "Reconnecting", "Identifying",
                            "Reconnecting", "Reconnecting", "Identifying",  "Reconnecting"}
            << QStringList {"The connection to the device was lost."}
            << QStringList {openSerial,     "trigger",  "close serial", openSerial,    "trigger",
                            "close serial", openSerial, "trigger",      "close serial"};
        QTest::newRow("reconnect switched off while waiting: lost")
            << serial << QStringList {"open",        "ok",   "take",         "identified",
                                      "reconnectOn", "lost", "reconnectOff", "retryNow"}
            << QStringList {"Connecting", "Identifying",  "Identifying", "Ready",
                            "Ready",      "Reconnecting", "Lost",        "Lost"}
            << QStringList {"The connection to the device was lost."}
            << QStringList {openSerial, "trigger", "close serial"};
        QTest::newRow("operator disconnect stops reconnecting")
            << tcp << QStringList {"open",        "ok",   "take",  "identified",
                                   "reconnectOn", "lost", "close", "retryNow"}
            << QStringList {"Connecting", "Identifying",  "Identifying",  "Ready",
                            "Ready",      "Reconnecting", "Disconnected", "Disconnected"}
            << QStringList {"The connection to the device was lost."}
            << QStringList {openTcp, "trigger", "close tcp"};
        QTest::newRow("serial port error is recorded, the link goes on")
            << serial << QStringList {"open", "ok", "take", "identified", "portError"}
            << QStringList {"Connecting", "Identifying", "Identifying", "Ready", "Ready"}
            << QStringList {} << QStringList {openSerial, "trigger"};
        QTest::newRow("operator disconnects while connecting")
            << tcp << QStringList {"open", "close"} << QStringList {"Connecting", "Disconnected"}
            << QStringList {} << QStringList {openTcp, "close tcp"};
        QTest::newRow("late reports after close change nothing")
            << tcp << QStringList {"open",   "ok",           "close",          "ok",
                                   "fail",   "modelTimeout", "commandTimeout", "reconnectFailed",
                                   "settled"}
            << QStringList {"Connecting",   "Identifying",  "Disconnected",
                            "Disconnected", "Disconnected", "Disconnected",
                            "Disconnected", "Disconnected", "Disconnected"}
            << QStringList {} << QStringList {openTcp, "trigger", "close tcp"};
        QTest::newRow("reports of the other link change nothing")
            << serial
            << QStringList {"open", "otherOk", "otherTimeout", "otherReconnectFailed", "openAgain"}
            << QStringList {"Connecting", "Connecting", "Connecting", "Connecting", "Connecting"}
            << QStringList {} << QStringList {openSerial};
        QTest::newRow("busy while a command is queued or on the wire")
            << tcp
            << QStringList {"open", "ok", "take", "identified", "queue", "take", "sent", "settled"}
            << QStringList {"Connecting", "Identifying", "Identifying", "Ready",
                            "Busy",       "Busy",        "Busy",        "Ready"}
            << QStringList {} << QStringList {openTcp, "trigger", "trigger"};
    }
    void events()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, events);
        QFETCH(QStringList, states);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, calls);
        Driven d(static_cast<LinkKind>(kind));
        QStringList seen;
        for (const QString &event : qAsConst(events)) {
            d.play(event);
            seen << stateName(d.controller.state());
        }
        QCOMPARE(seen, states);
        QCOMPARE(d.messages, messages);
        QCOMPARE(d.backend->calls, calls);
        const bool open = d.controller.isOpen();
        QCOMPARE(LinkMode, open ? kind : int(LinkModeNone));
        if (!open)
            QVERIFY(!DeviceState::modelIdentified); // the next link identifies afresh
        if (events.contains("take"))
            QCOMPARE(d.wire.value(0), QByteArray("GET MODEL TYPE\r"));
    }

    // Every state change is announced once, in order.
    void stateChanged_announcesEachChangeOnce()
    {
        Driven d(LinkKind::Tcp);
        QStringList announced;
        connect(&d.controller, &LinkController::stateChanged,
                [&](LinkController::State s) { announced << stateName(s); });
        for (const char *event : {"open", "ok", "take", "identified", "queue", "queue", "close"})
            d.play(QString::fromLatin1(event));
        QCOMPARE(announced,
                 QStringList({"Connecting", "Identifying", "Synchronising", "Ready", "Busy",
                              "Disconnected"}));
    }

    void facts_targetModelQueueRoundTrip_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("target");
        QTest::newRow("serial") << int(LinkKind::Serial) << "ttyUSB0 @ 115200";
        QTest::newRow("tcp") << int(LinkKind::Tcp) << "192.168.0.247:2000";
    }
    void facts_targetModelQueueRoundTrip()
    {
        QFETCH(int, kind);
        QFETCH(QString, target);
        Driven d(static_cast<LinkKind>(kind));
        LinkController &c = d.controller;
        QCOMPARE(c.targetText(), QString());
        QCOMPARE(c.identifiedModel(), -1);
        d.play("open");
        QCOMPARE(c.targetText(), target);
        QCOMPARE(c.kind(), static_cast<LinkKind>(kind));
        d.play("ok");
        QCOMPARE(c.identifiedModel(), -1);
        d.play("take");
        d.play("identified");
        QCOMPARE(c.identifiedModel(), 2);
        QSignalSpy facts(&c, &LinkController::factsChanged);
        d.play("queue");
        CmdGetOutHdcp();
        c.requestSend();
        QCOMPARE(c.commandsWaiting(), 2);
        QCOMPARE(c.lastRoundTripUs(), qint64(-1));
        const QDateTime before = QDateTime::currentDateTime();
        c.reportMatched(static_cast<LinkKind>(kind), 5, "OUT VKA BLUESCREEN\r", 41000);
        QCOMPARE(c.lastRoundTripUs(), qint64(41000));
        QVERIFY(c.lastRoundTripAt() >= before);
        d.play("portError");
        QCOMPARE(c.deviceErrorCount(), 1);
        QCOMPARE(c.lastDeviceError(), 9);
        QVERIFY(facts.size() >= 3);
        d.play("close");
        QCOMPARE(c.targetText(), QString());
        QCOMPARE(c.kind(), LinkKind::None);
        QCOMPARE(c.identifiedModel(), -1);
        QCOMPARE(c.commandsWaiting(), 0);
    }

    // The controller republishes the link's per-command events in its own thread, and hands
    // every received line over with the id of the command it answers, in arrival order.
    void events_republishedWithIds()
    {
        Driven d(LinkKind::Tcp);
        LinkController &c = d.controller;
        QStringList seen;
        connect(&c, &LinkController::commandSent, [&](quint64 id, const QByteArray &bytes) {
            seen << QStringLiteral("sent %1 ").arg(id) + QString::fromLatin1(bytes);
        });
        connect(&c, &LinkController::commandMatched, [&](quint64 id, const QByteArray &line) {
            seen << QStringLiteral("matched %1 ").arg(id) + QString::fromLatin1(line);
        });
        connect(&c, &LinkController::commandTimedOut,
                [&](quint64 id) { seen << QStringLiteral("timedOut %1").arg(id); });
        connect(&c, &LinkController::lineReceived, [&](const QByteArray &line, quint64 id) {
            seen << QStringLiteral("line %1 ").arg(id) + QString::fromLatin1(line);
        });
        d.play("open");
        d.play("ok");
        c.reportSent(LinkKind::Tcp, 10, "GET MODEL TYPE\r");
        c.reportMatched(LinkKind::Tcp, 10, "MODEL TYPE Marlet\r", 1000);
        c.reportSent(LinkKind::Tcp, 11, "GET OUT HDCP\r");
        c.reportTimedOut(LinkKind::Tcp, 11);
        c.reportSent(LinkKind::Serial, 12, "GET OUT VKA\r"); // not the open link: dropped
        for (auto [line, id] : {std::pair<QByteArray, quint64> {"MODEL TYPE Marlet\r", 10},
                                {"NOISE\r", 0},
                                {"OUT HDCP late\r", 11}})
            Queue_Push(line.constData(), line.size(), nullptr, 0, &TcpLinkContext.recvLock,
                       &TcpLinkContext.recvQueue, id);
        c.reportLinesAvailable(LinkKind::Tcp);
        QCOMPARE(
            seen,
            QStringList({"sent 10 GET MODEL TYPE\r", "matched 10 MODEL TYPE Marlet\r",
                         "sent 11 GET OUT HDCP\r", "timedOut 11", "line 10 MODEL TYPE Marlet\r",
                         "line 0 NOISE\r", "line 11 OUT HDCP late\r"}));
    }

    // Each failed attempt doubles the pause up to the longest; an identified device resets it.
    void reconnect_pauseGrowsThenResets()
    {
        Driven d(LinkKind::Tcp);
        LinkController &c = d.controller;
        for (const char *event : {"open", "ok", "take", "identified", "reconnectOn", "lost"})
            d.play(QString::fromLatin1(event));
        QList<qint64> pauses {c.reconnectInMs()};
        for (int i = 0; i < 3; ++i) {
            d.play("retryNow");
            QCOMPARE(c.reconnectInMs(), qint64(0)); // the attempt runs
            QCOMPARE(c.reconnectAttempt(), i + 1);
            d.play("fail");
            pauses << c.reconnectInMs();
        }
        for (const char *event : {"retryNow", "ok", "take", "identified", "lost"})
            d.play(QString::fromLatin1(event));
        pauses << c.reconnectInMs();
        // Remaining times, read right after each scheduling: within 100 ms of the pause.
        const QList<qint64> expected {1000, 2000, 4000, 4000, 1000};
        QCOMPARE(pauses.size(), expected.size());
        for (int i = 0; i < pauses.size(); ++i)
            QVERIFY2(pauses[i] > expected[i] - 100 && pauses[i] <= expected[i],
                     qPrintable(QStringLiteral("%1: %2").arg(i).arg(pauses[i])));
        QCOMPARE(d.messages.size(), 2); // one per loss, none per attempt
    }

    void statusLines_tellTheStory()
    {
        Driven d(LinkKind::Tcp);
        for (const char *event : {"open", "ok", "take", "identified", "reconnectOn", "queue",
                                  "lost", "retryNow", "fail", "close"})
            d.play(QString::fromLatin1(event));
        QCOMPARE(d.status,
                 QStringList({"Connected to 192.168.0.247:2000.", "Device identified: Marlet.",
                              "Connection to 192.168.0.247:2000 lost.", "1 command(s) not sent.",
                              "Reconnecting to 192.168.0.247:2000 in 1 s.",
                              "Reconnect attempt 1 to 192.168.0.247:2000.",
                              "Reconnect attempt 1 failed.",
                              "Reconnecting to 192.168.0.247:2000 in 2 s.",
                              "Disconnected from 192.168.0.247:2000 by the operator."}));
    }

    // An idle, identified link asks the model now and then; no answer in time is a loss.
    // A busy link does not ask.
    void keepAlive_idleLinkAsksAndSilenceIsALoss()
    {
        Driven d(LinkKind::Tcp);
        LinkController &c = d.controller;
        LinkPolicy policy = c.policy();
        policy.keepAliveMs = 50;
        c.setPolicy(policy);
        for (const char *event : {"open", "ok", "take", "queue"})
            d.play(QString::fromLatin1(event));
        d.controller.reportIdentification(true); // identified with a command still queued
        QCoreApplication::processEvents();
        QCOMPARE(c.state(), LinkController::State::Synchronising); // its read-all under way
        QVERIFY(!QTest::qWaitFor([] { return QueuedCommands_Peek().size() > 1; }, 300));
        d.play("take"); // the queued command went out and settled
        d.play("sent");
        d.play("settled");
        QCOMPARE(c.state(), LinkController::State::Ready);
        QTRY_COMPARE_WITH_TIMEOUT(QueuedCommands_Peek(), Lines {"GET MODEL TYPE\r"}, 3000);
        quint64 id = 0;
        {
            std::lock_guard<std::mutex> lock(TcpLinkContext.sendLock);
            const CommandNode *node = TcpLinkContext.sendQueue.front();
            id = node->id;
            QCOMPARE(node->attributes->expectReply, quint8(1));
            QCOMPARE(node->attributes->reportTimeout, quint8(0)); // no time-out box for it
        }
        d.play("take");
        c.reportSent(LinkKind::Tcp, id, "GET MODEL TYPE\r");
        QVERIFY(d.messages.isEmpty());
        c.reportTimedOut(LinkKind::Tcp, id);
        QCOMPARE(c.state(), LinkController::State::Lost);
        QCOMPARE(d.messages, QStringList {"The connection to the device was lost."});
        QVERIFY(d.status.contains("No answer to the keep-alive from 192.168.0.247:2000."));
    }

    // A command the link could not write is counted and announced, not told as unanswered;
    // a command that holds the queue shows its countdown until its turn is over.
    void notSentAndHold_facts()
    {
        Driven d(LinkKind::Serial);
        LinkController &c = d.controller;
        for (const char *event : {"open", "ok", "take", "identified"})
            d.play(QString::fromLatin1(event));
        QSignalSpy notSent(&c, &LinkController::commandNotSent);
        c.reportNotSent(LinkKind::Serial, 41, "GET OUT VKA\r");
        QCOMPARE(c.notSentCount(), 1);
        QCOMPARE(notSent.size(), 1);
        QCOMPARE(notSent.at(0).at(1).toByteArray(), QByteArray("GET OUT VKA\r"));
        QVERIFY(d.messages.isEmpty());

        QCOMPARE(c.holdRemainingMs(), qint64(0));
        c.reportSent(LinkKind::Serial, 42, "SET OUT RESOLUTION 1920x1080\r");
        c.reportHolding(LinkKind::Serial, 42, 10000);
        QVERIFY(c.holdRemainingMs() > 9000 && c.holdRemainingMs() <= 10000);
        QCOMPARE(c.holdCommand(), QByteArray("SET OUT RESOLUTION 1920x1080\r"));
        c.reportSettled(LinkKind::Serial, 42);
        QCOMPARE(c.holdRemainingMs(), qint64(0));
        QCOMPARE(c.holdCommand(), QByteArray());
    }

    void discardQueued_dropsUnsentOnly()
    {
        Driven d(LinkKind::Tcp);
        LinkController &c = d.controller;
        for (const char *event : {"open", "ok", "take", "identified"})
            d.play(QString::fromLatin1(event));
        CmdGetOutHdcp();
        CmdGetOutVka();
        CmdGetOutItc();
        c.requestSend();
        QCOMPARE(c.commandsWaiting(), 3);
        QCOMPARE(c.discardQueued(), 3);
        QCOMPARE(c.commandsWaiting(), 0);
        QCOMPARE(QueuedCommands_Peek(), Lines {});
        QCOMPARE(c.state(), LinkController::State::Ready);
        QCOMPARE(d.status.last(), QStringLiteral("3 queued command(s) dropped by the operator."));
        QCOMPARE(c.discardQueued(), 0);
    }

    // Over the real services and worker threads, with no widget and no window: what a
    // command-line program gets. The device identifies itself; whoever reads the lines (here
    // the test) gives the verdict.
    void services_openIdentifyReadyClose_withoutWidgets()
    {
        TcpPeer peer;
        QVERIFY(peer.listen());
        peer.responder = [](const QByteArray &line) {
            return line == "GET MODEL TYPE\r" ? QByteArray("MODEL TYPE Tessin\r") : QByteArray();
        };
        LinkController c(std::make_unique<ServiceLinkBackend>());
        QStringList states;
        connect(&c, &LinkController::stateChanged,
                [&](LinkController::State s) { states << stateName(s); });
        QList<quint64> sentIds;
        connect(&c, &LinkController::commandSent,
                [&](quint64 id, const QByteArray &) { sentIds << id; });
        QList<quint64> lineIds;
        connect(&c, &LinkController::lineReceived, [&](const QByteArray &line, quint64 id) {
            lineIds << id;
            if (line.startsWith("MODEL TYPE")) {
                DeviceState::modelIndex = 3;
                c.reportIdentification(true);
            }
        });
        QVERIFY(c.open(LinkTarget::tcp("127.0.0.1", "127.0.0.1", QString::number(peer.port()))));
        QTRY_COMPARE_WITH_TIMEOUT(c.state(), LinkController::State::Ready, 5000);
        QCOMPARE(states, QStringList({"Connecting", "Identifying", "Synchronising", "Ready"}));
        QCOMPARE(peer.lines, QList<QByteArray> {"GET MODEL TYPE\r"});
        QCOMPARE(sentIds.size(), 1);
        QCOMPARE(lineIds, sentIds); // the reply carries the query's id
        QCOMPARE(c.identifiedModel(), 3);
        QVERIFY(c.lastRoundTripUs() >= 0);
        QVERIFY(Link_TcpThread()->isRunning());
        c.close();
        QVERIFY(!Link_TcpThread()->isRunning());
        QCOMPARE(LinkMode, int(LinkModeNone));
        QTRY_COMPARE_WITH_TIMEOUT(peer.connectionCount(), 1, 1000);
    }

    void services_refusedConnect_toldWithCode5()
    {
        LinkController c(std::make_unique<ServiceLinkBackend>());
        QSignalSpy messages(&c, &LinkController::operatorMessage);
        QVERIFY(c.open(
            LinkTarget::tcp("127.0.0.1", "127.0.0.1", QString::number(UnusedLoopbackPort()))));
        QVERIFY(messages.wait(5000));
        QCOMPARE(messages.at(0).at(0).toString(),
                 QStringLiteral("please check your local ip config information!Error Code:5"));
        QCOMPARE(c.state(), LinkController::State::Disconnected);
        QVERIFY(!Link_TcpThread()->isRunning());
    }

    // Over the real services: the device going away is noticed without any command, within a
    // second; the worker stops (no thread left spinning on a dead device); with reconnect on,
    // the link comes back by itself and identifies the device again.
    void services_deviceGone_lostAtOnce_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("tcp peer closes") << false;
        QTest::newRow("pseudo-terminal vanishes") << true;
    }
    void services_deviceGone_lostAtOnce()
    {
        QFETCH(bool, serial);
        TcpPeer tcp;
        PtyPeer pty;
        LinePeer &peer = serial ? static_cast<LinePeer &>(pty) : tcp;
        QVERIFY(serial ? pty.isOpen() : tcp.listen());
        peer.responder = [](const QByteArray &line) {
            return line == "GET MODEL TYPE\r" ? QByteArray("MODEL TYPE Corvo\r") : QByteArray();
        };
        LinkController c(std::make_unique<ServiceLinkBackend>());
        LinkPolicy policy;
        policy.reconnect = !serial; // a vanished terminal does not come back under its name
        policy.firstRetryMs = 100;
        policy.keepAliveMs = 0;
        c.setPolicy(policy);
        QStringList messages;
        connect(&c, &LinkController::operatorMessage, [&](const QString &t) { messages << t; });
        connect(&c, &LinkController::lineReceived, [&](const QByteArray &line, quint64) {
            if (line.startsWith("MODEL TYPE")) {
                DeviceState::modelIndex = 1;
                c.reportIdentification(true);
            }
        });
        const LinkTarget target = serial
            ? LinkTarget::serial(pty.slavePath(), "115200", "8", "0", "1", "0")
            : LinkTarget::tcp("127.0.0.1", "127.0.0.1", QString::number(tcp.port()));
        QVERIFY(c.open(target));
        QTRY_COMPARE_WITH_TIMEOUT(c.state(), LinkController::State::Ready, 5000);
        QSignalSpy lost(&c, &LinkController::lost);
        QElapsedTimer clock;
        clock.start();
        if (serial)
            pty.closeMaster();
        else
            tcp.dropClients();
        QVERIFY(lost.wait(3000));
        const qint64 noticedMs = clock.elapsed();
        QVERIFY2(noticedMs < 1000, qPrintable(QString::number(noticedMs)));
        QCOMPARE(messages, QStringList {"The connection to the device was lost."});
        QVERIFY(c.deviceErrorCount() <= 3); // not one report per turn of a spinning loop
        QThread *worker = serial ? Link_SerialThread() : Link_TcpThread();
        if (serial) {
            QCOMPARE(c.state(), LinkController::State::Lost);
            QVERIFY(!worker->isRunning());
            QCOMPARE(LinkMode, int(LinkModeNone));
            return;
        }
        QCOMPARE(c.state(), LinkController::State::Reconnecting);
        QTRY_COMPARE_WITH_TIMEOUT(c.state(), LinkController::State::Ready, 5000);
        QCOMPARE(tcp.connectionCount(), 2);
        QCOMPARE(tcp.lines, QList<QByteArray>({"GET MODEL TYPE\r", "GET MODEL TYPE\r"}));
        QCOMPARE(messages.size(), 1);
        c.close();
        QVERIFY(!worker->isRunning());
    }
};

QTEST_GUILESS_MAIN(TestLinkController)
#include "tst_link_controller.moc"
