#include "profile/profile_names.h"

#include "app/language_texts.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {
QString *NameValue(SettingId id)
{
    const int i = Setting_Index(id);
    const int input = i - Setting_Index(SettingId::InputName);
    const int scene = i - Setting_Index(SettingId::SceneName);
    if (input >= 0 && input < ProfileInputNames)
        return &S_InputSource_Name[input];
    if (scene >= 0 && scene < ProfileSceneNames)
        return &ScomboBox_Layout[scene];
    return nullptr;
}
} // namespace

void Profile_RecordNames(Profile *profile, QStringList *problems)
{
    for (int n = 0; n < ProfileInputNames + ProfileSceneNames; ++n) {
        const SettingId id = Setting_Offset(SettingId::InputName, n);
        const QString value = *NameValue(id);
        const QString problem = Setting_Check(id, value, profile->model);
        if (problem.isEmpty())
            profile->set(id, value);
        else
            problems->append(QStringLiteral("%1: %2").arg(Setting_Key(id), problem));
    }
}

Profile Profile_ForExport(const Profile &device, QStringList *problems)
{
    Profile p = device;
    Profile_RecordNames(&p, problems);
    p.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    p.panelVersion = QCoreApplication::applicationVersion();
    return p;
}

int Profile_TakeNames(const QVector<PlanName> &names)
{
    int changed = 0;
    for (const PlanName &n : names) {
        QString *value = NameValue(n.id);
        if (value && *value != n.value) {
            *value = n.value;
            ++changed;
        }
    }
    return changed;
}
