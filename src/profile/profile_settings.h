// The settings a device profile holds, one named key each ("output.resolution",
// "window.2.source"). The same keys name the settings in profile files, in comparisons and on
// korvane-cli's command line, so one table decides what exists, on which model, and which
// values are allowed.
//
// A value is kept as canonical text: a protocol word exactly as the device spells it
// ("1920x1080p60", "LeftTop"), a decimal number, several numbers separated by single spaces
// ("1920 1080"), or free text (network fields, names). Words identify sources across models:
// HDMI2 on a Tessin is HDMI2 on a Corvo, whatever its position in either list.
#pragma once

#include "state/vocabulary.h"

#include <QString>
#include <QStringList>

#include <optional>

// Parts of a profile the operator can choose when applying one.
enum class ProfileSection { Output, Multiview, Audio, System, Network, Names };
inline constexpr int ProfileSectionCount = 6;
using ProfileSections = unsigned; // bit (1 << section) per chosen section
inline constexpr ProfileSections AllProfileSections = (1u << ProfileSectionCount) - 1;

constexpr ProfileSections Profile_SectionBit(ProfileSection section)
{
    return 1u << static_cast<unsigned>(section);
}

// "output", "multiview", "audio", "system", "network", "names".
const char *Profile_SectionName(ProfileSection section);
std::optional<ProfileSection> Profile_SectionFromName(const QString &name);

enum class SettingKind {
    Word, // one word of a list (some lists depend on the model)
    Number, // one whole number in a range
    Numbers, // a fixed count of whole numbers, written together
    Text, // free text
};

// The settings in file order, which is also the order of comparisons and listings.
enum class SettingId : int {
    OutputResolution,
    OutputUserResolution,
    OutputHdcp,
    OutputVka,
    OutputItc,
    Output4kAuto,
    MultiviewLayout,
    MultiviewAspect,
    MultiviewVariant,
    MultiviewPipPosition,
    MultiviewPipSize,
    MultiviewAutoSwitch,
    MultiviewUserRectangle,
    WindowSource, // + window (0..3)
    AudioSource = WindowSource + 4,
    AudioVolume,
    AudioMute,
    AudioMain,
    MicSwitch, // + mic (0, 1)
    MicVolume = MicSwitch + 2, // + mic
    EdidMode = MicVolume + 2,
    NetworkIp,
    NetworkPort,
    NetworkMask,
    NetworkGateway,
    SerialBaudRate,
    InputName, // + input (0..8)
    SceneName = InputName + 9, // + scene (0..19)
    Count = SceneName + 20,
};
inline constexpr int SettingCount = static_cast<int>(SettingId::Count);
inline constexpr int ProfileInputNames = 9;
inline constexpr int ProfileSceneNames = 20;
inline constexpr int ProfileWindows = 4;
inline constexpr int ProfileMics = 2;

constexpr SettingId Setting_At(int index)
{
    return static_cast<SettingId>(index);
}
constexpr SettingId Setting_Offset(SettingId first, int n)
{
    return static_cast<SettingId>(static_cast<int>(first) + n);
}
constexpr int Setting_Index(SettingId id)
{
    return static_cast<int>(id);
}

// Limits that are the panel's own: its number fields take 0..9999 and a scene or input name
// is a short caption. A longer name in a file is refused, not cut.
inline constexpr int ProfileRectMax = 9999;
inline constexpr int ProfileNameMaxChars = 256;

QString Setting_Key(SettingId id); // "window.2.source"
std::optional<SettingId> Setting_FromKey(const QString &key);
ProfileSection Setting_Section(SettingId id);
SettingKind Setting_Kind(SettingId id);
int Setting_NumberCount(SettingId id); // Numbers: how many; else 1
// What the setting is, in a few words for listings ("output resolution").
QString Setting_Label(SettingId id);

// Whether the model (0 Halden .. 4 Brimo) has the setting at all: no 4K AUTO on a Corvo,
// the main-audio switch and the microphones only on a Tessin, the network settings only on
// the models whose panel shows them. Names are the PC's and exist for every model.
bool Setting_Available(SettingId id, int model);

// The allowed words of a Word setting on the model (empty list for other kinds).
QStringList Setting_Words(SettingId id, int model);
// Every word any model allows, in first-seen order (for reading before the model is known).
QStringList Setting_AllWords(SettingId id);

// Checks canonical text against the model's lists and limits. Empty result: acceptable;
// otherwise the reason in plain words ("HDMI7 is not an input of a Corvo").
QString Setting_Check(SettingId id, const QString &value, int model);

// Reads a value as typed by an operator (words in any letter case, numbers separated by
// spaces, commas or "x") into canonical text. Checks the syntax and the lists of all models;
// Setting_Check then applies the model's own. False with a reason.
bool Setting_Parse(SettingId id, const QString &input, QString *canonical, QString *reason);

// The numbers of a Numbers or Number value (empty when the text is not that).
QVector<int> Setting_Numbers(const QString &canonical);

// Position of a word in the setting's list on the model, or -1.
int Setting_WordIndex(SettingId id, const QString &word, int model);

// Model names and lookups (exact spelling, as the device reports them).
QString Profile_ModelName(int model);
int Profile_ModelFromName(const QString &name); // -1 when unknown
