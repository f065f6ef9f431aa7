// Comparing a wanted profile (a file) with an actual one (what a device reported). Only the
// settings the wanted profile holds count: it says what should be, the device may hold more.
#pragma once

#include "profile/profile.h"

#include <QStringList>
#include <QVector>

struct ProfileDifference
{
    SettingId id;
    QString wanted;
    QString actual;
    bool hasActual = false; // the actual profile holds a value
    QString reason; // for a skipped setting: why it cannot be compared
};

struct ProfileComparison
{
    int wantedModel = -1;
    int actualModel = -1;
    QVector<ProfileDifference> differences; // wanted value absent or different
    QVector<ProfileDifference> skipped; // the actual model lacks the setting or the value

    bool modelsDiffer() const { return wantedModel != actualModel; }
    bool same() const { return !modelsDiffer() && differences.isEmpty(); }
};

// An empty wanted name means "keep the name as it is" and is not compared.
ProfileComparison Profile_Compare(const Profile &wanted, const Profile &actual);

// One line per difference ("audio.volume: profile 30, device 45"), then the skipped settings,
// named for the two sides (e.g. "profile" and "device").
QStringList Profile_ComparisonLines(const ProfileComparison &comparison, const QString &wantedSide,
                                    const QString &actualSide);
