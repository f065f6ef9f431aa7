// Identity, output, EDID, firmware versions, network and serial settings, factory reset.
#include "sim/sim_edid.h"
#include "sim/sim_interpreter.h"

namespace {
// Four decimal parts of at most three digits, each at most 255.
bool isDottedQuad(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split('.');
    if (parts.size() != 4)
        return false;
    for (const QByteArray &p : parts) {
        int v = 0;
        if (p.size() > 3 || !SimParseUnsigned(p, &v) || v > 255)
            return false;
    }
    return true;
}

bool isBaudRate(int baud)
{
    for (int b : SimBaudRates) {
        if (b == baud)
            return true;
    }
    return false;
}
} // namespace

void SimInterpreter::addOutputCommands()
{
    add("MODEL TYPE",
        query([this] { return SimReplies {SimReplyLine("MODEL TYPE", m_reportedName)}; }), nullptr);
    addChoice("OUT RESOLUTION", SimOutResolutions, &m_state.outResolution);
    addNumbers("RESO-USER", m_state.resoUser.data(), 2, SimRectMax);
    addChoice("OUT HDCP", SimHdcpModes, &m_state.hdcp);
    addChoice("OUT VKA", SimVkaModes, &m_state.vka);
    addChoice("OUT ITC", SimOnOff, &m_state.itc);
    addChoice("OUT 4K-AUTO", SimOnOff, &m_state.fourKAuto, model().has4kAuto);
}

void SimInterpreter::addSystemCommands()
{
    addChoice("IN EDIDMODE", SimEdidModes, &m_state.edidMode);
    add("EDID-USER", nullptr, [this](const SimArgs &args) -> SimReplies {
        if (!SimParseEdidHex(args, &m_state.userEdid))
            return {ErrValue};
        return {"EDID-USER OK"};
    });
    add("RESET", nullptr, [this](const SimArgs &args) -> SimReplies {
        if (!args.isEmpty())
            return {ErrValue};
        m_state = SimFactoryState(m_modelIndex, m_factoryNetwork);
        return {"RESET"};
    });

    const struct
    {
        const char *item;
        const char *text;
    } versions[] = {{"VERSION", model().mainVersion},
                    {"SUB-VERSION", model().subVersion},
                    {"EXPAND-VERSION", model().expandVersion},
                    {"KEYBOARD-VERSION", model().keyboardVersion}};
    for (const auto &v : versions) {
        const QByteArray item = v.item;
        const QByteArray text = v.text ? v.text : "";
        add(item, query([=] { return SimReplies {SimReplyLine(item, text)}; }), nullptr,
            v.text != nullptr);
    }

    auto networkReply = [this] {
        const SimNetworkInfo &n = m_state.network;
        return SimReplies {
            SimReplyLine("NETWORK-INFO", n.ip + ' ' + n.port + ' ' + n.mask + ' ' + n.gateway)};
    };
    add("NETWORK-INFO", query(networkReply), [=](const SimArgs &args) -> SimReplies {
        int port = 0;
        if (args.size() != 4 || !isDottedQuad(args.at(0)) || !isDottedQuad(args.at(2))
            || !isDottedQuad(args.at(3)) || !SimParseUnsigned(args.at(1), &port) || port < 1
            || port > 65535)
            return {ErrValue};
        m_state.network
            = SimNetworkInfo {args.at(0), QByteArray::number(port), args.at(2), args.at(3)};
        return networkReply();
    });

    auto baudReply = [this] {
        return SimReplies {SimReplyLine("BAUDRATE", QByteArray::number(m_state.baudRate))};
    };
    add("BAUDRATE", query(baudReply), [=](const SimArgs &args) -> SimReplies {
        int baud = 0;
        if (args.size() != 1 || !SimParseUnsigned(args.first(), &baud) || !isBaudRate(baud))
            return {ErrValue};
        m_state.baudRate = baud;
        return baudReply();
    });
}
