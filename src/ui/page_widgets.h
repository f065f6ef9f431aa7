// Small building blocks shared by the device pages: combos whose popup the style sheet can
// reach, buttons that Enter in a field never presses, refills that keep the selection, the
// flat "current choice" pair, and the strict reading of numbers the operator types: a field
// whose text cannot be sent as shown sends nothing and says why.
#pragma once

#include "app/extra_texts.h"

#include <QString>
#include <QStringList>

class QComboBox;
class QIntValidator;
class QObject;
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
// switch or a source rename does not lose what the device reported; a combo left blank
// (no value reported yet) stays blank.
void Page_RefillCombo(QComboBox *combo, const QStringList &items);

// Selects index when it names an item; anything else leaves the combo as it is.
void Page_SetComboIndex(QComboBox *combo, int index);

// The device's current on/off choice: index 0 makes `on` flat, 1 makes `off` flat; other
// indexes change nothing.
void Page_SetFlatPair(QPushButton *on, QPushButton *off, int index);

// An operator's number: ASCII decimal digits only, surrounding blanks allowed, at most
// `maximum`. Empty text, a sign, a blank or a letter inside ("5 0", "5O"), a decimal point,
// other digits and overflow are no number: false, and *value is left alone.
bool Page_ParsePlainDecimal(const QString &text, quint32 maximum, quint32 *value);

// The 0..9999 size fields (user resolution, user rectangle).
constexpr int Page_SizeMaximum = 9999;
// A QIntValidator for 0..9999 that also refuses anything but ASCII digits, so a group
// separator ("1,92"), a sign or a blank never gets into the field.
QIntValidator *Page_SizeValidator(QObject *parent);
// The number a size field's Write sends: empty counts 0, else plain digits up to 9999; -1
// when the text cannot be sent as shown (a longer value the device reported).
int Page_SizeFieldValue(const QString &text);

// Marks a field whose text was not sent: its frame (the style sheet's QLineEdit[refused=
// "true"]) and its tool tip, shown at once, say why. Editing the field or showing a device
// value in it (Page_ShowText) clears the mark and gives the field its tool tip back.
void Page_MarkRefused(QLineEdit *edit, const QString &reason);
void Page_ClearRefused(QLineEdit *edit);
bool Page_IsRefused(const QLineEdit *edit);

// Why a typed number was not sent; %1 is the largest number the field takes.
inline constexpr ExtraText Page_NumberRefusedText {"Not sent: enter a whole number from 0 to %1.",
                                                   "未发送：请输入 0 到 %1 之间的整数。"};

// Shows a device value in an edit: clear, then set; a refusal mark goes.
void Page_ShowText(QLineEdit *edit, const QString &text);
