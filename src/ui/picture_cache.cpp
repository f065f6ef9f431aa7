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

namespace {
// The cached picture under key when it still shows the file's current version.
const QPixmap *Cached(const QString &key, const QString &path, const PngFileStamp &now)
{
    Entry *cached = Cache().object(key);
    if (!cached)
        return nullptr;
    // Our own re-save may have rewritten the file with the very pixels decoded before.
    if (cached->stamp != now && !Png_IsOwnRewrite(path, cached->stamp, now))
        return nullptr;
    cached->stamp = now;
    return &cached->pixmap;
}

QPixmap Remember(const QString &key, const PngFileStamp &stamp, const QPixmap &pixmap)
{
    Cache().insert(key, new Entry {stamp, pixmap}, CostKiB(pixmap));
    return pixmap;
}

// The file's picture, decoded (or taken from its prefetch, which the prefetch's own re-save
// may have rewritten meanwhile) and passed through the re-save.
QImage Load(const QString &path, const PngFileStamp &now)
{
    const std::shared_future<Decoded> prefetched = Prefetches().take(path);
    if (prefetched.valid()) {
        const Decoded &decoded = prefetched.get();
        if (!decoded.image.isNull()
            && (decoded.stamp == now || Png_IsOwnRewrite(path, decoded.stamp, now)))
            return decoded.image;
    }
    return Png_LoadForShow(path);
}

// The picture under key, made by make(image) from the file's current version unless the
// cache still holds it.
template <class Make>
QPixmap Fetch(const QString &path, const QString &key, Make make)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return QPixmap();
    const PngFileStamp now = Png_Stamp(info);
    if (const QPixmap *cached = Cached(key, path, now))
        return *cached;
    const QImage image = Load(path, now);
    if (image.isNull()) {
        Cache().remove(key);
        return QPixmap();
    }
    return Remember(key, now, make(image));
}
} // namespace

QPixmap Picture_Get(const QString &path)
{
    return Fetch(path, path, [](const QImage &image) { return QPixmap::fromImage(image); });
}

QPixmap Picture_GetScaled(const QString &path, const QSize &pixels, qreal ratio)
{
    if (pixels.isEmpty())
        return Picture_Get(path);
    const QString key
        = path + QStringLiteral("\n%1x%2@%3").arg(pixels.width()).arg(pixels.height()).arg(ratio);
    return Fetch(path, key, [&pixels, ratio](const QImage &image) {
        // Exactly a scaled-contents label's steps, so that it finds nothing left to do.
        QPixmap scaled = QPixmap::fromImage(QPixmap::fromImage(image).toImage().scaled(
            pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled.setDevicePixelRatio(ratio);
        return scaled;
    });
}

qint64 Picture_CachedBytes()
{
    return qint64(Cache().totalCost()) * 1024;
}
