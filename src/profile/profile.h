// A device profile: the model it was taken from, when and by which panel version, and the
// settings that were read (or written by hand), each by its key. A setting that is absent
// was not read or is not wanted; nothing is ever filled in with a guess.
#pragma once

#include "profile/profile_settings.h"

#include <QString>

#include <map>

// Marks a profile file; the format version is raised only when a reader of today could
// misunderstand a newer file.
inline constexpr const char *ProfileFormatName = "korvane-profile";
inline constexpr int ProfileFormatVersion = 1;

struct Profile
{
    int model = -1; // 0 Halden .. 4 Brimo
    QString created; // ISO 8601 date and time, UTC, as written in the file
    QString panelVersion;
    std::map<SettingId, QString> values; // canonical text per setting, in setting order

    bool has(SettingId id) const { return values.count(id) != 0; }
    QString value(SettingId id) const
    {
        const auto it = values.find(id);
        return it == values.end() ? QString() : it->second;
    }
    void set(SettingId id, const QString &value) { values[id] = value; }
    void remove(SettingId id) { values.erase(id); }

    // Only the settings of the chosen sections.
    Profile restrictedTo(ProfileSections sections) const;

    bool operator==(const Profile &other) const;
    bool operator!=(const Profile &other) const { return !(*this == other); }
};

// The layout of a profile (position in MultiviewModeWords), or -1 when it holds none.
int Profile_Layout(const Profile &profile);

// Which layout-dependent multiview settings belong to a layout: aspect and variant to PBP,
// 3xWIN and 4xWIN; position and size to PIP; auto switch to SINGLE. The user rectangle belongs
// to PIP with a USER position or size, and to PBP in its third variant.
bool Profile_SettingFitsLayout(SettingId id, int layout);
bool Profile_UserRectangleApplies(int layout, const QString &pipPosition, const QString &pipSize,
                                  const QString &variant);

// Why a setting does not fit the rest of the profile (an option of another layout, a window
// the layout does not have, a user resolution without USER), or empty when it fits.
QString Profile_Misfit(const Profile &profile, SettingId id);

// Drops every setting that does not fit the rest (what a device reports about layouts it is
// not showing means nothing to a profile). Returns the keys dropped.
QStringList Profile_DropMisfits(Profile *profile);
