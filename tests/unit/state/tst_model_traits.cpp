// The per-model facts and the layout rules, one row per model or layout, against literals.
#include "state/model_traits.h"

#include <QtTest>

class TestModelTraits : public QObject
{
    Q_OBJECT

private slots:
    void modelFacts_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("fourKAuto");
        QTest::addColumn<bool>("network");
        QTest::addColumn<bool>("microphones");
        QTest::addColumn<QString>("firmware"); // M main, S sub, E expand, K keyboard
        QTest::addColumn<int>("volumeMax");
        QTest::addColumn<int>("inputs");
        QTest::newRow("Halden") << 0 << true << true << false << "MSE" << 100 << 5;
        QTest::newRow("Corvo") << 1 << false << false << false << "MS" << 100 << 4;
        QTest::newRow("Marlet") << 2 << true << true << false << "MSEK" << 100 << 9;
        QTest::newRow("Tessin") << 3 << true << true << true << "MSK" << 50 << 9;
        QTest::newRow("Brimo") << 4 << true << false << false << "MS" << 100 << 5;
        // Before identification: the builders' defaults, and no per-model extras.
        QTest::newRow("no model") << 5 << true << false << false << "" << 100 << 0;
        QTest::newRow("out of range") << 200 << true << false << false << "" << 100 << 0;
    }
    void modelFacts()
    {
        QFETCH(int, model);
        QFETCH(bool, fourKAuto);
        QFETCH(bool, network);
        QFETCH(bool, microphones);
        QFETCH(QString, firmware);
        QFETCH(int, volumeMax);
        QFETCH(int, inputs);
        const auto m = quint8(model);
        QCOMPARE(Model_Known(m), model < 5);
        QCOMPARE(Model_Has4kAuto(m), fourKAuto);
        QCOMPARE(Model_HasNetwork(m), network);
        QCOMPARE(Model_HasMicrophones(m), microphones);
        QString kinds;
        for (int kind = -1; kind <= 4; ++kind) {
            if (Model_HasFirmware(m, kind))
                kinds += QStringLiteral("MSEK").mid(kind, 1);
        }
        QCOMPARE(kinds, firmware);
        QCOMPARE(Model_VolumeMaximum(m), volumeMax);
        QCOMPARE(Model_InputCount(m), inputs);
    }

    void layoutFacts_data()
    {
        QTest::addColumn<quint32>("mode");
        QTest::addColumn<int>("windows");
        QTest::addColumn<bool>("variants");
        QTest::newRow("SINGLE") << 0u << 1 << false;
        QTest::newRow("PIP") << 1u << 2 << false;
        QTest::newRow("PBP") << 2u << 2 << true;
        QTest::newRow("3xWIN") << 3u << 3 << true;
        QTest::newRow("4xWIN") << 4u << 4 << true;
        QTest::newRow("5") << 5u << 4 << false;
        QTest::newRow("max") << 0xFFFFFFFFu << 4 << false;
    }
    void layoutFacts()
    {
        QFETCH(quint32, mode);
        QFETCH(int, windows);
        QFETCH(bool, variants);
        QCOMPARE(Mode_WindowCount(mode), windows);
        QCOMPARE(Mode_HasVariants(mode), variants);
    }

    void userRectangle_data()
    {
        QTest::addColumn<quint32>("mode");
        QTest::addColumn<quint32>("position");
        QTest::addColumn<quint32>("size");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("kind"); // 0 hidden, 1 window 1 capture, 2 window 2 display
        QTest::newRow("PIP position USER") << 1u << 4u << 0u << 0 << 2;
        QTest::newRow("PIP size USER") << 1u << 0u << 3u << 0 << 2;
        QTest::newRow("PIP neither") << 1u << 3u << 2u << 2 << 0;
        QTest::newRow("PBP third variant") << 2u << 4u << 3u << 2 << 1;
        QTest::newRow("PBP second variant") << 2u << 0u << 0u << 1 << 0;
        QTest::newRow("3xWIN third variant") << 3u << 0u << 0u << 2 << 0;
        QTest::newRow("SINGLE with USER") << 0u << 4u << 3u << 2 << 0;
    }
    void userRectangle()
    {
        QFETCH(quint32, mode);
        QFETCH(quint32, position);
        QFETCH(quint32, size);
        QFETCH(int, variant);
        QFETCH(int, kind);
        QCOMPARE(int(Mode_UserRectangle(mode, position, size, variant)), kind);
    }
};

QTEST_GUILESS_MAIN(TestModelTraits)
#include "tst_model_traits.moc"
