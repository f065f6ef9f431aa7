// The one owner of the device link, without widgets (the panel's connection page and status
// views, and a command-line program, are its users). It opens and closes either link through a
// LinkBackend, keeps LinkMode and the identification flag in step, queues the model query on a
// fresh link, applies the policies for what the services report (failed connects, a lost TCP
// link, reply time-outs, the model query's time-out), drains the received lines, and
// publishes one observable state with the facts a status view needs. Operator messages are
// emitted as text; the user interface decides how to show them.
//
// Lives in the thread that created it (the GUI thread in the panel); every report reaches it
// there. The policies that decide what a failure does are the private functions named after
// the failure. A lost device (peer closed, adapter unplugged, no answer to the keep-alive) is
// told once, the link closed, and, unless switched off, opened again after a growing pause;
// a device that is back is identified and read again as after the operator's connect.
#pragma once

#include "link/link_backend.h"
#include "link/link_target.h"

#include <QByteArray>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class LineDrain;

// What the controller does about an idle or lost link. The panel fills it from its own
// preferences; a program without preferences keeps the defaults.
struct LinkPolicy
{
    bool reconnect = true; // open the link again after a loss
    int firstRetryMs = 1000; // pause before the first attempt; doubled after each failure
    int longestRetryMs = 30000;
    int keepAliveMs = 30000; // idle time before a keep-alive query; 0: none
};

class LinkController : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Disconnected, // no link
        Connecting, // asked the service to open the port or socket
        Identifying, // open; the model query is out
        Synchronising, // identified; the pages' read-all is under way
        Ready, // nothing queued, nothing awaited
        Busy, // commands queued or one on the wire
        Lost, // the device went away and the link is closed; nothing more is tried
        Reconnecting, // the device went away; the link is opened again after a pause
    };
    Q_ENUM(State)

    explicit LinkController(std::unique_ptr<LinkBackend> backend, QObject *parent = nullptr);
    ~LinkController() override; // closes an open link

    // Opens the link; false (and nothing happens) when a link is open or the target names
    // none. The link's queue, LinkMode and identification start afresh.
    bool open(const LinkTarget &target);
    // Closes the open link (bounded wait for its worker); unsent commands are discarded. Also
    // stops reconnecting, and leaves the Lost state.
    void close();
    // Reconnecting and waiting: the next attempt starts now.
    void reconnectNow();
    // Drops the commands not yet sent (the one on the wire finishes); returns how many.
    int discardQueued();
    void setPolicy(const LinkPolicy &policy);
    // The reply time-out of the link held (also for the attempts of a reconnect).
    void setReplyTimeoutMs(int ms);
    const LinkPolicy &policy() const { return m_policy; }
    // Commands were queued on the open link: let it send.
    void requestSend();
    // The reply dispatcher's verdict on the first model reply of this link. A model the panel
    // does not know closes the link.
    void reportIdentification(bool ok);

    // Reports of the services, delivered by the backend (the kind names the reporting link;
    // reports of a link that is not the open one are stale and change nothing).
    void reportConnectResult(LinkKind kind, bool ok, int code);
    void reportReconnectFailed(LinkKind kind);
    void reportReplyTimeout(LinkKind kind, const QString &cmd); // commands that report it
    void reportDeviceError(LinkKind kind, int code); // port or socket error code
    void reportSentText(LinkKind kind, const QString &text); // the echo of every write
    void reportSent(LinkKind kind, quint64 id, const QByteArray &bytes);
    void reportMatched(LinkKind kind, quint64 id, const QByteArray &line, qint64 roundTripUs);
    void reportTimedOut(LinkKind kind, quint64 id);
    void reportSettled(LinkKind kind, quint64 id);
    void reportLinesAvailable(LinkKind kind);
    void reportLost(LinkKind kind); // the device went away
    void reportNotSent(LinkKind kind, quint64 id, const QByteArray &bytes);
    void reportHolding(LinkKind kind, quint64 id, int ms);

    // The observable state and its facts.
    State state() const { return m_state; }
    // Holds a link: open, being opened, or being opened again after a loss.
    bool isOpen() const { return m_state != State::Disconnected && m_state != State::Lost; }
    LinkKind kind() const { return isOpen() ? m_target.kind : LinkKind::None; }
    const LinkTarget &target() const { return m_target; }
    // The link held, or the one lost (empty when disconnected).
    QString targetText() const
    {
        return m_state != State::Disconnected ? m_target.describe() : QString();
    }
    // The identified model's index, or -1 while none is identified on this link.
    int identifiedModel() const;
    // Commands queued and not yet written.
    int commandsWaiting() const { return m_waiting; }
    // Time from the write of the last answered command to its reply; -1 before the first.
    qint64 lastRoundTripUs() const { return m_lastRoundTripUs; }
    QDateTime lastRoundTripAt() const { return m_lastRoundTripAt; }
    // Port or socket errors the link reported since it was opened, and the library's code of
    // the last one.
    int deviceErrorCount() const { return m_deviceErrors; }
    int lastDeviceError() const { return m_lastDeviceError; }
    // Reconnecting: the attempt under way or next (from 1), and the time until it starts (0
    // while it runs; -1 when none is scheduled).
    int reconnectAttempt() const { return m_attempt; }
    qint64 reconnectInMs() const;
    // A command holding the queue (the device is busy after it): its bytes and the time left;
    // 0 and empty when none.
    qint64 holdRemainingMs() const;
    QByteArray holdCommand() const { return m_holdId != 0 ? m_holdBytes : QByteArray(); }
    // Commands of this link that could not be written (the device was gone).
    int notSentCount() const { return m_notSent; }

signals:
    void stateChanged(LinkController::State state);
    // A fact other than the state changed (queue length, round trip, model, error).
    void factsChanged();
    // Text for the operator, in the current language.
    void operatorMessage(const QString &text);
    // The wire, per command id, in the order the link saw it.
    void commandSent(quint64 id, const QByteArray &bytes);
    void commandMatched(quint64 id, const QByteArray &line);
    void commandTimedOut(quint64 id);
    // Every received line in arrival order, with the id of the command it answers (0: none).
    void lineReceived(const QByteArray &line, quint64 id);
    // The echo of every command a service wrote (Latin-1 text).
    void sentText(const QString &text);
    // A command that could not be written because the device was gone.
    void commandNotSent(quint64 id, const QByteArray &bytes);
    // The device went away (once per loss, before the state becomes Lost or Reconnecting).
    void lost();
    // A line for the status log, beginning with the time of day ("14:03:07 ...").
    void statusLine(const QString &line);

private:
    // Reports of the worker that runs now; those of a closed or replaced one are stale.
    bool isCurrent(LinkKind kind) const { return m_workerUp && kind == m_target.kind; }
    void setState(State state);
    // Policies.
    void connectFailed(int code);
    void linkLost(const QString &message);
    void identificationTimedOut(const QString &cmd);
    // Starts the target's worker with a fresh identification.
    void startLink();
    // Closes the link's worker and forgets its commands, keeping the target.
    void shutLink();
    // shutLink, no more reconnecting, Disconnected.
    void closeLink();
    void scheduleReconnect();
    void attemptReconnect();
    // An automatic attempt did not get the device back: the next one, later.
    void attemptFailed();
    void keepAliveDue();
    void restartKeepAlive();
    void noteActivity();
    int keepAliveDelayMs() const;
    void log(const QString &text);
    // Ready or Busy from the queue and the command on the wire.
    void updateActivity();
    int queuedCount() const; // -1 while the link holds its queue's lock

    std::unique_ptr<LinkBackend> m_backend;
    LineDrain *m_drain = nullptr;
    LinkTarget m_target;
    State m_state = State::Disconnected;
    bool m_identified = false; // the model was identified on this link
    quint64 m_onWire = 0; // id of the command whose turn is not over yet
    QByteArray m_lastSent; // its bytes
    bool m_workerUp = false; // the backend runs the target's worker
    int m_waiting = 0;
    qint64 m_lastRoundTripUs = -1;
    QDateTime m_lastRoundTripAt;
    int m_deviceErrors = 0;
    int m_lastDeviceError = 0;
    LinkPolicy m_policy;
    QTimer m_retryTimer; // next reconnect attempt
    QTimer m_keepAliveTimer; // idle time before a keep-alive
    QElapsedTimer m_lastActivity; // since the last command or line
    int m_attempt = 0; // reconnect attempts since the loss
    int m_retryMs = 0; // pause before the next attempt
    bool m_autoAttempt = false; // the open under way is a reconnect attempt
    quint64 m_keepAliveId = 0; // the keep-alive query awaiting its answer
    quint64 m_holdId = 0;
    QByteArray m_holdBytes;
    QDeadlineTimer m_holdUntil;
    int m_notSent = 0;
};
