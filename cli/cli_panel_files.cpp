#include "cli/cli_panel_files.h"

#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/ini_file.h"

#include <QDir>
#include <QFile>

namespace {
QString LanguagePath(bool english)
{
    return App_Path(english ? LanguageEnglishRelPath : LanguageOtherRelPath);
}

bool EnglishSelected()
{
    return Key_LanguageIsEnglish == QLatin1String("1");
}
} // namespace

void Cli_UsePanelFolder(const QString &dir)
{
    App_SetDirOverride(dir.isEmpty() ? QString() : QDir(dir).absolutePath());
}

bool Cli_LoadPanelNames()
{
    const QString config = App_Path(ConfigIniRelPath);
    if (QFile::exists(config))
        Ini_ReadTable(config);
    const bool english = EnglishSelected();
    for (const bool choice : {english, !english}) {
        if (QFile::exists(LanguagePath(choice))) {
            Ini_ReadTable(LanguagePath(choice));
            return true;
        }
    }
    return false;
}

bool Cli_SavePanelNames(QString *error)
{
    const QString path = LanguagePath(EnglishSelected());
    Ini_ResetFile(path);
    if (!Ini_WriteTable(path)) {
        *error = QStringLiteral("cannot write the names into %1").arg(path);
        return false;
    }
    return true;
}
