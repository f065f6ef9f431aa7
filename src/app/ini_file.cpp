#include "app/ini_file.h"

#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/language_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// Values are short texts; anything longer is not a line we wrote, so a hand-edited or
// damaged file cannot make the reader hold more than this per line.
constexpr qint64 MaxLineBytes = 64 * 1024;

// Reads one raw line with its line end; an over-long line is cut at MaxLineBytes and the
// rest of it up to its LF is skipped.
QByteArray readBoundedLine(QFile &file)
{
    QByteArray line = file.readLine(MaxLineBytes);
    if (!line.endsWith('\n') && !file.atEnd()) {
        char c = 0;
        while (file.getChar(&c) && c != '\n') { }
    }
    return line;
}
} // namespace

IniTable Ini_TableForPath(const QString &path)
{
    if (path.contains(App_SettingsPath(ConfigIniRelPath)))
        return {ConfigTable, ConfigTableSize};
    if (path.contains(App_SettingsPath(LanguageEnglishRelPath))
        || path.contains(App_SettingsPath(LanguageOtherRelPath)))
        return {LanguageTable, LanguageTableSize};
    return {};
}

void Ini_ReadTable(const QString &path)
{
    const IniTable table = Ini_TableForPath(path);
    if (!table.entries)
        return;
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;

    int i = 0;
    while (!file.atEnd() && i < table.count) {
        const QString line = QString::fromUtf8(readBoundedLine(file));
        const IniEntry &entry = table.entries[i];
        if (line.contains(QLatin1String(entry.key) + QLatin1Char('='))) {
            QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1);
            if (value.endsWith(QLatin1String("\r\n")))
                value.chop(2);
            else if (value.endsWith(QLatin1Char('\n')))
                value.chop(1);
            *entry.value = value;
            ++i;
        } else if (line == QLatin1String("\r\n") || line == QLatin1String("\n")) {
            continue; // blank lines do not count as entries
        } else {
            // A line that does not carry this position's key empties the entry: the
            // format is positional, so a lost line shifts every later one.
            entry.value->clear();
            ++i;
        }
    }
}

QByteArray Ini_Serialize(const IniTable &table)
{
    QByteArray bytes;
    for (int i = 0; i < table.count; ++i) {
        bytes += table.entries[i].key;
        bytes += '=';
        bytes += table.entries[i].value->toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool Ini_WriteTable(const QString &path)
{
    const IniTable table = Ini_TableForPath(path);
    if (!table.entries)
        return false;
    QSaveFile file(path);
    // Unbuffered, so a short write (full disk, size limit) is seen here; with buffering the
    // error would surface only while closing and a truncated file could replace a good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = Ini_Serialize(table);
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void Ini_ResetFile(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0)
        return;
    QDir().mkpath(path.left(slash));
}
