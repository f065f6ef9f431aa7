// The device pages before a device, while one is identified and after it went away: no
// invented values and nothing clickable before, live while identified, greyed after.
#include "app/config_values.h"
#include "gui/page_harness.h"
#include "link/link_controller.h"
#include "support/fake_backend.h"
#include "ui/page_device_gate.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
LinkTarget tcpTarget()
{
    return LinkTarget::tcp("127.0.0.1", "192.168.0.247", "2000");
}

// Opens the TCP link and has the device identified as model 2, as the dispatcher would.
void identify(LinkController &controller)
{
    QVERIFY(controller.open(tcpTarget()));
    Queue_Reset(QueuedCommands_Context(LinkModeTcp));
    controller.reportConnectResult(LinkKind::Tcp, true, 0);
    DeviceState::modelIdentified = true;
    DeviceState::modelIndex = 2;
    controller.reportIdentification(true);
}
} // namespace

class TestDeviceGate : public QObject
{
    Q_OBJECT

private slots:
    void viewFor_data()
    {
        using S = LinkController::State;
        using V = PageDeviceGate::View;
        QTest::addColumn<S>("state");
        QTest::addColumn<bool>("identifiedNow");
        QTest::addColumn<bool>("everIdentified");
        QTest::addColumn<V>("view");
        QTest::newRow("start") << S::Disconnected << false << false << V::NoDevice;
        QTest::newRow("connecting") << S::Connecting << false << false << V::NoDevice;
        QTest::newRow("identifying") << S::Identifying << false << false << V::NoDevice;
        QTest::newRow("synchronising") << S::Synchronising << true << false << V::Live;
        QTest::newRow("ready") << S::Ready << true << true << V::Live;
        QTest::newRow("busy") << S::Busy << true << true << V::Live;
        QTest::newRow("disconnected after a device")
            << S::Disconnected << false << true << V::Stale;
        QTest::newRow("lost") << S::Lost << true << true << V::Stale;
        QTest::newRow("reconnecting") << S::Reconnecting << true << true << V::Stale;
        QTest::newRow("next device identifying") << S::Identifying << false << true << V::Stale;
        QTest::newRow("ready without a model") << S::Ready << false << false << V::NoDevice;
    }
    void viewFor()
    {
        using S = LinkController::State;
        using V = PageDeviceGate::View;
        QFETCH(S, state);
        QFETCH(bool, identifiedNow);
        QFETCH(bool, everIdentified);
        QFETCH(V, view);
        QCOMPARE(PageDeviceGate::ViewFor(state, identifiedNow, everIdentified), view);
    }

    void outputPage_beforeDuringAndAfterADevice()
    {
        PageTestEnv env;
        LinkController controller(std::make_unique<FakeBackend>());
        Ui_Output page;
        page.resize(1300, 800);
        auto *gate = new PageDeviceGate(&page, page.readAllButton(), &controller);
        page.show();

        // Before: disabled, blank choices, one line to connect first.
        QCOMPARE(gate->view(), PageDeviceGate::View::NoDevice);
        QVERIFY(!page.isEnabled());
        QVERIFY(!page.resolutionCombo()->isEnabled());
        QVERIFY(!page.readAllButton()->isEnabled());
        for (QComboBox *combo : {page.resolutionCombo(), page.hdcpCombo(), page.vkaCombo(),
                                 page.itcCombo(), page.fourKAutoCombo()}) {
            QCOMPARE(combo->currentIndex(), -1);
            QCOMPARE(combo->currentText(), QString());
        }
        QVERIFY(gate->notice()->isVisible());
        QCOMPARE(gate->notice()->text(),
                 QStringLiteral("No device yet: connect to the device on the Connect page first."));
        // A click on a disabled control queues nothing.
        QTest::mouseClick(page.readAllButton(), Qt::LeftButton);
        QCOMPARE(QueuedCommands_Take(), QList<QByteArray> {});

        // A language switch keeps the page blank.
        page.RefreshTexts(false, false);
        gate->reapply();
        QCOMPARE(page.itcCombo()->currentIndex(), -1);

        identify(controller);
        QCOMPARE(controller.state(), LinkController::State::Synchronising);
        QCOMPARE(gate->view(), PageDeviceGate::View::Live);
        QVERIFY(page.isEnabled());
        QVERIFY(!gate->notice()->isVisible());
        page.outputSetItc(1);

        // Closed: the last values stay, greyed, with the line saying so.
        controller.close();
        QCOMPARE(gate->view(), PageDeviceGate::View::Stale);
        QVERIFY(!page.isEnabled());
        QCOMPARE(page.itcCombo()->currentIndex(), 1);
        QVERIFY(gate->notice()->isVisible());
        QCOMPARE(gate->notice()->text(),
                 QStringLiteral("Not connected: the values shown are from the last connection and "
                                "may be out of date."));
    }

    void lostTcpLink_greysThePage()
    {
        PageTestEnv env;
        LinkController controller(std::make_unique<FakeBackend>());
        Ui_System page;
        auto *gate = new PageDeviceGate(&page, page.readAllButton(), &controller);
        identify(controller);
        QVERIFY(page.isEnabled());
        controller.reportReconnectFailed(LinkKind::Tcp);
        QCOMPARE(gate->view(), PageDeviceGate::View::Stale);
        QVERIFY(!page.isEnabled());
    }

    void chinese_noticeFollowsTheLanguage()
    {
        PageTestEnv env;
        Key_LanguageIsEnglish = QStringLiteral("0");
        LinkController controller(std::make_unique<FakeBackend>());
        Ui_Audio page;
        auto *gate = new PageDeviceGate(&page, page.readAllButton(), &controller);
        QCOMPARE(gate->notice()->text(),
                 QStringLiteral("尚未连接设备：请先在“连接”页面连接设备。"));
        Key_LanguageIsEnglish = QStringLiteral("1");
        gate->reapply();
        QCOMPARE(gate->notice()->text(),
                 QStringLiteral("No device yet: connect to the device on the Connect page first."));
    }

    void notice_sitsBesideReadAll_insideThePage()
    {
        PageTestEnv env;
        LinkController controller(std::make_unique<FakeBackend>());
        Ui_Multiview page;
        page.resize(1344, 870);
        auto *gate = new PageDeviceGate(&page, page.readAllButton(), &controller);
        const QRect button = page.readAllButton()->geometry();
        const QRect notice = gate->notice()->geometry();
        QVERIFY(notice.left() > button.right());
        QVERIFY(notice.top() <= button.top() && notice.bottom() >= button.bottom());
        QVERIFY(page.rect().contains(notice));
        QVERIFY(gate->notice()->heightForWidth(notice.width()) <= notice.height());
    }
};

QTEST_MAIN(TestDeviceGate)
#include "tst_device_gate.moc"
