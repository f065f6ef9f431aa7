#include "ui/ui_system.h"

#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/net_check.h"
#include "link/command_catalogue.h"
#include "link/link_context.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "state/vocabulary.h"
#include "ui/message_box.h"
#include "ui/my_ui_layout.h"
#include "ui/page_widgets.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>

namespace {
constexpr int Margin = 4;
constexpr int AreaGap = 10;
constexpr int RowHeight = 26;
const QSize EdidAreaSize(860, 124);
const QSize CommunicationAreaSize(742, 154);
constexpr int ReadAllGap = 11;
constexpr int ReadAllWidth = 100;
constexpr int LabelWidth = 124;
constexpr int FieldX = 140;
constexpr int ComboWidth = 150;
constexpr int EdidRow[] = {14, 49, 84};
constexpr int NetworkRow[] = {12, 46, 80, 114};
constexpr int CutLineWidth = 2;

// Firmware processors per model, as indexes of the four firmware names (Main, Sub, Expand,
// KeyBoard); also the kind passed to CmdGetVersion.
const QVector<int> FirmwareKinds[ModelCount] = {
    {0, 1, 2}, // Halden
    {0, 1}, // Corvo
    {0, 1, 2, 3}, // Marlet
    {0, 1, 3}, // Tessin
    {0, 1}, // Brimo
};
// Models whose device has no network port of its own.
constexpr bool HasNetwork[ModelCount] = {true, false, true, true, false};

QString chooseWithDialog(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}
} // namespace

Ui_System::Ui_System(QWidget *parent)
    : QWidget(parent)
    , chooser_(chooseWithDialog)
{
    build();
    RefreshTexts(true, false);
    connectControls();
}

void Ui_System::build()
{
    buildEdidArea();
    buildCommunicationArea();
    const int y = communicationArea_->geometry().bottom() + 1 + ReadAllGap;
    readAllButton_ = Page_Place(Page_Button(this, QStringLiteral("System-ReadAll")), Margin, y,
                                ReadAllWidth, RowHeight);
}

void Ui_System::buildEdidArea()
{
    edidArea_ = new MyUiLayout(this);
    edidArea_->setObjectName(QStringLiteral("System-Edid"));
    edidArea_->setGeometry(QRect(QPoint(Margin, Margin), EdidAreaSize));
    auto label = [this](int row) {
        return Page_Place(new QLabel(edidArea_), 10, EdidRow[row], LabelWidth, RowHeight);
    };

    edidLabel_ = label(0);
    edidCombo_ = Page_Place(Page_Combo(edidArea_, QStringLiteral("System-EdidSelect")), FieldX,
                            EdidRow[0], ComboWidth, RowHeight);
    resetLabel_ = Page_Place(new QLabel(edidArea_), 320, EdidRow[0], 60, RowHeight);
    resetButton_ = Page_Place(Page_Button(edidArea_, QStringLiteral("System-Reset")), 380,
                              EdidRow[0], 110, RowHeight);

    firmwareLabel_ = label(1);
    firmwareCombo_ = Page_Place(Page_Combo(edidArea_, QStringLiteral("System-Firmware")), FieldX,
                                EdidRow[1], ComboWidth, RowHeight);
    versionEdit_ = Page_Place(Page_Edit(edidArea_, QStringLiteral("System-Version")), 300,
                              EdidRow[1], 300, RowHeight);
    versionEdit_->setReadOnly(true);

    userEdidLabel_ = label(2);
    loadButton_ = Page_Place(Page_Button(edidArea_, QStringLiteral("System-EdidLoad")), FieldX,
                             EdidRow[2], ComboWidth, RowHeight);
    pathEdit_ = Page_Place(Page_Edit(edidArea_, QStringLiteral("System-EdidPath")), 300, EdidRow[2],
                           434, RowHeight);
    pathEdit_->setReadOnly(true);
    edidWriteButton_ = Page_Place(Page_Button(edidArea_, QStringLiteral("System-EdidWrite")), 746,
                                  EdidRow[2], 100, RowHeight);
}

void Ui_System::buildCommunicationArea()
{
    communicationArea_ = new MyUiLayout(this);
    communicationArea_->setObjectName(QStringLiteral("System-Communication"));
    const int top = edidArea_->geometry().bottom() + 1 + AreaGap;
    communicationArea_->setGeometry(QRect(QPoint(Margin, top), CommunicationAreaSize));
    QWidget *area = communicationArea_;

    baudLabel_ = Page_Place(new QLabel(area), 14, 20, 90, RowHeight);
    baudCombo_ = Page_Place(Page_Combo(area, QStringLiteral("System-Baudrate")), 104, 20,
                            ComboWidth, RowHeight);
    rs232ReadButton_
        = Page_Place(Page_Button(area, QStringLiteral("System-RS232Read")), 104, 60, 72, RowHeight);
    rs232WriteButton_ = Page_Place(Page_Button(area, QStringLiteral("System-RS232Write")), 182, 60,
                                   72, RowHeight);

    // The style sheet can address the separator by its name.
    cutLine_ = new QFrame(area);
    cutLine_->setObjectName(QStringLiteral("Communication_CutLine"));
    cutLine_->setFrameShape(QFrame::VLine);
    cutLine_->setFrameShadow(QFrame::Sunken);
    cutLine_->setGeometry((CommunicationAreaSize.width() - CutLineWidth) / 2, 0, CutLineWidth,
                          CommunicationAreaSize.height());

    static const char *const EditNames[4] = {"System-NetworkIp", "System-NetworkPort",
                                             "System-NetworkSubmask", "System-NetworkGateway"};
    for (int i = 0; i < 4; ++i) {
        networkLabels_[i] = Page_Place(new QLabel(area), 386, NetworkRow[i], 80, RowHeight);
        networkEdits_[i] = Page_Place(Page_Edit(area, QLatin1String(EditNames[i])), 466,
                                      NetworkRow[i], 160, RowHeight);
    }
    networkReadButton_ = Page_Place(Page_Button(area, QStringLiteral("System-NetworkRead")), 640,
                                    NetworkRow[0], 88, RowHeight);
    networkWriteButton_ = Page_Place(Page_Button(area, QStringLiteral("System-NetworkWrite")), 640,
                                     NetworkRow[1], 88, RowHeight);
}

void Ui_System::connectControls()
{
    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(edidCombo_, activated, this, &Ui_System::SLT_SetEdidSelect);
    connect(firmwareCombo_, activated, this, &Ui_System::SLT_GetFirmwareVersion);
    connect(resetButton_, &QPushButton::clicked, this, &Ui_System::SLT_SetResetDevice);
    connect(loadButton_, &QPushButton::clicked, this, &Ui_System::SLT_GetUserEdidFile);
    connect(edidWriteButton_, &QPushButton::clicked, this, &Ui_System::SLT_SetUserEdid);
    connect(networkWriteButton_, &QPushButton::clicked, this, &Ui_System::SLT_Network_Write);
    connect(networkReadButton_, &QPushButton::clicked, this, &Ui_System::SLT_Network_Read);
    connect(rs232WriteButton_, &QPushButton::clicked, this, &Ui_System::SLT_RS232_Write);
    connect(rs232ReadButton_, &QPushButton::clicked, this, &Ui_System::SLT_RS232_Read);
    connect(readAllButton_, &QPushButton::clicked, this, &Ui_System::SLT_ReadInfo_ALL);
}

void Ui_System::RefreshTexts(bool first, bool readAll)
{
    if (first) {
        edidCombo_->clear();
        edidCombo_->addItems(EdidSelectList);
        baudCombo_->clear();
        baudCombo_->addItems(BaudRateList);
        versionEdit_->clear();
        pathEdit_->clear();
        versionEdit_->setFocusPolicy(Qt::NoFocus);
        pathEdit_->setFocusPolicy(Qt::NoFocus);
    }
    edidLabel_->setText(Slabel_EdidSelect);
    resetLabel_->setText(Slabel_Reset);
    resetButton_->setText(S_ResetDevice);
    firmwareLabel_->setText(Slabel_FirmwareVersion);
    userEdidLabel_->setText(Slabel_UserEdid);
    loadButton_->setText(SpushButton_Load);
    edidWriteButton_->setText(S_ReadWrite[1]);
    baudLabel_->setText(Slabel_Baudrate);
    rs232ReadButton_->setText(S_ReadWrite[0]);
    rs232WriteButton_->setText(S_ReadWrite[1]);
    const QString *labels[4] = {&Slabel_Ip, &Slabel_Port, &Slabel_SubMask, &Slabel_Gateway};
    const QString *values[4] = {&SP_RemoteIp, &SP_RemotePort, &SP_RemoteSubmask, &SP_RemoteGateway};
    for (int i = 0; i < 4; ++i) {
        networkLabels_[i]->setText(*labels[i]);
        Page_ShowText(networkEdits_[i], *values[i]);
    }
    networkReadButton_->setText(S_ReadWrite[0]);
    networkWriteButton_->setText(S_ReadWrite[1]);
    readAllButton_->setText(S_ReadWrite[0]);

    const int baud = BaudRateList.indexOf(SP_BaudRate);
    if (baud >= 0)
        baudCombo_->setCurrentIndex(baud);

    ApplyModel();
    if (readAll)
        PressReadAll();
}

void Ui_System::ApplyModel()
{
    const quint8 model = DeviceState::modelIndex;
    if (model >= ModelCount)
        return;
    QStringList names;
    for (int kind : FirmwareKinds[model])
        names << ScomboBox_FirmwareVersion[kind];
    Page_RefillCombo(firmwareCombo_, names);

    const bool network = HasNetwork[model];
    for (int i = 0; i < 4; ++i) {
        networkLabels_[i]->setVisible(network);
        networkEdits_[i]->setVisible(network);
    }
    networkReadButton_->setVisible(network);
    networkWriteButton_->setVisible(network);
}

void Ui_System::PressReadAll()
{
    readAllButton_->click();
}

void Ui_System::SetEdidSelection(int index)
{
    Page_SetComboIndex(edidCombo_, index);
}

void Ui_System::SetVersionText(const QString &text)
{
    Page_ShowText(versionEdit_, text);
}

// Boxes that answer a device reply wait for one another instead of nesting.
void Ui_System::UserEdidWritten()
{
    MessageBox_InfoSerial(SMSG_EdidWriteOk, this);
}

void Ui_System::showReconnectNotice()
{
    // A reply to a write means the device now listens with other settings than this link.
    if (!LinkSettingsQueryOnly)
        MessageBox_InfoSerial(SMSG_SyncConfigInfo + QStringLiteral("\r\n") + SMSG_ReConnect, this);
}

void Ui_System::SetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                               const QString &gateway)
{
    // These become the panel's own connection settings (and are saved): a reply that the
    // operator could not have typed is dropped like a baud rate the panel does not offer.
    if (!Net_CheckParams(ip, port, mask, gateway))
        return;
    SP_RemoteIp = ip;
    SP_RemotePort = port;
    SP_RemoteSubmask = mask;
    SP_RemoteGateway = gateway;
    showReconnectNotice();
    emit SGL_SyncSerialPortNetworkInfo();
}

void Ui_System::SetBaudRate(qint32 baudRate)
{
    const int entry = BaudRateList.indexOf(QString::number(baudRate));
    if (entry < 0)
        return; // not a rate this panel can open the port with
    SP_BaudRate = BaudRateList.at(entry);
    showReconnectNotice();
    emit SGL_SyncSerialPortNetworkInfo();
}

void Ui_System::SLT_SetEdidSelect(int index)
{
    CmdSetInEdidMode(index);
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_SetResetDevice(bool)
{
    if (!MessageBox_Confirm(SMSG_ResetMessage, this))
        return;
    CmdSetReset();
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_GetFirmwareVersion(int)
{
    const QString chosen = firmwareCombo_->currentText();
    for (int kind = 0; kind < 4; ++kind) {
        if (ScomboBox_FirmwareVersion[kind] == chosen) {
            versionEdit_->clear();
            CmdGetVersion(kind);
        }
    }
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_GetUserEdidFile(bool)
{
    pathEdit_->clear();
    const QString chosen = chooser_
        ? chooser_(this, tr("Select Edid File"), EdidFileDialogPath, tr("Bin File(*.bin)"))
        : QString();
    if (chosen.isEmpty())
        return;
    const int slash = chosen.lastIndexOf(QLatin1Char('/'));
    if (slash > 0)
        EdidFileDialogPath = chosen.left(slash);
    else if (slash == 0)
        EdidFileDialogPath = QStringLiteral("/");
    pathEdit_->setText(chosen);
}

void Ui_System::SLT_SetUserEdid(bool)
{
    std::memset(userEdid_, 0, sizeof userEdid_);
    const QString path = pathEdit_->text();
    if (path.isEmpty()) {
        MessageBox_Info(SMSG_FirstLoadEdidFile, this);
        return;
    }
    // An unreadable file leaves the buffer zero, which the check refuses as not an EDID.
    Edid_ReadFile(path, userEdid_);
    const EdidCheckResult result = Edid_Check(userEdid_);
    if (result != EdidAcceptable) {
        std::memset(userEdid_, 0, sizeof userEdid_);
        MessageBox_Info(result == EdidNotAnEdid ? SMSG_NotIsEdidContent : SMSG_EdidCheckFail, this);
        return;
    }
    CmdSetEdidUser(userEdid_);
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_Network_Write()
{
    const QString ip = networkEdits_[0]->text();
    const QString port = networkEdits_[1]->text();
    const QString mask = networkEdits_[2]->text();
    const QString gateway = networkEdits_[3]->text();
    if (!Net_CheckParams(ip, port, mask, gateway)) {
        MessageBox_Info(SMSG_Network_Param_Fail, this);
        return;
    }
    LinkSettingsQueryOnly = false;
    CmdSetNetworkInfo(ip, port, mask, gateway);
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_Network_Read()
{
    LinkSettingsQueryOnly = true;
    CmdGetNetworkInfo();
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_RS232_Write()
{
    LinkSettingsQueryOnly = false;
    CmdSetBaudrate(baudCombo_->currentText().toInt());
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_RS232_Read()
{
    LinkSettingsQueryOnly = true;
    CmdGetBaudrate();
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_ReadInfo_ALL()
{
    CmdGetInEdidMode();
    // Only the settings of the link in use are read: their reply refreshes the connection.
    if (LinkMode == LinkModeTcp) {
        LinkSettingsQueryOnly = true;
        CmdGetNetworkInfo();
        emit SGL_UpdateEmit();
    } else if (LinkMode == LinkModeSerial) {
        LinkSettingsQueryOnly = true;
        CmdGetBaudrate();
        emit SGL_UpdateEmit();
    }
    emit SGL_UpdateEmit();
}
