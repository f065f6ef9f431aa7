// Exact wire bytes and attributes of every command builder, under every condition that decides
// its words or whether anything is sent at all.
#include "link/cmd_compose.h"
#include "link/command_catalogue.h"
#include "link/link_context.h"
#include "state/device_state.h"
#include "state/vocabulary.h"

#include <QtTest>

#include <cstring>
#include <functional>

using Call = std::function<void()>;
Q_DECLARE_METATYPE(Call)

namespace {

enum Pace { Reply, Pause, Nothing };

void Row(const QString &name, Call call, const QByteArray &wire, const QByteArray &match,
         Pace pace = Reply)
{
    QTest::newRow(qPrintable(name)) << call << wire << match << int(pace);
}

void None(const QString &name, Call call)
{
    Row(name, std::move(call), QByteArray(), QByteArray(), Nothing);
}

void Layout(quint32 mode)
{
    DeviceState::multiviewMode = mode;
}

void Model(quint8 model)
{
    DeviceState::modelIndex = model;
}

template <std::size_t N>
void WordRows(const char *builder, const QByteArray &item, const char *const (&words)[N],
              void (*set)(int), Pace pace = Reply)
{
    for (int i = 0; i < int(N); ++i)
        Row(
            QStringLiteral("%1(%2)").arg(builder).arg(i), [set, i] { set(i); },
            "SET " + item + ' ' + words[i] + '\r', item, pace);
    None(QStringLiteral("%1(%2) beyond the table").arg(builder).arg(N), [set] { set(int(N)); });
    None(QStringLiteral("%1(-1)").arg(builder), [set] { set(-1); });
}

QByteArray Edid()
{
    QByteArray bytes(EdidSize, '\0');
    for (int i = 0; i < EdidSize; ++i)
        bytes[i] = static_cast<char>(i == 0 ? 0x00 : i == 1 ? 0xFF : (i * 37) & 0xFF);
    return bytes;
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

    void builder_wireAndAttributes_data();
    void builder_wireAndAttributes()
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
        const CommandAttributes &a = node->attributes;
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
};

void TestCommandCatalogue::builder_wireAndAttributes_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QByteArray>("match");
    QTest::addColumn<int>("pace");

    // Output
    WordRows("CmdSetOutResolution", "OUT RESOLUTION", OutResolutionWords, CmdSetOutResolution,
             Pause);
    Row("CmdGetOutResolution", CmdGetOutResolution, "GET OUT RESOLUTION\r", "OUT RESOLUTION");
    Row(
        "CmdSetResoUser", [] { CmdSetResoUser(1920, 1080); }, "SET RESO-USER 1920 1080\r",
        "RESO-USER", Pause);
    Row(
        "CmdSetResoUser extremes", [] { CmdSetResoUser(-1, INT_MIN); },
        "SET RESO-USER -1 -2147483648\r", "RESO-USER", Pause);
    Row("CmdGetResoUser", CmdGetResoUser, "GET RESO-USER\r", "RESO-USER");
    WordRows("CmdSetOutHdcp", "OUT HDCP", HdcpWords, CmdSetOutHdcp);
    Row("CmdGetOutHdcp", CmdGetOutHdcp, "GET OUT HDCP\r", "OUT HDCP");
    WordRows("CmdSetOutVka", "OUT VKA", VkaWords, CmdSetOutVka);
    Row("CmdGetOutVka", CmdGetOutVka, "GET OUT VKA\r", "OUT VKA");
    WordRows("CmdSetOutItc", "OUT ITC", OnOffWords, CmdSetOutItc);
    Row("CmdGetOutItc", CmdGetOutItc, "GET OUT ITC\r", "OUT ITC");
    WordRows("CmdSetOut4kAuto", "OUT 4K-AUTO", OnOffWords, CmdSetOut4kAuto);
    Row("CmdGetOut4kAuto no model", CmdGetOut4kAuto, "GET OUT 4K-AUTO\r", "OUT 4K-AUTO");
    for (quint8 m = 0; m < ModelCount; ++m) {
        const QString name = QStringLiteral("CmdGetOut4kAuto %1").arg(ModelNames[m]);
        const Call call = [m] {
            Model(m);
            CmdGetOut4kAuto();
        };
        if (m == 1)
            None(name, call);
        else
            Row(name, call, "GET OUT 4K-AUTO\r", "OUT 4K-AUTO");
    }

    // Multiview
    WordRows("CmdSetMultiview", "MULTIVIEW", MultiviewModeWords, CmdSetMultiview);
    Row("CmdGetMultiview", CmdGetMultiview, "GET MULTIVIEW\r", "MULTIVIEW");
    Row("CmdGetMultiviewSync", CmdGetMultiviewSync, "GET MULTIVIEW-SYNC\r", "MULTIVIEW-SYNC");
    for (quint32 mode = 0; mode <= 5; ++mode) {
        const QString layout = mode < 5 ? MultiviewModeWords[mode] : "layout 5";
        const Call setAspect = [mode] {
            Layout(mode);
            CmdSetAspect(1);
        };
        const Call getAspect = [mode] {
            Layout(mode);
            CmdGetAspect();
        };
        const Call setMode = [mode] {
            Layout(mode);
            CmdSetMode(3);
        };
        const Call getMode = [mode] {
            Layout(mode);
            CmdGetMode();
        };
        if (mode >= 2 && mode <= 4) {
            const QByteArray w = MultiviewModeWords[mode];
            Row("CmdSetAspect " + layout, setAspect, "SET " + w + " ASPECT 16:9\r", w + " ASPECT");
            Row(
                "CmdSetAspect(0) " + layout,
                [mode] {
                    Layout(mode);
                    CmdSetAspect(0);
                },
                "SET " + w + " ASPECT FULL\r", w + " ASPECT");
            None("CmdSetAspect(2) " + layout, [mode] {
                Layout(mode);
                CmdSetAspect(2);
            });
            Row("CmdGetAspect " + layout, getAspect, "GET " + w + " ASPECT\r", w + " ASPECT");
            Row("CmdSetMode " + layout, setMode, "SET " + w + " MODE 3\r", w + " MODE");
            Row("CmdGetMode " + layout, getMode, "GET " + w + " MODE\r", w + " MODE");
        } else {
            None("CmdSetAspect " + layout, setAspect);
            None("CmdGetAspect " + layout, getAspect);
            None("CmdSetMode " + layout, setMode);
            None("CmdGetMode " + layout, getMode);
        }
    }
    for (int i = 0; i < 5; ++i)
        Row(
            QStringLiteral("CmdSetPipPos(%1)").arg(i),
            [i] {
                Layout(1);
                CmdSetPipPos(i);
            },
            QByteArray("SET PIP POS ") + PipPositionWords[i] + '\r', "PIP POS");
    None("CmdSetPipPos(5)", [] {
        Layout(1);
        CmdSetPipPos(5);
    });
    None("CmdSetPipPos SINGLE", [] {
        Layout(0);
        CmdSetPipPos(0);
    });
    Row(
        "CmdGetPipPos",
        [] {
            Layout(1);
            CmdGetPipPos();
        },
        "GET PIP POS\r", "PIP POS");
    None("CmdGetPipPos PBP", [] {
        Layout(2);
        CmdGetPipPos();
    });
    for (int i = 0; i < 4; ++i)
        Row(
            QStringLiteral("CmdSetPipSize(%1)").arg(i),
            [i] {
                Layout(1);
                CmdSetPipSize(i);
            },
            QByteArray("SET PIP SIZE ") + PipSizeWords[i] + '\r', "PIP SIZE");
    None("CmdSetPipSize(4)", [] {
        Layout(1);
        CmdSetPipSize(4);
    });
    None("CmdSetPipSize 4xWIN", [] {
        Layout(4);
        CmdSetPipSize(0);
    });
    Row(
        "CmdGetPipSize",
        [] {
            Layout(1);
            CmdGetPipSize();
        },
        "GET PIP SIZE\r", "PIP SIZE");
    None("CmdGetPipSize SINGLE", [] {
        Layout(0);
        CmdGetPipSize();
    });

    struct UserCase
    {
        const char *name;
        quint32 layout, pos, size;
        qint32 variant;
        const char *item;
    };
    const UserCase userCases[] = {
        {"PIP position USER", 1, 4, 0, 0, "PIP USER"},
        {"PIP size USER", 1, 0, 3, 0, "PIP USER"},
        {"PIP both USER", 1, 4, 3, 0, "PIP USER"},
        {"PIP neither USER", 1, 3, 2, 2, nullptr},
        {"PBP third variant", 2, 4, 3, 2, "PBP-PRESENTER"},
        {"PBP second variant", 2, 0, 0, 1, nullptr},
        {"3xWIN third variant", 3, 0, 0, 2, nullptr},
        {"SINGLE", 0, 4, 3, 2, nullptr},
    };
    for (const UserCase &u : userCases) {
        const Call setup = [u] {
            Layout(u.layout);
            DeviceState::pipPosition = u.pos;
            DeviceState::pipSize = u.size;
            DeviceState::layoutModeIndex = u.variant;
        };
        const Call set = [setup] {
            setup();
            CmdSetUserLayout(10, 20, -30, 40);
        };
        const Call get = [setup] {
            setup();
            CmdGetUserLayout();
        };
        if (u.item) {
            const QByteArray item = u.item;
            Row(QStringLiteral("CmdSetUserLayout %1").arg(u.name), set,
                "SET " + item + " 10 20 -30 40\r", item);
            Row(QStringLiteral("CmdGetUserLayout %1").arg(u.name), get, "GET " + item + '\r', item);
        } else {
            None(QStringLiteral("CmdSetUserLayout %1").arg(u.name), set);
            None(QStringLiteral("CmdGetUserLayout %1").arg(u.name), get);
        }
    }
    Row(
        "CmdSetSaveScene", [] { CmdSetSaveScene(3); }, "SET SAVE SCENE 3\r", "SAVE SCENE");
    Row(
        "CmdSetLoadScene", [] { CmdSetLoadScene(0); }, "SET LOAD SCENE 0\r", "LOAD SCENE");
    Row(
        "CmdGetInResolution SINGLE",
        [] {
            Layout(0);
            CmdGetInResolution();
        },
        "GET IN RESOLUTION\r", "IN RESOLUTION");
    None("CmdGetInResolution PIP", [] {
        Layout(1);
        CmdGetInResolution();
    });
    Row(
        "CmdSetAutoSwitch(0)",
        [] {
            Layout(0);
            CmdSetAutoSwitch(0);
        },
        "SET AUTO SWITCH ON\r", "AUTO SWITCH");
    Row(
        "CmdSetAutoSwitch(1)",
        [] {
            Layout(0);
            CmdSetAutoSwitch(1);
        },
        "SET AUTO SWITCH OFF\r", "AUTO SWITCH");
    None("CmdSetAutoSwitch(2)", [] {
        Layout(0);
        CmdSetAutoSwitch(2);
    });
    None("CmdSetAutoSwitch PBP", [] {
        Layout(2);
        CmdSetAutoSwitch(0);
    });
    Row(
        "CmdGetAutoSwitch SINGLE",
        [] {
            Layout(0);
            CmdGetAutoSwitch();
        },
        "GET AUTO SWITCH\r", "AUTO SWITCH");
    None("CmdGetAutoSwitch 3xWIN", [] {
        Layout(3);
        CmdGetAutoSwitch();
    });

    for (quint8 m = 0; m < ModelCount; ++m) {
        const WordList inputs = WindowInputWords[m];
        for (unsigned w = 0; w < 4; ++w) {
            for (int s = 0; s < inputs.count; ++s)
                Row(
                    QStringLiteral("CmdSetWindowIn %1 w%2 s%3").arg(ModelNames[m]).arg(w).arg(s),
                    [m, w, s] {
                        Model(m);
                        CmdSetWindowIn(w, unsigned(s));
                    },
                    QByteArray("SET ") + WindowWords[w] + " IN " + inputs.words[s] + '\r',
                    QByteArray(WindowWords[w]) + " IN");
            None(QStringLiteral("CmdSetWindowIn %1 w%2 beyond the list").arg(ModelNames[m]).arg(w),
                 [m, w, n = inputs.count] {
                     Model(m);
                     CmdSetWindowIn(w, unsigned(n));
                 });
        }
        None(QStringLiteral("CmdSetWindowIn %1 window 4").arg(ModelNames[m]), [m] {
            Model(m);
            CmdSetWindowIn(4, 0);
        });
    }
    Row(
        "CmdSetWindowIn Marlet WINDOW2 USB-C",
        [] {
            Model(2);
            CmdSetWindowIn(1, 8);
        },
        "SET WINDOW2 IN USB-C\r", "WINDOW2 IN");
    None("CmdSetWindowIn Corvo source 8", [] {
        Model(1);
        CmdSetWindowIn(1, 8);
    });
    None("CmdSetWindowIn no model", [] { CmdSetWindowIn(0, 0); });
    None("CmdSetWindowIn huge window", [] {
        Model(0);
        CmdSetWindowIn(UINT_MAX, 0);
    });
    for (quint32 mode = 0; mode <= 5; ++mode) {
        for (unsigned w = 0; w <= 4; ++w) {
            const QString name = QStringLiteral("CmdGetWindowIn layout %1 w%2").arg(mode).arg(w);
            const Call call = [mode, w] {
                Layout(mode);
                CmdGetWindowIn(w);
            };
            if (mode <= 4 && w < unsigned(WindowsPerMode[mode]))
                Row(name, call, QByteArray("GET ") + WindowWords[w] + " IN\r",
                    QByteArray(WindowWords[w]) + " IN");
            else
                None(name, call);
        }
    }

    // Audio
    for (quint8 m = 0; m < ModelCount; ++m) {
        const WordList sources = AudioSourceWords[m];
        for (int s = 0; s < sources.count; ++s)
            Row(
                QStringLiteral("CmdSetAudioSource %1 %2").arg(ModelNames[m]).arg(s),
                [m, s] {
                    Model(m);
                    CmdSetAudioSource(unsigned(s));
                },
                QByteArray("SET AUDIO SOURCE ") + sources.words[s] + '\r', "AUDIO SOURCE");
        None(QStringLiteral("CmdSetAudioSource %1 beyond the list").arg(ModelNames[m]),
             [m, n = sources.count] {
                 Model(m);
                 CmdSetAudioSource(unsigned(n));
             });
        const int max = VolumeMaximum[m];
        Row(
            QStringLiteral("CmdSetAudioVol %1 at maximum").arg(ModelNames[m]),
            [m, max] {
                Model(m);
                CmdSetAudioVol(unsigned(max));
            },
            "SET AUDIO VOL " + QByteArray::number(max) + '\r', "AUDIO VOL");
        None(QStringLiteral("CmdSetAudioVol %1 above maximum").arg(ModelNames[m]), [m, max] {
            Model(m);
            CmdSetAudioVol(unsigned(max) + 1);
        });
    }
    None("CmdSetAudioSource no model", [] { CmdSetAudioSource(0); });
    Row(
        "CmdSetAudioVol 60 Halden",
        [] {
            Model(0);
            CmdSetAudioVol(60);
        },
        "SET AUDIO VOL 60\r", "AUDIO VOL");
    None("CmdSetAudioVol 60 Tessin", [] {
        Model(3);
        CmdSetAudioVol(60);
    });
    Row(
        "CmdSetAudioVol 0 Tessin",
        [] {
            Model(3);
            CmdSetAudioVol(0);
        },
        "SET AUDIO VOL 0\r", "AUDIO VOL");
    Row(
        "CmdSetAudioVol 100 no model", [] { CmdSetAudioVol(100); }, "SET AUDIO VOL 100\r",
        "AUDIO VOL");
    None("CmdSetAudioVol 101 no model", [] { CmdSetAudioVol(101); });
    None("CmdSetAudioVol huge", [] { CmdSetAudioVol(UINT_MAX); });
    Row("CmdGetAudioSource", CmdGetAudioSource, "GET AUDIO SOURCE\r", "AUDIO SOURCE");
    Row("CmdSetAudioVolUp", CmdSetAudioVolUp, "SET AUDIO VOL+\r", "AUDIO VOL");
    Row("CmdSetAudioVolDown", CmdSetAudioVolDown, "SET AUDIO VOL-\r", "AUDIO VOL");
    Row("CmdGetAudioVol", CmdGetAudioVol, "GET AUDIO VOL\r", "AUDIO VOL");
    WordRows("CmdSetAudioMute", "AUDIO-MUTE", OnOffWords, CmdSetAudioMute);
    Row("CmdGetAudioMute", CmdGetAudioMute, "GET AUDIO-MUTE\r", "AUDIO-MUTE");
    WordRows("CmdSetMainAudioOnoff", "MAIN-AUDIO ONOFF", OnOffWords, CmdSetMainAudioOnoff);
    Row("CmdGetMainAudioOnoff", CmdGetMainAudioOnoff, "GET MAIN-AUDIO ONOFF\r", "MAIN-AUDIO ONOFF");
    Row(
        "CmdSetMicOnoff(0, 1)", [] { CmdSetMicOnoff(0, 1); }, "SET MIC1 ONOFF OFF\r", "MIC1 ONOFF");
    Row(
        "CmdSetMicOnoff(1, 0)", [] { CmdSetMicOnoff(1, 0); }, "SET MIC2 ONOFF ON\r", "MIC2 ONOFF");
    None("CmdSetMicOnoff(0, 2)", [] { CmdSetMicOnoff(0, 2); });
    Row(
        "CmdGetMicOnoff(1)", [] { CmdGetMicOnoff(1); }, "GET MIC2 ONOFF\r", "MIC2 ONOFF");
    Row(
        "CmdSetMicVol(0, 50)", [] { CmdSetMicVol(0, 50); }, "SET MIC1 VOL 50\r", "MIC1 VOL");
    Row(
        "CmdSetMicVol(1, 0)", [] { CmdSetMicVol(1, 0); }, "SET MIC2 VOL 0\r", "MIC2 VOL");
    None("CmdSetMicVol(0, 51)", [] { CmdSetMicVol(0, 51); });
    Row(
        "CmdSetMicVolUp(0)", [] { CmdSetMicVolUp(0); }, "SET MIC1 VOL+\r", "MIC1 VOL");
    Row(
        "CmdSetMicVolDown(1)", [] { CmdSetMicVolDown(1); }, "SET MIC2 VOL-\r", "MIC2 VOL");
    Row(
        "CmdGetMicVol(0)", [] { CmdGetMicVol(0); }, "GET MIC1 VOL\r", "MIC1 VOL");
    Row(
        "CmdGetMicVol(INT_MAX)", [] { CmdGetMicVol(INT_MAX); }, "GET MIC2147483648 VOL\r",
        "MIC2147483648 VOL");

    // System
    Row("CmdGetModelType", CmdGetModelType, "GET MODEL TYPE\r", "MODEL TYPE");
    WordRows("CmdSetInEdidMode", "IN EDIDMODE", EdidModeWords, CmdSetInEdidMode);
    Row("CmdGetInEdidMode", CmdGetInEdidMode, "GET IN EDIDMODE\r", "IN EDIDMODE");
    QByteArray edidWire = "SET EDID-USER";
    const QByteArray edid = Edid();
    for (char b : edid)
        edidWire += ' ' + QByteArray::number(quint8(b), 16).toUpper().rightJustified(2, '0');
    QCOMPARE(edidWire.size(), 781);
    QVERIFY(edidWire.startsWith("SET EDID-USER 00 FF "));
    Row(
        "CmdSetEdidUser",
        [edid] { CmdSetEdidUser(reinterpret_cast<const quint8 *>(edid.constData())); },
        edidWire + '\r', "EDID-USER OK");
    None("CmdSetEdidUser null", [] { CmdSetEdidUser(nullptr); });
    Row("CmdSetReset", CmdSetReset, "SET RESET\r", "RESET", Pause);
    const char *versions[] = {"VERSION", "SUB-VERSION", "EXPAND-VERSION", "KEYBOARD-VERSION"};
    for (int k = 0; k < 4; ++k)
        Row(
            QStringLiteral("CmdGetVersion(%1)").arg(k), [k] { CmdGetVersion(k); },
            QByteArray("GET ") + versions[k] + '\r', versions[k]);
    None("CmdGetVersion(4)", [] { CmdGetVersion(4); });
    None("CmdGetVersion(-1)", [] { CmdGetVersion(-1); });
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
    Row("CmdGetNetworkInfo", CmdGetNetworkInfo, "GET NETWORK-INFO\r", "NETWORK-INFO");
    Row(
        "CmdSetBaudrate", [] { CmdSetBaudrate(115200); }, "SET BAUDRATE 115200\r", "BAUDRATE");
    Row("CmdGetBaudrate", CmdGetBaudrate, "GET BAUDRATE\r", "BAUDRATE");
}

QTEST_GUILESS_MAIN(TestCommandCatalogue)
#include "tst_command_catalogue.moc"
