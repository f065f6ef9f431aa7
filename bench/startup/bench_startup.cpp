// How long the panel takes to show its first window, against the smallest Qt Widgets program
// built by the same CMake: the login dialog (login on) and the main window (login off), each
// started as a fresh process, alternated with the yardstick, run after run.
//
// With Xvfb and the XCB headers: a private Xvfb, the real `korvane` executable, and the time
// from spawning the process to the X server's MapNotify of its first window (watched from
// here, so nothing inside the measured program takes part). Otherwise offscreen: twins of the
// panel and of the yardstick with a probe that reports when their first window is exposed.
// Each scenario has its own portable copy of the runtime folder and its own config.ini.
//
//   bench_startup [runs] [--offscreen]     default 10 runs of each, after one warm-up run
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifdef KORVANE_BENCH_XCB
#include <xcb/xcb.h>
#endif

extern char **environ;

namespace {

constexpr double Bound = 1.5;
constexpr int ShowTimeoutMs = 30000;

qint64 NowNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

QString LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readLine()).section(QLatin1Char(' '), 0, 2);
}

// The environment of this process with some variables replaced or removed (empty value).
std::vector<std::string>
ChildEnvironment(const std::vector<std::pair<std::string, std::string>> &set)
{
    std::vector<std::string> out;
    for (char **e = environ; *e; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        if (std::none_of(set.begin(), set.end(), [&](const auto &p) { return p.first == name; }))
            out.push_back(entry);
    }
    for (const auto &p : set) {
        if (!p.second.empty())
            out.push_back(p.first + "=" + p.second);
    }
    return out;
}

// Starts a program in dir with the given environment; its standard output goes to outFd
// (or /dev/null when -1), its standard error to /dev/null.
pid_t Spawn(const QString &program, const QString &dir, const std::vector<std::string> &env,
            int outFd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray path = program.toLocal8Bit();
    std::vector<char *> argv {const_cast<char *>(path.constData()), nullptr};
    std::vector<char *> envp;
    for (const std::string &e : env)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);
    // The programs find their files beside themselves; the folder only keeps them out of the
    // caller's.
    const QByteArray folder = dir.toLocal8Bit();
    posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    pid_t pid = -1;
    if (posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Ends a program (SIGTERM: the panel saves its settings as at any exit) within a few seconds.
void Stop(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Copies a folder tree (the runtime folders APP/ and TitleBar/).
bool CopyTree(const QString &from, const QString &to)
{
    QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    for (const QString &name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), to + QLatin1Char('/') + name))
            return false;
    }
    for (const QString &name : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!CopyTree(source.filePath(name), to + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

struct Scenario
{
    const char *name;
    QString program;
    QString dir;
    std::vector<double> ms;
};

// Measures one start: from spawning to the first window, in milliseconds.
class Meter
{
public:
    virtual ~Meter() = default;
    virtual bool ready() const = 0;
    virtual const char *how() const = 0;
    virtual std::optional<double> measure(const Scenario &s) = 0;
};

class OffscreenMeter : public Meter
{
public:
    explicit OffscreenMeter(const QString &runtimeDir)
        : m_env(ChildEnvironment({{"QT_QPA_PLATFORM", "offscreen"},
                                  {"KORVANE_STARTUP_PROBE", "exit"},
                                  {"XDG_RUNTIME_DIR", runtimeDir.toStdString()}}))
    { }
    bool ready() const override { return true; }
    const char *how() const override
    {
        return "offscreen, to the first window exposed (probe in the program)";
    }

    std::optional<double> measure(const Scenario &s) override
    {
        int fds[2];
        if (pipe(fds) != 0)
            return std::nullopt;
        const qint64 start = NowNs();
        const pid_t pid = Spawn(s.program, s.dir, m_env, fds[1]);
        close(fds[1]);
        std::string text;
        char buffer[256];
        pollfd p {fds[0], POLLIN, 0};
        while (text.find('\n') == std::string::npos && poll(&p, 1, ShowTimeoutMs) > 0) {
            const ssize_t n = read(fds[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            text.append(buffer, size_t(n));
        }
        close(fds[0]);
        Stop(pid);
        long long shown = 0;
        if (pid <= 0 || std::sscanf(text.c_str(), "shown %lld", &shown) != 1)
            return std::nullopt;
        return (shown - start) / 1e6;
    }

private:
    std::vector<std::string> m_env;
};

#ifdef KORVANE_BENCH_XCB
// A private Xvfb; the time is taken here when the server reports the program's first window
// mapped (SubstructureNotify on the root window: there is no window manager).
class XvfbMeter : public Meter
{
public:
    explicit XvfbMeter(const QString &runtimeDir)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        const std::string fd = std::to_string(fds[1]);
        const char *argv[] = {"Xvfb",         "-displayfd", fd.c_str(), "-screen", "0",
                              "1920x1080x24", "-nolisten",  "tcp",      nullptr};
        if (posix_spawnp(&m_server, "Xvfb", &actions, nullptr, const_cast<char **>(argv), environ)
            != 0)
            m_server = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        std::string number;
        char c = 0;
        pollfd p {fds[0], POLLIN, 0};
        while (m_server > 0 && poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty())
            return;
        m_display = ":" + number;
        m_connection = xcb_connect(m_display.c_str(), nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        m_env = ChildEnvironment({{"DISPLAY", m_display},
                                  {"QT_QPA_PLATFORM", "xcb"},
                                  {"WAYLAND_DISPLAY", ""},
                                  {"KORVANE_STARTUP_PROBE", ""},
                                  {"XDG_RUNTIME_DIR", runtimeDir.toStdString()}});
        m_ready = true;
    }
    ~XvfbMeter() override
    {
        if (m_connection)
            xcb_disconnect(m_connection);
        Stop(m_server);
    }
    bool ready() const override { return m_ready; }
    const char *how() const override
    {
        return "Xvfb 1920x1080, to the X server's MapNotify of the first window";
    }

    std::optional<double> measure(const Scenario &s) override
    {
        while (xcb_generic_event_t *old = xcb_poll_for_event(m_connection))
            free(old);
        const qint64 start = NowNs();
        const pid_t pid = Spawn(s.program, s.dir, m_env, -1);
        std::optional<double> result;
        pollfd p {xcb_get_file_descriptor(m_connection), POLLIN, 0};
        const qint64 deadline = start + qint64(ShowTimeoutMs) * 1000000;
        while (pid > 0 && !result && NowNs() < deadline) {
            xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
            if (!event) {
                if (xcb_connection_has_error(m_connection))
                    break;
                poll(&p, 1, 100);
                continue;
            }
            if ((event->response_type & ~0x80) == XCB_MAP_NOTIFY)
                result = (NowNs() - start) / 1e6;
            free(event);
        }
        Stop(pid);
        return result;
    }

private:
    pid_t m_server = -1;
    std::string m_display;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    std::vector<std::string> m_env;
    bool m_ready = false;
};
#endif

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// A portable copy of the panel: the executable beside APP/ and TitleBar/, with its own
// settings. loginOff writes a config.ini whose Key_UI_Login is "0".
bool PreparePanel(const QString &binDir, const QString &program, const QString &dir,
                  const QByteArray &configIni)
{
    if (!QDir().mkpath(dir) || !QFile::copy(binDir + QLatin1Char('/') + program, dir + "/korvane"))
        return false;
    QFile::setPermissions(dir + "/korvane", QFile::permissions(binDir + '/' + program));
    if (!CopyTree(binDir + "/APP", dir + "/APP")
        || !CopyTree(binDir + "/TitleBar", dir + "/TitleBar"))
        return false;
    QFile::remove(dir + "/APP/ConfigFile/config.ini");
    if (configIni.isEmpty())
        return true;
    QFile config(dir + "/APP/ConfigFile/config.ini");
    return config.open(QIODevice::WriteOnly) && config.write(configIni) == configIni.size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int runs = 10;
    bool offscreen = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--offscreen") == 0)
            offscreen = true;
        else
            runs = std::max(1, std::atoi(argv[i]));
    }
    const QString binDir = QCoreApplication::applicationDirPath();
    QTemporaryDir work;
    const QString runtimeDir = work.path() + "/runtime";
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    std::unique_ptr<Meter> meter;
#ifdef KORVANE_BENCH_XCB
    if (!offscreen) {
        meter = std::make_unique<XvfbMeter>(runtimeDir);
        if (!meter->ready()) {
            std::printf("no Xvfb could be started: measuring offscreen instead\n");
            meter.reset();
        }
    }
#endif
    if (!meter)
        meter = std::make_unique<OffscreenMeter>(runtimeDir);
    const bool real = !dynamic_cast<OffscreenMeter *>(meter.get());
    // The real executable where the X server does the watching; its twin with the probe
    // (the same main(), the same libraries) offscreen.
    const QString panel = real ? QStringLiteral("korvane") : QStringLiteral("bench_startup_panel");

    // A settled config.ini, as after any earlier run (the first start writes the defaults and
    // is not what an operator sees every day): the login scenario's own warm-up run writes it.
    const QString loginDir = work.path() + "/login";
    const QString mainDir = work.path() + "/main";
    if (!PreparePanel(binDir, panel, loginDir, QByteArray())) {
        std::printf("bench_startup: cannot copy %s and its runtime folders\n", qPrintable(panel));
        return 1;
    }
    Scenario scenarios[] = {
        {"minimal Qt program", binDir + "/bench_startup_minimal", work.path(), {}},
        {"panel, login dialog", loginDir + "/korvane", loginDir, {}},
        {"panel, main window", mainDir + "/korvane", mainDir, {}},
    };
    if (!meter->measure(scenarios[1]) || !meter->measure(scenarios[0])) {
        std::printf("bench_startup: the first window never appeared (%s)\n", meter->how());
        return 1;
    }
    QFile written(loginDir + "/APP/ConfigFile/config.ini");
    QByteArray config = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    if (!config.contains("Key_UI_Login=1")) {
        std::printf("bench_startup: the warm-up run wrote no config.ini\n");
        return 1;
    }
    config.replace("Key_UI_Login=1", "Key_UI_Login=0");
    if (!PreparePanel(binDir, panel, mainDir, config) || !meter->measure(scenarios[2])) {
        std::printf("bench_startup: the main window never appeared\n");
        return 1;
    }

    std::printf("start-up: %s; %d runs each, alternated; load %s\n", meter->how(), runs,
                qPrintable(LoadAverage()));
    for (int run = 0; run < runs; ++run) {
        // Rotate who goes first, so a drift in the machine's load hits every scenario alike.
        for (int k = 0; k < 3; ++k) {
            Scenario &s = scenarios[(run + k) % 3];
            if (const std::optional<double> ms = meter->measure(s))
                s.ms.push_back(*ms);
            else
                std::printf("  %s: no window within %d ms\n", s.name, ShowTimeoutMs);
        }
    }
    const double yardstick = Median(scenarios[0].ms);
    bool pass = yardstick > 0;
    for (const Scenario &s : scenarios) {
        const auto [low, high] = std::minmax_element(s.ms.begin(), s.ms.end());
        std::printf("%-22s median %7.1f ms  (min %7.1f, max %7.1f, %zu runs)", s.name, Median(s.ms),
                    s.ms.empty() ? 0.0 : *low, s.ms.empty() ? 0.0 : *high, s.ms.size());
        if (&s != &scenarios[0] && yardstick > 0) {
            const double ratio = Median(s.ms) / yardstick;
            std::printf("  ratio %.2fx", ratio);
            pass = pass && ratio <= Bound && s.ms.size() == size_t(runs);
        }
        std::printf("\n");
    }
    std::printf("load at the end %s\n", qPrintable(LoadAverage()));
    std::printf("%s: login dialog and main window each at most %.1fx the minimal program\n",
                pass ? "PASS" : "FAIL", Bound);
    return pass ? 0 : 1;
}
