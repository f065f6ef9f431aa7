// The audio page: source, volume and mute in one block, or on a Tessin three groups (main
// audio switch and source, two microphones, overall volume and mute). Each button and edit
// names what it controls in its object name ("Microphone2-Volume-1"): one slot serves a
// whole family of controls and reads the target and the value from the sender's name.
#pragma once

#include "state/reply_sinks.h"

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

class Ui_Audio : public QWidget, public AudioSink
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
        QString deviceText; // the level the device last reported here, shown after a refusal
    };

    explicit Ui_Audio(QWidget *parent = nullptr);

    // Sets every text; `first` also clears the four edits. Rebuilds the source lists
    // (keeping the selection) through ApplyModel; `readAll` then presses read-all.
    void RefreshTexts(bool first, bool readAll);
    void ApplyModel();
    void PressReadAll();

    // AudioSink: what the device reports.
    void audioSetSource(int index) override;
    void audioSetVolume(int volume) override;
    void audioSetMicLevel(int mic, int level) override;
    void audioSetMute(int index) override;
    void audioSetSwitch(int channel, int index) override; // 0 main, 1 microphone 1, 2 microphone 2

    MyUiLayout *commonBlock() const { return m_commonBlock; }
    QGroupBox *mainGroup() const { return m_mainGroup; }
    QGroupBox *microphoneGroup() const { return m_microphoneGroup; }
    QGroupBox *overallGroup() const { return m_overallGroup; }
    QComboBox *commonSource() const { return m_commonSource; }
    QComboBox *mainSource() const { return m_mainSource; }
    const VolumeControls &commonVolume() const { return m_commonVolume; }
    const VolumeControls &overallVolume() const { return m_overallVolume; }
    const VolumeControls &micVolume(int mic) const { return m_micVolume[mic & 1]; }
    const OnOffPair &commonMute() const { return m_commonMute; }
    const OnOffPair &overallMute() const { return m_overallMute; }
    const OnOffPair &mainSwitch() const { return m_mainSwitch; }
    const OnOffPair &micSwitch(int mic) const { return m_micSwitch[mic & 1]; }
    QPushButton *readAllButton() const { return m_readAllButton; }

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
    VolumeControls *volumeOf(const QObject *edit);
    void refuseTypedLevel(VolumeControls &controls, quint32 maximum);

    MyUiLayout *m_commonBlock = nullptr;
    QLabel *m_commonSourceLabel = nullptr;
    QComboBox *m_commonSource = nullptr;
    QLabel *m_commonVolumeLabel = nullptr;
    VolumeControls m_commonVolume;
    QLabel *m_commonMuteLabel = nullptr;
    OnOffPair m_commonMute;

    QGroupBox *m_mainGroup = nullptr;
    QLabel *m_mainSwitchLabel = nullptr;
    OnOffPair m_mainSwitch;
    QLabel *m_mainSelectLabel = nullptr;
    QComboBox *m_mainSource = nullptr;

    QGroupBox *m_microphoneGroup = nullptr;
    QLabel *m_micSwitchLabel[2] = {};
    OnOffPair m_micSwitch[2];
    QLabel *m_micVolumeLabel[2] = {};
    VolumeControls m_micVolume[2];

    QGroupBox *m_overallGroup = nullptr;
    QLabel *m_overallVolumeLabel = nullptr;
    VolumeControls m_overallVolume;
    QLabel *m_overallMuteLabel = nullptr;
    OnOffPair m_overallMute;

    QPushButton *m_readAllButton = nullptr;
};
