#include "app/edid_check.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {
constexpr quint8 EdidHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr int ExtensionCountOffset = 126;

bool blockSumsToZero(const quint8 *block)
{
    unsigned sum = 0;
    for (int i = 0; i < EdidBlockSize; ++i)
        sum += block[i];
    return (sum & 0xFFu) == 0;
}
} // namespace

EdidCheckResult Edid_Check(const quint8 (&edid)[EdidBufferSize], int length)
{
    if (std::memcmp(edid, EdidHeader, sizeof EdidHeader) != 0)
        return EdidNotAnEdid;
    // The zeros after a short file would make a missing block look like one that sums to 0.
    if (length < EdidBlockSize)
        return EdidIncomplete;
    if (!blockSumsToZero(edid))
        return EdidChecksumError;
    const int extensions = edid[ExtensionCountOffset];
    if (extensions > 1)
        return EdidTooManyBlocks;
    if (extensions == 1) {
        if (length < 2 * EdidBlockSize)
            return EdidIncomplete;
        if (!blockSumsToZero(edid + EdidBlockSize))
            return EdidChecksumError;
    }
    return EdidAcceptable;
}

int Edid_Read(QIODevice *device, quint8 (&edid)[EdidBufferSize])
{
    std::memset(edid, 0, sizeof edid);
    if (device == nullptr || !device->isReadable())
        return 0;
    int filled = 0;
    // A single read may return less than asked (pipes, sockets, some file systems).
    while (filled < EdidBufferSize) {
        const qint64 got
            = device->read(reinterpret_cast<char *>(edid) + filled, EdidBufferSize - filled);
        if (got <= 0)
            break;
        filled += static_cast<int>(got);
    }
    return filled;
}

int Edid_ReadFile(const QString &path, quint8 (&edid)[EdidBufferSize])
{
    std::memset(edid, 0, sizeof edid);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return Edid_Read(&file, edid);
}
