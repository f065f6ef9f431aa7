// Every catalogue command on every model, exact reply lines, per-model differences, and
// that refused commands change nothing.
#include "support/protocol_keywords.h"
#include "sim/sim_interpreter.h"

#include <QtTest>

namespace {
const char *const Models[] = {"Halden", "Corvo", "Marlet", "Tessin", "Brimo"};

QByteArray edidText(int count, const char *byte = "00")
{
    QByteArray text = "SET EDID-USER";
    for (int i = 0; i < count; ++i)
        text += QByteArray(" ") + (i == 1 ? "FF" : byte);
    return text;
}

// Every query of the device: equal answers mean equal visible state.
QList<QByteArray> snapshot(SimInterpreter &sim)
{
    static const char *const queries[]
        = {"GET OUT RESOLUTION", "GET RESO-USER",     "GET OUT HDCP",      "GET OUT VKA",
           "GET OUT ITC",        "GET OUT 4K-AUTO",   "GET MULTIVIEW",     "GET MULTIVIEW-SYNC",
           "GET PBP ASPECT",     "GET PBP MODE",      "GET 3xWIN ASPECT",  "GET 3xWIN MODE",
           "GET 4xWIN ASPECT",   "GET 4xWIN MODE",    "GET PIP POS",       "GET PIP SIZE",
           "GET PIP USER",       "GET PBP-PRESENTER", "GET IN RESOLUTION", "GET AUTO SWITCH",
           "GET WINDOW1 IN",     "GET WINDOW2 IN",    "GET WINDOW3 IN",    "GET WINDOW4 IN",
           "GET AUDIO SOURCE",   "GET AUDIO VOL",     "GET AUDIO-MUTE",    "GET MAIN-AUDIO ONOFF",
           "GET MIC1 ONOFF",     "GET MIC2 ONOFF",    "GET MIC1 VOL",      "GET MIC2 VOL",
           "GET IN EDIDMODE",    "GET NETWORK-INFO",  "GET BAUDRATE"};
    QList<QByteArray> all;
    for (const char *q : queries)
        all += sim.handle(q);
    return all;
}

int modelIndex(const QByteArray &name)
{
    return SimModelIndex(name);
}
} // namespace

class TestInterpreter : public QObject
{
    Q_OBJECT

    void addForAllModels(const char *command, const QByteArray &replies)
    {
        for (const char *m : Models)
            QTest::addRow("%s: %s", m, command) << QByteArray(m) << QByteArray(command) << replies;
    }

private slots:
    // Commands that answer alike on every model (each row starts from factory settings).
    void catalogue_allModels_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("replies"); // lines joined by '|'
        const struct
        {
            const char *command;
            const char *replies;
        } rows[] = {
            {"SET OUT RESOLUTION AUTO", "OUT RESOLUTION AUTO"},
            {"SET OUT RESOLUTION USER", "OUT RESOLUTION USER"},
            {"SET OUT RESOLUTION 1920x1200p60RB", "OUT RESOLUTION 1920x1200p60RB"},
            {"GET OUT RESOLUTION", "OUT RESOLUTION 1920x1080p60"},
            {"SET RESO-USER 1280 1024", "RESO-USER 1280 1024"},
            {"GET RESO-USER", "RESO-USER 1920 1080"},
            {"SET OUT HDCP FORCE-2.2", "OUT HDCP FORCE-2.2"},
            {"SET OUT HDCP FORCE-OFF", "OUT HDCP FORCE-OFF"},
            {"GET OUT HDCP", "OUT HDCP FORCE-1.4"},
            {"SET OUT VKA BLACKSCREEN", "OUT VKA BLACKSCREEN"},
            {"GET OUT VKA", "OUT VKA BLUESCREEN"},
            {"SET OUT ITC ON", "OUT ITC ON"},
            {"GET OUT ITC", "OUT ITC OFF"},
            {"SET MULTIVIEW SINGLE", "MULTIVIEW SINGLE|MAXMODE 1"},
            {"SET MULTIVIEW PIP", "MULTIVIEW PIP|MAXMODE 1"},
            {"SET MULTIVIEW PBP", "MULTIVIEW PBP|MAXMODE 3"},
            {"SET MULTIVIEW 3xWIN", "MULTIVIEW 3xWIN|MAXMODE 4"},
            {"SET MULTIVIEW 4xWIN", "MULTIVIEW 4xWIN|MAXMODE 6"},
            {"GET MULTIVIEW", "MULTIVIEW SINGLE"},
            {"GET MULTIVIEW-SYNC", "MULTIVIEW-SYNC SINGLE HDMI1 NULL NULL NULL 1920x1080p60 OFF"},
            {"SET PBP ASPECT 16:9", "PBP ASPECT 16:9"},
            {"SET 3xWIN ASPECT 16:9", "3xWIN ASPECT 16:9"},
            {"SET 4xWIN ASPECT FULL", "4xWIN ASPECT FULL"},
            {"GET PBP ASPECT", "PBP ASPECT FULL"},
            {"SET PBP MODE 3", "PBP MODE 3"},
            {"SET 3xWIN MODE 4", "3xWIN MODE 4"},
            {"SET 4xWIN MODE 6", "4xWIN MODE 6"},
            {"GET 4xWIN MODE", "4xWIN MODE 1"},
            {"SET PIP POS LeftTop", "PIP POS LeftTop"},
            {"GET PIP POS", "PIP POS RightBottom"},
            {"SET PIP SIZE LARGE", "PIP SIZE LARGE"},
            {"GET PIP SIZE", "PIP SIZE SMALL"},
            {"SET PIP USER 10 20 300 400", "PIP USER 10 20 300 400"},
            {"GET PIP USER", "PIP USER 1440 810 480 270"},
            {"SET PBP-PRESENTER 0 0 9999 0", "PBP-PRESENTER 0 0 9999 0"},
            {"GET PBP-PRESENTER", "PBP-PRESENTER 0 0 960 1080"},
            {"SET SAVE SCENE 1", "SAVE SCENE 1"},
            {"SET SAVE SCENE 20", "SAVE SCENE 20"},
            {"SET LOAD SCENE 7", "ERR 05"},
            {"GET IN RESOLUTION", "IN RESOLUTION 1920x1080p60"},
            {"SET AUTO SWITCH ON", "AUTO SWITCH ON"},
            {"GET AUTO SWITCH", "AUTO SWITCH OFF"},
            {"SET WINDOW1 IN HDMI3", "WINDOW1 IN HDMI3"},
            {"SET WINDOW4 IN HDMI1", "WINDOW4 IN HDMI1"},
            {"GET WINDOW2 IN", "WINDOW2 IN HDMI2"},
            {"SET AUDIO SOURCE WIN1", "AUDIO SOURCE WIN1"},
            {"SET AUDIO SOURCE HDMI3", "AUDIO SOURCE HDMI3"},
            {"GET AUDIO SOURCE", "AUDIO SOURCE WIN1"},
            {"SET AUDIO VOL 0", "AUDIO VOL 0"},
            {"SET AUDIO VOL 50", "AUDIO VOL 50"},
            {"SET AUDIO-MUTE ON", "AUDIO-MUTE ON"},
            {"GET AUDIO-MUTE", "AUDIO-MUTE OFF"},
            {"SET IN EDIDMODE 4K60-7.1", "IN EDIDMODE 4K60-7.1"},
            {"SET IN EDIDMODE USER", "IN EDIDMODE USER"},
            {"GET IN EDIDMODE", "IN EDIDMODE AUTO"},
            {"SET RESET", "RESET"},
            {"GET NETWORK-INFO", "NETWORK-INFO 192.168.0.247 2000 255.255.255.0 192.168.0.1"},
            {"SET NETWORK-INFO 10.1.2.3 5000 255.255.0.0 10.1.0.1",
             "NETWORK-INFO 10.1.2.3 5000 255.255.0.0 10.1.0.1"},
            {"SET NETWORK-INFO 10.1.2.3 080 255.255.0.0 10.1.0.1",
             "NETWORK-INFO 10.1.2.3 80 255.255.0.0 10.1.0.1"},
            {"GET BAUDRATE", "BAUDRATE 9600"},
            {"SET BAUDRATE 115200", "BAUDRATE 115200"},
            {"SET BAUDRATE 19200", "BAUDRATE 19200"},
        };
        for (const auto &r : rows)
            addForAllModels(r.command, r.replies);
        for (const char *m : Models)
            QTest::addRow("%s: GET MODEL TYPE", m)
                << QByteArray(m) << QByteArray("GET MODEL TYPE") << "MODEL TYPE " + QByteArray(m);
        for (const char *m : Models)
            QTest::addRow("%s: EDID upload", m)
                << QByteArray(m) << edidText(256) << QByteArray("EDID-USER OK");
    }
    void catalogue_allModels()
    {
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, replies);
        SimInterpreter sim(modelIndex(model), SimNetworkInfo());
        const QList<QByteArray> got = sim.handle(command);
        QCOMPARE(got.join('|'), replies);
        // The panel's dispatcher recognises every successful reply line.
        for (const QByteArray &line : got) {
            if (!line.startsWith("ERR "))
                QVERIFY2(DispatcherKeyword(line), line.constData());
        }
    }

    // Where the models differ: 4K AUTO, microphones, volume range, sources, versions.
    void catalogue_perModel_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("replies");
        const struct
        {
            const char *model;
            const char *command;
            const char *replies;
        } rows[] = {
            {"Halden", "GET OUT 4K-AUTO", "OUT 4K-AUTO ON"},
            {"Halden", "SET OUT 4K-AUTO OFF", "OUT 4K-AUTO OFF"},
            {"Corvo", "GET OUT 4K-AUTO", "ERR 03"},
            {"Corvo", "SET OUT 4K-AUTO OFF", "ERR 03"},
            {"Marlet", "SET OUT 4K-AUTO OFF", "OUT 4K-AUTO OFF"},
            {"Tessin", "GET OUT 4K-AUTO", "OUT 4K-AUTO ON"},
            {"Brimo", "GET OUT 4K-AUTO", "OUT 4K-AUTO ON"},

            {"Tessin", "GET MAIN-AUDIO ONOFF", "MAIN-AUDIO ONOFF ON"},
            {"Tessin", "SET MAIN-AUDIO ONOFF OFF", "MAIN-AUDIO ONOFF OFF"},
            {"Tessin", "SET MIC1 ONOFF ON", "MIC1 ONOFF ON"},
            {"Tessin", "GET MIC2 ONOFF", "MIC2 ONOFF OFF"},
            {"Tessin", "GET MIC1 VOL", "MIC1 VOL 10"},
            {"Tessin", "SET MIC1 VOL-", "MIC1 VOL 9"},
            {"Tessin", "SET MIC2 VOL+", "MIC2 VOL 11"},
            {"Tessin", "SET MIC2 VOL 50", "MIC2 VOL 50"},
            {"Tessin", "SET MIC2 VOL 51", "ERR 02"},
            {"Halden", "GET MAIN-AUDIO ONOFF", "ERR 03"},
            {"Corvo", "SET MIC1 ONOFF ON", "ERR 03"},
            {"Marlet", "GET MIC1 VOL", "ERR 03"},
            {"Brimo", "SET MIC2 VOL+", "ERR 03"},
            {"Halden", "SET MIC1 VOL 5", "ERR 03"},

            {"Halden", "GET AUDIO VOL", "AUDIO VOL 50"},
            {"Halden", "SET AUDIO VOL+", "AUDIO VOL 51"},
            {"Halden", "SET AUDIO VOL-", "AUDIO VOL 49"},
            {"Halden", "SET AUDIO VOL 100", "AUDIO VOL 100"},
            {"Halden", "SET AUDIO VOL 101", "ERR 02"},
            {"Corvo", "SET AUDIO VOL 100", "AUDIO VOL 100"},
            {"Tessin", "GET AUDIO VOL", "AUDIO VOL 25"},
            {"Tessin", "SET AUDIO VOL+", "AUDIO VOL 26"},
            {"Tessin", "SET AUDIO VOL 51", "ERR 02"},
            {"Tessin", "SET AUDIO VOL 60", "ERR 02"},

            {"Halden", "SET WINDOW2 IN USB-C", "WINDOW2 IN USB-C"},
            {"Halden", "SET WINDOW2 IN DP", "ERR 02"},
            {"Corvo", "SET WINDOW2 IN USB-C", "ERR 02"},
            {"Corvo", "SET WINDOW3 IN HDMI4", "WINDOW3 IN HDMI4"},
            {"Marlet", "SET WINDOW2 IN HDMI7", "WINDOW2 IN HDMI7"},
            {"Tessin", "SET WINDOW4 IN DP", "WINDOW4 IN DP"},
            {"Brimo", "SET WINDOW1 IN HDMI4", "ERR 02"},
            {"Brimo", "SET WINDOW1 IN DP", "WINDOW1 IN DP"},
            {"Halden", "GET WINDOW4 IN", "WINDOW4 IN HDMI4"},
            {"Brimo", "GET WINDOW4 IN", "WINDOW4 IN DP"},

            {"Marlet", "SET AUDIO SOURCE WIN-KVM", "AUDIO SOURCE WIN-KVM"},
            {"Halden", "SET AUDIO SOURCE WIN-KVM", "ERR 02"},
            {"Tessin", "SET AUDIO SOURCE LR4", "AUDIO SOURCE LR4"},
            {"Marlet", "SET AUDIO SOURCE LR1", "ERR 02"},
            {"Halden", "SET AUDIO SOURCE USB-C", "AUDIO SOURCE USB-C"},
            {"Corvo", "SET AUDIO SOURCE USB-C", "ERR 02"},
            {"Brimo", "SET AUDIO SOURCE DP", "AUDIO SOURCE DP"},

            {"Halden", "GET VERSION", "VERSION V2.14"},
            {"Halden", "GET SUB-VERSION", "SUB-VERSION V1.07"},
            {"Halden", "GET EXPAND-VERSION", "EXPAND-VERSION V1.03"},
            {"Halden", "GET KEYBOARD-VERSION", "ERR 03"},
            {"Corvo", "GET VERSION", "VERSION V1.22"},
            {"Corvo", "GET SUB-VERSION", "SUB-VERSION V1.05"},
            {"Corvo", "GET EXPAND-VERSION", "ERR 03"},
            {"Corvo", "GET KEYBOARD-VERSION", "ERR 03"},
            {"Marlet", "GET VERSION", "VERSION V3.02"},
            {"Marlet", "GET SUB-VERSION", "SUB-VERSION V2.11"},
            {"Marlet", "GET EXPAND-VERSION", "EXPAND-VERSION V1.09"},
            {"Marlet", "GET KEYBOARD-VERSION", "KEYBOARD-VERSION V1.01"},
            {"Tessin", "GET VERSION", "VERSION V3.15"},
            {"Tessin", "GET SUB-VERSION", "SUB-VERSION V2.04"},
            {"Tessin", "GET EXPAND-VERSION", "ERR 03"},
            {"Tessin", "GET KEYBOARD-VERSION", "KEYBOARD-VERSION V1.12"},
            {"Brimo", "GET VERSION", "VERSION V1.40"},
            {"Brimo", "GET SUB-VERSION", "SUB-VERSION V1.02"},
            {"Brimo", "GET EXPAND-VERSION", "ERR 03"},
            {"Brimo", "GET KEYBOARD-VERSION", "ERR 03"},
        };
        for (const auto &r : rows)
            QTest::addRow("%s: %s", r.model, r.command)
                << QByteArray(r.model) << QByteArray(r.command) << QByteArray(r.replies);
    }
    void catalogue_perModel() { catalogue_allModels(); }

    void setting_persists_data()
    {
        QTest::addColumn<QByteArray>("set");
        QTest::addColumn<QByteArray>("get");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("resolution")
            << QByteArray("SET OUT RESOLUTION 1280x720p50") << QByteArray("GET OUT RESOLUTION")
            << QByteArray("OUT RESOLUTION 1280x720p50");
        QTest::newRow("user resolution")
            << QByteArray("SET RESO-USER 0 9999") << QByteArray("GET RESO-USER")
            << QByteArray("RESO-USER 0 9999");
        QTest::newRow("hdcp") << QByteArray("SET OUT HDCP FORCE-OFF") << QByteArray("GET OUT HDCP")
                              << QByteArray("OUT HDCP FORCE-OFF");
        QTest::newRow("window3") << QByteArray("SET WINDOW3 IN HDMI1")
                                 << QByteArray("GET WINDOW3 IN") << QByteArray("WINDOW3 IN HDMI1");
        QTest::newRow("input resolution follows window 1")
            << QByteArray("SET WINDOW1 IN HDMI2") << QByteArray("GET IN RESOLUTION")
            << QByteArray("IN RESOLUTION 3840x2160p30");
        QTest::newRow("aspect") << QByteArray("SET 3xWIN ASPECT 16:9")
                                << QByteArray("GET 3xWIN ASPECT")
                                << QByteArray("3xWIN ASPECT 16:9");
        QTest::newRow("variant") << QByteArray("SET PBP MODE 2") << QByteArray("GET PBP MODE")
                                 << QByteArray("PBP MODE 2");
        QTest::newRow("presenter")
            << QByteArray("SET PBP-PRESENTER 1 2 3 4") << QByteArray("GET PBP-PRESENTER")
            << QByteArray("PBP-PRESENTER 1 2 3 4");
        QTest::newRow("volume") << QByteArray("SET AUDIO VOL 77") << QByteArray("GET AUDIO VOL")
                                << QByteArray("AUDIO VOL 77");
        QTest::newRow("mute") << QByteArray("SET AUDIO-MUTE ON") << QByteArray("GET AUDIO-MUTE")
                              << QByteArray("AUDIO-MUTE ON");
        QTest::newRow("edid mode")
            << QByteArray("SET IN EDIDMODE 720p") << QByteArray("GET IN EDIDMODE")
            << QByteArray("IN EDIDMODE 720p");
        QTest::newRow("baud") << QByteArray("SET BAUDRATE 57600") << QByteArray("GET BAUDRATE")
                              << QByteArray("BAUDRATE 57600");
        QTest::newRow("network") << QByteArray("SET NETWORK-INFO 127.0.0.1 2001 255.0.0.0 0.0.0.0")
                                 << QByteArray("GET NETWORK-INFO")
                                 << QByteArray("NETWORK-INFO 127.0.0.1 2001 255.0.0.0 0.0.0.0");
        QTest::newRow("terminal spacing")
            << QByteArray("  SET   OUT VKA\tBLACKSCREEN  ") << QByteArray("GET OUT VKA")
            << QByteArray("OUT VKA BLACKSCREEN");
    }
    void setting_persists()
    {
        QFETCH(QByteArray, set);
        QFETCH(QByteArray, get);
        QFETCH(QByteArray, reply);
        SimInterpreter sim(0, SimNetworkInfo());
        QVERIFY(!sim.handle(set).value(0).startsWith("ERR"));
        QCOMPARE(sim.handle(get), QList<QByteArray> {reply});
    }

    void volumeSteps_clampAtTheEnds_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("set");
        QTest::addColumn<QByteArray>("step");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("top 100") << QByteArray("Halden") << QByteArray("SET AUDIO VOL 100")
                                 << QByteArray("SET AUDIO VOL+") << QByteArray("AUDIO VOL 100");
        QTest::newRow("top 50") << QByteArray("Tessin") << QByteArray("SET AUDIO VOL 50")
                                << QByteArray("SET AUDIO VOL+") << QByteArray("AUDIO VOL 50");
        QTest::newRow("bottom") << QByteArray("Brimo") << QByteArray("SET AUDIO VOL 0")
                                << QByteArray("SET AUDIO VOL-") << QByteArray("AUDIO VOL 0");
        QTest::newRow("mic top") << QByteArray("Tessin") << QByteArray("SET MIC1 VOL 50")
                                 << QByteArray("SET MIC1 VOL+") << QByteArray("MIC1 VOL 50");
        QTest::newRow("mic bottom") << QByteArray("Tessin") << QByteArray("SET MIC2 VOL 0")
                                    << QByteArray("SET MIC2 VOL-") << QByteArray("MIC2 VOL 0");
    }
    void volumeSteps_clampAtTheEnds()
    {
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, set);
        QFETCH(QByteArray, step);
        QFETCH(QByteArray, reply);
        SimInterpreter sim(modelIndex(model), SimNetworkInfo());
        sim.handle(set);
        QCOMPARE(sim.handle(step), QList<QByteArray> {reply});
        QCOMPARE(sim.handle(step), QList<QByteArray> {reply});
    }

    void refused_changesNothing_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("error");
        const struct
        {
            const char *command;
            const char *error;
        } rows[] = {
            {"SET OUT HDCP force-2.2", "ERR 02"},
            {"SET OUT HDCP", "ERR 02"},
            {"SET OUT HDCP FORCE-2.2 FORCE-1.4", "ERR 02"},
            {"GET OUT HDCP FORCE-2.2", "ERR 02"},
            {"SET OUT RESOLUTION 1920x1080", "ERR 02"},
            {"SET MULTIVIEW single", "ERR 02"},
            {"SET MULTIVIEW 5xWIN", "ERR 02"},
            {"SET AUDIO VOL -1", "ERR 02"},
            {"SET AUDIO VOL +5", "ERR 02"},
            {"SET AUDIO VOL 0x10", "ERR 02"},
            {"SET AUDIO VOL 1e2", "ERR 02"},
            {"SET AUDIO VOL 99999999999", "ERR 02"},
            {"SET AUDIO VOL", "ERR 02"},
            {"SET AUDIO VOL+ 3", "ERR 02"},
            {"SET PBP MODE 0", "ERR 02"},
            {"SET PBP MODE 4", "ERR 02"},
            {"SET 3xWIN MODE 5", "ERR 02"},
            {"SET 4xWIN MODE 7", "ERR 02"},
            {"SET PBP ASPECT 4:3", "ERR 02"},
            {"SET PIP POS Center", "ERR 02"},
            {"SET PIP SIZE HUGE", "ERR 02"},
            {"SET PIP USER 1 2 3", "ERR 02"},
            {"SET PIP USER 1 2 3 10000", "ERR 02"},
            {"SET PIP USER 1 2 3 4 5", "ERR 02"},
            {"SET PBP-PRESENTER a b c d", "ERR 02"},
            {"SET RESO-USER 1920", "ERR 02"},
            {"SET RESO-USER 1920 -1", "ERR 02"},
            {"SET SAVE SCENE 0", "ERR 02"},
            {"SET SAVE SCENE 21", "ERR 02"},
            {"SET LOAD SCENE 21", "ERR 02"},
            {"SET LOAD SCENE 3", "ERR 05"},
            {"SET WINDOW1 IN hdmi1", "ERR 02"},
            {"SET WINDOW1 IN HDMI8", "ERR 02"},
            {"SET AUTO SWITCH MAYBE", "ERR 02"},
            {"SET IN EDIDMODE 4K", "ERR 02"},
            {"SET NETWORK-INFO 1.2.3 80 255.0.0.0 1.2.3.1", "ERR 02"},
            {"SET NETWORK-INFO 1.2.3.256 80 255.0.0.0 1.2.3.1", "ERR 02"},
            {"SET NETWORK-INFO 1.2.3.4 0 255.0.0.0 1.2.3.1", "ERR 02"},
            {"SET NETWORK-INFO 1.2.3.4 65536 255.0.0.0 1.2.3.1", "ERR 02"},
            {"SET NETWORK-INFO 1.2.3.4 80 255.0.0.0", "ERR 02"},
            {"SET NETWORK-INFO 1.2..4 80 255.0.0.0 1.2.3.1", "ERR 02"},
            {"SET BAUDRATE 4800", "ERR 02"},
            {"SET BAUDRATE fast", "ERR 02"},
            {"SET RESET NOW", "ERR 02"},
            {"SET EDID-USER 00 FF", "ERR 02"},
            {"GET MODEL TYPE Halden", "ERR 02"},
            {"SET MODEL TYPE Corvo", "ERR 01"},
            {"GET RESET", "ERR 01"},
            {"GET SAVE SCENE", "ERR 01"},
            {"GET AUDIO VOL+", "ERR 01"},
            {"SET VERSION V9", "ERR 01"},
            {"get model type", "ERR 01"},
            {"GET", "ERR 01"},
            {"SET", "ERR 01"},
            {"HELLO", "ERR 01"},
            {"GET MODEL", "ERR 01"},
            {"SET PIP ASPECT FULL", "ERR 01"},
            {"SET SINGLE MODE 1", "ERR 01"},
            {"SET WINDOW5 IN HDMI1", "ERR 01"},
            {"SET MIC3 VOL 1", "ERR 01"},
            {"GET MIC1", "ERR 01"},
            {"\x01\x02\xff\x7f", "ERR 01"},
            {"GET OUT\x00HDCP", "ERR 01"},
        };
        for (const char *m : Models) {
            for (const auto &r : rows)
                QTest::addRow("%s: %s", m, r.command)
                    << QByteArray(m) << QByteArray(r.command) << QByteArray(r.error);
        }
        // The NUL inside a command must not cut it short.
        for (const char *m : Models)
            QTest::addRow("%s: embedded NUL", m)
                << QByteArray(m) << QByteArray("SET OUT HDCP FORCE-2.2\0X", 24)
                << QByteArray("ERR 02");
    }
    void refused_changesNothing()
    {
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, error);
        SimInterpreter sim(modelIndex(model), SimNetworkInfo());
        const QList<QByteArray> before = snapshot(sim);
        QCOMPARE(sim.handle(command), QList<QByteArray> {error});
        QCOMPARE(snapshot(sim), before);
    }

    void emptyLine_getsNoReply()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        QVERIFY(sim.handle("").isEmpty());
        QVERIFY(sim.handle("   \t ").isEmpty());
    }

    void modelName_override_isReported()
    {
        SimInterpreter sim(1, SimNetworkInfo(), "Foo");
        QCOMPARE(sim.handle("GET MODEL TYPE"), QList<QByteArray> {"MODEL TYPE Foo"});
        QCOMPARE(sim.handle("GET OUT 4K-AUTO"), QList<QByteArray> {"ERR 03"}); // still a Corvo
    }

    // An error must not end the panel's wait: it contains no reply keyword (token rule) and
    // none of the texts a command waits for.
    void errorLines_matchNoKeywordAndNoItem()
    {
        QCOMPARE(int(sizeof DispatcherKeywords / sizeof DispatcherKeywords[0]), 72);
        const QByteArray errors[]
            = {SimInterpreter::ErrUnknown, SimInterpreter::ErrValue, SimInterpreter::ErrModel,
               SimInterpreter::ErrTooLong, SimInterpreter::ErrSceneEmpty};
        for (const QByteArray &e : errors) {
            QVERIFY2(!DispatcherKeyword(e), e.constData());
            for (const char *k : DispatcherKeywords)
                QVERIFY2(!e.contains(k), k);
            QVERIFY(!e.contains("EDID-USER OK"));
        }
    }

    void reset_restoresFactorySettings()
    {
        for (int m = 0; m < SimModelCount; ++m) {
            SimInterpreter fresh(m, SimNetworkInfo());
            SimInterpreter sim(m, SimNetworkInfo());
            const char *const changes[] = {"SET OUT RESOLUTION USER",
                                           "SET RESO-USER 1 2",
                                           "SET OUT HDCP FORCE-OFF",
                                           "SET OUT VKA BLACKSCREEN",
                                           "SET OUT ITC ON",
                                           "SET OUT 4K-AUTO OFF",
                                           "SET MULTIVIEW 4xWIN",
                                           "SET 4xWIN MODE 5",
                                           "SET 4xWIN ASPECT 16:9",
                                           "SET PIP POS USER",
                                           "SET PIP USER 1 2 3 4",
                                           "SET WINDOW2 IN HDMI1",
                                           "SET AUTO SWITCH ON",
                                           "SET AUDIO SOURCE HDMI1",
                                           "SET AUDIO VOL 3",
                                           "SET AUDIO-MUTE ON",
                                           "SET MIC1 VOL 40",
                                           "SET MAIN-AUDIO ONOFF OFF",
                                           "SET IN EDIDMODE 720p",
                                           "SET BAUDRATE 38400",
                                           "SET NETWORK-INFO 10.0.0.2 23 255.0.0.0 10.0.0.1",
                                           "SET SAVE SCENE 4"};
            for (const char *c : changes)
                sim.handle(c);
            QVERIFY(snapshot(sim) != snapshot(fresh));
            QCOMPARE(sim.handle("SET RESET"), QList<QByteArray> {"RESET"});
            QCOMPARE(snapshot(sim), snapshot(fresh));
            QCOMPARE(sim.handle("SET LOAD SCENE 4"), QList<QByteArray> {"ERR 05"});
        }
    }

    void reset_keepsTheNetworkTheSimulatorServesOn()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        sim.setFactoryNetwork({"127.0.0.1", "2345", "255.255.255.0", "127.0.0.1"});
        sim.handle("SET NETWORK-INFO 10.0.0.2 23 255.0.0.0 10.0.0.1");
        sim.handle("SET RESET");
        QCOMPARE(sim.handle("GET NETWORK-INFO"),
                 QList<QByteArray> {"NETWORK-INFO 127.0.0.1 2345 255.255.255.0 127.0.0.1"});
    }
};

QTEST_GUILESS_MAIN(TestInterpreter)
#include "tst_interpreter.moc"
