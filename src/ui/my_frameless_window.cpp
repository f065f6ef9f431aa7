#include "ui/my_frameless_window.h"

MyFramelessWindow::MyFramelessWindow(QWidget *parent)
    : FramelessFrame<QWidget>(parent)
{
    connectTitleButtons(this);
}

void MyFramelessWindow::SLOT_WindowMin()
{
    showMinimized();
}

void MyFramelessWindow::SLOT_WindowMax()
{
    chrome()->toggleMaximised();
}

void MyFramelessWindow::SLOT_WindowClose()
{
    close();
}
