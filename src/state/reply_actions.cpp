// Replies owned by the connection, output, audio and system pages, and the model
// identification that unlocks the per-model lists.
#include "state/reply_actions.h"

#include "app/extra_texts.h"
#include "app/language_texts.h"
#include "app/net_check.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "state/model_traits.h"
#include "state/vocabulary.h"

#include <QStringBuilder>

QString Reply_Latin1(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<int>(bytes.size()));
}

// modelIndex is the only thing the per-model tables may be indexed with; anything but a
// known model means no model, whatever the identified flag says.
bool Reply_ModelKnown()
{
    return Model_Known(DeviceState::modelIndex);
}

void Reply_SyncMessage(StatusLogSink &status, const QString &label)
{
    status.connectionAppendStatus(S_Sync % QLatin1Char(' ') % label % QLatin1Char(' ') % S_Message
                                  % QLatin1Char('.'));
}

void Reply_SyncOver(StatusLogSink &status)
{
    status.connectionAppendStatus(QLatin1String("\r\n->") % SMSG_Status_SyncOver
                                  % QLatin1String("<-"));
}

// After a write of the device's network settings the device may already listen elsewhere:
// an answer the panel cannot take must be said, not pass for a finished write.
inline constexpr ExtraText NetworkAnswerUnreadableText {
    "The device's answer to the network settings could not be read. Press Read to see the "
    "settings the device now holds.",
    "无法读取设备对网络设置的应答。请按“读取”查看设备现在的设置。"};

// A user EDID upload succeeded only when the device says so; anything else is reported with
// the device's answer as the error code.
inline constexpr char UserEdidOk[] = "OK";

namespace {

// The common shape of a settings reply: look the value up, show a match, and log the
// Sync message whether or not the value was understood.
template <class Sink>
void ShowWordAndSync(const ReplyContext &c, WordList words, Sink &sink, void (Sink::*setter)(int),
                     const QString &label)
{
    const int index = Reply_Lookup(c.value, words);
    if (index >= 0)
        (sink.*setter)(index);
    Reply_SyncMessage(c.sinks.status, label);
}

bool IsVolume(qint32 n)
{
    return Reply_ModelKnown() && n >= 0 && n <= Model_VolumeMaximum(DeviceState::modelIndex);
}

// Text the system page stores into the configuration file, which holds one value per
// line: a control byte (LF above all) would split or shift its lines.
bool IsStorableText(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            return false;
    }
    return true;
}

} // namespace

void Reply_VersionText(const ReplyContext &c)
{
    c.sinks.system.systemSetVersionText(Reply_Latin1(c.value.text()));
}

void Reply_OutResolution(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(OutResolutionWords), c.sinks.output,
                    &OutputSink::outputSetResolution, Slabel_Resolution);
}

void Reply_Out4kAuto(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(OnOffWords), c.sinks.output, &OutputSink::outputSet4kAuto,
                    Slabel_4KAUTO);
}

void Reply_OutHdcp(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(HdcpWords), c.sinks.output, &OutputSink::outputSetHdcp,
                    Slabel_HDCP);
}

void Reply_OutVka(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(VkaWords), c.sinks.output, &OutputSink::outputSetVka,
                    Slabel_VKA);
}

void Reply_OutItc(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(OnOffWords), c.sinks.output, &OutputSink::outputSetItc,
                    Slabel_ITC);
}

void Reply_UserResolution(const ReplyContext &c)
{
    c.sinks.output.outputSetUserResolution(Reply_ToUInt32(Reply_Field(c.value, 1).text()),
                                           Reply_ToUInt32(Reply_Field(c.value, 2).text()));
}

void Reply_AudioSource(const ReplyContext &c)
{
    if (!Reply_ModelKnown())
        return;
    ShowWordAndSync(c, AudioSourceWords[DeviceState::modelIndex], c.sinks.audio,
                    &AudioSink::audioSetSource, Slabel_AudioSource);
}

// Without an identified model there is no volume range to check against: the value is
// logged but not shown.
void Reply_AudioVolume(const ReplyContext &c)
{
    const qint32 volume = Reply_ToInt32(c.value.text());
    if (IsVolume(volume))
        c.sinks.audio.audioSetVolume(volume);
    Reply_SyncMessage(c.sinks.status, Slabel_Volume);
}

void Reply_AudioMute(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(OnOffWords), c.sinks.audio, &AudioSink::audioSetMute,
                    Slabel_AudioMute);
}

// A value that is neither word shows the channel as off.
void Reply_AudioSwitch(const ReplyContext &c, int channel)
{
    const int index = Reply_Lookup(c.value, Reply_Words(OnOffWords));
    c.sinks.audio.audioSetSwitch(channel, index >= 0 ? index : 1);
}

void Reply_MicLevel(const ReplyContext &c, int mic)
{
    const qint32 level = Reply_ToInt32(c.value.text());
    if (IsVolume(level))
        c.sinks.audio.audioSetMicLevel(mic, level);
}

void Reply_EdidMode(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(EdidModeWords), c.sinks.system,
                    &SystemSink::systemSetEdidSelection, Slabel_EdidSelect);
}

void Reply_UserEdid(const ReplyContext &c)
{
    // "EDID-USER OK", trailing spaces allowed; "EDID-USER ERR", a bare "EDID-USER" or
    // "EDID-USER OK 2" are refusals.
    if (Reply_Field(c.value, 1).text() == UserEdidOk && Reply_Field(c.value, 2).text().empty()) {
        c.sinks.system.systemUserEdidWritten();
        return;
    }
    const std::string_view value = c.value.text();
    QString answer = QStringLiteral("EDID-USER");
    if (!value.empty())
        answer += QLatin1Char(' ') + Reply_Latin1(value);
    c.sinks.verbs.showMessageBox(SMSG_CommunicationFail + answer);
}

// The page writes the four texts into the configuration: a reply with a missing field, a
// control byte or values the operator could not have typed is logged but not taken, so it
// cannot blank or corrupt the stored link.
void Reply_NetworkInfo(const ReplyContext &c)
{
    // Whatever the line holds, it is the answer to the oldest outstanding request.
    LinkSettingsQueryOnly = !LinkSettings_AnswerIsWrite(LinkSettingsItem::Network);
    std::string_view fields[4];
    bool storable = true;
    for (int i = 0; i < 4; ++i) {
        fields[i] = Reply_Field(c.value, i + 1).text();
        storable = storable && IsStorableText(fields[i]);
    }
    QString texts[4];
    for (int i = 0; storable && i < 4; ++i)
        texts[i] = Reply_Latin1(fields[i]);
    const bool usable = storable && Net_CheckParams(texts[0], texts[1], texts[2], texts[3]);
    if (usable)
        c.sinks.system.systemSetNetworkInfo(texts[0], texts[1], texts[2], texts[3]);
    Reply_SyncMessage(c.sinks.status, Slabel_Network);
    Reply_SyncOver(c.sinks.status);
    if (!usable && !LinkSettingsQueryOnly)
        c.sinks.verbs.showMessageBox(Extra_Text(NetworkAnswerUnreadableText));
}

void Reply_BaudRate(const ReplyContext &c)
{
    LinkSettingsQueryOnly = !LinkSettings_AnswerIsWrite(LinkSettingsItem::BaudRate);
    c.sinks.system.systemSetBaudRate(Reply_ToInt32(Reply_Field(c.value, 1).text()));
    Reply_SyncMessage(c.sinks.status, Slabel_Baudrate);
    Reply_SyncOver(c.sinks.status);
}

// Only the first answer on a link counts; the flag is cleared when the link is closed.
// On success every page rebuilds its model-dependent widgets before any page queues its
// queries, so the queries already use the new model's lists.
void Reply_ModelType(const ReplyContext &c)
{
    if (DeviceState::modelIdentified)
        return;
    DeviceState::modelIdentified = true;

    const int model = Reply_Lookup(c.value, Reply_Words(ModelNames));
    ReplyVerbs &verbs = c.sinks.verbs;
    if (model < 0) {
        verbs.connectionShowIdentifyResult(false);
        verbs.connectionPressActiveConnectButton();
        verbs.showMessageBox(SMSG_MachineNotMatch);
        return;
    }
    verbs.connectionShowIdentifyResult(true);
    DeviceState::modelIndex = static_cast<quint8>(model);
    DeviceState::inputSourceCount = Model_InputCount(DeviceState::modelIndex);
    verbs.outputApplyModel();
    verbs.multiviewApplyModel();
    verbs.audioApplyModel();
    verbs.systemApplyModel();
    verbs.outputPressReadAll();
    verbs.multiviewPressReadAll();
    verbs.audioPressReadAll();
    verbs.systemPressReadAll();
}
