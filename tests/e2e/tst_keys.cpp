// The main window's keys against the simulator: each device key sends exactly the lines the
// mouse sends on the same control, and nothing before a device is identified; F1 lists the
// keys.
#include "e2e/support/e2e_panel.h"
#include "support/sim_device.h"

#include "support/model_facts.h"
#include "ui/ui_main.h"
#include "ui/ui_main_keys.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"

#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>

namespace {
using Step = std::function<void(Ui_Main &)>;
} // namespace
Q_DECLARE_METATYPE(Step)
namespace {

// A panel connected over TCP to a simulated Marlet, identified, read-all answered, showing
// the 4xWIN layout (every window row of the grid shown).
struct Bench
{
    SimDevice sim;
    std::unique_ptr<E2ePanel> panel;

    bool open()
    {
        if (!sim.start({"--model", TestModelNames[2]}))
            return false;
        panel = std::make_unique<E2ePanel>();
        panel->connectTcp(sim.tcpPort());
        if (!panel->waitForIdentification(2) || !panel->waitForLinkIdle())
            return false;
        exchange([](Ui_Main &w) { w.multiviewPage()->modeButton(4)->click(); });
        return true;
    }

    // The lines the device received for the step, once its whole exchange is over.
    QStringList exchange(const Step &step)
    {
        const int from = sim.received().size();
        step(panel->window());
        if (!panel->waitForLinkIdle())
            return {QStringLiteral("<still busy>")};
        return sim.received().mid(from);
    }
};

void key(Ui_Main &w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (!w.isActiveWindow()) { // window shortcuts reach the active window only
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void showTab(Ui_Main &w, QWidget *page)
{
    w.tabWidget()->setCurrentWidget(page);
    w.activateWindow();
    page->setFocus();
}

// Focus on source button k of the grid, with the multiview tab shown.
void focusSource(Ui_Main &w, int k)
{
    showTab(w, w.multiviewPage());
    w.multiviewPage()->sourceButton(k)->setFocus(Qt::TabFocusReason);
}
} // namespace

class TestKeys : public QObject
{
    Q_OBJECT

private slots:
    void key_sendsWhatTheMouseSends_data()
    {
        QTest::addColumn<Step>("byKey");
        QTest::addColumn<Step>("byMouse");
        QTest::addColumn<QStringList>("lines");
        const auto mode = [](int m) {
            return Step([m](Ui_Main &w) {
                showTab(w, w.multiviewPage());
                QTest::mouseClick(w.multiviewPage()->modeButton(m), Qt::LeftButton);
            });
        };
        const auto ctrl = [](int digit) {
            return Step([digit](Ui_Main &w) {
                showTab(w, w.outputPage()); // works from any tab
                key(w, Qt::Key_0 + digit, Qt::ControlModifier);
            });
        };
        QTest::newRow("Ctrl+2 PIP")
            << ctrl(2) << mode(1) << QStringList {"SET MULTIVIEW PIP", "GET MULTIVIEW-SYNC"};
        QTest::newRow("Ctrl+1 SINGLE")
            << ctrl(1) << mode(0) << QStringList {"SET MULTIVIEW SINGLE", "GET MULTIVIEW-SYNC"};
        QTest::newRow("Ctrl+5 4xWIN")
            << ctrl(5) << mode(4) << QStringList {"SET MULTIVIEW 4xWIN", "GET MULTIVIEW-SYNC"};

        const auto clickSource = [](int k) {
            return Step([k](Ui_Main &w) {
                showTab(w, w.multiviewPage());
                QTest::mouseClick(w.multiviewPage()->sourceButton(k), Qt::LeftButton);
            });
        };
        QTest::newRow("grid Right Down Space") << Step([](Ui_Main &w) {
            focusSource(w, 0);
            key(w, Qt::Key_Right);
            key(w, Qt::Key_Down);
            key(w, Qt::Key_Space);
        }) << clickSource(10) << QStringList {"SET WINDOW2 IN HDMI2"};
        QTest::newRow("grid Down Down Left Enter") << Step([](Ui_Main &w) {
            focusSource(w, 3);
            key(w, Qt::Key_Down);
            key(w, Qt::Key_Down);
            key(w, Qt::Key_Left);
            key(w, Qt::Key_Return);
        }) << clickSource(20) << QStringList {"SET WINDOW3 IN HDMI3"};
        QTest::newRow("grid edge stays, keypad Enter") << Step([](Ui_Main &w) {
            focusSource(w, 27);
            key(w, Qt::Key_Down); // the last row: stays
            key(w, Qt::Key_Left); // the first column: stays
            key(w, Qt::Key_Enter, Qt::KeypadModifier);
        }) << clickSource(27) << QStringList {"SET WINDOW4 IN HDMI1"};

        QTest::newRow("Ctrl+R on the output page")
            << Step([](Ui_Main &w) {
                   showTab(w, w.outputPage());
                   key(w, Qt::Key_R, Qt::ControlModifier);
               })
            << Step([](Ui_Main &w) {
                   showTab(w, w.outputPage());
                   QTest::mouseClick(w.outputPage()->readAllButton(), Qt::LeftButton);
               })
            << QStringList {"GET OUT RESOLUTION", "GET OUT HDCP", "GET OUT VKA", "GET OUT ITC",
                            "GET OUT 4K-AUTO"};
        QTest::newRow("Ctrl+R on the multiview page") << Step([](Ui_Main &w) {
            showTab(w, w.multiviewPage());
            key(w, Qt::Key_R, Qt::ControlModifier);
        }) << Step([](Ui_Main &w) {
            showTab(w, w.multiviewPage());
            QTest::mouseClick(w.multiviewPage()->readAllButton(), Qt::LeftButton);
        }) << QStringList {"GET MULTIVIEW-SYNC"};
        QTest::newRow("Ctrl+R on the connection page") << Step([](Ui_Main &w) {
            showTab(w, w.tabWidget()->widget(0));
            key(w, Qt::Key_R, Qt::ControlModifier);
        }) << Step([](Ui_Main &) {}) << QStringList {};
    }
    void key_sendsWhatTheMouseSends()
    {
        QFETCH(Step, byKey);
        QFETCH(Step, byMouse);
        QFETCH(QStringList, lines);
        Bench b;
        QVERIFY(b.open());
        QCOMPARE(b.exchange(byMouse), lines);
        QCOMPARE(b.exchange(byKey), lines);
    }

    void keys_beforeAndAfterADevice_sendNothing()
    {
        Bench b;
        QVERIFY(b.sim.start({"--model", TestModelNames[2]}));
        b.panel = std::make_unique<E2ePanel>();
        Ui_Main &w = b.panel->window();
        for (int digit = 1; digit <= 5; ++digit)
            key(w, Qt::Key_0 + digit, Qt::ControlModifier);
        key(w, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(b.sim.received(), QStringList {});

        b.panel->connectTcp(b.sim.tcpPort());
        QVERIFY(b.panel->waitForIdentification(2));
        QVERIFY(b.panel->waitForLinkIdle());
        b.panel->disconnect();
        QVERIFY(b.panel->waitForLinkClosed());
        const int before = b.sim.received().size();
        key(w, Qt::Key_2, Qt::ControlModifier);
        showTab(w, w.multiviewPage());
        key(w, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(b.sim.received().size(), before);
        QVERIFY(!w.multiviewPage()->isEnabled());
    }

    void f1_listsTheKeys()
    {
        Bench b;
        b.panel = std::make_unique<E2ePanel>();
        Ui_Main &w = b.panel->window();
        key(w, Qt::Key_F1);
        QVERIFY(b.panel->waitForBoxes(1));
        const QString text = b.panel->boxes().texts().first();
        QCOMPARE(text, Extra_Text(MainKeys_ListText, true));
        QVERIFY(text.contains(
            QStringLiteral("Ctrl+1 to Ctrl+5: layout SINGLE, PIP, PBP, 3xWIN, 4xWIN")));
        QVERIFY(text.contains(QStringLiteral("Ctrl+R: read the current page again")));
        QVERIFY(text.contains(QStringLiteral("Ctrl+P: device profiles (export, apply, compare)")));
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
