// Device lines are untrusted: cut short, overlong, with NUL or non-ASCII bytes, numbers past
// 32 bits. The dispatcher stays inside the line, hands pages only indexes they can take and
// keeps DeviceState in range.
#include "support/recording_sinks.h"

#include "state/reply_dispatcher.h"

#include <QtTest>

namespace {

enum Model { Halden, Corvo, Marlet, Tessin, Brimo, None };

// Lines that exercise every kind of action.
const char *const TypicalLines[] = {"ARM VERSION V1.0\r",
                                    "AUTO SWITCH OFF\r",
                                    "IN SOURCE HDMI2\r",
                                    "IN RESOLUTION 1920x1080\r",
                                    "OUT RESOLUTION 1280x720p50\r",
                                    "OUT HDCP FORCE-1.4\r",
                                    "MULTIVIEW PIP\r",
                                    "WINDOW2 IN USB-C\r",
                                    "PIP POS RightTop\r",
                                    "PIP SIZE SMALL\r",
                                    "PBP MODE 2\r",
                                    "4xWIN ASPECT 16:9\r",
                                    "AUDIO SOURCE LR4\r",
                                    "AUDIO VOL 45\r",
                                    "AUDIO-MUTE OFF\r",
                                    "IN EDIDMODE 4K30-7.1\r",
                                    "MODEL TYPE Marlet\r",
                                    "EDID-USER OK\r",
                                    "MAXMODE 4\r",
                                    "MULTIVIEW-SYNC PIP HDMI2 DP NULL NULL LeftBottom MIDDLE\r",
                                    "MULTIVIEW-SYNC 4xWIN HDMI1 HDMI2 HDMI3 DP FULL 4 6\r",
                                    "MULTIVIEW-SYNC SINGLE USB-C NULL NULL NULL 1280x720 ON\r",
                                    "NETWORK-INFO 10.1.2.3 5000 255.255.0.0 10.1.0.1\r",
                                    "BAUDRATE 57600\r",
                                    "MIC1 ONOFF ON\r",
                                    "MIC2 VOL 20\r",
                                    "PIP USER 1 2 3 4\r",
                                    "RESO-USER 800 600\r"};

QStringList Run(std::string_view line, int model, quint32 layout, QMap<QString, QString> *state)
{
    SetUpDevice(model, layout);
    RecordingSinks pages;
    Reply_DispatchBytes(line, pages.sinks());
    *state = DeviceStateMap();
    return pages.callTexts();
}

} // namespace

class TestReplyBadInput : public QObject
{
    Q_OBJECT

private slots:
    // Every prefix of every typical line is dispatched from inside the full line, where the
    // bytes just past the prefix are real spaces and CRs, and from a copy followed by bytes
    // that end nothing. Any read past the end would make the two differ.
    void neverReadsPastTheLine()
    {
        for (int model = Halden; model <= None; ++model) {
            for (quint32 layout = 0; layout <= 4; ++layout) {
                for (const char *typical : TypicalLines) {
                    const std::string full(typical);
                    for (std::size_t n = 0; n <= full.size(); ++n) {
                        const std::string_view inside(full.data(), n);
                        const std::string copy = full.substr(0, n) + "xxxxxxxxxxxxxxxxxxxxx";
                        const std::string_view alone(copy.data(), n);
                        QMap<QString, QString> insideState, aloneState;
                        const QStringList insideCalls = Run(inside, model, layout, &insideState);
                        const QStringList aloneCalls = Run(alone, model, layout, &aloneState);
                        QCOMPARE(insideCalls, aloneCalls);
                        QCOMPARE(insideState, aloneState);
                    }
                }
            }
        }
    }

    // Bytes replaced one at a time by awkward values: every call still names something the
    // page has, and DeviceState stays in range.
    void mutatedLinesStayInRange()
    {
        const char awkward[] = {'\0', '\r', ' ', '\n', '-', '9', char(0xff), char(0x80)};
        for (int model = Halden; model <= None; ++model) {
            for (const char *typical : TypicalLines) {
                const std::string full(typical);
                for (std::size_t at = 0; at < full.size(); ++at) {
                    for (char byte : awkward) {
                        std::string line = full;
                        line[at] = byte;
                        SetUpDevice(model, 2);
                        RecordingSinks pages;
                        Reply_DispatchBytes(line, pages.sinks());
                        for (const PageCall &call : pages.calls) {
                            const char *problem = PageCallProblem(call);
                            QVERIFY2(
                                !problem,
                                qPrintable(QString::fromLatin1(problem) + ": " + call.toString()));
                        }
                        const char *problem = DeviceStateProblem();
                        QVERIFY2(!problem, problem);
                    }
                }
            }
        }
    }

    void lines_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("calls");

        const QByteArray longWord(1015, 'x');
        QTest::newRow("1024 bytes, no keyword")
            << int(Halden) << QByteArray(1023, 'A') + '\r' << QStringList();
        QTest::newRow("1024 spaces") << int(Halden) << QByteArray(1024, ' ') << QStringList();
        QTest::newRow("1024 CRs") << int(Halden) << QByteArray(1024, '\r') << QStringList();
        QTest::newRow("1024-byte version")
            << int(Halden) << "VERSION " + longWord + "\r"
            << QStringList({"systemSetVersionText(" + QString(longWord) + ")"});
        QTest::newRow("1024-byte volume")
            << int(Halden) << "AUDIO VOL " + QByteArray(1013, '9') + "\r"
            << QStringList({"audioSetVolume(0)", "connectionAppendStatus(Sync Volume: Message.)"});
        QTest::newRow("keyword after 1000 bytes")
            << int(Halden) << QByteArray(1000, '#') + "OUT VKA BLUESCREEN\r"
            << QStringList({"outputSetVka(0)", "connectionAppendStatus(Sync VKA: Message.)"});
        QTest::newRow("NUL ends no word")
            << int(Halden) << QByteArray("OUT HDCP FORCE-1.4\0\r", 20)
            << QStringList({"connectionAppendStatus(Sync HDCP: Message.)"});
        QTest::newRow("NUL splits a keyword")
            << int(Halden) << QByteArray("OUT\0HDCP FORCE-1.4\r", 19) << QStringList();
        QTest::newRow("NUL before the keyword")
            << int(Halden) << QByteArray("\0\0OUT ITC ON\r", 13)
            << QStringList({"outputSetItc(0)", "connectionAppendStatus(Sync ITC: Message.)"});
        QTest::newRow("NUL in a number")
            << int(Halden) << QByteArray("AUDIO VOL 6\0\r", 13)
            << QStringList({"audioSetVolume(0)", "connectionAppendStatus(Sync Volume: Message.)"});
        QTest::newRow("NUL in text")
            << int(Halden) << QByteArray("VERSION A\0B\r", 12)
            << QStringList({"systemSetVersionText(" + QString::fromLatin1("A\0B", 3) + ")"});
        QTest::newRow("high bytes in text")
            << int(Halden) << QByteArray("IN RESOLUTION \xe9\xff\r")
            << QStringList({"multiviewSetInputResolutionText(\u00e9\u00ff)"});
        QTest::newRow("numbers past 32 bits")
            << int(Halden) << QByteArray("PIP USER 4294967296 -1 99999999999 7\r")
            << QStringList({"multiviewSetUserRectangle(0,0,0,7)"});
        QTest::newRow("largest unsigned") << int(Halden) << QByteArray("RESO-USER 4294967295 1\r")
                                          << QStringList({"outputSetUserResolution(4294967295,1)"});
        QTest::newRow("volume wraps to 60 nowhere")
            << int(Halden) << QByteArray("MIC1 VOL 4294967356\r")
            << QStringList({"audioSetMicLevel(0,0)"});
        QTest::newRow("baud rate past 32 bits")
            << int(Halden) << QByteArray("BAUDRATE 4294967296\r")
            << QStringList({"systemSetBaudRate(0)",
                            "connectionAppendStatus(Sync Baudrate: Message.)",
                            "connectionAppendStatus(\r\n->Sync Over!<-)"});
        QTest::newRow("two lines in one: first CR ends the value")
            << int(Halden) << QByteArray("VERSION A\rVERSION B\r")
            << QStringList({"systemSetVersionText(A)"});
        QTest::newRow("CR LF leftover LF")
            << int(Halden) << QByteArray("\nAUDIO VOL 60\r")
            << QStringList({"audioSetVolume(60)", "connectionAppendStatus(Sync Volume: Message.)"});
        QTest::newRow("value without CR")
            << int(Tessin) << QByteArray("AUDIO SOURCE LR1")
            << QStringList({"connectionAppendStatus(Sync Audio Select: Message.)"});
        QTest::newRow("sync with no fields, no model")
            << int(None) << QByteArray("MULTIVIEW-SYNC\r") << QStringList();
        QTest::newRow("sync with every field empty")
            << int(Halden) << QByteArray("MULTIVIEW-SYNC         \r")
            << QStringList({"multiviewSetLayout(0,false)", "multiviewSetInputResolutionText()",
                            "multiviewSetAutoSwitch(0)", "multiviewSetWindowSource(0,0)",
                            "connectionAppendStatus(Sync Multiview Message.)"});
    }
    void lines()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, line);
        QFETCH(QStringList, calls);
        QMap<QString, QString> state;
        QCOMPARE(Run(std::string_view(line.constData(), line.size()), model, 0, &state), calls);
        QVERIFY2(!DeviceStateProblem(), DeviceStateProblem());
    }

    // The text entry matches Latin-1 bytes: characters beyond Latin-1 become '?', which ends
    // no word, and Latin-1 characters come back unchanged in text values.
    void textEntryConvertsToLatin1()
    {
        SetUpDevice(Halden, 0);
        RecordingSinks pages;
        Reply_Dispatch(QStringLiteral("OUT HDCP FORCE-2.2 \u2603\r"), pages.sinks());
        Reply_Dispatch(QStringLiteral("OUT HDCP FORCE-OFF\u2603\r"), pages.sinks());
        Reply_Dispatch(QStringLiteral("VERSION V\u00e91 \u2603\r"), pages.sinks());
        Reply_Dispatch(QStringLiteral("\u2603RESET\r"), pages.sinks());
        QCOMPARE(pages.callTexts(),
                 QStringList({"outputSetHdcp(1)", "connectionAppendStatus(Sync HDCP: Message.)",
                              "connectionAppendStatus(Sync HDCP: Message.)",
                              "systemSetVersionText(V\u00e91 ?)"}));
    }
};

QTEST_APPLESS_MAIN(TestReplyBadInput)
#include "tst_reply_bad_input.moc"
