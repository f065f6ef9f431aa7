// What each outstanding request for the device's link settings was, per item and in order:
// only the answer to a write counts as a write.
#include "state/link_settings.h"

#include <QtTest>

class TestLinkSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { LinkSettings_Forget(); }

    // Steps: "R"/"W" a network read/write, "r"/"w" a baud-rate read/write, "T"/"t" the oldest
    // network/baud-rate request timed out, "A"/"a" a network/baud-rate answer, whose verdict
    // (W write, R read) is recorded.
    void answers_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("verdicts");
        QTest::newRow("read") << "RA"
                              << "R";
        QTest::newRow("write") << "WA"
                               << "W";
        QTest::newRow("two reads") << "RRAA"
                                   << "RR";
        QTest::newRow("read then write, in order") << "RWAA"
                                                   << "RW";
        QTest::newRow("items kept apart") << "WrAa"
                                          << "WR";
        QTest::newRow("network read, baud read") << "RrAa"
                                                 << "RR";
        QTest::newRow("late answer after a time-out") << "RTA"
                                                      << "R";
        QTest::newRow("write timed out, late answer") << "WTA"
                                                      << "R";
        QTest::newRow("read timed out, write answered") << "RWTA"
                                                        << "W";
        QTest::newRow("answer nobody asked for") << "AaA"
                                                 << "RRR";
        QTest::newRow("time-out with nothing outstanding") << "TtWA"
                                                           << "W";
    }
    void answers()
    {
        QFETCH(QString, steps);
        QFETCH(QString, verdicts);
        QString seen;
        for (const QChar step : steps) {
            const auto item
                = step.isUpper() ? LinkSettingsItem::Network : LinkSettingsItem::BaudRate;
            switch (step.toUpper().toLatin1()) {
            case 'R':
                LinkSettings_Requested(item, false);
                break;
            case 'W':
                LinkSettings_Requested(item, true);
                break;
            case 'T':
                LinkSettings_TimedOut(item);
                break;
            case 'A':
                seen += LinkSettings_AnswerIsWrite(item) ? 'W' : 'R';
                break;
            }
        }
        QCOMPARE(seen, verdicts);
    }

    void outstanding_boundedAndForgotten()
    {
        LinkSettings_Requested(LinkSettingsItem::Network, true);
        for (int i = 0; i < 100; ++i)
            LinkSettings_Requested(LinkSettingsItem::Network, false);
        LinkSettings_Requested(LinkSettingsItem::BaudRate, true);
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::Network), 64);
        QVERIFY(!LinkSettings_AnswerIsWrite(LinkSettingsItem::Network)); // the write fell off
        LinkSettings_Forget();
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::Network), 0);
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::BaudRate), 0);
        QVERIFY(!LinkSettings_AnswerIsWrite(LinkSettingsItem::BaudRate));
    }
};

QTEST_GUILESS_MAIN(TestLinkSettings)
#include "tst_link_settings.moc"
