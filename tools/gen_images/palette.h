// Colours and shapes shared by the generated pictures; they match default.qss.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace Palette {
inline const QColor Night(0x10, 0x14, 0x19);
inline const QColor Panel(0x1c, 0x22, 0x2b);
inline const QColor Raised(0x26, 0x2e, 0x3a);
inline const QColor Border(0x3a, 0x44, 0x54);
inline const QColor Text(0xd8, 0xde, 0xe9);
inline const QColor Muted(0x8a, 0x96, 0xa8);
inline const QColor Accent(0x22, 0xb0, 0xa0);
inline const QColor Amber(0xf0, 0xa0, 0x30);
inline const QColor Ok(0x3c, 0xb3, 0x71);
inline const QColor Fail(0xe0, 0x4f, 0x4f);
} // namespace Palette

// The product mark: a rounded tile holding a 2 x 2 multiview grid with one window lit. Its
// shapes are computed once so that the painted pictures and the SVG icon agree.
struct LogoShapes
{
    QRectF tile;
    qreal tileRadius = 0;
    QColor tileTop, tileBottom; // diagonal gradient from top left to bottom right
    QRectF cells[4];
    QColor cellColors[4];
    qreal cellRadius = 0;
};
LogoShapes Logo_Shapes(const QRectF &rect);
void DrawLogo(QPainter &painter, const QRectF &rect);

// A video picture in miniature: sky, sun and hills filling the rectangle.
void DrawLandscape(QPainter &painter, const QRectF &rect, const QColor &sky, const QColor &ground);
