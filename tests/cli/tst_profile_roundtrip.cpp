// Profiles between devices, for all five models: a changed device is backed up, the backup is
// restored onto a factory-fresh device of the same model, and diff finds nothing afterwards.
// A Tessin's profile on a Corvo skips and lists what the Corvo lacks; a device that goes away
// half way through a restore makes the command say how far it got.
#include "cli/cli_runner.h"
#include "profile/profile_file.h"
#include "support/sim_device.h"

#include <QFile>
#include <QtTest>

namespace {

QStringList Tcp(const SimDevice &sim)
{
    return {"--tcp", QStringLiteral("127.0.0.1:%1").arg(sim.tcpPort())};
}

// The changes made to a factory-fresh device, per model: a profile of the changed settings
// (applied with restore) and raw lines (the output resolution, sent without the panel's hold).
struct Change
{
    const char *model;
    const char *profile;
    QStringList raw;
    QStringList expect; // key=value the backup must hold
};

QByteArray Header(const char *model)
{
    return QByteArray("{\"format\": \"korvane-profile\", \"version\": 1, \"model\": \"") + model
        + "\",\n";
}

QList<Change> Changes()
{
    return {
        {"Halden",
         R"("output": {"hdcp": "FORCE-2.2", "vka": "BLACKSCREEN", "itc": "ON", "4k-auto": "OFF"},
"multiview": {"layout": "PBP", "aspect": "16:9", "variant": 3, "user-rectangle": [10, 20, 640, 360]},
"window": {"1": {"source": "HDMI2"}, "2": {"source": "USB-C"}},
"audio": {"source": "USB-C", "volume": 35, "mute": "ON"},
"edid": {"mode": "720p"})",
         {"SET OUT RESOLUTION 1280x720p50"},
         {"output.resolution=1280x720p50", "multiview.user-rectangle=10 20 640 360",
          "window.2.source=USB-C", "output.4k-auto=OFF", "edid.mode=720p"}},
        {"Corvo",
         R"("multiview": {"layout": "4xWIN", "aspect": "FULL", "variant": 5},
"window": {"1": {"source": "HDMI4"}, "2": {"source": "HDMI3"}, "3": {"source": "HDMI2"}, "4": {"source": "HDMI1"}},
"audio": {"source": "HDMI4", "volume": 80})",
         {"SET RESO-USER 1280 720", "SET OUT RESOLUTION USER"},
         {"output.resolution=USER", "output.user-resolution=1280 720", "multiview.variant=5",
          "window.4.source=HDMI1", "audio.volume=80"}},
        {"Marlet",
         R"("multiview": {"layout": "PIP", "pip-position": "USER", "pip-size": "USER", "user-rectangle": [100, 200, 300, 400]},
"window": {"1": {"source": "DP"}, "2": {"source": "HDMI7"}},
"audio": {"source": "WIN-KVM", "volume": 100},
"edid": {"mode": "4K30-5.1"})",
         {},
         {"multiview.pip-size=USER", "multiview.user-rectangle=100 200 300 400",
          "window.2.source=HDMI7", "audio.source=WIN-KVM"}},
        {"Tessin",
         R"("output": {"4k-auto": "OFF"},
"multiview": {"layout": "3xWIN", "variant": 2},
"window": {"1": {"source": "HDMI7"}, "2": {"source": "DP"}, "3": {"source": "USB-C"}},
"audio": {"source": "LR3", "volume": 50, "mute": "OFF", "main": "OFF"},
"mic": {"1": {"switch": "ON", "volume": 30}, "2": {"switch": "ON", "volume": 5}},
"input": {"7": {"name": "Lectern"}}, "scene": {"2": {"name": "Keynote"}})",
         {"SET OUT RESOLUTION AUTO"},
         {"output.resolution=AUTO", "audio.source=LR3", "audio.main=OFF", "mic.2.volume=5",
          "mic.1.switch=ON", "input.7.name=Lectern", "scene.2.name=Keynote"}},
        {"Brimo",
         R"("output": {"hdcp": "FORCE-OFF"},
"multiview": {"layout": "SINGLE", "auto-switch": "ON"},
"window": {"1": {"source": "DP"}},
"audio": {"source": "DP", "volume": 0})",
         {},
         {"multiview.auto-switch=ON", "window.1.source=DP", "audio.volume=0",
          "output.hdcp=FORCE-OFF"}},
    };
}

// The first line that starts with prefix, or -1 (QStringList::indexOf takes whole-line matches).
int IndexStarting(const QStringList &lines, const char *prefix)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QLatin1String(prefix)))
            return i;
    }
    return -1;
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

class TestProfileRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void backupRestoreDiff_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < Changes().size(); ++i)
            QTest::newRow(Changes().at(i).model) << i;
    }
    void backupRestoreDiff()
    {
        QFETCH(int, index);
        const Change change = Changes().at(index);
        CliRunner source; // this PC's names for the changed device
        CliRunner target; // another PC's folder: the names come with the profile
        SimDevice changed;
        QVERIFY2(changed.start({"--model", change.model}), qPrintable(changed.error()));

        // Change the device: the profile of changes, then the raw resolution lines.
        const QString changes = source.path("changes.json");
        QVERIFY(WriteFile(changes, Header(change.model) + change.profile + "}\n"));
        CliResult r = source.run(Tcp(changed) + QStringList {"restore", changes});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        for (const QString &line : change.raw) {
            r = source.run(Tcp(changed) + QStringList {"send", line});
            QVERIFY2(r.code == 0, qPrintable(r.describe()));
        }

        const QString backup = source.path("backup.json");
        r = source.run(Tcp(changed) + QStringList {"backup", backup});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        Profile p;
        QVector<ProfileProblem> problems;
        QVERIFY2(Profile_ReadFile(backup, &p, &problems),
                 qPrintable(Profile_ProblemsText(problems)));
        for (const QString &pair : change.expect) {
            const SettingId id = *Setting_FromKey(pair.section('=', 0, 0));
            QCOMPARE(p.value(id), pair.section('=', 1));
        }

        SimDevice fresh; // factory settings
        QVERIFY2(fresh.start({"--model", change.model}), qPrintable(fresh.error()));
        r = target.run(Tcp(fresh) + QStringList {"diff", backup});
        QVERIFY2(r.code == 1, qPrintable(r.describe()));
        // The network settings too: two devices never share them, and diff compares them.
        r = target.run(Tcp(fresh) + QStringList {"restore", backup, "--with-network"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QVERIFY2(r.out.contains(", the device reads back as the profile\n"), qPrintable(r.out));
        r = target.run(Tcp(fresh) + QStringList {"diff", backup});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        QCOMPARE(r.out, QString());

        // Over TCP the network settings go last (they cut the link), the output resolution
        // just before them, and a layout before its options and sources.
        const QStringList sets = fresh.received().filter(QRegularExpression("^SET "));
        // A Corvo and a Brimo have no network port.
        const bool network
            = QByteArray(change.model) != "Corvo" && QByteArray(change.model) != "Brimo";
        if (network)
            QCOMPARE(sets.last(),
                     QStringLiteral("SET NETWORK-INFO 127.0.0.1 %1 255.255.255.0 127.0.0.1")
                         .arg(changed.tcpPort()));
        QCOMPARE(sets.filter(QRegularExpression("^SET (NETWORK-INFO|BAUDRATE) ")).size(),
                 network ? 1 : 0);
        const int resolution = IndexStarting(sets, "SET OUT RESOLUTION ");
        QCOMPARE(resolution >= 0, !change.raw.isEmpty());
        if (resolution >= 0)
            QCOMPARE(resolution, sets.size() - (network ? 2 : 1));
        const int layout = IndexStarting(sets, "SET MULTIVIEW ");
        QCOMPARE(layout >= 0, !QByteArray(change.profile).contains("\"layout\": \"SINGLE\""));
        const QStringList options = sets.filter(
            QRegularExpression("^SET (PBP|3xWIN|4xWIN|PIP|WINDOW|AUTO SWITCH|PBP-PRESENTER)"));
        QVERIFY(!options.isEmpty());
        for (const QString &option : options)
            QVERIFY2(sets.indexOf(option) > layout, qPrintable(sets.join('|')));
    }

    void tessinProfileOnCorvo()
    {
        CliRunner cli;
        SimDevice tessin;
        QVERIFY2(tessin.start({"--model", "Tessin"}), qPrintable(tessin.error()));
        const QString changes = cli.path("changes.json");
        QVERIFY(WriteFile(changes, Header("Tessin") + Changes().at(3).profile + "}\n"));
        CliResult r = cli.run(Tcp(tessin) + QStringList {"restore", changes});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        const QString backup = cli.path("tessin.json");
        r = cli.run(Tcp(tessin) + QStringList {"backup", backup});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));

        SimDevice corvo;
        QVERIFY2(corvo.start({"--model", "Corvo"}), qPrintable(corvo.error()));
        r = cli.run(Tcp(corvo) + QStringList {"restore", backup, "--any-model"});
        QVERIFY2(r.code == 0, qPrintable(r.describe()));
        for (const char *skipped :
             {"korvane-cli: skipped output.4k-auto: a Corvo has no 4K AUTO\n",
              "korvane-cli: skipped window.1.source: \"HDMI7\" is not a valid source of window 1 "
              "on "
              "a Corvo (one of HDMI1, HDMI2, HDMI3, HDMI4)\n",
              "korvane-cli: skipped window.2.source: \"DP\" is not a valid source of window 2 on a "
              "Corvo (one of HDMI1, HDMI2, HDMI3, HDMI4)\n",
              "korvane-cli: skipped audio.source: \"LR3\" is not a valid audio source on a Corvo "
              "(one "
              "of WIN1, HDMI1, HDMI2, HDMI3, HDMI4)\n",
              "korvane-cli: skipped audio.main: a Corvo has no main audio on/off\n",
              "korvane-cli: skipped mic.1.switch: a Corvo has no microphone 1 on/off\n",
              "korvane-cli: skipped mic.2.volume: a Corvo has no microphone 2 volume\n",
              "korvane-cli: skipped network.ip: a Corvo has no device IP address\n"})
            QVERIFY2(r.err.contains(QString::fromUtf8(skipped)), qPrintable(r.err));
        // Only what a Corvo has went out: none of the Tessin's words.
        const QStringList sets = corvo.received().filter(QRegularExpression("^SET "));
        QVERIFY(sets.contains("SET MULTIVIEW 3xWIN"));
        for (const QString &line : sets)
            QVERIFY2(!line.contains("LR3") && !line.contains("MIC") && !line.contains("4K-AUTO")
                         && !line.contains("HDMI7") && !line.contains("MAIN-AUDIO"),
                     qPrintable(line));
        r = cli.run(Tcp(corvo) + QStringList {"diff", backup, "--any-model"});
        QVERIFY2(r.code == 6, qPrintable(r.describe()));
        QVERIFY(r.out.startsWith("model: profile Tessin, device Corvo\n"));
        QVERIFY(r.out.contains("output.4k-auto: not compared, a Corvo has no 4K AUTO\n"));
        QVERIFY(!r.out.contains("profile \"")); // every comparable setting is the same
    }

    // The simulator hangs up after answering n commands: the restore stops where it was,
    // says how far it got, and claims no success.
    void deviceGoesAwayHalfWay_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QString>("answered"); // commands the simulator answers before it hangs up
        QTest::addColumn<QStringList>("stopped"); // accepted reports, each with its sent list
        QTest::addColumn<QStringList>("sent");
        // Identification (1) and the read (12), then 3 settings. A TCP hang-up shows at once.
        QTest::newRow("tcp, in the output options")
            << false << "16" << QStringList {"stage \"output\" after 3 of 14 commands"}
            << QStringList {"output.hdcp, output.vka, output.itc"};
        // A pseudo-terminal's hang-up may show only once the next command has been written
        // (on a busy machine): written, it counts as sent, though the device never read it.
        QTest::newRow("serial, in the output options")
            << true << "16"
            << QStringList {"stage \"output\" after 3 of 14 commands",
                            "stage \"output\" after 4 of 14 commands"}
            << QStringList {"output.hdcp, output.vka, output.itc",
                            "output.hdcp, output.vka, output.itc, output.4k-auto"};
        // The layout's reply brings two follow-up queries: they are no settings sent.
        QTest::newRow("tcp, in the layout options")
            << false << "22" << QStringList {"stage \"layout options\" after 7 of 14 commands"}
            << QStringList {"output.hdcp, output.vka, output.itc, output.4k-auto, "
                            "multiview.layout, multiview.aspect, multiview.variant"};
    }
    void deviceGoesAwayHalfWay()
    {
        QFETCH(bool, serial);
        QFETCH(QString, answered);
        QFETCH(QStringList, stopped);
        QFETCH(QStringList, sent);
        CliRunner cli;
        const QString changes = cli.path("changes.json");
        QVERIFY(WriteFile(changes, Header("Halden") + Changes().at(0).profile + "}\n"));
        SimDevice sim;
        QStringList args {"--model", "Halden", "--disconnect-after", answered};
        if (serial)
            args << "--no-tcp"
                 << "--pty";
        QVERIFY2(sim.start(args), qPrintable(sim.error()));
        const QStringList link = serial ? QStringList {"--serial", sim.ptyPath()} : Tcp(sim);
        const CliResult r = cli.run(link + QStringList {"restore", changes});
        QVERIFY2(r.code == 4, qPrintable(r.describe()));
        int which = -1;
        for (int i = 0; i < stopped.size(); ++i) {
            if (r.err.contains("korvane-cli: restore stopped in " + stopped.at(i) + "\n")
                && r.err.contains("korvane-cli: sent: " + sent.at(i) + "\nkorvane-cli: not sent: "))
                which = i;
        }
        QVERIFY2(which >= 0, qPrintable(r.err));
        // What it says it sent is what the device received (the one written into a hang-up
        // may be missing).
        auto received
            = [&sim] { return sim.received().filter(QRegularExpression("^SET ")).size(); };
        const int reported = sent.at(which).count(',') + 1;
        QTRY_VERIFY_WITH_TIMEOUT(received() >= reported - which, 5000);
        QVERIFY2(received() <= reported, qPrintable(sim.received().join('|')));
        QVERIFY(!r.out.contains("reads back as the profile"));
    }
};

QTEST_GUILESS_MAIN(TestProfileRoundTrip)
#include "tst_profile_roundtrip.moc"
