#include "app/settings_save_report.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace {
struct SaveFailures
{
    SettingsSaveReporter reporter;
    int count = 0;
    QString firstPath;
    bool reported = false;
};

SaveFailures &failures()
{
    static SaveFailures state;
    return state;
}

void deliver()
{
    SaveFailures &f = failures();
    if (f.reported || f.count == 0 || !f.reporter)
        return;
    f.reported = true;
    // A copy: the reporter may install another one while it runs.
    const SettingsSaveReporter reporter = f.reporter;
    reporter(f.firstPath);
}
} // namespace

void Settings_SetSaveReporter(SettingsSaveReporter reporter)
{
    failures().reporter = std::move(reporter);
    deliver();
}

void Settings_NoteSaveFailure(const QString &path)
{
    SaveFailures &f = failures();
    if (f.count++ == 0) {
        f.firstPath = path;
        if (!f.reporter)
            qWarning("settings could not be saved: %s", qPrintable(QDir::toNativeSeparators(path)));
    }
    deliver();
}

int Settings_SaveFailureCount()
{
    return failures().count;
}

void Settings_ResetSaveFailures()
{
    SaveFailures &f = failures();
    f.count = 0;
    f.firstPath.clear();
    f.reported = false;
}

QString Settings_SaveFailureText(const QString &path)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    return Extra_Text(SettingsNotSavedText).arg(folder);
}
