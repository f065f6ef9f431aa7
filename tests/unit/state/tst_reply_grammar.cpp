// The token rule, value and field boundaries, numbers and word lookups of reply lines.
#include "state/reply_grammar.h"

#include <QtTest>

namespace {

std::string_view View(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray Bytes(std::string_view view)
{
    return QByteArray(view.data(), static_cast<int>(view.size()));
}

// The value of a line whose keyword is the given prefix of it.
ReplyPart ValueAfter(const QByteArray &line, const QByteArray &keyword)
{
    const int pos = line.indexOf(keyword);
    return Reply_Value(View(line), static_cast<std::size_t>(pos),
                       static_cast<std::size_t>(keyword.size()));
}

} // namespace

class TestReplyGrammar : public QObject
{
    Q_OBJECT

private slots:
    void findToken_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<int>("position");

        QTest::newRow("followed by space")
            << QByteArray("OUT HDCP FORCE-1.4\r") << QByteArray("OUT HDCP") << 0;
        QTest::newRow("followed by CR") << QByteArray("RESET\r") << QByteArray("RESET") << 0;
        QTest::newRow("inside a longer word")
            << QByteArray("ARM VERSION V1.0\r") << QByteArray("VERSION") << 4;
        QTest::newRow("after a hyphen")
            << QByteArray("SUB-VERSION 2\r") << QByteArray("VERSION") << 4;
        QTest::newRow("hyphen follows")
            << QByteArray("OUT TSP-COLOR 3\r") << QByteArray("OUT TSP") << -1;
        QTest::newRow("later occurrence counts")
            << QByteArray("OUT TSP-COLOR OUT TSP 1\r") << QByteArray("OUT TSP") << 14;
        QTest::newRow("at end without CR") << QByteArray("RESET") << QByteArray("RESET") << -1;
        QTest::newRow("LF does not end a token")
            << QByteArray("RESET\n") << QByteArray("RESET") << -1;
        QTest::newRow("tab does not end a token")
            << QByteArray("RESET\t\r") << QByteArray("RESET") << -1;
        QTest::newRow("case-sensitive") << QByteArray("reset\r") << QByteArray("RESET") << -1;
        QTest::newRow("NUL inside the line")
            << QByteArray("X\0RESET\r", 8) << QByteArray("RESET") << 2;
        QTest::newRow("token longer than text") << QByteArray("RES\r") << QByteArray("RESET") << -1;
        QTest::newRow("empty text") << QByteArray() << QByteArray("ON") << -1;
        QTest::newRow("empty token") << QByteArray("ON\r") << QByteArray() << -1;
        QTest::newRow("first of two") << QByteArray("ON ON\r") << QByteArray("ON") << 0;
        QTest::newRow("OFF is not ON") << QByteArray("OFF\r") << QByteArray("ON") << -1;
    }
    void findToken()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, token);
        QFETCH(int, position);
        QCOMPARE(Reply_FindToken(View(text), View(token)), position);
    }

    void value_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("keyword");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("withEnd");

        QTest::newRow("plain") << QByteArray("AUDIO VOL 60\r") << QByteArray("AUDIO VOL")
                               << QByteArray("60") << QByteArray("60\r");
        QTest::newRow("keyword then CR") << QByteArray("EDID-USER\r") << QByteArray("EDID-USER")
                                         << QByteArray("") << QByteArray("\r");
        QTest::newRow("up to the first CR")
            << QByteArray("VERSION V1\rV2\r") << QByteArray("VERSION") << QByteArray("V1")
            << QByteArray("V1\r");
        QTest::newRow("no CR: to the end") << QByteArray("VERSION V1.0") << QByteArray("VERSION")
                                           << QByteArray("V1.0") << QByteArray("V1.0");
        QTest::newRow("space then end")
            << QByteArray("VERSION ") << QByteArray("VERSION") << QByteArray("") << QByteArray("");
        QTest::newRow("space then CR") << QByteArray("VERSION \r") << QByteArray("VERSION")
                                       << QByteArray("") << QByteArray("\r");
        QTest::newRow("inner spaces kept")
            << QByteArray("IN RESOLUTION 1920x1080 60Hz\r") << QByteArray("IN RESOLUTION")
            << QByteArray("1920x1080 60Hz") << QByteArray("1920x1080 60Hz\r");
    }
    void value()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, keyword);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, withEnd);
        const ReplyPart part = ValueAfter(line, keyword);
        QCOMPARE(Bytes(part.text()), text);
        QCOMPARE(Bytes(part.withEnd), withEnd);
    }

    void field_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("withEnd");

        const QByteArray net("NETWORK-INFO 10.0.0.5 5000 255.0.0.0 10.0.0.1\r");
        QTest::newRow("first") << net << 1 << QByteArray("10.0.0.5") << QByteArray("10.0.0.5 ");
        QTest::newRow("middle") << net << 3 << QByteArray("255.0.0.0") << QByteArray("255.0.0.0 ");
        QTest::newRow("last runs to the CR")
            << net << 4 << QByteArray("10.0.0.1") << QByteArray("10.0.0.1\r");
        QTest::newRow("past the last") << net << 5 << QByteArray() << QByteArray();
        QTest::newRow("zero") << net << 0 << QByteArray() << QByteArray();
        QTest::newRow("negative") << net << -1 << QByteArray() << QByteArray();
        const QByteArray twoSpaces("NETWORK-INFO a  b\r");
        QTest::newRow("double space: empty field")
            << twoSpaces << 2 << QByteArray() << QByteArray(" ");
        QTest::newRow("double space: next")
            << twoSpaces << 3 << QByteArray("b") << QByteArray("b\r");
        QTest::newRow("trailing space: empty last")
            << QByteArray("NETWORK-INFO a \r") << 2 << QByteArray() << QByteArray("\r");
        QTest::newRow("no CR: last has no end")
            << QByteArray("NETWORK-INFO a b") << 2 << QByteArray("b") << QByteArray("b");
        QTest::newRow("empty value")
            << QByteArray("NETWORK-INFO\r") << 1 << QByteArray() << QByteArray("\r");
    }
    void field()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, n);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, withEnd);
        const ReplyPart part = Reply_Field(ValueAfter(line, "NETWORK-INFO"), n);
        QCOMPARE(Bytes(part.text()), text);
        QCOMPARE(Bytes(part.withEnd), withEnd);
    }

    void numbers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint32>("asInt");
        QTest::addColumn<quint32>("asUInt");

        QTest::newRow("plain") << QByteArray("60") << 60 << 60u;
        QTest::newRow("zero") << QByteArray("0") << 0 << 0u;
        QTest::newRow("leading zeros") << QByteArray("007") << 7 << 7u;
        QTest::newRow("negative") << QByteArray("-5") << -5 << 0u;
        QTest::newRow("plus") << QByteArray("+5") << 5 << 5u;
        QTest::newRow("blanks around") << QByteArray(" 42\t") << 42 << 42u;
        QTest::newRow("int max") << QByteArray("2147483647") << INT_MAX << 2147483647u;
        QTest::newRow("int min") << QByteArray("-2147483648") << INT_MIN << 0u;
        QTest::newRow("past int max") << QByteArray("2147483648") << 0 << 2147483648u;
        QTest::newRow("past int min") << QByteArray("-2147483649") << 0 << 0u;
        QTest::newRow("uint max") << QByteArray("4294967295") << 0 << 4294967295u;
        QTest::newRow("2^32 + 60 does not wrap") << QByteArray("4294967356") << 0 << 0u;
        QTest::newRow("forty digits") << QByteArray(40, '9') << 0 << 0u;
        QTest::newRow("many leading zeros") << QByteArray(100, '0') + "12" << 12 << 12u;
        QTest::newRow("trailing text") << QByteArray("60dB") << 0 << 0u;
        QTest::newRow("inner blank") << QByteArray("6 0") << 0 << 0u;
        QTest::newRow("word") << QByteArray("ON") << 0 << 0u;
        QTest::newRow("empty") << QByteArray() << 0 << 0u;
        QTest::newRow("sign only") << QByteArray("-") << 0 << 0u;
        QTest::newRow("double sign") << QByteArray("--5") << 0 << 0u;
        QTest::newRow("hex") << QByteArray("0x10") << 0 << 0u;
        QTest::newRow("decimal point") << QByteArray("1.5") << 0 << 0u;
        QTest::newRow("non-ASCII digit") << QByteArray("\xb2") << 0 << 0u;
    }
    void numbers()
    {
        QFETCH(QByteArray, text);
        QFETCH(qint32, asInt);
        QFETCH(quint32, asUInt);
        QCOMPARE(Reply_ToInt32(View(text)), asInt);
        QCOMPARE(Reply_ToUInt32(View(text)), asUInt);
    }

    void lookup_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("index");

        QTest::newRow("first word") << QByteArray("X SMALL\r") << 0;
        QTest::newRow("last word") << QByteArray("X USER\r") << 3;
        QTest::newRow("list order wins over position") << QByteArray("X LARGE SMALL\r") << 0;
        QTest::newRow("needs the end byte") << QByteArray("X SMALL") << -1;
        QTest::newRow("suffix of a longer word") << QByteArray("X VERYSMALL\r") << 0;
        QTest::newRow("prefix of a longer word") << QByteArray("X SMALLER\r") << -1;
        QTest::newRow("lower case") << QByteArray("X small\r") << -1;
        QTest::newRow("empty value") << QByteArray("X\r") << -1;
    }
    void lookup()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, index);
        QCOMPARE(Reply_Lookup(ValueAfter(line, "X"), Reply_Words(PipSizeWords)), index);
    }

    // A field's end byte is what lets a word match at the field's end, but the match may
    // not run on into the next field.
    void lookupInFieldStopsAtItsEnd()
    {
        const QByteArray line("X LARGE SMALL\r");
        const ReplyPart value = ValueAfter(line, "X");
        QCOMPARE(Reply_Lookup(Reply_Field(value, 1), Reply_Words(PipSizeWords)), 2);
        QCOMPARE(Reply_Lookup(Reply_Field(value, 2), Reply_Words(PipSizeWords)), 0);
        QCOMPARE(Reply_Lookup(Reply_Field(value, 3), Reply_Words(PipSizeWords)), -1);
    }
};

QTEST_APPLESS_MAIN(TestReplyGrammar)
#include "tst_reply_grammar.moc"
