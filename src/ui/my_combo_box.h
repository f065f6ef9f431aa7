// The panel's combo boxes. MyListComboBox lists its items in a plain QListView, which lets the
// style sheet reach the popup's items. MyComboBox also asks for its list to be rebuilt each
// time its popup is about to open, so that lists of things that come and go (serial ports, PC
// addresses) are always current.
#pragma once

#include <QComboBox>

class MyListComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit MyListComboBox(QWidget *parent = nullptr);

    // The list view is made when the popup first opens: a popup (a window of its own with a
    // view and scroll bars) for each of the many boxes is most of what building the pages
    // would cost, and most boxes are never opened.
    void showPopup() override;

private:
    bool m_listView = false;
};

class MyComboBox : public MyListComboBox
{
    Q_OBJECT

public:
    explicit MyComboBox(QWidget *parent = nullptr);

    void showPopup() override;

signals:
    // Emitted before the popup is shown; the receiver refills the box.
    void SGL_Auto_UpdateComboBox();
};
