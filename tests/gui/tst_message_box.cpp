// Information and confirmation boxes, and the PNG re-save every picture goes through.
#include "app/app_paths.h"
#include "support/modal_box_driver.h"
#include "support/test_runtime.h"
#include "ui/message_box.h"
#include "ui/picture_cache.h"
#include "ui/png_resave.h"

#include <QImage>
#include <QImageWriter>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

namespace {
// A PNG stored without compression: a re-save with default settings changes its bytes.
QByteArray storedPng(QSize size = QSize(40, 30), QColor colour = QColor(10, 200, 90))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(100);
    writer.write(image);
    return bytes;
}
} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void info_showsTextOkAndTheWindowsTitle_centredOverIt()
    {
        TestRuntime rt;
        rt.copyPictures();
        QWidget parent;
        parent.setWindowTitle(QStringLiteral(" Korvane"));
        parent.setGeometry(210, 130, 500, 400);
        QWidget child(&parent);
        child.move(40, 40);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        ModalBoxDriver boxes;
        QRect boxFrame;
        boxes.answer(QString(), [&boxFrame](QMessageBox *box) { boxFrame = box->frameGeometry(); });
        MessageBox_Info(QStringLiteral("Password error!"), &child);
        QCOMPARE(boxes.count(), 1);
        const ModalBoxDriver::Seen &s = boxes.seen().first();
        QCOMPARE(s.text, QStringLiteral("Password error!"));
        QCOMPARE(s.title, QStringLiteral("Korvane"));
        QCOMPARE(s.buttons, QStringList {"OK"});
        QVERIFY(s.hasIcon);
        // Centred over the raising window (within a pixel of rounding), not at its corner.
        const QPoint centre = parent.frameGeometry().center();
        QVERIFY2(qAbs(boxFrame.center().x() - centre.x()) <= 1
                     && qAbs(boxFrame.center().y() - centre.y()) <= 1,
                 qPrintable(QStringLiteral("box %1,%2 %3x%4")
                                .arg(boxFrame.x())
                                .arg(boxFrame.y())
                                .arg(boxFrame.width())
                                .arg(boxFrame.height())));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(boxFrame));
    }

    void info_windowMostlyOffScreen_boxStaysOnScreen()
    {
        TestRuntime rt;
        QWidget parent;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        parent.setGeometry(screen.right() - 60, screen.bottom() - 40, 600, 500);
        parent.show();
        ModalBoxDriver boxes;
        QRect boxFrame;
        boxes.answer(QString(), [&boxFrame](QMessageBox *box) { boxFrame = box->frameGeometry(); });
        MessageBox_Info(QStringLiteral("Unable to communicate with device!Error Code:GET OUT ITC"),
                        &parent);
        QCOMPARE(boxes.count(), 1);
        QVERIFY(screen.contains(boxFrame));
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("centred over the window") << QRect(288, 81, 1344, 918) << QSize(400, 150)
                                                 << QRect(0, 0, 1920, 1040) << QPoint(760, 465);
        QTest::newRow("odd sizes round down")
            << QRect(0, 0, 101, 51) << QSize(40, 20) << QRect(0, 0, 800, 600) << QPoint(30, 15);
        QTest::newRow("window past the right and bottom edge")
            << QRect(1700, 900, 1344, 918) << QSize(400, 150) << QRect(0, 0, 1920, 1040)
            << QPoint(1520, 890);
        QTest::newRow("window past the left and top edge")
            << QRect(-1200, -800, 1344, 918) << QSize(400, 150) << QRect(0, 0, 1920, 1040)
            << QPoint(0, 0);
        QTest::newRow("second screen to the right")
            << QRect(2100, 100, 1000, 700) << QSize(300, 120) << QRect(1920, 0, 1280, 1024)
            << QPoint(2450, 390);
        QTest::newRow("second screen left of the primary, window half off it")
            << QRect(-1500, 200, 1344, 918) << QSize(400, 150) << QRect(-1280, 0, 1280, 1024)
            << QPoint(-1028, 584);
        QTest::newRow("small screen, box larger than the screen")
            << QRect(0, 0, 800, 600) << QSize(900, 700) << QRect(0, 0, 800, 600) << QPoint(0, 0);
        QTest::newRow("no owner: centred on the screen")
            << QRect() << QSize(200, 100) << QRect(0, 0, 800, 600) << QPoint(300, 250);
    }
    void placement()
    {
        QFETCH(QRect, owner);
        QFETCH(QSize, box);
        QFETCH(QRect, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(MessageBox_Placement(owner, box, screen), expected);
    }

    void keys_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("result");
        QTest::newRow("info Enter") << false << int(Qt::Key_Return) << false;
        QTest::newRow("info Escape") << false << int(Qt::Key_Escape) << false;
        QTest::newRow("confirm Enter is YES") << true << int(Qt::Key_Return) << true;
        QTest::newRow("confirm keypad Enter is YES") << true << int(Qt::Key_Enter) << true;
        QTest::newRow("confirm Escape is NO") << true << int(Qt::Key_Escape) << false;
    }
    void keys()
    {
        QFETCH(bool, confirm);
        QFETCH(int, key);
        QFETCH(bool, result);
        TestRuntime rt;
        bool closed = false;
        // Answered by the key alone: the driver's callback presses it and, when the box is
        // still open afterwards, the test fails on `closed`.
        ModalBoxDriver boxes;
        boxes.answer(ModalBoxDriver::CloseWindow, [key, &closed](QMessageBox *box) {
            QPointer<QMessageBox> alive(box);
            QTest::keyClick(box, Qt::Key(key));
            closed = !alive || !box->isVisible();
        });
        const bool answer = confirm ? MessageBox_Confirm(QStringLiteral("Save Confirm?"), nullptr)
                                    : (MessageBox_Info(QStringLiteral("x"), nullptr), false);
        QVERIFY(closed);
        QCOMPARE(answer, result);
    }

    void infoSerial_identicalTextsWhileOpen_shownOnce()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        const QString timeout
            = QStringLiteral("Unable to communicate with device!Error Code:GET OUT ITC");
        boxes.answer(QString(), [&timeout](QMessageBox *) {
            MessageBox_InfoSerial(timeout, nullptr); // the one open now
            MessageBox_InfoSerial(QStringLiteral("EDID Write Success."), nullptr);
            MessageBox_InfoSerial(QStringLiteral("EDID Write Success."), nullptr); // waiting
            MessageBox_InfoSerial(timeout, nullptr);
        });
        MessageBox_InfoSerial(timeout, nullptr);
        QCOMPARE(boxes.texts(), (QStringList {timeout, "EDID Write Success."}));
        // Once closed, the same text may come again.
        MessageBox_InfoSerial(timeout, nullptr);
        QCOMPARE(boxes.count(), 3);
    }

    void info_withoutPicture_hasNoIcon()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        MessageBox_Info(QStringLiteral("x"), nullptr);
        QCOMPARE(boxes.count(), 1);
        QVERIFY(!boxes.seen().first().hasIcon);
    }

    void info_closedByWindowReturns()
    {
        TestRuntime rt;
        ModalBoxDriver boxes;
        boxes.answer(ModalBoxDriver::CloseWindow);
        MessageBox_Info(QStringLiteral("bye"), nullptr);
        QCOMPARE(boxes.texts(), QStringList {"bye"});
    }

    void confirm_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("result");
        QTest::newRow("YES") << "YES" << true;
        QTest::newRow("NO") << "NO" << false;
        QTest::newRow("closed by window") << ModalBoxDriver::CloseWindow << false;
    }
    void confirm()
    {
        QFETCH(QString, answer);
        QFETCH(bool, result);
        TestRuntime rt;
        ModalBoxDriver boxes;
        boxes.answer(answer);
        QCOMPARE(MessageBox_Confirm(QStringLiteral("Save Confirm?"), nullptr), result);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.seen().first().buttons, (QStringList {"YES", "NO"}));
        QCOMPARE(boxes.seen().first().text, QStringLiteral("Save Confirm?"));
    }

    void confirm_parentDestroyedWhileOpen_isNo()
    {
        TestRuntime rt;
        auto *parent = new QWidget;
        ModalBoxDriver boxes;
        boxes.answer(QStringLiteral("YES"), [parent](QMessageBox *) { delete parent; });
        QVERIFY(!MessageBox_Confirm(QStringLiteral("gone"), parent));
    }

    void pngResave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("resaved");
        QTest::newRow("png") << "pic.png" << true;
        QTest::newRow("capital PNG") << "pic.PNG" << false;
        QTest::newRow("mixed case") << "pic.Png" << false;
        QTest::newRow("double suffix") << "pic.old.png" << false;
        QTest::newRow("no suffix") << "pic" << false;
        QTest::newRow("jpg name") << "pic.jpg" << false;
    }
    void pngResave()
    {
        QFETCH(QString, name);
        QFETCH(bool, resaved);
        TestRuntime rt;
        const QByteArray original = storedPng();
        rt.write("/" + name, original);
        Png_Resave(rt.path("/" + name));
        const QByteArray after = rt.read("/" + name);
        QCOMPARE(after != original, resaved);
        QImage decoded;
        QVERIFY(decoded.loadFromData(after));
        QCOMPARE(decoded.size(), QSize(40, 30));
        QCOMPARE(decoded.pixelColor(5, 5), QColor(10, 200, 90));
    }

    // Writing a cleaned file again changes nothing: a file is re-saved once per run, whether
    // re-saved directly or shown (the picture cache's background re-save), and once more only
    // when the file itself was replaced meanwhile. R: Png_Resave, S: shown, X: replaced.
    void pngResave_oncePerFileAndRun_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("written");
        QTest::newRow("re-saved twice") << "RR" << 1;
        QTest::newRow("shown three times") << "SSS" << 1;
        QTest::newRow("shown, then re-saved") << "SR" << 1;
        QTest::newRow("re-saved, then shown") << "RS" << 1;
        QTest::newRow("replaced in between") << "RXR" << 2;
        QTest::newRow("shown, replaced, shown") << "SXS" << 2;
        QTest::newRow("replaced, never shown again") << "SX" << 1;
    }
    void pngResave_oncePerFileAndRun()
    {
        QFETCH(QString, steps);
        QFETCH(int, written);
        TestRuntime rt;
        const QString path = rt.path("/pic.png");
        rt.write("/pic.png", storedPng());
        QSize expected(40, 30);
        const int before = Png_WrittenCount();
        for (const QChar step : steps) {
            if (step == QLatin1Char('R')) {
                Png_Resave(path);
            } else if (step == QLatin1Char('S')) {
                QCOMPARE(Picture_Get(path).size(), expected);
            } else {
                Png_FinishResaves();
                expected = QSize(20, 10);
                rt.write("/pic.png", storedPng(expected, Qt::red));
            }
        }
        Png_FinishResaves();
        QCOMPARE(Png_WrittenCount() - before, written);
        // What is on the disk is the last picture, cleaned unless it was never shown again.
        const QByteArray after = rt.read("/pic.png");
        QCOMPARE(after
                     != storedPng(expected,
                                  expected.width() == 40 ? QColor(10, 200, 90) : QColor(Qt::red)),
                 !steps.endsWith(QLatin1Char('X')));
        QImage decoded;
        QVERIFY(decoded.loadFromData(after));
        QCOMPARE(decoded.size(), expected);
    }

    void pngResave_missingOrBrokenFilesAreLeftAlone()
    {
        TestRuntime rt;
        Png_Resave(rt.path("/missing.png"));
        QVERIFY(!rt.exists("/missing.png"));

        rt.write("/broken.png", "not a picture at all");
        Png_Resave(rt.path("/broken.png"));
        QCOMPARE(rt.read("/broken.png"), QByteArray("not a picture at all"));

        QByteArray truncated = storedPng();
        truncated.truncate(40);
        rt.write("/truncated.png", truncated);
        Png_Resave(rt.path("/truncated.png"));
        QCOMPARE(rt.read("/truncated.png"), truncated);

        QDir(rt.root()).mkdir("folder.png");
        Png_Resave(rt.path("/folder.png"));
        QVERIFY(QFileInfo(rt.path("/folder.png")).isDir());
    }

    void pngResave_installedPicturesAreLeftAlone()
    {
        TestRuntime rt;
        // The package's pictures and the operator's settings folder, as an installed panel sees
        // them. A root user could write the installation; the re-save must not.
        App_SetLayoutOverride({rt.path("/share/korvane"), rt.path("/config/korvane")});
        const QByteArray original = storedPng();
        rt.write("/share/korvane/APP/Image/MessageShow_pic.png", original);
        rt.write("/config/korvane/mine.png", original);
        Png_Resave(rt.path("/share/korvane/APP/Image/MessageShow_pic.png"));
        Png_Resave(rt.path("/config/korvane/mine.png"));
        QCOMPARE(rt.read("/share/korvane/APP/Image/MessageShow_pic.png"), original);
        QVERIFY(rt.read("/config/korvane/mine.png") != original);

        // The information box still shows the installed picture.
        ModalBoxDriver boxes;
        MessageBox_Info(QStringLiteral("installed"), nullptr);
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.seen().first().hasIcon);
        QCOMPARE(rt.read("/share/korvane/APP/Image/MessageShow_pic.png"), original);
    }

    void pngResave_hugeHeaderIsNotDecoded()
    {
        TestRuntime rt;
        // A valid PNG header claiming 60000 x 60000 pixels, with no image data behind it.
        QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"
                                             "0000ea600000ea600806000000");
        png += QByteArray(4, '\0');
        rt.write("/huge.png", png);
        Png_Resave(rt.path("/huge.png"));
        QCOMPARE(rt.read("/huge.png"), png);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
