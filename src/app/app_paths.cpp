#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

#ifndef KORVANE_INSTALLED_DATA_REL
#define KORVANE_INSTALLED_DATA_REL "../share/korvane"
#endif

namespace {
struct LayoutState
{
    std::optional<AppLayout> resolved;
    std::optional<AppLayout> override;
    QString problem;
};

LayoutState &state()
{
    static LayoutState s;
    return s;
}

bool isWritableFolder(const QString &dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

QString clean(const QString &dir)
{
    return QDir::cleanPath(dir);
}

void report(const QString &problem)
{
    state().problem = problem;
    qWarning("korvane: %s; the settings will not be saved.", qUtf8Printable(problem));
}

// Copies one installed default into the settings folder unless the operator already has it.
bool seed(const AppLayout &layout, const char *relative)
{
    const QString to = layout.settingsDir + QLatin1String(relative);
    const QString from = layout.dataDir + QLatin1String(relative);
    if (QFileInfo::exists(to) || !QFileInfo::exists(from))
        return true;
    if (!QFile::copy(from, to))
        return false;
    // The copy takes the installation's mode; the operator's file must stay writable.
    return QFile::setPermissions(to,
                                 QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                     | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
} // namespace

AppLayout App_ResolveLayout(const QString &exeDir, const QString &installedDataRel,
                            const QString &configHome,
                            const std::function<bool(const QString &)> &writable)
{
    const QString perUser = clean(configHome + QLatin1String("/korvane"));
    const QString beside = clean(exeDir);
    if (QFileInfo(beside + QLatin1String("/APP")).isDir()) {
        // The folder the settings are written to: ConfigFile/ once it exists, else APP/
        // (where the first start creates it).
        const QString configFolder = beside + QLatin1String("/APP/ConfigFile");
        const QString probe
            = QFileInfo(configFolder).isDir() ? configFolder : beside + QLatin1String("/APP");
        return {beside, writable(probe) ? beside : perUser};
    }
    if (!installedDataRel.isEmpty()) {
        const QString installed = clean(beside + QLatin1Char('/') + installedDataRel);
        if (QFileInfo(installed + QLatin1String("/APP")).isDir())
            return {installed, perUser};
    }
    return {beside, beside};
}

const AppLayout &App_Layout()
{
    LayoutState &s = state();
    if (s.override)
        return *s.override;
    if (!s.resolved) {
        s.resolved = App_ResolveLayout(
            QCoreApplication::applicationDirPath(), QStringLiteral(KORVANE_INSTALLED_DATA_REL),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
            isWritableFolder);
    }
    return *s.resolved;
}

QString App_Dir()
{
    return App_Layout().dataDir;
}

QString App_Path(const QString &relative)
{
    return App_Layout().dataDir + relative;
}

QString App_SettingsPath(const QString &relative)
{
    return App_Layout().settingsDir + relative;
}

bool App_MayRewrite(const QString &path)
{
    const AppLayout &layout = App_Layout();
    if (!layout.separate())
        return true;
    const QString file = clean(QFileInfo(path).absoluteFilePath());
    return !file.startsWith(layout.dataDir + QLatin1Char('/'));
}

bool App_PrepareSettings()
{
    const AppLayout &layout = App_Layout();
    state().problem.clear();
    if (!layout.separate())
        return true;
    const QString folder = layout.settingsDir + QLatin1String("/APP/ConfigFile");
    if (!QDir().mkpath(folder)) {
        report(QStringLiteral("cannot create the settings folder %1").arg(folder));
        return false;
    }
    if (!isWritableFolder(folder)) {
        report(QStringLiteral("cannot write in the settings folder %1").arg(folder));
        return false;
    }
    for (const char *relative : {LanguageEnglishRelPath, LanguageOtherRelPath}) {
        if (!seed(layout, relative)) {
            report(QStringLiteral("cannot copy %1 into %2")
                       .arg(layout.dataDir + QLatin1String(relative), folder));
            return false;
        }
    }
    return true;
}

QString App_SettingsProblem()
{
    return state().problem;
}

void App_SetDirOverride(const QString &dir)
{
    if (dir.isEmpty())
        state().override.reset();
    else
        state().override = AppLayout {dir, dir};
}

void App_SetLayoutOverride(const AppLayout &layout)
{
    state().override = layout;
}
