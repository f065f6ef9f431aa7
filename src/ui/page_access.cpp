#include "ui/page_access.h"

#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {
constexpr int HalfRow = 13;

bool isTrailingMark(QChar c)
{
    static const QString marks = QStringLiteral(":：↓<>");
    return c.isSpace() || marks.contains(c);
}
} // namespace

QString Access_Caption(const QString &caption)
{
    int begin = 0;
    int end = caption.size();
    while (begin < end && isTrailingMark(caption.at(begin)))
        ++begin;
    while (end > begin && isTrailingMark(caption.at(end - 1)))
        --end;
    return caption.mid(begin, end - begin);
}

QString Access_Pair(const QString &group, const QString &item)
{
    return Extra_Text(Access_PairText).arg(Access_Caption(group), Access_Caption(item));
}

void Access_Name(QWidget *widget, const QString &name)
{
    if (widget && widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void Access_MarkChoice(QPushButton *button)
{
    if (!button || button->isCheckable())
        return;
    button->setCheckable(true);
    button->setChecked(button->isFlat());
    // A click asks the device; the check follows the device's answer (Access_SetChoice),
    // not the click.
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button] { button->setChecked(button->isFlat()); });
}

void Access_SetChoice(QPushButton *button, bool current)
{
    button->setFlat(current);
    if (button->isCheckable())
        button->setChecked(current);
}

void Access_SortTabOrder(QWidget *root)
{
    struct Place
    {
        QWidget *widget;
        QRect rect;
    };
    std::vector<Place> places;
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (w->isWindow() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
            continue;
        // Skip the inner parts of a control that takes the focus itself (a combo's view).
        bool inner = false;
        for (QWidget *p = w->parentWidget(); p && p != root; p = p->parentWidget()) {
            if ((p->focusPolicy() & Qt::TabFocus) || p->isWindow()) {
                inner = true;
                break;
            }
        }
        if (inner)
            continue;
        places.push_back({w, QRect(w->mapTo(root, QPoint(0, 0)), w->size())});
    }
    std::stable_sort(places.begin(), places.end(), [](const Place &a, const Place &b) {
        return a.rect.center().y() < b.rect.center().y();
    });
    // Rows: each starts at the highest remaining control and takes those within half a row.
    std::vector<Place> ordered;
    size_t i = 0;
    while (i < places.size()) {
        const int rowMiddle = places[i].rect.center().y();
        size_t j = i;
        while (j < places.size() && places[j].rect.center().y() - rowMiddle <= HalfRow)
            ++j;
        std::stable_sort(places.begin() + i, places.begin() + j,
                         [](const Place &a, const Place &b) { return a.rect.x() < b.rect.x(); });
        ordered.insert(ordered.end(), places.begin() + i, places.begin() + j);
        i = j;
    }
    for (size_t k = 1; k < ordered.size(); ++k)
        QWidget::setTabOrder(ordered[k - 1].widget, ordered[k].widget);
}
