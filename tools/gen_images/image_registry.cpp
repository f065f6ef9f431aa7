#include "image_registry.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

std::vector<GeneratedImage> &ImageRegistry_All()
{
    static std::vector<GeneratedImage> images;
    return images;
}

void DrawLogo(QPainter &p, const QRectF &r)
{
    p.save();
    const qreal radius = r.width() * 0.22;
    QLinearGradient tile(r.topLeft(), r.bottomRight());
    tile.setColorAt(0, QColor(0x2a, 0x36, 0x46));
    tile.setColorAt(1, QColor(0x14, 0x1a, 0x22));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(r, radius, radius);

    const qreal margin = r.width() * 0.2;
    const qreal gap = r.width() * 0.07;
    const QRectF grid = r.adjusted(margin, margin, -margin, -margin);
    const qreal cell = (grid.width() - gap) / 2;
    const QColor cells[] = {Palette::Accent, Palette::Muted, Palette::Muted, Palette::Muted};
    for (int i = 0; i < 4; ++i) {
        const QRectF c(grid.left() + (i % 2) * (cell + gap), grid.top() + (i / 2) * (cell + gap),
                       cell, cell);
        p.setBrush(cells[i]);
        p.drawRoundedRect(c, cell * 0.18, cell * 0.18);
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
