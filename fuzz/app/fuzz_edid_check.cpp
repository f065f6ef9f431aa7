// Feeds arbitrary bytes to the user-EDID read and rule, as the upload does with a file: at
// most 256 bytes taken, the rest zero, and a verdict that agrees with the header and the
// announced blocks.
#include "app/edid_check.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QBuffer source(&bytes);
    source.open(QIODevice::ReadOnly);

    quint8 edid[EdidBufferSize];
    std::memset(edid, 0xEE, sizeof edid);
    const int read = Edid_Read(&source, edid);
    const int expected = static_cast<int>(size < EdidBufferSize ? size : EdidBufferSize);
    if (read != expected || std::memcmp(edid, data, static_cast<size_t>(read)) != 0)
        std::abort();
    for (int i = read; i < EdidBufferSize; ++i) {
        if (edid[i] != 0)
            std::abort();
    }

    const EdidCheckResult result = Edid_Check(edid, read);
    static const quint8 header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    const bool headerOk = std::memcmp(edid, header, sizeof header) == 0;
    if (result < EdidAcceptable || result > EdidTooManyBlocks)
        std::abort();
    if ((result == EdidNotAnEdid) == headerOk)
        std::abort();
    // An accepted EDID is whole in the buffer: every announced block was read.
    if (result == EdidAcceptable && (edid[126] > 1 || read < EdidBlockSize * (1 + edid[126])))
        std::abort();
    return 0;
}
