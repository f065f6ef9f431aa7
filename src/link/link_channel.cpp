#include "link/link_channel.h"

#include "link/link_utils.h"

#include <QAbstractSocket>
#include <QIODevice>

#include <algorithm>
#include <limits>

bool Reply_Matches(const CommandAttributes &current, const char *line, int length)
{
    if (current.expectReply == 0)
        return false;
    const quint32 slotCount = std::min<quint32>(current.matchCount, MatchSlotCount);
    for (quint32 i = 0; i < slotCount; ++i) {
        const quint32 wanted = std::min<quint32>(current.matchLen[i], MatchTextSize);
        if (length < 0 || static_cast<quint32>(length) < wanted)
            continue;
        if (current.matchAny != 0 || Bytes_Find(line, length, current.matchText[i], wanted) >= 0)
            return true;
    }
    return false;
}

int Link_WireTimeMs(qint64 bytes, qint32 baud)
{
    if (bytes <= 0 || baud <= 0)
        return 0;
    const qint64 ms = (bytes * 10 * 1000 + baud - 1) / baud;
    return static_cast<int>(std::min<qint64>(ms, std::numeric_limits<int>::max()));
}

LinkChannel::LinkChannel(LinkContext &context, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_matchTimer(this)
    , m_waitTimer(this)
    , m_resumeTimer(this)
{
    m_resumeTimer.setSingleShot(true);
    connect(&m_resumeTimer, &QTimer::timeout, this, &LinkChannel::resumeCheck);
    for (QTimer *timer : {&m_matchTimer, &m_waitTimer}) {
        timer->setSingleShot(true);
        // Coarse timers may be 5 % late; the pacing is part of the protocol.
        timer->setTimerType(Qt::PreciseTimer);
    }
}

void LinkChannel::attachDevice(QIODevice *device)
{
    m_device = device;
    connect(device, &QIODevice::bytesWritten, this, &LinkChannel::bytesHandedOver);
    m_handOverPending = false;
    Queue_Reset(m_context);
    m_context.line.clear();
    m_matchTimer.stop();
    m_waitTimer.stop();
    m_matchActive = false;
    m_waitActive = false;
    m_lastText.clear();
    m_currentId = 0;
    setReplyAwaited(false);
    m_lostReported = false;
    m_resumeTimer.stop();
    m_recvPaused = false;
    m_heldMatchMs = -1;
    m_connected = true;
}

void LinkChannel::noteLost()
{
    if (!m_connected || m_lostReported)
        return;
    m_lostReported = true;
    emit lost();
}

bool LinkChannel::deviceUsable() const
{
    if (m_device == nullptr || !m_device->isOpen())
        return false;
    // A socket stays open as a device after its peer has gone; only a connected one carries.
    if (const auto *socket = qobject_cast<const QAbstractSocket *>(m_device))
        return socket->state() == QAbstractSocket::ConnectedState;
    return true;
}

void LinkChannel::detach()
{
    m_connected = false;
    m_device = nullptr;
    m_matchTimer.stop();
    m_waitTimer.stop();
    m_matchActive = false;
    m_waitActive = false;
    m_handOverPending = false;
    m_resumeTimer.stop();
    m_recvPaused = false;
    m_heldMatchMs = -1;
    setReplyAwaited(false);
    Queue_Release(m_context);
}

void LinkChannel::setReplyAwaited(bool awaited)
{
    m_context.replyAwaited.store(awaited, std::memory_order_release);
}

bool LinkChannel::deferWhileSending(std::function<void()> action)
{
    if (!m_sending)
        return false;
    m_deferred.push_back(std::move(action));
    return true;
}

void LinkChannel::runDeferred()
{
    while (!m_deferred.empty() && !m_sending) {
        std::function<void()> action = std::move(m_deferred.front());
        m_deferred.erase(m_deferred.begin());
        action();
    }
}

bool LinkChannel::hasCommandToSend()
{
    if (!m_connected || m_matchActive || m_waitActive || m_sending)
        return false;
    if (!m_context.sendLock.try_lock())
        return false;
    const bool queued = !m_context.sendQueue.isEmpty();
    m_context.sendLock.unlock();
    return queued;
}

void LinkChannel::sendStep()
{
    // A trigger served by the pause's own nested loop finds the step under way; a busy lock
    // leaves the command for the next trigger.
    if (!hasCommandToSend())
        return;

    // The pause runs without the lock, so a producer (the GUI thread queueing a page's
    // commands) never waits for it. Received data is handled meanwhile; connect and disconnect
    // requests wait (see deferWhileSending). The GUI may drop unsent commands meanwhile, so the
    // front command is read again under the lock afterwards.
    m_sending = true;
    WaitMs(SendPauseMs);
    m_sending = false;

    m_context.sendLock.lock(); // producers hold it only for a push
    if (!m_connected || m_context.sendQueue.isEmpty()) {
        m_context.sendLock.unlock();
        runDeferred();
        return;
    }
    const CommandNode *node = m_context.sendQueue.front();
    const QByteArray sentBytes(node->data, node->length);
    const quint64 id = node->id;
    // A device that is gone takes nothing: the command is told as not sent (not as
    // unanswered) and its turn ends at once.
    if (!deviceUsable() || m_device->write(node->data, node->length) != node->length) {
        Queue_PopFront(&m_context.sendQueue);
        m_context.sendLock.unlock();
        emit notSent(id, sentBytes);
        emit settled(id);
        noteLost();
        runDeferred();
        // The rest go the same way, one pause each, unless the device is back by then; from
        // the event loop, so a long queue does not nest one send step inside the other.
        QTimer::singleShot(0, this, [this] {
            if (m_connected)
                emit trySend();
        });
        return;
    }
    m_context.current = node->attributes != nullptr ? *node->attributes : CommandAttributes {};
    m_currentId = id;
    const CommandAttributes &current = m_context.current;
    m_sentClock.start();
    const QString sentText = Bytes_ToLatin1Text(node->data, node->length);
    m_lastText = current.reportTimeout != 0 && current.expectReply != 0
        ? Bytes_ToLocalText(node->data, node->length)
        : QString();
    if (current.expectReply != 0) {
        const int connectionMs = m_replyTimeoutMs;
        const int replyMs = connectionMs > 0 ? connectionMs : std::max(0, current.matchTimeoutMs);
        m_replyWaitMs = replyMs + Link_WireTimeMs(node->length, m_wireBaud);
        // Until the port reports the hand-over, the wait allows for everything still in its
        // write buffer (earlier raw bytes included) to cross the wire first; should the report
        // never come (a port gone dead), this is when the command times out.
        const qint64 buffered = m_wireBaud > 0 && m_device->isOpen()
            ? std::max<qint64>(m_device->bytesToWrite(), node->length)
            : 0;
        m_matchTimer.start(replyMs + Link_WireTimeMs(buffered, m_wireBaud));
        m_handOverPending = m_wireBaud > 0;
        m_matchActive = true;
        setReplyAwaited(true);
    } else {
        m_waitTimer.start(std::max(0, current.waitMs));
        m_waitActive = true;
    }
    const int holdMs = current.expectReply == 0 ? std::max(0, current.waitMs) : 0;
    Queue_PopFront(&m_context.sendQueue); // sent once, never resent
    m_context.sendLock.unlock();

    // Emitted with the lock released, so a receiver that queues a command cannot deadlock.
    emit sent(m_currentId, sentBytes);
    if (holdMs > 0)
        emit holding(m_currentId, holdMs);
    emit commandSent(sentText);
    runDeferred();
}

// The device took the command's bytes (and any before them) off its write buffer: the line
// carries them now, and the reply wait starts over from here.
void LinkChannel::bytesHandedOver()
{
    if (!m_handOverPending || !m_matchActive || m_device == nullptr || m_device->bytesToWrite() > 0)
        return;
    m_handOverPending = false;
    if (m_recvPaused)
        m_heldMatchMs = m_replyWaitMs; // starts once reading goes on
    else
        m_matchTimer.start(m_replyWaitMs);
}

void LinkChannel::receive()
{
    // The send step's pause runs a nested event loop; a nested call leaves the new bytes in the
    // device, and the loop below picks them up.
    if (!m_connected || m_receiving || m_recvPaused)
        return;
    m_receiving = true;
    char chunk[RecvReadChunk];
    while (m_connected) {
        // A GUI that cannot keep up slows the device down instead of losing its lines: the
        // bytes wait in the device's bounded buffer (and the operating system's).
        if (recvQueueAtLeast(RecvQueuePauseAt)) {
            pauseReceive();
            break;
        }
        const qint64 count = m_device->read(chunk, sizeof chunk);
        if (count <= 0)
            break;
        m_context.line.feed(chunk, count, [this](const char *line, int length) {
            return handleLine(line, length);
        });
    }
    m_receiving = false;
}

bool LinkChannel::recvQueueAtLeast(int lines)
{
    std::lock_guard<std::mutex> lock(m_context.recvLock);
    return m_context.recvQueue.count >= lines;
}

// While reading is paused the reply may be among the unread bytes, so the command's wait is
// held too; it goes on with what was left of it.
void LinkChannel::pauseReceive()
{
    m_recvPaused = true;
    if (m_matchActive && m_matchTimer.isActive()) {
        m_heldMatchMs = std::max(0, m_matchTimer.remainingTime());
        m_matchTimer.stop();
    }
    m_resumeTimer.start(RecvResumeCheckMs);
}

void LinkChannel::resumeCheck()
{
    if (!m_connected || !m_recvPaused)
        return;
    if (recvQueueAtLeast(RecvQueueResumeAt + 1)) {
        m_resumeTimer.start(std::min(2 * m_resumeTimer.interval(), RecvResumeCheckMaxMs));
        return;
    }
    m_recvPaused = false;
    if (m_matchActive && m_heldMatchMs >= 0)
        m_matchTimer.start(m_heldMatchMs);
    m_heldMatchMs = -1;
    receive();
}

bool LinkChannel::handleLine(const char *line, int length)
{
    // A line that contains what the last command awaits is that command's reply, also when it
    // comes late (after the time-out): it carries the command's id.
    const bool reply = Reply_Matches(m_context.current, line, length);
    const bool full = recvQueueAtLeast(RecvQueueLimit);
    if (!full)
        Queue_PushLine(line, length, &m_context.recvLock, &m_context.recvQueue,
                       reply ? m_currentId : 0);

    if (reply && m_matchActive) {
        m_matchActive = false;
        m_handOverPending = false;
        m_matchTimer.stop();
        m_context.current.expectReply = 0; // later lines are no longer compared
        setReplyAwaited(false);
        emit matched(m_currentId, QByteArray(line, length), m_sentClock.nsecsElapsed() / 1000);
        emit settled(m_currentId);
        // Sends the next command (with its pause) before this line is announced.
        emit trySend();
        if (!m_connected)
            return false;
    }
    if (!full)
        emit lineReceived();
    return true;
}

void LinkChannel::matchTimeout()
{
    if (!m_connected)
        return;
    if (m_matchActive) {
        m_matchActive = false;
        m_handOverPending = false;
        m_matchTimer.stop();
        setReplyAwaited(false);
        // expectReply stays set: a late reply is still recognised but triggers nothing.
        emit timedOut(m_currentId);
        if (!m_lastText.isEmpty())
            emit replyTimedOut(m_lastText);
        emit settled(m_currentId);
    }
    emit trySend();
}

void LinkChannel::waitTimeout()
{
    if (!m_connected)
        return;
    if (m_waitActive) {
        m_waitActive = false;
        m_waitTimer.stop();
        emit settled(m_currentId);
    }
    emit trySend();
}

void Link_DisposeDevice(QIODevice *device, bool later)
{
    if (device == nullptr)
        return;
    device->disconnect();
    if (later)
        device->deleteLater();
    else
        delete device;
}
