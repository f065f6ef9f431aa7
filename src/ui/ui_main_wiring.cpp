// Main window: the pages it owns, the link controller, and every connection between them and
// the debug terminal.
#include "ui/ui_main.h"

#include "app/config_values.h"
#include "app/language_texts.h"
#include "link/link_controller.h"
#include "link/link_prefs.h"
#include "link/service_link_backend.h"
#include "link/wire_log.h"
#include "ui/link_options_dialog.h"
#include "ui/link_status_bar.h"
#include "ui/message_box.h"
#include "ui/page_device_gate.h"
#include "ui/pending_marker.h"
#include "ui/ui_audio.h"
#include "ui/ui_debug.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"
#include "ui/ui_uart_network.h"

#include <QKeySequence>
#include <QShortcut>

// Pages in tab order: the connection page, then each flagged page, then the debug terminal
// (a window of its own, not a tab).
void Ui_Main::createPages()
{
    m_linkController = new LinkController(std::make_unique<ServiceLinkBackend>(), this);
    m_linkController->setPolicy(LinkPrefs_Policy());
    m_linkStatusBar = new LinkStatusBar(m_linkController, m_contentWidget);
    m_connectionPage = new Ui_Uart_Network(m_linkController);
    AddLinkedPage(
        m_connectionPage, &Ui_Uart_Network_AppName, nullptr,
        [page = m_connectionPage](bool refill, bool second) { page->Retranslate(refill, second); });

    m_outputPage = new Ui_Output;
    AddLinkedPage(
        m_outputPage, &Ui_Output_AppName, &Key_UI_Output,
        [page = m_outputPage](bool first, bool readAll) { page->RefreshTexts(first, readAll); });
    m_multiviewPage = new Ui_Multiview;
    AddLinkedPage(
        m_multiviewPage, &Ui_Multiview_AppName, &Key_UI_Multiview,
        [page = m_multiviewPage](bool first, bool readAll) { page->RefreshTexts(first, readAll); });
    m_audioPage = new Ui_Audio;
    AddLinkedPage(
        m_audioPage, &Ui_Audio_AppName, &Key_UI_Audio,
        [page = m_audioPage](bool first, bool readAll) { page->RefreshTexts(first, readAll); });
    m_systemPage = new Ui_System;
    AddLinkedPage(
        m_systemPage, &Ui_System_AppName, &Key_UI_System,
        [page = m_systemPage](bool first, bool readAll) { page->RefreshTexts(first, readAll); });

    m_debugTerminal = new Ui_Debug;
    m_wireLog = new WireLog(this);
    m_wireLog->attach(*m_linkController);
    m_debugTerminal->SetWireLog(m_wireLog);

    // The device pages show values only while a device is identified.
    m_deviceGates = {
        new PageDeviceGate(m_outputPage, m_outputPage->readAllButton(), m_linkController),
        new PageDeviceGate(m_multiviewPage, m_multiviewPage->readAllButton(), m_linkController),
        new PageDeviceGate(m_audioPage, m_audioPage->readAllButton(), m_linkController),
        new PageDeviceGate(m_systemPage, m_systemPage->readAllButton(), m_linkController),
    };

    // The pages hear the device's values first, in tab order; others may join later.
    m_replyValues.addListener(m_connectionPage);
    m_replyValues.addListener(m_outputPage);
    m_replyValues.addListener(m_multiviewPage);
    m_replyValues.addListener(m_audioPage);
    m_replyValues.addListener(m_systemPage);
    m_replyVerbs.setPages({m_connectionPage, m_outputPage, m_multiviewPage, m_audioPage,
                           m_systemPage, this, m_linkController});
}

void Ui_Main::wirePages()
{
    connect(this, &Ui_Main::SGL_SETUP_UI_DEBUG, m_debugTerminal, &Ui_Debug::SLT_SETUP_UI_DEBUG);
    connect(this, &Ui_Main::SGL_CLOSE_UI_DEBUG, m_debugTerminal, &Ui_Debug::SLT_CLOSE_UI_DEBUG);
    // Received lines reach the terminal as their bytes (handleReceivedLine), so that hex and
    // bytes that are not UTF-8 show as they came; the text signal stays for other listeners.
    connect(this, &Ui_Main::SGL_DEBUG_SHOW_SendText, m_debugTerminal,
            &Ui_Debug::SLT_Sync_Show_Send);
    connect(m_debugTerminal, &Ui_Debug::SGL_UpdateEmit, this, &Ui_Main::SGL_UnifyUpdateEmit);

    connect(m_systemPage, &Ui_System::SGL_SyncSerialPortNetworkInfo, this,
            &Ui_Main::SLT_SyncSerialPortNetworkInfo);
    connect(m_multiviewPage, &Ui_Multiview::SGL_SyncInputSourceName, this,
            &Ui_Main::SLT_SyncInputSourceName);

    // Alt+Z reaches the window also while a text field has the focus (a field would otherwise
    // take the key as text). Exactly Alt: Ctrl+Alt+Z is another sequence.
    auto *debugKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Z), this);
    debugKey->setContext(Qt::WindowShortcut);
    connect(debugKey, &QShortcut::activated, this, &Ui_Main::openDebugTerminal);

    connect(m_systemPage, &Ui_System::SGL_OpenProfiles, this, &Ui_Main::OpenProfiles);
    auto *profilesKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    profilesKey->setContext(Qt::WindowShortcut);
    connect(profilesKey, &QShortcut::activated, this, &Ui_Main::OpenProfiles);
}

// The controller owns the link; the window feeds it the pages' send requests and shows what
// comes back. Messages from the link wait for one another instead of nesting.
void Ui_Main::wireLink()
{
    connect(this, &Ui_Main::SGL_UnifyUpdateEmit, m_linkController, &LinkController::requestSend);
    connect(m_linkController, &LinkController::lineReceived, this,
            [this](const QByteArray &line, quint64) { handleReceivedLine(line); });
    connect(m_linkController, &LinkController::sentText, this, &Ui_Main::SLT_UnifyUpdateSend);
    connect(m_linkController, &LinkController::operatorMessage, this,
            [this](const QString &text) { MessageBox_InfoSerial(text, this); });
    connect(m_linkController, &LinkController::statusLine, m_connectionPage,
            &Ui_Uart_Network::connectionAppendStatus);
    connect(m_linkStatusBar, &LinkStatusBar::optionsRequested, this, &Ui_Main::openLinkOptions);

    // A resolution change keeps the device busy for a while: its list shows the change as
    // pending until the device reports the resolution it took.
    auto *pending = new PendingMarker(m_linkController, this);
    pending->watch(m_outputPage->resolutionCombo(), "SET OUT RESOLUTION ", "OUT RESOLUTION");
    pending->watch(m_outputPage->resolutionCombo(), "SET RESO-USER ", "RESO-USER");
}

void Ui_Main::openLinkOptions()
{
    // The connection held or lost; before any, the network device the settings name.
    LinkTarget connection = m_linkController->target();
    if (connection.kind == LinkKind::None)
        connection = LinkTarget::tcp(QString(), SP_RemoteIp, SP_RemotePort);
    LinkOptionsDialog dialog(connection, this);
    if (dialog.exec() == QDialog::Accepted)
        dialog.apply(m_linkController);
}
