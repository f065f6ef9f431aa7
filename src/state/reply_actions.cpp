// Replies owned by the connection, output, audio and system pages, and the model
// identification that unlocks the per-model lists.
#include "state/reply_actions.h"

#include "app/language_texts.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "state/vocabulary.h"

#include <QStringBuilder>

QString Reply_Latin1(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<int>(bytes.size()));
}

// modelIndex is the only thing the per-model tables may be indexed with; anything but
// 0 .. ModelCount-1 means no model, whatever the identified flag says.
bool Reply_ModelKnown()
{
    return DeviceState::modelIndex < ModelCount;
}

void Reply_SyncMessage(ReplyPages &pages, const QString &label)
{
    pages.connectionAppendStatus(S_Sync % QLatin1Char(' ') % label % QLatin1Char(' ') % S_Message
                                 % QLatin1Char('.'));
}

void Reply_SyncOver(ReplyPages &pages)
{
    pages.connectionAppendStatus(QLatin1String("\r\n->") % SMSG_Status_SyncOver
                                 % QLatin1String("<-"));
}

namespace {

using IndexSetter = void (ReplyPages::*)(int);

// The common shape of a settings reply: look the value up, show a match, and log the
// Sync message whether or not the value was understood.
void ShowWordAndSync(const ReplyContext &c, WordList words, IndexSetter setter,
                     const QString &label)
{
    const int index = Reply_Lookup(c.value, words);
    if (index >= 0)
        (c.pages.*setter)(index);
    Reply_SyncMessage(c.pages, label);
}

bool IsVolume(qint32 n)
{
    return Reply_ModelKnown() && n >= 0 && n <= VolumeMaximum[DeviceState::modelIndex];
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
    c.pages.systemSetVersionText(Reply_Latin1(c.value.text()));
}

void Reply_OutResolution(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(OutResolutionWords), &ReplyPages::outputSetResolution,
                    Slabel_Resolution);
}

void Reply_Out4kAuto(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(OnOffWords), &ReplyPages::outputSet4kAuto, Slabel_4KAUTO);
}

void Reply_OutHdcp(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(HdcpWords), &ReplyPages::outputSetHdcp, Slabel_HDCP);
}

void Reply_OutVka(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(VkaWords), &ReplyPages::outputSetVka, Slabel_VKA);
}

void Reply_OutItc(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(OnOffWords), &ReplyPages::outputSetItc, Slabel_ITC);
}

void Reply_UserResolution(const ReplyContext &c)
{
    c.pages.outputSetUserResolution(Reply_ToUInt32(Reply_Field(c.value, 1).text()),
                                    Reply_ToUInt32(Reply_Field(c.value, 2).text()));
}

void Reply_AudioSource(const ReplyContext &c)
{
    if (!Reply_ModelKnown())
        return;
    ShowWordAndSync(c, AudioSourceWords[DeviceState::modelIndex], &ReplyPages::audioSetSource,
                    Slabel_AudioSource);
}

// Without an identified model there is no volume range to check against: the value is
// logged but not shown.
void Reply_AudioVolume(const ReplyContext &c)
{
    const qint32 volume = Reply_ToInt32(c.value.text());
    if (IsVolume(volume))
        c.pages.audioSetVolume(volume);
    Reply_SyncMessage(c.pages, Slabel_Volume);
}

void Reply_AudioMute(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(OnOffWords), &ReplyPages::audioSetMute, Slabel_AudioMute);
}

// A value that is neither word shows the channel as off.
void Reply_AudioSwitch(const ReplyContext &c, int channel)
{
    const int index = Reply_Lookup(c.value, Reply_Words(OnOffWords));
    c.pages.audioSetSwitch(channel, index >= 0 ? index : 1);
}

void Reply_MicLevel(const ReplyContext &c, int mic)
{
    const qint32 level = Reply_ToInt32(c.value.text());
    if (IsVolume(level))
        c.pages.audioSetMicLevel(mic, level);
}

void Reply_EdidMode(const ReplyContext &c)
{
    ShowWordAndSync(c, Reply_Words(EdidModeWords), &ReplyPages::systemSetEdidSelection,
                    Slabel_EdidSelect);
}

void Reply_UserEdid(const ReplyContext &c)
{
    c.pages.systemUserEdidWritten();
}

// The page writes the four texts into the configuration: a reply with a missing field or
// a control byte is logged but not taken, so it cannot blank or corrupt the stored link.
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
    if (storable) {
        c.pages.systemSetNetworkInfo(Reply_Latin1(fields[0]), Reply_Latin1(fields[1]),
                                     Reply_Latin1(fields[2]), Reply_Latin1(fields[3]));
    }
    Reply_SyncMessage(c.pages, Slabel_Network);
    Reply_SyncOver(c.pages);
}

void Reply_BaudRate(const ReplyContext &c)
{
    LinkSettingsQueryOnly = !LinkSettings_AnswerIsWrite(LinkSettingsItem::BaudRate);
    c.pages.systemSetBaudRate(Reply_ToInt32(Reply_Field(c.value, 1).text()));
    Reply_SyncMessage(c.pages, Slabel_Baudrate);
    Reply_SyncOver(c.pages);
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
    ReplyPages &pages = c.pages;
    if (model < 0) {
        pages.connectionShowIdentifyResult(false);
        pages.connectionPressActiveConnectButton();
        pages.showMessageBox(SMSG_MachineNotMatch);
        return;
    }
    pages.connectionShowIdentifyResult(true);
    DeviceState::modelIndex = static_cast<quint8>(model);
    DeviceState::inputSourceCount = InputSourceCounts[model];
    pages.outputApplyModel();
    pages.multiviewApplyModel();
    pages.audioApplyModel();
    pages.systemApplyModel();
    pages.outputPressReadAll();
    pages.multiviewPressReadAll();
    pages.audioPressReadAll();
    pages.systemPressReadAll();
}
