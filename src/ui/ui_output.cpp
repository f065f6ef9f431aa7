#include "ui/ui_output.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "state/device_state.h"
#include "ui/my_ui_layout.h"
#include "ui/page_widgets.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int FrameX = 4;
constexpr int FrameY = 4;
constexpr int FrameWidth = 740;
constexpr int FrameWidthWithUser = 1072;
constexpr int FrameHeight = 94;
constexpr int RowHeight = 26;
constexpr int Row[] = {18, 52};
constexpr int LabelWidth = 84;
constexpr int ComboWidth = 146;
constexpr int Column[] = {10, 250, 490}; // label x of the three setting columns
constexpr int ReadAllGap = 11;
constexpr int ReadAllWidth = 100;
constexpr int SizeMaximum = 9999;
constexpr int CorvoModel = 1;
} // namespace

Ui_Output::Ui_Output(QWidget *parent)
    : QWidget(parent)
{
    build();
    RefreshTexts(true, false);

    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(resolutionCombo_, activated, this, &Ui_Output::SLT_SetResolution);
    connect(hdcpCombo_, activated, this, &Ui_Output::SLT_SetHDCP);
    connect(vkaCombo_, activated, this, &Ui_Output::SLT_SetVKA);
    connect(itcCombo_, activated, this, &Ui_Output::SLT_SetITC);
    connect(fourKAutoCombo_, activated, this, &Ui_Output::SLT_Set4KAUTO);
    connect(userReadButton_, &QPushButton::clicked, this, &Ui_Output::SLT_ReadUserResolution);
    connect(userWriteButton_, &QPushButton::clicked, this, &Ui_Output::SLT_SetUserResolution);
    connect(readAllButton_, &QPushButton::clicked, this, &Ui_Output::SLT_ReadInfo_ALL);
}

void Ui_Output::build()
{
    frame_ = Page_Place(new MyUiLayout(this), FrameX, FrameY, FrameWidth, FrameHeight);

    auto label = [this](int column, int row) {
        return Page_Place(new QLabel(frame_), Column[column], Row[row], LabelWidth, RowHeight);
    };
    auto combo = [this](const char *name, int column, int row) {
        return Page_Place(Page_Combo(frame_, QLatin1String(name)), Column[column] + LabelWidth,
                          Row[row], ComboWidth, RowHeight);
    };
    resolutionLabel_ = label(0, 0);
    resolutionCombo_ = combo("Output-Resolution", 0, 0);
    itcLabel_ = label(0, 1);
    itcCombo_ = combo("Output-ITC", 0, 1);
    hdcpLabel_ = label(1, 0);
    hdcpCombo_ = combo("Output-HDCP", 1, 0);
    fourKAutoLabel_ = label(1, 1);
    fourKAutoCombo_ = combo("Output-4KAUTO", 1, 1);
    vkaLabel_ = label(2, 0);
    vkaCombo_ = combo("Output-VKA", 2, 0);

    // The user resolution sits to the right of the settings while the frame is widened.
    userGroup_ = Page_Place(new QWidget(frame_), FrameWidth, 0, FrameWidthWithUser - FrameWidth,
                            FrameHeight);
    userGroup_->setObjectName(QStringLiteral("Output-UserResolution"));
    userLabel_ = Page_Place(new QLabel(userGroup_), 0, Row[0], 320, RowHeight);
    sizeValidator_ = new QIntValidator(0, SizeMaximum, this);
    widthEdit_ = Page_Place(Page_Edit(userGroup_, QStringLiteral("Output-UserWidth")), 0, Row[1],
                            70, RowHeight);
    heightEdit_ = Page_Place(Page_Edit(userGroup_, QStringLiteral("Output-UserHeight")), 78, Row[1],
                             70, RowHeight);
    for (QLineEdit *edit : {widthEdit_, heightEdit_}) {
        edit->setValidator(sizeValidator_);
        edit->setMaxLength(4);
    }
    userReadButton_ = Page_Place(Page_Button(userGroup_, QStringLiteral("Output-UserRead")), 160,
                                 Row[1], 76, RowHeight);
    userWriteButton_ = Page_Place(Page_Button(userGroup_, QStringLiteral("Output-UserWrite")), 242,
                                  Row[1], 76, RowHeight);
    userGroup_->hide();

    readAllButton_ = Page_Place(Page_Button(this, QStringLiteral("Output-ReadAll")), FrameX,
                                FrameY + FrameHeight + ReadAllGap, ReadAllWidth, RowHeight);
}

void Ui_Output::RefreshTexts(bool first, bool readAll)
{
    Q_UNUSED(first) // every list is refilled in place, keeping what the device reported
    resolutionLabel_->setText(Slabel_Resolution);
    userLabel_->setText(Slabel_UserResolutionWidthHeight);
    widthEdit_->setToolTip(STIPS_ActiveWidth);
    heightEdit_->setToolTip(STIPS_ActiveHeight);
    userReadButton_->setText(S_ReadWrite[0]);
    userWriteButton_->setText(S_ReadWrite[1]);
    hdcpLabel_->setText(Slabel_HDCP);
    vkaLabel_->setText(Slabel_VKA);
    itcLabel_->setText(Slabel_ITC);
    fourKAutoLabel_->setText(Slabel_4KAUTO);
    readAllButton_->setText(S_ReadWrite[0]);

    Page_RefillCombo(resolutionCombo_, OutputResolutionList);
    Page_RefillCombo(hdcpCombo_, HdcpModeList);
    Page_RefillCombo(vkaCombo_, {ScomboBox_VKA[0], ScomboBox_VKA[1]});
    Page_RefillCombo(itcCombo_, {S_OnOff[0], S_OnOff[1]});
    Page_RefillCombo(fourKAutoCombo_, {S_OnOff[0], S_OnOff[1]});

    ApplyModel();
    if (readAll)
        PressReadAll();
}

void Ui_Output::ApplyModel()
{
    const bool has4kAuto = DeviceState::modelIndex != CorvoModel;
    fourKAutoLabel_->setVisible(has4kAuto);
    fourKAutoCombo_->setVisible(has4kAuto);
}

void Ui_Output::PressReadAll()
{
    readAllButton_->click();
}

void Ui_Output::showUserResolution(bool shown)
{
    frame_->resize(shown ? FrameWidthWithUser : FrameWidth, FrameHeight);
    userGroup_->setVisible(shown);
}

void Ui_Output::SetResolution(int index)
{
    Page_SetComboIndex(resolutionCombo_, index);
    // The edits appear only on the device's word: choosing USER pauses the link, and only
    // the reply naming USER proves the device switched.
    const bool user = index == UserResolutionIndex;
    showUserResolution(user);
    if (user) {
        CmdGetResoUser();
        emit SGL_UpdateEmit();
    }
}

void Ui_Output::SetUserResolution(quint32 width, quint32 height)
{
    Page_ShowText(widthEdit_, QString::number(width));
    Page_ShowText(heightEdit_, QString::number(height));
}

void Ui_Output::SetHdcp(int index)
{
    Page_SetComboIndex(hdcpCombo_, index);
}

void Ui_Output::SetVka(int index)
{
    Page_SetComboIndex(vkaCombo_, index);
}

void Ui_Output::SetItc(int index)
{
    Page_SetComboIndex(itcCombo_, index);
}

void Ui_Output::Set4kAuto(int index)
{
    Page_SetComboIndex(fourKAutoCombo_, index);
}

void Ui_Output::SLT_SetResolution(int index)
{
    CmdSetOutResolution(index);
    emit SGL_UpdateEmit();
}

void Ui_Output::SLT_ReadUserResolution()
{
    CmdGetResoUser();
    emit SGL_UpdateEmit();
}

void Ui_Output::SLT_SetUserResolution()
{
    // The validator keeps typed values within 0..9999; a device-reported value shown here
    // is passed back as it is, within the builder's int.
    const auto size = [](const QLineEdit *edit) {
        return static_cast<int>(qMin<quint32>(Page_ParseUnsigned(edit->text()), INT_MAX));
    };
    CmdSetResoUser(size(widthEdit_), size(heightEdit_));
    emit SGL_UpdateEmit();
}

void Ui_Output::SLT_SetHDCP(int index)
{
    CmdSetOutHdcp(index);
    emit SGL_UpdateEmit();
}

void Ui_Output::SLT_SetVKA(int index)
{
    CmdSetOutVka(index);
    emit SGL_UpdateEmit();
}

void Ui_Output::SLT_SetITC(int index)
{
    CmdSetOutItc(index);
    emit SGL_UpdateEmit();
}

void Ui_Output::SLT_Set4KAUTO(int index)
{
    CmdSetOut4kAuto(index);
    emit SGL_UpdateEmit();
}

void Ui_Output::SLT_ReadInfo_ALL()
{
    CmdGetOutResolution();
    CmdGetOutHdcp();
    CmdGetOutVka();
    CmdGetOutItc();
    CmdGetOut4kAuto(); // queues nothing on a Corvo
    emit SGL_UpdateEmit();
}
