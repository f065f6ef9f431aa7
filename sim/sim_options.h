// The simulator's command line. Kept stable: end-to-end tests and scripts/run start the
// simulator with these options.
#pragma once

#include "sim/sim_session.h"

#include <QString>
#include <QStringList>

struct SimOptions
{
    int modelIndex = 0; // Halden
    QByteArray reportedName; // --model-name
    bool tcp = true;
    QString listenAddress = "127.0.0.1";
    int port = 2000; // 0: any free port
    bool pty = false;
    QString ptyLink;
    QString logPath;
    SimFaults faults;
};

enum class SimParseResult { Run, Help, Error };

// arguments as from QCoreApplication::arguments() (program name first). On Help, message
// is the help (or version) text to print; on Error, the reason.
SimParseResult SimParseOptions(const QStringList &arguments, SimOptions *options, QString *message);
