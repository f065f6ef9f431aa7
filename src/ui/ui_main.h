// The main window: the tabs of the pages, the language selector, and (as the pages and the
// link services arrive) the hub between them.
#pragma once

#include "ui/my_frameless_window.h"

#include <QString>
#include <QVector>

#include <functional>

class QComboBox;
class QTabWidget;

class Ui_Main : public MyFramelessWindow
{
    Q_OBJECT

public:
    // One page of the window. A page without a flag (the connection page) is always tab 0;
    // any other is shown only while its flag text is exactly "1". `retranslate` is the
    // page's text refresh with its two flags.
    struct PageEntry
    {
        QWidget *page = nullptr;
        const QString *title = nullptr;
        const QString *flag = nullptr;
        std::function<void(bool, bool)> retranslate;
    };

    explicit Ui_Main(QWidget *parent = nullptr);
    ~Ui_Main() override;

    // Takes ownership of the page. Pages are added in tab order, the connection page first;
    // the tabs are built by the next ApplyTexts(true).
    void AddPage(const PageEntry &entry);

    // Sets every text of the window; `initial` also refills the language selector and
    // rebuilds the tabs from the page flags.
    void ApplyTexts(bool initial);

    QTabWidget *tabWidget() const { return tabWidget_; }
    QComboBox *languageSelector() const { return languageSelector_; }
    QWidget *contentWidget() const { return contentWidget_; }

    // Whether a page with this flag gets a tab (no flag: always).
    static bool PageShown(const QString *flag);

signals:
    void SGL_SETUP_UI_DEBUG();
    void SGL_CLOSE_UI_DEBUG();
    void SGL_DEBUG_SHOW_RecvText(QString text);
    void SGL_DEBUG_SHOW_SendText(QString text);
    void SGL_UnifyUpdateEmit();

public slots:
    void SLT_GetFocus_tabBar(int index);
    void SLT_SETUP_UI_MAIN();
    void SLT_ReloadUILanguage(QString LanguageText);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeLanguageSelector();

    QWidget *contentWidget_ = nullptr;
    QTabWidget *tabWidget_ = nullptr;
    QComboBox *languageSelector_ = nullptr;
    QVector<PageEntry> pages_;
    QVector<int> tabPages_; // page index shown at each tab index
};
