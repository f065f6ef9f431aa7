// korvane-cli's help texts: the overview and one page per subcommand.
#include "cli/cli_args.h"

namespace {

const char *const Overview
    = R"(korvane-cli: control a multiviewer/KVM device from scripts and show-control systems.

usage: korvane-cli LINK SUBCOMMAND [ARGUMENTS]
       korvane-cli SUBCOMMAND --help

LINK (one of):
  --tcp HOST[:PORT]   the device's IPv4 address or host name; port 2000 when left out
    --local-ip ADDR   local address to connect from (default: any)
  --serial PORT       RS-232 port, e.g. /dev/ttyUSB0 or ttyUSB0
    --baud N          9600 (default), 19200, 38400, 57600 or 115200

SUBCOMMANDS:
  identify                  model and firmware versions
  status [--json]           every setting
  get KEY                   one setting
  set KEY VALUE             change one setting, then read it back
  scene save N [NAME]       save the multiview arrangement as scene N (1-20)
  scene load N              load scene N
  backup FILE               write the device's settings to a profile file
  restore FILE              apply a profile (--with-network, --any-model, --sections, --dry-run)
  diff FILE                 compare the device with a profile
  send LINE                 send one raw line and print the reply
  keys [--model NAME]       list the keys and their values (no device needed)
  help [SUBCOMMAND]         this text, or one subcommand's

OTHER OPTIONS:
  --wire              show every line sent (>) and received (<) on stderr
  --app-dir DIR       folder that holds the panel's APP/ folder (input and scene names);
                      default: the panel's own (installed: ~/.config/korvane)
  --version           print the version

Commands keep the panel's pacing: 50 ms before each command, up to 1 s for each reply, and
10 s after an output resolution change.

EXIT CODES:
  0  done                         4  the device did not answer, or went away
  1  diff: differences found      5  the device refused a value
  2  usage: bad arguments, key,   6  model mismatch: unknown model or a profile of
     value or profile file           another model
  3  cannot connect               7  a profile file could not be written
)";

struct Page
{
    const char *name;
    const char *text;
};

const Page Pages[] = {
    {"identify", R"(usage: korvane-cli LINK identify

Opens the link, identifies the device and prints its model and firmware versions, e.g.
  model: Tessin
  version.main: V3.15
Exit 0 when the device answered; 4 when it did not; 6 for a model this program does not know.
)"},
    {"status", R"(usage: korvane-cli LINK status [--json]

Reads every setting the panel reads and prints one "key: value" line each, or with --json a
profile document (the same format as backup writes) on standard output.
)"},
    {"get", R"(usage: korvane-cli LINK get KEY

Reads one setting and prints its value alone, e.g.
  korvane-cli --tcp 192.168.0.247 get window.2.source     ->  HDMI3
Keys: korvane-cli keys. Read-only keys: model, version.main, version.sub, version.expand,
version.keyboard. Names (input.N.name, scene.N.name) come from the panel's files on this PC.
)"},
    {"set", R"(usage: korvane-cli LINK set KEY VALUE

Checks the value against the device model's lists and limits before anything is sent, sends
the command the panel would send, then reads the setting back.
  korvane-cli --tcp 192.168.0.247 set multiview.layout PIP
  korvane-cli --tcp 192.168.0.247 set window.2.source HDMI3
  korvane-cli --tcp 192.168.0.247 set audio.volume 40
  korvane-cli --serial /dev/ttyUSB0 set output.resolution 1920x1080p60   (holds 10 s)
Words may be typed in any letter case. Layout options (aspect, variant, PIP position and size,
auto switch, user rectangle) apply only to their layout. network.* over TCP and
serial.baud-rate over RS-232 cut the link: they are not read back; reconnect with the new values.
Exit 2 for a value outside the model's lists, 5 when the device did not take it.
)"},
    {"scene", R"(usage: korvane-cli LINK scene save N [NAME]
       korvane-cli LINK scene load N

Saves the device's multiview arrangement as scene N (1-20) or loads it. NAME, when given,
becomes the scene's name in the panel (kept on this PC with the panel's texts; close the panel
first, it rewrites that file when it exits).
)"},
    {"backup", R"(usage: korvane-cli LINK backup FILE

Reads every setting and writes a profile file (JSON): model, output, multiview, audio, EDID,
network settings and baud rate, and the input and scene names kept on this PC. FILE "-" writes
to standard output. An existing file is replaced only once the new one is complete.
)"},
    {"restore", R"(usage: korvane-cli LINK restore FILE [--with-network] [--any-model]
                                        [--sections LIST] [--dry-run]

Reads the device, sends what differs in a safe order (the layout before its options and
sources, the output resolution last because it holds the link 10 s), reads everything back and
reports each setting that still differs.
  --sections LIST   only these of output,multiview,audio,system,network,names
  --with-network    also the device's network settings and baud rate; they cut the link, so
                    they are sent last, after the read-back
  --any-model       apply a profile of another model: what the device lacks is skipped and
                    listed (otherwise exit 6 before anything is sent)
  --dry-run         print what would be sent, send nothing
If the device goes away half way, prints how far it got and exits 4.
)"},
    {"diff", R"(usage: korvane-cli LINK diff FILE [--any-model]

Reads the device and compares it with the profile: one line per setting that differs.
Exit 0 when nothing differs, 1 when something does, 6 when the profile is of another model
(with --any-model the comparable settings are compared and the rest listed).
)"},
    {"send", R"(usage: korvane-cli LINK send LINE

Sends one raw line (the CR is added) and prints every line the device answers, e.g.
  korvane-cli --tcp 192.168.0.247 send GET MODEL TYPE
Exit 4 when nothing comes back within 1 s.
)"},
    {"keys", R"(usage: korvane-cli keys [--model NAME]

Lists every key with the values it takes, for one model or for all.
)"},
    {"help", R"(usage: korvane-cli help [SUBCOMMAND]
)"},
};

} // namespace

QString Cli_Help(const QString &topic)
{
    if (topic.isEmpty())
        return QString::fromUtf8(Overview);
    for (const Page &p : Pages) {
        if (topic == QLatin1String(p.name))
            return QString::fromUtf8(p.text);
    }
    return {};
}
