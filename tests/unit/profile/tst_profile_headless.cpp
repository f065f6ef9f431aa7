// Without pages, the device is asked exactly what the pages would ask after a reported value:
// the user resolution after USER, the restatement after a bare layout reply, the free
// rectangle whenever the layout has one (asked for once per value that redraws the page's
// picture; the link queue holds one copy of a read not yet sent).
#include "profile/profile_headless.h"
#include "state/device_state.h"
#include "state/reply_dispatcher.h"
#include "state/reply_fan_out.h"
#include "support/queued_commands.h"
#include "support/recording_sinks.h"

#include <QtTest>

class TestProfileHeadless : public QObject
{
    Q_OBJECT

private slots:
    void followUps_data()
    {
        QTest::addColumn<QByteArray>("lines"); // replies, one after the other
        QTest::addColumn<Lines>("queued");
        QTest::addColumn<int>("triggers"); // how often the link was asked to send

        QTest::newRow("USER resolution")
            << QByteArray("OUT RESOLUTION USER\r") << Lines {"GET RESO-USER\r"} << 1;
        QTest::newRow("other resolution") << QByteArray("OUT RESOLUTION AUTO\r") << Lines {} << 0;
        QTest::newRow("bare layout")
            << QByteArray("MULTIVIEW 4xWIN\r") << Lines {"GET MULTIVIEW-SYNC\r"} << 1;
        QTest::newRow("restatement of SINGLE")
            << QByteArray("MULTIVIEW-SYNC SINGLE HDMI1 NULL NULL NULL 1920x1080p60 OFF\r")
            << Lines {} << 1;
        QTest::newRow("presenter variant")
            << QByteArray("MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL FULL 3 3\r")
            << Lines {"GET PBP-PRESENTER\r"} << 3;
        QTest::newRow("PIP USER") << QByteArray(
            "MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL USER USER\r")
                                  << Lines {"GET PIP USER\r"} << 3;
        QTest::newRow("PIP corner")
            << QByteArray("MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL LeftTop SMALL\r") << Lines {}
            << 1;
        QTest::newRow("size reply in PIP USER")
            << QByteArray("MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL USER USER\rPIP SIZE USER\r")
            << Lines {"GET PIP USER\r"} << 4;
    }
    void followUps()
    {
        QFETCH(QByteArray, lines);
        QFETCH(Lines, queued);
        QFETCH(int, triggers);
        DeviceState::ResetForTesting();
        DeviceState::modelIndex = 0;
        DeviceState::modelIdentified = true;
        DeviceState::inputSourceCount = 5;
        QueuedCommands_Start();
        int sends = 0;
        HeadlessPages pages([&sends] { ++sends; });
        RecordingSinks rest;
        ReplyFanOut fanOut;
        fanOut.addListener(&pages);
        for (const QByteArray &line : lines.split('\r')) {
            if (!line.isEmpty())
                Reply_DispatchBytes(std::string_view((line + '\r').constData(), line.size() + 1),
                                    fanOut.sinks(rest));
        }
        QCOMPARE(QueuedCommands_Take(), queued);
        QCOMPARE(sends, triggers);
    }
};

QTEST_APPLESS_MAIN(TestProfileHeadless)
#include "tst_profile_headless.moc"
