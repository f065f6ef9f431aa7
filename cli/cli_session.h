// One run of korvane-cli against a device: opens the link through the link controller,
// waits for the identification, runs the subcommand on the profile engine, prints the outcome
// and ends the event loop with the exit code. Errors go to stderr in plain words.
#pragma once

#include "cli/cli_args.h"
#include "profile/profile_engine.h"

#include <QObject>
#include <QTextStream>

class HeadlessLink;
class LinkController;

class CliSession : public QObject
{
    Q_OBJECT

public:
    CliSession(const CliRequest &request, QTextStream &out, QTextStream &err,
               QObject *parent = nullptr);
    ~CliSession() override;

    // Opens the link; the session ends with done(exit code).
    void start();

signals:
    void done(int exitCode);

private:
    void onLinkState();
    void identified();
    void runCommand();
    void onEngineFinished(const EngineReport &report);

    void identify(const EngineReport &report);
    void status(const EngineReport &report);
    void get(const EngineReport &report);
    void startSet(const EngineReport &current);
    void setDone(const EngineReport &report);
    // Whether setting id cuts the link in use: the network settings a TCP link, the baud
    // rate a serial one. Otherwise the change is read back like any other.
    bool cutsLink(SettingId id) const;
    void scene(const EngineReport &report);
    void backup(const EngineReport &report);
    void startRestore();
    void restoreDone(const EngineReport &report);
    void diff(const EngineReport &report);
    void sendDone(const EngineReport &report);

    // The exit code for an engine outcome other than Done, after saying why.
    int failure(const EngineReport &report, const QString &what);
    // "the device did not answer ..." for every command of the report that timed out.
    void reportTimedOut(const EngineReport &report);
    static ProfileSections sectionOf(SettingId id);
    void end(int code);
    Profile withNames(const Profile &device, QStringList *problems) const;
    QString target() const;

    CliRequest m_request;
    QTextStream &m_out;
    QTextStream &m_err;
    HeadlessLink *m_host = nullptr;
    LinkController *m_link = nullptr;
    ProfileEngine *m_engine = nullptr;
    std::function<void(const EngineReport &)> m_then; // what the next engine report is for
    Profile m_file; // restore, diff: the profile read from the file
    bool m_reachedIdentify = false;
    bool m_started = false;
    bool m_ended = false;
    QStringList m_sendLines; // send: what the device answered
    bool m_collectingSend = false; // send: device lines are taken into m_sendLines
    bool m_commandStarted = false; // the subcommand runs once, on the first Ready
};
