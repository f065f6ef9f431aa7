// The main window: the tabs of the pages, the language selector, and the hub between the pages
// and the link controller. Every page's "commands queued" signal reaches the link through it;
// every received line and sent command comes back through it, received lines are handed to
// the reply dispatcher: the device values go to the pages' own sinks through replyValues()
// (where more listeners may join), the verbs to replyVerbs(); the controller's messages are
// shown at its position.
//
// The window's code is split by job: ui_main.cpp (frame, texts, events), ui_main_wiring.cpp
// (the pages, the link controller and every connection), ui_main_link.cpp (received lines,
// link-settings sync) and ui_main_keys.cpp (keyboard shortcuts).
#pragma once

#include "state/reply_fan_out.h"
#include "ui/my_frameless_window.h"
#include "ui/ui_reply_verbs.h"

#include <QString>
#include <QVector>

#include <functional>

class LinkController;
class PageDeviceGate;
class LinkStatusBar;
class QComboBox;
class QTabWidget;
class Ui_Audio;
class Ui_Debug;
class Ui_Multiview;
class Ui_Output;
class Ui_Profiles;
class Ui_System;
class Ui_Uart_Network;
class WireLog;

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

    // All pages in the constructor, or the connection page (the first tab) at once and the
    // device pages and the debug terminal once the window has first been shown (or as soon as
    // anything needs them: a received or sent line, a language switch, their tab, Alt+Z), so
    // that the window appears sooner. Until then their tabs hold empty stand-ins and their
    // accessors (debugTerminal() too) return null.
    enum class PageBuild { AtOnce, AfterFirstShow };

    explicit Ui_Main(QWidget *parent = nullptr, PageBuild pages = PageBuild::AtOnce);
    ~Ui_Main() override;

    // Builds the device pages left for later; nothing when they exist.
    void BuildPages();
    bool pagesBuilt() const { return m_devicePagesBuilt; }

    // Takes ownership of the page. Pages are added in tab order, the connection page first;
    // the tabs are built by the next ApplyTexts(true).
    void AddPage(const PageEntry &entry);

    // AddPage for a page that queues commands: its SGL_UpdateEmit() becomes this window's
    // SGL_UnifyUpdateEmit(), which makes the active link send.
    template <class Page>
    void AddLinkedPage(Page *page, const QString *title, const QString *flag,
                       std::function<void(bool, bool)> retranslate)
    {
        AddPage({page, title, flag, std::move(retranslate)});
        connect(page, &Page::SGL_UpdateEmit, this, &Ui_Main::SGL_UnifyUpdateEmit);
    }

    // Sets every text of the window; `initial` also refills the language selector and
    // rebuilds the tabs from the page flags.
    void ApplyTexts(bool initial);

    QTabWidget *tabWidget() const { return m_tabWidget; }
    QComboBox *languageSelector() const { return m_languageSelector; }
    QWidget *contentWidget() const { return m_contentWidget; }
    Ui_Uart_Network *connectionPage() const { return m_connectionPage; }
    Ui_Multiview *multiviewPage() const { return m_multiviewPage; }
    Ui_Debug *debugTerminal() const { return m_debugTerminal; }
    Ui_Output *outputPage() const { return m_outputPage; }
    Ui_Audio *audioPage() const { return m_audioPage; }
    Ui_System *systemPage() const { return m_systemPage; }
    LinkController *linkController() const { return m_linkController; }
    // The device pages' gates (output, multiview, audio, system), in tab order.
    const QVector<PageDeviceGate *> &deviceGates() const { return m_deviceGates; }
    LinkStatusBar *linkStatusBar() const { return m_linkStatusBar; }
    // The link options dialog, for the connection held or last chosen; stores what the
    // operator accepts.
    void openLinkOptions();
    // Every command and line on the wire, paired by the link (the terminal's "Wire" view).
    WireLog *wireLog() const { return m_wireLog; }

    // Whether a page with this flag gets a tab (no flag: always).
    static bool PageShown(const QString *flag);

    // Every device value the dispatcher hands out, to the pages and any further listener.
    ReplyFanOut &replyValues() { return m_replyValues; }
    ReplyVerbs &replyVerbs() { return m_replyVerbs; }

signals:
    void SGL_SETUP_UI_DEBUG();
    void SGL_CLOSE_UI_DEBUG();
    void SGL_DEBUG_SHOW_RecvText(QString text);
    void SGL_DEBUG_SHOW_SendText(QString text);
    void SGL_UnifyUpdateEmit();

public slots:
    void SLT_GetFocus_tabBar(int index);
    void SLT_SyncSerialPortNetworkInfo();
    void SLT_SyncInputSourceName();
    void SLT_SETUP_UI_MAIN();
    void SLT_ReloadUILanguage(QString LanguageText);
    void SLT_UnifyUpdateSend(QString text);

    // The profiles dialog (export, apply, compare), created on first use; nullptr before.
    Ui_Profiles *profilesDialog() const { return m_profiles; }
    // Opens it (System page's button, Ctrl+P) once a device is identified.
    void OpenProfiles();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeLanguageSelector();
    QWidget *pageHolder() const;
    void createPages();
    void createDevicePages();
    void createDebugTerminal();
    template <class Page>
    Page *buildPage(int index);
    void wireLink();
    // Alt+Z: the debug terminal opens while a link is open.
    void openDebugTerminal();
    void refreshProfilesTexts();
    // The window's keys: Alt+Z, Ctrl+P, the device keys and F1 (ui_main_keys.cpp).
    void wireKeys();
    bool deviceIdentified() const;
    void chooseLayout(int mode);
    void readCurrentPage();
    void showKeys();
    // One received line: shown in the debug terminal and applied by the reply dispatcher.
    void handleReceivedLine(const QByteArray &line);

    QWidget *m_contentWidget = nullptr;
    QTabWidget *m_tabWidget = nullptr;
    QComboBox *m_languageSelector = nullptr;
    QVector<PageEntry> m_pages;
    QVector<int> m_tabPages; // page index shown at each tab index
    QVector<QWidget *> m_standIns; // per page: the empty tab until the page is built
    PageBuild m_pageBuild = PageBuild::AtOnce;
    bool m_devicePagesBuilt = false;
    Ui_Uart_Network *m_connectionPage = nullptr;
    Ui_Multiview *m_multiviewPage = nullptr;
    Ui_Debug *m_debugTerminal = nullptr; // a window of its own, deleted after the pages
    Ui_Output *m_outputPage = nullptr;
    Ui_Audio *m_audioPage = nullptr;
    Ui_System *m_systemPage = nullptr;
    LinkController *m_linkController = nullptr; // opens, closes and watches the link
    Ui_Profiles *m_profiles = nullptr;
    QVector<PageDeviceGate *> m_deviceGates; // owned by their pages
    LinkStatusBar *m_linkStatusBar = nullptr; // under the tabs, on every tab
    WireLog *m_wireLog = nullptr;
    ReplyFanOut m_replyValues;
    UiReplyVerbs m_replyVerbs;
};
