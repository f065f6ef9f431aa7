// Drives either link service (serial over a pseudo-terminal, TCP over 127.0.0.1) through the
// same calls, in the test thread or in a worker thread of its own, the way the main window and
// the connection page will: queued triggers, blocking connect and disconnect, and the service's
// signals re-emitted here under common names.
#pragma once

#include "link/link_context.h"
#include "link_peers.h"

#include <QObject>
#include <QThread>

#include <memory>

class LinkChannel;

class LinkHarness : public QObject
{
    Q_OBJECT

public:
    enum Kind { Serial, Tcp };

    LinkHarness(Kind kind, bool workerThread);
    ~LinkHarness() override;

    Kind kind() const { return m_kind; }
    LinkContext &context() const;
    LinePeer &peer() const;
    PtyPeer *pty() const { return m_pty.get(); }
    TcpPeer *tcp() const { return m_tcp.get(); }
    QObject *service() const { return m_service; }
    // Only while the service runs in the test thread.
    const LinkChannel &channel() const;
    int lastError() const;

    bool peerReady() const;
    void setBaudRate(const QString &baud) { m_baud = baud; } // serial; 115200 unless set
    bool connectLink(); // true on a (true, 0) status
    void requestConnect(Qt::ConnectionType type); // as the connection page's signal would
    void requestDisconnect(Qt::ConnectionType type);
    void disconnectLink();
    void trigger(); // what the main window's SGL_UnifyUpdateEmit() does
    // Queues the command with a fresh id, which it returns.
    quint64 pushCommand(const QByteArray &text, const CommandAttributes &attributes);
    QList<QByteArray> drainReceived(); // what the main window's receive slot does
    // The same, with the id of the command each line is the reply to (0: none).
    QList<QPair<QByteArray, quint64>> drainReceivedWithIds();

    // An awaiting-reply record with a short time-out, for pacing tests that must not take long.
    static CommandAttributes awaiting(const QByteArray &match, int timeoutMs, bool report);
    static CommandAttributes pausing(int waitMs);

signals:
    void sent(const QString &text);
    void received();
    void timedOut(const QString &cmd);
    void connectStatus(bool status, int code);
    void reconnectStatus(bool status);
    // The channel's per-command events.
    void sentId(quint64 id, const QByteArray &bytes);
    void matchedId(quint64 id, const QByteArray &line, qint64 roundTripUs);
    void timedOutId(quint64 id);
    void settledId(quint64 id);

private:
    void invoke(const char *slot, Qt::ConnectionType type);

    Kind m_kind;
    bool m_worker;
    std::unique_ptr<PtyPeer> m_pty;
    std::unique_ptr<TcpPeer> m_tcp;
    QObject *m_service = nullptr;
    QThread m_thread;
    QString m_baud = QStringLiteral("115200");
};

// Every connection of the harness's signals, as "send:<text>", "recv", "timeout:<text>" in the
// order they arrived.
class EventLog : public QObject
{
public:
    explicit EventLog(LinkHarness &harness);
    QStringList events;
};

// The per-command events, as "sent:<id>:<bytes>", "matched:<id>:<line>", "timedOut:<id>",
// "settled:<id>" in the order they arrived.
class IdLog : public QObject
{
public:
    explicit IdLog(LinkHarness &harness);
    QStringList events;
};
