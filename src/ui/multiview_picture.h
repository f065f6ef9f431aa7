// Which layout picture the multiview page shows and when its user-rectangle group appears.
// Pure rules over the device's multiview values, kept apart from the widgets so that the
// naming can be checked for every device state (and against the pictures the build draws).
#pragma once

#include "state/model_traits.h"

#include <QString>
#include <QtGlobal>

// The device's multiview values the rules read (DeviceState fields of the same meaning).
struct MultiviewPictureState
{
    quint32 mode = 0; // 0 SINGLE, 1 PIP, 2 PBP, 3 3xWIN, 4 4xWIN
    quint32 maxMode = 0; // variants the device offers for the layout
    qint32 aspect = 0; // 0 FULL, 1 16:9
    qint32 modeIndex = 0; // zero-based variant
    quint32 pipPosition = 0; // 0 LeftTop .. 3 RightBottom, 4 USER
    quint32 pipSize = 0; // 0 SMALL .. 2 LARGE, 3 USER
};

// The values as DeviceState holds them now.
MultiviewPictureState Multiview_CurrentPictureState();

// Base name of the picture file ("SINGLE", "PIP_RightBottom_SMALL", "3xWIN_2_169",
// "PBP__FULL"); empty for a layout that has no picture. A PIP word or an aspect outside its
// list leaves that part empty; a variant the device does not offer leaves the middle empty.
QString Multiview_PictureName(const MultiviewPictureState &state);

// Runtime-relative path of a picture, for App_Path(): "/APP/Image/MultiView/<name>.png".
QString Multiview_PictureRelPath(const QString &name);

// The user-rectangle group: hidden, or shown with the caption naming what the four numbers
// describe (the captured part of window 1 in PBP's presenter variant, where window 2 is
// displayed in PIP with a USER position or size).
UserRectangleKind Multiview_UserRectangleKind(const MultiviewPictureState &state);
