#include "profile/profile.h"

#include "state/model_traits.h"

Profile Profile::restrictedTo(ProfileSections sections) const
{
    Profile p = *this;
    for (auto it = p.values.begin(); it != p.values.end();) {
        if (sections & Profile_SectionBit(Setting_Section(it->first)))
            ++it;
        else
            it = p.values.erase(it);
    }
    return p;
}

bool Profile::operator==(const Profile &other) const
{
    return model == other.model && created == other.created && panelVersion == other.panelVersion
        && values == other.values;
}

int Profile_Layout(const Profile &profile)
{
    if (!profile.has(SettingId::MultiviewLayout))
        return -1;
    return Setting_WordIndex(SettingId::MultiviewLayout, profile.value(SettingId::MultiviewLayout),
                             profile.model);
}

bool Profile_SettingFitsLayout(SettingId id, int layout)
{
    switch (id) {
    case SettingId::MultiviewAspect:
    case SettingId::MultiviewVariant:
        return layout >= 0 && Mode_HasVariants(quint32(layout));
    case SettingId::MultiviewPipPosition:
    case SettingId::MultiviewPipSize:
        return layout == int(ModePip);
    case SettingId::MultiviewAutoSwitch:
        return layout == int(ModeSingle);
    case SettingId::MultiviewUserRectangle:
        return layout == int(ModePip) || layout == int(ModePbp);
    default:
        return true;
    }
}

bool Profile_UserRectangleApplies(int layout, const QString &pipPosition, const QString &pipSize,
                                  const QString &variant)
{
    if (layout == int(ModePip))
        return pipPosition == QLatin1String("USER") || pipSize == QLatin1String("USER");
    // The presenter variant is the third; the device counts variants from 1.
    return layout == int(ModePbp) && variant == QLatin1String("3");
}

QString Profile_Misfit(const Profile &profile, SettingId id)
{
    const int layout = Profile_Layout(profile);
    const QString layoutWord = profile.value(SettingId::MultiviewLayout);
    const int i = Setting_Index(id);
    const bool window
        = i >= Setting_Index(SettingId::WindowSource) && i < Setting_Index(SettingId::AudioSource);
    if (window || (id >= SettingId::MultiviewAspect && id <= SettingId::MultiviewUserRectangle)) {
        if (layout < 0)
            return QStringLiteral("needs multiview.layout");
        if (window && i - Setting_Index(SettingId::WindowSource) >= WindowsPerMode[layout])
            return QStringLiteral("the %1 layout has %2 window(s)")
                .arg(layoutWord)
                .arg(WindowsPerMode[layout]);
        if (!Profile_SettingFitsLayout(id, layout))
            return QStringLiteral("does not belong to the %1 layout").arg(layoutWord);
    }
    if (id == SettingId::MultiviewUserRectangle
        && !Profile_UserRectangleApplies(layout, profile.value(SettingId::MultiviewPipPosition),
                                         profile.value(SettingId::MultiviewPipSize),
                                         profile.value(SettingId::MultiviewVariant)))
        return QStringLiteral("applies only to PIP with a USER position or size, or to PBP in "
                              "variant 3");
    if (id == SettingId::OutputUserResolution
        && profile.value(SettingId::OutputResolution) != QLatin1String("USER"))
        return QStringLiteral("applies only with output.resolution USER");
    return {};
}

QStringList Profile_DropMisfits(Profile *profile)
{
    QStringList dropped;
    // The rectangle depends on the PIP and variant settings, which are checked first.
    for (int pass = 0; pass < 2; ++pass) {
        for (auto it = profile->values.begin(); it != profile->values.end();) {
            if (Profile_Misfit(*profile, it->first).isEmpty()) {
                ++it;
            } else {
                dropped.append(Setting_Key(it->first));
                it = profile->values.erase(it);
            }
        }
    }
    return dropped;
}
