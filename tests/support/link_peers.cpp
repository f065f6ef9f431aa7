#include "link_peers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

qint64 PeerClockNs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.nsecsElapsed();
}

void LinePeer::take(const QByteArray &bytes)
{
    m_pending += bytes;
    int end;
    while ((end = m_pending.indexOf('\r')) >= 0) {
        const QByteArray line = m_pending.left(end + 1);
        m_pending.remove(0, end + 1);
        lines.append(line);
        lineTimesNs.append(PeerClockNs());
        if (responder) {
            const QByteArray answer = responder(line);
            if (!answer.isEmpty()) {
                write(answer);
                replyTimesNs.append(PeerClockNs());
            }
        }
        emit lineArrived(line);
    }
}

PtyPeer::PtyPeer()
{
    char name[128] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    // Raw: a cooked slave would echo and turn CR into LF.
    termios tio {};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readMaster(); });
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] { flushOutput(); });
}

PtyPeer::~PtyPeer()
{
    closeMaster();
    if (m_slave >= 0)
        ::close(m_slave);
}

void PtyPeer::readMaster()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            take(QByteArray(buffer, static_cast<int>(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && m_notifier)
            m_notifier->setEnabled(false);
        return;
    }
}

bool PtyPeer::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return false;
    m_output += bytes;
    flushOutput();
    return true;
}

void PtyPeer::flushOutput()
{
    while (m_master >= 0 && !m_output.isEmpty()) {
        const ssize_t n = ::write(m_master, m_output.constData(), m_output.size());
        if (n > 0)
            m_output.remove(0, static_cast<int>(n));
        else if (n < 0 && errno != EINTR)
            break;
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_output.isEmpty());
}

void PtyPeer::setReading(bool reading)
{
    if (m_notifier)
        m_notifier->setEnabled(reading);
    if (reading)
        readMaster();
}

void PtyPeer::closeMaster()
{
    delete m_notifier;
    m_notifier = nullptr;
    delete m_writeNotifier;
    m_writeNotifier = nullptr;
    m_output.clear();
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

TcpPeer::TcpPeer()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *client = m_server.nextPendingConnection()) {
            ++m_connections;
            client->setParent(this);
            m_clients.append(client);
            connect(client, &QTcpSocket::readyRead, this,
                    [this, client] { take(client->readAll()); });
        }
    });
}

bool TcpPeer::listen(quint16 port)
{
    if (!m_server.listen(QHostAddress(QHostAddress::LocalHost), port))
        return false;
    m_port = m_server.serverPort();
    return true;
}

void TcpPeer::dropClients()
{
    for (const QPointer<QTcpSocket> &client : qAsConst(m_clients)) {
        if (client) {
            client->close();
            client->deleteLater();
        }
    }
    m_clients.clear();
}

bool TcpPeer::write(const QByteArray &bytes)
{
    for (int i = m_clients.size() - 1; i >= 0; --i) {
        if (m_clients[i] && m_clients[i]->state() == QAbstractSocket::ConnectedState) {
            m_clients[i]->write(bytes);
            m_clients[i]->flush();
            return true;
        }
    }
    return false;
}

quint16 UnusedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.serverPort(); // closed again when probe goes away
}

int OpenFdCount()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                                .size());
}
