// The user EDID as the device takes it: one 256-byte buffer (base block and first extension),
// read from an operator-chosen file and checked before it is uploaded. No widgets here.
// Only an EDID the device can take whole is sent: every block the base block announces must
// be in the file with its checksum right, and there may be at most one extension.
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
    EdidIncomplete = 3, // the file ends inside a block it announces
    EdidTooManyBlocks = 4, // more than one extension: the device's 256 bytes cannot hold it
};

// The rule for an EDID of `length` file bytes (the first EdidBufferSize of them in the
// buffer): the fixed header; a whole base block summing to 0; an extension count of 0 or 1;
// with 1, a whole second block summing to 0. Bytes after the announced blocks (a 256-byte
// dump of a base-only EDID) are sent as they are without being examined.
EdidCheckResult Edid_Check(const quint8 (&edid)[EdidBufferSize], int length);

// Zero-fills the buffer, then reads at most EdidBufferSize bytes from an open device; a
// shorter source leaves the rest zero. Never reads past the buffer, so an endless or huge
// source costs no more than 256 bytes. Returns the number of bytes read.
int Edid_Read(QIODevice *device, quint8 (&edid)[EdidBufferSize]);

// Zero-fills the buffer, then reads the first bytes of a regular file. Anything that is not
// a regular file (missing, a folder, a pipe or device node that could block or never end)
// and any file that cannot be opened leaves the buffer zero. Returns the bytes read, -1 when
// nothing could be opened.
int Edid_ReadFile(const QString &path, quint8 (&edid)[EdidBufferSize]);
