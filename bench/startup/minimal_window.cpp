// The yardstick of the start-up benchmark: the smallest Qt Widgets program that shows one
// window, built with the same compiler, flags and Qt as the panel and started the same way
// (high-DPI scaling on, like the panel).
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
