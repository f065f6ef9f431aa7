#include "profile/profile_recorder.h"

#include "state/model_traits.h"

void ProfileRecorder::start(int model)
{
    m_profile = Profile();
    m_profile.model = model;
    m_problems.clear();
    m_version.clear();
}

Profile ProfileRecorder::profile() const
{
    Profile p = m_profile;
    Profile_DropMisfits(&p);
    return p;
}

void ProfileRecorder::take(SettingId id, const QString &value)
{
    const QString problem = Setting_Check(id, value, m_profile.model);
    if (problem.isEmpty()) {
        m_profile.set(id, value);
        return;
    }
    m_profile.remove(id);
    const QString line = QStringLiteral("%1: the device reported a value that cannot be kept: %2")
                             .arg(Setting_Key(id), problem);
    if (!m_problems.contains(line) && m_problems.size() < 100)
        m_problems.append(line);
}

void ProfileRecorder::word(SettingId id, int index)
{
    const QStringList words = Setting_Words(id, m_profile.model);
    if (index >= 0 && index < words.size())
        take(id, words.at(index));
    else
        take(id, QStringLiteral("#%1").arg(index));
}

void ProfileRecorder::outputResolution(int index)
{
    word(SettingId::OutputResolution, index);
}

void ProfileRecorder::userResolution(quint32 width, quint32 height)
{
    take(SettingId::OutputUserResolution, QStringLiteral("%1 %2").arg(width).arg(height));
}

void ProfileRecorder::outputHdcp(int index)
{
    word(SettingId::OutputHdcp, index);
}

void ProfileRecorder::outputVka(int index)
{
    word(SettingId::OutputVka, index);
}

void ProfileRecorder::outputItc(int index)
{
    word(SettingId::OutputItc, index);
}

void ProfileRecorder::output4kAuto(int index)
{
    word(SettingId::Output4kAuto, index);
}

void ProfileRecorder::layout(quint32 mode)
{
    word(SettingId::MultiviewLayout, mode >= quint32(ModeCount) ? -1 : static_cast<int>(mode));
}

void ProfileRecorder::windowSource(int window, int source)
{
    if (window >= 0 && window < ProfileWindows)
        word(Setting_Offset(SettingId::WindowSource, window), source);
}

void ProfileRecorder::autoSwitch(int index)
{
    word(SettingId::MultiviewAutoSwitch, index);
}

void ProfileRecorder::userRectangle(quint32 hStart, quint32 vStart, quint32 hSize, quint32 vSize)
{
    take(SettingId::MultiviewUserRectangle,
         QStringLiteral("%1 %2 %3 %4").arg(hStart).arg(vStart).arg(hSize).arg(vSize));
}

void ProfileRecorder::layoutVariant(int zeroBased)
{
    take(SettingId::MultiviewVariant, QString::number(qint64(zeroBased) + 1));
}

void ProfileRecorder::pipPosition(int index)
{
    word(SettingId::MultiviewPipPosition, index);
}

void ProfileRecorder::pipSize(int index)
{
    word(SettingId::MultiviewPipSize, index);
}

void ProfileRecorder::aspect(int index)
{
    word(SettingId::MultiviewAspect, index);
}

void ProfileRecorder::audioSource(int index)
{
    word(SettingId::AudioSource, index);
}

void ProfileRecorder::volume(int volume)
{
    take(SettingId::AudioVolume, QString::number(volume));
}

void ProfileRecorder::mute(int index)
{
    word(SettingId::AudioMute, index);
}

void ProfileRecorder::micLevel(int mic, int level)
{
    if (mic >= 0 && mic < ProfileMics)
        take(Setting_Offset(SettingId::MicVolume, mic), QString::number(level));
}

void ProfileRecorder::audioSwitch(int channel, int index)
{
    if (channel == 0)
        word(SettingId::AudioMain, index);
    else if (channel >= 1 && channel <= ProfileMics)
        word(Setting_Offset(SettingId::MicSwitch, channel - 1), index);
}

void ProfileRecorder::edidMode(int index)
{
    word(SettingId::EdidMode, index);
}

void ProfileRecorder::networkInfo(const QString &ip, const QString &port, const QString &mask,
                                  const QString &gateway)
{
    take(SettingId::NetworkIp, ip);
    take(SettingId::NetworkPort, port);
    take(SettingId::NetworkMask, mask);
    take(SettingId::NetworkGateway, gateway);
}

void ProfileRecorder::baudRate(qint32 baud)
{
    take(SettingId::SerialBaudRate, QString::number(baud));
}
