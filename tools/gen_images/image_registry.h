// Pictures drawn at build time. Each source file registers its pictures with a static
// ImageRegistration; main() renders every registered picture into the runtime folder.
#pragma once

#include <QSize>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QPainter;

using ImageDraw = std::function<void(QPainter &painter, const QSize &size)>;

struct GeneratedImage
{
    std::string path; // relative to the runtime folder, e.g. "APP/Image/success.png"
    QSize size;
    ImageDraw draw;
};

std::vector<GeneratedImage> &ImageRegistry_All();

struct ImageRegistration
{
    ImageRegistration(const char *path, QSize size, ImageDraw draw)
    {
        ImageRegistry_All().push_back({path, size, std::move(draw)});
    }
};
