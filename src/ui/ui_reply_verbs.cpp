#include "ui/ui_reply_verbs.h"

#include "link/link_controller.h"
#include "ui/message_box.h"
#include "ui/ui_audio.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"
#include "ui/ui_uart_network.h"

namespace {
template <class Page, class Verb>
void Call(Page *page, Verb verb)
{
    if (page)
        (page->*verb)();
}
} // namespace

// The controller decides what the verdict means for the link; the connection page shows the
// mark as the controller's state changes.
void UiReplyVerbs::connectionShowIdentifyResult(bool ok)
{
    if (m_pages.link)
        m_pages.link->reportIdentification(ok);
    else if (m_pages.connection)
        m_pages.connection->ShowIdentifyResult(ok);
}

void UiReplyVerbs::connectionPressActiveConnectButton()
{
    Call(m_pages.connection, &Ui_Uart_Network::PressActiveConnectButton);
}

// Boxes that answer a device reply wait for one another instead of nesting.
void UiReplyVerbs::showMessageBox(const QString &text)
{
    MessageBox_InfoSerial(text, m_pages.messageParent);
}

void UiReplyVerbs::outputApplyModel()
{
    Call(m_pages.output, &Ui_Output::ApplyModel);
}

void UiReplyVerbs::multiviewApplyModel()
{
    Call(m_pages.multiview, &Ui_Multiview::ApplyModel);
}

void UiReplyVerbs::audioApplyModel()
{
    Call(m_pages.audio, &Ui_Audio::ApplyModel);
}

void UiReplyVerbs::systemApplyModel()
{
    Call(m_pages.system, &Ui_System::ApplyModel);
}

void UiReplyVerbs::outputPressReadAll()
{
    Call(m_pages.output, &Ui_Output::PressReadAll);
}

void UiReplyVerbs::multiviewPressReadAll()
{
    Call(m_pages.multiview, &Ui_Multiview::PressReadAll);
}

void UiReplyVerbs::audioPressReadAll()
{
    Call(m_pages.audio, &Ui_Audio::PressReadAll);
}

void UiReplyVerbs::systemPressReadAll()
{
    Call(m_pages.system, &Ui_System::PressReadAll);
}
