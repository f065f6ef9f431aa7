// The 184 interface texts, each a process-wide value named after its key in the
// language files, holding the built-in English text until a language file is read.
#pragma once

#include "app/ini_file.h"

#include <QString>
#include <QStringList>

extern QString S_OnOff[2];
extern QString S_ConnectDisconnect[2];
extern QString S_ReadWrite[2];
extern QString S_InputSource_Name[9];
extern QString S_Marlet_ExpandAudioSource_Name[1];
extern QString S_Tessin_ExpandAudioSource_Name[4];
extern QString S_ResetDevice;
extern QString S_SaveLoad[2];
extern QString S_SwitchOnOff;
extern QString S_Mute;
extern QString S_Select;
extern QString S_Sync;
extern QString S_Message;
extern QString S_Clear;
extern QString Ui_Login_AppName;
extern QString Slabel_Language;
extern QString Slabel_UserName;
extern QString Slabel_Password;
extern QString SpushButton_Login;
extern QString SpushButton_Modify;
extern QString ScomboBox_Admin;
extern QString ScomboBox_User;
extern QString SMSG_InputPasswordError;
extern QString SMSG_AdminModidy;
extern QString SMSG_UserOriginalPassword;
extern QString SMSG_UserModifyPassword;
extern QString SMSG_UserModifyPasswordOK;
extern QString SMSG_UserModifyPasswordFail;
extern QString Ui_Main_AppName;
extern QString ScomboBox_LanguageSelect[2];
extern QString SMSG_ReadDeviceFail;
extern QString SMSG_CommunicationFail;
extern QString Ui_Uart_Network_AppName;
extern QString Slabel_Uart;
extern QString Slabel_Baudrate;
extern QString Slabel_DataBit;
extern QString Slabel_Parity;
extern QString Slabel_StopBit;
extern QString Slabel_FlowControl;
extern QString SgroupBox_Uart;
extern QString Slabel_Network;
extern QString Slabel_Ip;
extern QString Slabel_Port;
extern QString Slabel_SubMask;
extern QString Slabel_Gateway;
extern QString SgroupBox_Network;
extern QString SgroupBox_Status;
extern QString Slabel_MyIpv4;
extern QString Slabel_MyPort;
extern QString SgroupBox_MyNetwork;
extern QString SMSG_SerialPort_Connect_Fail;
extern QString SMSG_Network_Param_Fail;
extern QString SMSG_Network_Connect_Fail;
extern QString SMSG_Network_ReConnect_Fail;
extern QString SMSG_Status_SyncOver;
extern QString SMSG_MachineNotMatch;
extern QString Ui_Output_AppName;
extern QString Slabel_Resolution;
extern QString Slabel_UserResolutionWidthHeight;
extern QString STIPS_ActiveWidth;
extern QString STIPS_ActiveHeight;
extern QString Slabel_HDCP;
extern QString Slabel_VKA;
extern QString ScomboBox_VKA[2];
extern QString Slabel_4KAUTO;
extern QString Slabel_ITC;
extern QString Ui_Multiview_AppName;
extern QString Slabel_Multiview;
extern QString SpushButton_Single;
extern QString SpushButton_PIP;
extern QString SpushButton_PBP;
extern QString SpushButton_3xWIN;
extern QString SpushButton_4xWIN;
extern QString Slabel_Aspect;
extern QString ScomboBox_Aspect[2];
extern QString Slabel_Mode;
extern QString ScomboBox_Mode[6];
extern QString Slabel_Position;
extern QString ScomboBox_Position[5];
extern QString Slabel_Size;
extern QString ScomboBox_Size[4];
extern QString Slabel_CaptureDisplay_1;
extern QString Slabel_CaptureDisplay_2;
extern QString Slabel_HStart;
extern QString Slabel_VStart;
extern QString Slabel_HSize;
extern QString Slabel_VSize;
extern QString Slabel_SaveLayout;
extern QString Slabel_LoadLayout;
extern QString ScomboBox_Layout[20];
extern QString Slabel_LayoutName;
extern QString Slabel_AutoSwitch;
extern QString Slabel_WINDOW_SOURCE;
extern QString Slabel_Windows_Name[4];
extern QString Slabel_InputResolution;
extern QString STIPS_EnterKeyFinishInputAndClose;
extern QString STIPS_DoubleChickModifyName;
extern QString SMSG_SaveMessage;
extern QString SMSG_LoadMessage;
extern QString Ui_Audio_AppName;
extern QString Slabel_AudioSource;
extern QString Slabel_Volume;
extern QString SpushButton_Subtract;
extern QString SpushButton_Add;
extern QString Slabel_AudioMute;
extern QString STIPS_EnterKeyFinishInput;
extern QString STIPS_VolumeVaildVaule_0_100;
extern QString STIPS_VolumeVaildVaule_0_50;
extern QString SgroupBox_MainAudio;
extern QString SgroupBox_Microphone;
extern QString Slabel_Microphone1Switch;
extern QString Slabel_Microphone2Switch;
extern QString Slabel_Microphone1Volume;
extern QString Slabel_Microphone2Volume;
extern QString SgroupBox_OverallAudio;
extern QString Ui_System_AppName;
extern QString Slabel_EdidSelect;
extern QString Slabel_Reset;
extern QString Slabel_FirmwareVersion;
extern QString ScomboBox_FirmwareVersion[4];
extern QString Slabel_UserEdid;
extern QString SpushButton_Load;
extern QString SMSG_ResetMessage;
extern QString SMSG_FirstLoadEdidFile;
extern QString SMSG_NotIsEdidContent;
extern QString SMSG_EdidCheckFail;
extern QString SMSG_SyncConfigInfo;
extern QString SMSG_ReConnect;
extern QString SMSG_EdidWriteOk;

// Line order of both language files; the reader fills it by position.
constexpr int LanguageTableSize = 184;
extern const IniEntry LanguageTable[LanguageTableSize];
// The built-in English texts, in table order: what a text missing from a damaged language
// file, or left empty in it, shows instead.
extern const QStringList LanguageTableBuiltIn;
extern const QHash<QByteArray, int> LanguageTableKeys;

// Fixed texts and value lists: built in, never translated, never read from a file.
extern const QStringList BaudRateList;
extern const QStringList DataBitList;
extern const QStringList ParityList;
extern const QStringList StopBitList;
extern const QStringList FlowControlList;
extern const QStringList NetworkProtocolList;
extern const QStringList OutputResolutionList;
extern const QStringList HdcpModeList;
extern const QStringList EdidSelectList;

// Folder in which the EDID file dialog opens; the last chosen file's folder replaces it.
extern QString EdidFileDialogPath;
