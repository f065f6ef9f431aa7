// The routing grid by keyboard: the arrow keys move the focus to the neighbouring source
// button that is shown (skipping the hidden rows and columns of the layout and the model),
// Enter or Return routes like a click, Space already does (a push button's own key).
#pragma once

#include <QObject>
#include <QVector>

class QPushButton;

class RoutingGridKeys : public QObject
{
    Q_OBJECT

public:
    // `buttons` row by row, `columns` per row; the buttons stay owned by their page.
    RoutingGridKeys(const QVector<QPushButton *> &buttons, int columns, QObject *parent);

    // The button the arrow `key` leads to from button `index`, or -1 (an edge, or only
    // hidden buttons that way).
    int neighbour(int index, int key) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool usable(int index) const;

    QVector<QPushButton *> m_buttons;
    int m_columns;
};
