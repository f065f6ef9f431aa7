// The multiview page's layout pictures, APP/Image/MultiView/<name>.png: one per layout, PIP
// position and size, variant and aspect the device can report. Each shows the output screen
// with its numbered windows: their arrangement and proportions, the PIP window's corner and
// size, and FULL (a window fills its slot) versus 16:9 (a 16:9 picture letterboxed in its slot).
// The names are spelled out here on their own rather than taken from the page, so the page's
// test that every name it can build has a file checks one against the other.
#include "image_registry.h"
#include "palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <string>
#include <vector>

namespace {
const QSize PictureSize(400, 224); // 16:9, shown at 200 x 112
constexpr qreal ScreenInset = 5;
constexpr qreal TileGap = 3;

struct Tile
{
    qreal x, y, w, h; // fractions of the screen
};
using Arrangement = std::vector<Tile>;

// Window 1 first. Variant n of a layout is entry n - 1.
const std::vector<Arrangement> PbpVariants = {
    {{0, 0, .5, 1}, {.5, 0, .5, 1}}, // side by side
    {{0, 0, 1, .5}, {0, .5, 1, .5}}, // top and bottom
    {{0, 0, .66, 1}, {.66, .2, .34, .6}}, // presenter: part of window 1 large, window 2 beside
    {{0, 0, .66, 1}, {.66, 0, .34, 1}}, // two thirds and one third
    {{0, 0, .34, 1}, {.34, 0, .66, 1}}, // one third and two thirds
    {{0, 0, 1, .66}, {0, .66, 1, .34}}, // large top, strip below
};
const std::vector<Arrangement> ThreeWinVariants = {
    {{0, 0, .5, 1}, {.5, 0, .5, .5}, {.5, .5, .5, .5}},
    {{0, 0, 1, .5}, {0, .5, .5, .5}, {.5, .5, .5, .5}},
    {{0, 0, 1. / 3, 1}, {1. / 3, 0, 1. / 3, 1}, {2. / 3, 0, 1. / 3, 1}},
    {{0, 0, .66, 1}, {.66, 0, .34, .5}, {.66, .5, .34, .5}},
    {{.5, 0, .5, 1}, {0, 0, .5, .5}, {0, .5, .5, .5}},
    {{0, 0, .5, .5}, {.5, 0, .5, .5}, {.25, .5, .5, .5}},
};
const std::vector<Arrangement> FourWinVariants = {
    {{0, 0, .5, .5}, {.5, 0, .5, .5}, {0, .5, .5, .5}, {.5, .5, .5, .5}},
    {{0, 0, .75, 1}, {.75, 0, .25, 1. / 3}, {.75, 1. / 3, .25, 1. / 3}, {.75, 2. / 3, .25, 1. / 3}},
    {{0, 0, 1, .75}, {0, .75, 1. / 3, .25}, {1. / 3, .75, 1. / 3, .25}, {2. / 3, .75, 1. / 3, .25}},
    {{0, 0, .25, 1}, {.25, 0, .25, 1}, {.5, 0, .25, 1}, {.75, 0, .25, 1}},
    {{.25, 0, .75, 1}, {0, 0, .25, 1. / 3}, {0, 1. / 3, .25, 1. / 3}, {0, 2. / 3, .25, 1. / 3}},
    {{0, 0, 1, .25}, {0, .25, 1, .25}, {0, .5, 1, .25}, {0, .75, 1, .25}},
};
constexpr int PresenterVariant = 3;

struct WindowLook
{
    QColor sky, ground;
};
const WindowLook Looks[] = {{QColor(0x2a, 0x6f, 0x9e), QColor(0x1d, 0x4d, 0x3a)},
                            {QColor(0x8a, 0x55, 0x2a), QColor(0x4a, 0x2c, 0x1c)},
                            {QColor(0x4b, 0x3f, 0x8f), QColor(0x26, 0x22, 0x4a)},
                            {QColor(0x1f, 0x8a, 0x80), QColor(0x17, 0x45, 0x4a)}};
const QColor LetterboxBlack(0x05, 0x07, 0x0a);

QFont pixelFont(qreal pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(8, int(pixels)));
    font.setWeight(QFont::Bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QRectF screenRect(const QSize &size)
{
    return QRectF(QPointF(0, 0), QSizeF(size))
        .adjusted(ScreenInset, ScreenInset, -ScreenInset, -ScreenInset);
}

QRectF tileRect(const QRectF &screen, const Tile &t)
{
    const QRectF r(screen.left() + t.x * screen.width(), screen.top() + t.y * screen.height(),
                   t.w * screen.width(), t.h * screen.height());
    return r.adjusted(TileGap / 2, TileGap / 2, -TileGap / 2, -TileGap / 2);
}

// The largest 16:9 rectangle centred in the slot.
QRectF letterboxed(const QRectF &slot)
{
    QSizeF picture(16, 9);
    picture.scale(slot.size(), Qt::KeepAspectRatio);
    QRectF r(QPointF(0, 0), picture);
    r.moveCenter(slot.center());
    return r;
}

void drawScreen(QPainter &p, const QSize &size)
{
    const QRectF all(QPointF(0, 0), QSizeF(size));
    p.setPen(QPen(Palette::Border, 2));
    p.setBrush(Palette::Night);
    p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 6, 6);
}

qreal badgeSize(const QRectF &window)
{
    return qBound(14.0, qMin(window.width(), window.height()) * 0.42, 56.0);
}

QRectF badgeRect(const QRectF &window, const QPointF &centre)
{
    const qreal badge = badgeSize(window);
    return QRectF(centre.x() - badge / 2, centre.y() - badge / 2, badge, badge);
}

// One window: a little landscape (so the tiles read as video) with its number, in the middle
// unless a window on top would hide it there.
void drawWindow(QPainter &p, const QRectF &r, int number, const QPointF *badgeAt = nullptr)
{
    const WindowLook &look = Looks[(number - 1) % 4];
    DrawLandscape(p, r, look.sky, look.ground);
    p.save();
    p.setPen(Qt::NoPen);
    const QRectF disc = badgeRect(r, badgeAt ? *badgeAt : r.center());
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawEllipse(disc);
    p.setPen(Palette::Text);
    p.setFont(pixelFont(disc.width() * 0.62));
    p.drawText(disc, Qt::AlignCenter, QString::number(number));
    p.restore();

    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

// A window in its slot: FULL fills the slot, 16:9 keeps the picture's shape with black bars.
void drawSlot(QPainter &p, const QRectF &slot, int number, bool keep169)
{
    if (!keep169) {
        drawWindow(p, slot, number);
        return;
    }
    p.fillRect(slot, LetterboxBlack);
    p.setPen(QPen(Palette::Border, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(slot.adjusted(0.5, 0.5, -0.5, -0.5));
    drawWindow(p, letterboxed(slot), number);
}

// Marks a rectangle the operator sets with the four numbers of the user-rectangle group.
void drawUserOutline(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(Palette::Amber, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.restore();
}

// Tag in the screen's top right corner naming the aspect (readable at half size, as shown).
void drawAspectTag(QPainter &p, const QRectF &screen, bool keep169)
{
    const QString text = keep169 ? QStringLiteral("16:9") : QStringLiteral("FULL");
    const QRectF tag(screen.right() - 62, screen.top() + 4, 58, 24);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 190));
    p.drawRoundedRect(tag, 5, 5);
    p.setPen(keep169 ? Palette::Accent : Palette::Text);
    p.setFont(pixelFont(17));
    p.drawText(tag, Qt::AlignCenter, text);
    p.restore();
}

void drawSingle(QPainter &p, const QSize &size)
{
    drawScreen(p, size);
    drawWindow(p, screenRect(size), 1);
}

// Variant 0: a variant the device reports but the page does not offer; the layout's windows
// are shown dimmed with a question mark.
void drawVariant(QPainter &p, const QSize &size, const std::vector<Arrangement> &variants,
                 int variant, bool keep169)
{
    drawScreen(p, size);
    const QRectF screen = screenRect(size);
    const Arrangement &tiles = variants.at(variant > 0 ? variant - 1 : 0);
    for (std::size_t i = 0; i < tiles.size(); ++i)
        drawSlot(p, tileRect(screen, tiles[i]), int(i) + 1, keep169);
    if (&variants == &PbpVariants && variant == PresenterVariant) {
        const QRectF first = tileRect(screen, tiles[0]);
        const QRectF shown = keep169 ? letterboxed(first) : first;
        drawUserOutline(p,
                        QRectF(shown.left() + shown.width() * 0.2,
                               shown.top() + shown.height() * 0.18, shown.width() * 0.55,
                               shown.height() * 0.5));
    }
    if (variant == 0) {
        p.fillRect(screen, QColor(0x10, 0x14, 0x19, 170));
        const QRectF disc(screen.center().x() - 24, screen.center().y() - 24, 48, 48);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Amber);
        p.drawEllipse(disc);
        p.setPen(Palette::Night);
        p.setFont(pixelFont(34));
        p.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
    }
    drawAspectTag(p, screen, keep169);
}

// PIP: window 1 fills the screen, window 2 sits in a corner at one of three sizes; a USER
// position frees it from the corners and a USER size from the 16:9 shape.
constexpr qreal PipWidths[] = {0.25, 0.34, 0.45}; // SMALL, MIDDLE, LARGE
constexpr int PipUser = -1;

void drawPip(QPainter &p, const QSize &size, int position, int pipSize)
{
    drawScreen(p, size);
    const QRectF screen = screenRect(size);

    QSizeF box = pipSize == PipUser
        ? QSizeF(screen.width() * 0.40, screen.height() * 0.58)
        : QSizeF(screen.width() * PipWidths[pipSize], screen.height() * PipWidths[pipSize]);
    const qreal margin = screen.width() * 0.04;
    QRectF window(QPointF(0, 0), box);
    if (position == PipUser) {
        window.moveTopLeft(
            QPointF(screen.left() + screen.width() * 0.3, screen.top() + screen.height() * 0.22));
    } else {
        const bool right = position == 1 || position == 3;
        const bool bottom = position >= 2;
        window.moveLeft(right ? screen.right() - margin - box.width() : screen.left() + margin);
        window.moveTop(bottom ? screen.bottom() - margin - box.height() : screen.top() + margin);
    }
    // Window 1's number goes where window 2 leaves it visible.
    const auto at = [&screen](qreal x, qreal y) {
        return QPointF(screen.left() + screen.width() * x, screen.top() + screen.height() * y);
    };
    const QPointF spots[]
        = {at(.5, .5), at(.18, .5), at(.82, .5), at(.5, .8), at(.15, .8), at(.85, .2)};
    const QPointF *spot = &spots[0];
    for (const QPointF &candidate : spots) {
        if (!badgeRect(screen, candidate).adjusted(-4, -4, 4, 4).intersects(window)) {
            spot = &candidate;
            break;
        }
    }
    drawWindow(p, screen, 1, spot);
    p.fillRect(window.adjusted(-2, -2, 2, 2), QColor(0, 0, 0, 120));
    drawWindow(p, window, 2);
    if (position == PipUser || pipSize == PipUser)
        drawUserOutline(p, window.adjusted(-1, -1, 1, 1));
    if (pipSize == PipUser) {
        // Resize grip in the corner the operator would drag.
        p.save();
        p.setPen(QPen(Palette::Amber, 2, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = window.bottomRight();
        for (int i = 1; i <= 3; ++i)
            p.drawLine(QPointF(c.x() - 4 * i, c.y() - 2), QPointF(c.x() - 2, c.y() - 4 * i));
        p.restore();
    }
}

void add(const std::string &name, ImageDraw draw)
{
    ImageRegistry_All().push_back({"APP/Image/MultiView/" + name + ".png", PictureSize, draw});
}

struct MultiviewPictures
{
    MultiviewPictures()
    {
        add("SINGLE", drawSingle);

        const char *positions[] = {"LeftTop", "RightTop", "LeftBottom", "RightBottom", "USER"};
        const char *sizes[] = {"SMALL", "MIDDLE", "LARGE", "USER"};
        for (int pos = 0; pos < 5; ++pos) {
            for (int s = 0; s < 4; ++s) {
                const int position = pos == 4 ? PipUser : pos;
                const int pipSize = s == 3 ? PipUser : s;
                add(std::string("PIP_") + positions[pos] + '_' + sizes[s],
                    [=](QPainter &p, const QSize &size) { drawPip(p, size, position, pipSize); });
            }
        }

        const struct
        {
            const char *word;
            const std::vector<Arrangement> *variants;
        } layouts[]
            = {{"PBP", &PbpVariants}, {"3xWIN", &ThreeWinVariants}, {"4xWIN", &FourWinVariants}};
        const char *aspects[] = {"FULL", "169"};
        for (const auto &layout : layouts) {
            // Variant 0 stands for the empty middle part: a variant the page does not offer.
            for (int variant = 0; variant <= 6; ++variant) {
                for (int a = 0; a < 2; ++a) {
                    const std::string middle = variant > 0 ? std::to_string(variant) : "";
                    const auto *variants = layout.variants;
                    const bool keep169 = a == 1;
                    add(std::string(layout.word) + '_' + middle + '_' + aspects[a],
                        [=](QPainter &p, const QSize &size) {
                            drawVariant(p, size, *variants, variant, keep169);
                        });
                }
            }
        }
    }
};

const MultiviewPictures registerPictures;
} // namespace
