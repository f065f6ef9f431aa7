// Entry point of the panel: the application object and the event loop around the
// start-up sequence. Every file is found beside the executable (or in the installation and
// the per-user settings folder), whatever the working directory.
#include "app/command_line.h"
#include "app/quit_signals.h"
#include "app/runtime_dir.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // --version and --help answer without a display.
    if (const std::optional<int> done = App_HandleCommandLine(argc, argv, stdout))
        return *done;
    App_SettleRuntimeDir();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // Every window is drawn by the raster engine; nothing in the panel draws with OpenGL. Without
    // this, X11 loads the OpenGL driver stack (for software rendering: LLVM) when the first
    // window is created, only in case a GL child widget might appear later: about half of the
    // time to the first window and tens of MiB of mappings.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    QApplication app(argc, argv);
    // Desktop shells match the window to korvane.desktop (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
    // Logout, shutdown and Ctrl+C end the run like closing the window: settings are saved.
    App_QuitOnSignals(app);
    // The windows and then the link threads go before the application object.
    return Korvane_Run();
}
