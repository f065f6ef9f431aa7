#pragma once

#include <QString>

// Reads a style sheet file as Latin-1 text that ends at the first NUL byte. A missing or
// unreadable file gives an empty text; only the first few megabytes are read.
QString Style_ReadText(const QString &path);

// Applies the file's text as the style sheet of the whole application. The text ends at
// the first NUL byte; a missing file keeps the built-in look.
void Style_Apply(const QString &path);
