#include "ui/my_combo_box.h"

#include <QListView>

MyListComboBox::MyListComboBox(QWidget *parent)
    : QComboBox(parent)
{ }

void MyListComboBox::showPopup()
{
    if (!m_listView) {
        m_listView = true;
        setView(new QListView(this));
    }
    QComboBox::showPopup();
}

MyComboBox::MyComboBox(QWidget *parent)
    : MyListComboBox(parent)
{ }

void MyComboBox::showPopup()
{
    emit SGL_Auto_UpdateComboBox();
    MyListComboBox::showPopup();
}
