// Output page commands: resolution, user resolution, HDCP, VKA, ITC, 4K-AUTO.
#include "link/cmd_compose.h"
#include "link/command_catalogue.h"
#include "state/device_state.h"
#include "state/model_traits.h"

void CmdSetOutResolution(int index)
{
    // The device re-times its output and answers nothing useful for a while.
    Cmd_SetWord("OUT RESOLUTION", Words(OutResolutionWords), index, CmdPacing::Pause);
}

void CmdGetOutResolution()
{
    Cmd_Get("OUT RESOLUTION");
}

void CmdSetResoUser(int width, int height)
{
    CmdText value;
    value.addNumber(width).space().addNumber(height);
    Cmd_Set("RESO-USER", value, CmdPacing::Pause);
}

void CmdGetResoUser()
{
    Cmd_Get("RESO-USER");
}

void CmdSetOutHdcp(int index)
{
    Cmd_SetWord("OUT HDCP", Words(HdcpWords), index);
}

void CmdGetOutHdcp()
{
    Cmd_Get("OUT HDCP");
}

void CmdSetOutVka(int index)
{
    Cmd_SetWord("OUT VKA", Words(VkaWords), index);
}

void CmdGetOutVka()
{
    Cmd_Get("OUT VKA");
}

void CmdSetOutItc(int index)
{
    Cmd_SetWord("OUT ITC", Words(OnOffWords), index);
}

void CmdGetOutItc()
{
    Cmd_Get("OUT ITC");
}

void CmdSetOut4kAuto(int index)
{
    Cmd_SetWord("OUT 4K-AUTO", Words(OnOffWords), index);
}

void CmdGetOut4kAuto()
{
    if (!Model_Has4kAuto(DeviceState::modelIndex))
        return;
    Cmd_Get("OUT 4K-AUTO");
}
