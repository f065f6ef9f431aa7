// Pictures drawn at build time. Each source file registers its pictures with a static
// ImageRegistration (raster, drawn with QPainter) or TextRegistration (vector pictures written
// as text, e.g. SVG); main() writes every registered picture below the output folder.
#pragma once

#include <QByteArray>
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

using TextProduce = std::function<QByteArray()>;

struct GeneratedText
{
    std::string path; // relative to the output folder
    TextProduce produce;
};

std::vector<GeneratedText> &TextRegistry_All();

struct ImageRegistration
{
    ImageRegistration(const char *path, QSize size, ImageDraw draw)
    {
        ImageRegistry_All().push_back({path, size, std::move(draw)});
    }
};

struct TextRegistration
{
    TextRegistration(const char *path, TextProduce produce)
    {
        TextRegistry_All().push_back({path, std::move(produce)});
    }
};
