#include "cli/cli_args.h"

#include "app/language_texts.h"
#include "app/net_check.h"
#include "state/model_traits.h"

#include <QRegularExpression>

namespace {

struct SubcommandName
{
    const char *name;
    CliCommand command;
};

const SubcommandName Subcommands[] = {
    {"identify", CliCommand::Identify}, {"status", CliCommand::Status},
    {"get", CliCommand::Get},           {"set", CliCommand::Set},
    {"scene", CliCommand::SceneSave},   {"backup", CliCommand::Backup},
    {"restore", CliCommand::Restore},   {"diff", CliCommand::Diff},
    {"send", CliCommand::Send},         {"keys", CliCommand::Keys},
    {"help", CliCommand::Help},
};

bool KnownSubcommand(const QString &name)
{
    for (const SubcommandName &s : Subcommands) {
        if (name == QLatin1String(s.name))
            return true;
    }
    return false;
}

struct ReadOnlyName
{
    const char *name;
    CliReadOnlyKey key;
};

const ReadOnlyName ReadOnlyKeys[] = {
    {"model", CliReadOnlyKey::Model},
    {"version.main", CliReadOnlyKey::VersionMain},
    {"version.sub", CliReadOnlyKey::VersionSub},
    {"version.expand", CliReadOnlyKey::VersionExpand},
    {"version.keyboard", CliReadOnlyKey::VersionKeyboard},
};

// Options that take a value, and whether each belongs to a subcommand (nullptr: global).
struct OptionRule
{
    const char *name;
    bool takesValue;
    const char *subcommand;
};

const OptionRule Options[] = {
    {"--tcp", true, nullptr},
    {"--local-ip", true, nullptr},
    {"--serial", true, nullptr},
    {"--baud", true, nullptr},
    {"--app-dir", true, nullptr},
    {"--wire", false, nullptr},
    {"--help", false, nullptr},
    {"-h", false, nullptr},
    {"--version", false, nullptr},
    {"--json", false, "status"},
    {"--with-network", false, "restore"},
    {"--dry-run", false, "restore"},
    {"--sections", true, "restore"},
    {"--any-model", false, "restore|diff"},
    {"--model", true, "keys"},
};

const OptionRule *FindOption(const QString &name)
{
    for (const OptionRule &o : Options) {
        if (name == QLatin1String(o.name))
            return &o;
    }
    return nullptr;
}

bool ParseWholeNumber(const QString &text, int min, int max, int *value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return false;
    const int v = text.toInt();
    if (v < min || v > max)
        return false;
    *value = v;
    return true;
}

bool ParseTcp(const QString &text, CliLink *link, QString *error)
{
    QString host = text;
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        host = text.left(colon);
        int port = 0;
        if (!ParseWholeNumber(text.mid(colon + 1), 1, 65535, &port)) {
            *error = QStringLiteral("--tcp: \"%1\" is not a port from 1 to 65535")
                         .arg(text.mid(colon + 1).left(32));
            return false;
        }
        link->port = static_cast<quint16>(port);
    }
    // The link speaks IPv4 only: a dotted address, or a name that resolves to one.
    static const QRegularExpression numeric(QStringLiteral("^[0-9.]+$"));
    static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9.-]{0,252}$"));
    const bool valid = numeric.match(host).hasMatch() ? Net_IsValidAddress(host)
                                                      : hostName.match(host).hasMatch();
    if (!valid) {
        *error = QStringLiteral("--tcp: \"%1\" is not an IPv4 address or host name")
                     .arg(host.left(64));
        return false;
    }
    link->tcp = true;
    link->host = host;
    return true;
}

QString Joined(const QStringList &words, int from)
{
    return words.mid(from).join(QLatin1Char(' '));
}

// A value typed for `set` must be acceptable on at least one model; the device's own model
// is checked once it has been identified.
bool CheckValue(SettingId id, const QString &input, QString *canonical, QString *error)
{
    QString reason;
    if (!Setting_Parse(id, input, canonical, &reason)) {
        *error = Setting_Key(id) + QStringLiteral(": ") + reason;
        return false;
    }
    QString first;
    for (int m = 0; m < ModelCount; ++m) {
        const QString r = Setting_Check(id, *canonical, m);
        if (r.isEmpty())
            return true;
        if (first.isEmpty())
            first = r;
    }
    // Only numbers can fail on every model after parsing; their ranges differ by model.
    if (Setting_Kind(id) == SettingKind::Number || Setting_Kind(id) == SettingKind::Numbers)
        first = QStringLiteral("%1 is out of range (korvane-cli keys lists the values)")
                    .arg(canonical->left(64));
    *error = Setting_Key(id) + QStringLiteral(": ") + first;
    return false;
}

bool ParseKey(const QString &key, CliRequest *r, bool forSet, QString *error)
{
    for (const ReadOnlyName &k : ReadOnlyKeys) {
        if (key == QLatin1String(k.name)) {
            if (forSet) {
                *error = QStringLiteral("%1 can be read but not set").arg(key);
                return false;
            }
            r->readOnlyKey = k.key;
            return true;
        }
    }
    const std::optional<SettingId> id = Setting_FromKey(key);
    if (!id) {
        *error
            = QStringLiteral("unknown key \"%1\" (korvane-cli keys lists them)").arg(key.left(64));
        return false;
    }
    r->key = *id;
    return true;
}

bool ParseSections(const QString &list, ProfileSections *sections, QString *error)
{
    ProfileSections chosen = 0;
    for (const QString &name : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const std::optional<ProfileSection> s = Profile_SectionFromName(name.trimmed());
        if (!s) {
            *error = QStringLiteral("--sections: unknown section \"%1\" (output, multiview, audio, "
                                    "system, network, names)")
                         .arg(name.left(32));
            return false;
        }
        chosen |= Profile_SectionBit(*s);
    }
    if (chosen == 0) {
        *error = QStringLiteral("--sections needs at least one section");
        return false;
    }
    *sections = chosen;
    return true;
}

bool ParseSubcommand(const QStringList &pos, CliRequest *r, QString *error)
{
    const QString &name = pos.first();
    const int args = pos.size() - 1;
    auto expect = [&](int min, int max, const char *usage) {
        if (args >= min && (max < 0 || args <= max))
            return true;
        *error = QStringLiteral("usage: korvane-cli %1").arg(QLatin1String(usage));
        return false;
    };
    if (name == QLatin1String("identify")) {
        r->command = CliCommand::Identify;
        return expect(0, 0, "identify");
    }
    if (name == QLatin1String("status")) {
        r->command = CliCommand::Status;
        return expect(0, 0, "status [--json]");
    }
    if (name == QLatin1String("get")) {
        r->command = CliCommand::Get;
        return expect(1, 1, "get KEY") && ParseKey(pos.at(1), r, false, error);
    }
    if (name == QLatin1String("set")) {
        r->command = CliCommand::Set;
        return expect(2, -1, "set KEY VALUE") && ParseKey(pos.at(1), r, true, error)
            && CheckValue(r->key, Joined(pos, 2), &r->value, error);
    }
    if (name == QLatin1String("scene")) {
        if (!expect(2, -1, "scene save N [NAME] | scene load N"))
            return false;
        const QString verb = pos.at(1);
        if (verb == QLatin1String("save"))
            r->command = CliCommand::SceneSave;
        else if (verb == QLatin1String("load"))
            r->command = CliCommand::SceneLoad;
        else {
            *error = QStringLiteral("scene: \"%1\" is neither save nor load").arg(verb.left(32));
            return false;
        }
        if (!ParseWholeNumber(pos.at(2), 1, CliSceneCount, &r->scene)) {
            *error = QStringLiteral("scene: \"%1\" is not a scene number from 1 to %2")
                         .arg(pos.at(2).left(32))
                         .arg(CliSceneCount);
            return false;
        }
        if (r->command == CliCommand::SceneLoad)
            return expect(2, 2, "scene load N");
        if (args > 2) {
            const SettingId id = Setting_Offset(SettingId::SceneName, r->scene - 1);
            return CheckValue(id, Joined(pos, 3), &r->sceneName, error);
        }
        return true;
    }
    const struct
    {
        const char *name;
        CliCommand command;
    } fileCommands[] = {{"backup", CliCommand::Backup},
                        {"restore", CliCommand::Restore},
                        {"diff", CliCommand::Diff}};
    for (const auto &f : fileCommands) {
        if (name == QLatin1String(f.name)) {
            r->command = f.command;
            if (!expect(1, 1,
                        f.command == CliCommand::Backup     ? "backup FILE"
                            : f.command == CliCommand::Diff ? "diff FILE"
                                                            : "restore FILE"))
                return false;
            r->file = pos.at(1);
            return true;
        }
    }
    if (name == QLatin1String("send")) {
        r->command = CliCommand::Send;
        if (!expect(1, -1, "send LINE"))
            return false;
        const QString line = Joined(pos, 1);
        for (const QChar c : line) {
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == 0) {
                *error = QStringLiteral("send: one line only; the CR is added");
                return false;
            }
        }
        r->line = line.toUtf8();
        if (r->line.size() > 1024) {
            *error = QStringLiteral("send: a line of %1 bytes is longer than the device's 1024")
                         .arg(r->line.size());
            return false;
        }
        return true;
    }
    if (name == QLatin1String("keys")) {
        r->command = CliCommand::Keys;
        return expect(0, 0, "keys [--model NAME]");
    }
    if (name == QLatin1String("help")) {
        r->command = CliCommand::Help;
        if (!expect(0, 1, "help [SUBCOMMAND]"))
            return false;
        r->helpTopic = args == 1 ? pos.at(1) : QString();
        if (!r->helpTopic.isEmpty() && !KnownSubcommand(r->helpTopic)) {
            *error = QStringLiteral("help: no subcommand \"%1\"").arg(r->helpTopic.left(32));
            return false;
        }
        return true;
    }
    *error = QStringLiteral("unknown subcommand \"%1\" (korvane-cli --help lists them)")
                 .arg(name.left(32));
    return false;
}

bool ApplyOption(const QString &name, const QString &value, CliRequest *r, QString *error)
{
    if (name == QLatin1String("--tcp"))
        return ParseTcp(value, &r->link, error);
    if (name == QLatin1String("--local-ip")) {
        if (!Net_IsValidAddress(value)) {
            *error = QStringLiteral("--local-ip: \"%1\" is not a dotted IPv4 address")
                         .arg(value.left(64));
            return false;
        }
        r->link.localIp = value;
        return true;
    }
    if (name == QLatin1String("--serial")) {
        if (value.isEmpty() || value.size() > 4096) {
            *error = QStringLiteral("--serial needs a port name such as /dev/ttyUSB0");
            return false;
        }
        r->link.serial = true;
        r->link.serialPort = value;
        return true;
    }
    if (name == QLatin1String("--baud")) {
        int baud = 0;
        if (!BaudRateList.contains(value) || !ParseWholeNumber(value, 1, 1000000, &baud)) {
            *error = QStringLiteral("--baud: \"%1\" is not one of %2")
                         .arg(value.left(32), BaudRateList.join(QStringLiteral(", ")));
            return false;
        }
        r->link.baud = baud;
        return true;
    }
    if (name == QLatin1String("--app-dir")) {
        r->appDir = value;
        return true;
    }
    if (name == QLatin1String("--sections"))
        return ParseSections(value, &r->sections, error);
    if (name == QLatin1String("--model")) {
        r->model = Profile_ModelFromName(value);
        if (r->model < 0) {
            *error = QStringLiteral("--model: unknown model \"%1\" (Halden, Corvo, Marlet, Tessin, "
                                    "Brimo)")
                         .arg(value.left(32));
            return false;
        }
        return true;
    }
    r->wire = r->wire || name == QLatin1String("--wire");
    r->json = r->json || name == QLatin1String("--json");
    r->withNetwork = r->withNetwork || name == QLatin1String("--with-network");
    r->anyModel = r->anyModel || name == QLatin1String("--any-model");
    r->dryRun = r->dryRun || name == QLatin1String("--dry-run");
    return true;
}

} // namespace

bool CliRequest::needsLink() const
{
    // Names are kept on this PC: reading or changing one needs no device.
    if ((command == CliCommand::Get || command == CliCommand::Set)
        && readOnlyKey == CliReadOnlyKey::None && Setting_Section(key) == ProfileSection::Names)
        return false;
    switch (command) {
    case CliCommand::Help:
    case CliCommand::Version:
    case CliCommand::Keys:
        return false;
    case CliCommand::Restore:
    case CliCommand::Diff:
    case CliCommand::Backup:
    case CliCommand::Identify:
    case CliCommand::Status:
    case CliCommand::Get:
    case CliCommand::Set:
    case CliCommand::SceneSave:
    case CliCommand::SceneLoad:
    case CliCommand::Send:
        break;
    }
    return true;
}

bool Cli_Parse(const QStringList &arguments, CliRequest *request, QString *error)
{
    CliRequest r;
    QStringList positional;
    QStringList usedOptions;
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            positional.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = arg;
        QString value;
        bool inlineValue = false;
        const int eq = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && eq > 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
            inlineValue = true;
        }
        const OptionRule *rule = FindOption(name);
        if (!rule) {
            *error = QStringLiteral("unknown option %1").arg(name.left(32));
            return false;
        }
        if (usedOptions.contains(QLatin1String(rule->name))) {
            *error = QStringLiteral("%1 is given twice").arg(name);
            return false;
        }
        usedOptions.append(QLatin1String(rule->name));
        if (rule->takesValue && !inlineValue) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a value").arg(name);
                return false;
            }
            value = arguments.at(++i);
        } else if (!rule->takesValue && inlineValue) {
            *error = QStringLiteral("%1 takes no value").arg(name);
            return false;
        }
        if (name == QLatin1String("--help") || name == QLatin1String("-h"))
            help = true;
        else if (name == QLatin1String("--version"))
            version = true;
        else if (!ApplyOption(name, value, &r, error))
            return false;
    }

    if (help || positional.isEmpty()) {
        if (!positional.isEmpty() && !KnownSubcommand(positional.first())) {
            *error = QStringLiteral("unknown subcommand \"%1\"").arg(positional.first().left(32));
            return false;
        }
        if (!help && !version) {
            *error = QStringLiteral("no subcommand given (korvane-cli --help lists them)");
            return false;
        }
        r.command = version && !help ? CliCommand::Version : CliCommand::Help;
        r.helpTopic = positional.isEmpty() || positional.first() == QLatin1String("help")
            ? (positional.size() > 1 ? positional.at(1) : QString())
            : positional.first();
        *request = r;
        return true;
    }
    if (!ParseSubcommand(positional, &r, error))
        return false;

    const QString subcommand = positional.first();
    for (const QString &used : usedOptions) {
        const OptionRule *rule = FindOption(used);
        if (rule->subcommand
            && !QString::fromLatin1(rule->subcommand)
                    .split(QLatin1Char('|'))
                    .contains(subcommand)) {
            *error = QStringLiteral("%1 does not apply to %2").arg(used, subcommand);
            return false;
        }
    }
    if (r.needsLink()) {
        if (r.link.tcp == r.link.serial) {
            *error = r.link.tcp ? QStringLiteral("choose one link: --tcp or --serial, not both")
                                : QStringLiteral("say how to reach the device: --tcp HOST[:PORT] "
                                                 "or --serial PORT");
            return false;
        }
    } else if ((r.link.tcp || r.link.serial)
               && (r.command == CliCommand::Help || r.command == CliCommand::Keys)) {
        *error = QStringLiteral("%1 does not talk to a device; leave out --tcp and --serial")
                     .arg(subcommand);
        return false;
    }
    if (!r.link.localIp.isEmpty() && !r.link.tcp) {
        *error = QStringLiteral("--local-ip goes with --tcp");
        return false;
    }
    if (usedOptions.contains(QStringLiteral("--baud")) && !r.link.serial) {
        *error = QStringLiteral("--baud goes with --serial");
        return false;
    }
    *request = r;
    return true;
}

QString Cli_ReadOnlyKeyName(CliReadOnlyKey key)
{
    for (const ReadOnlyName &k : ReadOnlyKeys) {
        if (k.key == key)
            return QString::fromLatin1(k.name);
    }
    return {};
}

QString Cli_KeyList(int model)
{
    QString text;
    for (const ReadOnlyName &k : ReadOnlyKeys)
        text += QStringLiteral("%1  (read only)\n").arg(QLatin1String(k.name), -26);
    for (int i = 0; i < SettingCount; ++i) {
        const SettingId id = Setting_At(i);
        if (model >= 0 && !Setting_Available(id, model))
            continue;
        QString values;
        switch (Setting_Kind(id)) {
        case SettingKind::Word: {
            const QStringList words = model >= 0 ? Setting_Words(id, model) : Setting_AllWords(id);
            values = words.join(QLatin1Char('|'));
            break;
        }
        case SettingKind::Number:
            values = id == SettingId::AudioVolume
                ? (model >= 0 ? QStringLiteral("0..%1").arg(Model_VolumeMaximum(quint8(model)))
                              : QStringLiteral("0..100 (0..50 on a Tessin)"))
                : id == SettingId::MultiviewVariant ? QStringLiteral("1..6")
                : id == SettingId::NetworkPort      ? QStringLiteral("1..65534")
                : id == SettingId::SerialBaudRate   ? BaudRateList.join(QLatin1Char('|'))
                                                    : QStringLiteral("0..50");
            break;
        case SettingKind::Numbers:
            values = id == SettingId::OutputUserResolution
                ? QStringLiteral("WIDTHxHEIGHT (0..9999)")
                : QStringLiteral("H,V,WIDTH,HEIGHT (0..9999)");
            break;
        case SettingKind::Text:
            values = Setting_Section(id) == ProfileSection::Names
                ? QStringLiteral("text, up to 256 characters (kept on this PC)")
                : QStringLiteral("dotted IPv4 address");
            break;
        }
        text += QStringLiteral("%1  %2\n").arg(Setting_Key(id), -26).arg(values);
    }
    return text;
}
