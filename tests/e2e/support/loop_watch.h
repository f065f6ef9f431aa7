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
    double worstDelayMs() const { return m_worstNs / 1e6; }
    int ticks() const { return m_ticks; }
    void restart();

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_worstNs = 0;
    qint64 m_intervalNs;
    int m_ticks = 0;
};
