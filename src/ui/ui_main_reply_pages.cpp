// Main window as the reply dispatcher's page sink: each call goes to the page that owns the
// widget. The connection calls are live; the output, multiview, audio and system calls reach
// their pages once those pages are part of the window (each page fills in its own block
// below) and do nothing until then.
#include "ui/ui_main.h"

#include "ui/message_box.h"
#include "ui/ui_multiview.h"
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

void Ui_Main::outputApplyModel() { }
void Ui_Main::outputPressReadAll() { }
void Ui_Main::outputSetResolution(int) { }
void Ui_Main::outputSet4kAuto(int) { }
void Ui_Main::outputSetHdcp(int) { }
void Ui_Main::outputSetVka(int) { }
void Ui_Main::outputSetItc(int) { }
void Ui_Main::outputSetUserResolution(quint32, quint32) { }

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

void Ui_Main::audioApplyModel() { }
void Ui_Main::audioPressReadAll() { }
void Ui_Main::audioSetSource(int) { }
void Ui_Main::audioSetVolume(int) { }
void Ui_Main::audioSetMute(int) { }
void Ui_Main::audioSetMicLevel(int, int) { }
void Ui_Main::audioSetSwitch(int, int) { }

// System page.

void Ui_Main::systemApplyModel() { }
void Ui_Main::systemPressReadAll() { }
void Ui_Main::systemSetEdidSelection(int) { }
void Ui_Main::systemSetVersionText(const QString &) { }
void Ui_Main::systemUserEdidWritten() { }
void Ui_Main::systemSetNetworkInfo(const QString &, const QString &, const QString &,
                                   const QString &)
{ }
void Ui_Main::systemSetBaudRate(qint32) { }
