// Audio page commands: source, volume, mute, main audio and the two microphones.
#include "link/cmd_compose.h"
#include "link/command_catalogue.h"
#include "state/device_state.h"
#include "state/model_traits.h"

namespace {

// "MIC<n> <what>", n counted from 1.
CmdText MicItem(int mic, const char *what)
{
    CmdText item("MIC");
    item.addNumber(static_cast<qint64>(mic) + 1).space().add(what);
    return item;
}

} // namespace

void CmdSetAudioSource(unsigned index)
{
    const quint8 model = DeviceState::modelIndex;
    if (Model_Known(model))
        Cmd_SetWord("AUDIO SOURCE", AudioSourceWords[model], index);
}

void CmdGetAudioSource()
{
    Cmd_Get("AUDIO SOURCE");
}

void CmdSetAudioVol(unsigned volume)
{
    if (volume <= static_cast<unsigned>(Model_VolumeMaximum(DeviceState::modelIndex)))
        Cmd_Set("AUDIO VOL", CmdText().addNumber(volume));
}

void CmdSetAudioVolUp()
{
    Cmd_Compose("SET", "AUDIO VOL+", CmdText(), "AUDIO VOL", CmdPacing::AwaitReply);
}

void CmdSetAudioVolDown()
{
    Cmd_Compose("SET", "AUDIO VOL-", CmdText(), "AUDIO VOL", CmdPacing::AwaitReply);
}

void CmdGetAudioVol()
{
    Cmd_Get("AUDIO VOL");
}

void CmdSetAudioMute(int index)
{
    Cmd_SetWord("AUDIO-MUTE", Words(OnOffWords), index);
}

void CmdGetAudioMute()
{
    Cmd_Get("AUDIO-MUTE");
}

void CmdSetMainAudioOnoff(int index)
{
    Cmd_SetWord("MAIN-AUDIO ONOFF", Words(OnOffWords), index);
}

void CmdGetMainAudioOnoff()
{
    Cmd_Get("MAIN-AUDIO ONOFF");
}

void CmdSetMicOnoff(int mic, int index)
{
    Cmd_SetWord(MicItem(mic, "ONOFF"), Words(OnOffWords), index);
}

void CmdGetMicOnoff(int mic)
{
    Cmd_Get(MicItem(mic, "ONOFF"));
}

void CmdSetMicVol(int mic, unsigned volume)
{
    if (volume <= static_cast<unsigned>(MicVolumeMaximum))
        Cmd_Set(MicItem(mic, "VOL"), CmdText().addNumber(volume));
}

void CmdSetMicVolUp(int mic)
{
    Cmd_Compose("SET", MicItem(mic, "VOL+"), CmdText(), MicItem(mic, "VOL"), CmdPacing::AwaitReply);
}

void CmdSetMicVolDown(int mic)
{
    Cmd_Compose("SET", MicItem(mic, "VOL-"), CmdText(), MicItem(mic, "VOL"), CmdPacing::AwaitReply);
}

void CmdGetMicVol(int mic)
{
    Cmd_Get(MicItem(mic, "VOL"));
}
