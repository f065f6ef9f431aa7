#include "ui/pending_marker.h"

#include "app/extra_texts.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace {
inline constexpr ExtraText PendingText {"Sent; waiting for the device to confirm.",
                                        "已发送，等待设备确认。"};
constexpr const char *PendingProperty = "pending";
} // namespace

PendingMarker::PendingMarker(LinkController *controller, QObject *parent)
    : QObject(parent)
{
    connect(controller, &LinkController::commandSent, this,
            [this](quint64, const QByteArray &bytes) {
                for (Entry &e : m_entries) {
                    if (bytes.startsWith(e.command))
                        mark(e, true);
                }
            });
    connect(controller, &LinkController::lineReceived, this,
            [this](const QByteArray &line, quint64) {
                for (Entry &e : m_entries) {
                    if (e.pending && line.startsWith(e.confirmation))
                        mark(e, false);
                }
            });
    // No device, nothing to wait for.
    connect(controller, &LinkController::stateChanged, this, [this](LinkController::State s) {
        if (s == LinkController::State::Disconnected || s == LinkController::State::Lost
            || s == LinkController::State::Reconnecting) {
            for (Entry &e : m_entries)
                mark(e, false);
        }
    });
}

void PendingMarker::watch(QWidget *widget, const QByteArray &command,
                          const QByteArray &confirmation)
{
    m_entries.append({widget, command, confirmation, QString(), false});
}

bool PendingMarker::isPending(const QWidget *widget)
{
    return widget != nullptr && widget->property(PendingProperty).toBool();
}

void PendingMarker::mark(Entry &entry, bool pending)
{
    QWidget *w = entry.widget;
    if (w == nullptr || entry.pending == pending)
        return;
    // One control may be watched for several commands: it keeps the tip it had before the
    // first of them went out and stays pending until the last one is confirmed.
    const Entry *other = nullptr;
    for (const Entry &e : m_entries) {
        if (&e != &entry && e.pending && e.widget == w)
            other = &e;
    }
    entry.pending = pending;
    if (other != nullptr) {
        if (pending)
            entry.normalTip = other->normalTip;
        return;
    }
    if (pending)
        entry.normalTip = w->toolTip();
    w->setProperty(PendingProperty, pending);
    w->setToolTip(pending ? Extra_Text(PendingText) : entry.normalTip);
    w->setAccessibleDescription(pending ? Extra_Text(PendingText) : QString());
    // The style sheet may draw a pending control differently.
    w->style()->unpolish(w);
    w->style()->polish(w);
}
