// Audio page: the object-name convention the slots rely on, exact lines for every control,
// lenient volume fields that never send beyond the device's range, per-model layouts and
// source lists, and the device's replies shown where they belong.
#include "page_harness.h"
#include "ui/my_ui_layout.h"
#include "ui/page_widgets.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
const char *const AllObjectNames[]
    = {"Common-AudioSource",      "Common-Volume-0",         "Common-Volume-1",
       "Common-VolumeValue",      "Common-AudioMute-0",      "Common-AudioMute-1",
       "Main-AudioMute-0",        "Main-AudioMute-1",        "Main-AudioSource",
       "Microphone1-AudioMute-0", "Microphone1-AudioMute-1", "Microphone1-Volume-0",
       "Microphone1-Volume-1",    "Microphone1-VolumeValue", "Microphone2-AudioMute-0",
       "Microphone2-AudioMute-1", "Microphone2-Volume-0",    "Microphone2-Volume-1",
       "Microphone2-VolumeValue", "Overall-Volume-0",        "Overall-Volume-1",
       "Overall-VolumeValue",     "Overall-AudioMute-0",     "Overall-AudioMute-1"};
} // namespace

class TestAudioPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageTestEnv> m_env;

private slots:
    void init() { m_env = std::make_unique<PageTestEnv>(); }
    void cleanup() { m_env.reset(); }

    void objectNames_everyControlIsNamed()
    {
        Ui_Audio page;
        for (const char *name : AllObjectNames)
            QVERIFY2(page.findChild<QWidget *>(QLatin1String(name)), name);
        QCOMPARE(page.findChildren<QPushButton *>(QRegularExpression("-AudioMute-[01]$")).size(),
                 10);
        QCOMPARE(page.findChildren<QPushButton *>(QRegularExpression("-Volume-[01]$")).size(), 8);
        QCOMPARE(page.findChildren<QLineEdit *>(QRegularExpression("-VolumeValue$")).size(), 4);
    }

    void splitControlName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("digit");
        QTest::newRow("common volume") << "Common-Volume-1"
                                       << "Common-Volume-" << 1;
        QTest::newRow("overall mute") << "Overall-AudioMute-0"
                                      << "Overall-AudioMute-" << 0;
        QTest::newRow("mic 2 mute") << "Microphone2-AudioMute-1"
                                    << "Microphone2-AudioMute-" << 1;
        QTest::newRow("digit 7") << "Main-AudioMute-7"
                                 << "Main-AudioMute-" << 7;
        QTest::newRow("no digit") << "Common-AudioSource"
                                  << "Common-" << -1;
        QTest::newRow("letters after digit") << "Common-Volume-1a"
                                             << "Common-Volume-" << -1;
        QTest::newRow("sign") << "Common-Volume-+1"
                              << "Common-Volume-" << -1;
        QTest::newRow("trailing dash") << "Common-Volume-"
                                       << "Common-Volume-" << -1;
        QTest::newRow("no dash") << "Volume1"
                                 << "" << -1;
        QTest::newRow("empty") << ""
                               << "" << -1;
        QTest::newRow("huge number") << "Common-Volume-99999999999"
                                     << "Common-Volume-" << -1;
    }
    void splitControlName()
    {
        QFETCH(QString, name);
        QFETCH(QString, prefix);
        QFETCH(int, digit);
        const AudioControlName split = Audio_SplitControlName(name);
        QCOMPARE(split.prefix, prefix);
        QCOMPARE(split.digit, digit);
    }

    void buttons_queueExactLines_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("common -") << "Common-Volume-0" << QByteArray("SET AUDIO VOL-\r");
        QTest::newRow("common +") << "Common-Volume-1" << QByteArray("SET AUDIO VOL+\r");
        QTest::newRow("overall -") << "Overall-Volume-0" << QByteArray("SET AUDIO VOL-\r");
        QTest::newRow("overall +") << "Overall-Volume-1" << QByteArray("SET AUDIO VOL+\r");
        QTest::newRow("mic1 -") << "Microphone1-Volume-0" << QByteArray("SET MIC1 VOL-\r");
        QTest::newRow("mic1 +") << "Microphone1-Volume-1" << QByteArray("SET MIC1 VOL+\r");
        QTest::newRow("mic2 -") << "Microphone2-Volume-0" << QByteArray("SET MIC2 VOL-\r");
        QTest::newRow("mic2 +") << "Microphone2-Volume-1" << QByteArray("SET MIC2 VOL+\r");
        QTest::newRow("common on") << "Common-AudioMute-0" << QByteArray("SET AUDIO-MUTE ON\r");
        QTest::newRow("common off") << "Common-AudioMute-1" << QByteArray("SET AUDIO-MUTE OFF\r");
        QTest::newRow("overall on") << "Overall-AudioMute-0" << QByteArray("SET AUDIO-MUTE ON\r");
        QTest::newRow("overall off") << "Overall-AudioMute-1" << QByteArray("SET AUDIO-MUTE OFF\r");
        QTest::newRow("main on") << "Main-AudioMute-0" << QByteArray("SET MAIN-AUDIO ONOFF ON\r");
        QTest::newRow("main off") << "Main-AudioMute-1" << QByteArray("SET MAIN-AUDIO ONOFF OFF\r");
        QTest::newRow("mic1 on") << "Microphone1-AudioMute-0" << QByteArray("SET MIC1 ONOFF ON\r");
        QTest::newRow("mic1 off") << "Microphone1-AudioMute-1"
                                  << QByteArray("SET MIC1 ONOFF OFF\r");
        QTest::newRow("mic2 on") << "Microphone2-AudioMute-0" << QByteArray("SET MIC2 ONOFF ON\r");
        QTest::newRow("mic2 off") << "Microphone2-AudioMute-1"
                                  << QByteArray("SET MIC2 ONOFF OFF\r");
    }
    void buttons_queueExactLines()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, line);
        Identify(3);
        Ui_Audio page;
        QSignalSpy emitted(&page, &Ui_Audio::SGL_UpdateEmit);
        page.findChild<QPushButton *>(button)->click();
        QCOMPARE(QueuedCommands_Take(), Lines {line});
        QCOMPARE(emitted.count(), 1);
    }

    void buttons_offIsFlatOnlyAfterTheReply()
    {
        Identify(0);
        Ui_Audio page;
        PageReplies replies(page);
        page.commonMute().off->click();
        QCOMPARE(QueuedCommands_Take(), Lines {"SET AUDIO-MUTE OFF\r"});
        QVERIFY(!page.commonMute().off->isFlat());
        replies.line("AUDIO-MUTE OFF");
        QVERIFY(page.commonMute().off->isFlat());
        QVERIFY(!page.commonMute().on->isFlat());
        replies.line("AUDIO-MUTE ON");
        QVERIFY(page.commonMute().on->isFlat());
        QVERIFY(!page.commonMute().off->isFlat());
    }

    void buttons_foreignNamesSendNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("volumeSlot");
        QTest::newRow("mute digit 2") << "Common-AudioMute-2" << false;
        QTest::newRow("unknown block mute") << "Side-AudioMute-0" << false;
        QTest::newRow("volume digit 3") << "Overall-Volume-3" << true;
        QTest::newRow("unknown block volume") << "Microphone3-Volume-1" << true;
        QTest::newRow("volume name on mute slot") << "Common-Volume-1" << false;
        QTest::newRow("no name") << "" << true;
    }
    void buttons_foreignNamesSendNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, volumeSlot);
        Ui_Audio page;
        QPushButton stranger;
        stranger.setObjectName(name);
        if (volumeSlot)
            connect(&stranger, &QPushButton::clicked, &page, &Ui_Audio::SLT_BTN_Volume);
        else
            connect(&stranger, &QPushButton::clicked, &page, &Ui_Audio::SLT_BTN_AudioMute);
        QSignalSpy emitted(&page, &Ui_Audio::SGL_UpdateEmit);
        stranger.click();
        QCOMPARE(QueuedCommands_Take(), Lines {});
        QCOMPARE(emitted.count(), 0);
    }

    // A typed level is sent only when it is a plain decimal within the model's range.
    // Otherwise nothing goes out, the field shows the level the device last reported again,
    // and its frame and tool tip say why.
    void volumeEdits_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("line"); // empty: refused, nothing queued
        QTest::addColumn<QString>("reason");
        const QString common = "Common-VolumeValue", overall = "Overall-VolumeValue";
        const QString mic1 = "Microphone1-VolumeValue", mic2 = "Microphone2-VolumeValue";
        const QString upTo100 = "Not sent: enter a whole number from 0 to 100.";
        const QString upTo50 = "Not sent: enter a whole number from 0 to 50.";
        QTest::newRow("Tessin 50")
            << 3 << overall << "50" << QByteArray("SET AUDIO VOL 50\r") << "";
        QTest::newRow("Tessin 60") << 3 << overall << "60" << QByteArray() << upTo50;
        QTest::newRow("Halden 100")
            << 0 << common << "100" << QByteArray("SET AUDIO VOL 100\r") << "";
        QTest::newRow("Halden 101") << 0 << common << "101" << QByteArray() << upTo100;
        QTest::newRow("Brimo 0") << 4 << common << "0" << QByteArray("SET AUDIO VOL 0\r") << "";
        QTest::newRow("no model yet 100")
            << 5 << common << "100" << QByteArray("SET AUDIO VOL 100\r") << "";
        QTest::newRow("no model yet 101") << 5 << common << "101" << QByteArray() << upTo100;
        QTest::newRow("blanks around")
            << 0 << common << " 42 " << QByteArray("SET AUDIO VOL 42\r") << "";
        QTest::newRow("leading zeros")
            << 0 << common << "007" << QByteArray("SET AUDIO VOL 7\r") << "";
        // Text that is no plain number is never read as 0.
        QTest::newRow("empty") << 0 << common << "" << QByteArray() << upTo100;
        QTest::newRow("letters") << 0 << common << "loud" << QByteArray() << upTo100;
        QTest::newRow("letter O for zero") << 0 << common << "5O" << QByteArray() << upTo100;
        QTest::newRow("blank inside") << 0 << common << "5 0" << QByteArray() << upTo100;
        QTest::newRow("negative") << 0 << common << "-5" << QByteArray() << upTo100;
        QTest::newRow("plus sign") << 0 << common << "+5" << QByteArray() << upTo100;
        QTest::newRow("decimal") << 0 << common << "5.5" << QByteArray() << upTo100;
        QTest::newRow("group separator") << 0 << common << "1,0" << QByteArray() << upTo100;
        QTest::newRow("full-width digits")
            << 0 << common << QString::fromUtf8("５０") << QByteArray() << upTo100;
        QTest::newRow("beyond 32 bits")
            << 0 << common << "99999999999999999999" << QByteArray() << upTo100;
        QTest::newRow("32-bit maximum") << 0 << common << "4294967295" << QByteArray() << upTo100;
        QTest::newRow("huge in range of int")
            << 3 << overall << "2147483648" << QByteArray() << upTo50;
        QTest::newRow("mic1 50") << 3 << mic1 << "50" << QByteArray("SET MIC1 VOL 50\r") << "";
        QTest::newRow("mic1 51") << 3 << mic1 << "51" << QByteArray() << upTo50;
        QTest::newRow("mic2 7") << 3 << mic2 << "7" << QByteArray("SET MIC2 VOL 7\r") << "";
        QTest::newRow("mic2 1000") << 3 << mic2 << "1000" << QByteArray() << upTo50;
        QTest::newRow("mic2 letters") << 3 << mic2 << "x" << QByteArray() << upTo50;
    }
    void volumeEdits()
    {
        QFETCH(int, model);
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QByteArray, line);
        QFETCH(QString, reason);
        Identify(quint8(model));
        Ui_Audio page;
        page.audioSetVolume(21); // what the device reported last
        page.audioSetMicLevel(0, 12);
        page.audioSetMicLevel(1, 13);
        auto *field = page.findChild<QLineEdit *>(edit);
        QVERIFY(field);
        QVERIFY(!field->validator());
        const QString deviceText = field->text();
        const QString tip = field->toolTip();
        field->setText(text);
        QSignalSpy emitted(&page, &Ui_Audio::SGL_UpdateEmit);
        QTest::keyClick(field, Qt::Key_Return);
        if (!line.isEmpty()) {
            QCOMPARE(QueuedCommands_Take(), Lines {line});
            QCOMPARE(emitted.count(), 1);
            QCOMPARE(field->text(), text);
            QVERIFY(!Page_IsRefused(field));
            return;
        }
        QCOMPARE(QueuedCommands_Take(), Lines {});
        QCOMPARE(emitted.count(), 0);
        QCOMPARE(field->text(), deviceText);
        QVERIFY(Page_IsRefused(field));
        QCOMPARE(field->toolTip(), reason);

        // Typing again clears the mark and gives the field its own tip back.
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!Page_IsRefused(field));
        QCOMPARE(field->toolTip(), tip);
    }

    void volumeEdit_deviceValueClearsTheMark()
    {
        Identify(0);
        Ui_Audio page;
        QLineEdit *field = page.commonVolume().value;
        field->setText("abc");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QString()); // nothing reported yet: the field goes empty
        QVERIFY(Page_IsRefused(field));
        page.audioSetVolume(55);
        QCOMPARE(field->text(), QStringLiteral("55"));
        QVERIFY(!Page_IsRefused(field));
        QCOMPARE(QueuedCommands_Take(), Lines {});
    }

    void volumeEdits_tips()
    {
        Ui_Audio page;
        QCOMPARE(page.commonVolume().value->toolTip(),
                 QStringLiteral("Press Enter to end the input;Volume Value:0~100"));
        for (const QLineEdit *edit :
             {page.overallVolume().value, page.micVolume(0).value, page.micVolume(1).value})
            QCOMPARE(edit->toolTip(),
                     QStringLiteral("Press Enter to end the input;Volume Value:0~50"));
    }

    void sourceList_perModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("Halden") << 0
                                << QStringList {"Window-1", "IN-1", "IN-2", "IN-3", "IN-4", "IN-5"}
                                << Lines {"SET AUDIO SOURCE WIN1\r",  "SET AUDIO SOURCE HDMI1\r",
                                          "SET AUDIO SOURCE HDMI2\r", "SET AUDIO SOURCE HDMI3\r",
                                          "SET AUDIO SOURCE HDMI4\r", "SET AUDIO SOURCE USB-C\r"};
        QTest::newRow("Corvo") << 1 << QStringList {"Window-1", "IN-1", "IN-2", "IN-3", "IN-4"}
                               << Lines {"SET AUDIO SOURCE WIN1\r", "SET AUDIO SOURCE HDMI1\r",
                                         "SET AUDIO SOURCE HDMI2\r", "SET AUDIO SOURCE HDMI3\r",
                                         "SET AUDIO SOURCE HDMI4\r"};
        QTest::newRow("Marlet") << 2 << QStringList {"Window-1", "IN-1", "IN-2",   "IN-3",
                                                     "IN-4",     "IN-5", "IN-6",   "IN-7",
                                                     "IN-8",     "IN-9", "WIN-KVM"}
                                << Lines {"SET AUDIO SOURCE WIN1\r",   "SET AUDIO SOURCE HDMI1\r",
                                          "SET AUDIO SOURCE HDMI2\r",  "SET AUDIO SOURCE HDMI3\r",
                                          "SET AUDIO SOURCE HDMI4\r",  "SET AUDIO SOURCE HDMI5\r",
                                          "SET AUDIO SOURCE HDMI6\r",  "SET AUDIO SOURCE HDMI7\r",
                                          "SET AUDIO SOURCE DP\r",     "SET AUDIO SOURCE USB-C\r",
                                          "SET AUDIO SOURCE WIN-KVM\r"};
        QTest::newRow("Tessin") << 3 << QStringList {"Window-1", "IN-1", "IN-2", "IN-3", "IN-4",
                                                     "IN-5",     "IN-6", "IN-7", "IN-8", "IN-9",
                                                     "LR1",      "LR2",  "LR3",  "LR4"}
                                << Lines {"SET AUDIO SOURCE WIN1\r",  "SET AUDIO SOURCE HDMI1\r",
                                          "SET AUDIO SOURCE HDMI2\r", "SET AUDIO SOURCE HDMI3\r",
                                          "SET AUDIO SOURCE HDMI4\r", "SET AUDIO SOURCE HDMI5\r",
                                          "SET AUDIO SOURCE HDMI6\r", "SET AUDIO SOURCE HDMI7\r",
                                          "SET AUDIO SOURCE DP\r",    "SET AUDIO SOURCE USB-C\r",
                                          "SET AUDIO SOURCE LR1\r",   "SET AUDIO SOURCE LR2\r",
                                          "SET AUDIO SOURCE LR3\r",   "SET AUDIO SOURCE LR4\r"};
        QTest::newRow("Brimo") << 4
                               << QStringList {"Window-1", "IN-1", "IN-2", "IN-3", "IN-4", "IN-5"}
                               << Lines {"SET AUDIO SOURCE WIN1\r",  "SET AUDIO SOURCE HDMI1\r",
                                         "SET AUDIO SOURCE HDMI2\r", "SET AUDIO SOURCE HDMI3\r",
                                         "SET AUDIO SOURCE DP\r",    "SET AUDIO SOURCE USB-C\r"};
    }
    void sourceList_perModel()
    {
        QFETCH(int, model);
        QFETCH(QStringList, items);
        QFETCH(Lines, lines);
        Ui_Audio page;
        Identify(quint8(model));
        page.ApplyModel();
        QComboBox *combo = model == 3 ? page.mainSource() : page.commonSource();
        QCOMPARE(comboItems(combo), items);
        QCOMPARE(combo->count(), lines.size());
        // Every item sends the model's word at its position.
        for (int i = 0; i < combo->count(); ++i) {
            QSignalSpy emitted(&page, &Ui_Audio::SGL_UpdateEmit);
            Choose(combo, i);
            QCOMPARE(QueuedCommands_Take(), Lines {lines.at(i)});
            QCOMPARE(emitted.count(), 1);
        }
    }

    void sourceList_inputCountOutsideOneToNine_onlyWindowAndExtras()
    {
        Ui_Audio page;
        DeviceState::modelIndex = 2;
        DeviceState::inputSourceCount = 10;
        page.ApplyModel();
        QCOMPARE(comboItems(page.commonSource()), (QStringList {"Window-1", "WIN-KVM"}));
        DeviceState::inputSourceCount = -1;
        page.ApplyModel();
        QCOMPARE(comboItems(page.commonSource()), (QStringList {"Window-1", "WIN-KVM"}));
    }

    void readAll_perModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<Lines>("lines");
        const Lines three {"GET AUDIO SOURCE\r", "GET AUDIO VOL\r", "GET AUDIO-MUTE\r"};
        QTest::newRow("Halden") << 0 << three;
        QTest::newRow("Corvo") << 1 << three;
        QTest::newRow("Marlet") << 2 << three;
        QTest::newRow("Brimo") << 4 << three;
        QTest::newRow("no model") << 5 << three;
        QTest::newRow("Tessin") << 3
                                << (three
                                    + Lines {"GET MAIN-AUDIO ONOFF\r", "GET MIC1 ONOFF\r",
                                             "GET MIC1 VOL\r", "GET MIC2 ONOFF\r",
                                             "GET MIC2 VOL\r"});
    }
    void readAll_perModel()
    {
        QFETCH(int, model);
        QFETCH(Lines, lines);
        Identify(quint8(model));
        Ui_Audio page;
        QSignalSpy emitted(&page, &Ui_Audio::SGL_UpdateEmit);
        page.PressReadAll();
        QCOMPARE(QueuedCommands_Take(), lines);
        QCOMPARE(emitted.count(), 1);
    }

    void modelSwitch_rebuildsTheLayout()
    {
        Ui_Audio page;
        Identify(3);
        page.ApplyModel();
        QVERIFY(!page.commonBlock()->isVisibleTo(&page));
        for (QGroupBox *g : {page.mainGroup(), page.microphoneGroup(), page.overallGroup()})
            QVERIFY(g->isVisibleTo(&page));
        QCOMPARE(page.mainGroup()->geometry(), QRect(4, 4, 392, 80));
        QCOMPARE(page.microphoneGroup()->size(), QSize(396, 140));
        QCOMPARE(page.overallGroup()->size(), QSize(336, 80));
        QVERIFY(page.microphoneGroup()->y() > page.mainGroup()->geometry().bottom());
        QVERIFY(page.overallGroup()->y() > page.microphoneGroup()->geometry().bottom());
        QCOMPARE(page.readAllButton()->y(), page.overallGroup()->geometry().bottom() + 1 + 11);
        QCOMPARE(page.readAllButton()->size(), QSize(100, 26));

        Identify(0);
        page.ApplyModel();
        QVERIFY(page.commonBlock()->isVisibleTo(&page));
        QCOMPARE(page.commonBlock()->geometry(), QRect(4, 4, 392, 94));
        for (QGroupBox *g : {page.mainGroup(), page.microphoneGroup(), page.overallGroup()})
            QVERIFY(!g->isVisibleTo(&page));
        QCOMPARE(page.readAllButton()->y(), 4 + 94 + 11);

        // An unknown model changes nothing.
        DeviceState::modelIndex = 5;
        page.ApplyModel();
        QVERIFY(page.commonBlock()->isVisibleTo(&page));
    }

    void replies_showWhereTheyBelong_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::newRow("Halden volume 60") << 0 << QByteArray("AUDIO VOL 60") << "Common-VolumeValue"
                                          << "60";
        QTest::newRow("Tessin volume 60 ignored")
            << 3 << QByteArray("AUDIO VOL 60") << "Overall-VolumeValue"
            << "";
        QTest::newRow("Tessin volume 30")
            << 3 << QByteArray("AUDIO VOL 30") << "Overall-VolumeValue"
            << "30";
        QTest::newRow("Tessin mic1 12")
            << 3 << QByteArray("MIC1 VOL 12") << "Microphone1-VolumeValue"
            << "12";
        QTest::newRow("Tessin mic2 50")
            << 3 << QByteArray("MIC2 VOL 50") << "Microphone2-VolumeValue"
            << "50";
    }
    void replies_showWhereTheyBelong()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, reply);
        QFETCH(QString, edit);
        QFETCH(QString, text);
        Identify(quint8(model));
        Ui_Audio page;
        PageReplies replies(page);
        replies.line(reply);
        QCOMPARE(page.findChild<QLineEdit *>(edit)->text(), text);
    }

    void replies_sourceAndSwitches()
    {
        Identify(3);
        Ui_Audio page;
        PageReplies replies(page);
        replies.line("AUDIO SOURCE LR2");
        QCOMPARE(page.mainSource()->currentIndex(), 11);
        replies.line("MAIN-AUDIO ONOFF OFF");
        QVERIFY(page.mainSwitch().off->isFlat());
        QVERIFY(!page.mainSwitch().on->isFlat());
        replies.line("MIC2 ONOFF ON");
        QVERIFY(page.micSwitch(1).on->isFlat());
        QVERIFY(!page.micSwitch(0).on->isFlat() && !page.micSwitch(0).off->isFlat());
        replies.line("AUDIO-MUTE ON");
        QVERIFY(page.overallMute().on->isFlat());
        QVERIFY(!page.commonMute().on->isFlat());
    }

    void switches_onlyOnTessin()
    {
        Identify(0);
        Ui_Audio page;
        page.audioSetSwitch(0, 0);
        page.audioSetSwitch(1, 1);
        QVERIFY(!page.mainSwitch().on->isFlat());
        QVERIFY(!page.micSwitch(0).off->isFlat());
        Identify(3);
        page.audioSetSwitch(3, 0); // no such channel
        page.audioSetMute(2); // no such index
        page.audioSetMicLevel(2, 9);
        for (QPushButton *b : page.findChildren<QPushButton *>())
            QVERIFY(!b->isFlat());
    }

    void renameRefresh_keepsIndexAndShowsNewName()
    {
        Identify(2);
        Ui_Audio page;
        page.audioSetSource(3);
        page.audioSetVolume(40);
        S_InputSource_Name[2] = QStringLiteral("Camera");
        QSignalSpy emitted(&page, &Ui_Audio::SGL_UpdateEmit);
        page.RefreshTexts(false, false);
        QCOMPARE(page.commonSource()->currentIndex(), 3);
        QCOMPARE(page.commonSource()->currentText(), QStringLiteral("Camera"));
        QCOMPARE(page.commonVolume().value->text(), QStringLiteral("40")); // only `first` clears
        QCOMPARE(emitted.count(), 0);
        QCOMPARE(QueuedCommands_Take(), Lines {});

        SgroupBox_MainAudio = QStringLiteral("Haupt");
        page.RefreshTexts(false, true);
        QCOMPARE(page.mainGroup()->title(), QStringLiteral("Haupt"));
        QCOMPARE(QueuedCommands_Take().size(), 3);
        QCOMPARE(emitted.count(), 1);
    }
};

QTEST_MAIN(TestAudioPage)
#include "tst_audio_page.moc"
