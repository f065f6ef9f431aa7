// Replies owned by the multiview page. The layout-specific replies (PIP position and size,
// variant and aspect) only apply while the device is in a layout that has the option; in
// any other layout the page has no widget for them.
#include "state/reply_actions.h"

#include "app/language_texts.h"
#include "state/device_state.h"
#include "state/model_traits.h"
#include "state/vocabulary.h"

namespace {

constexpr std::string_view EmptyWindow = "NULL";

// The device counts variants from 1; 0 and anything past the sixth are no variant: the
// page's variant combo and the builders have nothing to name them with.
bool TakeLayoutVariant(qint32 number)
{
    if (number < 1 || number > MaxLayoutVariants)
        return false;
    DeviceState::layoutModeIndex = number - 1;
    return true;
}

int WindowInputIndex(ReplyPart part)
{
    return Reply_Lookup(part, WindowInputWords[DeviceState::modelIndex]);
}

// PIP position and size: stored and shown only while the layout is PIP.
void TakePipWord(const ReplyContext &c, WordList words, quint32 *stored,
                 void (MultiviewSink::*setter)(int))
{
    if (DeviceState::multiviewMode != ModePip)
        return;
    const int index = Reply_Lookup(c.value, words);
    if (index < 0)
        return;
    *stored = static_cast<quint32>(index);
    (c.sinks.multiview.*setter)(index);
}

// A stored source can date from a device of another model on an earlier link (sources are
// kept across links); one outside this model's list names no button and is not shown.
void PushWindowSources(MultiviewSink &multiview, int count)
{
    const auto sources = static_cast<quint32>(WindowInputWords[DeviceState::modelIndex].count);
    for (int window = 0; window < count && window < WindowCount; ++window) {
        const quint32 source = DeviceState::windowSource[window];
        if (source < sources)
            multiview.multiviewSetWindowSource(window, static_cast<int>(source));
    }
}

} // namespace

void Reply_AutoSwitch(const ReplyContext &c)
{
    const int index = Reply_Lookup(c.value, Reply_Words(OnOffWords));
    if (index >= 0)
        c.sinks.multiview.multiviewSetAutoSwitch(index);
}

void Reply_InSource(const ReplyContext &c)
{
    if (!Reply_ModelKnown())
        return;
    const int source = WindowInputIndex(c.value);
    if (source >= 0)
        c.sinks.multiview.multiviewSetWindowSource(0, source);
}

void Reply_InResolution(const ReplyContext &c)
{
    c.sinks.multiview.multiviewSetInputResolutionText(Reply_Latin1(c.value.text()));
}

// The page keeps the layout itself and asks for the full restatement (readSync).
void Reply_Layout(const ReplyContext &c)
{
    const int layout = Reply_Lookup(c.value, Reply_Words(MultiviewModeWords));
    if (layout >= 0)
        c.sinks.multiview.multiviewSetLayout(static_cast<quint32>(layout), true);
}

void Reply_WindowInput(const ReplyContext &c, int window)
{
    if (!Reply_ModelKnown())
        return;
    const int source = WindowInputIndex(c.value);
    if (source < 0)
        return;
    DeviceState::windowSource[window] = static_cast<quint32>(source);
    c.sinks.multiview.multiviewSetWindowSource(window, source);
}

void Reply_PipPosition(const ReplyContext &c)
{
    TakePipWord(c, Reply_Words(PipPositionWords), &DeviceState::pipPosition,
                &MultiviewSink::multiviewSetPipPosition);
}

void Reply_PipSize(const ReplyContext &c)
{
    TakePipWord(c, Reply_Words(PipSizeWords), &DeviceState::pipSize,
                &MultiviewSink::multiviewSetPipSize);
}

// "PBP MODE", "3xWIN MODE" and "4xWIN MODE" all apply in any of the three layouts.
void Reply_LayoutVariant(const ReplyContext &c)
{
    if (!Mode_HasVariants(DeviceState::multiviewMode))
        return;
    if (TakeLayoutVariant(Reply_ToInt32(c.value.text())))
        c.sinks.multiview.multiviewSetLayoutVariant(DeviceState::layoutModeIndex);
}

void Reply_LayoutAspect(const ReplyContext &c)
{
    if (!Mode_HasVariants(DeviceState::multiviewMode))
        return;
    const int index = Reply_Lookup(c.value, Reply_Words(AspectWords));
    if (index < 0)
        return;
    DeviceState::layoutAspect = index;
    c.sinks.multiview.multiviewSetAspect(index);
}

// A count of 0 is not stored, but the page still hears it (its variant combo empties).
void Reply_MaxMode(const ReplyContext &c)
{
    const quint32 count = Reply_ToUInt32(c.value.text());
    if (count != 0)
        DeviceState::layoutMaxMode = count;
    c.sinks.multiview.multiviewSetVariantCount(count);
    c.sinks.multiview.multiviewSetLayoutVariant(DeviceState::layoutModeIndex);
}

void Reply_UserRectangle(const ReplyContext &c)
{
    quint32 numbers[4];
    for (int i = 0; i < 4; ++i)
        numbers[i] = Reply_ToUInt32(Reply_Field(c.value, i + 1).text());
    c.sinks.multiview.multiviewSetUserRectangle(numbers[0], numbers[1], numbers[2], numbers[3]);
}

// "MULTIVIEW-SYNC <layout> <win1> <win2> <win3> <win4> <f6> <f7> [<f8>]": the whole
// multiview configuration in one line. Fields 6 to 8 mean different things per layout.
// Every value is stored first, then the page is brought up to date in one pass, the layout
// first because it decides which of the page's widgets exist.
void Reply_MultiviewSync(const ReplyContext &c)
{
    if (!Reply_ModelKnown())
        return;
    const ReplyPart value = c.value;
    const int layout = Reply_Lookup(Reply_Field(value, 1), Reply_Words(MultiviewModeWords));
    if (layout >= 0)
        DeviceState::multiviewMode = static_cast<quint32>(layout);
    for (int window = 0; window < WindowCount; ++window) {
        const ReplyPart field = Reply_Field(value, window + 2);
        if (Reply_FindToken(field.withEnd, EmptyWindow) >= 0)
            continue;
        const int source = WindowInputIndex(field);
        if (source >= 0)
            DeviceState::windowSource[window] = static_cast<quint32>(source);
    }

    const ReplyPart sixth = Reply_Field(value, 6);
    const ReplyPart seventh = Reply_Field(value, 7);
    const quint32 mode = DeviceState::multiviewMode;
    MultiviewSink &multiview = c.sinks.multiview;
    if (mode == ModePip) {
        const int position = Reply_Lookup(sixth, Reply_Words(PipPositionWords));
        if (position >= 0)
            DeviceState::pipPosition = static_cast<quint32>(position);
        const int size = Reply_Lookup(seventh, Reply_Words(PipSizeWords));
        if (size >= 0)
            DeviceState::pipSize = static_cast<quint32>(size);

        multiview.multiviewSetLayout(mode, false);
        multiview.multiviewSetPipPosition(static_cast<int>(DeviceState::pipPosition));
        multiview.multiviewSetPipSize(static_cast<int>(DeviceState::pipSize));
        PushWindowSources(multiview, Mode_WindowCount(ModePip));
    } else if (mode == ModeSingle) {
        // Auto switching is reported as "ON" unless the device says "OFF".
        const int autoSwitch = Reply_Lookup(seventh, Reply_Words(OnOffWords));

        multiview.multiviewSetLayout(mode, false);
        multiview.multiviewSetInputResolutionText(Reply_Latin1(sixth.text()));
        multiview.multiviewSetAutoSwitch(autoSwitch >= 0 ? autoSwitch : 0);
        PushWindowSources(multiview, Mode_WindowCount(ModeSingle));
    } else if (Mode_HasVariants(mode)) {
        const int aspect = Reply_Lookup(sixth, Reply_Words(AspectWords));
        if (aspect >= 0)
            DeviceState::layoutAspect = aspect;
        TakeLayoutVariant(Reply_ToInt32(seventh.text()));
        DeviceState::layoutMaxMode = Reply_ToUInt32(Reply_Field(value, 8).text());

        multiview.multiviewSetLayout(mode, false);
        multiview.multiviewSetAspect(DeviceState::layoutAspect);
        multiview.multiviewSetVariantCount(DeviceState::layoutMaxMode);
        multiview.multiviewSetLayoutVariant(DeviceState::layoutModeIndex);
        PushWindowSources(multiview, Mode_WindowCount(mode)); // PBP 2, 3xWIN 3, 4xWIN 4
    }
    Reply_SyncMessage(c.sinks.status, Ui_Multiview_AppName);
}
