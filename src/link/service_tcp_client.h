// The TCP link: one client connection to the device carrying the same CR-terminated lines as
// the serial link, with a reconnect attempt before each command. Lives in a worker thread.
#pragma once

#include "link/link_channel.h"

#include <QAbstractSocket>
#include <QObject>
#include <QString>

class QTcpSocket;

constexpr int TcpConnectFailedCode = 5;
constexpr int TcpConnectWaitMs = 500;
constexpr int TcpReconnectWaitMs = 1000;

class ServiceTcpClient : public QObject
{
    Q_OBJECT

public:
    explicit ServiceTcpClient(QObject *parent = nullptr);
    ~ServiceTcpClient() override;

    // For tests and diagnostics; touch only from the service's thread.
    const LinkChannel &channel() const { return m_channel; }
    int lastError() const { return m_lastError; }
    // The connection's reply time-out (0: each command's own). Any thread.
    void setReplyTimeoutMs(int ms) { m_channel.setReplyTimeoutMs(ms); }

signals:
    void SGL_TryCheckSend();
    void SGL_UpdateRecvData_TcpClient();
    void SGL_UpdateSendData_TcpClient(const QString &Text);
    void SGL_ConnectStatus_TcpClient(bool status, int ErrorCode);
    void SGL_ReConnectStatus_TcpClient(bool status);
    void SGL_WaitReplyTimeout_TcpClient(const QString &cmd);

public slots:
    void SLT_MatchTimer_Timeout();
    void SLT_WaitTimer_Timeout();
    void SLT_SocketError(QAbstractSocket::SocketError error);
    void SLT_SyncConnect_TcpClient(const QString &LocalIp, const QString &RemoteIp,
                                   const QString &RemotePort);
    void SLT_SyncDisconnect_TcpClient();
    void SLT_RealSendData_TcpClient();
    void SLT_RealRecvData_TcpClient();

private:
    void startConnect();
    void reconnect();

    QTcpSocket *m_socket = nullptr; // owned while connected
    bool m_linkEstablished = false; // reconnects are tried only after a successful connect
    int m_lastError = 255; // 255: none since the last successful (re)connect
    QString m_localIp;
    QString m_remoteIp;
    QString m_remotePort;
    LinkChannel m_channel;
};
