// One conversation on one link: frames the received bytes, asks the interpreter, and sends
// the replies through the fault injection (latency, line end, chunking, dropped replies,
// garbage lines, silence, hang-up after N commands).
#pragma once

#include "sim/sim_line_framer.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QTimer>

class SimInterpreter;
class SimLog;

struct SimFaults
{
    int latencyMs = 0; // delay before each command's replies
    QByteArray lineEnd = "\r";
    int chunkSize = 0; // 0: whole lines; n: n bytes per write
    int chunkDelayMs = 5; // pause between two chunks of one line
    int dropEvery = 0; // 0: none; n: the replies to every n-th command are not sent
    int garbageEvery = 0; // 0: none; n: a garbage line before every n-th command's replies
    bool silent = false; // never answer (commands still take effect)
    int disconnectAfter = 0; // 0: never; n: hang up after answering the n-th command
};

// A line that matches no reply keyword and no command item.
inline constexpr const char *SimGarbageLine = "#?! 5A A5 noise";

// The session's way out: bytes to the peer, and hanging up the link.
class SimTransport
{
public:
    virtual ~SimTransport() = default;
    virtual void send(const QByteArray &bytes) = 0;
    // Ends the connection once what was sent has gone out. Must not delete the session
    // synchronously.
    virtual void hangUp() = 0;
};

class SimSession : public QObject
{
    Q_OBJECT

public:
    SimSession(SimInterpreter &interpreter, const SimFaults &faults, SimLog &log,
               SimTransport &transport, QObject *parent = nullptr);

    // A peer that never reads, or a flood under a long latency, cannot grow the queue past this.
    static constexpr int MaxPendingWrites = 20000;

    void receive(const QByteArray &bytes);
    int pendingLineBytes() const { return m_framer.pendingBytes(); }
    bool hangingUp() const { return m_hangingUp; }

private:
    struct Pending
    {
        qint64 due; // ms on m_clock
        QByteArray bytes;
        QByteArray logLine; // logged as sent once bytes went out (last chunk of a line)
        bool hangUp = false;
    };

    void answer(const SimReceivedLine &line);
    void queueLine(qint64 due, const QByteArray &line);
    void queue(Pending p);
    void pump();

    SimInterpreter &m_interpreter;
    const SimFaults m_faults;
    SimLog &m_log;
    SimTransport &m_transport;
    SimLineFramer m_framer;
    QQueue<Pending> m_out;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastDue = 0;
    int m_commands = 0;
    bool m_hangingUp = false;
};
