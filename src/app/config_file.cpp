#include "app/config_file.h"

#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"
#include "app/settings_save_report.h"

#include <QFile>

namespace {
bool englishSelected()
{
    return Key_LanguageIsEnglish == QLatin1String("1");
}

QString languagePath(bool english)
{
    return App_SettingsPath(english ? LanguageEnglishRelPath : LanguageOtherRelPath);
}

bool rewrite(const QString &path)
{
    Ini_ResetFile(path);
    if (Ini_WriteTable(path))
        return true;
    Settings_NoteSaveFailure(path);
    return false;
}
} // namespace

bool Config_LoadAtStartup()
{
    App_PrepareSettings(); // an installed panel's per-user folder, seeded on first start
    const bool existed = QFile::exists(App_SettingsPath(ConfigIniRelPath));
    if (existed)
        Config_Load(false);
    else
        Config_SaveAll();
    return existed;
}

void Config_Load(bool languageOnly)
{
    const QString configPath = App_SettingsPath(ConfigIniRelPath);
    if (!languageOnly) {
        if (!QFile::exists(configPath))
            return;
        Ini_ReadTable(configPath);
    }
    // A language switch reads its texts even when config.ini could not be created (a
    // read-only folder): the texts follow the selector whether or not they can be saved.

    const bool english = englishSelected();
    if (QFile::exists(languagePath(english))) {
        Ini_ReadTable(languagePath(english));
    } else if (QFile::exists(languagePath(!english))) {
        // The preference stays, so the next save writes these texts under its name.
        Ini_ReadTable(languagePath(!english));
    } else {
        Key_LanguageIsEnglish = QStringLiteral("1");
    }
}

bool Config_SaveAll()
{
    const bool config = rewrite(App_SettingsPath(ConfigIniRelPath));
    const bool language = rewrite(Language_CurrentFilePath());
    return config && language;
}

void Language_Switch(const QString &languageText)
{
    Config_SaveAll();
    if (languageText == ScomboBox_LanguageSelect[0])
        Key_LanguageIsEnglish = QStringLiteral("1");
    else if (languageText == ScomboBox_LanguageSelect[1])
        Key_LanguageIsEnglish = QStringLiteral("0");
    Config_Load(true);
}

bool Language_FileExists(bool english)
{
    return QFile::exists(languagePath(english));
}

QString Language_CurrentFilePath()
{
    return languagePath(englishSelected());
}
