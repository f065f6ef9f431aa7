// The user EDID as the device takes it: one 256-byte buffer (base block and first extension),
// read from an operator-chosen file and checked before it is uploaded. No widgets here.
#pragma once

#include <QtGlobal>

class QIODevice;
class QString;

constexpr int EdidBufferSize = 256;
constexpr int EdidBlockSize = 128;

enum EdidCheckResult : int {
    EdidAcceptable = 0,
    EdidNotAnEdid = 1, // the fixed header 00 FF FF FF FF FF FF 00 is missing
    EdidChecksumError = 2, // a block does not sum to 0 modulo 256
};

// The device's acceptance rule: header, base-block checksum, and the extension block's
// checksum only when the base block announces exactly one extension. With no extension or
// with two and more, the second block is sent as it is without being examined.
EdidCheckResult Edid_Check(const quint8 (&edid)[EdidBufferSize]);

// Zero-fills the buffer, then reads at most EdidBufferSize bytes from an open device; a
// shorter source leaves the rest zero. Never reads past the buffer, so an endless or huge
// source costs no more than 256 bytes. Returns the number of bytes read.
int Edid_Read(QIODevice *device, quint8 (&edid)[EdidBufferSize]);

// Zero-fills the buffer, then reads the first bytes of a regular file. Anything that is not
// a regular file (missing, a folder, a pipe or device node that could block or never end)
// and any file that cannot be opened leaves the buffer zero. Returns the bytes read, -1 when
// nothing could be opened.
int Edid_ReadFile(const QString &path, quint8 (&edid)[EdidBufferSize]);
