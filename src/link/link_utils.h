// Byte and text helpers of the link and the reply path, and the nested-loop pause.
#pragma once

#include <QString>

// Position of the first occurrence of pattern in data, or -1; -1 when count is 0 or smaller
// than the pattern.
qint64 Bytes_Find(const char *data, qint64 count, const char *pattern, qint64 length);

// One character per byte.
QString Bytes_ToLatin1Text(const char *bytes, int length);

// Decoded with the local 8-bit code page, ending at the first zero byte.
QString Bytes_ToLocalText(const char *bytes, int length);

// Runs a local event loop until a precise single-shot timer of ms milliseconds quits it; other
// events of the calling thread are handled meanwhile. Returns at once when the thread is
// asked to quit.
void WaitMs(int ms);
