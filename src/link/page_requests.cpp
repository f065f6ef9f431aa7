#include "link/page_requests.h"

#include "link/command_catalogue.h"
#include "link/link_context.h"
#include "state/device_state.h"
#include "state/link_settings.h"

void Request_OutputReadAll()
{
    CmdGetOutResolution();
    CmdGetOutHdcp();
    CmdGetOutVka();
    CmdGetOutItc();
    CmdGetOut4kAuto(); // queues nothing on a Corvo
}

void Request_MultiviewReadAll()
{
    CmdGetMultiviewSync();
}

void Request_AudioReadAll()
{
    CmdGetAudioSource();
    CmdGetAudioVol();
    CmdGetAudioMute();
    if (!Model_HasMicrophones(DeviceState::modelIndex))
        return;
    CmdGetMainAudioOnoff();
    for (int mic = 0; mic < 2; ++mic) {
        CmdGetMicOnoff(mic);
        CmdGetMicVol(mic);
    }
}

// Only the settings of the link in use are read: their reply refreshes the connection.
bool Request_SystemReadAll()
{
    CmdGetInEdidMode();
    if (LinkMode == LinkModeTcp) {
        Request_NetworkQuery();
        return true;
    }
    if (LinkMode == LinkModeSerial) {
        Request_BaudRateQuery();
        return true;
    }
    return false;
}

// Remembered as reads: their answers never count as the answer to a write.
void Request_NetworkQuery()
{
    LinkSettings_Requested(LinkSettingsItem::Network, false);
    CmdGetNetworkInfo();
}

void Request_BaudRateQuery()
{
    LinkSettings_Requested(LinkSettingsItem::BaudRate, false);
    CmdGetBaudrate();
}

// Choosing USER pauses the link, and only the reply naming USER proves the device switched:
// then its width and height are worth asking for.
bool Request_AfterOutputResolution(int index)
{
    if (index != OutResolutionUser)
        return false;
    CmdGetResoUser();
    return true;
}

// Stored whatever its value: the builders then send nothing layout-specific for a layout
// they do not know.
void Request_AfterLayout(quint32 mode, bool readSync)
{
    DeviceState::multiviewMode = mode;
    if (readSync)
        CmdGetMultiviewSync();
}

UserRectangleKind Request_UserRectangle()
{
    const UserRectangleKind kind
        = Mode_UserRectangle(DeviceState::multiviewMode, DeviceState::pipPosition,
                             DeviceState::pipSize, DeviceState::layoutModeIndex);
    if (kind != UserRectangleKind::Hidden)
        CmdGetUserLayout();
    return kind;
}

namespace {
// The other side's value after one side was chosen, or -1 when it stays.
int CoupledValue(int chosen, int chosenUser, int otherShown, int otherUser, int otherFallback)
{
    if (chosen == chosenUser)
        return otherUser;
    if (otherShown == otherUser)
        return otherFallback;
    return -1;
}
} // namespace

int Request_PipPosition(int position, int sizeShown)
{
    const int size = CoupledValue(position, int(PipPositionUser), sizeShown, int(PipSizeUser),
                                  int(PipSizeLarge));
    if (size >= 0)
        DeviceState::pipSize = quint32(size);
    CmdSetPipPos(position);
    return size;
}

int Request_PipSize(int size, int positionShown)
{
    const int position = CoupledValue(size, int(PipSizeUser), positionShown, int(PipPositionUser),
                                      int(PipPositionRightBottom));
    if (position >= 0)
        DeviceState::pipPosition = quint32(position);
    CmdSetPipSize(size);
    return position;
}
