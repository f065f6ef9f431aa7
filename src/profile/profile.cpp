#include "profile/profile.h"

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
        return layout >= ProfileLayout::Pbp && layout <= ProfileLayout::FourWin;
    case SettingId::MultiviewPipPosition:
    case SettingId::MultiviewPipSize:
        return layout == ProfileLayout::Pip;
    case SettingId::MultiviewAutoSwitch:
        return layout == ProfileLayout::Single;
    case SettingId::MultiviewUserRectangle:
        return layout == ProfileLayout::Pip || layout == ProfileLayout::Pbp;
    default:
        return true;
    }
}

bool Profile_UserRectangleApplies(int layout, const QString &pipPosition, const QString &pipSize,
                                  const QString &variant)
{
    if (layout == ProfileLayout::Pip)
        return pipPosition == QLatin1String("USER") || pipSize == QLatin1String("USER");
    // The presenter variant is the third; the device counts variants from 1.
    return layout == ProfileLayout::Pbp && variant == QLatin1String("3");
}
