// korvane-sim: a stand-in for the multiviewer/KVM device on TCP and/or a pseudo-terminal.
#include "sim/sim_interpreter.h"
#include "sim/sim_log.h"
#include "sim/sim_options.h"
#include "sim/sim_pty_link.h"
#include "sim/sim_tcp_link.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

// SIGINT, SIGTERM and SIGHUP end the event loop, so that the symlink is removed on the way out.
void quitOnSignals(QCoreApplication &app)
{
    if (::pipe(signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(s, &sa, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
}

void say(const QString &text)
{
    std::printf("korvane-sim: %s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

// What the device reports as its own network settings: the address it really serves on, so
// that a panel which takes the reported values over stays pointed at the simulator.
SimNetworkInfo factoryNetwork(const SimOptions &o, quint16 tcpPort)
{
    SimNetworkInfo n;
    const QHostAddress address(o.listenAddress);
    if (o.tcp && address.protocol() == QAbstractSocket::IPv4Protocol
        && address != QHostAddress::AnyIPv4) {
        n.ip = o.listenAddress.toLatin1();
        n.gateway = n.ip.left(n.ip.lastIndexOf('.')) + ".1";
    }
    if (o.tcp)
        n.port = QByteArray::number(tcpPort);
    return n;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    app.setApplicationName("korvane-sim");

    SimOptions options;
    QString message;
    switch (SimParseOptions(app.arguments(), &options, &message)) {
    case SimParseResult::Help:
        std::printf("%s", message.toLocal8Bit().constData());
        return 0;
    case SimParseResult::Error:
        std::fprintf(stderr, "korvane-sim: %s\nTry korvane-sim --help.\n",
                     message.toLocal8Bit().constData());
        return 2;
    case SimParseResult::Run:
        break;
    }
    quitOnSignals(app);

    SimLog log;
    if (!log.open(options.logPath, &message)) {
        std::fprintf(stderr, "korvane-sim: cannot write the log %s: %s\n",
                     options.logPath.toLocal8Bit().constData(), message.toLocal8Bit().constData());
        return 1;
    }
    SimInterpreter interpreter(options.modelIndex, SimNetworkInfo(), options.reportedName);
    say(QString("model %1, reported as %2")
            .arg(interpreter.model().name,
                 QString::fromLatin1(interpreter.handle("GET MODEL TYPE").value(0).mid(11))));

    std::unique_ptr<SimTcpLink> tcp;
    if (options.tcp) {
        tcp = std::make_unique<SimTcpLink>(interpreter, options.faults, log);
        if (!tcp->listen(QHostAddress(options.listenAddress), static_cast<quint16>(options.port),
                         &message)) {
            std::fprintf(stderr, "korvane-sim: cannot listen on %s:%d: %s\n",
                         options.listenAddress.toLocal8Bit().constData(), options.port,
                         message.toLocal8Bit().constData());
            return 1;
        }
        say(QString("tcp %1:%2").arg(options.listenAddress).arg(tcp->port()));
    }
    interpreter.setFactoryNetwork(factoryNetwork(options, tcp ? tcp->port() : 0));

    std::unique_ptr<SimPtyLink> pty;
    if (options.pty) {
        pty = std::make_unique<SimPtyLink>(interpreter, options.faults, log);
        auto announce = [&pty](const QString &path) {
            say("pty " + path
                + (pty->linkPath().isEmpty() ? QString() : " link " + pty->linkPath()));
        };
        QObject::connect(pty.get(), &SimPtyLink::reopened, announce);
        if (!pty->open(options.ptyLink, &message)) {
            std::fprintf(stderr, "korvane-sim: %s\n", message.toLocal8Bit().constData());
            return 1;
        }
        announce(pty->slavePath());
    }
    say("ready");
    const int rc = app.exec();
    // The links close their clients first, so "stopped" is the log's last line.
    tcp.reset();
    pty.reset();
    log.event("stopped");
    return rc;
}
