// Model identification: the first "MODEL TYPE" reply on a link picks the model and wakes
// the pages in a fixed order, or closes the link.
#include "support/recording_sinks.h"

#include "state/reply_dispatcher.h"

#include <QtTest>

namespace {

const QStringList Success = {"connectionShowIdentifyResult(true)",
                             "outputApplyModel()",
                             "multiviewApplyModel()",
                             "audioApplyModel()",
                             "systemApplyModel()",
                             "outputPressReadAll()",
                             "multiviewPressReadAll()",
                             "audioPressReadAll()",
                             "systemPressReadAll()"};
const QStringList Failure
    = {"connectionShowIdentifyResult(false)", "connectionPressActiveConnectButton()",
       "showMessageBox(The machine does not match with the PC tool!)"};

} // namespace

class TestReplyIdentification : public QObject
{
    Q_OBJECT

private slots:
    void init() { DeviceState::ResetForTesting(); }

    void identify_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("inputs");

        QTest::newRow("Halden") << QByteArray("MODEL TYPE Halden\r") << 0 << 5;
        QTest::newRow("Corvo") << QByteArray("MODEL TYPE Corvo\r") << 1 << 4;
        QTest::newRow("Marlet") << QByteArray("MODEL TYPE Marlet\r") << 2 << 9;
        QTest::newRow("Tessin") << QByteArray("MODEL TYPE Tessin\r") << 3 << 9;
        QTest::newRow("Brimo") << QByteArray("MODEL TYPE Brimo\r") << 4 << 5;
        QTest::newRow("name then more words") << QByteArray("MODEL TYPE Tessin V2\r") << 3 << 9;
        QTest::newRow("table order wins") << QByteArray("MODEL TYPE Brimo Corvo\r") << 1 << 4;
        QTest::newRow("suffix of a word") << QByteArray("MODEL TYPE XBrimo\r") << 4 << 5;
        QTest::newRow("name continues") << QByteArray("MODEL TYPE Tessin-Pro\r") << -1 << 0;
        QTest::newRow("lower case") << QByteArray("MODEL TYPE halden\r") << -1 << 0;
        QTest::newRow("no CR after the name") << QByteArray("MODEL TYPE Halden") << -1 << 0;
        QTest::newRow("empty") << QByteArray("MODEL TYPE\r") << -1 << 0;
    }
    void identify()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, model);
        QFETCH(int, inputs);

        RecordingSinks pages;
        QCOMPARE(Reply_Dispatch(QString::fromLatin1(line), pages.sinks()), 37);
        QCOMPARE(pages.callTexts(), model >= 0 ? Success : Failure);
        QCOMPARE(int(DeviceState::modelIndex), model >= 0 ? model : 5);
        QCOMPARE(DeviceState::inputSourceCount, inputs);
        QVERIFY(DeviceState::modelIdentified);
        // Pages rebuild and query with the new model already in place.
        for (int i = 1; model >= 0 && i < pages.calls.size(); ++i)
            QCOMPARE(int(pages.calls[i].modelAtCall), model);
    }

    void secondReplyIgnored()
    {
        RecordingSinks pages;
        Reply_Dispatch(QStringLiteral("MODEL TYPE Halden\r"), pages.sinks());
        pages.calls.clear();
        Reply_Dispatch(QStringLiteral("MODEL TYPE Corvo\r"), pages.sinks());
        Reply_Dispatch(QStringLiteral("MODEL TYPE Nobody\r"), pages.sinks());
        QCOMPARE(pages.callTexts(), QStringList());
        QCOMPARE(int(DeviceState::modelIndex), 0);
        QCOMPARE(DeviceState::inputSourceCount, 5);
    }

    // After a mismatch the flag stays set until the link closes, and the previous model
    // is kept.
    void mismatchKeepsModelAndFlag()
    {
        ApplyDeviceState("model=2 inputs=9");
        RecordingSinks pages;
        Reply_Dispatch(QStringLiteral("MODEL TYPE Unknown\r"), pages.sinks());
        QCOMPARE(pages.callTexts(), Failure);
        pages.calls.clear();
        Reply_Dispatch(QStringLiteral("MODEL TYPE Halden\r"), pages.sinks());
        QCOMPARE(pages.callTexts(), QStringList());
        QCOMPARE(int(DeviceState::modelIndex), 2);
        QCOMPARE(DeviceState::inputSourceCount, 9);
    }

    // Closing the link clears the flag (connection page); the next link is identified anew.
    void nextLinkIdentifiesAgain()
    {
        RecordingSinks pages;
        Reply_Dispatch(QStringLiteral("MODEL TYPE Marlet\r"), pages.sinks());
        DeviceState::modelIdentified = false;
        pages.calls.clear();
        Reply_Dispatch(QStringLiteral("MODEL TYPE Corvo\r"), pages.sinks());
        QCOMPARE(pages.callTexts(), Success);
        QCOMPARE(int(DeviceState::modelIndex), 1);
        QCOMPARE(DeviceState::inputSourceCount, 4);
    }

    // The per-model rows start working once the model is known.
    void modelUnlocksSources()
    {
        RecordingSinks pages;
        Reply_Dispatch(QStringLiteral("WINDOW1 IN HDMI2\r"), pages.sinks());
        QCOMPARE(pages.calls.size(), 0);
        Reply_Dispatch(QStringLiteral("MODEL TYPE Brimo\r"), pages.sinks());
        pages.calls.clear();
        Reply_Dispatch(QStringLiteral("WINDOW1 IN DP\r"), pages.sinks());
        QCOMPARE(pages.callTexts(), QStringList({"multiviewSetWindowSource(0,3)"}));
    }
};

QTEST_APPLESS_MAIN(TestReplyIdentification)
#include "tst_reply_identification.moc"
