#include "bench_panel.h"

#include <QApplication>
#include <QWidget>

void Bench_OffscreenUnlessDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QList<LocalAddressEntry> Bench_LoopbackOnly()
{
    LocalAddressEntry lo;
    lo.ip = QStringLiteral("127.0.0.1");
    lo.netmask = QStringLiteral("255.0.0.0");
    lo.interfaceName = QStringLiteral("lo");
    lo.ipv4 = lo.loopback = true;
    return {lo};
}

BoxCloser::BoxCloser()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            ++m_count;
            box->close();
        }
    });
    m_timer.start(100);
}
