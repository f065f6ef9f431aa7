// The panel against the simulator: connect over TCP and over the simulator's pseudo-terminal,
// identify every model, the exact commands on the wire, the debug terminal's view of them,
// and a disconnect followed by a reconnect that identifies the device again.
#include "e2e/support/e2e_panel.h"
#include "support/sim_device.h"

#include "app/language_texts.h"
#include "link/link_context.h"
#include "state/device_state.h"
#include "state/vocabulary.h"
#include "support/model_facts.h"
#include "ui/ui_debug.h"
#include "ui/ui_main.h"
#include "ui/ui_output.h"
#include "ui/ui_uart_network.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>

namespace {
void addModelRows(std::initializer_list<int> models)
{
    QTest::addColumn<int>("model");
    for (int model : models)
        QTest::newRow(ModelNames[model]) << model;
}

// Types text into the debug terminal's send pane (each LF as the Return key) and presses Send.
void sendRaw(Ui_Debug *terminal, const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(terminal->sendPane(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(terminal->sendPane(), lines.at(i));
    }
    QTest::mouseClick(terminal->sendButton(), Qt::LeftButton);
}
// The wire view's pairs, "<command> => <first two words of its reply>", for every reply line
// that names a command shown before it and carries a round trip.
QStringList wirePairs(Ui_Debug *terminal)
{
    static const QRegularExpression sentLine(
        QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} -> #(\\d+) (.*)<CR>$"));
    static const QRegularExpression replyLine(
        QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} <- #(\\d+) (.*)<CR>  \\[\\d+\\.\\d ms\\]$"));
    terminal->RenderNow();
    QHash<QString, QString> sent; // id -> command
    QStringList paired;
    for (const QString &line : terminal->wireView()->toPlainText().split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch s = sentLine.match(line);
        if (s.hasMatch())
            sent.insert(s.captured(1), s.captured(2));
        const QRegularExpressionMatch r = replyLine.match(line);
        if (r.hasMatch() && sent.contains(r.captured(1)))
            paired << sent.value(r.captured(1)) + QStringLiteral(" => ")
                    + r.captured(2).section(QLatin1Char(' '), 0, 1);
    }
    return paired;
}
} // namespace

class TestE2eIdentification : public QObject
{
    Q_OBJECT

private slots:
    void tcp_identifiesEveryModel_data() { addModelRows({0, 1, 2, 3, 4}); }
    void tcp_identifiesEveryModel()
    {
        QFETCH(int, model);
        SimDevice sim;
        QVERIFY2(sim.start({"--model", ModelNames[model]}), qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForIdentification(model));
        QCOMPARE(DeviceState::inputSourceCount, TestInputCounts[model]);
        QCOMPARE(LinkMode, LinkModeTcp);

        const QStringList expected = E2ePanel::IdentificationCommands(model, false);
        QVERIFY(sim.waitForReceived(expected.size()));
        QVERIFY(panel.waitForLinkIdle());
        QCOMPARE(sim.received(), expected);
        QCOMPARE(sim.sent().value(0), QStringLiteral("MODEL TYPE ") + ModelNames[model]);
        QCOMPARE(panel.boxes().texts(), QStringList());

        // The PC address came from the page's own rule, the link is open on its button.
        Ui_Uart_Network &page = panel.page();
        QCOMPARE(page.localIpBox()->currentText(), QStringLiteral("127.0.0.1<lo>"));
        QCOMPARE(page.networkButton()->text(), S_ConnectDisconnect[1]);
        QVERIFY(!page.uartButton()->isEnabled());
        QVERIFY(!page.ipEdit()->isEnabled());

        // The debug terminal saw both directions, exactly as on the wire (shown when opened).
        Ui_Debug *terminal = panel.window().debugTerminal();
        terminal->show();
        QTRY_COMPARE(terminal->sendPane()->toPlainText(), expected.join('\n') + '\n');
        QCOMPARE(terminal->recvPane()->toPlainText(), sim.sent().join('\n') + '\n');
    }

    void serial_identifiesModelsThroughTypedPortPath_data() { addModelRows({0, 2, 3}); }
    void serial_identifiesModelsThroughTypedPortPath()
    {
        QFETCH(int, model);
        SimDevice sim;
        QVERIFY2(sim.start({"--model", ModelNames[model], "--no-tcp", "--pty"}),
                 qPrintable(sim.error()));
        QVERIFY(!sim.ptyPath().isEmpty());
        E2ePanel panel;
        panel.connectSerial(sim.ptyPath());
        QVERIFY(panel.waitForIdentification(model));
        QCOMPARE(LinkMode, LinkModeSerial);
        QVERIFY(panel.waitForLinkIdle());
        QCOMPARE(sim.received(), E2ePanel::IdentificationCommands(model, true));
        QCOMPARE(panel.boxes().count(), 0);
        Ui_Uart_Network &page = panel.page();
        QCOMPARE(page.uartButton()->text(), S_ConnectDisconnect[1]);
        QVERIFY(!page.networkButton()->isEnabled());
        QVERIFY(!page.portBox()->isEnabled());
        QCOMPARE(panel.page().portBox()->currentText(), sim.ptyPath());
    }

    // The wire view pairs every command of a read-all with the reply the link matched to it
    // and shows the round trip.
    void debugTerminal_readAllShowsEveryPairWithItsRoundTrip()
    {
        SimDevice sim;
        QVERIFY2(sim.start({"--model", "Corvo"}), qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForIdentification(1));
        QVERIFY(panel.waitForLinkIdle());
        QTest::keyClick(&panel.window(), Qt::Key_Z, Qt::AltModifier);
        Ui_Debug *terminal = panel.window().debugTerminal();
        QVERIFY(terminal->isVisible());
        terminal->wireButton()->click();
        const int received = sim.received().size();

        panel.window().outputPage()->readAllButton()->click();
        QVERIFY(sim.waitForReceived(received + 4));
        QVERIFY(panel.waitForLinkIdle());
        const QStringList commands {"GET OUT RESOLUTION", "GET OUT HDCP", "GET OUT VKA",
                                    "GET OUT ITC"};
        // The simulator's log may still lack the last line of the identification's read-all
        // when the count above was taken, so the read-all is checked as the log's tail.
        QTRY_COMPARE(sim.received().mid(sim.received().size() - 4), commands);

        QStringList paired;
        QTRY_VERIFY_WITH_TIMEOUT((paired = wirePairs(terminal)).size() >= 4
                                     && paired.last().startsWith(commands.last()),
                                 5000);
        QCOMPARE(paired.mid(paired.size() - 4),
                 QStringList({"GET OUT RESOLUTION => OUT RESOLUTION", "GET OUT HDCP => OUT HDCP",
                              "GET OUT VKA => OUT VKA", "GET OUT ITC => OUT ITC"}));
        QVERIFY(!terminal->wireView()->toPlainText().contains(QLatin1String("timed out")));
    }

    // The raw text typed into the debug terminal reaches the device, and the reply goes
    // through the dispatcher into the status log.
    void debugTerminal_rawCommandAndItsReplyInTheStatusLog()
    {
        SimDevice sim;
        QVERIFY2(sim.start({"--model", "Corvo"}), qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForIdentification(1));
        QVERIFY(panel.waitForLinkIdle()); // the pages' read-all is answered
        const int received = sim.received().size();
        const QStringList status = panel.statusLines();

        QTest::keyClick(&panel.window(), Qt::Key_Z, Qt::AltModifier);
        Ui_Debug *terminal = panel.window().debugTerminal();
        QVERIFY(terminal->isVisible());
        sendRaw(terminal, QStringLiteral("GET OUT RESOLUTION\n"));
        QVERIFY(sim.waitForReceived(received + 1));
        QCOMPARE(sim.received().mid(received), QStringList {"GET OUT RESOLUTION"});
        QTRY_COMPARE(panel.statusLines().mid(status.size()),
                     QStringList {"Sync Resolution: Message."});

        // A second Send transmits only what was typed since: no echo, no earlier command.
        sendRaw(terminal, QStringLiteral("GET OUT HDCP\n"));
        QVERIFY(sim.waitForReceived(received + 2));
        QCOMPARE(sim.received().value(received + 1), QStringLiteral("GET OUT HDCP"));
        QTRY_COMPARE(panel.statusLines().size(), status.size() + 2);
        QCOMPARE(panel.statusLines().value(status.size() + 1),
                 QStringLiteral("Sync HDCP: Message."));
        QCOMPARE(panel.boxes().count(), 0);
    }

    // Raw text without a final line break still ends its line on the wire, so the panel's
    // next command arrives as a line of its own and is answered.
    void debugTerminal_textWithoutLineBreak_leavesTheNextCommandWhole()
    {
        SimDevice sim;
        QVERIFY2(sim.start({"--model", "Corvo"}), qPrintable(sim.error()));
        E2ePanel panel;
        panel.connectTcp(sim.tcpPort());
        QVERIFY(panel.waitForIdentification(1));
        QVERIFY(panel.waitForLinkIdle());
        const int received = sim.received().size();

        QTest::keyClick(&panel.window(), Qt::Key_Z, Qt::AltModifier);
        Ui_Debug *terminal = panel.window().debugTerminal();
        sendRaw(terminal, QStringLiteral("GET AUDIO VOL"));
        QVERIFY(sim.waitForReceived(received + 1));
        QCOMPARE(sim.received().mid(received), QStringList {"GET AUDIO VOL"});

        panel.window().outputPage()->readAllButton()->click();
        QVERIFY(sim.waitForReceived(received + 5));
        QCOMPARE(sim.received().mid(received),
                 (QStringList {"GET AUDIO VOL", "GET OUT RESOLUTION", "GET OUT HDCP", "GET OUT VKA",
                               "GET OUT ITC"}));
        QVERIFY(panel.waitForLinkIdle());
        QCOMPARE(panel.boxes().count(), 0);
    }

    void disconnectAndReconnect_identifiesAgain_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("tcp") << false;
        QTest::newRow("serial") << true;
    }
    void disconnectAndReconnect_identifiesAgain()
    {
        QFETCH(bool, serial);
        SimDevice sim;
        QVERIFY2(sim.start(serial ? QStringList {"--model", "Brimo", "--no-tcp", "--pty"}
                                  : QStringList {"--model", "Brimo"}),
                 qPrintable(sim.error()));
        E2ePanel panel;
        auto connectLink = [&] {
            if (serial)
                panel.connectSerial(sim.ptyPath());
            else
                panel.connectTcp(sim.tcpPort());
        };
        connectLink();
        QVERIFY(panel.waitForIdentification(4));
        QVERIFY(panel.waitForLinkIdle());

        panel.disconnect();
        QVERIFY(panel.linkClosed());
        QVERIFY(!DeviceState::modelIdentified);
        QVERIFY(panel.showsIdentifyResult(false));
        if (!serial)
            QVERIFY(sim.waitForEvent(QStringLiteral("disconnected")));

        connectLink();
        QVERIFY(panel.waitForIdentification(4));
        QVERIFY(panel.waitForLinkIdle());
        const QStringList once = E2ePanel::IdentificationCommands(4, serial);
        QCOMPARE(sim.received(), once + once);
        QCOMPARE(panel.boxes().count(), 0);
    }
};

QTEST_MAIN(TestE2eIdentification)
#include "tst_identification.moc"
