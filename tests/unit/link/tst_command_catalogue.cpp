// Exact wire bytes and attributes of every command builder, one table per rule, every expected
// line written out in full: a word spelt wrongly in the catalogue's tables fails here instead
// of being copied into the expectation.
#include "link/cmd_compose.h"
#include "link/command_catalogue.h"
#include "link/command_words.h"
#include "link/link_context.h"
#include "state/device_state.h"

#include <QtTest>

#include <climits>
#include <functional>

using Call = std::function<void()>;
Q_DECLARE_METATYPE(Call)

namespace {

enum Pace { Reply, Pause, Nothing };

void Columns()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QByteArray>("match");
    QTest::addColumn<int>("pace");
}

// A row: what the builder call queues (wire, CR included), the reply it awaits and its pacing.
// An empty wire means nothing is queued.
void Row(const QString &name, Call call, const QByteArray &wire, const QByteArray &match,
         Pace pace = Reply)
{
    QTest::newRow(qPrintable(name))
        << call << wire << match << int(wire.isEmpty() ? Nothing : pace);
}

void None(const QString &name, Call call)
{
    Row(name, std::move(call), QByteArray(), QByteArray());
}

void Layout(quint32 mode)
{
    DeviceState::multiviewMode = mode;
}

void Model(quint8 model)
{
    DeviceState::modelIndex = model;
}

const char *const Models[] = {"Halden", "Corvo", "Marlet", "Tessin", "Brimo"};

// A SET whose value is the word at `index` of a fixed table.
void Word(const char *builder, void (*set)(int), int index, const char *wire, const char *match,
          Pace pace = Reply)
{
    Row(
        QStringLiteral("%1(%2)").arg(QLatin1String(builder)).arg(index),
        [set, index] { set(index); }, wire, match, pace);
}

void WindowIn(quint8 model, unsigned window, unsigned source, const char *wire, const char *match)
{
    Row(
        QStringLiteral("CmdSetWindowIn %1 w%2 s%3")
            .arg(QLatin1String(Models[model]))
            .arg(window)
            .arg(source),
        [=] {
            Model(model);
            CmdSetWindowIn(window, source);
        },
        wire, match);
}

void AudioSource(quint8 model, unsigned source, const char *wire, const char *match)
{
    Row(
        QStringLiteral("CmdSetAudioSource %1 %2").arg(QLatin1String(Models[model])).arg(source),
        [=] {
            Model(model);
            CmdSetAudioSource(source);
        },
        wire, match);
}

// A call made while the device is in a layout.
void InLayout(const QString &name, quint32 mode, Call call, const QByteArray &wire,
              const QByteArray &match)
{
    Row(
        QStringLiteral("%1 in layout %2").arg(name).arg(mode),
        [mode, call] {
            Layout(mode);
            call();
        },
        wire, match);
}

QByteArray Edid()
{
    QByteArray bytes(EdidSize, '\0');
    for (int i = 0; i < EdidSize; ++i)
        bytes[i] = static_cast<char>(i == 0 ? 0x00 : i == 1 ? 0xFF : (i * 37) & 0xFF);
    return bytes;
}

QSet<QString> &SeenWords()
{
    static QSet<QString> seen;
    return seen;
}

// Runs the row's call on an empty serial queue and compares what was queued.
void Check()
{
    QFETCH(Call, call);
    QFETCH(QByteArray, wire);
    QFETCH(QByteArray, match);
    QFETCH(int, pace);
    call();
    LinkContext &c = SerialLinkContext;
    std::lock_guard<std::mutex> locker(c.sendLock);
    if (pace == Nothing) {
        QCOMPARE(c.sendQueue.count, 0);
        return;
    }
    QCOMPARE(c.sendQueue.count, 1);
    const CommandNode *node = c.sendQueue.front();
    QCOMPARE(QByteArray(node->data, node->length), wire);
    // The terminal completes every command the catalogue sends (a mic index past the two
    // microphones is no command word).
    if (!QByteArray(QTest::currentDataTag()).contains("INT_MAX")) {
        QString word;
        for (const QString &w : Catalogue_CommandWords()) {
            const QByteArray bytes = w.toLatin1();
            if ((wire.startsWith(bytes + ' ') || wire == bytes + '\r') && w.size() > word.size())
                word = w;
        }
        QVERIFY2(!word.isEmpty(), wire.constData());
        SeenWords().insert(word);
    }
    const CommandAttributes &a = *node->attributes;
    QCOMPARE(a.matchCount, 1u);
    QCOMPARE(a.matchLen[0], quint32(match.size()));
    QCOMPARE(QByteArray(a.matchText[0], match.size()), match);
    QCOMPARE(a.matchText[0][match.size()], '\0');
    QCOMPARE(a.matchLen[1], 0u);
    QCOMPARE(a.matchAny, quint8(0));
    QCOMPARE(a.reportTimeout, quint8(1));
    QCOMPARE(a.matchTimeoutMs, 1000);
    QCOMPARE(a.expectReply, quint8(pace == Reply ? 1 : 0));
    QCOMPARE(a.waitMs, pace == Reply ? 0 : 10000);
}

} // namespace

class TestCommandCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        DeviceState::ResetForTesting();
        Queue_Release(SerialLinkContext);
        Queue_Reset(SerialLinkContext);
        LinkMode = LinkModeSerial;
    }
    void cleanup() { LinkMode = LinkModeNone; }

    // Commands without an argument or a condition.
    void fixedCommands_data();
    void fixedCommands() { Check(); }
    // SET with a word of a fixed table: every index, and the first index past the table.
    void wordChoices_data();
    void wordChoices() { Check(); }
    // Numbers, texts and bytes in the value, and their limits.
    void values_data();
    void values() { Check(); }
    // Commands that exist only in some layouts, or whose item names the layout.
    void layoutConditions_data();
    void layoutConditions() { Check(); }
    // Commands whose words or limits depend on the model.
    void modelConditions_data();
    void modelConditions() { Check(); }

    void networkInfo_longTexts_boundedAndDroppedPastLimit_data()
    {
        QTest::addColumn<int>("each"); // length of each of the four texts
        QTest::addColumn<bool>("queued");
        // "SET NETWORK-INFO " is 17 bytes, plus three separating spaces: 20 + 4 * each.
        QTest::newRow("command of 1024") << 251 << true;
        QTest::newRow("command of 1028") << 252 << false;
        QTest::newRow("four texts of 100000") << 100000 << false;
    }
    void networkInfo_longTexts_boundedAndDroppedPastLimit()
    {
        QFETCH(int, each);
        QFETCH(bool, queued);
        const QString text(each, QLatin1Char('9'));
        CmdSetNetworkInfo(text, text, text, text);
        std::lock_guard<std::mutex> locker(SerialLinkContext.sendLock);
        QCOMPARE(SerialLinkContext.sendQueue.count, queued ? 1 : 0);
        if (queued)
            QCOMPARE(SerialLinkContext.sendQueue.front()->length, 1025);
    }

    void linkMode_tcpContextGetsTheCommand()
    {
        LinkMode = LinkModeTcp;
        Queue_Reset(TcpLinkContext);
        CmdGetModelType();
        QCOMPARE(SerialLinkContext.sendQueue.count, 0);
        std::lock_guard<std::mutex> locker(TcpLinkContext.sendLock);
        QCOMPARE(TcpLinkContext.sendQueue.count, 1);
        Queue_PopFront(&TcpLinkContext.sendQueue);
    }

    void linkMode0_nothingQueued()
    {
        LinkMode = LinkModeNone;
        CmdGetModelType();
        CmdSetReset();
        QCOMPARE(SerialLinkContext.sendQueue.count, 0);
        QCOMPARE(TcpLinkContext.sendQueue.count, 0);
    }

    void cmdText_boundedWhateverIsAdded()
    {
        CmdText text;
        for (int i = 0; i < 5000; ++i)
            text.add("WORD").space().addNumber(i).addHex(0xAB);
        QCOMPARE(text.length(), CmdText::Capacity);
        CmdText numbers;
        numbers.addNumber(std::numeric_limits<qint64>::min())
            .space()
            .addNumber(std::numeric_limits<qint64>::max());
        QCOMPARE(QByteArray(numbers.data(), numbers.length()),
                 QByteArray("-9223372036854775808 9223372036854775807"));
    }

    // Runs after the tables: each word the terminal offers was sent by some builder above.
    void commandWords_eachSentByTheCatalogue()
    {
        QStringList unseen;
        for (const QString &w : Catalogue_CommandWords()) {
            if (!SeenWords().contains(w))
                unseen << w;
        }
        QCOMPARE(unseen.join(","), QString());
        QCOMPARE(Catalogue_CommandWords().size(), 83);
        QCOMPARE(Catalogue_Complete(QStringLiteral("get out h")), QStringList {"GET OUT HDCP"});
    }
};

void TestCommandCatalogue::fixedCommands_data()
{
    Columns();
    Row("CmdGetOutResolution", CmdGetOutResolution, "GET OUT RESOLUTION\r", "OUT RESOLUTION");
    Row("CmdGetResoUser", CmdGetResoUser, "GET RESO-USER\r", "RESO-USER");
    Row("CmdGetOutHdcp", CmdGetOutHdcp, "GET OUT HDCP\r", "OUT HDCP");
    Row("CmdGetOutVka", CmdGetOutVka, "GET OUT VKA\r", "OUT VKA");
    Row("CmdGetOutItc", CmdGetOutItc, "GET OUT ITC\r", "OUT ITC");
    Row("CmdGetMultiview", CmdGetMultiview, "GET MULTIVIEW\r", "MULTIVIEW");
    Row("CmdGetMultiviewSync", CmdGetMultiviewSync, "GET MULTIVIEW-SYNC\r", "MULTIVIEW-SYNC");
    Row("CmdGetAudioSource", CmdGetAudioSource, "GET AUDIO SOURCE\r", "AUDIO SOURCE");
    Row("CmdSetAudioVolUp", CmdSetAudioVolUp, "SET AUDIO VOL+\r", "AUDIO VOL");
    Row("CmdSetAudioVolDown", CmdSetAudioVolDown, "SET AUDIO VOL-\r", "AUDIO VOL");
    Row("CmdGetAudioVol", CmdGetAudioVol, "GET AUDIO VOL\r", "AUDIO VOL");
    Row("CmdGetAudioMute", CmdGetAudioMute, "GET AUDIO-MUTE\r", "AUDIO-MUTE");
    Row("CmdGetMainAudioOnoff", CmdGetMainAudioOnoff, "GET MAIN-AUDIO ONOFF\r", "MAIN-AUDIO ONOFF");
    Row("CmdGetModelType", CmdGetModelType, "GET MODEL TYPE\r", "MODEL TYPE");
    Row("CmdGetInEdidMode", CmdGetInEdidMode, "GET IN EDIDMODE\r", "IN EDIDMODE");
    // The device restarts; nothing it says in the next seconds is a reply.
    Row("CmdSetReset", CmdSetReset, "SET RESET\r", "RESET", Pause);
    Row("CmdGetNetworkInfo", CmdGetNetworkInfo, "GET NETWORK-INFO\r", "NETWORK-INFO");
    Row("CmdGetBaudrate", CmdGetBaudrate, "GET BAUDRATE\r", "BAUDRATE");
    Row(
        "CmdGetVersion(0)", [] { CmdGetVersion(0); }, "GET VERSION\r", "VERSION");
    Row(
        "CmdGetVersion(1)", [] { CmdGetVersion(1); }, "GET SUB-VERSION\r", "SUB-VERSION");
    Row(
        "CmdGetVersion(2)", [] { CmdGetVersion(2); }, "GET EXPAND-VERSION\r", "EXPAND-VERSION");
    Row(
        "CmdGetVersion(3)", [] { CmdGetVersion(3); }, "GET KEYBOARD-VERSION\r", "KEYBOARD-VERSION");
    None("CmdGetVersion(4)", [] { CmdGetVersion(4); });
    None("CmdGetVersion(-1)", [] { CmdGetVersion(-1); });
    Row(
        "CmdGetMicOnoff(0)", [] { CmdGetMicOnoff(0); }, "GET MIC1 ONOFF\r", "MIC1 ONOFF");
    Row(
        "CmdGetMicOnoff(1)", [] { CmdGetMicOnoff(1); }, "GET MIC2 ONOFF\r", "MIC2 ONOFF");
    Row(
        "CmdGetMicVol(0)", [] { CmdGetMicVol(0); }, "GET MIC1 VOL\r", "MIC1 VOL");
    Row(
        "CmdGetMicVol(1)", [] { CmdGetMicVol(1); }, "GET MIC2 VOL\r", "MIC2 VOL");
    Row(
        "CmdSetMicVolUp(0)", [] { CmdSetMicVolUp(0); }, "SET MIC1 VOL+\r", "MIC1 VOL");
    Row(
        "CmdSetMicVolDown(1)", [] { CmdSetMicVolDown(1); }, "SET MIC2 VOL-\r", "MIC2 VOL");
    Row(
        "CmdSetMicVolDown(0)", [] { CmdSetMicVolDown(0); }, "SET MIC1 VOL-\r", "MIC1 VOL");
    Row(
        "CmdSetMicVolUp(1)", [] { CmdSetMicVolUp(1); }, "SET MIC2 VOL+\r", "MIC2 VOL");
}

void TestCommandCatalogue::wordChoices_data()
{
    Columns();
    // Output resolution: every word; the link holds for 10 s after each.
    Word("CmdSetOutResolution", CmdSetOutResolution, 0, "SET OUT RESOLUTION 4096x2160p60\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 1, "SET OUT RESOLUTION 4096x2160p50\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 2, "SET OUT RESOLUTION 3840x2160p60\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 3, "SET OUT RESOLUTION 3840x2160p50\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 4, "SET OUT RESOLUTION 3840x2160p30\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 5, "SET OUT RESOLUTION 3840x2160p25\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 6, "SET OUT RESOLUTION 1920x1200p60RB\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 7, "SET OUT RESOLUTION 1920x1080p60\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 8, "SET OUT RESOLUTION 1920x1080p50\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 9, "SET OUT RESOLUTION 1360x768p60\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 10, "SET OUT RESOLUTION 1280x800p60\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 11, "SET OUT RESOLUTION 1280x720p60\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 12, "SET OUT RESOLUTION 1280x720p50\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 13, "SET OUT RESOLUTION 1024x768p60\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 14, "SET OUT RESOLUTION AUTO\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 15, "SET OUT RESOLUTION USER\r",
         "OUT RESOLUTION", Pause);
    Word("CmdSetOutResolution", CmdSetOutResolution, 16, "", "");
    Word("CmdSetOutResolution", CmdSetOutResolution, -1, "", "");
    Word("CmdSetOutHdcp", CmdSetOutHdcp, 0, "SET OUT HDCP FORCE-1.4\r", "OUT HDCP");
    Word("CmdSetOutHdcp", CmdSetOutHdcp, 1, "SET OUT HDCP FORCE-2.2\r", "OUT HDCP");
    Word("CmdSetOutHdcp", CmdSetOutHdcp, 2, "SET OUT HDCP FORCE-OFF\r", "OUT HDCP");
    Word("CmdSetOutHdcp", CmdSetOutHdcp, 3, "", "");
    Word("CmdSetOutHdcp", CmdSetOutHdcp, -1, "", "");
    Word("CmdSetOutVka", CmdSetOutVka, 0, "SET OUT VKA BLUESCREEN\r", "OUT VKA");
    Word("CmdSetOutVka", CmdSetOutVka, 1, "SET OUT VKA BLACKSCREEN\r", "OUT VKA");
    Word("CmdSetOutVka", CmdSetOutVka, 2, "", "");
    Word("CmdSetOutVka", CmdSetOutVka, -1, "", "");
    Word("CmdSetOutItc", CmdSetOutItc, 0, "SET OUT ITC ON\r", "OUT ITC");
    Word("CmdSetOutItc", CmdSetOutItc, 1, "SET OUT ITC OFF\r", "OUT ITC");
    Word("CmdSetOutItc", CmdSetOutItc, 2, "", "");
    Word("CmdSetOutItc", CmdSetOutItc, -1, "", "");
    Word("CmdSetOut4kAuto", CmdSetOut4kAuto, 0, "SET OUT 4K-AUTO ON\r", "OUT 4K-AUTO");
    Word("CmdSetOut4kAuto", CmdSetOut4kAuto, 1, "SET OUT 4K-AUTO OFF\r", "OUT 4K-AUTO");
    Word("CmdSetOut4kAuto", CmdSetOut4kAuto, 2, "", "");
    Word("CmdSetOut4kAuto", CmdSetOut4kAuto, -1, "", "");
    Word("CmdSetAudioMute", CmdSetAudioMute, 0, "SET AUDIO-MUTE ON\r", "AUDIO-MUTE");
    Word("CmdSetAudioMute", CmdSetAudioMute, 1, "SET AUDIO-MUTE OFF\r", "AUDIO-MUTE");
    Word("CmdSetAudioMute", CmdSetAudioMute, 2, "", "");
    Word("CmdSetAudioMute", CmdSetAudioMute, -1, "", "");
    Word("CmdSetMainAudioOnoff", CmdSetMainAudioOnoff, 0, "SET MAIN-AUDIO ONOFF ON\r",
         "MAIN-AUDIO ONOFF");
    Word("CmdSetMainAudioOnoff", CmdSetMainAudioOnoff, 1, "SET MAIN-AUDIO ONOFF OFF\r",
         "MAIN-AUDIO ONOFF");
    Word("CmdSetMainAudioOnoff", CmdSetMainAudioOnoff, 2, "", "");
    Word("CmdSetMainAudioOnoff", CmdSetMainAudioOnoff, -1, "", "");
    Word("CmdSetMultiview", CmdSetMultiview, 0, "SET MULTIVIEW SINGLE\r", "MULTIVIEW");
    Word("CmdSetMultiview", CmdSetMultiview, 1, "SET MULTIVIEW PIP\r", "MULTIVIEW");
    Word("CmdSetMultiview", CmdSetMultiview, 2, "SET MULTIVIEW PBP\r", "MULTIVIEW");
    Word("CmdSetMultiview", CmdSetMultiview, 3, "SET MULTIVIEW 3xWIN\r", "MULTIVIEW");
    Word("CmdSetMultiview", CmdSetMultiview, 4, "SET MULTIVIEW 4xWIN\r", "MULTIVIEW");
    Word("CmdSetMultiview", CmdSetMultiview, 5, "", "");
    Word("CmdSetMultiview", CmdSetMultiview, -1, "", "");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 0, "SET IN EDIDMODE 4K60-2.0\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 1, "SET IN EDIDMODE 4K60-5.1\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 2, "SET IN EDIDMODE 4K60-7.1\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 3, "SET IN EDIDMODE 4K30-2.0\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 4, "SET IN EDIDMODE 4K30-5.1\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 5, "SET IN EDIDMODE 4K30-7.1\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 6, "SET IN EDIDMODE 1080p60-2.0\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 7, "SET IN EDIDMODE 1080p60-5.1\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 8, "SET IN EDIDMODE 1080p60-7.1\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 9, "SET IN EDIDMODE 1920x1200\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 10, "SET IN EDIDMODE 1680x1050\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 11, "SET IN EDIDMODE 1600x1200\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 12, "SET IN EDIDMODE 1440x900\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 13, "SET IN EDIDMODE 1360x768\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 14, "SET IN EDIDMODE 1280x1024\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 15, "SET IN EDIDMODE 1024x768\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 16, "SET IN EDIDMODE 720p\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 17, "SET IN EDIDMODE AUTO\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 18, "SET IN EDIDMODE USER\r", "IN EDIDMODE");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, 19, "", "");
    Word("CmdSetInEdidMode", CmdSetInEdidMode, -1, "", "");
    Row(
        "CmdSetMicOnoff(0, 1)", [] { CmdSetMicOnoff(0, 1); }, "SET MIC1 ONOFF OFF\r", "MIC1 ONOFF");
    Row(
        "CmdSetMicOnoff(1, 0)", [] { CmdSetMicOnoff(1, 0); }, "SET MIC2 ONOFF ON\r", "MIC2 ONOFF");
    None("CmdSetMicOnoff(0, 2)", [] { CmdSetMicOnoff(0, 2); });
}

void TestCommandCatalogue::values_data()
{
    Columns();
    // The user resolution re-times the output: the link holds for 10 s as after a resolution.
    Row(
        "CmdSetResoUser", [] { CmdSetResoUser(1920, 1080); }, "SET RESO-USER 1920 1080\r",
        "RESO-USER", Pause);
    Row(
        "CmdSetResoUser extremes", [] { CmdSetResoUser(-1, INT_MIN); },
        "SET RESO-USER -1 -2147483648\r", "RESO-USER", Pause);
    Row(
        "CmdSetSaveScene", [] { CmdSetSaveScene(3); }, "SET SAVE SCENE 3\r", "SAVE SCENE");
    Row(
        "CmdSetLoadScene", [] { CmdSetLoadScene(20); }, "SET LOAD SCENE 20\r", "LOAD SCENE");
    Row(
        "CmdSetBaudrate", [] { CmdSetBaudrate(115200); }, "SET BAUDRATE 115200\r", "BAUDRATE");
    // Before identification the audio volume goes up to 100.
    Row(
        "CmdSetAudioVol 100 no model", [] { CmdSetAudioVol(100); }, "SET AUDIO VOL 100\r",
        "AUDIO VOL");
    None("CmdSetAudioVol 101 no model", [] { CmdSetAudioVol(101); });
    None("CmdSetAudioVol huge", [] { CmdSetAudioVol(UINT_MAX); });
    Row(
        "CmdSetMicVol(0, 50)", [] { CmdSetMicVol(0, 50); }, "SET MIC1 VOL 50\r", "MIC1 VOL");
    Row(
        "CmdSetMicVol(1, 0)", [] { CmdSetMicVol(1, 0); }, "SET MIC2 VOL 0\r", "MIC2 VOL");
    None("CmdSetMicVol(0, 51)", [] { CmdSetMicVol(0, 51); });
    Row(
        "CmdGetMicVol(INT_MAX)", [] { CmdGetMicVol(INT_MAX); }, "GET MIC2147483648 VOL\r",
        "MIC2147483648 VOL");
    Row(
        "CmdSetNetworkInfo",
        [] { CmdSetNetworkInfo("192.168.0.247", "2000", "255.255.255.0", "192.168.0.1"); },
        "SET NETWORK-INFO 192.168.0.247 2000 255.255.255.0 192.168.0.1\r", "NETWORK-INFO");
    Row(
        "CmdSetNetworkInfo UTF-8",
        [] { CmdSetNetworkInfo(QString::fromUtf8("\xc3\xa4"), "1", "", "2"); },
        "SET NETWORK-INFO \xc3\xa4 1  2\r", "NETWORK-INFO");
    Row(
        "CmdSetNetworkInfo NUL ends the text",
        [] { CmdSetNetworkInfo(QString(QChar(0)) + "1", "2", "3", "4"); }, "SET NETWORK-INFO \r",
        "NETWORK-INFO");

    // The 256 bytes as two upper-case hex digits each, 781 characters before the CR.
    QByteArray edidWire = "SET EDID-USER";
    const QByteArray edid = Edid();
    for (char b : edid)
        edidWire += ' ' + QByteArray::number(quint8(b), 16).toUpper().rightJustified(2, '0');
    QCOMPARE(edidWire.size(), 781);
    QVERIFY(edidWire.startsWith("SET EDID-USER 00 FF 4A 6F 94 B9 DE 03 28 4D "));
    QVERIFY(edidWire.endsWith(" 69 8E B3 D8 FD 22 47 6C 91 B6 DB"));
    Row(
        "CmdSetEdidUser",
        [edid] { CmdSetEdidUser(reinterpret_cast<const quint8 *>(edid.constData())); },
        edidWire + '\r', "EDID-USER");
    None("CmdSetEdidUser null", [] { CmdSetEdidUser(nullptr); });
}

void TestCommandCatalogue::layoutConditions_data()
{
    Columns();
    // PBP, 3xWIN and 4xWIN name themselves in their aspect and variant items.
    const auto setAspect16 = [] { CmdSetAspect(1); };
    const auto setAspectFull = [] { CmdSetAspect(0); };
    const auto setAspect2 = [] { CmdSetAspect(2); };
    const auto getAspect = [] { CmdGetAspect(); };
    const auto setMode3 = [] { CmdSetMode(3); };
    const auto getMode = [] { CmdGetMode(); };
    InLayout("CmdSetAspect(1)", 2, setAspect16, "SET PBP ASPECT 16:9\r", "PBP ASPECT");
    InLayout("CmdSetAspect(1)", 3, setAspect16, "SET 3xWIN ASPECT 16:9\r", "3xWIN ASPECT");
    InLayout("CmdSetAspect(1)", 4, setAspect16, "SET 4xWIN ASPECT 16:9\r", "4xWIN ASPECT");
    InLayout("CmdSetAspect(0)", 2, setAspectFull, "SET PBP ASPECT FULL\r", "PBP ASPECT");
    InLayout("CmdSetAspect(0)", 3, setAspectFull, "SET 3xWIN ASPECT FULL\r", "3xWIN ASPECT");
    InLayout("CmdSetAspect(0)", 4, setAspectFull, "SET 4xWIN ASPECT FULL\r", "4xWIN ASPECT");
    InLayout("CmdSetAspect(2)", 3, setAspect2, "", "");
    InLayout("CmdGetAspect", 2, getAspect, "GET PBP ASPECT\r", "PBP ASPECT");
    InLayout("CmdGetAspect", 3, getAspect, "GET 3xWIN ASPECT\r", "3xWIN ASPECT");
    InLayout("CmdGetAspect", 4, getAspect, "GET 4xWIN ASPECT\r", "4xWIN ASPECT");
    InLayout("CmdSetMode(3)", 2, setMode3, "SET PBP MODE 3\r", "PBP MODE");
    InLayout("CmdSetMode(3)", 3, setMode3, "SET 3xWIN MODE 3\r", "3xWIN MODE");
    InLayout("CmdSetMode(3)", 4, setMode3, "SET 4xWIN MODE 3\r", "4xWIN MODE");
    InLayout("CmdGetMode", 2, getMode, "GET PBP MODE\r", "PBP MODE");
    InLayout("CmdGetMode", 3, getMode, "GET 3xWIN MODE\r", "3xWIN MODE");
    InLayout("CmdGetMode", 4, getMode, "GET 4xWIN MODE\r", "4xWIN MODE");
    for (quint32 mode : {0u, 1u, 5u}) {
        InLayout("CmdSetAspect(1)", mode, setAspect16, "", "");
        InLayout("CmdGetAspect", mode, getAspect, "", "");
        InLayout("CmdSetMode(3)", mode, setMode3, "", "");
        InLayout("CmdGetMode", mode, getMode, "", "");
    }

    // The PIP window's corner and size, in PIP only.
    const char *const positions[]
        = {"SET PIP POS LeftTop\r",     "SET PIP POS RightTop\r", "SET PIP POS LeftBottom\r",
           "SET PIP POS RightBottom\r", "SET PIP POS USER\r",     ""};
    for (int i = 0; i < 6; ++i)
        InLayout(
            QStringLiteral("CmdSetPipPos(%1)").arg(i), 1, [i] { CmdSetPipPos(i); }, positions[i],
            "PIP POS");
    const char *const sizes[] = {"SET PIP SIZE SMALL\r", "SET PIP SIZE MIDDLE\r",
                                 "SET PIP SIZE LARGE\r", "SET PIP SIZE USER\r", ""};
    for (int i = 0; i < 5; ++i)
        InLayout(
            QStringLiteral("CmdSetPipSize(%1)").arg(i), 1, [i] { CmdSetPipSize(i); }, sizes[i],
            "PIP SIZE");
    InLayout(
        "CmdGetPipPos", 1, [] { CmdGetPipPos(); }, "GET PIP POS\r", "PIP POS");
    InLayout(
        "CmdGetPipSize", 1, [] { CmdGetPipSize(); }, "GET PIP SIZE\r", "PIP SIZE");
    InLayout(
        "CmdSetPipPos(0)", 0, [] { CmdSetPipPos(0); }, "", "");
    InLayout(
        "CmdGetPipPos", 2, [] { CmdGetPipPos(); }, "", "");
    InLayout(
        "CmdSetPipSize(0)", 4, [] { CmdSetPipSize(0); }, "", "");
    InLayout(
        "CmdGetPipSize", 0, [] { CmdGetPipSize(); }, "", "");

    // The free rectangle: PIP with a USER position or size, or PBP's third variant.
    struct UserCase
    {
        const char *name;
        quint32 layout, pos, size;
        qint32 variant;
        const char *set;
        const char *get;
        const char *match;
    };
    const UserCase userCases[] = {
        {"PIP position USER", 1, 4, 0, 0, "SET PIP USER 10 20 -30 40\r", "GET PIP USER\r",
         "PIP USER"},
        {"PIP size USER", 1, 0, 3, 0, "SET PIP USER 10 20 -30 40\r", "GET PIP USER\r", "PIP USER"},
        {"PIP both USER", 1, 4, 3, 0, "SET PIP USER 10 20 -30 40\r", "GET PIP USER\r", "PIP USER"},
        {"PIP neither USER", 1, 3, 2, 2, "", "", ""},
        {"PBP third variant", 2, 4, 3, 2, "SET PBP-PRESENTER 10 20 -30 40\r", "GET PBP-PRESENTER\r",
         "PBP-PRESENTER"},
        {"PBP second variant", 2, 0, 0, 1, "", "", ""},
        {"3xWIN third variant", 3, 0, 0, 2, "", "", ""},
        {"SINGLE", 0, 4, 3, 2, "", "", ""},
    };
    for (const UserCase &u : userCases) {
        const Call setup = [u] {
            Layout(u.layout);
            DeviceState::pipPosition = u.pos;
            DeviceState::pipSize = u.size;
            DeviceState::layoutModeIndex = u.variant;
        };
        Row(
            QStringLiteral("CmdSetUserLayout %1").arg(u.name),
            [setup] {
                setup();
                CmdSetUserLayout(10, 20, -30, 40);
            },
            u.set, u.match);
        Row(
            QStringLiteral("CmdGetUserLayout %1").arg(u.name),
            [setup] {
                setup();
                CmdGetUserLayout();
            },
            u.get, u.match);
    }

    // SINGLE only: the input resolution and automatic switching.
    InLayout(
        "CmdGetInResolution", 0, [] { CmdGetInResolution(); }, "GET IN RESOLUTION\r",
        "IN RESOLUTION");
    InLayout(
        "CmdGetInResolution", 1, [] { CmdGetInResolution(); }, "", "");
    InLayout(
        "CmdSetAutoSwitch(0)", 0, [] { CmdSetAutoSwitch(0); }, "SET AUTO SWITCH ON\r",
        "AUTO SWITCH");
    InLayout(
        "CmdSetAutoSwitch(1)", 0, [] { CmdSetAutoSwitch(1); }, "SET AUTO SWITCH OFF\r",
        "AUTO SWITCH");
    InLayout(
        "CmdSetAutoSwitch(2)", 0, [] { CmdSetAutoSwitch(2); }, "", "");
    InLayout(
        "CmdSetAutoSwitch(0)", 2, [] { CmdSetAutoSwitch(0); }, "", "");
    InLayout(
        "CmdGetAutoSwitch", 0, [] { CmdGetAutoSwitch(); }, "GET AUTO SWITCH\r", "AUTO SWITCH");
    InLayout(
        "CmdGetAutoSwitch", 3, [] { CmdGetAutoSwitch(); }, "", "");

    // The windows of the layout: 1, 2, 2, 3, 4 for SINGLE, PIP, PBP, 3xWIN, 4xWIN.
    const char *const windowQueries[]
        = {"GET WINDOW1 IN\r", "GET WINDOW2 IN\r", "GET WINDOW3 IN\r", "GET WINDOW4 IN\r"};
    const char *const windowItems[] = {"WINDOW1 IN", "WINDOW2 IN", "WINDOW3 IN", "WINDOW4 IN"};
    const unsigned windows[] = {1, 2, 2, 3, 4, 0};
    for (quint32 mode = 0; mode <= 5; ++mode) {
        for (unsigned w = 0; w <= 4; ++w) {
            const bool sent = w < windows[mode];
            InLayout(
                QStringLiteral("CmdGetWindowIn(%1)").arg(w), mode, [w] { CmdGetWindowIn(w); },
                sent ? windowQueries[w] : "", sent ? windowItems[w] : "");
        }
    }
}

void TestCommandCatalogue::modelConditions_data()
{
    Columns();
    // Every model but the Corvo has 4K AUTO; before identification it is asked for.
    Row("CmdGetOut4kAuto no model", CmdGetOut4kAuto, "GET OUT 4K-AUTO\r", "OUT 4K-AUTO");
    for (quint8 m = 0; m < 5; ++m)
        Row(
            QStringLiteral("CmdGetOut4kAuto %1").arg(QLatin1String(Models[m])),
            [m] {
                Model(m);
                CmdGetOut4kAuto();
            },
            m == 1 ? "" : "GET OUT 4K-AUTO\r", "OUT 4K-AUTO");

    // The audio volume tops out at 50 on a Tessin, 100 on the others.
    const struct
    {
        quint8 model;
        unsigned volume;
        const char *wire;
    } volumes[] = {
        {0, 100, "SET AUDIO VOL 100\r"},
        {0, 101, ""},
        {0, 60, "SET AUDIO VOL 60\r"},
        {1, 100, "SET AUDIO VOL 100\r"},
        {1, 101, ""},
        {2, 100, "SET AUDIO VOL 100\r"},
        {2, 101, ""},
        {3, 50, "SET AUDIO VOL 50\r"},
        {3, 51, ""},
        {3, 60, ""},
        {3, 0, "SET AUDIO VOL 0\r"},
        {4, 100, "SET AUDIO VOL 100\r"},
        {4, 101, ""},
    };
    for (const auto &v : volumes)
        Row(
            QStringLiteral("CmdSetAudioVol(%1) %2")
                .arg(v.volume)
                .arg(QLatin1String(Models[v.model])),
            [v] {
                Model(v.model);
                CmdSetAudioVol(v.volume);
            },
            v.wire, "AUDIO VOL");

    // Window sources: each input of each model, on window source % 4 + 1.
    WindowIn(0, 0, 0, "SET WINDOW1 IN HDMI1\r", "WINDOW1 IN");
    WindowIn(0, 1, 1, "SET WINDOW2 IN HDMI2\r", "WINDOW2 IN");
    WindowIn(0, 2, 2, "SET WINDOW3 IN HDMI3\r", "WINDOW3 IN");
    WindowIn(0, 3, 3, "SET WINDOW4 IN HDMI4\r", "WINDOW4 IN");
    WindowIn(0, 0, 4, "SET WINDOW1 IN USB-C\r", "WINDOW1 IN");
    WindowIn(0, 0, 5, "", "");
    WindowIn(1, 0, 0, "SET WINDOW1 IN HDMI1\r", "WINDOW1 IN");
    WindowIn(1, 1, 1, "SET WINDOW2 IN HDMI2\r", "WINDOW2 IN");
    WindowIn(1, 2, 2, "SET WINDOW3 IN HDMI3\r", "WINDOW3 IN");
    WindowIn(1, 3, 3, "SET WINDOW4 IN HDMI4\r", "WINDOW4 IN");
    WindowIn(1, 0, 4, "", "");
    WindowIn(2, 0, 0, "SET WINDOW1 IN HDMI1\r", "WINDOW1 IN");
    WindowIn(2, 1, 1, "SET WINDOW2 IN HDMI2\r", "WINDOW2 IN");
    WindowIn(2, 2, 2, "SET WINDOW3 IN HDMI3\r", "WINDOW3 IN");
    WindowIn(2, 3, 3, "SET WINDOW4 IN HDMI4\r", "WINDOW4 IN");
    WindowIn(2, 0, 4, "SET WINDOW1 IN HDMI5\r", "WINDOW1 IN");
    WindowIn(2, 1, 5, "SET WINDOW2 IN HDMI6\r", "WINDOW2 IN");
    WindowIn(2, 2, 6, "SET WINDOW3 IN HDMI7\r", "WINDOW3 IN");
    WindowIn(2, 3, 7, "SET WINDOW4 IN DP\r", "WINDOW4 IN");
    WindowIn(2, 0, 8, "SET WINDOW1 IN USB-C\r", "WINDOW1 IN");
    WindowIn(2, 0, 9, "", "");
    WindowIn(3, 0, 0, "SET WINDOW1 IN HDMI1\r", "WINDOW1 IN");
    WindowIn(3, 1, 1, "SET WINDOW2 IN HDMI2\r", "WINDOW2 IN");
    WindowIn(3, 2, 2, "SET WINDOW3 IN HDMI3\r", "WINDOW3 IN");
    WindowIn(3, 3, 3, "SET WINDOW4 IN HDMI4\r", "WINDOW4 IN");
    WindowIn(3, 0, 4, "SET WINDOW1 IN HDMI5\r", "WINDOW1 IN");
    WindowIn(3, 1, 5, "SET WINDOW2 IN HDMI6\r", "WINDOW2 IN");
    WindowIn(3, 2, 6, "SET WINDOW3 IN HDMI7\r", "WINDOW3 IN");
    WindowIn(3, 3, 7, "SET WINDOW4 IN DP\r", "WINDOW4 IN");
    WindowIn(3, 0, 8, "SET WINDOW1 IN USB-C\r", "WINDOW1 IN");
    WindowIn(3, 0, 9, "", "");
    WindowIn(4, 0, 0, "SET WINDOW1 IN HDMI1\r", "WINDOW1 IN");
    WindowIn(4, 1, 1, "SET WINDOW2 IN HDMI2\r", "WINDOW2 IN");
    WindowIn(4, 2, 2, "SET WINDOW3 IN HDMI3\r", "WINDOW3 IN");
    WindowIn(4, 3, 3, "SET WINDOW4 IN DP\r", "WINDOW4 IN");
    WindowIn(4, 0, 4, "SET WINDOW1 IN USB-C\r", "WINDOW1 IN");
    WindowIn(4, 0, 5, "", "");
    // Audio sources: each source of each model.
    AudioSource(0, 0, "SET AUDIO SOURCE WIN1\r", "AUDIO SOURCE");
    AudioSource(0, 1, "SET AUDIO SOURCE HDMI1\r", "AUDIO SOURCE");
    AudioSource(0, 2, "SET AUDIO SOURCE HDMI2\r", "AUDIO SOURCE");
    AudioSource(0, 3, "SET AUDIO SOURCE HDMI3\r", "AUDIO SOURCE");
    AudioSource(0, 4, "SET AUDIO SOURCE HDMI4\r", "AUDIO SOURCE");
    AudioSource(0, 5, "SET AUDIO SOURCE USB-C\r", "AUDIO SOURCE");
    AudioSource(0, 6, "", "");
    AudioSource(1, 0, "SET AUDIO SOURCE WIN1\r", "AUDIO SOURCE");
    AudioSource(1, 1, "SET AUDIO SOURCE HDMI1\r", "AUDIO SOURCE");
    AudioSource(1, 2, "SET AUDIO SOURCE HDMI2\r", "AUDIO SOURCE");
    AudioSource(1, 3, "SET AUDIO SOURCE HDMI3\r", "AUDIO SOURCE");
    AudioSource(1, 4, "SET AUDIO SOURCE HDMI4\r", "AUDIO SOURCE");
    AudioSource(1, 5, "", "");
    AudioSource(2, 0, "SET AUDIO SOURCE WIN1\r", "AUDIO SOURCE");
    AudioSource(2, 1, "SET AUDIO SOURCE HDMI1\r", "AUDIO SOURCE");
    AudioSource(2, 2, "SET AUDIO SOURCE HDMI2\r", "AUDIO SOURCE");
    AudioSource(2, 3, "SET AUDIO SOURCE HDMI3\r", "AUDIO SOURCE");
    AudioSource(2, 4, "SET AUDIO SOURCE HDMI4\r", "AUDIO SOURCE");
    AudioSource(2, 5, "SET AUDIO SOURCE HDMI5\r", "AUDIO SOURCE");
    AudioSource(2, 6, "SET AUDIO SOURCE HDMI6\r", "AUDIO SOURCE");
    AudioSource(2, 7, "SET AUDIO SOURCE HDMI7\r", "AUDIO SOURCE");
    AudioSource(2, 8, "SET AUDIO SOURCE DP\r", "AUDIO SOURCE");
    AudioSource(2, 9, "SET AUDIO SOURCE USB-C\r", "AUDIO SOURCE");
    AudioSource(2, 10, "SET AUDIO SOURCE WIN-KVM\r", "AUDIO SOURCE");
    AudioSource(2, 11, "", "");
    AudioSource(3, 0, "SET AUDIO SOURCE WIN1\r", "AUDIO SOURCE");
    AudioSource(3, 1, "SET AUDIO SOURCE HDMI1\r", "AUDIO SOURCE");
    AudioSource(3, 2, "SET AUDIO SOURCE HDMI2\r", "AUDIO SOURCE");
    AudioSource(3, 3, "SET AUDIO SOURCE HDMI3\r", "AUDIO SOURCE");
    AudioSource(3, 4, "SET AUDIO SOURCE HDMI4\r", "AUDIO SOURCE");
    AudioSource(3, 5, "SET AUDIO SOURCE HDMI5\r", "AUDIO SOURCE");
    AudioSource(3, 6, "SET AUDIO SOURCE HDMI6\r", "AUDIO SOURCE");
    AudioSource(3, 7, "SET AUDIO SOURCE HDMI7\r", "AUDIO SOURCE");
    AudioSource(3, 8, "SET AUDIO SOURCE DP\r", "AUDIO SOURCE");
    AudioSource(3, 9, "SET AUDIO SOURCE USB-C\r", "AUDIO SOURCE");
    AudioSource(3, 10, "SET AUDIO SOURCE LR1\r", "AUDIO SOURCE");
    AudioSource(3, 11, "SET AUDIO SOURCE LR2\r", "AUDIO SOURCE");
    AudioSource(3, 12, "SET AUDIO SOURCE LR3\r", "AUDIO SOURCE");
    AudioSource(3, 13, "SET AUDIO SOURCE LR4\r", "AUDIO SOURCE");
    AudioSource(3, 14, "", "");
    AudioSource(4, 0, "SET AUDIO SOURCE WIN1\r", "AUDIO SOURCE");
    AudioSource(4, 1, "SET AUDIO SOURCE HDMI1\r", "AUDIO SOURCE");
    AudioSource(4, 2, "SET AUDIO SOURCE HDMI2\r", "AUDIO SOURCE");
    AudioSource(4, 3, "SET AUDIO SOURCE HDMI3\r", "AUDIO SOURCE");
    AudioSource(4, 4, "SET AUDIO SOURCE DP\r", "AUDIO SOURCE");
    AudioSource(4, 5, "SET AUDIO SOURCE USB-C\r", "AUDIO SOURCE");
    AudioSource(4, 6, "", "");
    WindowIn(2, 1, 8, "SET WINDOW2 IN USB-C\r", "WINDOW2 IN");
    WindowIn(1, 1, 8, "", "");
    WindowIn(0, 4, 0, "", "");
    WindowIn(0, UINT_MAX, 0, "", "");
    None("CmdSetWindowIn no model", [] { CmdSetWindowIn(0, 0); });
    None("CmdSetAudioSource no model", [] { CmdSetAudioSource(0); });
}

QTEST_GUILESS_MAIN(TestCommandCatalogue)
#include "tst_command_catalogue.moc"
