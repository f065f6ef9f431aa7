// How close the panel's full synchronisation comes to what the link's pacing allows: the real
// start-up (login off, offscreen unless a display is given) connects to the simulator over TCP
// and over a pseudo-terminal; from the first command on the wire to the last reply of the
// pages' read-all, as the simulator's wire log has them, against one mandated pause per command
// (the simulator answers at once).
//
//   bench_sync [runs per link]     default 3
#include "bench_runtime.h"

#include "bench_panel.h"

#include "app/app_paths.h"
#include "link/link_channel.h"
#include "link/link_context.h"
#include "link/link_runtime.h"
#include "state/device_state.h"
#include "ui/png_resave.h"
#include "ui/startup.h"
#include "ui/ui_main.h"
#include "ui/ui_uart_network.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {

constexpr double RatioBound = 1.05;

struct Sim
{
    QProcess process;
    quint16 port = 0;
    QString pty;
    QString log;

    bool start(const QString &dir)
    {
        const QString program = QCoreApplication::applicationDirPath() + "/korvane-sim";
        log = dir + QStringLiteral("/wire.log");
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, {"--model", "Halden", "--port", "0", "--pty", "--log", log});
        QByteArray out;
        QElapsedTimer wait;
        wait.start();
        while (!out.contains("korvane-sim: ready") && wait.elapsed() < 10000) {
            process.waitForReadyRead(200);
            out += process.readAll();
        }
        for (const QByteArray &line : out.split('\n')) {
            if (line.startsWith("korvane-sim: tcp "))
                port = quint16(line.mid(line.lastIndexOf(':') + 1).trimmed().toUInt());
            else if (line.startsWith("korvane-sim: pty "))
                pty = QString::fromLocal8Bit(line.mid(17).trimmed());
        }
        return port != 0 && !pty.isEmpty();
    }
    ~Sim()
    {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(3000);
    }
};

int QueuedToSend(LinkContext &context)
{
    std::lock_guard<std::mutex> locker(context.sendLock);
    return context.sendQueue.count;
}

// The wire log's lines from offset on: the first command received, the last reply sent, in
// seconds, and the number of commands.
bool ReadWire(const QString &log, qint64 offset, double *first, double *last, int *commands)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return false;
    *commands = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() < 2)
            continue;
        const double at = parts[0].toDouble();
        if (parts[1] == "RX") {
            if ((*commands)++ == 0)
                *first = at;
        } else if (parts[1] == "TX") {
            *last = at;
        }
    }
    return *commands > 0;
}

// One connection from a fresh window: the ratio of the sync time to its ideal, 0 on failure.
double SyncOnce(Ui_Main &window, bool tcp, const Sim &sim, int *commands)
{
    Ui_Uart_Network *page = window.connectionPage();
    const qint64 offset = QFileInfo(sim.log).size();
    qint64 lastReceived = 0;
    const auto onReceived = QObject::connect(&window, &Ui_Main::SGL_DEBUG_SHOW_RecvText,
                                             [&] { lastReceived = Bench_NowNs(); });
    DeviceState::modelIdentified = false;
    if (tcp) {
        Bench_ConnectLoopback(page, sim.port);
    } else {
        page->portBox()->setEditText(sim.pty);
        page->uartButton()->click();
    }
    LinkContext &context = tcp ? TcpLinkContext : SerialLinkContext;
    QElapsedTimer wait;
    wait.start();
    while (!DeviceState::modelIdentified && wait.elapsed() < 5000)
        Bench_RunEventsUntil([] { return false; }, 20);
    // Done when nothing is waiting and nothing arrived for half a second.
    while (wait.elapsed() < 60000) {
        Bench_RunEventsUntil([] { return false; }, 100);
        if (QueuedToSend(context) == 0 && lastReceived > 0
            && Bench_NowNs() - lastReceived > 500 * 1000 * 1000LL)
            break;
    }
    const bool identified = DeviceState::modelIdentified;
    QObject::disconnect(onReceived);
    (tcp ? page->networkButton() : page->uartButton())->click(); // closes the link
    Bench_RunEventsUntil([] { return false; }, 300);
    double first = 0, last = 0;
    if (!identified || !ReadWire(sim.log, offset, &first, &last, commands) || *commands < 2)
        return 0;
    // The first command waited its pause too.
    const double elapsedMs = (last - first) * 1000 + SendPauseMs;
    return elapsedMs / (*commands * double(SendPauseMs));
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    Bench_OffscreenUnlessDisplay();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QTemporaryDir runtime;
    Sim sim;
    if (!Bench_UseRuntimeCopy(runtime.path()) || !sim.start(runtime.path())) {
        std::printf("bench_sync: no runtime folders or no simulator beside the benchmark\n");
        return 1;
    }
    std::printf("full synchronisation against korvane-sim (Halden), %d runs per link; load %s\n",
                runs, qPrintable(Bench_LoadAverage()));
    bool pass = true;
    {
        {
            KorvaneStartup first;
        } // a settled config.ini, then the login off
        QFile config(runtime.path() + QLatin1String(ConfigIniRelPath));
        QByteArray settings = config.open(QIODevice::ReadOnly) ? config.readAll() : QByteArray();
        config.close();
        settings.replace("Key_UI_Login=1", "Key_UI_Login=0");
        if (config.open(QIODevice::WriteOnly))
            config.write(settings);
        config.close();

        KorvaneStartup startup;
        startup.ShowFirstWindow();
        Ui_Main &window = *startup.mainWindow();
        window.connectionPage()->setAddressSource(&Bench_LoopbackOnly);
        Bench_RunEventsUntil([] { return false; }, 300);
        for (bool tcp : {true, false}) {
            std::vector<double> ratios;
            int commands = 0;
            for (int run = 0; run < runs; ++run) {
                const double ratio = SyncOnce(window, tcp, sim, &commands);
                if (ratio > 0)
                    ratios.push_back(ratio);
            }
            const double median = Median(ratios);
            std::printf("%-16s %d commands, %.2fx the ideal (median of %zu; %s)\n",
                        tcp ? "tcp (127.0.0.1)" : "serial (pty)", commands, median, ratios.size(),
                        commands > 0 ? "one pause per command" : "no link");
            pass = pass && ratios.size() == size_t(runs) && median <= RatioBound;
        }
    }
    Link_Shutdown();
    Png_FinishResaves();
    std::printf("load at the end %s\n", qPrintable(Bench_LoadAverage()));
    std::printf("%s: full synchronisation at most %.2fx the ideal on both links\n",
                pass ? "PASS" : "FAIL", RatioBound);
    return pass ? 0 : 1;
}
