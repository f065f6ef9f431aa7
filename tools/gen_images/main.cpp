// Renders every registered picture into the runtime folder given as the first argument and
// touches the stamp file given as the second. Unchanged pictures are not rewritten.
// The desktop icons land in its desktop/ folder, which is installed but not copied around.
#include "image_registry.h"

#include "app/runtime_dir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {
QByteArray render(const GeneratedImage &image)
{
    QImage canvas(image.size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        image.draw(painter, image.size);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    canvas.save(&buffer, "png");
    return bytes;
}

bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char *argv[])
{
    App_SettleRuntimeDir(); // a quiet build in a shell without a desktop session
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: korvane_gen_images <runtime dir> <stamp file>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const GeneratedImage &image : ImageRegistry_All()) {
        const QString path = root + QLatin1Char('/') + QString::fromStdString(image.path);
        if (!writeIfChanged(path, render(image))) {
            std::fprintf(stderr, "korvane_gen_images: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    for (const GeneratedText &text : TextRegistry_All()) {
        const QString path = root + QLatin1Char('/') + QString::fromStdString(text.path);
        if (!writeIfChanged(path, text.produce())) {
            std::fprintf(stderr, "korvane_gen_images: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    QFile stamp(QString::fromLocal8Bit(argv[2]));
    if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    const int count = int(ImageRegistry_All().size() + TextRegistry_All().size());
    stamp.write(QByteArray::number(count) + " pictures\n");
    return 0;
}
