// What the dispatcher hands out becomes canonical settings; what cannot be kept is listed.
// The PC-side names come from the language texts.
#include "profile/profile_names.h"
#include "profile/profile_recorder.h"

#include "app/language_texts.h"

#include <QtTest>

namespace {
enum Model { Halden, Corvo, Marlet, Tessin, Brimo };

QStringList Lines(const Profile &p)
{
    QStringList lines;
    for (const auto &e : p.values)
        lines.append(Setting_Key(e.first) + "=" + e.second);
    return lines;
}
} // namespace

class TestProfileRecorder : public QObject
{
    Q_OBJECT

private slots:
    void wordsFollowTheModel()
    {
        ProfileRecorder r;
        r.start(Marlet);
        r.outputResolution(15);
        r.userResolution(1280, 720);
        r.outputHdcp(2);
        r.output4kAuto(1);
        r.layout(3);
        r.aspect(1);
        r.layoutVariant(3);
        r.windowSource(0, 8);
        r.windowSource(1, 7);
        r.windowSource(2, 0);
        r.audioSource(10);
        r.volume(100);
        r.mute(0);
        r.edidMode(18);
        r.networkInfo("10.1.2.3", "5000", "255.255.0.0", "10.1.0.1");
        r.baudRate(57600);
        QCOMPARE(
            Lines(r.profile()),
            QStringList({"output.resolution=USER", "output.user-resolution=1280 720",
                         "output.hdcp=FORCE-OFF", "output.4k-auto=OFF", "multiview.layout=3xWIN",
                         "multiview.aspect=16:9", "multiview.variant=4", "window.1.source=USB-C",
                         "window.2.source=DP", "window.3.source=HDMI1", "audio.source=WIN-KVM",
                         "audio.volume=100", "audio.mute=ON", "edid.mode=USER",
                         "network.ip=10.1.2.3", "network.port=5000", "network.mask=255.255.0.0",
                         "network.gateway=10.1.0.1", "serial.baud-rate=57600"}));
        QVERIFY(r.problems().isEmpty());
    }

    void tessinSwitchesAndMicrophones()
    {
        ProfileRecorder r;
        r.start(Tessin);
        r.audioSwitch(0, 1);
        r.audioSwitch(1, 0);
        r.audioSwitch(2, 1);
        r.micLevel(0, 50);
        r.micLevel(1, 0);
        r.audioSwitch(3, 0); // no such channel
        r.micLevel(2, 10);
        QCOMPARE(Lines(r.profile()),
                 QStringList({"audio.main=OFF", "mic.1.switch=ON", "mic.2.switch=OFF",
                              "mic.1.volume=50", "mic.2.volume=0"}));
    }

    void otherLayoutsAreDropped()
    {
        ProfileRecorder r;
        r.start(Halden);
        r.layout(2); // PBP with its options
        r.aspect(0);
        r.layoutVariant(2);
        r.userRectangle(0, 0, 960, 1080);
        r.windowSource(3, 1);
        r.layout(1); // then PIP: the PBP options mean nothing now
        r.pipPosition(0);
        r.pipSize(1);
        r.windowSource(0, 0);
        QCOMPARE(Lines(r.profile()),
                 QStringList({"multiview.layout=PIP", "multiview.pip-position=LeftTop",
                              "multiview.pip-size=MIDDLE", "window.1.source=HDMI1"}));
    }

    void userResolutionOnlyWithUser()
    {
        ProfileRecorder r;
        r.start(Corvo);
        r.userResolution(1920, 1080);
        r.outputResolution(14);
        QCOMPARE(Lines(r.profile()), QStringList({"output.resolution=AUTO"}));
    }

    void valuesThatCannotBeKept()
    {
        ProfileRecorder r;
        r.start(Corvo);
        r.outputHdcp(3);
        r.windowSource(0, 4); // a Corvo has four inputs
        r.output4kAuto(0);
        r.volume(101);
        r.userResolution(10000, 1);
        r.networkInfo("10.1.2", "0", "255.255.0.0", "10.1.0.1");
        r.baudRate(4800);
        QVERIFY(r.profile().values.empty());
        QCOMPARE(r.problems(),
                 QStringList({"output.hdcp: the device reported a value that cannot be kept: "
                              "\"#3\" is not a valid HDCP (one of FORCE-1.4, FORCE-2.2, FORCE-OFF)",
                              "window.1.source: the device reported a value that cannot be kept: "
                              "\"#4\" is not a valid source of window 1 on a Corvo (one of HDMI1, "
                              "HDMI2, HDMI3, HDMI4)",
                              "output.4k-auto: the device reported a value that cannot be kept: a "
                              "Corvo has no 4K AUTO",
                              "audio.volume: the device reported a value that cannot be kept: 101 "
                              "is outside 0..100 on a Corvo",
                              "output.user-resolution: the device reported a value that cannot be "
                              "kept: 10000 is outside 0..9999",
                              "network.ip: the device reported a value that cannot be kept: a "
                              "Corvo has no device IP address",
                              "network.port: the device reported a value that cannot be kept: a "
                              "Corvo has no device TCP port",
                              "network.mask: the device reported a value that cannot be kept: a "
                              "Corvo has no device subnet mask",
                              "network.gateway: the device reported a value that cannot be kept: a "
                              "Corvo has no device gateway",
                              "serial.baud-rate: the device reported a value that cannot be kept: "
                              "4800 is not a baud rate of the device (9600, 19200, 38400, 57600, "
                              "115200)"}));
    }

    void laterValueReplacesABadOne()
    {
        ProfileRecorder r;
        r.start(Halden);
        r.volume(40);
        r.volume(-5); // a bad report removes the stale value instead of keeping it
        QVERIFY(!r.raw().has(SettingId::AudioVolume));
        r.volume(45);
        QCOMPARE(r.raw().value(SettingId::AudioVolume), QString("45"));
    }

    void namesComeFromTheLanguageTexts()
    {
        const QString keepInput = S_InputSource_Name[1];
        const QString keepScene = ScomboBox_Layout[19];
        S_InputSource_Name[1] = "Camera 2";
        ScomboBox_Layout[19] = QString(300, 'x'); // too long for a profile
        Profile p;
        p.model = Corvo;
        QStringList problems;
        Profile_RecordNames(&p, &problems);
        QCOMPARE(p.value(*Setting_FromKey("input.1.name")), QString("IN-1"));
        QCOMPARE(p.value(*Setting_FromKey("input.2.name")), QString("Camera 2"));
        QCOMPARE(p.value(*Setting_FromKey("scene.19.name")), QString("Layout-19"));
        QVERIFY(!p.has(*Setting_FromKey("scene.20.name")));
        QCOMPARE(problems,
                 QStringList({"scene.20.name: a name of 300 characters is longer than 256"}));

        QCOMPARE(Profile_TakeNames({{*Setting_FromKey("input.2.name"), "Camera 2"},
                                    {*Setting_FromKey("scene.20.name"), "Finale"},
                                    {*Setting_FromKey("input.9.name"), "Lectern"}}),
                 2);
        QCOMPARE(ScomboBox_Layout[19], QString("Finale"));
        QCOMPARE(S_InputSource_Name[8], QString("Lectern"));
        S_InputSource_Name[1] = keepInput;
        S_InputSource_Name[8] = "IN-9";
        ScomboBox_Layout[19] = keepScene;
    }
};

QTEST_APPLESS_MAIN(TestProfileRecorder)
#include "tst_profile_recorder.moc"
