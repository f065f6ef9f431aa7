#include "ui/picture_cache.h"

#include "ui/png_resave.h"

#include <QCache>
#include <QFileInfo>
#include <QHash>
#include <QImage>

#include <future>

namespace {
struct Entry
{
    PngFileStamp stamp; // the file version the picture was decoded from
    QPixmap pixmap;
};

struct Decoded
{
    PngFileStamp stamp;
    QImage image;
};

// Pictures being read in the background, by path. GUI thread only, like the cache.
QHash<QString, std::shared_future<Decoded>> &Prefetches()
{
    static QHash<QString, std::shared_future<Decoded>> prefetches;
    return prefetches;
}

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

void Picture_Prefetch(const QString &path)
{
    if (Cache().contains(path) || Prefetches().contains(path))
        return;
    Prefetches().insert(path, std::async(std::launch::async, [path] {
                                  const PngFileStamp stamp = Png_Stamp(QFileInfo(path));
                                  return Decoded {stamp, Png_LoadForShow(path)};
                              }).share());
}

QPixmap Picture_Get(const QString &path)
{
    const std::shared_future<Decoded> prefetched = Prefetches().take(path);
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return QPixmap();
    const PngFileStamp now = Png_Stamp(info);
    if (prefetched.valid()) {
        const Decoded &decoded = prefetched.get();
        if (decoded.stamp == now && !decoded.image.isNull()) {
            const QPixmap pixmap = QPixmap::fromImage(decoded.image);
            Cache().insert(path, new Entry {now, pixmap}, CostKiB(pixmap));
            return pixmap;
        }
    }
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
