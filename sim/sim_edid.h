// The user EDID travels as 256 bytes of two-digit upper-case hex, one word per byte.
#pragma once

#include <QByteArray>
#include <QList>

inline constexpr int SimEdidSize = 256;

// Parses exactly 256 words of two upper-case hex digits each; false (out untouched) otherwise.
bool SimParseEdidHex(const QList<QByteArray> &words, QByteArray *out);
