// The panel's own files on this PC that korvane-cli reads and writes: only the language file
// that holds the input and scene names. Read the way the panel reads it at start (the
// language config.ini selects, falling back to the other file); written the way the panel
// saves it, whole and replacing the old file only once complete.
#pragma once

#include <QString>

// Points the panel's folder somewhere else (--app-dir); empty keeps the program's own.
void Cli_UsePanelFolder(const QString &dir);

// Loads the names into the language texts. False when the panel has no language file yet
// (the built-in names are then in use).
bool Cli_LoadPanelNames();

// Saves the language texts (names included) into the file of the selected language.
// False with the reason.
bool Cli_SavePanelNames(QString *error);
