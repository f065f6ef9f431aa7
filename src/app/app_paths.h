// Where the runtime files live: the one place that decides it.
//
// The panel reads its style sheets and pictures from the runtime folder (APP/ and TitleBar/)
// and keeps its settings and texts under APP/ConfigFile/. Two layouts exist:
//  - portable (build tree, a copied folder): everything beside the executable, settings
//    written there, exactly as the panel always did;
//  - installed (a package or `cmake --install`): pictures and style sheets are read from the
//    read-only installation, settings live in a per-user folder under the XDG config
//    directory (~/.config/korvane/APP/ConfigFile/), seeded from the installed defaults.
// Everything is found relative to the executable's folder, never the working directory.
#pragma once

#include <QString>

#include <functional>

struct AppLayout
{
    QString dataDir; // holds APP/ and TitleBar/ (style sheets, pictures, default texts)
    QString settingsDir; // holds APP/ConfigFile/ (config.ini and the language files)

    // Settings kept apart from a read-only installation.
    bool separate() const { return dataDir != settingsDir; }
};

// The layout for an executable in exeDir. installedDataRel is the installation's data folder
// relative to exeDir (e.g. "../share/korvane"), configHome the XDG config directory and
// writable tells whether a folder can be written. Pure, so every case can be tested:
//  - exeDir/APP exists and its settings folder is writable: portable, all in exeDir;
//  - exeDir/APP exists but cannot be written: data from exeDir, settings per user;
//  - exeDir/installedDataRel/APP exists: installed; settings per user even when the
//    installation could be written (root), so a package's files are never rewritten;
//  - neither: portable in exeDir (the defaults are written there on first start).
AppLayout App_ResolveLayout(const QString &exeDir, const QString &installedDataRel,
                            const QString &configHome,
                            const std::function<bool(const QString &)> &writable);

// The layout of this process (resolved once, from the executable's folder).
const AppLayout &App_Layout();

// Folder that holds APP/ and TitleBar/: style sheets and pictures.
QString App_Dir();
// Full path of a runtime file; relative is written as in the docs, e.g. "/APP/Image/x.png".
QString App_Path(const QString &relative);
// Full path of a settings file, e.g. "/APP/ConfigFile/config.ini".
QString App_SettingsPath(const QString &relative);

// Whether a file may be rewritten in place (the PNG re-save): never inside a read-only
// installation, whoever runs the panel.
bool App_MayRewrite(const QString &path);

// Copies the installed language files into a separate settings folder where they are
// missing, creating the folder. Silent on success and in the portable layout. On failure
// it says why on standard error and keeps the reason for App_SettingsProblem(); the panel
// then runs on its defaults.
bool App_PrepareSettings();

// Why the settings folder could not be prepared (empty when it could).
QString App_SettingsProblem();

// Tests: one scratch folder for everything (portable layout). Empty text restores the
// executable's own layout.
void App_SetDirOverride(const QString &dir);
// Tests: an installed layout with separate data and settings folders.
void App_SetLayoutOverride(const AppLayout &layout);

inline const char *const ConfigIniRelPath = "/APP/ConfigFile/config.ini";
inline const char *const LanguageEnglishRelPath = "/APP/ConfigFile/language-English.ini";
inline const char *const LanguageOtherRelPath = "/APP/ConfigFile/language-Other.ini";
inline const char *const StyleSheetRelPath = "/APP/StyleSheet/default.qss";
