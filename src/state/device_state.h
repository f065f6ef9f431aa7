// Device values parsed from the replies, shared by the dispatcher, the pages and the
// command builders. Plain process-wide values: only the GUI thread touches them.
#pragma once

#include "state/model_traits.h"

#include <QtGlobal>

namespace DeviceState {

using ::NoModel; // model_traits.h

extern quint8 modelIndex; // ModelHalden .. ModelBrimo; NoModel until identified
extern bool modelIdentified; // a "MODEL TYPE" reply was handled on this link
extern qint32 inputSourceCount; // length of the model's window-input list
extern quint32 multiviewMode; // ModeSingle .. Mode4xWin
extern quint32 layoutMaxMode; // layout variants the device offers for the layout
extern qint32 layoutAspect; // 0 FULL, 1 16:9
extern qint32 layoutModeIndex; // zero-based variant (the device counts from 1)
extern quint32 pipPosition; // 0 LeftTop .. 3 RightBottom, 4 USER
extern quint32 pipSize; // 0 SMALL, 1 MIDDLE, 2 LARGE, 3 USER
extern quint32 windowSource[WindowCount]; // per window, index into the model's window-input list

// Back to the start values (tests and a fresh process only; the program never resets
// the model once identified).
void ResetForTesting();

} // namespace DeviceState
