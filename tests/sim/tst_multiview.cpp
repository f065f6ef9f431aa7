// The multiview restatement for every layout, the PIP position/size coupling, and scenes.
#include "sim/sim_interpreter.h"

#include <QtTest>

namespace {
QList<QByteArray> run(SimInterpreter &sim, const QByteArray &commands)
{
    QList<QByteArray> replies;
    for (const QByteArray &c : commands.split(';')) {
        if (!c.isEmpty())
            replies += sim.handle(c);
    }
    return replies;
}
} // namespace

class TestMultiview : public QObject
{
    Q_OBJECT

private slots:
    void sync_restatesEveryLayout_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("commands"); // separated by ';'
        QTest::addColumn<QByteArray>("sync");
        QTest::newRow("SINGLE factory")
            << 0 << QByteArray() << QByteArray("SINGLE HDMI1 NULL NULL NULL 1920x1080p60 OFF");
        QTest::newRow("SINGLE source and auto switch")
            << 0 << QByteArray("SET WINDOW1 IN HDMI2;SET AUTO SWITCH ON")
            << QByteArray("SINGLE HDMI2 NULL NULL NULL 3840x2160p30 ON");
        QTest::newRow("SINGLE on Brimo DP")
            << 4 << QByteArray("SET WINDOW1 IN DP")
            << QByteArray("SINGLE DP NULL NULL NULL 2560x1440p60 OFF");
        QTest::newRow("PIP") << 0
                             << QByteArray(
                                    "SET MULTIVIEW PIP;SET PIP POS LeftTop;SET PIP SIZE MIDDLE;"
                                    "SET WINDOW2 IN HDMI4")
                             << QByteArray("PIP HDMI1 HDMI4 NULL NULL LeftTop MIDDLE");
        QTest::newRow("PIP user") << 2 << QByteArray("SET MULTIVIEW PIP;SET PIP SIZE USER")
                                  << QByteArray("PIP HDMI1 HDMI2 NULL NULL USER USER");
        QTest::newRow("PBP") << 0
                             << QByteArray("SET MULTIVIEW PBP;SET PBP ASPECT 16:9;SET PBP MODE 2")
                             << QByteArray("PBP HDMI1 HDMI2 NULL NULL 16:9 2 3");
        QTest::newRow("3xWIN") << 3
                               << QByteArray(
                                      "SET MULTIVIEW 3xWIN;SET 3xWIN MODE 4;SET WINDOW3 IN USB-C")
                               << QByteArray("3xWIN HDMI1 HDMI2 USB-C NULL FULL 4 4");
        QTest::newRow("4xWIN") << 1
                               << QByteArray(
                                      "SET MULTIVIEW 4xWIN;SET 4xWIN ASPECT 16:9;SET 4xWIN MODE 6")
                               << QByteArray("4xWIN HDMI1 HDMI2 HDMI3 HDMI4 16:9 6 6");
        QTest::newRow("options are kept per layout")
            << 0 << QByteArray("SET PBP ASPECT 16:9;SET PBP MODE 3;SET MULTIVIEW 3xWIN")
            << QByteArray("3xWIN HDMI1 HDMI2 HDMI3 NULL FULL 1 4");
        QTest::newRow("back to a layout finds its options")
            << 0
            << QByteArray("SET MULTIVIEW PBP;SET PBP MODE 3;SET MULTIVIEW 4xWIN;"
                          "SET MULTIVIEW PBP")
            << QByteArray("PBP HDMI1 HDMI2 NULL NULL FULL 3 3");
        QTest::newRow("unused windows keep their source")
            << 0 << QByteArray("SET WINDOW4 IN USB-C;SET MULTIVIEW PIP;SET MULTIVIEW 4xWIN")
            << QByteArray("4xWIN HDMI1 HDMI2 HDMI3 USB-C FULL 1 6");
    }
    void sync_restatesEveryLayout()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, commands);
        QFETCH(QByteArray, sync);
        SimInterpreter sim(model, SimNetworkInfo());
        for (const QByteArray &r : run(sim, commands))
            QVERIFY2(!r.startsWith("ERR"), r.constData());
        QCOMPARE(sim.handle("GET MULTIVIEW-SYNC"), QList<QByteArray> {"MULTIVIEW-SYNC " + sync});
    }

    void pip_positionAndSizeUser_goTogether_data()
    {
        QTest::addColumn<QByteArray>("commands");
        QTest::addColumn<QByteArray>("lastReplies");
        QTest::addColumn<QByteArray>("position");
        QTest::addColumn<QByteArray>("size");
        QTest::newRow("position USER")
            << QByteArray("SET PIP POS USER") << QByteArray("PIP POS USER|PIP SIZE USER")
            << QByteArray("USER") << QByteArray("USER");
        QTest::newRow("size USER")
            << QByteArray("SET PIP SIZE USER") << QByteArray("PIP SIZE USER|PIP POS USER")
            << QByteArray("USER") << QByteArray("USER");
        QTest::newRow("leave USER by position")
            << QByteArray("SET PIP POS USER;SET PIP POS LeftTop")
            << QByteArray("PIP POS LeftTop|PIP SIZE LARGE") << QByteArray("LeftTop")
            << QByteArray("LARGE");
        QTest::newRow("leave USER by size") << QByteArray("SET PIP SIZE USER;SET PIP SIZE SMALL")
                                            << QByteArray("PIP SIZE SMALL|PIP POS RightBottom")
                                            << QByteArray("RightBottom") << QByteArray("SMALL");
        QTest::newRow("plain position")
            << QByteArray("SET PIP POS LeftBottom") << QByteArray("PIP POS LeftBottom")
            << QByteArray("LeftBottom") << QByteArray("SMALL");
        QTest::newRow("USER again")
            << QByteArray("SET PIP POS USER;SET PIP SIZE USER") << QByteArray("PIP SIZE USER")
            << QByteArray("USER") << QByteArray("USER");
    }
    void pip_positionAndSizeUser_goTogether()
    {
        QFETCH(QByteArray, commands);
        QFETCH(QByteArray, lastReplies);
        QFETCH(QByteArray, position);
        QFETCH(QByteArray, size);
        SimInterpreter sim(0, SimNetworkInfo());
        const QList<QByteArray> all = commands.split(';');
        run(sim, all.mid(0, all.size() - 1).join(';'));
        QCOMPARE(sim.handle(all.last()).join('|'), lastReplies);
        QCOMPARE(sim.handle("GET PIP POS"), QList<QByteArray> {"PIP POS " + position});
        QCOMPARE(sim.handle("GET PIP SIZE"), QList<QByteArray> {"PIP SIZE " + size});
    }

    void scene_loadRestoresTheSavedArrangement()
    {
        SimInterpreter sim(2, SimNetworkInfo());
        run(sim,
            "SET MULTIVIEW 3xWIN;SET 3xWIN MODE 3;SET 3xWIN ASPECT 16:9;"
            "SET WINDOW1 IN HDMI7;SET WINDOW3 IN DP;SET PIP USER 1 2 3 4;SET SAVE SCENE 5");
        const QList<QByteArray> saved = sim.handle("GET MULTIVIEW-SYNC");
        QCOMPARE(saved.value(0), QByteArray("MULTIVIEW-SYNC 3xWIN HDMI7 HDMI2 DP NULL 16:9 3 4"));

        run(sim, "SET MULTIVIEW PIP;SET WINDOW1 IN HDMI1;SET 3xWIN MODE 1;SET PIP USER 9 9 9 9");
        QCOMPARE(sim.handle("SET LOAD SCENE 5"), QList<QByteArray>() << "LOAD SCENE 5" << saved);
        QCOMPARE(sim.handle("GET MULTIVIEW-SYNC"), saved);
        QCOMPARE(sim.handle("GET PIP USER"), QList<QByteArray> {"PIP USER 1 2 3 4"});
    }

    void scene_slotsAreIndependent_andOverwritten()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        run(sim,
            "SET MULTIVIEW PBP;SET SAVE SCENE 1;SET MULTIVIEW 4xWIN;SET SAVE SCENE 20;"
            "SET MULTIVIEW PIP;SET SAVE SCENE 1");
        QCOMPARE(sim.handle("SET LOAD SCENE 20").value(1),
                 QByteArray("MULTIVIEW-SYNC 4xWIN HDMI1 HDMI2 HDMI3 HDMI4 FULL 1 6"));
        QCOMPARE(sim.handle("SET LOAD SCENE 1").value(1),
                 QByteArray("MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL RightBottom SMALL"));
        QCOMPARE(sim.handle("SET LOAD SCENE 2"), QList<QByteArray> {"ERR 05"});
    }

    void scene_doesNotTouchOtherSettings()
    {
        SimInterpreter sim(0, SimNetworkInfo());
        run(sim, "SET SAVE SCENE 2;SET AUDIO VOL 9;SET OUT HDCP FORCE-OFF;SET AUTO SWITCH ON");
        sim.handle("SET LOAD SCENE 2");
        QCOMPARE(sim.handle("GET AUDIO VOL"), QList<QByteArray> {"AUDIO VOL 9"});
        QCOMPARE(sim.handle("GET OUT HDCP"), QList<QByteArray> {"OUT HDCP FORCE-OFF"});
        QCOMPARE(sim.handle("GET AUTO SWITCH"), QList<QByteArray> {"AUTO SWITCH ON"});
    }
};

QTEST_GUILESS_MAIN(TestMultiview)
#include "tst_multiview.moc"
