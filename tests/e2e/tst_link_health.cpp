// The link's health against the simulator: a device that is killed is shown lost within a
// second and told once; started again, the panel reconnects by itself, identifies it and reads
// everything again; a slow device is identified once its connection's reply time-out is raised.
#include "e2e/support/e2e_panel.h"
#include "support/sim_device.h"

#include "link/link_prefs.h"
#include "state/device_state.h"
#include "ui/link_status_bar.h"
#include "ui/ui_main.h"

#include <QElapsedTimer>
#include <QtTest>

class TestE2eLinkHealth : public QObject
{
    Q_OBJECT

private slots:
    void killedThenStartedAgain_lostOnceThenBackByItself_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("returnsAs"); // the model the device comes back as
        QTest::newRow("tcp, back as another model (pages rebuilt, its own read)") << false << 2;
        QTest::newRow("pseudo-terminal") << true << 1;
    }
    void killedThenStartedAgain_lostOnceThenBackByItself()
    {
        QFETCH(bool, serial);
        QFETCH(int, returnsAs);
        static const char *const names[] = {"Halden", "Corvo", "Marlet", "Tessin", "Brimo"};
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyKV"));
        auto simArgs = [&](quint16 port, const char *model) {
            return serial ? QStringList {"--model", model, "--no-tcp", "--pty-link", link}
                          : QStringList {"--model", model, "--port", QString::number(port)};
        };
        auto first = std::make_unique<SimDevice>();
        QVERIFY2(first->start(simArgs(0, "Corvo")), qPrintable(first->error()));
        const quint16 port = first->tcpPort();
        E2ePanel panel;
        if (serial)
            panel.connectSerial(link);
        else
            panel.connectTcp(port);
        QVERIFY(panel.waitForIdentification(1));
        QVERIFY(panel.waitForLinkIdle());
        LinkStatusBar *bar = panel.window().linkStatusBar();
        QCOMPARE(bar->stateText(), QStringLiteral("ready"));
        QCOMPARE(bar->modelText(), QStringLiteral("model: Corvo"));

        QElapsedTimer clock;
        clock.start();
        first->stop();
        QTRY_VERIFY_WITH_TIMEOUT(bar->stateText().startsWith(QLatin1String("reconnecting")), 3000);
        // The figure itself belongs to the benchmark; here a bound with room for a busy machine.
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(panel.showsIdentifyResult(false));
        QVERIFY(panel.waitForBoxes(1));
        QCOMPARE(panel.boxes().texts(), QStringList {"The connection to the device was lost."});

        SimDevice second;
        QVERIFY2(second.start(simArgs(port, names[returnsAs])), qPrintable(second.error()));
        // Attempts come 1, 2, 4 s apart; the device is back within the next one or two.
        QVERIFY(panel.waitForIdentification(returnsAs, 20000));
        QVERIFY(panel.waitForLinkIdle(20000));
        QCOMPARE(second.received(), E2ePanel::IdentificationCommands(returnsAs, serial));
        QCOMPARE(panel.boxes().count(), 1);
        QCOMPARE(bar->stateText(), QStringLiteral("ready"));
        QCOMPARE(bar->modelText(), QStringLiteral("model: ") + names[returnsAs]);
        const QStringList log = panel.statusLines();
        auto has = [&](const QString &text) {
            for (const QString &line : log) {
                if (line.contains(text))
                    return true;
            }
            return false;
        };
        QVERIFY(has(QStringLiteral("Reconnect attempt 1 to ")));
        QVERIFY(has(QStringLiteral("Device identified: ") + names[returnsAs] + '.'));
        panel.disconnect();
        QVERIFY(panel.waitForLinkClosed());
        QVERIFY(panel.statusLines().last().endsWith(QLatin1String("by the operator.")));
    }

    // A device answering after 1.5 s: with the default time-out its identification fails;
    // with the connection's time-out raised to 3 s it is identified and read.
    void slowDevice_identifiedWithARaisedTimeout()
    {
        SimDevice sim;
        QVERIFY2(sim.start({"--model", "Brimo", "--latency", "1500"}), qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForBoxes(1, 8000));
        QCOMPARE(panel.boxes().texts(),
                 QStringList {"Failed to identify device!Error Code:GET MODEL TYPE\r"});
        QVERIFY(panel.waitForLinkClosed());

        LinkPrefs_SetReplyTimeoutMs(
            LinkTarget::tcp(QString(), QStringLiteral("127.0.0.1"), QString::number(sim.tcpPort())),
            3000);
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForIdentification(4, 8000));
        // The read-all goes on at the device's pace, without a message.
        const QStringList expected = E2ePanel::IdentificationCommands(4, false);
        QVERIFY(sim.waitForReceived(4, 10000));
        QCOMPARE(sim.received().mid(1, 3), expected.mid(0, 3));
        QCOMPARE(panel.boxes().count(), 1);
        panel.disconnect();
        QVERIFY(panel.waitForLinkClosed());
    }
};

QTEST_MAIN(TestE2eLinkHealth)
#include "tst_link_health.moc"
