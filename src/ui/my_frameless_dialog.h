// Borderless dialog with the panel's own title bar; base of the login dialog. Same frame
// as MyFramelessWindow, but a dialog cannot be minimised or maximised.
#pragma once

#include "ui/frameless_frame.h"

#include <QDialog>

class MyFramelessDialog : public FramelessFrame<QDialog>
{
    Q_OBJECT

public:
    explicit MyFramelessDialog(QWidget *parent = nullptr);

public slots:
    void SLOT_WindowMin();
    void SLOT_WindowMax();
    void SLOT_WindowClose();
};
