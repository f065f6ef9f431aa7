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
#include <cstring>

namespace {
// Values are short texts; anything longer is not a line we wrote, so a hand-edited or
// damaged file cannot make the reader hold more than this per line.
constexpr qint64 MaxLineBytes = 64 * 1024;
// Lines searched for keys once the file has lost its order. A real file has one line per
// entry; this bounds the time a huge damaged file can cost.
constexpr int MaxKeyedLines = 8192;

// Reads one raw line with its line end into `line` (reused, so its buffer is kept); an
// over-long line is cut at MaxLineBytes and the rest of it up to its LF is skipped.
void readBoundedLine(QIODevice &device, QByteArray &line)
{
    line.resize(0);
    char piece[256];
    while (line.size() < MaxLineBytes && !line.endsWith('\n')) {
        const qint64 room = qMin<qint64>(sizeof piece, MaxLineBytes - line.size() + 1);
        const qint64 got = device.readLine(piece, room);
        if (got <= 0)
            break;
        line.append(piece, static_cast<int>(got));
    }
    if (!line.endsWith('\n') && !device.atEnd()) {
        char c = 0;
        while (device.getChar(&c) && c != '\n') { }
    }
}

bool isBlankLine(const QByteArray &line)
{
    return line == "\r\n" || line == "\n";
}

// Whether the line holds the key followed by "=" anywhere (text before it is tolerated).
// Keys are ASCII, so the bytes say the same as the decoded text.
bool containsKeyAndEquals(const QByteArray &line, const char *key)
{
    const int length = static_cast<int>(qstrlen(key));
    for (int at = line.indexOf(key); at >= 0; at = line.indexOf(key, at + 1)) {
        if (at + length < line.size() && line.at(at + length) == '=')
            return true;
    }
    return false;
}

// Everything after the first "=", without its line end, decoded from UTF-8. Spaces and a
// lone CR stay.
QString valueOf(const QByteArray &line)
{
    int begin = line.indexOf('=') + 1;
    int end = line.size();
    if (line.endsWith("\r\n"))
        end -= 2;
    else if (line.endsWith('\n'))
        end -= 1;
    end = qMax(end, begin);
    return QString::fromUtf8(line.constData() + begin, end - begin);
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
    void readByKey(QIODevice &device, QByteArray &line, int from)
    {
        QVarLengthArray<bool, 256> found(m_table.count - from);
        std::fill(found.begin(), found.end(), false);
        int missing = m_table.count - from;
        for (int scanned = 0; missing > 0 && scanned < MaxKeyedLines; ++scanned) {
            const int k = keyIndex(line, from);
            if (k >= 0 && !found[k - from]) {
                found[k - from] = true;
                --missing;
                take(k, valueOf(line));
            }
            if (device.atEnd())
                break;
            readBoundedLine(device, line);
        }
        for (int k = from; k < m_table.count; ++k) {
            if (!found[k - from])
                takeBuiltIn(k);
        }
    }

private:
    // The entry (from `from` on) whose key is exactly the text before the line's first "=".
    int keyIndex(const QByteArray &line, int from) const
    {
        const int eq = line.indexOf('=');
        if (eq <= 0)
            return -1;
        if (m_table.keyIndex) {
            const int k
                = m_table.keyIndex->value(QByteArray::fromRawData(line.constData(), eq), -1);
            return k >= from ? k : -1;
        }
        for (int k = from; k < m_table.count; ++k) {
            const char *candidate = m_table.entries[k].key;
            if (qstrlen(candidate) == uint(eq)
                && std::memcmp(candidate, line.constData(), size_t(eq)) == 0)
                return k;
        }
        return -1;
    }

    const IniTable &m_table;
};
} // namespace

IniTable Ini_TableForPath(const QString &path)
{
    if (path.contains(App_SettingsPath(ConfigIniRelPath)))
        return {ConfigTable, ConfigTableSize, &ConfigTableBuiltIn, false, &ConfigTableKeys};
    if (path.contains(App_SettingsPath(LanguageEnglishRelPath))
        || path.contains(App_SettingsPath(LanguageOtherRelPath)))
        return {LanguageTable, LanguageTableSize, &LanguageTableBuiltIn, true, &LanguageTableKeys};
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

QHash<QByteArray, int> Ini_KeyIndex(const IniEntry *entries, int count)
{
    QHash<QByteArray, int> index;
    index.reserve(count);
    for (int i = 0; i < count; ++i)
        index.insert(QByteArray(entries[i].key), i);
    return index;
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
    QByteArray line;
    line.reserve(256);
    int i = 0;
    while (!device.atEnd() && i < table.count) {
        readBoundedLine(device, line);
        if (containsKeyAndEquals(line, table.entries[i].key)) {
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
    bytes.reserve(table.count * 48);
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
