// How many reply lines per second the dispatcher applies: the replies of a full read-all
// burst on an identified device, repeated, each through both entries (bytes and text), with
// every page call recorded. The panel must keep up with a flooding device on the GUI thread.
//
// Usage: bench_reply_dispatcher [seconds per entry, default 2]
#include "support/recording_sinks.h"

#include "state/reply_dispatcher.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// What the device answers to the read-all buttons of the four pages, plus a few replies
// that need no action or match no keyword.
const char *const BurstLines[] = {"OUT RESOLUTION 1920x1080p60\r",
                                  "OUT 4K-AUTO ON\r",
                                  "OUT HDCP FORCE-1.4\r",
                                  "OUT VKA BLUESCREEN\r",
                                  "OUT ITC OFF\r",
                                  "MULTIVIEW PBP\r",
                                  "MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL 16:9 2 3\r",
                                  "PBP MODE 2\r",
                                  "PBP ASPECT 16:9\r",
                                  "MAXMODE 3\r",
                                  "WINDOW1 IN HDMI1\r",
                                  "WINDOW2 IN HDMI3\r",
                                  "AUDIO SOURCE HDMI2\r",
                                  "AUDIO VOL 60\r",
                                  "AUDIO-MUTE OFF\r",
                                  "IN EDIDMODE 1080p60-2.0\r",
                                  "ARM VERSION V1.0.3\r",
                                  "SUB-VERSION V2.1\r",
                                  "NETWORK-INFO 192.168.0.247 2000 255.255.255.0 192.168.0.1\r",
                                  "BAUDRATE 115200\r",
                                  "PIP USER 0 0 960 540\r",
                                  "KVM-BORDER ON\r",
                                  "OUT TSP-COLOR 3\r",
                                  "garbage line without keyword\r"};

template <typename Line, typename Dispatch>
double LinesPerSecond(const std::vector<Line> &lines, double seconds, Dispatch dispatch,
                      quint64 *callCount)
{
    RecordingSinks pages;
    quint64 dispatched = 0;
    QElapsedTimer timer;
    timer.start();
    const qint64 budget = static_cast<qint64>(seconds * 1e9);
    do {
        for (int round = 0; round < 1000; ++round) {
            for (const Line &line : lines) {
                pages.calls.resize(0); // keeps the capacity
                dispatch(line, pages);
                *callCount += static_cast<quint64>(pages.calls.size());
            }
        }
        dispatched += 1000 * lines.size();
    } while (timer.nsecsElapsed() < budget);
    return dispatched / (timer.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char **argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    SetUpDevice(0, 2); // Halden in PBP

    std::vector<std::string> bytes;
    std::vector<QString> texts;
    for (const char *line : BurstLines) {
        bytes.emplace_back(line);
        texts.push_back(QString::fromLatin1(line));
    }

    quint64 byteCalls = 0, textCalls = 0;
    const double byteRate = LinesPerSecond(
        bytes, seconds,
        [](const std::string &line, RecordingSinks &pages) {
            Reply_DispatchBytes(line, pages.sinks());
        },
        &byteCalls);
    const double textRate = LinesPerSecond(
        texts, seconds,
        [](const QString &line, RecordingSinks &pages) { Reply_Dispatch(line, pages.sinks()); },
        &textCalls);

    std::printf("reply lines in the mix: %zu\n", bytes.size());
    std::printf("bytes entry: %.0f lines/s (%.0f ns/line, %llu page calls recorded)\n", byteRate,
                1e9 / byteRate, static_cast<unsigned long long>(byteCalls));
    std::printf("text entry:  %.0f lines/s (%.0f ns/line, %llu page calls recorded)\n", textRate,
                1e9 / textRate, static_cast<unsigned long long>(textCalls));
    const bool fast = byteRate >= 1e6 && textRate >= 1e6;
    std::printf("%s: at least 1000000 lines/s on both entries\n", fast ? "PASS" : "FAIL");
    return fast ? 0 : 1;
}
