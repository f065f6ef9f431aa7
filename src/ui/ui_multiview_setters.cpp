// The device's multiview values arriving at the page (its MultiviewSink): the reply dispatcher
// calls these after it has stored the values in DeviceState.
#include "ui/ui_multiview.h"

#include "app/app_paths.h"
#include "app/language_texts.h"
#include "link/page_requests.h"
#include "state/device_state.h"
#include "state/model_traits.h"
#include "ui/multiview_picture.h"
#include "ui/page_access.h"
#include "ui/page_access_names.h"
#include "ui/page_widgets.h"
#include "ui/picture_cache.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

void Ui_Multiview::ApplyModel()
{
    if (Model_Known(DeviceState::modelIndex))
        updateGridVisibility();
}

// The reads go out also while the page is disabled (the device is being identified).
void Ui_Multiview::PressReadAll()
{
    SLT_ReadInfo_ALL();
}

// readSync: a bare layout reply, so the page asks for the whole configuration.
void Ui_Multiview::multiviewSetLayout(quint32 mode, bool readSync)
{
    Request_AfterLayout(mode, readSync);
    applyLayout(mode);
    updatePicture();
    queued();
}

void Ui_Multiview::applyLayout(quint32 mode)
{
    if (mode >= quint32(ModeCount))
        return;
    for (int i = 0; i < ModeCount; ++i)
        Access_SetChoice(m_modeButtons[i], quint32(i) == mode);
    if (Model_Known(DeviceState::modelIndex))
        updateGridVisibility();
    placeOptionRows(mode);
    showSingleRows(mode == ModeSingle);
}

// The picture of the layout, then the user-rectangle group, whose numbers are asked for
// whenever it shows (the rectangle may have changed with a scene or on the device itself).
void Ui_Multiview::updatePicture()
{
    const QString name = Multiview_PictureName(Multiview_CurrentPictureState());
    if (!name.isEmpty())
        showPicture(Multiview_PictureRelPath(name));

    const UserRectangleKind kind = Request_UserRectangle();
    if (kind == UserRectangleKind::Hidden) {
        m_userRectGroup->hide();
        return;
    }
    m_userRectCaption->setText(kind == UserRectangleKind::Window1Capture ? Slabel_CaptureDisplay_1
                                                                         : Slabel_CaptureDisplay_2);
    m_userRectGroup->show();
    Access_NameMultiview(*this); // the rectangle's fields are named after its caption
    queued();
}

// The picture on show stays untouched while its name stays: a restatement calls several
// setters in a row, and most replies leave the layout as it was. A missing file keeps the
// previous picture.
void Ui_Multiview::showPicture(const QString &relative)
{
    if (relative == m_shownPicture)
        return;
    // Kept at the size it is shown rather than the file's (a quarter of the pixels here).
    m_pictureLabel->ensurePolished();
    const qreal ratio = m_pictureLabel->devicePixelRatioF();
    const QPixmap picture = Picture_GetScaled(App_Path(relative),
                                              m_pictureLabel->contentsRect().size() * ratio, ratio);
    if (picture.isNull())
        return;
    m_pictureLabel->setPixmap(picture);
    m_shownPicture = relative;
    ++m_pictureChanges;
}

void Ui_Multiview::multiviewSetAutoSwitch(int index)
{
    Access_SetChoice(m_autoSwitchOn, index == 0);
    Access_SetChoice(m_autoSwitchOff, index != 0);
}

void Ui_Multiview::multiviewSetInputResolutionText(const QString &text)
{
    m_inputResolutionEdit->clear();
    m_inputResolutionEdit->setText(text);
}

void Ui_Multiview::multiviewSetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize,
                                             quint32 vSize)
{
    const quint32 values[UserRectangleFields] = {hStart, vStart, hSize, vSize};
    for (int i = 0; i < UserRectangleFields; ++i)
        Page_ShowText(m_userRectEdits[i], QString::number(values[i]));
}

void Ui_Multiview::multiviewSetVariantCount(quint32 count)
{
    fillVariantCombo(count <= quint32(MaxLayoutVariants) ? int(count) : 0);
}

// An index outside a combo's list leaves the combo without a choice.
void Ui_Multiview::multiviewSetPipPosition(int index)
{
    m_positionCombo->setCurrentIndex(index);
    updatePicture();
}

void Ui_Multiview::multiviewSetPipSize(int index)
{
    m_sizeCombo->setCurrentIndex(index);
    updatePicture();
}

void Ui_Multiview::multiviewSetAspect(int index)
{
    m_aspectCombo->setCurrentIndex(index);
    updatePicture();
}

void Ui_Multiview::multiviewSetLayoutVariant(int index)
{
    m_variantCombo->setCurrentIndex(index);
    updatePicture();
}
