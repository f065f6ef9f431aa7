#include "link/link_controller.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "link/line_drain.h"
#include "link/link_channel.h"
#include "link/link_texts.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "state/vocabulary.h"

#include <QTime>
#include <QTimer>

#include <algorithm>

LinkController::LinkController(std::unique_ptr<LinkBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
    m_drain = new LineDrain(
        [this](const QByteArray &line, quint64 id) { emit lineReceived(line, id); }, this);
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setTimerType(Qt::PreciseTimer); // the countdown on screen tells the truth
    connect(&m_retryTimer, &QTimer::timeout, this, &LinkController::attemptReconnect);
    m_keepAliveTimer.setSingleShot(true);
    // A coarse timer may be 5 % late: 1.5 s on the default 30 s, added to the time a silent
    // device goes unnoticed.
    m_keepAliveTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_keepAliveTimer, &QTimer::timeout, this, &LinkController::keepAliveDue);
    m_backend->attach(*this);
}

LinkController::~LinkController()
{
    // Quietly: whoever listened may already be gone.
    blockSignals(true);
    close();
}

bool LinkController::open(const LinkTarget &target)
{
    if (isOpen() || target.kind == LinkKind::None)
        return false;
    m_target = target;
    m_attempt = 0;
    m_autoAttempt = false;
    m_notSent = 0;
    m_deviceErrors = 0;
    m_retryTimer.stop();
    startLink();
    setState(State::Connecting);
    return true;
}

void LinkController::startLink()
{
    LinkMode = static_cast<qint32>(m_target.kind);
    // The first model reply on this link is evaluated afresh.
    DeviceState::modelIdentified = false;
    m_identified = false;
    m_onWire = 0;
    m_waiting = 0;
    LinkSettings_Forget();
    m_workerUp = true;
    m_backend->open(m_target);
}

void LinkController::close()
{
    if (m_state == State::Disconnected)
        return;
    if (m_state != State::Lost)
        log(Extra_Text(LogDisconnectedText).arg(m_target.describe()));
    closeLink();
}

void LinkController::closeLink()
{
    m_retryTimer.stop();
    m_autoAttempt = false;
    shutLink();
    setState(State::Disconnected);
}

void LinkController::shutLink()
{
    if (m_workerUp)
        m_backend->close(m_target.kind);
    m_workerUp = false;
    LinkMode = LinkModeNone;
    DeviceState::modelIdentified = false;
    m_identified = false;
    m_onWire = 0;
    m_waiting = 0;
    m_keepAliveId = 0;
    m_keepAliveTimer.stop();
    m_holdId = 0;
    LinkSettings_Forget(); // answers to come belong to no open link
    emit factsChanged();
}

void LinkController::reconnectNow()
{
    if (m_state != State::Reconnecting || m_autoAttempt)
        return;
    m_retryTimer.stop();
    attemptReconnect();
}

int LinkController::discardQueued()
{
    if (!m_workerUp)
        return 0;
    const int dropped = Cmd_DiscardUnsent();
    if (dropped > 0)
        log(Extra_Text(LogDiscardedText).arg(dropped));
    updateActivity();
    emit factsChanged();
    return dropped;
}

void LinkController::setPolicy(const LinkPolicy &policy)
{
    m_policy = policy;
    m_policy.firstRetryMs = std::max(1, m_policy.firstRetryMs);
    m_policy.longestRetryMs = std::max(m_policy.firstRetryMs, m_policy.longestRetryMs);
    m_policy.keepAliveMs = std::max(0, m_policy.keepAliveMs);
    if (!m_policy.reconnect && m_state == State::Reconnecting && m_retryTimer.isActive()) {
        m_retryTimer.stop();
        LinkMode = LinkModeNone;
        setState(State::Lost);
    }
    restartKeepAlive();
}

void LinkController::setReplyTimeoutMs(int ms)
{
    m_target.replyTimeoutMs = std::max(0, ms);
    if (m_workerUp)
        m_backend->setReplyTimeoutMs(m_target.kind, m_target.replyTimeoutMs);
}

void LinkController::requestSend()
{
    m_backend->trigger();
    updateActivity();
}

void LinkController::reportIdentification(bool ok)
{
    if (m_state != State::Identifying)
        return;
    if (!ok) {
        closeLink(); // not a device this panel can drive
        return;
    }
    m_identified = true;
    m_autoAttempt = false;
    m_attempt = 0; // a later loss starts again with the shortest pause
    setState(State::Synchronising);
    // The verdict comes before the dispatcher stores the model and the pages queue their
    // read-all: the model is told, and the queue looked at, once that has gone through.
    QTimer::singleShot(0, this, [this] {
        if (!m_identified)
            return; // closed meanwhile
        const int model = identifiedModel();
        log(Extra_Text(LogIdentifiedText)
                .arg(model >= 0 ? QString::fromLatin1(ModelNames[model]) : QString()));
        emit factsChanged();
        updateActivity();
    });
}

void LinkController::reportConnectResult(LinkKind kind, bool ok, int code)
{
    const bool awaited
        = m_state == State::Connecting || (m_state == State::Reconnecting && m_autoAttempt);
    if (!isCurrent(kind) || !awaited)
        return; // for a link closed or replaced meanwhile
    if (!ok) {
        if (m_autoAttempt)
            attemptFailed();
        else
            connectFailed(code);
        return;
    }
    log(Extra_Text(LogConnectedText).arg(m_target.describe()));
    setState(State::Identifying);
    CmdGetModelType(); // the first command on a fresh link identifies the device
    requestSend();
}

void LinkController::connectFailed(int code)
{
    const QString text = (m_target.kind == LinkKind::Serial ? SMSG_SerialPort_Connect_Fail
                                                            : SMSG_Network_Connect_Fail)
        + QString::number(code);
    closeLink();
    emit operatorMessage(text);
}

void LinkController::reportReconnectFailed(LinkKind kind)
{
    // Each failed attempt is reported; once the first has closed the link the rest are stale.
    if (!isCurrent(kind))
        return;
    linkLost(SMSG_Network_ReConnect_Fail);
}

void LinkController::reportLost(LinkKind kind)
{
    if (isCurrent(kind))
        linkLost(Extra_Text(LinkLostText));
}

void LinkController::linkLost(const QString &message)
{
    if (m_autoAttempt) {
        attemptFailed(); // gone again before it was identified: no news for the operator
        return;
    }
    const int unsent = std::max(0, queuedCount());
    log(Extra_Text(LogLostText).arg(m_target.describe()));
    m_notSent += unsent;
    if (m_notSent > 0)
        log(Extra_Text(LogNotSentText).arg(m_notSent));
    shutLink();
    emit lost();
    if (m_policy.reconnect) {
        m_attempt = 0;
        m_retryMs = m_policy.firstRetryMs;
        scheduleReconnect();
    } else {
        setState(State::Lost);
    }
    emit operatorMessage(message);
}

void LinkController::scheduleReconnect()
{
    log(Extra_Text(LogRetryInText).arg(m_target.describe()).arg((m_retryMs + 999) / 1000));
    m_retryTimer.start(m_retryMs);
    // Still the link in use: whatever names the active link keeps naming this one.
    LinkMode = static_cast<qint32>(m_target.kind);
    setState(State::Reconnecting);
    emit factsChanged();
}

void LinkController::attemptReconnect()
{
    if (m_state != State::Reconnecting)
        return;
    ++m_attempt;
    log(Extra_Text(LogAttemptText).arg(m_attempt).arg(m_target.describe()));
    m_autoAttempt = true;
    startLink();
    emit factsChanged();
}

void LinkController::attemptFailed()
{
    log(Extra_Text(LogAttemptFailedText).arg(m_attempt));
    m_autoAttempt = false;
    shutLink();
    m_retryMs = std::min(m_retryMs * 2, m_policy.longestRetryMs);
    if (!m_policy.reconnect) { // switched off meanwhile
        setState(State::Lost);
        return;
    }
    scheduleReconnect();
}

qint64 LinkController::reconnectInMs() const
{
    if (m_state != State::Reconnecting)
        return -1;
    return m_retryTimer.isActive() ? std::max(0, m_retryTimer.remainingTime()) : 0;
}

qint64 LinkController::holdRemainingMs() const
{
    return m_holdId != 0 ? std::max<qint64>(0, m_holdUntil.remainingTime()) : 0;
}

void LinkController::reportReplyTimeout(LinkKind kind, const QString &cmd)
{
    // A report that was still on its way when the link closed concerns no open link. The
    // link itself has stopped waiting for that command: nothing is cleared here.
    if (!isCurrent(kind))
        return;
    if (cmd.contains(QLatin1String("GET MODEL TYPE"))) {
        identificationTimedOut(cmd);
        return;
    }
    // The request is over; its answer, should it still come, is taken for a read.
    if (cmd.contains(QLatin1String("NETWORK-INFO")))
        LinkSettings_TimedOut(LinkSettingsItem::Network);
    else if (cmd.contains(QLatin1String("BAUDRATE")))
        LinkSettings_TimedOut(LinkSettingsItem::BaudRate);
    emit operatorMessage(SMSG_CommunicationFail + cmd);
}

void LinkController::identificationTimedOut(const QString &cmd)
{
    if (m_autoAttempt) {
        attemptFailed(); // a device that does not answer yet is not back yet
        return;
    }
    closeLink();
    emit operatorMessage(SMSG_ReadDeviceFail + cmd);
}

void LinkController::reportDeviceError(LinkKind kind, int code)
{
    // Recorded: a broken serial port shows as replies that time out, a broken socket is
    // repaired before the next command.
    if (!isCurrent(kind))
        return;
    m_lastDeviceError = code;
    ++m_deviceErrors;
    emit factsChanged();
}

void LinkController::reportSentText(LinkKind, const QString &text)
{
    emit sentText(text);
}

void LinkController::reportSent(LinkKind kind, quint64 id, const QByteArray &bytes)
{
    if (!isCurrent(kind))
        return;
    m_onWire = id;
    m_lastSent = bytes;
    emit commandSent(id, bytes);
    updateActivity();
    noteActivity();
}

void LinkController::reportNotSent(LinkKind kind, quint64 id, const QByteArray &bytes)
{
    if (!isCurrent(kind))
        return;
    ++m_notSent;
    emit commandNotSent(id, bytes);
    emit factsChanged();
}

void LinkController::reportHolding(LinkKind kind, quint64 id, int ms)
{
    if (!isCurrent(kind))
        return;
    m_holdId = id;
    m_holdBytes = id == m_onWire ? m_lastSent : QByteArray();
    m_holdUntil.setRemainingTime(ms);
    emit factsChanged();
}

void LinkController::reportMatched(LinkKind kind, quint64 id, const QByteArray &line,
                                   qint64 roundTripUs)
{
    if (!isCurrent(kind))
        return;
    if (id == m_keepAliveId)
        m_keepAliveId = 0;
    m_lastRoundTripUs = roundTripUs;
    m_lastRoundTripAt = QDateTime::currentDateTime();
    emit commandMatched(id, line);
    emit factsChanged();
}

void LinkController::reportTimedOut(LinkKind kind, quint64 id)
{
    if (!isCurrent(kind))
        return;
    emit commandTimedOut(id);
    if (id != 0 && id == m_keepAliveId) {
        // Idle and silent: the device vanished without closing anything (cable, power).
        m_keepAliveId = 0;
        log(Extra_Text(LogSilentText).arg(m_target.describe()));
        linkLost(Extra_Text(LinkLostText));
    }
}

void LinkController::reportSettled(LinkKind kind, quint64 id)
{
    if (!isCurrent(kind))
        return;
    if (m_onWire == id)
        m_onWire = 0;
    if (m_holdId == id) {
        m_holdId = 0;
        emit factsChanged();
    }
    updateActivity();
    noteActivity();
}

void LinkController::reportLinesAvailable(LinkKind kind)
{
    // The drain reads the queue of the link LinkMode names, whichever link announced.
    m_drain->drain();
    if (isCurrent(kind))
        noteActivity();
}

void LinkController::noteActivity()
{
    // Per line and per command: only the time is noted; the timer looks at it when it fires.
    m_lastActivity.start();
}

// Queued this much early, the query is on the wire (after the link's pause before every
// command) once the link has been idle for the interval.
int LinkController::keepAliveDelayMs() const
{
    return std::max(1, m_policy.keepAliveMs - SendPauseMs);
}

void LinkController::restartKeepAlive()
{
    const bool live
        = m_state == State::Synchronising || m_state == State::Ready || m_state == State::Busy;
    m_lastActivity.start();
    if (live && m_policy.keepAliveMs > 0 && m_identified)
        m_keepAliveTimer.start(keepAliveDelayMs());
    else
        m_keepAliveTimer.stop();
}

void LinkController::keepAliveDue()
{
    // Activity since the timer was started: wait for the rest of the idle time.
    const qint64 idleMs = m_lastActivity.isValid() ? m_lastActivity.elapsed() : keepAliveDelayMs();
    if (idleMs < keepAliveDelayMs()) {
        m_keepAliveTimer.start(static_cast<int>(keepAliveDelayMs() - idleMs));
        return;
    }
    // Only an idle link asks; a busy one shows its health through its own replies.
    if (m_state != State::Ready || m_keepAliveId != 0) {
        restartKeepAlive();
        return;
    }
    m_keepAliveId = CmdKeepAlive();
    requestSend();
}

void LinkController::log(const QString &text)
{
    emit statusLine(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + text);
}

int LinkController::identifiedModel() const
{
    return m_identified && DeviceState::modelIndex < DeviceState::NoModel ? DeviceState::modelIndex
                                                                          : -1;
}

int LinkController::queuedCount() const
{
    LinkContext *context = Link_ActiveContext();
    if (context == nullptr)
        return 0;
    if (!context->sendLock.try_lock())
        return -1; // the link is sending right now
    const int count = context->sendQueue.count;
    context->sendLock.unlock();
    return count;
}

void LinkController::updateActivity()
{
    if (m_state != State::Synchronising && m_state != State::Ready && m_state != State::Busy)
        return;
    const int queued = queuedCount();
    if (queued >= 0 && queued != m_waiting) {
        m_waiting = queued;
        emit factsChanged();
    }
    const bool idle = queued == 0 && m_onWire == 0;
    if (m_state == State::Synchronising && !idle)
        return;
    setState(idle ? State::Ready : State::Busy);
}

void LinkController::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    restartKeepAlive();
    emit stateChanged(state);
}
