// Positional key=value files: config.ini and the two language files share one line
// format, one reader and one writer. A file is an ordered list of lines whose order is
// fixed by the program's own table. A well-formed file is read by position; once a line
// does not carry the key its position expects (a line lost, doubled, moved or foreign), the
// rest of the file is taken by key, so one damaged line cannot shift every later value.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QIODevice;

// One table row: the key as it stands in the file and the process-wide value it fills.
struct IniEntry
{
    const char *key;
    QString *value;
};

struct IniTable
{
    const IniEntry *entries = nullptr;
    int count = 0;
    // The values every entry held before any file was read, one per entry: what an entry
    // gets when a damaged file lacks its key. Null: such entries keep their value.
    const QStringList *builtIn = nullptr;
    // Captions and messages: an empty text is never taken, the built-in one stands instead.
    bool neverBlank = false;
    // Key -> entry index, for reading a damaged file by key. Null: keys are searched in turn.
    const QHash<QByteArray, int> *keyIndex = nullptr;
};

// The table that belongs to a path: the path is searched for the full path of config.ini,
// then of language-English.ini, then of language-Other.ini. No match: an empty table.
IniTable Ini_TableForPath(const QString &path);

// Fills the path's table from the file. Missing or unreadable files leave every value as it
// is; a well-formed file that ends early leaves the entries it does not reach as they are.
void Ini_ReadTable(const QString &path);

// The reader itself, on any open device (a file, or bytes in memory):
// - by position while every line carries its position's key (text before the key on the
//   line is tolerated, blank lines are skipped); the value is everything after the first
//   "=" without its line end;
// - from the first line that does not, every remaining entry is looked up by key (the text
//   before a line's first "=", exactly) in the rest of the file, first occurrence winning;
//   an entry the file lacks takes its built-in value.
// An entry present under its own key with an empty value stays empty (a hand-emptied
// password), except in a neverBlank table.
void Ini_ReadDevice(QIODevice &device, const IniTable &table);

// The current values of the table's entries, in table order.
QStringList Ini_Values(const IniEntry *entries, int count);
// Each key of the table with its entry index.
QHash<QByteArray, int> Ini_KeyIndex(const IniEntry *entries, int count);

// Writes every entry of the path's table to the file: UTF-8 without BOM, "key=value" and
// CR LF per line. The new content is written beside the old file and then renamed over it,
// so a failed save leaves the previous file whole. Returns false when nothing was saved.
bool Ini_WriteTable(const QString &path);

// Prepares a complete rewrite: makes sure the file's folder exists. The old file is kept
// until Ini_WriteTable replaces it.
void Ini_ResetFile(const QString &path);

// The exact bytes Ini_WriteTable puts into a file for the given table.
QByteArray Ini_Serialize(const IniTable &table);
