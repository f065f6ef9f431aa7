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

#include <QStackedWidget>

// The widget that holds the pages of the tabs. Each page is built there: moving a built page
// into another parent restyles every widget in it (under a style sheet that is a good part of
// the whole start-up), and the tab widget would move it once more.
QWidget *Ui_Main::pageHolder() const
{
    if (auto *stack = m_tabWidget->findChild<QStackedWidget *>(
            QStringLiteral("qt_tabwidget_stackedwidget"), Qt::FindDirectChildrenOnly))
        return stack;
    return m_tabWidget;
}

// Pages in tab order: the connection page, then each flagged page, then the debug terminal
// (a window of its own, not a tab). The flagged pages are built now or, with
// PageBuild::AfterFirstShow, by BuildPages(); their entries (title, flag) exist from the start.
void Ui_Main::createPages()
{
    m_linkController = new LinkController(std::make_unique<ServiceLinkBackend>(), this);
    m_linkController->setPolicy(LinkPrefs_Policy());
    m_linkStatusBar = new LinkStatusBar(m_linkController, m_contentWidget);
    m_connectionPage = new Ui_Uart_Network(m_linkController, pageHolder());
    AddLinkedPage(
        m_connectionPage, &Ui_Uart_Network_AppName, nullptr,
        [page = m_connectionPage](bool refill, bool second) { page->Retranslate(refill, second); });
    for (const QString *flag : {&Key_UI_Output, &Key_UI_Multiview, &Key_UI_Audio, &Key_UI_System})
        m_pages.append(PageEntry {nullptr, nullptr, flag, {}});
    m_pages[1].title = &Ui_Output_AppName;
    m_pages[2].title = &Ui_Multiview_AppName;
    m_pages[3].title = &Ui_Audio_AppName;
    m_pages[4].title = &Ui_System_AppName;

    m_wireLog = new WireLog(this);
    m_wireLog->attach(*m_linkController);

    // The pages hear the device's values first, in tab order; others may join later.
    m_replyValues.addListener(m_connectionPage);
    m_replyVerbs.setPages(
        {m_connectionPage, nullptr, nullptr, nullptr, nullptr, this, m_linkController});
    if (m_pageBuild == PageBuild::AtOnce)
        createDevicePages();
}

void Ui_Main::BuildPages()
{
    if (!m_devicePagesBuilt)
        createDevicePages();
}

template <class Page>
Page *Ui_Main::buildPage(int index)
{
    PageEntry &entry = m_pages[index];
    auto *page = new Page(pageHolder());
    entry.page = page;
    entry.retranslate = [page](bool first, bool readAll) { page->RefreshTexts(first, readAll); };
    connect(page, &Page::SGL_UpdateEmit, this, &Ui_Main::SGL_UnifyUpdateEmit);
    m_replyValues.addListenerFirst(page);
    // A page built after the tabs takes its stand-in's place.
    QWidget *standIn = index < m_standIns.size() ? m_standIns.at(index) : nullptr;
    if (standIn) {
        const int tab = m_tabWidget->indexOf(standIn);
        const bool current = m_tabWidget->currentIndex() == tab;
        m_tabWidget->insertTab(tab, page, m_tabWidget->tabText(tab));
        m_tabWidget->removeTab(tab + 1);
        if (current)
            m_tabWidget->setCurrentIndex(tab);
        m_standIns[index] = nullptr;
        delete standIn;
    } else if (m_tabWidget->count() > 0) {
        page->hide(); // built after the tabs and given none: owned but never shown
    } // else the tabs are yet to be laid out, and ApplyTexts(true) places the page
    return page;
}

// The debug terminal is a window of its own, built with the device pages: like them it has
// nothing to show before a link is open, and the first window appears sooner without it.
void Ui_Main::createDebugTerminal()
{
    m_debugTerminal = new Ui_Debug;
    m_debugTerminal->SetWireLog(m_wireLog);
    connect(this, &Ui_Main::SGL_SETUP_UI_DEBUG, m_debugTerminal, &Ui_Debug::SLT_SETUP_UI_DEBUG);
    connect(this, &Ui_Main::SGL_CLOSE_UI_DEBUG, m_debugTerminal, &Ui_Debug::SLT_CLOSE_UI_DEBUG);
    // Received lines reach the terminal as their bytes (handleReceivedLine), so that hex and
    // bytes that are not UTF-8 show as they came; the text signal stays for other listeners.
    connect(this, &Ui_Main::SGL_DEBUG_SHOW_SendText, m_debugTerminal,
            &Ui_Debug::SLT_Sync_Show_Send);
    connect(m_debugTerminal, &Ui_Debug::SGL_UpdateEmit, this, &Ui_Main::SGL_UnifyUpdateEmit);
}

void Ui_Main::createDevicePages()
{
    m_devicePagesBuilt = true;
    createDebugTerminal();
    m_outputPage = buildPage<Ui_Output>(1);
    m_multiviewPage = buildPage<Ui_Multiview>(2);
    m_audioPage = buildPage<Ui_Audio>(3);
    m_systemPage = buildPage<Ui_System>(4);
    // The device pages show values only while a device is identified.
    m_deviceGates = {
        new PageDeviceGate(m_outputPage, m_outputPage->readAllButton(), m_linkController),
        new PageDeviceGate(m_multiviewPage, m_multiviewPage->readAllButton(), m_linkController),
        new PageDeviceGate(m_audioPage, m_audioPage->readAllButton(), m_linkController),
        new PageDeviceGate(m_systemPage, m_systemPage->readAllButton(), m_linkController),
    };
    m_replyVerbs.setPages({m_connectionPage, m_outputPage, m_multiviewPage, m_audioPage,
                           m_systemPage, this, m_linkController});
    connect(m_systemPage, &Ui_System::SGL_SyncSerialPortNetworkInfo, this,
            &Ui_Main::SLT_SyncSerialPortNetworkInfo);
    connect(m_multiviewPage, &Ui_Multiview::SGL_SyncInputSourceName, this,
            &Ui_Main::SLT_SyncInputSourceName);
    connect(m_systemPage, &Ui_System::SGL_OpenProfiles, this, &Ui_Main::OpenProfiles);

    // A resolution change keeps the device busy for a while: its list shows the change as
    // pending until the device reports the resolution it took.
    auto *pending = new PendingMarker(m_linkController, this);
    pending->watch(m_outputPage->resolutionCombo(), "SET OUT RESOLUTION ", "OUT RESOLUTION");
    pending->watch(m_outputPage->resolutionCombo(), "SET RESO-USER ", "RESO-USER");
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
