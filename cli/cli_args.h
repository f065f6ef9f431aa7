// korvane-cli's command line: the link to use, the subcommand and its arguments, checked as far
// as possible before anything is opened or sent (an unknown key or a malformed value never
// reaches the device). Checks that need the device's model come after identification.
#pragma once

#include "profile/profile_settings.h"

#include <QString>
#include <QStringList>

// Documented exit codes; scripts and show-control systems act on them.
enum CliExit : int {
    CliExitOk = 0,
    CliExitDifferent = 1, // diff: the device differs from the profile
    CliExitUsage = 2, // bad arguments, unknown key, value outside the lists, unreadable profile
    CliExitCannotConnect = 3, // the port or address could not be opened
    CliExitNoAnswer = 4, // the device did not answer, or went away
    CliExitRefused = 5, // the device answered but did not take the value
    CliExitModelMismatch = 6, // unknown model, or a profile of another model
    CliExitFile = 7, // a profile file could not be written
};

enum class CliCommand {
    Help,
    Version,
    Identify,
    Status,
    Get,
    Set,
    SceneSave,
    SceneLoad,
    Backup,
    Restore,
    Diff,
    Send,
    Keys,
};

inline constexpr quint16 CliDefaultTcpPort = 2000;
inline constexpr int CliDefaultBaud = 9600;
inline constexpr int CliSceneCount = 20;

struct CliLink
{
    bool tcp = false;
    bool serial = false;
    QString host; // TCP: dotted IPv4 address or host name
    quint16 port = CliDefaultTcpPort;
    QString localIp; // empty: any local address
    QString serialPort;
    int baud = CliDefaultBaud;
};

// Keys that can be read but not set.
enum class CliReadOnlyKey { None, Model, VersionMain, VersionSub, VersionExpand, VersionKeyboard };

struct CliRequest
{
    CliCommand command = CliCommand::Help;
    QString helpTopic; // Help: a subcommand's name, or empty for the overview
    CliLink link;
    QString appDir; // folder holding the panel's APP/ (names); empty: beside the program
    bool wire = false; // echo every line sent and received on stderr

    bool json = false; // status
    bool withNetwork = false; // restore
    bool anyModel = false; // restore, diff
    bool dryRun = false; // restore
    ProfileSections sections = AllProfileSections; // restore

    SettingId key = SettingId::OutputResolution; // get, set
    CliReadOnlyKey readOnlyKey = CliReadOnlyKey::None; // get
    QString value; // set: canonical text
    int scene = 0; // scene save/load: 1..20
    QString sceneName; // scene save: optional
    QString file; // backup, restore, diff
    QByteArray line; // send
    int model = -1; // keys --model

    bool needsLink() const;
};

// Parses arguments (program name excluded). False with a reason in plain words.
bool Cli_Parse(const QStringList &arguments, CliRequest *request, QString *error);

// The overview, or one subcommand's help when topic names one. Empty for an unknown topic.
QString Cli_Help(const QString &topic = QString());

// Key listing for `keys`: every key with its allowed values on the model (or all models).
QString Cli_KeyList(int model);

// The text of a read-only key, as `get` takes it.
QString Cli_ReadOnlyKeyName(CliReadOnlyKey key);
