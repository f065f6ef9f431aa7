// "MULTIVIEW-SYNC": what each layout stores and the exact order in which the multiview
// page hears about it.
#include "support/recording_sinks.h"

#include "state/reply_dispatcher.h"

#include <QtTest>

namespace {

enum Model { Halden, Corvo, Marlet, Tessin, Brimo, None };
const QString SyncLine = QStringLiteral("connectionAppendStatus(Sync Multiview Message.)");

} // namespace

class TestReplyMultiviewSync : public QObject
{
    Q_OBJECT

    static void row(const char *name, int model, const QString &before, const QByteArray &line,
                    const QStringList &calls, const QString &changes)
    {
        QTest::newRow(name) << model << before << line << calls << changes;
    }

private slots:
    void layouts_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("changes");

        row("PBP on Halden", Halden, "win=3,3,3,3",
            "MULTIVIEW-SYNC PBP HDMI1 NULL NULL NULL 16:9 2 3\r",
            {"multiviewSetLayout(2,false)", "multiviewSetAspect(1)", "multiviewSetVariantCount(3)",
             "multiviewSetLayoutVariant(1)", "multiviewSetWindowSource(0,0)",
             "multiviewSetWindowSource(1,3)", SyncLine},
            "mode=2 aspect=1 variant=1 max=3 win=0,3,3,3");
        row("PIP on Marlet", Marlet, "win=1,1,1,1",
            "MULTIVIEW-SYNC PIP HDMI7 DP NULL NULL RightTop LARGE\r",
            {"multiviewSetLayout(1,false)", "multiviewSetPipPosition(1)", "multiviewSetPipSize(2)",
             "multiviewSetWindowSource(0,6)", "multiviewSetWindowSource(1,7)", SyncLine},
            "mode=1 pos=1 size=2 win=6,7,1,1");
        row("PIP keeps unknown position and size", Halden, "pos=2 size=1",
            "MULTIVIEW-SYNC PIP NULL NULL NULL NULL Middle HUGE\r",
            {"multiviewSetLayout(1,false)", "multiviewSetPipPosition(2)", "multiviewSetPipSize(1)",
             "multiviewSetWindowSource(0,0)", "multiviewSetWindowSource(1,0)", SyncLine},
            "mode=1");
        row("SINGLE on Brimo", Brimo, "mode=4",
            "MULTIVIEW-SYNC SINGLE DP NULL NULL NULL 3840x2160@30 OFF\r",
            {"multiviewSetLayout(0,false)", "multiviewSetInputResolutionText(3840x2160@30)",
             "multiviewSetAutoSwitch(1)", "multiviewSetWindowSource(0,3)", SyncLine},
            "mode=0 win=3,0,0,0");
        row("SINGLE auto switch defaults to ON", Halden, "",
            "MULTIVIEW-SYNC SINGLE HDMI2 NULL NULL NULL NOSIGNAL\r",
            {"multiviewSetLayout(0,false)", "multiviewSetInputResolutionText(NOSIGNAL)",
             "multiviewSetAutoSwitch(0)", "multiviewSetWindowSource(0,1)", SyncLine},
            "win=1,0,0,0");
        row("3xWIN on Tessin", Tessin, "aspect=1 win=0,0,0,5",
            "MULTIVIEW-SYNC 3xWIN HDMI1 HDMI2 USB-C NULL FULL 1 4\r",
            {"multiviewSetLayout(3,false)", "multiviewSetAspect(0)", "multiviewSetVariantCount(4)",
             "multiviewSetLayoutVariant(0)", "multiviewSetWindowSource(0,0)",
             "multiviewSetWindowSource(1,1)", "multiviewSetWindowSource(2,8)", SyncLine},
            "mode=3 aspect=0 max=4 win=0,1,8,5");
        row("4xWIN on Corvo", Corvo, "", "MULTIVIEW-SYNC 4xWIN HDMI4 HDMI3 HDMI2 HDMI1 16:9 3 6\r",
            {"multiviewSetLayout(4,false)", "multiviewSetAspect(1)", "multiviewSetVariantCount(6)",
             "multiviewSetLayoutVariant(2)", "multiviewSetWindowSource(0,3)",
             "multiviewSetWindowSource(1,2)", "multiviewSetWindowSource(2,1)",
             "multiviewSetWindowSource(3,0)", SyncLine},
            "mode=4 aspect=1 variant=2 max=6 win=3,2,1,0");
        row("unknown layout keeps the current one", Halden, "mode=2 variant=4",
            "MULTIVIEW-SYNC 5xWIN HDMI2 NULL NULL NULL FULL 2 2\r",
            {"multiviewSetLayout(2,false)", "multiviewSetAspect(0)", "multiviewSetVariantCount(2)",
             "multiviewSetLayoutVariant(1)", "multiviewSetWindowSource(0,1)",
             "multiviewSetWindowSource(1,0)", SyncLine},
            "variant=1 max=2 win=1,0,0,0");
        row("source outside the model's list", Corvo, "win=2,2,0,0",
            "MULTIVIEW-SYNC PBP USB-C DP NULL NULL 16:9 1 2\r",
            {"multiviewSetLayout(2,false)", "multiviewSetAspect(1)", "multiviewSetVariantCount(2)",
             "multiviewSetLayoutVariant(0)", "multiviewSetWindowSource(0,2)",
             "multiviewSetWindowSource(1,2)", SyncLine},
            "mode=2 aspect=1 max=2");
        row("variant 0 kept, variant count always taken", Halden, "mode=2 max=5 variant=3",
            "MULTIVIEW-SYNC PBP NULL NULL NULL NULL 16:9 0 x\r",
            {"multiviewSetLayout(2,false)", "multiviewSetAspect(1)", "multiviewSetVariantCount(0)",
             "multiviewSetLayoutVariant(3)", "multiviewSetWindowSource(0,0)",
             "multiviewSetWindowSource(1,0)", SyncLine},
            "aspect=1 max=0");
        row("variant past the last kept", Halden, "variant=2",
            "MULTIVIEW-SYNC 4xWIN NULL NULL NULL NULL FULL 9 9\r",
            {"multiviewSetLayout(4,false)", "multiviewSetAspect(0)", "multiviewSetVariantCount(9)",
             "multiviewSetLayoutVariant(2)", "multiviewSetWindowSource(0,0)",
             "multiviewSetWindowSource(1,0)", "multiviewSetWindowSource(2,0)",
             "multiviewSetWindowSource(3,0)", SyncLine},
            "mode=4 max=9");
        row("only the layout field", Halden, "mode=1 aspect=1 variant=1 max=4",
            "MULTIVIEW-SYNC PBP\r",
            {"multiviewSetLayout(2,false)", "multiviewSetAspect(1)", "multiviewSetVariantCount(0)",
             "multiviewSetLayoutVariant(1)", "multiviewSetWindowSource(0,0)",
             "multiviewSetWindowSource(1,0)", SyncLine},
            "mode=2 max=0");
        row("source left from a larger model is not shown", Corvo, "win=8,2,0,0",
            "MULTIVIEW-SYNC PBP NULL NULL NULL NULL FULL 1 2\r",
            {"multiviewSetLayout(2,false)", "multiviewSetAspect(0)", "multiviewSetVariantCount(2)",
             "multiviewSetLayoutVariant(0)", "multiviewSetWindowSource(1,2)", SyncLine},
            "mode=2 max=2");
        row("no model: nothing at all", None, "mode=1",
            "MULTIVIEW-SYNC PBP HDMI1 NULL NULL NULL 16:9 2 3\r", {}, "");
    }
    void layouts()
    {
        QFETCH(int, model);
        QFETCH(QString, before);
        QFETCH(QByteArray, line);
        QFETCH(QStringList, calls);
        QFETCH(QString, changes);

        SetUpDevice(model, 0);
        ApplyDeviceState(before);
        const auto expectedState = WithChanges(DeviceStateMap(), changes);
        RecordingSinks pages;
        QCOMPARE(Reply_Dispatch(QString::fromLatin1(line), pages.sinks()), 45);
        QCOMPARE(pages.callTexts(), calls);
        QCOMPARE(DeviceStateMap(), expectedState);
    }

    // The restatement arms the layout-specific replies that follow it.
    void syncThenLayoutReplies()
    {
        SetUpDevice(Halden, 0);
        RecordingSinks pages;
        Reply_Dispatch(QStringLiteral("PIP POS LeftBottom\r"), pages.sinks());
        QCOMPARE(pages.calls.size(), 0);
        Reply_Dispatch(QStringLiteral("MULTIVIEW-SYNC PIP NULL NULL NULL NULL LeftTop SMALL\r"),
                       pages.sinks());
        pages.calls.clear();
        Reply_Dispatch(QStringLiteral("PIP POS LeftBottom\r"), pages.sinks());
        Reply_Dispatch(QStringLiteral("PBP MODE 2\r"), pages.sinks());
        QCOMPARE(pages.callTexts(), QStringList({"multiviewSetPipPosition(2)"}));
        QCOMPARE(DeviceState::pipPosition, 2u);
        QCOMPARE(DeviceState::layoutModeIndex, 0);
    }
};

QTEST_APPLESS_MAIN(TestReplyMultiviewSync)
#include "tst_reply_multiview_sync.moc"
