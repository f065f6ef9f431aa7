#include "app/config_values.h"

QString Key_LanguageIsEnglish = QStringLiteral("1");
QString Key_UI_Login = QStringLiteral("1");
QString Key_UI_Output = QStringLiteral("1");
QString Key_UI_Multiview = QStringLiteral("1");
QString Key_UI_Audio = QStringLiteral("1");
QString Key_UI_System = QStringLiteral("1");
QString Spassword_Admin = QStringLiteral("428613");
QString Spassword_User = QStringLiteral("428613");
QString SP_Name = QStringLiteral("COM1");
QString SP_BaudRate = QStringLiteral("9600");
QString SP_DataBit = QStringLiteral("8");
QString SP_Parity = QStringLiteral("0");
QString SP_StopBit = QStringLiteral("1");
QString SP_FlowControl = QStringLiteral("0");
QString SP_RemoteIp = QStringLiteral("192.168.0.247");
QString SP_RemotePort = QStringLiteral("2000");
QString SP_RemoteSubmask = QStringLiteral("255.255.255.0");
QString SP_RemoteGateway = QStringLiteral("192.168.0.1");

const IniEntry ConfigTable[ConfigTableSize] = {
    {"Key_LanguageIsEnglish", &Key_LanguageIsEnglish},
    {"Key_UI_Login", &Key_UI_Login},
    {"Key_UI_Output", &Key_UI_Output},
    {"Key_UI_Multiview", &Key_UI_Multiview},
    {"Key_UI_Audio", &Key_UI_Audio},
    {"Key_UI_System", &Key_UI_System},
    {"Spassword_Admin", &Spassword_Admin},
    {"Spassword_User", &Spassword_User},
    {"SP_Name", &SP_Name},
    {"SP_BaudRate", &SP_BaudRate},
    {"SP_DataBit", &SP_DataBit},
    {"SP_Parity", &SP_Parity},
    {"SP_StopBit", &SP_StopBit},
    {"SP_FlowControl", &SP_FlowControl},
    {"SP_RemoteIp", &SP_RemoteIp},
    {"SP_RemotePort", &SP_RemotePort},
    {"SP_RemoteSubmask", &SP_RemoteSubmask},
    {"SP_RemoteGateway", &SP_RemoteGateway},
};

// Initialised after the values above (same file, in order of definition).
const QStringList ConfigTableBuiltIn = Ini_Values(ConfigTable, ConfigTableSize);
const QHash<QByteArray, int> ConfigTableKeys = Ini_KeyIndex(ConfigTable, ConfigTableSize);

bool SaveOnExitPending = true;
