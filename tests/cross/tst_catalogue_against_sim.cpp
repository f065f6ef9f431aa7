// Two independently written tables checking each other: every command the panel's builders
// compose, for every model, goes through the simulator's own interpreter (which knows the device's
// words from its side of the protocol), and the replies come back through the panel's dispatcher
// into DeviceState, as on the wire. No command may draw an ERR line, and every command that awaits
// a reply must get a line that contains the text it waits for. The follow-up commands (the
// restatement after a layout reply, the user resolution, the free rectangle) are queued by the
// same widget-free functions the pages call, so they are checked too.
#include "link/command_attributes.h"
#include "link/command_catalogue.h"
#include "link/link_context.h"
#include "link/page_requests.h"
#include "sim/sim_interpreter.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "state/reply_dispatcher.h"
#include "state/reply_fan_out.h"
#include "support/model_facts.h"
#include "support/queued_commands.h"
#include "support/recording_sinks.h"

#include <QtTest>

namespace {

// Firmware parts each model reports, as the version kinds 0 main .. 3 keyboard.
const QList<int> FirmwareKinds[TestModelCount]
    = {{0, 1, 2}, {0, 1}, {0, 1, 2, 3}, {0, 1, 3}, {0, 1}};
// Models with their own network port are reached over TCP, the others over RS-232.
const bool ReachedOverTcp[TestModelCount] = {true, false, true, true, false};
const int Tessin = 3;
const int Corvo = 1;

// What a page-less user of the core does with the device's values: the follow-up commands the
// pages queue, through the same functions.
class FollowUps : public OutputSink, public MultiviewSink
{
public:
    void outputSetResolution(int index) override { Request_AfterOutputResolution(index); }
    void outputSet4kAuto(int) override { }
    void outputSetHdcp(int) override { }
    void outputSetVka(int) override { }
    void outputSetItc(int) override { }
    void outputSetUserResolution(quint32, quint32) override { }

    void multiviewSetLayout(quint32 mode, bool readSync) override
    {
        Request_AfterLayout(mode, readSync);
        Request_UserRectangle();
    }
    void multiviewSetWindowSource(int, int) override { }
    void multiviewSetAutoSwitch(int) override { }
    void multiviewSetInputResolutionText(const QString &) override { }
    void multiviewSetUserRectangle(quint32, quint32, quint32, quint32) override { }
    void multiviewSetVariantCount(quint32) override { }
    void multiviewSetLayoutVariant(int) override { Request_UserRectangle(); }
    void multiviewSetPipPosition(int) override { Request_UserRectangle(); }
    void multiviewSetPipSize(int) override { Request_UserRectangle(); }
    void multiviewSetAspect(int) override { Request_UserRectangle(); }
};

struct Sent
{
    QByteArray line; // without its CR
    QByteArray match;
    bool awaits = false;
};

// Everything queued on the active link, removed, with what each command waits for.
QList<Sent> TakeSent()
{
    QList<Sent> sent;
    LinkContext *context = Link_ActiveContext();
    if (!context)
        return sent;
    std::lock_guard<std::mutex> lock(context->sendLock);
    while (const CommandNode *node = context->sendQueue.front()) {
        Sent s;
        s.line = QByteArray(node->data, node->length);
        s.line.chop(1);
        s.match = QByteArray(node->attributes->matchText[0], int(node->attributes->matchLen[0]));
        s.awaits = node->attributes->expectReply != 0;
        sent << s;
        Queue_PopFront(&context->sendQueue);
    }
    return sent;
}

// One panel core talking to one simulated device.
class Exchange
{
public:
    explicit Exchange(int model)
        : m_sim(model, SimNetworkInfo())
    {
        m_values.addListener(&m_followUps);
        m_values.addListener(&m_heard);
    }

    // Sends whatever is queued, then whatever the replies queued in turn, until nothing is left.
    void run(const QString &step)
    {
        for (int round = 0; round < 100; ++round) {
            const QList<Sent> sent = TakeSent();
            if (sent.isEmpty())
                return;
            for (const Sent &s : sent)
                send(step, s);
        }
        problems << step + QStringLiteral(": the follow-up commands never ended");
    }

    int commands = 0;
    QStringList problems;

private:
    void send(const QString &step, const Sent &s)
    {
        ++commands;
        const SimReplies replies = m_sim.handle(s.line);
        bool matched = false;
        for (const QByteArray &reply : replies) {
            if (reply.startsWith("ERR"))
                problems << QStringLiteral("%1: \"%2\" -> %3")
                                .arg(step, QString::fromLatin1(s.line), QString::fromLatin1(reply));
            matched = matched || reply.contains(s.match);
            Reply_DispatchBytes((reply + '\r').toStdString(), m_values.sinks(m_heard));
        }
        if (s.awaits && !matched)
            problems << QStringLiteral("%1: \"%2\" waits for \"%3\", the device said \"%4\"")
                            .arg(step, QString::fromLatin1(s.line), QString::fromLatin1(s.match),
                                 QString::fromLatin1(replies.join(" | ")));
    }

    SimInterpreter m_sim;
    FollowUps m_followUps;
    RecordingSinks m_heard;
    ReplyFanOut m_values;
};

} // namespace

class TestCatalogueAgainstSim : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        DeviceState::ResetForTesting();
        LinkSettingsQueryOnly = false;
        LinkSettings_Forget();
    }
    void cleanup() { QueuedCommands_Stop(); }

    void everyCommand_understoodByTheDevice_data()
    {
        QTest::addColumn<int>("model");
        for (int m = 0; m < TestModelCount; ++m)
            QTest::newRow(TestModelNames[m]) << m;
    }
    void everyCommand_understoodByTheDevice()
    {
        QFETCH(int, model);
        QueuedCommands_Start(ReachedOverTcp[model] ? LinkModeTcp : LinkModeSerial);
        Exchange x(model);

        CmdGetModelType();
        x.run(QStringLiteral("identification"));
        QCOMPARE(int(DeviceState::modelIndex), model);
        Request_OutputReadAll();
        Request_MultiviewReadAll();
        Request_AudioReadAll();
        Request_SystemReadAll();
        x.run(QStringLiteral("read-all"));

        output(x, model);
        multiview(x, model);
        audio(x, model);
        system(x, model);

        QVERIFY2(x.problems.isEmpty(), qPrintable(x.problems.join('\n')));
        QVERIFY2(x.commands > 250, qPrintable(QString::number(x.commands)));
    }

private:
    // Each value of a setting is exchanged before the next is built: queued unsent, a newer
    // value would replace it, and every composed command is to reach the device.
    static void output(Exchange &x, int model)
    {
        for (int i = 0; i < 16; ++i) {
            CmdSetOutResolution(i);
            x.run(QStringLiteral("each"));
        }
        CmdGetOutResolution();
        CmdSetResoUser(1600, 900);
        x.run(QStringLiteral("each"));
        CmdGetResoUser();
        for (int i = 0; i < 3; ++i) {
            CmdSetOutHdcp(i);
            x.run(QStringLiteral("each"));
        }
        CmdGetOutHdcp();
        for (int i = 0; i < 2; ++i) {
            CmdSetOutVka(i);
            x.run(QStringLiteral("each"));
            CmdSetOutItc(i);
            x.run(QStringLiteral("each"));
            if (model != Corvo) // the page hides 4K AUTO on a Corvo
                CmdSetOut4kAuto(i);
            x.run(QStringLiteral("each"));
        }
        CmdGetOutVka();
        CmdGetOutItc();
        CmdGetOut4kAuto();
        x.run(QStringLiteral("output"));
    }

    static void multiview(Exchange &x, int model)
    {
        for (int layout = 0; layout < 5; ++layout) {
            const QString step = QStringLiteral("layout %1").arg(layout);
            CmdSetMultiview(layout);
            x.run(QStringLiteral("each"));
            x.run(step);
            QCOMPARE(DeviceState::multiviewMode, quint32(layout));
            CmdGetMultiview();
            CmdGetMultiviewSync();
            const int windows[] = {1, 2, 2, 3, 4};
            for (int w = 0; w < windows[layout]; ++w) {
                for (int s = 0; s < TestInputCounts[model]; ++s) {
                    CmdSetWindowIn(unsigned(w), unsigned(s));
                    x.run(QStringLiteral("each"));
                }
                CmdGetWindowIn(unsigned(w));
            }
            x.run(step + QStringLiteral(" windows"));
            if (layout == 0) {
                CmdGetInResolution();
                CmdSetAutoSwitch(0);
                x.run(QStringLiteral("each"));
                CmdSetAutoSwitch(1);
                x.run(QStringLiteral("each"));
                CmdGetAutoSwitch();
            } else if (layout == 1) {
                for (int i = 0; i < 5; ++i) {
                    CmdSetPipPos(i);
                    x.run(QStringLiteral("each"));
                }
                for (int i = 0; i < 4; ++i) {
                    CmdSetPipSize(i);
                    x.run(QStringLiteral("each"));
                }
                CmdGetPipPos();
                CmdGetPipSize();
                x.run(step + QStringLiteral(" PIP"));
                CmdSetPipPos(4); // USER: the free rectangle applies
                x.run(step + QStringLiteral(" PIP USER"));
                CmdSetUserLayout(100, 200, 640, 360);
                x.run(QStringLiteral("each"));
                CmdGetUserLayout();
            } else {
                CmdSetAspect(0);
                x.run(QStringLiteral("each"));
                CmdSetAspect(1);
                x.run(QStringLiteral("each"));
                CmdGetAspect();
                x.run(step + QStringLiteral(" aspect"));
                // The variants the device offers, as the page's variant combo lists them.
                for (quint32 n = 1; n <= DeviceState::layoutMaxMode; ++n) {
                    CmdSetMode(int(n));
                    x.run(QStringLiteral("each"));
                    x.run(step + QStringLiteral(" variant %1").arg(n));
                    CmdSetUserLayout(10, 20, 960, 1080); // only in PBP's third variant
                    CmdGetUserLayout();
                }
                CmdGetMode();
            }
            x.run(step + QStringLiteral(" options"));
        }
        for (int n = 1; n <= 20; ++n)
            CmdSetSaveScene(n);
        for (int n = 1; n <= 20; ++n)
            CmdSetLoadScene(n);
        x.run(QStringLiteral("scenes"));
    }

    static void audio(Exchange &x, int model)
    {
        for (int s = 0; s < TestAudioSourceCounts[model]; ++s) {
            CmdSetAudioSource(unsigned(s));
            x.run(QStringLiteral("each"));
        }
        CmdGetAudioSource();
        CmdSetAudioVol(0);
        x.run(QStringLiteral("each"));
        CmdSetAudioVol(unsigned(TestVolumeMaximum[model]));
        x.run(QStringLiteral("each"));
        CmdSetAudioVolUp();
        CmdSetAudioVolDown();
        CmdGetAudioVol();
        CmdSetAudioMute(0);
        x.run(QStringLiteral("each"));
        CmdSetAudioMute(1);
        x.run(QStringLiteral("each"));
        CmdGetAudioMute();
        if (model == Tessin) { // only its page shows the main switch and the microphones
            CmdSetMainAudioOnoff(0);
            x.run(QStringLiteral("each"));
            CmdSetMainAudioOnoff(1);
            x.run(QStringLiteral("each"));
            CmdGetMainAudioOnoff();
            for (int mic = 0; mic < 2; ++mic) {
                CmdSetMicOnoff(mic, 0);
                x.run(QStringLiteral("each"));
                CmdSetMicOnoff(mic, 1);
                x.run(QStringLiteral("each"));
                CmdGetMicOnoff(mic);
                CmdSetMicVol(mic, 0);
                x.run(QStringLiteral("each"));
                CmdSetMicVol(mic, 50);
                x.run(QStringLiteral("each"));
                CmdSetMicVolUp(mic);
                CmdSetMicVolDown(mic);
                CmdGetMicVol(mic);
            }
        }
        x.run(QStringLiteral("audio"));
    }

    static void system(Exchange &x, int model)
    {
        for (int i = 0; i < 19; ++i) {
            CmdSetInEdidMode(i);
            x.run(QStringLiteral("each"));
        }
        CmdGetInEdidMode();
        quint8 edid[EdidSize];
        for (int i = 0; i < EdidSize; ++i)
            edid[i] = quint8(i * 13);
        CmdSetEdidUser(edid);
        for (int kind : FirmwareKinds[model])
            CmdGetVersion(kind);
        Request_NetworkQuery();
        CmdSetNetworkInfo("192.168.1.20", "4001", "255.255.255.0", "192.168.1.1");
        x.run(QStringLiteral("each"));
        CmdGetNetworkInfo();
        Request_BaudRateQuery();
        for (int baud : {9600, 19200, 38400, 57600, 115200}) {
            CmdSetBaudrate(baud);
            x.run(QStringLiteral("each"));
        }
        CmdGetBaudrate();
        CmdSetReset();
        x.run(QStringLiteral("system"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueAgainstSim)
#include "tst_catalogue_against_sim.moc"
