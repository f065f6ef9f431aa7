// Running a planned call through the command catalogue: the same builders the pages use, so
// the bytes on the wire are the panel's own.
#include "link/command_catalogue.h"
#include "profile/profile_plan.h"

void PlanCall::run() const
{
    const int a = args[0];
    const int b = args[1];
    switch (builder) {
    case PlanBuilder::SetOutHdcp:
        return CmdSetOutHdcp(a);
    case PlanBuilder::SetOutVka:
        return CmdSetOutVka(a);
    case PlanBuilder::SetOutItc:
        return CmdSetOutItc(a);
    case PlanBuilder::SetOut4kAuto:
        return CmdSetOut4kAuto(a);
    case PlanBuilder::SetMultiview:
        return CmdSetMultiview(a);
    case PlanBuilder::SetAspect:
        return CmdSetAspect(a);
    case PlanBuilder::SetMode:
        return CmdSetMode(a);
    case PlanBuilder::SetPipPos:
        return CmdSetPipPos(a);
    case PlanBuilder::SetPipSize:
        return CmdSetPipSize(a);
    case PlanBuilder::SetAutoSwitch:
        return CmdSetAutoSwitch(a);
    case PlanBuilder::SetWindowIn:
        return CmdSetWindowIn(static_cast<unsigned>(a), static_cast<unsigned>(b));
    case PlanBuilder::SetUserLayout:
        return CmdSetUserLayout(a, b, args[2], args[3]);
    case PlanBuilder::SetAudioSource:
        return CmdSetAudioSource(static_cast<unsigned>(a));
    case PlanBuilder::SetAudioVol:
        return CmdSetAudioVol(static_cast<unsigned>(a));
    case PlanBuilder::SetAudioMute:
        return CmdSetAudioMute(a);
    case PlanBuilder::SetMainAudioOnoff:
        return CmdSetMainAudioOnoff(a);
    case PlanBuilder::SetMicOnoff:
        return CmdSetMicOnoff(a, b);
    case PlanBuilder::SetMicVol:
        return CmdSetMicVol(a, static_cast<unsigned>(b));
    case PlanBuilder::SetInEdidMode:
        return CmdSetInEdidMode(a);
    case PlanBuilder::SetResoUser:
        return CmdSetResoUser(a, b);
    case PlanBuilder::SetOutResolution:
        return CmdSetOutResolution(a);
    case PlanBuilder::SetNetworkInfo:
        return CmdSetNetworkInfo(texts[0], texts[1], texts[2], texts[3]);
    case PlanBuilder::SetBaudrate:
        return CmdSetBaudrate(a);
    }
}
