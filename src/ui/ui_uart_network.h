// The connection page: RS-232 or TCP parameters, the two connect buttons, and the status log
// that the reply dispatcher writes its synchronisation lines into. A view over the link
// controller: its buttons ask the controller to open or close a link, and its button texts,
// enabled states and identification mark follow the controller's state.
#pragma once

#include "link/link_choices.h"
#include "link/link_controller.h"
#include "state/reply_sinks.h"
#include "ui/my_combo_box.h"

#include <QSplitter>
#include <QString>

#include <functional>

class BatchedLog;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Most lines the status log keeps; older ones drop off the top.
constexpr int StatusLogMaxLines = 400;

class Ui_Uart_Network : public QSplitter, public StatusLogSink
{
    Q_OBJECT

public:
    explicit Ui_Uart_Network(LinkController *controller, QWidget *parent = nullptr);

    // StatusLogSink: appends one line to the status log.
    void connectionAppendStatus(const QString &text) override;
    // Closes the active link by clicking its button (which then shows the disconnect text).
    void PressActiveConnectButton();
    // Success or failure mark in the status group (kept when the picture file is missing).
    void ShowIdentifyResult(bool ok);
    // Re-applies the texts and the stored parameters; `refill` (first build only) also fills
    // the fixed lists and resets the log and the buttons. The second flag is not used here.
    void Retranslate(bool refill, bool second);

    // Where the port and PC-address lists come from: the PC itself unless a test says
    // otherwise.
    void setPortSource(std::function<QList<SerialPortEntry>()> source);
    void setAddressSource(std::function<QList<LocalAddressEntry>()> source);

    MyComboBox *portBox() const { return m_portBox; }
    QComboBox *baudBox() const { return m_baudBox; }
    QComboBox *dataBitBox() const { return m_dataBitBox; }
    QComboBox *parityBox() const { return m_parityBox; }
    QComboBox *stopBitBox() const { return m_stopBitBox; }
    QComboBox *flowControlBox() const { return m_flowControlBox; }
    QPushButton *uartButton() const { return m_uartButton; }
    QComboBox *protocolBox() const { return m_protocolBox; }
    QLineEdit *ipEdit() const { return m_ipEdit; }
    QLineEdit *portEdit() const { return m_portEdit; }
    QLineEdit *maskEdit() const { return m_maskEdit; }
    QLineEdit *gatewayEdit() const { return m_gatewayEdit; }
    QPushButton *networkButton() const { return m_networkButton; }
    MyComboBox *localIpBox() const { return m_localIpBox; }
    QLineEdit *localPortEdit() const { return m_localPortEdit; }
    // Pending status lines are put in before the log is handed out.
    QPlainTextEdit *statusLog() const;
    QPushButton *clearButton() const { return m_clearButton; }
    QLabel *statusImage() const { return m_statusImage; }

signals:
    void SGL_PretendConnect_SerialPort(const QString &MyPortName, const QString &MyBaudRate,
                                       const QString &MyDataBit, const QString &MyParity,
                                       const QString &MyStopBit, const QString &MyFlowControl);
    void SGL_PretendConnect_TcpClient(const QString &LocalIp, const QString &RemoteIp,
                                      const QString &RemotePort);
    void SGL_UpdateEmit();

public slots:
    void SLT_pushButton_UartConnect_clicked();
    void SLT_pushButton_NetworkConnect_clicked();
    void SLT_comboBox_GetVaildSerialPort();
    void SLT_comboBox_GetVaildLocalIp();
    void SLT_ClearStatus();

protected:
    // Keeps the page's minimum size at what its texts need (see keepMinimumSize).
    bool event(QEvent *event) override;

private:
    // Never squeezed below what its texts need: a window smaller than that clips the page at
    // its edge instead of cutting every caption. The need changes with texts and the style.
    void keepMinimumSize();
    void build();
    QWidget *buildSerialGroup(QWidget *holder);
    QWidget *buildNetworkGroup(QWidget *holder);
    QWidget *buildLocalGroup(QWidget *holder);
    QWidget *buildStatusGroup();
    void applyLabels();
    void fillFixedLists();
    void applyStoredParameters();

    // The operator's parameter widgets of both links (the fixed serial values and the
    // protocol stay disabled whatever the link does).
    void setParametersEnabled(bool enabled);
    // Runs the checks and asks for the TCP link (the message is shown when it cannot).
    void openNetworkLink();
    // Buttons, parameter widgets and the identification mark for the controller's state.
    // Whether a link is open is the controller's to say, never the button's text, so that a
    // language file giving both button texts the same words cannot lock a link open.
    void showLinkState(LinkController::State state);

    LinkController *m_controller;
    std::function<QList<SerialPortEntry>()> m_portSource;
    std::function<QList<LocalAddressEntry>()> m_addressSource;

    QGroupBox *m_serialGroup = nullptr;
    QLabel *m_portLabel = nullptr;
    MyComboBox *m_portBox = nullptr;
    QLabel *m_baudLabel = nullptr;
    QComboBox *m_baudBox = nullptr;
    QLabel *m_dataBitLabel = nullptr;
    QComboBox *m_dataBitBox = nullptr;
    QLabel *m_parityLabel = nullptr;
    QComboBox *m_parityBox = nullptr;
    QLabel *m_stopBitLabel = nullptr;
    QComboBox *m_stopBitBox = nullptr;
    QLabel *m_flowControlLabel = nullptr;
    QComboBox *m_flowControlBox = nullptr;
    QPushButton *m_uartButton = nullptr;

    QGroupBox *m_networkGroup = nullptr;
    QLabel *m_protocolLabel = nullptr;
    QComboBox *m_protocolBox = nullptr;
    QLabel *m_ipLabel = nullptr;
    QLineEdit *m_ipEdit = nullptr;
    QLabel *m_portLabelTcp = nullptr;
    QLineEdit *m_portEdit = nullptr;
    QLabel *m_maskLabel = nullptr;
    QLineEdit *m_maskEdit = nullptr;
    QLabel *m_gatewayLabel = nullptr;
    QLineEdit *m_gatewayEdit = nullptr;
    QPushButton *m_networkButton = nullptr;

    QGroupBox *m_localGroup = nullptr;
    QLabel *m_localIpLabel = nullptr;
    MyComboBox *m_localIpBox = nullptr;
    QLabel *m_localPortLabel = nullptr;
    QLineEdit *m_localPortEdit = nullptr;

    QGroupBox *m_statusGroup = nullptr;
    QPlainTextEdit *m_statusLog = nullptr;
    BatchedLog *m_statusBatch = nullptr; // appends to m_statusLog in batches
    QPushButton *m_clearButton = nullptr;
    QLabel *m_statusImage = nullptr;
};
