// The self-drawn frame: title bar layout, pictures and style sheet, dragging, the maximise
// toggle, the double-click rule and resizing from the edge bands.
#include "support/test_runtime.h"
#include "ui/my_frameless_dialog.h"
#include "ui/my_frameless_window.h"
#include "ui/my_ui_layout.h"

#include <QWindow>
#include <QtTest>

class TestFrame : public QObject
{
    Q_OBJECT

private slots:
    void titleBar_layoutFollowsWidth()
    {
        TestRuntime rt;
        MyFramelessWindow w;
        w.resize(800, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        FrameChrome *c = w.chrome();
        QCOMPARE(c->centralWidget()->objectName(), QStringLiteral("CentralWidget"));
        QCOMPARE(c->titleIcon()->objectName(), QStringLiteral("TitleBarIcon"));
        QCOMPARE(c->titleText()->objectName(), QStringLiteral("TitleBarText"));
        QCOMPARE(c->minButton()->objectName(), QStringLiteral("TitleBarMin"));
        QCOMPARE(c->maxButton()->objectName(), QStringLiteral("TitleBarMax"));
        QCOMPARE(c->closeButton()->objectName(), QStringLiteral("TitleBarClose"));
        QCOMPARE(c->centralWidget()->geometry(), QRect(0, 0, 800, 500));
        QCOMPARE(c->titleBar()->geometry(), QRect(0, 0, 800, 48));
        QCOMPARE(c->titleIcon()->geometry(), QRect(0, 0, 48, 48));
        QCOMPARE(c->titleText()->geometry(), QRect(48, 0, 608, 48));
        QCOMPARE(c->minButton()->geometry(), QRect(656, 0, 48, 48));
        QCOMPARE(c->maxButton()->geometry(), QRect(704, 0, 48, 48));
        QCOMPARE(c->closeButton()->geometry(), QRect(752, 0, 48, 48));
        QCOMPARE(c->contentArea()->geometry(), QRect(0, 48, 800, 452));

        w.resize(640, 300);
        QTRY_COMPARE(c->closeButton()->geometry(), QRect(592, 0, 48, 48));
        QCOMPARE(c->contentArea()->geometry(), QRect(0, 48, 640, 252));
    }

    void construction_sizeFlagsAndMinimum()
    {
        TestRuntime rt;
        MyFramelessWindow w;
        // On a small screen the minimum size wins over the computed height.
        QCOMPARE(w.size(),
                 Frame_DefaultSize(Frame_PrimaryScreenSize()).expandedTo(QSize(480, 270)));
        QCOMPARE(w.pos(), QPoint(120, 120));
        QCOMPARE(w.minimumSize(), QSize(480, 270));
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(w.isWindow());
        QVERIFY(w.chrome()->minButton()->isEnabled());
        QVERIFY(w.chrome()->maxButton()->isEnabled());
    }

    void dialog_disablesMinimiseAndMaximise()
    {
        TestRuntime rt;
        MyFramelessDialog d;
        QVERIFY(!d.chrome()->minButton()->isEnabled());
        QVERIFY(!d.chrome()->maxButton()->isEnabled());
        QVERIFY(d.chrome()->closeButton()->isEnabled());
        QVERIFY(d.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    void missingPicturesAndSheet_leaveFrameBare()
    {
        TestRuntime rt;
        MyFramelessWindow w;
        QVERIFY(w.chrome()->titleIcon()->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(w.chrome()->minButton()->icon().isNull());
        QVERIFY(w.chrome()->closeButton()->icon().isNull());
        QVERIFY(w.styleSheet().isEmpty());
    }

    void presentPicturesAndSheet_areUsed()
    {
        TestRuntime rt;
        rt.copyPictures();
        QVERIFY(rt.exists("/TitleBar/Image/App.png"));
        rt.write("/TitleBar/StyleSheet/SystemTitle.qss", "#TitleBarText { color: red; }");
        MyFramelessWindow w;
        QVERIFY(!w.chrome()->titleIcon()->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!w.chrome()->minButton()->icon().isNull());
        QVERIFY(!w.chrome()->maxButton()->icon().isNull());
        QVERIFY(!w.chrome()->closeButton()->icon().isNull());
        QCOMPARE(w.styleSheet(), QStringLiteral("#TitleBarText { color: red; }"));
        w.setTitleText(QStringLiteral(" Title"));
        QCOMPARE(w.chrome()->titleText()->text(), QStringLiteral(" Title"));
    }

    void maximiseToggle_flipsStateAndIcon()
    {
        TestRuntime rt;
        rt.copyPictures();
        MyFramelessWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const qint64 maxIcon = w.chrome()->maxButton()->icon().cacheKey();
        w.chrome()->maxButton()->click();
        QVERIFY(w.chrome()->isMaximised());
        QTRY_VERIFY(w.isMaximized());
        QVERIFY(w.chrome()->maxButton()->icon().cacheKey() != maxIcon);
        w.chrome()->maxButton()->click();
        QVERIFY(!w.chrome()->isMaximised());
        QTRY_VERIFY(!w.isMaximized());
    }

    void doubleClickOnTitleBar_onlyRestores()
    {
        TestRuntime rt;
        MyFramelessWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Normal window: stays normal.
        QTest::mouseDClick(w.chrome()->titleText(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!w.isMaximized());
        QVERIFY(!w.chrome()->isMaximised());

        w.chrome()->maxButton()->click();
        QTRY_VERIFY(w.isMaximized());
        QTest::mouseDClick(w.chrome()->titleText(), Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_VERIFY(!w.isMaximized());
        QVERIFY(!w.chrome()->isMaximised());

        // Below the title bar a double-click does nothing.
        w.chrome()->maxButton()->click();
        QTRY_VERIFY(w.isMaximized());
        QTest::mouseDClick(w.chrome()->contentArea(), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(w.isMaximized());
        QVERIFY(w.chrome()->isMaximised());
    }

    void dialogDoubleClick_stillRestores()
    {
        TestRuntime rt;
        MyFramelessDialog d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.showMaximized();
        QTRY_VERIFY(d.isMaximized());
        QTest::mouseDClick(d.chrome()->titleText(), Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY(!d.isMaximized());
    }

    void leftDrag_movesWindow_otherButtonsDoNot()
    {
        TestRuntime rt;
        MyFramelessWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint start = w.pos();
        QWidget *title = w.chrome()->titleText();
        QTest::mousePress(title, Qt::RightButton, {}, QPoint(100, 20));
        QTest::mouseMove(title, QPoint(130, 45));
        QTest::mouseRelease(title, Qt::RightButton, {}, QPoint(130, 45));
        QCOMPARE(w.pos(), start);
        QVERIFY(!w.chrome()->isDragging());

        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(100, 20));
        QVERIFY(w.chrome()->isDragging());
        QMouseEvent move(QEvent::MouseMove, QPointF(130, 45), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(title, &move);
        QTRY_COMPARE(w.pos(), start + QPoint(30, 25));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(130, 45));
        QVERIFY(!w.chrome()->isDragging());
    }

    void closeButton_closesFrame()
    {
        TestRuntime rt;
        MyFramelessWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.chrome()->closeButton()->click();
        QVERIFY(!w.isVisible());
    }

    void band_resizesByHandWhereSystemCannot()
    {
        TestRuntime rt;
        MyFramelessWindow w;
        w.setGeometry(100, 100, 600, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWindow *win = w.windowHandle();
        // Right band, over the content.
        QTest::mousePress(win, Qt::LeftButton, {}, QPoint(598, 200));
        QVERIFY(!w.chrome()->isDragging());
        QTest::mouseMove(win, QPoint(648, 230));
        QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(648, 230));
        QTRY_COMPARE(w.geometry(), QRect(100, 100, 650, 400));

        // Top-left corner band: origin moves, the opposite corner stays.
        QTest::mousePress(win, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseMove(win, QPoint(-7, -17));
        // The window has moved under the pointer: the same screen point is (3, 3) again.
        QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(3, 3));
        QTRY_COMPARE(w.geometry(), QRect(90, 80, 660, 420));
    }

    void outermostColumn_dragsInsteadOfResizing()
    {
        TestRuntime rt;
        MyFramelessWindow w;
        w.setGeometry(100, 100, 600, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, QPoint(0, 200));
        QVERIFY(w.chrome()->isDragging());
        QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, QPoint(0, 200));
        QCOMPARE(w.size(), QSize(600, 400));
    }

    void fixedSizeDialog_hasNoBands()
    {
        TestRuntime rt;
        MyFramelessDialog d;
        d.setFixedSize(340, 432);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mousePress(d.windowHandle(), Qt::LeftButton, {}, QPoint(338, 200));
        QTest::mouseMove(d.windowHandle(), QPoint(388, 200));
        QTest::mouseRelease(d.windowHandle(), Qt::LeftButton, {}, QPoint(388, 200));
        QCOMPARE(d.size(), QSize(340, 432));
    }

    void myUiLayout_isSelectableByClass()
    {
        MyUiLayout layout;
        QCOMPARE(QString::fromLatin1(layout.metaObject()->className()),
                 QStringLiteral("MyUiLayout"));
        QVERIFY(layout.testAttribute(Qt::WA_StyledBackground));
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
