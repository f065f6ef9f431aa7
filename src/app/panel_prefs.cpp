#include "app/panel_prefs.h"

#include "app/app_paths.h"
#include "app/settings_save_report.h"

#include <QSettings>

#include <algorithm>

namespace {

// Opened per call: the settings folder can change between tests, and QSettings shares its
// parsed file between instances of the same path, so this stays cheap.
QString prefsPath()
{
    return App_SettingsPath(QString::fromLatin1(PanelPrefsRelPath));
}

bool finish(QSettings &settings)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    Settings_NoteSaveFailure(settings.fileName());
    return false;
}

} // namespace

QVariant Prefs_Value(const QString &key, const QVariant &fallback)
{
    QSettings settings(prefsPath(), QSettings::IniFormat);
    return settings.value(key, fallback);
}

bool Prefs_SetValue(const QString &key, const QVariant &value)
{
    QSettings settings(prefsPath(), QSettings::IniFormat);
    settings.setValue(key, value);
    return finish(settings);
}

bool Prefs_Remove(const QString &key)
{
    QSettings settings(prefsPath(), QSettings::IniFormat);
    settings.remove(key);
    return finish(settings);
}

int Prefs_Int(const QString &key, int fallback, int minimum, int maximum)
{
    bool ok = false;
    const int value = Prefs_Value(key).toInt(&ok);
    return std::clamp(ok ? value : fallback, minimum, maximum);
}
