// Runs a call on the next turn of the event loop, and no more often than every interval:
// views that redraw what a flood of lines brought do it a few dozen times a second, not per
// line nor per turn. Requests that come while one is pending are folded into it.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class ThrottledCall : public QObject
{
public:
    // For views that follow what the device sends: a refresh rate the eye cannot tell from live.
    static constexpr int ViewIntervalMs = 40;

    ThrottledCall(int intervalMs, std::function<void()> call, QObject *parent = nullptr);

    void request();
    // The call was made some other way (a view brought up to date at once): the next one
    // keeps its distance from now.
    void noteCalled();
    bool isPending() const { return m_pending; }

private:
    int m_intervalMs;
    std::function<void()> m_call;
    QElapsedTimer m_sinceCall;
    bool m_pending = false;
};
