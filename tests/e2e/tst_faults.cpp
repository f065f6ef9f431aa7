// The panel against a misbehaving device: a model it does not know, a device that never
// answers, a device that hangs up or goes away. Each time the operator gets the message once,
// the links end closed (or, where the protocol repairs itself, working), and the window never
// freezes longer than the bounded stop of a link thread.
#include "e2e/support/e2e_panel.h"
#include "e2e/support/loop_watch.h"
#include "support/sim_device.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "link/link_context.h"
#include "state/device_state.h"
#include "ui/ui_debug.h"
#include "ui/ui_main.h"
#include "ui/ui_uart_network.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

namespace {
// Longest the window may stand still: the bounded stop of a link thread, plus slack for a
// loaded test machine.
constexpr double FreezeLimitMs = 2500;

void addLinkRows()
{
    QTest::addColumn<bool>("serial");
    QTest::newRow("tcp") << false;
    QTest::newRow("serial") << true;
}

QStringList simArgs(bool serial, QStringList args)
{
    if (serial)
        args << "--no-tcp"
             << "--pty";
    return args;
}

void connectTo(E2ePanel &panel, const SimDevice &sim, bool serial)
{
    if (serial)
        panel.connectSerial(sim.ptyPath());
    else
        panel.connectTcp(sim.tcpPort());
}

// Asserting that something does not happen needs a bounded wait.
bool noMoreBoxesWithin(const E2ePanel &panel, int count, int ms)
{
    return !QTest::qWaitFor([&] { return const_cast<E2ePanel &>(panel).boxes().count() > count; },
                            ms);
}
} // namespace

class TestE2eFaults : public QObject
{
    Q_OBJECT

private slots:
    void unknownModel_mismatchMessageOnceAndLinkClosed_data() { addLinkRows(); }
    void unknownModel_mismatchMessageOnceAndLinkClosed()
    {
        QFETCH(bool, serial);
        SimDevice sim;
        QVERIFY2(sim.start(simArgs(serial, {"--model-name", "Foo"})), qPrintable(sim.error()));
        LoopWatch watch;
        E2ePanel panel;
        connectTo(panel, sim, serial);
        QVERIFY(panel.waitForBoxes(1));
        QCOMPARE(panel.boxes().texts(), QStringList {SMSG_MachineNotMatch});
        QVERIFY(panel.waitForLinkClosed());
        QVERIFY(panel.showsIdentifyResult(false));
        QCOMPARE(DeviceState::modelIndex, DeviceState::NoModel);
        QVERIFY(!DeviceState::modelIdentified); // cleared with the link
        if (!serial)
            QVERIFY(sim.waitForEvent(QStringLiteral("disconnected")));
        QVERIFY(noMoreBoxesWithin(panel, 1, 1500));
        QCOMPARE(sim.received(), QStringList {"GET MODEL TYPE"});
        QVERIFY2(watch.worstDelayMs() < FreezeLimitMs,
                 qPrintable(QString::number(watch.worstDelayMs())));

        // Connecting again asks again.
        connectTo(panel, sim, serial);
        QVERIFY(panel.waitForBoxes(2));
        QCOMPARE(panel.boxes().texts().value(1), SMSG_MachineNotMatch);
        QVERIFY(panel.waitForLinkClosed());
        QCOMPARE(sim.received(), QStringList({"GET MODEL TYPE", "GET MODEL TYPE"}));
    }

    void silentDevice_identificationTimeoutOnceAndLinkClosed_data() { addLinkRows(); }
    void silentDevice_identificationTimeoutOnceAndLinkClosed()
    {
        QFETCH(bool, serial);
        SimDevice sim;
        QVERIFY2(sim.start(simArgs(serial, {"--silent"})), qPrintable(sim.error()));
        LoopWatch watch;
        E2ePanel panel;
        connectTo(panel, sim, serial);
        QVERIFY(panel.waitForBoxes(1, 8000));
        QCOMPARE(panel.boxes().texts(),
                 QStringList {SMSG_ReadDeviceFail + QStringLiteral("GET MODEL TYPE\r")});
        QVERIFY(panel.waitForLinkClosed());
        QVERIFY(!DeviceState::modelIdentified);
        QCOMPARE(DeviceState::modelIndex, DeviceState::NoModel);
        QVERIFY(panel.showsIdentifyResult(false));
        QVERIFY(noMoreBoxesWithin(panel, 1, 1500));
        QCOMPARE(sim.received(), QStringList {"GET MODEL TYPE"});
        QVERIFY2(watch.worstDelayMs() < FreezeLimitMs,
                 qPrintable(QString::number(watch.worstDelayMs())));
    }

    // The device hangs up after the identification: noticed at once, without a command; the
    // operator is told once, and the panel opens the link again, identifies the device and
    // reads everything again.
    void tcpDeviceHangsUp_lostAtOnceThenReconnected()
    {
        const QStringList identification = E2ePanel::IdentificationCommands(2, false);
        SimDevice sim;
        QVERIFY2(sim.start({"--model", "Marlet", "--disconnect-after",
                            QString::number(identification.size())}),
                 qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForIdentification(2));
        QVERIFY(sim.waitForEvent(QStringLiteral("hang-up")));
        QVERIFY(panel.waitForBoxes(1));
        QCOMPARE(panel.boxes().texts(), QStringList {"The connection to the device was lost."});
        // Back by itself: the same exchange again on the new connection.
        QVERIFY(sim.waitForReceived(2 * identification.size(), 15000));
        QCOMPARE(sim.received().mid(0, 2 * identification.size()), identification + identification);
        QCOMPARE(LinkMode, LinkModeTcp);
        panel.disconnect();
        QVERIFY(panel.waitForLinkClosed());
    }

    // The device is gone for good: told once, then the panel keeps trying quietly (no box per
    // attempt or per queued command) until the operator disconnects.
    void tcpDeviceGone_toldOnceThenReconnectingQuietly()
    {
        SimDevice sim;
        QVERIFY2(sim.start({"--model", "Tessin"}), qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForIdentification(3));
        QVERIFY(panel.waitForLinkIdle());
        sim.stop();

        LoopWatch watch;
        CmdGetOutResolution();
        CmdGetOutHdcp();
        emit panel.page().SGL_UpdateEmit();
        QVERIFY(panel.waitForBoxes(1));
        QCOMPARE(panel.boxes().texts(), QStringList {"The connection to the device was lost."});
        QVERIFY(!DeviceState::modelIdentified);
        QVERIFY(panel.showsIdentifyResult(false));
        QVERIFY(noMoreBoxesWithin(panel, 1, 2500)); // two attempts fail meanwhile
        panel.disconnect();
        QVERIFY(panel.waitForLinkClosed());
        QVERIFY2(watch.worstDelayMs() < FreezeLimitMs,
                 qPrintable(QString::number(watch.worstDelayMs())));
    }

    // A serial device whose terminal goes away and comes back under the same name (a link
    // to it): the loss is noticed at once and told once, the panel opens the port again and
    // identifies the device again.
    void serialDeviceHangsUp_lostAtOnceThenReconnected()
    {
        SimDevice sim;
        const QString link = sim.dir() + QStringLiteral("/ttyKV");
        const int answered = E2ePanel::IdentificationCommands(0, true).size();
        QVERIFY2(sim.start({"--model", "Halden", "--no-tcp", "--pty-link", link,
                            "--disconnect-after", QString::number(answered)}),
                 qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectSerial(link);
        QVERIFY(panel.waitForIdentification(0));
        QVERIFY(sim.waitForEvent(QStringLiteral("hang-up")));
        QVERIFY(panel.waitForBoxes(1));
        QCOMPARE(panel.boxes().texts(), QStringList {"The connection to the device was lost."});
        QVERIFY(sim.waitForReceived(2 * answered, 15000));
        QCOMPARE(sim.received().mid(answered, 1), QStringList {"GET MODEL TYPE"});
        panel.disconnect();
        QVERIFY(panel.waitForLinkClosed());
    }

    // A device that sends garbage between its replies: the lines are shown and ignored.
    void garbageLines_areShownAndIgnored()
    {
        SimDevice sim;
        QVERIFY2(sim.start({"--model", "Corvo", "--garbage-every", "1"}), qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForIdentification(1));
        QCOMPARE(panel.boxes().count(), 0);
        panel.window().debugTerminal()->show();
        QTRY_VERIFY(panel.window().debugTerminal()->recvPane()->document()->blockCount() >= 3);
    }
};

QTEST_MAIN(TestE2eFaults)
#include "tst_faults.moc"
