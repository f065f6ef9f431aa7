#include "link/link_utils.h"

#include <QEventLoop>
#include <QTimer>

#include <cstring>

qint64 Bytes_Find(const char *data, qint64 count, const char *pattern, qint64 length)
{
    if (data == nullptr || count <= 0 || length < 0 || count < length)
        return -1;
    if (length == 0)
        return 0;
    const char first = pattern[0];
    const qint64 last = count - length;
    for (qint64 i = 0; i <= last; ++i) {
        const void *hit = std::memchr(data + i, first, static_cast<size_t>(last - i + 1));
        if (hit == nullptr)
            return -1;
        i = static_cast<const char *>(hit) - data;
        if (std::memcmp(data + i, pattern, static_cast<size_t>(length)) == 0)
            return i;
    }
    return -1;
}

QString Bytes_ToLatin1Text(const char *bytes, int length)
{
    return length > 0 ? QString::fromLatin1(bytes, length) : QString();
}

QString Bytes_ToLocalText(const char *bytes, int length)
{
    return length > 0 ? QString::fromLocal8Bit(bytes, static_cast<int>(qstrnlen(bytes, length)))
                      : QString();
}

void WaitMs(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
