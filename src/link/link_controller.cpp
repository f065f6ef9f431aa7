#include "link/link_controller.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "link/line_drain.h"
#include "state/device_state.h"
#include "state/link_settings.h"

#include <QTimer>

LinkController::LinkController(std::unique_ptr<LinkBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
    m_drain = new LineDrain(
        [this](const QByteArray &line, quint64 id) { emit lineReceived(line, id); }, this);
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
    LinkMode = static_cast<qint32>(target.kind);
    // The first model reply on this link is evaluated afresh.
    DeviceState::modelIdentified = false;
    m_identified = false;
    m_onWire = 0;
    m_waiting = 0;
    m_deviceErrors = 0;
    LinkSettings_Forget();
    setState(State::Connecting);
    m_backend->open(target);
    return true;
}

void LinkController::close()
{
    if (!isOpen())
        return;
    m_backend->close(m_target.kind);
    LinkMode = LinkModeNone;
    DeviceState::modelIdentified = false;
    m_identified = false;
    m_onWire = 0;
    m_waiting = 0;
    LinkSettings_Forget(); // answers to come belong to no open link
    setState(State::Disconnected);
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
        close(); // not a device this panel can drive
        return;
    }
    m_identified = true;
    setState(State::Synchronising);
    emit factsChanged();
    // The pages queue their read-all right after this verdict; once it has gone through (or
    // when there was none) the link is ready.
    QTimer::singleShot(0, this, &LinkController::updateActivity);
}

void LinkController::reportConnectResult(LinkKind kind, bool ok, int code)
{
    if (!isCurrent(kind) || m_state != State::Connecting)
        return; // for a link closed or replaced meanwhile
    if (!ok) {
        connectFailed(code);
        return;
    }
    setState(State::Identifying);
    CmdGetModelType(); // the first command on a fresh link identifies the device
    requestSend();
}

void LinkController::connectFailed(int code)
{
    const QString text = (m_target.kind == LinkKind::Serial ? SMSG_SerialPort_Connect_Fail
                                                            : SMSG_Network_Connect_Fail)
        + QString::number(code);
    close();
    emit operatorMessage(text);
}

void LinkController::reportReconnectFailed(LinkKind kind)
{
    // Each failed attempt is reported; once the first has closed the link the rest are stale.
    if (!isCurrent(kind))
        return;
    linkLost(SMSG_Network_ReConnect_Fail);
}

void LinkController::linkLost(const QString &message)
{
    close();
    emit operatorMessage(message);
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
    close();
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
    emit commandSent(id, bytes);
    updateActivity();
}

void LinkController::reportMatched(LinkKind kind, quint64 id, const QByteArray &line,
                                   qint64 roundTripUs)
{
    if (!isCurrent(kind))
        return;
    m_lastRoundTripUs = roundTripUs;
    m_lastRoundTripAt = QDateTime::currentDateTime();
    emit commandMatched(id, line);
    emit factsChanged();
}

void LinkController::reportTimedOut(LinkKind kind, quint64 id)
{
    if (isCurrent(kind))
        emit commandTimedOut(id);
}

void LinkController::reportSettled(LinkKind kind, quint64 id)
{
    if (!isCurrent(kind))
        return;
    if (m_onWire == id)
        m_onWire = 0;
    updateActivity();
}

void LinkController::reportLinesAvailable(LinkKind)
{
    // The drain reads the queue of the link LinkMode names, whichever link announced.
    m_drain->drain();
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
    emit stateChanged(state);
}
