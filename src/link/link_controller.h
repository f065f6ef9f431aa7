// The one owner of the device link, without widgets (the panel's connection page and status
// views, and a command-line program, are its users). It opens and closes either link through a
// LinkBackend, keeps LinkMode and the identification flag in step, queues the model query on a
// fresh link, applies the policies for what the services report (failed connects, a lost TCP
// link, reply time-outs, the model query's time-out), drains the received lines, and
// publishes one observable state with the facts a status view needs. Operator messages are
// emitted as text; the user interface decides how to show them.
//
// Lives in the thread that created it (the GUI thread in the panel); every report reaches it
// there. The policies that decide what a failure does (today: close the link and tell the
// operator) are the private functions named after the failure, so that reconnecting,
// keep-alive or holds can replace them without touching any view.
#pragma once

#include "link/link_backend.h"
#include "link/link_target.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

class LineDrain;

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
        Lost, // the device went away (room for a reconnect policy; not entered today)
        Reconnecting, // a reconnect policy is at work (not entered today)
    };
    Q_ENUM(State)

    explicit LinkController(std::unique_ptr<LinkBackend> backend, QObject *parent = nullptr);
    ~LinkController() override; // closes an open link

    // Opens the link; false (and nothing happens) when a link is open or the target names
    // none. The link's queue, LinkMode and identification start afresh.
    bool open(const LinkTarget &target);
    // Closes the open link (bounded wait for its worker); unsent commands are discarded.
    void close();
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

    // The observable state and its facts.
    State state() const { return m_state; }
    bool isOpen() const { return m_state != State::Disconnected; }
    LinkKind kind() const { return isOpen() ? m_target.kind : LinkKind::None; }
    const LinkTarget &target() const { return m_target; }
    QString targetText() const { return isOpen() ? m_target.describe() : QString(); }
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

private:
    bool isCurrent(LinkKind kind) const { return isOpen() && kind == m_target.kind; }
    void setState(State state);
    // Policies.
    void connectFailed(int code);
    void linkLost(const QString &message);
    void identificationTimedOut(const QString &cmd);
    // Ready or Busy from the queue and the command on the wire.
    void updateActivity();
    int queuedCount() const; // -1 while the link holds its queue's lock

    std::unique_ptr<LinkBackend> m_backend;
    LineDrain *m_drain = nullptr;
    LinkTarget m_target;
    State m_state = State::Disconnected;
    bool m_identified = false; // the model was identified on this link
    quint64 m_onWire = 0; // id of the command whose turn is not over yet
    int m_waiting = 0;
    qint64 m_lastRoundTripUs = -1;
    QDateTime m_lastRoundTripAt;
    int m_deviceErrors = 0;
    int m_lastDeviceError = 0;
};
