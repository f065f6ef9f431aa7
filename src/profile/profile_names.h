// The PC-side part of a profile: the input and scene names, which the panel keeps among its
// language texts (S_InputSource_Name, ScomboBox_Layout) and saves with the language file.
#pragma once

#include "profile/profile.h"
#include "profile/profile_plan.h"

#include <QStringList>
#include <QVector>

// Copies the names in memory into the profile. A name that a profile could not hold (too
// long, a control character) is left out and listed in problems.
void Profile_RecordNames(Profile *profile, QStringList *problems);

// A profile read from the device made ready to be written out: the names recorded as above,
// stamped with the time (UTC) and this program's version.
Profile Profile_ForExport(const Profile &device, QStringList *problems);

// Takes the planned names over into memory. Returns how many changed.
int Profile_TakeNames(const QVector<PlanName> &names);
