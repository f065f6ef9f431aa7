// The reply dispatcher's verbs carried out on the window's pages: the identification verdict
// (to the link controller, whose state the connection page shows) and closing the link on the
// connection page, the message box at the main window, and each device page's model rebuild
// and read-all. A page that is not there (in a test) is skipped.
#pragma once

#include "state/reply_sinks.h"

class LinkController;
class QWidget;
class Ui_Audio;
class Ui_Multiview;
class Ui_Output;
class Ui_System;
class Ui_Uart_Network;

struct UiReplyPages
{
    Ui_Uart_Network *connection = nullptr;
    Ui_Output *output = nullptr;
    Ui_Multiview *multiview = nullptr;
    Ui_Audio *audio = nullptr;
    Ui_System *system = nullptr;
    QWidget *messageParent = nullptr; // the message box is placed at this window
    LinkController *link = nullptr; // without one, the connection page shows the verdict itself
};

class UiReplyVerbs : public ReplyVerbs
{
public:
    explicit UiReplyVerbs(const UiReplyPages &pages = {})
        : m_pages(pages)
    { }

    void setPages(const UiReplyPages &pages) { m_pages = pages; }

    void connectionShowIdentifyResult(bool ok) override;
    void connectionPressActiveConnectButton() override;
    void showMessageBox(const QString &text) override;
    void outputApplyModel() override;
    void multiviewApplyModel() override;
    void audioApplyModel() override;
    void systemApplyModel() override;
    void outputPressReadAll() override;
    void multiviewPressReadAll() override;
    void audioPressReadAll() override;
    void systemPressReadAll() override;

private:
    UiReplyPages m_pages;
};
