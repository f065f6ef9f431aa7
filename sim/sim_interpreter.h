// The device's command interpreter: one received line in, the reply lines out. Pure logic
// without sockets, so that every command can be checked directly.
#pragma once

#include "sim/sim_models.h"
#include "sim/sim_state.h"

#include <QByteArray>
#include <QList>
#include <QVector>
#include <functional>

using SimReplies = QList<QByteArray>; // reply lines without their line end
using SimArgs = QList<QByteArray>; // the words after the command's item

class SimInterpreter
{
    // The command table's handlers point into this object.
    Q_DISABLE_COPY(SimInterpreter)

public:
    // reportedName replaces the model's name in "MODEL TYPE" (to play an unknown device).
    SimInterpreter(int modelIndex, const SimNetworkInfo &factoryNetwork,
                   const QByteArray &reportedName = QByteArray());

    // line: one received line without its line end. An empty line gets no reply.
    SimReplies handle(const QByteArray &line);

    // The network settings the device reports from the factory (and after RESET).
    void setFactoryNetwork(const SimNetworkInfo &network);

    const SimState &state() const { return m_state; }
    const SimModel &model() const { return SimModels[m_modelIndex]; }

    // Error lines. None of them contains a command item or a reply keyword the panel looks
    // for, so an error never ends the panel's wait as if the command had succeeded.
    static const QByteArray ErrUnknown; // not a command of this device
    static const QByteArray ErrValue; // missing, extra, malformed or out-of-range value
    static const QByteArray ErrModel; // the command exists, but not on this model
    static const QByteArray ErrTooLong; // the line overflowed the receive buffer
    static const QByteArray ErrSceneEmpty; // LOAD SCENE of a scene never saved

private:
    using Handler = std::function<SimReplies(const SimArgs &)>;
    struct Command
    {
        QList<QByteArray> item;
        Handler get;
        Handler set;
        bool available;
    };

    // A GET handler that takes no value and answers with reply().
    static Handler query(std::function<SimReplies()> reply);
    void add(const QByteArray &item, Handler get, Handler set, bool available = true);
    void addChoice(const QByteArray &item, const SimWords &words, int *field,
                   bool available = true);
    void addLevel(const QByteArray &item, int *field, int max, bool available);
    void addNumbers(const QByteArray &item, int *values, int count, int max);

    void addOutputCommands();
    void addMultiviewCommands();
    void addLayoutOptionCommands();
    void addAudioCommands();
    void addSystemCommands();

    QByteArray multiviewSyncLine() const;
    const Command *find(const QList<QByteArray> &words, int *itemWords) const;

    int m_modelIndex;
    QByteArray m_reportedName;
    SimNetworkInfo m_factoryNetwork;
    SimState m_state;
    QVector<Command> m_commands;
};

// "ITEM VALUE".
QByteArray SimReplyLine(const QByteArray &item, const QByteArray &value);
