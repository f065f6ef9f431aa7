// The output page: resolution (with the device's free "user" resolution), HDCP, the screen
// shown without signal (VKA), ITC and 4K AUTO. Combo indexes are the positions of the
// protocol words, so the page passes them to the builders unchanged.
#pragma once

#include "state/reply_sinks.h"

#include <QWidget>

class QComboBox;
class QIntValidator;
class QLabel;
class QLineEdit;
class QPushButton;
class MyUiLayout;

class Ui_Output : public QWidget, public OutputSink
{
    Q_OBJECT

public:
    explicit Ui_Output(QWidget *parent = nullptr);

    // Sets every text and tool tip and refills the combos (keeping their indexes), then
    // applies the model; `readAll` then presses the read-all button.
    void RefreshTexts(bool first, bool readAll);
    // Corvo has no 4K AUTO.
    void ApplyModel();
    void PressReadAll();

    // OutputSink: what the device reports.
    void outputSetResolution(int index) override;
    void outputSetUserResolution(quint32 width, quint32 height) override;
    void outputSetHdcp(int index) override;
    void outputSetVka(int index) override;
    void outputSetItc(int index) override;
    void outputSet4kAuto(int index) override;

    QLabel *resolutionLabel() const { return m_resolutionLabel; }
    QComboBox *resolutionCombo() const { return m_resolutionCombo; }
    QComboBox *hdcpCombo() const { return m_hdcpCombo; }
    QComboBox *vkaCombo() const { return m_vkaCombo; }
    QComboBox *itcCombo() const { return m_itcCombo; }
    QComboBox *fourKAutoCombo() const { return m_fourKAutoCombo; }
    QLabel *fourKAutoLabel() const { return m_fourKAutoLabel; }
    QWidget *userGroup() const { return m_userGroup; }
    QLineEdit *widthEdit() const { return m_widthEdit; }
    QLineEdit *heightEdit() const { return m_heightEdit; }
    QPushButton *userReadButton() const { return m_userReadButton; }
    QPushButton *userWriteButton() const { return m_userWriteButton; }
    QPushButton *readAllButton() const { return m_readAllButton; }
    MyUiLayout *frame() const { return m_frame; }

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

    MyUiLayout *m_frame = nullptr;
    QLabel *m_resolutionLabel = nullptr;
    QComboBox *m_resolutionCombo = nullptr;
    QWidget *m_userGroup = nullptr;
    QLabel *m_userLabel = nullptr;
    QLineEdit *m_widthEdit = nullptr;
    QLineEdit *m_heightEdit = nullptr;
    QIntValidator *m_sizeValidator = nullptr;
    QPushButton *m_userReadButton = nullptr;
    QPushButton *m_userWriteButton = nullptr;
    QLabel *m_hdcpLabel = nullptr;
    QComboBox *m_hdcpCombo = nullptr;
    QLabel *m_vkaLabel = nullptr;
    QComboBox *m_vkaCombo = nullptr;
    QLabel *m_itcLabel = nullptr;
    QComboBox *m_itcCombo = nullptr;
    QLabel *m_fourKAutoLabel = nullptr;
    QComboBox *m_fourKAutoCombo = nullptr;
    QPushButton *m_readAllButton = nullptr;
};
