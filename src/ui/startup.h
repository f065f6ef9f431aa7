// The start-up sequence of the panel: settings and texts, the two windows, the choice of
// the first window, and the tear-down order. main() only adds the application object and
// the event loop, so tests can drive the whole sequence in-process.
#pragma once

#include <memory>

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
    // file (writing the defaults on a first start) and applies the style sheet, then builds
    // Ui_Main and Ui_Login and wires the login to the main window.
    KorvaneStartup();
    // Destroys Ui_Login, then Ui_Main; the first of them performs the exit save.
    ~KorvaneStartup();

    KorvaneStartup(const KorvaneStartup &) = delete;
    KorvaneStartup &operator=(const KorvaneStartup &) = delete;

    // Main window straight away when config.ini existed and Key_UI_Login is exactly "0";
    // the login dialog otherwise.
    void ShowFirstWindow();

    bool configExisted() const { return m_configExisted; }
    Ui_Main *mainWindow() const { return m_main.get(); }
    Ui_Login *loginDialog() const { return m_login.get(); }

private:
    bool m_configExisted = false;
    std::unique_ptr<Ui_Main> m_main;
    std::unique_ptr<Ui_Login> m_login;
};
