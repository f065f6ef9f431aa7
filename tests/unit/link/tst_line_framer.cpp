// Line framing over every chunking, device quirks (CR LF, noise, NULs, endless lines), reply
// matching and the byte helpers.
#include "link/line_framer.h"
#include "link/link_channel.h"
#include "link/link_utils.h"
#include "link_harness.h"

#include <QtTest>

#include <cstring>

namespace {

struct Framed
{
    QList<QByteArray> lines;
    int maxHeld = 0;
};

// Feeds the stream cut at the given positions.
Framed Frame(const QByteArray &stream, const QList<int> &cuts)
{
    LineFramer framer;
    Framed out;
    int from = 0;
    QList<int> ends = cuts;
    ends.append(stream.size());
    for (int end : qAsConst(ends)) {
        framer.feed(stream.constData() + from, end - from, [&out](const char *line, int length) {
            out.lines.append(QByteArray(line, length));
            return true;
        });
        out.maxHeld = qMax(out.maxHeld, framer.heldLength());
        from = end;
    }
    return out;
}

QByteArray Long(int length, char fill = 'A')
{
    return QByteArray(length, fill);
}

} // namespace

class TestLineFramer : public QObject
{
    Q_OBJECT

private slots:
    void frame_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("held");
        using L = QList<QByteArray>;
        QTest::newRow("one line") << QByteArray("MODEL TYPE Halden\r") << L {"MODEL TYPE Halden\r"}
                                  << 0;
        QTest::newRow("partial line held") << QByteArray("A\rOUT HD") << L {"A\r"} << 6;
        QTest::newRow("lone CR is a line") << QByteArray("\r\r") << L {"\r", "\r"} << 0;
        QTest::newRow("CR LF device: LF starts the next line")
            << QByteArray("A\r\nB\r\n") << L {"A\r", "\nB\r"} << 1;
        QTest::newRow("chunk starting with LF keeps its lines")
            << QByteArray("\nOUT HDCP FORCE-2.2\r\nOUT VKA BLUESCREEN\r")
            << L {"\nOUT HDCP FORCE-2.2\r", "\nOUT VKA BLUESCREEN\r"} << 0;
        QTest::newRow("leading noise skipped") << QByteArray("\x01\x02\x1f"
                                                             "A\r")
                                               << L {"A\r"} << 0;
        QTest::newRow("leading NULs skipped") << QByteArray("\0\0\0A\r", 5) << L {"A\r"} << 0;
        QTest::newRow("noise after a CR skipped") << QByteArray("A\r\x05\x06"
                                                                "B\r")
                                                  << L {"A\r", "B\r"} << 0;
        QTest::newRow("noise only") << QByteArray("\x01\x02\x03") << L {} << 0;
        QTest::newRow("NUL inside a line kept")
            << QByteArray("A\0B\r", 4) << L {QByteArray("A\0B\r", 4)} << 0;
        QTest::newRow("control inside a line kept") << QByteArray("A\x01"
                                                                  "B\r")
                                                    << L {"A\x01"
                                                          "B\r"}
                                                    << 0;
        QTest::newRow("high bytes kept") << QByteArray("\xff\x80\r") << L {"\xff\x80\r"} << 0;
        QTest::newRow("1023 bytes + CR fits")
            << Long(1023) + "\rOK\r" << L {Long(1023) + '\r', "OK\r"} << 0;
        QTest::newRow("1024 bytes + CR discarded whole")
            << Long(1024) + "\rOK\r" << L {"OK\r"} << 0;
        QTest::newRow("endless line discarded up to its CR, neighbours kept")
            << "BEFORE\r" + Long(5000, 'x') + "TAIL MODEL TYPE Halden\rAFTER\r"
            << L {"BEFORE\r", "AFTER\r"} << 0;
        QTest::newRow("endless line without CR") << "OK\r" + Long(3000) << L {"OK\r"} << 0;
    }
    void frame()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(int, held);
        const Framed whole = Frame(stream, {});
        QCOMPARE(whole.lines, lines);
        LineFramer framer;
        framer.feed(stream.constData(), stream.size(), [](const char *, int) { return true; });
        QCOMPARE(framer.heldLength(), held);
        QVERIFY(whole.maxHeld < LineMaxLength);
        // Byte by byte gives the same lines.
        QList<int> everyByte;
        for (int i = 1; i < stream.size(); ++i)
            everyByte.append(i);
        QCOMPARE(Frame(stream, everyByte).lines, lines);
    }

    void frame_everySplitOfASampleStream_sameLines()
    {
        static const char raw[] = "\0\x01MODEL TYPE Halden\r\nOUT HDCP FORCE-2.2\r\x02\r"
                                  "\nAUDIO VOL 60\r\x7f\xff junk\r\nMIC1 VOL 3\r\nPART";
        const QByteArray stream(raw, sizeof raw - 1);
        const QList<QByteArray> expected = Frame(stream, {}).lines;
        QCOMPARE(expected.size(), 6);
        for (int i = 0; i <= stream.size(); ++i) {
            for (int j = i; j <= stream.size(); ++j) {
                const Framed split = Frame(stream, {i, j});
                if (split.lines != expected)
                    QFAIL(qPrintable(QStringLiteral("cuts %1 %2").arg(i).arg(j)));
            }
        }
    }

    void frame_overLongLineAcrossChunks_discardedWhateverTheSplit()
    {
        const QByteArray stream = "A\r" + Long(2000, 'z') + "\rB\r";
        for (int cut = 0; cut <= stream.size(); cut += 7) {
            const Framed split = Frame(stream, {cut});
            QCOMPARE(split.lines, QList<QByteArray>({"A\r", "B\r"}));
            QVERIFY(split.maxHeld < LineMaxLength);
        }
    }

    void frame_stopRequest_dropsRestOfChunk()
    {
        LineFramer framer;
        QList<QByteArray> lines;
        framer.feed("A\rB\rC", 5, [&lines](const char *line, int length) {
            lines.append(QByteArray(line, length));
            return false;
        });
        QCOMPARE(lines, QList<QByteArray>({"A\r"}));
        QCOMPARE(framer.heldLength(), 0);
    }

    void match_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("matches");
        // variant 0: awaiting "OUT HDCP"; 1: matchAny; 2: expectReply clear; 3: no slot in use;
        // 4: second slot "ALT"; 5: bogus counts and lengths
        QTest::newRow("reply with value") << QByteArray("OUT HDCP FORCE-2.2\r") << 0 << true;
        QTest::newRow("text anywhere in the line") << QByteArray("\nxx OUT HDCP\r") << 0 << true;
        QTest::newRow("case matters") << QByteArray("out hdcp FORCE-2.2\r") << 0 << false;
        QTest::newRow("other item") << QByteArray("OUT VKA BLUESCREEN\r") << 0 << false;
        QTest::newRow("split text") << QByteArray("OUT HD\r") << 0 << false;
        QTest::newRow("match any: long enough") << QByteArray("whatever!\r") << 1 << true;
        QTest::newRow("match any: too short") << QByteArray("short\r") << 1 << false;
        QTest::newRow("no reply awaited") << QByteArray("OUT HDCP\r") << 2 << false;
        QTest::newRow("no slot in use") << QByteArray("OUT HDCP\r") << 3 << false;
        QTest::newRow("second slot") << QByteArray("ALT 1\r") << 4 << true;
        QTest::newRow("bogus counts stay in bounds") << QByteArray("OUT HDCP\r") << 5 << false;
    }
    void match()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, variant);
        QFETCH(bool, matches);
        CommandAttributes a = LinkHarness::awaiting("OUT HDCP", 0, false);
        if (variant == 1)
            a.matchAny = 1;
        if (variant == 2)
            a.expectReply = 0;
        if (variant == 3)
            a.matchCount = 0;
        if (variant == 4) {
            std::memcpy(a.matchText[1], "ALT", 3);
            a.matchLen[1] = 3;
            a.matchCount = 2;
        }
        if (variant == 5) {
            a.matchCount = 1000;
            a.matchLen[0] = 100000;
            a.matchLen[1] = 100000;
        }
        QCOMPARE(Reply_Matches(a, line.constData(), line.size()), matches);
    }

    void bytesFind_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<qint64>("position");
        QTest::newRow("at start") << QByteArray("ABC") << QByteArray("AB") << qint64(0);
        QTest::newRow("at end") << QByteArray("XXAB") << QByteArray("AB") << qint64(2);
        QTest::newRow("after a false start")
            << QByteArray("AAAB") << QByteArray("AAB") << qint64(1);
        QTest::newRow("absent") << QByteArray("ABC") << QByteArray("CB") << qint64(-1);
        QTest::newRow("pattern longer than data")
            << QByteArray("AB") << QByteArray("ABC") << qint64(-1);
        QTest::newRow("empty data") << QByteArray() << QByteArray("A") << qint64(-1);
        QTest::newRow("empty pattern") << QByteArray("A") << QByteArray() << qint64(0);
        QTest::newRow("NUL bytes compared")
            << QByteArray("A\0B\0C", 5) << QByteArray("\0C", 2) << qint64(3);
    }
    void bytesFind()
    {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, pattern);
        QFETCH(qint64, position);
        QCOMPARE(Bytes_Find(data.constData(), data.size(), pattern.constData(), pattern.size()),
                 position);
    }

    void bytesText_latin1KeepsEveryByteLocalStopsAtNul()
    {
        const QByteArray bytes("A\0\xff\r", 4);
        const QString latin1 = Bytes_ToLatin1Text(bytes.constData(), bytes.size());
        QCOMPARE(latin1.size(), 4);
        QCOMPARE(latin1.at(1), QChar(0));
        QCOMPARE(latin1.at(2), QChar(0xff));
        QCOMPARE(Bytes_ToLocalText(bytes.constData(), bytes.size()), QStringLiteral("A"));
        QCOMPARE(Bytes_ToLocalText("GET X\r", 6), QStringLiteral("GET X\r"));
    }
};

QTEST_GUILESS_MAIN(TestLineFramer)
#include "tst_line_framer.moc"
