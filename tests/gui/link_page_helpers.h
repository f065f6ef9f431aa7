// Shared by the GUI tests of the main window and the connection page: a main window whose
// connection page is connected to a loopback peer that plays the device.
#pragma once

#include "app/language_texts.h"
#include "link/link_context.h"
#include "link/link_runtime.h"
#include "link_peers.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "support/queued_commands.h"
#include "ui/ui_main.h"
#include "ui/ui_uart_network.h"

#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QtTest>

// Back to no link and an unidentified device (between test functions).
inline void ResetLinkState()
{
    LinkMode = LinkModeNone;
    LinkSettingsQueryOnly = false;
    LinkSettings_Forget();
    DeviceState::ResetForTesting();
}

// The PC's only address for the tests: loopback, so nothing but 127.0.0.1 is ever addressed.
inline QList<LocalAddressEntry> LoopbackOnly()
{
    LocalAddressEntry entry;
    entry.ip = QStringLiteral("127.0.0.1");
    entry.netmask = QStringLiteral("255.0.0.0");
    entry.interfaceName = QStringLiteral("test-lo");
    entry.ipv4 = true;
    entry.loopback = true;
    return {entry};
}

inline void FillTcpFields(Ui_Uart_Network *page, quint16 port)
{
    page->setAddressSource(&LoopbackOnly);
    page->ipEdit()->setText(QStringLiteral("127.0.0.1"));
    page->portEdit()->setText(QString::number(port));
    page->maskEdit()->setText(QStringLiteral("255.0.0.0"));
    page->gatewayEdit()->setText(QStringLiteral("127.0.0.1"));
}

// Clicks the network button with the peer as device and waits for the model query.
inline bool ConnectToPeer(Ui_Main &w, TcpPeer &peer)
{
    Ui_Uart_Network *page = w.connectionPage();
    FillTcpFields(page, peer.port());
    const int before = peer.lines.size();
    page->networkButton()->click();
    return QTest::qWaitFor([&] { return peer.lines.size() > before; }, 5000)
        && peer.lines.last() == "GET MODEL TYPE\r";
}

// Answers every model query with the model's name.
// The device names its model and answers the read-all queries the identification sends.
inline void AnswerModel(TcpPeer &peer, const QByteArray &name)
{
    peer.responder = [name](const QByteArray &line) {
        if (line == "GET MULTIVIEW-SYNC\r")
            return QByteArray("MULTIVIEW-SYNC SINGLE HDMI1 NULL NULL NULL 1920x1080p60 ON\r");
        return line == "GET MODEL TYPE\r" ? "MODEL TYPE " + name + "\r" : QByteArray();
    };
}

// As AnswerModel, and every other query with a line that names its item and no value, so the
// pages' read-all after the identification goes through without time-outs. The line `silent`
// stays unanswered.
inline void AnswerModelAndQueries(TcpPeer &peer, const QByteArray &name,
                                  const QByteArray &silent = QByteArray())
{
    AnswerModel(peer, name);
    const auto modelAndLayout = peer.responder;
    peer.responder = [modelAndLayout, silent](const QByteArray &line) -> QByteArray {
        if (line == silent || !line.startsWith("GET "))
            return QByteArray();
        const QByteArray known = modelAndLayout(line);
        return known.isEmpty() ? line.mid(4) : known;
    };
}

// Waits until the read-all after a TCP identification went out and its last reply came.
inline bool WaitForTcpReadAll(const TcpPeer &peer, int timeoutMs = 10000)
{
    return QTest::qWaitFor([&] { return peer.lines.contains("GET NETWORK-INFO\r"); }, timeoutMs)
        && QTest::qWaitFor([] { return ActiveLinkIdle(); }, timeoutMs);
}

inline bool ThreadStopped(QThread *thread)
{
    return thread && !thread->isRunning();
}
