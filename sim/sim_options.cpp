// Command-line parsing and validation.
#include "sim_options.h"

#include "sim/sim_models.h"

#include <QCommandLineParser>
#include <QHostAddress>

#ifndef KORVANE_VERSION
#error "KORVANE_VERSION must name the version being built"
#endif

namespace {
struct NumberOption
{
    const char *name;
    int *target;
    int min;
    int max;
};

bool readNumber(const QCommandLineParser &p, const NumberOption &o, QString *error)
{
    if (!p.isSet(o.name))
        return true;
    bool ok = false;
    const int v = p.value(o.name).toInt(&ok);
    if (!ok || v < o.min || v > o.max) {
        *error = QString("--%1 wants a number from %2 to %3").arg(o.name).arg(o.min).arg(o.max);
        return false;
    }
    *o.target = v;
    return true;
}

const char *const Description
    = "Stands in for a multiviewer/KVM device: answers the device's line protocol over TCP\n"
      "and/or a pseudo-terminal serial line. Commands are GET/SET lines ended by CR, LF or\n"
      "CR LF; replies end with CR (see --line-end). Errors are answered with ERR 01 (unknown\n"
      "command), ERR 02 (bad value), ERR 03 (not on this model), ERR 04 (line longer than\n"
      "4096 bytes) or ERR 05 (scene never saved).\n"
      "TCP serves one client at a time; up to 8 more wait in a queue (no answers) and are\n"
      "served in turn, further ones are closed at once.\n"
      "Log lines (--log): '<seconds.millis> RX|TX|DROP|EV <text>', bytes outside printable\n"
      "ASCII as \\xNN. On standard output the simulator prints 'korvane-sim: tcp ADDR:PORT',\n"
      "'korvane-sim: pty PATH' and 'korvane-sim: ready' once it serves.";
} // namespace

SimParseResult SimParseOptions(const QStringList &arguments, SimOptions *options, QString *message)
{
    QCommandLineParser p;
    p.setApplicationDescription(Description);
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    p.addOption(help);
    const QCommandLineOption version("version", "Show the version.");
    p.addOption(version);
    p.addOptions({
        {"model", "Device model: Halden, Corvo, Marlet, Tessin or Brimo (default Halden).", "name"},
        {"model-name", "Name reported in MODEL TYPE instead of the model's own, e.g. Foo.", "text"},
        {"listen", "TCP listen address (default 127.0.0.1).", "address"},
        {"port", "TCP port (default 2000; 0 picks a free port, printed at start).", "port"},
        {"no-tcp", "Do not listen on TCP."},
        {"pty", "Also serve a serial line on a pseudo-terminal (its path is printed)."},
        {"pty-link", "Keep a symlink to the pseudo-terminal at path (implies --pty).", "path"},
        {"log", "Write every received and sent line to file ('-' for standard output).", "file"},
        {"latency", "Wait ms before answering each command.", "ms"},
        {"line-end", "Line end of replies: cr (default), crlf or lf.", "kind"},
        {"chunk", "Write replies n bytes at a time, flushing each piece.", "n"},
        {"chunk-delay", "Pause between two pieces of one reply (default 5).", "ms"},
        {"drop-every", "Do not send the replies to every n-th command.", "n"},
        {"garbage-every", "Send a garbage line before the replies to every n-th command.", "n"},
        {"silent", "Never answer (commands still take effect)."},
        {"disconnect-after",
         "Hang up after answering n commands (TCP: close the client; pty: "
         "close and reopen the pseudo-terminal).",
         "n"},
    });
    if (!p.parse(arguments)) {
        *message = p.errorText();
        return SimParseResult::Error;
    }
    if (p.isSet(help)) {
        *message = p.helpText();
        return SimParseResult::Help;
    }
    if (p.isSet(version)) {
        *message = QStringLiteral("korvane-sim " KORVANE_VERSION "\n");
        return SimParseResult::Help;
    }
    if (!p.positionalArguments().isEmpty()) {
        *message = "unexpected argument: " + p.positionalArguments().first();
        return SimParseResult::Error;
    }

    SimOptions o;
    if (p.isSet("model")) {
        o.modelIndex = SimModelIndex(p.value("model").toLatin1());
        if (o.modelIndex < 0) {
            *message
                = "unknown model " + p.value("model") + " (Halden, Corvo, Marlet, Tessin, Brimo)";
            return SimParseResult::Error;
        }
    }
    if (p.isSet("model-name")) {
        o.reportedName = p.value("model-name").toUtf8();
        bool printable = !o.reportedName.isEmpty() && o.reportedName.size() <= 64;
        for (char c : o.reportedName)
            printable = printable && static_cast<unsigned char>(c) >= 0x20;
        if (!printable) {
            *message = "--model-name wants 1 to 64 printable characters";
            return SimParseResult::Error;
        }
    }
    o.tcp = !p.isSet("no-tcp");
    if (p.isSet("listen")) {
        o.listenAddress = p.value("listen");
        if (QHostAddress(o.listenAddress).isNull()) {
            *message = "--listen wants an IP address, not " + o.listenAddress;
            return SimParseResult::Error;
        }
    }
    o.ptyLink = p.value("pty-link");
    o.pty = p.isSet("pty") || !o.ptyLink.isEmpty();
    o.logPath = p.value("log");
    if (p.isSet("line-end")) {
        const QString kind = p.value("line-end");
        o.faults.lineEnd = kind == "cr" ? "\r" : kind == "crlf" ? "\r\n" : kind == "lf" ? "\n" : "";
        if (o.faults.lineEnd.isEmpty()) {
            *message = "--line-end wants cr, crlf or lf";
            return SimParseResult::Error;
        }
    }
    o.faults.silent = p.isSet("silent");
    const NumberOption numbers[] = {
        {"port", &o.port, 0, 65535},
        {"latency", &o.faults.latencyMs, 0, 600000},
        {"chunk", &o.faults.chunkSize, 1, 4096},
        {"chunk-delay", &o.faults.chunkDelayMs, 0, 10000},
        {"drop-every", &o.faults.dropEvery, 1, 1000000},
        {"garbage-every", &o.faults.garbageEvery, 1, 1000000},
        {"disconnect-after", &o.faults.disconnectAfter, 1, 1000000},
    };
    for (const NumberOption &n : numbers) {
        if (!readNumber(p, n, message))
            return SimParseResult::Error;
    }
    if (!o.tcp && !o.pty) {
        *message = "nothing to serve: --no-tcp needs --pty or --pty-link";
        return SimParseResult::Error;
    }
    *options = o;
    return SimParseResult::Run;
}
