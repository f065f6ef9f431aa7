#include "ui/picture_cache.h"

#include "ui/png_resave.h"

#include <QCache>
#include <QFileInfo>
#include <QImage>

namespace {
struct Entry
{
    PngFileStamp stamp; // the file version the picture was decoded from
    QPixmap pixmap;
};

// Costs in KiB, so that QCache's int total cannot overflow.
QCache<QString, Entry> &Cache()
{
    static QCache<QString, Entry> cache(int(PictureCacheMaxBytes / 1024));
    return cache;
}

int CostKiB(const QPixmap &pixmap)
{
    const qint64 bytes = qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
    return int(qMax<qint64>(1, (bytes + 1023) / 1024));
}
} // namespace

QPixmap Picture_Get(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return QPixmap();
    const PngFileStamp now = Png_Stamp(info);
    if (Entry *cached = Cache().object(path)) {
        if (cached->stamp == now)
            return cached->pixmap;
        // Our own re-save rewrote the file with the very pixels decoded before.
        if (Png_IsOwnRewrite(path, cached->stamp, now)) {
            cached->stamp = now;
            return cached->pixmap;
        }
    }
    const QImage image = Png_LoadForShow(path);
    if (image.isNull()) {
        Cache().remove(path);
        return QPixmap();
    }
    const QPixmap pixmap = QPixmap::fromImage(image);
    Cache().insert(path, new Entry {now, pixmap}, CostKiB(pixmap));
    return pixmap;
}

qint64 Picture_CachedBytes()
{
    return qint64(Cache().totalCost()) * 1024;
}
