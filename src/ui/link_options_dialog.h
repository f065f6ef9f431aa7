// The link's options, stored in the panel's own preferences: reconnect after a loss, the
// keep-alive interval, and the reply time-out of one connection (slow devices or converters).
#pragma once

#include "link/link_controller.h"
#include "link/link_target.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

class LinkOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    // Shows the stored values; `connection` names whose time-out is edited.
    LinkOptionsDialog(const LinkTarget &connection, QWidget *parent = nullptr);

    QCheckBox *reconnectBox() const { return m_reconnect; }
    QSpinBox *keepAliveBox() const { return m_keepAlive; }
    QSpinBox *timeoutBox() const { return m_timeout; }

    // Stores the values and hands them to the controller (the time-out only when the
    // controller holds this connection).
    void apply(LinkController *controller);

private:
    LinkTarget m_connection;
    QCheckBox *m_reconnect = nullptr;
    QSpinBox *m_keepAlive = nullptr;
    QSpinBox *m_timeout = nullptr;
};
