// The layout-picture naming and the user-rectangle rule, and the pictures the build draws:
// every name the page can build for a state the device can report has its file, and every
// drawn file is one the page can ask for.
#include "state/vocabulary.h"
#include "ui/multiview_picture.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(MultiviewPictureState)

namespace {
MultiviewPictureState State(quint32 mode, quint32 maxMode, qint32 aspect, qint32 modeIndex,
                            quint32 pipPosition = 0, quint32 pipSize = 0)
{
    MultiviewPictureState s;
    s.mode = mode;
    s.maxMode = maxMode;
    s.aspect = aspect;
    s.modeIndex = modeIndex;
    s.pipPosition = pipPosition;
    s.pipSize = pipSize;
    return s;
}

// Every state the reply dispatcher can leave behind: the layout comes from the layout list,
// the aspect from the aspect list (0 or 1, so its part is never empty), the variant index from
// a variant number 1 to 6, the PIP words from their lists; the variant count is any number
// the device sends, of which 0 to 7 covers every outcome of the comparison with the index.
QSet<QString> ReachableNames()
{
    QSet<QString> names;
    for (quint32 mode = 0; mode < 5; ++mode)
        for (quint32 maxMode = 0; maxMode <= 7; ++maxMode)
            for (qint32 aspect = 0; aspect < 2; ++aspect)
                for (qint32 index = 0; index < 6; ++index)
                    for (quint32 pos = 0; pos < 5; ++pos)
                        for (quint32 size = 0; size < 4; ++size)
                            names.insert(Multiview_PictureName(
                                State(mode, maxMode, aspect, index, pos, size)));
    return names;
}

QString PictureFolder()
{
    return QStringLiteral(KORVANE_BINARY_DIR "/APP/Image/MultiView");
}
} // namespace

class TestMultiviewPicture : public QObject
{
    Q_OBJECT

private slots:
    void name_data()
    {
        QTest::addColumn<MultiviewPictureState>("state");
        QTest::addColumn<QString>("name");
        QTest::newRow("single ignores the options") << State(0, 3, 1, 2, 4, 3) << "SINGLE";
        QTest::newRow("pip corner") << State(1, 0, 0, 0, 3, 0) << "PIP_RightBottom_SMALL";
        QTest::newRow("pip user both") << State(1, 0, 0, 0, 4, 3) << "PIP_USER_USER";
        QTest::newRow("pip user position") << State(1, 0, 0, 0, 4, 1) << "PIP_USER_MIDDLE";
        QTest::newRow("pip ignores variants") << State(1, 6, 1, 5, 0, 2) << "PIP_LeftTop_LARGE";
        QTest::newRow("pip position beyond") << State(1, 0, 0, 0, 5, 2) << "PIP__LARGE";
        QTest::newRow("pip size beyond") << State(1, 0, 0, 0, 1, 4) << "PIP_RightTop_";
        QTest::newRow("pbp first full") << State(2, 3, 0, 0) << "PBP_1_FULL";
        QTest::newRow("3xwin second 16:9") << State(3, 4, 1, 1) << "3xWIN_2_169";
        QTest::newRow("4xwin sixth") << State(4, 6, 0, 5) << "4xWIN_6_FULL";
        QTest::newRow("index at the count") << State(2, 3, 0, 3) << "PBP__FULL";
        QTest::newRow("index beyond the count") << State(3, 1, 1, 5) << "3xWIN__169";
        QTest::newRow("count zero") << State(4, 0, 0, 0) << "4xWIN__FULL";
        QTest::newRow("huge count") << State(2, 0xFFFFFFFFu, 1, 4) << "PBP_5_169";
        QTest::newRow("negative index") << State(2, 6, 0, -1) << "PBP__FULL";
        QTest::newRow("aspect beyond") << State(2, 3, 2, 0) << "PBP_1_";
        QTest::newRow("negative aspect") << State(4, 3, -1, 1) << "4xWIN_2_";
        QTest::newRow("layout beyond") << State(5, 3, 0, 0) << "";
        QTest::newRow("layout far beyond") << State(0xFFFFFFFFu, 3, 0, 0) << "";
    }
    void name()
    {
        QFETCH(MultiviewPictureState, state);
        QFETCH(QString, name);
        QCOMPARE(Multiview_PictureName(state), name);
    }

    void userRectangle_data()
    {
        QTest::addColumn<MultiviewPictureState>("state");
        QTest::addColumn<int>("kind");
        const int hidden = int(UserRectangleKind::Hidden);
        const int capture = int(UserRectangleKind::Window1Capture);
        const int display = int(UserRectangleKind::Window2Display);
        QTest::newRow("pip user position") << State(1, 0, 0, 0, 4, 0) << display;
        QTest::newRow("pip user size") << State(1, 0, 0, 0, 2, 3) << display;
        QTest::newRow("pip fixed") << State(1, 0, 0, 0, 3, 2) << hidden;
        QTest::newRow("pbp presenter") << State(2, 3, 0, 2) << capture;
        QTest::newRow("pbp first") << State(2, 3, 0, 0) << hidden;
        QTest::newRow("pbp second") << State(2, 3, 0, 1) << hidden;
        QTest::newRow("3xwin third variant") << State(3, 4, 0, 2) << hidden;
        QTest::newRow("single with user words") << State(0, 0, 0, 2, 4, 3) << hidden;
        QTest::newRow("4xwin with user words") << State(4, 6, 0, 0, 4, 3) << hidden;
    }
    void userRectangle()
    {
        QFETCH(MultiviewPictureState, state);
        QFETCH(int, kind);
        QCOMPARE(int(Multiview_UserRectangleKind(state)), kind);
    }

    void windowCount()
    {
        const int expected[] = {1, 2, 2, 3, 4, 4, 4};
        for (quint32 mode = 0; mode < 7; ++mode)
            QCOMPARE(Mode_WindowCount(mode), expected[mode]);
        QCOMPARE(Mode_WindowCount(0xFFFFFFFFu), 4);
    }

    void reachableNames_areTheExpectedSixtyThree()
    {
        const QSet<QString> names = ReachableNames();
        QCOMPARE(names.size(), 1 + 20 + 3 * 7 * 2);
        QVERIFY(names.contains(QStringLiteral("PBP__169")));
        QVERIFY(names.contains(QStringLiteral("3xWIN__FULL")));
        QVERIFY(names.contains(QStringLiteral("PIP_USER_SMALL")));
        QVERIFY(!names.contains(QString()));
    }

    void everyReachableName_hasItsPicture()
    {
        const QSet<QString> names = ReachableNames();
        for (const QString &name : names) {
            const QString file = PictureFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
            QVERIFY2(QFile::exists(file), qPrintable(file));
            const QImage image(file);
            QVERIFY2(!image.isNull(), qPrintable(file));
            QVERIFY(qAbs(qreal(image.width()) / image.height() - 16.0 / 9) < 0.02);
        }
    }

    void everyDrawnPicture_isOneThePageCanShow()
    {
        const QSet<QString> names = ReachableNames();
        const QStringList files = QDir(PictureFolder()).entryList({"*.png"}, QDir::Files);
        QCOMPARE(files.size(), names.size());
        for (const QString &file : files)
            QVERIFY2(names.contains(file.chopped(4)), qPrintable(file));
    }

    // A 16:9 picture and a FULL one of the same side-by-side layout differ (letterboxing);
    // pictures of different variants differ too.
    void pictures_differWhereTheLayoutDiffers()
    {
        const auto load = [](const char *name) {
            return QImage(PictureFolder() + QLatin1Char('/') + QLatin1String(name) + ".png");
        };
        QVERIFY(load("PBP_1_FULL") != load("PBP_1_169"));
        QVERIFY(load("PBP_1_FULL") != load("PBP_2_FULL"));
        QVERIFY(load("3xWIN_1_FULL") != load("4xWIN_1_FULL"));
        QVERIFY(load("PIP_LeftTop_SMALL") != load("PIP_RightBottom_SMALL"));
        QVERIFY(load("PIP_LeftTop_SMALL") != load("PIP_LeftTop_LARGE"));
        QVERIFY(load("PBP__FULL") != load("PBP_1_FULL"));
    }
};

QTEST_GUILESS_MAIN(TestMultiviewPicture)
#include "tst_multiview_picture.moc"
