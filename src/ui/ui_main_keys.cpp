// Main window: its keyboard shortcuts and the list of keys.
#include "ui/ui_main_keys.h"

#include "app/config_values.h"
#include "link/link_controller.h"
#include "ui/message_box.h"
#include "ui/ui_audio.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

void Ui_Main::wireKeys()
{
    // Each key reaches the whole window (the shortcut's default context).
    auto key = [this](int sequence, auto slot) {
        connect(new QShortcut(QKeySequence(sequence), this), &QShortcut::activated, this, slot);
    };
    // Alt+Z reaches the window also while a text field has the focus (a field would otherwise
    // take the key as text). Exactly Alt: Ctrl+Alt+Z is another sequence.
    key(Qt::ALT | Qt::Key_Z, &Ui_Main::openDebugTerminal);
    key(Qt::CTRL | Qt::Key_P, &Ui_Main::OpenProfiles);
    const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    for (int mode = 0; mode < Ui_Multiview::ModeCount; ++mode)
        key(Qt::CTRL | digits[mode], [this, mode] { chooseLayout(mode); });
    key(Qt::CTRL | Qt::Key_R, &Ui_Main::readCurrentPage);
    key(Qt::Key_F1, &Ui_Main::showKeys);
}

bool Ui_Main::deviceIdentified() const
{
    return m_linkController->isOpen() && m_linkController->identifiedModel() >= 0;
}

// As a click on the layout's button: the page must have its tab and the device be known.
void Ui_Main::chooseLayout(int mode)
{
    if (!deviceIdentified() || !PageShown(&Key_UI_Multiview))
        return;
    if (QPushButton *button = m_multiviewPage->modeButton(mode))
        button->click();
}

// The current tab's read-all button, as a click; the connection page has none.
void Ui_Main::readCurrentPage()
{
    if (!deviceIdentified())
        return;
    QWidget *page = m_tabWidget->currentWidget();
    QPushButton *button = nullptr;
    if (page == m_outputPage)
        button = m_outputPage->readAllButton();
    else if (page == m_multiviewPage)
        button = m_multiviewPage->readAllButton();
    else if (page == m_audioPage)
        button = m_audioPage->readAllButton();
    else if (page == m_systemPage)
        button = m_systemPage->readAllButton();
    if (button)
        button->click();
}

void Ui_Main::showKeys()
{
    MessageBox_Info(Extra_Text(MainKeys_ListText), this);
}
