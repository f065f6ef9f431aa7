// Borderless top-level widget with the panel's own title bar; base of the main window.
#pragma once

#include "ui/frameless_frame.h"

#include <QWidget>

class MyFramelessWindow : public FramelessFrame<QWidget>
{
    Q_OBJECT

public:
    explicit MyFramelessWindow(QWidget *parent = nullptr);

public slots:
    void SLOT_WindowMin();
    void SLOT_WindowMax();
    void SLOT_WindowClose();
};
