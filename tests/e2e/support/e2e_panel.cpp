#include "e2e/support/e2e_panel.h"

#include "app/app_paths.h"
#include "app/language_texts.h"
#include "link/link_context.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "support/queued_commands.h"
#include "ui/ui_main.h"
#include "ui/ui_uart_network.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
void resetLinkState()
{
    LinkMode = LinkModeNone;
    LinkSettingsQueryOnly = false;
    LinkSettings_Forget();
    DeviceState::ResetForTesting();
}
} // namespace

E2ePanel::E2ePanel()
{
    m_runtime.copyPictures();
    resetLinkState();
    m_window = std::make_unique<Ui_Main>();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("e2e: the main window was not exposed");
}

E2ePanel::~E2ePanel()
{
    disconnect();
    m_window.reset(); // the connection page stops the thread of a link still open
    resetLinkState();
}

Ui_Uart_Network &E2ePanel::page() const
{
    return *m_window->connectionPage();
}

void E2ePanel::connectTcp(quint16 port, const QString &host)
{
    Ui_Uart_Network &p = page();
    p.ipEdit()->setText(host);
    p.portEdit()->setText(QString::number(port));
    p.maskEdit()->setText(QStringLiteral("255.0.0.0"));
    p.gatewayEdit()->setText(host);
    p.localIpBox()->clear();
    QTest::mouseClick(p.networkButton(), Qt::LeftButton);
}

void E2ePanel::connectSerial(const QString &portOrPath)
{
    Ui_Uart_Network &p = page();
    QLineEdit *edit = p.portBox()->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, portOrPath);
    QTest::mouseClick(p.uartButton(), Qt::LeftButton);
}

void E2ePanel::disconnect()
{
    Ui_Uart_Network &p = page();
    if (LinkMode == LinkModeTcp && p.networkButton()->text() == S_ConnectDisconnect[1])
        QTest::mouseClick(p.networkButton(), Qt::LeftButton);
    else if (LinkMode == LinkModeSerial && p.uartButton()->text() == S_ConnectDisconnect[1])
        QTest::mouseClick(p.uartButton(), Qt::LeftButton);
}

bool E2ePanel::waitForIdentification(int modelIndex, int timeoutMs) const
{
    return QTest::qWaitFor(
        [&] {
            return DeviceState::modelIdentified && DeviceState::modelIndex == modelIndex
                && showsIdentifyResult(true);
        },
        timeoutMs);
}

bool E2ePanel::linkClosed() const
{
    const Ui_Uart_Network &p = page();
    return LinkMode == LinkModeNone && p.uartButton()->text() == S_ConnectDisconnect[0]
        && p.networkButton()->text() == S_ConnectDisconnect[0] && p.uartButton()->isEnabled()
        && p.networkButton()->isEnabled();
}

bool E2ePanel::linkIdle() const
{
    return ActiveLinkIdle();
}

bool E2ePanel::waitForLinkIdle(int timeoutMs) const
{
    // Idle on two polls in a row: a reply handled between them may have queued more.
    int idlePolls = 0;
    return QTest::qWaitFor([&] { return linkIdle() ? ++idlePolls >= 2 : (idlePolls = 0) > 0; },
                           timeoutMs);
}

bool E2ePanel::waitForLinkClosed(int timeoutMs) const
{
    return QTest::qWaitFor([&] { return linkClosed(); }, timeoutMs);
}

bool E2ePanel::waitForBoxes(int count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return m_boxes.count() >= count; }, timeoutMs);
}

bool E2ePanel::showsIdentifyResult(bool ok) const
{
    const QLabel *label = page().statusImage();
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    const QPixmap mark(
        App_Path(QLatin1String(ok ? "/APP/Image/success.png" : "/APP/Image/fail.png")));
    if (shown.isNull() || mark.isNull())
        return false;
    const QImage expected
        = mark.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage();
    return shown.toImage() == expected;
}

QStringList E2ePanel::statusLines() const
{
    QStringList lines = page().statusLog()->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList E2ePanel::IdentificationCommands(int modelIndex, bool serial)
{
    QStringList commands {QStringLiteral("GET MODEL TYPE")};
    // Output page.
    commands << "GET OUT RESOLUTION"
             << "GET OUT HDCP"
             << "GET OUT VKA"
             << "GET OUT ITC";
    if (modelIndex != 1) // a Corvo has no 4K AUTO
        commands << "GET OUT 4K-AUTO";
    // Multiview page.
    commands << "GET MULTIVIEW-SYNC";
    // Audio page.
    commands << "GET AUDIO SOURCE"
             << "GET AUDIO VOL"
             << "GET AUDIO-MUTE";
    if (modelIndex == 3) // the Tessin's main audio switch and microphones
        commands << "GET MAIN-AUDIO ONOFF"
                 << "GET MIC1 ONOFF"
                 << "GET MIC1 VOL"
                 << "GET MIC2 ONOFF"
                 << "GET MIC2 VOL";
    // System page: the EDID choice and the settings of the link in use.
    commands << "GET IN EDIDMODE" << (serial ? "GET BAUDRATE" : "GET NETWORK-INFO");
    return commands;
}
