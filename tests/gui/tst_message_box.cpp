// Information and confirmation boxes, and the PNG re-save every picture goes through.
#include "app/app_paths.h"
#include "support/modal_box_driver.h"
#include "support/test_runtime.h"
#include "ui/message_box.h"
#include "ui/png_resave.h"

#include <QImage>
#include <QImageWriter>
#include <QtTest>

namespace {
// A PNG stored without compression: a re-save with default settings changes its bytes.
QByteArray storedPng()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 90));
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
    void info_showsTextOkAndTitleAtParentWindow()
    {
        TestRuntime rt;
        rt.copyPictures();
        QWidget parent;
        parent.move(210, 130);
        QWidget child(&parent);
        child.move(40, 40);
        ModalBoxDriver boxes;
        MessageBox_Info(QStringLiteral("Password error!"), &child);
        QCOMPARE(boxes.count(), 1);
        const ModalBoxDriver::Seen &s = boxes.seen().first();
        QCOMPARE(s.text, QStringLiteral("Password error!"));
        QCOMPARE(s.title, QStringLiteral(" "));
        QCOMPARE(s.buttons, QStringList {"OK"});
        QCOMPARE(s.pos, QPoint(210, 130));
        QVERIFY(s.hasIcon);
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
