// System page commands: model, EDID, reset, versions, the device's network and baud settings.
#include "link/cmd_compose.h"
#include "link/command_catalogue.h"

#include <QString>

void CmdGetModelType()
{
    Cmd_Get("MODEL TYPE");
}

quint64 CmdKeepAlive()
{
    // The model query: cheap for the device, and once the model is known its answer changes
    // nothing and logs nothing. Its silence is the link's business, not a message.
    return Cmd_Compose("GET", "MODEL TYPE", CmdText(), "MODEL TYPE", CmdPacing::AwaitReplyQuietly);
}

void CmdSetInEdidMode(int index)
{
    Cmd_SetWord("IN EDIDMODE", Words(EdidModeWords), index);
}

void CmdGetInEdidMode()
{
    Cmd_Get("IN EDIDMODE");
}

void CmdSetEdidUser(const quint8 *edid)
{
    if (edid == nullptr)
        return;
    CmdText value;
    for (int i = 0; i < EdidSize; ++i) {
        if (i > 0)
            value.space();
        value.addHex(edid[i]);
    }
    // Any EDID-USER answer ends the wait: "EDID-USER OK" or a refusal, which the reply
    // dispatcher reports; awaiting only OK would add a time-out report to every refusal.
    Cmd_Compose("SET", "EDID-USER", value, "EDID-USER", CmdPacing::AwaitReply, CmdMerge::Never);
}

void CmdSetReset()
{
    // The device restarts; nothing it says in the next seconds is a reply.
    Cmd_Compose("SET", "RESET", CmdText(), "RESET", CmdPacing::Pause);
}

void CmdGetVersion(int kind)
{
    static constexpr const char *VersionItems[]
        = {"VERSION", "SUB-VERSION", "EXPAND-VERSION", "KEYBOARD-VERSION"};
    if (kind >= 0 && kind < WordCount(VersionItems))
        Cmd_Get(VersionItems[kind]);
}

void CmdSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                       const QString &gateway)
{
    CmdText value;
    bool first = true;
    for (const QString *text : {&ip, &port, &mask, &gateway}) {
        if (!first)
            value.space();
        first = false;
        // The operator's text may be of any length; CmdText bounds it.
        const QByteArray utf8 = text->left(CmdText::Capacity).toUtf8();
        value.add(utf8.constData(), utf8.size());
    }
    // Every link-settings request is answered in turn (the outstanding requests count them).
    Cmd_Set("NETWORK-INFO", value, CmdPacing::AwaitReply, CmdMerge::Never);
}

void CmdGetNetworkInfo()
{
    Cmd_Get("NETWORK-INFO", CmdMerge::Never);
}

void CmdSetBaudrate(int baud)
{
    Cmd_Set("BAUDRATE", CmdText().addNumber(baud), CmdPacing::AwaitReply, CmdMerge::Never);
}

void CmdGetBaudrate()
{
    Cmd_Get("BAUDRATE", CmdMerge::Never);
}
