// Widget makers shared by the multiview page's files: every label is centred, every combo
// box lists its items in a QListView (so that the style sheet reaches them), and every
// widget is placed by hand at a fixed size.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
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
    auto *combo = new QComboBox(parent);
    combo->setView(new QListView(combo));
    combo->setGeometry(geometry);
    return combo;
}

inline QPushButton *Multiview_Button(QWidget *parent, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

inline QLineEdit *Multiview_Edit(QWidget *parent, const QRect &geometry, int maxLength)
{
    auto *edit = new QLineEdit(parent);
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
