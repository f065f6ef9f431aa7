// EDID samples and the awkward things an operator may pick as an EDID file. Header-only.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/stat.h>

// 256 bytes with the fixed header, the given extension count at byte 126 and both blocks
// summing to 0 modulo 256.
inline QByteArray EdidSample(quint8 extensionCount)
{
    QByteArray b(256, '\0');
    const quint8 header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    for (int i = 0; i < 8; ++i)
        b[i] = char(header[i]);
    for (int i = 8; i < 126; ++i)
        b[i] = char((i * 7) & 0xFF);
    b[126] = char(extensionCount);
    for (int i = 128; i < 255; ++i)
        b[i] = char((i * 13 + 5) & 0xFF);
    b[128] = char(0x02); // extension tag
    for (int block : {0, 128}) {
        unsigned sum = 0;
        for (int i = block; i < block + 127; ++i)
            sum += quint8(b[i]);
        b[block + 127] = char((256 - (sum & 0xFF)) & 0xFF);
    }
    return b;
}

inline QByteArray EdidChanged(QByteArray bytes, int index, int delta)
{
    bytes[index] = char(quint8(bytes[index]) + delta);
    return bytes;
}

// Puts at `path` what `kind` names: "file" (with content), "folder", "fifo" (a named pipe
// nobody writes to), "missing" (nothing). False when it could not be made.
inline bool EdidMakePath(const QString &kind, const QString &path, const QByteArray &content = {})
{
    if (kind == QLatin1String("file")) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
    }
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(path);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return kind == QLatin1String("missing");
}
