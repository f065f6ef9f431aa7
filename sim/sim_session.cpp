// Conversation and fault injection.
#include "sim_session.h"

#include "sim/sim_interpreter.h"
#include "sim/sim_log.h"

SimSession::SimSession(SimInterpreter &interpreter, const SimFaults &faults, SimLog &log,
                       SimTransport &transport, QObject *parent)
    : QObject(parent)
    , m_interpreter(interpreter)
    , m_faults(faults)
    , m_log(log)
    , m_transport(transport)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SimSession::pump);
    m_clock.start();
}

void SimSession::receive(const QByteArray &bytes)
{
    for (const SimReceivedLine &line : m_framer.feed(bytes)) {
        if (m_hangingUp)
            return; // the line is going down: later commands are not read
        answer(line);
        pump(); // without latency a reply leaves before the next command is read
    }
}

void SimSession::answer(const SimReceivedLine &line)
{
    SimReplies replies;
    if (line.overflowed) {
        m_log.rx("<line longer than " + QByteArray::number(SimLineFramer::MaxLineLength)
                 + " bytes discarded>");
        replies = {SimInterpreter::ErrTooLong};
    } else {
        if (line.text.trimmed().isEmpty())
            return; // a bare line end, e.g. Enter pressed at a terminal
        m_log.rx(line.text);
        replies = m_interpreter.handle(line.text);
    }
    ++m_commands;
    const qint64 due = m_clock.elapsed() + m_faults.latencyMs;
    const bool dropped
        = m_faults.silent || (m_faults.dropEvery > 0 && m_commands % m_faults.dropEvery == 0);
    if (dropped) {
        for (const QByteArray &r : replies)
            m_log.drop(r);
    } else {
        if (m_faults.garbageEvery > 0 && m_commands % m_faults.garbageEvery == 0)
            queueLine(due, SimGarbageLine);
        for (const QByteArray &r : replies)
            queueLine(due, r);
    }
    if (m_faults.disconnectAfter > 0 && m_commands >= m_faults.disconnectAfter) {
        m_hangingUp = true;
        queue(Pending {due, {}, {}, true});
    }
}

void SimSession::queueLine(qint64 due, const QByteArray &line)
{
    if (m_out.size() >= MaxPendingWrites) {
        m_log.event("output queue full, reply not sent: " + line);
        return;
    }
    const QByteArray bytes = line + m_faults.lineEnd;
    if (m_faults.chunkSize <= 0) {
        queue(Pending {due, bytes, line});
        return;
    }
    for (int at = 0; at < bytes.size(); at += m_faults.chunkSize) {
        const bool last = at + m_faults.chunkSize >= bytes.size();
        queue(Pending {due, bytes.mid(at, m_faults.chunkSize), last ? line : QByteArray()});
        due += m_faults.chunkDelayMs;
    }
}

void SimSession::queue(Pending p)
{
    // Replies leave in the order of the commands, whatever their due times.
    p.due = qMax(p.due, m_lastDue);
    m_lastDue = p.due;
    m_out.enqueue(std::move(p));
}

void SimSession::pump()
{
    while (!m_out.isEmpty() && m_out.head().due <= m_clock.elapsed()) {
        const Pending p = m_out.dequeue();
        if (p.hangUp) {
            m_out.clear();
            m_log.event("hang-up after " + QByteArray::number(m_commands) + " commands");
            m_transport.hangUp();
            return;
        }
        m_transport.send(p.bytes);
        if (!p.logLine.isNull())
            m_log.tx(p.logLine);
    }
    if (!m_out.isEmpty())
        m_timer.start(static_cast<int>(qMax<qint64>(0, m_out.head().due - m_clock.elapsed())));
}
