#include "ui/message_box.h"

#include "app/app_paths.h"
#include "ui/picture_cache.h"

#include <QList>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

namespace {
QMessageBox *createBox(const QString &text, QWidget *parent)
{
    auto *box = new QMessageBox(parent);
    // Pages pass themselves as parent; the box belongs at their window's corner, not at
    // the page's offset inside it.
    if (parent)
        box->move(parent->window()->pos());
    box->setWindowTitle(QStringLiteral(" "));
    box->setText(text);
    box->setIconPixmap(Picture_Get(App_Path(QStringLiteral("/APP/Image/MessageShow_pic.png"))));
    return box;
}

// Runs the box and returns the button that closed it (null when closed otherwise). The
// parent may be destroyed while the box runs, taking the box with it.
QAbstractButton *runBox(QMessageBox *raw)
{
    QPointer<QMessageBox> box(raw);
    box->exec();
    QAbstractButton *clicked = box ? box->clickedButton() : nullptr;
    return clicked;
}
} // namespace

void MessageBox_Info(const QString &text, QWidget *parent)
{
    QPointer<QMessageBox> box(createBox(text, parent));
    box->addButton(QString::fromLatin1(MessageBox_OkText), QMessageBox::YesRole);
    runBox(box);
    delete box;
}

void MessageBox_InfoSerial(const QString &text, QWidget *parent)
{
    struct Pending
    {
        QString text;
        QPointer<QWidget> parent;
    };
    static bool showing = false;
    static QList<Pending> pending;
    if (showing) {
        if (pending.size() < MessageBox_PendingLimit)
            pending.append({text, parent});
        return;
    }
    showing = true;
    MessageBox_Info(text, parent);
    while (!pending.isEmpty()) {
        const Pending next = pending.takeFirst();
        MessageBox_Info(next.text, next.parent);
    }
    showing = false;
}

bool MessageBox_Confirm(const QString &text, QWidget *parent)
{
    QPointer<QMessageBox> box(createBox(text, parent));
    QPushButton *yes
        = box->addButton(QString::fromLatin1(MessageBox_YesText), QMessageBox::YesRole);
    box->addButton(QString::fromLatin1(MessageBox_NoText), QMessageBox::NoRole);
    const bool confirmed = runBox(box) == yes;
    delete box;
    return confirmed;
}
