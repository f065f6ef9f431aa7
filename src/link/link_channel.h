// What the serial and TCP services share: the paced send step, receive framing, reply matching,
// the two single-shot timers and the time-out report. A member object of each service; the
// service owns the device (port or socket) and adds only how it is opened, closed and repaired.
#pragma once

#include "link/link_context.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <functional>
#include <vector>

class QIODevice;

constexpr int SendPauseMs = 50; // the device needs this gap before every command
constexpr int RecvQueueLimit = 4096; // lines held for the GUI; never reached while reading pauses
// The device is read in chunks of this size; each chunk makes at most this many lines (the
// shortest is a lone CR), so reading stops while the queue could not take a whole chunk.
constexpr int RecvReadChunk = 1024;
constexpr int RecvQueuePauseAt = RecvQueueLimit - RecvReadChunk;
constexpr int RecvQueueResumeAt = RecvQueueLimit / 2; // reading goes on once the GUI got here
// A paused link looks at the queue after 2 ms, then ever less often up to every 32 ms (a GUI
// held by a message box is not polled 500 times a second).
constexpr int RecvResumeCheckMs = 2;
constexpr int RecvResumeCheckMaxMs = 32;
// What a device may hold unread in the library's buffer; beyond it the bytes stay with the
// operating system (TCP then slows the sender down).
constexpr qint64 RecvDeviceBufferBytes = 64 * 1024;

// Whether a received line is the reply that current awaits.
bool Reply_Matches(const CommandAttributes &current, const char *line, int length);

// How long `bytes` take on a serial line at `baud` (10 bits per byte: start, 8 data, stop),
// in whole milliseconds rounded up; 0 without a rate.
int Link_WireTimeMs(qint64 bytes, qint32 baud);

class LinkChannel : public QObject
{
    Q_OBJECT

public:
    explicit LinkChannel(LinkContext &context, QObject *parent = nullptr);

    // Re-emits the channel's signals as the service's own, and sends on its try-send signal
    // (same object, same thread: direct).
    template <class Service>
    void forwardTo(Service *service, void (Service::*trySendSignal)(),
                   void (Service::*receivedSignal)(), void (Service::*sentSignal)(const QString &),
                   void (Service::*timedOutSignal)(const QString &), void (Service::*sendSlot)())
    {
        connect(this, &LinkChannel::trySend, service, trySendSignal, Qt::DirectConnection);
        connect(this, &LinkChannel::lineReceived, service, receivedSignal, Qt::DirectConnection);
        connect(this, &LinkChannel::commandSent, service, sentSignal, Qt::DirectConnection);
        connect(this, &LinkChannel::replyTimedOut, service, timedOutSignal, Qt::DirectConnection);
        connect(service, trySendSignal, service, sendSlot, Qt::DirectConnection);
    }

    // Takes over an open device: live queues, a fresh line, an idle sender. The timers'
    // timeouts reach the service's SLT_MatchTimer_Timeout and SLT_WaitTimer_Timeout.
    template <class Service>
    void attach(QIODevice *device, Service *service)
    {
        connect(&m_matchTimer, &QTimer::timeout, service, &Service::SLT_MatchTimer_Timeout,
                Qt::UniqueConnection);
        connect(&m_waitTimer, &QTimer::timeout, service, &Service::SLT_WaitTimer_Timeout,
                Qt::UniqueConnection);
        attachDevice(device);
    }

    // Stops the sender and releases the context (unsent commands are discarded). The service
    // closes and disposes of the device itself.
    void detach();

    bool isConnected() const { return m_connected; }

    // The connection's reply time-out, for every command that awaits a reply; 0 (the start
    // value) leaves each command its own matchTimeoutMs. Any thread: the opener sets it before
    // asking for the connect.
    void setReplyTimeoutMs(int ms) { m_replyTimeoutMs = std::max(0, ms); }
    // The line's rate in bits per second (serial); 0 (the start value) for a link whose bytes
    // take no noticeable time on the wire (TCP). With a rate, the reply wait starts once the
    // command has been handed to the line, plus the time its bytes take on the wire at that
    // rate, so every command gets its full wait after it reached the device.
    void setWireBaud(qint32 baud) { m_wireBaud = std::max(0, baud); }
    // The service's device reported an error (the library's code); passed on as deviceError.
    void noteDeviceError(int code) { emit deviceError(code); }
    // The device went away (peer closed, adapter unplugged, terminal gone): reported once as
    // lost() until the service has it back (noteRestored, or the next attach).
    void noteLost();
    void noteRestored() { m_lostReported = false; }

    // Inside the send step's pause the command is about to be written: a connect or
    // disconnect that arrives then is run right after the write.
    // Returns true when the action was deferred.
    bool deferWhileSending(std::function<void()> action);

    // True when a trigger now would write a command (connected, idle, something queued).
    bool hasCommandToSend();

    void sendStep();
    void receive();
    void matchTimeout();
    void waitTimeout();

    // A new byte stream begins (TCP reconnect): a partial line of the old one is dropped.
    void restartLine() { m_context.line.clear(); }

    bool isMatchActive() const { return m_matchActive; }
    // Reading is paused until the GUI has worked off its receive queue.
    bool isReceivePaused() const { return m_recvPaused; }
    bool isWaitActive() const { return m_waitActive; }
    const QTimer &matchTimer() const { return m_matchTimer; }
    const QTimer &waitTimer() const { return m_waitTimer; }
    QString lastText() const { return m_lastText; }

signals:
    void trySend();
    void lineReceived();
    void commandSent(const QString &text);
    void replyTimedOut(const QString &cmd);

    // Per command id, for a wire log and the link's status (all emitted in the service's
    // thread): every command written; the line that ended the wait for a command's reply,
    // with the time from the write; a command whose reply did not come in time (whether or not
    // it reports its time-out); the end of a command's turn (reply, time-out or pause over),
    // emitted before the next command may go.
    void sent(quint64 id, const QByteArray &bytes);
    void matched(quint64 id, const QByteArray &line, qint64 roundTripUs);
    void timedOut(quint64 id);
    void settled(quint64 id);
    void deviceError(int code);
    // A command taken from the queue that could not be written because the device was gone;
    // its turn is over at once (settled follows), and no reply is awaited.
    void notSent(quint64 id, const QByteArray &bytes);
    // The command just written holds the queue for ms (a device busy after it), then settles.
    void holding(quint64 id, int ms);
    void lost();

private:
    void attachDevice(QIODevice *device);
    bool handleLine(const char *line, int length);
    void runDeferred();
    void setReplyAwaited(bool awaited);
    void bytesHandedOver();
    bool deviceUsable() const;
    bool recvQueueAtLeast(int lines);
    void pauseReceive();
    void resumeCheck();

    LinkContext &m_context;
    QIODevice *m_device = nullptr; // owned by the service
    QTimer m_matchTimer; // reply time-out
    QTimer m_waitTimer; // pause after a command that awaits no reply
    QTimer m_resumeTimer; // looks at the receive queue while reading is paused
    bool m_connected = false;
    bool m_matchActive = false;
    bool m_waitActive = false;
    bool m_sending = false;
    bool m_receiving = false;
    QString m_lastText; // sent text kept for the time-out report
    quint64 m_currentId = 0; // id of the command sent last
    std::atomic<int> m_replyTimeoutMs {0};
    qint32 m_wireBaud = 0;
    int m_replyWaitMs = 0; // the wait the command on the wire gets once handed over
    bool m_handOverPending = false; // its bytes are still in the device's write buffer
    bool m_lostReported = false;
    bool m_recvPaused = false;
    int m_heldMatchMs = -1; // what was left of the reply wait when reading paused
    QElapsedTimer m_sentClock; // since the last command was written
    std::vector<std::function<void()>> m_deferred;
};

// Disconnects the device from everything and deletes it: now, or later when it may be inside
// one of its own signals (a close triggered from the receive path).
void Link_DisposeDevice(QIODevice *device, bool later);
