#include "cli/cli_panel_files.h"

#include "app/app_paths.h"
#include "app/config_file.h"

#include <QDir>
#include <QFile>

void Cli_UsePanelFolder(const QString &dir)
{
    App_SetDirOverride(dir.isEmpty() ? QString() : QDir(dir).absolutePath());
}

bool Cli_LoadPanelNames()
{
    if (!QFile::exists(App_SettingsPath(ConfigIniRelPath)))
        return false; // the panel never ran here: its built-in names are in use
    Config_Load(false);
    return true;
}

bool Cli_SavePanelNames(QString *error)
{
    // Saved the way the panel saves at exit: config.ini and the current language file
    // together, so that the panel's next start reads the names instead of writing defaults.
    if (!App_PrepareSettings()) {
        *error = App_SettingsProblem();
        return false;
    }
    Config_SaveAll();
    if (!QFile::exists(Language_CurrentFilePath())) {
        *error = QStringLiteral("cannot write the names into %1").arg(Language_CurrentFilePath());
        return false;
    }
    return true;
}
