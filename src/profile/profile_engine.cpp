#include "profile/profile_engine.h"

#include "link/command_catalogue.h"
#include "link/link_context.h"
#include "link/link_controller.h"
#include "link/page_requests.h"
#include "link/wire_format.h"
#include "profile/profile_names.h"
#include "state/model_traits.h"
#include "state/reply_fan_out.h"

#include <QTimer>

// Hands every value the dispatcher reports to the recorder.
class ProfileEngine::Listener final : public OutputSink,
                                      public MultiviewSink,
                                      public AudioSink,
                                      public SystemSink
{
public:
    explicit Listener(ProfileRecorder &r)
        : m_r(r)
    { }

    void outputSetResolution(int i) override { m_r.outputResolution(i); }
    void outputSet4kAuto(int i) override { m_r.output4kAuto(i); }
    void outputSetHdcp(int i) override { m_r.outputHdcp(i); }
    void outputSetVka(int i) override { m_r.outputVka(i); }
    void outputSetItc(int i) override { m_r.outputItc(i); }
    void outputSetUserResolution(quint32 w, quint32 h) override { m_r.userResolution(w, h); }

    void multiviewSetLayout(quint32 mode, bool) override { m_r.layout(mode); }
    void multiviewSetWindowSource(int w, int s) override { m_r.windowSource(w, s); }
    void multiviewSetAutoSwitch(int i) override { m_r.autoSwitch(i); }
    void multiviewSetInputResolutionText(const QString &) override { }
    void multiviewSetUserRectangle(quint32 a, quint32 b, quint32 c, quint32 d) override
    {
        m_r.userRectangle(a, b, c, d);
    }
    void multiviewSetVariantCount(quint32) override { }
    void multiviewSetLayoutVariant(int i) override { m_r.layoutVariant(i); }
    void multiviewSetPipPosition(int i) override { m_r.pipPosition(i); }
    void multiviewSetPipSize(int i) override { m_r.pipSize(i); }
    void multiviewSetAspect(int i) override { m_r.aspect(i); }

    void audioSetSource(int i) override { m_r.audioSource(i); }
    void audioSetVolume(int v) override { m_r.volume(v); }
    void audioSetMute(int i) override { m_r.mute(i); }
    void audioSetMicLevel(int mic, int level) override { m_r.micLevel(mic, level); }
    void audioSetSwitch(int channel, int i) override { m_r.audioSwitch(channel, i); }

    void systemSetEdidSelection(int i) override { m_r.edidMode(i); }
    void systemSetVersionText(const QString &text) override { m_r.versionText(text); }
    void systemUserEdidWritten() override { }
    void systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                              const QString &gateway) override
    {
        m_r.networkInfo(ip, port, mask, gateway);
    }
    void systemSetBaudRate(qint32 baud) override { m_r.baudRate(baud); }

private:
    ProfileRecorder &m_r;
};

ProfileEngine::ProfileEngine(LinkController &link, ReplyFanOut &fanOut, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_fanOut(fanOut)
    , m_listener(std::make_unique<Listener>(m_recorder))
{
    connect(&m_link, &LinkController::commandSent, this, &ProfileEngine::onSent);
    connect(&m_link, &LinkController::commandMatched, this,
            [this](quint64 id, const QByteArray &) { onMatched(id); });
    connect(&m_link, &LinkController::commandTimedOut, this, &ProfileEngine::onTimedOut);
    connect(&m_link, &LinkController::lineReceived, this, &ProfileEngine::onLine);
    connect(&m_link, &LinkController::stateChanged, this, &ProfileEngine::onState);
    connect(&m_link, &LinkController::factsChanged, this, &ProfileEngine::onFacts);
}

ProfileEngine::~ProfileEngine()
{
    m_fanOut.removeListener(m_listener.get());
}

bool ProfileEngine::begin()
{
    if (m_running)
        return false;
    m_report = EngineReport();
    m_steps.clear();
    m_stepIndex = -1;
    m_cancel = false;
    m_planned = 0;
    m_sentBytes.clear();
    m_report.model = m_link.identifiedModel();
    m_running = true;
    if (m_report.model < 0) {
        // Reported from the event loop, like every other outcome.
        QTimer::singleShot(0, this, [this] { finish(EngineReport::Outcome::NotIdentified); });
        return false;
    }
    m_deviceErrors = m_link.deviceErrorCount();
    m_recorder.start(m_report.model);
    m_fanOut.addListener(m_listener.get());
    return true;
}

void ProfileEngine::addReadSteps(ProfileSections sections)
{
    const auto model = static_cast<quint8>(m_report.model);
    m_steps.append({QStringLiteral("reading"), StepKind::Read,
                    [sections, model] {
                        if (sections & Profile_SectionBit(ProfileSection::Output))
                            Request_OutputReadAll();
                        if (sections & Profile_SectionBit(ProfileSection::Multiview))
                            Request_MultiviewReadAll();
                        if (sections & Profile_SectionBit(ProfileSection::Audio))
                            Request_AudioReadAll();
                        if (sections & Profile_SectionBit(ProfileSection::System))
                            CmdGetInEdidMode();
                        if (sections & Profile_SectionBit(ProfileSection::Network)) {
                            if (Model_HasNetwork(model))
                                Request_NetworkQuery();
                            Request_BaudRateQuery();
                        }
                    },
                    nullptr});
}

void ProfileEngine::read(ProfileSections sections)
{
    if (!begin())
        return;
    addReadSteps(sections);
    m_steps.last().after = [this] { m_report.profile = m_recorder.profile(); };
    nextStep();
}

void ProfileEngine::readVersions()
{
    if (!begin())
        return;
    static const char *const keys[FirmwareKindCount]
        = {"version.main", "version.sub", "version.expand", "version.keyboard"};
    for (int kind = 0; kind < FirmwareKindCount; ++kind) {
        if (!Model_HasFirmware(static_cast<quint8>(m_report.model), kind))
            continue;
        // One query a step: the reply names no part, so the step tells which part answered.
        m_steps.append({QString::fromLatin1(keys[kind]), StepKind::Version,
                        [this, kind] {
                            m_recorder.clearVersion();
                            CmdGetVersion(kind);
                        },
                        [this, kind] {
                            if (!m_recorder.versionText().isNull())
                                m_report.versions.append(QStringLiteral("%1: %2").arg(
                                    QLatin1String(keys[kind]), m_recorder.versionText()));
                        }});
    }
    nextStep();
}

void ProfileEngine::apply(const Profile &wanted, const PlanOptions &options)
{
    if (!begin())
        return;
    addReadSteps(options.sections);
    m_steps.last().after = [this, wanted, options] { planAndSend(wanted, options); };
    nextStep();
}

void ProfileEngine::planAndSend(const Profile &wanted, const PlanOptions &options)
{
    m_report.before = m_recorder.profile();
    if (options.sections & Profile_SectionBit(ProfileSection::Names))
        Profile_RecordNames(&m_report.before, &m_report.problems);
    m_report.problems += m_recorder.problems();
    m_report.plan = Profile_PlanApply(wanted, m_report.before, m_report.model, options);
    m_planned = m_report.plan.commandCount();
    emit progress(0, m_planned, QString());
    for (const PlanStage &stage : m_report.plan.stages)
        addStage(stage, StepKind::Send);
    // The read-back starts from nothing, so a setting that did not answer shows as missing.
    addReadSteps(options.sections);
    Step &readBack = m_steps.last();
    readBack.name = QStringLiteral("reading back");
    readBack.queue = [this, queue = readBack.queue] {
        m_recorder.start(m_report.model);
        queue();
    };
    readBack.after = [this, wanted, options] { verify(wanted, options); };
    for (const PlanStage &stage : m_report.plan.linkStages)
        addStage(stage, StepKind::LinkCut);
}

void ProfileEngine::addStage(const PlanStage &stage, StepKind kind)
{
    if (kind == StepKind::Send) {
        // One setting a step: a cancel or a command without an answer stops the apply after
        // the command on the wire, not after the rest of its stage.
        for (const PlanCall &call : stage.calls)
            m_steps.append({stage.name, kind, [call] { call.run(); }, nullptr});
        return;
    }
    // The settings that cut the link go together: the last of them closes it on purpose.
    const QVector<PlanCall> calls = stage.calls;
    m_steps.append({stage.name, kind,
                    [calls] {
                        for (const PlanCall &call : calls)
                            call.run();
                    },
                    nullptr});
}

void ProfileEngine::verify(const Profile &wanted, const PlanOptions &options)
{
    m_report.profile = m_recorder.profile();
    m_report.verified = true;
    // What was sent and can be read back: the chosen device sections, without what was
    // skipped, the names (the PC's) and the link settings (sent after this read-back).
    ProfileSections checked = options.sections & ~Profile_SectionBit(ProfileSection::Names)
        & ~Profile_SectionBit(ProfileSection::Network);
    Profile expected = wanted.restrictedTo(checked);
    for (const PlanSkip &skip : m_report.plan.skipped)
        expected.remove(skip.id);
    m_report.verification = Profile_Compare(expected, m_report.profile);
    // Another model's profile: what the device lacks was skipped, not a difference.
    m_report.verification.wantedModel = m_report.verification.actualModel;
}

void ProfileEngine::applyCalls(const QVector<PlanCall> &calls, ProfileSections readBack)
{
    if (!begin())
        return;
    m_planned = calls.size();
    addStage({QStringLiteral("set"), calls}, StepKind::Send);
    addReadSteps(readBack);
    m_steps.last().queue = [this, queue = m_steps.last().queue] {
        m_recorder.start(m_report.model);
        queue();
    };
    m_steps.last().after = [this] {
        m_report.profile = m_recorder.profile();
        m_report.verified = true;
    };
    nextStep();
}

void ProfileEngine::run(const QString &what, std::function<void()> queue)
{
    if (!begin())
        return;
    m_planned = 1;
    m_steps.append({what, StepKind::Send, std::move(queue), nullptr});
    nextStep();
}

void ProfileEngine::nextStep()
{
    if (!m_running)
        return;
    if (m_cancel) {
        finish(EngineReport::Outcome::Cancelled);
        return;
    }
    if (++m_stepIndex >= m_steps.size()) {
        finish(EngineReport::Outcome::Done);
        return;
    }
    const Step &step = m_steps.at(m_stepIndex);
    m_stepIds.clear();
    m_matched.clear();
    m_dispatched.clear();
    m_stepTimedOut = false;
    if (step.kind == StepKind::Send || step.kind == StepKind::LinkCut)
        m_report.stage = step.name;
    emit progress(m_report.commandsSent, m_planned, step.name);
    // The ids the step's own commands get lie between these two; follow-up queries the
    // replies bring are numbered later and are not counted as planned commands.
    m_ownFirst = Link_NextCommandId();
    m_stepCounted = false;
    step.queue();
    m_ownEnd = Link_NextCommandId();
    m_link.requestSend();
    checkStep();
}

// A step is over once the link is idle and every reply it matched has gone through the
// dispatcher (whose follow-up queries would have made the link busy again). The decision is
// confirmed one event-loop turn later, after lines already drained have been handed on.
void ProfileEngine::checkStep()
{
    if (!m_running || m_checkPending || m_stepIndex < 0)
        return;
    m_checkPending = true;
    QTimer::singleShot(0, this, [this] {
        m_checkPending = false;
        if (!m_running)
            return;
        if (m_link.state() != LinkController::State::Ready || m_link.commandsWaiting() != 0)
            return;
        for (quint64 id : qAsConst(m_matched)) {
            if (!m_dispatched.contains(id))
                return;
        }
        stepOver();
    });
}

void ProfileEngine::stepOver()
{
    const Step step = m_steps.at(m_stepIndex);
    if (m_stepTimedOut && step.kind == StepKind::Send) {
        finish(EngineReport::Outcome::NoAnswer);
        return;
    }
    if (step.after)
        step.after();
    nextStep();
}

void ProfileEngine::finish(EngineReport::Outcome outcome)
{
    if (!m_running)
        return;
    m_running = false;
    m_fanOut.removeListener(m_listener.get());
    m_report.outcome = outcome;
    for (const QString &p : m_recorder.problems()) {
        if (!m_report.problems.contains(p))
            m_report.problems.append(p);
    }
    emit finished(m_report);
}

void ProfileEngine::onSent(quint64 id, const QByteArray &bytes)
{
    if (!m_running || m_stepIndex < 0)
        return;
    m_stepIds.insert(id);
    if (m_sentBytes.size() < 4096)
        m_sentBytes.insert(id, bytes);
    const StepKind kind = m_steps.at(m_stepIndex).kind;
    const bool own = id > m_ownFirst && id < m_ownEnd;
    // A send step is one planned setting; the link-cutting step holds one command a setting.
    if (own && ((kind == StepKind::Send && !m_stepCounted) || kind == StepKind::LinkCut)) {
        m_stepCounted = true;
        ++m_report.commandsSent;
        emit progress(m_report.commandsSent, m_planned, m_steps.at(m_stepIndex).name);
    }
}

void ProfileEngine::onMatched(quint64 id)
{
    if (m_running && m_stepIds.contains(id))
        m_matched.insert(id);
}

void ProfileEngine::onTimedOut(quint64 id)
{
    if (!m_running || !m_stepIds.contains(id))
        return;
    m_stepTimedOut = true;
    m_report.timedOut.append(QString::fromLatin1(Wire_Body(m_sentBytes.value(id))));
}

void ProfileEngine::onLine(const QByteArray &line, quint64 id)
{
    if (!m_running)
        return;
    if (id != 0) {
        m_dispatched.insert(id);
    } else if (m_report.strayLines.size() < 50) {
        m_report.strayLines.append(QString::fromLatin1(Wire_Body(line).left(200)));
    }
    checkStep();
}

void ProfileEngine::onState()
{
    if (!m_running)
        return;
    if (!m_link.isOpen()) {
        // Settings that cut the link close it on purpose once they are through.
        const bool cutting = m_stepIndex >= 0 && m_steps.at(m_stepIndex).kind == StepKind::LinkCut;
        if (cutting && !m_stepTimedOut && m_stepIndex == m_steps.size() - 1
            && m_report.commandsSent >= m_planned)
            finish(EngineReport::Outcome::Done);
        else
            finish(EngineReport::Outcome::LinkLost);
        return;
    }
    checkStep();
}

void ProfileEngine::onFacts()
{
    if (!m_running)
        return;
    // A port or socket error while settings are being sent: the device may have restarted,
    // so nothing more is sent on the strength of what was read before.
    if (m_link.deviceErrorCount() > m_deviceErrors && m_stepIndex >= 0
        && m_steps.at(m_stepIndex).kind == StepKind::Send) {
        finish(EngineReport::Outcome::LinkLost);
        return;
    }
    checkStep();
}
