#include "ui/ui_main.h"

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/save_on_exit.h"
#include "link/link_context.h"
#include "ui/frame_geometry.h"
#include "ui/ui_debug.h"
#include "ui/ui_uart_network.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListView>
#include <QTabWidget>

namespace {
constexpr int SelectorWidth = 140;
constexpr int SelectorHeight = 30;
} // namespace

Ui_Main::Ui_Main(QWidget *parent)
    : MyFramelessWindow(parent)
{
    contentWidget_ = new QWidget(this);
    setContentWidget(contentWidget_);
    tabWidget_ = new QTabWidget(contentWidget_);
    tabWidget_->setAutoFillBackground(true);
    auto *contentLayout = new QGridLayout(contentWidget_);
    languageSelector_ = new QComboBox(contentWidget_);
    languageSelector_->setObjectName(QStringLiteral("LanguageSelector"));
    // A list view lets the style sheet reach the popup's items.
    languageSelector_->setView(new QListView(languageSelector_));
    createPages();

    const QSize screen = Frame_PrimaryScreenSize();
    resize(Main_WindowSize(screen));
    move(Frame_CentredPosition(screen, size()));
    setTitleIcon(App_Path(QStringLiteral("/APP/Image/mainui_logo.png")));
    placeLanguageSelector();

    releaseKeyboard();
    ApplyTexts(true);
    contentLayout->addWidget(tabWidget_);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    languageSelector_->raise();

    connect(tabWidget_, &QTabWidget::tabBarClicked, this, &Ui_Main::SLT_GetFocus_tabBar);
    connect(languageSelector_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                if (index >= 0)
                    SLT_ReloadUILanguage(languageSelector_->itemText(index));
            });
    wirePages();
    wireLinkServices();
}

Ui_Main::~Ui_Main()
{
    Config_SaveOnExit();
    // Pages go in the order they were added (connection page first), before the frame.
    for (const PageEntry &entry : qAsConst(pages_))
        delete entry.page;
    pages_.clear();
    connectionPage_ = nullptr;
    outputPage_ = nullptr;
    multiviewPage_ = nullptr;
    audioPage_ = nullptr;
    systemPage_ = nullptr;
    delete debugTerminal_;
    debugTerminal_ = nullptr;
}

void Ui_Main::AddPage(const PageEntry &entry)
{
    if (entry.page)
        entry.page->setParent(this);
    pages_.append(entry);
}

bool Ui_Main::PageShown(const QString *flag)
{
    return !flag || *flag == QLatin1String("1");
}

void Ui_Main::ApplyTexts(bool initial)
{
    setTitleText(Ui_Main_AppName);
    if (initial) {
        languageSelector_->clear();
        if (Language_FileExists(true))
            languageSelector_->addItem(ScomboBox_LanguageSelect[0]);
        if (Language_FileExists(false))
            languageSelector_->addItem(ScomboBox_LanguageSelect[1]);

        tabWidget_->clear();
        tabPages_.clear();
        for (int i = 0; i < pages_.size(); ++i) {
            const PageEntry &entry = pages_.at(i);
            if (!entry.page)
                continue;
            if (!PageShown(entry.flag)) {
                entry.page->hide(); // owned by the window but never shown
                continue;
            }
            tabWidget_->addTab(entry.page, entry.title ? *entry.title : QString());
            tabPages_.append(i);
            if (!entry.flag && entry.retranslate)
                entry.retranslate(false, false);
        }
        return;
    }

    if (Language_FileExists(true))
        languageSelector_->setItemText(0, ScomboBox_LanguageSelect[0]);
    if (Language_FileExists(false))
        languageSelector_->setItemText(1, ScomboBox_LanguageSelect[1]);
    if (languageSelector_->count() == 2)
        languageSelector_->setCurrentIndex(Key_LanguageIsEnglish == QLatin1String("1") ? 0 : 1);
    else if (languageSelector_->count() == 1)
        languageSelector_->setCurrentIndex(0);

    for (int tab = 0; tab < tabPages_.size(); ++tab) {
        const PageEntry &entry = pages_.at(tabPages_.at(tab));
        tabWidget_->setTabText(tab, entry.title ? *entry.title : QString());
    }
    for (const PageEntry &entry : qAsConst(pages_)) {
        if (!entry.flag && entry.retranslate)
            entry.retranslate(false, true);
    }
}

void Ui_Main::SLT_GetFocus_tabBar(int index)
{
    if (index < 0)
        return;
    if (QWidget *page = tabWidget_->widget(index))
        page->setFocus(Qt::OtherFocusReason);
}

void Ui_Main::SLT_SETUP_UI_MAIN()
{
    ApplyTexts(false);
    SLT_ReloadUILanguage(languageSelector_->currentText());
    show();
}

void Ui_Main::SLT_ReloadUILanguage(QString LanguageText)
{
    Language_Switch(LanguageText);
    ApplyTexts(false);
    for (const PageEntry &entry : qAsConst(pages_)) {
        if (entry.flag && *entry.flag == QLatin1String("1") && entry.retranslate)
            entry.retranslate(false, true);
    }
}

void Ui_Main::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::exit(0);
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
    if (LinkMode != LinkModeNone)
        emit SGL_SETUP_UI_DEBUG();
}

void Ui_Main::placeLanguageSelector()
{
    languageSelector_->setGeometry(width() - SelectorWidth, 0, SelectorWidth, SelectorHeight);
}
