// Main window as the reply dispatcher's page sink: each call goes to the page that owns the
// widget.
#include "ui/ui_main.h"

#include "link/link_controller.h"
#include "ui/message_box.h"
#include "ui/ui_audio.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"
#include "ui/ui_uart_network.h"

// Connection page and main window.

void Ui_Main::connectionAppendStatus(const QString &text)
{
    m_connectionPage->AppendStatus(text);
}

// The controller decides what the verdict means for the link; the connection page shows the
// mark as the controller's state changes.
void Ui_Main::connectionShowIdentifyResult(bool ok)
{
    m_linkController->reportIdentification(ok);
}

void Ui_Main::connectionPressActiveConnectButton()
{
    m_connectionPage->PressActiveConnectButton();
}

void Ui_Main::showMessageBox(const QString &text)
{
    MessageBox_InfoSerial(text, this);
}

// Output page.

void Ui_Main::outputApplyModel()
{
    m_outputPage->ApplyModel();
}

void Ui_Main::outputPressReadAll()
{
    m_outputPage->PressReadAll();
}

void Ui_Main::outputSetResolution(int index)
{
    m_outputPage->SetResolution(index);
}

void Ui_Main::outputSet4kAuto(int index)
{
    m_outputPage->Set4kAuto(index);
}

void Ui_Main::outputSetHdcp(int index)
{
    m_outputPage->SetHdcp(index);
}

void Ui_Main::outputSetVka(int index)
{
    m_outputPage->SetVka(index);
}

void Ui_Main::outputSetItc(int index)
{
    m_outputPage->SetItc(index);
}

void Ui_Main::outputSetUserResolution(quint32 width, quint32 height)
{
    m_outputPage->SetUserResolution(width, height);
}

// Multiview page.

void Ui_Main::multiviewApplyModel()
{
    m_multiviewPage->ApplyModel();
}

void Ui_Main::multiviewPressReadAll()
{
    m_multiviewPage->PressReadAll();
}

void Ui_Main::multiviewSetLayout(quint32 mode, bool readSync)
{
    m_multiviewPage->SetLayout(mode, readSync);
}

void Ui_Main::multiviewSetWindowSource(int window, int source)
{
    m_multiviewPage->SetWindowSource(window, source);
}

void Ui_Main::multiviewSetAutoSwitch(int index)
{
    m_multiviewPage->SetAutoSwitch(index);
}

void Ui_Main::multiviewSetInputResolutionText(const QString &text)
{
    m_multiviewPage->SetInputResolutionText(text);
}

void Ui_Main::multiviewSetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize,
                                        quint32 vSize)
{
    m_multiviewPage->SetUserRectangle(hStart, vStart, hSize, vSize);
}

void Ui_Main::multiviewSetVariantCount(quint32 count)
{
    m_multiviewPage->SetVariantCount(count);
}

void Ui_Main::multiviewSetLayoutVariant(int index)
{
    m_multiviewPage->SetLayoutVariant(index);
}

void Ui_Main::multiviewSetPipPosition(int index)
{
    m_multiviewPage->SetPipPosition(index);
}

void Ui_Main::multiviewSetPipSize(int index)
{
    m_multiviewPage->SetPipSize(index);
}

void Ui_Main::multiviewSetAspect(int index)
{
    m_multiviewPage->SetAspect(index);
}

// Audio page.

void Ui_Main::audioApplyModel()
{
    m_audioPage->ApplyModel();
}

void Ui_Main::audioPressReadAll()
{
    m_audioPage->PressReadAll();
}

void Ui_Main::audioSetSource(int index)
{
    m_audioPage->SetSource(index);
}

void Ui_Main::audioSetVolume(int volume)
{
    m_audioPage->SetVolume(volume);
}

void Ui_Main::audioSetMute(int index)
{
    m_audioPage->SetMute(index);
}

void Ui_Main::audioSetMicLevel(int mic, int level)
{
    m_audioPage->SetMicLevel(mic, level);
}

void Ui_Main::audioSetSwitch(int channel, int index)
{
    m_audioPage->SetSwitch(channel, index);
}

// System page.

void Ui_Main::systemApplyModel()
{
    m_systemPage->ApplyModel();
}

void Ui_Main::systemPressReadAll()
{
    m_systemPage->PressReadAll();
}

void Ui_Main::systemSetEdidSelection(int index)
{
    m_systemPage->SetEdidSelection(index);
}

void Ui_Main::systemSetVersionText(const QString &text)
{
    m_systemPage->SetVersionText(text);
}

void Ui_Main::systemUserEdidWritten()
{
    m_systemPage->UserEdidWritten();
}

void Ui_Main::systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                                   const QString &gateway)
{
    m_systemPage->SetNetworkInfo(ip, port, mask, gateway);
}

void Ui_Main::systemSetBaudRate(qint32 baudRate)
{
    m_systemPage->SetBaudRate(baudRate);
}
