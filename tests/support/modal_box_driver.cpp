#include "support/modal_box_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

const QString ModalBoxDriver::CloseWindow = QStringLiteral("<close window>");

ModalBoxDriver::ModalBoxDriver(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalBoxDriver::poll);
    m_timer.start();
}

void ModalBoxDriver::answer(const QString &button, std::function<void(QMessageBox *)> onShown)
{
    m_answers.append({button, std::move(onShown)});
}

QStringList ModalBoxDriver::texts() const
{
    QStringList out;
    for (const Seen &s : m_seen)
        out << s.text;
    return out;
}

void ModalBoxDriver::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box == m_current)
        return;
    m_current = box;
    connect(box, &QObject::destroyed, this, [this, box] {
        if (m_current == box)
            m_current = nullptr;
    });

    Seen seen;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.pos = box->pos();
    seen.frame = box->frameGeometry();
    seen.hasIcon = !box->iconPixmap().isNull();
    const QList<QAbstractButton *> buttons = box->buttons();
    for (QAbstractButton *b : buttons)
        seen.buttons << b->text();
    m_seen.append(seen);

    Answer answer = m_answers.isEmpty() ? Answer {} : m_answers.takeFirst();
    QPointer<QMessageBox> alive(box);
    if (answer.onShown)
        answer.onShown(box);
    if (!alive || !box->isVisible())
        return; // the callback answered the box, or destroyed it (or its parent)
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
