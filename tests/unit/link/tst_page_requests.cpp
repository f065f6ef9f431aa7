// What the pages ask of the device, without a page: each read-all burst per model and link,
// the follow-up queries and the PIP coupling, as literal wire lines.
#include "link/page_requests.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "support/queued_commands.h"

#include <QtTest>

using Lines = QList<QByteArray>;

namespace {
void Identified(int model)
{
    DeviceState::modelIndex = quint8(model);
    DeviceState::modelIdentified = model < 5;
}
} // namespace

class TestPageRequests : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        DeviceState::ResetForTesting();
        LinkSettingsQueryOnly = false;
        LinkSettings_Forget();
        QueuedCommands_Start(LinkModeTcp);
    }
    void cleanup() { QueuedCommands_Stop(); }

    void outputReadAll_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<Lines>("lines");
        const Lines five {"GET OUT RESOLUTION\r", "GET OUT HDCP\r", "GET OUT VKA\r",
                          "GET OUT ITC\r", "GET OUT 4K-AUTO\r"};
        const Lines four = five.mid(0, 4);
        QTest::newRow("no model") << 5 << five;
        QTest::newRow("Halden") << 0 << five;
        QTest::newRow("Corvo") << 1 << four;
        QTest::newRow("Marlet") << 2 << five;
        QTest::newRow("Tessin") << 3 << five;
        QTest::newRow("Brimo") << 4 << five;
    }
    void outputReadAll()
    {
        QFETCH(int, model);
        QFETCH(Lines, lines);
        Identified(model);
        Request_OutputReadAll();
        QCOMPARE(QueuedCommands_Take(), lines);
    }

    void audioReadAll_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<Lines>("lines");
        const Lines common {"GET AUDIO SOURCE\r", "GET AUDIO VOL\r", "GET AUDIO-MUTE\r"};
        QTest::newRow("no model") << 5 << common;
        QTest::newRow("Halden") << 0 << common;
        QTest::newRow("Corvo") << 1 << common;
        QTest::newRow("Marlet") << 2 << common;
        QTest::newRow("Tessin") << 3
                                << common
                + Lines {"GET MAIN-AUDIO ONOFF\r", "GET MIC1 ONOFF\r", "GET MIC1 VOL\r",
                         "GET MIC2 ONOFF\r", "GET MIC2 VOL\r"};
        QTest::newRow("Brimo") << 4 << common;
    }
    void audioReadAll()
    {
        QFETCH(int, model);
        QFETCH(Lines, lines);
        Identified(model);
        Request_AudioReadAll();
        QCOMPARE(QueuedCommands_Take(), lines);
    }

    void multiviewReadAll()
    {
        Identified(2);
        Request_MultiviewReadAll();
        QCOMPARE(QueuedCommands_Take(), Lines {"GET MULTIVIEW-SYNC\r"});
    }

    void systemReadAll_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<bool>("settingsQueried");
        QTest::newRow("TCP") << int(LinkModeTcp)
                             << Lines {"GET IN EDIDMODE\r", "GET NETWORK-INFO\r"} << true;
        QTest::newRow("RS-232") << int(LinkModeSerial)
                                << Lines {"GET IN EDIDMODE\r", "GET BAUDRATE\r"} << true;
    }
    void systemReadAll()
    {
        QFETCH(int, link);
        QFETCH(Lines, lines);
        QFETCH(bool, settingsQueried);
        QueuedCommands_Start(link);
        QCOMPARE(Request_SystemReadAll(), settingsQueried);
        QCOMPARE(QueuedCommands_Take(), lines);
        const LinkSettingsItem item
            = link == LinkModeTcp ? LinkSettingsItem::Network : LinkSettingsItem::BaudRate;
        QCOMPARE(LinkSettings_Outstanding(item), settingsQueried ? 1 : 0);
        QVERIFY(!LinkSettings_AnswerIsWrite(item)); // a read
    }

    void systemReadAll_noLink_queuesNothingAndAsksNoSettings()
    {
        QueuedCommands_Stop();
        QVERIFY(!Request_SystemReadAll());
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::Network), 0);
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::BaudRate), 0);
    }

    void linkSettingsQueries_rememberedAsReads()
    {
        Request_NetworkQuery();
        Request_BaudRateQuery();
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::Network), 1);
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::BaudRate), 1);
        QVERIFY(!LinkSettings_AnswerIsWrite(LinkSettingsItem::Network));
        QVERIFY(!LinkSettings_AnswerIsWrite(LinkSettingsItem::BaudRate));
        QCOMPARE(QueuedCommands_Take(), (Lines {"GET NETWORK-INFO\r", "GET BAUDRATE\r"}));
    }

    void afterOutputResolution_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("user");
        QTest::newRow("USER") << 15 << true;
        QTest::newRow("AUTO") << 14 << false;
        QTest::newRow("4096x2160p60") << 0 << false;
        QTest::newRow("none") << -1 << false;
        QTest::newRow("beyond") << 16 << false;
    }
    void afterOutputResolution()
    {
        QFETCH(int, index);
        QFETCH(bool, user);
        QCOMPARE(Request_AfterOutputResolution(index), user);
        QCOMPARE(QueuedCommands_Take(), user ? Lines {"GET RESO-USER\r"} : Lines {});
    }

    void afterLayout_data()
    {
        QTest::addColumn<quint32>("mode");
        QTest::addColumn<bool>("readSync");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("bare reply") << 3u << true << Lines {"GET MULTIVIEW-SYNC\r"};
        QTest::newRow("restatement") << 1u << false << Lines {};
        QTest::newRow("unknown layout") << 9u << true << Lines {"GET MULTIVIEW-SYNC\r"};
    }
    void afterLayout()
    {
        QFETCH(quint32, mode);
        QFETCH(bool, readSync);
        QFETCH(Lines, lines);
        Request_AfterLayout(mode, readSync);
        QCOMPARE(DeviceState::multiviewMode, mode);
        QCOMPARE(QueuedCommands_Take(), lines);
    }

    void userRectangle_data()
    {
        QTest::addColumn<quint32>("mode");
        QTest::addColumn<quint32>("position");
        QTest::addColumn<quint32>("size");
        QTest::addColumn<int>("variant");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("PIP position USER") << 1u << 4u << 0u << 0 << Lines {"GET PIP USER\r"};
        QTest::newRow("PIP size USER") << 1u << 1u << 3u << 0 << Lines {"GET PIP USER\r"};
        QTest::newRow("PIP fixed") << 1u << 3u << 2u << 2 << Lines {};
        QTest::newRow("PBP presenter") << 2u << 4u << 3u << 2 << Lines {"GET PBP-PRESENTER\r"};
        QTest::newRow("PBP second variant") << 2u << 0u << 0u << 1 << Lines {};
        QTest::newRow("4xWIN third variant") << 4u << 0u << 0u << 2 << Lines {};
    }
    void userRectangle()
    {
        QFETCH(quint32, mode);
        QFETCH(quint32, position);
        QFETCH(quint32, size);
        QFETCH(int, variant);
        QFETCH(Lines, lines);
        DeviceState::multiviewMode = mode;
        DeviceState::pipPosition = position;
        DeviceState::pipSize = size;
        DeviceState::layoutModeIndex = variant;
        const UserRectangleKind kind = Request_UserRectangle();
        QCOMPARE(kind == UserRectangleKind::Hidden, lines.isEmpty());
        QCOMPARE(QueuedCommands_Take(), lines);
    }

    void pipCoupling_data()
    {
        QTest::addColumn<bool>("positionChosen");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("otherShown");
        QTest::addColumn<int>("other"); // the other side's new value, -1 unchanged
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("position USER drags size to USER")
            << true << 4 << 0 << 3 << QByteArray("SET PIP POS USER\r");
        QTest::newRow("position leaves USER, size USER falls back to LARGE")
            << true << 0 << 3 << 2 << QByteArray("SET PIP POS LeftTop\r");
        QTest::newRow("position RightTop, size MIDDLE stays")
            << true << 1 << 1 << -1 << QByteArray("SET PIP POS RightTop\r");
        QTest::newRow("size USER drags position to USER")
            << false << 3 << 1 << 4 << QByteArray("SET PIP SIZE USER\r");
        QTest::newRow("size leaves USER, position USER falls back to RightBottom")
            << false << 0 << 4 << 3 << QByteArray("SET PIP SIZE SMALL\r");
        QTest::newRow("size LARGE, position LeftBottom stays")
            << false << 2 << 2 << -1 << QByteArray("SET PIP SIZE LARGE\r");
    }
    void pipCoupling()
    {
        QFETCH(bool, positionChosen);
        QFETCH(int, chosen);
        QFETCH(int, otherShown);
        QFETCH(int, other);
        QFETCH(QByteArray, line);
        DeviceState::multiviewMode = 1; // PIP
        DeviceState::pipPosition = 1;
        DeviceState::pipSize = 1;
        const int result = positionChosen ? Request_PipPosition(chosen, otherShown)
                                          : Request_PipSize(chosen, otherShown);
        QCOMPARE(result, other);
        QCOMPARE(positionChosen ? DeviceState::pipSize : DeviceState::pipPosition,
                 quint32(other >= 0 ? other : 1));
        QCOMPARE(QueuedCommands_Take(), Lines {line});
    }

    void pipCoupling_outsidePip_storesButSendsNothing()
    {
        DeviceState::multiviewMode = 0; // SINGLE
        QCOMPARE(Request_PipPosition(4, 0), 3);
        QCOMPARE(DeviceState::pipSize, 3u);
        QCOMPARE(QueuedCommands_Take(), Lines {});
    }
};

QTEST_GUILESS_MAIN(TestPageRequests)
#include "tst_page_requests.moc"
