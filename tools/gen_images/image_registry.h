// Pictures drawn at build time. Each source file registers its pictures with a static
// ImageRegistration; main() renders every registered picture into the runtime folder.
#pragma once

#include <QSize>

#include <vector>

class QPainter;

struct GeneratedImage
{
    const char *path; // relative to the runtime folder, e.g. "APP/Image/success.png"
    QSize size;
    void (*draw)(QPainter &painter, const QSize &size);
};

std::vector<GeneratedImage> &ImageRegistry_All();

struct ImageRegistration
{
    ImageRegistration(const char *path, QSize size, void (*draw)(QPainter &, const QSize &))
    {
        ImageRegistry_All().push_back({path, size, draw});
    }
};
