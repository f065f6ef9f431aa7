// Main window: the keyboard shortcuts for the device pages and the list of keys.
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
    const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    for (int mode = 0; mode < Ui_Multiview::ModeCount; ++mode) {
        auto *key = new QShortcut(QKeySequence(Qt::CTRL | digits[mode]), this);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, [this, mode] { chooseLayout(mode); });
    }
    auto *read = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    read->setContext(Qt::WindowShortcut);
    connect(read, &QShortcut::activated, this, &Ui_Main::readCurrentPage);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &Ui_Main::showKeys);
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
