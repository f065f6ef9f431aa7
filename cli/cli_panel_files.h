// The panel's own files on this PC that korvane-cli reads and writes, for the input and scene
// names the panel keeps among its language texts: read and saved exactly the way the panel
// reads them at start and saves them at exit (config.ini and the current language file).
#pragma once

#include <QString>

// Points the panel's folder somewhere else (--app-dir); empty keeps the program's own.
void Cli_UsePanelFolder(const QString &dir);

// Loads the names into the language texts. False when the panel has no language file yet
// (the built-in names are then in use).
bool Cli_LoadPanelNames();

// Saves config.ini and the current language file (names included). False with the reason.
bool Cli_SavePanelNames(QString *error);
