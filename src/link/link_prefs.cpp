#include "link/link_prefs.h"

#include "app/panel_prefs.h"

#include <algorithm>

namespace {
const QString ReconnectKey = QStringLiteral("link/reconnect");
const QString KeepAliveKey = QStringLiteral("link/keepAliveS");
const QString TimeoutGroup = QStringLiteral("link/replyTimeoutMs/");
} // namespace

LinkPolicy LinkPrefs_Policy()
{
    LinkPolicy policy;
    const QVariant reconnect = Prefs_Value(ReconnectKey, true);
    // Anything but a plain false keeps the safe default.
    policy.reconnect = reconnect.toString() != QLatin1String("false");
    policy.keepAliveMs = Prefs_Int(KeepAliveKey, KeepAliveDefaultS, 0, KeepAliveMaxS) * 1000;
    return policy;
}

void LinkPrefs_SetPolicy(const LinkPolicy &policy)
{
    Prefs_SetValue(ReconnectKey, policy.reconnect);
    Prefs_SetValue(KeepAliveKey, std::clamp(policy.keepAliveMs / 1000, 0, KeepAliveMaxS));
}

QString LinkPrefs_ConnectionKey(const LinkTarget &target)
{
    QString name;
    if (target.kind == LinkKind::Tcp)
        name = QStringLiteral("tcp-") + target.remoteIp + QLatin1Char('-') + target.remotePort;
    else if (target.kind == LinkKind::Serial)
        name = QStringLiteral("serial-") + target.portName.section(QLatin1Char('/'), -1);
    else
        return QString();
    // Only characters that every INI reader keeps as they are.
    for (QChar &c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('.')
            && c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    }
    return name;
}

int LinkPrefs_ReplyTimeoutMs(const LinkTarget &target)
{
    const QString key = LinkPrefs_ConnectionKey(target);
    if (key.isEmpty())
        return ReplyTimeoutMinMs;
    return Prefs_Int(TimeoutGroup + key, ReplyTimeoutMinMs, ReplyTimeoutMinMs, ReplyTimeoutMaxMs);
}

void LinkPrefs_SetReplyTimeoutMs(const LinkTarget &target, int ms)
{
    const QString key = LinkPrefs_ConnectionKey(target);
    if (!key.isEmpty())
        Prefs_SetValue(TimeoutGroup + key, std::clamp(ms, ReplyTimeoutMinMs, ReplyTimeoutMaxMs));
}
