// Pacing, framing and matching of both link services against a real peer (pseudo-terminal or
// loopback TCP), with the service in the test thread or in a worker thread of its own.
#include "link/command_catalogue.h"
#include "link/link_channel.h"
#include "link/service_serial_port.h"
#include "link/service_tcp_client.h"
#include "link_harness.h"
#include "state/device_state.h"

#include <QtTest>

#include <atomic>
#include <thread>

using Harness = std::unique_ptr<LinkHarness>;

class TestLinkServices : public QObject
{
    Q_OBJECT

    Harness open(bool worker)
    {
        QFETCH(int, kind);
        Harness h = std::make_unique<LinkHarness>(static_cast<LinkHarness::Kind>(kind), worker);
        if (!h->peerReady() || !h->connectLink())
            return nullptr;
        return h;
    }

    static void addKinds(bool withThreads)
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("worker");
        for (bool worker : {false, true}) {
            if (worker && !withThreads)
                continue;
            QTest::addRow("serial%s", worker ? "-thread" : "")
                << int(LinkHarness::Serial) << worker;
            QTest::addRow("tcp%s", worker ? "-thread" : "") << int(LinkHarness::Tcp) << worker;
        }
    }

private slots:
    void init() { DeviceState::ResetForTesting(); }

    void reply_nextCommandSentBeforeReplyAnnounced_data() { addKinds(true); }
    void reply_nextCommandSentBeforeReplyAnnounced()
    {
        QFETCH(bool, worker);
        Harness h = open(worker);
        QVERIFY(h);
        h->peer().responder = [](const QByteArray &line) -> QByteArray {
            if (line == "GET MODEL TYPE\r")
                return "MODEL TYPE Halden\r";
            if (line == "GET OUT HDCP\r")
                return "OUT HDCP FORCE-2.2\r";
            return {};
        };
        EventLog log(*h);
        CmdGetModelType();
        CmdGetOutHdcp();
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(log.events.size(), 4, 5000);
        QCOMPARE(log.events,
                 QStringList({"send:GET MODEL TYPE\r", "send:GET OUT HDCP\r", "recv", "recv"}));
        QCOMPARE(h->drainReceived(),
                 QList<QByteArray>({"MODEL TYPE Halden\r", "OUT HDCP FORCE-2.2\r"}));
        QCOMPARE(h->peer().lines, QList<QByteArray>({"GET MODEL TYPE\r", "GET OUT HDCP\r"}));
        // The device gets its gap: the second command comes at least 50 ms after the reply.
        const qint64 gapMs = (h->peer().lineTimesNs[1] - h->peer().replyTimesNs[0]) / 1000000;
        QVERIFY2(gapMs >= 45, qPrintable(QString::number(gapMs)));
    }

    void timeout_reportsCommandTextWithCr_data() { addKinds(true); }
    void timeout_reportsCommandTextWithCr()
    {
        QFETCH(bool, worker);
        Harness h = open(worker);
        QVERIFY(h);
        QSignalSpy sent(h.get(), &LinkHarness::sent);
        QSignalSpy timedOut(h.get(), &LinkHarness::timedOut);
        CmdGetModelType();
        h->trigger();
        QVERIFY(sent.wait(2000));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(timedOut.wait(3000));
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(timedOut.takeFirst().at(0).toString(), QStringLiteral("GET MODEL TYPE\r"));
    }

    void timeout_withoutReportFlag_silentButNextCommandGoes_data() { addKinds(false); }
    void timeout_withoutReportFlag_silentButNextCommandGoes()
    {
        Harness h = open(false);
        QVERIFY(h);
        EventLog log(*h);
        h->pushCommand("FIRST\r", LinkHarness::awaiting("NEVER", 100, false));
        h->pushCommand("SECOND\r", LinkHarness::awaiting("NEVER", 100, true));
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(log.events.size(), 3, 3000);
        QCOMPARE(log.events, QStringList({"send:FIRST\r", "send:SECOND\r", "timeout:SECOND\r"}));
    }

    // Every command's turn is reported by its id, whether it awaits a reply, reports its
    // time-out or is raw bytes; the reply line carries the id it answers.
    void ids_sentMatchedTimedOutSettledInOrder_data() { addKinds(true); }
    void ids_sentMatchedTimedOutSettledInOrder()
    {
        QFETCH(bool, worker);
        Harness h = open(worker);
        QVERIFY(h);
        h->peer().responder = [](const QByteArray &line) {
            return line == "GET A\r" ? QByteArray("A 1\r") : QByteArray();
        };
        IdLog log(*h);
        const quint64 a = h->pushCommand("GET A\r", LinkHarness::awaiting("A", 1000, true));
        const quint64 b = h->pushCommand("GET B\r", LinkHarness::awaiting("B", 150, false));
        const quint64 raw = h->pushCommand("RAW\r\n", CommandAttributes {});
        QVERIFY(a > 0 && b == a + 1 && raw == b + 1);
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(log.events.size(), 8, 5000);
        const QString A = QString::number(a), B = QString::number(b), R = QString::number(raw);
        QCOMPARE(log.events,
                 QStringList({"sent:" + A + ":GET A\r", "matched:" + A + ":A 1\r", "settled:" + A,
                              "sent:" + B + ":GET B\r", "timedOut:" + B, "settled:" + B,
                              "sent:" + R + ":RAW\r\n", "settled:" + R}));
        QCOMPARE(h->drainReceivedWithIds(), (QList<QPair<QByteArray, quint64>> {{"A 1\r", a}}));
        QVERIFY(!h->context().replyAwaited);
    }

    // After a time-out the late reply is still the timed-out command's (it carries its id, and
    // ends nothing); once a reply has matched, a repeat of it answers nothing.
    void ids_lateReplyCarriesTheTimedOutCommandsId_data() { addKinds(false); }
    void ids_lateReplyCarriesTheTimedOutCommandsId()
    {
        Harness h = open(false);
        QVERIFY(h);
        IdLog log(*h);
        const quint64 a = h->pushCommand("GET A\r", LinkHarness::awaiting("A", 100, true));
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(log.events.size(), 3, 3000);
        QVERIFY(!h->context().replyAwaited);
        h->peer().write("A late\r");
        QTRY_COMPARE_WITH_TIMEOUT(h->context().recvQueue.count, 1, 3000);
        const quint64 b = h->pushCommand("GET B\r", LinkHarness::awaiting("B", 1000, true));
        h->peer().responder = [](const QByteArray &) { return QByteArray("B 1\rB 2\r"); };
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h->context().recvQueue.count, 3, 3000);
        QCOMPARE(h->drainReceivedWithIds(),
                 (QList<QPair<QByteArray, quint64>> {{"A late\r", a}, {"B 1\r", b}, {"B 2\r", 0}}));
        QCOMPARE(log.events.filter("matched").size(), 1);
        QCOMPARE(log.events.filter("timedOut"), QStringList {"timedOut:" + QString::number(a)});
    }

    // Raw bytes from the debug terminal get ids like the catalogue's commands.
    void ids_rawAndCataloguedCommandsNumberedInQueueOrder()
    {
        LinkMode = LinkModeTcp;
        Queue_Reset(TcpLinkContext);
        const quint64 first = Cmd_Enqueue("GET MODEL TYPE", 14, CommandAttributes {});
        const quint64 raw = Cmd_EnqueueRaw("X\r\n", 3);
        QVERIFY(first > 0);
        QCOMPARE(raw, first + 1);
        QCOMPARE(Cmd_EnqueueRaw("", 0), quint64(0));
        {
            std::lock_guard<std::mutex> locker(TcpLinkContext.sendLock);
            QCOMPARE(TcpLinkContext.sendQueue.front()->id, first);
            QCOMPARE(TcpLinkContext.sendQueue.front()->next->id, raw);
        }
        LinkMode = LinkModeNone;
        QCOMPARE(Cmd_EnqueueRaw("X", 1), quint64(0));
        QCOMPARE(Cmd_Enqueue("GET MODEL TYPE", 14, CommandAttributes {}), quint64(0));
        Queue_Release(TcpLinkContext);
        Queue_Reset(TcpLinkContext);
    }

    void wireTime_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint32>("baud");
        QTest::addColumn<int>("ms");
        QTest::newRow("EDID upload at 9600") << qint64(782) << 9600 << 815;
        QTest::newRow("one byte at 9600") << qint64(1) << 9600 << 2;
        QTest::newRow("longest command at 115200") << qint64(1025) << 115200 << 89;
        QTest::newRow("exact: 96 bytes at 9600") << qint64(96) << 9600 << 100;
        QTest::newRow("no rate (TCP)") << qint64(782) << 0 << 0;
        QTest::newRow("nothing to send") << qint64(0) << 9600 << 0;
        QTest::newRow("nonsense length") << qint64(-5) << 9600 << 0;
        QTest::newRow("one byte at 1 baud") << qint64(1) << 1 << 10000;
        QTest::newRow("beyond an int") << (qint64(1) << 40) << 1 << 2147483647;
    }
    void wireTime()
    {
        QFETCH(qint64, bytes);
        QFETCH(qint32, baud);
        QFETCH(int, ms);
        QCOMPARE(Link_WireTimeMs(bytes, baud), ms);
    }

    // A long command on a slow serial line: the device has the whole reply wait after the
    // command's last byte reached it. The peer answers once the bytes would have crossed the
    // wire plus 400 ms; at 2400 baud that is within the wait, at 115200 (where the wire time is
    // small) and over TCP (no wire time) the same answer is late.
    void replyWait_startsWhenTheLineHasLeftTheWire_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<int>("answerAfterMs");
        QTest::addColumn<bool>("matched");
        // 301 bytes: 1255 ms at 2400 baud, 27 ms at 115200.
        QTest::newRow("serial 2400") << int(LinkHarness::Serial) << "2400" << 1255 + 400 << true;
        QTest::newRow("serial 115200")
            << int(LinkHarness::Serial) << "115200" << 27 + 1400 << false;
        QTest::newRow("tcp") << int(LinkHarness::Tcp) << "" << 1400 << false;
    }
    void replyWait_startsWhenTheLineHasLeftTheWire()
    {
        QFETCH(int, kind);
        QFETCH(QString, baud);
        QFETCH(int, answerAfterMs);
        QFETCH(bool, matched);
        LinkHarness h(static_cast<LinkHarness::Kind>(kind), false);
        h.setBaudRate(baud);
        QVERIFY(h.peerReady() && h.connectLink());
        connect(&h.peer(), &LinePeer::lineArrived, this, [&h, answerAfterMs](const QByteArray &) {
            QTimer::singleShot(answerAfterMs, Qt::PreciseTimer, &h.peer(),
                               [&h] { h.peer().write("EDID-USER OK\r"); });
        });
        QSignalSpy matches(&h, &LinkHarness::matchedId);
        QSignalSpy timeouts(&h, &LinkHarness::timedOutId);
        const QByteArray line = "SET EDID-USER " + QByteArray(286, 'A') + '\r';
        QCOMPARE(line.size(), 301);
        h.pushCommand(line, LinkHarness::awaiting("EDID-USER OK", 1000, true));
        h.trigger();
        QTRY_COMPARE_WITH_TIMEOUT(matches.size() + timeouts.size(), 1, 5000);
        QCOMPARE(matches.size(), matched ? 1 : 0);
    }

    // The device takes no bytes for 1.5 s, so the command sits in the port's write buffer
    // behind a long raw send: its reply wait begins only once the port has handed it over.
    // The device's prompt answer then counts; without an answer the command times out one
    // full wait after the hand-over (not after its write, nor after the time the whole buffer
    // would need on the wire).
    void replyWait_startsWhenThePortHandedTheCommandOver_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::newRow("answered once read") << true;
        QTest::newRow("never answered") << false;
    }
    void replyWait_startsWhenThePortHandedTheCommandOver()
    {
        QFETCH(bool, answered);
        LinkHarness h(LinkHarness::Serial, false);
        QVERIFY(h.peerReady() && h.connectLink());
        h.pty()->setReading(false);
        if (answered)
            h.peer().responder = [](const QByteArray &) { return "MODEL TYPE Halden\r"; };
        QSignalSpy sent(&h, &LinkHarness::sentId);
        QSignalSpy matches(&h, &LinkHarness::matchedId);
        QSignalSpy timeouts(&h, &LinkHarness::timedOutId);
        h.pushCommand(QByteArray(256 * 1024, 'x'), LinkHarness::pausing(0)); // fills the line
        h.pushCommand("GET MODEL TYPE\r", LinkHarness::awaiting("MODEL TYPE", 1000, true));
        h.trigger();
        QTRY_COMPARE_WITH_TIMEOUT(sent.size(), 2, 3000);
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(1500, h.pty(), [&h] { h.pty()->setReading(true); });
        QTRY_COMPARE_WITH_TIMEOUT(matches.size() + timeouts.size(), 1, 8000);
        QCOMPARE(matches.size(), answered ? 1 : 0);
        if (!answered) // 1.5 s stalled, then the 1 s wait (and the 1 ms the command needs)
            QVERIFY2(clock.elapsed() >= 2300 && clock.elapsed() < 6000,
                     qPrintable(QString::number(clock.elapsed())));
    }

    void lateReply_afterTimeout_announcedButTriggersNothing_data() { addKinds(false); }
    void lateReply_afterTimeout_announcedButTriggersNothing()
    {
        Harness h = open(false);
        QVERIFY(h);
        EventLog log(*h);
        h->pushCommand("GET A\r", LinkHarness::awaiting("A", 100, true));
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(log.events.size(), 2, 3000);
        h->pushCommand("GET B\r", LinkHarness::pausing(60000)); // would block the queue if sent
        h->pushCommand("GET C\r", LinkHarness::pausing(0));
        // Nothing triggers a send: the late reply "A" must not.
        h->peer().write("A late\r");
        QTRY_COMPARE_WITH_TIMEOUT(log.events.size(), 3, 3000);
        QCOMPARE(log.events, QStringList({"send:GET A\r", "timeout:GET A\r", "recv"}));
        QVERIFY(!h->channel().isMatchActive());
        QVERIFY(!h->channel().isWaitActive());
    }

    void pauseCommand_holdsQueueTenSeconds_data() { addKinds(false); }
    void pauseCommand_holdsQueueTenSeconds()
    {
        Harness h = open(false);
        QVERIFY(h);
        h->peer().responder = [](const QByteArray &) { return QByteArray("RESET OK\r"); };
        QSignalSpy sent(h.get(), &LinkHarness::sent);
        CmdSetReset();
        CmdGetModelType();
        h->trigger();
        QVERIFY(sent.wait(2000));
        QCOMPARE(sent.at(0).at(0).toString(), QStringLiteral("SET RESET\r"));
        const QTimer &wait = h->channel().waitTimer();
        QVERIFY(h->channel().isWaitActive());
        QVERIFY(wait.isActive());
        QVERIFY(wait.isSingleShot());
        QCOMPARE(wait.interval(), 10000);
        QCOMPARE(wait.timerType(), Qt::PreciseTimer);
        QVERIFY(!h->channel().isMatchActive());
        // The device answered at once, yet the next command stays queued.
        QTRY_COMPARE_WITH_TIMEOUT(h->peer().lines.size(), 1, 2000);
        QVERIFY(!sent.wait(300));
        QCOMPARE(sent.size(), 1);
    }

    void pause_nextCommandAfterWaitMs_data() { addKinds(true); }
    void pause_nextCommandAfterWaitMs()
    {
        QFETCH(bool, worker);
        Harness h = open(worker);
        QVERIFY(h);
        h->pushCommand("SET X\r", LinkHarness::pausing(250));
        h->pushCommand("SET Y\r", LinkHarness::pausing(0));
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h->peer().lines.size(), 2, 3000);
        const qint64 gapMs = (h->peer().lineTimesNs[1] - h->peer().lineTimesNs[0]) / 1000000;
        // The peer stamps lines when it reads them, so scheduling jitter can eat into the 50 ms
        // send pause; the 250 ms hold alone is what must never be cut short.
        QVERIFY2(gapMs >= 250, qPrintable(QString::number(gapMs)));
    }

    // The pause before a command holds nobody up: a page that queues a command meanwhile gets
    // the queue at once, and its command goes after the one being paced.
    void pause_leavesTheQueueFreeForProducers_data() { addKinds(true); }
    void pause_leavesTheQueueFreeForProducers()
    {
        QFETCH(bool, worker);
        Harness h = open(worker);
        QVERIFY(h);
        QSignalSpy sent(h.get(), &LinkHarness::sent);
        std::atomic<int> written {0};
        QObject::connect(&h->channel(), &LinkChannel::sent, [&written] { ++written; });
        h->pushCommand("SET A\r", LinkHarness::pausing(0));
        // 20 ms into the pause, in the service's thread (a timer of that thread is served by
        // the pause's nested loop), a producer thread of its own tries the queue and, when it
        // gets it, queues a command.
        std::atomic<int> free {-1};
        LinkHarness *harness = h.get();
        const auto tryQueue = [harness, &free, &written] {
            const bool paused = written == 0;
            std::thread producer([harness, &free] {
                const bool locked = harness->context().sendLock.try_lock();
                free = locked ? 1 : 0;
                if (!locked)
                    return;
                harness->context().sendLock.unlock();
                harness->pushCommand("SET B\r", LinkHarness::pausing(0));
            });
            producer.join();
            if (!paused)
                free = -2; // the pause was over already: nothing learnt
        };
        QMetaObject::invokeMethod(h->service(), [harness, tryQueue] {
            QTimer::singleShot(20, Qt::PreciseTimer, harness->service(), tryQueue);
        });
        h->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(free != -1, 3000);
        QCOMPARE(free.load(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(sent.size(), 2, 3000);
        QCOMPARE(sent.at(0).at(0).toString(), QStringLiteral("SET A\r"));
        QCOMPARE(sent.at(1).at(0).toString(), QStringLiteral("SET B\r"));
    }

    void disconnect_discardsUnsentCommands_data() { addKinds(true); }
    void disconnect_discardsUnsentCommands()
    {
        QFETCH(bool, worker);
        Harness h = open(worker);
        QVERIFY(h);
        QSignalSpy sent(h.get(), &LinkHarness::sent);
        CmdGetModelType();
        CmdGetOutHdcp();
        CmdGetOutVka();
        h->trigger();
        QVERIFY(sent.wait(2000));
        h->disconnectLink();
        QVERIFY(!h->context().ready);
        CmdGetOutItc(); // refused while released
        QVERIFY(h->connectLink());
        {
            std::lock_guard<std::mutex> locker(h->context().sendLock);
            QVERIFY(h->context().sendQueue.isEmpty());
        }
        h->trigger();
        QVERIFY(!sent.wait(300));
        QCOMPARE(sent.size(), 1);
    }

    void disconnectAndConnectDuringPause_runAfterTheStepWithoutDeadlock_data() { addKinds(true); }
    void disconnectAndConnectDuringPause_runAfterTheStepWithoutDeadlock()
    {
        // Both requests arrive while the send step holds the send lock in its 50 ms pause: run
        // there, the release would deadlock on that lock and the close would pull the device
        // from under the write.
        QFETCH(bool, worker);
        Harness h = open(worker);
        QVERIFY(h);
        QSignalSpy sent(h.get(), &LinkHarness::sent);
        QSignalSpy status(h.get(), &LinkHarness::connectStatus);
        QSignalSpy timedOut(h.get(), &LinkHarness::timedOut);
        CmdGetModelType();
        CmdGetOutHdcp();
        h->trigger();
        // Fires in the service's thread, 20 ms into the pause (a posted event would wait for
        // the step to end; a timer is served by the pause's nested loop).
        LinkHarness *harness = h.get();
        QTimer::singleShot(20, Qt::PreciseTimer, h->service(), [harness] {
            harness->requestDisconnect(Qt::DirectConnection);
            harness->requestConnect(Qt::DirectConnection);
        });
        QTRY_COMPARE_WITH_TIMEOUT(status.size(), 1, 3000);
        QCOMPARE(status.at(0), QVariantList({true, 0}));
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.at(0).at(0).toString(), QStringLiteral("GET MODEL TYPE\r"));
        // The new link starts empty and idle: no time-out of the old command, nothing more sent
        // (the written command itself may have been cleared from the output buffer on close).
        QVERIFY(!timedOut.wait(1300));
        QCOMPARE(sent.size(), 1);
        QVERIFY(h->peer().lines.size() <= 1);
        std::lock_guard<std::mutex> locker(h->context().sendLock);
        QVERIFY(h->context().ready);
        QVERIFY(h->context().sendQueue.isEmpty());
    }

    void notConnected_triggersAndDataDoNothing_data() { addKinds(false); }
    void notConnected_triggersAndDataDoNothing()
    {
        QFETCH(int, kind);
        LinkHarness h(static_cast<LinkHarness::Kind>(kind), false);
        QSignalSpy sent(&h, &LinkHarness::sent);
        QSignalSpy received(&h, &LinkHarness::received);
        QSignalSpy reconnect(&h, &LinkHarness::reconnectStatus);
        CmdGetModelType();
        const bool serial = kind == LinkHarness::Serial;
        QMetaObject::invokeMethod(
            h.service(), serial ? "SLT_RealSendData_SerialPort" : "SLT_RealSendData_TcpClient");
        QMetaObject::invokeMethod(
            h.service(), serial ? "SLT_RealRecvData_SerialPort" : "SLT_RealRecvData_TcpClient");
        QMetaObject::invokeMethod(h.service(), "SLT_MatchTimer_Timeout");
        QMetaObject::invokeMethod(h.service(), "SLT_WaitTimer_Timeout");
        QCoreApplication::processEvents();
        QCOMPARE(sent.size() + received.size() + reconnect.size(), 0);
        std::lock_guard<std::mutex> locker(h.context().sendLock);
        QCOMPARE(h.context().sendQueue.count, 1);
    }

    void splitReply_matchedWhenItsCrArrives_data() { addKinds(false); }
    void splitReply_matchedWhenItsCrArrives()
    {
        Harness h = open(false);
        QVERIFY(h);
        EventLog log(*h);
        CmdGetOutHdcp();
        CmdGetOutVka();
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h->peer().lines.size(), 1, 2000);
        h->peer().write("OUT HD");
        QTRY_COMPARE_WITH_TIMEOUT(h->context().line.heldLength(), 6, 2000);
        QVERIFY(h->channel().isMatchActive());
        h->peer().write("CP FORCE-1.4\r");
        QTRY_COMPARE_WITH_TIMEOUT(log.events.size(), 3, 2000);
        QCOMPARE(log.events, QStringList({"send:GET OUT HDCP\r", "send:GET OUT VKA\r", "recv"}));
        QCOMPARE(h->drainReceived(), QList<QByteArray>({"OUT HDCP FORCE-1.4\r"}));
    }

    void crLfDevice_chunkStartingWithLfKeepsItsReplies_data() { addKinds(false); }
    void crLfDevice_chunkStartingWithLfKeepsItsReplies()
    {
        Harness h = open(false);
        QVERIFY(h);
        QSignalSpy received(h.get(), &LinkHarness::received);
        CmdGetOutHdcp();
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h->peer().lines.size(), 1, 2000);
        h->peer().write("OUT HDCP FORCE-1.4\r");
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 2000);
        QVERIFY(!h->channel().isMatchActive());
        // The LF of the last line starts the next chunk, which holds two complete lines.
        CmdGetOutVka();
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h->peer().lines.size(), 2, 2000);
        h->peer().write("\nOUT VKA BLUESCREEN\r\nOUT ITC ON\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 3, 2000);
        QVERIFY(!h->channel().isMatchActive());
        QCOMPARE(h->drainReceived(),
                 QList<QByteArray>(
                     {"OUT HDCP FORCE-1.4\r", "\nOUT VKA BLUESCREEN\r", "\nOUT ITC ON\r"}));
        QCOMPARE(h->context().line.heldLength(), 1);
    }

    void garbage_noiseNulsAndEndlessLine_boundedThenNextReplyMatches_data() { addKinds(true); }
    void garbage_noiseNulsAndEndlessLine_boundedThenNextReplyMatches()
    {
        QFETCH(bool, worker);
        Harness h = open(worker);
        QVERIFY(h);
        EventLog log(*h);
        CmdGetModelType();
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h->peer().lines.size(), 1, 2000);
        QByteArray garbage(200000, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>((i * 131 + 7) % 251 + 1); // no zero, no CR in runs
        garbage.replace('\r', 'x');
        h->peer().write(QByteArray(16, '\0') + garbage + "\rMODEL TYPE Brimo\r");
        QTRY_VERIFY_WITH_TIMEOUT(log.events.contains("recv"), 5000);
        QCOMPARE(h->drainReceived(), QList<QByteArray>({"MODEL TYPE Brimo\r"}));
        QCOMPARE(log.events.count("recv"), 1);
        QVERIFY(!log.events.join(' ').contains("timeout"));
    }

    // A flood the GUI does not take: reading pauses before the queue is full, the reply at the
    // flood's end is not timed out while it waits unread, and once the GUI drains, every line
    // arrives, in order, none lost.
    void flood_readingPausesNoLineLostReplyWaitHeld_data() { addKinds(false); }
    void flood_readingPausesNoLineLostReplyWaitHeld()
    {
        Harness h = open(false);
        QVERIFY(h);
        IdLog log(*h);
        const quint64 a = h->pushCommand("GET A\r", LinkHarness::awaiting("A", 300, true));
        h->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(log.events.size(), 1, 2000);
        const int noise = 3 * 4096;
        QByteArray flood;
        for (int i = 0; i < noise; ++i)
            flood += "NOISE " + QByteArray::number(i) + '\r';
        h->peer().write(flood + "A 1\r");
        QTRY_VERIFY_WITH_TIMEOUT(h->channel().isReceivePaused(), 5000);
        QSignalSpy timedOut(h.get(), &LinkHarness::timedOutId);
        QVERIFY(!timedOut.wait(600)); // twice the reply's time-out, with the reply unread
        QVERIFY(h->context().recvQueue.count >= 3072);
        QVERIFY(h->context().recvQueue.count <= 4096);

        QList<QPair<QByteArray, quint64>> lines;
        QVERIFY(QTest::qWaitFor(
            [&] {
                lines += h->drainReceivedWithIds();
                return lines.size() > noise;
            },
            20000));
        for (int i = 0; i < noise; ++i)
            QCOMPARE(lines.at(i).first, "NOISE " + QByteArray::number(i) + '\r');
        QCOMPARE(lines.last(), qMakePair(QByteArray("A 1\r"), a));
        QCOMPARE(log.events.filter("matched"),
                 QStringList {"matched:" + QString::number(a) + ":A 1\r"});
        QVERIFY(log.events.filter("timedOut").isEmpty());
        QVERIFY(!h->channel().isReceivePaused());
    }
};

QTEST_GUILESS_MAIN(TestLinkServices)
#include "tst_link_services.moc"
