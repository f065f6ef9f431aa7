#include "profile/profile_diff.h"

ProfileComparison Profile_Compare(const Profile &wanted, const Profile &actual)
{
    ProfileComparison c;
    c.wantedModel = wanted.model;
    c.actualModel = actual.model;
    for (const auto &entry : wanted.values) {
        const SettingId id = entry.first;
        const QString &value = entry.second;
        if (Setting_Section(id) == ProfileSection::Names && value.isEmpty())
            continue;
        const QString problem = Setting_Check(id, value, actual.model);
        if (!problem.isEmpty()) {
            c.skipped.append({id, value, actual.value(id), actual.has(id), problem});
            continue;
        }
        if (!actual.has(id) || actual.value(id) != value)
            c.differences.append({id, value, actual.value(id), actual.has(id), QString()});
    }
    return c;
}

QStringList Profile_ComparisonLines(const ProfileComparison &comparison, const QString &wantedSide,
                                    const QString &actualSide)
{
    QStringList lines;
    if (comparison.modelsDiffer()) {
        lines.append(QStringLiteral("model: %1 %2, %3 %4")
                         .arg(wantedSide, Profile_ModelName(comparison.wantedModel), actualSide,
                              Profile_ModelName(comparison.actualModel)));
    }
    for (const ProfileDifference &d : comparison.differences) {
        const QString actual
            = d.hasActual ? QStringLiteral("\"%1\"").arg(d.actual) : QStringLiteral("(no value)");
        lines.append(QStringLiteral("%1: %2 \"%3\", %4 %5")
                         .arg(Setting_Key(d.id), wantedSide, d.wanted, actualSide, actual));
    }
    for (const ProfileDifference &d : comparison.skipped)
        lines.append(QStringLiteral("%1: not compared, %2").arg(Setting_Key(d.id), d.reason));
    return lines;
}
