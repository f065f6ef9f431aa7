// korvane_screenshots OUTDIR [NAME...]: the panel's pictures for the README and for checking
// the dialogs, taken against the simulator (scripts/screenshots runs it on a virtual X screen).
//
// Each picture is one row of Shots below: the file name under OUTDIR (without ".png"), the
// model the simulator plays, the language, and a function that brings the panel to where the
// picture shows it and returns the window to photograph. Rows of the same model and language
// share one connected panel, so keep them together. Adding a picture is adding a row.
// With NAMEs only those rows are taken; --list prints the names.
#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/runtime_dir.h"
#include "e2e/support/e2e_panel.h"
#include "state/vocabulary.h"
#include "support/sim_device.h"
#include "ui/style.h"
#include "ui/ui_debug.h"
#include "ui/ui_login.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_profiles.h"
#include "ui/ui_system.h"
#include "ui/ui_uart_network.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace {
enum Model { Halden = 0, Corvo, Marlet, Tessin, Brimo };
enum Tab { ConnectTab = 0, OutputTab, MultiviewTab, AudioTab, SystemTab };

QByteArray sourceFile(const char *relative)
{
    QFile f(QStringLiteral(KORVANE_SOURCE_DIR) + QLatin1String(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The simulator and a panel connected to it over TCP, identified, in one language.
class Studio
{
public:
    bool open(int model, bool english)
    {
        if (!m_sim.start({"--model", ModelNames[model]})) {
            std::fprintf(stderr, "screenshots: %s\n", qPrintable(m_sim.error()));
            return false;
        }
        m_panel = std::make_unique<E2ePanel>();
        // Both language files, as after a first start, so the language selector offers both.
        m_panel->runtime().write(QStringLiteral("/APP/ConfigFile/language-Other.ini"),
                                 sourceFile("/APP/ConfigFile/language-Other.ini"));
        m_panel->runtime().writeLanguage(QStringLiteral("/APP/ConfigFile/language-English.ini"));
        window().ApplyTexts(true);
        window().SLT_ReloadUILanguage(ScomboBox_LanguageSelect[english ? 0 : 1]);
        m_panel->connectTcp(m_sim.tcpPort());
        return m_panel->waitForIdentification(model) && settle();
    }

    Ui_Main &window() const { return m_panel->window(); }

    // Everything the last action asked of the device is answered and painted.
    bool settle() const
    {
        const bool idle = m_panel->waitForLinkIdle();
        QTest::qWait(150);
        return idle;
    }

    QWidget *tab(Tab index)
    {
        window().tabWidget()->setCurrentIndex(int(index));
        settle();
        return &window();
    }

    void click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    void choose(QComboBox *combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        settle();
    }

    // Runs action, which opens a message box; photographs the box and closes it.
    QPixmap messageBox(const std::function<void()> &action)
    {
        QPixmap shot;
        m_panel->boxes().answer(ModalBoxDriver::CloseWindow, [&](QMessageBox *box) {
            QTest::qWait(150);
            shot = box->grab();
        });
        action();
        settle();
        return shot;
    }

    // Runs action, which opens a file dialog; photographs the dialog and cancels it.
    QPixmap fileDialog(const std::function<void()> &action)
    {
        QPixmap shot;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || !shot.isNull())
                return;
            poll.stop();
            QTest::qWait(300); // the folder is listed in the background
            shot = dialog->grab();
            dialog->reject();
        });
        poll.start(50);
        action();
        settle();
        return shot;
    }

    E2ePanel &panel() { return *m_panel; }

private:
    SimDevice m_sim;
    std::unique_ptr<E2ePanel> m_panel;
};

using Stage = std::function<QPixmap(Studio &)>;

struct Shot
{
    const char *name;
    int model;
    bool english;
    Stage stage;
};

QPixmap window(QWidget *w)
{
    return w->grab();
}

QPixmap loginDialog(Studio &)
{
    Ui_Login login;
    login.SetupTexts(false);
    login.show();
    if (!QTest::qWaitForWindowExposed(&login))
        return QPixmap();
    QTest::qWait(150);
    return login.grab();
}

QPixmap multiview(Studio &s, int mode)
{
    Ui_Multiview &page = *s.window().multiviewPage();
    s.tab(MultiviewTab);
    s.click(page.modeButton(mode));
    return window(&s.window());
}

QPixmap terminal(Studio &s)
{
    Ui_Main &main = s.window();
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_Z, Qt::AltModifier);
    Ui_Debug *debug = main.debugTerminal();
    if (!debug || !QTest::qWaitForWindowExposed(debug))
        return QPixmap();
    QTest::keyClicks(debug->sendPane(), QStringLiteral("GET MODEL TYPE"));
    QTest::keyClick(debug->sendPane(), Qt::Key_Return);
    s.click(debug->sendButton());
    main.outputPage()->PressReadAll();
    s.settle();
    return debug->grab();
}

// The output page just after a resolution change: the status bar counts the device's busy
// time down, and shows the link, the model, the last reply and what waits.
QPixmap statusBarHold(Studio &s)
{
    Ui_Output &page = *s.window().outputPage();
    s.tab(OutputTab);
    QComboBox *box = page.resolutionCombo();
    box->setCurrentIndex(7);
    emit box->activated(7);
    QTest::qWait(1300);
    return window(&s.window());
}

// The terminal's wire view: each command with its reply and round trip, after a read-all.
QPixmap wire(Studio &s)
{
    Ui_Main &main = s.window();
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_Z, Qt::AltModifier);
    Ui_Debug *debug = main.debugTerminal();
    if (!debug || !QTest::qWaitForWindowExposed(debug))
        return QPixmap();
    debug->resize(900, 620);
    s.click(debug->wireButton());
    main.outputPage()->PressReadAll();
    QTest::keyClicks(debug->sendPane(), QStringLiteral("GET AUDIO VOL"));
    QTest::keyClick(debug->sendPane(), Qt::Key_Return);
    s.settle();
    debug->RenderNow();
    return debug->grab();
}

// A folder with a few EDID files for the file dialog to list.
QString edidFolder()
{
    static QTemporaryDir dir;
    for (const char *name : {"meeting-room.bin", "projector-1080p.bin", "wall-4k.bin"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray(256, '\0'));
    }
    QDir(dir.path()).mkdir(QStringLiteral("archive"));
    return dir.path();
}

QPixmap edidFileDialog(Studio &s)
{
    Ui_System &page = *s.window().systemPage();
    s.tab(SystemTab);
    EdidFileDialogPath = edidFolder();
    return s.fileDialog([&] { QTest::mouseClick(page.loadButton(), Qt::LeftButton); });
}

QPixmap resetConfirmation(Studio &s)
{
    Ui_System &page = *s.window().systemPage();
    s.tab(SystemTab);
    return s.messageBox([&] { QTest::mouseClick(page.resetButton(), Qt::LeftButton); });
}

QPixmap edidInformation(Studio &s)
{
    Ui_System &page = *s.window().systemPage();
    s.tab(SystemTab);
    page.pathEdit()->clear();
    return s.messageBox([&] { QTest::mouseClick(page.edidWriteButton(), Qt::LeftButton); });
}

// The profiles dialog previewing a profile: every setting that will change, and the parts.
QPixmap profilesPreview(Studio &s)
{
    Ui_Main &main = s.window();
    s.tab(SystemTab);
    s.click(main.systemPage()->profilesButton());
    Ui_Profiles *dialog = main.profilesDialog();
    if (!dialog || !QTest::qWaitForWindowExposed(dialog))
        return QPixmap();
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hall-a.json"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QPixmap();
    f.write(R"({"format": "korvane-profile", "version": 1, "model": "Halden",
"output": {"hdcp": "FORCE-OFF", "itc": "ON"},
"multiview": {"layout": "PIP", "pip-position": "RightBottom", "pip-size": "SMALL"},
"window": {"1": {"source": "HDMI2"}, "2": {"source": "USB-C"}},
"audio": {"volume": 35, "mute": "OFF"},
"edid": {"mode": "1080p60-2.0"},
"input": {"2": {"name": "Lectern"}}}
)");
    f.close();
    dialog->PreviewApply(path);
    if (!QTest::qWaitFor([dialog] { return !dialog->IsBusy(); }, 20000))
        return QPixmap();
    s.settle();
    const QPixmap picture = dialog->grab();
    dialog->close();
    return picture;
}

// The list of keys (F1).
QPixmap keysList(Studio &s)
{
    s.tab(ConnectTab);
    return s.messageBox([&] {
        s.window().activateWindow();
        if (!QTest::qWaitForWindowActive(&s.window()))
            std::fprintf(stderr, "screenshots: the window did not become active\n");
        QTest::keyClick(&s.window(), Qt::Key_F1);
    });
}

// The output page after the operator closed the link: greyed, with the line saying so.
QPixmap closedLink(Studio &s)
{
    s.panel().disconnect();
    s.panel().waitForLinkClosed();
    return window(s.tab(OutputTab));
}

const Shot Shots[] = {
    // README
    {"login", Halden, true, loginDialog},
    {"main_connected", Halden, true, [](Studio &s) { return window(s.tab(ConnectTab)); }},
    {"page_output", Halden, true, [](Studio &s) { return window(s.tab(OutputTab)); }},
    {"page_audio", Halden, true, [](Studio &s) { return window(s.tab(AudioTab)); }},
    {"page_system", Halden, true, [](Studio &s) { return window(s.tab(SystemTab)); }},
    {"terminal", Halden, true, terminal},
    {"wire", Halden, true, wire},
    {"dialog_profiles", Halden, true, profilesPreview},
    {"multiview_single", Marlet, true, [](Studio &s) { return multiview(s, 0); }},
    {"multiview_pip", Marlet, true, [](Studio &s) { return multiview(s, 1); }},
    {"multiview_3xwin", Marlet, true, [](Studio &s) { return multiview(s, 3); }},
    {"multiview_4xwin", Marlet, true, [](Studio &s) { return multiview(s, 4); }},
    {"multiview_pbp", Marlet, true,
     [](Studio &s) {
         Ui_Multiview &page = *s.window().multiviewPage();
         multiview(s, 2);
         s.choose(page.aspectCombo(), 1);
         s.choose(page.variantCombo(), 2);
         return window(&s.window());
     }},
    {"status_bar_hold", Halden, true, statusBarHold},
    {"page_audio_tessin", Tessin, true, [](Studio &s) { return window(s.tab(AudioTab)); }},
    // Every dialog the panel opens, in both languages, to check that they stay readable.
    {"dialogs/login_en", Halden, true, loginDialog},
    {"dialogs/edid_file_en", Halden, true, edidFileDialog},
    {"dialogs/confirm_en", Halden, true, resetConfirmation},
    {"dialogs/information_en", Halden, true, edidInformation},
    {"dialogs/login_zh", Halden, false, loginDialog},
    {"dialogs/main_zh", Halden, false, [](Studio &s) { return window(s.tab(SystemTab)); }},
    {"dialogs/edid_file_zh", Halden, false, edidFileDialog},
    {"dialogs/confirm_zh", Halden, false, resetConfirmation},
    {"dialogs/information_zh", Halden, false, edidInformation},
    // Every page in both languages, to see in review that each text keeps its room; the last
    // of each language shows a page after the link closed (greyed, the old values kept).
    {"pages/connect_en", Marlet, true, [](Studio &s) { return window(s.tab(ConnectTab)); }},
    {"pages/output_en", Marlet, true, [](Studio &s) { return window(s.tab(OutputTab)); }},
    {"pages/multiview_en", Marlet, true, [](Studio &s) { return multiview(s, 4); }},
    {"pages/audio_en", Marlet, true, [](Studio &s) { return window(s.tab(AudioTab)); }},
    {"pages/system_en", Marlet, true, [](Studio &s) { return window(s.tab(SystemTab)); }},
    {"pages/keys_en", Marlet, true, [](Studio &s) { return keysList(s); }},
    {"pages/closed_en", Marlet, true, closedLink},
    {"pages/connect_zh", Marlet, false, [](Studio &s) { return window(s.tab(ConnectTab)); }},
    {"pages/output_zh", Marlet, false, [](Studio &s) { return window(s.tab(OutputTab)); }},
    {"pages/multiview_zh", Marlet, false, [](Studio &s) { return multiview(s, 4); }},
    {"pages/audio_zh", Marlet, false, [](Studio &s) { return window(s.tab(AudioTab)); }},
    {"pages/system_zh", Marlet, false, [](Studio &s) { return window(s.tab(SystemTab)); }},
    {"pages/keys_zh", Marlet, false, [](Studio &s) { return keysList(s); }},
    {"pages/closed_zh", Marlet, false, closedLink},
};
} // namespace

int main(int argc, char *argv[])
{
    App_SettleRuntimeDir();
    QApplication app(argc, argv);
    // The panel's look as the installed sheet gives it (the test runtime has no sheet).
    Style_Apply(QStringLiteral(KORVANE_SOURCE_DIR "/APP/StyleSheet/default.qss"));
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--list")) {
        for (const Shot &shot : Shots)
            std::printf("%s\n", shot.name);
        return 0;
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: korvane_screenshots OUTDIR [NAME...] | --list\n");
        return 2;
    }
    const QString out = args.first();
    const QStringList only = args.mid(1);

    std::unique_ptr<Studio> studio;
    int model = -1;
    bool english = true;
    int taken = 0;
    for (const Shot &shot : Shots) {
        if (!only.isEmpty() && !only.contains(QLatin1String(shot.name)))
            continue;
        if (!studio || shot.model != model || shot.english != english) {
            studio.reset(); // the panel, then the simulator
            studio = std::make_unique<Studio>();
            model = shot.model;
            english = shot.english;
            if (!studio->open(model, english)) {
                std::fprintf(stderr, "screenshots: the panel did not reach the %s simulator\n",
                             ModelNames[model]);
                return 1;
            }
        }
        const QPixmap picture = shot.stage(*studio);
        const QString path = out + QLatin1Char('/') + QLatin1String(shot.name) + ".png";
        QDir().mkpath(QFileInfo(path).path());
        if (picture.isNull() || !picture.save(path, "png")) {
            std::fprintf(stderr, "screenshots: %s could not be taken\n", shot.name);
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
        ++taken;
    }
    if (taken == 0) {
        std::fprintf(stderr, "screenshots: no shot named %s\n", qPrintable(only.join(' ')));
        return 2;
    }
    return 0;
}
