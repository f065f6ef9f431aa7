#include "state/reply_fan_out.h"

void ReplyFanOut::connectionAppendStatus(const QString &text)
{
    each(m_status, [&](StatusLogSink &sink) { sink.connectionAppendStatus(text); });
}

void ReplyFanOut::outputSetResolution(int index)
{
    each(m_output, [=](OutputSink &sink) { sink.outputSetResolution(index); });
}

void ReplyFanOut::outputSet4kAuto(int index)
{
    each(m_output, [=](OutputSink &sink) { sink.outputSet4kAuto(index); });
}

void ReplyFanOut::outputSetHdcp(int index)
{
    each(m_output, [=](OutputSink &sink) { sink.outputSetHdcp(index); });
}

void ReplyFanOut::outputSetVka(int index)
{
    each(m_output, [=](OutputSink &sink) { sink.outputSetVka(index); });
}

void ReplyFanOut::outputSetItc(int index)
{
    each(m_output, [=](OutputSink &sink) { sink.outputSetItc(index); });
}

void ReplyFanOut::outputSetUserResolution(quint32 width, quint32 height)
{
    each(m_output, [=](OutputSink &sink) { sink.outputSetUserResolution(width, height); });
}

void ReplyFanOut::multiviewSetLayout(quint32 mode, bool readSync)
{
    each(m_multiview, [=](MultiviewSink &sink) { sink.multiviewSetLayout(mode, readSync); });
}

void ReplyFanOut::multiviewSetWindowSource(int window, int source)
{
    each(m_multiview, [=](MultiviewSink &sink) { sink.multiviewSetWindowSource(window, source); });
}

void ReplyFanOut::multiviewSetAutoSwitch(int index)
{
    each(m_multiview, [=](MultiviewSink &sink) { sink.multiviewSetAutoSwitch(index); });
}

void ReplyFanOut::multiviewSetInputResolutionText(const QString &text)
{
    each(m_multiview, [&](MultiviewSink &sink) { sink.multiviewSetInputResolutionText(text); });
}

void ReplyFanOut::multiviewSetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize,
                                            quint32 vSize)
{
    each(m_multiview, [=](MultiviewSink &sink) {
        sink.multiviewSetUserRectangle(hStart, vStart, hSize, vSize);
    });
}

void ReplyFanOut::multiviewSetVariantCount(quint32 count)
{
    each(m_multiview, [=](MultiviewSink &sink) { sink.multiviewSetVariantCount(count); });
}

void ReplyFanOut::multiviewSetLayoutVariant(int index)
{
    each(m_multiview, [=](MultiviewSink &sink) { sink.multiviewSetLayoutVariant(index); });
}

void ReplyFanOut::multiviewSetPipPosition(int index)
{
    each(m_multiview, [=](MultiviewSink &sink) { sink.multiviewSetPipPosition(index); });
}

void ReplyFanOut::multiviewSetPipSize(int index)
{
    each(m_multiview, [=](MultiviewSink &sink) { sink.multiviewSetPipSize(index); });
}

void ReplyFanOut::multiviewSetAspect(int index)
{
    each(m_multiview, [=](MultiviewSink &sink) { sink.multiviewSetAspect(index); });
}

void ReplyFanOut::audioSetSource(int index)
{
    each(m_audio, [=](AudioSink &sink) { sink.audioSetSource(index); });
}

void ReplyFanOut::audioSetVolume(int volume)
{
    each(m_audio, [=](AudioSink &sink) { sink.audioSetVolume(volume); });
}

void ReplyFanOut::audioSetMute(int index)
{
    each(m_audio, [=](AudioSink &sink) { sink.audioSetMute(index); });
}

void ReplyFanOut::audioSetMicLevel(int mic, int level)
{
    each(m_audio, [=](AudioSink &sink) { sink.audioSetMicLevel(mic, level); });
}

void ReplyFanOut::audioSetSwitch(int channel, int index)
{
    each(m_audio, [=](AudioSink &sink) { sink.audioSetSwitch(channel, index); });
}

void ReplyFanOut::systemSetEdidSelection(int index)
{
    each(m_system, [=](SystemSink &sink) { sink.systemSetEdidSelection(index); });
}

void ReplyFanOut::systemSetVersionText(const QString &text)
{
    each(m_system, [&](SystemSink &sink) { sink.systemSetVersionText(text); });
}

void ReplyFanOut::systemUserEdidWritten()
{
    each(m_system, [](SystemSink &sink) { sink.systemUserEdidWritten(); });
}

void ReplyFanOut::systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                                       const QString &gateway)
{
    each(m_system, [&](SystemSink &sink) { sink.systemSetNetworkInfo(ip, port, mask, gateway); });
}

void ReplyFanOut::systemSetBaudRate(qint32 baudRate)
{
    each(m_system, [=](SystemSink &sink) { sink.systemSetBaudRate(baudRate); });
}
