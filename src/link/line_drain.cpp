#include "link/line_drain.h"

#include "link/link_context.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {
// Copies up to `most` lines off the front of the queue; false when the lock is busy.
template <class Line>
bool takeLines(LinkContext &context, int most, QVector<Line> &lines)
{
    if (!context.recvLock.try_lock())
        return false;
    while (lines.size() < most && !context.recvQueue.isEmpty()) {
        const CommandNode *node = context.recvQueue.front();
        lines.append({QByteArray(node->data, qMax(0, node->length)), node->id});
        Queue_PopFront(&context.recvQueue);
    }
    context.recvLock.unlock();
    return true;
}

constexpr qint64 TurnBudgetNs = qint64(LineDrain::TurnBudgetMs) * 1000 * 1000;
} // namespace

LineDrain::LineDrain(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{ }

void LineDrain::drain()
{
    if (m_running) { // re-entered from a handler's nested event loop: order first
        m_again = true;
        return;
    }
    if (m_waitingForTurn)
        return; // this turn's budget is spent; the next turn is scheduled
    m_running = true;
    QElapsedTimer clock;
    clock.start();
    const Outcome outcome = handleLines(clock);
    m_usedNs += clock.nsecsElapsed();
    m_running = false;

    if (outcome == Outcome::Busy)
        scheduleRetry();
    if (outcome == Outcome::OutOfTime || m_usedNs >= TurnBudgetNs)
        scheduleTurn();
    else if (m_again)
        QTimer::singleShot(0, this, &LineDrain::drain);
    m_again = false;
}

LineDrain::Outcome LineDrain::handleLines(const QElapsedTimer &clock)
{
    for (;;) {
        if (m_next >= m_taken.size()) {
            m_taken.clear();
            m_next = 0;
            LinkContext *context = Link_ActiveContext();
            if (context == nullptr)
                return Outcome::Done;
            if (!takeLines(*context, TakeAtOnce, m_taken))
                return Outcome::Busy;
            if (m_taken.isEmpty())
                return Outcome::Done;
            m_takenMode = LinkMode;
        }
        while (m_next < m_taken.size()) {
            // An earlier line closed the link: what it sent afterwards belongs to no link.
            if (LinkMode != m_takenMode) {
                m_next = m_taken.size();
                break;
            }
            const Line line = m_taken.at(m_next++); // a copy: the handler may run a nested loop
            m_handler(line.bytes, line.id);
            if (m_usedNs + clock.nsecsElapsed() >= TurnBudgetNs)
                return m_next < m_taken.size() ? Outcome::OutOfTime : Outcome::Done;
        }
    }
}

void LineDrain::scheduleTurn()
{
    if (m_waitingForTurn)
        return;
    m_waitingForTurn = true;
    QTimer::singleShot(0, this, [this] {
        m_waitingForTurn = false;
        m_usedNs = 0;
        drain();
    });
}

void LineDrain::scheduleRetry()
{
    if (m_retryScheduled)
        return;
    m_retryScheduled = true;
    QTimer::singleShot(BusyRetryMs, this, [this] {
        m_retryScheduled = false;
        drain();
    });
}
