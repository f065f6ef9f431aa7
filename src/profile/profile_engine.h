// Reading and applying profiles over the open link: one engine for the panel and korvane-cli.
//
// It queues the same commands the pages queue (their read-all bursts and the catalogue's
// builders), lets the link controller pace them, and records what the reply dispatcher hands
// out through a listener on the dispatcher's fan-out. Work goes in steps: a step's commands
// are queued, then the engine waits until the link has worked through all of them and every
// reply has been dispatched (follow-up queries included) before the next step is queued, so
// builders that look at the device state see the replies of the step before.
//
// Applying reads the device first, plans the safe order (profile_plan.h), sends the stages in
// turn, one setting a step, reads everything back and compares; network settings and the baud rate,
// when asked for, go last, after the read-back, because they cut the link. A command that gets no
// reply, a port or socket error or a closed link stops an apply where it is: the report says how
// far it got. GUI thread only.
#pragma once

#include "profile/profile.h"
#include "profile/profile_diff.h"
#include "profile/profile_plan.h"
#include "profile/profile_recorder.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class LinkController;
class ReplyFanOut;

struct EngineReport
{
    enum class Outcome {
        Done,
        NoAnswer, // a command got no reply (an apply stops there)
        LinkLost, // the link closed or broke
        Cancelled,
        NotIdentified, // no identified device on the link
    };
    Outcome outcome = Outcome::Done;
    int model = -1;
    Profile profile; // read: what was read; apply: the read-back
    Profile before; // apply: the device before, as read first
    QStringList problems; // reported values that could not be kept
    QStringList timedOut; // commands (their text) that got no reply
    QStringList strayLines; // lines that answered no command, e.g. an error word
    ApplyPlan plan; // apply
    int commandsSent = 0; // apply and calls: planned commands written (not follow-up queries)
    QString stage; // where an apply stopped, or the last stage
    bool verified = false; // apply: the read-back was made
    ProfileComparison verification; // apply: wanted against the read-back
    QStringList versions; // readVersions: "version.main: V1.0" lines, in firmware order

    bool ok() const { return outcome == Outcome::Done; }
};

class ProfileEngine : public QObject
{
    Q_OBJECT

public:
    ProfileEngine(LinkController &link, ReplyFanOut &fanOut, QObject *parent = nullptr);
    ~ProfileEngine() override;

    bool isBusy() const { return m_running; }

    // Reads the sections' settings from the device (names are the caller's).
    void read(ProfileSections sections);
    // The model's firmware versions.
    void readVersions();
    // Reads, plans, sends, reads back and compares; the names to take over are in the report's
    // plan (the caller owns them).
    void apply(const Profile &wanted, const PlanOptions &options);
    // Sends the calls as one stage, then reads the sections back (a single `set`).
    void applyCalls(const QVector<PlanCall> &calls, ProfileSections readBack);
    // Queues whatever queue() queues as one step and waits for it (scenes, raw lines).
    void run(const QString &what, std::function<void()> queue);
    // Stops once the step under way is through: while applying, the setting on the wire (and
    // its follow-up queries); nothing after it is sent.
    void cancel() { m_cancel = true; }

signals:
    // done of total planned commands written (total 0 while reading), and what is under way.
    void progress(int done, int total, const QString &stage);
    void finished(const EngineReport &report);

private:
    enum class StepKind { Read, Send, LinkCut, Version };
    struct Step
    {
        QString name;
        StepKind kind;
        std::function<void()> queue;
        std::function<void()> after; // when the step is over (may add steps)
    };

    class Listener;

    bool begin();
    void addReadSteps(ProfileSections sections);
    void addStage(const PlanStage &stage, StepKind kind);
    void planAndSend(const Profile &wanted, const PlanOptions &options);
    void verify(const Profile &wanted, const PlanOptions &options);

    void nextStep();
    void checkStep();
    void stepOver();
    void finish(EngineReport::Outcome outcome);

    void onSent(quint64 id, const QByteArray &bytes);
    void onMatched(quint64 id);
    void onTimedOut(quint64 id);
    void onLine(const QByteArray &line, quint64 id);
    void onState();
    void onFacts();

    LinkController &m_link;
    ReplyFanOut &m_fanOut;
    std::unique_ptr<Listener> m_listener;
    ProfileRecorder m_recorder;
    EngineReport m_report;
    QVector<Step> m_steps;
    int m_stepIndex = -1;
    bool m_running = false;
    bool m_cancel = false;
    bool m_checkPending = false;
    int m_deviceErrors = 0;
    int m_planned = 0;
    QSet<quint64> m_stepIds; // written during the step
    QSet<quint64> m_matched; // of those, answered
    QSet<quint64> m_dispatched; // answers handed to the dispatcher
    bool m_stepTimedOut = false;
    quint64 m_ownFirst = 0; // the step's own commands have ids between these two
    quint64 m_ownEnd = 0;
    bool m_stepCounted = false;
    QHash<quint64, QByteArray> m_sentBytes;
};
