#include "cli/cli_session.h"

#include "cli/cli_panel_files.h"
#include "link/command_catalogue.h"
#include "link/link_controller.h"
#include "profile/headless_link.h"
#include "profile/profile_file.h"
#include "profile/profile_names.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QHostInfo>
#include <QTimer>

namespace {

QString Chopped(const QByteArray &line)
{
    QByteArray text = line;
    while (text.endsWith('\r') || text.endsWith('\n'))
        text.chop(1);
    return QString::fromLatin1(text);
}

ProfileSections SectionOf(SettingId id)
{
    return Profile_SectionBit(Setting_Section(id));
}

const ProfileSections DeviceSections = AllProfileSections
    & ~Profile_SectionBit(ProfileSection::Names);

} // namespace

CliSession::CliSession(const CliRequest &request, QTextStream &out, QTextStream &err,
                       QObject *parent)
    : QObject(parent)
    , m_request(request)
    , m_out(out)
    , m_err(err)
{
    m_host = new HeadlessLink(this);
    m_link = &m_host->link();
    m_engine = new ProfileEngine(*m_link, m_host->values(), this);
    connect(m_engine, &ProfileEngine::finished, this, &CliSession::onEngineFinished);
    connect(m_link, &LinkController::stateChanged, this, &CliSession::onLinkState);
    if (m_request.wire) {
        connect(m_link, &LinkController::commandSent, this,
                [this](quint64, const QByteArray &bytes) {
                    m_err << "> " << Chopped(bytes) << Qt::endl;
                });
        connect(m_link, &LinkController::lineReceived, this,
                [this](const QByteArray &line, quint64) {
                    m_err << "< " << Chopped(line) << Qt::endl;
                });
    }
    connect(m_link, &LinkController::lineReceived, this,
            [this](const QByteArray &line, quint64 id) {
                if (m_sendId != 0 && m_sendLines.size() < 1000)
                    m_sendLines.append(Chopped(line));
                Q_UNUSED(id)
            });
}

CliSession::~CliSession() = default;

QString CliSession::target() const
{
    const CliLink &l = m_request.link;
    if (l.serial)
        return QStringLiteral("the serial port %1").arg(l.serialPort);
    return QStringLiteral("%1:%2").arg(l.host).arg(l.port);
}

void CliSession::start()
{
    // A profile to apply or compare is read before anything is opened: a bad file touches
    // no device.
    if (m_request.command == CliCommand::Restore || m_request.command == CliCommand::Diff) {
        QVector<ProfileProblem> problems;
        if (!Profile_ReadFile(m_request.file, &m_file, &problems)) {
            m_err << "korvane-cli: " << m_request.file << " is not a usable profile:\n"
                  << Profile_ProblemsText(problems) << Qt::endl;
            end(CliExitUsage);
            return;
        }
    }
    LinkTarget target;
    const CliLink &l = m_request.link;
    if (l.serial) {
        // The device always speaks 8 data bits, no parity, one stop bit, no flow control
        // (the serial library's values 8, 0, 1, 0).
        target = LinkTarget::serial(l.serialPort, QString::number(l.baud), QStringLiteral("8"),
                                    QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"));
    } else {
        QString address = l.host;
        if (QHostAddress(address).protocol() != QAbstractSocket::IPv4Protocol) {
            const QHostInfo info = QHostInfo::fromName(l.host);
            address.clear();
            for (const QHostAddress &a : info.addresses()) {
                if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                    address = a.toString();
                    break;
                }
            }
            if (address.isEmpty()) {
                m_err << "korvane-cli: cannot find an IPv4 address for " << l.host << Qt::endl;
                end(CliExitCannotConnect);
                return;
            }
        }
        target = LinkTarget::tcp(l.localIp, address, QString::number(l.port));
    }
    m_started = true;
    if (!m_link->open(target)) {
        m_err << "korvane-cli: cannot open " << target.describe() << Qt::endl;
        end(CliExitCannotConnect);
    }
}

void CliSession::onLinkState()
{
    if (m_ended || !m_started)
        return;
    const LinkController::State state = m_link->state();
    if (state == LinkController::State::Identifying)
        m_reachedIdentify = true;
    if (m_link->identifiedModel() >= 0 && !m_engine->isBusy() && !m_then
        && (state == LinkController::State::Ready)) {
        identified();
        return;
    }
    if (state != LinkController::State::Disconnected || m_engine->isBusy())
        return;
    // Closed before the subcommand could start.
    if (!m_reachedIdentify) {
        m_err << "korvane-cli: cannot connect to " << target() << Qt::endl;
        end(CliExitCannotConnect);
    } else if (m_host->verdict() == 0) {
        m_err << "korvane-cli: the device at " << target()
              << " reports a model this program does not know" << Qt::endl;
        end(CliExitModelMismatch);
    } else if (!m_then) {
        m_err << "korvane-cli: the device at " << target()
              << " did not answer the model query" << Qt::endl;
        end(CliExitNoAnswer);
    }
}

void CliSession::identified()
{
    const int model = m_link->identifiedModel();
    if ((m_request.command == CliCommand::Restore || m_request.command == CliCommand::Diff)
        && m_file.model != model && !m_request.anyModel) {
        m_err << "korvane-cli: the profile is for a " << Profile_ModelName(m_file.model)
              << ", the device is a " << Profile_ModelName(model)
              << " (--any-model applies what fits)" << Qt::endl;
        end(CliExitModelMismatch);
        return;
    }
    runCommand();
}

void CliSession::runCommand()
{
    const CliRequest &r = m_request;
    switch (r.command) {
    case CliCommand::Identify:
        m_then = [this](const EngineReport &report) { identify(report); };
        m_engine->readVersions();
        return;
    case CliCommand::Status:
    case CliCommand::Backup:
        m_then = [this](const EngineReport &report) {
            if (m_request.command == CliCommand::Status)
                status(report);
            else
                backup(report);
        };
        m_engine->read(DeviceSections);
        return;
    case CliCommand::Get:
        if (r.readOnlyKey == CliReadOnlyKey::Model) {
            m_out << Profile_ModelName(m_link->identifiedModel()) << Qt::endl;
            end(CliExitOk);
            return;
        }
        m_then = [this](const EngineReport &report) { get(report); };
        if (r.readOnlyKey != CliReadOnlyKey::None)
            m_engine->readVersions();
        else
            m_engine->read(SectionOf(r.key));
        return;
    case CliCommand::Set: {
        const QString problem = Setting_Check(r.key, r.value, m_link->identifiedModel());
        if (!problem.isEmpty()) {
            m_err << "korvane-cli: " << Setting_Key(r.key) << ": " << problem << Qt::endl;
            end(CliExitUsage);
            return;
        }
        m_then = [this](const EngineReport &report) { startSet(report); };
        m_engine->read(SectionOf(r.key));
        return;
    }
    case CliCommand::SceneSave:
    case CliCommand::SceneLoad: {
        m_then = [this](const EngineReport &report) { scene(report); };
        const int n = r.scene;
        const bool save = r.command == CliCommand::SceneSave;
        m_engine->run(save ? QStringLiteral("scene save") : QStringLiteral("scene load"),
                      [n, save] { save ? CmdSetSaveScene(n) : CmdSetLoadScene(n); });
        return;
    }
    case CliCommand::Restore:
        startRestore();
        return;
    case CliCommand::Diff:
        m_then = [this](const EngineReport &report) { diff(report); };
        m_engine->read(DeviceSections);
        return;
    case CliCommand::Send: {
        m_then = [this](const EngineReport &report) { sendDone(report); };
        const QByteArray line = r.line;
        m_sendLines.clear();
        m_sendId = 1;
        m_engine->run(QStringLiteral("send"), [line] {
            // The reply is whatever line comes first: a raw line names no item to wait for.
            CommandAttributes a {};
            a.matchCount = 1;
            a.matchLen[0] = 1;
            a.matchText[0][0] = ' ';
            a.matchAny = 1;
            a.expectReply = 1;
            a.matchTimeoutMs = ReplyTimeoutMs;
            a.reportTimeout = 0;
            Cmd_Enqueue(line.constData(), line.size(), a);
        });
        return;
    }
    case CliCommand::Help:
    case CliCommand::Version:
    case CliCommand::Keys:
        break;
    }
    end(CliExitUsage);
}

void CliSession::onEngineFinished(const EngineReport &report)
{
    auto then = std::move(m_then);
    m_then = nullptr;
    if (then)
        then(report);
}

int CliSession::failure(const EngineReport &report, const QString &what)
{
    switch (report.outcome) {
    case EngineReport::Outcome::NotIdentified:
    case EngineReport::Outcome::LinkLost:
        m_err << "korvane-cli: the link to " << target() << " was lost during " << what
              << Qt::endl;
        return CliExitNoAnswer;
    case EngineReport::Outcome::NoAnswer: {
        const QString command = report.timedOut.isEmpty() ? what : report.timedOut.first();
        if (!report.strayLines.isEmpty()) {
            m_err << "korvane-cli: the device refused " << command << ": it answered \""
                  << report.strayLines.first() << "\"" << Qt::endl;
            return CliExitRefused;
        }
        m_err << "korvane-cli: the device did not answer " << command << Qt::endl;
        return CliExitNoAnswer;
    }
    case EngineReport::Outcome::Cancelled:
        m_err << "korvane-cli: " << what << " was cancelled" << Qt::endl;
        return CliExitNoAnswer;
    case EngineReport::Outcome::Done:
        break;
    }
    return CliExitOk;
}

void CliSession::identify(const EngineReport &report)
{
    if (!report.ok()) {
        end(failure(report, QStringLiteral("the version queries")));
        return;
    }
    m_out << "model: " << Profile_ModelName(report.model) << Qt::endl;
    for (const QString &line : report.versions)
        m_out << line << Qt::endl;
    for (const QString &cmd : report.timedOut)
        m_err << "korvane-cli: the device did not answer " << cmd << Qt::endl;
    end(report.timedOut.isEmpty() ? CliExitOk : CliExitNoAnswer);
}

Profile CliSession::withNames(const Profile &device, QStringList *problems) const
{
    Profile p = device;
    Cli_LoadPanelNames();
    Profile_RecordNames(&p, problems);
    return p;
}

void CliSession::status(const EngineReport &report)
{
    if (!report.ok()) {
        end(failure(report, QStringLiteral("reading the settings")));
        return;
    }
    QStringList problems = report.problems;
    Profile p = withNames(report.profile, &problems);
    p.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    p.panelVersion = QCoreApplication::applicationVersion();
    if (m_request.json) {
        m_out << QString::fromUtf8(Profile_ToJson(p));
    } else {
        m_out << "model: " << Profile_ModelName(p.model) << Qt::endl;
        for (const auto &e : p.values)
            m_out << Setting_Key(e.first) << ": " << e.second << Qt::endl;
    }
    m_out.flush();
    for (const QString &problem : problems)
        m_err << "korvane-cli: " << problem << Qt::endl;
    for (const QString &cmd : report.timedOut)
        m_err << "korvane-cli: the device did not answer " << cmd << Qt::endl;
    end(report.timedOut.isEmpty() ? CliExitOk : CliExitNoAnswer);
}

void CliSession::get(const EngineReport &report)
{
    if (!report.ok()) {
        end(failure(report, QStringLiteral("reading the setting")));
        return;
    }
    if (m_request.readOnlyKey != CliReadOnlyKey::None) {
        const QString key = Cli_ReadOnlyKeyName(m_request.readOnlyKey) + QStringLiteral(": ");
        for (const QString &line : report.versions) {
            if (line.startsWith(key)) {
                m_out << line.mid(key.size()) << Qt::endl;
                end(CliExitOk);
                return;
            }
        }
        m_err << "korvane-cli: a " << Profile_ModelName(report.model) << " reports no "
              << Cli_ReadOnlyKeyName(m_request.readOnlyKey) << Qt::endl;
        end(report.timedOut.isEmpty() ? CliExitUsage : CliExitNoAnswer);
        return;
    }
    const SettingId id = m_request.key;
    if (report.profile.has(id)) {
        m_out << report.profile.value(id) << Qt::endl;
        end(CliExitOk);
        return;
    }
    const QString misfit = Profile_Misfit(report.profile, id);
    if (!Setting_Available(id, report.model)) {
        m_err << "korvane-cli: a " << Profile_ModelName(report.model) << " has no "
              << Setting_Label(id) << Qt::endl;
        end(CliExitUsage);
    } else if (!misfit.isEmpty() && report.timedOut.isEmpty()) {
        m_err << "korvane-cli: " << Setting_Key(id) << " " << misfit << Qt::endl;
        end(CliExitUsage);
    } else {
        for (const QString &cmd : report.timedOut)
            m_err << "korvane-cli: the device did not answer " << cmd << Qt::endl;
        for (const QString &problem : report.problems)
            m_err << "korvane-cli: " << problem << Qt::endl;
        m_err << "korvane-cli: the device did not report " << Setting_Key(id) << Qt::endl;
        end(CliExitNoAnswer);
    }
}

void CliSession::startSet(const EngineReport &current)
{
    if (!current.ok()) {
        end(failure(current, QStringLiteral("reading the setting")));
        return;
    }
    const SettingId id = m_request.key;
    QString reason;
    const std::optional<PlanCall> call
        = Profile_CallFor(id, m_request.value, current.model, current.profile, &reason);
    if (!call) {
        m_err << "korvane-cli: " << Setting_Key(id) << " " << m_request.value << ": " << reason
              << Qt::endl;
        end(current.timedOut.isEmpty() ? CliExitUsage : CliExitNoAnswer);
        return;
    }
    // The link settings change how the device is reached: nothing can be read back here.
    const bool cuts = Setting_Section(id) == ProfileSection::Network;
    m_then = [this](const EngineReport &report) { setDone(report); };
    m_engine->applyCalls({*call}, cuts ? 0 : SectionOf(id));
}

void CliSession::setDone(const EngineReport &report)
{
    if (!report.ok()) {
        end(failure(report, Setting_Key(m_request.key)));
        return;
    }
    const SettingId id = m_request.key;
    if (Setting_Section(id) == ProfileSection::Network) {
        m_err << "korvane-cli: the device took the new " << Setting_Label(id)
              << "; reconnect with the new settings" << Qt::endl;
        end(CliExitOk);
        return;
    }
    const QString now = report.profile.value(id);
    if (report.profile.has(id) && now == m_request.value) {
        end(CliExitOk);
        return;
    }
    m_err << "korvane-cli: the device did not take " << Setting_Key(id) << " " << m_request.value
          << (report.profile.has(id) ? QStringLiteral("; it reports %1").arg(now)
                                     : QStringLiteral("; it no longer reports it"))
          << Qt::endl;
    end(CliExitRefused);
}

void CliSession::scene(const EngineReport &report)
{
    if (!report.ok()) {
        end(failure(report, m_request.command == CliCommand::SceneSave
                                ? QStringLiteral("SET SAVE SCENE %1").arg(m_request.scene)
                                : QStringLiteral("SET LOAD SCENE %1").arg(m_request.scene)));
        return;
    }
    if (m_request.command == CliCommand::SceneSave && !m_request.sceneName.isEmpty()) {
        Cli_LoadPanelNames();
        Profile_TakeNames(
            {{Setting_Offset(SettingId::SceneName, m_request.scene - 1), m_request.sceneName}});
        QString error;
        if (!Cli_SavePanelNames(&error)) {
            m_err << "korvane-cli: scene " << m_request.scene << " was saved, but " << error
                  << Qt::endl;
            end(CliExitFile);
            return;
        }
    }
    end(CliExitOk);
}

void CliSession::backup(const EngineReport &report)
{
    if (!report.ok()) {
        end(failure(report, QStringLiteral("the backup")));
        return;
    }
    if (!report.timedOut.isEmpty()) {
        for (const QString &cmd : report.timedOut)
            m_err << "korvane-cli: the device did not answer " << cmd << Qt::endl;
        m_err << "korvane-cli: no profile written: it would miss settings" << Qt::endl;
        end(CliExitNoAnswer);
        return;
    }
    QStringList problems = report.problems;
    Profile p = withNames(report.profile, &problems);
    p.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    p.panelVersion = QCoreApplication::applicationVersion();
    for (const QString &problem : problems)
        m_err << "korvane-cli: left out: " << problem << Qt::endl;
    if (m_request.file == QLatin1String("-")) {
        m_out << QString::fromUtf8(Profile_ToJson(p));
        m_out.flush();
        end(CliExitOk);
        return;
    }
    QString error;
    if (!Profile_WriteFile(m_request.file, p, &error)) {
        m_err << "korvane-cli: " << error << Qt::endl;
        end(CliExitFile);
        return;
    }
    end(CliExitOk);
}

void CliSession::startRestore()
{
    PlanOptions options;
    options.sections = m_request.sections;
    options.withNetwork = m_request.withNetwork;
    options.serialLink = m_request.link.serial;
    if (m_request.sections & Profile_SectionBit(ProfileSection::Names))
        Cli_LoadPanelNames();
    if (m_request.dryRun) {
        m_then = [this, options](const EngineReport &report) {
            if (!report.ok()) {
                end(failure(report, QStringLiteral("reading the settings")));
                return;
            }
            Profile current = report.profile;
            QStringList problems;
            if (options.sections & Profile_SectionBit(ProfileSection::Names))
                Profile_RecordNames(&current, &problems);
            const ApplyPlan plan = Profile_PlanApply(m_file, current, report.model, options);
            for (const QString &line : plan.describe())
                m_out << line << Qt::endl;
            for (const PlanSkip &s : plan.skipped)
                m_err << "korvane-cli: skipped " << Setting_Key(s.id) << ": " << s.reason
                      << Qt::endl;
            end(CliExitOk);
        };
        m_engine->read(options.sections);
        return;
    }
    m_then = [this](const EngineReport &report) { restoreDone(report); };
    m_engine->apply(m_file, options);
}

void CliSession::restoreDone(const EngineReport &report)
{
    for (const PlanSkip &s : report.plan.skipped)
        m_err << "korvane-cli: skipped " << Setting_Key(s.id) << ": " << s.reason << Qt::endl;
    const int planned = report.plan.commandCount();
    if (!report.ok()) {
        // How far it got, setting by setting.
        QStringList sent;
        QStringList unsent;
        int n = 0;
        for (const QVector<PlanStage> *list : {&report.plan.stages, &report.plan.linkStages}) {
            for (const PlanStage &stage : *list) {
                for (const PlanCall &call : stage.calls)
                    (n++ < report.commandsSent ? sent : unsent).append(Setting_Key(call.setting));
            }
        }
        const int code = failure(report, QStringLiteral("the restore"));
        m_err << "korvane-cli: restore stopped";
        if (!report.stage.isEmpty())
            m_err << " in stage \"" << report.stage << "\"";
        m_err << " after " << report.commandsSent << " of " << planned << " commands" << Qt::endl;
        if (!sent.isEmpty())
            m_err << "korvane-cli: sent: " << sent.join(QStringLiteral(", ")) << Qt::endl;
        if (!unsent.isEmpty())
            m_err << "korvane-cli: not sent: " << unsent.join(QStringLiteral(", ")) << Qt::endl;
        end(code);
        return;
    }
    for (const QString &cmd : report.timedOut)
        m_err << "korvane-cli: the device did not answer " << cmd << Qt::endl;
    int code = CliExitOk;
    const QStringList differences
        = Profile_ComparisonLines(report.verification, QStringLiteral("profile"),
                                  QStringLiteral("device"));
    if (!differences.isEmpty()) {
        m_err << "korvane-cli: after the restore the device differs from the profile:" << Qt::endl;
        for (const QString &line : differences)
            m_err << "  " << line << Qt::endl;
        code = CliExitRefused;
    }
    if (!report.plan.names.isEmpty()) {
        Profile_TakeNames(report.plan.names);
        QString error;
        if (!Cli_SavePanelNames(&error)) {
            m_err << "korvane-cli: " << error << Qt::endl;
            code = code == CliExitOk ? CliExitFile : code;
        }
    }
    if (!report.plan.linkStages.isEmpty())
        m_err << "korvane-cli: the network settings and baud rate were sent last; reconnect "
                 "with the new settings"
              << Qt::endl;
    m_out << "restore: " << report.commandsSent << " command(s) sent, "
          << report.plan.names.size() << " name(s) taken over"
          << (code == CliExitOk && report.timedOut.isEmpty() ? ", the device reads back as the "
                                                               "profile"
                                                             : QString())
          << Qt::endl;
    if (!report.timedOut.isEmpty() && code == CliExitOk)
        code = CliExitNoAnswer;
    end(code);
}

void CliSession::diff(const EngineReport &report)
{
    if (!report.ok()) {
        end(failure(report, QStringLiteral("reading the settings")));
        return;
    }
    QStringList problems = report.problems;
    const Profile device = withNames(report.profile, &problems);
    const ProfileComparison c = Profile_Compare(m_file, device);
    for (const QString &line :
         Profile_ComparisonLines(c, QStringLiteral("profile"), QStringLiteral("device")))
        m_out << line << Qt::endl;
    m_out.flush();
    for (const QString &cmd : report.timedOut)
        m_err << "korvane-cli: the device did not answer " << cmd << Qt::endl;
    if (!report.timedOut.isEmpty())
        end(CliExitNoAnswer);
    else if (c.modelsDiffer())
        end(CliExitModelMismatch);
    else
        end(c.differences.isEmpty() ? CliExitOk : CliExitDifferent);
}

void CliSession::sendDone(const EngineReport &report)
{
    // Lines that follow the first (the device may say more than one thing) are collected a
    // moment longer.
    QTimer::singleShot(200, this, [this, report] {
        m_sendId = 0;
        for (const QString &line : m_sendLines)
            m_out << line << Qt::endl;
        m_out.flush();
        if (m_sendLines.isEmpty() || !report.ok()) {
            if (m_sendLines.isEmpty())
                m_err << "korvane-cli: the device did not answer within 1 s" << Qt::endl;
            end(m_sendLines.isEmpty() ? CliExitNoAnswer : failure(report, QStringLiteral("send")));
            return;
        }
        end(CliExitOk);
    });
}

void CliSession::end(int code)
{
    if (m_ended)
        return;
    m_ended = true;
    m_then = nullptr;
    m_link->close();
    m_err.flush();
    m_out.flush();
    emit done(code);
}
