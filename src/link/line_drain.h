// The GUI thread's side of the receive queues: hands the active link's received lines to a
// handler in arrival order without ever blocking on the link service, and without letting a
// device that floods lines starve the event loop.
//
// The queue's lock is only tried, never waited for. A busy lock leaves the lines for the next
// announcement and for a retry a moment later (a full queue announces nothing more). Lines
// are copied out in small batches so the lock is held only for the copy; the handler runs
// with the lock free, so it may close the link or open a message box. Handling stops for the
// current turn of the event loop once TurnBudgetMs of work have been spent in it; the rest
// follows in the next turn, after timers, input and painting had theirs. Lines taken from a
// link that has meanwhile been closed or replaced are dropped.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <functional>

class QElapsedTimer;

class LineDrain : public QObject
{
    Q_OBJECT

public:
    static constexpr int TakeAtOnce = 64; // lines copied out per lock
    static constexpr int TurnBudgetMs = 4; // handling time per turn of the event loop
    static constexpr int BusyRetryMs = 1; // next try after the lock was busy

    // One line, and the id of the command it is the reply to (0: none).
    using Handler = std::function<void(const QByteArray &line, quint64 id)>;

    explicit LineDrain(Handler handler, QObject *parent = nullptr);

    // Lines were announced: handle what waits, within this turn's budget.
    void drain();

private:
    enum class Outcome { Done, Busy, OutOfTime };
    struct Line
    {
        QByteArray bytes;
        quint64 id = 0;
    };

    Outcome handleLines(const QElapsedTimer &clock);
    void scheduleTurn();
    void scheduleRetry();

    Handler m_handler;
    QVector<Line> m_taken; // copied out of the queue, not yet handled
    int m_next = 0;
    qint32 m_takenMode = 0; // the link the taken lines came from
    qint64 m_usedNs = 0; // handling time spent in this turn
    bool m_waitingForTurn = false;
    bool m_retryScheduled = false;
    bool m_running = false; // a handler may run a nested event loop (a message box)
    bool m_again = false;
};
