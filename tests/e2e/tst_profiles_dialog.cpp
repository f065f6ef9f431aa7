// The profiles dialog in the panel against the simulator: export the device's settings, apply
// a profile after a preview of every change (parts can be left out), compare, cancel (before
// anything is sent and half way), refuse a damaged file, and show what another model's profile
// leaves out.
#include "e2e/support/e2e_panel.h"
#include "support/sim_device.h"

#include "app/language_texts.h"
#include "profile/profile_file.h"
#include "state/model_traits.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"
#include "ui/ui_profiles.h"
#include "ui/ui_system.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {
constexpr int Slow = 20000;

QStringList Rows(const QTreeWidget *table)
{
    QStringList rows;
    for (int i = 0; i < table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = table->topLevelItem(i);
        rows << QStringLiteral("%1 | %2 | %3 | %4")
                    .arg(item->text(0), item->text(1), item->text(2), item->text(3));
    }
    return rows;
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

const QByteArray Changes = R"({"format": "korvane-profile", "version": 1, "model": "Halden",
"output": {"hdcp": "FORCE-OFF"},
"multiview": {"layout": "PIP", "pip-position": "LeftTop", "pip-size": "SMALL"},
"window": {"1": {"source": "HDMI3"}, "2": {"source": "USB-C"}},
"audio": {"volume": 30},
"input": {"1": {"name": "Camera"}}}
)";
} // namespace

class TestProfilesDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    Ui_Profiles *open(E2ePanel &panel)
    {
        panel.window().systemPage()->profilesButton()->click();
        Ui_Profiles *dialog = panel.window().profilesDialog();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    // The simulator started with `args`, the panel identified as `model` over TCP and idle, and
    // the dialog open; nullptr (with the reason) when a step fails.
    Ui_Profiles *openOnSim(SimDevice &sim, E2ePanel &panel, const QStringList &args, int model)
    {
        if (!sim.start(args)) {
            qWarning("simulator: %s", qPrintable(sim.error()));
            return nullptr;
        }
        panel.connectTcp(sim.tcpPort());
        if (!panel.waitForIdentification(model) || !panel.waitForLinkIdle())
            return nullptr;
        return open(panel);
    }

    // The dialog previews the Changes profile; false when it could not.
    bool previewChanges(Ui_Profiles *dialog)
    {
        const QString changes = m_dir.filePath("changes.json");
        if (!Write(changes, Changes))
            return false;
        dialog->PreviewApply(changes);
        return QTest::qWaitFor([dialog] { return !dialog->IsBusy(); }, Slow);
    }

private slots:
    void notWithoutDevice()
    {
        E2ePanel panel;
        panel.window().systemPage()->profilesButton()->click();
        QVERIFY(panel.window().profilesDialog() == nullptr);
    }

    void exportApplyCompare()
    {
        SimDevice sim;
        E2ePanel panel;
        Ui_Profiles *dialog = openOnSim(sim, panel, {"--model", "Halden"}, ModelHalden);
        QVERIFY(dialog);
        QCOMPARE(panel.window().systemPage()->profilesButton()->text(), QString("Profiles…"));

        // Export.
        const QString exported = m_dir.filePath("exported.json");
        dialog->ExportTo(exported);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsBusy(), Slow);
        QVERIFY2(dialog->statusLabel()->text().startsWith("Saved "),
                 qPrintable(dialog->statusLabel()->text()));
        Profile p;
        QVector<ProfileProblem> problems;
        QVERIFY2(Profile_ReadFile(exported, &p, &problems),
                 qPrintable(Profile_ProblemsText(problems)));
        QCOMPARE(p.value(SettingId::AudioVolume), QString("50"));
        QCOMPARE(p.value(SettingId::InputName), QString("IN-1"));

        // Preview: every change with the device's value and the profile's, in the order sent.
        const QString changes = m_dir.filePath("changes.json");
        QVERIFY(Write(changes, Changes));
        const int before = sim.received().size();
        dialog->PreviewApply(changes);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsBusy(), Slow);
        QCOMPARE(Rows(dialog->table()),
                 QStringList({"output.hdcp | FORCE-1.4 | FORCE-OFF | output",
                              "multiview.layout | SINGLE | PIP | layout",
                              "multiview.pip-position | — | LeftTop | layout options",
                              "multiview.pip-size | — | SMALL | layout options",
                              "window.1.source | HDMI1 | HDMI3 | layout options",
                              "window.2.source | — | USB-C | layout options",
                              "audio.volume | 50 | 30 | audio",
                              "input.1.name | IN-1 | Camera | kept on this PC"}));
        QCOMPARE(dialog->statusLabel()->text(),
                 QString("8 change(s) listed. Choose the parts, then apply."));
        for (const QString &line : sim.received().mid(before))
            QVERIFY2(line.startsWith("GET "), qPrintable(line)); // a preview changes nothing

        // Parts left out leave the preview at once.
        dialog->sectionBox(ProfileSection::Multiview)->setChecked(false);
        dialog->sectionBox(ProfileSection::Names)->setChecked(false);
        QCOMPARE(Rows(dialog->table()),
                 QStringList({"output.hdcp | FORCE-1.4 | FORCE-OFF | output",
                              "audio.volume | 50 | 30 | audio"}));
        dialog->sectionBox(ProfileSection::Multiview)->setChecked(true);
        dialog->sectionBox(ProfileSection::Names)->setChecked(true);

        // Apply: progress visible, then the read-back.
        QVERIFY(dialog->applyButton()->isEnabled());
        dialog->applyButton()->click();
        QVERIFY(dialog->IsBusy());
        QVERIFY(dialog->cancelButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsBusy(), Slow);
        QCOMPARE(dialog->statusLabel()->text(),
                 QString("Done: the device reads back as the profile."));
        QCOMPARE(dialog->progressBar()->value(), dialog->progressBar()->maximum());
        const QStringList sets = sim.received().filter(QRegularExpression("^SET "));
        QCOMPARE(sets,
                 QStringList({"SET OUT HDCP FORCE-OFF", "SET MULTIVIEW PIP", "SET PIP POS LeftTop",
                              "SET PIP SIZE SMALL", "SET WINDOW1 IN HDMI3", "SET WINDOW2 IN USB-C",
                              "SET AUDIO VOL 30"}));
        QCOMPARE(S_InputSource_Name[0], QString("Camera"));
        // The multiview page shows the new name at once.
        QCOMPARE(panel.window().multiviewPage()->sourceLabel(0)->text(), QString("Camera"));

        // Compare: nothing differs now; a changed device shows the difference.
        dialog->CompareWith(changes);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsBusy(), Slow);
        QCOMPARE(dialog->statusLabel()->text(), QString("No differences."));
        QCOMPARE(dialog->table()->topLevelItemCount(), 0);
        dialog->CompareWith(exported);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsBusy(), Slow);
        QVERIFY(Rows(dialog->table()).contains("audio.volume | 30 | 50 | "));
        QVERIFY(dialog->statusLabel()->text().endsWith("difference(s)."));
        S_InputSource_Name[0] = QStringLiteral("IN-1");
    }

    void cancelBeforeAnythingIsSent()
    {
        SimDevice sim;
        E2ePanel panel;
        Ui_Profiles *dialog
            = openOnSim(sim, panel, {"--model", "Halden", "--latency", "100"}, ModelHalden);
        QVERIFY(dialog);
        QVERIFY(previewChanges(dialog));
        dialog->applyButton()->click(); // reads the device again first
        dialog->cancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsBusy(), Slow);
        QCOMPARE(dialog->statusLabel()->text(),
                 QString("Stopped after 0 of 7 commands (Cancelled.)."));
        QCOMPARE(sim.received().filter(QRegularExpression("^SET ")), QStringList());
        QCOMPARE(S_InputSource_Name[0], QString("IN-1"));
    }

    // Cancel while the layout's options go out: the option on the wire finishes, nothing
    // after it is sent (not the rest of its stage either), and the status says how far it got.
    void cancelHalfWay()
    {
        SimDevice sim;
        E2ePanel panel;
        Ui_Profiles *dialog
            = openOnSim(sim, panel, {"--model", "Halden", "--latency", "150"}, ModelHalden);
        QVERIFY(dialog);
        QVERIFY(previewChanges(dialog));
        auto sets = [&sim] { return sim.received().filter(QRegularExpression("^SET ")); };
        dialog->applyButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(sets().contains("SET PIP POS LeftTop"), Slow);
        dialog->cancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsBusy(), Slow);
        const QRegularExpressionMatch stopped
            = QRegularExpression("^Stopped after ([34]) of 7 commands \\(Cancelled\\.\\)\\.$")
                  .match(dialog->statusLabel()->text());
        QVERIFY2(stopped.hasMatch(), qPrintable(dialog->statusLabel()->text()));
        const int count = stopped.captured(1).toInt();
        // The simulator's log may trail the reply it sent by a moment.
        QTRY_COMPARE_WITH_TIMEOUT(sets().size(), count, Slow);
        QCOMPARE(
            sets().mid(0, 3),
            QStringList({"SET OUT HDCP FORCE-OFF", "SET MULTIVIEW PIP", "SET PIP POS LeftTop"}));
        // Nothing further goes out once the dialog says it stopped.
        QVERIFY(panel.waitForLinkIdle());
        QCOMPARE(sets().size(), count);
        QCOMPARE(S_InputSource_Name[0], QString("IN-1"));
    }

    void damagedFileAndOtherModel()
    {
        SimDevice sim;
        E2ePanel panel;
        Ui_Profiles *dialog = openOnSim(sim, panel, {"--model", "Corvo"}, ModelCorvo);
        QVERIFY(dialog);

        const QString damaged = m_dir.filePath("damaged.json");
        QVERIFY(Write(damaged, QByteArray(Changes).left(120)));
        const int before = sim.received().size();
        dialog->PreviewApply(damaged);
        QCOMPARE(dialog->statusLabel()->text(),
                 QString("This file cannot be used as a profile:\nline 3: the file ends too early "
                         "(it is cut off)"));
        QVERIFY(!dialog->IsBusy());
        QCOMPARE(sim.received().size(), before);
        QVERIFY(!dialog->applyButton()->isEnabled());

        const QString tessin = m_dir.filePath("tessin.json");
        QVERIFY(Write(tessin, R"({"format": "korvane-profile", "version": 1, "model": "Tessin",
"output": {"4k-auto": "OFF", "itc": "ON"},
"audio": {"source": "LR2", "volume": 20, "main": "OFF"}}
)"));
        dialog->PreviewApply(tessin);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsBusy(), Slow);
        QCOMPARE(Rows(dialog->table()),
                 QStringList({"output.itc | OFF | ON | output", "audio.volume | 50 | 20 | audio",
                              "output.4k-auto | — | OFF | skipped: a Corvo has no 4K AUTO",
                              "audio.source | WIN1 | LR2 | skipped: \"LR2\" is not a valid audio "
                              "source on a Corvo (one of WIN1, HDMI1, HDMI2, HDMI3, HDMI4)",
                              "audio.main | — | OFF | skipped: a Corvo has no main audio "
                              "on/off"}));
        QVERIFY(
            dialog->statusLabel()->text().startsWith("The profile is for a Tessin, the device is a "
                                                     "Corvo: what the device lacks is skipped.\n"));
    }
};

QTEST_MAIN(TestProfilesDialog)
#include "tst_profiles_dialog.moc"
