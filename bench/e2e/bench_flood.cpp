// How the panel copes with a device that floods it: the real start-up (login off, offscreen
// unless a display is given) connected over loopback TCP to a peer in a thread of its own
// that, once the model is identified and the pages' read-all answered, sends one fixed burst
// of reply lines as fast as the socket takes them: common replies, lines the panel ignores and
// MULTIVIEW-SYNC restatements of PBP and PIP layouts that change the picture every time, a few
// of them the layouts whose user rectangle the page asks for. The burst runs twice, with the
// debug terminal closed and open.
//
// A probe thread posts a ping to the GUI thread every 2 ms; how late each ping runs is how long
// the event loop was held (the probe does not share the measured thread). Also measured: the
// time from the burst's first byte to the last line handled, lines dropped by the receive
// queue, RSS before and after and the peak (VmHWM, reset before each burst), the pictures put
// on show and the files re-saved, the commands left waiting to be sent, and the lines that took
// the window longest. Each bound of the flood goals gets a verdict.
//
//   bench_flood [lines] [--rect-every N]     default 100000 lines, a user-rectangle layout
//                                            every 500 lines (0: none)
#include "bench_runtime.h"

#include "bench_panel.h"

#include "app/app_paths.h"
#include "link/link_context.h"
#include "link/link_controller.h"
#include "link/link_runtime.h"
#include "state/device_state.h"
#include "ui/picture_cache.h"
#include "ui/png_resave.h"
#include "ui/startup.h"
#include "ui/ui_debug.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"
#include "ui/ui_uart_network.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr double StallBoundMs = 50;
constexpr double WorkOffBoundMs = 2000;
constexpr double RssGrowthBoundMiB = 4;
constexpr int ProbePeriodUs = 2000;

// The burst: `count` lines in a fixed order.
QByteArray BurstLines(int count, int rectEvery)
{
    static const char *const common[] = {"OUT RESOLUTION 1920x1080p60\r",
                                         "AUDIO VOL 60\r",
                                         "OUT HDCP FORCE-2.2\r",
                                         "WINDOW1 IN HDMI1\r",
                                         "IN EDIDMODE 1080p60\r",
                                         "NOISE 0123456789 abcdefghij\r",
                                         "AUDIO-MUTE OFF\r",
                                         "OUT VKA BLUESCREEN\r",
                                         "garbage without keyword\r"};
    // Each differs from the one before in the picture it names.
    static const char *const layouts[]
        = {"MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL FULL 1 3\r",
           "MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL RightTop SMALL\r",
           "MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL 16:9 2 3\r",
           "MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL LeftBottom "
           "LARGE\r"};
    // Layouts whose user rectangle the page asks for.
    static const char *const rectangles[] = {"MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL USER USER\r",
                                             "MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL FULL 3 3\r"};
    QByteArray out;
    out.reserve(count * 32);
    int layout = 0, rectangle = 0, other = 0;
    for (int i = 1; i <= count; ++i) {
        if (rectEvery > 0 && i % rectEvery == 0)
            out += rectangles[rectangle++ % 2];
        else if (i % 12 == 0)
            out += layouts[layout++ % 4];
        else
            out += common[other++ % (sizeof common / sizeof *common)];
    }
    return out;
}

// The device's stand-in; on request it writes a burst as fast as the socket takes it, in
// chunks that end at a line.
class FloodPeer : public LoopbackPeer
{
public:
    std::atomic<qint64> burstStartNs {0};
    std::atomic<bool> burstWritten {false};

    void burst(const QByteArray &lines)
    {
        m_burst = lines;
        m_offset = 0;
        burstWritten = false;
        burstStartNs = Bench_NowNs();
        refill();
    }

private:
    void refill() override
    {
        constexpr int Chunk = 64 * 1024;
        while (m_client && m_offset < m_burst.size() && m_client->bytesToWrite() < 4 * Chunk) {
            int end = m_burst.indexOf('\r', std::min<int>(m_offset + Chunk, m_burst.size() - 1));
            end = end < 0 ? m_burst.size() : end + 1;
            write(m_burst.mid(m_offset, end - m_offset));
            m_offset = end;
        }
        if (!m_burst.isEmpty() && m_offset >= m_burst.size() && m_client
            && m_client->bytesToWrite() == 0) {
            m_burst.clear();
            burstWritten = true;
        }
    }

    QByteArray m_burst;
    int m_offset = 0;
};

// Posts a ping to the GUI thread every period from a thread of its own; each ping notes how
// long it waited for the event loop.
class StallProbe
{
public:
    explicit StallProbe(QObject *gui)
        : m_gui(gui)
    {
        m_delaysMs.reserve(1 << 16);
    }
    ~StallProbe() { stop(); }

    void start()
    {
        m_delaysMs.clear();
        m_running = true;
        m_thread = std::thread([this] {
            while (m_running) {
                const qint64 posted = Bench_NowNs();
                QMetaObject::invokeMethod(
                    m_gui, [this, posted] { m_delaysMs.push_back((Bench_NowNs() - posted) / 1e6); },
                    Qt::QueuedConnection);
                std::this_thread::sleep_for(std::chrono::microseconds(ProbePeriodUs));
            }
        });
    }
    void stop()
    {
        if (!m_thread.joinable())
            return;
        m_running = false;
        m_thread.join();
        QCoreApplication::processEvents(); // the last pings
    }

    double percentile(double p) const
    {
        if (m_delaysMs.empty())
            return 0;
        std::vector<double> sorted = m_delaysMs;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, size_t(p * (sorted.size() - 1) + 0.5))];
    }
    size_t pings() const { return m_delaysMs.size(); }

private:
    QObject *m_gui;
    std::thread m_thread;
    std::atomic<bool> m_running {false};
    std::vector<double> m_delaysMs; // GUI thread only
};

// The few lines that took the window longest, with what they said.
class SlowestLines
{
public:
    struct Line
    {
        double ms = 0;
        QByteArray text;
    };

    void clear() { m_lines.clear(); }
    void note(double ms, const QByteArray &line)
    {
        if (m_lines.size() == Kept && ms <= m_lines.back().ms)
            return;
        if (m_lines.size() == Kept)
            m_lines.pop_back();
        m_lines.push_back({ms, line.trimmed()});
        std::sort(m_lines.begin(), m_lines.end(),
                  [](const Line &a, const Line &b) { return a.ms > b.ms; });
    }
    const std::vector<Line> &lines() const { return m_lines; }

private:
    static constexpr size_t Kept = 3;
    std::vector<Line> m_lines;
};

struct PhaseResult
{
    double worstStallMs = 0;
    double p99StallMs = 0;
    double workOffMs = 0;
    qint64 written = 0;
    qint64 handled = 0;
    double rssGrowthMiB = 0;
    bool finished = false;
};

int QueuedToSend()
{
    std::lock_guard<std::mutex> locker(TcpLinkContext.sendLock);
    return TcpLinkContext.sendQueue.count;
}

} // namespace

int main(int argc, char **argv)
{
    Bench_OffscreenUnlessDisplay();
    QApplication app(argc, argv);
    int lines = 100000;
    int rectEvery = 500;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--rect-every") == 0 && i + 1 < argc)
            rectEvery = std::max(0, atoi(argv[++i]));
        else
            lines = std::max(1, atoi(argv[i]));
    }

    // The panel's own runtime folder, copied: pictures, style sheets; settings with the login
    // off, written by one start-up and exit like any later run finds them.
    QTemporaryDir runtime;
    if (!Bench_UseRuntimeCopy(runtime.path())) {
        std::printf("bench_flood: the runtime folders are not beside the benchmark\n");
        return 1;
    }
    {
        KorvaneStartup first;
    }
    const QString configPath = runtime.path() + QStringLiteral("/APP/ConfigFile/config.ini");
    QFile config(configPath);
    QByteArray settings = config.open(QIODevice::ReadOnly) ? config.readAll() : QByteArray();
    config.close();
    settings.replace("Key_UI_Login=1", "Key_UI_Login=0");
    if (!config.open(QIODevice::WriteOnly) || config.write(settings) != settings.size()) {
        std::printf("bench_flood: cannot write %s\n", qPrintable(configPath));
        return 1;
    }
    config.close();

    QThread peerThread;
    FloodPeer peer;
    const quint16 port = Bench_StartPeer(peerThread, peer);

    // A message box would hold the event loop until someone answers it; count and close any.
    BoxCloser boxes;

    const QByteArray burst = BurstLines(lines, rectEvery);
    std::printf("burst: %d lines (%d bytes), a MULTIVIEW-SYNC that changes the picture every 12 "
                "lines, a user-rectangle layout every %d; load %s\n",
                lines, int(burst.size()), rectEvery, qPrintable(Bench_LoadAverage()));

    bool pass = true;
    {
        KorvaneStartup startup;
        startup.ShowFirstWindow();
        Ui_Main &window = *startup.mainWindow();
        Ui_Uart_Network *page = window.connectionPage();
        Bench_ConnectLoopback(page, port);
        Bench_RunEventsUntil([] { return DeviceState::modelIdentified; }, 5000);
        // The pages' read-all goes out and is answered, then the link is quiet.
        QElapsedTimer settle;
        settle.start();
        int answered = -1;
        while (settle.elapsed() < 8000) {
            Bench_RunEventsUntil([] { return false; }, 300);
            if (peer.queriesAnswered == answered && QueuedToSend() == 0)
                break;
            answered = peer.queriesAnswered;
        }
        if (!DeviceState::modelIdentified) {
            std::printf("bench_flood: the link did not come up\n");
            return 1;
        }

        qint64 handled = 0;
        qint64 lastHandledNs = 0;
        QObject::connect(&window, &Ui_Main::SGL_DEBUG_SHOW_RecvText, [&] {
            ++handled;
            lastHandledNs = Bench_NowNs();
        });
        // What each line cost the window: from its echo (the first thing the window does with
        // it) to the end of its handling (this receiver runs after the window's).
        SlowestLines slowest;
        QObject::connect(window.linkController(), &LinkController::lineReceived,
                         [&](const QByteArray &line, quint64) {
                             slowest.note((Bench_NowNs() - lastHandledNs) / 1e6, line);
                         });
        StallProbe probe(&window);
        probe.start();
        Bench_RunEventsUntil([] { return false; }, 1000);
        probe.stop();
        std::printf("%-24s stall median %6.2f ms, p99 %6.2f ms, worst %7.2f ms (%zu pings)\n",
                    "idle link", probe.percentile(0.5), probe.percentile(0.99),
                    probe.percentile(1.0), probe.pings());

        PhaseResult results[2];
        for (int phase = 0; phase < 2; ++phase) {
            const bool open = phase == 1;
            if (open)
                window.debugTerminal()->SLT_SETUP_UI_DEBUG();
            Bench_RunEventsUntil([] { return false; }, 300);
            const qint64 rssBefore = Bench_StatusKiB("VmRSS");
            Bench_ResetPeakRss();
            const int picturesBefore = window.multiviewPage()->pictureChanges();
            const int resavesBefore = Png_WrittenCount();
            const qint64 handledBefore = handled;
            const qint64 writtenBefore = peer.linesWritten;

            slowest.clear();
            probe.start();
            QMetaObject::invokeMethod(&peer, [&] { peer.burst(burst); });
            // Worked off: everything written was handled, or nothing more arrives.
            qint64 progress = -1;
            QElapsedTimer idle;
            idle.start();
            QElapsedTimer total;
            total.start();
            while (total.elapsed() < 120000) {
                Bench_RunEventsUntil([] { return false; }, 50);
                const qint64 written = peer.linesWritten - writtenBefore;
                if (peer.burstWritten && handled - handledBefore >= written)
                    break;
                if (handled != progress) {
                    progress = handled;
                    idle.restart();
                } else if (peer.burstWritten && idle.elapsed() > 1000) {
                    break;
                }
            }
            probe.stop();

            PhaseResult &r = results[phase];
            r.finished = peer.burstWritten;
            r.written = peer.linesWritten - writtenBefore;
            r.handled = handled - handledBefore;
            r.workOffMs = (lastHandledNs - peer.burstStartNs) / 1e6;
            r.worstStallMs = probe.percentile(1.0);
            r.p99StallMs = probe.percentile(0.99);
            Bench_RunEventsUntil([] { return false; }, 300);
            const qint64 rssAfter = Bench_StatusKiB("VmRSS");
            const qint64 peak = Bench_StatusKiB("VmHWM");
            r.rssGrowthMiB = (rssAfter - rssBefore) / 1024.0;
            std::printf("%-24s stall median %6.2f ms, p99 %6.2f ms, worst %7.2f ms; worked off in "
                        "%7.1f ms; lines handled %lld of %lld (%lld dropped)\n",
                        open ? "burst, terminal open" : "burst, terminal closed",
                        probe.percentile(0.5), r.p99StallMs, r.worstStallMs, r.workOffMs,
                        static_cast<long long>(r.handled), static_cast<long long>(r.written),
                        static_cast<long long>(std::max<qint64>(0, r.written - r.handled)));
            std::printf("%-24s RSS %.1f -> %.1f MiB (growth %+.2f MiB), VmHWM %.1f MiB (peak "
                        "%+.2f MiB); pictures shown %d, files re-saved %d, decoded pictures "
                        "held %.1f MiB; commands waiting to be sent %d\n",
                        "", rssBefore / 1024.0, rssAfter / 1024.0, r.rssGrowthMiB, peak / 1024.0,
                        (peak - rssBefore) / 1024.0,
                        window.multiviewPage()->pictureChanges() - picturesBefore,
                        Png_WrittenCount() - resavesBefore, Picture_CachedBytes() / 1048576.0,
                        QueuedToSend());
            std::printf("%-24s slowest lines:", "");
            for (const SlowestLines::Line &line : slowest.lines())
                std::printf(" %.1f ms \"%s\";", line.ms, line.text.constData());
            std::printf("\n");
        }

        auto verdict = [&pass](bool ok, const char *what) {
            pass = pass && ok;
            std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
        };
        const PhaseResult &closed = results[0];
        const PhaseResult &open = results[1];
        verdict(closed.worstStallMs <= StallBoundMs,
                "terminal closed: worst GUI stall at most 50 ms");
        verdict(closed.finished && closed.workOffMs <= WorkOffBoundMs,
                "terminal closed: burst worked off in at most 2 s");
        verdict(closed.handled >= closed.written && open.handled >= open.written,
                "no line dropped by the receive queue (closed and open)");
        verdict(closed.rssGrowthMiB <= RssGrowthBoundMiB,
                "terminal closed: RSS growth at most 4 MiB over the settled RSS");
        verdict(open.worstStallMs <= StallBoundMs, "terminal open: worst GUI stall at most 50 ms");

        page->networkButton()->click(); // closes the link (its queue goes with it)
    }
    peerThread.quit();
    peerThread.wait();
    Link_Shutdown();
    Png_FinishResaves();
    if (boxes.count() > 0)
        std::printf("bench_flood: %d message box(es) appeared and were closed\n", boxes.count());
    std::printf("load at the end %s\n", qPrintable(Bench_LoadAverage()));
    return pass ? 0 : 1;
}
