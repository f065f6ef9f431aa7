// The apply order and what is skipped: comparing wanted and current settings, the stages and
// the exact builder calls, model differences and the link-cutting settings.
#include "profile/profile_diff.h"
#include "profile/profile_plan.h"

#include <QtTest>

namespace {
enum Model { Halden, Corvo, Marlet, Tessin, Brimo };

SettingId Id(const char *key)
{
    return *Setting_FromKey(QString::fromLatin1(key));
}

// "key=value" pairs separated by ';'.
Profile Make(int model, const char *pairs)
{
    Profile p;
    p.model = model;
    for (const QString &pair : QString::fromUtf8(pairs).split(';', Qt::SkipEmptyParts)) {
        const int eq = pair.indexOf('=');
        p.set(Id(pair.left(eq).trimmed().toLatin1().constData()), pair.mid(eq + 1));
    }
    return p;
}

// A factory-fresh Halden as the simulator reports it.
const char *const HaldenFactory
    = "output.resolution=1920x1080p60;output.hdcp=FORCE-1.4;output.vka=BLUESCREEN;"
      "output.itc=OFF;output.4k-auto=ON;multiview.layout=SINGLE;multiview.auto-switch=OFF;"
      "window.1.source=HDMI1;audio.source=WIN1;audio.volume=50;audio.mute=OFF;edid.mode=AUTO;"
      "network.ip=192.168.0.247;network.port=2000;network.mask=255.255.255.0;"
      "network.gateway=192.168.0.1;serial.baud-rate=9600";

QString Skips(const ApplyPlan &plan)
{
    QStringList lines;
    for (const PlanSkip &s : plan.skipped)
        lines.append(Setting_Key(s.id) + ": " + s.reason);
    return lines.join('\n');
}
} // namespace

class TestProfilePlan : public QObject
{
    Q_OBJECT

private slots:
    void plan_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("withNetwork");
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QStringList>("calls");

        QTest::newRow("nothing differs")
            << int(Halden) << HaldenFactory << HaldenFactory << true << false << QStringList();
        QTest::newRow("options and audio")
            << int(Halden) << "output.hdcp=FORCE-OFF;output.itc=ON;audio.volume=30;audio.mute=ON"
            << HaldenFactory << false << false
            << QStringList {"[output]", "CmdSetOutHdcp(2)",   "CmdSetOutItc(0)",
                            "[audio]",  "CmdSetAudioVol(30)", "CmdSetAudioMute(0)"};
        QTest::newRow("layout before its options and sources")
            << int(Halden)
            << "multiview.layout=PBP;multiview.aspect=16:9;multiview.variant=3;"
               "multiview.user-rectangle=0 0 960 1080;window.1.source=HDMI2;window.2.source=USB-C"
            << HaldenFactory << false << false
            << QStringList {"[layout]",
                            "CmdSetMultiview(2)",
                            "[layout options]",
                            "CmdSetAspect(1)",
                            "CmdSetMode(3)",
                            "CmdSetWindowIn(0, 1)",
                            "CmdSetWindowIn(1, 4)",
                            "[user rectangle]",
                            "CmdSetUserLayout(0, 0, 960, 1080)"};
        QTest::newRow("same layout sends only what differs")
            << int(Marlet)
            << "multiview.layout=4xWIN;multiview.aspect=FULL;multiview.variant=2;"
               "window.1.source=HDMI1;window.2.source=DP;window.3.source=HDMI3;"
               "window.4.source=USB-C"
            << "multiview.layout=4xWIN;multiview.aspect=FULL;multiview.variant=5;"
               "window.1.source=HDMI1;window.2.source=HDMI2;window.3.source=HDMI3;"
               "window.4.source=HDMI4"
            << false << false
            << QStringList {"[layout options]", "CmdSetMode(2)", "CmdSetWindowIn(1, 7)",
                            "CmdSetWindowIn(3, 8)"};
        QTest::newRow("PIP size alone sends position too")
            << int(Halden)
            << "multiview.layout=PIP;multiview.pip-position=RightBottom;"
               "multiview.pip-size=LARGE"
            << "multiview.layout=PIP;multiview.pip-position=RightBottom;multiview.pip-size=SMALL"
            << false << false
            << QStringList {"[layout options]", "CmdSetPipPos(3)", "CmdSetPipSize(2)"};
        QTest::newRow("PIP to USER then its rectangle")
            << int(Brimo)
            << "multiview.layout=PIP;multiview.pip-position=USER;"
               "multiview.pip-size=USER;multiview.user-rectangle=1440 810 480 270"
            << "multiview.layout=PIP;multiview.pip-position=LeftTop;multiview.pip-size=SMALL"
            << false << false
            << QStringList {"[layout options]", "CmdSetPipPos(4)", "CmdSetPipSize(3)",
                            "[user rectangle]", "CmdSetUserLayout(1440, 810, 480, 270)"};
        QTest::newRow("only the rectangle differs")
            << int(Halden)
            << "multiview.layout=PBP;multiview.variant=3;"
               "multiview.user-rectangle=10 20 30 40"
            << "multiview.layout=PBP;multiview.variant=3;multiview.user-rectangle=0 0 960 1080"
            << false << false
            << QStringList {"[user rectangle]", "CmdSetUserLayout(10, 20, 30, 40)"};
        QTest::newRow("output resolution last, user size first")
            << int(Corvo)
            << "output.resolution=USER;output.user-resolution=1280 720;output.vka=BLACKSCREEN;"
               "edid.mode=720p;audio.source=HDMI4"
            << HaldenFactory << false << false
            << QStringList {"[output]",
                            "CmdSetOutVka(1)",
                            "[audio]",
                            "CmdSetAudioSource(4)",
                            "[edid]",
                            "CmdSetInEdidMode(16)",
                            "[output resolution]",
                            "CmdSetResoUser(1280, 720)",
                            "CmdSetOutResolution(15)"};
        QTest::newRow("Tessin microphones")
            << int(Tessin) << "audio.main=OFF;mic.1.switch=ON;mic.1.volume=20;mic.2.volume=5"
            << "audio.main=ON;mic.1.switch=OFF;mic.1.volume=10;mic.2.switch=OFF;mic.2.volume=10"
            << false << false
            << QStringList {"[audio]", "CmdSetMainAudioOnoff(1)", "CmdSetMicOnoff(0, 0)",
                            "CmdSetMicVol(0, 20)", "CmdSetMicVol(1, 5)"};
        QTest::newRow("network over TCP: baud first")
            << int(Halden) << "network.ip=10.0.0.9;network.port=5000;serial.baud-rate=115200"
            << HaldenFactory << true << false
            << QStringList {"[baud rate]", "CmdSetBaudrate(115200)", "[network]",
                            "CmdSetNetworkInfo(10.0.0.9, 5000, 255.255.255.0, 192.168.0.1)"};
        QTest::newRow("network over RS-232: baud last")
            << int(Halden) << "network.gateway=192.168.0.254;serial.baud-rate=38400"
            << HaldenFactory << true << true
            << QStringList {"[network]",
                            "CmdSetNetworkInfo(192.168.0.247, 2000, 255.255.255.0, 192.168.0.254)",
                            "[baud rate]", "CmdSetBaudrate(38400)"};
        QTest::newRow("names are the PC's")
            << int(Corvo) << "input.1.name=Camera;input.2.name=IN-2;scene.5.name=;scene.6.name=Show"
            << "input.1.name=IN-1;input.2.name=IN-2;scene.6.name=Layout-6" << false << false
            << QStringList {"input.1.name = Camera", "scene.6.name = Show"};
    }
    void plan()
    {
        QFETCH(int, model);
        QFETCH(QString, wanted);
        QFETCH(QString, current);
        QFETCH(bool, withNetwork);
        QFETCH(bool, serial);
        QFETCH(QStringList, calls);
        PlanOptions options;
        options.withNetwork = withNetwork;
        options.serialLink = serial;
        const ApplyPlan plan = Profile_PlanApply(Make(model, wanted.toUtf8()),
                                                 Make(model, current.toUtf8()), model, options);
        QCOMPARE(plan.describe(), calls);
        QVERIFY2(plan.skipped.isEmpty(), qPrintable(Skips(plan)));
    }

    void linkCuttingSettingsComeAfterTheReadBack()
    {
        PlanOptions options;
        options.withNetwork = true;
        const ApplyPlan plan
            = Profile_PlanApply(Make(Halden, "serial.baud-rate=19200;audio.volume=1"),
                                Make(Halden, HaldenFactory), Halden, options);
        QCOMPARE(plan.stages.size(), 1);
        QCOMPARE(plan.stages.first().name, QString("audio"));
        QCOMPARE(plan.linkStages.size(), 1);
        QCOMPARE(plan.commandCount(), 2);
    }

    void networkOnlyWhenAsked()
    {
        const ApplyPlan plan = Profile_PlanApply(
            Make(Halden, "network.ip=10.0.0.9;serial.baud-rate=115200;audio.volume=1"),
            Make(Halden, HaldenFactory), Halden, PlanOptions());
        QCOMPARE(plan.describe(), QStringList({"[audio]", "CmdSetAudioVol(1)"}));
        QCOMPARE(Skips(plan),
                 QString("network.ip: network settings and the baud rate are applied only when "
                         "asked for, because they cut the link\n"
                         "serial.baud-rate: network settings and the baud rate are applied only "
                         "when asked for, because they cut the link"));
    }

    void incompleteNetworkIsNotGuessed()
    {
        PlanOptions options;
        options.withNetwork = true;
        const ApplyPlan plan
            = Profile_PlanApply(Make(Halden, "network.ip=10.0.0.9"),
                                Make(Halden, "network.port=2000"), Halden, options);
        QCOMPARE(plan.commandCount(), 0);
        QCOMPARE(Skips(plan),
                 QString("network.ip: the network settings are incomplete and the "
                         "device did not report the missing ones"));
    }

    void tessinProfileOnCorvo()
    {
        const Profile wanted
            = Make(Tessin,
                   "output.hdcp=FORCE-2.2;output.4k-auto=OFF;multiview.layout=PIP;"
                   "multiview.pip-position=LeftTop;multiview.pip-size=SMALL;"
                   "window.1.source=HDMI7;window.2.source=HDMI2;audio.source=LR1;"
                   "audio.volume=40;audio.main=OFF;mic.1.switch=ON;mic.1.volume=20;"
                   "mic.2.switch=ON;mic.2.volume=20;network.ip=10.0.0.1;input.7.name=Stage");
        PlanOptions options;
        options.withNetwork = true;
        const ApplyPlan plan
            = Profile_PlanApply(wanted, Make(Corvo, HaldenFactory), Corvo, options);
        QCOMPARE(plan.describe(),
                 QStringList({"[output]", "CmdSetOutHdcp(1)", "[layout]", "CmdSetMultiview(1)",
                              "[layout options]", "CmdSetPipPos(0)", "CmdSetPipSize(0)",
                              "CmdSetWindowIn(1, 1)", "[audio]", "CmdSetAudioVol(40)",
                              "input.7.name = Stage"}));
        QCOMPARE(Skips(plan),
                 QString("output.4k-auto: a Corvo has no 4K AUTO\n"
                         "window.1.source: \"HDMI7\" is not a valid source of window 1 on a Corvo "
                         "(one of HDMI1, HDMI2, HDMI3, HDMI4)\n"
                         "audio.source: \"LR1\" is not a valid audio source on a Corvo (one of "
                         "WIN1, HDMI1, HDMI2, HDMI3, HDMI4)\n"
                         "audio.main: a Corvo has no main audio on/off\n"
                         "mic.1.switch: a Corvo has no microphone 1 on/off\n"
                         "mic.1.volume: a Corvo has no microphone 1 volume\n"
                         "mic.2.switch: a Corvo has no microphone 2 on/off\n"
                         "mic.2.volume: a Corvo has no microphone 2 volume\n"
                         "network.ip: a Corvo has no device IP address"));
    }

    void volumeOverTheTargetsMaximum()
    {
        const ApplyPlan plan
            = Profile_PlanApply(Make(Halden, "audio.volume=80"), Make(Tessin, "audio.volume=20"),
                                Tessin, PlanOptions());
        QCOMPARE(plan.commandCount(), 0);
        QCOMPARE(Skips(plan), QString("audio.volume: 80 is outside 0..50 on a Tessin"));
    }

    void chosenSectionsOnly()
    {
        PlanOptions options;
        options.sections
            = Profile_SectionBit(ProfileSection::Audio) | Profile_SectionBit(ProfileSection::Names);
        const ApplyPlan plan = Profile_PlanApply(
            Make(Halden,
                 "output.hdcp=FORCE-OFF;multiview.layout=PIP;audio.mute=ON;edid.mode=720p;"
                 "input.1.name=X;serial.baud-rate=19200"),
            Make(Halden, HaldenFactory), Halden, options);
        QCOMPARE(plan.describe(),
                 QStringList({"[audio]", "CmdSetAudioMute(0)", "input.1.name = X"}));
        QVERIFY(plan.skipped.isEmpty());
    }

    void unreadSettingsAreSent()
    {
        // A setting the device did not report is sent rather than assumed equal.
        const ApplyPlan plan = Profile_PlanApply(Make(Halden, "output.vka=BLUESCREEN"),
                                                 Make(Halden, ""), Halden, PlanOptions());
        QCOMPARE(plan.describe(), QStringList({"[output]", "CmdSetOutVka(0)"}));
    }

    void holdsCounted()
    {
        const ApplyPlan plan
            = Profile_PlanApply(Make(Halden, "output.resolution=USER;output.user-resolution=1 2"),
                                Make(Halden, HaldenFactory), Halden, PlanOptions());
        QCOMPARE(plan.holdCount(), 2);
        QCOMPARE(plan.commandCount(), 2);
    }

    void singleSetting_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("result"); // the call, or the reason

        QTest::newRow("same value is still sent") << int(Halden) << "audio.volume"
                                                  << "50" << HaldenFactory << "CmdSetAudioVol(50)";
        QTest::newRow("layout") << int(Halden) << "multiview.layout"
                                << "4xWIN" << HaldenFactory << "CmdSetMultiview(4)";
        QTest::newRow("source of a shown window") << int(Marlet) << "window.3.source"
                                                  << "DP"
                                                  << "multiview.layout=3xWIN;window.1.source=HDMI1"
                                                  << "CmdSetWindowIn(2, 7)";
        QTest::newRow("source of a hidden window")
            << int(Marlet) << "window.3.source"
            << "DP"
            << "multiview.layout=PIP"
            << "the PIP layout has 2 window(s) (the device shows PIP)";
        QTest::newRow("aspect in SINGLE") << int(Halden) << "multiview.aspect"
                                          << "16:9" << HaldenFactory
                                          << "does not belong to the SINGLE layout (the device "
                                             "shows SINGLE)";
        QTest::newRow("aspect in PBP") << int(Halden) << "multiview.aspect"
                                       << "16:9"
                                       << "multiview.layout=PBP;multiview.aspect=FULL"
                                       << "CmdSetAspect(1)";
        QTest::newRow("PIP position alone")
            << int(Halden) << "multiview.pip-position"
            << "LeftBottom"
            << "multiview.layout=PIP;multiview.pip-position=USER;multiview.pip-size=USER"
            << "CmdSetPipPos(2)";
        QTest::newRow("rectangle in presenter variant")
            << int(Brimo) << "multiview.user-rectangle"
            << "1 2 3 4"
            << "multiview.layout=PBP;multiview.variant=3"
            << "CmdSetUserLayout(1, 2, 3, 4)";
        QTest::newRow("rectangle in variant 1")
            << int(Brimo) << "multiview.user-rectangle"
            << "1 2 3 4"
            << "multiview.layout=PBP;multiview.variant=1"
            << "applies only to PIP with a USER position or size, or to PBP in variant 3 (the "
               "device shows PBP)";
        QTest::newRow("user resolution") << int(Halden) << "output.user-resolution"
                                         << "1600 900"
                                         << "output.resolution=USER"
                                         << "CmdSetResoUser(1600, 900)";
        QTest::newRow("user resolution not in USER")
            << int(Halden) << "output.user-resolution"
            << "1600 900" << HaldenFactory << "applies only with output.resolution USER";
        QTest::newRow("resolution") << int(Halden) << "output.resolution"
                                    << "AUTO" << HaldenFactory << "CmdSetOutResolution(14)";
        QTest::newRow("network field with the others")
            << int(Tessin) << "network.mask"
            << "255.255.0.0" << HaldenFactory
            << "CmdSetNetworkInfo(192.168.0.247, 2000, 255.255.0.0, 192.168.0.1)";
        QTest::newRow("network field alone")
            << int(Tessin) << "network.mask"
            << "255.255.0.0"
            << ""
            << "the network settings are incomplete and the device did not report the missing "
               "ones";
        QTest::newRow("baud") << int(Corvo) << "serial.baud-rate"
                              << "19200" << HaldenFactory << "CmdSetBaudrate(19200)";
        QTest::newRow("mic on Halden")
            << int(Halden) << "mic.1.switch"
            << "ON" << HaldenFactory << "a Halden has no microphone 1 on/off";
        QTest::newRow("mic on Tessin") << int(Tessin) << "mic.2.switch"
                                       << "OFF"
                                       << ""
                                       << "CmdSetMicOnoff(1, 1)";
        QTest::newRow("name") << int(Tessin) << "input.1.name"
                              << "X"
                              << ""
                              << "names are kept on this PC, not on the device";
    }
    void singleSetting()
    {
        QFETCH(int, model);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, current);
        QFETCH(QString, result);
        QString reason;
        const std::optional<PlanCall> call = Profile_CallFor(
            *Setting_FromKey(key), value, model, Make(model, current.toUtf8()), &reason);
        QCOMPARE(call ? call->describe() : reason, result);
    }

    void compare_data()
    {
        QTest::addColumn<int>("wantedModel");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("actualModel");
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("same");

        QTest::newRow("same") << int(Halden) << HaldenFactory << int(Halden) << HaldenFactory
                              << QStringList() << true;
        QTest::newRow("device holds more") << int(Halden) << "audio.volume=50" << int(Halden)
                                           << HaldenFactory << QStringList() << true;
        QTest::newRow("changed and unread")
            << int(Halden) << "audio.volume=30;output.vka=BLACKSCREEN" << int(Halden)
            << "audio.volume=50"
            << QStringList {"output.vka: profile \"BLACKSCREEN\", device (no value)",
                            "audio.volume: profile \"30\", device \"50\""}
            << false;
        QTest::newRow("empty name not compared")
            << int(Corvo) << "scene.1.name=" << int(Corvo) << "scene.1.name=Layout-1"
            << QStringList() << true;
        QTest::newRow("other model")
            << int(Tessin) << "output.4k-auto=ON;audio.volume=20" << int(Corvo) << "audio.volume=20"
            << QStringList {"model: profile Tessin, device Corvo",
                            "output.4k-auto: not compared, a Corvo has no 4K AUTO"}
            << false;
    }
    void compare()
    {
        QFETCH(int, wantedModel);
        QFETCH(QString, wanted);
        QFETCH(int, actualModel);
        QFETCH(QString, actual);
        QFETCH(QStringList, lines);
        QFETCH(bool, same);
        const ProfileComparison c = Profile_Compare(Make(wantedModel, wanted.toUtf8()),
                                                    Make(actualModel, actual.toUtf8()));
        QCOMPARE(Profile_ComparisonLines(c, "profile", "device"), lines);
        QCOMPARE(c.same(), same);
    }
};

QTEST_APPLESS_MAIN(TestProfilePlan)
#include "tst_profile_plan.moc"
