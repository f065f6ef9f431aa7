#include "app/runtime_dir.h"

#include <QByteArray>
#include <QDir>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

void App_SettleRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const passwd *user = ::getpwuid(::geteuid());
    const QByteArray name = user ? QByteArray(user->pw_name) : QByteArray::number(::geteuid());
    const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" + name;
    ::mkdir(dir.constData(), 0700);
    struct stat st = {};
    if (::lstat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()
        || (st.st_mode & 0777) != 0700)
        return;
    ::setenv("XDG_RUNTIME_DIR", dir.constData(), 1);
}
