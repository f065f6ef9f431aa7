#include "ui/ui_main.h"

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/save_on_exit.h"
#include "link/link_context.h"
#include "ui/frame_geometry.h"
#include "ui/link_status_bar.h"
#include "ui/my_combo_box.h"
#include "ui/page_access_names.h"
#include "ui/page_device_gate.h"
#include "ui/ui_debug.h"
#include "ui/ui_profiles.h"
#include "ui/ui_uart_network.h"
#include "ui/window_exposure.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QTabWidget>
#include <QWindow>

namespace {
constexpr int SelectorWidth = 140;
constexpr int SelectorHeight = 30;
} // namespace

Ui_Main::Ui_Main(QWidget *parent, PageBuild pages)
    : MyFramelessWindow(parent)
    , m_pageBuild(pages)
{
    m_contentWidget = new QWidget(this);
    setContentWidget(m_contentWidget);
    m_tabWidget = new QTabWidget(m_contentWidget);
    m_tabWidget->setAutoFillBackground(true);
    auto *contentLayout = new QGridLayout(m_contentWidget);
    m_languageSelector = new MyListComboBox(m_contentWidget);
    m_languageSelector->setObjectName(QStringLiteral("LanguageSelector"));
    createPages();

    const QSize screen = Frame_PrimaryScreenSize();
    resize(Main_WindowSize(screen));
    move(Frame_CentredPosition(screen, size()));
    setTitleIcon(App_Path(QStringLiteral("/APP/Image/mainui_logo.png")));
    placeLanguageSelector();

    releaseKeyboard();
    ApplyTexts(true);
    contentLayout->addWidget(m_tabWidget, 0, 0);
    contentLayout->addWidget(m_linkStatusBar, 1, 0);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    m_languageSelector->raise();

    connect(m_tabWidget, &QTabWidget::tabBarClicked, this, &Ui_Main::SLT_GetFocus_tabBar);
    connect(m_tabWidget, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && m_standIns.contains(m_tabWidget->widget(index)))
            BuildPages();
    });
    connect(m_languageSelector, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                if (index >= 0)
                    SLT_ReloadUILanguage(m_languageSelector->itemText(index));
            });
    wireLink();
    wireKeys();
}

Ui_Main::~Ui_Main()
{
    Config_SaveOnExit();
    // The profiles dialog listens to the reply values: it goes before them.
    delete m_profiles;
    m_profiles = nullptr;
    m_replyValues.clear();
    m_replyVerbs.setPages({});
    // Pages go in the order they were added (connection page first), before the frame.
    for (const PageEntry &entry : qAsConst(m_pages))
        delete entry.page;
    m_pages.clear();
    m_connectionPage = nullptr;
    m_outputPage = nullptr;
    m_multiviewPage = nullptr;
    m_audioPage = nullptr;
    m_systemPage = nullptr;
    delete m_debugTerminal;
    m_debugTerminal = nullptr;
}

void Ui_Main::AddPage(const PageEntry &entry)
{
    // A page built inside the window stays where it is (see createPages()).
    if (entry.page && !isAncestorOf(entry.page))
        entry.page->setParent(this);
    m_pages.append(entry);
}

bool Ui_Main::PageShown(const QString *flag)
{
    return !flag || *flag == QLatin1String("1");
}

void Ui_Main::ApplyTexts(bool initial)
{
    setTitleText(Ui_Main_AppName);
    Access_NameMainWindow(*this);
    m_linkStatusBar->refresh(); // its texts follow the language
    if (initial) {
        m_languageSelector->clear();
        if (Language_FileExists(true))
            m_languageSelector->addItem(ScomboBox_LanguageSelect[0]);
        if (Language_FileExists(false))
            m_languageSelector->addItem(ScomboBox_LanguageSelect[1]);

        m_tabWidget->clear();
        m_tabPages.clear();
        m_standIns.resize(m_pages.size());
        for (int i = 0; i < m_pages.size(); ++i) {
            const PageEntry &entry = m_pages.at(i);
            if (!PageShown(entry.flag)) {
                if (entry.page)
                    entry.page->hide(); // owned by the window but never shown
                continue;
            }
            QWidget *tab = entry.page;
            if (!tab) { // built later
                if (!m_standIns.at(i))
                    m_standIns[i] = new QWidget(pageHolder());
                tab = m_standIns.at(i);
            }
            m_tabWidget->addTab(tab, entry.title ? *entry.title : QString());
            m_tabPages.append(i);
            if (!entry.flag && entry.retranslate)
                entry.retranslate(false, false);
        }
        return;
    }

    if (Language_FileExists(true))
        m_languageSelector->setItemText(0, ScomboBox_LanguageSelect[0]);
    if (Language_FileExists(false))
        m_languageSelector->setItemText(1, ScomboBox_LanguageSelect[1]);
    if (m_languageSelector->count() == 2)
        m_languageSelector->setCurrentIndex(Key_LanguageIsEnglish == QLatin1String("1") ? 0 : 1);
    else if (m_languageSelector->count() == 1)
        m_languageSelector->setCurrentIndex(0);

    for (int tab = 0; tab < m_tabPages.size(); ++tab) {
        const PageEntry &entry = m_pages.at(m_tabPages.at(tab));
        m_tabWidget->setTabText(tab, entry.title ? *entry.title : QString());
    }
    for (const PageEntry &entry : qAsConst(m_pages)) {
        if (!entry.flag && entry.retranslate)
            entry.retranslate(false, true);
    }
    if (m_debugTerminal)
        m_debugTerminal->RetranslateExtras();
}

void Ui_Main::SLT_GetFocus_tabBar(int index)
{
    if (index < 0)
        return;
    BuildPages(); // a stand-in is about to make way for its page
    if (QWidget *page = m_tabWidget->widget(index))
        page->setFocus(Qt::OtherFocusReason);
}

void Ui_Main::SLT_SETUP_UI_MAIN()
{
    ApplyTexts(false);
    SLT_ReloadUILanguage(m_languageSelector->currentText());
    show();
}

void Ui_Main::SLT_ReloadUILanguage(QString LanguageText)
{
    BuildPages(); // each page takes the new texts and reads the device again
    Language_Switch(LanguageText);
    ApplyTexts(false);
    for (const PageEntry &entry : qAsConst(m_pages)) {
        if (entry.flag && *entry.flag == QLatin1String("1") && entry.retranslate)
            entry.retranslate(false, true);
    }
    refreshProfilesTexts();
    for (PageDeviceGate *gate : qAsConst(m_deviceGates))
        gate->reapply();
}

void Ui_Main::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::exit(0);
}

// The device pages wait for the window's first picture on the screen: one turn of the event
// loop after the first exposure they are built.
void Ui_Main::showEvent(QShowEvent *event)
{
    MyFramelessWindow::showEvent(event);
    if (!m_devicePagesBuilt && windowHandle())
        Window_AfterFirstExposure(this, [this] { BuildPages(); });
}

void Ui_Main::resizeEvent(QResizeEvent *event)
{
    MyFramelessWindow::resizeEvent(event);
    event->accept();
    placeLanguageSelector();
}

void Ui_Main::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_Z)
        openDebugTerminal();
    MyFramelessWindow::keyPressEvent(event);
}

void Ui_Main::openDebugTerminal()
{
    if (LinkMode == LinkModeNone)
        return;
    BuildPages(); // the terminal comes with them
    emit SGL_SETUP_UI_DEBUG();
}

void Ui_Main::placeLanguageSelector()
{
    m_languageSelector->setGeometry(width() - SelectorWidth, 0, SelectorWidth, SelectorHeight);
}
