// What korvane-cli prints for each subcommand once the engine reported, and its exit code.
#include "cli/cli_panel_files.h"
#include "cli/cli_session.h"
#include "link/link_controller.h"
#include "profile/profile_file.h"
#include "profile/profile_names.h"

#include <QTimer>

void CliSession::reportTimedOut(const EngineReport &report)
{
    for (const QString &cmd : report.timedOut)
        m_err << "korvane-cli: the device did not answer " << cmd << Qt::endl;
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
    reportTimedOut(report);
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
    Cli_LoadPanelNames();
    const Profile p = Profile_ForExport(report.profile, &problems);
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
    reportTimedOut(report);
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
        reportTimedOut(report);
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
    // A setting that changes how this link reaches the device cannot be read back over it.
    const bool cuts = cutsLink(id);
    m_then = [this](const EngineReport &report) { setDone(report); };
    m_engine->applyCalls({*call}, cuts ? 0 : sectionOf(id));
}

bool CliSession::cutsLink(SettingId id) const
{
    if (Setting_Section(id) != ProfileSection::Network)
        return false;
    return (id == SettingId::SerialBaudRate) == m_request.link.serial;
}

void CliSession::setDone(const EngineReport &report)
{
    if (!report.ok()) {
        end(failure(report, Setting_Key(m_request.key)));
        return;
    }
    const SettingId id = m_request.key;
    if (cutsLink(id)) {
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
        end(failure(report,
                    m_request.command == CliCommand::SceneSave
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
        reportTimedOut(report);
        m_err << "korvane-cli: no profile written: it would miss settings" << Qt::endl;
        end(CliExitNoAnswer);
        return;
    }
    QStringList problems = report.problems;
    Cli_LoadPanelNames();
    const Profile p = Profile_ForExport(report.profile, &problems);
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
        report.plan.forEachCall([&](const PlanStage &, const PlanCall &call, bool) {
            (n++ < report.commandsSent ? sent : unsent).append(Setting_Key(call.setting));
        });
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
    reportTimedOut(report);
    int code = CliExitOk;
    const QStringList differences = Profile_ComparisonLines(
        report.verification, QStringLiteral("profile"), QStringLiteral("device"));
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
    m_out << "restore: " << report.commandsSent << " command(s) sent, " << report.plan.names.size()
          << " name(s) taken over"
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
    reportTimedOut(report);
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
        m_collectingSend = false;
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
