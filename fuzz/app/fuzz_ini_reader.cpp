// Feeds arbitrary bytes to the positional ini reader as config.ini and as a language file.
#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static bool ready = [] {
        App_SetDirOverride(dir.path());
        return QDir().mkpath(dir.path() + "/APP/ConfigFile");
    }();
    if (!ready)
        return 0;
    for (const char *relative : {ConfigIniRelPath, LanguageOtherRelPath}) {
        const QString path = App_Path(relative);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
        file.close();
        Ini_ReadTable(path);
        // Whatever was read must serialise back without trouble.
        (void)Ini_Serialize(Ini_TableForPath(path));
    }
    return 0;
}
