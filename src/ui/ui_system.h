// The system page: the EDID the device presents (a built-in choice or a user EDID file),
// factory reset, firmware versions, and the device's own network and RS-232 settings.
#pragma once

#include "app/edid_check.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class MyUiLayout;

class Ui_System : public QWidget
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

    // What the device reports.
    void SetEdidSelection(int index);
    void SetVersionText(const QString &text);
    void UserEdidWritten();
    void SetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                        const QString &gateway);
    void SetBaudRate(qint32 baudRate);

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    QComboBox *edidCombo() const { return edidCombo_; }
    QPushButton *resetButton() const { return resetButton_; }
    QComboBox *firmwareCombo() const { return firmwareCombo_; }
    QLineEdit *versionEdit() const { return versionEdit_; }
    QPushButton *loadButton() const { return loadButton_; }
    QLineEdit *pathEdit() const { return pathEdit_; }
    QPushButton *edidWriteButton() const { return edidWriteButton_; }
    QComboBox *baudCombo() const { return baudCombo_; }
    QPushButton *rs232ReadButton() const { return rs232ReadButton_; }
    QPushButton *rs232WriteButton() const { return rs232WriteButton_; }
    QLineEdit *networkEdit(int i) const { return networkEdits_[i & 3]; } // ip, port, mask, gw
    QLabel *networkLabel(int i) const { return networkLabels_[i & 3]; }
    QPushButton *networkReadButton() const { return networkReadButton_; }
    QPushButton *networkWriteButton() const { return networkWriteButton_; }
    QFrame *cutLine() const { return cutLine_; }
    QPushButton *readAllButton() const { return readAllButton_; }

signals:
    void SGL_UpdateEmit();
    void SGL_SyncSerialPortNetworkInfo();

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

    FileChooser chooser_;
    quint8 userEdid_[EdidBufferSize] = {};

    MyUiLayout *edidArea_ = nullptr;
    QLabel *edidLabel_ = nullptr;
    QComboBox *edidCombo_ = nullptr;
    QLabel *resetLabel_ = nullptr;
    QPushButton *resetButton_ = nullptr;
    QLabel *firmwareLabel_ = nullptr;
    QComboBox *firmwareCombo_ = nullptr;
    QLineEdit *versionEdit_ = nullptr;
    QLabel *userEdidLabel_ = nullptr;
    QPushButton *loadButton_ = nullptr;
    QLineEdit *pathEdit_ = nullptr;
    QPushButton *edidWriteButton_ = nullptr;

    MyUiLayout *communicationArea_ = nullptr;
    QLabel *baudLabel_ = nullptr;
    QComboBox *baudCombo_ = nullptr;
    QPushButton *rs232ReadButton_ = nullptr;
    QPushButton *rs232WriteButton_ = nullptr;
    QFrame *cutLine_ = nullptr;
    QLabel *networkLabels_[4] = {};
    QLineEdit *networkEdits_[4] = {};
    QPushButton *networkReadButton_ = nullptr;
    QPushButton *networkWriteButton_ = nullptr;

    QPushButton *readAllButton_ = nullptr;
};
