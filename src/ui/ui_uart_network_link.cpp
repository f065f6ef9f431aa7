// Connection page: what its buttons ask of the link controller, and how it shows the
// controller's state.
#include "ui/ui_uart_network.h"

#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/net_check.h"
#include "link/link_prefs.h"
#include "ui/message_box.h"
#include "ui/my_combo_box.h"
#include "ui/page_access_names.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// Only an open link's button is pressed: on a closed one the click would connect instead.
void Ui_Uart_Network::PressActiveConnectButton()
{
    if (m_controller->kind() == LinkKind::Tcp)
        m_networkButton->click();
    else if (m_controller->kind() == LinkKind::Serial)
        m_uartButton->click();
}

void Ui_Uart_Network::SLT_pushButton_UartConnect_clicked()
{
    if (m_controller->kind() == LinkKind::Serial) {
        m_controller->close();
        return;
    }
    if (m_controller->isOpen())
        return; // the network link is open
    SP_Name = Serial_PortNameFromInput(m_portBox->currentText());
    SP_BaudRate = m_baudBox->currentText();
    SP_DataBit = Serial_DataBitsValue(m_dataBitBox->currentText());
    SP_Parity = Serial_ParityValue(m_parityBox->currentText());
    SP_StopBit = Serial_StopBitsValue(m_stopBitBox->currentText());
    SP_FlowControl = Serial_FlowControlValue(m_flowControlBox->currentText());
    emit SGL_PretendConnect_SerialPort(SP_Name, SP_BaudRate, SP_DataBit, SP_Parity, SP_StopBit,
                                       SP_FlowControl);
    LinkTarget target = LinkTarget::serial(SP_Name, SP_BaudRate, SP_DataBit, SP_Parity, SP_StopBit,
                                           SP_FlowControl);
    target.replyTimeoutMs = LinkPrefs_ReplyTimeoutMs(target);
    m_controller->open(target);
}

void Ui_Uart_Network::SLT_pushButton_NetworkConnect_clicked()
{
    if (m_controller->kind() == LinkKind::Tcp) {
        m_controller->close();
        return;
    }
    if (!m_controller->isOpen())
        openNetworkLink();
}

void Ui_Uart_Network::openNetworkLink()
{
    const QString ip = m_ipEdit->text();
    const QString port = m_portEdit->text();
    const QString mask = m_maskEdit->text();
    const QString gateway = m_gatewayEdit->text();
    if (!Net_CheckParams(ip, port, mask, gateway)) {
        MessageBox_Info(SMSG_Network_Param_Fail, this);
        return;
    }
    if (m_localIpBox->currentText().isEmpty())
        SLT_comboBox_GetVaildLocalIp();
    if (m_localIpBox->currentText().isEmpty()) {
        MessageBox_Info(SMSG_Network_Connect_Fail, this);
        return;
    }

    SP_RemoteIp = ip;
    SP_RemotePort = port;
    SP_RemoteSubmask = mask;
    SP_RemoteGateway = gateway;
    const QString localIp = LocalIp_FromItem(m_localIpBox->currentText());
    emit SGL_PretendConnect_TcpClient(localIp, SP_RemoteIp, SP_RemotePort);
    LinkTarget target = LinkTarget::tcp(localIp, SP_RemoteIp, SP_RemotePort);
    target.replyTimeoutMs = LinkPrefs_ReplyTimeoutMs(target);
    m_controller->open(target);
}

void Ui_Uart_Network::showLinkState(LinkController::State state)
{
    const LinkKind open = m_controller->kind();
    m_uartButton->setText(S_ConnectDisconnect[open == LinkKind::Serial ? 1 : 0]);
    m_networkButton->setText(S_ConnectDisconnect[open == LinkKind::Tcp ? 1 : 0]);
    Access_NameConnection(*this);
    m_uartButton->setEnabled(open != LinkKind::Tcp);
    m_networkButton->setEnabled(open != LinkKind::Serial);
    setParametersEnabled(open == LinkKind::None);
    // The mark is green only while the device is there and identified.
    if (state == LinkController::State::Disconnected || state == LinkController::State::Lost
        || state == LinkController::State::Reconnecting)
        ShowIdentifyResult(false);
    else if (state == LinkController::State::Synchronising)
        ShowIdentifyResult(true);
}
