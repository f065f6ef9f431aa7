// Moving the settings and the texts between memory and the files under APP/ConfigFile.
// All functions run on the GUI thread and never show a message: a file that cannot be
// read or written leaves the values in memory as they are. A failed write is recorded with
// Settings_NoteSaveFailure (settings_save_report.h), which tells the operator once.
#pragma once

#include <QString>

// Loads config.ini and the current language file, or writes the defaults out when
// config.ini is missing. True when config.ini existed. (The start-up code in ui applies the
// style sheet right after, before any window is built.)
bool Config_LoadAtStartup();

// Reads config.ini (unless languageOnly) and the language file that Key_LanguageIsEnglish
// selects, falling back to the other file, then to the built-in English texts. Without
// config.ini a full load does nothing; a language-only load still reads the texts.
void Config_Load(bool languageOnly);

// Rewrites config.ini and the file of the current language from memory. False when either
// could not be written (already recorded as a save failure).
bool Config_SaveAll();

// The language switch shared by the login dialog and the main window: save everything,
// pick the language whose selector text was chosen, reload only the language texts.
void Language_Switch(const QString &languageText);

// Whether the file of the English (true) or the other (false) language exists.
bool Language_FileExists(bool english);

// Path of the file of the language currently selected by Key_LanguageIsEnglish.
QString Language_CurrentFilePath();
