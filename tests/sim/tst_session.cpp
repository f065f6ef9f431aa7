// Fault injection on one session, with a transport that records every write: exact bytes,
// order, timing, dropped and garbage lines, silence and the hang-up.
#include "sim/sim_interpreter.h"
#include "sim/sim_log.h"
#include "sim/sim_session.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {
struct Recorder : SimTransport
{
    QList<QByteArray> writes;
    QList<qint64> times;
    int hangUps = 0;
    QElapsedTimer clock;

    Recorder() { clock.start(); }
    void send(const QByteArray &bytes) override
    {
        writes << bytes;
        times << clock.elapsed();
    }
    void hangUp() override { ++hangUps; }
    QByteArray all() const { return writes.join(); }
};

// A session on a recording transport, with the wire log in logPath when one is given.
struct Rig
{
    SimInterpreter sim;
    SimLog log;
    Recorder out;
    SimSession session;

    explicit Rig(const SimFaults &faults = SimFaults(), int model = 0,
                 const QString &logPath = QString())
        : sim(model, SimNetworkInfo())
        , session(sim, faults, log, out)
    {
        QString error;
        log.open(logPath, &error);
    }
};

SimFaults with(std::function<void(SimFaults &)> change)
{
    SimFaults f;
    change(f);
    return f;
}
} // namespace

class TestSession : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QByteArray readLog(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void defaults_replyAtOnce_withCr()
    {
        Rig rig(SimFaults(), 0);
        rig.session.receive("GET MODEL TYPE\rSET MULTIVIEW PBP\r\n");
        QCOMPARE(rig.out.writes,
                 (QList<QByteArray> {"MODEL TYPE Halden\r", "MULTIVIEW PBP\r", "MAXMODE 3\r"}));
    }

    void lineEnd_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("cr") << QByteArray("\r");
        QTest::newRow("crlf") << QByteArray("\r\n");
        QTest::newRow("lf") << QByteArray("\n");
    }
    void lineEnd()
    {
        QFETCH(QByteArray, lineEnd);
        Rig rig(with([&](SimFaults &f) { f.lineEnd = lineEnd; }), 3);
        rig.session.receive("SET MIC1 VOL-\r");
        QCOMPARE(rig.out.all(), "MIC1 VOL 9" + lineEnd);
    }

    void chunks_splitEveryLine_inOrder()
    {
        Rig rig(with([](SimFaults &f) {
                    f.chunkSize = 4;
                    f.chunkDelayMs = 1;
                }),
                0);
        rig.session.receive("GET OUT HDCP\rSET MULTIVIEW 4xWIN\r");
        const QByteArray expected = "OUT HDCP FORCE-1.4\rMULTIVIEW 4xWIN\rMAXMODE 6\r";
        QTRY_COMPARE_WITH_TIMEOUT(rig.out.all(), expected, 5000);
        for (int i = 0; i < rig.out.writes.size(); ++i)
            QVERIFY(rig.out.writes.at(i).size() <= 4);
        QCOMPARE(rig.out.writes.first(), QByteArray("OUT "));
        QVERIFY(rig.out.writes.size() >= expected.size() / 4);
    }

    void latency_delaysEachReply()
    {
        Rig rig(with([](SimFaults &f) { f.latencyMs = 200; }), 0);
        QElapsedTimer t;
        t.start();
        rig.session.receive("GET BAUDRATE\r");
        QVERIFY(rig.out.writes.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(rig.out.writes.size(), 1, 5000);
        QVERIFY2(t.elapsed() >= 180, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(rig.out.all(), QByteArray("BAUDRATE 9600\r"));
    }

    void dropEvery_skipsEveryNthCommandsReplies()
    {
        const QString logPath = dir.filePath("drop.log");
        Rig rig(with([](SimFaults &f) { f.dropEvery = 2; }), 0, logPath);
        rig.session.receive(
            "SET AUDIO VOL 1\rSET MULTIVIEW PIP\rSET AUDIO VOL 3\rSET AUDIO VOL 4\r");
        QCOMPARE(rig.out.all(), QByteArray("AUDIO VOL 1\rAUDIO VOL 3\r"));
        // A dropped command still took effect.
        QCOMPARE(rig.sim.handle("GET MULTIVIEW"), QList<QByteArray> {"MULTIVIEW PIP"});
        const QByteArray text = readLog(logPath);
        QVERIFY(text.contains(" DROP MULTIVIEW PIP\n"));
        QVERIFY(text.contains(" DROP MAXMODE 1\n"));
        QVERIFY(text.contains(" DROP AUDIO VOL 4\n"));
    }

    void garbageEvery_putsAGarbageLineBeforeTheReply()
    {
        Rig rig(with([](SimFaults &f) { f.garbageEvery = 2; }), 0);
        rig.session.receive("GET AUDIO VOL\rGET AUDIO VOL\rGET AUDIO VOL\rGET AUDIO VOL\r");
        const QByteArray g = QByteArray(SimGarbageLine) + '\r';
        QCOMPARE(rig.out.all(),
                 "AUDIO VOL 50\r" + g + "AUDIO VOL 50\rAUDIO VOL 50\r" + g + "AUDIO VOL 50\r");
    }

    void silent_neverWrites_butApplies()
    {
        Rig rig(with([](SimFaults &f) { f.silent = true; }), 0);
        rig.session.receive("SET OUT ITC ON\rGET MODEL TYPE\rBOGUS\r");
        QVERIFY(rig.out.writes.isEmpty());
        QCOMPARE(rig.sim.handle("GET OUT ITC"), QList<QByteArray> {"OUT ITC ON"});
    }

    void disconnectAfter_hangsUpAfterTheNthReply_andReadsNoMore()
    {
        Rig rig(with([](SimFaults &f) { f.disconnectAfter = 2; }), 0);
        rig.session.receive("GET AUDIO VOL\r\r");
        QCOMPARE(rig.out.hangUps, 0); // the empty line is not a command
        rig.session.receive("SET AUDIO VOL 7\rSET AUDIO VOL 8\r");
        QCOMPARE(rig.out.all(), QByteArray("AUDIO VOL 50\rAUDIO VOL 7\r"));
        QCOMPARE(rig.out.hangUps, 1);
        QVERIFY(rig.session.hangingUp());
        rig.session.receive("SET AUDIO VOL 9\r");
        QCOMPARE(rig.sim.handle("GET AUDIO VOL"), QList<QByteArray> {"AUDIO VOL 7"});
        QCOMPARE(rig.out.hangUps, 1);
    }

    void disconnectAfter_withLatency_sendsTheReplyFirst()
    {
        Rig rig(with([](SimFaults &f) {
                    f.disconnectAfter = 1;
                    f.latencyMs = 50;
                }),
                0);
        rig.session.receive("GET BAUDRATE\r");
        QTRY_COMPARE_WITH_TIMEOUT(rig.out.hangUps, 1, 5000);
        QCOMPARE(rig.out.all(), QByteArray("BAUDRATE 9600\r"));
    }

    void overlongLine_getsErr04_andTheNextLineWorks()
    {
        Rig rig(SimFaults(), 0);
        rig.session.receive(QByteArray(5000, 'X'));
        rig.session.receive(QByteArray(5000, 'Y'));
        QVERIFY(rig.out.writes.isEmpty());
        QVERIFY(rig.session.pendingLineBytes() <= SimLineFramer::MaxLineLength);
        rig.session.receive("\rGET BAUDRATE\r");
        QCOMPARE(rig.out.all(), QByteArray("ERR 04\rBAUDRATE 9600\r"));
    }

    void log_recordsRxTxWithMillisecondStamps()
    {
        const QString logPath = dir.filePath("format.log");
        Rig rig(SimFaults(), 0, logPath);
        rig.session.receive(QByteArray("GET MODEL TYPE\r\x01\\x\r", 19));
        const QList<QByteArray> lines = readLog(logPath).split('\n');
        QCOMPARE(lines.size(), 5); // four entries and the empty rest after the last '\n'
        const QRegularExpression stamp("^\\d+\\.\\d{3} ");
        for (int i = 0; i < 4; ++i)
            QVERIFY2(stamp.match(QString::fromLatin1(lines.at(i))).hasMatch(), lines.at(i));
        QVERIFY(lines.at(0).endsWith(" RX GET MODEL TYPE"));
        QVERIFY(lines.at(1).endsWith(" TX MODEL TYPE Halden"));
        QVERIFY(lines.at(2).endsWith(" RX \\x01\\\\x"));
        QVERIFY(lines.at(3).endsWith(" TX ERR 01"));
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
