// The multiview page's controls: each operator action queues exactly the catalogue's bytes
// (or nothing where the device's state rules the command out) and announces it; the PIP
// position/size coupling; the scene confirmations.
#include "app/config_file.h"
#include "app/language_texts.h"
#include "page_harness.h"
#include "support/modal_box_driver.h"
#include "support/test_runtime.h"
#include "ui/message_box.h"
#include "ui/page_widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using Action = std::function<void(Ui_Multiview &)>;
Q_DECLARE_METATYPE(Action)

namespace {
// Some buttons sit in rows the page keeps hidden until the device reports its layout.
void Click(QAbstractButton *button)
{
    button->click();
}

// What the operator's choice in an open popup amounts to.

void Type(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestMultiviewControls : public QObject
{
    Q_OBJECT

private:
    MultiviewTestRun m_run;

private slots:
    void init() { m_run.reset(); }

    void action_queuesExactly_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArrayList>("queued");

        const char *modes[] = {"SINGLE", "PIP", "PBP", "3xWIN", "4xWIN"};
        for (int m = 0; m < 5; ++m)
            QTest::addRow("mode button %s", modes[m])
                << "mode=3" << Action([m](Ui_Multiview &p) { Click(p.modeButton(m)); })
                << QByteArrayList {QByteArray("SET MULTIVIEW ") + modes[m] + '\r'};

        const Action aspect169 = [](Ui_Multiview &p) { Choose(p.aspectCombo(), 1); };
        QTest::newRow("aspect in 3xWIN")
            << "mode=3" << aspect169 << Lines {"SET 3xWIN ASPECT 16:9\r"};
        QTest::newRow("aspect full in PBP")
            << "mode=2" << Action([](Ui_Multiview &p) { Choose(p.aspectCombo(), 0); })
            << Lines {"SET PBP ASPECT FULL\r"};
        QTest::newRow("aspect in PIP") << "mode=1" << aspect169 << QByteArrayList();
        QTest::newRow("aspect in SINGLE") << "mode=0" << aspect169 << QByteArrayList();

        const Action variant3 = [](Ui_Multiview &p) { Choose(p.variantCombo(), 2); };
        QTest::newRow("variant counts from one")
            << "mode=2" << variant3 << Lines {"SET PBP MODE 3\r"};
        QTest::newRow("variant 4xWIN")
            << "mode=4" << Action([](Ui_Multiview &p) { Choose(p.variantCombo(), 5); })
            << Lines {"SET 4xWIN MODE 6\r"};
        QTest::newRow("variant in PIP") << "mode=1" << variant3 << QByteArrayList();

        QTest::newRow("position") << "mode=1"
                                  << Action([](Ui_Multiview &p) { Choose(p.positionCombo(), 1); })
                                  << Lines {"SET PIP POS RightTop\r"};
        QTest::newRow("size") << "mode=1"
                              << Action([](Ui_Multiview &p) { Choose(p.sizeCombo(), 1); })
                              << Lines {"SET PIP SIZE MIDDLE\r"};
        QTest::newRow("position outside PIP")
            << "mode=2" << Action([](Ui_Multiview &p) { Choose(p.positionCombo(), 0); })
            << QByteArrayList();

        const Action readRect = [](Ui_Multiview &p) { Click(p.userRectangleReadButton()); };
        QTest::newRow("rectangle read PIP user")
            << "mode=1 pos=4 size=3" << readRect << Lines {"GET PIP USER\r"};
        QTest::newRow("rectangle read PBP presenter")
            << "mode=2 variant=2" << readRect << Lines {"GET PBP-PRESENTER\r"};
        QTest::newRow("rectangle read PBP first")
            << "mode=2 variant=0" << readRect << QByteArrayList();
        QTest::newRow("rectangle read PIP fixed")
            << "mode=1 pos=0 size=0" << readRect << QByteArrayList();

        QTest::newRow("rectangle write") << "mode=1 pos=4 size=3" << Action([](Ui_Multiview &p) {
            const char *values[] = {"10", "20", "300", "9999"};
            for (int i = 0; i < 4; ++i)
                Type(p.userRectangleEdit(i), QLatin1String(values[i]));
            Click(p.userRectangleWriteButton());
        }) << Lines {"SET PIP USER 10 20 300 9999\r"};
        QTest::newRow("rectangle write empty and refused digits")
            << "mode=2 variant=2" << Action([](Ui_Multiview &p) {
                   Type(p.userRectangleEdit(0), QStringLiteral("12345")); // fifth digit refused
                   Type(p.userRectangleEdit(1), QStringLiteral("-7x")); // only 7 taken
                   p.userRectangleEdit(2)->clear();
                   Type(p.userRectangleEdit(3), QStringLiteral("0"));
                   Click(p.userRectangleWriteButton());
               })
            << Lines {"SET PBP-PRESENTER 1234 7 0 0\r"};
        // No separator, sign or blank gets in: nothing can read as 0 that shows otherwise.
        QTest::newRow("rectangle write separators refused")
            << "mode=1 pos=4 size=3" << Action([](Ui_Multiview &p) {
                   Type(p.userRectangleEdit(0), QStringLiteral("1,920"));
                   Type(p.userRectangleEdit(1), QStringLiteral("+5"));
                   Type(p.userRectangleEdit(2), QStringLiteral("3 4"));
                   Type(p.userRectangleEdit(3), QStringLiteral("1.5"));
                   Click(p.userRectangleWriteButton());
               })
            << Lines {"SET PIP USER 1920 5 34 15\r"};
        QTest::newRow("rectangle write PIP fixed")
            << "mode=1 pos=2 size=1"
            << Action([](Ui_Multiview &p) { Click(p.userRectangleWriteButton()); })
            << QByteArrayList();

        const Action readResolution = [](Ui_Multiview &p) { Click(p.inputResolutionReadButton()); };
        QTest::newRow("input resolution")
            << "mode=0" << readResolution << Lines {"GET IN RESOLUTION\r"};
        QTest::newRow("input resolution in PIP") << "mode=1" << readResolution << QByteArrayList();
        QTest::newRow("auto switch on")
            << "mode=0" << Action([](Ui_Multiview &p) { Click(p.autoSwitchButton(true)); })
            << Lines {"SET AUTO SWITCH ON\r"};
        QTest::newRow("auto switch off")
            << "mode=0" << Action([](Ui_Multiview &p) { Click(p.autoSwitchButton(false)); })
            << Lines {"SET AUTO SWITCH OFF\r"};
        QTest::newRow("auto switch in 4xWIN")
            << "mode=4" << Action([](Ui_Multiview &p) { Click(p.autoSwitchButton(true)); })
            << QByteArrayList();

        const auto source
            = [](int k) { return Action([k](Ui_Multiview &p) { Click(p.sourceButton(k)); }); };
        QTest::newRow("button 20: window 3, source 3 on Marlet")
            << "model=2 mode=4" << source(20) << Lines {"SET WINDOW3 IN HDMI3\r"};
        QTest::newRow("button 8 on Marlet")
            << "model=2" << source(8) << Lines {"SET WINDOW1 IN USB-C\r"};
        QTest::newRow("button 35 on Tessin")
            << "model=3" << source(35) << Lines {"SET WINDOW4 IN USB-C\r"};
        QTest::newRow("button 13 on Brimo")
            << "model=4" << source(12) << Lines {"SET WINDOW2 IN DP\r"};
        QTest::newRow("button 4 on Halden")
            << "model=0" << source(4) << Lines {"SET WINDOW1 IN USB-C\r"};
        QTest::newRow("button 4 on Corvo (no fifth input)")
            << "model=1" << source(4) << QByteArrayList();
        QTest::newRow("button 7 on Brimo (no eighth input)")
            << "model=4" << source(7) << QByteArrayList();
        QTest::newRow("button before identification") << "model=5" << source(0) << QByteArrayList();

        QTest::newRow("read all") << "mode=4"
                                  << Action([](Ui_Multiview &p) { Click(p.readAllButton()); })
                                  << Lines {"GET MULTIVIEW-SYNC\r"};
    }
    void action_queuesExactly()
    {
        QFETCH(QString, state);
        QFETCH(Action, action);
        QFETCH(QByteArrayList, queued);
        ApplyDeviceState(state);
        Ui_Multiview page;
        QueuedCommands_Start(LinkModeTcp);
        QSignalSpy emitted(&page, &Ui_Multiview::SGL_UpdateEmit);
        action(page);
        QCOMPARE(QueuedCommands_Peek(), queued);
        // Every action announces itself, even when the catalogue queued nothing.
        QCOMPARE(emitted.count(), 1);
    }

    // A device value the fields cannot send as shown refuses the Write: nothing goes out,
    // not even the send trigger, and the fields at fault are marked until corrected.
    void rectangleWrite_deviceValueBeyondRange_refusedAndMarked()
    {
        ApplyDeviceState(QStringLiteral("mode=1 pos=4 size=3"));
        Ui_Multiview page;
        page.multiviewSetUserRectangle(10000, 4294967295u, 9999, 5);
        QCOMPARE(page.userRectangleEdit(1)->text(), QStringLiteral("4294967295"));
        QueuedCommands_Start(LinkModeTcp);
        QSignalSpy emitted(&page, &Ui_Multiview::SGL_UpdateEmit);
        Click(page.userRectangleWriteButton());
        QCOMPARE(QueuedCommands_Peek(), QByteArrayList());
        QCOMPARE(emitted.count(), 0);
        const bool marked[4] = {true, true, false, false};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Page_IsRefused(page.userRectangleEdit(i)), marked[i]);
            if (marked[i])
                QCOMPARE(page.userRectangleEdit(i)->toolTip(),
                         QStringLiteral("Not sent: enter a whole number from 0 to 9999."));
        }

        Type(page.userRectangleEdit(0), QStringLiteral("100"));
        QVERIFY(!Page_IsRefused(page.userRectangleEdit(0)));
        page.multiviewSetUserRectangle(100, 200, 300, 400); // the device's report clears the rest
        QVERIFY(!Page_IsRefused(page.userRectangleEdit(1)));
        Click(page.userRectangleWriteButton());
        QCOMPARE(QueuedCommands_Peek(), Lines {"SET PIP USER 100 200 300 400\r"});
        QCOMPARE(emitted.count(), 1);
    }

    void positionUser_dragsSizeAlong_onlyPositionSent()
    {
        ApplyDeviceState(QStringLiteral("mode=1 pos=0 size=0"));
        Ui_Multiview page;
        page.sizeCombo()->setCurrentIndex(0);
        QueuedCommands_Start(LinkModeTcp);
        Choose(page.positionCombo(), 4);
        QCOMPARE(page.sizeCombo()->currentIndex(), 3);
        QCOMPARE(DeviceState::pipSize, 3u);
        QCOMPARE(QueuedCommands_Peek(), Lines {"SET PIP POS USER\r"});

        // The device confirms the position: the picture is the free one in both respects.
        PageReplies pages(page);
        pages.line("PIP POS USER");
        QCOMPARE(page.shownPicture(), QStringLiteral("/APP/Image/MultiView/PIP_USER_USER.png"));
        QCOMPARE(page.positionCombo()->currentIndex(), 4);
    }

    void coupling_data()
    {
        QTest::addColumn<bool>("touchPosition");
        QTest::addColumn<int>("otherBefore");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("otherAfter");
        QTest::addColumn<QString>("otherState"); // DeviceState afterwards
        QTest::addColumn<QByteArrayList>("queued");
        QTest::newRow("position USER")
            << true << 1 << 4 << 3 << "size=3" << Lines {"SET PIP POS USER\r"};
        QTest::newRow("position leaves USER")
            << true << 3 << 0 << 2 << "size=2" << Lines {"SET PIP POS LeftTop\r"};
        QTest::newRow("position, size not USER")
            << true << 1 << 2 << 1 << "size=0" << Lines {"SET PIP POS LeftBottom\r"};
        QTest::newRow("size USER")
            << false << 0 << 3 << 4 << "pos=4" << Lines {"SET PIP SIZE USER\r"};
        QTest::newRow("size leaves USER")
            << false << 4 << 0 << 3 << "pos=3" << Lines {"SET PIP SIZE SMALL\r"};
        QTest::newRow("size, position not USER")
            << false << 2 << 1 << 2 << "pos=0" << Lines {"SET PIP SIZE MIDDLE\r"};
    }
    void coupling()
    {
        QFETCH(bool, touchPosition);
        QFETCH(int, otherBefore);
        QFETCH(int, chosen);
        QFETCH(int, otherAfter);
        QFETCH(QString, otherState);
        QFETCH(QByteArrayList, queued);
        ApplyDeviceState(QStringLiteral("mode=1 pos=0 size=0"));
        Ui_Multiview page;
        QComboBox *touched = touchPosition ? page.positionCombo() : page.sizeCombo();
        QComboBox *other = touchPosition ? page.sizeCombo() : page.positionCombo();
        other->setCurrentIndex(otherBefore);
        QueuedCommands_Start(LinkModeTcp);
        Choose(touched, chosen);
        QCOMPARE(other->currentIndex(), otherAfter);
        const QString key = otherState.section(QLatin1Char('='), 0, 0);
        QCOMPARE(DeviceStateMap().value(key), otherState.section(QLatin1Char('='), 1));
        QCOMPARE(QueuedCommands_Peek(), queued);
    }

    void scenes_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QByteArrayList>("queued");
        QTest::addColumn<QString>("nameAfter"); // of scene `index`
        const QString yes = QLatin1String(MessageBox_YesText);
        const QString no = QLatin1String(MessageBox_NoText);
        QTest::newRow("save confirmed, named")
            << true << 3 << yes << "Studio A" << Lines {"SET SAVE SCENE 4\r"} << "Studio A";
        QTest::newRow("save confirmed, no name")
            << true << 0 << yes << "" << Lines {"SET SAVE SCENE 1\r"} << "Layout-1";
        QTest::newRow("save last scene")
            << true << 19 << yes << "End" << Lines {"SET SAVE SCENE 20\r"} << "End";
        QTest::newRow("save declined")
            << true << 3 << no << "Studio A" << QByteArrayList() << "Layout-4";
        QTest::newRow("save closed") << true << 3 << ModalBoxDriver::CloseWindow << "Studio A"
                                     << QByteArrayList() << "Layout-4";
        QTest::newRow("load confirmed")
            << false << 19 << yes << "" << Lines {"SET LOAD SCENE 20\r"} << "Layout-20";
        QTest::newRow("load declined") << false << 0 << no << "" << QByteArrayList() << "Layout-1";
    }
    void scenes()
    {
        QFETCH(bool, save);
        QFETCH(int, index);
        QFETCH(QString, answer);
        QFETCH(QString, typedName);
        QFETCH(QByteArrayList, queued);
        QFETCH(QString, nameAfter);
        Ui_Multiview page;
        Type(page.layoutNameEdit(), typedName);
        QSignalSpy emitted(&page, &Ui_Multiview::SGL_UpdateEmit);
        ModalBoxDriver boxes;
        boxes.answer(answer);
        Choose(save ? page.saveCombo() : page.loadCombo(), index);

        QCOMPARE(boxes.texts(), QStringList {save ? "Save Confirm?" : "Load Confirm?"});
        QCOMPARE(QueuedCommands_Peek(), queued);
        QCOMPARE(emitted.count(), queued.size());
        QCOMPARE(ScomboBox_Layout[index], nameAfter);
        QCOMPARE(page.saveCombo()->itemText(index), nameAfter);
        QCOMPARE(page.loadCombo()->itemText(index), nameAfter);
        // A name is used up by the save that took it; a declined save keeps it for the next.
        const bool renamed = save && !queued.isEmpty() && !typedName.isEmpty();
        QCOMPARE(page.layoutNameEdit()->text(), renamed ? QString() : typedName);
    }

    void sceneName_isSavedWithTheLanguageFile()
    {
        Ui_Multiview page;
        Type(page.layoutNameEdit(), QStringLiteral("Lectern"));
        ModalBoxDriver boxes;
        boxes.answer(QLatin1String(MessageBox_YesText));
        Choose(page.saveCombo(), 7);
        Config_SaveAll();
        QVERIFY(m_run.runtime.lines(EnglishIni).contains("ScomboBox_Layout[7]=Lectern"));
        QVERIFY(m_run.runtime.lines(EnglishIni).contains("ScomboBox_Layout[8]=Layout-9"));
    }

    // A pasted line break would split the positional language file.
    void sceneName_dropsControlCharacters()
    {
        Ui_Multiview page;
        page.layoutNameEdit()->setText(QStringLiteral("Two\r\nLines\t"));
        ModalBoxDriver boxes;
        boxes.answer(QLatin1String(MessageBox_YesText));
        Choose(page.saveCombo(), 1);
        QCOMPARE(ScomboBox_Layout[1], QStringLiteral("TwoLines"));

        page.layoutNameEdit()->setText(QStringLiteral("\n"));
        boxes.answer(QLatin1String(MessageBox_YesText));
        Choose(page.saveCombo(), 2);
        QCOMPARE(ScomboBox_Layout[2], QStringLiteral("Layout-3"));
        QCOMPARE(QueuedCommands_Peek(), (Lines {"SET SAVE SCENE 2\r", "SET SAVE SCENE 3\r"}));
    }

    void nothingQueued_withoutActiveLink()
    {
        ApplyDeviceState(QStringLiteral("model=2 mode=4"));
        Ui_Multiview page;
        LinkMode = LinkModeNone;
        Click(page.sourceButton(20));
        Click(page.modeButton(1));
        LinkMode = LinkModeTcp;
        QCOMPARE(QueuedCommands_Peek(), QByteArrayList());
    }
};

QTEST_MAIN(TestMultiviewControls)
#include "tst_multiview_controls.moc"
