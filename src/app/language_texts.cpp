#include "app/language_texts.h"

// Built-in English texts. Leading spaces, arrows and the missing space after "!" are
// intentional: they are the texts operators know from the device documentation.
QString S_OnOff[2] = {QStringLiteral("On"), QStringLiteral("Off")};
QString S_ConnectDisconnect[2] = {QStringLiteral("Connect"), QStringLiteral("Disconnect")};
QString S_ReadWrite[2] = {QStringLiteral("Read"), QStringLiteral("Write")};
QString S_InputSource_Name[9]
    = {QStringLiteral("IN-1"), QStringLiteral("IN-2"), QStringLiteral("IN-3"),
       QStringLiteral("IN-4"), QStringLiteral("IN-5"), QStringLiteral("IN-6"),
       QStringLiteral("IN-7"), QStringLiteral("IN-8"), QStringLiteral("IN-9")};
QString S_Marlet_ExpandAudioSource_Name[1] = {QStringLiteral("WIN-KVM")};
QString S_Tessin_ExpandAudioSource_Name[4]
    = {QStringLiteral("LR1"), QStringLiteral("LR2"), QStringLiteral("LR3"), QStringLiteral("LR4")};
QString S_ResetDevice = QStringLiteral("Reset");
QString S_SaveLoad[2] = {QStringLiteral("Save"), QStringLiteral("Load")};
QString S_SwitchOnOff = QStringLiteral("ON/OFF:");
QString S_Mute = QStringLiteral("MUTE:");
QString S_Select = QStringLiteral("Select:");
QString S_Sync = QStringLiteral("Sync");
QString S_Message = QStringLiteral("Message");
QString S_Clear = QStringLiteral("Clear");
QString Ui_Login_AppName = QStringLiteral(" UserLogin");
QString Slabel_Language = QStringLiteral("Language/语言:");
QString Slabel_UserName = QStringLiteral("Username:");
QString Slabel_Password = QStringLiteral("Password:");
QString SpushButton_Login = QStringLiteral("Login");
QString SpushButton_Modify = QStringLiteral("Edit");
QString ScomboBox_Admin = QStringLiteral("admin");
QString ScomboBox_User = QStringLiteral("user");
QString SMSG_InputPasswordError = QStringLiteral("Password error!");
QString SMSG_AdminModidy = QStringLiteral("The password of admin cannot be modified!");
QString SMSG_UserOriginalPassword
    = QStringLiteral("Failed to verify the original password of the user!");
QString SMSG_UserModifyPassword = QStringLiteral("Please enter your change password!");
QString SMSG_UserModifyPasswordOK = QStringLiteral("Password changed successfully!");
QString SMSG_UserModifyPasswordFail
    = QStringLiteral("The password entered is illegal:The password must be six full digits");
QString Ui_Main_AppName = QStringLiteral(" Korvane");
QString ScomboBox_LanguageSelect[2] = {QStringLiteral("English"), QStringLiteral("中文")};
QString SMSG_ReadDeviceFail = QStringLiteral("Failed to identify device!Error Code:");
QString SMSG_CommunicationFail = QStringLiteral("Unable to communicate with device!Error Code:");
QString Ui_Uart_Network_AppName = QStringLiteral("Connect");
QString Slabel_Uart = QStringLiteral("Uart:");
QString Slabel_Baudrate = QStringLiteral("Baudrate:");
QString Slabel_DataBit = QStringLiteral("DataBit:");
QString Slabel_Parity = QStringLiteral("Parity:");
QString Slabel_StopBit = QStringLiteral("StopBit:");
QString Slabel_FlowControl = QStringLiteral("FlowControl:");
QString SgroupBox_Uart = QStringLiteral("RS232");
QString Slabel_Network = QStringLiteral("Network:");
QString Slabel_Ip = QStringLiteral("IP:");
QString Slabel_Port = QStringLiteral("Port:");
QString Slabel_SubMask = QStringLiteral("SubMask:");
QString Slabel_Gateway = QStringLiteral("Gateway:");
QString SgroupBox_Network = QStringLiteral("Network");
QString SgroupBox_Status = QStringLiteral("Status");
QString Slabel_MyIpv4 = QStringLiteral("PC IP:");
QString Slabel_MyPort = QStringLiteral("PC Port:");
QString SgroupBox_MyNetwork = QStringLiteral("PC Network Info");
QString SMSG_SerialPort_Connect_Fail = QStringLiteral("Serial Port Connect Failed!Error Code:");
QString SMSG_Network_Param_Fail = QStringLiteral("Network Info error!!!please check it!");
QString SMSG_Network_Connect_Fail
    = QStringLiteral("please check your local ip config information!Error Code:");
QString SMSG_Network_ReConnect_Fail
    = QStringLiteral("Network connect error,please reconnect network!!!");
QString SMSG_Status_SyncOver = QStringLiteral("Sync Over!");
QString SMSG_MachineNotMatch = QStringLiteral("The machine does not match with the PC tool!");
QString Ui_Output_AppName = QStringLiteral("Output");
QString Slabel_Resolution = QStringLiteral("Resolution:");
QString Slabel_UserResolutionWidthHeight = QStringLiteral("User Resolution Width and Height:");
QString STIPS_ActiveWidth = QStringLiteral("Input active width");
QString STIPS_ActiveHeight = QStringLiteral("Input active height");
QString Slabel_HDCP = QStringLiteral("HDCP:");
QString Slabel_VKA = QStringLiteral("VKA:");
QString ScomboBox_VKA[2] = {QStringLiteral("Blue Screen"), QStringLiteral("Black Screen")};
QString Slabel_4KAUTO = QStringLiteral("4K AUTO:");
QString Slabel_ITC = QStringLiteral("ITC:");
QString Ui_Multiview_AppName = QStringLiteral("Multiview");
QString Slabel_Multiview = QStringLiteral("Multiview:");
QString SpushButton_Single = QStringLiteral("SINGLE");
QString SpushButton_PIP = QStringLiteral("PIP");
QString SpushButton_PBP = QStringLiteral("PBP");
QString SpushButton_3xWIN = QStringLiteral("3xWIN");
QString SpushButton_4xWIN = QStringLiteral("4xWIN");
QString Slabel_Aspect = QStringLiteral("Aspect:");
QString ScomboBox_Aspect[2] = {QStringLiteral("Full"), QStringLiteral("16:9")};
QString Slabel_Mode = QStringLiteral("Mode:");
QString ScomboBox_Mode[6] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")};
QString Slabel_Position = QStringLiteral("Position:");
QString ScomboBox_Position[5]
    = {QStringLiteral("LeftTop"), QStringLiteral("RightTop"), QStringLiteral("LeftBottom"),
       QStringLiteral("RightBottom"), QStringLiteral("USER")};
QString Slabel_Size = QStringLiteral("Size:");
QString ScomboBox_Size[4] = {QStringLiteral("Small"), QStringLiteral("Middle"),
                             QStringLiteral("Large"), QStringLiteral("USER")};
QString Slabel_CaptureDisplay_1 = QStringLiteral("Window1 Capture:↓");
QString Slabel_CaptureDisplay_2 = QStringLiteral("Window2 Display:↓");
QString Slabel_HStart = QStringLiteral("H Start:");
QString Slabel_VStart = QStringLiteral("V Start:");
QString Slabel_HSize = QStringLiteral("H Size:");
QString Slabel_VSize = QStringLiteral("V Size:");
QString Slabel_SaveLayout = QStringLiteral("Save:");
QString Slabel_LoadLayout = QStringLiteral("Load:");
QString ScomboBox_Layout[20]
    = {QStringLiteral("Layout-1"),  QStringLiteral("Layout-2"),  QStringLiteral("Layout-3"),
       QStringLiteral("Layout-4"),  QStringLiteral("Layout-5"),  QStringLiteral("Layout-6"),
       QStringLiteral("Layout-7"),  QStringLiteral("Layout-8"),  QStringLiteral("Layout-9"),
       QStringLiteral("Layout-10"), QStringLiteral("Layout-11"), QStringLiteral("Layout-12"),
       QStringLiteral("Layout-13"), QStringLiteral("Layout-14"), QStringLiteral("Layout-15"),
       QStringLiteral("Layout-16"), QStringLiteral("Layout-17"), QStringLiteral("Layout-18"),
       QStringLiteral("Layout-19"), QStringLiteral("Layout-20")};
QString Slabel_LayoutName = QStringLiteral("<<Save name↓↓↓");
QString Slabel_AutoSwitch = QStringLiteral("Auto Switch:");
QString Slabel_WINDOW_SOURCE = QStringLiteral("Window\\Source");
QString Slabel_Windows_Name[4] = {QStringLiteral("Window-1"), QStringLiteral("Window-2"),
                                  QStringLiteral("Window-3"), QStringLiteral("Window-4")};
QString Slabel_InputResolution = QStringLiteral("Input Resolution:");
QString STIPS_EnterKeyFinishInputAndClose = QStringLiteral("Press Enter to end the input and exit");
QString STIPS_DoubleChickModifyName
    = QStringLiteral("Double click the left mouse button to modify the name");
QString SMSG_SaveMessage = QStringLiteral("Save Confirm?");
QString SMSG_LoadMessage = QStringLiteral("Load Confirm?");
QString Ui_Audio_AppName = QStringLiteral("Audio");
QString Slabel_AudioSource = QStringLiteral("Audio Select:");
QString Slabel_Volume = QStringLiteral("Volume:");
QString SpushButton_Subtract = QStringLiteral("-");
QString SpushButton_Add = QStringLiteral("+");
QString Slabel_AudioMute = QStringLiteral("Audio Mute:");
QString STIPS_EnterKeyFinishInput = QStringLiteral("Press Enter to end the input");
QString STIPS_VolumeVaildVaule_0_100 = QStringLiteral(";Volume Value:0~100");
QString STIPS_VolumeVaildVaule_0_50 = QStringLiteral(";Volume Value:0~50");
QString SgroupBox_MainAudio = QStringLiteral("MainAudio");
QString SgroupBox_Microphone = QStringLiteral("Microphone");
QString Slabel_Microphone1Switch = QStringLiteral("Microphone1 ON/OFF:");
QString Slabel_Microphone2Switch = QStringLiteral("Microphone2 ON/OFF:");
QString Slabel_Microphone1Volume = QStringLiteral("Microphone1 Volume:");
QString Slabel_Microphone2Volume = QStringLiteral("Microphone2 Volume:");
QString SgroupBox_OverallAudio = QStringLiteral("OverallAudio");
QString Ui_System_AppName = QStringLiteral("System");
QString Slabel_EdidSelect = QStringLiteral("EDID Select:");
QString Slabel_Reset = QStringLiteral("Reset:");
QString Slabel_FirmwareVersion = QStringLiteral("Firmware Version:");
QString ScomboBox_FirmwareVersion[4] = {QStringLiteral("Main"), QStringLiteral("Sub"),
                                        QStringLiteral("Expand"), QStringLiteral("KeyBoard")};
QString Slabel_UserEdid = QStringLiteral("User EDID:");
QString SpushButton_Load = QStringLiteral("Load EDID File");
QString SMSG_ResetMessage = QStringLiteral("Confirm to reset the device to factory settings?");
QString SMSG_FirstLoadEdidFile = QStringLiteral("error,please first select your EDID file");
QString SMSG_NotIsEdidContent = QStringLiteral("this not is EDID File!");
QString SMSG_EdidCheckFail = QStringLiteral("EDID check fail,please check your EDID file!");
QString SMSG_SyncConfigInfo = QStringLiteral("1-Sync Config Info....");
QString SMSG_ReConnect = QStringLiteral("2-Please ReConnect App!");
QString SMSG_EdidWriteOk = QStringLiteral("EDID Write Success.");

// Every row points at a value defined above in this file, so the table is constant-
// initialised and safe to use from other static initialisers.
const IniEntry LanguageTable[LanguageTableSize] = {
    {"S_OnOff[0]", &S_OnOff[0]},
    {"S_OnOff[1]", &S_OnOff[1]},
    {"S_ConnectDisconnect[0]", &S_ConnectDisconnect[0]},
    {"S_ConnectDisconnect[1]", &S_ConnectDisconnect[1]},
    {"S_ReadWrite[0]", &S_ReadWrite[0]},
    {"S_ReadWrite[1]", &S_ReadWrite[1]},
    {"S_InputSource_Name[0]", &S_InputSource_Name[0]},
    {"S_InputSource_Name[1]", &S_InputSource_Name[1]},
    {"S_InputSource_Name[2]", &S_InputSource_Name[2]},
    {"S_InputSource_Name[3]", &S_InputSource_Name[3]},
    {"S_InputSource_Name[4]", &S_InputSource_Name[4]},
    {"S_InputSource_Name[5]", &S_InputSource_Name[5]},
    {"S_InputSource_Name[6]", &S_InputSource_Name[6]},
    {"S_InputSource_Name[7]", &S_InputSource_Name[7]},
    {"S_InputSource_Name[8]", &S_InputSource_Name[8]},
    {"S_Marlet_ExpandAudioSource_Name[0]", &S_Marlet_ExpandAudioSource_Name[0]},
    {"S_Tessin_ExpandAudioSource_Name[0]", &S_Tessin_ExpandAudioSource_Name[0]},
    {"S_Tessin_ExpandAudioSource_Name[1]", &S_Tessin_ExpandAudioSource_Name[1]},
    {"S_Tessin_ExpandAudioSource_Name[2]", &S_Tessin_ExpandAudioSource_Name[2]},
    {"S_Tessin_ExpandAudioSource_Name[3]", &S_Tessin_ExpandAudioSource_Name[3]},
    {"S_ResetDevice", &S_ResetDevice},
    {"S_SaveLoad[0]", &S_SaveLoad[0]},
    {"S_SaveLoad[1]", &S_SaveLoad[1]},
    {"S_SwitchOnOff", &S_SwitchOnOff},
    {"S_Mute", &S_Mute},
    {"S_Select", &S_Select},
    {"S_Sync", &S_Sync},
    {"S_Message", &S_Message},
    {"S_Clear", &S_Clear},
    {"Ui_Login_AppName", &Ui_Login_AppName},
    {"Slabel_Language", &Slabel_Language},
    {"Slabel_UserName", &Slabel_UserName},
    {"Slabel_Password", &Slabel_Password},
    {"SpushButton_Login", &SpushButton_Login},
    {"SpushButton_Modify", &SpushButton_Modify},
    {"ScomboBox_Admin", &ScomboBox_Admin},
    {"ScomboBox_User", &ScomboBox_User},
    {"SMSG_InputPasswordError", &SMSG_InputPasswordError},
    {"SMSG_AdminModidy", &SMSG_AdminModidy},
    {"SMSG_UserOriginalPassword", &SMSG_UserOriginalPassword},
    {"SMSG_UserModifyPassword", &SMSG_UserModifyPassword},
    {"SMSG_UserModifyPasswordOK", &SMSG_UserModifyPasswordOK},
    {"SMSG_UserModifyPasswordFail", &SMSG_UserModifyPasswordFail},
    {"Ui_Main_AppName", &Ui_Main_AppName},
    {"ScomboBox_LanguageSelect[0]", &ScomboBox_LanguageSelect[0]},
    {"ScomboBox_LanguageSelect[1]", &ScomboBox_LanguageSelect[1]},
    {"SMSG_ReadDeviceFail", &SMSG_ReadDeviceFail},
    {"SMSG_CommunicationFail", &SMSG_CommunicationFail},
    {"Ui_Uart_Network_AppName", &Ui_Uart_Network_AppName},
    {"Slabel_Uart", &Slabel_Uart},
    {"Slabel_Baudrate", &Slabel_Baudrate},
    {"Slabel_DataBit", &Slabel_DataBit},
    {"Slabel_Parity", &Slabel_Parity},
    {"Slabel_StopBit", &Slabel_StopBit},
    {"Slabel_FlowControl", &Slabel_FlowControl},
    {"SgroupBox_Uart", &SgroupBox_Uart},
    {"Slabel_Network", &Slabel_Network},
    {"Slabel_Ip", &Slabel_Ip},
    {"Slabel_Port", &Slabel_Port},
    {"Slabel_SubMask", &Slabel_SubMask},
    {"Slabel_Gateway", &Slabel_Gateway},
    {"SgroupBox_Network", &SgroupBox_Network},
    {"SgroupBox_Status", &SgroupBox_Status},
    {"Slabel_MyIpv4", &Slabel_MyIpv4},
    {"Slabel_MyPort", &Slabel_MyPort},
    {"SgroupBox_MyNetwork", &SgroupBox_MyNetwork},
    {"SMSG_SerialPort_Connect_Fail", &SMSG_SerialPort_Connect_Fail},
    {"SMSG_Network_Param_Fail", &SMSG_Network_Param_Fail},
    {"SMSG_Network_Connect_Fail", &SMSG_Network_Connect_Fail},
    {"SMSG_Network_ReConnect_Fail", &SMSG_Network_ReConnect_Fail},
    {"SMSG_Status_SyncOver", &SMSG_Status_SyncOver},
    {"SMSG_MachineNotMatch", &SMSG_MachineNotMatch},
    {"Ui_Output_AppName", &Ui_Output_AppName},
    {"Slabel_Resolution", &Slabel_Resolution},
    {"Slabel_UserResolutionWidthHeight", &Slabel_UserResolutionWidthHeight},
    {"STIPS_ActiveWidth", &STIPS_ActiveWidth},
    {"STIPS_ActiveHeight", &STIPS_ActiveHeight},
    {"Slabel_HDCP", &Slabel_HDCP},
    {"Slabel_VKA", &Slabel_VKA},
    {"ScomboBox_VKA[0]", &ScomboBox_VKA[0]},
    {"ScomboBox_VKA[1]", &ScomboBox_VKA[1]},
    {"Slabel_4KAUTO", &Slabel_4KAUTO},
    {"Slabel_ITC", &Slabel_ITC},
    {"Ui_Multiview_AppName", &Ui_Multiview_AppName},
    {"Slabel_Multiview", &Slabel_Multiview},
    {"SpushButton_Single", &SpushButton_Single},
    {"SpushButton_PIP", &SpushButton_PIP},
    {"SpushButton_PBP", &SpushButton_PBP},
    {"SpushButton_3xWIN", &SpushButton_3xWIN},
    {"SpushButton_4xWIN", &SpushButton_4xWIN},
    {"Slabel_Aspect", &Slabel_Aspect},
    {"ScomboBox_Aspect[0]", &ScomboBox_Aspect[0]},
    {"ScomboBox_Aspect[1]", &ScomboBox_Aspect[1]},
    {"Slabel_Mode", &Slabel_Mode},
    {"ScomboBox_Mode[0]", &ScomboBox_Mode[0]},
    {"ScomboBox_Mode[1]", &ScomboBox_Mode[1]},
    {"ScomboBox_Mode[2]", &ScomboBox_Mode[2]},
    {"ScomboBox_Mode[3]", &ScomboBox_Mode[3]},
    {"ScomboBox_Mode[4]", &ScomboBox_Mode[4]},
    {"ScomboBox_Mode[5]", &ScomboBox_Mode[5]},
    {"Slabel_Position", &Slabel_Position},
    {"ScomboBox_Position[0]", &ScomboBox_Position[0]},
    {"ScomboBox_Position[1]", &ScomboBox_Position[1]},
    {"ScomboBox_Position[2]", &ScomboBox_Position[2]},
    {"ScomboBox_Position[3]", &ScomboBox_Position[3]},
    {"ScomboBox_Position[4]", &ScomboBox_Position[4]},
    {"Slabel_Size", &Slabel_Size},
    {"ScomboBox_Size[0]", &ScomboBox_Size[0]},
    {"ScomboBox_Size[1]", &ScomboBox_Size[1]},
    {"ScomboBox_Size[2]", &ScomboBox_Size[2]},
    {"ScomboBox_Size[3]", &ScomboBox_Size[3]},
    {"Slabel_CaptureDisplay_1", &Slabel_CaptureDisplay_1},
    {"Slabel_CaptureDisplay_2", &Slabel_CaptureDisplay_2},
    {"Slabel_HStart", &Slabel_HStart},
    {"Slabel_VStart", &Slabel_VStart},
    {"Slabel_HSize", &Slabel_HSize},
    {"Slabel_VSize", &Slabel_VSize},
    {"Slabel_SaveLayout", &Slabel_SaveLayout},
    {"Slabel_LoadLayout", &Slabel_LoadLayout},
    {"ScomboBox_Layout[0]", &ScomboBox_Layout[0]},
    {"ScomboBox_Layout[1]", &ScomboBox_Layout[1]},
    {"ScomboBox_Layout[2]", &ScomboBox_Layout[2]},
    {"ScomboBox_Layout[3]", &ScomboBox_Layout[3]},
    {"ScomboBox_Layout[4]", &ScomboBox_Layout[4]},
    {"ScomboBox_Layout[5]", &ScomboBox_Layout[5]},
    {"ScomboBox_Layout[6]", &ScomboBox_Layout[6]},
    {"ScomboBox_Layout[7]", &ScomboBox_Layout[7]},
    {"ScomboBox_Layout[8]", &ScomboBox_Layout[8]},
    {"ScomboBox_Layout[9]", &ScomboBox_Layout[9]},
    {"ScomboBox_Layout[10]", &ScomboBox_Layout[10]},
    {"ScomboBox_Layout[11]", &ScomboBox_Layout[11]},
    {"ScomboBox_Layout[12]", &ScomboBox_Layout[12]},
    {"ScomboBox_Layout[13]", &ScomboBox_Layout[13]},
    {"ScomboBox_Layout[14]", &ScomboBox_Layout[14]},
    {"ScomboBox_Layout[15]", &ScomboBox_Layout[15]},
    {"ScomboBox_Layout[16]", &ScomboBox_Layout[16]},
    {"ScomboBox_Layout[17]", &ScomboBox_Layout[17]},
    {"ScomboBox_Layout[18]", &ScomboBox_Layout[18]},
    {"ScomboBox_Layout[19]", &ScomboBox_Layout[19]},
    {"Slabel_LayoutName", &Slabel_LayoutName},
    {"Slabel_AutoSwitch", &Slabel_AutoSwitch},
    {"Slabel_WINDOW_SOURCE", &Slabel_WINDOW_SOURCE},
    {"Slabel_Windows_Name[0]", &Slabel_Windows_Name[0]},
    {"Slabel_Windows_Name[1]", &Slabel_Windows_Name[1]},
    {"Slabel_Windows_Name[2]", &Slabel_Windows_Name[2]},
    {"Slabel_Windows_Name[3]", &Slabel_Windows_Name[3]},
    {"Slabel_InputResolution", &Slabel_InputResolution},
    {"STIPS_EnterKeyFinishInputAndClose", &STIPS_EnterKeyFinishInputAndClose},
    {"STIPS_DoubleChickModifyName", &STIPS_DoubleChickModifyName},
    {"SMSG_SaveMessage", &SMSG_SaveMessage},
    {"SMSG_LoadMessage", &SMSG_LoadMessage},
    {"Ui_Audio_AppName", &Ui_Audio_AppName},
    {"Slabel_AudioSource", &Slabel_AudioSource},
    {"Slabel_Volume", &Slabel_Volume},
    {"SpushButton_Subtract", &SpushButton_Subtract},
    {"SpushButton_Add", &SpushButton_Add},
    {"Slabel_AudioMute", &Slabel_AudioMute},
    {"STIPS_EnterKeyFinishInput", &STIPS_EnterKeyFinishInput},
    {"STIPS_VolumeVaildVaule_0_100", &STIPS_VolumeVaildVaule_0_100},
    {"STIPS_VolumeVaildVaule_0_50", &STIPS_VolumeVaildVaule_0_50},
    {"SgroupBox_MainAudio", &SgroupBox_MainAudio},
    {"SgroupBox_Microphone", &SgroupBox_Microphone},
    {"Slabel_Microphone1Switch", &Slabel_Microphone1Switch},
    {"Slabel_Microphone2Switch", &Slabel_Microphone2Switch},
    {"Slabel_Microphone1Volume", &Slabel_Microphone1Volume},
    {"Slabel_Microphone2Volume", &Slabel_Microphone2Volume},
    {"SgroupBox_OverallAudio", &SgroupBox_OverallAudio},
    {"Ui_System_AppName", &Ui_System_AppName},
    {"Slabel_EdidSelect", &Slabel_EdidSelect},
    {"Slabel_Reset", &Slabel_Reset},
    {"Slabel_FirmwareVersion", &Slabel_FirmwareVersion},
    {"ScomboBox_FirmwareVersion[0]", &ScomboBox_FirmwareVersion[0]},
    {"ScomboBox_FirmwareVersion[1]", &ScomboBox_FirmwareVersion[1]},
    {"ScomboBox_FirmwareVersion[2]", &ScomboBox_FirmwareVersion[2]},
    {"ScomboBox_FirmwareVersion[3]", &ScomboBox_FirmwareVersion[3]},
    {"Slabel_UserEdid", &Slabel_UserEdid},
    {"SpushButton_Load", &SpushButton_Load},
    {"SMSG_ResetMessage", &SMSG_ResetMessage},
    {"SMSG_FirstLoadEdidFile", &SMSG_FirstLoadEdidFile},
    {"SMSG_NotIsEdidContent", &SMSG_NotIsEdidContent},
    {"SMSG_EdidCheckFail", &SMSG_EdidCheckFail},
    {"SMSG_SyncConfigInfo", &SMSG_SyncConfigInfo},
    {"SMSG_ReConnect", &SMSG_ReConnect},
    {"SMSG_EdidWriteOk", &SMSG_EdidWriteOk},
};

// Initialised after the texts above (same file, in order of definition).
const QStringList LanguageTableBuiltIn = Ini_Values(LanguageTable, LanguageTableSize);
const QHash<QByteArray, int> LanguageTableKeys = Ini_KeyIndex(LanguageTable, LanguageTableSize);

const QStringList BaudRateList = {"9600", "19200", "38400", "57600", "115200"};
const QStringList DataBitList = {"5", "6", "7", "8"};
const QStringList ParityList = {"None", "Even", "Odd", "Space", "Mark"};
const QStringList StopBitList = {"1", "1.5", "2"};
const QStringList FlowControlList = {"None", "Hardware", "Software"};
const QStringList NetworkProtocolList = {"TCP-Client", "TCP-Server", "UDP"};
const QStringList OutputResolutionList
    = {"4096x2160p60", "4096x2160p50", "3840x2160p60",   "3840x2160p50",
       "3840x2160p30", "3840x2160p25", "1920x1200p60RB", "1920x1080p60",
       "1920x1080p50", "1360x768p60",  "1280x800p60",    "1280x720p60",
       "1280x720p50",  "1024x768p60",  "AUTO",           "USER"};
const QStringList HdcpModeList = {"Force-1.4", "Force-2.2", "Force-Off"};
const QStringList EdidSelectList = {
    "4K60-2.0",    "4K60-5.1",    "4K60-7.1",  "4K30-2.0",  "4K30-5.1",  "4K30-7.1", "1080p60-2.0",
    "1080p60-5.1", "1080p60-7.1", "1920x1200", "1680x1050", "1600x1200", "1440x900", "1360x768",
    "1280x1024",   "1024x768",    "720p",      "Auto",      "User"};

QString EdidFileDialogPath = QStringLiteral(".");
