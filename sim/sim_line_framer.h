// Splits the received byte stream into command lines. CR, LF and CR LF all end a line: the
// panel sends CR, a person at a terminal may send CR LF or LF.
#pragma once

#include <QByteArray>
#include <QList>

struct SimReceivedLine
{
    QByteArray text; // without its line end
    bool overflowed = false; // longer than the buffer: text is empty, the line was discarded
};

class SimLineFramer
{
public:
    static constexpr int MaxLineLength = 4096;

    QList<SimReceivedLine> feed(const QByteArray &bytes);
    int pendingBytes() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
    bool m_overflow = false;
    bool m_lastWasCr = false;
};
