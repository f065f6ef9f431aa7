// Glyphs of the title-bar buttons: light strokes on a transparent ground, drawn at twice
// the button's icon size so they stay sharp on high-density screens.
#include "image_registry.h"
#include "palette.h"

#include <QPainter>

namespace {
QPen glyphPen()
{
    return QPen(Palette::Text, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void drawMinimise(QPainter &p, const QSize &)
{
    p.setPen(glyphPen());
    p.drawLine(QPointF(9, 17), QPointF(23, 17));
}

void drawMaximise(QPainter &p, const QSize &)
{
    p.setPen(glyphPen());
    p.drawRect(QRectF(9, 9, 14, 14));
}

void drawRestore(QPainter &p, const QSize &)
{
    p.setPen(glyphPen());
    p.drawRect(QRectF(8, 12, 12, 12));
    p.drawPolyline(QPolygonF(
        {QPointF(12, 12), QPointF(12, 8), QPointF(24, 8), QPointF(24, 20), QPointF(20, 20)}));
}

void drawClose(QPainter &p, const QSize &)
{
    p.setPen(glyphPen());
    p.drawLine(QPointF(9, 9), QPointF(23, 23));
    p.drawLine(QPointF(23, 9), QPointF(9, 23));
}

const ImageRegistration minimise("TitleBar/Image/MinSize.png", QSize(32, 32), drawMinimise);
const ImageRegistration maximise("TitleBar/Image/MaxSize.png", QSize(32, 32), drawMaximise);
const ImageRegistration restore("TitleBar/Image/NormalSize.png", QSize(32, 32), drawRestore);
const ImageRegistration closeGlyph("TitleBar/Image/Close.png", QSize(32, 32), drawClose);
} // namespace
