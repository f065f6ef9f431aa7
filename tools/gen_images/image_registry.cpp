#include "image_registry.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

std::vector<GeneratedImage> &ImageRegistry_All()
{
    static std::vector<GeneratedImage> images;
    return images;
}

std::vector<GeneratedText> &TextRegistry_All()
{
    static std::vector<GeneratedText> texts;
    return texts;
}

LogoShapes Logo_Shapes(const QRectF &r)
{
    LogoShapes shapes;
    shapes.tile = r;
    shapes.tileRadius = r.width() * 0.22;
    shapes.tileTop = QColor(0x2a, 0x36, 0x46);
    shapes.tileBottom = QColor(0x14, 0x1a, 0x22);
    const qreal margin = r.width() * 0.2;
    const qreal gap = r.width() * 0.07;
    const QRectF grid = r.adjusted(margin, margin, -margin, -margin);
    const qreal cell = (grid.width() - gap) / 2;
    shapes.cellRadius = cell * 0.18;
    for (int i = 0; i < 4; ++i) {
        shapes.cells[i] = QRectF(grid.left() + (i % 2) * (cell + gap),
                                 grid.top() + (i / 2) * (cell + gap), cell, cell);
        shapes.cellColors[i] = i == 0 ? Palette::Accent : Palette::Muted;
    }
    return shapes;
}

void DrawLogo(QPainter &p, const QRectF &r)
{
    const LogoShapes shapes = Logo_Shapes(r);
    p.save();
    QLinearGradient tile(r.topLeft(), r.bottomRight());
    tile.setColorAt(0, shapes.tileTop);
    tile.setColorAt(1, shapes.tileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(shapes.tile, shapes.tileRadius, shapes.tileRadius);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(shapes.cellColors[i]);
        p.drawRoundedRect(shapes.cells[i], shapes.cellRadius, shapes.cellRadius);
    }
    p.restore();
}

void DrawLandscape(QPainter &p, const QRectF &r, const QColor &sky, const QColor &ground)
{
    p.save();
    p.setClipRect(r);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, sky.lighter(125));
    g.setColorAt(1, sky.darker(140));
    p.fillRect(r, g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.3),
                  r.height() * 0.11, r.height() * 0.11);
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom());
    hills.lineTo(r.left(), r.top() + r.height() * 0.7);
    hills.quadTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.45,
                 r.left() + r.width() * 0.55, r.top() + r.height() * 0.68);
    hills.quadTo(r.left() + r.width() * 0.8, r.top() + r.height() * 0.55, r.right(),
                 r.top() + r.height() * 0.66);
    hills.lineTo(r.right(), r.bottom());
    hills.closeSubpath();
    p.setBrush(ground);
    p.drawPath(hills);
    p.restore();
}
