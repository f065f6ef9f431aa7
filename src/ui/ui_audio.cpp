#include "ui/ui_audio.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "link/page_requests.h"
#include "state/device_state.h"
#include "state/model_traits.h"
#include "state/vocabulary.h"
#include "ui/my_ui_layout.h"
#include "ui/page_access_names.h"
#include "ui/page_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Object names: "<block>-<what>[-<digit>]". The slots match on the prefix up to the digit.
const QString Common = QStringLiteral("Common");
const QString Main = QStringLiteral("Main");
const QString Microphone[2] = {QStringLiteral("Microphone1"), QStringLiteral("Microphone2")};
const QString Overall = QStringLiteral("Overall");
const QString AudioSource = QStringLiteral("-AudioSource");
const QString AudioMute = QStringLiteral("-AudioMute-");
const QString Volume = QStringLiteral("-Volume-");
const QString VolumeValue = QStringLiteral("-VolumeValue");

constexpr int Margin = 4;
constexpr int Gap = 6;
constexpr int RowHeight = 26;
constexpr int SmallButton = 28;
constexpr int OnOffButton = 42;
constexpr int ValueWidth = 52;
constexpr int ReadAllGap = 11;
constexpr int ReadAllWidth = 100;
const QRect CommonRect(Margin, Margin, 392, 94);
const QSize MainSize(392, 80);
const QSize MicrophoneSize(396, 140);
const QSize OverallSize(336, 80);
} // namespace

AudioControlName Audio_SplitControlName(const QString &objectName)
{
    AudioControlName name;
    const int dash = objectName.lastIndexOf(QLatin1Char('-'));
    name.prefix = objectName.left(dash + 1);
    const QString tail = objectName.mid(dash + 1);
    if (dash < 0 || tail.isEmpty() || tail.size() > 2)
        return name;
    for (const QChar c : tail) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return name;
    }
    name.digit = tail.toInt();
    return name;
}

QStringList Audio_SourceNames(quint8 model, int inputSourceCount)
{
    QStringList names {Slabel_Windows_Name[0]}; // the audio of output window 1
    if (inputSourceCount >= 1 && inputSourceCount <= MaxInputSources) {
        for (int i = 0; i < inputSourceCount; ++i)
            names << S_InputSource_Name[i];
    }
    if (model == ModelMarlet)
        names << S_Marlet_ExpandAudioSource_Name[0];
    if (model == ModelTessin) {
        for (const QString &name : S_Tessin_ExpandAudioSource_Name)
            names << name;
    }
    return names;
}

Ui_Audio::Ui_Audio(QWidget *parent)
    : QWidget(parent)
{
    build();
    RefreshTexts(true, false);
    connectControls();
}

bool Ui_Audio::isTessin() const
{
    return Model_HasMicrophones(DeviceState::modelIndex);
}

Ui_Audio::OnOffPair Ui_Audio::makePair(QWidget *parent, const QString &block, int x, int y)
{
    OnOffPair pair;
    pair.on = Page_Place(Page_Button(parent, block + AudioMute + QLatin1Char('0')), x, y,
                         OnOffButton, RowHeight);
    pair.off = Page_Place(Page_Button(parent, block + AudioMute + QLatin1Char('1')),
                          x + OnOffButton + 4, y, OnOffButton, RowHeight);
    return pair;
}

Ui_Audio::VolumeControls Ui_Audio::makeVolume(QWidget *parent, const QString &block, int x, int y)
{
    VolumeControls v;
    v.down = Page_Place(Page_Button(parent, block + Volume + QLatin1Char('0')), x, y, SmallButton,
                        RowHeight);
    v.value = Page_Place(Page_Edit(parent, block + VolumeValue), x + SmallButton + 3, y, ValueWidth,
                         RowHeight);
    v.value->setAlignment(Qt::AlignCenter);
    v.up = Page_Place(Page_Button(parent, block + Volume + QLatin1Char('1')),
                      x + SmallButton + ValueWidth + 6, y, SmallButton, RowHeight);
    // The style sheet gives these one-character buttons a narrow padding.
    v.down->setProperty("compact", true);
    v.up->setProperty("compact", true);
    return v;
}

void Ui_Audio::build()
{
    buildCommonBlock();
    buildGroups();
    m_readAllButton = Page_Place(Page_Button(this, QStringLiteral("Audio-ReadAll")), Margin,
                                 CommonRect.bottom() + 1 + ReadAllGap, ReadAllWidth, RowHeight);
}

void Ui_Audio::buildCommonBlock()
{
    m_commonBlock = new MyUiLayout(this);
    m_commonBlock->setObjectName(QStringLiteral("Audio-Common"));
    m_commonBlock->setGeometry(CommonRect);
    m_commonSourceLabel = Page_Place(new QLabel(m_commonBlock), 10, 14, 100, RowHeight);
    m_commonSource
        = Page_Place(Page_Combo(m_commonBlock, Common + AudioSource), 110, 14, 200, RowHeight);
    m_commonVolumeLabel = Page_Place(new QLabel(m_commonBlock), 10, 54, 66, RowHeight);
    m_commonVolume = makeVolume(m_commonBlock, Common, 76, 54);
    m_commonMuteLabel = Page_Place(new QLabel(m_commonBlock), 200, 54, 88, RowHeight);
    m_commonMute = makePair(m_commonBlock, Common, 288, 54);
}

void Ui_Audio::buildGroups()
{
    m_mainGroup = new QGroupBox(this);
    m_mainGroup->setObjectName(QStringLiteral("Audio-MainGroup"));
    m_mainGroup->resize(MainSize);
    m_mainSwitchLabel = Page_Place(new QLabel(m_mainGroup), 10, 36, 64, RowHeight);
    m_mainSwitch = makePair(m_mainGroup, Main, 74, 36);
    m_mainSelectLabel = Page_Place(new QLabel(m_mainGroup), 180, 36, 56, RowHeight);
    m_mainSource = Page_Place(Page_Combo(m_mainGroup, Main + AudioSource), 236, 36, 146, RowHeight);

    m_microphoneGroup = new QGroupBox(this);
    m_microphoneGroup->setObjectName(QStringLiteral("Audio-MicrophoneGroup"));
    m_microphoneGroup->resize(MicrophoneSize);
    // Two rows per microphone, the two microphones set apart.
    for (int mic = 0; mic < 2; ++mic) {
        const int y = 22 + mic * 58;
        m_micSwitchLabel[mic] = Page_Place(new QLabel(m_microphoneGroup), 10, y, 150, RowHeight);
        m_micSwitch[mic] = makePair(m_microphoneGroup, Microphone[mic], 160, y);
        m_micVolumeLabel[mic]
            = Page_Place(new QLabel(m_microphoneGroup), 10, y + 29, 150, RowHeight);
        m_micVolume[mic] = makeVolume(m_microphoneGroup, Microphone[mic], 160, y + 29);
    }

    m_overallGroup = new QGroupBox(this);
    m_overallGroup->setObjectName(QStringLiteral("Audio-OverallGroup"));
    m_overallGroup->resize(OverallSize);
    m_overallVolumeLabel = Page_Place(new QLabel(m_overallGroup), 10, 36, 56, RowHeight);
    m_overallVolume = makeVolume(m_overallGroup, Overall, 70, 36);
    m_overallMuteLabel = Page_Place(new QLabel(m_overallGroup), 192, 36, 46, RowHeight);
    m_overallMute = makePair(m_overallGroup, Overall, 240, 36);

    // Until a Tessin is identified the page shows the common block.
    for (QGroupBox *group : {m_mainGroup, m_microphoneGroup, m_overallGroup})
        group->hide();
}

void Ui_Audio::connectControls()
{
    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(m_commonSource, activated, this, &Ui_Audio::SLT_SetAudioSource);
    connect(m_mainSource, activated, this, &Ui_Audio::SLT_SetAudioSource);
    for (const VolumeControls *v :
         {&m_commonVolume, &m_micVolume[0], &m_micVolume[1], &m_overallVolume}) {
        connect(v->value, &QLineEdit::returnPressed, this, &Ui_Audio::SLT_SetVolumeValue);
        connect(v->down, &QPushButton::clicked, this, &Ui_Audio::SLT_BTN_Volume);
        connect(v->up, &QPushButton::clicked, this, &Ui_Audio::SLT_BTN_Volume);
    }
    for (const OnOffPair *p :
         {&m_commonMute, &m_mainSwitch, &m_micSwitch[0], &m_micSwitch[1], &m_overallMute}) {
        connect(p->on, &QPushButton::clicked, this, &Ui_Audio::SLT_BTN_AudioMute);
        connect(p->off, &QPushButton::clicked, this, &Ui_Audio::SLT_BTN_AudioMute);
    }
    connect(m_readAllButton, &QPushButton::clicked, this, &Ui_Audio::SLT_ReadInfo_ALL);
}

void Ui_Audio::RefreshTexts(bool first, bool readAll)
{
    m_commonSourceLabel->setText(Slabel_AudioSource);
    m_commonVolumeLabel->setText(Slabel_Volume);
    m_commonMuteLabel->setText(Slabel_AudioMute);
    m_mainGroup->setTitle(SgroupBox_MainAudio);
    m_mainSwitchLabel->setText(S_SwitchOnOff);
    m_mainSelectLabel->setText(S_Select);
    m_microphoneGroup->setTitle(SgroupBox_Microphone);
    m_micSwitchLabel[0]->setText(Slabel_Microphone1Switch);
    m_micSwitchLabel[1]->setText(Slabel_Microphone2Switch);
    m_micVolumeLabel[0]->setText(Slabel_Microphone1Volume);
    m_micVolumeLabel[1]->setText(Slabel_Microphone2Volume);
    m_overallGroup->setTitle(SgroupBox_OverallAudio);
    m_overallVolumeLabel->setText(Slabel_Volume);
    m_overallMuteLabel->setText(S_Mute);
    for (const OnOffPair *p :
         {&m_commonMute, &m_mainSwitch, &m_micSwitch[0], &m_micSwitch[1], &m_overallMute}) {
        p->on->setText(S_OnOff[0]);
        p->off->setText(S_OnOff[1]);
    }
    for (const VolumeControls *v :
         {&m_commonVolume, &m_micVolume[0], &m_micVolume[1], &m_overallVolume}) {
        v->down->setText(SpushButton_Subtract);
        v->up->setText(SpushButton_Add);
        if (first)
            v->value->clear();
    }
    // The device refuses more than 100 (50 on a Tessin and for the microphones); the tips
    // tell the operator, the builders send nothing beyond.
    m_commonVolume.value->setToolTip(STIPS_EnterKeyFinishInput + STIPS_VolumeVaildVaule_0_100);
    for (const VolumeControls *v : {&m_micVolume[0], &m_micVolume[1], &m_overallVolume})
        v->value->setToolTip(STIPS_EnterKeyFinishInput + STIPS_VolumeVaildVaule_0_50);
    m_readAllButton->setText(S_ReadWrite[0]);

    ApplyModel();
    Access_NameAudio(*this);
    if (readAll)
        PressReadAll();
}

void Ui_Audio::ApplyModel()
{
    const quint8 model = DeviceState::modelIndex;
    if (!Model_Known(model))
        return;
    const bool tessin = isTessin();
    m_commonBlock->setVisible(!tessin);
    for (QGroupBox *group : {m_mainGroup, m_microphoneGroup, m_overallGroup})
        group->setVisible(tessin);
    const QStringList sources = Audio_SourceNames(model, DeviceState::inputSourceCount);
    int bottom = CommonRect.bottom() + 1;
    if (tessin) {
        m_mainGroup->move(Margin, Margin);
        m_microphoneGroup->move(Margin, m_mainGroup->geometry().bottom() + 1 + Gap);
        m_overallGroup->move(Margin, m_microphoneGroup->geometry().bottom() + 1 + Gap);
        bottom = m_overallGroup->geometry().bottom() + 1;
        Page_RefillCombo(m_mainSource, sources);
    } else {
        Page_RefillCombo(m_commonSource, sources);
    }
    m_readAllButton->move(Margin, bottom + ReadAllGap);
    Access_NameAudio(*this);
}

// The reads go out also while the page is disabled (the device is being identified).
void Ui_Audio::PressReadAll()
{
    SLT_ReadInfo_ALL();
}

void Ui_Audio::audioSetSource(int index)
{
    Page_SetComboIndex(isTessin() ? m_mainSource : m_commonSource, index);
}

void Ui_Audio::audioSetVolume(int volume)
{
    VolumeControls &v = isTessin() ? m_overallVolume : m_commonVolume;
    v.deviceText = QString::number(volume);
    Page_ShowText(v.value, v.deviceText);
}

void Ui_Audio::audioSetMicLevel(int mic, int level)
{
    if (mic != 0 && mic != 1)
        return;
    m_micVolume[mic].deviceText = QString::number(level);
    Page_ShowText(m_micVolume[mic].value, m_micVolume[mic].deviceText);
}

void Ui_Audio::audioSetMute(int index)
{
    const OnOffPair &pair = isTessin() ? m_overallMute : m_commonMute;
    Page_SetFlatPair(pair.on, pair.off, index);
}

void Ui_Audio::audioSetSwitch(int channel, int index)
{
    if (!isTessin() || channel < 0 || channel > 2)
        return;
    const OnOffPair &pair = channel == 0 ? m_mainSwitch : m_micSwitch[channel - 1];
    Page_SetFlatPair(pair.on, pair.off, index);
}

void Ui_Audio::SLT_SetAudioSource(int index)
{
    const QObject *from = sender();
    if (from == nullptr || index < 0)
        return;
    const QString name = from->objectName();
    if (name != Common + AudioSource && name != Main + AudioSource)
        return;
    CmdSetAudioSource(static_cast<unsigned>(index));
    emit SGL_UpdateEmit();
}

Ui_Audio::VolumeControls *Ui_Audio::volumeOf(const QObject *edit)
{
    for (VolumeControls *v :
         {&m_commonVolume, &m_micVolume[0], &m_micVolume[1], &m_overallVolume}) {
        if (v->value == edit)
            return v;
    }
    return nullptr;
}

// Nothing is sent: the field goes back to what the device last reported and says why.
void Ui_Audio::refuseTypedLevel(VolumeControls &controls, quint32 maximum)
{
    Page_ShowText(controls.value, controls.deviceText);
    Page_MarkRefused(controls.value, Extra_Text(Page_NumberRefusedText).arg(maximum));
}

void Ui_Audio::SLT_SetVolumeValue()
{
    VolumeControls *controls = volumeOf(sender());
    if (controls == nullptr)
        return;
    const QString name = controls->value->objectName();
    int mic = -1; // the main volume
    if (name == Microphone[0] + VolumeValue)
        mic = 0;
    else if (name == Microphone[1] + VolumeValue)
        mic = 1;
    else if (name != Common + VolumeValue && name != Overall + VolumeValue)
        return;
    // The device's range, as the command builders hold it.
    const quint32 maximum
        = mic < 0 ? Model_VolumeMaximum(DeviceState::modelIndex) : MicVolumeMaximum;
    quint32 value = 0;
    if (!Page_ParsePlainDecimal(controls->value->text(), maximum, &value)) {
        refuseTypedLevel(*controls, maximum);
        return;
    }
    Page_ClearRefused(controls->value);
    if (mic < 0)
        CmdSetAudioVol(value);
    else
        CmdSetMicVol(mic, value);
    emit SGL_UpdateEmit();
}

void Ui_Audio::SLT_BTN_Volume(bool)
{
    const QObject *from = sender();
    if (from == nullptr)
        return;
    const AudioControlName control = Audio_SplitControlName(from->objectName());
    if (control.digit != 0 && control.digit != 1)
        return;
    const bool up = control.digit == 1;
    if (control.prefix == Common + Volume || control.prefix == Overall + Volume) {
        up ? CmdSetAudioVolUp() : CmdSetAudioVolDown();
    } else if (control.prefix == Microphone[0] + Volume
               || control.prefix == Microphone[1] + Volume) {
        const int mic = control.prefix == Microphone[0] + Volume ? 0 : 1;
        up ? CmdSetMicVolUp(mic) : CmdSetMicVolDown(mic);
    } else {
        return;
    }
    emit SGL_UpdateEmit();
}

void Ui_Audio::SLT_BTN_AudioMute(bool)
{
    const QObject *from = sender();
    if (from == nullptr)
        return;
    const AudioControlName control = Audio_SplitControlName(from->objectName());
    const int d = control.digit; // the OnOffWords index: 0 ON, 1 OFF
    if (d != 0 && d != 1)
        return;
    if (control.prefix == Common + AudioMute || control.prefix == Overall + AudioMute)
        CmdSetAudioMute(d);
    else if (control.prefix == Main + AudioMute)
        CmdSetMainAudioOnoff(d);
    else if (control.prefix == Microphone[0] + AudioMute)
        CmdSetMicOnoff(0, d);
    else if (control.prefix == Microphone[1] + AudioMute)
        CmdSetMicOnoff(1, d);
    else
        return;
    emit SGL_UpdateEmit();
}

void Ui_Audio::SLT_ReadInfo_ALL()
{
    Request_AudioReadAll();
    emit SGL_UpdateEmit();
}
