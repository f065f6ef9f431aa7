// The real korvane-sim over TCP on loopback: round trip, every fault option, the log, the
// waiting second client, a client that leaves mid-line, bad input.
#include "sim_wire.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

class TestProgramTcp : public QObject
{
    Q_OBJECT

    // Starts the simulator on a free port and connects one client.
    bool startAndConnect(SimDevice &sim, QTcpSocket &client, QStringList args = {})
    {
        if (!sim.start(args << "--port"
                            << "0")) {
            qWarning("%s", qPrintable(sim.error()));
            return false;
        }
        return ConnectTo(client, sim.tcpPort());
    }

private slots:
    void help_namesEveryOption()
    {
        QByteArray text;
        QCOMPARE(RunSim({"--help"}, &text), 0);
        const char *const options[] = {"--model ",     "--model-name",
                                       "--listen",     "--port",
                                       "--no-tcp",     "--pty ",
                                       "--pty-link",   "--log",
                                       "--latency",    "--line-end",
                                       "--chunk ",     "--chunk-delay",
                                       "--drop-every", "--garbage-every",
                                       "--silent",     "--disconnect-after",
                                       "RX",           "TX",
                                       "DROP",         "EV"};
        for (const char *o : options)
            QVERIFY2(text.contains(o), o);
    }

    void badCommandLine_exitsWith2_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown model") << QStringList {"--model", "Foo"};
        QTest::newRow("unknown option") << QStringList {"--frobnicate"};
        QTest::newRow("bad port") << QStringList {"--port", "70000"};
        QTest::newRow("bad latency") << QStringList {"--latency", "-5"};
        QTest::newRow("bad line end") << QStringList {"--line-end", "crcr"};
        QTest::newRow("zero chunk") << QStringList {"--chunk", "0"};
        QTest::newRow("nothing to serve") << QStringList {"--no-tcp"};
        QTest::newRow("stray argument") << QStringList {"extra"};
        QTest::newRow("bad address") << QStringList {"--listen", "localhost:2000"};
    }
    void badCommandLine_exitsWith2()
    {
        QFETCH(QStringList, args);
        QCOMPARE(RunSim(args), 2);
    }

    void roundTrip_exactBytes_andLog()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--model", "tessin"}));
        client.write("GET MODEL TYPE\r");
        LineReader reader;
        QCOMPARE(reader.readLine(client), QByteArray("MODEL TYPE Tessin"));
        client.write("SET AUDIO VOL+\r\n"); // a terminal's CR LF
        QCOMPARE(reader.readLine(client), QByteArray("AUDIO VOL 26"));
        QVERIFY(reader.buffer().isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(sim.logText().contains("TX AUDIO VOL 26"), 5000);
        const QList<QByteArray> lines = sim.logText().split('\n');
        QStringList kinds;
        const QRegularExpression entry("^\\d+\\.\\d{3} (RX|TX|EV|DROP) (.*)$");
        for (const QByteArray &l : lines) {
            if (l.isEmpty())
                continue;
            const auto m = entry.match(QString::fromLatin1(l));
            QVERIFY2(m.hasMatch(), l.constData());
            if (m.captured(1) != "EV")
                kinds << m.captured(1) + " " + m.captured(2);
        }
        QCOMPARE(kinds,
                 (QStringList {"RX GET MODEL TYPE", "TX MODEL TYPE Tessin", "RX SET AUDIO VOL+",
                               "TX AUDIO VOL 26"}));
    }

    void networkInfo_reportsTheRealListenAddress()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client));
        client.write("GET NETWORK-INFO\r");
        LineReader reader;
        QCOMPARE(reader.readLine(client),
                 "NETWORK-INFO 127.0.0.1 " + QByteArray::number(sim.tcpPort())
                     + " 255.255.255.0 127.0.0.1");
    }

    void latency_delaysTheReply()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--latency", "300"}));
        QElapsedTimer t;
        t.start();
        client.write("GET BAUDRATE\r");
        LineReader reader;
        QCOMPARE(reader.readLine(client), QByteArray("BAUDRATE 9600"));
        QVERIFY2(t.elapsed() >= 250, qPrintable(QString::number(t.elapsed())));
    }

    void crlf_endsRepliesWithCrLf()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--line-end", "crlf"}));
        client.write("GET OUT VKA\r");
        QByteArray got;
        while (!got.endsWith("\n") && client.waitForReadyRead(3000))
            got += client.readAll();
        QCOMPARE(got, QByteArray("OUT VKA BLUESCREEN\r\n"));
    }

    void chunk_arrivesInPieces()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--chunk", "3", "--chunk-delay", "30"}));
        client.write("GET MODEL TYPE\r");
        QList<QByteArray> reads;
        while (!reads.join().endsWith('\r') && client.waitForReadyRead(3000))
            reads << client.readAll();
        QCOMPARE(reads.join(), QByteArray("MODEL TYPE Halden\r"));
        QVERIFY2(reads.size() >= 3, qPrintable(QString::number(reads.size())));
        for (const QByteArray &r : reads)
            QVERIFY(r.size() <= 6); // at most two pieces coalesced
    }

    void dropEvery_skipsTheNthReply()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--drop-every", "2"}));
        LineReader reader;
        client.write("SET AUDIO VOL 1\r");
        QCOMPARE(reader.readLine(client), QByteArray("AUDIO VOL 1"));
        client.write("SET AUDIO VOL 2\rSET AUDIO VOL 3\r");
        QCOMPARE(reader.readLine(client), QByteArray("AUDIO VOL 3"));
        QVERIFY(sim.logText().contains(" DROP AUDIO VOL 2\n"));
    }

    void garbageEvery_sendsANoiseLineFirst()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--garbage-every", "1"}));
        client.write("GET OUT ITC\r");
        LineReader reader;
        QCOMPARE(reader.readLine(client), QByteArray("#?! 5A A5 noise"));
        QCOMPARE(reader.readLine(client), QByteArray("OUT ITC OFF"));
    }

    void silent_neverAnswers()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--silent"}));
        client.write("GET MODEL TYPE\rSET OUT ITC ON\r");
        QTRY_VERIFY_WITH_TIMEOUT(sim.logText().contains(" DROP OUT ITC ON\n"), 5000);
        // The log entry is written after the reply would have been: nothing came.
        client.waitForReadyRead(100);
        QCOMPARE(client.bytesAvailable(), 0);
        QVERIFY(!sim.logText().contains(" TX "));
    }

    void disconnectAfter_closesTheClient_andTheNextIsServed()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--disconnect-after", "2"}));
        QSignalSpy closed(&client, &QTcpSocket::disconnected);
        client.write("GET AUDIO VOL\rGET AUDIO-MUTE\rGET OUT ITC\r");
        LineReader reader;
        QCOMPARE(reader.readLine(client), QByteArray("AUDIO VOL 50"));
        QCOMPARE(reader.readLine(client), QByteArray("AUDIO-MUTE OFF"));
        QVERIFY(closed.count() > 0 || closed.wait(5000));
        QCOMPARE(reader.readLine(client, 200), QByteArray());

        QTcpSocket again;
        QVERIFY(ConnectTo(again, sim.tcpPort()));
        again.write("GET OUT ITC\r");
        LineReader second;
        QCOMPARE(second.readLine(again), QByteArray("OUT ITC OFF"));
    }

    void modelName_reportsAnUnknownName()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client, {"--model", "Marlet", "--model-name", "Foo"}));
        client.write("GET MODEL TYPE\r");
        LineReader reader;
        QCOMPARE(reader.readLine(client), QByteArray("MODEL TYPE Foo"));
    }

    void secondClient_waitsUntilTheFirstLeaves()
    {
        SimDevice sim;
        QTcpSocket first;
        QVERIFY(startAndConnect(sim, first));
        LineReader r1;
        first.write("GET BAUDRATE\r");
        QCOMPARE(r1.readLine(first), QByteArray("BAUDRATE 9600"));

        QTcpSocket second;
        QVERIFY(ConnectTo(second, sim.tcpPort()));
        second.write("SET AUDIO VOL 5\r");
        QTRY_VERIFY_WITH_TIMEOUT(sim.logText().contains("waiting"), 5000);
        // Still the first client's device: it is answered, the second is not.
        first.write("GET AUDIO VOL\r");
        QCOMPARE(r1.readLine(first), QByteArray("AUDIO VOL 50"));
        QCOMPARE(second.bytesAvailable(), 0);

        first.disconnectFromHost();
        LineReader r2;
        QCOMPARE(r2.readLine(second), QByteArray("AUDIO VOL 5"));
    }

    void clientLeavingMidLine_leavesNoTrace()
    {
        SimDevice sim;
        {
            QTcpSocket client;
            QVERIFY(startAndConnect(sim, client));
            client.write("SET AUDIO VOL 9");
            client.flush();
            QTRY_VERIFY_WITH_TIMEOUT(sim.logText().contains("connected"), 5000);
            client.disconnectFromHost();
            QTRY_VERIFY_WITH_TIMEOUT(
                sim.logText().contains("bytes of an unfinished line discarded"), 5000);
        }
        QTcpSocket again;
        QVERIFY(ConnectTo(again, sim.tcpPort()));
        LineReader reader;
        again.write("9\rGET AUDIO VOL\r");
        QCOMPARE(reader.readLine(again), QByteArray("ERR 01"));
        QCOMPARE(reader.readLine(again), QByteArray("AUDIO VOL 50"));
    }

    void badInput_isAnsweredAndTheSimulatorStaysUp()
    {
        SimDevice sim;
        QTcpSocket client;
        QVERIFY(startAndConnect(sim, client));
        LineReader reader;
        QByteArray binary;
        for (int i = 1; i < 256; ++i) {
            if (i != '\r' && i != '\n')
                binary += char(i);
        }
        client.write(binary + "\r");
        QCOMPARE(reader.readLine(client), QByteArray("ERR 01"));
        client.write(QByteArray(200000, 'A'));
        client.write("\rGET MODEL TYPE\r");
        QCOMPARE(reader.readLine(client, 10000), QByteArray("ERR 04"));
        QCOMPARE(reader.readLine(client), QByteArray("MODEL TYPE Halden"));
        QVERIFY(sim.logText().contains("RX \\x01\\x02"));
        QCOMPARE(sim.process().state(), QProcess::Running);
    }

    void stop_onTerm_logsAndExitsCleanly()
    {
        SimDevice sim;
        QVERIFY(sim.start({"--port", "0"}));
        sim.process().terminate();
        QVERIFY(sim.process().waitForFinished(5000));
        QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process().exitCode(), 0);
        QVERIFY(sim.logText().contains(" EV stopped"));
    }

    // Stopping while a client is connected and another waits: the sockets' last signals must
    // not reach the clients already torn down.
    void stop_onTermWithClients_closesThemAndExitsCleanly()
    {
        SimDevice sim;
        QTcpSocket client, waiting;
        QVERIFY(startAndConnect(sim, client));
        client.write("GET MODEL TYPE\r");
        LineReader reader;
        QCOMPARE(reader.readLine(client), QByteArray("MODEL TYPE Halden"));
        QVERIFY(ConnectTo(waiting, sim.tcpPort()));
        QVERIFY(sim.waitForEvent(QStringLiteral("waiting (1 in the queue)")));

        sim.process().terminate();
        QVERIFY(sim.process().waitForFinished(5000));
        QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process().exitCode(), 0);
        QVERIFY2(!sim.output().contains("ERROR"), sim.output().constData());
        const QList<QByteArray> lines = sim.logText().trimmed().split('\n');
        QVERIFY(lines.size() >= 2);
        QVERIFY2(lines.last().endsWith(" EV stopped"), lines.last().constData());
        QVERIFY2(lines.at(lines.size() - 2).contains(" closed: the simulator stops"),
                 lines.at(lines.size() - 2).constData());
        QVERIFY(client.waitForDisconnected(5000)
                || client.state() == QAbstractSocket::UnconnectedState);
    }

    void busyPort_failsWithAMessage()
    {
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress(QHostAddress::LocalHost), 0));
        SimDevice sim;
        QVERIFY(!sim.start({"--port", QString::number(taken.serverPort())}));
        QVERIFY(sim.output().contains("cannot listen"));
    }
};

QTEST_GUILESS_MAIN(TestProgramTcp)
#include "tst_program_tcp.moc"
