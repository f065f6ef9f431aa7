#include "ui/routing_grid_keys.h"

#include <QKeyEvent>
#include <QPushButton>

RoutingGridKeys::RoutingGridKeys(const QVector<QPushButton *> &buttons, int columns,
                                 QObject *parent)
    : QObject(parent)
    , m_buttons(buttons)
    , m_columns(columns > 0 ? columns : 1)
{
    for (QPushButton *button : qAsConst(m_buttons))
        button->installEventFilter(this);
}

bool RoutingGridKeys::usable(int index) const
{
    const QPushButton *button = m_buttons.at(index);
    return !button->isHidden() && button->isEnabled();
}

int RoutingGridKeys::neighbour(int index, int key) const
{
    if (index < 0 || index >= m_buttons.size())
        return -1;
    int rowStep = 0;
    int columnStep = 0;
    switch (key) {
    case Qt::Key_Left:
        columnStep = -1;
        break;
    case Qt::Key_Right:
        columnStep = 1;
        break;
    case Qt::Key_Up:
        rowStep = -1;
        break;
    case Qt::Key_Down:
        rowStep = 1;
        break;
    default:
        return -1;
    }
    const int rows = (m_buttons.size() + m_columns - 1) / m_columns;
    int row = index / m_columns + rowStep;
    int column = index % m_columns + columnStep;
    while (row >= 0 && row < rows && column >= 0 && column < m_columns) {
        const int candidate = row * m_columns + column;
        if (candidate < m_buttons.size() && usable(candidate))
            return candidate;
        row += rowStep;
        column += columnStep;
    }
    return -1;
}

bool RoutingGridKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int index = m_buttons.indexOf(static_cast<QPushButton *>(watched));
    if (index < 0)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return QObject::eventFilter(watched, event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_buttons.at(index)->click();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int next = neighbour(index, key->key());
        if (next >= 0)
            m_buttons.at(next)->setFocus(Qt::TabFocusReason);
        return true; // at an edge the focus stays in the grid
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
