// The 18 persistent settings, process-wide texts named after their keys in config.ini.
// Flags are "1"/"0", numbers decimal text; nothing is validated when read.
#pragma once

#include "app/ini_file.h"

#include <QString>

extern QString Key_LanguageIsEnglish;
extern QString Key_UI_Login;
extern QString Key_UI_Output;
extern QString Key_UI_Multiview;
extern QString Key_UI_Audio;
extern QString Key_UI_System;
extern QString Spassword_Admin;
extern QString Spassword_User;
extern QString SP_Name;
extern QString SP_BaudRate;
extern QString SP_DataBit;
extern QString SP_Parity;
extern QString SP_StopBit;
extern QString SP_FlowControl;
extern QString SP_RemoteIp;
extern QString SP_RemotePort;
extern QString SP_RemoteSubmask;
extern QString SP_RemoteGateway;

// Line order of config.ini; the reader fills it by position.
constexpr int ConfigTableSize = 18;
extern const IniEntry ConfigTable[ConfigTableSize];
// The defaults of the 18 entries, in table order, for entries a damaged file lacks.
extern const QStringList ConfigTableBuiltIn;
extern const QHash<QByteArray, int> ConfigTableKeys;

// Set at start; the first window destructor that finds it set clears it and saves once.
extern bool SaveOnExitPending;
