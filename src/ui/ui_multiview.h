// The multiview page: the device's window layout and its options, which input feeds each
// window, the saved scenes and their names, auto switching and the input resolution, and the
// operator's names for the input sources. Every operator action queues one command and emits
// SGL_UpdateEmit; what the widgets show afterwards comes back through the setters, which
// the reply dispatcher calls (through the main window) with the device's values.
#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QIntValidator;
class QLabel;
class QLineEdit;
class QPushButton;

class Ui_Multiview : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ModeCount = 5; // SINGLE, PIP, PBP, 3xWIN, 4xWIN
    static constexpr int SourceColumns = 9;
    static constexpr int WindowRows = 4;
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

    // Setters, in the order the reply dispatcher uses them.
    void SetLayout(quint32 mode, bool readSync);
    void SetWindowSource(int window, int source);
    void SetAutoSwitch(int index);
    void SetInputResolutionText(const QString &text);
    void SetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize, quint32 vSize);
    void SetVariantCount(quint32 count);
    void SetPipPosition(int index);
    void SetPipSize(int index);
    void SetAspect(int index);
    void SetLayoutVariant(int index);

    // Widgets, for the main window's wiring and for tests.
    QPushButton *modeButton(int mode) const;
    QComboBox *aspectCombo() const { return aspectCombo_; }
    QComboBox *variantCombo() const { return variantCombo_; }
    QComboBox *positionCombo() const { return positionCombo_; }
    QComboBox *sizeCombo() const { return sizeCombo_; }
    QWidget *userRectangleGroup() const { return userRectGroup_; }
    QLabel *userRectangleCaption() const { return userRectCaption_; }
    QLineEdit *userRectangleEdit(int field) const;
    QPushButton *userRectangleReadButton() const { return userRectRead_; }
    QPushButton *userRectangleWriteButton() const { return userRectWrite_; }
    QLabel *pictureLabel() const { return pictureLabel_; }
    // Runtime-relative path of the picture on show; empty while none has been shown.
    QString shownPicture() const { return shownPicture_; }
    QComboBox *saveCombo() const { return saveCombo_; }
    QComboBox *loadCombo() const { return loadCombo_; }
    QLineEdit *layoutNameEdit() const { return layoutNameEdit_; }
    QLabel *sourceLabel(int column) const;
    QLabel *windowLabel(int row) const;
    QPushButton *sourceButton(int k) const; // k = window * 9 + source
    QLineEdit *inputResolutionEdit() const { return inputResolutionEdit_; }
    QPushButton *inputResolutionReadButton() const { return inputResolutionRead_; }
    QPushButton *autoSwitchButton(bool on) const { return on ? autoSwitchOn_ : autoSwitchOff_; }
    QLineEdit *renameEdit() const { return renameEdit_; }
    QPushButton *readAllButton() const { return readAllButton_; }

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
    void setWindowMode(int mode);
    void applyPipCoupling(QComboBox *touched, int index);

    QWidget *modeFrame_ = nullptr;
    QLabel *multiviewLabel_ = nullptr;
    QPushButton *modeButtons_[ModeCount] = {};
    QLabel *aspectLabel_ = nullptr;
    QComboBox *aspectCombo_ = nullptr;
    QLabel *variantLabel_ = nullptr;
    QComboBox *variantCombo_ = nullptr;
    QLabel *positionLabel_ = nullptr;
    QComboBox *positionCombo_ = nullptr;
    QLabel *sizeLabel_ = nullptr;
    QComboBox *sizeCombo_ = nullptr;

    QWidget *userRectGroup_ = nullptr;
    QLabel *userRectCaption_ = nullptr;
    QLabel *userRectLabels_[UserRectangleFields] = {};
    QLineEdit *userRectEdits_[UserRectangleFields] = {};
    QIntValidator *userRectValidator_ = nullptr;
    QPushButton *userRectRead_ = nullptr;
    QPushButton *userRectWrite_ = nullptr;

    QWidget *pictureFrame_ = nullptr;
    QLabel *pictureLabel_ = nullptr;
    QString shownPicture_;

    QWidget *sceneFrame_ = nullptr;
    QLabel *saveLabel_ = nullptr;
    QComboBox *saveCombo_ = nullptr;
    QLabel *loadLabel_ = nullptr;
    QComboBox *loadCombo_ = nullptr;
    QLabel *layoutNameLabel_ = nullptr;
    QLineEdit *layoutNameEdit_ = nullptr;

    QWidget *gridFrame_ = nullptr;
    QLabel *cornerLabel_ = nullptr;
    QLabel *sourceLabels_[SourceColumns] = {};
    QLabel *windowLabels_[WindowRows] = {};
    QPushButton *sourceButtons_[SourceButtonCount] = {};
    QLabel *inputResolutionLabel_ = nullptr;
    QLineEdit *inputResolutionEdit_ = nullptr;
    QPushButton *inputResolutionRead_ = nullptr;
    QLabel *autoSwitchLabel_ = nullptr;
    QPushButton *autoSwitchOn_ = nullptr;
    QPushButton *autoSwitchOff_ = nullptr;
    QLineEdit *renameEdit_ = nullptr;
    int renameIndex_ = 0; // source label being renamed

    QPushButton *readAllButton_ = nullptr;
};
