// Main window: what comes back from the link (received lines, sent commands) and the
// reconnect after the device's link settings changed.
#include "ui/ui_main.h"

#include "state/link_settings.h"
#include "state/reply_dispatcher.h"
#include "ui/ui_audio.h"
#include "ui/ui_debug.h"
#include "ui/ui_system.h"
#include "ui/ui_uart_network.h"

#include <QByteArray>

void Ui_Main::handleReceivedLine(const QByteArray &line)
{
    const QString text = QString::fromUtf8(line);
    m_debugTerminal->ShowReceived(line);
    emit SGL_DEBUG_SHOW_RecvText(text);
    Reply_Dispatch(text, m_replyValues.sinks(m_replyVerbs));
}

void Ui_Main::SLT_UnifyUpdateSend(QString text)
{
    emit SGL_DEBUG_SHOW_SendText(text);
}

// After the system page wrote the device's network or baud settings the link's parameters
// no longer fit: the link is closed and the connection page shows the stored parameters.
void Ui_Main::SLT_SyncSerialPortNetworkInfo()
{
    if (!LinkSettingsQueryOnly)
        m_connectionPage->PressActiveConnectButton();
    LinkSettingsQueryOnly = false;
    m_connectionPage->Retranslate(false, false);
    m_systemPage->RefreshTexts(false, false);
}

void Ui_Main::SLT_SyncInputSourceName()
{
    m_audioPage->RefreshTexts(false, false);
}
