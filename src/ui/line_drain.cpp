#include "ui/line_drain.h"

#include "link/link_context.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {
// Copies up to `most` lines off the front of the queue; false when the lock is busy.
bool takeLines(LinkContext &context, int most, QVector<QByteArray> &lines)
{
    if (!context.recvLock.tryLock())
        return false;
    while (lines.size() < most && !context.recvQueue.isEmpty()) {
        const CommandNode *node = context.recvQueue.front();
        lines.append(QByteArray(node->data, qMax(0, node->length)));
        Queue_PopFront(&context.recvQueue);
    }
    context.recvLock.unlock();
    return true;
}

constexpr qint64 TurnBudgetNs = qint64(LineDrain::TurnBudgetMs) * 1000 * 1000;
} // namespace

LineDrain::LineDrain(Handler handler, QObject *parent)
    : QObject(parent)
    , handler_(std::move(handler))
{ }

void LineDrain::drain()
{
    if (running_) { // re-entered from a handler's nested event loop: order first
        again_ = true;
        return;
    }
    if (waitingForTurn_)
        return; // this turn's budget is spent; the next turn is scheduled
    running_ = true;
    QElapsedTimer clock;
    clock.start();
    const Outcome outcome = handleLines(clock);
    usedNs_ += clock.nsecsElapsed();
    running_ = false;

    if (outcome == Outcome::Busy)
        scheduleRetry();
    if (outcome == Outcome::OutOfTime || usedNs_ >= TurnBudgetNs)
        scheduleTurn();
    else if (again_)
        QTimer::singleShot(0, this, &LineDrain::drain);
    again_ = false;
}

LineDrain::Outcome LineDrain::handleLines(const QElapsedTimer &clock)
{
    for (;;) {
        if (next_ >= taken_.size()) {
            taken_.clear();
            next_ = 0;
            LinkContext *context = Link_ActiveContext();
            if (context == nullptr)
                return Outcome::Done;
            if (!takeLines(*context, TakeAtOnce, taken_))
                return Outcome::Busy;
            if (taken_.isEmpty())
                return Outcome::Done;
            takenMode_ = LinkMode;
        }
        while (next_ < taken_.size()) {
            // An earlier line closed the link: what it sent afterwards belongs to no link.
            if (LinkMode != takenMode_) {
                next_ = taken_.size();
                break;
            }
            handler_(taken_.at(next_++));
            if (usedNs_ + clock.nsecsElapsed() >= TurnBudgetNs)
                return next_ < taken_.size() ? Outcome::OutOfTime : Outcome::Done;
        }
    }
}

void LineDrain::scheduleTurn()
{
    if (waitingForTurn_)
        return;
    waitingForTurn_ = true;
    QTimer::singleShot(0, this, [this] {
        waitingForTurn_ = false;
        usedNs_ = 0;
        drain();
    });
}

void LineDrain::scheduleRetry()
{
    if (retryScheduled_)
        return;
    retryScheduled_ = true;
    QTimer::singleShot(BusyRetryMs, this, [this] {
        retryScheduled_ = false;
        drain();
    });
}
