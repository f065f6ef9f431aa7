// The operator's actions on the multiview page. Each queues one command (or nothing when the
// catalogue refuses it in the device's present state) and announces it with SGL_UpdateEmit;
// the widgets change when the device's reply comes back, except where noted.
#include "ui/ui_multiview.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "link/page_requests.h"
#include "state/model_traits.h"
#include "ui/message_box.h"
#include "ui/multiview_widgets.h"


void Ui_Multiview::queued()
{
    emit SGL_UpdateEmit();
}

void Ui_Multiview::setWindowMode(quint32 mode)
{
    CmdSetMultiview(int(mode));
    queued();
}

void Ui_Multiview::SLT_WindowMode_Single(bool)
{
    setWindowMode(ModeSingle);
}

void Ui_Multiview::SLT_WindowMode_PIP(bool)
{
    setWindowMode(ModePip);
}

void Ui_Multiview::SLT_WindowMode_PBP(bool)
{
    setWindowMode(ModePbp);
}

void Ui_Multiview::SLT_WindowMode_3xWIN(bool)
{
    setWindowMode(Mode3xWin);
}

void Ui_Multiview::SLT_WindowMode_4xWIN(bool)
{
    setWindowMode(Mode4xWin);
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

// The device drags the other side of the PIP rectangle along; the page shows that at once, so
// both combos and the user-rectangle command agree before any reply arrives.
void Ui_Multiview::SLT_SetPosition(int index)
{
    const int size = Request_PipPosition(index, m_sizeCombo->currentIndex());
    if (size >= 0)
        m_sizeCombo->setCurrentIndex(size);
    queued();
}

void Ui_Multiview::SLT_SetSize(int index)
{
    const int position = Request_PipSize(index, m_positionCombo->currentIndex());
    if (position >= 0)
        m_positionCombo->setCurrentIndex(position);
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
    Request_MultiviewReadAll();
    queued();
}
