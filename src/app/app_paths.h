// Every runtime file is found relative to the executable's folder, never the working
// directory. Tests point the base folder at a scratch directory instead.
#pragma once

#include <QString>

// Folder that holds APP/ and TitleBar/: the executable's folder unless overridden.
QString App_Dir();
// Full path of a runtime file; relative is written as in the docs, e.g. "/APP/Image/x.png".
QString App_Path(const QString &relative);
// Empty text restores the executable's folder.
void App_SetDirOverride(const QString &dir);

inline const char *const ConfigIniRelPath = "/APP/ConfigFile/config.ini";
inline const char *const LanguageEnglishRelPath = "/APP/ConfigFile/language-English.ini";
inline const char *const LanguageOtherRelPath = "/APP/ConfigFile/language-Other.ini";
inline const char *const StyleSheetRelPath = "/APP/StyleSheet/default.qss";
