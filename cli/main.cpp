// korvane-cli: the panel's device control from the command line (no widgets).
#include "cli/cli_args.h"
#include "cli/cli_panel_files.h"
#include "cli/cli_session.h"
#include "link/link_runtime.h"
#include "profile/profile_names.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// get/set of a name: the panel's language file on this PC, no device.
int RunNames(const CliRequest &r, QTextStream &out, QTextStream &err)
{
    Cli_LoadPanelNames();
    Profile p;
    p.model = 0;
    QStringList problems;
    Profile_RecordNames(&p, &problems);
    if (r.command == CliCommand::Get) {
        out << p.value(r.key) << Qt::endl;
        return CliExitOk;
    }
    Profile_TakeNames({{r.key, r.value}});
    QString error;
    if (!Cli_SavePanelNames(&error)) {
        err << "korvane-cli: " << error << Qt::endl;
        return CliExitFile;
    }
    return CliExitOk;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");

    CliRequest request;
    QString error;
    if (!Cli_Parse(app.arguments().mid(1), &request, &error)) {
        err << "korvane-cli: " << error << Qt::endl;
        return CliExitUsage;
    }
    Cli_UsePanelFolder(request.appDir);
    switch (request.command) {
    case CliCommand::Help:
        out << Cli_Help(request.helpTopic);
        return CliExitOk;
    case CliCommand::Version:
        out << "korvane-cli " << QCoreApplication::applicationVersion() << Qt::endl;
        return CliExitOk;
    case CliCommand::Keys:
        out << Cli_KeyList(request.model);
        return CliExitOk;
    default:
        break;
    }
    if (!request.needsLink())
        return RunNames(request, out, err);

    int code = CliExitOk;
    {
        CliSession session(request, out, err);
        QObject::connect(&session, &CliSession::done, &app, [&code](int exitCode) {
            code = exitCode;
            QCoreApplication::exit(exitCode);
        });
        QMetaObject::invokeMethod(&session, &CliSession::start, Qt::QueuedConnection);
        app.exec();
    }
    Link_Shutdown();
    return code;
}
