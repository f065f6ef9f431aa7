// Bounded line framing: a line past MaxLineLength is dropped as a whole, whatever follows
// in it, and reported once when its end arrives.
#include "sim_line_framer.h"

QList<SimReceivedLine> SimLineFramer::feed(const QByteArray &bytes)
{
    QList<SimReceivedLine> lines;
    for (char c : bytes) {
        const bool lfAfterCr = c == '\n' && m_lastWasCr;
        m_lastWasCr = c == '\r';
        if (lfAfterCr)
            continue;
        if (c == '\r' || c == '\n') {
            lines.append(SimReceivedLine {m_overflow ? QByteArray() : m_buffer, m_overflow});
            m_buffer.clear();
            m_overflow = false;
            continue;
        }
        if (m_overflow)
            continue;
        if (m_buffer.size() >= MaxLineLength) {
            m_buffer.clear();
            m_buffer.squeeze();
            m_overflow = true;
            continue;
        }
        m_buffer.append(c);
    }
    return lines;
}
