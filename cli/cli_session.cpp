#include "cli/cli_session.h"

#include "link/command_catalogue.h"
#include "link/link_controller.h"
#include "link/wire_format.h"
#include "profile/headless_link.h"
#include "profile/profile_file.h"

#include <QHostAddress>
#include <QHostInfo>

namespace {

// A device line as the operator's terminal may show it: without its line end (nor the LF a
// CR LF device leaves at the start of the next line), every control byte named ("<ESC>"), so
// nothing the device sends can drive the terminal.
QString Shown(const QByteArray &line)
{
    QByteArray body = Wire_Body(line);
    if (body.startsWith('\n'))
        body.remove(0, 1);
    return Wire_Visible(body);
}

const ProfileSections DeviceSections
    = AllProfileSections & ~Profile_SectionBit(ProfileSection::Names);

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
                    m_err << "> " << Shown(bytes) << Qt::endl;
                });
        connect(
            m_link, &LinkController::lineReceived, this,
            [this](const QByteArray &line, quint64) { m_err << "< " << Shown(line) << Qt::endl; });
    }
    connect(m_link, &LinkController::lineReceived, this,
            [this](const QByteArray &line, quint64 id) {
                if (m_collectingSend && m_sendLines.size() < 1000)
                    m_sendLines.append(Shown(line));
                Q_UNUSED(id)
            });
}

CliSession::~CliSession()
{
    // The engine listens to the host's values: it goes first.
    delete m_engine;
}

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
    // Likewise a backup that could not be saved is found out before the device is read.
    QString error;
    if (m_request.command == CliCommand::Backup && m_request.file != QLatin1String("-")
        && !Profile_CheckWritable(m_request.file, &error)) {
        m_err << "korvane-cli: " << error << Qt::endl;
        end(CliExitFile);
        return;
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
    // The first Ready after the identification starts the command; the link returns to Ready
    // after every exchange (and after a reconnection), which must not run it again.
    if (m_link->identifiedModel() >= 0 && !m_commandStarted && !m_engine->isBusy()
        && state == LinkController::State::Ready) {
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
        m_err << "korvane-cli: the device at " << target() << " did not answer the model query"
              << Qt::endl;
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
    m_commandStarted = true;
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
            m_engine->read(sectionOf(r.key));
        return;
    case CliCommand::Set: {
        const QString problem = Setting_Check(r.key, r.value, m_link->identifiedModel());
        if (!problem.isEmpty()) {
            m_err << "korvane-cli: " << Setting_Key(r.key) << ": " << problem << Qt::endl;
            end(CliExitUsage);
            return;
        }
        m_then = [this](const EngineReport &report) { startSet(report); };
        m_engine->read(sectionOf(r.key));
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
        m_collectingSend = true;
        m_host->setFollowUps(false); // the device's own answers, nothing the pages would ask

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

ProfileSections CliSession::sectionOf(SettingId id)
{
    return Profile_SectionBit(Setting_Section(id));
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
        m_err << "korvane-cli: the device at " << target() << " went away during " << what
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
