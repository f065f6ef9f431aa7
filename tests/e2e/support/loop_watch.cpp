#include "e2e/support/loop_watch.h"

#include <algorithm>

LoopWatch::LoopWatch(int intervalMs)
    : intervalNs_(qint64(intervalMs) * 1000000)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &LoopWatch::tick);
    restart();
}

void LoopWatch::restart()
{
    clock_.start();
    lastNs_ = 0;
    worstNs_ = 0;
    ticks_ = 0;
    timer_.start();
}

void LoopWatch::tick()
{
    const qint64 now = clock_.nsecsElapsed();
    worstNs_ = std::max(worstNs_, now - lastNs_ - intervalNs_);
    lastNs_ = now;
    ++ticks_;
}
