// Command lookup and the generic kinds of setting (choice, level, number group).
#include "sim_interpreter.h"

const QByteArray SimInterpreter::ErrUnknown = "ERR 01";
const QByteArray SimInterpreter::ErrValue = "ERR 02";
const QByteArray SimInterpreter::ErrModel = "ERR 03";
const QByteArray SimInterpreter::ErrTooLong = "ERR 04";
const QByteArray SimInterpreter::ErrSceneEmpty = "ERR 05";

QByteArray SimReplyLine(const QByteArray &item, const QByteArray &value)
{
    return item + ' ' + value;
}

namespace {
// Words separated by runs of spaces or tabs: a person at a terminal may type two spaces.
QList<QByteArray> splitWords(const QByteArray &line)
{
    QList<QByteArray> words;
    int start = -1;
    for (int i = 0; i <= line.size(); ++i) {
        const bool blank = i == line.size() || line.at(i) == ' ' || line.at(i) == '\t';
        if (blank && start >= 0) {
            words.append(line.mid(start, i - start));
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return words;
}
} // namespace

SimInterpreter::SimInterpreter(int modelIndex, const SimNetworkInfo &factoryNetwork,
                               const QByteArray &reportedName)
    : m_modelIndex(modelIndex)
    , m_reportedName(reportedName.isEmpty() ? QByteArray(SimModels[modelIndex].name) : reportedName)
    , m_factoryNetwork(factoryNetwork)
    , m_state(SimFactoryState(modelIndex, factoryNetwork))
{
    addOutputCommands();
    addMultiviewCommands();
    addLayoutOptionCommands();
    addAudioCommands();
    addSystemCommands();
}

void SimInterpreter::setFactoryNetwork(const SimNetworkInfo &network)
{
    m_factoryNetwork = network;
    m_state.network = network;
}

SimReplies SimInterpreter::handle(const QByteArray &line)
{
    const QList<QByteArray> words = splitWords(line);
    if (words.isEmpty())
        return {};
    const QByteArray &verb = words.first();
    if (verb != "GET" && verb != "SET")
        return {ErrUnknown};
    int itemWords = 0;
    const Command *command = find(words, &itemWords);
    if (!command)
        return {ErrUnknown};
    const Handler &handler = verb == "GET" ? command->get : command->set;
    if (!handler)
        return {ErrUnknown};
    if (!command->available)
        return {ErrModel};
    return handler(words.mid(1 + itemWords));
}

const SimInterpreter::Command *SimInterpreter::find(const QList<QByteArray> &words,
                                                    int *itemWords) const
{
    for (const Command &c : m_commands) {
        if (words.size() < 1 + c.item.size())
            continue;
        bool same = true;
        for (int i = 0; i < c.item.size() && same; ++i)
            same = words.at(1 + i) == c.item.at(i);
        if (same) {
            *itemWords = c.item.size();
            return &c;
        }
    }
    return nullptr;
}

SimInterpreter::Handler SimInterpreter::query(std::function<SimReplies()> reply)
{
    return
        [reply](const SimArgs &args) { return args.isEmpty() ? reply() : SimReplies {ErrValue}; };
}

void SimInterpreter::add(const QByteArray &item, Handler get, Handler set, bool available)
{
    m_commands.append(Command {item.split(' '), std::move(get), std::move(set), available});
}

void SimInterpreter::addChoice(const QByteArray &item, const SimWords &words, int *field,
                               bool available)
{
    add(
        item, query([=] { return SimReplies {SimReplyLine(item, words.at(*field))}; }),
        [=](const SimArgs &args) -> SimReplies {
            const int index = args.size() == 1 ? words.indexOf(args.first()) : -1;
            if (index < 0)
                return {ErrValue};
            *field = index;
            return {SimReplyLine(item, words.at(index))};
        },
        available);
}

// A level with "SET item n", "GET item" and the one-step "SET item+" / "SET item-", which
// stop at the ends of the range instead of failing.
void SimInterpreter::addLevel(const QByteArray &item, int *field, int max, bool available)
{
    auto reply = [=] { return SimReplies {SimReplyLine(item, QByteArray::number(*field))}; };
    add(
        item, query(reply),
        [=](const SimArgs &args) -> SimReplies {
            int v = 0;
            if (args.size() != 1 || !SimParseUnsigned(args.first(), &v) || v > max)
                return {ErrValue};
            *field = v;
            return reply();
        },
        available);
    auto step = [=](int delta) {
        return [=](const SimArgs &args) -> SimReplies {
            if (!args.isEmpty())
                return {ErrValue};
            *field = qBound(0, *field + delta, max);
            return reply();
        };
    };
    add(item + '+', nullptr, step(+1), available);
    add(item + '-', nullptr, step(-1), available);
}

void SimInterpreter::addNumbers(const QByteArray &item, int *values, int count, int max)
{
    Q_ASSERT(count <= 8);
    auto reply = [=] {
        QByteArray value;
        for (int i = 0; i < count; ++i)
            value += (i ? " " : "") + QByteArray::number(values[i]);
        return SimReplies {SimReplyLine(item, value)};
    };
    add(item, query(reply), [=](const SimArgs &args) -> SimReplies {
        if (args.size() != count)
            return {ErrValue};
        int parsed[8] = {};
        for (int i = 0; i < count; ++i) {
            if (!SimParseUnsigned(args.at(i), &parsed[i]) || parsed[i] > max)
                return {ErrValue};
        }
        for (int i = 0; i < count; ++i)
            values[i] = parsed[i];
        return reply();
    });
}
