// The start-up sequence of the panel: settings and texts, the two windows, the choice of
// the first window, and the tear-down order. main() only adds the application object and
// the event loop, so tests can drive the whole sequence in-process.
#pragma once

#include <memory>
#include <thread>

class Ui_Login;
class Ui_Main;

// The whole run of the panel inside an existing application object: the link services and
// their threads, the start-up sequence, the event loop, the windows' tear-down and then the
// link shutdown (no worker thread outlives it). Returns the event loop's exit code. Runs once
// per process: afterwards the link services are gone.
int Korvane_Run();

class KorvaneStartup
{
public:
    // Creates the link services and their (idle) threads, loads config.ini and the language
    // file (writing the defaults on a first start) and applies the style sheet. No window
    // exists yet.
    KorvaneStartup();
    // Destroys Ui_Login, then Ui_Main; the first of them performs the exit save.
    ~KorvaneStartup();

    KorvaneStartup(const KorvaneStartup &) = delete;
    KorvaneStartup &operator=(const KorvaneStartup &) = delete;

    // Main window straight away when config.ini existed and Key_UI_Login is exactly "0";
    // the login dialog otherwise. The window shown is built here; the main window behind a
    // login is built when the login succeeds, and a login that is off builds no dialog.
    void ShowFirstWindow();

    bool configExisted() const { return m_configExisted; }
    // The windows built so far (null until then).
    Ui_Main *mainWindow() const { return m_main.get(); }
    Ui_Login *loginDialog() const { return m_login.get(); }

private:
    // pagesLater: the device pages follow once the window is on the screen.
    Ui_Main *buildMain(bool pagesLater);
    Ui_Login *buildLogin();

    bool m_configExisted = false;
    // Reads the system's font list while the settings are loaded and the first window is
    // built; joined at destruction.
    std::thread m_fontWarmUp;
    std::unique_ptr<Ui_Main> m_main;
    std::unique_ptr<Ui_Login> m_login;
};
