// Main window as the reply dispatcher's page sink: each call goes to the page that owns the
// widget.
#include "ui/ui_main.h"

#include "ui/message_box.h"
#include "ui/ui_audio.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"
#include "ui/ui_uart_network.h"

// Connection page and main window.

void Ui_Main::connectionAppendStatus(const QString &text)
{
    connectionPage_->AppendStatus(text);
}

void Ui_Main::connectionShowIdentifyResult(bool ok)
{
    connectionPage_->ShowIdentifyResult(ok);
}

void Ui_Main::connectionPressActiveConnectButton()
{
    connectionPage_->PressActiveConnectButton();
}

void Ui_Main::showMessageBox(const QString &text)
{
    MessageBox_InfoSerial(text, this);
}

// Output page.

void Ui_Main::outputApplyModel()
{
    outputPage_->ApplyModel();
}

void Ui_Main::outputPressReadAll()
{
    outputPage_->PressReadAll();
}

void Ui_Main::outputSetResolution(int index)
{
    outputPage_->SetResolution(index);
}

void Ui_Main::outputSet4kAuto(int index)
{
    outputPage_->Set4kAuto(index);
}

void Ui_Main::outputSetHdcp(int index)
{
    outputPage_->SetHdcp(index);
}

void Ui_Main::outputSetVka(int index)
{
    outputPage_->SetVka(index);
}

void Ui_Main::outputSetItc(int index)
{
    outputPage_->SetItc(index);
}

void Ui_Main::outputSetUserResolution(quint32 width, quint32 height)
{
    outputPage_->SetUserResolution(width, height);
}

// Multiview page.

void Ui_Main::multiviewApplyModel()
{
    multiviewPage_->ApplyModel();
}

void Ui_Main::multiviewPressReadAll()
{
    multiviewPage_->PressReadAll();
}

void Ui_Main::multiviewSetLayout(quint32 mode, bool readSync)
{
    multiviewPage_->SetLayout(mode, readSync);
}

void Ui_Main::multiviewSetWindowSource(int window, int source)
{
    multiviewPage_->SetWindowSource(window, source);
}

void Ui_Main::multiviewSetAutoSwitch(int index)
{
    multiviewPage_->SetAutoSwitch(index);
}

void Ui_Main::multiviewSetInputResolutionText(const QString &text)
{
    multiviewPage_->SetInputResolutionText(text);
}

void Ui_Main::multiviewSetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize,
                                        quint32 vSize)
{
    multiviewPage_->SetUserRectangle(hStart, vStart, hSize, vSize);
}

void Ui_Main::multiviewSetVariantCount(quint32 count)
{
    multiviewPage_->SetVariantCount(count);
}

void Ui_Main::multiviewSetLayoutVariant(int index)
{
    multiviewPage_->SetLayoutVariant(index);
}

void Ui_Main::multiviewSetPipPosition(int index)
{
    multiviewPage_->SetPipPosition(index);
}

void Ui_Main::multiviewSetPipSize(int index)
{
    multiviewPage_->SetPipSize(index);
}

void Ui_Main::multiviewSetAspect(int index)
{
    multiviewPage_->SetAspect(index);
}

// Audio page.

void Ui_Main::audioApplyModel()
{
    audioPage_->ApplyModel();
}

void Ui_Main::audioPressReadAll()
{
    audioPage_->PressReadAll();
}

void Ui_Main::audioSetSource(int index)
{
    audioPage_->SetSource(index);
}

void Ui_Main::audioSetVolume(int volume)
{
    audioPage_->SetVolume(volume);
}

void Ui_Main::audioSetMute(int index)
{
    audioPage_->SetMute(index);
}

void Ui_Main::audioSetMicLevel(int mic, int level)
{
    audioPage_->SetMicLevel(mic, level);
}

void Ui_Main::audioSetSwitch(int channel, int index)
{
    audioPage_->SetSwitch(channel, index);
}

// System page.

void Ui_Main::systemApplyModel()
{
    systemPage_->ApplyModel();
}

void Ui_Main::systemPressReadAll()
{
    systemPage_->PressReadAll();
}

void Ui_Main::systemSetEdidSelection(int index)
{
    systemPage_->SetEdidSelection(index);
}

void Ui_Main::systemSetVersionText(const QString &text)
{
    systemPage_->SetVersionText(text);
}

void Ui_Main::systemUserEdidWritten()
{
    systemPage_->UserEdidWritten();
}

void Ui_Main::systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                                   const QString &gateway)
{
    systemPage_->SetNetworkInfo(ip, port, mask, gateway);
}

void Ui_Main::systemSetBaudRate(qint32 baudRate)
{
    systemPage_->SetBaudRate(baudRate);
}
