#include "ui/page_access_names.h"

#include "app/language_texts.h"
#include "ui/frame_chrome.h"
#include "ui/page_access.h"
#include "ui/ui_audio.h"
#include "ui/ui_login.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"
#include "ui/ui_uart_network.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QString caption(const QString &text)
{
    return Access_Caption(text);
}

QString readAll(const QString &pageTitle)
{
    return Extra_Text(Access_ReadAllText).arg(caption(pageTitle));
}

void nameVolume(const Ui_Audio::VolumeControls &v, const QString &name)
{
    Access_Name(v.value, name);
    Access_Name(v.down, Extra_Text(Access_DownText).arg(name));
    Access_Name(v.up, Extra_Text(Access_UpText).arg(name));
}

void namePair(const Ui_Audio::OnOffPair &pair, const QString &group)
{
    Access_Name(pair.on, Access_Pair(group, S_OnOff[0]));
    Access_Name(pair.off, Access_Pair(group, S_OnOff[1]));
    Access_MarkChoice(pair.on);
    Access_MarkChoice(pair.off);
}
} // namespace

void Access_NameOutput(Ui_Output &page)
{
    Access_Name(page.resolutionCombo(), caption(Slabel_Resolution));
    Access_Name(page.hdcpCombo(), caption(Slabel_HDCP));
    Access_Name(page.vkaCombo(), caption(Slabel_VKA));
    Access_Name(page.itcCombo(), caption(Slabel_ITC));
    Access_Name(page.fourKAutoCombo(), caption(Slabel_4KAUTO));
    Access_Name(page.widthEdit(), caption(STIPS_ActiveWidth));
    Access_Name(page.heightEdit(), caption(STIPS_ActiveHeight));
    Access_Name(page.userReadButton(),
                Access_Pair(Slabel_UserResolutionWidthHeight, S_ReadWrite[0]));
    Access_Name(page.userWriteButton(),
                Access_Pair(Slabel_UserResolutionWidthHeight, S_ReadWrite[1]));
    Access_Name(page.readAllButton(), readAll(Ui_Output_AppName));
    Access_SortTabOrder(&page);
}

void Access_NameMultiview(Ui_Multiview &page)
{
    for (int mode = 0; mode < Ui_Multiview::ModeCount; ++mode) {
        QPushButton *button = page.modeButton(mode);
        Access_Name(button, Access_Pair(Slabel_Multiview, button->text()));
        Access_MarkChoice(button);
    }
    Access_Name(page.aspectCombo(), caption(Slabel_Aspect));
    Access_Name(page.variantCombo(), caption(Slabel_Mode));
    Access_Name(page.positionCombo(), caption(Slabel_Position));
    Access_Name(page.sizeCombo(), caption(Slabel_Size));
    const QString *rectTexts[Ui_Multiview::UserRectangleFields]
        = {&Slabel_HStart, &Slabel_VStart, &Slabel_HSize, &Slabel_VSize};
    const QString rectangle = page.userRectangleCaption()->text();
    for (int i = 0; i < Ui_Multiview::UserRectangleFields; ++i)
        Access_Name(page.userRectangleEdit(i), Access_Pair(rectangle, *rectTexts[i]));
    Access_Name(page.userRectangleReadButton(), Access_Pair(rectangle, S_ReadWrite[0]));
    Access_Name(page.userRectangleWriteButton(), Access_Pair(rectangle, S_ReadWrite[1]));
    Access_Name(page.saveCombo(), caption(Slabel_SaveLayout));
    Access_Name(page.loadCombo(), caption(Slabel_LoadLayout));
    Access_Name(page.layoutNameEdit(), caption(Slabel_LayoutName));
    for (int k = 0; k < Ui_Multiview::SourceButtonCount; ++k) {
        QPushButton *button = page.sourceButton(k);
        Access_Name(button,
                    Extra_Text(Access_WindowSourceText)
                        .arg(caption(Slabel_Windows_Name[k / Ui_Multiview::SourceColumns]),
                             caption(S_InputSource_Name[k % Ui_Multiview::SourceColumns])));
        Access_MarkChoice(button);
    }
    Access_Name(page.inputResolutionEdit(), caption(Slabel_InputResolution));
    Access_Name(page.inputResolutionReadButton(),
                Access_Pair(Slabel_InputResolution, S_ReadWrite[0]));
    for (bool on : {true, false}) {
        Access_Name(page.autoSwitchButton(on), Access_Pair(Slabel_AutoSwitch, S_OnOff[on ? 0 : 1]));
        Access_MarkChoice(page.autoSwitchButton(on));
    }
    Access_Name(page.renameEdit(),
                Extra_Text(Access_RenameText).arg(caption(S_InputSource_Name[0])));
    Access_Name(page.readAllButton(), readAll(Ui_Multiview_AppName));
    Access_SortTabOrder(&page);
}

void Access_NameAudio(Ui_Audio &page)
{
    Access_Name(page.commonSource(), caption(Slabel_AudioSource));
    nameVolume(page.commonVolume(), caption(Slabel_Volume));
    namePair(page.commonMute(), Slabel_AudioMute);
    namePair(page.mainSwitch(), SgroupBox_MainAudio);
    Access_Name(page.mainSource(), Access_Pair(SgroupBox_MainAudio, Slabel_AudioSource));
    const QString *micSwitch[2] = {&Slabel_Microphone1Switch, &Slabel_Microphone2Switch};
    const QString *micVolume[2] = {&Slabel_Microphone1Volume, &Slabel_Microphone2Volume};
    for (int mic = 0; mic < 2; ++mic) {
        namePair(page.micSwitch(mic), *micSwitch[mic]);
        nameVolume(page.micVolume(mic), caption(*micVolume[mic]));
    }
    nameVolume(page.overallVolume(), Access_Pair(SgroupBox_OverallAudio, Slabel_Volume));
    namePair(page.overallMute(), Access_Pair(SgroupBox_OverallAudio, Slabel_AudioMute));
    Access_Name(page.readAllButton(), readAll(Ui_Audio_AppName));
    Access_SortTabOrder(&page);
}

void Access_NameSystem(Ui_System &page)
{
    Access_Name(page.edidCombo(), caption(Slabel_EdidSelect));
    Access_Name(page.resetButton(), Extra_Text(Access_FactoryResetText));
    Access_Name(page.firmwareCombo(), caption(Slabel_FirmwareVersion));
    Access_Name(page.versionEdit(), Extra_Text(Access_VersionText));
    Access_Name(page.loadButton(), caption(SpushButton_Load));
    Access_Name(page.pathEdit(), Extra_Text(Access_EdidFileText));
    Access_Name(page.edidWriteButton(), Access_Pair(Slabel_UserEdid, S_ReadWrite[1]));
    Access_Name(page.baudCombo(), caption(Slabel_Baudrate));
    Access_Name(page.rs232ReadButton(), Access_Pair(SgroupBox_Uart, S_ReadWrite[0]));
    Access_Name(page.rs232WriteButton(), Access_Pair(SgroupBox_Uart, S_ReadWrite[1]));
    const QString *network[4] = {&Slabel_Ip, &Slabel_Port, &Slabel_SubMask, &Slabel_Gateway};
    for (int i = 0; i < 4; ++i)
        Access_Name(page.networkEdit(i), Access_Pair(SgroupBox_Network, *network[i]));
    Access_Name(page.networkReadButton(), Access_Pair(SgroupBox_Network, S_ReadWrite[0]));
    Access_Name(page.networkWriteButton(), Access_Pair(SgroupBox_Network, S_ReadWrite[1]));
    Access_Name(page.readAllButton(), readAll(Ui_System_AppName));
    Access_SortTabOrder(&page);
}

void Access_NameConnection(Ui_Uart_Network &page)
{
    Access_Name(page.portBox(), caption(Slabel_Uart));
    Access_Name(page.baudBox(), caption(Slabel_Baudrate));
    Access_Name(page.dataBitBox(), caption(Slabel_DataBit));
    Access_Name(page.parityBox(), caption(Slabel_Parity));
    Access_Name(page.stopBitBox(), caption(Slabel_StopBit));
    Access_Name(page.flowControlBox(), caption(Slabel_FlowControl));
    Access_Name(page.uartButton(), Access_Pair(SgroupBox_Uart, page.uartButton()->text()));
    Access_Name(page.protocolBox(), caption(Slabel_Network));
    Access_Name(page.ipEdit(), caption(Slabel_Ip));
    Access_Name(page.portEdit(), caption(Slabel_Port));
    Access_Name(page.maskEdit(), caption(Slabel_SubMask));
    Access_Name(page.gatewayEdit(), caption(Slabel_Gateway));
    Access_Name(page.networkButton(), Access_Pair(SgroupBox_Network, page.networkButton()->text()));
    Access_Name(page.localIpBox(), caption(Slabel_MyIpv4));
    Access_Name(page.localPortEdit(), caption(Slabel_MyPort));
    Access_Name(page.statusLog(), caption(SgroupBox_Status));
    Access_Name(page.clearButton(), Access_Pair(SgroupBox_Status, S_Clear));
}

namespace {
void nameTitleBar(FrameChrome *chrome)
{
    Access_Name(chrome->minButton(), Extra_Text(Access_MinimiseText));
    Access_Name(chrome->maxButton(), Extra_Text(Access_MaximiseText));
    Access_Name(chrome->closeButton(), Extra_Text(Access_CloseText));
}
} // namespace

void Access_NameMainWindow(Ui_Main &window)
{
    nameTitleBar(window.chrome());
    Access_Name(window.languageSelector(), caption(Slabel_Language));
}

void Access_NameLogin(Ui_Login &dialog)
{
    nameTitleBar(dialog.chrome());
    Access_Name(dialog.languageCombo(), caption(Slabel_Language));
    Access_Name(dialog.roleCombo(), caption(Slabel_UserName));
    Access_Name(dialog.passwordEdit(), caption(Slabel_Password));
    Access_Name(dialog.modifyButton(), caption(SpushButton_Modify));
    Access_Name(dialog.loginButton(), caption(SpushButton_Login));
}
