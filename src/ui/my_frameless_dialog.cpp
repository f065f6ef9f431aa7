#include "ui/my_frameless_dialog.h"

MyFramelessDialog::MyFramelessDialog(QWidget *parent)
    : FramelessFrame<QDialog>(parent)
{
    chrome()->minButton()->setEnabled(false);
    chrome()->maxButton()->setEnabled(false);
    connectTitleButtons(this);
}

void MyFramelessDialog::SLOT_WindowMin()
{
    showMinimized();
}

void MyFramelessDialog::SLOT_WindowMax()
{
    chrome()->toggleMaximised();
}

void MyFramelessDialog::SLOT_WindowClose()
{
    close();
}
