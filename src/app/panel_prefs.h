// The panel's own preferences (reconnect, keep-alive, reply time-out, terminal options,
// recent devices): one QSettings INI file beside config.ini in the settings folder. They never
// go into config.ini or the language files, whose fixed line layouts stored files rely on.
//
// Keys are grouped by feature ("link/keepAliveS", "terminal/lineEnding"). Every value read
// back is untrusted (the file may be edited by hand): callers range-check what they get.
// GUI thread only, like the other settings.
#pragma once

#include <QString>
#include <QVariant>

inline const char *const PanelPrefsRelPath = "/APP/ConfigFile/panel.ini";

// The stored value, or fallback when the key is missing or the file cannot be read.
QVariant Prefs_Value(const QString &key, const QVariant &fallback = {});

// Stores the value and writes the file at once. A failed write is reported once per run
// through the settings save report; returns whether the file was written.
bool Prefs_SetValue(const QString &key, const QVariant &value);

// Removes the key (and the keys under it) and writes the file at once.
bool Prefs_Remove(const QString &key);

// An integer preference clamped to [minimum, maximum]; fallback when missing or not a number.
int Prefs_Int(const QString &key, int fallback, int minimum, int maximum);
