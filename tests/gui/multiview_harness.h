// Shared by the multiview page tests: the commands the page queued (read off the TCP link's
// send queue, as the bytes that would go on the wire), and a ReplyPages that records every
// call and hands the multiview ones to a real page, so reply lines travel through the real
// dispatcher exactly as they do in the panel.
#pragma once

#include "link/link_context.h"
#include "state/device_state.h"
#include "state/reply_dispatcher.h"
#include "state/vocabulary.h"
#include "support/test_runtime.h"
#include "ui/ui_multiview.h"
#include "unit/state/recording_pages.h"

#include <QList>
#include <mutex>

// The TCP link is the active one, with an empty send queue.
inline void Multiview_ResetLink()
{
    LinkMode = LinkModeTcp;
    Queue_Release(TcpLinkContext);
    Queue_Reset(TcpLinkContext);
}

// Every queued command, oldest first, CR included.
inline QList<QByteArray> Multiview_Queued()
{
    QList<QByteArray> out;
    std::lock_guard<std::mutex> lock(TcpLinkContext.sendLock);
    const CommandQueue &queue = TcpLinkContext.sendQueue;
    if (!queue.isPresent())
        return out;
    for (const CommandNode *node = queue.sentinel->next; node != queue.sentinel; node = node->next)
        out.append(QByteArray(node->data, node->length));
    return out;
}

// Returns what is queued and empties the queue.
inline QList<QByteArray> Multiview_TakeQueued()
{
    const QList<QByteArray> out = Multiview_Queued();
    Multiview_ResetLink();
    return out;
}

// The wire lines of the given commands, CR included.
inline QByteArrayList Lines(std::initializer_list<const char *> lines)
{
    QByteArrayList out;
    for (const char *line : lines)
        out.append(QByteArray(line) + '\r');
    return out;
}

// One scratch runtime (with the pictures) for a test program; reset() before each test puts
// the texts, the device state and the link back to their start.
struct MultiviewTestRun
{
    TestRuntime runtime;

    MultiviewTestRun() { runtime.copyPictures(); }
    ~MultiviewTestRun() { LinkMode = LinkModeNone; }
    void reset()
    {
        TestRuntime::restoreDefaults();
        DeviceState::ResetForTesting();
        Multiview_ResetLink();
    }
};

class MultiviewPages : public RecordingPages
{
public:
    explicit MultiviewPages(Ui_Multiview &page)
        : m_page(page)
    { }

    // One reply line (CR appended) through the dispatcher.
    void reply(const QByteArray &line) { Reply_DispatchBytes((line + '\r').toStdString(), *this); }

    // A model as the dispatcher identifies it (the page applies it and reads everything).
    void identify(int model)
    {
        DeviceState::modelIdentified = false;
        reply(QByteArray("MODEL TYPE ") + ModelNames[model]);
    }

    void multiviewApplyModel() override
    {
        RecordingPages::multiviewApplyModel();
        m_page.ApplyModel();
    }
    void multiviewPressReadAll() override
    {
        RecordingPages::multiviewPressReadAll();
        m_page.PressReadAll();
    }
    void multiviewSetLayout(quint32 mode, bool readSync) override
    {
        RecordingPages::multiviewSetLayout(mode, readSync);
        m_page.SetLayout(mode, readSync);
    }
    void multiviewSetWindowSource(int window, int source) override
    {
        RecordingPages::multiviewSetWindowSource(window, source);
        m_page.SetWindowSource(window, source);
    }
    void multiviewSetAutoSwitch(int index) override
    {
        RecordingPages::multiviewSetAutoSwitch(index);
        m_page.SetAutoSwitch(index);
    }
    void multiviewSetInputResolutionText(const QString &text) override
    {
        RecordingPages::multiviewSetInputResolutionText(text);
        m_page.SetInputResolutionText(text);
    }
    void multiviewSetUserRectangle(quint32 a, quint32 b, quint32 c, quint32 d) override
    {
        RecordingPages::multiviewSetUserRectangle(a, b, c, d);
        m_page.SetUserRectangle(a, b, c, d);
    }
    void multiviewSetVariantCount(quint32 count) override
    {
        RecordingPages::multiviewSetVariantCount(count);
        m_page.SetVariantCount(count);
    }
    void multiviewSetLayoutVariant(int index) override
    {
        RecordingPages::multiviewSetLayoutVariant(index);
        m_page.SetLayoutVariant(index);
    }
    void multiviewSetPipPosition(int index) override
    {
        RecordingPages::multiviewSetPipPosition(index);
        m_page.SetPipPosition(index);
    }
    void multiviewSetPipSize(int index) override
    {
        RecordingPages::multiviewSetPipSize(index);
        m_page.SetPipSize(index);
    }
    void multiviewSetAspect(int index) override
    {
        RecordingPages::multiviewSetAspect(index);
        m_page.SetAspect(index);
    }

private:
    Ui_Multiview &m_page;
};
