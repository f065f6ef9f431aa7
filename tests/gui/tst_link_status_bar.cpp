// The status bar under the tabs: what it shows for each state of the link, in both languages,
// the facts beside the state, the empty-queue button, and that it sits in the main window
// below the tabs, so every tab shows it. The link is a controller over a fake backend.
#include "app/config_values.h"
#include "link/command_catalogue.h"
#include "link/link_controller.h"
#include "state/device_state.h"
#include "support/fake_backend.h"
#include "support/queued_commands.h"
#include "support/test_runtime.h"
#include "ui/link_options_dialog.h"
#include "ui/link_status_bar.h"
#include "ui/pending_marker.h"
#include "ui/ui_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

// A controller driven to a state by the reports the services would give.
void driveTo(LinkController &c, const QString &state)
{
    LinkPolicy policy;
    policy.reconnect = state == "Reconnecting";
    policy.firstRetryMs = 9000; // the countdown shows 9 s
    policy.keepAliveMs = 0;
    c.setPolicy(policy);
    if (state == "Disconnected")
        return;
    c.open(LinkTarget::tcp("127.0.0.1", "192.168.0.247", "2000"));
    if (state == "Connecting")
        return;
    Queue_Reset(TcpLinkContext);
    c.reportConnectResult(LinkKind::Tcp, true, 0);
    QueuedCommands_Take(); // the model query went out
    if (state == "Identifying")
        return;
    DeviceState::modelIdentified = true;
    DeviceState::modelIndex = 3;
    CmdGetOutHdcp(); // still queued when identified: synchronising
    c.reportIdentification(true);
    QCoreApplication::processEvents();
    if (state == "Synchronising")
        return;
    QueuedCommands_Take();
    c.requestSend();
    QCoreApplication::processEvents();
    if (state == "Ready")
        return;
    if (state == "Busy") {
        CmdGetOutVka();
        c.requestSend();
        return;
    }
    c.reportLost(LinkKind::Tcp); // Lost or Reconnecting, by the policy
}

} // namespace

class TestLinkStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        DeviceState::ResetForTesting();
        QueuedCommands_Start(LinkModeNone);
    }
    void cleanup() { Key_LanguageIsEnglish = QStringLiteral("1"); }

    void states_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("queue");
        const QString target = "192.168.0.247:2000";
        QTest::newRow("disconnected") << "Disconnected"
                                      << "not connected"
                                      << "未连接"
                                      << "no link"
                                      << "model: —"
                                      << "waiting: 0";
        QTest::newRow("connecting") << "Connecting"
                                    << "connecting"
                                    << "正在连接" << target << "model: —"
                                    << "waiting: 0";
        QTest::newRow("identifying") << "Identifying"
                                     << "identifying"
                                     << "正在识别" << target << "model: —"
                                     << "waiting: 0";
        QTest::newRow("synchronising") << "Synchronising"
                                       << "synchronising"
                                       << "正在同步" << target << "model: Tessin"
                                       << "waiting: 1";
        QTest::newRow("ready") << "Ready"
                               << "ready"
                               << "就绪" << target << "model: Tessin"
                               << "waiting: 0";
        QTest::newRow("busy") << "Busy"
                              << "busy"
                              << "忙碌" << target << "model: Tessin"
                              << "waiting: 1";
        QTest::newRow("lost") << "Lost"
                              << "lost"
                              << "已断开" << target << "model: —"
                              << "waiting: 0";
        QTest::newRow("reconnecting, with the countdown")
            << "Reconnecting"
            << "reconnecting in 9 s (attempt 1)"
            << "9 秒后重新连接（第 1 次）" << target << "model: —"
            << "waiting: 0";
    }
    void states()
    {
        QFETCH(QString, state);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QFETCH(QString, link);
        QFETCH(QString, model);
        QFETCH(QString, queue);
        LinkController c(std::make_unique<FakeBackend>());
        LinkStatusBar bar(&c);
        driveTo(c, state);
        QCOMPARE(QString::fromLatin1(QMetaEnum::fromType<LinkController::State>().valueToKey(
                     static_cast<int>(c.state()))),
                 state);
        // It follows the controller by itself (facts at most every 100 ms).
        QCOMPARE(bar.findChild<QLabel *>("LinkState")->text(), english);
        QTRY_COMPARE(bar.findChild<QLabel *>("LinkTarget")->text(), link);
        QTRY_COMPARE(bar.findChild<QLabel *>("LinkModel")->text(), model);
        QTRY_COMPARE(bar.findChild<QLabel *>("LinkQueue")->text(), queue);
        QTRY_COMPARE(bar.emptyQueueButton()->isEnabled(), queue != "waiting: 0");
        QCOMPARE(bar.retryNowButton()->isVisibleTo(&bar), state == "Reconnecting");
        Key_LanguageIsEnglish = QStringLiteral("0");
        bar.refresh();
        QCOMPARE(bar.stateText(), chinese);
        QCOMPARE(bar.emptyQueueButton()->text(), QStringLiteral("清空队列"));
        if (state != "Reconnecting")
            return;
        QCOMPARE(bar.retryNowButton()->text(), QStringLiteral("立即重试"));
        bar.retryNowButton()->click(); // the operator does not wait out the countdown
        QCOMPARE(bar.stateText(), QStringLiteral("正在重新连接（第 1 次）"));
        QTRY_VERIFY(!bar.retryNowButton()->isVisibleTo(&bar));
    }

    // The round trip and how long ago, the hold's countdown with its command, the queue
    // emptied by the button.
    void facts_roundTripHoldAndEmptyQueue()
    {
        LinkController c(std::make_unique<FakeBackend>());
        LinkStatusBar bar(&c);
        driveTo(c, "Ready");
        QCOMPARE(bar.roundTripText(), QStringLiteral("reply: —"));
        c.reportMatched(LinkKind::Tcp, 9, "OUT HDCP FORCE-2.2\r", 41400);
        QCOMPARE(bar.roundTripText(), QStringLiteral("reply 41 ms, 0 s ago"));
        Key_LanguageIsEnglish = QStringLiteral("0");
        QCOMPARE(bar.roundTripText(), QStringLiteral("应答 41 毫秒，0 秒前"));
        Key_LanguageIsEnglish = QStringLiteral("1");

        QVERIFY(bar.findChild<QLabel *>("LinkHold")->isHidden());
        c.reportSent(LinkKind::Tcp, 10, "SET OUT RESOLUTION 1920x1080\r");
        c.reportHolding(LinkKind::Tcp, 10, 10000);
        QTRY_COMPARE(bar.findChild<QLabel *>("LinkHold")->text(),
                     QStringLiteral("hold 10 s: SET OUT RESOLUTION 1920x1080"));
        // The countdown moves without anyone asking.
        QTRY_COMPARE_WITH_TIMEOUT(bar.findChild<QLabel *>("LinkHold")->text(),
                                  QStringLiteral("hold 9 s: SET OUT RESOLUTION 1920x1080"), 3000);
        c.reportSettled(LinkKind::Tcp, 10);
        QTRY_VERIFY(bar.findChild<QLabel *>("LinkHold")->isHidden());

        CmdGetOutVka();
        CmdGetOutItc();
        c.requestSend();
        QCOMPARE(bar.queueText(), QStringLiteral("waiting: 2"));
        QTRY_VERIFY(bar.emptyQueueButton()->isEnabled());
        bar.emptyQueueButton()->click();
        QCOMPARE(QueuedCommands_Peek(), Lines {});
        QCOMPARE(bar.queueText(), QStringLiteral("waiting: 0"));
    }

    // The control whose change went out shows it pending until the device's line for that
    // setting comes back; a lost link ends the wait; other commands and lines change nothing.
    void pending_fromSendUntilConfirmed_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QList<bool>>("pending"); // after each event
        QTest::newRow("confirmed by the device")
            << QStringList {"send SET OUT RESOLUTION 1920x1080p60\r", "line OUT HDCP FORCE-2.2\r",
                            "line OUT RESOLUTION 1920x1080p60\r"}
            << QList<bool> {true, true, false};
        QTest::newRow("another setting's command")
            << QStringList {"send SET OUT HDCP FORCE-2.2\r"} << QList<bool> {false};
        QTest::newRow("the link is lost meanwhile")
            << QStringList {"send SET OUT RESOLUTION AUTO\r", "lost"} << QList<bool> {true, false};
        QTest::newRow("two commands for one control, confirmed in turn")
            << QStringList {"send SET OUT RESOLUTION 1920x1080p60\r",
                            "send SET RESO-USER 1280 720\r", "line OUT RESOLUTION 1920x1080p60\r",
                            "line RESO-USER 1280 720\r"}
            << QList<bool> {true, true, true, false};
    }
    void pending_fromSendUntilConfirmed()
    {
        QFETCH(QStringList, events);
        QFETCH(QList<bool>, pending);
        LinkController c(std::make_unique<FakeBackend>());
        driveTo(c, "Ready");
        QComboBox box;
        box.setToolTip(QStringLiteral("Resolution"));
        PendingMarker marker(&c);
        marker.watch(&box, "SET OUT RESOLUTION ", "OUT RESOLUTION");
        marker.watch(&box, "SET RESO-USER ", "RESO-USER");
        for (int i = 0; i < events.size(); ++i) {
            const QString &event = events.at(i);
            const QByteArray bytes = event.section(' ', 1).toLatin1();
            if (event.startsWith("send")) {
                c.reportSent(LinkKind::Tcp, quint64(100 + i), bytes);
            } else if (event.startsWith("line")) {
                Queue_Push(bytes.constData(), bytes.size(), nullptr, 0, &TcpLinkContext.recvLock,
                           &TcpLinkContext.recvQueue);
                c.reportLinesAvailable(LinkKind::Tcp);
            } else {
                c.reportLost(LinkKind::Tcp);
            }
            QCOMPARE(PendingMarker::isPending(&box), pending.at(i));
            QCOMPARE(box.toolTip(),
                     pending.at(i) ? QStringLiteral("Sent; waiting for the device to confirm.")
                                   : QStringLiteral("Resolution"));
        }
    }

    // In the main window the bar sits below the tabs, outside any page.
    void mainWindow_barBelowTheTabsOnEveryTab()
    {
        TestRuntime rt;
        Ui_Main w;
        LinkStatusBar *bar = w.linkStatusBar();
        QVERIFY(bar);
        QVERIFY(!w.tabWidget()->isAncestorOf(bar));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i < w.tabWidget()->count(); ++i) {
            w.tabWidget()->setCurrentIndex(i);
            QVERIFY(bar->isVisible());
            QVERIFY(bar->mapTo(&w, QPoint(0, 0)).y()
                    >= w.tabWidget()->mapTo(&w, QPoint(0, w.tabWidget()->height())).y());
        }
        QCOMPARE(bar->stateText(), QStringLiteral("not connected"));
    }

    // The options are stored in the panel's own file, never in config.ini, and reach the
    // controller; the time-out belongs to the connection it was set for.
    void options_storedInPanelPrefsAndApplied()
    {
        TestRuntime rt;
        const QByteArray configBefore = rt.exists(ConfigIni) ? rt.read(ConfigIni) : QByteArray();
        LinkController c(std::make_unique<FakeBackend>());
        const LinkTarget slow = LinkTarget::tcp("", "10.0.0.9", "4001");
        {
            LinkOptionsDialog dialog(slow);
            QVERIFY(dialog.reconnectBox()->isChecked());
            QCOMPARE(dialog.keepAliveBox()->value(), 30);
            QCOMPARE(dialog.timeoutBox()->value(), 1000);
            dialog.reconnectBox()->setChecked(false);
            dialog.keepAliveBox()->setValue(12);
            dialog.timeoutBox()->setValue(2500);
            dialog.apply(&c);
        }
        QCOMPARE(c.policy().reconnect, false);
        QCOMPARE(c.policy().keepAliveMs, 12000);
        LinkOptionsDialog again(slow);
        QVERIFY(!again.reconnectBox()->isChecked());
        QCOMPARE(again.keepAliveBox()->value(), 12);
        QCOMPARE(again.timeoutBox()->value(), 2500);
        LinkOptionsDialog other(LinkTarget::tcp("", "10.0.0.9", "4002"));
        QCOMPARE(other.timeoutBox()->value(), 1000);
        const QByteArray prefs = rt.read(QStringLiteral("/APP/ConfigFile/panel.ini"));
        QVERIFY2(prefs.contains("tcp-10.0.0.9-4001=2500"), prefs.constData());
        QVERIFY2(prefs.contains("keepAliveS=12"), prefs.constData());
        QCOMPARE(rt.exists(ConfigIni) ? rt.read(ConfigIni) : QByteArray(), configBefore);
    }
};

QTEST_MAIN(TestLinkStatusBar)
#include "tst_link_status_bar.moc"
