// One set of value sinks that hands every device value to each listener registered for it, in
// the order they were added: the pages first, then whatever else wants the same values (a status
// bar, a profile recorder, a test's recorder). GUI thread only, like the dispatcher.
#pragma once

#include "state/reply_sinks.h"

#include <QVector>

#include <type_traits>

class ReplyFanOut final : public StatusLogSink,
                          public OutputSink,
                          public MultiviewSink,
                          public AudioSink,
                          public SystemSink
{
public:
    // Registers the listener for every value interface it implements. Adding it twice changes
    // nothing; a listener must be removed before it is destroyed.
    template <class Listener>
    void addListener(Listener *listener)
    {
        forEachList(listener, [](auto &list, auto *sink) {
            if (sink && !list.contains(sink))
                list.append(sink);
        });
    }
    template <class Listener>
    void removeListener(Listener *listener)
    {
        forEachList(listener, [](auto &list, auto *sink) { list.removeAll(sink); });
    }

    // No listener any more.
    void clear()
    {
        m_status.clear();
        m_output.clear();
        m_multiview.clear();
        m_audio.clear();
        m_system.clear();
    }

    // This fan-out for the values and the given verbs.
    ReplySinks sinks(ReplyVerbs &verbs) { return {*this, *this, *this, *this, *this, verbs}; }

    void connectionAppendStatus(const QString &text) override;

    void outputSetResolution(int index) override;
    void outputSet4kAuto(int index) override;
    void outputSetHdcp(int index) override;
    void outputSetVka(int index) override;
    void outputSetItc(int index) override;
    void outputSetUserResolution(quint32 width, quint32 height) override;

    void multiviewSetLayout(quint32 mode, bool readSync) override;
    void multiviewSetWindowSource(int window, int source) override;
    void multiviewSetAutoSwitch(int index) override;
    void multiviewSetInputResolutionText(const QString &text) override;
    void multiviewSetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize,
                                   quint32 vSize) override;
    void multiviewSetVariantCount(quint32 count) override;
    void multiviewSetLayoutVariant(int index) override;
    void multiviewSetPipPosition(int index) override;
    void multiviewSetPipSize(int index) override;
    void multiviewSetAspect(int index) override;

    void audioSetSource(int index) override;
    void audioSetVolume(int volume) override;
    void audioSetMute(int index) override;
    void audioSetMicLevel(int mic, int level) override;
    void audioSetSwitch(int channel, int index) override;

    void systemSetEdidSelection(int index) override;
    void systemSetVersionText(const QString &text) override;
    void systemUserEdidWritten() override;
    void systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                              const QString &gateway) override;
    void systemSetBaudRate(qint32 baudRate) override;

private:
    template <class Listener, class Change>
    void forEachList(Listener *listener, Change change)
    {
        static_assert(!std::is_same_v<Listener, ReplyFanOut>, "a fan-out cannot listen to itself");
        if constexpr (std::is_base_of_v<StatusLogSink, Listener>)
            change(m_status, static_cast<StatusLogSink *>(listener));
        if constexpr (std::is_base_of_v<OutputSink, Listener>)
            change(m_output, static_cast<OutputSink *>(listener));
        if constexpr (std::is_base_of_v<MultiviewSink, Listener>)
            change(m_multiview, static_cast<MultiviewSink *>(listener));
        if constexpr (std::is_base_of_v<AudioSink, Listener>)
            change(m_audio, static_cast<AudioSink *>(listener));
        if constexpr (std::is_base_of_v<SystemSink, Listener>)
            change(m_system, static_cast<SystemSink *>(listener));
    }

    // Calls the listeners on a snapshot of the list: one added or removed meanwhile takes part
    // from the next value on.
    template <class Sink, class Call>
    static void each(const QVector<Sink *> &list, Call call)
    {
        const QVector<Sink *> listeners = list;
        for (Sink *sink : listeners)
            call(*sink);
    }

    QVector<StatusLogSink *> m_status;
    QVector<OutputSink *> m_output;
    QVector<MultiviewSink *> m_multiview;
    QVector<AudioSink *> m_audio;
    QVector<SystemSink *> m_system;
};
