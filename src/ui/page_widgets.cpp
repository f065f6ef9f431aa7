#include "ui/page_widgets.h"

#include "ui/my_combo_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

QComboBox *Page_Combo(QWidget *parent, const QString &objectName)
{
    auto *combo = new MyListComboBox(parent);
    combo->setObjectName(objectName);
    return combo;
}

QPushButton *Page_Button(QWidget *parent, const QString &objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    // Enter in a page's field belongs to that field (returnPressed); a default button would
    // send a second command.
    button->setAutoDefault(false);
    return button;
}

QLineEdit *Page_Edit(QWidget *parent, const QString &objectName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    return edit;
}

void Page_RefillCombo(QComboBox *combo, const QStringList &items)
{
    const int keep = combo->currentIndex();
    combo->clear();
    combo->addItems(items);
    if (keep >= 0 && keep < combo->count())
        combo->setCurrentIndex(keep);
}

void Page_SetComboIndex(QComboBox *combo, int index)
{
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

void Page_SetFlatPair(QPushButton *on, QPushButton *off, int index)
{
    if (index != 0 && index != 1)
        return;
    on->setFlat(index == 0);
    off->setFlat(index == 1);
}

quint32 Page_ParseUnsigned(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0; // no sign, no other digits than ASCII
    }
    bool ok = false;
    const uint value = trimmed.toUInt(&ok, 10);
    return ok ? value : 0;
}

void Page_ShowText(QLineEdit *edit, const QString &text)
{
    edit->clear();
    edit->setText(text);
}
