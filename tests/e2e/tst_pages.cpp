// The output, audio and system pages against the simulator over TCP and over its
// pseudo-terminal: after the identification each page shows what the device reports, every
// control changes the device (its wire log and the page's read-back agree), a user EDID
// reaches the device, and a write of the device's link settings ends the link with the
// reconnect notice.
#include "e2e/support/e2e_panel.h"
#include "support/sim_device.h"

#include "app/config_values.h"
#include "app/language_texts.h"
#include "link/link_context.h"
#include "state/device_state.h"
#include "state/vocabulary.h"
#include "support/edid_files.h"
#include "support/operator_input.h"
#include "ui/my_ui_layout.h"
#include "ui/ui_audio.h"
#include "ui/ui_main.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
constexpr int Slow = 10000; // generous: the link paces commands 50 ms apart
const QString ReconnectNotice = QStringLiteral("1-Sync Config Info....\r\n2-Please ReConnect App!");

void addModelRows()
{
    QTest::addColumn<int>("model");
    for (int model = 0; model < ModelCount; ++model)
        QTest::newRow(ModelNames[model]) << model;
}

// Value of the last reply line the simulator sent for the item; null when none yet.
QString lastReply(const SimDevice &sim, const QString &item)
{
    const QStringList sent = sim.sent();
    for (int i = sent.size() - 1; i >= 0; --i) {
        if (sent.at(i).startsWith(item + QLatin1Char(' ')))
            return sent.at(i).mid(item.size() + 1);
    }
    return QString();
}

int wordIndex(const char *const *words, int count, const QString &word)
{
    for (int i = 0; i < count; ++i) {
        if (word == QLatin1String(words[i]))
            return i;
    }
    return -1;
}
template <std::size_t N>
int wordIndex(const char *const (&words)[N], const QString &word)
{
    return wordIndex(words, int(N), word);
}

// The flat button of an On/Off pair as the device's ON/OFF word ("" when neither).
QString flatWord(const Ui_Audio::OnOffPair &pair)
{
    if (pair.on->isFlat() && !pair.off->isFlat())
        return QStringLiteral("ON");
    if (pair.off->isFlat() && !pair.on->isFlat())
        return QStringLiteral("OFF");
    return QString();
}

// One panel connected to one simulated device, identified, with the read-all burst answered.
struct Bench
{
    SimDevice sim;
    std::unique_ptr<E2ePanel> panel;
    Ui_Output *output = nullptr;
    Ui_Audio *audio = nullptr;
    Ui_System *system = nullptr;

    bool open(int model, bool serial)
    {
        QStringList args {"--model", ModelNames[model]};
        if (serial)
            args << "--no-tcp"
                 << "--pty";
        if (!sim.start(args)) {
            qWarning("%s", qPrintable(sim.error()));
            return false;
        }
        panel = std::make_unique<E2ePanel>();
        if (serial)
            panel->connectSerial(sim.ptyPath());
        else
            panel->connectTcp(sim.tcpPort());
        output = panel->window().outputPage();
        audio = panel->window().audioPage();
        system = panel->window().systemPage();
        const int burst = E2ePanel::IdentificationCommands(model, serial).size();
        return panel->waitForIdentification(model) && sim.waitForReceived(burst, Slow)
            && panel->waitForLinkIdle(Slow);
    }

    // Does what the operator does, then waits until the device got the command and the
    // panel handled every reply.
    template <class Action>
    bool roundTrip(const QString &command, Action action)
    {
        const int before = sim.received().size();
        action();
        const bool got
            = QTest::qWaitFor([&] { return sim.received().mid(before).contains(command); }, Slow);
        if (!got)
            qWarning("not received: %s (got %s)", qPrintable(command),
                     qPrintable(sim.received().mid(before).join(" | ")));
        return got && panel->waitForLinkIdle(Slow);
    }
};
} // namespace

class TestE2ePages : public QObject
{
    Q_OBJECT

private slots:
    void pagesShowTheDevice_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("serial");
        for (int model = 0; model < ModelCount; ++model) {
            QTest::addRow("%s tcp", ModelNames[model]) << model << false;
            QTest::addRow("%s serial", ModelNames[model]) << model << true;
        }
    }
    void pagesShowTheDevice()
    {
        QFETCH(int, model);
        QFETCH(bool, serial);
        Bench b;
        QVERIFY(b.open(model, serial));
        const SimDevice &sim = b.sim;

        QTRY_COMPARE(b.output->resolutionCombo()->currentIndex(),
                     wordIndex(OutResolutionWords, lastReply(sim, "OUT RESOLUTION")));
        QCOMPARE(b.output->hdcpCombo()->currentIndex(),
                 wordIndex(HdcpWords, lastReply(sim, "OUT HDCP")));
        QCOMPARE(b.output->vkaCombo()->currentIndex(),
                 wordIndex(VkaWords, lastReply(sim, "OUT VKA")));
        QCOMPARE(b.output->itcCombo()->currentIndex(),
                 wordIndex(OnOffWords, lastReply(sim, "OUT ITC")));
        if (model == 1) {
            QVERIFY(lastReply(sim, "OUT 4K-AUTO").isNull());
            QVERIFY(!b.output->fourKAutoCombo()->isVisibleTo(b.output));
        } else {
            QCOMPARE(b.output->fourKAutoCombo()->currentIndex(),
                     wordIndex(OnOffWords, lastReply(sim, "OUT 4K-AUTO")));
            QVERIFY(b.output->fourKAutoCombo()->isVisibleTo(b.output));
        }

        const bool tessin = model == 3;
        const WordList sources = AudioSourceWords[model];
        QComboBox *source = tessin ? b.audio->mainSource() : b.audio->commonSource();
        QCOMPARE(source->count(), sources.count);
        QCOMPARE(source->currentIndex(),
                 wordIndex(sources.words, sources.count, lastReply(sim, "AUDIO SOURCE")));
        const Ui_Audio::VolumeControls &volume
            = tessin ? b.audio->overallVolume() : b.audio->commonVolume();
        QCOMPARE(volume.value->text(), lastReply(sim, "AUDIO VOL"));
        QCOMPARE(flatWord(tessin ? b.audio->overallMute() : b.audio->commonMute()),
                 lastReply(sim, "AUDIO-MUTE"));
        QCOMPARE(b.audio->mainGroup()->isVisibleTo(b.audio), tessin);
        QCOMPARE(b.audio->commonBlock()->isVisibleTo(b.audio), !tessin);
        if (tessin) {
            QCOMPARE(flatWord(b.audio->mainSwitch()), lastReply(sim, "MAIN-AUDIO ONOFF"));
            QCOMPARE(flatWord(b.audio->micSwitch(0)), lastReply(sim, "MIC1 ONOFF"));
            QCOMPARE(flatWord(b.audio->micSwitch(1)), lastReply(sim, "MIC2 ONOFF"));
            QCOMPARE(b.audio->micVolume(0).value->text(), lastReply(sim, "MIC1 VOL"));
            QCOMPARE(b.audio->micVolume(1).value->text(), lastReply(sim, "MIC2 VOL"));
        }

        QCOMPARE(b.system->edidCombo()->currentIndex(),
                 wordIndex(EdidModeWords, lastReply(sim, "IN EDIDMODE")));
        if (serial) {
            QCOMPARE(b.system->baudCombo()->currentText(), lastReply(sim, "BAUDRATE"));
            QCOMPARE(SP_BaudRate, lastReply(sim, "BAUDRATE"));
        } else {
            const QStringList net = lastReply(sim, "NETWORK-INFO").split(' ');
            QCOMPARE(net.size(), 4);
            QCOMPARE(net.at(1), QString::number(sim.tcpPort()));
            for (int i = 0; i < 4; ++i)
                QCOMPARE(b.system->networkEdit(i)->text(), net.at(i));
        }
        const bool network = model != 1 && model != 4;
        QCOMPARE(b.system->networkEdit(0)->isVisibleTo(b.system), network);
        // Nothing the panel sent was refused, and no box was needed.
        QVERIFY2(!sim.sent().join('\n').contains("ERR"), qPrintable(sim.sent().join(" | ")));
        QCOMPARE(b.panel->boxes().texts(), QStringList());
    }

    void outputControlsChangeTheDevice_data() { addModelRows(); }
    void outputControlsChangeTheDevice()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY(b.open(model, false));
        struct
        {
            QComboBox *combo;
            const char *item;
            const char *const *words;
            int count;
        } settings[] = {{b.output->hdcpCombo(), "OUT HDCP", HdcpWords, 3},
                        {b.output->vkaCombo(), "OUT VKA", VkaWords, 2},
                        {b.output->itcCombo(), "OUT ITC", OnOffWords, 2},
                        {b.output->fourKAutoCombo(), "OUT 4K-AUTO", OnOffWords, 2}};
        const int count = model == 1 ? 3 : 4; // a Corvo has no 4K AUTO
        QList<int> chosen;
        for (int i = 0; i < count; ++i) {
            const auto &s = settings[i];
            const int next = (s.combo->currentIndex() + 1) % s.count;
            chosen << next;
            QVERIFY(b.roundTrip(QStringLiteral("SET %1 %2").arg(s.item, s.words[next]),
                                [&] { Choose(s.combo, next); }));
            QCOMPARE(lastReply(b.sim, s.item), QLatin1String(s.words[next]));
        }
        // Read back: the device keeps the new values and the page shows them.
        for (int i = 0; i < count; ++i)
            settings[i].combo->setCurrentIndex((chosen.at(i) + 1) % settings[i].count);
        QVERIFY(b.roundTrip("GET OUT ITC", [&] { b.output->readAllButton()->click(); }));
        for (int i = 0; i < count; ++i)
            QCOMPARE(settings[i].combo->currentIndex(), chosen.at(i));
        QVERIFY2(!b.sim.sent().join('\n').contains("ERR"), qPrintable(b.sim.sent().join(" | ")));
        QCOMPARE(b.panel->boxes().texts(), QStringList());
    }

    void audioControlsChangeTheDevice_data() { addModelRows(); }
    void audioControlsChangeTheDevice()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY(b.open(model, false));
        const bool tessin = model == 3;
        const WordList sources = AudioSourceWords[model];
        QComboBox *source = tessin ? b.audio->mainSource() : b.audio->commonSource();
        const int last = source->count() - 1; // the model's last source (WIN-KVM, LR4, ...)
        QVERIFY(b.roundTrip(QStringLiteral("SET AUDIO SOURCE ") + sources.words[last],
                            [&] { Choose(source, last); }));
        const Ui_Audio::VolumeControls &volume
            = tessin ? b.audio->overallVolume() : b.audio->commonVolume();
        QVERIFY(b.roundTrip("SET AUDIO VOL 7", [&] {
            volume.value->setText("7");
            QTest::keyClick(volume.value, Qt::Key_Return);
        }));
        QCOMPARE(volume.value->text(), QStringLiteral("7"));
        QVERIFY(b.roundTrip("SET AUDIO VOL+", [&] { volume.up->click(); }));
        QCOMPARE(volume.value->text(), QStringLiteral("8"));
        QVERIFY(b.roundTrip("SET AUDIO VOL-", [&] { volume.down->click(); }));
        QCOMPARE(volume.value->text(), QStringLiteral("7"));
        const Ui_Audio::OnOffPair &mute = tessin ? b.audio->overallMute() : b.audio->commonMute();
        QVERIFY(b.roundTrip("SET AUDIO-MUTE ON", [&] { mute.on->click(); }));
        QCOMPARE(flatWord(mute), QStringLiteral("ON"));
        if (tessin) {
            QVERIFY(b.roundTrip("SET MIC2 ONOFF ON", [&] { b.audio->micSwitch(1).on->click(); }));
            QCOMPARE(flatWord(b.audio->micSwitch(1)), QStringLiteral("ON"));
            QVERIFY(b.roundTrip("SET MAIN-AUDIO ONOFF OFF",
                                [&] { b.audio->mainSwitch().off->click(); }));
            QCOMPARE(flatWord(b.audio->mainSwitch()), QStringLiteral("OFF"));
            QLineEdit *mic1 = b.audio->micVolume(0).value;
            QVERIFY(b.roundTrip("SET MIC1 VOL 33", [&] {
                mic1->setText("33");
                QTest::keyClick(mic1, Qt::Key_Return);
            }));
            QVERIFY(b.roundTrip("SET MIC1 VOL-", [&] { b.audio->micVolume(0).down->click(); }));
            QCOMPARE(mic1->text(), QStringLiteral("32"));
        }
        // Read back through the page.
        source->setCurrentIndex(0);
        volume.value->clear();
        QVERIFY(b.roundTrip("GET AUDIO-MUTE", [&] { b.audio->readAllButton()->click(); }));
        QCOMPARE(source->currentIndex(), last);
        QCOMPARE(volume.value->text(), QStringLiteral("7"));
        QCOMPARE(flatWord(mute), QStringLiteral("ON"));
        if (tessin) {
            QCOMPARE(b.audio->micVolume(0).value->text(), QStringLiteral("32"));
            QCOMPARE(lastReply(b.sim, "MIC1 VOL"), QStringLiteral("32"));
        }
        QVERIFY2(!b.sim.sent().join('\n').contains("ERR"), qPrintable(b.sim.sent().join(" | ")));
        QCOMPARE(b.panel->boxes().texts(), QStringList());
    }

    void systemControlsChangeTheDevice_data() { addModelRows(); }
    void systemControlsChangeTheDevice()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY(b.open(model, false));
        QVERIFY(b.roundTrip("SET IN EDIDMODE 4K30-2.0", [&] { Choose(b.system->edidCombo(), 3); }));
        b.system->edidCombo()->setCurrentIndex(0);
        QVERIFY(b.roundTrip("GET IN EDIDMODE", [&] { b.system->readAllButton()->click(); }));
        QCOMPARE(b.system->edidCombo()->currentIndex(), 3);

        static const char *const VersionItems[]
            = {"VERSION", "SUB-VERSION", "EXPAND-VERSION", "KEYBOARD-VERSION"};
        QComboBox *firmware = b.system->firmwareCombo();
        for (int i = 0; i < firmware->count(); ++i) {
            int kind = 0;
            while (kind < 4 && ScomboBox_FirmwareVersion[kind] != firmware->itemText(i))
                ++kind;
            QVERIFY(kind < 4);
            QVERIFY(b.roundTrip(QStringLiteral("GET ") + VersionItems[kind],
                                [&] { Choose(firmware, i); }));
            const QString version = lastReply(b.sim, VersionItems[kind]);
            QVERIFY(version.startsWith('V'));
            QCOMPARE(b.system->versionEdit()->text(), version);
        }
        QVERIFY2(!b.sim.sent().join('\n').contains("ERR"), qPrintable(b.sim.sent().join(" | ")));
        QCOMPARE(b.panel->boxes().texts(), QStringList());
    }

    void userResolution_shownAfterTheDeviceSwitched()
    {
        Bench b;
        QVERIFY(b.open(0, false));
        // The resolution command holds the link for 10 s whatever the device answers; its
        // reply shows the group, and the size query follows after the pause.
        Choose(b.output->resolutionCombo(), 15); // USER
        QVERIFY(QTest::qWaitFor(
            [&] { return b.sim.received().contains("SET OUT RESOLUTION USER"); }, Slow));
        QTRY_VERIFY_WITH_TIMEOUT(b.output->userGroup()->isVisibleTo(b.output), Slow);
        QVERIFY(QTest::qWaitFor([&] { return b.sim.received().contains("GET RESO-USER"); }, 15000));
        QVERIFY(b.panel->waitForLinkIdle(Slow));
        const QStringList size = lastReply(b.sim, "RESO-USER").split(' ');
        QCOMPARE(size.size(), 2);
        QCOMPARE(b.output->widthEdit()->text(), size.at(0));
        QCOMPARE(b.output->heightEdit()->text(), size.at(1));
        QVERIFY(b.roundTrip("SET RESO-USER 1280 1024", [&] {
            b.output->widthEdit()->setText("1280");
            b.output->heightEdit()->setText("1024");
            b.output->userWriteButton()->click();
        }));
        QTRY_COMPARE(lastReply(b.sim, "RESO-USER"), QStringLiteral("1280 1024"));
        QTRY_COMPARE(b.output->widthEdit()->text(), QStringLiteral("1280"));
    }

    void edidUpload_reachesTheDevice_data() { addModelRows(); }
    void edidUpload_reachesTheDevice()
    {
        QFETCH(int, model);
        Bench b;
        QVERIFY(b.open(model, false));
        QTemporaryDir dir;
        const QString path = dir.filePath("monitor.bin");
        const QByteArray edid = EdidSample(1);
        QVERIFY(EdidMakePath("file", path, edid));
        b.system->setFileChooser(
            [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        b.system->loadButton()->click();
        QString expected = QStringLiteral("SET EDID-USER");
        for (char c : edid)
            expected += QStringLiteral(" %1").arg(quint8(c), 2, 16, QLatin1Char('0')).toUpper();
        QVERIFY(b.roundTrip(expected, [&] { b.system->edidWriteButton()->click(); }));
        QVERIFY(b.panel->waitForBoxes(1, Slow));
        QCOMPARE(b.panel->boxes().texts(), QStringList {"EDID Write Success."});
        QVERIFY(b.sim.sent().contains("EDID-USER OK"));
    }

    void baudRateWrite_overSerial_endsWithNoticeAndClosedLink()
    {
        Bench b;
        QVERIFY(b.open(2, true));
        QCOMPARE(b.panel->boxes().count(), 0); // the read after the identification asks none
        b.system->baudCombo()->setCurrentIndex(BaudRateList.indexOf("57600"));
        b.system->rs232WriteButton()->click();
        QVERIFY(b.panel->waitForBoxes(1, Slow));
        QCOMPARE(b.panel->boxes().texts(), QStringList {ReconnectNotice});
        QVERIFY(b.sim.received().contains("SET BAUDRATE 57600"));
        QVERIFY(b.panel->waitForLinkClosed());
        QCOMPARE(SP_BaudRate, QStringLiteral("57600"));
        QCOMPARE(b.system->baudCombo()->currentText(), QStringLiteral("57600"));
    }

    void baudRateRead_overSerial_noNoticeLinkStays()
    {
        Bench b;
        QVERIFY(b.open(0, true));
        QVERIFY(b.roundTrip("GET BAUDRATE", [&] { b.system->rs232ReadButton()->click(); }));
        QCOMPARE(b.panel->boxes().count(), 0);
        QCOMPARE(LinkMode, LinkModeSerial);
        QCOMPARE(SP_BaudRate, lastReply(b.sim, "BAUDRATE"));
    }

    void networkWrite_overTcp_endsWithNoticeAndClosedLink()
    {
        Bench b;
        QVERIFY(b.open(0, false));
        const QStringList values {"127.0.0.1", QString::number(b.sim.tcpPort()), "255.0.0.0",
                                  "127.0.0.1"};
        for (int i = 0; i < 4; ++i)
            b.system->networkEdit(i)->setText(values.at(i));
        b.system->networkWriteButton()->click();
        QVERIFY(b.panel->waitForBoxes(1, Slow));
        QCOMPARE(b.panel->boxes().texts(), QStringList {ReconnectNotice});
        QVERIFY(b.sim.received().contains("SET NETWORK-INFO " + values.join(' ')));
        QVERIFY(b.panel->waitForLinkClosed());
    }
};

QTEST_MAIN(TestE2ePages)
#include "tst_pages.moc"
