// The multiview page against the simulator, for every model: layouts, their options and the
// window sources chosen on the page change the device, and the page follows what the device
// restates; scenes are saved and loaded.
#include "e2e/support/e2e_panel.h"
#include "support/sim_device.h"

#include "app/language_texts.h"
#include "state/device_state.h"
#include "state/vocabulary.h"
#include "support/model_facts.h"
#include "support/operator_input.h"
#include "ui/message_box.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {
void addModelRows()
{
    QTest::addColumn<int>("model");
    for (int model = 0; model < ModelCount; ++model)
        QTest::newRow(ModelNames[model]) << model;
}

QString Picture(const QString &name)
{
    return QStringLiteral("/APP/Image/MultiView/%1.png").arg(name);
}

// A panel connected over TCP to a simulated device of the model, identified, with the read-all
// answered.
struct Bench
{
    SimDevice sim;
    std::unique_ptr<E2ePanel> panel;

    bool open(int model)
    {
        if (!sim.start({"--model", ModelNames[model]}))
            return false;
        panel = std::make_unique<E2ePanel>();
        panel->connectTcp(sim.tcpPort());
        if (!panel->waitForIdentification(model) || !panel->waitForLinkIdle())
            return false;
        panel->window().tabWidget()->setCurrentWidget(&page()); // the operator opens the tab
        return page().isVisible();
    }

    Ui_Multiview &page() const { return *panel->window().multiviewPage(); }

    // Runs the operator's action and waits until its whole exchange with the device is over;
    // the lines the device received meanwhile.
    template <class Action>
    QStringList exchange(Action action)
    {
        const int from = sim.received().size();
        action();
        if (!panel->waitForLinkIdle())
            return {QStringLiteral("<still busy>")};
        return sim.received().mid(from);
    }

    // The device's last restatement of the multiview configuration.
    QString lastRestatement() const
    {
        const QStringList sent = sim.sent();
        for (int i = sent.size() - 1; i >= 0; --i) {
            if (sent.at(i).startsWith(QLatin1String("MULTIVIEW-SYNC ")))
                return sent.at(i);
        }
        return QString();
    }
};

int FlatInRow(const Ui_Multiview &page, int row)
{
    int flat = -1;
    for (int c = 0; c < Ui_Multiview::SourceColumns; ++c) {
        if (page.sourceButton(row * Ui_Multiview::SourceColumns + c)->isFlat())
            flat = flat < 0 ? c : 99;
    }
    return flat;
}

int VisibleButtons(const Ui_Multiview &page)
{
    int count = 0;
    for (int k = 0; k < Ui_Multiview::SourceButtonCount; ++k)
        count += page.sourceButton(k)->isVisible() ? 1 : 0;
    return count;
}
} // namespace

class TestE2eMultiview : public QObject
{
    Q_OBJECT

private slots:
    // Each layout button changes the device's layout; the device announces it, the page asks
    // for the whole configuration and shows what the device restates.
    void layouts_data() { addModelRows(); }
    void layouts()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY2(b.open(model), qPrintable(b.sim.error()));
        Ui_Multiview &page = b.page();
        const int inputs = TestInputCounts[model];
        QCOMPARE(DeviceState::multiviewMode, 0u); // the device's factory layout, read at start
        QVERIFY(page.modeButton(0)->isFlat());
        QCOMPARE(page.shownPicture(), Picture("SINGLE"));

        const struct
        {
            int mode;
            const char *picture;
            int windows;
        } steps[] = {{1, "PIP_RightBottom_SMALL", 2},
                     {2, "PBP_1_FULL", 2},
                     {3, "3xWIN_1_FULL", 3},
                     {4, "4xWIN_1_FULL", 4},
                     {0, "SINGLE", 1}};
        for (const auto &step : steps) {
            const QString word = QLatin1String(MultiviewModeWords[step.mode]);
            QCOMPARE(
                b.exchange([&] { QTest::mouseClick(page.modeButton(step.mode), Qt::LeftButton); }),
                QStringList({"SET MULTIVIEW " + word, "GET MULTIVIEW-SYNC"}));
            QVERIFY(b.lastRestatement().startsWith("MULTIVIEW-SYNC " + word + ' '));
            QCOMPARE(DeviceState::multiviewMode, quint32(step.mode));
            for (int m = 0; m < Ui_Multiview::ModeCount; ++m)
                QCOMPARE(page.modeButton(m)->isFlat(), m == step.mode);
            QCOMPARE(page.shownPicture(), Picture(QLatin1String(step.picture)));
            QCOMPARE(VisibleButtons(page), step.windows * inputs);
            // The device's factory sources: window n shows input n (as far as the model has it).
            for (int w = 0; w < step.windows; ++w)
                QCOMPARE(FlatInRow(page, w), w < inputs ? w : -1);
        }
        QCOMPARE(b.panel->boxes().count(), 0);
    }

    // PBP's aspect and variants, the presenter's capture rectangle, and a window's source.
    void pbpOptionsAndSources_data() { addModelRows(); }
    void pbpOptionsAndSources()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY2(b.open(model), qPrintable(b.sim.error()));
        Ui_Multiview &page = b.page();
        b.exchange([&] { page.modeButton(2)->click(); });
        QCOMPARE(page.variantCombo()->count(), 3); // the simulator offers three PBP variants

        QCOMPARE(b.exchange([&] { Choose(page.aspectCombo(), 1); }),
                 QStringList {"SET PBP ASPECT 16:9"});
        QCOMPARE(DeviceState::layoutAspect, 1);
        QCOMPARE(page.shownPicture(), Picture("PBP_1_169"));

        // The presenter variant: its rectangle is asked for at once and shown.
        QCOMPARE(b.exchange([&] { Choose(page.variantCombo(), 2); }),
                 QStringList({"SET PBP MODE 3", "GET PBP-PRESENTER"}));
        QCOMPARE(page.shownPicture(), Picture("PBP_3_169"));
        QVERIFY(page.userRectangleGroup()->isVisible());
        QCOMPARE(page.userRectangleCaption()->text(), Slabel_CaptureDisplay_1);
        const char *factory[] = {"0", "0", "960", "1080"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(page.userRectangleEdit(i)->text(), QLatin1String(factory[i]));

        const char *typed[] = {"120", "80", "1280", "720"};
        for (int i = 0; i < 4; ++i) {
            page.userRectangleEdit(i)->clear();
            QTest::keyClicks(page.userRectangleEdit(i), QLatin1String(typed[i]));
        }
        QCOMPARE(b.exchange([&] { page.userRectangleWriteButton()->click(); }),
                 QStringList {"SET PBP-PRESENTER 120 80 1280 720"});
        for (int i = 0; i < 4; ++i)
            page.userRectangleEdit(i)->clear();
        QCOMPARE(b.exchange([&] { page.userRectangleReadButton()->click(); }),
                 QStringList {"GET PBP-PRESENTER"});
        for (int i = 0; i < 4; ++i)
            QCOMPARE(page.userRectangleEdit(i)->text(), QLatin1String(typed[i]));

        // Window 2 takes the model's last input.
        const int last = TestInputCounts[model] - 1;
        const QString word = QLatin1String(WindowInputWords[model].words[last]);
        QCOMPARE(
            b.exchange([&] { QTest::mouseClick(page.sourceButton(9 + last), Qt::LeftButton); }),
            QStringList {"SET WINDOW2 IN " + word});
        QCOMPARE(FlatInRow(page, 1), last);
        QCOMPARE(DeviceState::windowSource[1], quint32(last));

        // The device's own restatement agrees with everything chosen.
        // The restatement passes layout, aspect and variant to the page; each shows the
        // rectangle and asks for it.
        QCOMPARE(b.exchange([&] { page.readAllButton()->click(); }),
                 QStringList({"GET MULTIVIEW-SYNC", "GET PBP-PRESENTER", "GET PBP-PRESENTER",
                              "GET PBP-PRESENTER"}));
        QCOMPARE(b.lastRestatement(),
                 QStringLiteral("MULTIVIEW-SYNC PBP HDMI1 %1 NULL NULL 16:9 3 3").arg(word));
        QCOMPARE(FlatInRow(page, 0), 0);
        QCOMPARE(FlatInRow(page, 1), last);
        QCOMPARE(page.variantCombo()->currentIndex(), 2);
        QCOMPARE(page.aspectCombo()->currentIndex(), 1);
        QCOMPARE(b.panel->boxes().count(), 0);
    }

    // PIP: a USER position drags the size along on the page and on the device; leaving USER
    // puts the position back in a corner.
    void pipCoupling_data() { addModelRows(); }
    void pipCoupling()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY2(b.open(model), qPrintable(b.sim.error()));
        Ui_Multiview &page = b.page();
        b.exchange([&] { page.modeButton(1)->click(); });
        QCOMPARE(page.positionCombo()->currentIndex(), 3);
        QCOMPARE(page.sizeCombo()->currentIndex(), 0);

        // Position, size and picture each ask for the rectangle once they show it.
        QCOMPARE(b.exchange([&] { Choose(page.positionCombo(), 4); }),
                 QStringList({"SET PIP POS USER", "GET PIP USER", "GET PIP USER"}));
        QCOMPARE(page.sizeCombo()->currentIndex(), 3);
        QCOMPARE(DeviceState::pipPosition, 4u);
        QCOMPARE(DeviceState::pipSize, 3u);
        QCOMPARE(page.shownPicture(), Picture("PIP_USER_USER"));
        QVERIFY(page.userRectangleGroup()->isVisible());
        QCOMPARE(page.userRectangleCaption()->text(), Slabel_CaptureDisplay_2);
        QCOMPARE(page.userRectangleEdit(0)->text(), QStringLiteral("1440"));

        QCOMPARE(b.exchange([&] { Choose(page.sizeCombo(), 1); }),
                 QStringList {"SET PIP SIZE MIDDLE"});
        QCOMPARE(page.positionCombo()->currentIndex(), 3);
        QCOMPARE(DeviceState::pipPosition, 3u);
        QCOMPARE(page.shownPicture(), Picture("PIP_RightBottom_MIDDLE"));
        QVERIFY(!page.userRectangleGroup()->isVisible());

        b.exchange([&] { page.readAllButton()->click(); });
        QCOMPARE(b.lastRestatement(),
                 QStringLiteral("MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL RightBottom MIDDLE"));
    }

    // SINGLE: auto switching and the input resolution; 3xWIN and 4xWIN variants.
    void singleAndVariants_data() { addModelRows(); }
    void singleAndVariants()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY2(b.open(model), qPrintable(b.sim.error()));
        Ui_Multiview &page = b.page();
        QVERIFY(page.autoSwitchButton(false)->isFlat()); // the factory setting
        QCOMPARE(
            b.exchange([&] { QTest::mouseClick(page.autoSwitchButton(true), Qt::LeftButton); }),
            QStringList {"SET AUTO SWITCH ON"});
        QVERIFY(page.autoSwitchButton(true)->isFlat());
        QVERIFY(!page.autoSwitchButton(false)->isFlat());
        const QString resolution = page.inputResolutionEdit()->text();
        QVERIFY(!resolution.isEmpty());
        page.inputResolutionEdit()->clear();
        QCOMPARE(b.exchange([&] { page.inputResolutionReadButton()->click(); }),
                 QStringList {"GET IN RESOLUTION"});
        QCOMPARE(page.inputResolutionEdit()->text(), resolution);

        b.exchange([&] { page.modeButton(3)->click(); });
        QCOMPARE(page.variantCombo()->count(), 4);
        QCOMPARE(b.exchange([&] { Choose(page.variantCombo(), 3); }),
                 QStringList {"SET 3xWIN MODE 4"});
        QCOMPARE(page.shownPicture(), Picture("3xWIN_4_FULL"));

        b.exchange([&] { page.modeButton(4)->click(); });
        QCOMPARE(page.variantCombo()->count(), 6);
        b.exchange([&] { Choose(page.aspectCombo(), 1); });
        QCOMPARE(b.exchange([&] { Choose(page.variantCombo(), 5); }),
                 QStringList {"SET 4xWIN MODE 6"});
        QCOMPARE(page.shownPicture(), Picture("4xWIN_6_169"));
        QCOMPARE(b.panel->boxes().count(), 0);
    }

    // A scene keeps the whole arrangement on the device; loading it restates it and the page
    // follows. The typed name becomes the scene's name on the page.
    void scenes_data() { addModelRows(); }
    void scenes()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY2(b.open(model), qPrintable(b.sim.error()));
        Ui_Multiview &page = b.page();
        ModalBoxDriver &boxes = b.panel->boxes();
        b.exchange([&] { page.modeButton(4)->click(); });
        b.exchange([&] { Choose(page.aspectCombo(), 1); });
        b.exchange([&] { Choose(page.variantCombo(), 1); });
        b.exchange([&] { page.sourceButton(0 * 9 + 3)->click(); }); // window 1: input 4
        b.exchange([&] { page.sourceButton(3 * 9 + 0)->click(); }); // window 4: input 1
        const auto input
            = [model](int i) { return QLatin1String(WindowInputWords[model].words[i]); };
        const QString saved = QStringLiteral("MULTIVIEW-SYNC 4xWIN %1 %2 %3 %4 16:9 2 6")
                                  .arg(input(3), input(1), input(2), input(0));
        b.exchange([&] { page.readAllButton()->click(); });
        QCOMPARE(b.lastRestatement(), saved);

        QTest::keyClicks(page.layoutNameEdit(), QStringLiteral("Desk"));
        boxes.answer(QLatin1String(MessageBox_YesText));
        QCOMPARE(b.exchange([&] { Choose(page.saveCombo(), 4); }),
                 QStringList {"SET SAVE SCENE 5"});
        QCOMPARE(page.loadCombo()->itemText(4), QStringLiteral("Desk"));
        QCOMPARE(ScomboBox_Layout[4], QStringLiteral("Desk"));

        b.exchange([&] { page.modeButton(0)->click(); });
        QCOMPARE(DeviceState::multiviewMode, 0u);

        boxes.answer(QLatin1String(MessageBox_NoText));
        QCOMPARE(b.exchange([&] { Choose(page.loadCombo(), 4); }), QStringList());
        QCOMPARE(DeviceState::multiviewMode, 0u);

        boxes.answer(QLatin1String(MessageBox_YesText));
        QCOMPARE(b.exchange([&] { Choose(page.loadCombo(), 4); }),
                 QStringList {"SET LOAD SCENE 5"});
        // The device confirms and restates the arrangement it kept.
        QCOMPARE(b.sim.sent().mid(b.sim.sent().size() - 2),
                 QStringList({QStringLiteral("LOAD SCENE 5"), saved}));
        QVERIFY(page.modeButton(4)->isFlat());
        QCOMPARE(page.shownPicture(), Picture("4xWIN_2_169"));
        QCOMPARE(FlatInRow(page, 0), 3);
        QCOMPARE(FlatInRow(page, 3), 0);
        QCOMPARE(boxes.texts(), QStringList({"Save Confirm?", "Load Confirm?", "Load Confirm?"}));
    }
};

QTEST_MAIN(TestE2eMultiview)
#include "tst_multiview.moc"
