#include "ui/png_resave.h"

#include "app/app_paths.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

namespace {
// The panel's pictures are small; a file claiming more pixels than this is not one of them
// and is not decoded (a crafted header could otherwise ask for gigabytes).
constexpr qint64 MaxPixels = 16LL * 1024 * 1024;
} // namespace

void Png_Resave(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.completeSuffix() != QLatin1String("png"))
        return;
    // An installed panel's pictures belong to the package: they are already plain PNG, and
    // rewriting them (as root) would change files the package manager owns.
    if (!App_MayRewrite(path))
        return;

    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels)
        return;
    const QImage image = reader.read();
    // An undecodable file is kept as it is: writing would only replace it with nothing.
    if (image.isNull())
        return;

    // Written beside the original and renamed over it, so a failed write keeps the picture.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    if (!image.save(&out, "png")) {
        out.cancelWriting();
        return;
    }
    out.commit();
}
