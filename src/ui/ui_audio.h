// The audio page: source, volume and mute in one block, or on a Tessin three groups (main
// audio switch and source, two microphones, overall volume and mute). Each button and edit
// names what it controls in its object name ("Microphone2-Volume-1"): one slot serves a
// whole family of controls and reads the target and the value from the sender's name.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class MyUiLayout;

// An object name split after its last '-': "Overall-AudioMute-1" gives the prefix
// "Overall-AudioMute-" and the digit 1. No trailing decimal number gives digit -1.
struct AudioControlName
{
    QString prefix;
    int digit = -1;
};
AudioControlName Audio_SplitControlName(const QString &objectName);

// The source combo's items for a model: "Window-1", the model's input names, then its extra
// audio sources. The position of an item is the position of the device's source word.
QStringList Audio_SourceNames(quint8 model, int inputSourceCount);

class Ui_Audio : public QWidget
{
    Q_OBJECT

public:
    // Minus/plus and On/Off of one line of the page.
    struct OnOffPair
    {
        QPushButton *on = nullptr;
        QPushButton *off = nullptr;
    };
    struct VolumeControls
    {
        QPushButton *down = nullptr;
        QPushButton *up = nullptr;
        QLineEdit *value = nullptr;
    };

    explicit Ui_Audio(QWidget *parent = nullptr);

    // Sets every text; `first` also clears the four edits. Rebuilds the source lists
    // (keeping the selection) through ApplyModel; `readAll` then presses read-all.
    void RefreshTexts(bool first, bool readAll);
    void ApplyModel();
    void PressReadAll();

    // What the device reports.
    void SetSource(int index);
    void SetVolume(int volume);
    void SetMicLevel(int mic, int level);
    void SetMute(int index);
    void SetSwitch(int channel, int index); // 0 main, 1 microphone 1, 2 microphone 2

    MyUiLayout *commonBlock() const { return commonBlock_; }
    QGroupBox *mainGroup() const { return mainGroup_; }
    QGroupBox *microphoneGroup() const { return microphoneGroup_; }
    QGroupBox *overallGroup() const { return overallGroup_; }
    QComboBox *commonSource() const { return commonSource_; }
    QComboBox *mainSource() const { return mainSource_; }
    const VolumeControls &commonVolume() const { return commonVolume_; }
    const VolumeControls &overallVolume() const { return overallVolume_; }
    const VolumeControls &micVolume(int mic) const { return micVolume_[mic & 1]; }
    const OnOffPair &commonMute() const { return commonMute_; }
    const OnOffPair &overallMute() const { return overallMute_; }
    const OnOffPair &mainSwitch() const { return mainSwitch_; }
    const OnOffPair &micSwitch(int mic) const { return micSwitch_[mic & 1]; }
    QPushButton *readAllButton() const { return readAllButton_; }

signals:
    void SGL_UpdateEmit();

public slots:
    void SLT_SetAudioSource(int index);
    void SLT_SetVolumeValue();
    void SLT_BTN_Volume(bool checked);
    void SLT_BTN_AudioMute(bool checked);
    void SLT_ReadInfo_ALL();

private:
    void build();
    void buildCommonBlock();
    void buildGroups();
    OnOffPair makePair(QWidget *parent, const QString &block, int x, int y);
    VolumeControls makeVolume(QWidget *parent, const QString &block, int x, int y);
    void connectControls();
    bool isTessin() const;

    MyUiLayout *commonBlock_ = nullptr;
    QLabel *commonSourceLabel_ = nullptr;
    QComboBox *commonSource_ = nullptr;
    QLabel *commonVolumeLabel_ = nullptr;
    VolumeControls commonVolume_;
    QLabel *commonMuteLabel_ = nullptr;
    OnOffPair commonMute_;

    QGroupBox *mainGroup_ = nullptr;
    QLabel *mainSwitchLabel_ = nullptr;
    OnOffPair mainSwitch_;
    QLabel *mainSelectLabel_ = nullptr;
    QComboBox *mainSource_ = nullptr;

    QGroupBox *microphoneGroup_ = nullptr;
    QLabel *micSwitchLabel_[2] = {};
    OnOffPair micSwitch_[2];
    QLabel *micVolumeLabel_[2] = {};
    VolumeControls micVolume_[2];

    QGroupBox *overallGroup_ = nullptr;
    QLabel *overallVolumeLabel_ = nullptr;
    VolumeControls overallVolume_;
    QLabel *overallMuteLabel_ = nullptr;
    OnOffPair overallMute_;

    QPushButton *readAllButton_ = nullptr;
};
