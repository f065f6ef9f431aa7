// Feeds arbitrary bytes to the ini reader from memory, as config.ini or as a language file
// (the first byte chooses). The reader must never leave a caption blank, and whatever it
// read must save back as one line per entry (no value holds a line break).
//
// Run: fuzz_ini_reader -max_total_time=600 <new corpus dir>
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool language = data[0] & 1;
    const IniTable table = language
        ? IniTable {LanguageTable, LanguageTableSize, &LanguageTableBuiltIn, true,
                    &LanguageTableKeys}
        : IniTable {ConfigTable, ConfigTableSize, &ConfigTableBuiltIn, false, &ConfigTableKeys};
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data) + 1,
                                               static_cast<int>(size - 1));
    QBuffer source(&bytes);
    source.open(QIODevice::ReadOnly);
    Ini_ReadDevice(source, table);

    // One line per entry when saved: no value may carry a line break; and no caption is blank.
    for (int i = 0; i < table.count; ++i) {
        const QString &value = *table.entries[i].value;
        if (value.contains(QLatin1Char('\n')))
            std::abort();
        if (language && value.isEmpty())
            std::abort();
    }
    return 0;
}
