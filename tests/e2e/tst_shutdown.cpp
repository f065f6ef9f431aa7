// The whole run of the panel with a link open at exit: the window closes, the link thread is
// stopped inside the run, the device sees the connection end, and no worker thread or link
// object is left once the run returns. (One run per process: afterwards the link services
// are gone, as at the end of the program.)
#include "e2e/support/e2e_panel.h"
#include "support/sim_device.h"

#include "app/config_values.h"
#include "link/link_context.h"
#include "link/link_runtime.h"
#include "state/device_state.h"
#include "support/modal_box_driver.h"
#include "support/test_runtime.h"
#include "ui/startup.h"
#include "ui/ui_main.h"
#include "ui/ui_uart_network.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QtTest>

class TestE2eShutdown : public QObject
{
    Q_OBJECT

private slots:
    void run_closingWithLinkOpen_stopsThreadsBeforeReturning()
    {
        SimDevice sim;
        QVERIFY2(sim.start({"--model", "Halden"}), qPrintable(sim.error()));
        TestRuntime rt;
        rt.copyPictures();
        rt.write(ConfigIni, TestRuntime::configFile(2, "0")); // straight to the main window
        ModalBoxDriver boxes;

        QPointer<QThread> tcpThread = Link_TcpThread();
        bool identified = false;
        bool threadRanWhileOpen = false;
        QTimer::singleShot(0, [&] {
            Ui_Main *main = nullptr;
            const QWidgetList windows = QApplication::topLevelWidgets();
            for (QWidget *w : windows) {
                if (auto *m = qobject_cast<Ui_Main *>(w))
                    main = m;
            }
            QVERIFY(main && main->isVisible());
            Ui_Uart_Network *page = main->connectionPage();
            page->ipEdit()->setText(QStringLiteral("127.0.0.1"));
            page->portEdit()->setText(QString::number(sim.tcpPort()));
            page->maskEdit()->setText(QStringLiteral("255.0.0.0"));
            page->gatewayEdit()->setText(QStringLiteral("127.0.0.1"));
            page->networkButton()->click();
            identified = QTest::qWaitFor([] { return DeviceState::modelIdentified; }, 5000);
            threadRanWhileOpen = tcpThread && tcpThread->isRunning();
            main->close(); // ends the event loop with the link still open
        });
        const int code = Korvane_Run();

        QCOMPARE(code, 0);
        QVERIFY(identified);
        QVERIFY(threadRanWhileOpen);
        QCOMPARE(boxes.count(), 0);
        QVERIFY(tcpThread.isNull()); // stopped and destroyed by the run
        QCOMPARE(Link_TcpService(), nullptr);
        QCOMPARE(Link_SerialService(), nullptr);
        QVERIFY(!TcpLinkContext.ready); // closed inside its thread
        QVERIFY(sim.waitForEvent(QStringLiteral("disconnected")));
        // The model query, then as much of the pages' read-all as went out before the close.
        const QStringList received = sim.received();
        QVERIFY(!received.isEmpty());
        QCOMPARE(received, E2ePanel::IdentificationCommands(0, false).mid(0, received.size()));
        QCOMPARE(rt.lines(ConfigIni).at(15),
                 QByteArray("SP_RemotePort=") + QByteArray::number(sim.tcpPort()));
    }
};

QTEST_MAIN(TestE2eShutdown)
#include "tst_shutdown.moc"
