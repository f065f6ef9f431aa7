// The setting keys, what each model has, and which values the lists and limits let through.
#include "profile/profile_settings.h"

#include <QtTest>

namespace {
enum Model { Halden, Corvo, Marlet, Tessin, Brimo };

SettingId Id(const char *key)
{
    const std::optional<SettingId> id = Setting_FromKey(QString::fromLatin1(key));
    if (!id)
        qFatal("no setting %s", key);
    return *id;
}
} // namespace

class TestProfileSettings : public QObject
{
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("section");

        QTest::newRow("first") << 0 << "output.resolution"
                               << "output";
        QTest::newRow("4k auto") << 5 << "output.4k-auto"
                                 << "output";
        QTest::newRow("rectangle") << 12 << "multiview.user-rectangle"
                                   << "multiview";
        QTest::newRow("window 1") << 13 << "window.1.source"
                                  << "multiview";
        QTest::newRow("window 4") << 16 << "window.4.source"
                                  << "multiview";
        QTest::newRow("audio source") << 17 << "audio.source"
                                      << "audio";
        QTest::newRow("mic 1 switch") << 21 << "mic.1.switch"
                                      << "audio";
        QTest::newRow("mic 2 switch") << 22 << "mic.2.switch"
                                      << "audio";
        QTest::newRow("mic 2 volume") << 24 << "mic.2.volume"
                                      << "audio";
        QTest::newRow("edid") << 25 << "edid.mode"
                              << "system";
        QTest::newRow("port") << 27 << "network.port"
                              << "network";
        QTest::newRow("baud") << 30 << "serial.baud-rate"
                              << "network";
        QTest::newRow("input 1") << 31 << "input.1.name"
                                 << "names";
        QTest::newRow("input 9") << 39 << "input.9.name"
                                 << "names";
        QTest::newRow("scene 20") << 59 << "scene.20.name"
                                  << "names";
    }
    void keys()
    {
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(QString, section);
        QCOMPARE(Setting_Key(Setting_At(index)), key);
        QCOMPARE(Setting_FromKey(key), std::optional<SettingId>(Setting_At(index)));
        QCOMPARE(QString::fromLatin1(Profile_SectionName(Setting_Section(Setting_At(index)))),
                 section);
    }

    void unknownKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << "";
        QTest::newRow("window 5") << "window.5.source";
        QTest::newRow("window 0") << "window.0.source";
        QTest::newRow("case") << "Output.Resolution";
        QTest::newRow("group only") << "output";
        QTest::newRow("mic 3") << "mic.3.volume";
        QTest::newRow("scene 21") << "scene.21.name";
        QTest::newRow("huge") << QString(100000, QLatin1Char('a'));
    }
    void unknownKeys()
    {
        QFETCH(QString, key);
        QVERIFY(!Setting_FromKey(key));
    }

    void settingCount() { QCOMPARE(SettingCount, 60); }

    void check_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("reason"); // empty: accepted

        QTest::newRow("resolution") << "output.resolution"
                                    << "1920x1080p60" << int(Corvo) << "";
        QTest::newRow("resolution lower case")
            << "output.resolution"
            << "1920X1080P60" << int(Halden)
            << "\"1920X1080P60\" is not a valid output resolution (one "
               "of 4096x2160p60, 4096x2160p50, 3840x2160p60, "
               "3840x2160p50, 3840x2160p30, 3840x2160p25, "
               "1920x1200p60RB, 1920x1080p60, 1920x1080p50, "
               "1360x768p60, 1280x800p60, 1280x720p60, "
               "1280x720p50, 1024x768p60, AUTO, USER)";
        QTest::newRow("4k auto on Corvo") << "output.4k-auto"
                                          << "ON" << int(Corvo) << "a Corvo has no 4K AUTO";
        QTest::newRow("4k auto on Brimo") << "output.4k-auto"
                                          << "OFF" << int(Brimo) << "";
        QTest::newRow("HDMI7 on Corvo") << "window.2.source"
                                        << "HDMI7" << int(Corvo)
                                        << "\"HDMI7\" is not a valid source of window 2 on a Corvo "
                                           "(one of HDMI1, HDMI2, HDMI3, HDMI4)";
        QTest::newRow("HDMI7 on Tessin") << "window.2.source"
                                         << "HDMI7" << int(Tessin) << "";
        QTest::newRow("DP on Halden")
            << "window.1.source"
            << "DP" << int(Halden)
            << "\"DP\" is not a valid source of window 1 on a Halden (one of "
               "HDMI1, HDMI2, HDMI3, HDMI4, USB-C)";
        QTest::newRow("LR1 on Tessin") << "audio.source"
                                       << "LR1" << int(Tessin) << "";
        QTest::newRow("LR1 on Marlet")
            << "audio.source"
            << "LR1" << int(Marlet)
            << "\"LR1\" is not a valid audio source on a Marlet (one of WIN1, "
               "HDMI1, HDMI2, HDMI3, HDMI4, HDMI5, HDMI6, HDMI7, DP, "
               "USB-C, WIN-KVM)";
        QTest::newRow("volume 100 Halden") << "audio.volume"
                                           << "100" << int(Halden) << "";
        QTest::newRow("volume 101 Halden")
            << "audio.volume"
            << "101" << int(Halden) << "101 is outside 0..100 on a Halden";
        QTest::newRow("volume 51 Tessin")
            << "audio.volume"
            << "51" << int(Tessin) << "51 is outside 0..50 on a Tessin";
        QTest::newRow("volume leading zero")
            << "audio.volume"
            << "05" << int(Halden) << "\"05\" is not a whole number";
        QTest::newRow("volume negative") << "audio.volume"
                                         << "-1" << int(Halden) << "\"-1\" is not a whole number";
        QTest::newRow("mic on Halden")
            << "mic.1.volume"
            << "10" << int(Halden) << "a Halden has no microphone 1 volume";
        QTest::newRow("mic 50 Tessin") << "mic.2.volume"
                                       << "50" << int(Tessin) << "";
        QTest::newRow("mic 51 Tessin") << "mic.2.volume"
                                       << "51" << int(Tessin) << "51 is outside 0..50";
        QTest::newRow("main audio Tessin") << "audio.main"
                                           << "OFF" << int(Tessin) << "";
        QTest::newRow("main audio Brimo")
            << "audio.main"
            << "OFF" << int(Brimo) << "a Brimo has no main audio on/off";
        QTest::newRow("variant 0") << "multiview.variant"
                                   << "0" << int(Halden) << "0 is outside 1..6";
        QTest::newRow("variant 6") << "multiview.variant"
                                   << "6" << int(Halden) << "";
        QTest::newRow("variant 7") << "multiview.variant"
                                   << "7" << int(Halden) << "7 is outside 1..6";
        QTest::newRow("rect ok") << "multiview.user-rectangle"
                                 << "0 0 9999 1080" << int(Halden) << "";
        QTest::newRow("rect too big")
            << "multiview.user-rectangle"
            << "0 0 10000 1080" << int(Halden) << "10000 is outside 0..9999";
        QTest::newRow("rect three") << "multiview.user-rectangle"
                                    << "1 2 3" << int(Halden) << "needs 4 whole numbers";
        QTest::newRow("user resolution") << "output.user-resolution"
                                         << "1920 1080" << int(Corvo) << "";
        QTest::newRow("baud 9600") << "serial.baud-rate"
                                   << "9600" << int(Corvo) << "";
        QTest::newRow("baud 1200") << "serial.baud-rate"
                                   << "1200" << int(Corvo)
                                   << "1200 is not a baud rate of the device (9600, 19200, 38400, "
                                      "57600, 115200)";
        QTest::newRow("port 65534") << "network.port"
                                    << "65534" << int(Halden) << "";
        QTest::newRow("port 65535")
            << "network.port"
            << "65535" << int(Halden) << "65535 is not a port from 1 to 65534";
        QTest::newRow("port 0") << "network.port"
                                << "0" << int(Halden) << "0 is not a port from 1 to 65534";
        QTest::newRow("ip ok") << "network.ip"
                               << "192.168.0.247" << int(Tessin) << "";
        QTest::newRow("ip three parts")
            << "network.ip"
            << "192.168.0" << int(Tessin) << "\"192.168.0\" is not a dotted IPv4 address";
        QTest::newRow("ip on Corvo")
            << "network.ip"
            << "192.168.0.247" << int(Corvo) << "a Corvo has no device IP address";
        QTest::newRow("gateway on Brimo")
            << "network.gateway"
            << "192.168.0.1" << int(Brimo) << "a Brimo has no device gateway";
        QTest::newRow("baud on Brimo") << "serial.baud-rate"
                                       << "115200" << int(Brimo) << "";
        QTest::newRow("name 256") << "input.1.name" << QString(256, QChar(0x4e2d)) << int(Corvo)
                                  << "";
        QTest::newRow("name 257") << "scene.3.name" << QString(257, QLatin1Char('x')) << int(Corvo)
                                  << "a name of 257 characters is longer than 256";
        QTest::newRow("name with line break")
            << "input.9.name"
            << "IN\r\n9" << int(Corvo) << "a name may not contain control characters";
        QTest::newRow("name empty") << "scene.20.name"
                                    << "" << int(Brimo) << "";
        QTest::newRow("edid") << "edid.mode"
                              << "USER" << int(Brimo) << "";
        QTest::newRow("edid display text") << "edid.mode"
                                           << "Auto" << int(Brimo)
                                           << "\"Auto\" is not a valid EDID mode (one of 4K60-2.0, "
                                              "4K60-5.1, 4K60-7.1, 4K30-2.0, 4K30-5.1, 4K30-7.1, "
                                              "1080p60-2.0, 1080p60-5.1, 1080p60-7.1, 1920x1200, "
                                              "1680x1050, 1600x1200, 1440x900, 1360x768, "
                                              "1280x1024, 1024x768, 720p, AUTO, USER)";
        QTest::newRow("no model") << "output.hdcp"
                                  << "FORCE-1.4" << -1 << "this device has no HDCP";
    }
    void check()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, model);
        QFETCH(QString, reason);
        QCOMPARE(Setting_Check(Id(key.toLatin1().constData()), value, model), reason);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("canonical");

        QTest::newRow("layout any case") << "multiview.layout"
                                         << "pip" << true << "PIP";
        QTest::newRow("3xwin") << "multiview.layout"
                               << "3XWIN" << true << "3xWIN";
        QTest::newRow("position") << "multiview.pip-position"
                                  << "lefttop" << true << "LeftTop";
        QTest::newRow("aspect") << "multiview.aspect"
                                << " 16:9 " << true << "16:9";
        QTest::newRow("unknown layout") << "multiview.layout"
                                        << "5xWIN" << false << "";
        QTest::newRow("source of some model") << "window.3.source"
                                              << "hdmi7" << true << "HDMI7";
        QTest::newRow("source of no model") << "window.3.source"
                                            << "HDMI9" << false << "";
        QTest::newRow("audio source LR2") << "audio.source"
                                          << "lr2" << true << "LR2";
        QTest::newRow("volume") << "audio.volume"
                                << "040" << true << "40";
        QTest::newRow("volume zero") << "audio.volume"
                                     << "0" << true << "0";
        QTest::newRow("volume negative") << "audio.volume"
                                         << "-1" << false << "";
        QTest::newRow("volume fraction") << "audio.volume"
                                         << "1.5" << false << "";
        QTest::newRow("volume ten digits") << "audio.volume"
                                           << "1234567890" << false << "";
        QTest::newRow("resolution x") << "output.user-resolution"
                                      << "1920x1080" << true << "1920 1080";
        QTest::newRow("resolution space") << "output.user-resolution"
                                          << "1920 1080" << true << "1920 1080";
        QTest::newRow("resolution one") << "output.user-resolution"
                                        << "1920" << false << "";
        QTest::newRow("rectangle commas") << "multiview.user-rectangle"
                                          << "0,0,960,1080" << true << "0 0 960 1080";
        QTest::newRow("rectangle five") << "multiview.user-rectangle"
                                        << "0,0,960,1080,1" << false << "";
        QTest::newRow("name kept as typed") << "input.2.name"
                                            << " Cam 2 " << true << " Cam 2 ";
        QTest::newRow("ip trimmed") << "network.ip"
                                    << " 10.0.0.1" << true << "10.0.0.1";
    }
    void parse()
    {
        QFETCH(QString, key);
        QFETCH(QString, input);
        QFETCH(bool, ok);
        QFETCH(QString, canonical);
        QString out;
        QString reason;
        QCOMPARE(Setting_Parse(Id(key.toLatin1().constData()), input, &out, &reason), ok);
        if (ok)
            QCOMPARE(out, canonical);
        else
            QVERIFY(!reason.isEmpty());
    }

    void wordIndexFollowsTheModel()
    {
        QCOMPARE(Setting_WordIndex(Id("window.1.source"), "USB-C", Halden), 4);
        QCOMPARE(Setting_WordIndex(Id("window.1.source"), "USB-C", Marlet), 8);
        QCOMPARE(Setting_WordIndex(Id("window.1.source"), "USB-C", Corvo), -1);
        QCOMPARE(Setting_WordIndex(Id("audio.source"), "LR4", Tessin), 13);
        QCOMPARE(Setting_WordIndex(Id("audio.source"), "WIN-KVM", Marlet), 10);
        QCOMPARE(Setting_WordIndex(Id("output.itc"), "OFF", Corvo), 1);
    }
};

QTEST_APPLESS_MAIN(TestProfileSettings)
#include "tst_profile_settings.moc"
