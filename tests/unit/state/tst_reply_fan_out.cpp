// The fan-out of device values: every listener of a page's values hears each value, in the order
// the listeners joined; a listener hears only the interfaces it implements; the verbs are not
// fanned out; and dispatching through a fan-out changes nothing a listener sees.
#include "state/device_state.h"
#include "state/reply_dispatcher.h"
#include "state/reply_fan_out.h"
#include "support/recording_sinks.h"

#include <QtTest>

namespace {
// Hears only the output page's values, and notes them in a log shared with other listeners.
class OutputOnly : public OutputSink
{
public:
    OutputOnly(QStringList &log, const char *name)
        : m_log(log)
        , m_name(name)
    { }
    void outputSetResolution(int index) override { note("resolution", index); }
    void outputSet4kAuto(int index) override { note("4kauto", index); }
    void outputSetHdcp(int index) override { note("hdcp", index); }
    void outputSetVka(int index) override { note("vka", index); }
    void outputSetItc(int index) override { note("itc", index); }
    void outputSetUserResolution(quint32 width, quint32) override { note("user", int(width)); }

private:
    void note(const char *what, int value)
    {
        m_log << QStringLiteral("%1:%2=%3")
                     .arg(QLatin1String(m_name), QLatin1String(what))
                     .arg(value);
    }
    QStringList &m_log;
    const char *m_name;
};
} // namespace

class TestReplyFanOut : public QObject
{
    Q_OBJECT

private slots:
    void init() { DeviceState::ResetForTesting(); }

    void listeners_hearEachValueInJoiningOrder()
    {
        QStringList log;
        OutputOnly first(log, "first");
        OutputOnly second(log, "second");
        ReplyFanOut fanOut;
        fanOut.addListener(&first);
        fanOut.addListener(&second);
        fanOut.addListener(&first); // once is enough
        fanOut.outputSetHdcp(1);
        fanOut.outputSetUserResolution(1600, 900);
        QCOMPARE(
            log,
            QStringList({"first:hdcp=1", "second:hdcp=1", "first:user=1600", "second:user=1600"}));

        log.clear();
        fanOut.removeListener(&first);
        fanOut.outputSetItc(0);
        QCOMPARE(log, QStringList({"second:itc=0"}));
        fanOut.clear();
        fanOut.outputSetItc(1);
        QCOMPARE(log, QStringList({"second:itc=0"}));
    }

    void listener_hearsOnlyItsOwnPages()
    {
        QStringList log;
        OutputOnly output(log, "out");
        ReplyFanOut fanOut;
        fanOut.addListener(&output);
        RecordingSinks verbs;
        Reply_Dispatch(QStringLiteral("AUDIO-MUTE ON\r"), fanOut.sinks(verbs));
        Reply_Dispatch(QStringLiteral("OUT VKA BLACKSCREEN\r"), fanOut.sinks(verbs));
        QCOMPARE(log, QStringList({"out:vka=1"}));
        QVERIFY(verbs.calls.isEmpty()); // values never reach the verbs
    }

    // Identification: the verbs go once to the one verb object, never to the listeners.
    void verbs_notFannedOut()
    {
        ReplyFanOut fanOut;
        RecordingSinks listener;
        RecordingSinks verbs;
        fanOut.addListener(&listener);
        Reply_Dispatch(QStringLiteral("MODEL TYPE Corvo\r"), fanOut.sinks(verbs));
        QVERIFY(listener.calls.isEmpty());
        QCOMPARE(verbs.callTexts(),
                 QStringList({"connectionShowIdentifyResult(true)", "outputApplyModel()",
                              "multiviewApplyModel()", "audioApplyModel()", "systemApplyModel()",
                              "outputPressReadAll()", "multiviewPressReadAll()",
                              "audioPressReadAll()", "systemPressReadAll()"}));
    }

    // Every kind of value reaches two listeners of a fan-out exactly as it reaches a recorder
    // given the dispatcher directly.
    void fanOut_isTransparent_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::newRow("output") << QByteArrayList {"MODEL TYPE Halden",  "OUT RESOLUTION USER",
                                                   "RESO-USER 1600 900", "OUT 4K-AUTO OFF",
                                                   "OUT ITC ON",         "OUT HDCP FORCE-1.4"};
        QTest::newRow("multiview")
            << QByteArrayList {"MODEL TYPE Marlet",
                               "MULTIVIEW-SYNC PBP HDMI1 DP NULL NULL 16:9 2 3",
                               "MAXMODE 3",
                               "PIP USER 1 2 3 4",
                               "MULTIVIEW PIP",
                               "PIP POS USER",
                               "PIP SIZE LARGE",
                               "WINDOW2 IN USB-C",
                               "IN RESOLUTION 1920x1080p60",
                               "AUTO SWITCH OFF"};
        QTest::newRow("audio") << QByteArrayList {"MODEL TYPE Tessin", "AUDIO SOURCE LR4",
                                                  "AUDIO VOL 50",      "AUDIO-MUTE OFF",
                                                  "MIC2 VOL 7",        "MAIN-AUDIO ONOFF ON"};
        QTest::newRow("system") << QByteArrayList {"MODEL TYPE Brimo",
                                                   "IN EDIDMODE 1360x768",
                                                   "SUB-VERSION V2.1",
                                                   "EDID-USER OK",
                                                   "NETWORK-INFO 10.0.0.2 4001 255.0.0.0 10.0.0.1",
                                                   "BAUDRATE 57600"};
    }
    void fanOut_isTransparent()
    {
        QFETCH(QByteArrayList, lines);
        RecordingSinks direct;
        for (const QByteArray &line : lines)
            Reply_Dispatch(QString::fromLatin1(line + '\r'), direct.sinks());

        DeviceState::ResetForTesting();
        RecordingSinks first;
        RecordingSinks second;
        RecordingSinks verbs;
        ReplyFanOut fanOut;
        fanOut.addListener(&first);
        fanOut.addListener(&second);
        for (const QByteArray &line : lines)
            Reply_Dispatch(QString::fromLatin1(line + '\r'), fanOut.sinks(verbs));

        QStringList values;
        for (const QString &call : direct.callTexts()) {
            if (!call.contains(QLatin1String("ApplyModel"))
                && !call.contains(QLatin1String("PressReadAll"))
                && !call.startsWith(QLatin1String("connectionShow")))
                values << call;
        }
        QVERIFY(values.size() > lines.size());
        QCOMPARE(first.callTexts(), values);
        QCOMPARE(second.callTexts(), values);
    }
};

QTEST_GUILESS_MAIN(TestReplyFanOut)
#include "tst_reply_fan_out.moc"
