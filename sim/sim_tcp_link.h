// The device's TCP port. Like a small device it talks to one client at a time: further
// clients are accepted into a short queue (up to MaxWaiting, beyond that closed at once)
// and get no answers until the client ahead of them leaves.
#pragma once

#include "sim/sim_session.h"

#include <QHostAddress>
#include <QObject>
#include <QQueue>
#include <QTcpServer>

class QTcpSocket;

class SimTcpLink : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxWaiting = 8;

    SimTcpLink(SimInterpreter &interpreter, const SimFaults &faults, SimLog &log,
               QObject *parent = nullptr);
    ~SimTcpLink() override;

    bool listen(const QHostAddress &address, quint16 port, QString *error);
    quint16 port() const { return m_server.serverPort(); }

private:
    class Client;

    void onNewConnection();
    void serveNext();
    void onClientGone();

    SimInterpreter &m_interpreter;
    const SimFaults m_faults;
    SimLog &m_log;
    QTcpServer m_server;
    Client *m_active = nullptr;
    QQueue<QTcpSocket *> m_waiting;
};
