// korvane-cli's command line: what is accepted, what is refused before anything is opened,
// and the help pages.
#include "cli/cli_args.h"

#include <QtTest>

class TestCliArgs : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("summary"); // fields that matter for the row

        using C = CliCommand;
        QTest::newRow("identify tcp") << QStringList {"--tcp", "192.168.0.247", "identify"}
                                      << int(C::Identify) << "tcp 192.168.0.247:2000 local ";
        QTest::newRow("tcp with port and local")
            << QStringList {"identify", "--tcp=127.0.0.1:5000", "--local-ip", "127.0.0.1"}
            << int(C::Identify) << "tcp 127.0.0.1:5000 local 127.0.0.1";
        QTest::newRow("host name") << QStringList {"--tcp", "localhost:2001", "status"}
                                   << int(C::Status) << "tcp localhost:2001 local ";
        QTest::newRow("serial default baud")
            << QStringList {"--serial", "/dev/ttyUSB0", "status", "--json"} << int(C::Status)
            << "serial /dev/ttyUSB0 9600 json";
        QTest::newRow("serial baud")
            << QStringList {"--serial", "ttyS1", "--baud", "115200", "identify"} << int(C::Identify)
            << "serial ttyS1 115200";
        QTest::newRow("get") << QStringList {"--tcp", "10.0.0.2", "get", "window.2.source"}
                             << int(C::Get) << "key window.2.source";
        QTest::newRow("get read-only") << QStringList {"--tcp", "10.0.0.2", "get", "version.sub"}
                                       << int(C::Get) << "read-only version.sub";
        QTest::newRow("set word any case")
            << QStringList {"--tcp", "10.0.0.2", "set", "multiview.layout", "pbp"} << int(C::Set)
            << "key multiview.layout value PBP";
        QTest::newRow("set numbers in two words")
            << QStringList {"--tcp", "10.0.0.2", "set", "multiview.user-rectangle",
                            "0,0",   "960x1080"}
            << int(C::Set) << "key multiview.user-rectangle value 0 0 960 1080";
        QTest::newRow("set name keeps spaces")
            << QStringList {"--tcp", "10.0.0.2", "set", "input.3.name", "Stage", "left"}
            << int(C::Set) << "key input.3.name value Stage left";
        QTest::newRow("scene save with name")
            << QStringList {"--tcp", "10.0.0.2", "scene", "save", "20", "Final", "bow"}
            << int(C::SceneSave) << "scene 20 name Final bow";
        QTest::newRow("scene load") << QStringList {"--tcp", "10.0.0.2", "scene", "load", "1"}
                                    << int(C::SceneLoad) << "scene 1 name ";
        QTest::newRow("restore options")
            << QStringList {"--tcp",      "10.0.0.2",       "restore",
                            "show.json",  "--with-network", "--any-model",
                            "--sections", "audio,names",    "--dry-run"}
            << int(C::Restore) << "file show.json network any dry sections 36";
        QTest::newRow("diff") << QStringList {"--tcp", "10.0.0.2", "diff", "--any-model", "a.json"}
                              << int(C::Diff) << "file a.json any";
        QTest::newRow("send joined")
            << QStringList {"--tcp", "10.0.0.2", "send", "GET", "MODEL", "TYPE"} << int(C::Send)
            << "line GET MODEL TYPE";
        QTest::newRow("send after --") << QStringList {"--tcp", "10.0.0.2", "send", "--", "--weird"}
                                       << int(C::Send) << "line --weird";
        QTest::newRow("keys for a model")
            << QStringList {"keys", "--model", "Tessin"} << int(C::Keys) << "model 3";
        QTest::newRow("help overview") << QStringList {"--help"} << int(C::Help) << "help ";
        QTest::newRow("subcommand help")
            << QStringList {"restore", "--help"} << int(C::Help) << "help restore";
        QTest::newRow("help subcommand")
            << QStringList {"help", "scene"} << int(C::Help) << "help scene";
        QTest::newRow("version") << QStringList {"--version"} << int(C::Version) << "";
    }
    void accepted()
    {
        QFETCH(QStringList, args);
        QFETCH(int, command);
        QFETCH(QString, summary);
        CliRequest r;
        QString error;
        QVERIFY2(Cli_Parse(args, &r, &error), qPrintable(error));
        QCOMPARE(int(r.command), command);
        QString s;
        switch (r.command) {
        case CliCommand::Identify:
        case CliCommand::Status:
            s = r.link.tcp ? QString("tcp %1:%2 local %3")
                                 .arg(r.link.host)
                                 .arg(r.link.port)
                                 .arg(r.link.localIp)
                           : QString("serial %1 %2").arg(r.link.serialPort).arg(r.link.baud);
            if (r.json)
                s += " json";
            break;
        case CliCommand::Get:
            s = r.readOnlyKey != CliReadOnlyKey::None
                ? "read-only " + Cli_ReadOnlyKeyName(r.readOnlyKey)
                : "key " + Setting_Key(r.key);
            break;
        case CliCommand::Set:
            s = "key " + Setting_Key(r.key) + " value " + r.value;
            break;
        case CliCommand::SceneSave:
        case CliCommand::SceneLoad:
            s = QString("scene %1 name %2").arg(r.scene).arg(r.sceneName);
            break;
        case CliCommand::Restore:
        case CliCommand::Diff:
        case CliCommand::Backup:
            s = "file " + r.file + (r.withNetwork ? " network" : "") + (r.anyModel ? " any" : "")
                + (r.dryRun ? " dry" : "")
                + (r.sections != AllProfileSections ? QString(" sections %1").arg(r.sections) : "");
            break;
        case CliCommand::Send:
            s = "line " + QString::fromUtf8(r.line);
            break;
        case CliCommand::Keys:
            s = QString("model %1").arg(r.model);
            break;
        case CliCommand::Help:
            s = "help " + r.helpTopic;
            break;
        case CliCommand::Version:
            break;
        }
        QCOMPARE(s, summary);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");

        QTest::newRow("nothing") << QStringList()
                                 << "no subcommand given (korvane-cli --help lists them)";
        QTest::newRow("no link") << QStringList {
            "identify"} << "say how to reach the device: --tcp HOST[:PORT] or --serial PORT";
        QTest::newRow("two links")
            << QStringList {"--tcp", "1.2.3.4", "--serial", "ttyS0", "identify"}
            << "choose one link: --tcp or --serial, not both";
        QTest::newRow("unknown subcommand")
            << QStringList {"--tcp", "1.2.3.4", "reboot"}
            << "unknown subcommand \"reboot\" (korvane-cli --help lists them)";
        QTest::newRow("unknown option")
            << QStringList {"--tcp", "1.2.3.4", "identify", "--force"} << "unknown option --force";
        QTest::newRow("option twice")
            << QStringList {"--tcp", "1.2.3.4", "--tcp", "1.2.3.5", "identify"}
            << "--tcp is given twice";
        QTest::newRow("option without value")
            << QStringList {"identify", "--tcp"} << "--tcp needs a value";
        QTest::newRow("bad address") << QStringList {"--tcp", "300.1.1.1", "identify"}
                                     << "--tcp: \"300.1.1.1\" is not an IPv4 address or host name";
        QTest::newRow("bad port") << QStringList {"--tcp", "1.2.3.4:70000", "identify"}
                                  << "--tcp: \"70000\" is not a port from 1 to 65535";
        QTest::newRow("port zero") << QStringList {"--tcp", "1.2.3.4:0", "identify"}
                                   << "--tcp: \"0\" is not a port from 1 to 65535";
        QTest::newRow("bad local ip")
            << QStringList {"--tcp", "1.2.3.4", "--local-ip", "eth0", "identify"}
            << "--local-ip: \"eth0\" is not a dotted IPv4 address";
        QTest::newRow("local ip with serial")
            << QStringList {"--serial", "ttyS0", "--local-ip", "1.2.3.4", "identify"}
            << "--local-ip goes with --tcp";
        QTest::newRow("baud with tcp")
            << QStringList {"--tcp", "1.2.3.4", "--baud", "9600", "identify"}
            << "--baud goes with --serial";
        QTest::newRow("odd baud") << QStringList {
            "--serial", "ttyS0", "--baud", "4800",
            "identify"} << "--baud: \"4800\" is not one of 9600, 19200, 38400, 57600, 115200";
        QTest::newRow("unknown key") << QStringList {"--tcp", "1.2.3.4", "get", "audio.bass"}
                                     << "unknown key \"audio.bass\" (korvane-cli keys lists them)";
        QTest::newRow("window 5") << QStringList {
            "--tcp", "1.2.3.4", "set", "window.5.source",
            "HDMI1"} << "unknown key \"window.5.source\" (korvane-cli keys lists them)";
        QTest::newRow("set read-only") << QStringList {"--tcp", "1.2.3.4", "set", "model", "Tessin"}
                                       << "model can be read but not set";
        QTest::newRow("set without value")
            << QStringList {"--tcp", "1.2.3.4", "set", "audio.volume"}
            << "usage: korvane-cli set KEY VALUE";
        QTest::newRow("volume out of every range")
            << QStringList {"--tcp", "1.2.3.4", "set", "audio.volume", "101"}
            << "audio.volume: 101 is out of range (korvane-cli keys lists the values)";
        QTest::newRow("volume not a number")
            << QStringList {"--tcp", "1.2.3.4", "set", "audio.volume", "loud"}
            << "audio.volume: \"loud\" is not a whole number";
        QTest::newRow("layout unknown")
            << QStringList {"--tcp", "1.2.3.4", "set", "multiview.layout", "QUAD"}
            << "multiview.layout: \"QUAD\" is not a valid multiview layout "
               "(one of SINGLE, PIP, PBP, 3xWIN, 4xWIN)";
        QTest::newRow("source of no model")
            << QStringList {"--tcp", "1.2.3.4", "set", "window.1.source", "SDI1"}
            << "window.1.source: \"SDI1\" is not a valid source of window 1 (one of HDMI1, HDMI2, "
               "HDMI3, HDMI4, USB-C, HDMI5, HDMI6, HDMI7, DP)";
        QTest::newRow("port 65535")
            << QStringList {"--tcp", "1.2.3.4", "set", "network.port", "65535"}
            << "network.port: 65535 is out of range (korvane-cli keys lists the values)";
        QTest::newRow("huge name")
            << QStringList {"--tcp", "1.2.3.4", "set", "scene.1.name", QString(300, 'x')}
            << "scene.1.name: a name of 300 characters is longer than 256";
        QTest::newRow("scene 0") << QStringList {"--tcp", "1.2.3.4", "scene", "load", "0"}
                                 << "scene: \"0\" is not a scene number from 1 to 20";
        QTest::newRow("scene 21") << QStringList {"--tcp", "1.2.3.4", "scene", "save", "21"}
                                  << "scene: \"21\" is not a scene number from 1 to 20";
        QTest::newRow("scene recall") << QStringList {"--tcp", "1.2.3.4", "scene", "recall", "2"}
                                      << "scene: \"recall\" is neither save nor load";
        QTest::newRow("scene load with name")
            << QStringList {"--tcp", "1.2.3.4", "scene", "load", "2", "x"}
            << "usage: korvane-cli scene load N";
        QTest::newRow("json elsewhere") << QStringList {"--tcp", "1.2.3.4", "identify", "--json"}
                                        << "--json does not apply to identify";
        QTest::newRow("with-network on diff")
            << QStringList {"--tcp", "1.2.3.4", "diff", "a", "--with-network"}
            << "--with-network does not apply to diff";
        QTest::newRow("bad section")
            << QStringList {"--tcp", "1.2.3.4", "restore", "a", "--sections", "audio,lights"}
            << "--sections: unknown section \"lights\" (output, multiview, audio, system, network, "
               "names)";
        QTest::newRow("keys with link")
            << QStringList {"--tcp", "1.2.3.4", "keys"}
            << "keys does not talk to a device; leave out --tcp and --serial";
        QTest::newRow("send CR") << QStringList {"--tcp", "1.2.3.4", "send", "GET A\rSET B"}
                                 << "send: one line only; the CR is added";
        QTest::newRow("send too long")
            << QStringList {"--tcp", "1.2.3.4", "send", QString(1025, 'A')}
            << "send: a line of 1025 bytes is longer than the device's 1024";
        QTest::newRow("flag with value")
            << QStringList {"--tcp", "1.2.3.4", "status", "--json=yes"} << "--json takes no value";
        QTest::newRow("help for nothing")
            << QStringList {"help", "reboot"} << "help: no subcommand \"reboot\"";
        QTest::newRow("backup two files") << QStringList {"--tcp", "1.2.3.4", "backup", "a", "b"}
                                          << "usage: korvane-cli backup FILE";
        QTest::newRow("unknown model")
            << QStringList {"keys", "--model", "Halden2"}
            << "--model: unknown model \"Halden2\" (Halden, Corvo, Marlet, "
               "Tessin, Brimo)";
    }
    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        CliRequest r;
        QString reason;
        QVERIFY(!Cli_Parse(args, &r, &reason));
        QCOMPARE(reason, error);
    }

    void everySubcommandHasHelp_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("identify") << "identify"
                                  << "usage: korvane-cli LINK identify";
        QTest::newRow("status") << "status"
                                << "usage: korvane-cli LINK status [--json]";
        QTest::newRow("get") << "get"
                             << "usage: korvane-cli LINK get KEY";
        QTest::newRow("set") << "set"
                             << "usage: korvane-cli LINK set KEY VALUE";
        QTest::newRow("scene") << "scene"
                               << "usage: korvane-cli LINK scene save N [NAME]";
        QTest::newRow("backup") << "backup"
                                << "usage: korvane-cli LINK backup FILE";
        QTest::newRow("restore")
            << "restore"
            << "usage: korvane-cli LINK restore FILE [--with-network] [--any-model]";
        QTest::newRow("diff") << "diff"
                              << "usage: korvane-cli LINK diff FILE [--any-model]";
        QTest::newRow("send") << "send"
                              << "usage: korvane-cli LINK send LINE";
        QTest::newRow("keys") << "keys"
                              << "usage: korvane-cli keys [--model NAME]";
    }
    void everySubcommandHasHelp()
    {
        QFETCH(QString, topic);
        QFETCH(QString, firstLine);
        QCOMPARE(Cli_Help(topic).section('\n', 0, 0), firstLine);
    }

    void overviewNamesTheExitCodes()
    {
        const QString text = Cli_Help();
        for (const char *line : {"0  done", "1  diff: differences found",
                                 "2  usage:", "3  cannot connect", "4  the device did not answer",
                                 "5  the device refused", "6  model mismatch", "7  a profile file"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
    }

    void keyListFollowsTheModel()
    {
        const QString corvo = Cli_KeyList(1);
        QVERIFY(!corvo.contains("output.4k-auto"));
        QVERIFY(!corvo.contains("mic.1.volume"));
        QVERIFY(corvo.contains("window.1.source             HDMI1|HDMI2|HDMI3|HDMI4\n"));
        const QString tessin = Cli_KeyList(3);
        QVERIFY(tessin.contains("audio.volume                0..50\n"));
        QVERIFY(tessin.contains("mic.2.volume                0..50\n"));
    }
};

QTEST_APPLESS_MAIN(TestCliArgs)
#include "tst_cli_args.moc"
