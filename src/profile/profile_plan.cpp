#include "profile/profile_plan.h"

#include <algorithm>

namespace {

class Planner
{
public:
    Planner(const Profile &wanted, const Profile &current, int model, const PlanOptions &options)
        : m_wanted(wanted)
        , m_current(current)
        , m_model(model)
        , m_options(options)
    { }

    ApplyPlan plan()
    {
        if (chosen(ProfileSection::Output))
            planOutputOptions();
        if (chosen(ProfileSection::Multiview))
            planMultiview();
        if (chosen(ProfileSection::Audio))
            planAudio();
        if (chosen(ProfileSection::System))
            planSystem();
        if (chosen(ProfileSection::Output))
            planResolution();
        if (chosen(ProfileSection::Network))
            planNetwork();
        if (chosen(ProfileSection::Names))
            planNames();
        return m_plan;
    }

private:
    bool chosen(ProfileSection section) const
    {
        return (m_options.sections & Profile_SectionBit(section)) != 0;
    }

    // The wanted value fits the target model; otherwise it is listed as skipped.
    bool usable(SettingId id)
    {
        if (!m_wanted.has(id))
            return false;
        const QString problem = Setting_Check(id, m_wanted.value(id), m_model);
        if (problem.isEmpty())
            return true;
        m_plan.skipped.append({id, problem});
        return false;
    }

    bool differs(SettingId id) const
    {
        return !m_current.has(id) || m_current.value(id) != m_wanted.value(id);
    }

    int word(SettingId id) const { return Setting_WordIndex(id, m_wanted.value(id), m_model); }
    int number(SettingId id) const { return m_wanted.value(id).toInt(); }

    PlanCall call(PlanBuilder builder, SettingId id, int a = 0, int b = 0) const
    {
        PlanCall c;
        c.builder = builder;
        c.setting = id;
        c.args[0] = a;
        c.args[1] = b;
        return c;
    }

    void addStage(const char *name, const QVector<PlanCall> &calls, bool afterReadBack = false)
    {
        if (calls.isEmpty())
            return;
        (afterReadBack ? m_plan.linkStages : m_plan.stages)
            .append({QString::fromLatin1(name), calls});
    }

    void planOutputOptions()
    {
        QVector<PlanCall> calls;
        const struct
        {
            SettingId id;
            PlanBuilder builder;
        } options[] = {{SettingId::OutputHdcp, PlanBuilder::SetOutHdcp},
                       {SettingId::OutputVka, PlanBuilder::SetOutVka},
                       {SettingId::OutputItc, PlanBuilder::SetOutItc},
                       {SettingId::Output4kAuto, PlanBuilder::SetOut4kAuto}};
        for (const auto &o : options) {
            if (usable(o.id) && differs(o.id))
                calls.append(call(o.builder, o.id, word(o.id)));
        }
        addStage("output", calls);
    }

    void planMultiview()
    {
        if (!usable(SettingId::MultiviewLayout)) {
            // Without a layout its options mean nothing; the reader never lets that happen,
            // but a profile built in code might.
            return;
        }
        const int layout = word(SettingId::MultiviewLayout);
        const bool layoutChanged = differs(SettingId::MultiviewLayout);
        if (layoutChanged)
            addStage("layout",
                     {call(PlanBuilder::SetMultiview, SettingId::MultiviewLayout, layout)});

        // After a layout change every option of the new layout is sent: the device may keep
        // its own values per layout, so the ones read before say nothing about them.
        auto wantedHere = [&](SettingId id) {
            return Profile_SettingFitsLayout(id, layout) && usable(id)
                && (layoutChanged || differs(id));
        };
        QVector<PlanCall> options;
        if (wantedHere(SettingId::MultiviewAspect))
            options.append(call(PlanBuilder::SetAspect, SettingId::MultiviewAspect,
                                word(SettingId::MultiviewAspect)));
        if (wantedHere(SettingId::MultiviewVariant))
            options.append(call(PlanBuilder::SetMode, SettingId::MultiviewVariant,
                                number(SettingId::MultiviewVariant)));
        // Position and size drag each other along on the device (USER takes both), so both
        // are sent, position first, whenever either has to change.
        const bool pos = wantedHere(SettingId::MultiviewPipPosition);
        const bool size = wantedHere(SettingId::MultiviewPipSize);
        if ((pos || size) && m_wanted.has(SettingId::MultiviewPipPosition)
            && Setting_Check(SettingId::MultiviewPipPosition,
                             m_wanted.value(SettingId::MultiviewPipPosition), m_model)
                   .isEmpty())
            options.append(call(PlanBuilder::SetPipPos, SettingId::MultiviewPipPosition,
                                word(SettingId::MultiviewPipPosition)));
        if ((pos || size) && m_wanted.has(SettingId::MultiviewPipSize)
            && Setting_Check(SettingId::MultiviewPipSize,
                             m_wanted.value(SettingId::MultiviewPipSize), m_model)
                   .isEmpty())
            options.append(call(PlanBuilder::SetPipSize, SettingId::MultiviewPipSize,
                                word(SettingId::MultiviewPipSize)));
        if (wantedHere(SettingId::MultiviewAutoSwitch))
            options.append(call(PlanBuilder::SetAutoSwitch, SettingId::MultiviewAutoSwitch,
                                word(SettingId::MultiviewAutoSwitch)));
        for (int w = 0; w < ProfileWindows; ++w) {
            const SettingId id = Setting_Offset(SettingId::WindowSource, w);
            if (usable(id) && (layoutChanged || differs(id)))
                options.append(call(PlanBuilder::SetWindowIn, id, w, word(id)));
        }
        const bool shapeSent = !options.isEmpty()
            && std::any_of(options.cbegin(), options.cend(), [](const PlanCall &c) {
                   return c.builder == PlanBuilder::SetMode || c.builder == PlanBuilder::SetPipPos
                       || c.builder == PlanBuilder::SetPipSize;
               });
        addStage("layout options", options);

        const SettingId rect = SettingId::MultiviewUserRectangle;
        if (Profile_SettingFitsLayout(rect, layout) && usable(rect)
            && (layoutChanged || shapeSent || differs(rect))) {
            const QVector<int> n = Setting_Numbers(m_wanted.value(rect));
            if (n.size() == 4) {
                PlanCall c = call(PlanBuilder::SetUserLayout, rect, n[0], n[1]);
                c.args[2] = n[2];
                c.args[3] = n[3];
                addStage("user rectangle", {c});
            }
        }
    }

    void planAudio()
    {
        QVector<PlanCall> calls;
        auto add = [&](SettingId id, PlanBuilder builder, int a, bool isWord) {
            if (usable(id) && differs(id))
                calls.append(call(builder, id, a, isWord ? word(id) : number(id)));
        };
        if (usable(SettingId::AudioSource) && differs(SettingId::AudioSource))
            calls.append(call(PlanBuilder::SetAudioSource, SettingId::AudioSource,
                              word(SettingId::AudioSource)));
        if (usable(SettingId::AudioVolume) && differs(SettingId::AudioVolume))
            calls.append(call(PlanBuilder::SetAudioVol, SettingId::AudioVolume,
                              number(SettingId::AudioVolume)));
        if (usable(SettingId::AudioMute) && differs(SettingId::AudioMute))
            calls.append(
                call(PlanBuilder::SetAudioMute, SettingId::AudioMute, word(SettingId::AudioMute)));
        if (usable(SettingId::AudioMain) && differs(SettingId::AudioMain))
            calls.append(call(PlanBuilder::SetMainAudioOnoff, SettingId::AudioMain,
                              word(SettingId::AudioMain)));
        for (int mic = 0; mic < ProfileMics; ++mic) {
            add(Setting_Offset(SettingId::MicSwitch, mic), PlanBuilder::SetMicOnoff, mic, true);
            add(Setting_Offset(SettingId::MicVolume, mic), PlanBuilder::SetMicVol, mic, false);
        }
        addStage("audio", calls);
    }

    void planSystem()
    {
        if (usable(SettingId::EdidMode) && differs(SettingId::EdidMode))
            addStage(
                "edid",
                {call(PlanBuilder::SetInEdidMode, SettingId::EdidMode, word(SettingId::EdidMode))});
    }

    void planResolution()
    {
        QVector<PlanCall> calls;
        const SettingId res = SettingId::OutputResolution;
        const SettingId user = SettingId::OutputUserResolution;
        const bool resolution = usable(res) && differs(res);
        // The user resolution goes first, so that switching to USER shows the wanted size
        // at once instead of a second 10 s hold afterwards.
        if (usable(user) && m_wanted.value(res) == QLatin1String("USER")
            && (differs(user) || resolution)) {
            const QVector<int> n = Setting_Numbers(m_wanted.value(user));
            if (n.size() == 2)
                calls.append(call(PlanBuilder::SetResoUser, user, n[0], n[1]));
        }
        if (resolution)
            calls.append(call(PlanBuilder::SetOutResolution, res, word(res)));
        addStage("output resolution", calls);
    }

    void planNetwork()
    {
        const SettingId fields[] = {SettingId::NetworkIp, SettingId::NetworkPort,
                                    SettingId::NetworkMask, SettingId::NetworkGateway};
        bool networkChanges = false;
        bool networkUsable = true;
        bool anyNetwork = false;
        for (SettingId id : fields) {
            if (!m_wanted.has(id))
                continue;
            if (!Setting_Available(id, m_model)) {
                usable(id); // lists what the model lacks
                continue;
            }
            anyNetwork = true;
            networkChanges = networkChanges || differs(id);
        }
        if (anyNetwork && m_options.withNetwork) {
            for (SettingId id : fields)
                networkUsable = (!m_wanted.has(id) || usable(id)) && networkUsable;
        }
        const SettingId baud = SettingId::SerialBaudRate;
        const bool baudChanges = m_wanted.has(baud) && differs(baud);
        if (!m_options.withNetwork) {
            const QString why = QStringLiteral("network settings and the baud rate are applied "
                                               "only when asked for, because they cut the link");
            if (anyNetwork && networkChanges)
                m_plan.skipped.append({SettingId::NetworkIp, why});
            if (baudChanges)
                m_plan.skipped.append({baud, why});
            return;
        }
        QVector<PlanCall> network;
        if (anyNetwork && networkUsable && networkChanges) {
            PlanCall c = call(PlanBuilder::SetNetworkInfo, SettingId::NetworkIp);
            bool complete = true;
            for (int i = 0; i < 4; ++i) {
                // A field the profile leaves out keeps the device's value.
                c.texts[i] = m_wanted.has(fields[i]) ? m_wanted.value(fields[i])
                                                     : m_current.value(fields[i]);
                complete = complete && !c.texts[i].isEmpty();
            }
            if (complete)
                network.append(c);
            else
                m_plan.skipped.append(
                    {SettingId::NetworkIp,
                     QStringLiteral("the network settings are incomplete and the device did not "
                                    "report the missing ones")});
        }
        QVector<PlanCall> baudCalls;
        if (baudChanges && usable(baud))
            baudCalls.append(call(PlanBuilder::SetBaudrate, baud, number(baud)));
        // The setting that cuts the link in use goes last, so the other one still arrives.
        if (m_options.serialLink) {
            addStage("network", network, true);
            addStage("baud rate", baudCalls, true);
        } else {
            addStage("baud rate", baudCalls, true);
            addStage("network", network, true);
        }
    }

    void planNames()
    {
        for (const auto &entry : m_wanted.values) {
            if (Setting_Section(entry.first) != ProfileSection::Names || entry.second.isEmpty())
                continue;
            if (usable(entry.first) && differs(entry.first))
                m_plan.names.append({entry.first, entry.second});
        }
    }

    const Profile &m_wanted;
    const Profile &m_current;
    int m_model;
    PlanOptions m_options;
    ApplyPlan m_plan;
};

const char *BuilderName(PlanBuilder b)
{
    switch (b) {
    case PlanBuilder::SetOutHdcp:
        return "CmdSetOutHdcp";
    case PlanBuilder::SetOutVka:
        return "CmdSetOutVka";
    case PlanBuilder::SetOutItc:
        return "CmdSetOutItc";
    case PlanBuilder::SetOut4kAuto:
        return "CmdSetOut4kAuto";
    case PlanBuilder::SetMultiview:
        return "CmdSetMultiview";
    case PlanBuilder::SetAspect:
        return "CmdSetAspect";
    case PlanBuilder::SetMode:
        return "CmdSetMode";
    case PlanBuilder::SetPipPos:
        return "CmdSetPipPos";
    case PlanBuilder::SetPipSize:
        return "CmdSetPipSize";
    case PlanBuilder::SetAutoSwitch:
        return "CmdSetAutoSwitch";
    case PlanBuilder::SetWindowIn:
        return "CmdSetWindowIn";
    case PlanBuilder::SetUserLayout:
        return "CmdSetUserLayout";
    case PlanBuilder::SetAudioSource:
        return "CmdSetAudioSource";
    case PlanBuilder::SetAudioVol:
        return "CmdSetAudioVol";
    case PlanBuilder::SetAudioMute:
        return "CmdSetAudioMute";
    case PlanBuilder::SetMainAudioOnoff:
        return "CmdSetMainAudioOnoff";
    case PlanBuilder::SetMicOnoff:
        return "CmdSetMicOnoff";
    case PlanBuilder::SetMicVol:
        return "CmdSetMicVol";
    case PlanBuilder::SetInEdidMode:
        return "CmdSetInEdidMode";
    case PlanBuilder::SetResoUser:
        return "CmdSetResoUser";
    case PlanBuilder::SetOutResolution:
        return "CmdSetOutResolution";
    case PlanBuilder::SetNetworkInfo:
        return "CmdSetNetworkInfo";
    case PlanBuilder::SetBaudrate:
        return "CmdSetBaudrate";
    }
    return "";
}

int ArgCount(PlanBuilder b)
{
    switch (b) {
    case PlanBuilder::SetWindowIn:
    case PlanBuilder::SetMicOnoff:
    case PlanBuilder::SetMicVol:
    case PlanBuilder::SetResoUser:
        return 2;
    case PlanBuilder::SetUserLayout:
        return 4;
    case PlanBuilder::SetNetworkInfo:
        return 0;
    default:
        return 1;
    }
}

} // namespace

QString PlanCall::describe() const
{
    QStringList parts;
    if (builder == PlanBuilder::SetNetworkInfo) {
        for (const QString &t : texts)
            parts.append(t);
    } else {
        for (int i = 0; i < ArgCount(builder); ++i)
            parts.append(QString::number(args[i]));
    }
    return QStringLiteral("%1(%2)").arg(QLatin1String(BuilderName(builder)),
                                        parts.join(QStringLiteral(", ")));
}

bool PlanCall::holdsLink() const
{
    return builder == PlanBuilder::SetOutResolution || builder == PlanBuilder::SetResoUser;
}

int ApplyPlan::commandCount() const
{
    int n = 0;
    for (const QVector<PlanStage> *list : {&stages, &linkStages}) {
        for (const PlanStage &s : *list)
            n += s.calls.size();
    }
    return n;
}

int ApplyPlan::holdCount() const
{
    int n = 0;
    forEachCall([&n](const PlanStage &, const PlanCall &c, bool) { n += c.holdsLink() ? 1 : 0; });
    return n;
}

QStringList ApplyPlan::describe() const
{
    QStringList lines;
    for (const QVector<PlanStage> *list : {&stages, &linkStages}) {
        for (const PlanStage &s : *list) {
            lines.append(QStringLiteral("[%1]").arg(s.name));
            for (const PlanCall &c : s.calls)
                lines.append(c.describe());
        }
    }
    for (const PlanName &n : names)
        lines.append(QStringLiteral("%1 = %2").arg(Setting_Key(n.id), n.value));
    return lines;
}

ApplyPlan Profile_PlanApply(const Profile &wanted, const Profile &current, int targetModel,
                            const PlanOptions &options)
{
    return Planner(wanted, current, targetModel, options).plan();
}

std::optional<PlanCall> Profile_CallFor(SettingId id, const QString &value, int model,
                                        const Profile &current, QString *reason)
{
    *reason = Setting_Check(id, value, model);
    if (!reason->isEmpty())
        return std::nullopt;
    if (Setting_Section(id) == ProfileSection::Names) {
        *reason = QStringLiteral("names are kept on this PC, not on the device");
        return std::nullopt;
    }
    // The setting must fit what the device shows now, exactly as it would in a profile.
    Profile shown = current;
    shown.model = model;
    shown.set(id, value);
    const QString misfit = Profile_Misfit(shown, id);
    if (!misfit.isEmpty()) {
        const QString layout = current.value(SettingId::MultiviewLayout);
        *reason = misfit
            + (layout.isEmpty() || id == SettingId::OutputUserResolution
                   ? QString()
                   : QStringLiteral(" (the device shows %1)").arg(layout));
        return std::nullopt;
    }
    // Planning the single setting against a device that holds nothing yet sends it even when
    // it already has the value: the operator asked for it.
    Profile wanted;
    wanted.model = model;
    wanted.set(id, value);
    Profile before;
    before.model = model;
    const SettingId networkFields[] = {SettingId::NetworkIp, SettingId::NetworkPort,
                                       SettingId::NetworkMask, SettingId::NetworkGateway};
    for (SettingId f : networkFields) {
        if (f != id && current.has(f))
            before.set(f, current.value(f));
    }
    const bool layoutOption = id >= SettingId::MultiviewAspect && id < SettingId::AudioSource;
    if (layoutOption) {
        // Keep the layout (and what decides the user rectangle) as it is.
        for (SettingId keep : {SettingId::MultiviewLayout, SettingId::MultiviewPipPosition,
                               SettingId::MultiviewPipSize, SettingId::MultiviewVariant}) {
            if (keep != id && current.has(keep)) {
                wanted.set(keep, current.value(keep));
                before.set(keep, current.value(keep));
            }
        }
    }
    if (id == SettingId::OutputUserResolution) {
        wanted.set(SettingId::OutputResolution, QStringLiteral("USER"));
        before.set(SettingId::OutputResolution, QStringLiteral("USER"));
    }
    PlanOptions options;
    options.withNetwork = true;
    const ApplyPlan plan = Profile_PlanApply(wanted, before, model, options);
    for (const QVector<PlanStage> *list : {&plan.stages, &plan.linkStages}) {
        for (const PlanStage &stage : *list) {
            for (const PlanCall &call : stage.calls) {
                if (call.setting == id
                    || (call.builder == PlanBuilder::SetNetworkInfo
                        && Setting_Section(id) == ProfileSection::Network))
                    return call;
            }
        }
    }
    *reason = plan.skipped.isEmpty() ? QStringLiteral("cannot be set on its own")
                                     : plan.skipped.first().reason;
    return std::nullopt;
}
