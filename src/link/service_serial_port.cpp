#include "link/service_serial_port.h"

#include <initializer_list>

namespace {

// The page sends enumeration values as text; anything else is skipped rather than cast into
// an enumeration that cannot hold it.
template <class Enum>
bool ToSetting(const QString &text, std::initializer_list<int> valid, Enum *setting)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    for (int candidate : valid) {
        if (ok && value == candidate) {
            *setting = static_cast<Enum>(value);
            return true;
        }
    }
    return false;
}

} // namespace

ServiceSerialPort::ServiceSerialPort(QObject *parent)
    : QObject(parent)
    , m_channel(SerialLinkContext, this)
{
    Queue_Reset(SerialLinkContext);
    m_channel.forwardTo(this, &ServiceSerialPort::SGL_TryCheckSend,
                        &ServiceSerialPort::SGL_UpdateRecvData_SerialPort,
                        &ServiceSerialPort::SGL_UpdateSendData_SerialPort,
                        &ServiceSerialPort::SGL_WaitReplyTimeout_SerialPort,
                        &ServiceSerialPort::SLT_RealSendData_SerialPort);
}

ServiceSerialPort::~ServiceSerialPort()
{
    if (m_channel.isConnected()) {
        m_channel.detach();
        m_port->close();
    }
    Link_DisposeDevice(m_port, false);
    Queue_Release(SerialLinkContext);
}

void ServiceSerialPort::SLT_MatchTimer_Timeout()
{
    m_channel.matchTimeout();
}

void ServiceSerialPort::SLT_WaitTimer_Timeout()
{
    m_channel.waitTimeout();
}

void ServiceSerialPort::SLT_SerialPortError(QSerialPort::SerialPortError error)
{
    // Recorded, and told to the link's owner; the link itself goes on (a broken port shows as
    // replies that time out). The library also reports "no error" when the port opens.
    m_lastError = static_cast<int>(error);
    if (error != QSerialPort::NoError)
        m_channel.noteDeviceError(m_lastError);
    // The adapter was unplugged or the terminal closed (reads then fail for good, and the
    // port would report it again at every turn of the loop): the port is of no more use. It
    // is closed, so the thread goes quiet, and commands still queued are told as not sent.
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError) {
        m_channel.noteLost();
        if (m_port != nullptr && m_port->isOpen())
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_port != nullptr)
                        m_port->close();
                },
                Qt::QueuedConnection);
    }
}

void ServiceSerialPort::SLT_SyncConnect_SerialPort(
    const QString &MyPortName, const QString &MyBaudRate, const QString &MyDataBit,
    const QString &MyParity, const QString &MyStopBit, const QString &MyFlowControl)
{
    if (m_channel.deferWhileSending([=] {
            SLT_SyncConnect_SerialPort(MyPortName, MyBaudRate, MyDataBit, MyParity, MyStopBit,
                                       MyFlowControl);
        }))
        return;
    SLT_SyncDisconnect_SerialPort(); // a second connect never leaks the open port

    auto *port = new QSerialPort;
    port->setReadBufferSize(RecvDeviceBufferBytes);
    connect(port, &QSerialPort::errorOccurred, this, &ServiceSerialPort::SLT_SerialPortError);
    connect(port, &QSerialPort::readyRead, this, &ServiceSerialPort::SLT_RealRecvData_SerialPort);
    port->setPortName(MyPortName);
    if (!port->open(QIODevice::ReadWrite)) {
        Link_DisposeDevice(port, false);
        emit SGL_ConnectStatus_SerialPort(false, SerialOpenFailedCode);
        return;
    }
    m_port = port;
    applySettings(MyBaudRate, MyDataBit, MyParity, MyStopBit, MyFlowControl);
    m_channel.attach(m_port, this);
    m_lastError = 255;
    emit SGL_ConnectStatus_SerialPort(true, 0);
}

void ServiceSerialPort::applySettings(const QString &baudRate, const QString &dataBits,
                                      const QString &parity, const QString &stopBits,
                                      const QString &flowControl)
{
    bool ok = false;
    const qint32 baud = baudRate.toInt(&ok, 10);
    if (ok)
        m_port->setBaudRate(baud, QSerialPort::AllDirections);
    // The rate the port actually runs at (a refused one leaves the previous rate).
    m_channel.setWireBaud(m_port->baudRate());
    QSerialPort::DataBits bits;
    if (ToSetting(dataBits, {5, 6, 7, 8}, &bits))
        m_port->setDataBits(bits);
    QSerialPort::Parity parityValue;
    if (ToSetting(parity, {0, 2, 3, 4, 5}, &parityValue))
        m_port->setParity(parityValue);
    QSerialPort::StopBits stop;
    if (ToSetting(stopBits, {1, 2, 3}, &stop))
        m_port->setStopBits(stop);
    QSerialPort::FlowControl flow;
    if (ToSetting(flowControl, {0, 1, 2}, &flow))
        m_port->setFlowControl(flow);
}

void ServiceSerialPort::SLT_SyncDisconnect_SerialPort()
{
    if (m_channel.deferWhileSending([this] { SLT_SyncDisconnect_SerialPort(); })
        || !m_channel.isConnected())
        return;
    m_channel.detach();
    if (m_port->isOpen()) { // a lost port was closed already
        m_port->clear();
        m_port->close();
    }
    // Possibly inside the port's own readyRead (a close run after a send the reply triggered).
    Link_DisposeDevice(m_port, true);
    m_port = nullptr;
}

void ServiceSerialPort::SLT_RealSendData_SerialPort()
{
    m_channel.sendStep();
}

void ServiceSerialPort::SLT_RealRecvData_SerialPort()
{
    m_channel.receive();
}
