// Audio source, volume, mute; the main-audio switch and the two microphones.
#include "sim/sim_interpreter.h"

void SimInterpreter::addAudioCommands()
{
    addChoice("AUDIO SOURCE", model().audioSources, &m_state.audioSource);
    addLevel("AUDIO VOL", &m_state.volume, model().volumeMax, true);
    addChoice("AUDIO-MUTE", SimOnOff, &m_state.audioMute);

    const bool mics = model().hasMicrophones;
    addChoice("MAIN-AUDIO ONOFF", SimOnOff, &m_state.mainAudio, mics);
    for (int m = 0; m < SimMicCount; ++m) {
        const QByteArray mic = "MIC" + QByteArray::number(m + 1);
        addChoice(mic + " ONOFF", SimOnOff, &m_state.micSwitch[m], mics);
        addLevel(mic + " VOL", &m_state.micVolume[m], SimMicVolumeMax, mics);
    }
}
