#include "ui/ui_output.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "link/page_requests.h"
#include "state/device_state.h"
#include "state/model_traits.h"
#include "ui/my_ui_layout.h"
#include "ui/page_access_names.h"
#include "ui/page_widgets.h"

#include <QComboBox>
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
constexpr int LabelWidth = 74;
constexpr int ComboWidth = 160; // the longest resolution, "1920x1200p60RB"
constexpr int Column[] = {10, 250, 490}; // label x of the three setting columns
constexpr int ReadAllGap = 11;
constexpr int ReadAllWidth = 100;
constexpr int DeviceValueMaxLength = 10; // any 32-bit number
} // namespace

Ui_Output::Ui_Output(QWidget *parent)
    : QWidget(parent)
{
    build();
    RefreshTexts(true, false);

    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(m_resolutionCombo, activated, this, &Ui_Output::SLT_SetResolution);
    connect(m_hdcpCombo, activated, this, &Ui_Output::SLT_SetHDCP);
    connect(m_vkaCombo, activated, this, &Ui_Output::SLT_SetVKA);
    connect(m_itcCombo, activated, this, &Ui_Output::SLT_SetITC);
    connect(m_fourKAutoCombo, activated, this, &Ui_Output::SLT_Set4KAUTO);
    connect(m_userReadButton, &QPushButton::clicked, this, &Ui_Output::SLT_ReadUserResolution);
    connect(m_userWriteButton, &QPushButton::clicked, this, &Ui_Output::SLT_SetUserResolution);
    connect(m_readAllButton, &QPushButton::clicked, this, &Ui_Output::SLT_ReadInfo_ALL);
}

void Ui_Output::build()
{
    m_frame = Page_Place(new MyUiLayout(this), FrameX, FrameY, FrameWidth, FrameHeight);

    auto label = [this](int column, int row) {
        return Page_Place(new QLabel(m_frame), Column[column], Row[row], LabelWidth, RowHeight);
    };
    auto combo = [this](const char *name, int column, int row) {
        return Page_Place(Page_Combo(m_frame, QLatin1String(name)), Column[column] + LabelWidth,
                          Row[row], ComboWidth, RowHeight);
    };
    m_resolutionLabel = label(0, 0);
    m_resolutionCombo = combo("Output-Resolution", 0, 0);
    m_itcLabel = label(0, 1);
    m_itcCombo = combo("Output-ITC", 0, 1);
    m_hdcpLabel = label(1, 0);
    m_hdcpCombo = combo("Output-HDCP", 1, 0);
    m_fourKAutoLabel = label(1, 1);
    m_fourKAutoCombo = combo("Output-4KAUTO", 1, 1);
    m_vkaLabel = label(2, 0);
    m_vkaCombo = combo("Output-VKA", 2, 0);

    // The user resolution sits to the right of the settings while the frame is widened.
    m_userGroup = Page_Place(new QWidget(m_frame), FrameWidth, 0, FrameWidthWithUser - FrameWidth,
                             FrameHeight);
    m_userGroup->setObjectName(QStringLiteral("Output-UserResolution"));
    m_userLabel = Page_Place(new QLabel(m_userGroup), 0, Row[0], 320, RowHeight);
    m_sizeValidator = Page_SizeValidator(this);
    m_widthEdit = Page_Place(Page_Edit(m_userGroup, QStringLiteral("Output-UserWidth")), 0, Row[1],
                             70, RowHeight);
    m_heightEdit = Page_Place(Page_Edit(m_userGroup, QStringLiteral("Output-UserHeight")), 78,
                              Row[1], 70, RowHeight);
    for (QLineEdit *edit : {m_widthEdit, m_heightEdit}) {
        // Typing stops at four digits (the validator); a device value is shown whole.
        edit->setValidator(m_sizeValidator);
        edit->setMaxLength(DeviceValueMaxLength);
    }
    m_userReadButton = Page_Place(Page_Button(m_userGroup, QStringLiteral("Output-UserRead")), 160,
                                  Row[1], 76, RowHeight);
    m_userWriteButton = Page_Place(Page_Button(m_userGroup, QStringLiteral("Output-UserWrite")),
                                   242, Row[1], 76, RowHeight);
    m_userGroup->hide();

    m_readAllButton = Page_Place(Page_Button(this, QStringLiteral("Output-ReadAll")), FrameX,
                                 FrameY + FrameHeight + ReadAllGap, ReadAllWidth, RowHeight);
}

void Ui_Output::RefreshTexts(bool first, bool readAll)
{
    Q_UNUSED(first) // every list is refilled in place, keeping what the device reported
    m_resolutionLabel->setText(Slabel_Resolution);
    m_userLabel->setText(Slabel_UserResolutionWidthHeight);
    m_widthEdit->setToolTip(STIPS_ActiveWidth);
    m_heightEdit->setToolTip(STIPS_ActiveHeight);
    m_userReadButton->setText(S_ReadWrite[0]);
    m_userWriteButton->setText(S_ReadWrite[1]);
    m_hdcpLabel->setText(Slabel_HDCP);
    m_vkaLabel->setText(Slabel_VKA);
    m_itcLabel->setText(Slabel_ITC);
    m_fourKAutoLabel->setText(Slabel_4KAUTO);
    m_readAllButton->setText(S_ReadWrite[0]);

    Page_RefillCombo(m_resolutionCombo, OutputResolutionList);
    Page_RefillCombo(m_hdcpCombo, HdcpModeList);
    Page_RefillCombo(m_vkaCombo, {ScomboBox_VKA[0], ScomboBox_VKA[1]});
    Page_RefillCombo(m_itcCombo, {S_OnOff[0], S_OnOff[1]});
    Page_RefillCombo(m_fourKAutoCombo, {S_OnOff[0], S_OnOff[1]});

    ApplyModel();
    Access_NameOutput(*this);
    if (readAll)
        PressReadAll();
}

void Ui_Output::ApplyModel()
{
    const bool has4kAuto = Model_Has4kAuto(DeviceState::modelIndex);
    m_fourKAutoLabel->setVisible(has4kAuto);
    m_fourKAutoCombo->setVisible(has4kAuto);
}

// The reads go out also while the page is disabled (the device is being identified).
void Ui_Output::PressReadAll()
{
    SLT_ReadInfo_ALL();
}

void Ui_Output::showUserResolution(bool shown)
{
    m_frame->resize(shown ? FrameWidthWithUser : FrameWidth, FrameHeight);
    m_userGroup->setVisible(shown);
}

void Ui_Output::outputSetResolution(int index)
{
    Page_SetComboIndex(m_resolutionCombo, index);
    // The edits appear only on the device's word: choosing USER pauses the link, and only
    // the reply naming USER proves the device switched.
    showUserResolution(index == OutResolutionUser);
    if (Request_AfterOutputResolution(index))
        emit SGL_UpdateEmit();
}

void Ui_Output::outputSetUserResolution(quint32 width, quint32 height)
{
    Page_ShowText(m_widthEdit, QString::number(width));
    Page_ShowText(m_heightEdit, QString::number(height));
}

void Ui_Output::outputSetHdcp(int index)
{
    Page_SetComboIndex(m_hdcpCombo, index);
}

void Ui_Output::outputSetVka(int index)
{
    Page_SetComboIndex(m_vkaCombo, index);
}

void Ui_Output::outputSetItc(int index)
{
    Page_SetComboIndex(m_itcCombo, index);
}

void Ui_Output::outputSet4kAuto(int index)
{
    Page_SetComboIndex(m_fourKAutoCombo, index);
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

// Sends exactly what the fields show. A field that cannot be sent as shown (a device value
// beyond 9999) refuses the whole Write and is marked; the link is not held for nothing.
void Ui_Output::SLT_SetUserResolution()
{
    const int width = Page_SizeFieldValue(m_widthEdit->text());
    const int height = Page_SizeFieldValue(m_heightEdit->text());
    const QString reason = Extra_Text(Page_NumberRefusedText).arg(Page_SizeMaximum);
    if (width < 0)
        Page_MarkRefused(m_widthEdit, reason);
    if (height < 0)
        Page_MarkRefused(m_heightEdit, reason);
    if (width < 0 || height < 0)
        return;
    CmdSetResoUser(width, height);
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
    Request_OutputReadAll();
    emit SGL_UpdateEmit();
}
