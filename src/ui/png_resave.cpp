#include "ui/png_resave.h"

#include "app/app_paths.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSaveFile>
#include <QThreadPool>
#include <QVector>

#include <atomic>
#include <functional>
#include <mutex>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
// The panel's pictures are small; a file claiming more pixels than this is not one of them
// and is not decoded (a crafted header could otherwise ask for gigabytes).
constexpr qint64 MaxPixels = 16LL * 1024 * 1024;
// Files whose re-save this run remembers; past it the oldest knowledge is dropped, which at
// worst re-saves a file once more.
constexpr int MaxRemembered = 1024;

// One file's re-save in this run.
struct Resave
{
    PngFileStamp before; // the version that was re-saved
    PngFileStamp after; // the version the re-save left behind
    bool pending = true; // still being written in the background
};

enum class Claim { Mine, Done, Pending };

// A standard mutex, so a thread checker follows it (Qt's own is invisible to it).
std::mutex &RegistryLock()
{
    static std::mutex lock;
    return lock;
}

// Guarded by RegistryLock(): the GUI thread claims, the background writer finishes.
QHash<QString, Resave> &Registry()
{
    static QHash<QString, Resave> registry;
    return registry;
}

// One background thread writes the re-saved files, in the order they were asked for.
QThreadPool &Writer()
{
    static QThreadPool pool;
    static const bool oneThread = (pool.setMaxThreadCount(1), true);
    Q_UNUSED(oneThread)
    return pool;
}

bool MayResave(const QFileInfo &info, const QString &path)
{
    return info.exists() && info.isFile() && info.completeSuffix() == QLatin1String("png")
        && App_MayRewrite(path);
}

Claim ClaimResave(const QString &path, const PngFileStamp &stamp)
{
    std::lock_guard<std::mutex> locker(RegistryLock());
    QHash<QString, Resave> &registry = Registry();
    const auto it = registry.constFind(path);
    if (it != registry.constEnd()) {
        if (it->pending)
            return Claim::Pending;
        if (it->after == stamp)
            return Claim::Done;
    } else if (registry.size() >= MaxRemembered) {
        for (auto old = registry.begin(); old != registry.end();)
            old = old->pending ? std::next(old) : registry.erase(old);
    }
    registry.insert(path, Resave {stamp, PngFileStamp {}, true});
    return Claim::Mine;
}

void FinishResave(const QString &path)
{
    const PngFileStamp now = Png_Stamp(QFileInfo(path));
    std::lock_guard<std::mutex> locker(RegistryLock());
    const auto it = Registry().find(path);
    if (it != Registry().end()) {
        it->after = now;
        it->pending = false;
    }
}

QImage ReadBounded(QImageReader &reader)
{
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels)
        return QImage();
    return reader.read();
}

QImage Decode(const QString &path)
{
    // A ".png" goes straight to the built-in reader: letting Qt guess would first load every
    // image plugin to ask it (a good part of a millisecond each, and the first window waits).
    // A file that is no PNG after all is still read by whatever plugin knows it.
    if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
        QImageReader png(path, "png");
        png.setAutoDetectImageFormat(false);
        const QImage image = ReadBounded(png);
        if (!image.isNull() || png.error() == QImageReader::FileNotFoundError)
            return image;
    }
    QImageReader reader(path);
    return ReadBounded(reader);
}

// The background re-save yields to the GUI thread (and to everything else): the picture is
// already on the screen, only the file waits.
void YieldToOthers()
{
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
#endif
}

std::atomic<int> Written {0};

// While held, background re-saves wait here instead of in the writer (bounded: one per file
// claimed, and the files are the panel's pictures). Guarded by RegistryLock().
bool ResavesHeld = false;
QVector<std::function<void()>> &HeldResaves()
{
    static QVector<std::function<void()>> held;
    return held;
}

// Written beside the original and renamed over it, so a failed write keeps the picture. A
// file replaced since it was read is left to its new content.
void WriteBack(const QString &path, const QImage &image, const PngFileStamp &read)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    if (!image.save(&out, "png") || Png_Stamp(QFileInfo(path)) != read) {
        out.cancelWriting();
        return;
    }
    if (out.commit())
        ++Written;
}
} // namespace

PngFileStamp Png_Stamp(const QFileInfo &info)
{
    if (!info.exists())
        return PngFileStamp {};
    return PngFileStamp {info.size(), info.lastModified().toMSecsSinceEpoch(),
                         info.metadataChangeTime().toMSecsSinceEpoch()};
}

void Png_Resave(const QString &path)
{
    const QFileInfo info(path);
    if (!MayResave(info, path))
        return;
    const PngFileStamp stamp = Png_Stamp(info);
    const Claim claim = ClaimResave(path, stamp);
    if (claim == Claim::Pending)
        Png_FinishResaves();
    if (claim != Claim::Mine)
        return;
    const QImage image = Decode(path);
    // An undecodable file is kept as it is: writing would only replace it with nothing.
    if (!image.isNull())
        WriteBack(path, image, stamp);
    FinishResave(path);
}

QImage Png_LoadForShow(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return QImage();
    const PngFileStamp stamp = Png_Stamp(info);
    const QImage image = Decode(path);
    if (!MayResave(info, path) || ClaimResave(path, stamp) != Claim::Mine)
        return image;
    if (image.isNull()) {
        FinishResave(path);
        return image;
    }
    // QImage shares its pixels read-only across threads; the writer holds its own reference.
    std::function<void()> write = [path, image, stamp] {
        YieldToOthers();
        WriteBack(path, image, stamp);
        FinishResave(path);
#ifdef __GLIBC__
        // Decoding and encoding took a few hundred KiB the allocator would otherwise keep
        // for this thread, once per picture and run; hand them back.
        malloc_trim(0);
#endif
    };
    {
        std::lock_guard<std::mutex> locker(RegistryLock());
        if (ResavesHeld) {
            HeldResaves().append(std::move(write));
            return image;
        }
    }
    Writer().start(std::move(write));
    return image;
}

void Png_HoldResaves(bool held)
{
    QVector<std::function<void()>> due;
    {
        std::lock_guard<std::mutex> locker(RegistryLock());
        ResavesHeld = held;
        if (!held)
            due.swap(HeldResaves());
    }
    for (std::function<void()> &write : due)
        Writer().start(std::move(write));
}

bool Png_IsOwnRewrite(const QString &path, const PngFileStamp &before, const PngFileStamp &now)
{
    std::lock_guard<std::mutex> locker(RegistryLock());
    const auto it = Registry().constFind(path);
    return it != Registry().constEnd() && !it->pending && it->before == before && it->after == now;
}

void Png_FinishResaves()
{
    Png_HoldResaves(false);
    Writer().waitForDone();
}

int Png_WrittenCount()
{
    return Written.load();
}
