#include "ui/page_widgets.h"

#include "ui/my_combo_box.h"
#include "ui/page_access.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolTip>

namespace {
const char *const RefusedProperty = "refused";
const char *const NormalTipProperty = "korvaneNormalToolTip";
const char *const ReasonProperty = "korvaneRefusalReason";
const char *const WatchedProperty = "korvaneRefusalWatched";

bool isAsciiDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The style sheet's property selector is evaluated when the widget is polished.
void repolish(QLineEdit *edit)
{
    edit->style()->unpolish(edit);
    edit->style()->polish(edit);
    edit->update();
}

class SizeValidator : public QIntValidator
{
public:
    explicit SizeValidator(QObject *parent)
        : QIntValidator(0, Page_SizeMaximum, parent)
    { }
    State validate(QString &input, int &pos) const override
    {
        if (!isAsciiDigits(input))
            return Invalid;
        return QIntValidator::validate(input, pos);
    }
};
} // namespace

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
    const bool wasFilled = combo->count() > 0;
    combo->clear();
    combo->addItems(items);
    if (keep >= 0 && keep < combo->count())
        combo->setCurrentIndex(keep);
    else if (wasFilled)
        combo->setCurrentIndex(-1); // still blank: nothing reported yet
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
    Access_SetChoice(on, index == 0);
    Access_SetChoice(off, index == 1);
}

bool Page_ParsePlainDecimal(const QString &text, quint32 maximum, quint32 *value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || !isAsciiDigits(trimmed))
        return false;
    bool ok = false;
    const qulonglong number = trimmed.toULongLong(&ok, 10);
    if (!ok || number > maximum)
        return false;
    *value = static_cast<quint32>(number);
    return true;
}

QIntValidator *Page_SizeValidator(QObject *parent)
{
    return new SizeValidator(parent);
}

int Page_SizeFieldValue(const QString &text)
{
    if (text.isEmpty())
        return 0;
    quint32 value = 0;
    // No blanks either: the field shows exactly what is sent.
    if (text.trimmed() != text || !Page_ParsePlainDecimal(text, Page_SizeMaximum, &value))
        return -1;
    return static_cast<int>(value);
}

void Page_MarkRefused(QLineEdit *edit, const QString &reason)
{
    if (!Page_IsRefused(edit))
        edit->setProperty(NormalTipProperty, edit->toolTip());
    edit->setProperty(RefusedProperty, true);
    edit->setProperty(ReasonProperty, reason);
    edit->setToolTip(reason);
    repolish(edit);
    if (!edit->property(WatchedProperty).toBool()) {
        edit->setProperty(WatchedProperty, true);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] { Page_ClearRefused(edit); });
    }
    if (edit->isVisible())
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), reason, edit);
}

void Page_ClearRefused(QLineEdit *edit)
{
    if (!Page_IsRefused(edit))
        return;
    edit->setProperty(RefusedProperty, false);
    // A language switch may have set the field's own tip meanwhile; that one stays.
    if (edit->toolTip() == edit->property(ReasonProperty).toString())
        edit->setToolTip(edit->property(NormalTipProperty).toString());
    repolish(edit);
}

bool Page_IsRefused(const QLineEdit *edit)
{
    return edit->property(RefusedProperty).toBool();
}

void Page_ShowText(QLineEdit *edit, const QString &text)
{
    Page_ClearRefused(edit);
    edit->clear();
    edit->setText(text);
}
