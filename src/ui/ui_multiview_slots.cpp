// The operator's actions on the multiview page. Each queues one command (or nothing when the
// catalogue refuses it in the device's present state) and announces it with SGL_UpdateEmit;
// the widgets change when the device's reply comes back, except where noted.
#include "ui/ui_multiview.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "state/device_state.h"
#include "ui/message_box.h"
#include "ui/multiview_widgets.h"

namespace {
constexpr int PositionUser = 4;
constexpr int PositionFallback = 3; // RightBottom
constexpr int SizeUser = 3;
constexpr int SizeFallback = 2; // LARGE
} // namespace

void Ui_Multiview::queued()
{
    emit SGL_UpdateEmit();
}

void Ui_Multiview::setWindowMode(int mode)
{
    CmdSetMultiview(mode);
    queued();
}

void Ui_Multiview::SLT_WindowMode_Single(bool)
{
    setWindowMode(0);
}

void Ui_Multiview::SLT_WindowMode_PIP(bool)
{
    setWindowMode(1);
}

void Ui_Multiview::SLT_WindowMode_PBP(bool)
{
    setWindowMode(2);
}

void Ui_Multiview::SLT_WindowMode_3xWIN(bool)
{
    setWindowMode(3);
}

void Ui_Multiview::SLT_WindowMode_4xWIN(bool)
{
    setWindowMode(4);
}

void Ui_Multiview::SLT_SetAspect(int index)
{
    CmdSetAspect(index);
    queued();
}

void Ui_Multiview::SLT_SetMode(int index)
{
    CmdSetMode(index + 1); // the device counts variants from 1
    queued();
}

// A USER position and a USER size describe one free rectangle, so the device drags the other
// side along (and back to a fixed value when one side leaves USER). The page mirrors that at
// once, so both combos and the user-rectangle command agree before any reply arrives.
void Ui_Multiview::applyPipCoupling(QComboBox *touched, int index)
{
    const bool position = touched == m_positionCombo;
    QComboBox *other = position ? m_sizeCombo : m_positionCombo;
    quint32 *otherState = position ? &DeviceState::pipSize : &DeviceState::pipPosition;
    const int ownUser = position ? PositionUser : SizeUser;
    const int otherUser = position ? SizeUser : PositionUser;
    const int otherFallback = position ? SizeFallback : PositionFallback;
    int value = -1;
    if (index == ownUser)
        value = otherUser;
    else if (other->currentIndex() == otherUser)
        value = otherFallback;
    if (value < 0)
        return;
    other->setCurrentIndex(value);
    *otherState = quint32(value);
}

void Ui_Multiview::SLT_SetPosition(int index)
{
    applyPipCoupling(m_positionCombo, index);
    CmdSetPipPos(index);
    queued();
}

void Ui_Multiview::SLT_SetSize(int index)
{
    applyPipCoupling(m_sizeCombo, index);
    CmdSetPipSize(index);
    queued();
}

void Ui_Multiview::SLT_ReadCaptureDisplayInfo()
{
    CmdGetUserLayout();
    queued();
}

// Sends exactly what the four fields show (an empty one counts 0). A field that cannot be
// sent as shown (a value beyond 9999 that the device itself reported) refuses the whole
// Write and is marked, instead of going back to the device as some other number.
void Ui_Multiview::SLT_SetCaptureDisplayInfo()
{
    int values[UserRectangleFields] = {};
    bool sendable = true;
    for (int i = 0; i < UserRectangleFields; ++i) {
        values[i] = Page_SizeFieldValue(m_userRectEdits[i]->text());
        if (values[i] < 0) {
            sendable = false;
            Page_MarkRefused(m_userRectEdits[i],
                             Extra_Text(Page_NumberRefusedText).arg(Page_SizeMaximum));
        }
    }
    if (!sendable)
        return;
    CmdSetUserLayout(values[0], values[1], values[2], values[3]);
    queued();
}

// Save scene index + 1; a typed name becomes the scene's name (a language value, kept with the
// language file at its next save).
void Ui_Multiview::SLT_SetSaveLayout(int index)
{
    if (index < 0 || index >= SceneCount)
        return;
    if (!MessageBox_Confirm(SMSG_SaveMessage, this))
        return;
    CmdSetSaveScene(index + 1);
    queued();
    const QString name = Multiview_CleanName(m_layoutNameEdit->text());
    if (name.isEmpty())
        return;
    ScomboBox_Layout[index] = name;
    m_saveCombo->setItemText(index, name);
    m_loadCombo->setItemText(index, name);
    m_layoutNameEdit->clear();
}

void Ui_Multiview::SLT_SetLoadLayout(int index)
{
    if (index < 0 || index >= SceneCount)
        return;
    if (!MessageBox_Confirm(SMSG_LoadMessage, this))
        return;
    CmdSetLoadScene(index + 1);
    queued();
}

void Ui_Multiview::SLT_GetInputResolution()
{
    CmdGetInResolution();
    queued();
}

// "AutoSwitch1" is the On button, "AutoSwitch0" the Off button; the device's list is ON, OFF.
void Ui_Multiview::SLT_BTN_AutoSwitch(bool)
{
    const QObject *button = sender();
    if (!button)
        return;
    bool ok = false;
    const int n = button->objectName().mid(10).toInt(&ok);
    if (!ok || (n != 0 && n != 1))
        return;
    CmdSetAutoSwitch(1 - n);
    queued();
}

void Ui_Multiview::SLT_ReadInfo_ALL()
{
    CmdGetMultiviewSync();
    queued();
}
