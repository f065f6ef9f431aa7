// Login picture and the two window logos.
#include "image_registry.h"
#include "palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {
QFont pixelFont(int pixels, QFont::Weight weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// One window of the multiview: a little landscape so the tiles read as video.
void drawScene(QPainter &p, const QRectF &r, const QColor &sky, const QColor &ground,
               const QString &label, bool active)
{
    p.save();
    DrawLandscape(p, r, sky, ground);
    p.setClipRect(r);
    p.setPen(Qt::NoPen);
    const QRectF tag(r.left() + 6, r.top() + 6, 44, 18);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRoundedRect(tag, 4, 4);
    p.setPen(Palette::Text);
    p.setFont(pixelFont(11, QFont::Bold));
    p.drawText(tag, Qt::AlignCenter, label);
    p.restore();
    if (active) {
        p.save();
        p.setPen(QPen(Palette::Amber, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
        p.restore();
    }
}

void drawMonitor(QPainter &p, const QRectF &screen)
{
    const QRectF bezel = screen.adjusted(-8, -8, 8, 8);
    p.setPen(QPen(Palette::Border, 1.5));
    p.setBrush(QColor(0x0a, 0x0d, 0x12));
    p.drawRoundedRect(bezel, 8, 8);
    QPainterPath stand;
    const qreal cx = bezel.center().x();
    stand.moveTo(cx - 18, bezel.bottom());
    stand.lineTo(cx + 18, bezel.bottom());
    stand.lineTo(cx + 30, bezel.bottom() + 22);
    stand.lineTo(cx - 30, bezel.bottom() + 22);
    stand.closeSubpath();
    p.setBrush(QColor(0x1a, 0x20, 0x29));
    p.drawPath(stand);

    const qreal gap = 4;
    const qreal w = (screen.width() - gap) / 2;
    const qreal h = (screen.height() - gap) / 2;
    const struct
    {
        QColor sky, ground;
        const char *label;
    } tiles[] = {{QColor(0x2a, 0x6f, 0x9e), QColor(0x1d, 0x4d, 0x3a), "IN-1"},
                 {QColor(0x8a, 0x55, 0x2a), QColor(0x4a, 0x2c, 0x1c), "IN-2"},
                 {QColor(0x4b, 0x3f, 0x8f), QColor(0x26, 0x22, 0x4a), "IN-3"},
                 {QColor(0x1f, 0x8a, 0x80), QColor(0x17, 0x45, 0x4a), "IN-4"}};
    for (int i = 0; i < 4; ++i) {
        const QRectF r(screen.left() + (i % 2) * (w + gap), screen.top() + (i / 2) * (h + gap), w,
                       h);
        drawScene(p, r, tiles[i].sky, tiles[i].ground, QLatin1String(tiles[i].label), i == 0);
    }
}

void drawDevice(QPainter &p, const QRectF &box)
{
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor(0x30, 0x39, 0x46));
    g.setColorAt(1, QColor(0x1b, 0x21, 0x2a));
    p.setPen(QPen(Palette::Border, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(box, 6, 6);

    // Front panel: status display, four input buttons with LEDs, a power LED.
    const QRectF display(box.left() + 18, box.top() + 12, 120, box.height() - 24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x08, 0x1a, 0x1c));
    p.drawRoundedRect(display, 3, 3);
    p.setPen(Palette::Accent);
    p.setFont(pixelFont(12, QFont::Bold));
    p.drawText(display, Qt::AlignCenter, QStringLiteral("4xWIN  1080p60"));

    for (int i = 0; i < 4; ++i) {
        const QRectF key(display.right() + 26 + i * 46, box.top() + 12, 36, box.height() - 24);
        p.setPen(QPen(Palette::Border, 1));
        p.setBrush(QColor(0x22, 0x29, 0x33));
        p.drawRoundedRect(key, 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? Palette::Amber : Palette::Accent.darker(160));
        p.drawEllipse(QPointF(key.center().x(), key.top() + 7), 3, 3);
        p.setPen(Palette::Muted);
        p.setFont(pixelFont(10, QFont::Bold));
        p.drawText(key.adjusted(0, 10, 0, 0), Qt::AlignCenter, QString::number(i + 1));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Ok);
    p.drawEllipse(QPointF(box.right() - 24, box.center().y()), 5, 5);
    p.setBrush(QColor(0x11, 0x15, 0x1b));
    for (int i = 0; i < 6; ++i)
        p.drawRoundedRect(QRectF(box.right() - 120 + i * 13, box.top() + 14, 6, box.height() - 28),
                          2, 2);
}

void drawLoginPicture(QPainter &p, const QSize &size)
{
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(all.topLeft(), all.bottomRight());
    sky.setColorAt(0, QColor(0x13, 0x1f, 0x2d));
    sky.setColorAt(1, QColor(0x0c, 0x11, 0x18));
    p.fillRect(all, sky);
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = 0; x < size.width(); x += 32)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, size.height()));
    for (int y = 0; y < size.height(); y += 32)
        p.drawLine(QPointF(0, y + 0.5), QPointF(size.width(), y + 0.5));

    drawMonitor(p, QRectF(330, 36, 272, 160));
    drawDevice(p, QRectF(36, 262, 566, 56));

    DrawLogo(p, QRectF(40, 60, 56, 56));
    p.setPen(Palette::Text);
    p.setFont(pixelFont(52, QFont::Bold));
    p.drawText(QRectF(40, 122, 290, 64), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Korvane"));
    p.setPen(Palette::Muted);
    p.setFont(pixelFont(17, QFont::Normal));
    p.drawText(QRectF(42, 186, 290, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Multiview and KVM control"));
    p.setPen(QPen(Palette::Accent, 3));
    p.drawLine(QPointF(42, 222), QPointF(110, 222));
}

void drawLogoImage(QPainter &p, const QSize &size)
{
    DrawLogo(p, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(4, 4, -4, -4));
}

const ImageRegistration loginPicture("APP/Image/loginui_pic.png", QSize(640, 360),
                                     drawLoginPicture);
const ImageRegistration loginLogo("APP/Image/loginui_logo.png", QSize(64, 64), drawLogoImage);
const ImageRegistration mainLogo("APP/Image/mainui_logo.png", QSize(64, 64), drawLogoImage);
const ImageRegistration appIcon("TitleBar/Image/App.png", QSize(64, 64), drawLogoImage);
} // namespace
