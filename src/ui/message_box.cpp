#include "ui/message_box.h"

#include "app/app_paths.h"
#include "ui/picture_cache.h"

#include <QGuiApplication>
#include <QList>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {
// A message box that places itself once it knows its size: the box computes its size while
// it is being shown, so the placement waits for that. The keys are the dialog's own: Enter
// presses the default button (or the one the operator moved to), Escape the escape button.
class PlacedMessageBox : public QMessageBox
{
public:
    explicit PlacedMessageBox(QWidget *parent)
        : QMessageBox(parent)
    { }

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
        QScreen *screen = nullptr;
        if (owner)
            screen = QGuiApplication::screenAt(owner->frameGeometry().center());
        if (!screen && owner)
            screen = owner->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect();
        move(MessageBox_Placement(owner ? owner->frameGeometry() : QRect(), frameGeometry().size(),
                                  area));
    }
};

QMessageBox *createBox(const QString &text, QWidget *parent)
{
    auto *box = new PlacedMessageBox(parent);
    // The raising window's title, so the operator sees which window asks.
    const QString title = parent ? parent->window()->windowTitle().trimmed() : QString();
    box->setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
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

QPoint MessageBox_Placement(const QRect &owner, const QSize &box, const QRect &screen)
{
    const QRect around = owner.isEmpty() ? screen : owner;
    int x = around.x() + (around.width() - box.width()) / 2;
    int y = around.y() + (around.height() - box.height()) / 2;
    if (screen.isEmpty())
        return {x, y};
    // Right and bottom edges first, so a box larger than the screen keeps its top-left
    // corner (its title bar and text) on the screen.
    x = std::min(x, screen.right() + 1 - box.width());
    y = std::min(y, screen.bottom() + 1 - box.height());
    x = std::max(x, screen.left());
    y = std::max(y, screen.top());
    return {x, y};
}

void MessageBox_Info(const QString &text, QWidget *parent)
{
    QPointer<QMessageBox> box(createBox(text, parent));
    QPushButton *ok = box->addButton(QString::fromLatin1(MessageBox_OkText), QMessageBox::YesRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
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
    static QString current;
    static QList<Pending> pending;
    if (showing) {
        const bool queued = text == current
            || std::any_of(pending.cbegin(), pending.cend(),
                           [&text](const Pending &p) { return p.text == text; });
        if (!queued && pending.size() < MessageBox_PendingLimit)
            pending.append({text, parent});
        return;
    }
    showing = true;
    current = text;
    MessageBox_Info(text, parent);
    while (!pending.isEmpty()) {
        const Pending next = pending.takeFirst();
        current = next.text;
        MessageBox_Info(next.text, next.parent);
    }
    current.clear();
    showing = false;
}

bool MessageBox_Confirm(const QString &text, QWidget *parent)
{
    QPointer<QMessageBox> box(createBox(text, parent));
    QPushButton *yes
        = box->addButton(QString::fromLatin1(MessageBox_YesText), QMessageBox::YesRole);
    QPushButton *no = box->addButton(QString::fromLatin1(MessageBox_NoText), QMessageBox::NoRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    const bool confirmed = runBox(box) == yes;
    delete box;
    return confirmed;
}
