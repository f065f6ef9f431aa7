// Building the multiview page: the mode frame with its option rows and the user-rectangle
// group, the picture frame, the scene frame, the read-all button; the text refresh.
#include "ui/ui_multiview.h"

#include "app/language_texts.h"
#include "state/device_state.h"
#include "ui/multiview_picture.h"
#include "ui/multiview_widgets.h"
#include "ui/my_ui_layout.h"

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
constexpr int OptionComboWidth = 120;
constexpr int UserRectangleY = 86;
constexpr int RectLabelWidth = 84;
constexpr int RectEditWidth = 60;
constexpr int RectValueMax = 9999;
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
    readAllButton_ = Multiview_Button(this, ReadAllRect);
    RefreshTexts(true, false);
    connectWidgets();
}

Ui_Multiview::~Ui_Multiview() = default;

void Ui_Multiview::buildModeFrame()
{
    modeFrame_ = new MyUiLayout(this);
    modeFrame_->setGeometry(ModeFrameRect);
    multiviewLabel_ = Multiview_Label(modeFrame_, QRect(Margin, Margin, ModeLabelWidth, RowHeight));
    for (int i = 0; i < ModeCount; ++i) {
        const int x = Margin + ModeLabelWidth + Gap + i * (ModeButtonWidth + Gap);
        modeButtons_[i]
            = Multiview_Button(modeFrame_, QRect(x, Margin, ModeButtonWidth, RowHeight));
    }
    aspectLabel_ = Multiview_Label(modeFrame_, optionLabelRect(0));
    aspectCombo_ = Multiview_Combo(modeFrame_, optionComboRect(0));
    variantLabel_ = Multiview_Label(modeFrame_, optionLabelRect(1));
    variantCombo_ = Multiview_Combo(modeFrame_, optionComboRect(1));
    positionLabel_ = Multiview_Label(modeFrame_, optionLabelRect(0));
    positionCombo_ = Multiview_Combo(modeFrame_, optionComboRect(0));
    sizeLabel_ = Multiview_Label(modeFrame_, optionLabelRect(1));
    sizeCombo_ = Multiview_Combo(modeFrame_, optionComboRect(1));
    // Nothing is known about the device yet: its options appear with its layout.
    placeOptionRows(ModeCount);
    buildUserRectangleGroup(modeFrame_);
}

void Ui_Multiview::buildUserRectangleGroup(QWidget *frame)
{
    userRectGroup_ = new QWidget(frame);
    userRectGroup_->setObjectName(QStringLiteral("UserRectangle"));
    userRectGroup_->setGeometry(0, UserRectangleY, ModeFrameRect.width(),
                                ModeFrameRect.height() - UserRectangleY);
    userRectCaption_
        = Multiview_Label(userRectGroup_, QRect(Margin, 0, OptionLabelWidth, RowHeight));
    // One validator for the four fields: the device takes 0 to 9999 for each.
    userRectValidator_ = new QIntValidator(0, RectValueMax, this);
    const int y = RowHeight + 10;
    int x = Margin;
    for (int i = 0; i < UserRectangleFields; ++i) {
        userRectLabels_[i]
            = Multiview_Label(userRectGroup_, QRect(x, y, RectLabelWidth, RowHeight));
        x += RectLabelWidth + Gap;
        userRectEdits_[i]
            = Multiview_Edit(userRectGroup_, QRect(x, y, RectEditWidth, RowHeight), RectTextMax);
        userRectEdits_[i]->setValidator(userRectValidator_);
        x += RectEditWidth + Gap;
    }
    userRectRead_ = Multiview_Button(userRectGroup_, QRect(x, y, 100, RowHeight));
    userRectWrite_ = Multiview_Button(userRectGroup_, QRect(x + 100 + Gap, y, 100, RowHeight));
    userRectGroup_->hide();
}

void Ui_Multiview::buildPictureFrame()
{
    pictureFrame_ = new MyUiLayout(this);
    pictureFrame_->setObjectName(QStringLiteral("MultiviewPicture"));
    pictureFrame_->setGeometry(PictureFrameRect);
    pictureLabel_ = new QLabel(pictureFrame_);
    pictureLabel_->setGeometry(2, 2, 200, 112);
    pictureLabel_->setAlignment(Qt::AlignCenter);
    pictureLabel_->setScaledContents(true);
}

void Ui_Multiview::buildSceneFrame()
{
    sceneFrame_ = new MyUiLayout(this);
    sceneFrame_->setGeometry(SceneFrameRect);
    const int top = 5;
    int x = Margin;
    saveLabel_ = Multiview_Label(sceneFrame_, QRect(x, top, SceneLabelWidth, RowHeight));
    x += SceneLabelWidth + Gap;
    saveCombo_ = Multiview_Combo(sceneFrame_, QRect(x, top, SceneComboWidth, RowHeight));
    x += SceneComboWidth + Gap;
    layoutNameLabel_ = Multiview_Label(sceneFrame_, QRect(x, top, LayoutNameWidth, RowHeight));
    layoutNameEdit_ = Multiview_Edit(
        sceneFrame_, QRect(x, top + RowHeight + 3, LayoutNameWidth, RowHeight), NameMaxLength);
    x += LayoutNameWidth + Gap;
    loadLabel_ = Multiview_Label(sceneFrame_, QRect(x, top, SceneLabelWidth, RowHeight));
    x += SceneLabelWidth + Gap;
    loadCombo_ = Multiview_Combo(sceneFrame_, QRect(x, top, SceneComboWidth, RowHeight));
}

void Ui_Multiview::connectWidgets()
{
    connect(modeButtons_[0], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_Single);
    connect(modeButtons_[1], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_PIP);
    connect(modeButtons_[2], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_PBP);
    connect(modeButtons_[3], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_3xWIN);
    connect(modeButtons_[4], &QPushButton::clicked, this, &Ui_Multiview::SLT_WindowMode_4xWIN);
    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(aspectCombo_, activated, this, &Ui_Multiview::SLT_SetAspect);
    connect(variantCombo_, activated, this, &Ui_Multiview::SLT_SetMode);
    connect(positionCombo_, activated, this, &Ui_Multiview::SLT_SetPosition);
    connect(sizeCombo_, activated, this, &Ui_Multiview::SLT_SetSize);
    connect(saveCombo_, activated, this, &Ui_Multiview::SLT_SetSaveLayout);
    connect(loadCombo_, activated, this, &Ui_Multiview::SLT_SetLoadLayout);
    connect(userRectRead_, &QPushButton::clicked, this, &Ui_Multiview::SLT_ReadCaptureDisplayInfo);
    connect(userRectWrite_, &QPushButton::clicked, this, &Ui_Multiview::SLT_SetCaptureDisplayInfo);
    connect(inputResolutionRead_, &QPushButton::clicked, this,
            &Ui_Multiview::SLT_GetInputResolution);
    connect(autoSwitchOn_, &QPushButton::clicked, this, &Ui_Multiview::SLT_BTN_AutoSwitch);
    connect(autoSwitchOff_, &QPushButton::clicked, this, &Ui_Multiview::SLT_BTN_AutoSwitch);
    for (QPushButton *button : sourceButtons_)
        connect(button, &QPushButton::clicked, this, &Ui_Multiview::SLT_BTN_WindowSignal);
    connect(renameEdit_, &QLineEdit::returnPressed, this, &Ui_Multiview::SLT_ModifySourceName);
    connect(readAllButton_, &QPushButton::clicked, this, &Ui_Multiview::SLT_ReadInfo_ALL);
}

void Ui_Multiview::RefreshTexts(bool first, bool readAll)
{
    multiviewLabel_->setText(Slabel_Multiview);
    const QString *modeTexts[ModeCount] = {&SpushButton_Single, &SpushButton_PIP, &SpushButton_PBP,
                                           &SpushButton_3xWIN, &SpushButton_4xWIN};
    for (int i = 0; i < ModeCount; ++i)
        modeButtons_[i]->setText(*modeTexts[i]);

    aspectLabel_->setText(Slabel_Aspect);
    refillCombo(aspectCombo_, ScomboBox_Aspect, 2);
    variantLabel_->setText(Slabel_Mode);
    const quint32 offered = DeviceState::layoutMaxMode;
    const int variant = variantCombo_->currentIndex();
    fillVariantCombo(first ? 6 : (offered >= 1 && offered <= 6 ? int(offered) : 0));
    if (!first)
        variantCombo_->setCurrentIndex(variant < variantCombo_->count() ? variant : -1);
    positionLabel_->setText(Slabel_Position);
    refillCombo(positionCombo_, ScomboBox_Position, 5);
    sizeLabel_->setText(Slabel_Size);
    refillCombo(sizeCombo_, ScomboBox_Size, 4);

    const bool capture = Multiview_UserRectangleKind(Multiview_CurrentPictureState())
        == UserRectangleKind::Window1Capture;
    userRectCaption_->setText(capture ? Slabel_CaptureDisplay_1 : Slabel_CaptureDisplay_2);
    const QString *rectTexts[UserRectangleFields]
        = {&Slabel_HStart, &Slabel_VStart, &Slabel_HSize, &Slabel_VSize};
    for (int i = 0; i < UserRectangleFields; ++i)
        userRectLabels_[i]->setText(*rectTexts[i]);
    userRectRead_->setText(S_ReadWrite[0]);
    userRectWrite_->setText(S_ReadWrite[1]);
    userRectGroup_->hide();

    saveLabel_->setText(Slabel_SaveLayout);
    loadLabel_->setText(Slabel_LoadLayout);
    layoutNameLabel_->setText(Slabel_LayoutName);
    refillCombo(saveCombo_, ScomboBox_Layout, SceneCount);
    refillCombo(loadCombo_, ScomboBox_Layout, SceneCount);

    setGridTexts();
    readAllButton_->setText(S_ReadWrite[0]);
    if (first)
        showSingleRows(false);
    if (readAll)
        readAllButton_->click();
}

// The first `count` of the six variant names; a count the combo cannot offer leaves it empty.
void Ui_Multiview::fillVariantCombo(int count)
{
    variantCombo_->clear();
    if (count < 1 || count > 6)
        return;
    for (int i = 0; i < count; ++i)
        variantCombo_->addItem(ScomboBox_Mode[i]);
}

void Ui_Multiview::placeOptionRows(quint32 mode)
{
    const bool pip = mode == 1;
    const bool variants = mode >= 2 && mode <= 4;
    QWidget *rows[2][2] = {{aspectLabel_, aspectCombo_}, {variantLabel_, variantCombo_}};
    QWidget *pipRows[2][2] = {{positionLabel_, positionCombo_}, {sizeLabel_, sizeCombo_}};
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
    return mode >= 0 && mode < ModeCount ? modeButtons_[mode] : nullptr;
}

QLineEdit *Ui_Multiview::userRectangleEdit(int field) const
{
    return field >= 0 && field < UserRectangleFields ? userRectEdits_[field] : nullptr;
}
