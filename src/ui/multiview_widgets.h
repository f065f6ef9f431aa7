// Widget makers shared by the multiview page's files: every label is centred, combos and
// buttons are the device pages' own (page_widgets.h), and every widget is placed by hand at
// a fixed size.
#pragma once

#include "ui/page_widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>

inline QLabel *Multiview_Label(QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

inline QComboBox *Multiview_Combo(QWidget *parent, const QRect &geometry)
{
    QComboBox *combo = Page_Combo(parent);
    combo->setGeometry(geometry);
    return combo;
}

inline QPushButton *Multiview_Button(QWidget *parent, const QRect &geometry)
{
    QPushButton *button = Page_Button(parent);
    button->setGeometry(geometry);
    return button;
}

inline QLineEdit *Multiview_Edit(QWidget *parent, const QRect &geometry, int maxLength)
{
    QLineEdit *edit = Page_Edit(parent);
    edit->setMaxLength(maxLength);
    edit->setGeometry(geometry);
    return edit;
}

// A name typed by the operator, made fit for the positional language file: a line break or
// other control character would split the entry and shift every later line of the file.
inline QString Multiview_CleanName(const QString &typed)
{
    QString name;
    name.reserve(typed.size());
    for (const QChar c : typed) {
        if (c.category() != QChar::Other_Control)
            name.append(c);
    }
    return name;
}
