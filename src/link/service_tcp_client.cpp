#include "link/service_tcp_client.h"

#include <QHostAddress>
#include <QNetworkProxy>
#include <QTcpSocket>

ServiceTcpClient::ServiceTcpClient(QObject *parent)
    : QObject(parent)
    , m_channel(TcpLinkContext, this)
{
    Queue_Reset(TcpLinkContext);
    m_channel.forwardTo(this, &ServiceTcpClient::SGL_TryCheckSend,
                        &ServiceTcpClient::SGL_UpdateRecvData_TcpClient,
                        &ServiceTcpClient::SGL_UpdateSendData_TcpClient,
                        &ServiceTcpClient::SGL_WaitReplyTimeout_TcpClient,
                        &ServiceTcpClient::SLT_RealSendData_TcpClient);
}

ServiceTcpClient::~ServiceTcpClient()
{
    if (m_channel.isConnected()) {
        m_channel.detach();
        m_socket->abort();
    }
    Link_DisposeDevice(m_socket, false);
    Queue_Release(TcpLinkContext);
}

void ServiceTcpClient::SLT_MatchTimer_Timeout()
{
    m_channel.matchTimeout();
}

void ServiceTcpClient::SLT_WaitTimer_Timeout()
{
    m_channel.waitTimeout();
}

void ServiceTcpClient::SLT_SocketError(QAbstractSocket::SocketError error)
{
    // Forces a reconnect before the next command; told to the link's owner.
    m_lastError = static_cast<int>(error);
    m_channel.noteDeviceError(m_lastError);
    if (error == QAbstractSocket::RemoteHostClosedError)
        m_channel.noteLost();
}

void ServiceTcpClient::SLT_SyncConnect_TcpClient(const QString &LocalIp, const QString &RemoteIp,
                                                 const QString &RemotePort)
{
    if (m_channel.deferWhileSending(
            [=] { SLT_SyncConnect_TcpClient(LocalIp, RemoteIp, RemotePort); }))
        return;
    SLT_SyncDisconnect_TcpClient(); // a second connect never leaks the open socket

    m_linkEstablished = false;
    m_localIp = LocalIp;
    m_remoteIp = RemoteIp;
    m_remotePort = RemotePort;
    m_socket = new QTcpSocket;
    m_socket->setReadBufferSize(RecvDeviceBufferBytes);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &ServiceTcpClient::SLT_SocketError);
    connect(m_socket, &QIODevice::readyRead, this, &ServiceTcpClient::SLT_RealRecvData_TcpClient);
    // The peer closing (or the network dropping the connection) is told at once, not only
    // when the next command finds the socket closed.
    connect(m_socket, &QAbstractSocket::disconnected, this, [this] { m_channel.noteLost(); });
    startConnect();
    m_linkEstablished = m_socket->waitForConnected(TcpConnectWaitMs);
    if (!m_linkEstablished) {
        m_socket->abort();
        Link_DisposeDevice(m_socket, false);
        m_socket = nullptr;
        emit SGL_ConnectStatus_TcpClient(false, TcpConnectFailedCode);
        return;
    }
    m_channel.attach(m_socket, this);
    m_lastError = 255;
    emit SGL_ConnectStatus_TcpClient(true, 0);
}

void ServiceTcpClient::startConnect()
{
    QHostAddress local(m_localIp);
    if (local.isNull())
        local = QHostAddress(QHostAddress::AnyIPv4);
    m_socket->bind(local, 0);
    // The proxy is taken at connect time, so it is set before connecting.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    // Base 10, reduced to 16 bits like the device's own port field.
    const auto port = static_cast<quint16>(m_remotePort.toInt(nullptr, 10));
    m_socket->connectToHost(m_remoteIp, port, QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
}

void ServiceTcpClient::SLT_SyncDisconnect_TcpClient()
{
    if (m_channel.deferWhileSending([this] { SLT_SyncDisconnect_TcpClient(); })
        || !m_channel.isConnected())
        return;
    m_channel.detach();
    m_linkEstablished = false;
    m_socket->disconnect(this);
    m_socket->disconnectFromHost();
    m_socket->abort();
    m_socket->close();
    // Possibly inside the socket's own readyRead (a close run after a send the reply triggered).
    Link_DisposeDevice(m_socket, true);
    m_socket = nullptr;
}

void ServiceTcpClient::SLT_RealSendData_TcpClient()
{
    // A lost connection is repaired lazily, only when a command is about to go: one attempt
    // (and at most one failure report) per command.
    if (!m_channel.hasCommandToSend())
        return;
    reconnect();
    m_channel.sendStep();
}

void ServiceTcpClient::reconnect()
{
    if (!m_linkEstablished)
        return;
    const QAbstractSocket::SocketState state = m_socket->state();
    if (state == QAbstractSocket::ConnectedState && m_lastError == 255)
        return;
    if (state != QAbstractSocket::ConnectedState) {
        if (state != QAbstractSocket::UnconnectedState)
            m_socket->abort();
        startConnect();
    }
    if (m_socket->waitForConnected(TcpReconnectWaitMs)) {
        m_lastError = 255;
        m_channel.noteRestored();
        if (state != QAbstractSocket::ConnectedState)
            m_channel.restartLine();
    } else {
        emit SGL_ReConnectStatus_TcpClient(false);
    }
}

void ServiceTcpClient::SLT_RealRecvData_TcpClient()
{
    m_channel.receive();
}
