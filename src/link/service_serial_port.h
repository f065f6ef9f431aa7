// The RS-232 link: opens and closes the port on request and runs the shared send, framing and
// pacing (LinkChannel) on the serial context. Lives in a worker thread of its own.
#pragma once

#include "link/link_channel.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

constexpr int SerialOpenFailedCode = 3;

class ServiceSerialPort : public QObject
{
    Q_OBJECT

public:
    explicit ServiceSerialPort(QObject *parent = nullptr);
    ~ServiceSerialPort() override;

    // For tests and diagnostics; touch only from the service's thread.
    const LinkChannel &channel() const { return m_channel; }
    int lastError() const { return m_lastError; }
    // The connection's reply time-out (0: each command's own). Any thread.
    void setReplyTimeoutMs(int ms) { m_channel.setReplyTimeoutMs(ms); }

signals:
    void SGL_TryCheckSend();
    void SGL_UpdateRecvData_SerialPort();
    void SGL_UpdateSendData_SerialPort(const QString &Text);
    void SGL_ConnectStatus_SerialPort(bool status, int ErrorCode);
    void SGL_WaitReplyTimeout_SerialPort(const QString &cmd);

public slots:
    void SLT_MatchTimer_Timeout();
    void SLT_WaitTimer_Timeout();
    void SLT_SerialPortError(QSerialPort::SerialPortError error);
    // The five settings are the serial-port library's enumeration values as decimal text.
    void SLT_SyncConnect_SerialPort(const QString &MyPortName, const QString &MyBaudRate,
                                    const QString &MyDataBit, const QString &MyParity,
                                    const QString &MyStopBit, const QString &MyFlowControl);
    void SLT_SyncDisconnect_SerialPort();
    void SLT_RealSendData_SerialPort();
    void SLT_RealRecvData_SerialPort();

private:
    void applySettings(const QString &baudRate, const QString &dataBits, const QString &parity,
                       const QString &stopBits, const QString &flowControl);

    QSerialPort *m_port = nullptr; // owned while connected
    int m_lastError = 255; // 255: none
    LinkChannel m_channel;
};
