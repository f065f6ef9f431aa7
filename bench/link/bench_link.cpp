// Sends reply-awaiting commands through each link, its service in a worker thread, to a peer
// that answers at once, and reports how much longer than the mandated 50 ms pause each command
// takes on the wire (command-to-command interval at the peer minus 50 ms).
//
//   bench_link [commands]        default 100
#include "link/command_catalogue.h"
#include "link/link_channel.h"
#include "link_harness.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t index
        = std::min(values.size() - 1, static_cast<size_t>(p * (values.size() - 1) + 0.5));
    return values[index];
}

bool Run(LinkHarness::Kind kind, int commands)
{
    const char *name = kind == LinkHarness::Serial ? "serial (pty)" : "tcp (127.0.0.1)";
    LinkHarness h(kind, true);
    if (!h.peerReady() || !h.connectLink()) {
        std::printf("%s: cannot connect\n", name);
        return false;
    }
    h.peer().responder = [](const QByteArray &) { return QByteArray("MODEL TYPE Halden\r"); };
    // The same query each time, queued as plain commands: through the catalogue an equal read
    // waiting unsent is not queued again.
    for (int i = 0; i <= commands; ++i)
        h.pushCommand("GET MODEL TYPE\r", LinkHarness::awaiting("MODEL TYPE", 1000, true));
    QEventLoop loop;
    QObject::connect(&h.peer(), &LinePeer::lineArrived, &loop, [&] {
        if (h.peer().lines.size() > commands)
            loop.quit();
    });
    QTimer::singleShot(commands * 200 + 5000, &loop, &QEventLoop::quit);
    h.trigger();
    loop.exec();
    const QList<qint64> &t = h.peer().lineTimesNs;
    if (t.size() <= commands) {
        std::printf("%s: only %d of %d commands arrived\n", name, int(t.size()), commands + 1);
        return false;
    }
    std::vector<double> beyond;
    std::vector<double> replyToNext;
    for (int i = 1; i <= commands; ++i) {
        beyond.push_back((t[i] - t[i - 1]) / 1e6 - SendPauseMs);
        replyToNext.push_back((t[i] - h.peer().replyTimesNs[i - 1]) / 1e6 - SendPauseMs);
    }
    std::printf("%-16s %d commands, beyond the %d ms pause: median %.3f ms, p90 %.3f ms, max %.3f "
                "ms (reply written to next command: median %.3f ms)\n",
                name, commands, SendPauseMs, Percentile(beyond, 0.5), Percentile(beyond, 0.9),
                Percentile(beyond, 1.0), Percentile(replyToNext, 0.5));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int commands = argc > 1 ? std::max(1, atoi(argv[1])) : 100;
    const bool serial = Run(LinkHarness::Serial, commands);
    const bool tcp = Run(LinkHarness::Tcp, commands);
    return serial && tcp ? 0 : 1;
}
