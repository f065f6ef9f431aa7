#include "ui/my_ui_layout.h"

MyUiLayout::MyUiLayout(QWidget *parent)
    : QWidget(parent)
{
    // A QWidget subclass paints a style-sheet background only when asked to.
    setAttribute(Qt::WA_StyledBackground, true);
}
