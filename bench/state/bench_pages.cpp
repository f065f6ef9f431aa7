// The panel's own figure for bench_reply_dispatcher: the same reply lines through the
// dispatcher into the real main window's pages (offscreen, with the style sheet and pictures
// of the runtime folder), then through the window's receive path as a link delivers them
// (drain, terminal echo, dispatcher, pages) with the debug terminal closed and open, and the
// time of a MULTIVIEW-SYNC line whose picture changes, once every picture has been shown.
#include "bench_pages.h"

#include "bench_runtime.h"

#include "app/app_paths.h"
#include "app/config_file.h"
#include "link/link_context.h"
#include "link/link_controller.h"
#include "state/device_state.h"
#include "state/reply_dispatcher.h"
#include "ui/style.h"
#include "ui/ui_debug.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <mutex>

namespace {

constexpr double PictureBoundMs = 1.0;

// Restatements of PBP and PIP layouts, each naming another picture than the one before.
const char *const PictureLines[] = {"MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL FULL 1 3\r",
                                    "MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL RightTop SMALL\r",
                                    "MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL 16:9 2 3\r",
                                    "MULTIVIEW-SYNC PIP HDMI1 HDMI2 NULL NULL LeftBottom LARGE\r"};

double Percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * (values.size() - 1) + 0.5))];
}

void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

// As after identification: every page rebuilt for the model.
void Identify(Ui_Main &window, int model, quint8 inputs)
{
    DeviceState::ResetForTesting();
    DeviceState::modelIndex = static_cast<quint8>(model);
    DeviceState::modelIdentified = true;
    DeviceState::inputSourceCount = inputs;
    window.replyVerbs().outputApplyModel();
    window.replyVerbs().multiviewApplyModel();
    window.replyVerbs().audioApplyModel();
    window.replyVerbs().systemApplyModel();
}

// Lines per second straight into the pages, the event loop run after every round (it paints
// what the lines changed).
double PagesRate(Ui_Main &window, const std::vector<std::string> &lines, double seconds)
{
    const ReplySinks sinks = window.replyValues().sinks(window.replyVerbs());
    qint64 dispatched = 0;
    QElapsedTimer timer;
    timer.start();
    const qint64 budget = qint64(seconds * 1e9);
    do {
        for (const std::string &line : lines)
            Reply_DispatchBytes(line, sinks);
        dispatched += qint64(lines.size());
        Settle();
    } while (timer.nsecsElapsed() < budget);
    return dispatched / (timer.nsecsElapsed() / 1e9);
}

void ClearQueue(std::mutex &lock, CommandQueue &queue)
{
    std::lock_guard<std::mutex> locker(lock);
    while (!queue.isEmpty())
        Queue_PopFront(&queue);
}

// Lines per second through the window's receive path: batches pushed onto the receive queue
// as a link service does, announced, and handled by the window's drain in its own turns.
double ReceiveRate(Ui_Main &window, const std::vector<std::string> &lines, double seconds)
{
    qint64 handled = 0;
    const QMetaObject::Connection counter
        = QObject::connect(&window, &Ui_Main::SGL_DEBUG_SHOW_RecvText, [&handled] { ++handled; });
    Queue_Reset(TcpLinkContext);
    LinkMode = LinkModeTcp;
    constexpr int Batch = 2000; // within the receive queue's limit
    QElapsedTimer timer;
    timer.start();
    const qint64 budget = qint64(seconds * 1e9);
    do {
        const qint64 target = handled + Batch;
        for (int i = 0; i < Batch; ++i) {
            const std::string &line = lines[size_t(i) % lines.size()];
            Queue_Push(line.data(), int(line.size()), nullptr, 0, &TcpLinkContext.recvLock,
                       &TcpLinkContext.recvQueue);
        }
        window.linkController()->reportLinesAvailable(LinkKind::Tcp);
        while (handled < target)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        // Some lines make the pages ask the device again; nobody sends here.
        ClearQueue(TcpLinkContext.sendLock, TcpLinkContext.sendQueue);
    } while (timer.nsecsElapsed() < budget);
    const double rate = handled / (timer.nsecsElapsed() / 1e9);
    LinkMode = LinkModeNone;
    Queue_Release(TcpLinkContext);
    QObject::disconnect(counter);
    return rate;
}

} // namespace

bool Bench_Pages(int argc, char **argv, const std::vector<std::string> &mix, double seconds)
{
    // The device's own link settings would bring up the reconnect notice (a modal box).
    std::vector<std::string> lines;
    for (const std::string &line : mix) {
        if (line.rfind("NETWORK-INFO", 0) != 0 && line.rfind("BAUDRATE", 0) != 0)
            lines.push_back(line);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QTemporaryDir runtime;
    if (!Bench_UseRuntimeCopy(runtime.path())) {
        std::printf("pages: the runtime folders are not beside the benchmark\n");
        return false;
    }
    Config_LoadAtStartup();
    Style_Apply(App_Path(StyleSheetRelPath));
    // Any other box would hold the loop until answered: closed and counted.
    int boxes = 0;
    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [&boxes] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            ++boxes;
            box->close();
        }
    });
    boxCloser.start(100);
    Ui_Main window;
    window.show();
    Settle();
    Identify(window, 0, 5); // Halden
    Settle();

    const double pages = PagesRate(window, lines, seconds);
    std::printf("pages:       %.0f lines/s (%.1f us/line) into the real pages\n", pages,
                1e6 / pages);
    const double closed = ReceiveRate(window, lines, seconds);
    std::printf("receive:     %.0f lines/s (%.1f us/line) through the window, terminal closed\n",
                closed, 1e6 / closed);
    window.debugTerminal()->SLT_SETUP_UI_DEBUG();
    Settle();
    const double open = ReceiveRate(window, lines, seconds);
    std::printf("receive:     %.0f lines/s (%.1f us/line) through the window, terminal open\n",
                open, 1e6 / open);
    window.debugTerminal()->SLT_CLOSE_UI_DEBUG();
    Settle();

    // Pictures: each shown once, then every line names another picture than the one before.
    const ReplySinks sinks = window.replyValues().sinks(window.replyVerbs());
    for (const char *line : PictureLines)
        Reply_DispatchBytes(line, sinks);
    Settle();
    std::vector<double> changed;
    std::vector<double> same;
    const int before = window.multiviewPage()->pictureChanges();
    QElapsedTimer timer;
    timer.start();
    do {
        for (const char *line : PictureLines) {
            qint64 start = Bench_NowNs();
            Reply_DispatchBytes(line, sinks);
            changed.push_back((Bench_NowNs() - start) / 1e6);
            start = Bench_NowNs();
            Reply_DispatchBytes(line, sinks); // the same again: the picture stays
            same.push_back((Bench_NowNs() - start) / 1e6);
            Settle();
        }
    } while (timer.elapsed() < qint64(seconds * 1000) || changed.size() < 200);
    const int shown = window.multiviewPage()->pictureChanges() - before;
    const double median = Percentile(changed, 0.5);
    std::printf("picture:     MULTIVIEW-SYNC that changes the picture: median %.3f ms, p99 %.3f "
                "ms (%zu lines, %d pictures shown); the same line again: median %.3f ms\n",
                median, Percentile(changed, 0.99), changed.size(), shown, Percentile(same, 0.5));
    const bool ok = median <= PictureBoundMs && shown == int(changed.size());
    std::printf("%s: a picture-changing line at most %.0f ms median, one picture per line\n",
                ok ? "PASS" : "FAIL", PictureBoundMs);
    if (boxes > 0)
        std::printf("pages: %d message box(es) appeared and were closed\n", boxes);
    return ok;
}
