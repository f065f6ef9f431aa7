// Answers the modal message boxes that code under test opens. A box runs its own event
// loop, so the driver polls QApplication::activeModalWidget() from a timer, records what
// the box shows and presses the button the test asked for.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QMessageBox;

class ModalBoxDriver : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString text;
        QString title;
        QStringList buttons;
        QPoint pos;
        QRect frame; // frame geometry, on the screen
        bool hasIcon = false;
    };

    // Answer that closes the box through its window instead of a button.
    static const QString CloseWindow;

    explicit ModalBoxDriver(QObject *parent = nullptr);

    // Queues the answer for the next box: the caption of the button to press, or
    // CloseWindow. `onShown` runs while the box is open, before it is answered (a box that
    // `onShown` closed, by a key for instance, is left as it answered itself). Boxes
    // without a queued answer get their first button pressed.
    void answer(const QString &button, std::function<void(QMessageBox *)> onShown = {});

    const QList<Seen> &seen() const { return m_seen; }
    QStringList texts() const;
    int count() const { return m_seen.size(); }
    void clear() { m_seen.clear(); }

private:
    void poll();

    struct Answer
    {
        QString button;
        std::function<void(QMessageBox *)> onShown;
    };
    QTimer m_timer;
    QList<Answer> m_answers;
    QList<Seen> m_seen;
    QMessageBox *m_current = nullptr;
};
