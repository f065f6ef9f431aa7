// What the output and multiview pages do with a reported value besides showing it: the
// follow-up queries (the user resolution after USER, the whole configuration after a bare
// layout reply, the free rectangle whenever the layout has one). A program without pages
// listens with this instead, so the device is asked exactly what the panel would ask.
#pragma once

#include "state/reply_sinks.h"

#include <functional>

class HeadlessPages final : public OutputSink, public MultiviewSink
{
public:
    // queued: called after a follow-up queued commands (the caller lets the link send).
    explicit HeadlessPages(std::function<void()> queued)
        : m_queued(std::move(queued))
    {
    }

    void outputSetResolution(int index) override;
    void outputSet4kAuto(int) override { }
    void outputSetHdcp(int) override { }
    void outputSetVka(int) override { }
    void outputSetItc(int) override { }
    void outputSetUserResolution(quint32, quint32) override { }

    void multiviewSetLayout(quint32 mode, bool readSync) override;
    void multiviewSetWindowSource(int, int) override { }
    void multiviewSetAutoSwitch(int) override { }
    void multiviewSetInputResolutionText(const QString &) override { }
    void multiviewSetUserRectangle(quint32, quint32, quint32, quint32) override { }
    void multiviewSetVariantCount(quint32) override { }
    void multiviewSetLayoutVariant(int) override { userRectangle(); }
    void multiviewSetPipPosition(int) override { userRectangle(); }
    void multiviewSetPipSize(int) override { userRectangle(); }
    void multiviewSetAspect(int) override { userRectangle(); }

    // Off: values are only taken, nothing is asked (a raw line whose answers are shown as
    // they come).
    void setEnabled(bool enabled) { m_enabled = enabled; }

private:
    void userRectangle();

    std::function<void()> m_queued;
    bool m_enabled = true;
};
