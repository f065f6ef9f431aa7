// Received-line framing: CR, LF and CR LF, lines split over chunks, the 4096-byte bound.
#include "sim/sim_line_framer.h"

#include <QtTest>

class TestLineFramer : public QObject
{
    Q_OBJECT

private slots:
    void feed_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QList<QByteArray>>("lines"); // "<overflow>" marks a discarded line
        QTest::addColumn<int>("pending");
        using L = QList<QByteArray>;
        QTest::newRow("CR") << L {"GET A\r"} << L {"GET A"} << 0;
        QTest::newRow("LF") << L {"GET A\n"} << L {"GET A"} << 0;
        QTest::newRow("CR LF is one end") << L {"GET A\r\nGET B\r\n"} << L {"GET A", "GET B"} << 0;
        QTest::newRow("CR LF split") << L {"GET A\r", "\nGET B\r"} << L {"GET A", "GET B"} << 0;
        QTest::newRow("LF CR is two ends") << L {"A\n\rB\r"} << L {"A", "", "B"} << 0;
        QTest::newRow("CR CR") << L {"A\r\rB\r"} << L {"A", "", "B"} << 0;
        QTest::newRow("split line") << L {"GET MO", "DEL T", "YPE\r"} << L {"GET MODEL TYPE"} << 0;
        QTest::newRow("partial kept") << L {"A\rGET"} << L {"A"} << 3;
        QTest::newRow("binary kept")
            << L {QByteArray("\x00\x01\xff\r", 4)} << L {QByteArray("\x00\x01\xff", 3)} << 0;
        QTest::newRow("4096 fits")
            << L {QByteArray(4096, 'a') + "\r"} << L {QByteArray(4096, 'a')} << 0;
        QTest::newRow("4097 discarded")
            << L {QByteArray(4097, 'a') + "\rGET B\r"} << L {"<overflow>", "GET B"} << 0;
        QTest::newRow("endless line stays bounded")
            << L {QByteArray(5000, 'a'), QByteArray(100000, 'b')} << L {} << 0;
        QTest::newRow("overflow then end in later chunk")
            << L {QByteArray(5000, 'a'), "bbb\nGET C\r"} << L {"<overflow>", "GET C"} << 0;
    }
    void feed()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(int, pending);
        SimLineFramer framer;
        QList<QByteArray> got;
        for (const QByteArray &c : chunks) {
            for (const SimReceivedLine &l : framer.feed(c))
                got << (l.overflowed ? QByteArray("<overflow>") : l.text);
            QVERIFY(framer.pendingBytes() <= SimLineFramer::MaxLineLength);
        }
        QCOMPARE(got, lines);
        QCOMPARE(framer.pendingBytes(), pending);
    }
};

QTEST_GUILESS_MAIN(TestLineFramer)
#include "tst_line_framer.moc"
