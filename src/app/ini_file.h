// Positional key=value files: config.ini and the two language files share one line
// format, one reader and one writer. A file is an ordered list of lines whose order is
// fixed by the program's own table; there is no lookup by key.
#pragma once

#include <QString>

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
};

// The table that belongs to a path: the path is searched for the full path of config.ini,
// then of language-English.ini, then of language-Other.ini. No match: an empty table.
IniTable Ini_TableForPath(const QString &path);

// Fills the path's table from the file by position. Missing or unreadable files leave
// every value as it is.
void Ini_ReadTable(const QString &path);

// Writes every entry of the path's table to the file: UTF-8 without BOM, "key=value" and
// CR LF per line. The new content is written beside the old file and then renamed over it,
// so a failed save leaves the previous file whole. Returns false when nothing was saved.
bool Ini_WriteTable(const QString &path);

// Prepares a complete rewrite: makes sure the file's folder exists. The old file is kept
// until Ini_WriteTable replaces it.
void Ini_ResetFile(const QString &path);

// The exact bytes Ini_WriteTable puts into a file for the given table.
QByteArray Ini_Serialize(const IniTable &table);
