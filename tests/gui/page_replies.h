// What the device-page tests share: a fresh environment per test, a ReplyPages that feeds
// reply lines through the real dispatcher into the pages under test, and small drivers.
#pragma once

#include "app/language_texts.h"
#include "state/link_settings.h"
#include "support/queued_commands.h"
#include "support/test_runtime.h"

#include "state/reply_dispatcher.h"
#include "ui/ui_audio.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"

#include "state/device_state.h"
#include "state/vocabulary.h"

#include <QComboBox>
#include <QStringList>
#include <QtTest>

#include <initializer_list>

class PageReplies : public ReplyPages
{
public:
    Ui_Output *output = nullptr;
    Ui_Audio *audio = nullptr;
    Ui_System *system = nullptr;
    QStringList status;

    // One line as the main window hands it over, CR added.
    void line(const QByteArray &text) { Reply_Dispatch(QString::fromUtf8(text + '\r'), *this); }

    void connectionAppendStatus(const QString &text) override { status << text; }
    void connectionShowIdentifyResult(bool) override { }
    void connectionPressActiveConnectButton() override { }
    void showMessageBox(const QString &) override { }

    void outputApplyModel() override
    {
        if (output)
            output->ApplyModel();
    }
    void outputPressReadAll() override
    {
        if (output)
            output->PressReadAll();
    }
    void outputSetResolution(int i) override
    {
        if (output)
            output->SetResolution(i);
    }
    void outputSet4kAuto(int i) override
    {
        if (output)
            output->Set4kAuto(i);
    }
    void outputSetHdcp(int i) override
    {
        if (output)
            output->SetHdcp(i);
    }
    void outputSetVka(int i) override
    {
        if (output)
            output->SetVka(i);
    }
    void outputSetItc(int i) override
    {
        if (output)
            output->SetItc(i);
    }
    void outputSetUserResolution(quint32 w, quint32 h) override
    {
        if (output)
            output->SetUserResolution(w, h);
    }

    void multiviewApplyModel() override { }
    void multiviewPressReadAll() override { }
    void multiviewSetLayout(quint32, bool) override { }
    void multiviewSetWindowSource(int, int) override { }
    void multiviewSetAutoSwitch(int) override { }
    void multiviewSetInputResolutionText(const QString &) override { }
    void multiviewSetUserRectangle(quint32, quint32, quint32, quint32) override { }
    void multiviewSetVariantCount(quint32) override { }
    void multiviewSetLayoutVariant(int) override { }
    void multiviewSetPipPosition(int) override { }
    void multiviewSetPipSize(int) override { }
    void multiviewSetAspect(int) override { }

    void audioApplyModel() override
    {
        if (audio)
            audio->ApplyModel();
    }
    void audioPressReadAll() override
    {
        if (audio)
            audio->PressReadAll();
    }
    void audioSetSource(int i) override
    {
        if (audio)
            audio->SetSource(i);
    }
    void audioSetVolume(int v) override
    {
        if (audio)
            audio->SetVolume(v);
    }
    void audioSetMute(int i) override
    {
        if (audio)
            audio->SetMute(i);
    }
    void audioSetMicLevel(int m, int l) override
    {
        if (audio)
            audio->SetMicLevel(m, l);
    }
    void audioSetSwitch(int c, int i) override
    {
        if (audio)
            audio->SetSwitch(c, i);
    }

    void systemApplyModel() override
    {
        if (system)
            system->ApplyModel();
    }
    void systemPressReadAll() override
    {
        if (system)
            system->PressReadAll();
    }
    void systemSetEdidSelection(int i) override
    {
        if (system)
            system->SetEdidSelection(i);
    }
    void systemSetVersionText(const QString &t) override
    {
        if (system)
            system->SetVersionText(t);
    }
    void systemUserEdidWritten() override
    {
        if (system)
            system->UserEdidWritten();
    }
    void systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                              const QString &gateway) override
    {
        if (system)
            system->SetNetworkInfo(ip, port, mask, gateway);
    }
    void systemSetBaudRate(qint32 baud) override
    {
        if (system)
            system->SetBaudRate(baud);
    }
};

// What the operator's choice in a combo's popup does: the index changes, activated fires.
inline void Choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Identifies a model the way the dispatcher does (state only, no page calls).
inline void Identify(quint8 model)
{
    DeviceState::modelIndex = model;
    DeviceState::modelIdentified = model < ModelCount;
    DeviceState::inputSourceCount = model < ModelCount ? InputSourceCounts[model] : 0;
}

// Scratch runtime with built-in texts, no model, the link-settings flag cleared, and `mode`
// active with an empty send queue; the links are released again at the end.
class PageTestEnv
{
public:
    explicit PageTestEnv(qint32 mode = LinkModeTcp)
    {
        DeviceState::ResetForTesting();
        LinkSettingsQueryOnly = false;
        LinkSettings_Forget();
        EdidFileDialogPath = QStringLiteral(".");
        QueuedCommands_Start(mode);
    }
    ~PageTestEnv() { QueuedCommands_Stop(); }

private:
    TestRuntime m_runtime;
};

// Data rows "model" (int) and "shown" (bool), one per model in table order, named after it.
inline void ModelRows(std::initializer_list<bool> shown)
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("shown");
    int model = 0;
    for (bool s : shown) {
        QTest::newRow(model < ModelCount ? ModelNames[model] : "no model") << model << s;
        ++model;
    }
}
