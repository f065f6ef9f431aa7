// Output page: every control queues exactly the catalogue's line and triggers the link; the
// device's replies select, show and hide what they should, per model.
#include "page_harness.h"
#include "ui/my_ui_layout.h"
#include "ui/page_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestOutputPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageTestEnv> m_env;

private slots:
    void init() { m_env = std::make_unique<PageTestEnv>(); }
    void cleanup() { m_env.reset(); }

    void combos_queueTheirWord_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("resolution 0")
            << "Output-Resolution" << 0 << QByteArray("SET OUT RESOLUTION 4096x2160p60\r");
        QTest::newRow("resolution 1")
            << "Output-Resolution" << 1 << QByteArray("SET OUT RESOLUTION 4096x2160p50\r");
        QTest::newRow("resolution 2")
            << "Output-Resolution" << 2 << QByteArray("SET OUT RESOLUTION 3840x2160p60\r");
        QTest::newRow("resolution 3")
            << "Output-Resolution" << 3 << QByteArray("SET OUT RESOLUTION 3840x2160p50\r");
        QTest::newRow("resolution 4")
            << "Output-Resolution" << 4 << QByteArray("SET OUT RESOLUTION 3840x2160p30\r");
        QTest::newRow("resolution 5")
            << "Output-Resolution" << 5 << QByteArray("SET OUT RESOLUTION 3840x2160p25\r");
        QTest::newRow("resolution 6")
            << "Output-Resolution" << 6 << QByteArray("SET OUT RESOLUTION 1920x1200p60RB\r");
        QTest::newRow("resolution 7")
            << "Output-Resolution" << 7 << QByteArray("SET OUT RESOLUTION 1920x1080p60\r");
        QTest::newRow("resolution 8")
            << "Output-Resolution" << 8 << QByteArray("SET OUT RESOLUTION 1920x1080p50\r");
        QTest::newRow("resolution 9")
            << "Output-Resolution" << 9 << QByteArray("SET OUT RESOLUTION 1360x768p60\r");
        QTest::newRow("resolution 10")
            << "Output-Resolution" << 10 << QByteArray("SET OUT RESOLUTION 1280x800p60\r");
        QTest::newRow("resolution 11")
            << "Output-Resolution" << 11 << QByteArray("SET OUT RESOLUTION 1280x720p60\r");
        QTest::newRow("resolution 12")
            << "Output-Resolution" << 12 << QByteArray("SET OUT RESOLUTION 1280x720p50\r");
        QTest::newRow("resolution 13")
            << "Output-Resolution" << 13 << QByteArray("SET OUT RESOLUTION 1024x768p60\r");
        QTest::newRow("resolution 14")
            << "Output-Resolution" << 14 << QByteArray("SET OUT RESOLUTION AUTO\r");
        QTest::newRow("resolution 15")
            << "Output-Resolution" << 15 << QByteArray("SET OUT RESOLUTION USER\r");
        QTest::newRow("hdcp 0") << "Output-HDCP" << 0 << QByteArray("SET OUT HDCP FORCE-1.4\r");
        QTest::newRow("hdcp 1") << "Output-HDCP" << 1 << QByteArray("SET OUT HDCP FORCE-2.2\r");
        QTest::newRow("hdcp 2") << "Output-HDCP" << 2 << QByteArray("SET OUT HDCP FORCE-OFF\r");
        QTest::newRow("vka 0") << "Output-VKA" << 0 << QByteArray("SET OUT VKA BLUESCREEN\r");
        QTest::newRow("vka 1") << "Output-VKA" << 1 << QByteArray("SET OUT VKA BLACKSCREEN\r");
        QTest::newRow("itc 0") << "Output-ITC" << 0 << QByteArray("SET OUT ITC ON\r");
        QTest::newRow("itc 1") << "Output-ITC" << 1 << QByteArray("SET OUT ITC OFF\r");
        QTest::newRow("4k auto 0") << "Output-4KAUTO" << 0 << QByteArray("SET OUT 4K-AUTO ON\r");
        QTest::newRow("4k auto 1") << "Output-4KAUTO" << 1 << QByteArray("SET OUT 4K-AUTO OFF\r");
    }
    void combos_queueTheirWord()
    {
        QFETCH(QString, combo);
        QFETCH(int, index);
        QFETCH(QByteArray, line);
        Ui_Output page;
        QSignalSpy emitted(&page, &Ui_Output::SGL_UpdateEmit);
        auto *box = page.findChild<QComboBox *>(combo);
        QVERIFY(box);
        Choose(box, index);
        QCOMPARE(QueuedCommands_Take(), Lines {line});
        QCOMPARE(emitted.count(), 1);
    }

    void combos_holdTheListsInVocabularyOrder()
    {
        Ui_Output page;
        QCOMPARE(comboItems(page.resolutionCombo()),
                 QStringList({"4096x2160p60", "4096x2160p50", "3840x2160p60", "3840x2160p50",
                              "3840x2160p30", "3840x2160p25", "1920x1200p60RB", "1920x1080p60",
                              "1920x1080p50", "1360x768p60", "1280x800p60", "1280x720p60",
                              "1280x720p50", "1024x768p60", "AUTO", "USER"}));
        QCOMPARE(comboItems(page.hdcpCombo()),
                 QStringList({"Force-1.4", "Force-2.2", "Force-Off"}));
        QCOMPARE(comboItems(page.vkaCombo()), (QStringList {"Blue Screen", "Black Screen"}));
        QCOMPARE(comboItems(page.itcCombo()), (QStringList {"On", "Off"}));
        QCOMPARE(comboItems(page.fourKAutoCombo()), (QStringList {"On", "Off"}));
    }

    void userResolution_write_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("typical") << "1920"
                                 << "1080" << QByteArray("SET RESO-USER 1920 1080\r");
        QTest::newRow("empty width") << ""
                                     << "1080" << QByteArray("SET RESO-USER 0 1080\r");
        QTest::newRow("both empty") << ""
                                    << "" << QByteArray("SET RESO-USER 0 0\r");
        QTest::newRow("limit") << "9999"
                               << "0" << QByteArray("SET RESO-USER 9999 0\r");
        // Typed text goes through the validator: no fifth digit, no sign, no letters, no
        // group separator or blank that would make the text read as another number.
        QTest::newRow("fifth digit refused") << "12345"
                                             << "7" << QByteArray("SET RESO-USER 1234 7\r");
        QTest::newRow("group separator refused")
            << "1,92"
            << "1.080" << QByteArray("SET RESO-USER 192 1080\r");
        QTest::newRow("blank and plus refused")
            << "19 20"
            << "+1080" << QByteArray("SET RESO-USER 1920 1080\r");
        QTest::newRow("minus refused") << "-5"
                                       << "x9" << QByteArray("SET RESO-USER 5 9\r");
        QTest::newRow("letters refused") << "abc"
                                         << "1e3" << QByteArray("SET RESO-USER 0 13\r");
    }
    void userResolution_write()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QByteArray, line);
        Ui_Output page;
        QSignalSpy emitted(&page, &Ui_Output::SGL_UpdateEmit);
        QTest::keyClicks(page.widthEdit(), width);
        QTest::keyClicks(page.heightEdit(), height);
        page.userWriteButton()->click();
        QCOMPARE(QueuedCommands_Take(), Lines {line});
        QCOMPARE(emitted.count(), 1);
    }

    // The device's values are shown whole, and a Write sends exactly what is shown: a field
    // that cannot be sent refuses the Write (the link is not held for 10 s) and is marked.
    void userResolution_deviceValues_shownWholeAndNeverSentCut()
    {
        Ui_Output page;
        PageReplies replies(page);
        replies.line("RESO-USER 12345 67890");
        QCOMPARE(page.widthEdit()->text(), QStringLiteral("12345"));
        QCOMPARE(page.heightEdit()->text(), QStringLiteral("67890"));
        QSignalSpy emitted(&page, &Ui_Output::SGL_UpdateEmit);
        page.userWriteButton()->click();
        QCOMPARE(QueuedCommands_Take(), Lines {});
        QCOMPARE(emitted.count(), 0);
        QVERIFY(Page_IsRefused(page.widthEdit()));
        QVERIFY(Page_IsRefused(page.heightEdit()));
        QCOMPARE(page.widthEdit()->toolTip(),
                 QStringLiteral("Not sent: enter a whole number from 0 to 9999."));

        replies.line("RESO-USER 12345 1080"); // one field still beyond
        QVERIFY(!Page_IsRefused(page.heightEdit()));
        page.userWriteButton()->click();
        QCOMPARE(QueuedCommands_Take(), Lines {});
        QVERIFY(Page_IsRefused(page.widthEdit()));
        QVERIFY(!Page_IsRefused(page.heightEdit()));
        QCOMPARE(page.heightEdit()->toolTip(), QStringLiteral("Input active height"));

        page.widthEdit()->selectAll();
        QTest::keyClicks(page.widthEdit(), "1920");
        QVERIFY(!Page_IsRefused(page.widthEdit()));
        QCOMPARE(page.widthEdit()->toolTip(), QStringLiteral("Input active width"));
        page.userWriteButton()->click();
        QCOMPARE(QueuedCommands_Take(), Lines {"SET RESO-USER 1920 1080\r"});
        QCOMPARE(emitted.count(), 1);
    }

    void sizeValidator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("empty") << "" << int(QValidator::Intermediate);
        QTest::newRow("0") << "0" << int(QValidator::Acceptable);
        QTest::newRow("9999") << "9999" << int(QValidator::Acceptable);
        QTest::newRow("10000") << "10000" << int(QValidator::Invalid);
        QTest::newRow("1,92") << "1,92" << int(QValidator::Invalid);
        QTest::newRow("1.92") << "1.92" << int(QValidator::Invalid);
        QTest::newRow("blank") << "1 9" << int(QValidator::Invalid);
        QTest::newRow("plus") << "+5" << int(QValidator::Invalid);
        QTest::newRow("minus") << "-5" << int(QValidator::Invalid);
        QTest::newRow("full-width") << QString::fromUtf8("５") << int(QValidator::Invalid);
    }
    void sizeValidator()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        Ui_Output page;
        for (QLineEdit *edit : {page.widthEdit(), page.heightEdit()}) {
            QString input = text;
            int pos = input.size();
            QCOMPARE(int(edit->validator()->validate(input, pos)), state);
        }
    }

    void userResolution_read()
    {
        Ui_Output page;
        QSignalSpy emitted(&page, &Ui_Output::SGL_UpdateEmit);
        page.userReadButton()->click();
        QCOMPARE(QueuedCommands_Take(), Lines {"GET RESO-USER\r"});
        QCOMPARE(emitted.count(), 1);
    }

    void choosingUser_showsNothingUntilTheDeviceSaysSo()
    {
        Ui_Output page;
        PageReplies replies(page);
        QSignalSpy emitted(&page, &Ui_Output::SGL_UpdateEmit);
        Choose(page.resolutionCombo(), 15); // USER
        QCOMPARE(QueuedCommands_Take(), Lines {"SET OUT RESOLUTION USER\r"});
        QVERIFY(!page.userGroup()->isVisibleTo(&page));
        QCOMPARE(page.frame()->size(), QSize(740, 94));

        replies.line("OUT RESOLUTION USER");
        QVERIFY(page.userGroup()->isVisibleTo(&page));
        QCOMPARE(page.frame()->size(), QSize(1072, 94));
        QCOMPARE(page.resolutionCombo()->currentIndex(), 15);
        QCOMPARE(QueuedCommands_Take(), Lines {"GET RESO-USER\r"});
        QCOMPARE(emitted.count(), 2);

        replies.line("RESO-USER 1600 900");
        QCOMPARE(page.widthEdit()->text(), QStringLiteral("1600"));
        QCOMPARE(page.heightEdit()->text(), QStringLiteral("900"));

        replies.line("OUT RESOLUTION 1920x1080p60");
        QVERIFY(!page.userGroup()->isVisibleTo(&page));
        QCOMPARE(page.frame()->size(), QSize(740, 94));
        QCOMPARE(page.resolutionCombo()->currentIndex(), 7);
        QCOMPARE(QueuedCommands_Take(), Lines {});
        QCOMPARE(emitted.count(), 2);
    }

    void replies_selectTheReportedEntries_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("index");
        QTest::newRow("resolution AUTO")
            << QByteArray("OUT RESOLUTION AUTO") << "Output-Resolution" << 14;
        QTest::newRow("resolution first")
            << QByteArray("OUT RESOLUTION 4096x2160p60") << "Output-Resolution" << 0;
        QTest::newRow("hdcp off") << QByteArray("OUT HDCP FORCE-OFF") << "Output-HDCP" << 2;
        QTest::newRow("hdcp 2.2") << QByteArray("OUT HDCP FORCE-2.2") << "Output-HDCP" << 1;
        QTest::newRow("vka black") << QByteArray("OUT VKA BLACKSCREEN") << "Output-VKA" << 1;
        QTest::newRow("itc off") << QByteArray("OUT ITC OFF") << "Output-ITC" << 1;
        QTest::newRow("4k auto off") << QByteArray("OUT 4K-AUTO OFF") << "Output-4KAUTO" << 1;
    }
    void replies_selectTheReportedEntries()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, combo);
        QFETCH(int, index);
        Identify(0);
        Ui_Output page;
        PageReplies replies(page);
        replies.line(reply);
        QCOMPARE(page.findChild<QComboBox *>(combo)->currentIndex(), index);
    }

    void setters_ignoreIndexesOutsideTheList()
    {
        Ui_Output page;
        page.outputSetHdcp(1);
        page.outputSetHdcp(3);
        page.outputSetHdcp(-1);
        QCOMPARE(page.hdcpCombo()->currentIndex(), 1);
        page.outputSetResolution(16);
        QCOMPARE(page.resolutionCombo()->currentIndex(), 0);
        QVERIFY(!page.userGroup()->isVisibleTo(&page));
    }

    void model_decidesFourKAutoAndReadAll_data()
    {
        ModelRows({true, false, true, true, true, true}); // Corvo has none; nor before a model
    }
    void model_decidesFourKAutoAndReadAll()
    {
        QFETCH(int, model);
        QFETCH(bool, shown);
        const bool fourK = shown;
        Ui_Output page;
        Identify(quint8(model));
        page.ApplyModel();
        QCOMPARE(page.fourKAutoLabel()->isVisibleTo(&page), fourK);
        QCOMPARE(page.fourKAutoCombo()->isVisibleTo(&page), fourK);
        QSignalSpy emitted(&page, &Ui_Output::SGL_UpdateEmit);
        page.PressReadAll();
        Lines expected {"GET OUT RESOLUTION\r", "GET OUT HDCP\r", "GET OUT VKA\r", "GET OUT ITC\r"};
        if (fourK)
            expected << "GET OUT 4K-AUTO\r";
        QCOMPARE(QueuedCommands_Take(), expected);
        QCOMPARE(emitted.count(), 1);
    }

    void modelSwitch_rebuildsBothWays()
    {
        Ui_Output page;
        Identify(1);
        page.ApplyModel();
        QVERIFY(!page.fourKAutoCombo()->isVisibleTo(&page));
        Identify(2);
        page.ApplyModel();
        QVERIFY(page.fourKAutoCombo()->isVisibleTo(&page));
    }

    void refreshTexts_newLanguageKeepsIndexes()
    {
        Ui_Output page;
        page.outputSetResolution(9);
        page.outputSetHdcp(2);
        page.outputSetVka(1);
        page.outputSetItc(1);
        page.outputSet4kAuto(1);
        Slabel_Resolution = QStringLiteral("Aufloesung:");
        S_OnOff[1] = QStringLiteral("Aus");
        ScomboBox_VKA[1] = QStringLiteral("Schwarz");
        QSignalSpy emitted(&page, &Ui_Output::SGL_UpdateEmit);
        page.RefreshTexts(false, true);
        QCOMPARE(page.resolutionCombo()->currentIndex(), 9);
        QCOMPARE(page.hdcpCombo()->currentIndex(), 2);
        QCOMPARE(page.vkaCombo()->currentText(), QStringLiteral("Schwarz"));
        QCOMPARE(page.itcCombo()->currentText(), QStringLiteral("Aus"));
        QCOMPARE(page.fourKAutoCombo()->currentIndex(), 1);
        QCOMPARE(page.resolutionLabel()->text(), QStringLiteral("Aufloesung:"));
        // readAll presses the button: the queries go out once.
        QCOMPARE(QueuedCommands_Take().size(), 5);
        QCOMPARE(emitted.count(), 1);
    }

    void refreshTexts_setsTips()
    {
        Ui_Output page;
        QCOMPARE(page.widthEdit()->toolTip(), QStringLiteral("Input active width"));
        QCOMPARE(page.heightEdit()->toolTip(), QStringLiteral("Input active height"));
        QCOMPARE(page.readAllButton()->text(), QStringLiteral("Read"));
        QCOMPARE(page.userWriteButton()->text(), QStringLiteral("Write"));
    }
};

QTEST_MAIN(TestOutputPage)
#include "tst_output_page.moc"
