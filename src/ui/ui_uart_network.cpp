// Connection page: widgets, texts and the self-refreshing lists. The connect and disconnect
// branches and the services' reports are in ui_uart_network_link.cpp.
#include "ui/ui_uart_network.h"

#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/language_texts.h"
#include "link/link_context.h"
#include "ui/my_combo_box.h"
#include "ui/png_resave.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int GridHorizontalSpacing = 120;
constexpr int GridVerticalSpacing = 30;
constexpr int StatusImageSide = 56;
constexpr int ButtonMinHeight = 32;
// Longest address, port or name the operator can type into an edit.
constexpr int AddressMaxLength = 64;

QGridLayout *groupGrid(QGroupBox *group)
{
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(GridHorizontalSpacing);
    grid->setVerticalSpacing(GridVerticalSpacing);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

template <class Widget>
Widget *addRow(QGridLayout *grid, QLabel *&label, Widget *widget)
{
    const int row = grid->rowCount();
    label = new QLabel(grid->parentWidget());
    grid->addWidget(label, row, 0);
    grid->addWidget(widget, row, 1);
    return widget;
}

QComboBox *listCombo(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setView(new QListView(combo));
    return combo;
}

QLineEdit *addressEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(AddressMaxLength);
    return edit;
}

QPushButton *connectButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setMinimumHeight(ButtonMinHeight);
    return button;
}

void fillList(QComboBox *combo, const QStringList &items, int index, bool enabled)
{
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(index);
    combo->setEnabled(enabled);
}
} // namespace

Ui_Uart_Network::Ui_Uart_Network(QWidget *parent)
    : QSplitter(Qt::Vertical, parent)
    , portSource_(&Ports_Present)
    , addressSource_(&LocalIp_Present)
{
    build();
    connect(uartButton_, &QPushButton::clicked, this,
            &Ui_Uart_Network::SLT_pushButton_UartConnect_clicked);
    connect(networkButton_, &QPushButton::clicked, this,
            &Ui_Uart_Network::SLT_pushButton_NetworkConnect_clicked);
    connect(clearButton_, &QPushButton::clicked, this, &Ui_Uart_Network::SLT_ClearStatus);
    connect(portBox_, &MyComboBox::SGL_Auto_UpdateComboBox, this,
            &Ui_Uart_Network::SLT_comboBox_GetVaildSerialPort);
    connect(localIpBox_, &MyComboBox::SGL_Auto_UpdateComboBox, this,
            &Ui_Uart_Network::SLT_comboBox_GetVaildLocalIp);
    wireServices();
    Retranslate(true, false);
}

void Ui_Uart_Network::build()
{
    setObjectName(QStringLiteral("Ui_Uart_Network"));
    setContentsMargins(6, 0, 6, 0);
    setChildrenCollapsible(false);

    // Parameters above at their natural height, the status log below taking the rest.
    auto *top = new QWidget(this);
    auto *columns = new QHBoxLayout(top);
    columns->setContentsMargins(0, 6, 0, 6);
    columns->setSpacing(12);
    auto *left = new QVBoxLayout;
    left->addWidget(buildSerialGroup());
    left->addStretch(1);
    columns->addLayout(left, 1);
    auto *right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(buildNetworkGroup());
    right->addWidget(buildLocalGroup());
    right->addStretch(1);
    columns->addLayout(right, 1);

    addWidget(top);
    addWidget(buildStatusGroup());
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
}

QWidget *Ui_Uart_Network::buildSerialGroup()
{
    serialGroup_ = new QGroupBox(this);
    QGridLayout *grid = groupGrid(serialGroup_);
    portBox_ = addRow(grid, portLabel_, new MyComboBox(serialGroup_));
    // The list names only adapters that identify themselves; any other port or device path
    // (a by-id link, a pseudo-terminal) can be typed in.
    portBox_->setEditable(true);
    portBox_->setInsertPolicy(QComboBox::NoInsert);
    portBox_->lineEdit()->setMaxLength(PortNameMaxLength);
    baudBox_ = addRow(grid, baudLabel_, listCombo(serialGroup_));
    dataBitBox_ = addRow(grid, dataBitLabel_, listCombo(serialGroup_));
    parityBox_ = addRow(grid, parityLabel_, listCombo(serialGroup_));
    stopBitBox_ = addRow(grid, stopBitLabel_, listCombo(serialGroup_));
    flowControlBox_ = addRow(grid, flowControlLabel_, listCombo(serialGroup_));
    uartButton_ = connectButton(serialGroup_);
    grid->addWidget(uartButton_, grid->rowCount(), 1);
    return serialGroup_;
}

QWidget *Ui_Uart_Network::buildNetworkGroup()
{
    networkGroup_ = new QGroupBox(this);
    QGridLayout *grid = groupGrid(networkGroup_);
    protocolBox_ = addRow(grid, protocolLabel_, listCombo(networkGroup_));
    ipEdit_ = addRow(grid, ipLabel_, addressEdit(networkGroup_));
    portEdit_ = addRow(grid, portLabelTcp_, addressEdit(networkGroup_));
    maskEdit_ = addRow(grid, maskLabel_, addressEdit(networkGroup_));
    gatewayEdit_ = addRow(grid, gatewayLabel_, addressEdit(networkGroup_));
    networkButton_ = connectButton(networkGroup_);
    grid->addWidget(networkButton_, grid->rowCount(), 1);
    return networkGroup_;
}

QWidget *Ui_Uart_Network::buildLocalGroup()
{
    localGroup_ = new QGroupBox(this);
    QGridLayout *grid = groupGrid(localGroup_);
    localIpBox_ = addRow(grid, localIpLabel_, new MyComboBox(localGroup_));
    localPortEdit_ = addRow(grid, localPortLabel_, addressEdit(localGroup_));
    return localGroup_;
}

QWidget *Ui_Uart_Network::buildStatusGroup()
{
    statusGroup_ = new QGroupBox(this);
    auto *grid = new QGridLayout(statusGroup_);
    grid->setHorizontalSpacing(12);
    statusLog_ = new QPlainTextEdit(statusGroup_);
    clearButton_ = new QPushButton(statusGroup_);
    clearButton_->setMinimumHeight(ButtonMinHeight);
    statusImage_ = new QLabel(statusGroup_);
    statusImage_->setFixedSize(StatusImageSide, StatusImageSide);
    statusImage_->setAlignment(Qt::AlignCenter);
    grid->addWidget(statusLog_, 0, 0, 3, 1);
    grid->addWidget(clearButton_, 0, 1);
    grid->addWidget(statusImage_, 1, 1, Qt::AlignHCenter | Qt::AlignTop);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    return statusGroup_;
}

void Ui_Uart_Network::setPortSource(std::function<QList<SerialPortEntry>()> source)
{
    portSource_ = std::move(source);
}

void Ui_Uart_Network::setAddressSource(std::function<QList<LocalAddressEntry>()> source)
{
    addressSource_ = std::move(source);
}

void Ui_Uart_Network::AppendStatus(const QString &text)
{
    statusLog_->moveCursor(QTextCursor::End);
    statusLog_->insertPlainText(text + QLatin1String("\r\n"));
}

void Ui_Uart_Network::ShowIdentifyResult(bool ok)
{
    const QString path
        = App_Path(QLatin1String(ok ? "/APP/Image/success.png" : "/APP/Image/fail.png"));
    if (!QFile::exists(path))
        return;
    Png_Resave(path);
    const QPixmap picture(path);
    if (picture.isNull())
        return;
    statusImage_->setPixmap(
        picture.scaled(statusImage_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void Ui_Uart_Network::SLT_ClearStatus()
{
    statusLog_->clear();
}

void Ui_Uart_Network::Retranslate(bool refill, bool second)
{
    Q_UNUSED(second)
    applyLabels();
    if (refill) {
        fillFixedLists();
        statusLog_->clear();
        statusLog_->setReadOnly(true);
        statusLog_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        statusLog_->setMaximumBlockCount(StatusLogMaxLines);
        localIpBox_->clear();
        localPortEdit_->setEnabled(false);
        localPortLabel_->hide();
        localPortEdit_->hide();
        uartButton_->setText(S_ConnectDisconnect[0]);
        networkButton_->setText(S_ConnectDisconnect[0]);
        uartOpen_ = false;
        networkOpen_ = false;
        ShowIdentifyResult(false);
    } else {
        portBox_->clear();
        portBox_->addItem(SP_Name);
        const int baud = baudBox_->findText(SP_BaudRate);
        if (baud >= 0)
            baudBox_->setCurrentIndex(baud);
        uartButton_->setText(S_ConnectDisconnect[LinkMode == LinkModeSerial ? 1 : 0]);
        networkButton_->setText(S_ConnectDisconnect[LinkMode == LinkModeTcp ? 1 : 0]);
    }
    applyStoredParameters();
}

void Ui_Uart_Network::applyLabels()
{
    serialGroup_->setTitle(SgroupBox_Uart);
    portLabel_->setText(Slabel_Uart);
    baudLabel_->setText(Slabel_Baudrate);
    dataBitLabel_->setText(Slabel_DataBit);
    parityLabel_->setText(Slabel_Parity);
    stopBitLabel_->setText(Slabel_StopBit);
    flowControlLabel_->setText(Slabel_FlowControl);
    networkGroup_->setTitle(SgroupBox_Network);
    protocolLabel_->setText(Slabel_Network);
    ipLabel_->setText(Slabel_Ip);
    portLabelTcp_->setText(Slabel_Port);
    maskLabel_->setText(Slabel_SubMask);
    gatewayLabel_->setText(Slabel_Gateway);
    localGroup_->setTitle(SgroupBox_MyNetwork);
    localIpLabel_->setText(Slabel_MyIpv4);
    localPortLabel_->setText(Slabel_MyPort);
    statusGroup_->setTitle(SgroupBox_Status);
    clearButton_->setText(S_Clear);
}

// Only the port and the baud rate are the operator's choice: the device always talks
// 8 data bits, no parity, one stop bit, no flow control, and the panel is its TCP client.
void Ui_Uart_Network::fillFixedLists()
{
    fillList(baudBox_, BaudRateList, 0, true);
    fillList(dataBitBox_, DataBitList, 3, false);
    fillList(parityBox_, ParityList, 0, false);
    fillList(stopBitBox_, StopBitList, 0, false);
    fillList(flowControlBox_, FlowControlList, 0, false);
    fillList(protocolBox_, NetworkProtocolList, 1, false);
}

void Ui_Uart_Network::applyStoredParameters()
{
    ipEdit_->clear();
    ipEdit_->setText(SP_RemoteIp);
    portEdit_->clear();
    portEdit_->setText(SP_RemotePort);
    maskEdit_->clear();
    maskEdit_->setText(SP_RemoteSubmask);
    gatewayEdit_->clear();
    gatewayEdit_->setText(SP_RemoteGateway);
    localPortEdit_->setText(QStringLiteral("1001"));
}

void Ui_Uart_Network::SLT_comboBox_GetVaildSerialPort()
{
    // A typed name survives the refresh when it is listed, or when there is nothing to list.
    const QString typed = portBox_->currentText();
    const QStringList ports = Ports_Listed(portSource_ ? portSource_() : QList<SerialPortEntry>());
    portBox_->clear();
    portBox_->addItems(ports);
    const int listed = ports.indexOf(typed);
    if (listed >= 0)
        portBox_->setCurrentIndex(listed);
    else if (ports.isEmpty())
        portBox_->setEditText(typed);
}

void Ui_Uart_Network::SLT_comboBox_GetVaildLocalIp()
{
    const QString deviceIp = ipEdit_->text();
    const QString deviceMask = maskEdit_->text();
    localIpBox_->clear();
    const QList<LocalAddressEntry> entries
        = addressSource_ ? addressSource_() : QList<LocalAddressEntry>();
    localIpBox_->addItems(LocalIp_Items(entries, deviceIp, deviceMask));
}

bool &Ui_Uart_Network::linkOpen(const QPushButton *button)
{
    return button == uartButton_ ? uartOpen_ : networkOpen_;
}

void Ui_Uart_Network::setParametersEnabled(bool enabled)
{
    for (QWidget *widget : std::initializer_list<QWidget *> {portBox_, baudBox_, ipEdit_, portEdit_,
                                                             maskEdit_, gatewayEdit_, localIpBox_})
        widget->setEnabled(enabled);
    localPortEdit_->setEnabled(false);
}
