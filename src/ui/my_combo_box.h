// A combo box that asks for its list to be rebuilt each time its popup is about to open, so
// that lists of things that come and go (serial ports, PC addresses) are always current.
#pragma once

#include <QComboBox>

class MyComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit MyComboBox(QWidget *parent = nullptr);

    void showPopup() override;

signals:
    // Emitted before the popup is shown; the receiver refills the box.
    void SGL_Auto_UpdateComboBox();
};
