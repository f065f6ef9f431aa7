// The system page: the EDID the device presents (a built-in choice or a user EDID file),
// factory reset, firmware versions, and the device's own network and RS-232 settings.
#pragma once

#include "app/edid_check.h"
#include "state/reply_sinks.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class MyUiLayout;

class Ui_System : public QWidget, public SystemSink
{
    Q_OBJECT

public:
    // Asks the operator for a file: (parent, caption, start folder, filter) -> path, empty
    // when cancelled. A native dialog by default; tests put their own answer here.
    using FileChooser
        = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    explicit Ui_System(QWidget *parent = nullptr);

    // Sets every text; `first` also fills the fixed combos and clears the version and path.
    // Always shows the stored baud rate and network settings and applies the model;
    // `readAll` then presses the read-all button.
    void RefreshTexts(bool first, bool readAll);
    // Firmware choices and the network group per model.
    void ApplyModel();
    void PressReadAll();

    // SystemSink: what the device reports.
    void systemSetEdidSelection(int index) override;
    void systemSetVersionText(const QString &text) override;
    void systemUserEdidWritten() override;
    void systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                              const QString &gateway) override;
    void systemSetBaudRate(qint32 baudRate) override;

    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    QComboBox *edidCombo() const { return m_edidCombo; }
    QPushButton *resetButton() const { return m_resetButton; }
    QComboBox *firmwareCombo() const { return m_firmwareCombo; }
    QLineEdit *versionEdit() const { return m_versionEdit; }
    QPushButton *loadButton() const { return m_loadButton; }
    QLineEdit *pathEdit() const { return m_pathEdit; }
    QPushButton *edidWriteButton() const { return m_edidWriteButton; }
    QComboBox *baudCombo() const { return m_baudCombo; }
    QPushButton *rs232ReadButton() const { return m_rs232ReadButton; }
    QPushButton *rs232WriteButton() const { return m_rs232WriteButton; }
    QLineEdit *networkEdit(int i) const { return m_networkEdits[i & 3]; } // ip, port, mask, gw
    QLabel *networkLabel(int i) const { return m_networkLabels[i & 3]; }
    QPushButton *networkReadButton() const { return m_networkReadButton; }
    QPushButton *networkWriteButton() const { return m_networkWriteButton; }
    QFrame *cutLine() const { return m_cutLine; }
    QPushButton *readAllButton() const { return m_readAllButton; }
    QPushButton *profilesButton() const { return m_profilesButton; }

signals:
    void SGL_UpdateEmit();
    void SGL_SyncSerialPortNetworkInfo();
    void SGL_OpenProfiles(); // the profiles button

public slots:
    void SLT_SetEdidSelect(int index);
    void SLT_SetResetDevice(bool checked);
    void SLT_GetFirmwareVersion(int index);
    void SLT_GetUserEdidFile(bool checked);
    void SLT_SetUserEdid(bool checked);
    void SLT_Network_Write();
    void SLT_Network_Read();
    void SLT_RS232_Write();
    void SLT_RS232_Read();
    void SLT_ReadInfo_ALL();

private:
    void build();
    void buildEdidArea();
    void buildCommunicationArea();
    void connectControls();
    void showReconnectNotice();

    FileChooser m_chooser;
    quint8 m_userEdid[EdidBufferSize] = {};

    MyUiLayout *m_edidArea = nullptr;
    QLabel *m_edidLabel = nullptr;
    QComboBox *m_edidCombo = nullptr;
    QLabel *m_resetLabel = nullptr;
    QPushButton *m_resetButton = nullptr;
    QLabel *m_firmwareLabel = nullptr;
    QComboBox *m_firmwareCombo = nullptr;
    QLineEdit *m_versionEdit = nullptr;
    QLabel *m_userEdidLabel = nullptr;
    QPushButton *m_loadButton = nullptr;
    QLineEdit *m_pathEdit = nullptr;
    QPushButton *m_edidWriteButton = nullptr;

    MyUiLayout *m_communicationArea = nullptr;
    QLabel *m_baudLabel = nullptr;
    QComboBox *m_baudCombo = nullptr;
    QPushButton *m_rs232ReadButton = nullptr;
    QPushButton *m_rs232WriteButton = nullptr;
    QFrame *m_cutLine = nullptr;
    QLabel *m_networkLabels[4] = {};
    QLineEdit *m_networkEdits[4] = {};
    QPushButton *m_networkReadButton = nullptr;
    QPushButton *m_networkWriteButton = nullptr;

    QPushButton *m_readAllButton = nullptr;
    QPushButton *m_profilesButton = nullptr;
};
