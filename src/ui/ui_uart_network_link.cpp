// Connection page: opening and closing the two links, and the services' reports about them.
#include "ui/ui_uart_network.h"

#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/net_check.h"
#include "link/command_catalogue.h"
#include "link/link_context.h"
#include "link/link_runtime.h"
#include "link/service_serial_port.h"
#include "link/service_tcp_client.h"
#include "state/device_state.h"
#include "ui/message_box.h"
#include "ui/my_combo_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

namespace {
void startThread(QThread *thread)
{
    if (thread)
        thread->start(QThread::InheritPriority);
}

// quit() ends the thread's event loop (also a send pause's nested one); finished() then makes
// the service close its port or socket inside the thread. The wait is bounded so that a
// stuck service can never freeze the window.
void stopThread(QThread *thread)
{
    if (!thread)
        return;
    thread->quit();
    thread->wait(LinkStopWaitMs);
}
} // namespace

void Ui_Uart_Network::wireServices()
{
    // The runtime has already moved each service into its thread and tied the thread's
    // finished() to the service's disconnect slot.
    if (ServiceTcpClient *tcp = Link_TcpService()) {
        connect(this, &Ui_Uart_Network::SGL_PretendConnect_TcpClient, tcp,
                &ServiceTcpClient::SLT_SyncConnect_TcpClient, Qt::QueuedConnection);
        connect(tcp, &ServiceTcpClient::SGL_ConnectStatus_TcpClient, this,
                &Ui_Uart_Network::SLT_ConnectStatus_TcpClient, Qt::QueuedConnection);
        connect(tcp, &ServiceTcpClient::SGL_ReConnectStatus_TcpClient, this,
                &Ui_Uart_Network::SLT_ReConnectStatus_TcpClient, Qt::QueuedConnection);
    }
    if (ServiceSerialPort *serial = Link_SerialService()) {
        connect(this, &Ui_Uart_Network::SGL_PretendConnect_SerialPort, serial,
                &ServiceSerialPort::SLT_SyncConnect_SerialPort, Qt::QueuedConnection);
        connect(serial, &ServiceSerialPort::SGL_ConnectStatus_SerialPort, this,
                &Ui_Uart_Network::SLT_ConnectStatus_SerialPort, Qt::QueuedConnection);
    }
}

Ui_Uart_Network::~Ui_Uart_Network()
{
    if (LinkMode == LinkModeTcp)
        stopThread(Link_TcpThread());
    else if (LinkMode == LinkModeSerial)
        stopThread(Link_SerialThread());
}

// Only an open link's button is pressed: on a closed one the click would connect instead.
void Ui_Uart_Network::PressActiveConnectButton()
{
    if (LinkMode == LinkModeTcp && m_networkOpen)
        m_networkButton->click();
    else if (LinkMode == LinkModeSerial && m_uartOpen)
        m_uartButton->click();
}

void Ui_Uart_Network::closeLink(QThread *thread, QPushButton *own, QPushButton *other)
{
    setParametersEnabled(true);
    ShowIdentifyResult(false);
    stopThread(thread);
    LinkMode = LinkModeNone;
    own->setText(S_ConnectDisconnect[0]);
    linkOpen(own) = false;
    // The next link's first model reply is evaluated again.
    DeviceState::modelIdentified = false;
    other->setEnabled(true);
}

void Ui_Uart_Network::SLT_pushButton_UartConnect_clicked()
{
    if (linkOpen(m_uartButton)) {
        closeLink(Link_SerialThread(), m_uartButton, m_networkButton);
        return;
    }
    LinkMode = LinkModeSerial;
    SP_Name = Serial_PortNameFromInput(m_portBox->currentText());
    SP_BaudRate = m_baudBox->currentText();
    SP_DataBit = Serial_DataBitsValue(m_dataBitBox->currentText());
    SP_Parity = Serial_ParityValue(m_parityBox->currentText());
    SP_StopBit = Serial_StopBitsValue(m_stopBitBox->currentText());
    SP_FlowControl = Serial_FlowControlValue(m_flowControlBox->currentText());

    setParametersEnabled(false);
    startThread(Link_SerialThread());
    emit SGL_PretendConnect_SerialPort(SP_Name, SP_BaudRate, SP_DataBit, SP_Parity, SP_StopBit,
                                       SP_FlowControl);
    m_uartButton->setText(S_ConnectDisconnect[1]);
    m_uartOpen = true;
    m_networkButton->setEnabled(false);
}

void Ui_Uart_Network::SLT_pushButton_NetworkConnect_clicked()
{
    if (linkOpen(m_networkButton)) {
        closeLink(Link_TcpThread(), m_networkButton, m_uartButton);
        return;
    }
    LinkMode = LinkModeTcp;
    const bool opened = openNetworkLink();
    m_networkButton->setText(S_ConnectDisconnect[opened ? 1 : 0]);
    m_networkOpen = opened;
    m_uartButton->setEnabled(!opened);
}

bool Ui_Uart_Network::openNetworkLink()
{
    const QString ip = m_ipEdit->text();
    const QString port = m_portEdit->text();
    const QString mask = m_maskEdit->text();
    const QString gateway = m_gatewayEdit->text();
    // No link was opened, so none is active: commands must not pile up for it meanwhile.
    if (!Net_CheckParams(ip, port, mask, gateway)) {
        LinkMode = LinkModeNone;
        MessageBox_Info(SMSG_Network_Param_Fail, this);
        return false;
    }
    if (m_localIpBox->currentText().isEmpty())
        SLT_comboBox_GetVaildLocalIp();
    if (m_localIpBox->currentText().isEmpty()) {
        LinkMode = LinkModeNone;
        MessageBox_Info(SMSG_Network_Connect_Fail, this);
        return false;
    }

    SP_RemoteIp = ip;
    SP_RemotePort = port;
    SP_RemoteSubmask = mask;
    SP_RemoteGateway = gateway;
    const QString localIp = LocalIp_FromItem(m_localIpBox->currentText());
    setParametersEnabled(false);
    startThread(Link_TcpThread());
    emit SGL_PretendConnect_TcpClient(localIp, SP_RemoteIp, SP_RemotePort);
    return true;
}

void Ui_Uart_Network::SLT_ConnectStatus_SerialPort(bool status, int ErrorCode)
{
    // A report for a link the operator has closed meanwhile changes nothing.
    if (!m_uartOpen)
        return;
    if (status) {
        CmdGetModelType(); // the first command on a fresh link identifies the device
        emit SGL_UpdateEmit();
        setParametersEnabled(false);
        return;
    }
    connectFailed(m_uartButton, m_networkButton,
                  SMSG_SerialPort_Connect_Fail + QString::number(ErrorCode));
}

void Ui_Uart_Network::SLT_ConnectStatus_TcpClient(bool status, int ErrorCode)
{
    if (!m_networkOpen)
        return;
    if (status) {
        CmdGetModelType();
        emit SGL_UpdateEmit();
        setParametersEnabled(false);
        return;
    }
    connectFailed(m_networkButton, m_uartButton,
                  SMSG_Network_Connect_Fail + QString::number(ErrorCode));
}

void Ui_Uart_Network::connectFailed(QPushButton *own, QPushButton *other, const QString &message)
{
    PressActiveConnectButton();
    if (linkOpen(own)) // LinkMode no longer named this link: close it all the same
        closeLink(own == m_uartButton ? Link_SerialThread() : Link_TcpThread(), own, other);
    own->setText(S_ConnectDisconnect[0]);
    other->setEnabled(true);
    MessageBox_InfoSerial(message, this);
    setParametersEnabled(true);
    ShowIdentifyResult(false);
}

void Ui_Uart_Network::SLT_ReConnectStatus_TcpClient(bool ok)
{
    // Each failed attempt is reported; once the first has closed the link the rest are stale.
    if (ok || !m_networkOpen)
        return;
    PressActiveConnectButton();
    MessageBox_InfoSerial(SMSG_Network_ReConnect_Fail, this);
}
