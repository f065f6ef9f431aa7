// Settings that cannot be saved (a read-only folder, a full disk, a file where the folder
// should be) are told to the operator once per run, not at every save and not never.
//
// The save functions record each failure here; the user interface installs a reporter that
// decides how to show it (the panel shows one message box). Whoever saves settings files,
// in whatever folder, calls Settings_NoteSaveFailure when a write fails and the operator
// hears of it once:
//     if (!Ini_WriteTable(path))
//         Settings_NoteSaveFailure(path);
// GUI thread only, like the settings themselves.
#pragma once

#include "app/extra_texts.h"

#include <QString>

#include <functional>

// Gets the full path of the first file of the run that could not be written.
using SettingsSaveReporter = std::function<void(const QString &path)>;

// Installs the reporter (an empty one removes it). A failure recorded before a reporter was
// installed, and not reported yet, is handed to the new reporter at once.
void Settings_SetSaveReporter(SettingsSaveReporter reporter);

// Records a failed write. The first failure of the run goes to the reporter, or, with none
// installed, waits for one (and is written to the diagnostic output); later ones only count.
void Settings_NoteSaveFailure(const QString &path);

// Failures recorded in this run.
int Settings_SaveFailureCount();

// Forgets recorded failures, so that the next one is reported again (tests, a new folder).
void Settings_ResetSaveFailures();

// The operator's text for a failure; %1 is the folder that could not be written.
inline constexpr ExtraText SettingsNotSavedText {
    "The settings could not be saved in %1. Changes made now are lost when the program closes.",
    "无法在 %1 中保存设置。现在所做的更改将在程序关闭后丢失。"};

// SettingsNotSavedText in the current language for the file at path.
QString Settings_SaveFailureText(const QString &path);
