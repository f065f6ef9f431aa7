// The user EDID upload: exactly 256 words of two upper-case hex digits.
#include "sim/sim_edid.h"
#include "sim/sim_interpreter.h"

#include <QtTest>

namespace {
QList<QByteArray> hexWords(int count)
{
    QList<QByteArray> words;
    for (int i = 0; i < count; ++i)
        words << QByteArray::number(i % 256, 16).toUpper().rightJustified(2, '0');
    return words;
}
} // namespace

class TestEdid : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QList<QByteArray>>("words");
        QTest::addColumn<bool>("ok");
        QTest::newRow("256 words") << hexWords(256) << true;
        QTest::newRow("255 words") << hexWords(255) << false;
        QTest::newRow("257 words") << hexWords(257) << false;
        QTest::newRow("none") << QList<QByteArray>() << false;
        auto with = [](int at, const QByteArray &w) {
            QList<QByteArray> words = hexWords(256);
            words[at] = w;
            return words;
        };
        QTest::newRow("lower case") << with(10, "0a") << false;
        QTest::newRow("bad digit G") << with(0, "G0") << false;
        QTest::newRow("bad digit last") << with(255, "0Z") << false;
        QTest::newRow("one digit") << with(3, "A") << false;
        QTest::newRow("three digits") << with(3, "0AB") << false;
        QTest::newRow("sign") << with(3, "+1") << false;
        QTest::newRow("prefix") << with(3, "0x") << false;
        QTest::newRow("control byte") << with(3, QByteArray("\x01\x02", 2)) << false;
        QTest::newRow("all FF") << QVector<QByteArray>(256, QByteArray("FF")).toList() << true;
    }
    void parse()
    {
        QFETCH(QList<QByteArray>, words);
        QFETCH(bool, ok);
        QByteArray out("untouched");
        QCOMPARE(SimParseEdidHex(words, &out), ok);
        if (!ok) {
            QCOMPARE(out, QByteArray("untouched"));
            return;
        }
        QCOMPARE(out.size(), 256);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(static_cast<unsigned char>(out.at(i)), words.at(i).toUInt(nullptr, 16));
    }

    void upload_storesBytes_andRefusalKeepsThePreviousOne()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        const QByteArray good = "SET EDID-USER " + hexWords(256).join(' ');
        QCOMPARE(good.size(), 781);
        QCOMPARE(sim.handle(good), QList<QByteArray> {"EDID-USER OK"});
        QCOMPARE(static_cast<unsigned char>(sim.state().userEdid.at(255)), 0xFFu);
        QCOMPARE(static_cast<unsigned char>(sim.state().userEdid.at(16)), 0x10u);

        QList<QByteArray> bad = hexWords(256);
        bad[200] = "ff";
        QCOMPARE(sim.handle("SET EDID-USER " + bad.join(' ')), QList<QByteArray> {"ERR 02"});
        QCOMPARE(static_cast<unsigned char>(sim.state().userEdid.at(255)), 0xFFu);
        QCOMPARE(sim.handle("SET EDID-USER " + hexWords(255).join(' ')),
                 QList<QByteArray> {"ERR 02"});
        QCOMPARE(sim.handle("GET EDID-USER"), QList<QByteArray> {"ERR 01"});
    }
};

QTEST_GUILESS_MAIN(TestEdid)
#include "tst_edid.moc"
