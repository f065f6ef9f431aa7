#include "ui/ui_audio.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "state/device_state.h"
#include "state/vocabulary.h"
#include "ui/my_ui_layout.h"
#include "ui/page_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr quint8 MarletModel = 2;
constexpr quint8 TessinModel = 3;
constexpr int MaxInputSources = 9;

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
    if (model == MarletModel)
        names << S_Marlet_ExpandAudioSource_Name[0];
    if (model == TessinModel) {
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
    return DeviceState::modelIndex == TessinModel;
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
    return v;
}

void Ui_Audio::build()
{
    buildCommonBlock();
    buildGroups();
    readAllButton_ = Page_Place(Page_Button(this, QStringLiteral("Audio-ReadAll")), Margin,
                                CommonRect.bottom() + 1 + ReadAllGap, ReadAllWidth, RowHeight);
}

void Ui_Audio::buildCommonBlock()
{
    commonBlock_ = new MyUiLayout(this);
    commonBlock_->setObjectName(QStringLiteral("Audio-Common"));
    commonBlock_->setGeometry(CommonRect);
    commonSourceLabel_ = Page_Place(new QLabel(commonBlock_), 10, 14, 100, RowHeight);
    commonSource_
        = Page_Place(Page_Combo(commonBlock_, Common + AudioSource), 110, 14, 200, RowHeight);
    commonVolumeLabel_ = Page_Place(new QLabel(commonBlock_), 10, 54, 66, RowHeight);
    commonVolume_ = makeVolume(commonBlock_, Common, 76, 54);
    commonMuteLabel_ = Page_Place(new QLabel(commonBlock_), 200, 54, 88, RowHeight);
    commonMute_ = makePair(commonBlock_, Common, 288, 54);
}

void Ui_Audio::buildGroups()
{
    mainGroup_ = new QGroupBox(this);
    mainGroup_->setObjectName(QStringLiteral("Audio-MainGroup"));
    mainGroup_->resize(MainSize);
    mainSwitchLabel_ = Page_Place(new QLabel(mainGroup_), 10, 36, 64, RowHeight);
    mainSwitch_ = makePair(mainGroup_, Main, 74, 36);
    mainSelectLabel_ = Page_Place(new QLabel(mainGroup_), 180, 36, 56, RowHeight);
    mainSource_ = Page_Place(Page_Combo(mainGroup_, Main + AudioSource), 236, 36, 146, RowHeight);

    microphoneGroup_ = new QGroupBox(this);
    microphoneGroup_->setObjectName(QStringLiteral("Audio-MicrophoneGroup"));
    microphoneGroup_->resize(MicrophoneSize);
    // Two rows per microphone, the two microphones set apart.
    for (int mic = 0; mic < 2; ++mic) {
        const int y = 22 + mic * 58;
        micSwitchLabel_[mic] = Page_Place(new QLabel(microphoneGroup_), 10, y, 150, RowHeight);
        micSwitch_[mic] = makePair(microphoneGroup_, Microphone[mic], 160, y);
        micVolumeLabel_[mic] = Page_Place(new QLabel(microphoneGroup_), 10, y + 29, 150, RowHeight);
        micVolume_[mic] = makeVolume(microphoneGroup_, Microphone[mic], 160, y + 29);
    }

    overallGroup_ = new QGroupBox(this);
    overallGroup_->setObjectName(QStringLiteral("Audio-OverallGroup"));
    overallGroup_->resize(OverallSize);
    overallVolumeLabel_ = Page_Place(new QLabel(overallGroup_), 10, 36, 56, RowHeight);
    overallVolume_ = makeVolume(overallGroup_, Overall, 70, 36);
    overallMuteLabel_ = Page_Place(new QLabel(overallGroup_), 192, 36, 46, RowHeight);
    overallMute_ = makePair(overallGroup_, Overall, 240, 36);

    // Until a Tessin is identified the page shows the common block.
    for (QGroupBox *group : {mainGroup_, microphoneGroup_, overallGroup_})
        group->hide();
}

void Ui_Audio::connectControls()
{
    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(commonSource_, activated, this, &Ui_Audio::SLT_SetAudioSource);
    connect(mainSource_, activated, this, &Ui_Audio::SLT_SetAudioSource);
    for (const VolumeControls *v :
         {&commonVolume_, &micVolume_[0], &micVolume_[1], &overallVolume_}) {
        connect(v->value, &QLineEdit::returnPressed, this, &Ui_Audio::SLT_SetVolumeValue);
        connect(v->down, &QPushButton::clicked, this, &Ui_Audio::SLT_BTN_Volume);
        connect(v->up, &QPushButton::clicked, this, &Ui_Audio::SLT_BTN_Volume);
    }
    for (const OnOffPair *p :
         {&commonMute_, &mainSwitch_, &micSwitch_[0], &micSwitch_[1], &overallMute_}) {
        connect(p->on, &QPushButton::clicked, this, &Ui_Audio::SLT_BTN_AudioMute);
        connect(p->off, &QPushButton::clicked, this, &Ui_Audio::SLT_BTN_AudioMute);
    }
    connect(readAllButton_, &QPushButton::clicked, this, &Ui_Audio::SLT_ReadInfo_ALL);
}

void Ui_Audio::RefreshTexts(bool first, bool readAll)
{
    commonSourceLabel_->setText(Slabel_AudioSource);
    commonVolumeLabel_->setText(Slabel_Volume);
    commonMuteLabel_->setText(Slabel_AudioMute);
    mainGroup_->setTitle(SgroupBox_MainAudio);
    mainSwitchLabel_->setText(S_SwitchOnOff);
    mainSelectLabel_->setText(S_Select);
    microphoneGroup_->setTitle(SgroupBox_Microphone);
    micSwitchLabel_[0]->setText(Slabel_Microphone1Switch);
    micSwitchLabel_[1]->setText(Slabel_Microphone2Switch);
    micVolumeLabel_[0]->setText(Slabel_Microphone1Volume);
    micVolumeLabel_[1]->setText(Slabel_Microphone2Volume);
    overallGroup_->setTitle(SgroupBox_OverallAudio);
    overallVolumeLabel_->setText(Slabel_Volume);
    overallMuteLabel_->setText(S_Mute);
    for (const OnOffPair *p :
         {&commonMute_, &mainSwitch_, &micSwitch_[0], &micSwitch_[1], &overallMute_}) {
        p->on->setText(S_OnOff[0]);
        p->off->setText(S_OnOff[1]);
    }
    for (const VolumeControls *v :
         {&commonVolume_, &micVolume_[0], &micVolume_[1], &overallVolume_}) {
        v->down->setText(SpushButton_Subtract);
        v->up->setText(SpushButton_Add);
        if (first)
            v->value->clear();
    }
    // The device refuses more than 100 (50 on a Tessin and for the microphones); the tips
    // tell the operator, the builders send nothing beyond.
    commonVolume_.value->setToolTip(STIPS_EnterKeyFinishInput + STIPS_VolumeVaildVaule_0_100);
    for (const VolumeControls *v : {&micVolume_[0], &micVolume_[1], &overallVolume_})
        v->value->setToolTip(STIPS_EnterKeyFinishInput + STIPS_VolumeVaildVaule_0_50);
    readAllButton_->setText(S_ReadWrite[0]);

    ApplyModel();
    if (readAll)
        PressReadAll();
}

void Ui_Audio::ApplyModel()
{
    const quint8 model = DeviceState::modelIndex;
    if (model >= ModelCount)
        return;
    const bool tessin = isTessin();
    commonBlock_->setVisible(!tessin);
    for (QGroupBox *group : {mainGroup_, microphoneGroup_, overallGroup_})
        group->setVisible(tessin);
    const QStringList sources = Audio_SourceNames(model, DeviceState::inputSourceCount);
    int bottom = CommonRect.bottom() + 1;
    if (tessin) {
        mainGroup_->move(Margin, Margin);
        microphoneGroup_->move(Margin, mainGroup_->geometry().bottom() + 1 + Gap);
        overallGroup_->move(Margin, microphoneGroup_->geometry().bottom() + 1 + Gap);
        bottom = overallGroup_->geometry().bottom() + 1;
        Page_RefillCombo(mainSource_, sources);
    } else {
        Page_RefillCombo(commonSource_, sources);
    }
    readAllButton_->move(Margin, bottom + ReadAllGap);
}

void Ui_Audio::PressReadAll()
{
    readAllButton_->click();
}

void Ui_Audio::SetSource(int index)
{
    Page_SetComboIndex(isTessin() ? mainSource_ : commonSource_, index);
}

void Ui_Audio::SetVolume(int volume)
{
    Page_ShowText(isTessin() ? overallVolume_.value : commonVolume_.value, QString::number(volume));
}

void Ui_Audio::SetMicLevel(int mic, int level)
{
    if (mic == 0 || mic == 1)
        Page_ShowText(micVolume_[mic].value, QString::number(level));
}

void Ui_Audio::SetMute(int index)
{
    const OnOffPair &pair = isTessin() ? overallMute_ : commonMute_;
    Page_SetFlatPair(pair.on, pair.off, index);
}

void Ui_Audio::SetSwitch(int channel, int index)
{
    if (!isTessin() || channel < 0 || channel > 2)
        return;
    const OnOffPair &pair = channel == 0 ? mainSwitch_ : micSwitch_[channel - 1];
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

void Ui_Audio::SLT_SetVolumeValue()
{
    const auto *edit = qobject_cast<const QLineEdit *>(sender());
    if (edit == nullptr)
        return;
    const QString name = edit->objectName();
    // Anything that is not a plain number reads as 0; a number beyond the device's range is
    // dropped by the builder, but the send trigger still goes out.
    const quint32 value = Page_ParseUnsigned(edit->text());
    if (name == Common + VolumeValue || name == Overall + VolumeValue)
        CmdSetAudioVol(value);
    else if (name == Microphone[0] + VolumeValue)
        CmdSetMicVol(0, value);
    else if (name == Microphone[1] + VolumeValue)
        CmdSetMicVol(1, value);
    else
        return;
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
    CmdGetAudioSource();
    CmdGetAudioVol();
    CmdGetAudioMute();
    if (isTessin()) {
        CmdGetMainAudioOnoff();
        for (int mic = 0; mic < 2; ++mic) {
            CmdGetMicOnoff(mic);
            CmdGetMicVol(mic);
        }
    }
    emit SGL_UpdateEmit();
}
