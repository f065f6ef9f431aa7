// Marks the control whose change the device has not confirmed yet: from the command going
// out until the device's line for that setting comes back (or the link goes). The control
// gets the dynamic property "pending" (for the style sheet), a tool tip saying so, and its
// accessible description. A view over the link controller's per-command events.
#pragma once

#include "link/link_controller.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QVector>

class QWidget;

class PendingMarker : public QObject
{
    Q_OBJECT

public:
    explicit PendingMarker(LinkController *controller, QObject *parent = nullptr);

    // `widget` is pending from a sent command that begins with `command` ("SET OUT
    // RESOLUTION ") until a received line begins with `confirmation` ("OUT RESOLUTION").
    void watch(QWidget *widget, const QByteArray &command, const QByteArray &confirmation);

    static bool isPending(const QWidget *widget);

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        QByteArray command;
        QByteArray confirmation;
        QString normalTip;
        bool pending = false;
    };
    void mark(Entry &entry, bool pending);

    QVector<Entry> m_entries;
};
