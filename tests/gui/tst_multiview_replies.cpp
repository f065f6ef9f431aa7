// The device's replies arriving at the multiview page through the real dispatcher: layout,
// options and sources as the widgets show them, the picture, the user-rectangle group, the
// source grid per layout and model, source renames, text refresh, and bad input.
#include "app/config_file.h"
#include "app/language_texts.h"
#include "page_harness.h"
#include "support/test_runtime.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
QString Picture(const char *name)
{
    return QStringLiteral("/APP/Image/MultiView/%1.png").arg(QLatin1String(name));
}

// The source columns whose button is flat in a row, e.g. "4".
QString FlatSources(const Ui_Multiview &page, int row)
{
    QStringList flat;
    for (int c = 0; c < Ui_Multiview::SourceColumns; ++c) {
        if (page.sourceButton(row * Ui_Multiview::SourceColumns + c)->isFlat())
            flat << QString::number(c);
    }
    return flat.join(QLatin1Char(','));
}

int FlatMode(const Ui_Multiview &page)
{
    int flat = -1;
    for (int m = 0; m < Ui_Multiview::ModeCount; ++m) {
        if (page.modeButton(m)->isFlat())
            flat = flat < 0 ? m : 99; // more than one is wrong
    }
    return flat;
}

bool Shown(const QWidget *w)
{
    return !w->isHidden();
}
} // namespace

class TestMultiviewReplies : public QObject
{
    Q_OBJECT

private:
    MultiviewTestRun m_run;

private slots:
    void init() { m_run.reset(); }

    void restatement_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("flatSources"); // per window row
        QTest::addColumn<QString>("options"); // shown option combos and their indexes
        QTest::addColumn<QByteArrayList>("queued");

        QTest::newRow("single") << 0
                                << QByteArray("MULTIVIEW-SYNC SINGLE HDMI2 NULL NULL NULL "
                                              "1920x1080p60 OFF")
                                << 0 << Picture("SINGLE") << QStringList {"1", "", "", ""} << ""
                                << QByteArrayList();
        QTest::newRow("pip") << 0
                             << QByteArray("MULTIVIEW-SYNC PIP HDMI1 USB-C NULL NULL RightTop "
                                           "MIDDLE")
                             << 1 << Picture("PIP_RightTop_MIDDLE")
                             << QStringList {"0", "4", "", ""} << "position=1 size=1"
                             << QByteArrayList();
        QTest::newRow("pip user") << 2
                                  << QByteArray("MULTIVIEW-SYNC PIP DP HDMI7 NULL NULL USER USER")
                                  << 1 << Picture("PIP_USER_USER") << QStringList {"7", "6", "", ""}
                                  << "position=4 size=3"
                                  // asked once: the same query waiting unsent is not queued again
                                  << Lines {"GET PIP USER\r"};
        QTest::newRow("pbp") << 0 << QByteArray("MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL 16:9 2 3")
                             << 2 << Picture("PBP_2_169") << QStringList {"0", "1", "", ""}
                             << "aspect=1 variant=1/3" << QByteArrayList();
        QTest::newRow("3xwin") << 4
                               << QByteArray("MULTIVIEW-SYNC 3xWIN USB-C DP HDMI1 NULL FULL 4 4")
                               << 3 << Picture("3xWIN_4_FULL") << QStringList {"4", "3", "0", ""}
                               << "aspect=0 variant=3/4" << QByteArrayList();
        QTest::newRow("4xwin on Tessin")
            << 3 << QByteArray("MULTIVIEW-SYNC 4xWIN HDMI1 HDMI5 DP USB-C 16:9 6 6") << 4
            << Picture("4xWIN_6_169") << QStringList {"0", "4", "7", "8"} << "aspect=1 variant=5/6"
            << QByteArrayList();
        QTest::newRow("variant the device does not offer")
            << 0 << QByteArray("MULTIVIEW-SYNC 4xWIN HDMI1 HDMI2 HDMI3 HDMI4 FULL 5 2") << 4
            << Picture("4xWIN__FULL") << QStringList {"0", "1", "2", "3"} << "aspect=0 variant=-1/2"
            << QByteArrayList();
    }
    void restatement()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, line);
        QFETCH(int, mode);
        QFETCH(QString, picture);
        QFETCH(QStringList, flatSources);
        QFETCH(QString, options);
        QFETCH(QByteArrayList, queued);

        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(model);
        QueuedCommands_Start(LinkModeTcp);
        QSignalSpy emitted(&page, &Ui_Multiview::SGL_UpdateEmit);
        pages.line(line);

        QCOMPARE(DeviceState::multiviewMode, quint32(mode));
        QCOMPARE(FlatMode(page), mode);
        QCOMPARE(page.shownPicture(), picture);
        QVERIFY(!page.pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
        for (int row = 0; row < 4; ++row)
            QCOMPARE(FlatSources(page, row), flatSources.at(row));

        QStringList shown;
        if (Shown(page.aspectCombo()))
            shown << QStringLiteral("aspect=%1").arg(page.aspectCombo()->currentIndex());
        if (Shown(page.variantCombo()))
            shown << QStringLiteral("variant=%1/%2")
                         .arg(page.variantCombo()->currentIndex())
                         .arg(page.variantCombo()->count());
        if (Shown(page.positionCombo()))
            shown << QStringLiteral("position=%1").arg(page.positionCombo()->currentIndex());
        if (Shown(page.sizeCombo()))
            shown << QStringLiteral("size=%1").arg(page.sizeCombo()->currentIndex());
        QCOMPARE(shown.join(QLatin1Char(' ')), options);

        const bool single = mode == 0;
        QCOMPARE(Shown(page.inputResolutionEdit()), single);
        QCOMPARE(Shown(page.autoSwitchButton(true)), single);
        QCOMPARE(Shown(page.autoSwitchButton(false)), single);
        if (single) {
            QCOMPARE(page.inputResolutionEdit()->text(), QStringLiteral("1920x1080p60"));
            QVERIFY(page.autoSwitchButton(false)->isFlat());
            QVERIFY(!page.autoSwitchButton(true)->isFlat());
        }
        QCOMPARE(QueuedCommands_Peek(), queued);
        QVERIFY(emitted.count() >= 1);
    }

    void layoutReply_asksForTheRestatement()
    {
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(0);
        QueuedCommands_Start(LinkModeTcp);
        QSignalSpy emitted(&page, &Ui_Multiview::SGL_UpdateEmit);
        pages.line("MULTIVIEW PIP");
        QCOMPARE(QueuedCommands_Peek(), Lines {"GET MULTIVIEW-SYNC\r"});
        QCOMPARE(emitted.count(), 1);
        QCOMPARE(FlatMode(page), 1);
        QCOMPARE(page.shownPicture(), Picture("PIP_LeftTop_SMALL"));
        QVERIFY(Shown(page.positionCombo()));
        QVERIFY(!Shown(page.aspectCombo()));
    }

    void userRectangleGroup_data()
    {
        QTest::addColumn<QByteArrayList>("replies");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArrayList>("queued"); // after the last reply
        QTest::newRow("pbp presenter")
            << QByteArrayList {"MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL FULL 1 3", "PBP MODE 3"}
            << true << "Window1 Capture:↓" << Lines {"GET PBP-PRESENTER\r"};
        QTest::newRow("pbp back to the first variant")
            << QByteArrayList {"MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL FULL 3 3", "PBP MODE 1"}
            << false << "" << QByteArrayList();
        QTest::newRow("pbp second variant")
            << QByteArrayList {"MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL FULL 2 3"} << false << ""
            << QByteArrayList();
        QTest::newRow("pip user position")
            << QByteArrayList {"MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL LeftTop SMALL",
                               "PIP POS USER"}
            << true << "Window2 Display:↓" << Lines {"GET PIP USER\r"};
        QTest::newRow("pip user size")
            << QByteArrayList {"MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL LeftTop SMALL",
                               "PIP SIZE USER"}
            << true << "Window2 Display:↓" << Lines {"GET PIP USER\r"};
        QTest::newRow("pip leaves user")
            << QByteArrayList {"MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL USER USER",
                               "PIP POS RightBottom", "PIP SIZE LARGE"}
            << false << "" << QByteArrayList();
        QTest::newRow("3xwin third variant")
            << QByteArrayList {"MULTIVIEW-SYNC 3xWIN HDMI1 HDMI2 HDMI3 NULL FULL 3 4"} << false
            << "" << QByteArrayList();
    }
    void userRectangleGroup()
    {
        QFETCH(QByteArrayList, replies);
        QFETCH(bool, shown);
        QFETCH(QString, caption);
        QFETCH(QByteArrayList, queued);
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(0);
        for (const QByteArray &line : replies) {
            QueuedCommands_Start(LinkModeTcp);
            pages.line(line);
        }
        QCOMPARE(Shown(page.userRectangleGroup()), shown);
        if (shown)
            QCOMPARE(page.userRectangleCaption()->text(), caption);
        QCOMPARE(QueuedCommands_Peek(), queued);
    }

    void userRectangleReply_fillsTheFields()
    {
        Ui_Multiview page;
        PageReplies pages(page);
        pages.line("PIP USER 10 20 300 4000");
        const char *expected[] = {"10", "20", "300", "4000"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(page.userRectangleEdit(i)->text(), QLatin1String(expected[i]));
        // The device's own numbers are shown whole, even beyond what can be typed.
        pages.line("PBP-PRESENTER 12000 4294967295 x 7");
        const char *wide[] = {"12000", "4294967295", "0", "7"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(page.userRectangleEdit(i)->text(), QLatin1String(wide[i]));
    }

    void grid_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("inputs");
        QTest::addColumn<int>("windows");
        const char *modes[] = {"SINGLE", "PIP", "PBP", "3xWIN", "4xWIN"};
        const int windows[] = {1, 2, 2, 3, 4};
        const struct
        {
            int model, inputs;
        } models[] = {{1, 4}, {0, 5}, {4, 5}, {2, 9}, {3, 9}};
        for (const auto &m : models)
            for (int mode = 0; mode < 5; ++mode)
                QTest::addRow("%s %s", TestModelNames[m.model], modes[mode])
                    << m.model << mode << m.inputs << windows[mode];
    }
    void grid()
    {
        QFETCH(int, model);
        QFETCH(int, mode);
        QFETCH(int, inputs);
        QFETCH(int, windows);
        const char *modes[] = {"SINGLE", "PIP", "PBP", "3xWIN", "4xWIN"};
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(model);
        pages.line(QByteArray("MULTIVIEW ") + modes[mode]);
        for (int r = 0; r < Ui_Multiview::WindowRows; ++r)
            QCOMPARE(Shown(page.windowLabel(r)), r < windows);
        for (int c = 0; c < Ui_Multiview::SourceColumns; ++c) {
            QCOMPARE(Shown(page.sourceLabel(c)), c < inputs);
            for (int r = 0; r < Ui_Multiview::WindowRows; ++r)
                QVERIFY2(Shown(page.sourceButton(r * 9 + c)) == (c < inputs && r < windows),
                         qPrintable(QStringLiteral("button%1").arg(r * 9 + c)));
        }
    }

    void grid_followsTheModelWithoutALayoutReply()
    {
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(1); // Corvo: 4 inputs, layout SINGLE from the start values
        QCOMPARE(Shown(page.sourceLabel(3)), true);
        QCOMPARE(Shown(page.sourceLabel(4)), false);
        QCOMPARE(Shown(page.sourceButton(9)), false);
        QCOMPARE(QueuedCommands_Peek(), Lines {"GET MULTIVIEW-SYNC\r"}); // the read-all
    }

    void variantCount_data()
    {
        QTest::addColumn<QByteArray>("count");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("one") << QByteArray("1") << QStringList {"1"};
        QTest::newRow("three") << QByteArray("3") << QStringList {"1", "2", "3"};
        QTest::newRow("six") << QByteArray("6") << QStringList {"1", "2", "3", "4", "5", "6"};
        QTest::newRow("zero") << QByteArray("0") << QStringList();
        QTest::newRow("seven") << QByteArray("7") << QStringList();
        QTest::newRow("huge") << QByteArray("4294967295") << QStringList();
        QTest::newRow("not a number") << QByteArray("many") << QStringList();
    }
    void variantCount()
    {
        QFETCH(QByteArray, count);
        QFETCH(QStringList, items);
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(2);
        pages.line("MULTIVIEW-SYNC 3xWIN HDMI1 HDMI2 HDMI3 NULL FULL 1 4");
        pages.line("MAXMODE " + count);
        QCOMPARE(comboItems(page.variantCombo()), items);
        QCOMPARE(page.variantCombo()->currentIndex(), items.isEmpty() ? -1 : 0);
    }

    // Values no dispatcher should hand over still leave the page whole and consistent.
    void setters_outOfRange()
    {
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(0);
        pages.line("MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL RightTop SMALL");
        const QString before = page.shownPicture();
        QueuedCommands_Start(LinkModeTcp);

        page.multiviewSetPipPosition(9);
        QCOMPARE(page.positionCombo()->currentIndex(), -1);
        page.multiviewSetPipSize(-2);
        QCOMPARE(page.sizeCombo()->currentIndex(), -1);
        page.multiviewSetAspect(2);
        QCOMPARE(page.aspectCombo()->currentIndex(), -1);
        page.multiviewSetLayoutVariant(6);
        QCOMPARE(page.variantCombo()->currentIndex(), -1);
        QCOMPARE(page.shownPicture(), before); // the device state did not change

        page.multiviewSetWindowSource(4, 0);
        page.multiviewSetWindowSource(-1, 0);
        page.multiviewSetWindowSource(1, 12);
        QCOMPARE(FlatSources(page, 0), QStringLiteral("0"));
        QCOMPARE(FlatSources(page, 1), QString());
        page.multiviewSetAutoSwitch(7);
        QVERIFY(page.autoSwitchButton(false)->isFlat());
        QVERIFY(!page.autoSwitchButton(true)->isFlat());

        page.multiviewSetLayout(7, false);
        QCOMPARE(DeviceState::multiviewMode, 7u);
        QCOMPARE(FlatMode(page), 1); // the buttons keep the last layout they knew
        QCOMPARE(page.shownPicture(), before);
        QVERIFY(!Shown(page.userRectangleGroup()));
        QCOMPARE(QueuedCommands_Peek(), QByteArrayList());
    }

    void badReplies_changeNothing()
    {
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(1);
        pages.line("MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL 16:9 2 3");
        const QString before = page.shownPicture();
        QueuedCommands_Start(LinkModeTcp);
        pages.line("MULTIVIEW-SYNC MOSAIC HDMI9 USB-C NULL NULL 4:3 0 3");
        pages.line("PBP MODE 0");
        pages.line("PBP MODE 9");
        pages.line("PBP ASPECT 4:3");
        pages.line("WINDOW2 IN USB-C"); // Corvo has no USB-C input
        pages.line("PIP POS LeftTop"); // not in PIP
        QCOMPARE(page.shownPicture(), before);
        QCOMPARE(page.variantCombo()->currentIndex(), 1);
        QCOMPARE(page.aspectCombo()->currentIndex(), 1);
        QCOMPARE(FlatSources(page, 1), QStringLiteral("1"));
        QCOMPARE(page.positionCombo()->currentIndex(), 0);

        // A restatement without its variant count leaves the device with none: the page
        // follows (no variant offered, the picture with the empty middle).
        pages.line("MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL 16:9 2");
        QCOMPARE(DeviceState::layoutMaxMode, 0u);
        QCOMPARE(page.variantCombo()->count(), 0);
        QCOMPARE(page.shownPicture(), Picture("PBP__169"));
    }

    void missingPicture_keepsThePreviousOne()
    {
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(0);
        pages.line("MULTIVIEW-SYNC SINGLE HDMI1 NULL NULL NULL 1920x1080p60 ON");
        const qint64 key = page.pictureLabel()->pixmap(Qt::ReturnByValue).cacheKey();
        QVERIFY(QFile::remove(m_run.runtime.path(Picture("PBP_1_FULL"))));
        pages.line("MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL FULL 1 3");
        QCOMPARE(page.shownPicture(), Picture("SINGLE"));
        QCOMPARE(page.pictureLabel()->pixmap(Qt::ReturnByValue).cacheKey(), key);
        m_run.runtime.copyPictures();
    }

    void rename_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("nameAfter");
        QTest::newRow("renamed") << 2 << 2 << "Camera" << true << "Camera";
        QTest::newRow("last column") << 3 << 8 << "Laptop" << true << "Laptop";
        QTest::newRow("empty keeps the name") << 2 << 0 << "" << true << "IN-1";
        QTest::newRow("control characters dropped") << 0 << 4 << "Doc\tCam" << true << "DocCam";
        QTest::newRow("hidden for the model") << 1 << 6 << "Ghost" << false << "IN-7";
    }
    void rename()
    {
        QFETCH(int, model);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        QFETCH(QString, nameAfter);
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(model);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy synced(&page, &Ui_Multiview::SGL_SyncInputSourceName);
        QSignalSpy emitted(&page, &Ui_Multiview::SGL_UpdateEmit);

        QLabel *label = page.sourceLabel(column);
        QTest::mouseDClick(label, Qt::LeftButton);
        QLineEdit *edit = page.renameEdit();
        QCOMPARE(edit->isVisible(), opens);
        if (!opens) {
            QCOMPARE(synced.count(), 0);
            QCOMPARE(S_InputSource_Name[column], nameAfter);
            return;
        }
        QCOMPARE(edit->y(), label->y() - 26);
        QCOMPARE(edit->size(), QSize(160, 26));
        QVERIFY(edit->x() <= label->x());
        QVERIFY(edit->geometry().right() < edit->parentWidget()->width());
        QCOMPARE(edit->toolTip(), STIPS_EnterKeyFinishInputAndClose);
        QVERIFY(edit->text().isEmpty());

        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(S_InputSource_Name[column], nameAfter);
        QCOMPARE(label->text(), nameAfter);
        QVERIFY(!edit->isVisible());
        QCOMPARE(synced.count(), 1);
        QCOMPARE(emitted.count(), 0); // nothing for the device
    }

    void rename_isSavedWithTheLanguageFile()
    {
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(2);
        QTest::mouseDClick(page.sourceLabel(2), Qt::LeftButton);
        QTest::keyClicks(page.renameEdit(), QStringLiteral("Podium"));
        QTest::keyClick(page.renameEdit(), Qt::Key_Return);
        Config_SaveAll();
        const QList<QByteArray> lines = m_run.runtime.lines(EnglishIni);
        QVERIFY(lines.contains("S_InputSource_Name[2]=Podium"));
        QVERIFY(lines.contains("S_InputSource_Name[3]=IN-4"));
    }

    void refreshTexts_keepsChoicesAndReadsAgain()
    {
        Ui_Multiview page;
        PageReplies pages(page);
        pages.identify(0);
        pages.line("MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL 16:9 3 3");
        QVERIFY(Shown(page.userRectangleGroup()));
        page.saveCombo()->setCurrentIndex(5);
        QueuedCommands_Start(LinkModeTcp);

        SpushButton_PIP = QStringLiteral("Bild im Bild");
        ScomboBox_Aspect[1] = QStringLiteral("Breit");
        ScomboBox_Layout[5] = QStringLiteral("Sechs");
        S_InputSource_Name[1] = QStringLiteral("Zwei");
        page.RefreshTexts(false, true);

        QCOMPARE(page.modeButton(1)->text(), QStringLiteral("Bild im Bild"));
        QCOMPARE(page.aspectCombo()->currentText(), QStringLiteral("Breit"));
        QCOMPARE(page.variantCombo()->count(), 3);
        QCOMPARE(page.variantCombo()->currentIndex(), 2);
        QCOMPARE(page.saveCombo()->currentText(), QStringLiteral("Sechs"));
        QCOMPARE(page.loadCombo()->itemText(5), QStringLiteral("Sechs"));
        QCOMPARE(page.sourceLabel(1)->text(), QStringLiteral("Zwei"));
        QVERIFY(!Shown(page.userRectangleGroup()));
        QCOMPARE(page.userRectangleCaption()->text(), Slabel_CaptureDisplay_1);
        QCOMPARE(QueuedCommands_Peek(), Lines {"GET MULTIVIEW-SYNC\r"});
    }

    void newPage_showsNoDeviceChoice()
    {
        Ui_Multiview page;
        QCOMPARE(FlatMode(page), -1);
        QCOMPARE(page.variantCombo()->count(), 6);
        QVERIFY(!Shown(page.userRectangleGroup()));
        QVERIFY(!Shown(page.inputResolutionEdit()));
        QVERIFY(!Shown(page.autoSwitchButton(true)));
        QVERIFY(!Shown(page.renameEdit()));
        QVERIFY(page.shownPicture().isEmpty());
        QCOMPARE(page.findChild<QWidget *>(QStringLiteral("MultiviewPicture"))->size(),
                 QSize(202, 114));
        for (int k = 0; k < Ui_Multiview::SourceButtonCount; ++k)
            QCOMPARE(page.sourceButton(k)->objectName(), QStringLiteral("button%1").arg(k));
        QCOMPARE(page.autoSwitchButton(true)->objectName(), QStringLiteral("AutoSwitch1"));
        QCOMPARE(page.autoSwitchButton(false)->objectName(), QStringLiteral("AutoSwitch0"));
        QCOMPARE(QueuedCommands_Peek(), QByteArrayList());
    }
};

QTEST_MAIN(TestMultiviewReplies)
#include "tst_multiview_replies.moc"
