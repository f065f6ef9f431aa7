// Times a full backup and a restore of a profile over loopback TCP against korvane-sim, for
// every model, and compares each with its ideal measured in the same run: the number of
// commands times the 50 ms pause before each, plus the sum of the round trips the link
// measured (write to reply), plus 10 s for each command that holds the link. A verdict line
// says whether every run stayed within 1.1 x its ideal.
//
//   bench_profile [rounds]        default 1
#include "link/link_channel.h"
#include "link/link_controller.h"
#include "link/link_runtime.h"
#include "link/link_target.h"
#include "profile/headless_link.h"
#include "profile/profile_engine.h"
#include "support/sim_device.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

constexpr double Limit = 1.1;

// A changed device: settings of every part differ from the factory's, one resolution hold.
Profile Changed(int model)
{
    Profile p;
    p.model = model;
    auto set = [&](const char *key, const char *value) {
        p.set(*Setting_FromKey(QString::fromLatin1(key)), QString::fromLatin1(value));
    };
    set("output.resolution", "1280x720p60");
    set("output.hdcp", "FORCE-2.2");
    set("output.vka", "BLACKSCREEN");
    set("output.itc", "ON");
    set("multiview.layout", "4xWIN");
    set("multiview.aspect", "16:9");
    set("multiview.variant", "4");
    set("window.1.source", "HDMI2");
    set("window.2.source", "HDMI1");
    set("window.3.source", "HDMI3");
    set("window.4.source", "HDMI2");
    set("audio.source", "HDMI1");
    set("audio.volume", "20");
    set("audio.mute", "ON");
    set("edid.mode", "1080p60-2.0");
    if (Setting_Available(SettingId::Output4kAuto, model))
        set("output.4k-auto", "OFF");
    if (Setting_Available(SettingId::AudioMain, model)) {
        set("audio.main", "OFF");
        set("mic.1.switch", "ON");
        set("mic.1.volume", "25");
    }
    return p;
}

struct Measure
{
    int commands = 0;
    int timeouts = 0;
    double roundTripMs = 0;
    double wallMs = 0;
    int holds = 0;
    int phase[3] = {0, 0, 0}; // commands while reading, setting, reading back
    bool ok = false;

    double idealMs() const { return commands * SendPauseMs + roundTripMs + holds * 10000.0; }
    double ratio() const { return wallMs / idealMs(); }
};

class Bench
{
public:
    explicit Bench(HeadlessLink &host)
        : m_host(host)
        , m_engine(host.link(), host.values())
    {
        QObject::connect(&host.link(), &LinkController::commandSent, &m_engine,
                         [this](quint64, const QByteArray &) {
                             ++m_m.commands;
                             ++m_m.phase[m_phase];
                         });
        QObject::connect(&m_engine, &ProfileEngine::progress, &m_engine,
                         [this](int, int, const QString &stage) {
                             if (stage == QLatin1String("reading"))
                                 m_phase = 0;
                             else if (stage == QLatin1String("reading back"))
                                 m_phase = 2;
                             else if (!stage.isEmpty())
                                 m_phase = 1;
                         });
        QObject::connect(&host.link(), &LinkController::commandMatched, &m_engine,
                         [this](quint64, const QByteArray &) {
                             m_m.roundTripMs += m_host.link().lastRoundTripUs() / 1000.0;
                         });
        // A reply that never came cost its whole wait.
        QObject::connect(&host.link(), &LinkController::commandTimedOut, &m_engine, [this](quint64) {
            ++m_m.timeouts;
            m_m.roundTripMs += ReplyTimeoutMs;
        });
    }

    bool open(quint16 port)
    {
        QEventLoop loop;
        QObject::connect(&m_host.link(), &LinkController::stateChanged, &loop, [&] {
            if (m_host.link().state() == LinkController::State::Ready
                || !m_host.link().isOpen())
                loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        m_host.link().open(LinkTarget::tcp(QString(), QStringLiteral("127.0.0.1"),
                                           QString::number(port)));
        loop.exec();
        return m_host.link().identifiedModel() >= 0;
    }

    // Runs one engine job and measures it from the call to the report.
    Measure time(const std::function<void(ProfileEngine &)> &job, EngineReport *report)
    {
        m_m = Measure();
        m_phase = 0;
        QEventLoop loop;
        QObject::connect(&m_engine, &ProfileEngine::finished, &loop,
                         [&](const EngineReport &r) {
                             *report = r;
                             loop.quit();
                         });
        QElapsedTimer clock;
        clock.start();
        job(m_engine);
        loop.exec();
        m_m.wallMs = clock.nsecsElapsed() / 1e6;
        m_m.ok = report->ok() && report->timedOut.isEmpty();
        return m_m;
    }

private:
    HeadlessLink &m_host;
    ProfileEngine m_engine;
    Measure m_m;
    int m_phase = 0;
};

void Print(const char *what, const char *model, const Measure &m)
{
    std::printf("%-8s %-7s %4d commands %d holds  %9.1f ms  ideal %9.1f ms  (%4d x %d ms + "
                "round trips %7.1f ms + holds)  ratio %.3f%s\n",
                model, what, m.commands, m.holds, m.wallMs, m.idealMs(), m.commands, SendPauseMs,
                m.roundTripMs, m.ratio(), m.ok ? "" : "  FAILED");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 1;
    bool pass = true;
    double worst = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int model = 0; model < ModelCount; ++model) {
            const QByteArray name = Profile_ModelName(model).toLatin1();
            SimDevice source;
            SimDevice target;
            if (!source.start({"--model", name}) || !target.start({"--model", name})) {
                std::printf("%s: cannot start the simulator\n", name.constData());
                return 2;
            }
            EngineReport report;
            {
                // Change the source device first (not timed), then back it up.
                HeadlessLink host;
                Bench bench(host);
                if (!bench.open(source.tcpPort())) {
                    std::printf("%s: not identified\n", name.constData());
                    return 2;
                }
                PlanOptions options;
                bench.time([&](ProfileEngine &e) { e.apply(Changed(model), options); }, &report);
                const Measure backup = bench.time(
                    [](ProfileEngine &e) {
                        e.read(AllProfileSections & ~Profile_SectionBit(ProfileSection::Names));
                    },
                    &report);
                Print("backup", name.constData(), backup);
                pass = pass && backup.ok && backup.ratio() <= Limit;
                worst = qMax(worst, backup.ratio());
                host.link().close();
            }
            const Profile saved = report.profile;
            {
                HeadlessLink host;
                Bench bench(host);
                if (!bench.open(target.tcpPort())) {
                    std::printf("%s: not identified\n", name.constData());
                    return 2;
                }
                Measure restore = bench.time(
                    [&](ProfileEngine &e) { e.apply(saved, PlanOptions()); }, &report);
                restore.holds = report.plan.holdCount();
                restore.ok = restore.ok && report.verification.differences.isEmpty();
                Print("restore", name.constData(), restore);
                std::printf("%-8s         restore = %d read + %d set + %d read back\n",
                            name.constData(), restore.phase[0], restore.phase[1], restore.phase[2]);
                pass = pass && restore.ok && restore.ratio() <= Limit;
                worst = qMax(worst, restore.ratio());
                host.link().close();
            }
        }
    }
    Link_Shutdown();
    std::printf("verdict: %s (worst ratio %.3f, limit %.1f)\n", pass ? "PASS" : "FAIL", worst,
                Limit);
    return pass ? 0 : 1;
}
