#pragma once

#include <QString>

// Applies the file's text as the style sheet of the whole application. The text ends at
// the first NUL byte; a missing file keeps the built-in look.
void Style_Apply(const QString &path);
