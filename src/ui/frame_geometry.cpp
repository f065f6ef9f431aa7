#include "ui/frame_geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {
constexpr int BandWidth = 5;
constexpr int LayoutAreaWidth = 1920;
constexpr int LayoutAreaHeight = 1080;

// Resizes one axis: moving the low edge keeps the high edge in place and the other way round.
void resizeAxis(int start, int length, int delta, bool lowEdge, bool highEdge, int minimum,
                int maximum, int *newStart, int *newLength)
{
    *newStart = start;
    *newLength = length;
    if (highEdge) {
        *newLength = std::clamp(length + delta, minimum, maximum);
    } else if (lowEdge) {
        *newLength = std::clamp(length - delta, minimum, maximum);
        *newStart = start + length - *newLength;
    }
}
} // namespace

FrameBand Frame_HitTest(int dx, int dy, int width, int height)
{
    const int w = width - 1;
    const int h = height - 1;
    const bool left = dx >= 1 && dx <= BandWidth;
    const bool right = dx >= w - (BandWidth - 1) && dx <= w;
    const bool top = dy >= 1 && dy <= BandWidth;
    const bool bottom = dy >= h - (BandWidth - 1) && dy <= h;

    if (bottom)
        return right ? FrameBand::BottomRight : left ? FrameBand::BottomLeft : FrameBand::Bottom;
    if (top)
        return right ? FrameBand::TopRight : left ? FrameBand::TopLeft : FrameBand::Top;
    if (right)
        return FrameBand::Right;
    if (left)
        return FrameBand::Left;
    return FrameBand::None;
}

Qt::Edges Frame_BandEdges(FrameBand band)
{
    switch (band) {
    case FrameBand::Left:
        return Qt::LeftEdge;
    case FrameBand::Right:
        return Qt::RightEdge;
    case FrameBand::Top:
        return Qt::TopEdge;
    case FrameBand::Bottom:
        return Qt::BottomEdge;
    case FrameBand::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case FrameBand::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case FrameBand::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case FrameBand::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case FrameBand::None:
        break;
    }
    return {};
}

QRect Frame_ResizedGeometry(const QRect &start, const QPoint &delta, Qt::Edges edges,
                            const QSize &minimum, const QSize &maximum)
{
    int x = 0, y = 0, w = 0, h = 0;
    resizeAxis(start.x(), start.width(), delta.x(), edges.testFlag(Qt::LeftEdge),
               edges.testFlag(Qt::RightEdge), minimum.width(),
               std::max(minimum.width(), maximum.width()), &x, &w);
    resizeAxis(start.y(), start.height(), delta.y(), edges.testFlag(Qt::TopEdge),
               edges.testFlag(Qt::BottomEdge), minimum.height(),
               std::max(minimum.height(), maximum.height()), &y, &h);
    return QRect(x, y, w, h);
}

QSize Frame_DefaultSize(const QSize &screen)
{
    const int width = screen.width() >= 1920 ? 1344 : screen.width() * 7 / 10;
    const int height = screen.height() >= 1080 ? 432 : screen.height() * 4 / 10;
    return QSize(width, height);
}

QSize Main_WindowSize(const QSize &screen)
{
    const int width = screen.width() >= 1920 ? 1344 : screen.width() * 14 / 20;
    const int height = screen.height() >= 1080 ? 918 : screen.height() * 17 / 20;
    return QSize(width, height);
}

QPoint Frame_CentredPosition(const QSize &screen, const QSize &window)
{
    const int areaWidth = std::min(screen.width(), LayoutAreaWidth);
    const int areaHeight = std::min(screen.height(), LayoutAreaHeight);
    return QPoint((areaWidth - window.width()) / 2, (areaHeight - window.height()) / 2);
}

QSize Frame_PrimaryScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(LayoutAreaWidth, LayoutAreaHeight);
}
