// Connection page: widgets, texts and the self-refreshing lists. The connect and disconnect
// branches and the services' reports are in ui_uart_network_link.cpp.
#include "ui/ui_uart_network.h"

#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/language_texts.h"
#include "link/link_context.h"
#include "ui/batched_log.h"
#include "ui/my_combo_box.h"
#include "ui/page_access_names.h"
#include "ui/picture_cache.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int GridHorizontalSpacing = 120;
constexpr int GridVerticalSpacing = 30;
constexpr int StatusImageSide = 56;
constexpr int ButtonMinHeight = 32;
constexpr int ComboMinimumCharacters = 11;
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
    auto *combo = new MyListComboBox(parent);
    // Room for the longest fixed item ("TCP-Client", "Hardware") also when the window is
    // at its smallest.
    combo->setMinimumContentsLength(ComboMinimumCharacters);
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

Ui_Uart_Network::Ui_Uart_Network(LinkController *controller, QWidget *parent)
    : QSplitter(Qt::Vertical, parent)
    , m_controller(controller)
    , m_portSource(&Ports_Present)
    , m_addressSource(&LocalIp_Present)
{
    build();
    connect(m_uartButton, &QPushButton::clicked, this,
            &Ui_Uart_Network::SLT_pushButton_UartConnect_clicked);
    connect(m_networkButton, &QPushButton::clicked, this,
            &Ui_Uart_Network::SLT_pushButton_NetworkConnect_clicked);
    connect(m_clearButton, &QPushButton::clicked, this, &Ui_Uart_Network::SLT_ClearStatus);
    connect(m_portBox, &MyComboBox::SGL_Auto_UpdateComboBox, this,
            &Ui_Uart_Network::SLT_comboBox_GetVaildSerialPort);
    connect(m_localIpBox, &MyComboBox::SGL_Auto_UpdateComboBox, this,
            &Ui_Uart_Network::SLT_comboBox_GetVaildLocalIp);
    connect(m_controller, &LinkController::stateChanged, this, &Ui_Uart_Network::showLinkState);
    Retranslate(true, false);
}

void Ui_Uart_Network::build()
{
    setObjectName(QStringLiteral("Ui_Uart_Network"));
    setContentsMargins(6, 0, 6, 0);
    setChildrenCollapsible(false);

    // Parameters above at their natural height, the status log below taking the rest. Each
    // group is built inside the widget that holds it: moved there later, all its widgets
    // would be styled once more.
    auto *top = new QWidget(this);
    auto *columns = new QHBoxLayout(top);
    columns->setContentsMargins(0, 6, 0, 6);
    columns->setSpacing(12);
    auto *left = new QVBoxLayout;
    left->addWidget(buildSerialGroup(top));
    left->addStretch(1);
    columns->addLayout(left, 1);
    auto *right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(buildNetworkGroup(top));
    right->addWidget(buildLocalGroup(top));
    right->addStretch(1);
    columns->addLayout(right, 1);

    addWidget(top);
    addWidget(buildStatusGroup());
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
}

QWidget *Ui_Uart_Network::buildSerialGroup(QWidget *holder)
{
    m_serialGroup = new QGroupBox(holder);
    QGridLayout *grid = groupGrid(m_serialGroup);
    m_portBox = addRow(grid, m_portLabel, new MyComboBox(m_serialGroup));
    // The list names only adapters that identify themselves; any other port or device path
    // (a by-id link, a pseudo-terminal) can be typed in.
    m_portBox->setEditable(true);
    m_portBox->setInsertPolicy(QComboBox::NoInsert);
    m_portBox->lineEdit()->setMaxLength(PortNameMaxLength);
    m_baudBox = addRow(grid, m_baudLabel, listCombo(m_serialGroup));
    m_dataBitBox = addRow(grid, m_dataBitLabel, listCombo(m_serialGroup));
    m_parityBox = addRow(grid, m_parityLabel, listCombo(m_serialGroup));
    m_stopBitBox = addRow(grid, m_stopBitLabel, listCombo(m_serialGroup));
    m_flowControlBox = addRow(grid, m_flowControlLabel, listCombo(m_serialGroup));
    m_uartButton = connectButton(m_serialGroup);
    grid->addWidget(m_uartButton, grid->rowCount(), 1);
    return m_serialGroup;
}

QWidget *Ui_Uart_Network::buildNetworkGroup(QWidget *holder)
{
    m_networkGroup = new QGroupBox(holder);
    QGridLayout *grid = groupGrid(m_networkGroup);
    m_protocolBox = addRow(grid, m_protocolLabel, listCombo(m_networkGroup));
    m_ipEdit = addRow(grid, m_ipLabel, addressEdit(m_networkGroup));
    m_portEdit = addRow(grid, m_portLabelTcp, addressEdit(m_networkGroup));
    m_maskEdit = addRow(grid, m_maskLabel, addressEdit(m_networkGroup));
    m_gatewayEdit = addRow(grid, m_gatewayLabel, addressEdit(m_networkGroup));
    m_networkButton = connectButton(m_networkGroup);
    grid->addWidget(m_networkButton, grid->rowCount(), 1);
    return m_networkGroup;
}

QWidget *Ui_Uart_Network::buildLocalGroup(QWidget *holder)
{
    m_localGroup = new QGroupBox(holder);
    QGridLayout *grid = groupGrid(m_localGroup);
    m_localIpBox = addRow(grid, m_localIpLabel, new MyComboBox(m_localGroup));
    m_localPortEdit = addRow(grid, m_localPortLabel, addressEdit(m_localGroup));
    return m_localGroup;
}

QWidget *Ui_Uart_Network::buildStatusGroup()
{
    m_statusGroup = new QGroupBox(this);
    auto *grid = new QGridLayout(m_statusGroup);
    grid->setHorizontalSpacing(12);
    m_statusLog = new QPlainTextEdit(m_statusGroup);
    m_statusBatch = new BatchedLog(m_statusLog, StatusLogMaxLines, this);
    m_clearButton = new QPushButton(m_statusGroup);
    m_clearButton->setMinimumHeight(ButtonMinHeight);
    m_statusImage = new QLabel(m_statusGroup);
    m_statusImage->setFixedSize(StatusImageSide, StatusImageSide);
    m_statusImage->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_statusLog, 0, 0, 3, 1);
    grid->addWidget(m_clearButton, 0, 1);
    grid->addWidget(m_statusImage, 1, 1, Qt::AlignHCenter | Qt::AlignTop);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    return m_statusGroup;
}

void Ui_Uart_Network::setPortSource(std::function<QList<SerialPortEntry>()> source)
{
    m_portSource = std::move(source);
}

void Ui_Uart_Network::setAddressSource(std::function<QList<LocalAddressEntry>()> source)
{
    m_addressSource = std::move(source);
}

void Ui_Uart_Network::connectionAppendStatus(const QString &text)
{
    m_statusBatch->append(text);
}

QPlainTextEdit *Ui_Uart_Network::statusLog() const
{
    m_statusBatch->flush();
    return m_statusLog;
}

void Ui_Uart_Network::ShowIdentifyResult(bool ok)
{
    const QString path
        = App_Path(QLatin1String(ok ? "/APP/Image/success.png" : "/APP/Image/fail.png"));
    const QPixmap picture = Picture_Get(path);
    if (picture.isNull())
        return;
    m_statusImage->setPixmap(
        picture.scaled(m_statusImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void Ui_Uart_Network::SLT_ClearStatus()
{
    m_statusBatch->discard();
    m_statusLog->clear();
}

void Ui_Uart_Network::Retranslate(bool refill, bool second)
{
    Q_UNUSED(second)
    applyLabels();
    if (refill) {
        fillFixedLists();
        m_statusBatch->discard();
        m_statusLog->clear();
        m_statusLog->setReadOnly(true);
        m_statusLog->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_statusLog->setMaximumBlockCount(StatusLogMaxLines);
        m_localIpBox->clear();
        m_localPortEdit->setEnabled(false);
        m_localPortLabel->hide();
        m_localPortEdit->hide();
        m_uartButton->setText(S_ConnectDisconnect[0]);
        m_networkButton->setText(S_ConnectDisconnect[0]);
        ShowIdentifyResult(false);
    } else {
        m_portBox->clear();
        m_portBox->addItem(SP_Name);
        const int baud = m_baudBox->findText(SP_BaudRate);
        if (baud >= 0)
            m_baudBox->setCurrentIndex(baud);
        m_uartButton->setText(S_ConnectDisconnect[LinkMode == LinkModeSerial ? 1 : 0]);
        m_networkButton->setText(S_ConnectDisconnect[LinkMode == LinkModeTcp ? 1 : 0]);
    }
    applyStoredParameters();
    Access_NameConnection(*this);
}

void Ui_Uart_Network::applyLabels()
{
    m_serialGroup->setTitle(SgroupBox_Uart);
    m_portLabel->setText(Slabel_Uart);
    m_baudLabel->setText(Slabel_Baudrate);
    m_dataBitLabel->setText(Slabel_DataBit);
    m_parityLabel->setText(Slabel_Parity);
    m_stopBitLabel->setText(Slabel_StopBit);
    m_flowControlLabel->setText(Slabel_FlowControl);
    m_networkGroup->setTitle(SgroupBox_Network);
    m_protocolLabel->setText(Slabel_Network);
    m_ipLabel->setText(Slabel_Ip);
    m_portLabelTcp->setText(Slabel_Port);
    m_maskLabel->setText(Slabel_SubMask);
    m_gatewayLabel->setText(Slabel_Gateway);
    m_localGroup->setTitle(SgroupBox_MyNetwork);
    m_localIpLabel->setText(Slabel_MyIpv4);
    m_localPortLabel->setText(Slabel_MyPort);
    m_statusGroup->setTitle(SgroupBox_Status);
    m_clearButton->setText(S_Clear);
}

// Only the port and the baud rate are the operator's choice: the device always talks
// 8 data bits, no parity, one stop bit, no flow control, and the panel is its TCP client.
void Ui_Uart_Network::fillFixedLists()
{
    fillList(m_baudBox, BaudRateList, 0, true);
    fillList(m_dataBitBox, DataBitList, 3, false);
    fillList(m_parityBox, ParityList, 0, false);
    fillList(m_stopBitBox, StopBitList, 0, false);
    fillList(m_flowControlBox, FlowControlList, 0, false);
    fillList(m_protocolBox, NetworkProtocolList, 1, false);
}

void Ui_Uart_Network::applyStoredParameters()
{
    m_ipEdit->clear();
    m_ipEdit->setText(SP_RemoteIp);
    m_portEdit->clear();
    m_portEdit->setText(SP_RemotePort);
    m_maskEdit->clear();
    m_maskEdit->setText(SP_RemoteSubmask);
    m_gatewayEdit->clear();
    m_gatewayEdit->setText(SP_RemoteGateway);
    m_localPortEdit->setText(QStringLiteral("1001"));
}

void Ui_Uart_Network::SLT_comboBox_GetVaildSerialPort()
{
    // A typed name survives the refresh when it is listed, or when there is nothing to list.
    const QString typed = m_portBox->currentText();
    const QStringList ports
        = Ports_Listed(m_portSource ? m_portSource() : QList<SerialPortEntry>());
    m_portBox->clear();
    m_portBox->addItems(ports);
    const int listed = ports.indexOf(typed);
    if (listed >= 0)
        m_portBox->setCurrentIndex(listed);
    else if (ports.isEmpty())
        m_portBox->setEditText(typed);
}

void Ui_Uart_Network::SLT_comboBox_GetVaildLocalIp()
{
    const QString deviceIp = m_ipEdit->text();
    const QString deviceMask = m_maskEdit->text();
    m_localIpBox->clear();
    const QList<LocalAddressEntry> entries
        = m_addressSource ? m_addressSource() : QList<LocalAddressEntry>();
    m_localIpBox->addItems(LocalIp_Items(entries, deviceIp, deviceMask));
}

void Ui_Uart_Network::setParametersEnabled(bool enabled)
{
    for (QWidget *widget : std::initializer_list<QWidget *> {
             m_portBox, m_baudBox, m_ipEdit, m_portEdit, m_maskEdit, m_gatewayEdit, m_localIpBox})
        widget->setEnabled(enabled);
    m_localPortEdit->setEnabled(false);
}

bool Ui_Uart_Network::event(QEvent *event)
{
    const bool handled = QSplitter::event(event);
    switch (event->type()) {
    case QEvent::LayoutRequest:
    case QEvent::Polish:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::Show:
        keepMinimumSize();
        break;
    default:
        break;
    }
    return handled;
}

void Ui_Uart_Network::keepMinimumSize()
{
    const QSize need = minimumSizeHint();
    if (minimumSize() != need)
        setMinimumSize(need);
}
