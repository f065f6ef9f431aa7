#include "app/app_paths.h"

#include <QCoreApplication>

namespace {
QString &dirOverride()
{
    static QString dir;
    return dir;
}
} // namespace

QString App_Dir()
{
    if (!dirOverride().isEmpty())
        return dirOverride();
    return QCoreApplication::applicationDirPath();
}

QString App_Path(const QString &relative)
{
    return App_Dir() + relative;
}

void App_SetDirOverride(const QString &dir)
{
    dirOverride() = dir;
}
