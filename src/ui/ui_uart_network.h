// The connection page: RS-232 or TCP parameters, the two connect buttons, and the status log
// that the reply dispatcher writes its synchronisation lines into. It starts and stops the
// link services' worker threads and sets LinkMode; the services themselves are reached only
// through queued signals.
#pragma once

#include "ui/link_choices.h"
#include "ui/my_combo_box.h"

#include <QSplitter>
#include <QString>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QThread;

// Longest wait for a worker thread when a link closes. A thread inside a blocking reconnect
// (up to 1 s) or the send pause still finishes well within it.
constexpr unsigned long LinkStopWaitMs = 2000;

// Most lines the status log keeps; older ones drop off the top.
constexpr int StatusLogMaxLines = 400;

class Ui_Uart_Network : public QSplitter
{
    Q_OBJECT

public:
    explicit Ui_Uart_Network(QWidget *parent = nullptr);
    ~Ui_Uart_Network() override;

    // Appends one line to the status log.
    void AppendStatus(const QString &text);
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

    MyComboBox *portBox() const { return portBox_; }
    QComboBox *baudBox() const { return baudBox_; }
    QComboBox *dataBitBox() const { return dataBitBox_; }
    QComboBox *parityBox() const { return parityBox_; }
    QComboBox *stopBitBox() const { return stopBitBox_; }
    QComboBox *flowControlBox() const { return flowControlBox_; }
    QPushButton *uartButton() const { return uartButton_; }
    QComboBox *protocolBox() const { return protocolBox_; }
    QLineEdit *ipEdit() const { return ipEdit_; }
    QLineEdit *portEdit() const { return portEdit_; }
    QLineEdit *maskEdit() const { return maskEdit_; }
    QLineEdit *gatewayEdit() const { return gatewayEdit_; }
    QPushButton *networkButton() const { return networkButton_; }
    MyComboBox *localIpBox() const { return localIpBox_; }
    QLineEdit *localPortEdit() const { return localPortEdit_; }
    QPlainTextEdit *statusLog() const { return statusLog_; }
    QPushButton *clearButton() const { return clearButton_; }
    QLabel *statusImage() const { return statusImage_; }

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
    void SLT_ConnectStatus_SerialPort(bool status, int ErrorCode);
    void SLT_ConnectStatus_TcpClient(bool status, int ErrorCode);
    void SLT_ReConnectStatus_TcpClient(bool ok);
    void SLT_ClearStatus();

private:
    void build();
    QWidget *buildSerialGroup();
    QWidget *buildNetworkGroup();
    QWidget *buildLocalGroup();
    QWidget *buildStatusGroup();
    void wireServices();
    void applyLabels();
    void fillFixedLists();
    void applyStoredParameters();

    // The operator's parameter widgets of both links (the fixed serial values and the
    // protocol stay disabled whatever the link does).
    void setParametersEnabled(bool enabled);
    // The common disconnect branch: stop the thread, no link, buttons back.
    void closeLink(QThread *thread, QPushButton *own, QPushButton *other);
    // Runs the checks and starts the TCP link; false (with the message shown) when it cannot.
    bool openNetworkLink();
    // The failure branch of a connect status report.
    void connectFailed(QPushButton *own, QPushButton *other, const QString &message);
    // Whether the button's link is open. Kept beside the button's text so that a language
    // file giving both button texts the same words cannot lock a link open.
    bool &linkOpen(const QPushButton *button);

    bool uartOpen_ = false;
    bool networkOpen_ = false;
    std::function<QList<SerialPortEntry>()> portSource_;
    std::function<QList<LocalAddressEntry>()> addressSource_;

    QGroupBox *serialGroup_ = nullptr;
    QLabel *portLabel_ = nullptr;
    MyComboBox *portBox_ = nullptr;
    QLabel *baudLabel_ = nullptr;
    QComboBox *baudBox_ = nullptr;
    QLabel *dataBitLabel_ = nullptr;
    QComboBox *dataBitBox_ = nullptr;
    QLabel *parityLabel_ = nullptr;
    QComboBox *parityBox_ = nullptr;
    QLabel *stopBitLabel_ = nullptr;
    QComboBox *stopBitBox_ = nullptr;
    QLabel *flowControlLabel_ = nullptr;
    QComboBox *flowControlBox_ = nullptr;
    QPushButton *uartButton_ = nullptr;

    QGroupBox *networkGroup_ = nullptr;
    QLabel *protocolLabel_ = nullptr;
    QComboBox *protocolBox_ = nullptr;
    QLabel *ipLabel_ = nullptr;
    QLineEdit *ipEdit_ = nullptr;
    QLabel *portLabelTcp_ = nullptr;
    QLineEdit *portEdit_ = nullptr;
    QLabel *maskLabel_ = nullptr;
    QLineEdit *maskEdit_ = nullptr;
    QLabel *gatewayLabel_ = nullptr;
    QLineEdit *gatewayEdit_ = nullptr;
    QPushButton *networkButton_ = nullptr;

    QGroupBox *localGroup_ = nullptr;
    QLabel *localIpLabel_ = nullptr;
    MyComboBox *localIpBox_ = nullptr;
    QLabel *localPortLabel_ = nullptr;
    QLineEdit *localPortEdit_ = nullptr;

    QGroupBox *statusGroup_ = nullptr;
    QPlainTextEdit *statusLog_ = nullptr;
    QPushButton *clearButton_ = nullptr;
    QLabel *statusImage_ = nullptr;
};
