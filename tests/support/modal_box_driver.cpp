#include "support/modal_box_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

const QString ModalBoxDriver::CloseWindow = QStringLiteral("<close window>");

ModalBoxDriver::ModalBoxDriver(QObject *parent)
    : QObject(parent)
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalBoxDriver::poll);
    timer_.start();
}

void ModalBoxDriver::answer(const QString &button, std::function<void(QMessageBox *)> onShown)
{
    answers_.append({button, std::move(onShown)});
}

QStringList ModalBoxDriver::texts() const
{
    QStringList out;
    for (const Seen &s : seen_)
        out << s.text;
    return out;
}

void ModalBoxDriver::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box == current_)
        return;
    current_ = box;
    connect(box, &QObject::destroyed, this, [this, box] {
        if (current_ == box)
            current_ = nullptr;
    });

    Seen seen;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.pos = box->pos();
    seen.hasIcon = !box->iconPixmap().isNull();
    const QList<QAbstractButton *> buttons = box->buttons();
    for (QAbstractButton *b : buttons)
        seen.buttons << b->text();
    seen_.append(seen);

    Answer answer = answers_.isEmpty() ? Answer {} : answers_.takeFirst();
    QPointer<QMessageBox> alive(box);
    if (answer.onShown)
        answer.onShown(box);
    if (!alive)
        return; // the callback destroyed the box (or its parent)
    if (answer.button == CloseWindow) {
        box->close();
        return;
    }
    for (QAbstractButton *b : buttons) {
        if (answer.button.isEmpty() || b->text() == answer.button) {
            b->click();
            return;
        }
    }
    // No such button: close it so the test fails on its checks instead of hanging.
    box->close();
}
