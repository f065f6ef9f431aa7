// The command record, the queues, the contexts and Cmd_Enqueue: limits, routing by LinkMode,
// order, ownership, reset and release rules, and concurrent producers.
#include "link/command_catalogue.h"
#include "link/link_context.h"
#include "link_harness.h"

#include <QThread>
#include <QtTest>

#include <cstring>

namespace {

QList<QByteArray> Contents(LinkContext &context)
{
    QList<QByteArray> items;
    std::lock_guard<std::mutex> locker(context.sendLock);
    if (!context.sendQueue.isPresent())
        return items;
    for (CommandNode *n = context.sendQueue.sentinel->next; n != context.sendQueue.sentinel;
         n = n->next)
        items.append(QByteArray(n->data, n->length));
    return items;
}

CommandAttributes Sample()
{
    CommandAttributes a = LinkHarness::awaiting("OUT HDCP", 1234, true);
    std::memcpy(a.matchText[1], "ALT", 3);
    a.matchLen[1] = 3;
    a.matchCount = 2;
    a.matchAny = 1;
    a.waitMs = 7;
    return a;
}

} // namespace

// One builder call per step of the merge table.
void Build(const QString &step)
{
    const int arg = step.section(' ', 1, 1).toInt();
    const QString name = step.section(' ', 0, 0);
    if (name == "resolution")
        CmdSetOutResolution(arg);
    else if (name == "getResolution")
        CmdGetOutResolution();
    else if (name == "hdcp")
        CmdSetOutHdcp(arg);
    else if (name == "getHdcp")
        CmdGetOutHdcp();
    else if (name == "mute")
        CmdSetAudioMute(arg);
    else if (name == "volUp")
        CmdSetAudioVolUp();
    else if (name == "saveScene")
        CmdSetSaveScene(arg);
    else if (name == "loadScene")
        CmdSetLoadScene(arg);
    else if (name == "getNetwork")
        CmdGetNetworkInfo();
    else if (name == "baudrate")
        CmdSetBaudrate(arg);
    else if (name == "raw")
        Cmd_EnqueueRaw("GET OUT HDCP\r", 13);
    else if (name == "send") { // the link takes the front command
        std::lock_guard<std::mutex> locker(SerialLinkContext.sendLock);
        Queue_PopFront(&SerialLinkContext.sendQueue);
    } else
        QFAIL(qPrintable("unknown step " + step));
}

class TestCommandQueue : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        for (LinkContext *c : {&SerialLinkContext, &TcpLinkContext}) {
            Queue_Release(*c);
            QVERIFY(Queue_Reset(*c));
        }
        LinkMode = LinkModeSerial;
    }
    void cleanup() { LinkMode = LinkModeNone; }

    void enqueue_length_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("queued");
        QTest::newRow("empty text: lone CR") << 0 << true;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("1023") << 1023 << true;
        QTest::newRow("1024: the limit") << 1024 << true;
        QTest::newRow("1025: dropped") << 1025 << false;
        QTest::newRow("4096: dropped") << 4096 << false;
        QTest::newRow("negative") << -1 << false;
    }
    void enqueue_length()
    {
        QFETCH(int, length);
        QFETCH(bool, queued);
        QByteArray text(qMax(length, 0), 'A');
        for (int i = 0; i < text.size(); ++i)
            text[i] = static_cast<char>('A' + i % 26);
        Cmd_Enqueue(text.constData(), length, CommandAttributes {});
        const QList<QByteArray> items = Contents(SerialLinkContext);
        if (!queued) {
            QVERIFY(items.isEmpty());
            return;
        }
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first(), text + '\r');
    }

    void enqueue_followsLinkMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("tcp");
        QTest::newRow("0: no link") << 0 << false << false;
        QTest::newRow("1: serial") << 1 << true << false;
        QTest::newRow("2: tcp") << 2 << false << true;
        QTest::newRow("3: unknown") << 3 << false << false;
        QTest::newRow("-1: unknown") << -1 << false << false;
    }
    void enqueue_followsLinkMode()
    {
        QFETCH(int, mode);
        QFETCH(bool, serial);
        QFETCH(bool, tcp);
        LinkMode = mode;
        Cmd_Enqueue("GET MODEL TYPE", 14, CommandAttributes {});
        QCOMPARE(Contents(SerialLinkContext).size(), serial ? 1 : 0);
        QCOMPARE(Contents(TcpLinkContext).size(), tcp ? 1 : 0);
    }

    void enqueue_keepsAttributesWhole()
    {
        const CommandAttributes a = Sample();
        Cmd_Enqueue("X", 1, a);
        std::lock_guard<std::mutex> locker(SerialLinkContext.sendLock);
        const CommandNode *node = SerialLinkContext.sendQueue.front();
        QVERIFY(node);
        QCOMPARE(std::memcmp(node->attributes, &a, sizeof a), 0);
    }

    // How a queued command meets an unsent one: an equal read is not queued again, a newer
    // value for the same setting replaces the older (and goes to the tail), reads and writes
    // never merge, actions, steps, link settings and raw bytes always go.
    void merge_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<QByteArray>>("queued");
        using L = QList<QByteArray>;
        QTest::newRow("20 presses through the resolution list: the newest only")
            << QStringList {"resolution 0",  "resolution 1",  "resolution 2",  "resolution 3",
                            "resolution 4",  "resolution 5",  "resolution 6",  "resolution 7",
                            "resolution 8",  "resolution 9",  "resolution 10", "resolution 11",
                            "resolution 12", "resolution 13", "resolution 14", "resolution 15",
                            "resolution 14", "resolution 13", "resolution 12", "resolution 11"}
            << L {"SET OUT RESOLUTION 1280x720p60\r"};
        QTest::newRow("the one sent already is not touched")
            << QStringList {"resolution 0", "send", "resolution 1", "resolution 2"}
            << L {"SET OUT RESOLUTION 3840x2160p60\r"};
        QTest::newRow("the replacement joins the tail")
            << QStringList {"hdcp 0", "getResolution", "hdcp 1"}
            << L {"GET OUT RESOLUTION\r", "SET OUT HDCP FORCE-2.2\r"};
        QTest::newRow("different settings stay")
            << QStringList {"hdcp 0", "mute 1", "resolution 3"}
            << L {"SET OUT HDCP FORCE-1.4\r", "SET AUDIO-MUTE OFF\r",
                  "SET OUT RESOLUTION 3840x2160p50\r"};
        QTest::newRow("an equal unsent read is not queued again")
            << QStringList {"getHdcp", "getResolution", "getHdcp", "getHdcp"}
            << L {"GET OUT HDCP\r", "GET OUT RESOLUTION\r"};
        QTest::newRow("a read sent already is asked again")
            << QStringList {"getHdcp", "send", "getHdcp"} << L {"GET OUT HDCP\r"};
        QTest::newRow("reads and writes of one item never merge")
            << QStringList {"getHdcp", "hdcp 0", "getHdcp", "hdcp 1"}
            << L {"GET OUT HDCP\r", "SET OUT HDCP FORCE-2.2\r"};
        QTest::newRow("steps, scenes, link settings and raw bytes always go")
            << QStringList {"volUp",         "volUp",           "saveScene 1", "saveScene 2",
                            "loadScene 1",   "loadScene 1",     "getNetwork",  "getNetwork",
                            "baudrate 9600", "baudrate 115200", "raw",         "raw"}
            << L {"SET AUDIO VOL+\r",      "SET AUDIO VOL+\r",   "SET SAVE SCENE 1\r",
                  "SET SAVE SCENE 2\r",    "SET LOAD SCENE 1\r", "SET LOAD SCENE 1\r",
                  "GET NETWORK-INFO\r",    "GET NETWORK-INFO\r", "SET BAUDRATE 9600\r",
                  "SET BAUDRATE 115200\r", "GET OUT HDCP\r",     "GET OUT HDCP\r"};
    }
    void merge()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<QByteArray>, queued);
        for (const QString &step : qAsConst(steps))
            Build(step);
        QCOMPARE(Contents(SerialLinkContext), queued);
        std::lock_guard<std::mutex> locker(SerialLinkContext.sendLock);
        QCOMPARE(SerialLinkContext.sendQueue.count, queued.size());
    }

    // The ids: a read not queued again answers with the id of the one waiting; a replaced
    // setting's id is gone, the newest has its own.
    void merge_ids()
    {
        CommandAttributes a {};
        const quint64 first = Cmd_EnqueueRuled("GET X", 5, a, QueueRule::Read, 0);
        QVERIFY(first != 0);
        QCOMPARE(Cmd_EnqueueRuled("GET X", 5, a, QueueRule::Read, 0), first);
        const quint64 older = Cmd_EnqueueRuled("SET Y 1", 7, a, QueueRule::Setting, 6);
        const quint64 newer = Cmd_EnqueueRuled("SET Y 2", 7, a, QueueRule::Setting, 6);
        QVERIFY(newer != older && newer > first);
        std::lock_guard<std::mutex> locker(SerialLinkContext.sendLock);
        QList<quint64> ids;
        for (CommandNode *n = SerialLinkContext.sendQueue.sentinel->next;
             n != SerialLinkContext.sendQueue.sentinel; n = n->next)
            ids << n->id;
        QCOMPARE(ids, QList<quint64>({first, newer}));
    }

    // Empty the queue: every unsent command goes, on the active link only.
    void discardUnsent_activeLinkOnly()
    {
        Build("getHdcp");
        Build("mute 0");
        LinkMode = LinkModeTcp;
        Build("getHdcp");
        LinkMode = LinkModeSerial;
        QCOMPARE(Cmd_DiscardUnsent(), 2);
        QCOMPARE(Contents(SerialLinkContext), QList<QByteArray> {});
        QCOMPARE(Contents(TcpLinkContext), QList<QByteArray> {"GET OUT HDCP\r"});
        QCOMPARE(Cmd_DiscardUnsent(), 0);
        LinkMode = LinkModeNone;
        QCOMPARE(Cmd_DiscardUnsent(), 0);
    }

    // A received line is its bytes and its length: no pacing record rides along.
    void receivedLine_carriesNoAttributes()
    {
        LinkContext &c = SerialLinkContext;
        QVERIFY(Queue_PushLine("OUT HDCP FORCE-2.2\r", 19, &c.recvLock, &c.recvQueue, 5));
        std::lock_guard<std::mutex> locker(c.recvLock);
        const CommandNode *node = c.recvQueue.front();
        QCOMPARE(QByteArray(node->data, node->length), QByteArray("OUT HDCP FORCE-2.2\r"));
        QCOMPARE(node->id, quint64(5));
        QVERIFY(node->attributes == nullptr);
        QVERIFY(sizeof(CommandNode) <= 64);
    }

    void push_refused_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("no lock") << 0;
        QTest::newRow("no queue") << 1;
        QTest::newRow("no bytes") << 2;
        QTest::newRow("zero length") << 3;
        QTest::newRow("negative length") << 4;
        QTest::newRow("released context") << 5;
    }
    void push_refused()
    {
        QFETCH(int, which);
        LinkContext &c = SerialLinkContext;
        if (which == 5)
            Queue_Release(c);
        Queue_Push(which == 2 ? nullptr : "AB",
                   which == 3       ? 0
                       : which == 4 ? -5
                                    : 2,
                   nullptr, 0, which == 0 ? nullptr : &c.sendLock,
                   which == 1 ? nullptr : &c.sendQueue);
        QVERIFY(Contents(c).isEmpty());
        QCOMPARE(c.sendQueue.count, 0);
    }

    void push_withoutAttributes_zeroRecordWithWaitValue()
    {
        LinkContext &c = SerialLinkContext;
        Queue_Push("RAW", 3, nullptr, 42, &c.sendLock, &c.sendQueue);
        CommandAttributes expected {};
        expected.waitMs = 42;
        std::lock_guard<std::mutex> locker(c.sendLock);
        const CommandNode *node = c.sendQueue.front();
        QCOMPARE(node->attributes->expectReply, quint8(0));
        QCOMPARE(node->attributes->waitMs, 42);
        QCOMPARE(std::memcmp(node->attributes, &expected, sizeof expected), 0);
    }

    void push_nodeOwnsPrivateCopy()
    {
        LinkContext &c = SerialLinkContext;
        char bytes[] = "ABC";
        Queue_Push(bytes, 3, nullptr, 0, &c.sendLock, &c.sendQueue);
        bytes[0] = 'Z';
        QCOMPARE(Contents(c), QList<QByteArray>({"ABC"}));
    }

    void queue_firstInFirstOut()
    {
        LinkContext &c = SerialLinkContext;
        QList<QByteArray> pushed;
        for (int i = 0; i < 100; ++i) {
            pushed.append("CMD" + QByteArray::number(i));
            Queue_Push(pushed.last().constData(), pushed.last().size(), nullptr, 0, &c.sendLock,
                       &c.sendQueue);
        }
        QCOMPARE(c.sendQueue.count, 100);
        QList<QByteArray> popped;
        std::lock_guard<std::mutex> locker(c.sendLock);
        while (const CommandNode *n = c.sendQueue.front()) {
            popped.append(QByteArray(n->data, n->length));
            Queue_PopFront(&c.sendQueue);
        }
        QCOMPARE(popped, pushed);
        QCOMPARE(c.sendQueue.count, 0);
        Queue_PopFront(&c.sendQueue); // empty: nothing
        Queue_PopFront(nullptr);
        QVERIFY(c.sendQueue.isEmpty());
    }

    void reset_onReadyContext_keepsQueuedCommands()
    {
        Cmd_Enqueue("A", 1, CommandAttributes {});
        QVERIFY(Queue_Reset(SerialLinkContext));
        QCOMPARE(Contents(SerialLinkContext), QList<QByteArray>({"A\r"}));
    }

    void release_discardsAndRefusesUntilReset()
    {
        LinkContext &c = SerialLinkContext;
        Cmd_Enqueue("A", 1, CommandAttributes {});
        Queue_Push("LINE\r", 5, nullptr, 0, &c.recvLock, &c.recvQueue);
        c.current = Sample();
        c.line.feed("PARTIAL", 7, [](const char *, int) { return true; });
        Queue_Release(c);
        QVERIFY(!c.ready);
        QVERIFY(!c.sendQueue.isPresent());
        QVERIFY(!c.recvQueue.isPresent());
        QCOMPARE(c.current.matchCount, 0u);
        QCOMPARE(c.line.heldLength(), 0);
        Cmd_Enqueue("B", 1, CommandAttributes {});
        QVERIFY(Contents(c).isEmpty());
        Queue_Release(c); // twice: nothing
        QVERIFY(Queue_Reset(c));
        QVERIFY(c.sendQueue.isEmpty());
        QVERIFY(c.recvQueue.isEmpty());
        Cmd_Enqueue("C", 1, CommandAttributes {});
        QCOMPARE(Contents(c), QList<QByteArray>({"C\r"}));
    }

    void concurrentProducers_eachOrderKeptNothingLost()
    {
        // Four producers lock blocking; one consumer tries with zero wait and skips when busy,
        // as the send step does.
        LinkContext &c = TcpLinkContext;
        constexpr int Producers = 4;
        constexpr int PerProducer = 2000;
        QList<QByteArray> consumed;
        std::atomic<bool> done {false};
        QScopedPointer<QThread> consumer(QThread::create([&] {
            for (;;) {
                const bool finished = done.load();
                if (c.sendLock.try_lock()) {
                    while (const CommandNode *n = c.sendQueue.front()) {
                        consumed.append(QByteArray(n->data, n->length));
                        Queue_PopFront(&c.sendQueue);
                    }
                    c.sendLock.unlock();
                    if (finished)
                        return;
                }
            }
        }));
        consumer->start();
        QList<QThread *> producers;
        for (int p = 0; p < Producers; ++p) {
            producers.append(QThread::create([&c, p] {
                for (int i = 0; i < PerProducer; ++i) {
                    const QByteArray text = QByteArray::number(p) + ':' + QByteArray::number(i);
                    Queue_Push(text.constData(), text.size(), nullptr, 0, &c.sendLock,
                               &c.sendQueue);
                }
            }));
            producers.last()->start();
        }
        for (QThread *t : qAsConst(producers)) {
            QVERIFY(t->wait(10000));
            delete t;
        }
        done = true;
        QVERIFY(consumer->wait(10000));
        QCOMPARE(consumed.size(), Producers * PerProducer);
        int next[Producers] = {};
        for (const QByteArray &item : qAsConst(consumed)) {
            const QList<QByteArray> parts = item.split(':');
            const int p = parts.at(0).toInt();
            QCOMPARE(parts.at(1).toInt(), next[p]++);
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandQueue)
#include "tst_command_queue.moc"
