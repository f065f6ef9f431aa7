// Fault injection on one session, with a transport that records every write: exact bytes,
// order, timing, dropped and garbage lines, silence and the hang-up.
#include "sim/sim_interpreter.h"
#include "sim/sim_log.h"
#include "sim/sim_session.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

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
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimSession session(sim, SimFaults(), log, out);
        session.receive("GET MODEL TYPE\rSET MULTIVIEW PBP\r\n");
        QCOMPARE(out.writes,
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
        SimInterpreter sim(3, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimFaults f;
        f.lineEnd = lineEnd;
        SimSession session(sim, f, log, out);
        session.receive("SET MIC1 VOL-\r");
        QCOMPARE(out.all(), "MIC1 VOL 9" + lineEnd);
    }

    void chunks_splitEveryLine_inOrder()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimFaults f;
        f.chunkSize = 4;
        f.chunkDelayMs = 1;
        SimSession session(sim, f, log, out);
        session.receive("GET OUT HDCP\rSET MULTIVIEW 4xWIN\r");
        const QByteArray expected = "OUT HDCP FORCE-1.4\rMULTIVIEW 4xWIN\rMAXMODE 6\r";
        QTRY_COMPARE_WITH_TIMEOUT(out.all(), expected, 5000);
        for (int i = 0; i < out.writes.size(); ++i)
            QVERIFY(out.writes.at(i).size() <= 4);
        QCOMPARE(out.writes.first(), QByteArray("OUT "));
        QVERIFY(out.writes.size() >= expected.size() / 4);
    }

    void latency_delaysEachReply()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimFaults f;
        f.latencyMs = 200;
        SimSession session(sim, f, log, out);
        QElapsedTimer t;
        t.start();
        session.receive("GET BAUDRATE\r");
        QVERIFY(out.writes.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(out.writes.size(), 1, 5000);
        QVERIFY2(t.elapsed() >= 180, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(out.all(), QByteArray("BAUDRATE 9600\r"));
    }

    void dropEvery_skipsEveryNthCommandsReplies()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        const QString logPath = dir.filePath("drop.log");
        QString error;
        QVERIFY(log.open(logPath, &error));
        Recorder out;
        SimFaults f;
        f.dropEvery = 2;
        SimSession session(sim, f, log, out);
        session.receive("SET AUDIO VOL 1\rSET MULTIVIEW PIP\rSET AUDIO VOL 3\rSET AUDIO VOL 4\r");
        QCOMPARE(out.all(), QByteArray("AUDIO VOL 1\rAUDIO VOL 3\r"));
        // A dropped command still took effect.
        QCOMPARE(sim.handle("GET MULTIVIEW"), QList<QByteArray> {"MULTIVIEW PIP"});
        const QByteArray text = readLog(logPath);
        QVERIFY(text.contains(" DROP MULTIVIEW PIP\n"));
        QVERIFY(text.contains(" DROP MAXMODE 1\n"));
        QVERIFY(text.contains(" DROP AUDIO VOL 4\n"));
    }

    void garbageEvery_putsAGarbageLineBeforeTheReply()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimFaults f;
        f.garbageEvery = 2;
        SimSession session(sim, f, log, out);
        session.receive("GET AUDIO VOL\rGET AUDIO VOL\rGET AUDIO VOL\rGET AUDIO VOL\r");
        const QByteArray g = QByteArray(SimGarbageLine) + '\r';
        QCOMPARE(out.all(),
                 "AUDIO VOL 50\r" + g + "AUDIO VOL 50\rAUDIO VOL 50\r" + g + "AUDIO VOL 50\r");
    }

    void silent_neverWrites_butApplies()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimFaults f;
        f.silent = true;
        SimSession session(sim, f, log, out);
        session.receive("SET OUT ITC ON\rGET MODEL TYPE\rBOGUS\r");
        QVERIFY(out.writes.isEmpty());
        QCOMPARE(sim.handle("GET OUT ITC"), QList<QByteArray> {"OUT ITC ON"});
    }

    void disconnectAfter_hangsUpAfterTheNthReply_andReadsNoMore()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimFaults f;
        f.disconnectAfter = 2;
        SimSession session(sim, f, log, out);
        session.receive("GET AUDIO VOL\r\r");
        QCOMPARE(out.hangUps, 0); // the empty line is not a command
        session.receive("SET AUDIO VOL 7\rSET AUDIO VOL 8\r");
        QCOMPARE(out.all(), QByteArray("AUDIO VOL 50\rAUDIO VOL 7\r"));
        QCOMPARE(out.hangUps, 1);
        QVERIFY(session.hangingUp());
        session.receive("SET AUDIO VOL 9\r");
        QCOMPARE(sim.handle("GET AUDIO VOL"), QList<QByteArray> {"AUDIO VOL 7"});
        QCOMPARE(out.hangUps, 1);
    }

    void disconnectAfter_withLatency_sendsTheReplyFirst()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimFaults f;
        f.disconnectAfter = 1;
        f.latencyMs = 50;
        SimSession session(sim, f, log, out);
        session.receive("GET BAUDRATE\r");
        QTRY_COMPARE_WITH_TIMEOUT(out.hangUps, 1, 5000);
        QCOMPARE(out.all(), QByteArray("BAUDRATE 9600\r"));
    }

    void overlongLine_getsErr04_andTheNextLineWorks()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        Recorder out;
        SimSession session(sim, SimFaults(), log, out);
        session.receive(QByteArray(5000, 'X'));
        session.receive(QByteArray(5000, 'Y'));
        QVERIFY(out.writes.isEmpty());
        QVERIFY(session.pendingLineBytes() <= SimLineFramer::MaxLineLength);
        session.receive("\rGET BAUDRATE\r");
        QCOMPARE(out.all(), QByteArray("ERR 04\rBAUDRATE 9600\r"));
    }

    void log_recordsRxTxWithMillisecondStamps()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        SimLog log;
        const QString logPath = dir.filePath("format.log");
        QString error;
        QVERIFY(log.open(logPath, &error));
        Recorder out;
        SimSession session(sim, SimFaults(), log, out);
        session.receive(QByteArray("GET MODEL TYPE\r\x01\\x\r", 19));
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
