#include "ui/link_options_dialog.h"

#include "app/extra_texts.h"
#include "link/link_prefs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace {
inline constexpr ExtraText TitleText {"Link options", "连接选项"};
inline constexpr ExtraText ReconnectText {"Reconnect automatically after a loss",
                                          "断开后自动重新连接"};
inline constexpr ExtraText KeepAliveText {"Keep-alive after idle (s, 0 = off)",
                                          "空闲保活间隔（秒，0 = 关闭）"};
inline constexpr ExtraText TimeoutText {"Reply time-out for %1 (ms)", "%1 的应答超时（毫秒）"};
inline constexpr ExtraText AnyConnectionText {"this connection", "此连接"};
} // namespace

LinkOptionsDialog::LinkOptionsDialog(const LinkTarget &connection, QWidget *parent)
    : QDialog(parent)
    , m_connection(connection)
{
    setObjectName(QStringLiteral("LinkOptionsDialog"));
    setWindowTitle(Extra_Text(TitleText));
    const LinkPolicy policy = LinkPrefs_Policy();
    m_reconnect = new QCheckBox(Extra_Text(ReconnectText), this);
    m_reconnect->setChecked(policy.reconnect);
    m_keepAlive = new QSpinBox(this);
    m_keepAlive->setRange(0, KeepAliveMaxS);
    m_keepAlive->setValue(policy.keepAliveMs / 1000);
    m_timeout = new QSpinBox(this);
    m_timeout->setRange(ReplyTimeoutMinMs, ReplyTimeoutMaxMs);
    m_timeout->setSingleStep(500);
    m_timeout->setValue(LinkPrefs_ReplyTimeoutMs(connection));
    m_timeout->setEnabled(connection.kind != LinkKind::None);

    const QString name
        = connection.kind != LinkKind::None ? connection.describe() : Extra_Text(AnyConnectionText);
    auto *form = new QFormLayout(this);
    form->addRow(m_reconnect);
    form->addRow(Extra_Text(KeepAliveText), m_keepAlive);
    form->addRow(Extra_Text(TimeoutText).arg(name), m_timeout);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void LinkOptionsDialog::apply(LinkController *controller)
{
    LinkPolicy policy = controller->policy();
    policy.reconnect = m_reconnect->isChecked();
    policy.keepAliveMs = m_keepAlive->value() * 1000;
    LinkPrefs_SetPolicy(policy);
    controller->setPolicy(policy);
    if (m_connection.kind == LinkKind::None)
        return;
    LinkPrefs_SetReplyTimeoutMs(m_connection, m_timeout->value());
    if (controller->state() != LinkController::State::Disconnected
        && LinkPrefs_ConnectionKey(controller->target()) == LinkPrefs_ConnectionKey(m_connection))
        controller->setReplyTimeoutMs(LinkPrefs_ReplyTimeoutMs(m_connection));
}
