// The multiview page: the device's window layout and its options, which input feeds each
// window, the saved scenes and their names, auto switching and the input resolution, and the
// operator's names for the input sources. Every operator action queues one command and emits
// SGL_UpdateEmit; what the widgets show afterwards comes back through the page's value sink,
// which the reply dispatcher calls with the device's values.
#pragma once

#include "state/model_traits.h"
#include "state/reply_sinks.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QIntValidator;
class QLabel;
class QLineEdit;
class QPushButton;

class Ui_Multiview : public QWidget, public MultiviewSink
{
    Q_OBJECT

public:
    static constexpr int ModeCount = ::ModeCount; // a mode button per layout
    static constexpr int SourceColumns = MaxInputSources;
    static constexpr int WindowRows = WindowCount;
    static constexpr int SourceButtonCount = SourceColumns * WindowRows;
    static constexpr int SceneCount = 20;
    static constexpr int UserRectangleFields = 4; // H start, V start, H size, V size
    static constexpr int NameMaxLength = 64;

    explicit Ui_Multiview(QWidget *parent = nullptr);
    ~Ui_Multiview() override;

    // Sets every text and refills the combos (keeping their choices); `first` is the
    // builder's call. `readAll` finally presses the read-all button.
    void RefreshTexts(bool first, bool readAll);
    // The model decides how many source columns exist (DeviceState::inputSourceCount).
    void ApplyModel();
    void PressReadAll();

    // MultiviewSink: what the device reports.
    void multiviewSetLayout(quint32 mode, bool readSync) override;
    void multiviewSetWindowSource(int window, int source) override;
    void multiviewSetAutoSwitch(int index) override;
    void multiviewSetInputResolutionText(const QString &text) override;
    void multiviewSetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize,
                                   quint32 vSize) override;
    void multiviewSetVariantCount(quint32 count) override;
    void multiviewSetPipPosition(int index) override;
    void multiviewSetPipSize(int index) override;
    void multiviewSetAspect(int index) override;
    void multiviewSetLayoutVariant(int index) override;

    // Widgets, for the main window's wiring and for tests.
    QPushButton *modeButton(int mode) const;
    QComboBox *aspectCombo() const { return m_aspectCombo; }
    QComboBox *variantCombo() const { return m_variantCombo; }
    QComboBox *positionCombo() const { return m_positionCombo; }
    QComboBox *sizeCombo() const { return m_sizeCombo; }
    QWidget *userRectangleGroup() const { return m_userRectGroup; }
    QLabel *userRectangleCaption() const { return m_userRectCaption; }
    QLineEdit *userRectangleEdit(int field) const;
    QPushButton *userRectangleReadButton() const { return m_userRectRead; }
    QPushButton *userRectangleWriteButton() const { return m_userRectWrite; }
    QLabel *pictureLabel() const { return m_pictureLabel; }
    // Runtime-relative path of the picture on show; empty while none has been shown.
    QString shownPicture() const { return m_shownPicture; }
    QComboBox *saveCombo() const { return m_saveCombo; }
    QComboBox *loadCombo() const { return m_loadCombo; }
    QLineEdit *layoutNameEdit() const { return m_layoutNameEdit; }
    QLabel *sourceLabel(int column) const;
    QLabel *windowLabel(int row) const;
    QPushButton *sourceButton(int k) const; // k = window * 9 + source
    QLineEdit *inputResolutionEdit() const { return m_inputResolutionEdit; }
    QPushButton *inputResolutionReadButton() const { return m_inputResolutionRead; }
    QPushButton *autoSwitchButton(bool on) const { return on ? m_autoSwitchOn : m_autoSwitchOff; }
    QLineEdit *renameEdit() const { return m_renameEdit; }
    QPushButton *readAllButton() const { return m_readAllButton; }

signals:
    void SGL_UpdateEmit();
    void SGL_SyncInputSourceName();

public slots:
    void SLT_WindowMode_Single(bool checked);
    void SLT_WindowMode_PIP(bool checked);
    void SLT_WindowMode_PBP(bool checked);
    void SLT_WindowMode_3xWIN(bool checked);
    void SLT_WindowMode_4xWIN(bool checked);
    void SLT_SetAspect(int index);
    void SLT_SetMode(int index);
    void SLT_SetPosition(int index);
    void SLT_SetSize(int index);
    void SLT_ReadCaptureDisplayInfo();
    void SLT_SetCaptureDisplayInfo();
    void SLT_SetSaveLayout(int index);
    void SLT_SetLoadLayout(int index);
    void SLT_GetInputResolution();
    void SLT_BTN_AutoSwitch(bool checked);
    void SLT_BTN_WindowSignal(bool checked);
    void SLT_ModifySourceName();
    void SLT_ReadInfo_ALL();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction (ui_multiview.cpp, ui_multiview_grid.cpp).
    void buildModeFrame();
    void buildUserRectangleGroup(QWidget *frame);
    void buildPictureFrame();
    void buildSceneFrame();
    void buildSourceGrid();
    void connectWidgets();
    void setGridTexts();
    void fillVariantCombo(int count);

    // Device values to widgets (ui_multiview_setters.cpp, ui_multiview_grid.cpp).
    void applyLayout(quint32 mode);
    void placeOptionRows(quint32 mode);
    void updatePicture();
    void updateGridVisibility();
    void showSingleRows(bool shown); // input resolution and auto switch
    void openRenameEditor(int column);
    void queued(); // emits SGL_UpdateEmit after a command went onto the queue
    void setWindowMode(quint32 mode);

    QWidget *m_modeFrame = nullptr;
    QLabel *m_multiviewLabel = nullptr;
    QPushButton *m_modeButtons[ModeCount] = {};
    QLabel *m_aspectLabel = nullptr;
    QComboBox *m_aspectCombo = nullptr;
    QLabel *m_variantLabel = nullptr;
    QComboBox *m_variantCombo = nullptr;
    QLabel *m_positionLabel = nullptr;
    QComboBox *m_positionCombo = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QComboBox *m_sizeCombo = nullptr;

    QWidget *m_userRectGroup = nullptr;
    QLabel *m_userRectCaption = nullptr;
    QLabel *m_userRectLabels[UserRectangleFields] = {};
    QLineEdit *m_userRectEdits[UserRectangleFields] = {};
    QIntValidator *m_userRectValidator = nullptr;
    QPushButton *m_userRectRead = nullptr;
    QPushButton *m_userRectWrite = nullptr;

    QWidget *m_pictureFrame = nullptr;
    QLabel *m_pictureLabel = nullptr;
    QString m_shownPicture;

    QWidget *m_sceneFrame = nullptr;
    QLabel *m_saveLabel = nullptr;
    QComboBox *m_saveCombo = nullptr;
    QLabel *m_loadLabel = nullptr;
    QComboBox *m_loadCombo = nullptr;
    QLabel *m_layoutNameLabel = nullptr;
    QLineEdit *m_layoutNameEdit = nullptr;

    QWidget *m_gridFrame = nullptr;
    QLabel *m_cornerLabel = nullptr;
    QLabel *m_sourceLabels[SourceColumns] = {};
    QLabel *m_windowLabels[WindowRows] = {};
    QPushButton *m_sourceButtons[SourceButtonCount] = {};
    QLabel *m_inputResolutionLabel = nullptr;
    QLineEdit *m_inputResolutionEdit = nullptr;
    QPushButton *m_inputResolutionRead = nullptr;
    QLabel *m_autoSwitchLabel = nullptr;
    QPushButton *m_autoSwitchOn = nullptr;
    QPushButton *m_autoSwitchOff = nullptr;
    QLineEdit *m_renameEdit = nullptr;
    int m_renameIndex = 0; // source label being renamed

    QPushButton *m_readAllButton = nullptr;
};
