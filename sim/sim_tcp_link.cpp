// TCP listener with one active client and a waiting queue.
#include "sim_tcp_link.h"

#include "sim/sim_log.h"

#include <QTcpSocket>

#include <utility>

namespace {
// Bytes a waiting client may push before the kernel's flow control holds it back.
constexpr qint64 SocketReadBuffer = 64 * 1024;
// Replies to a client that does not read are dropped past this much unsent output.
constexpr qint64 MaxUnsentBytes = 1024 * 1024;

QByteArray peerName(QTcpSocket *s)
{
    return "tcp " + s->peerAddress().toString().toLatin1() + ':'
        + QByteArray::number(s->peerPort());
}
} // namespace

// The active client: owns its socket and its session.
class SimTcpLink::Client : public QObject, public SimTransport
{
public:
    Client(QTcpSocket *socket, SimTcpLink &link)
        : QObject(&link)
        , m_socket(socket)
        , m_name(peerName(socket))
        , m_log(link.m_log)
        , m_session(link.m_interpreter, link.m_faults, link.m_log, *this, this)
    {
        socket->setParent(this);
        socket->disconnect(&link);
        connect(socket, &QTcpSocket::readyRead, this, &Client::read);
        connect(socket, &QTcpSocket::disconnected, &link, &SimTcpLink::onClientGone);
    }

    void read() { m_session.receive(m_socket->readAll()); }
    bool isConnected() const { return m_socket->state() == QAbstractSocket::ConnectedState; }
    QByteArray name() const { return m_name; }
    int unfinishedBytes() const { return m_session.pendingLineBytes(); }

    void send(const QByteArray &bytes) override
    {
        if (m_socket->bytesToWrite() > MaxUnsentBytes) {
            m_log.event(m_name + " does not read: output dropped");
            return;
        }
        m_socket->write(bytes);
        m_socket->flush();
    }
    void hangUp() override { m_socket->disconnectFromHost(); }

private:
    QTcpSocket *m_socket;
    QByteArray m_name;
    SimLog &m_log;
    SimSession m_session;
};

SimTcpLink::SimTcpLink(SimInterpreter &interpreter, const SimFaults &faults, SimLog &log,
                       QObject *parent)
    : QObject(parent)
    , m_interpreter(interpreter)
    , m_faults(faults)
    , m_log(log)
{
    connect(&m_server, &QTcpServer::newConnection, this, &SimTcpLink::onNewConnection);
}

// A connected socket says "disconnected" while it is destroyed. By then the client that owns
// it is half gone, so the link must no longer know it: onClientGone and the waiting-queue
// handler find nothing to do.
SimTcpLink::~SimTcpLink()
{
    m_server.close();
    if (Client *active = std::exchange(m_active, nullptr)) {
        m_log.event(active->name() + " closed: the simulator stops");
        delete active;
    }
    const QQueue<QTcpSocket *> waiting = std::exchange(m_waiting, {});
    qDeleteAll(waiting);
}

bool SimTcpLink::listen(const QHostAddress &address, quint16 port, QString *error)
{
    if (m_server.listen(address, port))
        return true;
    *error = m_server.errorString();
    return false;
}

void SimTcpLink::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        socket->setReadBufferSize(SocketReadBuffer);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1); // chunks leave one by one
        if (m_waiting.size() >= MaxWaiting) {
            m_log.event(peerName(socket) + " refused: too many clients waiting");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_waiting.enqueue(socket);
        if (m_active) {
            m_log.event(peerName(socket) + " waiting (" + QByteArray::number(m_waiting.size())
                        + " in the queue)");
            // A waiting client that gives up leaves the queue.
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                if (m_waiting.removeOne(socket)) {
                    m_log.event(peerName(socket) + " left the queue");
                    socket->deleteLater();
                }
            });
        }
    }
    serveNext();
}

void SimTcpLink::serveNext()
{
    while (!m_active && !m_waiting.isEmpty()) {
        QTcpSocket *socket = m_waiting.dequeue();
        if (socket->state() != QAbstractSocket::ConnectedState) {
            socket->deleteLater();
            continue;
        }
        m_active = new Client(socket, *this);
        m_log.event(m_active->name() + " connected");
        if (socket->bytesAvailable() > 0)
            m_active->read(); // what it sent while waiting
    }
}

void SimTcpLink::onClientGone()
{
    if (!m_active || m_active->isConnected())
        return;
    const int unfinished = m_active->unfinishedBytes();
    m_log.event(m_active->name() + " disconnected"
                + (unfinished ? " (" + QByteArray::number(unfinished)
                           + " bytes of an unfinished line discarded)"
                              : QByteArray()));
    m_active->deleteLater();
    m_active = nullptr;
    serveNext();
}
