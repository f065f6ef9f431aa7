// Entry point of the panel: the application object and the event loop around the
// start-up sequence. Every file is found beside the executable, whatever the working
// directory.
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    // The windows and then the link threads go before the application object.
    return Korvane_Run();
}
