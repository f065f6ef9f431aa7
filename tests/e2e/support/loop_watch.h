// Measures how long the GUI thread's event loop goes without serving a 10 ms timer: the worst
// delay is how long the window was frozen while the watch ran.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class LoopWatch : public QObject
{
public:
    explicit LoopWatch(int intervalMs = 10);

    // Worst lateness of a tick so far, in milliseconds (0 when every tick came on time).
    double worstDelayMs() const { return worstNs_ / 1e6; }
    int ticks() const { return ticks_; }
    void restart();

private:
    void tick();

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastNs_ = 0;
    qint64 worstNs_ = 0;
    qint64 intervalNs_;
    int ticks_ = 0;
};
