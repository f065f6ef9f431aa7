// Building the multiview page: the mode frame with its option rows and the user-rectangle
// group, the picture frame, the scene frame, the read-all button; the text refresh.
#include "ui/ui_multiview.h"

#include "app/language_texts.h"
#include "state/device_state.h"
#include "ui/multiview_picture.h"
#include "ui/multiview_widgets.h"
#include "ui/my_ui_layout.h"
#include "ui/page_access_names.h"

#include <QIntValidator>

namespace {
constexpr int RowHeight = 26;
constexpr int Gap = 5;
constexpr int Margin = 10;

constexpr QRect ModeFrameRect(4, 10, 928, 168);
constexpr QRect PictureFrameRect(940, 10, 202, 114);
constexpr QRect SceneFrameRect(4, 186, 656, 64);
constexpr QRect ReadAllRect(4, 464, 100, RowHeight);

// Mode frame: the label and the five buttons in the first row, the option rows below.
constexpr int ModeLabelWidth = 110;
constexpr int ModeButtonWidth = 150;
constexpr int OptionRowY = 50;
constexpr int OptionLabelWidth = 150;
constexpr int OptionComboWidth = 140; // "RightBottom", "左下"
constexpr int UserRectangleY = 86;
constexpr int RectLabelWidth = 84;
constexpr int RectEditWidth = 60;
// The validator holds typed numbers to four digits; the device's own reports may be longer
// and are shown whole (up to the ten digits of any 32-bit number).
constexpr int RectTextMax = 10;

// Scene frame: the name label sits right of the save combo with the name edit under it.
constexpr int SceneLabelWidth = 80;
constexpr int SceneComboWidth = 140;
constexpr int LayoutNameWidth = 150;

// New texts for the same items: the choice on show stays (a first fill shows the first item).
void refillCombo(QComboBox *combo, const QString *texts, int count)
{
    const bool first = combo->count() == 0;
    const int keep = combo->currentIndex();
    combo->clear();
    for (int i = 0; i < count; ++i)
        combo->addItem(texts[i]);
    if (!first)
        combo->setCurrentIndex(keep < count ? keep : -1);
}

QRect optionLabelRect(int slot)
{
    return QRect(Margin + slot * (OptionLabelWidth + OptionComboWidth + 2 * Gap), OptionRowY,
                 OptionLabelWidth, RowHeight);
}

QRect optionComboRect(int slot)
{
    const QRect label = optionLabelRect(slot);
    return QRect(label.right() + 1 + Gap, label.y(), OptionComboWidth, RowHeight);
}
} // namespace

Ui_Multiview::Ui_Multiview(QWidget *parent)
    : QWidget(parent)
{
    buildModeFrame();
    buildPictureFrame();
    buildSceneFrame();
    buildSourceGrid();
    m_readAllButton = Multiview_Button(this, ReadAllRect);
    RefreshTexts(true, false);
    connectWidgets();
}

Ui_Multiview::~Ui_Multiview() = default;

void Ui_Multiview::buildModeFrame()
{
    m_modeFrame = new MyUiLayout(this);
    m_modeFrame->setGeometry(ModeFrameRect);
    m_multiviewLabel
        = Multiview_Label(m_modeFrame, QRect(Margin, Margin, ModeLabelWidth, RowHeight));
    for (int i = 0; i < ModeCount; ++i) {
        const int x = Margin + ModeLabelWidth + Gap + i * (ModeButtonWidth + Gap);
        m_modeButtons[i]
            = Multiview_Button(m_modeFrame, QRect(x, Margin, ModeButtonWidth, RowHeight));
    }
    m_aspectLabel = Multiview_Label(m_modeFrame, optionLabelRect(0));
    m_aspectCombo = Multiview_Combo(m_modeFrame, optionComboRect(0));
    m_variantLabel = Multiview_Label(m_modeFrame, optionLabelRect(1));
    m_variantCombo = Multiview_Combo(m_modeFrame, optionComboRect(1));
    m_positionLabel = Multiview_Label(m_modeFrame, optionLabelRect(0));
    m_positionCombo = Multiview_Combo(m_modeFrame, optionComboRect(0));
    m_sizeLabel = Multiview_Label(m_modeFrame, optionLabelRect(1));
    m_sizeCombo = Multiview_Combo(m_modeFrame, optionComboRect(1));
    // Nothing is known about the device yet: its options appear with its layout.
    placeOptionRows(ModeCount);
    buildUserRectangleGroup(m_modeFrame);
}

void Ui_Multiview::buildUserRectangleGroup(QWidget *frame)
{
    m_userRectGroup = new QWidget(frame);
    m_userRectGroup->setObjectName(QStringLiteral("UserRectangle"));
    m_userRectGroup->setGeometry(0, UserRectangleY, ModeFrameRect.width(),
                                 ModeFrameRect.height() - UserRectangleY);
    m_userRectCaption
        = Multiview_Label(m_userRectGroup, QRect(Margin, 0, OptionLabelWidth, RowHeight));
    // One validator for the four fields: the device takes 0 to 9999 for each.
    m_userRectValidator = Page_SizeValidator(this);
    const int y = RowHeight + 10;
    int x = Margin;
    for (int i = 0; i < UserRectangleFields; ++i) {
        m_userRectLabels[i]
            = Multiview_Label(m_userRectGroup, QRect(x, y, RectLabelWidth, RowHeight));
        x += RectLabelWidth + Gap;
        m_userRectEdits[i]
            = Multiview_Edit(m_userRectGroup, QRect(x, y, RectEditWidth, RowHeight), RectTextMax);
        m_userRectEdits[i]->setValidator(m_userRectValidator);
        x += RectEditWidth + Gap;
    }
    m_userRectRead = Multiview_Button(m_userRectGroup, QRect(x, y, 100, RowHeight));
    m_userRectWrite = Multiview_Button(m_userRectGroup, QRect(x + 100 + Gap, y, 100, RowHeight));
    m_userRectGroup->hide();
}

void Ui_Multiview::buildPictureFrame()
{
    m_pictureFrame = new MyUiLayout(this);
    m_pictureFrame->setObjectName(QStringLiteral("MultiviewPicture"));
    m_pictureFrame->setGeometry(PictureFrameRect);
    m_pictureLabel = new QLabel(m_pictureFrame);
    m_pictureLabel->setGeometry(2, 2, 200, 112);
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    m_pictureLabel->setScaledContents(true);
}

void Ui_Multiview::buildSceneFrame()
{
    m_sceneFrame = new MyUiLayout(this);
    m_sceneFrame->setGeometry(SceneFrameRect);
    const int top = 5;
    int x = Margin;
    m_saveLabel = Multiview_Label(m_sceneFrame, QRect(x, top, SceneLabelWidth, RowHeight));
    x += SceneLabelWidth + Gap;
    m_saveCombo = Multiview_Combo(m_sceneFrame, QRect(x, top, SceneComboWidth, RowHeight));
    x += SceneComboWidth + Gap;
    m_layoutNameLabel = Multiview_Label(m_sceneFrame, QRect(x, top, LayoutNameWidth, RowHeight));
    m_layoutNameEdit = Multiview_Edit(
        m_sceneFrame, QRect(x, top + RowHeight + 3, LayoutNameWidth, RowHeight), NameMaxLength);
    x += LayoutNameWidth + Gap;
    m_loadLabel = Multiview_Label(m_sceneFrame, QRect(x, top, SceneLabelWidth, RowHeight));
    x += SceneLabelWidth + Gap;
    m_loadCombo = Multiview_Combo(m_sceneFrame, QRect(x, top, SceneComboWidth, RowHeight));
}

void Ui_Multiview::connectWidgets()
{
    connect(m_modeButtons[0], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_Single);
    connect(m_modeButtons[1], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_PIP);
    connect(m_modeButtons[2], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_PBP);
    connect(m_modeButtons[3], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_3xWIN);
    connect(m_modeButtons[4], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_4xWIN);
    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(m_aspectCombo, activated, this, &Ui_Multiview::SLT_SetAspect);
    connect(m_variantCombo, activated, this, &Ui_Multiview::SLT_SetMode);
    connect(m_positionCombo, activated, this, &Ui_Multiview::SLT_SetPosition);
    connect(m_sizeCombo, activated, this, &Ui_Multiview::SLT_SetSize);
    connect(m_saveCombo, activated, this, &Ui_Multiview::SLT_SetSaveLayout);
    connect(m_loadCombo, activated, this, &Ui_Multiview::SLT_SetLoadLayout);
    connect(m_userRectRead, &QPushButton::clicked, this, &Ui_Multiview::SLT_ReadCaptureDisplayInfo);
    connect(m_userRectWrite, &QPushButton::clicked, this, &Ui_Multiview::SLT_SetCaptureDisplayInfo);
    connect(m_inputResolutionRead, &QPushButton::clicked, this,
            &Ui_Multiview::SLT_GetInputResolution);
    connect(m_autoSwitchOn, &QPushButton::clicked, this, &Ui_Multiview::SLT_BTN_AutoSwitch);
    connect(m_autoSwitchOff, &QPushButton::clicked, this, &Ui_Multiview::SLT_BTN_AutoSwitch);
    for (QPushButton *button : m_sourceButtons)
        connect(button, &QPushButton::clicked, this, &Ui_Multiview::SLT_BTN_WindowSignal);
    connect(m_renameEdit, &QLineEdit::returnPressed, this, &Ui_Multiview::SLT_ModifySourceName);
    connect(m_readAllButton, &QPushButton::clicked, this, &Ui_Multiview::SLT_ReadInfo_ALL);
}

void Ui_Multiview::RefreshTexts(bool first, bool readAll)
{
    m_multiviewLabel->setText(Slabel_Multiview);
    const QString *modeTexts[ModeCount] = {&SpushButton_Single, &SpushButton_PIP, &SpushButton_PBP,
                                           &SpushButton_3xWIN, &SpushButton_4xWIN};
    for (int i = 0; i < ModeCount; ++i)
        m_modeButtons[i]->setText(*modeTexts[i]);

    m_aspectLabel->setText(Slabel_Aspect);
    refillCombo(m_aspectCombo, ScomboBox_Aspect, 2);
    m_variantLabel->setText(Slabel_Mode);
    const quint32 offered = DeviceState::layoutMaxMode;
    const int variant = m_variantCombo->currentIndex();
    fillVariantCombo(
        first ? MaxLayoutVariants
              : (offered >= 1 && offered <= quint32(MaxLayoutVariants) ? int(offered) : 0));
    if (!first)
        m_variantCombo->setCurrentIndex(variant < m_variantCombo->count() ? variant : -1);
    m_positionLabel->setText(Slabel_Position);
    refillCombo(m_positionCombo, ScomboBox_Position, 5);
    m_sizeLabel->setText(Slabel_Size);
    refillCombo(m_sizeCombo, ScomboBox_Size, 4);

    const bool capture = Multiview_UserRectangleKind(Multiview_CurrentPictureState())
        == UserRectangleKind::Window1Capture;
    m_userRectCaption->setText(capture ? Slabel_CaptureDisplay_1 : Slabel_CaptureDisplay_2);
    const QString *rectTexts[UserRectangleFields]
        = {&Slabel_HStart, &Slabel_VStart, &Slabel_HSize, &Slabel_VSize};
    for (int i = 0; i < UserRectangleFields; ++i)
        m_userRectLabels[i]->setText(*rectTexts[i]);
    m_userRectRead->setText(S_ReadWrite[0]);
    m_userRectWrite->setText(S_ReadWrite[1]);
    m_userRectGroup->hide();

    m_saveLabel->setText(Slabel_SaveLayout);
    m_loadLabel->setText(Slabel_LoadLayout);
    m_layoutNameLabel->setText(Slabel_LayoutName);
    refillCombo(m_saveCombo, ScomboBox_Layout, SceneCount);
    refillCombo(m_loadCombo, ScomboBox_Layout, SceneCount);

    setGridTexts();
    m_readAllButton->setText(S_ReadWrite[0]);
    if (first)
        showSingleRows(false);
    Access_NameMultiview(*this);
    if (readAll)
        PressReadAll();
}

// The first `count` of the six variant names; a count the combo cannot offer leaves it empty.
void Ui_Multiview::fillVariantCombo(int count)
{
    m_variantCombo->clear();
    if (count < 1 || count > MaxLayoutVariants)
        return;
    for (int i = 0; i < count; ++i)
        m_variantCombo->addItem(ScomboBox_Mode[i]);
}

void Ui_Multiview::placeOptionRows(quint32 mode)
{
    const bool pip = mode == ModePip;
    const bool variants = Mode_HasVariants(mode);
    QWidget *rows[2][2] = {{m_aspectLabel, m_aspectCombo}, {m_variantLabel, m_variantCombo}};
    QWidget *pipRows[2][2] = {{m_positionLabel, m_positionCombo}, {m_sizeLabel, m_sizeCombo}};
    for (int slot = 0; slot < 2; ++slot) {
        for (auto [widgets, shown] :
             {std::pair {rows[slot], variants}, std::pair {pipRows[slot], pip}}) {
            widgets[0]->setGeometry(optionLabelRect(slot));
            widgets[1]->setGeometry(optionComboRect(slot));
            widgets[0]->setVisible(shown);
            widgets[1]->setVisible(shown);
        }
    }
}

QPushButton *Ui_Multiview::modeButton(int mode) const
{
    return mode >= 0 && mode < ModeCount ? m_modeButtons[mode] : nullptr;
}

QLineEdit *Ui_Multiview::userRectangleEdit(int field) const
{
    return field >= 0 && field < UserRectangleFields ? m_userRectEdits[field] : nullptr;
}
