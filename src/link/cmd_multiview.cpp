// Multiview page commands: layout, aspect and variant, PIP, user window, scenes, input,
// auto-switch and window sources. Most apply only to some layouts.
#include "link/cmd_compose.h"
#include "link/command_catalogue.h"
#include "state/device_state.h"
#include "state/model_traits.h"

namespace {

bool IsLayout(quint32 layout)
{
    return DeviceState::multiviewMode == layout;
}

// PBP, 3xWIN and 4xWIN carry their own aspect and variant, addressed as "<layout> <what>".
bool LayoutItem(const char *what, CmdText *item)
{
    const quint32 mode = DeviceState::multiviewMode;
    if (!Mode_HasVariants(mode))
        return false;
    *item = Cmd_Pair(MultiviewModeWords[mode], what);
    return true;
}

const char *UserLayoutItem()
{
    switch (Mode_UserRectangle(DeviceState::multiviewMode, DeviceState::pipPosition,
                               DeviceState::pipSize, DeviceState::layoutModeIndex)) {
    case UserRectangleKind::Window2Display:
        return "PIP USER";
    case UserRectangleKind::Window1Capture:
        return "PBP-PRESENTER";
    case UserRectangleKind::Hidden:
        break;
    }
    return nullptr;
}

} // namespace

void CmdSetMultiview(int index)
{
    Cmd_SetWord("MULTIVIEW", Words(MultiviewModeWords), index);
}

void CmdGetMultiview()
{
    Cmd_Get("MULTIVIEW");
}

void CmdGetMultiviewSync()
{
    Cmd_Get("MULTIVIEW-SYNC");
}

void CmdSetAspect(int index)
{
    CmdText item;
    if (LayoutItem("ASPECT", &item))
        Cmd_SetWord(item, Words(AspectWords), index);
}

void CmdGetAspect()
{
    CmdText item;
    if (LayoutItem("ASPECT", &item))
        Cmd_Get(item);
}

void CmdSetMode(int n)
{
    CmdText item;
    if (LayoutItem("MODE", &item))
        Cmd_Set(item, CmdText().addNumber(n));
}

void CmdGetMode()
{
    CmdText item;
    if (LayoutItem("MODE", &item))
        Cmd_Get(item);
}

void CmdSetPipPos(int index)
{
    if (IsLayout(ModePip))
        Cmd_SetWord("PIP POS", Words(PipPositionWords), index);
}

void CmdGetPipPos()
{
    if (IsLayout(ModePip))
        Cmd_Get("PIP POS");
}

void CmdSetPipSize(int index)
{
    if (IsLayout(ModePip))
        Cmd_SetWord("PIP SIZE", Words(PipSizeWords), index);
}

void CmdGetPipSize()
{
    if (IsLayout(ModePip))
        Cmd_Get("PIP SIZE");
}

void CmdSetUserLayout(int a, int b, int c, int d)
{
    const char *item = UserLayoutItem();
    if (item == nullptr)
        return;
    CmdText value;
    value.addNumber(a).space().addNumber(b).space().addNumber(c).space().addNumber(d);
    Cmd_Set(item, value);
}

void CmdGetUserLayout()
{
    if (const char *item = UserLayoutItem())
        Cmd_Get(item);
}

void CmdSetSaveScene(int n)
{
    Cmd_Set("SAVE SCENE", CmdText().addNumber(n), CmdPacing::AwaitReply, CmdMerge::Never);
}

void CmdSetLoadScene(int n)
{
    Cmd_Set("LOAD SCENE", CmdText().addNumber(n), CmdPacing::AwaitReply, CmdMerge::Never);
}

void CmdGetInResolution()
{
    if (IsLayout(ModeSingle))
        Cmd_Get("IN RESOLUTION");
}

void CmdSetAutoSwitch(int index)
{
    if (IsLayout(ModeSingle))
        Cmd_SetWord("AUTO SWITCH", Words(OnOffWords), index);
}

void CmdGetAutoSwitch()
{
    if (IsLayout(ModeSingle))
        Cmd_Get("AUTO SWITCH");
}

void CmdSetWindowIn(unsigned window, unsigned source)
{
    const quint8 model = DeviceState::modelIndex;
    if (window >= static_cast<unsigned>(WindowCount) || !Model_Known(model))
        return;
    Cmd_SetWord(Cmd_Pair(WindowWords[window], "IN"), WindowInputWords[model], source);
}

void CmdGetWindowIn(unsigned window)
{
    const quint32 mode = DeviceState::multiviewMode;
    if (mode >= quint32(ModeCount) || window >= static_cast<unsigned>(WindowsPerMode[mode]))
        return;
    Cmd_Get(Cmd_Pair(WindowWords[window], "IN"));
}
