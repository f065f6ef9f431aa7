// The panel's main window driven the way an operator drives it, for end-to-end tests against
// the simulator (SimDevice). One per test: it owns a scratch runtime folder (with the built
// pictures), a modal-box driver that answers and records every message box, and a shown
// Ui_Main; it starts from no link and an unidentified device and leaves them so.
//
//   SimDevice sim;  sim.start({"--model", "Marlet"});
//   E2ePanel panel;
//   panel.connectTcp(sim.tcpPort());
//   QVERIFY(panel.waitForIdentification(ModelMarlet));
//   QVERIFY(panel.waitForLinkIdle());
//   QCOMPARE(sim.received(), E2ePanel::IdentificationCommands(ModelMarlet, false));
//
// Page tests reach their page through window().
#pragma once

#include "support/modal_box_driver.h"
#include "support/test_runtime.h"

#include <QStringList>

#include <memory>

class Ui_Main;
class Ui_Uart_Network;

class E2ePanel
{
public:
    E2ePanel();
    ~E2ePanel();
    E2ePanel(const E2ePanel &) = delete;
    E2ePanel &operator=(const E2ePanel &) = delete;

    Ui_Main &window() const { return *m_window; }
    Ui_Uart_Network &page() const;
    ModalBoxDriver &boxes() { return m_boxes; }
    const TestRuntime &runtime() const { return m_runtime; }

    // Fills the device address (host, port, mask 255.0.0.0, gateway = host), leaves the
    // PC-address box to the page's own rule (filled on Connect), and clicks Connect.
    void connectTcp(quint16 port, const QString &host = QStringLiteral("127.0.0.1"));
    // Types the port name or device path into the editable port box and clicks Connect.
    void connectSerial(const QString &portOrPath);
    // Clicks the button of the open link (nothing when none is open).
    void disconnect();

    // The device was identified as the model (DeviceState) and the success mark is shown.
    bool waitForIdentification(int modelIndex, int timeoutMs = 5000) const;
    // No link (LinkMode 0), both buttons show the connect text and are enabled.
    bool linkClosed() const;
    bool waitForLinkClosed(int timeoutMs = 5000) const;
    bool waitForBoxes(int count, int timeoutMs = 5000) const;
    // The open link has nothing left to do: no command queued or awaiting its reply and every
    // received line handled (replies that queue further commands count as work). After an
    // action this is when its whole exchange with the device is over.
    bool linkIdle() const;
    bool waitForLinkIdle(int timeoutMs = 10000) const;
    // Whether the status picture is the success (true) or the failure (false) mark.
    bool showsIdentifyResult(bool ok) const;
    // Lines of the status log, without the empty last one.
    QStringList statusLines() const;

    // What the panel sends on its own after a link opened, in order, up to the end of the
    // identification: the model query, then the read-all commands of the pages in the window
    // (they depend on the model and on the link: the system page reads the settings of the
    // link in use).
    static QStringList IdentificationCommands(int modelIndex, bool serial);

private:
    TestRuntime m_runtime;
    ModalBoxDriver m_boxes;
    std::unique_ptr<Ui_Main> m_window;
};
