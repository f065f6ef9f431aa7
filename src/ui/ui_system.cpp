#include "ui/ui_system.h"

#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/net_check.h"
#include "link/command_catalogue.h"
#include "link/page_requests.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "state/model_traits.h"
#include "state/vocabulary.h"
#include "ui/message_box.h"
#include "ui/my_ui_layout.h"
#include "ui/page_access_names.h"
#include "ui/page_widgets.h"
#include "ui/ui_profiles_texts.h"

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
constexpr int ProfilesWidth = 120;
constexpr int LabelWidth = 124;
constexpr int FieldX = 140;
constexpr int ComboWidth = 150;
constexpr int EdidRow[] = {14, 49, 84};
constexpr int NetworkRow[] = {12, 46, 80, 114};
constexpr int CutLineWidth = 2;

QString chooseWithDialog(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}
} // namespace

Ui_System::Ui_System(QWidget *parent)
    : QWidget(parent)
    , m_chooser(chooseWithDialog)
{
    build();
    RefreshTexts(true, false);
    connectControls();
}

void Ui_System::build()
{
    buildEdidArea();
    buildCommunicationArea();
    const int y = m_communicationArea->geometry().bottom() + 1 + ReadAllGap;
    m_readAllButton = Page_Place(Page_Button(this, QStringLiteral("System-ReadAll")), Margin, y,
                                 ReadAllWidth, RowHeight);
    m_profilesButton = Page_Place(Page_Button(this, QStringLiteral("System-Profiles")),
                                  Margin + ReadAllWidth + AreaGap, y, ProfilesWidth, RowHeight);
}

void Ui_System::buildEdidArea()
{
    m_edidArea = new MyUiLayout(this);
    m_edidArea->setObjectName(QStringLiteral("System-Edid"));
    m_edidArea->setGeometry(QRect(QPoint(Margin, Margin), EdidAreaSize));
    auto label = [this](int row) {
        return Page_Place(new QLabel(m_edidArea), 10, EdidRow[row], LabelWidth, RowHeight);
    };

    m_edidLabel = label(0);
    m_edidCombo = Page_Place(Page_Combo(m_edidArea, QStringLiteral("System-EdidSelect")), FieldX,
                             EdidRow[0], ComboWidth, RowHeight);
    // Room for the longest caption of both languages ("恢复出厂设置：").
    m_resetLabel = Page_Place(new QLabel(m_edidArea), 306, EdidRow[0], 130, RowHeight);
    m_resetButton = Page_Place(Page_Button(m_edidArea, QStringLiteral("System-Reset")), 440,
                               EdidRow[0], 110, RowHeight);

    m_firmwareLabel = label(1);
    m_firmwareCombo = Page_Place(Page_Combo(m_edidArea, QStringLiteral("System-Firmware")), FieldX,
                                 EdidRow[1], ComboWidth, RowHeight);
    m_versionEdit = Page_Place(Page_Edit(m_edidArea, QStringLiteral("System-Version")), 300,
                               EdidRow[1], 300, RowHeight);
    m_versionEdit->setReadOnly(true);

    m_userEdidLabel = label(2);
    m_loadButton = Page_Place(Page_Button(m_edidArea, QStringLiteral("System-EdidLoad")), FieldX,
                              EdidRow[2], ComboWidth, RowHeight);
    m_pathEdit = Page_Place(Page_Edit(m_edidArea, QStringLiteral("System-EdidPath")), 300,
                            EdidRow[2], 434, RowHeight);
    m_pathEdit->setReadOnly(true);
    m_edidWriteButton = Page_Place(Page_Button(m_edidArea, QStringLiteral("System-EdidWrite")), 746,
                                   EdidRow[2], 100, RowHeight);
}

void Ui_System::buildCommunicationArea()
{
    m_communicationArea = new MyUiLayout(this);
    m_communicationArea->setObjectName(QStringLiteral("System-Communication"));
    const int top = m_edidArea->geometry().bottom() + 1 + AreaGap;
    m_communicationArea->setGeometry(QRect(QPoint(Margin, top), CommunicationAreaSize));
    QWidget *area = m_communicationArea;

    m_baudLabel = Page_Place(new QLabel(area), 14, 20, 90, RowHeight);
    m_baudCombo = Page_Place(Page_Combo(area, QStringLiteral("System-Baudrate")), 104, 20,
                             ComboWidth, RowHeight);
    m_rs232ReadButton
        = Page_Place(Page_Button(area, QStringLiteral("System-RS232Read")), 104, 60, 72, RowHeight);
    m_rs232WriteButton = Page_Place(Page_Button(area, QStringLiteral("System-RS232Write")), 182, 60,
                                    72, RowHeight);

    // The style sheet can address the separator by its name.
    m_cutLine = new QFrame(area);
    m_cutLine->setObjectName(QStringLiteral("Communication_CutLine"));
    m_cutLine->setFrameShape(QFrame::VLine);
    m_cutLine->setFrameShadow(QFrame::Sunken);
    m_cutLine->setGeometry((CommunicationAreaSize.width() - CutLineWidth) / 2, 0, CutLineWidth,
                           CommunicationAreaSize.height());

    static const char *const EditNames[4] = {"System-NetworkIp", "System-NetworkPort",
                                             "System-NetworkSubmask", "System-NetworkGateway"};
    for (int i = 0; i < 4; ++i) {
        m_networkLabels[i] = Page_Place(new QLabel(area), 386, NetworkRow[i], 80, RowHeight);
        m_networkEdits[i] = Page_Place(Page_Edit(area, QLatin1String(EditNames[i])), 466,
                                       NetworkRow[i], 160, RowHeight);
    }
    m_networkReadButton = Page_Place(Page_Button(area, QStringLiteral("System-NetworkRead")), 640,
                                     NetworkRow[0], 88, RowHeight);
    m_networkWriteButton = Page_Place(Page_Button(area, QStringLiteral("System-NetworkWrite")), 640,
                                      NetworkRow[1], 88, RowHeight);
}

void Ui_System::connectControls()
{
    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(m_edidCombo, activated, this, &Ui_System::SLT_SetEdidSelect);
    connect(m_firmwareCombo, activated, this, &Ui_System::SLT_GetFirmwareVersion);
    connect(m_resetButton, &QPushButton::clicked, this, &Ui_System::SLT_SetResetDevice);
    connect(m_loadButton, &QPushButton::clicked, this, &Ui_System::SLT_GetUserEdidFile);
    connect(m_edidWriteButton, &QPushButton::clicked, this, &Ui_System::SLT_SetUserEdid);
    connect(m_networkWriteButton, &QPushButton::clicked, this, &Ui_System::SLT_Network_Write);
    connect(m_networkReadButton, &QPushButton::clicked, this, &Ui_System::SLT_Network_Read);
    connect(m_rs232WriteButton, &QPushButton::clicked, this, &Ui_System::SLT_RS232_Write);
    connect(m_rs232ReadButton, &QPushButton::clicked, this, &Ui_System::SLT_RS232_Read);
    connect(m_readAllButton, &QPushButton::clicked, this, &Ui_System::SLT_ReadInfo_ALL);
    connect(m_profilesButton, &QPushButton::clicked, this, &Ui_System::SGL_OpenProfiles);
}

void Ui_System::RefreshTexts(bool first, bool readAll)
{
    if (first) {
        m_edidCombo->clear();
        m_edidCombo->addItems(EdidSelectList);
        m_baudCombo->clear();
        m_baudCombo->addItems(BaudRateList);
        m_versionEdit->clear();
        m_pathEdit->clear();
        m_versionEdit->setFocusPolicy(Qt::NoFocus);
        m_pathEdit->setFocusPolicy(Qt::NoFocus);
    }
    m_edidLabel->setText(Slabel_EdidSelect);
    m_resetLabel->setText(Slabel_Reset);
    m_resetButton->setText(S_ResetDevice);
    m_firmwareLabel->setText(Slabel_FirmwareVersion);
    m_userEdidLabel->setText(Slabel_UserEdid);
    m_loadButton->setText(SpushButton_Load);
    m_edidWriteButton->setText(S_ReadWrite[1]);
    m_baudLabel->setText(Slabel_Baudrate);
    m_rs232ReadButton->setText(S_ReadWrite[0]);
    m_rs232WriteButton->setText(S_ReadWrite[1]);
    const QString *labels[4] = {&Slabel_Ip, &Slabel_Port, &Slabel_SubMask, &Slabel_Gateway};
    const QString *values[4] = {&SP_RemoteIp, &SP_RemotePort, &SP_RemoteSubmask, &SP_RemoteGateway};
    for (int i = 0; i < 4; ++i) {
        m_networkLabels[i]->setText(*labels[i]);
        Page_ShowText(m_networkEdits[i], *values[i]);
    }
    m_networkReadButton->setText(S_ReadWrite[0]);
    m_networkWriteButton->setText(S_ReadWrite[1]);
    m_readAllButton->setText(S_ReadWrite[0]);
    m_profilesButton->setText(Extra_Text(ProfileText::Open));

    const int baud = BaudRateList.indexOf(SP_BaudRate);
    if (baud >= 0)
        m_baudCombo->setCurrentIndex(baud);

    ApplyModel();
    Access_NameSystem(*this);
    if (readAll)
        PressReadAll();
}

void Ui_System::ApplyModel()
{
    const quint8 model = DeviceState::modelIndex;
    if (!Model_Known(model))
        return;
    // The firmware names are in the order of the kinds CmdGetVersion takes.
    QStringList names;
    for (int kind = 0; kind < FirmwareKindCount; ++kind) {
        if (Model_HasFirmware(model, kind))
            names << ScomboBox_FirmwareVersion[kind];
    }
    Page_RefillCombo(m_firmwareCombo, names);

    const bool network = Model_HasNetwork(model);
    for (int i = 0; i < 4; ++i) {
        m_networkLabels[i]->setVisible(network);
        m_networkEdits[i]->setVisible(network);
    }
    m_networkReadButton->setVisible(network);
    m_networkWriteButton->setVisible(network);
}

// The reads go out also while the page is disabled (the device is being identified).
void Ui_System::PressReadAll()
{
    SLT_ReadInfo_ALL();
}

void Ui_System::systemSetEdidSelection(int index)
{
    Page_SetComboIndex(m_edidCombo, index);
}

void Ui_System::systemSetVersionText(const QString &text)
{
    Page_ShowText(m_versionEdit, text);
}

// Boxes that answer a device reply wait for one another instead of nesting.
void Ui_System::systemUserEdidWritten()
{
    MessageBox_InfoSerial(SMSG_EdidWriteOk, this);
}

void Ui_System::showReconnectNotice()
{
    // A reply to a write means the device now listens with other settings than this link.
    if (!LinkSettingsQueryOnly)
        MessageBox_InfoSerial(SMSG_SyncConfigInfo + QStringLiteral("\r\n") + SMSG_ReConnect, this);
}

void Ui_System::systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
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

void Ui_System::systemSetBaudRate(qint32 baudRate)
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
    const QString chosen = m_firmwareCombo->currentText();
    for (int kind = 0; kind < FirmwareKindCount; ++kind) {
        if (ScomboBox_FirmwareVersion[kind] == chosen) {
            m_versionEdit->clear();
            CmdGetVersion(kind);
        }
    }
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_GetUserEdidFile(bool)
{
    m_pathEdit->clear();
    const QString chosen = m_chooser
        ? m_chooser(this, tr("Select Edid File"), EdidFileDialogPath, tr("Bin File(*.bin)"))
        : QString();
    if (chosen.isEmpty())
        return;
    const int slash = chosen.lastIndexOf(QLatin1Char('/'));
    if (slash > 0)
        EdidFileDialogPath = chosen.left(slash);
    else if (slash == 0)
        EdidFileDialogPath = QStringLiteral("/");
    m_pathEdit->setText(chosen);
}

void Ui_System::SLT_SetUserEdid(bool)
{
    std::memset(m_userEdid, 0, sizeof m_userEdid);
    const QString path = m_pathEdit->text();
    if (path.isEmpty()) {
        MessageBox_Info(SMSG_FirstLoadEdidFile, this);
        return;
    }
    // An unreadable file leaves the buffer zero, which the check refuses as not an EDID.
    const int length = Edid_ReadFile(path, m_userEdid);
    const EdidCheckResult result = Edid_Check(m_userEdid, length);
    if (result != EdidAcceptable) {
        std::memset(m_userEdid, 0, sizeof m_userEdid);
        // A block missing, a bad sum or more blocks than the device holds: a faulty file.
        MessageBox_Info(result == EdidNotAnEdid ? SMSG_NotIsEdidContent : SMSG_EdidCheckFail, this);
        return;
    }
    CmdSetEdidUser(m_userEdid);
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_Network_Write()
{
    const QString ip = m_networkEdits[0]->text();
    const QString port = m_networkEdits[1]->text();
    const QString mask = m_networkEdits[2]->text();
    const QString gateway = m_networkEdits[3]->text();
    if (!Net_CheckParams(ip, port, mask, gateway)) {
        MessageBox_Info(SMSG_Network_Param_Fail, this);
        return;
    }
    LinkSettings_Requested(LinkSettingsItem::Network, true);
    CmdSetNetworkInfo(ip, port, mask, gateway);
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_Network_Read()
{
    Request_NetworkQuery();
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_RS232_Write()
{
    LinkSettings_Requested(LinkSettingsItem::BaudRate, true);
    CmdSetBaudrate(m_baudCombo->currentText().toInt());
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_RS232_Read()
{
    Request_BaudRateQuery();
    emit SGL_UpdateEmit();
}

void Ui_System::SLT_ReadInfo_ALL()
{
    // A send trigger after the link-settings query and one at the end, as the page always did.
    if (Request_SystemReadAll())
        emit SGL_UpdateEmit();
    emit SGL_UpdateEmit();
}
