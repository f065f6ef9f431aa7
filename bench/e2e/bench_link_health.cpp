// How fast the panel notices a lost device, how it lives through a flapping one, and what 20
// key presses through the resolution list send during a hold. The panel's main window
// (offscreen unless a display is given) against korvane-sim in a child process.
//
//   bench_link_health [flap seconds]     default 300 (5 minutes)
//
// Phases, each printed with its figures and a verdict:
//   1. loss to "lost" on screen (the status bar's state): TCP close, vanished pseudo-terminal
//      (5 runs each, bound 1 s), and a silent vanish (the device stops answering without
//      closing anything: bound keep-alive interval + reply time-out);
//   2. a device up 2 s, down 2 s: RSS at start and end, most message boxes visible at once,
//      returns and re-synchronisations (boxes are closed after 1 s, as an operator would);
//   3. 20 presses of the Down key on the resolution list during a hold.
#include "bench_panel.h"

#include "app/app_paths.h"
#include "bench_runtime.h"
#include "link/link_controller.h"
#include "link/link_prefs.h"
#include "link/link_runtime.h"
#include "state/device_state.h"
#include "ui/link_status_bar.h"
#include "ui/ui_main.h"
#include "ui/ui_output.h"
#include "ui/ui_uart_network.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

using State = LinkController::State;

class Sim
{
public:
    explicit Sim(const QString &dir)
        : m_dir(dir)
    { }
    ~Sim() { stop(); }

    bool start(const QStringList &args)
    {
        m_process.setProgram(QStringLiteral(KORVANE_SIM));
        m_process.setArguments(args + QStringList {"--log", m_dir + "/wire.log"});
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start();
        QByteArray out;
        const bool ready = Bench_RunEventsUntil(
            [&] {
                out += m_process.readAll();
                return out.contains("korvane-sim: ready");
            },
            10000);
        const QRegularExpressionMatch port
            = QRegularExpression(QStringLiteral("tcp [0-9.]+:(\\d+)"))
                  .match(QString::fromLatin1(out));
        if (port.hasMatch())
            m_port = static_cast<quint16>(port.captured(1).toUInt());
        return ready;
    }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(static_cast<pid_t>(m_process.processId()), SIGCONT);
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
    void freeze() { ::kill(static_cast<pid_t>(m_process.processId()), SIGSTOP); }
    // Dies at once: the system closes its socket or terminal right away.
    void kill() { ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL); }
    quint16 port() const { return m_port; }
    int received(const QByteArray &text) const
    {
        QFile f(m_dir + "/wire.log");
        f.open(QIODevice::ReadOnly);
        return f.readAll().count(" RX " + text);
    }

private:
    QString m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

struct Panel
{
    Ui_Main window;
    LinkController &link() { return *window.linkController(); }
    QString shown() { return window.linkStatusBar()->stateText(); }

    Panel()
    {
        window.show();
        window.connectionPage()->setAddressSource(&Bench_LoopbackOnly);
    }
    void connectTcp(quint16 port) { Bench_ConnectLoopback(window.connectionPage(), port); }
    void connectSerial(const QString &path)
    {
        Ui_Uart_Network *page = window.connectionPage();
        page->portBox()->setEditText(path);
        page->uartButton()->click();
    }
    bool ready(int ms = 20000)
    {
        return Bench_RunEventsUntil([&] { return link().state() == State::Ready; }, ms);
    }
};

// Closes message boxes after a second on screen, and keeps the most seen at once.
struct BoxWatch
{
    int most = 0;
    int total = 0;
    QTimer timer;
    std::vector<std::pair<QWidget *, qint64>> seen;
    QElapsedTimer clock;

    BoxWatch()
    {
        clock.start();
        QObject::connect(&timer, &QTimer::timeout, [this] {
            int visible = 0;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (box == nullptr || !box->isVisible())
                    continue;
                ++visible;
                auto it = std::find_if(seen.begin(), seen.end(),
                                       [box](const auto &p) { return p.first == box; });
                if (it == seen.end()) {
                    seen.emplace_back(box, clock.elapsed());
                    ++total;
                } else if (clock.elapsed() - it->second > 1000) {
                    seen.erase(it);
                    box->close();
                }
            }
            most = std::max(most, visible);
        });
        timer.start(20);
    }
};

const char *Verdict(bool ok)
{
    return ok ? "PASS" : "FAIL";
}

// Runs `vanish` and returns the ms until the status bar's state label says "lost" or
// "reconnecting" (1e9 when it did not within `limit`). Read when the label changes, since the
// loss message's modal box runs its own event loop meanwhile.
template <class F>
double LostShownAfter(Panel &panel, QElapsedTimer &clock, F vanish, int limit)
{
    double shownMs = 1e9;
    auto *label = panel.window.linkStatusBar()->findChild<QLabel *>(QStringLiteral("LinkState"));
    const QMetaObject::Connection watch
        = QObject::connect(&panel.link(), &LinkController::stateChanged, [&] {
              const QString s = label->text();
              if (shownMs > 1e8
                  && (s == QLatin1String("lost") || s.startsWith(QLatin1String("reconnecting"))))
                  shownMs = clock.nsecsElapsed() / 1e6;
          });
    clock.start();
    vanish();
    Bench_RunEventsUntil([&] { return shownMs < 1e8; }, limit);
    QObject::disconnect(watch);
    return shownMs;
}

// Time from the device's end to "lost"/"reconnecting" in the status bar, per run.
bool LossPhase(const QString &dir, bool serial, bool *allOk)
{
    std::vector<double> ms;
    for (int run = 0; run < 5; ++run) {
        Sim sim(dir);
        const QString link = dir + "/ttyKV";
        const bool up = serial ? sim.start({"--model", "Marlet", "--no-tcp", "--pty-link", link})
                               : sim.start({"--model", "Marlet", "--port", "0"});
        if (!up)
            return false;
        Panel panel;
        if (serial)
            panel.connectSerial(link);
        else
            panel.connectTcp(sim.port());
        if (!panel.ready())
            return false;
        BoxWatch boxes;
        QElapsedTimer clock;
        clock.start();
        const double shownMs = LostShownAfter(
            panel, clock, [&] { sim.kill(); }, 5000);
        ms.push_back(shownMs);
        panel.window.connectionPage()->PressActiveConnectButton();
    }
    std::sort(ms.begin(), ms.end());
    const bool ok = ms.back() <= 1000;
    *allOk = *allOk && ok;
    std::printf("loss to lost, %-22s median %7.1f ms, worst %7.1f ms (bound 1000 ms)  %s\n",
                serial ? "pseudo-terminal gone:" : "TCP peer closed:", ms[ms.size() / 2], ms.back(),
                Verdict(ok));
    return true;
}

bool SilentPhase(const QString &dir, bool *allOk)
{
    Sim sim(dir);
    if (!sim.start({"--model", "Marlet", "--port", "0"}))
        return false;
    LinkPolicy policy = LinkPrefs_Policy();
    policy.keepAliveMs = 3000;
    LinkPrefs_SetPolicy(policy);
    Panel panel;
    panel.connectTcp(sim.port());
    if (!panel.ready())
        return false;
    BoxWatch boxes;
    // The device freezes right after the link's last activity: the worst case.
    QElapsedTimer clock;
    const double took = LostShownAfter(
        panel, clock, [&] { sim.freeze(); }, 20000);
    const int bound = policy.keepAliveMs + ReplyTimeoutMinMs;
    const bool ok = took <= bound + 100; // plus the delivery of timer and queued reports
    *allOk = *allOk && ok;
    std::printf("loss to lost, silent vanish:       %7.1f ms (bound keep-alive %d + time-out "
                "%d ms, +100 ms delivery)  %s\n",
                took, policy.keepAliveMs, ReplyTimeoutMinMs, Verdict(ok));
    panel.window.connectionPage()->PressActiveConnectButton();
    policy.keepAliveMs = KeepAliveDefaultS * 1000;
    LinkPrefs_SetPolicy(policy);
    return true;
}

bool FlapPhase(const QString &dir, int seconds, bool *allOk)
{
    const long rssStart = long(Bench_StatusKiB("VmRSS"));
    Sim first(dir);
    if (!first.start({"--model", "Corvo", "--port", "0"}))
        return false;
    const quint16 port = first.port();
    Panel panel;
    panel.connectTcp(port);
    if (!panel.ready())
        return false;
    first.stop();
    BoxWatch boxes;
    int identifications = 0;
    int resyncs = 0;
    int returns = 0;
    bool identified = false;
    QObject::connect(&panel.link(), &LinkController::stateChanged, [&](State s) {
        if (s == State::Synchronising) {
            ++identifications;
            identified = true;
        } else if (s == State::Ready && identified) {
            ++resyncs;
            identified = false;
        } else if (s == State::Reconnecting || s == State::Lost) {
            identified = false;
        }
    });
    long rssAfterWarmUp = -1;
    QElapsedTimer clock;
    clock.start();
    bool up = false;
    std::unique_ptr<Sim> sim;
    while (clock.elapsed() < seconds * 1000LL) {
        if (!up) {
            sim = std::make_unique<Sim>(dir);
            if (!sim->start({"--model", "Corvo", "--port", QString::number(port)}))
                return false;
            ++returns;
        } else {
            sim.reset();
        }
        up = !up;
        const qint64 until = clock.elapsed() + 2000;
        Bench_RunEventsUntil([&] { return clock.elapsed() >= until; }, 3000);
        if (rssAfterWarmUp < 0 && clock.elapsed() > 20000)
            rssAfterWarmUp = long(Bench_StatusKiB("VmRSS"));
    }
    sim.reset();
    panel.window.connectionPage()->PressActiveConnectButton();
    Bench_RunEventsUntil([] { return false; }, 1500); // the last boxes close
    const long rssEnd = long(Bench_StatusKiB("VmRSS"));
    const long growth = rssAfterWarmUp > 0 ? rssEnd - rssAfterWarmUp : 0;
    const bool ok = boxes.most <= 1 && identifications > 0 && growth < 2048;
    *allOk = *allOk && ok;
    std::printf("flapping %d s (up 2 s, down 2 s): device returns %d, reconnected and identified "
                "%d, read completely %d\n",
                seconds, returns, identifications, resyncs);
    std::printf("  RSS at start %ld KiB, after 20 s %ld KiB, at end %ld KiB (growth after "
                "warm-up %ld KiB, bound 2048)\n",
                rssStart, rssAfterWarmUp, rssEnd, growth);
    std::printf("  message boxes: %d shown, at most %d visible at once (bound 1)  %s\n",
                boxes.total, boxes.most, Verdict(ok));
    return true;
}

bool CollapsePhase(const QString &dir, bool *allOk)
{
    Sim sim(dir);
    if (!sim.start({"--model", "Marlet", "--port", "0"}))
        return false;
    Panel panel;
    panel.connectTcp(sim.port());
    if (!panel.ready())
        return false;
    QComboBox *box = panel.window.outputPage()->resolutionCombo();
    panel.window.tabWidget()->setCurrentWidget(panel.window.outputPage());
    box->setCurrentIndex(0);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down); // a first change: the device is busy for a while
    Bench_RunEventsUntil([&] { return panel.link().holdRemainingMs() > 0; },
                         3000); // the hold begins
    // The simulator logs a line a moment after the panel has sent it: count the first change
    // only once it is in the log, or it would be taken for one sent after the hold.
    Bench_RunEventsUntil([&] { return sim.received("SET OUT RESOLUTION") >= 1; }, 3000);
    const int before = sim.received("SET OUT RESOLUTION");
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(box, Qt::Key_Down);
        QCoreApplication::processEvents();
    }
    const int waiting = panel.link().commandsWaiting();
    Bench_RunEventsUntil([&] { return panel.link().holdRemainingMs() == 0; },
                         12000); // the first hold ends
    Bench_RunEventsUntil([&] { return panel.link().holdRemainingMs() > 0; },
                         3000); // the next one began
    Bench_RunEventsUntil([] { return false; }, 500);
    const int sent = sim.received("SET OUT RESOLUTION") - before;
    const bool ok = sent == 1;
    *allOk = *allOk && ok;
    std::printf("20 presses on the resolution list during a hold: %d waiting, %d resolution "
                "command(s) sent after the hold (bound 1)  %s\n",
                waiting, sent, Verdict(ok));
    panel.window.connectionPage()->PressActiveConnectButton();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    Bench_OffscreenUnlessDisplay();
    QApplication app(argc, argv);
    const int flapSeconds = argc > 1 ? std::max(8, atoi(argv[1])) : 300;
    QTemporaryDir runtime;
    App_SetDirOverride(runtime.path());
    QTemporaryDir simDir;

    bool ok = true;
    bool ran = LossPhase(simDir.path(), false, &ok) && LossPhase(simDir.path(), true, &ok)
        && SilentPhase(simDir.path(), &ok) && CollapsePhase(simDir.path(), &ok)
        && FlapPhase(simDir.path(), flapSeconds, &ok);
    Link_Shutdown();
    if (!ran) {
        std::printf("bench_link_health: a phase could not run (simulator or link did not come "
                    "up)\n");
        return 2;
    }
    std::printf("verdict: %s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
