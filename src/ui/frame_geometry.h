// Geometry rules of the self-drawn window frame: the resize bands along the edges, the
// hand-made resize used where the window system offers none, and the start-up sizes and
// positions of the windows. No widgets here, so every rule can be checked on its own.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

enum class FrameBand { None, Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

// Band under (dx, dy), relative to the frame's top-left corner, for a frame of the given
// size. With W = width - 1 and H = height - 1: left 1..5, right W-4..W (wins over left),
// top 1..5, bottom H-4..H (wins over top). The outermost left column and top row are not
// part of a band.
FrameBand Frame_HitTest(int dx, int dy, int width, int height);

// Window edges that a band moves.
Qt::Edges Frame_BandEdges(FrameBand band);

// Geometry after dragging `edges` of `start` by `delta`, keeping the size within
// minimum..maximum; the opposite edges stay where they were.
QRect Frame_ResizedGeometry(const QRect &start, const QPoint &delta, Qt::Edges edges,
                            const QSize &minimum, const QSize &maximum);

// Size every frame starts with, from the primary screen's size.
QSize Frame_DefaultSize(const QSize &screen);

// Size of the main window, from the primary screen's size.
QSize Main_WindowSize(const QSize &screen);

// Top-left corner that centres a window within the screen, counting the screen as at most
// 1920 x 1080 (the panel is laid out for that area).
QPoint Frame_CentredPosition(const QSize &screen, const QSize &window);

// Size of the primary screen, or 1920 x 1080 when there is none (a headless start).
QSize Frame_PrimaryScreenSize();
