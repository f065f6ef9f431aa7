// Icons of the message box and the success and failure marks.
#include "image_registry.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QRectF disc(const QSize &size)
{
    return QRectF(QPointF(0, 0), QSizeF(size)).adjusted(4, 4, -4, -4);
}

void drawMessageIcon(QPainter &p, const QSize &size)
{
    const QRectF r = disc(size);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Accent);
    p.drawEllipse(r);
    p.setBrush(Palette::Night);
    const qreal u = r.width() / 14;
    p.drawEllipse(QPointF(r.center().x(), r.top() + 3.6 * u), 1.3 * u, 1.3 * u);
    p.drawRoundedRect(QRectF(r.center().x() - 1.1 * u, r.top() + 6 * u, 2.2 * u, 5.6 * u), 0.8 * u,
                      0.8 * u);
}

void drawSuccess(QPainter &p, const QSize &size)
{
    const QRectF r = disc(size);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Ok);
    p.drawEllipse(r);
    QPainterPath tick;
    tick.moveTo(r.left() + r.width() * 0.27, r.top() + r.height() * 0.52);
    tick.lineTo(r.left() + r.width() * 0.44, r.top() + r.height() * 0.69);
    tick.lineTo(r.left() + r.width() * 0.74, r.top() + r.height() * 0.35);
    p.setPen(QPen(Qt::white, r.width() * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void drawFail(QPainter &p, const QSize &size)
{
    const QRectF r = disc(size);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Fail);
    p.drawEllipse(r);
    const QRectF x
        = r.adjusted(r.width() * 0.31, r.height() * 0.31, -r.width() * 0.31, -r.height() * 0.31);
    p.setPen(QPen(Qt::white, r.width() * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

const ImageRegistration messageIcon("APP/Image/MessageShow_pic.png", QSize(64, 64),
                                    drawMessageIcon);
const ImageRegistration successMark("APP/Image/success.png", QSize(64, 64), drawSuccess);
const ImageRegistration failMark("APP/Image/fail.png", QSize(64, 64), drawFail);
} // namespace
