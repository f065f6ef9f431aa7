#include "ui/throttled_call.h"

#include <QTimer>

#include <algorithm>

ThrottledCall::ThrottledCall(int intervalMs, std::function<void()> call, QObject *parent)
    : QObject(parent)
    , m_intervalMs(std::max(0, intervalMs))
    , m_call(std::move(call))
{ }

void ThrottledCall::request()
{
    if (m_pending)
        return;
    m_pending = true;
    const qint64 wait
        = m_sinceCall.isValid() ? std::max<qint64>(0, m_intervalMs - m_sinceCall.elapsed()) : 0;
    QTimer::singleShot(int(wait), this, [this] {
        m_pending = false;
        m_sinceCall.start();
        m_call();
    });
}

void ThrottledCall::noteCalled()
{
    m_sinceCall.start();
}
