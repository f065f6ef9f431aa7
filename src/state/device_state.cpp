#include "state/device_state.h"

namespace DeviceState {

quint8 modelIndex = NoModel;
bool modelIdentified = false;
qint32 inputSourceCount = 0;
quint32 multiviewMode = 0;
quint32 layoutMaxMode = 0;
qint32 layoutAspect = 0;
qint32 layoutModeIndex = 0;
quint32 pipPosition = 0;
quint32 pipSize = 0;
quint32 windowSource[WindowCount] = {0, 0, 0, 0};

void ResetForTesting()
{
    modelIndex = NoModel;
    modelIdentified = false;
    inputSourceCount = 0;
    multiviewMode = 0;
    layoutMaxMode = 0;
    layoutAspect = 0;
    layoutModeIndex = 0;
    pipPosition = 0;
    pipSize = 0;
    for (quint32 &source : windowSource)
        source = 0;
}

} // namespace DeviceState
