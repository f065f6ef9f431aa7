// Small building blocks shared by the device pages: combos whose popup the style sheet can
// reach, buttons that Enter in a field never presses, refills that keep the selection, the
// flat "current choice" pair and the lenient number reading of operator fields.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

QComboBox *Page_Combo(QWidget *parent, const QString &objectName = QString());
QPushButton *Page_Button(QWidget *parent, const QString &objectName = QString());
QLineEdit *Page_Edit(QWidget *parent, const QString &objectName = QString());

// Sets a widget's geometry and returns it, so a page can create and place in one line.
template <class W>
W *Page_Place(W *widget, int x, int y, int w, int h)
{
    widget->setGeometry(x, y, w, h);
    return widget;
}

// Replaces the items and keeps the current index when it still exists, so a language
// switch or a source rename does not lose what the device reported.
void Page_RefillCombo(QComboBox *combo, const QStringList &items);

// Selects index when it names an item; anything else leaves the combo as it is.
void Page_SetComboIndex(QComboBox *combo, int index);

// The device's current on/off choice: index 0 makes `on` flat, 1 makes `off` flat; other
// indexes change nothing.
void Page_SetFlatPair(QPushButton *on, QPushButton *off, int index);

// An operator's number: decimal digits only (surrounding blanks allowed); empty, signed,
// non-numeric or beyond 32 bits reads as 0.
quint32 Page_ParseUnsigned(const QString &text);

// Shows a device value in an edit: clear, then set.
void Page_ShowText(QLineEdit *edit, const QString &text);
