// Every korvane-cli subcommand against korvane-sim: what it prints, its exit code, and the
// exact lines the simulator received (the panel's own commands, in the panel's order).
#include "cli/cli_runner.h"
#include "profile/profile_file.h"
#include "support/sim_device.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QtTest>

namespace {
const QStringList StatusReads
    = {"GET OUT RESOLUTION", "GET OUT HDCP",       "GET OUT VKA",      "GET OUT ITC",
       "GET OUT 4K-AUTO",    "GET MULTIVIEW-SYNC", "GET AUDIO SOURCE", "GET AUDIO VOL",
       "GET AUDIO-MUTE",     "GET IN EDIDMODE",    "GET NETWORK-INFO", "GET BAUDRATE"};
} // namespace

class TestCliSubcommands : public QObject
{
    Q_OBJECT

    SimDevice m_sim; // a Halden
    SimDevice m_tessin;
    CliRunner m_cli;
    int m_mark = 0;

    QStringList tcp(const SimDevice &sim) const
    {
        return {"--tcp", QStringLiteral("127.0.0.1:%1").arg(sim.tcpPort())};
    }
    CliResult device(const QStringList &args, const SimDevice *sim = nullptr)
    {
        const SimDevice &s = sim ? *sim : m_sim;
        m_mark = s.received().size();
        return m_cli.run(tcp(s) + args);
    }
    QStringList receivedSinceMark(const SimDevice *sim = nullptr) const
    {
        return (sim ? *sim : m_sim).received().mid(m_mark);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_sim.start({"--model", "Halden"}), qPrintable(m_sim.error()));
        QVERIFY2(m_tessin.start({"--model", "Tessin"}), qPrintable(m_tessin.error()));
    }

    void withoutDevice_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("help") << QStringList {"--help"} << 0
                              << "korvane-cli: control a multiviewer/KVM device from scripts and "
                                 "show-control systems.";
        QTest::newRow("subcommand help") << QStringList {"restore", "--help"} << 0
                                         << "usage: korvane-cli LINK restore FILE [--with-network] "
                                            "[--any-model]";
        QTest::newRow("version") << QStringList {"--version"} << 0 << "korvane-cli 0.1.0";
        QTest::newRow("keys") << QStringList {"keys", "--model", "Corvo"} << 0
                              << "model                       (read only)";
        QTest::newRow("no subcommand") << QStringList {} << 2 << "";
        QTest::newRow("unknown key")
            << QStringList {"--tcp", "127.0.0.1", "get", "audio.bass"} << 2 << "";
        QTest::newRow("out of every range")
            << QStringList {"--tcp", "127.0.0.1", "set", "audio.volume", "101"} << 2 << "";
        QTest::newRow("name, no device") << QStringList {"get", "input.3.name"} << 0 << "IN-3";
    }
    void withoutDevice()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, firstLine);
        const CliResult r = m_cli.run(args);
        QVERIFY2(r.code == code, qPrintable(r.describe()));
        QCOMPARE(r.out.section('\n', 0, 0), firstLine);
        if (code == 2)
            QVERIFY2(r.err.startsWith("korvane-cli: "), qPrintable(r.err));
    }

    void identify()
    {
        const CliResult r = device({"identify"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(r.out,
                 QString("model: Halden\nversion.main: V2.14\nversion.sub: V1.07\n"
                         "version.expand: V1.03\n"));
        QCOMPARE(receivedSinceMark(),
                 QStringList(
                     {"GET MODEL TYPE", "GET VERSION", "GET SUB-VERSION", "GET EXPAND-VERSION"}));
    }

    void status()
    {
        const CliResult r = device({"status"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QVERIFY(r.out.startsWith("model: Halden\noutput.resolution: 1920x1080p60\n"));
        QVERIFY(r.out.contains("\naudio.volume: 50\n"));
        QVERIFY(r.out.contains("\nwindow.1.source: HDMI1\n"));
        QVERIFY(r.out.contains("\nnetwork.port: " + QString::number(m_sim.tcpPort()) + "\n"));
        QVERIFY(r.out.endsWith("\nscene.20.name: Layout-20\n"));
        QCOMPARE(receivedSinceMark(), QStringList {"GET MODEL TYPE"} + StatusReads);
    }

    void statusJson()
    {
        const CliResult r = device({"status", "--json"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        Profile p;
        QVector<ProfileProblem> problems;
        QVERIFY2(Profile_FromJson(r.out.toUtf8(), &p, &problems),
                 qPrintable(Profile_ProblemsText(problems)));
        QCOMPARE(p.model, 0);
        QCOMPARE(p.value(SettingId::EdidMode), QString("AUTO"));
    }

    void get_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QStringList>("wire");
        QTest::newRow("volume") << "audio.volume" << 0 << "50\n"
                                << QStringList {"GET MODEL TYPE", "GET AUDIO SOURCE",
                                                "GET AUDIO VOL", "GET AUDIO-MUTE"};
        QTest::newRow("window source") << "window.1.source" << 0 << "HDMI1\n"
                                       << QStringList {"GET MODEL TYPE", "GET MULTIVIEW-SYNC"};
        QTest::newRow("model") << "model" << 0 << "Halden\n" << QStringList {"GET MODEL TYPE"};
        QTest::newRow("version") << "version.sub" << 0 << "V1.07\n"
                                 << QStringList {"GET MODEL TYPE", "GET VERSION", "GET SUB-VERSION",
                                                 "GET EXPAND-VERSION"};
        QTest::newRow("option of another layout")
            << "multiview.aspect" << 2 << ""
            << QStringList {"GET MODEL TYPE", "GET MULTIVIEW-SYNC"};
        QTest::newRow("not on this model") << "mic.1.volume" << 2 << ""
                                           << QStringList {"GET MODEL TYPE", "GET AUDIO SOURCE",
                                                           "GET AUDIO VOL", "GET AUDIO-MUTE"};
    }
    void get()
    {
        QFETCH(QString, key);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QStringList, wire);
        const CliResult r = device({"get", key});
        QVERIFY2(r.code == code, qPrintable(r.describe()));
        QCOMPARE(r.out, out);
        QCOMPARE(receivedSinceMark(), wire);
    }

    // One `set` of each kind: the SET line is exactly the panel's, sent once, after the
    // identification and the read of the setting's page, and followed by its read-back.
    void setEachKind_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("hdcp") << "output.hdcp"
                              << "force-2.2"
                              << "SET OUT HDCP FORCE-2.2";
        QTest::newRow("vka") << "output.vka"
                             << "BLACKSCREEN"
                             << "SET OUT VKA BLACKSCREEN";
        QTest::newRow("itc") << "output.itc"
                             << "on"
                             << "SET OUT ITC ON";
        QTest::newRow("4k auto") << "output.4k-auto"
                                 << "OFF"
                                 << "SET OUT 4K-AUTO OFF";
        QTest::newRow("layout") << "multiview.layout"
                                << "pbp"
                                << "SET MULTIVIEW PBP";
        QTest::newRow("aspect") << "multiview.aspect"
                                << "16:9"
                                << "SET PBP ASPECT 16:9";
        QTest::newRow("variant") << "multiview.variant"
                                 << "3"
                                 << "SET PBP MODE 3";
        QTest::newRow("presenter rectangle") << "multiview.user-rectangle"
                                             << "10,20,640x360"
                                             << "SET PBP-PRESENTER 10 20 640 360";
        QTest::newRow("window source") << "window.2.source"
                                       << "usb-c"
                                       << "SET WINDOW2 IN USB-C";
        QTest::newRow("PIP") << "multiview.layout"
                             << "PIP"
                             << "SET MULTIVIEW PIP";
        QTest::newRow("PIP position") << "multiview.pip-position"
                                      << "lefttop"
                                      << "SET PIP POS LeftTop";
        QTest::newRow("PIP size") << "multiview.pip-size"
                                  << "USER"
                                  << "SET PIP SIZE USER";
        QTest::newRow("PIP rectangle") << "multiview.user-rectangle"
                                       << "1 2 3 4"
                                       << "SET PIP USER 1 2 3 4";
        QTest::newRow("SINGLE") << "multiview.layout"
                                << "SINGLE"
                                << "SET MULTIVIEW SINGLE";
        QTest::newRow("auto switch") << "multiview.auto-switch"
                                     << "ON"
                                     << "SET AUTO SWITCH ON";
        QTest::newRow("audio source") << "audio.source"
                                      << "HDMI3"
                                      << "SET AUDIO SOURCE HDMI3";
        QTest::newRow("volume") << "audio.volume"
                                << "40"
                                << "SET AUDIO VOL 40";
        QTest::newRow("mute") << "audio.mute"
                              << "ON"
                              << "SET AUDIO-MUTE ON";
        QTest::newRow("edid") << "edid.mode"
                              << "720P"
                              << "SET IN EDIDMODE 720p";
        QTest::newRow("baud rate") << "serial.baud-rate"
                                   << "19200"
                                   << "SET BAUDRATE 19200";
        QTest::newRow("resolution") << "output.resolution"
                                    << "USER"
                                    << "SET OUT RESOLUTION USER";
        QTest::newRow("user resolution") << "output.user-resolution"
                                         << "1280x720"
                                         << "SET RESO-USER 1280 720";
    }
    void setEachKind()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, line);
        const CliResult r = device({"set", key, value});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err, QString()); // over TCP not even the baud rate asks for a reconnect
        const QStringList wire = receivedSinceMark();
        QCOMPARE(wire.first(), QString("GET MODEL TYPE"));
        QCOMPARE(wire.count(line), 1);
        const int at = wire.indexOf(line);
        QVERIFY2(at > 1, qPrintable(wire.join('|')));
        // The read-back repeats the read before the change (after the queries the panel's
        // page would make on the reply itself, such as the rectangle of a presenter variant).
        QVERIFY2(wire.indexOf(wire.at(1), at + 1) > at, qPrintable(wire.join('|')));
    }

    void setWholeConversation()
    {
        const CliResult r = device({"set", "audio.volume", "45"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(receivedSinceMark(),
                 QStringList({"GET MODEL TYPE", "GET AUDIO SOURCE", "GET AUDIO VOL",
                              "GET AUDIO-MUTE", "SET AUDIO VOL 45", "GET AUDIO SOURCE",
                              "GET AUDIO VOL", "GET AUDIO-MUTE"}));
    }

    void setNetworkKeepsTheOtherFields()
    {
        const CliResult r = device({"set", "network.port", "5000"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        const QStringList wire = receivedSinceMark();
        QCOMPARE(wire.mid(0, 3),
                 QStringList({"GET MODEL TYPE", "GET NETWORK-INFO", "GET BAUDRATE"}));
        QCOMPARE(wire.size(), 4);
        QVERIFY2(wire.at(3).startsWith("SET NETWORK-INFO 127.0.0.1 5000 "), qPrintable(wire.at(3)));
        QVERIFY(r.err.contains("reconnect with the new settings"));
    }

    void tessinMicrophones_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("main audio") << "audio.main"
                                    << "off"
                                    << "SET MAIN-AUDIO ONOFF OFF";
        QTest::newRow("mic switch") << "mic.2.switch"
                                    << "ON"
                                    << "SET MIC2 ONOFF ON";
        QTest::newRow("mic volume") << "mic.1.volume"
                                    << "20"
                                    << "SET MIC1 VOL 20";
        QTest::newRow("LR source") << "audio.source"
                                   << "lr4"
                                   << "SET AUDIO SOURCE LR4";
    }
    void tessinMicrophones()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, line);
        const CliResult r = device({"set", key, value}, &m_tessin);
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(receivedSinceMark(&m_tessin).count(line), 1);
    }

    // Checked against the identified model before anything is set.
    void refusedBeforeSending_data()
    {
        QTest::addColumn<bool>("tessin");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("reads"); // lines received, identification included
        QTest::newRow("volume over the Tessin's 50")
            << true << QStringList {"set", "audio.volume", "60"}
            << "korvane-cli: audio.volume: 60 is outside 0..50 on a Tessin\n"
            << 1;
        QTest::newRow("HDMI7 on a Halden")
            << false << QStringList {"set", "window.1.source", "HDMI7"}
            << "korvane-cli: window.1.source: \"HDMI7\" is not a valid source of window 1 on a "
               "Halden (one of HDMI1, HDMI2, HDMI3, HDMI4, USB-C)\n"
            << 1;
        QTest::newRow("microphone on a Halden")
            << false << QStringList {"set", "mic.1.switch", "ON"}
            << "korvane-cli: mic.1.switch: a Halden has no "
               "microphone 1 on/off\n"
            << 1;
        QTest::newRow("aspect in SINGLE")
            << false << QStringList {"set", "multiview.aspect", "FULL"}
            << "korvane-cli: multiview.aspect FULL: does not belong to the SINGLE layout (the "
               "device shows SINGLE)\n"
            << 2;
    }
    void refusedBeforeSending()
    {
        QFETCH(bool, tessin);
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        QFETCH(int, reads);
        const SimDevice *sim = tessin ? &m_tessin : &m_sim;
        device({"set", "multiview.layout", "SINGLE"}, sim);
        const CliResult r = device(args, sim);
        QVERIFY2(r.code == 2, qPrintable(r.describe()));
        QCOMPARE(r.err, error);
        const QStringList wire = receivedSinceMark(sim);
        QCOMPARE(wire.size(), reads);
        for (const QString &line : wire)
            QVERIFY2(line.startsWith("GET "), qPrintable(line));
    }

    void scenes()
    {
        CliResult r = device({"scene", "save", "4", "Panel", "talk"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(receivedSinceMark(), QStringList({"GET MODEL TYPE", "SET SAVE SCENE 4"}));
        QFile language(m_cli.path("APP/ConfigFile/language-English.ini"));
        QVERIFY(language.open(QIODevice::ReadOnly));
        QVERIFY(language.readAll().contains("\r\nScomboBox_Layout[3]=Panel talk\r\n"));
        r = m_cli.run({"get", "scene.4.name"});
        QCOMPARE(r.out, QString("Panel talk\n"));

        r = device({"scene", "load", "4"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(receivedSinceMark(), QStringList({"GET MODEL TYPE", "SET LOAD SCENE 4"}));

        // The device refuses a scene never saved (it answers with an error word).
        r = device({"scene", "load", "9"});
        QVERIFY2(r.code == 5, qPrintable(r.describe()));
        QCOMPARE(r.err,
                 QString("korvane-cli: the device refused SET LOAD SCENE 9: it answered "
                         "\"ERR 05\"\n"));
    }

    void backupDiffRestore()
    {
        device({"set", "audio.volume", "33"});
        const QString file = m_cli.path("halden.json");
        CliResult r = device({"backup", file});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        // The output resolution is USER by now: its size follows, as on the output page.
        QCOMPARE(receivedSinceMark(),
                 QStringList {"GET MODEL TYPE"} + StatusReads + QStringList {"GET RESO-USER"});
        Profile p;
        QVector<ProfileProblem> problems;
        QVERIFY2(Profile_ReadFile(file, &p, &problems), qPrintable(Profile_ProblemsText(problems)));
        QCOMPARE(p.value(SettingId::AudioVolume), QString("33"));

        r = device({"diff", file});
        QVERIFY2(r.code == 0 && r.out.isEmpty(), qPrintable(r.describe()));

        device({"set", "audio.volume", "41"});
        r = device({"diff", file});
        QVERIFY2(r.code == 1, qPrintable(r.describe()));
        QCOMPARE(r.out, QString("audio.volume: profile \"33\", device \"41\"\n"));

        r = device({"restore", file, "--dry-run"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(r.out, QString("[audio]\nCmdSetAudioVol(33)\n"));
        for (const QString &line : receivedSinceMark())
            QVERIFY2(line.startsWith("GET "), qPrintable(line));

        r = device({"restore", file});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(receivedSinceMark().count("SET AUDIO VOL 33"), 1);
        QCOMPARE(receivedSinceMark().filter("SET ").size(), 1);
        r = device({"diff", file});
        QVERIFY2(r.code == 0 && r.out.isEmpty(), qPrintable(r.describe()));

        r = device({"backup", "-"});
        QVERIFY2(r.code == 0 && r.out.startsWith("{\n  \"format\": \"korvane-profile\""),
                 qPrintable(r.describe()));
    }

    // A backup that could not be saved is refused before the device is read.
    void backupCannotBeSaved_data()
    {
        QTest::addColumn<QString>("file"); // under the runner's folder
        QTest::addColumn<QString>("error");
        QTest::newRow("missing folder") << "no-such-folder/hall.json"
                                        << "hall.json: No such file or directory\n";
        QTest::newRow("a folder") << "APP"
                                  << "APP: it is a folder\n";
    }
    void backupCannotBeSaved()
    {
        QFETCH(QString, file);
        QFETCH(QString, error);
        QDir(m_cli.dir()).mkpath("APP");
        const QString path = m_cli.path(file);
        const CliResult r = device({"backup", path});
        QVERIFY2(r.code == 7, qPrintable(r.describe()));
        QVERIFY2(r.err.startsWith("korvane-cli: cannot write " + m_cli.dir() + "/"),
                 qPrintable(r.err));
        QVERIFY2(r.err.endsWith(error), qPrintable(r.err));
        QCOMPARE(receivedSinceMark(), QStringList());
        QVERIFY(!QFileInfo::exists(m_cli.path("no-such-folder")));
    }

    void badProfilesTouchNoDevice_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "line 1: the file is empty";
        QTest::newRow("not json") << QByteArray("volume=3\n")
                                  << "line 1: expected a value, found \"v\"";
        QTest::newRow("truncated")
            << QByteArray("{\"format\": \"korvane-profile\",\n\"version\": 1,")
            << "line 2: the file ends too early (it is cut off)";
        QTest::newRow("value outside the list")
            << QByteArray(
                   "{\"format\": \"korvane-profile\", \"version\": 1, \"model\": \"Halden\",\n"
                   "\"audio\": {\"volume\": 101}}")
            << "line 2: audio.volume: 101 is outside 0..100 on a Halden";
    }
    void badProfilesTouchNoDevice()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString file = m_cli.path("bad.json");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        for (const char *command : {"restore", "diff"}) {
            const CliResult r = device({command, file});
            QVERIFY2(r.code == 2, qPrintable(r.describe()));
            QVERIFY2(r.err.contains(reason), qPrintable(r.err));
            QCOMPARE(receivedSinceMark(), QStringList());
        }
    }

    void hundredMegabyteProfile()
    {
        const QString file = m_cli.path("huge.json");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(100 * 1024 * 1024));
        f.close();
        const CliResult r = device({"restore", file});
        QVERIFY2(r.code == 2, qPrintable(r.describe()));
        QVERIFY(r.err.contains("is 104857600 bytes; a profile is at most 1048576 bytes"));
        QCOMPARE(receivedSinceMark(), QStringList());
        QFile::remove(file);
    }

    void anotherModelsProfile()
    {
        const QString file = m_cli.path("tessin.json");
        CliResult r = device({"backup", file}, &m_tessin);
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        for (const char *command : {"restore", "diff"}) {
            r = device({command, file});
            QVERIFY2(r.code == 6, qPrintable(r.describe()));
            QCOMPARE(r.err,
                     QString("korvane-cli: the profile is for a Tessin, the device is a "
                             "Halden (--any-model applies what fits)\n"));
            QCOMPARE(receivedSinceMark(), QStringList {"GET MODEL TYPE"});
        }
    }

    void send()
    {
        CliResult r = device({"send", "GET", "MODEL", "TYPE"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(r.out, QString("MODEL TYPE Halden\n"));
        QCOMPARE(receivedSinceMark(), QStringList({"GET MODEL TYPE", "GET MODEL TYPE"}));
        r = device({"send", "SET MULTIVIEW 4xWIN"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(r.out, QString("MULTIVIEW 4xWIN\nMAXMODE 6\n"));
        r = device({"send", "GET LIGHTS"});
        QCOMPARE(r.out, QString("ERR 01\n"));
    }

    void unreachableHost()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress(QHostAddress::LocalHost), 0));
        const quint16 port = probe.serverPort();
        probe.close(); // nothing listens there now
        const CliResult r
            = m_cli.run({"--tcp", QStringLiteral("127.0.0.1:%1").arg(port), "identify"});
        QVERIFY2(r.code == 3, qPrintable(r.describe()));
        QCOMPARE(r.err, QStringLiteral("korvane-cli: cannot connect to 127.0.0.1:%1\n").arg(port));
    }

    void notSerialPorts_data()
    {
        QTest::addColumn<QString>("port");
        QTest::newRow("null device") << "/dev/null";
        QTest::newRow("regular file") << "";
        QTest::newRow("missing") << "/dev/ttyKORVANE-none";
    }
    void notSerialPorts()
    {
        QFETCH(QString, port);
        if (port.isEmpty()) {
            port = m_cli.path("plain-file");
            QFile f(port);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const CliResult r = m_cli.run({"--serial", port, "identify"});
        QVERIFY2(r.code == 3, qPrintable(r.describe()));
        QCOMPARE(r.err,
                 QStringLiteral("korvane-cli: cannot connect to the serial port %1\n").arg(port));
    }

    void silentDevice()
    {
        SimDevice silent;
        QVERIFY2(silent.start({"--silent"}), qPrintable(silent.error()));
        const CliResult r = m_cli.run(tcp(silent) + QStringList {"identify"});
        QVERIFY2(r.code == 4, qPrintable(r.describe()));
        QVERIFY(r.err.endsWith("did not answer the model query\n"));
    }

    void unknownModel()
    {
        SimDevice other;
        QVERIFY2(other.start({"--model-name", "Foo"}), qPrintable(other.error()));
        const CliResult r = m_cli.run(tcp(other) + QStringList {"identify"});
        QVERIFY2(r.code == 6, qPrintable(r.describe()));
        QVERIFY(r.err.endsWith("reports a model this program does not know\n"));
    }

    void wireShowsControlBytesByName()
    {
        // Device bytes never reach the terminal raw: a DEL in the model's name is named, and
        // the LF of a CR LF line end is no part of the line shown.
        SimDevice other;
        QVERIFY2(other.start({"--model-name", QString("Foo") + QChar(0x7f), "--line-end", "crlf"}),
                 qPrintable(other.error()));
        const CliResult r = m_cli.run(tcp(other) + QStringList {"--wire", "identify"});
        QVERIFY2(r.code == 6, qPrintable(r.describe()));
        QVERIFY2(r.err.startsWith("> GET MODEL TYPE\n"), qPrintable(r.err));
        QVERIFY2(r.err.contains("\n< MODEL TYPE Foo<DEL>\n"), qPrintable(r.err));
    }

    void overSerial()
    {
        SimDevice serial;
        QVERIFY2(serial.start({"--no-tcp", "--pty", "--model", "Brimo"}),
                 qPrintable(serial.error()));
        CliResult r = m_cli.run({"--serial", serial.ptyPath(), "identify"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(r.out, QString("model: Brimo\nversion.main: V1.40\nversion.sub: V1.02\n"));
        r = m_cli.run({"--serial", serial.ptyPath(), "set", "audio.volume", "12"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(serial.received().count("SET AUDIO VOL 12"), 1);
        // Over RS-232 the panel reads the baud rate; a profile asks for it on every link.
        r = m_cli.run({"--serial", serial.ptyPath(), "get", "serial.baud-rate"});
        QVERIFY2(r.code == 0 && r.out == "9600\n", qPrintable(r.describe()));
        // Over RS-232 the baud rate cuts the link: it goes last, nothing is read back over the
        // old rate, and the operator is told to reconnect.
        r = m_cli.run({"--serial", serial.ptyPath(), "set", "serial.baud-rate", "19200"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(r.err,
                 QString("korvane-cli: the device took the new RS-232 baud rate; reconnect "
                         "with the new settings\n"));
        QTRY_COMPARE_WITH_TIMEOUT(serial.received().last(), QString("SET BAUDRATE 19200"), 5000);
    }
};

QTEST_GUILESS_MAIN(TestCliSubcommands)
#include "tst_subcommands.moc"
