#include "ui/startup.h"

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/save_on_exit.h"
#include "app/settings_save_report.h"
#include "link/link_runtime.h"
#include "ui/message_box.h"
#include "ui/png_resave.h"
#include "ui/style.h"
#include "ui/ui_login.h"
#include "ui/ui_main.h"
#include "ui/ui_resources.h"
#include "ui/window_exposure.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTimer>

namespace {
// One box for the first settings file of the run that could not be written. It opens from
// the event loop, never inside the save that failed (which may run in the middle of a
// language switch or a password change), and in the language current when it opens.
void reportSaveFailureInABox(const QString &path)
{
    QTimer::singleShot(0, qApp, [path] {
        MessageBox_InfoSerial(Settings_SaveFailureText(path), QApplication::activeWindow());
    });
}

// Releases the held picture re-saves once the window is on the screen.
void ReleaseResavesWhenShown(QWidget *window)
{
    Window_AfterFirstExposure(window, [] { Png_HoldResaves(false); });
}
} // namespace

int Korvane_Run()
{
    int code = 0;
    {
        KorvaneStartup startup;
        startup.ShowFirstWindow();
        code = QApplication::exec();
    } // Ui_Login, then Ui_Main (whose connection page stops the active link's thread)
    Link_Shutdown();
    // Pictures shown in the last moments may still be being re-saved.
    Png_FinishResaves();
    return code;
}

KorvaneStartup::KorvaneStartup()
{
    // The first text the first window measures waits for the system's font list (some
    // milliseconds of reading the font configuration). Qt guards its font database with a
    // lock, so another core can read that list while this one loads the settings and builds
    // the window.
    m_fontWarmUp = std::thread([] { (void)QFontDatabase().families(); });
    // The services and threads exist before any window wires itself to them.
    Link_SerialService();
    Link_TcpService();
    Ui_InitResources();
    Settings_SetSaveReporter(reportSaveFailureInABox);
    // Pictures shown before the first window is up are re-saved after it.
    Png_HoldResaves(true);
    m_configExisted = Config_LoadAtStartup();
    // Once, after the settings and before any window: every widget is built styled.
    Style_Apply(App_Path(StyleSheetRelPath));
    // A successful login closes the dialog before the main window is shown, which would
    // look like the last window closing. So the application does not quit by itself; it
    // ends when the main window closes (Ui_Main) or when the dialog closed without a login.
    QApplication::setQuitOnLastWindowClosed(false);
}

KorvaneStartup::~KorvaneStartup()
{
    if (m_fontWarmUp.joinable())
        m_fontWarmUp.join();
    // The exit save runs while the windows go: no box then, a first failure is only logged.
    Settings_SetSaveReporter({});
    // Without any window there is no destructor to save the settings at exit.
    if (!m_login && !m_main)
        Config_SaveOnExit();
    m_login.reset();
    m_main.reset();
    Png_HoldResaves(false);
}

// Each window is built when it is first shown: the main window after the login (or at once
// with the login off), the login dialog only when the login is on. Neither keeps anything
// for the other to find, and the first of them destroyed saves the settings.
void KorvaneStartup::ShowFirstWindow()
{
    if (m_configExisted && Key_UI_Login == QLatin1String("0")) {
        buildMain(true)->ApplyTexts(false);
        m_main->show();
        ReleaseResavesWhenShown(m_main.get());
        return;
    }
    buildLogin()->SetupTexts(false);
    m_login->show();
    ReleaseResavesWhenShown(m_login.get());
}

Ui_Main *KorvaneStartup::buildMain(bool pagesLater)
{
    if (!m_main)
        m_main = std::make_unique<Ui_Main>(
            nullptr, pagesLater ? Ui_Main::PageBuild::AfterFirstShow : Ui_Main::PageBuild::AtOnce);
    return m_main.get();
}

Ui_Login *KorvaneStartup::buildLogin()
{
    if (m_login)
        return m_login.get();
    Ui_Login::PrefetchPicture(); // decoded on the other core while the dialog is built
    m_login = std::make_unique<Ui_Login>();
    Ui_Login *login = m_login.get();
    QObject::connect(login, &Ui_Login::SGL_SETUP_UI_MAIN, login,
                     [this] { buildMain(false)->SLT_SETUP_UI_MAIN(); });
    QObject::connect(login, &QDialog::finished, login, [this, login] {
        QTimer::singleShot(0, login, [this] {
            if (!m_main || !m_main->isVisible())
                QCoreApplication::exit(0);
        });
    });
    return login;
}
