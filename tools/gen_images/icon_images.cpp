// The desktop icon in the hicolor theme: the product mark at the theme's usual sizes, and as
// SVG for the scalable folder. Small sizes keep a thinner margin so the grid stays legible.
#include "image_registry.h"
#include "palette.h"

#include <QPainter>

namespace {
QRectF iconTile(qreal size)
{
    const qreal inset = size <= 32 ? size / 32 : size / 16;
    return QRectF(0, 0, size, size).adjusted(inset, inset, -inset, -inset);
}

void drawIcon(QPainter &p, const QSize &size)
{
    DrawLogo(p, iconTile(size.width()));
}

QByteArray number(qreal v)
{
    return QByteArray::number(v, 'f', 2);
}

QByteArray rect(const QRectF &r, qreal radius, const QByteArray &fill)
{
    return "  <rect x=\"" + number(r.x()) + "\" y=\"" + number(r.y()) + "\" width=\""
        + number(r.width()) + "\" height=\"" + number(r.height()) + "\" rx=\"" + number(radius)
        + "\" fill=\"" + fill + "\"/>\n";
}

QByteArray logoSvg()
{
    const qreal size = 256;
    const LogoShapes s = Logo_Shapes(iconTile(size));
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                     "viewBox=\"0 0 256 256\">\n"
                     "  <defs>\n"
                     "    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">\n"
                     "      <stop offset=\"0\" stop-color=\""
        + s.tileTop.name().toLatin1()
        + "\"/>\n"
          "      <stop offset=\"1\" stop-color=\""
        + s.tileBottom.name().toLatin1()
        + "\"/>\n"
          "    </linearGradient>\n"
          "  </defs>\n";
    svg += rect(s.tile, s.tileRadius, "url(#tile)");
    for (int i = 0; i < 4; ++i)
        svg += rect(s.cells[i], s.cellRadius, s.cellColors[i].name().toLatin1());
    svg += "</svg>\n";
    return svg;
}

#define KORVANE_ICON(n)                                                                            \
    const ImageRegistration icon##n("desktop/icons/hicolor/" #n "x" #n "/apps/korvane.png",        \
                                    QSize(n, n), drawIcon)
KORVANE_ICON(16);
KORVANE_ICON(24);
KORVANE_ICON(32);
KORVANE_ICON(48);
KORVANE_ICON(64);
KORVANE_ICON(128);
KORVANE_ICON(256);
KORVANE_ICON(512);
#undef KORVANE_ICON

const TextRegistration scalable("desktop/icons/hicolor/scalable/apps/korvane.svg", logoSvg);
} // namespace
