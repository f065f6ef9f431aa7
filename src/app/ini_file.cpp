#include "app/ini_file.h"

#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/language_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QVarLengthArray>

#include <algorithm>

namespace {
// Values are short texts; anything longer is not a line we wrote, so a hand-edited or
// damaged file cannot make the reader hold more than this per line.
constexpr qint64 MaxLineBytes = 64 * 1024;
// Lines searched for keys once the file has lost its order. A real file has one line per
// entry; this bounds the time a huge damaged file can cost.
constexpr int MaxKeyedLines = 8192;

// Reads one raw line with its line end; an over-long line is cut at MaxLineBytes and the
// rest of it up to its LF is skipped.
QString readBoundedLine(QIODevice &device)
{
    QByteArray line = device.readLine(MaxLineBytes);
    if (!line.endsWith('\n') && !device.atEnd()) {
        char c = 0;
        while (device.getChar(&c) && c != '\n') { }
    }
    return QString::fromUtf8(line);
}

bool isBlankLine(const QString &line)
{
    return line == QLatin1String("\r\n") || line == QLatin1String("\n");
}

// Everything after the first "=", without its line end. Spaces and a lone CR stay.
QString valueOf(const QString &line)
{
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1);
    if (value.endsWith(QLatin1String("\r\n")))
        value.chop(2);
    else if (value.endsWith(QLatin1Char('\n')))
        value.chop(1);
    return value;
}

class TableFiller
{
public:
    explicit TableFiller(const IniTable &table)
        : m_table(table)
    { }

    void take(int i, const QString &value)
    {
        const bool blank = value.isEmpty() && m_table.neverBlank;
        if (blank)
            takeBuiltIn(i);
        else
            *m_table.entries[i].value = value;
    }
    void takeBuiltIn(int i)
    {
        if (m_table.builtIn && i < m_table.builtIn->size())
            *m_table.entries[i].value = m_table.builtIn->at(i);
    }

    // Entries from `from` on, found by key in the line at hand and the rest of the device.
    void readByKey(QIODevice &device, const QString &firstLine, int from)
    {
        QVarLengthArray<bool, 256> found(m_table.count - from);
        std::fill(found.begin(), found.end(), false);
        int missing = m_table.count - from;
        QString line = firstLine;
        for (int scanned = 0; missing > 0 && scanned < MaxKeyedLines; ++scanned) {
            const int k = keyIndex(line, from);
            if (k >= 0 && !found[k - from]) {
                found[k - from] = true;
                --missing;
                take(k, valueOf(line));
            }
            if (device.atEnd())
                break;
            line = readBoundedLine(device);
        }
        for (int k = from; k < m_table.count; ++k) {
            if (!found[k - from])
                takeBuiltIn(k);
        }
    }

private:
    // The entry (from `from` on) whose key is exactly the text before the line's first "=".
    int keyIndex(const QString &line, int from) const
    {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return -1;
        const QStringRef key = line.leftRef(eq);
        for (int k = from; k < m_table.count; ++k) {
            if (key == QLatin1String(m_table.entries[k].key))
                return k;
        }
        return -1;
    }

    const IniTable &m_table;
};
} // namespace

IniTable Ini_TableForPath(const QString &path)
{
    if (path.contains(App_Path(ConfigIniRelPath)))
        return {ConfigTable, ConfigTableSize, &ConfigTableBuiltIn, false};
    if (path.contains(App_Path(LanguageEnglishRelPath))
        || path.contains(App_Path(LanguageOtherRelPath)))
        return {LanguageTable, LanguageTableSize, &LanguageTableBuiltIn, true};
    return {};
}

QStringList Ini_Values(const IniEntry *entries, int count)
{
    QStringList values;
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values << *entries[i].value;
    return values;
}

void Ini_ReadTable(const QString &path)
{
    const IniTable table = Ini_TableForPath(path);
    if (!table.entries)
        return;
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    Ini_ReadDevice(file, table);
}

void Ini_ReadDevice(QIODevice &device, const IniTable &table)
{
    if (!table.entries || !device.isReadable())
        return;
    TableFiller filler(table);
    int i = 0;
    while (!device.atEnd() && i < table.count) {
        const QString line = readBoundedLine(device);
        if (line.contains(QLatin1String(table.entries[i].key) + QLatin1Char('='))) {
            filler.take(i, valueOf(line));
            ++i;
        } else if (!isBlankLine(line)) {
            // The file has lost its order here: positions no longer say which line is whose.
            filler.readByKey(device, line, i);
            return;
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
