#include "ui/startup.h"

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/settings_save_report.h"
#include "link/link_runtime.h"
#include "ui/message_box.h"
#include "ui/style.h"
#include "ui/ui_login.h"
#include "ui/ui_main.h"
#include "ui/ui_resources.h"

#include <QApplication>
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
    return code;
}

KorvaneStartup::KorvaneStartup()
{
    // The services and threads exist before any window wires itself to them.
    Link_SerialService();
    Link_TcpService();
    Ui_InitResources();
    Settings_SetSaveReporter(reportSaveFailureInABox);
    m_configExisted = Config_LoadAtStartup();
    // Once, after the settings and before any window: every widget is built styled.
    Style_Apply(App_Path(StyleSheetRelPath));
    m_main = std::make_unique<Ui_Main>();
    m_login = std::make_unique<Ui_Login>();
    QObject::connect(m_login.get(), &Ui_Login::SGL_SETUP_UI_MAIN, m_main.get(),
                     &Ui_Main::SLT_SETUP_UI_MAIN);

    // A successful login closes the dialog before the main window is shown, which would
    // look like the last window closing. So the application does not quit by itself; it
    // ends when the main window closes (Ui_Main) or when the dialog closed without a login.
    QApplication::setQuitOnLastWindowClosed(false);
    Ui_Main *main = m_main.get();
    QObject::connect(m_login.get(), &QDialog::finished, main, [main] {
        QTimer::singleShot(0, main, [main] {
            if (!main->isVisible())
                QCoreApplication::exit(0);
        });
    });
}

KorvaneStartup::~KorvaneStartup()
{
    // The exit save runs while the windows go: no box then, a first failure is only logged.
    Settings_SetSaveReporter({});
    m_login.reset();
    m_main.reset();
}

void KorvaneStartup::ShowFirstWindow()
{
    if (m_configExisted && Key_UI_Login == QLatin1String("0")) {
        m_main->ApplyTexts(false);
        m_main->show();
        return;
    }
    m_login->SetupTexts(false);
    m_login->show();
}
