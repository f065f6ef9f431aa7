// Every value sink and the verbs in one recorder: each call with its arguments, in order.
// Tests compare the calls as text ("outputSetResolution(7)"); the benchmark and the fuzzer
// read the raw records, which cost no formatting. Widget-free, like a profile recorder would be.
#pragma once

#include "state/device_state.h"
#include "state/reply_sinks.h"
#include "state/vocabulary.h"
#include "support/model_facts.h"

#include <QMap>
#include <QStringList>
#include <QVector>

struct PageCall
{
    const char *name = "";
    int intCount = 0;
    qint64 ints[4] = {};
    int flag = -1; // -1 none, else the bool argument
    int textCount = 0;
    QString texts[4];
    quint8 modelAtCall = DeviceState::NoModel; // what a page reading the model would see

    QString toString() const
    {
        QStringList args;
        for (int i = 0; i < intCount; ++i)
            args << QString::number(ints[i]);
        if (flag >= 0)
            args << QString::fromLatin1(flag ? "true" : "false");
        for (int i = 0; i < textCount; ++i)
            args << texts[i];
        return QString::fromLatin1(name) + QLatin1Char('(') + args.join(QLatin1Char(','))
            + QLatin1Char(')');
    }
};

class RecordingSinks : public StatusLogSink,
                       public OutputSink,
                       public MultiviewSink,
                       public AudioSink,
                       public SystemSink,
                       public ReplyVerbs
{
public:
    QVector<PageCall> calls;

    // Everything the dispatcher hands out, to this recorder.
    ReplySinks sinks() { return {*this, *this, *this, *this, *this, *this}; }

    QStringList callTexts() const
    {
        QStringList out;
        for (const PageCall &call : calls)
            out << call.toString();
        return out;
    }

    void connectionAppendStatus(const QString &text) override
    {
        add("connectionAppendStatus", {}, -1, {text});
    }
    void connectionShowIdentifyResult(bool ok) override
    {
        add("connectionShowIdentifyResult", {}, ok);
    }
    void connectionPressActiveConnectButton() override
    {
        add("connectionPressActiveConnectButton");
    }
    void showMessageBox(const QString &text) override { add("showMessageBox", {}, -1, {text}); }

    void outputApplyModel() override { add("outputApplyModel"); }
    void outputPressReadAll() override { add("outputPressReadAll"); }
    void outputSetResolution(int index) override { add("outputSetResolution", {index}); }
    void outputSet4kAuto(int index) override { add("outputSet4kAuto", {index}); }
    void outputSetHdcp(int index) override { add("outputSetHdcp", {index}); }
    void outputSetVka(int index) override { add("outputSetVka", {index}); }
    void outputSetItc(int index) override { add("outputSetItc", {index}); }
    void outputSetUserResolution(quint32 width, quint32 height) override
    {
        add("outputSetUserResolution", {width, height});
    }

    void multiviewApplyModel() override { add("multiviewApplyModel"); }
    void multiviewPressReadAll() override { add("multiviewPressReadAll"); }
    void multiviewSetLayout(quint32 mode, bool readSync) override
    {
        add("multiviewSetLayout", {mode}, readSync);
    }
    void multiviewSetWindowSource(int window, int source) override
    {
        add("multiviewSetWindowSource", {window, source});
    }
    void multiviewSetAutoSwitch(int index) override { add("multiviewSetAutoSwitch", {index}); }
    void multiviewSetInputResolutionText(const QString &text) override
    {
        add("multiviewSetInputResolutionText", {}, -1, {text});
    }
    void multiviewSetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize,
                                   quint32 vSize) override
    {
        add("multiviewSetUserRectangle", {hStart, vStart, hSize, vSize});
    }
    void multiviewSetVariantCount(quint32 count) override
    {
        add("multiviewSetVariantCount", {count});
    }
    void multiviewSetLayoutVariant(int index) override
    {
        add("multiviewSetLayoutVariant", {index});
    }
    void multiviewSetPipPosition(int index) override { add("multiviewSetPipPosition", {index}); }
    void multiviewSetPipSize(int index) override { add("multiviewSetPipSize", {index}); }
    void multiviewSetAspect(int index) override { add("multiviewSetAspect", {index}); }

    void audioApplyModel() override { add("audioApplyModel"); }
    void audioPressReadAll() override { add("audioPressReadAll"); }
    void audioSetSource(int index) override { add("audioSetSource", {index}); }
    void audioSetVolume(int volume) override { add("audioSetVolume", {volume}); }
    void audioSetMute(int index) override { add("audioSetMute", {index}); }
    void audioSetMicLevel(int mic, int level) override { add("audioSetMicLevel", {mic, level}); }
    void audioSetSwitch(int channel, int index) override
    {
        add("audioSetSwitch", {channel, index});
    }

    void systemApplyModel() override { add("systemApplyModel"); }
    void systemPressReadAll() override { add("systemPressReadAll"); }
    void systemSetEdidSelection(int index) override { add("systemSetEdidSelection", {index}); }
    void systemSetVersionText(const QString &text) override
    {
        add("systemSetVersionText", {}, -1, {text});
    }
    void systemUserEdidWritten() override { add("systemUserEdidWritten"); }
    void systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                              const QString &gateway) override
    {
        add("systemSetNetworkInfo", {}, -1, {ip, port, mask, gateway});
    }
    void systemSetBaudRate(qint32 baudRate) override { add("systemSetBaudRate", {baudRate}); }

private:
    void add(const char *name, std::initializer_list<qint64> ints = {}, int flag = -1,
             std::initializer_list<QString> texts = {})
    {
        PageCall call;
        call.name = name;
        call.modelAtCall = DeviceState::modelIndex;
        for (qint64 value : ints)
            call.ints[call.intCount++] = value;
        call.flag = flag;
        for (const QString &text : texts)
            call.texts[call.textCount++] = text;
        calls.append(call);
    }
};

// DeviceState as named values, so tests can state only what a reply changes.
inline QMap<QString, QString> DeviceStateMap()
{
    using namespace DeviceState;
    const auto n = [](qint64 v) { return QString::number(v); };
    return {
        {"model", n(modelIndex)},
        {"identified", n(modelIdentified)},
        {"inputs", n(inputSourceCount)},
        {"mode", n(multiviewMode)},
        {"max", n(layoutMaxMode)},
        {"aspect", n(layoutAspect)},
        {"variant", n(layoutModeIndex)},
        {"pos", n(pipPosition)},
        {"size", n(pipSize)},
        {"win",
         QStringLiteral("%1,%2,%3,%4")
             .arg(windowSource[0])
             .arg(windowSource[1])
             .arg(windowSource[2])
             .arg(windowSource[3])},
    };
}

// Sets DeviceState fields from "key=value ..." with the keys of DeviceStateMap.
inline void ApplyDeviceState(const QString &values)
{
    using namespace DeviceState;
    const QStringList pairs = values.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &pair : pairs) {
        const QString key = pair.section(QLatin1Char('='), 0, 0);
        const QString value = pair.section(QLatin1Char('='), 1);
        if (key == QLatin1String("win")) {
            const QStringList sources = value.split(QLatin1Char(','));
            for (int i = 0; i < 4 && i < sources.size(); ++i)
                windowSource[i] = sources[i].toUInt();
        }
        const qint64 n = value.toLongLong();
        if (key == QLatin1String("model"))
            modelIndex = static_cast<quint8>(n);
        else if (key == QLatin1String("identified"))
            modelIdentified = n != 0;
        else if (key == QLatin1String("inputs"))
            inputSourceCount = static_cast<qint32>(n);
        else if (key == QLatin1String("mode"))
            multiviewMode = static_cast<quint32>(n);
        else if (key == QLatin1String("max"))
            layoutMaxMode = static_cast<quint32>(n);
        else if (key == QLatin1String("aspect"))
            layoutAspect = static_cast<qint32>(n);
        else if (key == QLatin1String("variant"))
            layoutModeIndex = static_cast<qint32>(n);
        else if (key == QLatin1String("pos"))
            pipPosition = static_cast<quint32>(n);
        else if (key == QLatin1String("size"))
            pipSize = static_cast<quint32>(n);
    }
}

// Applies "key=value key=value" to a state map.
inline QMap<QString, QString> WithChanges(QMap<QString, QString> state, const QString &changes)
{
    const QStringList pairs = changes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &pair : pairs) {
        const int eq = pair.indexOf(QLatin1Char('='));
        state[pair.left(eq)] = pair.mid(eq + 1);
    }
    return state;
}

// A connected device of the given model (ModelCount or more: none identified yet) in
// the given multiview layout.
inline void SetUpDevice(int model, quint32 layout)
{
    DeviceState::ResetForTesting();
    if (model >= 0 && model < ModelCount) {
        DeviceState::modelIndex = static_cast<quint8>(model);
        DeviceState::modelIdentified = true;
        DeviceState::inputSourceCount = TestInputCounts[model];
    }
    DeviceState::multiviewMode = layout;
}

// Why a page call carries an argument the page cannot take, or nullptr. The model is the one
// identified when the call was made.
inline const char *PageCallProblem(const PageCall &call)
{
    const QByteArray name(call.name);
    const qint64 a = call.ints[0];
    const qint64 b = call.ints[1];
    const bool model = call.modelAtCall < ModelCount;
    const auto within = [](qint64 v, qint64 count) { return v >= 0 && v < count; };
    const int volumeMax = model ? TestVolumeMaximum[call.modelAtCall] : -1;
    if (name == "outputSetResolution")
        return within(a, WordCount(OutResolutionWords)) ? nullptr : "resolution index";
    if (name == "outputSet4kAuto" || name == "outputSetItc" || name == "multiviewSetAutoSwitch"
        || name == "audioSetMute")
        return within(a, WordCount(OnOffWords)) ? nullptr : "on/off index";
    if (name == "outputSetHdcp")
        return within(a, WordCount(HdcpWords)) ? nullptr : "HDCP index";
    if (name == "outputSetVka")
        return within(a, WordCount(VkaWords)) ? nullptr : "VKA index";
    if (name == "multiviewSetLayout")
        return within(a, WordCount(MultiviewModeWords)) ? nullptr : "layout";
    if (name == "multiviewSetWindowSource")
        return within(a, 4) && model && within(b, WindowInputWords[call.modelAtCall].count)
            ? nullptr
            : "window source";
    if (name == "multiviewSetLayoutVariant")
        return within(a, 6) ? nullptr : "layout variant";
    if (name == "multiviewSetPipPosition")
        return within(a, WordCount(PipPositionWords)) ? nullptr : "PIP position";
    if (name == "multiviewSetPipSize")
        return within(a, WordCount(PipSizeWords)) ? nullptr : "PIP size";
    if (name == "multiviewSetAspect")
        return within(a, WordCount(AspectWords)) ? nullptr : "aspect";
    if (name == "audioSetSource")
        return model && within(a, AudioSourceWords[call.modelAtCall].count) ? nullptr
                                                                            : "audio source";
    if (name == "audioSetVolume")
        return a >= 0 && a <= volumeMax ? nullptr : "volume";
    if (name == "audioSetMicLevel")
        return within(a, 2) && b >= 0 && b <= volumeMax ? nullptr : "microphone level";
    if (name == "audioSetSwitch")
        return within(a, 3) && within(b, WordCount(OnOffWords)) ? nullptr : "audio switch";
    if (name == "systemSetEdidSelection")
        return within(a, WordCount(EdidModeWords)) ? nullptr : "EDID index";
    if (name == "systemSetNetworkInfo") {
        for (int i = 0; i < call.textCount; ++i) {
            if (call.texts[i].isEmpty())
                return "empty network field";
            for (QChar ch : call.texts[i]) {
                if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
                    return "control byte in a network field";
            }
        }
    }
    return nullptr;
}

// Why DeviceState holds a value outside its range, or nullptr.
inline const char *DeviceStateProblem()
{
    using namespace DeviceState;
    if (modelIndex > NoModel)
        return "model index";
    if (multiviewMode >= static_cast<quint32>(WordCount(MultiviewModeWords)))
        return "multiview mode";
    if (layoutAspect < 0 || layoutAspect >= WordCount(AspectWords))
        return "aspect";
    if (layoutModeIndex < 0 || layoutModeIndex >= 6)
        return "layout variant";
    if (pipPosition >= static_cast<quint32>(WordCount(PipPositionWords)))
        return "PIP position";
    if (pipSize >= static_cast<quint32>(WordCount(PipSizeWords)))
        return "PIP size";
    for (quint32 source : windowSource) {
        if (modelIndex < ModelCount
                ? source >= static_cast<quint32>(WindowInputWords[modelIndex].count)
                : source != 0)
            return "window source";
    }
    return nullptr;
}
