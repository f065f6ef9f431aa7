// Resize bands, the hand-made resize and the start-up sizes of the windows.
#include "ui/frame_geometry.h"

#include <QtTest>

Q_DECLARE_METATYPE(FrameBand)

class TestFrameGeometry : public QObject
{
    Q_OBJECT

private slots:
    void hitTest_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<FrameBand>("band");
        // Frame 800 x 600: W = 799, H = 599.
        QTest::newRow("outermost column") << 0 << 300 << FrameBand::None;
        QTest::newRow("outermost row") << 400 << 0 << FrameBand::None;
        QTest::newRow("outermost corner") << 0 << 0 << FrameBand::None;
        QTest::newRow("left band start") << 1 << 300 << FrameBand::Left;
        QTest::newRow("left band end") << 5 << 300 << FrameBand::Left;
        QTest::newRow("past left band") << 6 << 300 << FrameBand::None;
        QTest::newRow("before right band") << 794 << 300 << FrameBand::None;
        QTest::newRow("right band start") << 795 << 300 << FrameBand::Right;
        QTest::newRow("right band last pixel") << 799 << 300 << FrameBand::Right;
        QTest::newRow("outside right") << 800 << 300 << FrameBand::None;
        QTest::newRow("top band start") << 400 << 1 << FrameBand::Top;
        QTest::newRow("top band end") << 400 << 5 << FrameBand::Top;
        QTest::newRow("past top band") << 400 << 6 << FrameBand::None;
        QTest::newRow("bottom band start") << 400 << 595 << FrameBand::Bottom;
        QTest::newRow("bottom band last pixel") << 400 << 599 << FrameBand::Bottom;
        QTest::newRow("before bottom band") << 400 << 594 << FrameBand::None;
        QTest::newRow("outside bottom") << 400 << 600 << FrameBand::None;
        QTest::newRow("top-left") << 3 << 3 << FrameBand::TopLeft;
        QTest::newRow("top-right") << 797 << 2 << FrameBand::TopRight;
        QTest::newRow("bottom-left") << 1 << 599 << FrameBand::BottomLeft;
        QTest::newRow("bottom-right") << 799 << 599 << FrameBand::BottomRight;
        QTest::newRow("top edge pixel row in left band") << 3 << 0 << FrameBand::Left;
        QTest::newRow("left edge pixel column in top band") << 0 << 3 << FrameBand::Top;
        QTest::newRow("negative") << -3 << -3 << FrameBand::None;
        QTest::newRow("centre") << 400 << 300 << FrameBand::None;
    }
    void hitTest()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(FrameBand, band);
        QCOMPARE(Frame_HitTest(dx, dy, 800, 600), band);
    }

    void hitTest_tinyFrameRightAndBottomWin()
    {
        // 8 pixels wide: dx 3 is in both bands; the right band wins, as does the bottom.
        QCOMPARE(Frame_HitTest(3, 50, 8, 100), FrameBand::Right);
        QCOMPARE(Frame_HitTest(50, 3, 100, 8), FrameBand::Bottom);
        QCOMPARE(Frame_HitTest(3, 3, 8, 8), FrameBand::BottomRight);
    }

    void bandEdges()
    {
        QCOMPARE(Frame_BandEdges(FrameBand::None), Qt::Edges());
        QCOMPARE(Frame_BandEdges(FrameBand::TopLeft), Qt::TopEdge | Qt::LeftEdge);
        QCOMPARE(Frame_BandEdges(FrameBand::BottomRight), Qt::BottomEdge | Qt::RightEdge);
        QCOMPARE(Frame_BandEdges(FrameBand::Right), Qt::Edges(Qt::RightEdge));
    }

    void resized_data()
    {
        QTest::addColumn<int>("edges");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("expected");
        // Start 100,100 600x400; minimum 480x270; maximum 1000x700.
        QTest::newRow("right grows")
            << int(Qt::RightEdge) << QPoint(50, 9) << QRect(100, 100, 650, 400);
        QTest::newRow("right shrinks to minimum")
            << int(Qt::RightEdge) << QPoint(-500, 0) << QRect(100, 100, 480, 400);
        QTest::newRow("right grows to maximum")
            << int(Qt::RightEdge) << QPoint(900, 0) << QRect(100, 100, 1000, 400);
        QTest::newRow("left moves origin")
            << int(Qt::LeftEdge) << QPoint(-40, 0) << QRect(60, 100, 640, 400);
        QTest::newRow("left stops at minimum, right edge fixed")
            << int(Qt::LeftEdge) << QPoint(300, 0) << QRect(220, 100, 480, 400);
        QTest::newRow("top") << int(Qt::TopEdge) << QPoint(0, 30) << QRect(100, 130, 600, 370);
        QTest::newRow("bottom-right")
            << int(Qt::BottomEdge | Qt::RightEdge) << QPoint(10, 20) << QRect(100, 100, 610, 420);
        QTest::newRow("top-left") << int(Qt::TopEdge | Qt::LeftEdge) << QPoint(-10, -20)
                                  << QRect(90, 80, 610, 420);
        QTest::newRow("no edges") << 0 << QPoint(10, 20) << QRect(100, 100, 600, 400);
    }
    void resized()
    {
        QFETCH(int, edges);
        QFETCH(QPoint, delta);
        QFETCH(QRect, expected);
        QCOMPARE(Frame_ResizedGeometry(QRect(100, 100, 600, 400), delta, Qt::Edges(edges),
                                       QSize(480, 270), QSize(1000, 700)),
                 expected);
    }

    void sizes_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("mainWindow");
        QTest::addColumn<QPoint>("mainPos");
        QTest::addColumn<QPoint>("loginPos");
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1344, 432) << QSize(1344, 918)
                                   << QPoint(288, 81) << QPoint(790, 324);
        QTest::newRow("3840x2160 counts as 1920x1080")
            << QSize(3840, 2160) << QSize(1344, 432) << QSize(1344, 918) << QPoint(288, 81)
            << QPoint(790, 324);
        QTest::newRow("1366x768") << QSize(1366, 768) << QSize(956, 307) << QSize(956, 652)
                                  << QPoint(205, 58) << QPoint(513, 168);
        QTest::newRow("1920x1050") << QSize(1920, 1050) << QSize(1344, 420) << QSize(1344, 892)
                                   << QPoint(288, 79) << QPoint(790, 309);
        QTest::newRow("800x600") << QSize(800, 600) << QSize(560, 240) << QSize(560, 510)
                                 << QPoint(120, 45) << QPoint(230, 84);
        // Odd differences truncate toward zero, also when the window is larger.
        QTest::newRow("300x400") << QSize(300, 400) << QSize(210, 160) << QSize(210, 340)
                                 << QPoint(45, 30) << QPoint(-20, -16);
    }
    void sizes()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, frame);
        QFETCH(QSize, mainWindow);
        QFETCH(QPoint, mainPos);
        QFETCH(QPoint, loginPos);
        QCOMPARE(Frame_DefaultSize(screen), frame);
        QCOMPARE(Main_WindowSize(screen), mainWindow);
        QCOMPARE(Frame_CentredPosition(screen, mainWindow), mainPos);
        QCOMPARE(Frame_CentredPosition(screen, QSize(340, 432)), loginPos);
    }

    void centred_oddDifferenceTruncatesTowardZero()
    {
        QCOMPARE(Frame_CentredPosition(QSize(341, 433), QSize(340, 432)), QPoint(0, 0));
        QCOMPARE(Frame_CentredPosition(QSize(339, 431), QSize(340, 432)), QPoint(0, 0));
        QCOMPARE(Frame_CentredPosition(QSize(337, 429), QSize(340, 432)), QPoint(-1, -1));
    }
};

QTEST_APPLESS_MAIN(TestFrameGeometry)
#include "tst_frame_geometry.moc"
