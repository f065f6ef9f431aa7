// The safe order in which a profile is applied to a device, as a list of command-builder
// calls. Pure: it compares the wanted profile with what the device reported just before and
// decides what to send, in which stage, and what to skip and why.
//
// Stages are sent one after the other; the next one is queued only when the link has worked
// through the previous one and the replies have updated the device state, because several
// builders pick their words from that state (the layout's options need the new layout, the
// user rectangle needs the new PIP position or PBP variant).
//
// Order: output options; the layout; the layout's options and window sources (all of them
// after a layout change, since the device may keep other values per layout); the user
// rectangle; audio; EDID; and the output resolution last, because it holds the link 10 s.
// Network settings and the baud rate cut the link, so they are only planned on request and
// come after the read-back, in their own stages.
#pragma once

#include "profile/profile.h"

#include <QString>
#include <QVector>

#include <optional>

enum class PlanBuilder {
    SetOutHdcp,
    SetOutVka,
    SetOutItc,
    SetOut4kAuto,
    SetMultiview,
    SetAspect,
    SetMode,
    SetPipPos,
    SetPipSize,
    SetAutoSwitch,
    SetWindowIn,
    SetUserLayout,
    SetAudioSource,
    SetAudioVol,
    SetAudioMute,
    SetMainAudioOnoff,
    SetMicOnoff,
    SetMicVol,
    SetInEdidMode,
    SetResoUser,
    SetOutResolution,
    SetNetworkInfo,
    SetBaudrate,
};

struct PlanCall
{
    PlanBuilder builder = PlanBuilder::SetOutHdcp;
    SettingId setting
        = SettingId::OutputHdcp; // the setting it applies (the first one for a combined command)
    int args[4] = {0, 0, 0, 0};
    QString texts[4]; // SetNetworkInfo: ip, port, mask, gateway

    // "CmdSetWindowIn(1, 8)": the builder and its arguments.
    QString describe() const;
    // Queues the command through its builder on the active link (GUI thread).
    void run() const;
    // Whether the link holds back the next command for a while after this one.
    bool holdsLink() const;
};

struct PlanStage
{
    QString name; // "output", "layout", ...
    QVector<PlanCall> calls;
};

struct PlanSkip
{
    SettingId id;
    QString reason;
};

struct PlanName
{
    SettingId id;
    QString value;
};

struct ApplyPlan
{
    QVector<PlanStage> stages; // before the read-back
    QVector<PlanStage> linkStages; // network and baud rate: after the read-back, cut the link
    QVector<PlanName> names; // PC-side names to take over
    QVector<PlanSkip> skipped;

    int commandCount() const; // all stages
    int holdCount() const;
    bool isEmpty() const { return commandCount() == 0 && names.isEmpty(); }
    // Every call, stage by stage, as describe() texts (stage names in brackets).
    QStringList describe() const;

    // f(stage, call, cutsLink) for every call, stage by stage, the link stages last (with
    // cutsLink true).
    template <class F>
    void forEachCall(F f) const
    {
        for (const QVector<PlanStage> *list : {&stages, &linkStages}) {
            for (const PlanStage &stage : *list) {
                for (const PlanCall &call : stage.calls)
                    f(stage, call, list == &linkStages);
            }
        }
    }
};

struct PlanOptions
{
    ProfileSections sections = AllProfileSections;
    bool withNetwork = false; // also the network settings and the baud rate
    bool serialLink = false; // the link in use is RS-232 (else TCP): which cut comes last
};

// wanted: the profile to apply; current: what the device (and the PC, for names) holds now;
// targetModel: the device's model. Settings of sections not chosen are left out silently.
ApplyPlan Profile_PlanApply(const Profile &wanted, const Profile &current, int targetModel,
                            const PlanOptions &options);

// The one command that sets a single setting on the device as it is now. current is what the
// device reported (layout options need their layout to be showing, a network field the other
// three). Nothing, with the reason, for a value or setting that cannot be set that way.
std::optional<PlanCall> Profile_CallFor(SettingId id, const QString &value, int model,
                                        const Profile &current, QString *reason);
