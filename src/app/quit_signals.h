// A session that ends (logout, shutdown, `kill`, Ctrl+C in the terminal that started the
// panel) sends SIGTERM, SIGHUP or SIGINT. Without a handler the process would die on the
// spot and lose the exit save; with this one the event loop ends as if the main window had
// been closed, so the windows go down in their usual order and the settings are written.
#pragma once

class QCoreApplication;

// Installs the handlers; the signal is passed to the event loop through a pipe (the only
// thing a signal handler may safely do). Call once, after the application object exists.
void App_QuitOnSignals(QCoreApplication &app);
