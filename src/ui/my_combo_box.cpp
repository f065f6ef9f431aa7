#include "ui/my_combo_box.h"

#include <QListView>

MyComboBox::MyComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // A list view lets the style sheet reach the popup's items.
    setView(new QListView(this));
}

void MyComboBox::showPopup()
{
    emit SGL_Auto_UpdateComboBox();
    QComboBox::showPopup();
}
