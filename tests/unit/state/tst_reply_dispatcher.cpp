// Every reply keyword: which keyword takes a line, what it stores, which page calls it makes
// with which arguments, in which order, and the exact status-log lines.
#include "support/recording_sinks.h"

#include "app/language_texts.h"
#include "state/link_settings.h"
#include "state/reply_dispatcher.h"
#include "support/protocol_keywords.h"

#include <QtTest>

namespace {

enum Model { Halden, Corvo, Marlet, Tessin, Brimo, None };
enum Layout : quint32 { Single, Pip, Pbp, Win3, Win4 };

const QString SyncOver = QStringLiteral("connectionAppendStatus(\r\n->Sync Over!<-)");

QString Sync(const char *label)
{
    return QStringLiteral("connectionAppendStatus(Sync %1 Message.)").arg(QLatin1String(label));
}

// Keywords the panel recognises (they end the search) but does nothing with.
const char *const SilentKeywords[] = {"HELP",
                                      "RESET",
                                      "IP ADDRESS",
                                      "SUBMASK",
                                      "GATEWAY",
                                      "NETPORT",
                                      "OUT BRIGHTNESS",
                                      "OUT CONTRAST",
                                      "KVM",
                                      "USB ROAMING",
                                      "LONG-REACH",
                                      "USB-HDBT",
                                      "SAVE SCENE",
                                      "LOAD SCENE",
                                      "RS232-PER",
                                      "KVM-BORDER",
                                      "KVM-BORDER-COLOR",
                                      "OUT TSP",
                                      "OUT TSP-COLOR",
                                      "OUT TSP-TIMING",
                                      "DUCKING",
                                      "FREEZE-WIN1",
                                      "FREEZE-WIN2",
                                      "FREEZE-WIN3",
                                      "FREEZE-WIN4",
                                      "FREEZE-WINALL",
                                      "IN STATUS",
                                      "OUT STATUS"};

} // namespace

class TestReplyDispatcher : public QObject
{
    Q_OBJECT

    static void row(const char *name, int model, quint32 layout, const QByteArray &line,
                    const QStringList &calls, const QString &changes = QString())
    {
        QTest::newRow(name) << model << layout << line << calls << changes;
    }

private slots:
    void keywordOrder()
    {
        QCOMPARE(Reply_KeywordCount(), 72);
        for (int i = 0; i < 72; ++i)
            QCOMPARE(QByteArray(Reply_Keyword(i).data(), int(Reply_Keyword(i).size())),
                     QByteArray(DispatcherKeywords[i]));
        QVERIFY(Reply_Keyword(72).empty());
        QVERIFY(Reply_Keyword(-1).empty());
    }

    // Each keyword takes its own line, except that "VERSION", earlier in the table, takes
    // every line that ends in it.
    void eachKeywordTakesItsLine()
    {
        SetUpDevice(Halden, Single);
        for (int i = 0; i < 72; ++i) {
            const QByteArray keyword(DispatcherKeywords[i]);
            const int expected
                = keyword.endsWith(" VERSION") || keyword.endsWith("-VERSION") ? 2 : i;
            RecordingSinks pages;
            QCOMPARE(Reply_DispatchBytes(keyword.toStdString() + " 1\r", pages.sinks()), expected);
        }
    }

    void silentKeywordsDoNothing()
    {
        for (const char *keyword : SilentKeywords) {
            SetUpDevice(Halden, Pbp);
            const auto before = DeviceStateMap();
            RecordingSinks pages;
            const QByteArray line = QByteArray(keyword) + " ON 1 HDMI1\r";
            QCOMPARE(Reply_Dispatch(QString::fromLatin1(line), pages.sinks()),
                     QStringList(DispatcherKeywords, DispatcherKeywords + 72).indexOf(keyword));
            QCOMPARE(pages.callTexts(), QStringList());
            QCOMPARE(DeviceStateMap(), before);
        }
    }

    void keywordChoice_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("keyword");

        QTest::newRow("table order beats line order")
            << QByteArray("MODEL TYPE Halden VERSION 2\r") << "VERSION";
        QTest::newRow("hyphen blocks OUT TSP")
            << QByteArray("OUT TSP-COLOR 3\r") << "OUT TSP-COLOR";
        QTest::newRow("hyphen blocks KVM") << QByteArray("KVM-BORDER 1\r") << "KVM-BORDER";
        QTest::newRow("hyphen blocks MULTIVIEW")
            << QByteArray("MULTIVIEW-SYNC PIP\r") << "MULTIVIEW-SYNC";
        QTest::newRow("keyword then CR") << QByteArray("RESET\r") << "RESET";
        QTest::newRow("keyword at the end, no CR") << QByteArray("RESET") << "";
        QTest::newRow("keyword then LF") << QByteArray("RESET\n") << "";
        QTest::newRow("lower case") << QByteArray("reset\r") << "";
        QTest::newRow("unknown") << QByteArray("HELLO WORLD\r") << "";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("only CR") << QByteArray("\r") << "";
        QTest::newRow("junk before") << QByteArray("\n\x01xxAUDIO VOL 60\r") << "AUDIO VOL";
    }
    void keywordChoice()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, keyword);
        SetUpDevice(Halden, Single);
        RecordingSinks pages;
        const int k
            = Reply_DispatchBytes(std::string_view(line.constData(), line.size()), pages.sinks());
        QCOMPARE(QString::fromLatin1(Reply_Keyword(k).data(), int(Reply_Keyword(k).size())),
                 keyword);
    }

    void rows_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<quint32>("layout");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("changes");

        row("VERSION", Halden, Single, "VERSION V2.3\r", {"systemSetVersionText(V2.3)"});
        row("ARM VERSION", Halden, Single, "ARM VERSION V1.0\r", {"systemSetVersionText(V1.0)"});
        row("SUB-VERSION keeps inner spaces", None, Single, "SUB-VERSION S1 build 7\r",
            {"systemSetVersionText(S1 build 7)"});
        row("EXPAND-VERSION", Halden, Single, "EXPAND-VERSION E1\r", {"systemSetVersionText(E1)"});
        row("KEYBOARD-VERSION", Halden, Single, "KEYBOARD-VERSION K1\r",
            {"systemSetVersionText(K1)"});
        row("VERSION empty", Halden, Single, "VERSION\r", {"systemSetVersionText()"});

        row("AUTO SWITCH ON", Halden, Single, "AUTO SWITCH ON\r", {"multiviewSetAutoSwitch(0)"});
        row("AUTO SWITCH OFF", Halden, Single, "AUTO SWITCH OFF\r", {"multiviewSetAutoSwitch(1)"});
        row("AUTO SWITCH unknown", Halden, Single, "AUTO SWITCH MAYBE\r", {});

        row("IN SOURCE Halden", Halden, Single, "IN SOURCE HDMI3\r",
            {"multiviewSetWindowSource(0,2)"});
        row("IN SOURCE Brimo DP", Brimo, Single, "IN SOURCE DP\r",
            {"multiviewSetWindowSource(0,3)"});
        row("IN SOURCE Tessin USB-C", Tessin, Single, "IN SOURCE USB-C\r",
            {"multiviewSetWindowSource(0,8)"});
        row("IN SOURCE not on Corvo", Corvo, Single, "IN SOURCE USB-C\r", {});
        row("IN SOURCE no model", None, Single, "IN SOURCE HDMI1\r", {});

        row("IN RESOLUTION", None, Single, "IN RESOLUTION 1920x1080@60\r",
            {"multiviewSetInputResolutionText(1920x1080@60)"});

        row("OUT RESOLUTION", Halden, Single, "OUT RESOLUTION 1920x1080p60\r",
            {"outputSetResolution(7)", Sync("Resolution:")});
        row("OUT RESOLUTION first", Halden, Single, "OUT RESOLUTION 4096x2160p60\r",
            {"outputSetResolution(0)", Sync("Resolution:")});
        row("OUT RESOLUTION USER", None, Single, "OUT RESOLUTION USER\r",
            {"outputSetResolution(15)", Sync("Resolution:")});
        row("OUT RESOLUTION unknown still logs", Halden, Single, "OUT RESOLUTION 640x480p60\r",
            {Sync("Resolution:")});
        row("OUT 4K-AUTO", Corvo, Single, "OUT 4K-AUTO ON\r",
            {"outputSet4kAuto(0)", Sync("4K AUTO:")});
        row("OUT HDCP", Halden, Single, "OUT HDCP FORCE-OFF\r",
            {"outputSetHdcp(2)", Sync("HDCP:")});
        row("OUT HDCP 2.2", Halden, Single, "OUT HDCP FORCE-2.2\r",
            {"outputSetHdcp(1)", Sync("HDCP:")});
        row("OUT VKA", Halden, Single, "OUT VKA BLACKSCREEN\r", {"outputSetVka(1)", Sync("VKA:")});
        row("OUT ITC", Halden, Single, "OUT ITC OFF\r", {"outputSetItc(1)", Sync("ITC:")});
        row("OUT ITC unknown", Halden, Single, "OUT ITC\r", {Sync("ITC:")});

        row("MULTIVIEW", Halden, Single, "MULTIVIEW 3xWIN\r", {"multiviewSetLayout(3,true)"});
        row("MULTIVIEW unknown", Halden, Single, "MULTIVIEW 5xWIN\r", {});

        row("WINDOW1 IN Marlet DP", Marlet, Pip, "WINDOW1 IN DP\r",
            {"multiviewSetWindowSource(0,7)"}, "win=7,0,0,0");
        row("WINDOW2 IN", Halden, Pip, "WINDOW2 IN HDMI2\r", {"multiviewSetWindowSource(1,1)"},
            "win=0,1,0,0");
        row("WINDOW3 IN", Tessin, Win3, "WINDOW3 IN HDMI7\r", {"multiviewSetWindowSource(2,6)"},
            "win=0,0,6,0");
        row("WINDOW4 IN", Halden, Win4, "WINDOW4 IN USB-C\r", {"multiviewSetWindowSource(3,4)"},
            "win=0,0,0,4");
        row("WINDOW1 IN not on Halden", Halden, Pip, "WINDOW1 IN DP\r", {});
        row("WINDOW1 IN no model", None, Pip, "WINDOW1 IN HDMI2\r", {});

        row("PIP POS", Halden, Pip, "PIP POS RightBottom\r", {"multiviewSetPipPosition(3)"},
            "pos=3");
        row("PIP POS USER", Halden, Pip, "PIP POS USER\r", {"multiviewSetPipPosition(4)"}, "pos=4");
        row("PIP POS in SINGLE", Halden, Single, "PIP POS RightTop\r", {});
        row("PIP POS unknown", Halden, Pip, "PIP POS Center\r", {});
        row("PIP SIZE", Halden, Pip, "PIP SIZE LARGE\r", {"multiviewSetPipSize(2)"}, "size=2");
        row("PIP SIZE in PBP", Halden, Pbp, "PIP SIZE LARGE\r", {});

        row("PBP MODE", Halden, Pbp, "PBP MODE 3\r", {"multiviewSetLayoutVariant(2)"}, "variant=2");
        row("PBP MODE in 3xWIN", Halden, Win3, "PBP MODE 2\r", {"multiviewSetLayoutVariant(1)"},
            "variant=1");
        row("3xWIN MODE", Halden, Win3, "3xWIN MODE 1\r", {"multiviewSetLayoutVariant(0)"});
        row("4xWIN MODE last variant", Halden, Win4, "4xWIN MODE 6\r",
            {"multiviewSetLayoutVariant(5)"}, "variant=5");
        row("4xWIN MODE past the last", Halden, Win4, "4xWIN MODE 7\r", {});
        row("PBP MODE 0", Halden, Pbp, "PBP MODE 0\r", {});
        row("PBP MODE negative", Halden, Pbp, "PBP MODE -1\r", {});
        row("PBP MODE word", Halden, Pbp, "PBP MODE two\r", {});
        row("PBP MODE in PIP", Halden, Pip, "PBP MODE 2\r", {});
        row("PBP ASPECT", Halden, Pbp, "PBP ASPECT 16:9\r", {"multiviewSetAspect(1)"}, "aspect=1");
        row("3xWIN ASPECT", Halden, Win3, "3xWIN ASPECT FULL\r", {"multiviewSetAspect(0)"});
        row("4xWIN ASPECT", Halden, Win4, "4xWIN ASPECT 16:9\r", {"multiviewSetAspect(1)"},
            "aspect=1");
        row("4xWIN ASPECT unknown", Halden, Win4, "4xWIN ASPECT 4:3\r", {});
        row("PBP ASPECT in SINGLE", Halden, Single, "PBP ASPECT 16:9\r", {});

        row("AUDIO SOURCE", Halden, Single, "AUDIO SOURCE USB-C\r",
            {"audioSetSource(5)", Sync("Audio Select:")});
        row("AUDIO SOURCE Tessin LR2", Tessin, Single, "AUDIO SOURCE LR2\r",
            {"audioSetSource(11)", Sync("Audio Select:")});
        row("AUDIO SOURCE Marlet WIN-KVM", Marlet, Single, "AUDIO SOURCE WIN-KVM\r",
            {"audioSetSource(10)", Sync("Audio Select:")});
        row("AUDIO SOURCE not on Corvo", Corvo, Single, "AUDIO SOURCE USB-C\r",
            {Sync("Audio Select:")});
        row("AUDIO SOURCE no model", None, Single, "AUDIO SOURCE HDMI1\r", {});

        row("AUDIO VOL Halden 60", Halden, Single, "AUDIO VOL 60\r",
            {"audioSetVolume(60)", Sync("Volume:")});
        row("AUDIO VOL Tessin 60", Tessin, Single, "AUDIO VOL 60\r", {Sync("Volume:")});
        row("AUDIO VOL Tessin 50", Tessin, Single, "AUDIO VOL 50\r",
            {"audioSetVolume(50)", Sync("Volume:")});
        row("AUDIO VOL Brimo 100", Brimo, Single, "AUDIO VOL 100\r",
            {"audioSetVolume(100)", Sync("Volume:")});
        row("AUDIO VOL Marlet 101", Marlet, Single, "AUDIO VOL 101\r", {Sync("Volume:")});
        row("AUDIO VOL 0", Corvo, Single, "AUDIO VOL 0\r", {"audioSetVolume(0)", Sync("Volume:")});
        row("AUDIO VOL negative", Halden, Single, "AUDIO VOL -1\r", {Sync("Volume:")});
        row("AUDIO VOL word counts as 0", Halden, Single, "AUDIO VOL loud\r",
            {"audioSetVolume(0)", Sync("Volume:")});
        row("AUDIO VOL no model", None, Single, "AUDIO VOL 60\r", {Sync("Volume:")});
        row("AUDIO-MUTE", Halden, Single, "AUDIO-MUTE ON\r",
            {"audioSetMute(0)", Sync("Audio Mute:")});
        row("AUDIO-MUTE unknown", Halden, Single, "AUDIO-MUTE MUTED\r", {Sync("Audio Mute:")});

        row("IN EDIDMODE", Halden, Single, "IN EDIDMODE 1080p60-5.1\r",
            {"systemSetEdidSelection(7)", Sync("EDID Select:")});
        row("IN EDIDMODE 720p", Halden, Single, "IN EDIDMODE 720p\r",
            {"systemSetEdidSelection(16)", Sync("EDID Select:")});
        row("IN EDIDMODE USER", Halden, Single, "IN EDIDMODE USER\r",
            {"systemSetEdidSelection(18)", Sync("EDID Select:")});
        row("IN EDIDMODE unknown", Halden, Single, "IN EDIDMODE 8K\r", {Sync("EDID Select:")});

        row("EDID-USER", Halden, Single, "EDID-USER OK\r", {"systemUserEdidWritten()"});
        row("EDID-USER OK, trailing space", Halden, Single, "EDID-USER OK \r",
            {"systemUserEdidWritten()"});
        row("EDID-USER ERR", Halden, Single, "EDID-USER ERR\r",
            {"showMessageBox(Unable to communicate with device!Error Code:EDID-USER ERR)"});
        row("EDID-USER FAIL 3", None, Single, "EDID-USER FAIL 3\r",
            {"showMessageBox(Unable to communicate with device!Error Code:EDID-USER FAIL 3)"});
        row("EDID-USER bare", Halden, Single, "EDID-USER\r",
            {"showMessageBox(Unable to communicate with device!Error Code:EDID-USER)"});
        row("EDID-USER OK then more", Halden, Single, "EDID-USER OK 2\r",
            {"showMessageBox(Unable to communicate with device!Error Code:EDID-USER OK 2)"});
        row("EDID-USER NOT OK", Halden, Single, "EDID-USER NOT OK\r",
            {"showMessageBox(Unable to communicate with device!Error Code:EDID-USER NOT OK)"});
        row("EDID-USER lower case ok", Halden, Single, "EDID-USER ok\r",
            {"showMessageBox(Unable to communicate with device!Error Code:EDID-USER ok)"});

        row("MAXMODE", Halden, Pbp, "MAXMODE 3\r",
            {"multiviewSetVariantCount(3)", "multiviewSetLayoutVariant(0)"}, "max=3");
        row("MAXMODE 0 not stored", Halden, Pbp, "MAXMODE 0\r",
            {"multiviewSetVariantCount(0)", "multiviewSetLayoutVariant(0)"});
        row("MAXMODE 7 stored", Halden, Pbp, "MAXMODE 7\r",
            {"multiviewSetVariantCount(7)", "multiviewSetLayoutVariant(0)"}, "max=7");
        row("MAXMODE negative is 0", Halden, Pbp, "MAXMODE -2\r",
            {"multiviewSetVariantCount(0)", "multiviewSetLayoutVariant(0)"});

        row("NETWORK-INFO", Halden, Single,
            "NETWORK-INFO 192.168.0.247 2000 255.255.255.0 192.168.0.1\r",
            {"systemSetNetworkInfo(192.168.0.247,2000,255.255.255.0,192.168.0.1)", Sync("Network:"),
             SyncOver});
        row("NETWORK-INFO missing fields", Halden, Single, "NETWORK-INFO 192.168.0.247 2000\r",
            {Sync("Network:"), SyncOver});
        row("NETWORK-INFO empty field", Halden, Single,
            "NETWORK-INFO 10.0.0.2  255.0.0.0 10.0.0.1\r", {Sync("Network:"), SyncOver});
        row("NETWORK-INFO line feed", Halden, Single,
            "NETWORK-INFO 10.0.0.2\n 2000 255.0.0.0 10.0.0.1\r", {Sync("Network:"), SyncOver});
        row("BAUDRATE", Halden, Single, "BAUDRATE 115200\r",
            {"systemSetBaudRate(115200)", Sync("Baudrate:"), SyncOver});
        row("BAUDRATE field 1", Halden, Single, "BAUDRATE 9600 8N1\r",
            {"systemSetBaudRate(9600)", Sync("Baudrate:"), SyncOver});
        row("BAUDRATE word", None, Single, "BAUDRATE fast\r",
            {"systemSetBaudRate(0)", Sync("Baudrate:"), SyncOver});

        row("MAIN-AUDIO ONOFF", Tessin, Single, "MAIN-AUDIO ONOFF ON\r", {"audioSetSwitch(0,0)"});
        row("MIC1 ONOFF", Tessin, Single, "MIC1 ONOFF OFF\r", {"audioSetSwitch(1,1)"});
        row("MIC2 ONOFF unknown is off", Tessin, Single, "MIC2 ONOFF ??\r",
            {"audioSetSwitch(2,1)"});
        row("MIC2 ONOFF ON", Halden, Single, "MIC2 ONOFF ON\r", {"audioSetSwitch(2,0)"});
        row("MIC1 VOL", Tessin, Single, "MIC1 VOL 30\r", {"audioSetMicLevel(0,30)"});
        row("MIC2 VOL at the maximum", Tessin, Single, "MIC2 VOL 50\r", {"audioSetMicLevel(1,50)"});
        row("MIC2 VOL past the maximum", Tessin, Single, "MIC2 VOL 51\r", {});
        row("MIC1 VOL model maximum", Halden, Single, "MIC1 VOL 80\r", {"audioSetMicLevel(0,80)"});
        row("MIC1 VOL negative", Tessin, Single, "MIC1 VOL -3\r", {});
        row("MIC1 VOL no model", None, Single, "MIC1 VOL 10\r", {});

        row("PBP-PRESENTER", Halden, Pbp, "PBP-PRESENTER 0 0 1920 1080\r",
            {"multiviewSetUserRectangle(0,0,1920,1080)"});
        row("PIP USER", Halden, Single, "PIP USER 10 20 640 360\r",
            {"multiviewSetUserRectangle(10,20,640,360)"});
        row("PIP USER missing fields", Halden, Pip, "PIP USER 10 20\r",
            {"multiviewSetUserRectangle(10,20,0,0)"});
        row("RESO-USER", Halden, Single, "RESO-USER 1920 1200\r",
            {"outputSetUserResolution(1920,1200)"});
        row("RESO-USER words", Halden, Single, "RESO-USER wide\r",
            {"outputSetUserResolution(0,0)"});

        row("OUT TSP-COLOR does nothing", Halden, Single, "OUT TSP-COLOR 3\r", {});
        row("RESET does nothing", Halden, Single, "RESET\r", {});
    }
    void rows()
    {
        QFETCH(int, model);
        QFETCH(quint32, layout);
        QFETCH(QByteArray, line);
        QFETCH(QStringList, calls);
        QFETCH(QString, changes);

        SetUpDevice(model, layout);
        const auto expectedState = WithChanges(DeviceStateMap(), changes);
        RecordingSinks pages;
        LinkSettings_Forget(); // nothing outstanding: an answer counts as a read
        Reply_Dispatch(QString::fromLatin1(line), pages.sinks());
        QCOMPARE(pages.callTexts(), calls);
        QCOMPARE(DeviceStateMap(), expectedState);
    }

    // After a write of the network settings the operator hears when the device's answer
    // cannot be taken; after a read it is only logged, as every unusable reply.
    void networkAnswer_afterWriteOrRead_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QStringList>("calls");
        const QString box = QStringLiteral(
            "showMessageBox(The device's answer to the network settings could not be read. "
            "Press Read to see the settings the device now holds.)");
        const QByteArray good = "NETWORK-INFO 10.0.0.2 2000 255.0.0.0 10.0.0.1\r";
        const QString taken
            = QStringLiteral("systemSetNetworkInfo(10.0.0.2,2000,255.0.0.0,10.0.0.1)");
        QTest::newRow("usable, written")
            << good << true << QStringList {taken, Sync("Network:"), SyncOver};
        QTest::newRow("usable, read")
            << good << false << QStringList {taken, Sync("Network:"), SyncOver};
        const QByteArray unusable[] = {"NETWORK-INFO\r",
                                       "NETWORK-INFO 10.0.0.2  255.0.0.0 10.0.0.1\r",
                                       "NETWORK-INFO 10.0.0.2\x01 2000 255.0.0.0 10.0.0.1\r",
                                       "NETWORK-INFO 10.0.0.2 0 255.0.0.0 10.0.0.1\r",
                                       "NETWORK-INFO host 2000 255.0.0.0 10.0.0.1\r",
                                       "NETWORK-INFO 10.0.0.256 2000 255.0.0.0 10.0.0.1\r"};
        for (const QByteArray &line : unusable) {
            QTest::addRow("written: %s", line.constData())
                << line << true << QStringList {Sync("Network:"), SyncOver, box};
            QTest::addRow("read: %s", line.constData())
                << line << false << QStringList {Sync("Network:"), SyncOver};
        }
    }
    void networkAnswer_afterWriteOrRead()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, written);
        QFETCH(QStringList, calls);
        SetUpDevice(Halden, Single);
        RecordingSinks pages;
        LinkSettings_Forget();
        LinkSettings_Requested(LinkSettingsItem::Network, written);
        Reply_Dispatch(QString::fromLatin1(line), pages.sinks());
        QCOMPARE(pages.callTexts(), calls);
    }

    // The log line is built from the current language texts, not from fixed English.
    void syncMessageUsesLanguageTexts()
    {
        const QString sync = S_Sync, message = S_Message, label = Slabel_Resolution;
        S_Sync = QStringLiteral("同步");
        S_Message = QStringLiteral("信息%1");
        Slabel_Resolution = QStringLiteral("分辨率%2:");
        SetUpDevice(Halden, Single);
        RecordingSinks pages;
        Reply_Dispatch(QStringLiteral("OUT RESOLUTION AUTO\r"), pages.sinks());
        S_Sync = sync;
        S_Message = message;
        Slabel_Resolution = label;
        QCOMPARE(pages.callTexts(),
                 QStringList({"outputSetResolution(14)",
                              "connectionAppendStatus(同步 分辨率%2: 信息%1.)"}));
    }
};

QTEST_APPLESS_MAIN(TestReplyDispatcher)
#include "tst_reply_dispatcher.moc"
