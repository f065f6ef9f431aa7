// The output page: resolution (with the device's free "user" resolution), HDCP, the screen
// shown without signal (VKA), ITC and 4K AUTO. Combo indexes are the positions of the
// protocol words, so the page passes them to the builders unchanged.
#pragma once

#include <QWidget>

class QComboBox;
class QIntValidator;
class QLabel;
class QLineEdit;
class QPushButton;
class MyUiLayout;

class Ui_Output : public QWidget
{
    Q_OBJECT

public:
    static constexpr int UserResolutionIndex = 15; // "USER" in the resolution list

    explicit Ui_Output(QWidget *parent = nullptr);

    // Sets every text and tool tip and refills the combos (keeping their indexes), then
    // applies the model; `readAll` then presses the read-all button.
    void RefreshTexts(bool first, bool readAll);
    // Corvo has no 4K AUTO.
    void ApplyModel();
    void PressReadAll();

    // What the device reports.
    void SetResolution(int index);
    void SetUserResolution(quint32 width, quint32 height);
    void SetHdcp(int index);
    void SetVka(int index);
    void SetItc(int index);
    void Set4kAuto(int index);

    QLabel *resolutionLabel() const { return resolutionLabel_; }
    QComboBox *resolutionCombo() const { return resolutionCombo_; }
    QComboBox *hdcpCombo() const { return hdcpCombo_; }
    QComboBox *vkaCombo() const { return vkaCombo_; }
    QComboBox *itcCombo() const { return itcCombo_; }
    QComboBox *fourKAutoCombo() const { return fourKAutoCombo_; }
    QLabel *fourKAutoLabel() const { return fourKAutoLabel_; }
    QWidget *userGroup() const { return userGroup_; }
    QLineEdit *widthEdit() const { return widthEdit_; }
    QLineEdit *heightEdit() const { return heightEdit_; }
    QPushButton *userReadButton() const { return userReadButton_; }
    QPushButton *userWriteButton() const { return userWriteButton_; }
    QPushButton *readAllButton() const { return readAllButton_; }
    MyUiLayout *frame() const { return frame_; }

signals:
    void SGL_UpdateEmit();

public slots:
    void SLT_SetResolution(int index);
    void SLT_ReadUserResolution();
    void SLT_SetUserResolution();
    void SLT_SetHDCP(int index);
    void SLT_SetVKA(int index);
    void SLT_SetITC(int index);
    void SLT_Set4KAUTO(int index);
    void SLT_ReadInfo_ALL();

private:
    void build();
    void showUserResolution(bool shown);

    MyUiLayout *frame_ = nullptr;
    QLabel *resolutionLabel_ = nullptr;
    QComboBox *resolutionCombo_ = nullptr;
    QWidget *userGroup_ = nullptr;
    QLabel *userLabel_ = nullptr;
    QLineEdit *widthEdit_ = nullptr;
    QLineEdit *heightEdit_ = nullptr;
    QIntValidator *sizeValidator_ = nullptr;
    QPushButton *userReadButton_ = nullptr;
    QPushButton *userWriteButton_ = nullptr;
    QLabel *hdcpLabel_ = nullptr;
    QComboBox *hdcpCombo_ = nullptr;
    QLabel *vkaLabel_ = nullptr;
    QComboBox *vkaCombo_ = nullptr;
    QLabel *itcLabel_ = nullptr;
    QComboBox *itcCombo_ = nullptr;
    QLabel *fourKAutoLabel_ = nullptr;
    QComboBox *fourKAutoCombo_ = nullptr;
    QPushButton *readAllButton_ = nullptr;
};
