// The link at a glance, under the tabs of the main window: where the link goes, the model,
// the state (with the reconnect countdown), the last round trip and how long ago, the commands
// waiting, a hold's countdown, and the operator's actions on the link (retry a reconnect now,
// empty the queue, link options). A view over the link controller: it decides nothing.
#pragma once

#include "link/link_controller.h"
#include "ui/throttled_call.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

class LinkStatusBar : public QWidget
{
    Q_OBJECT

public:
    explicit LinkStatusBar(LinkController *controller, QWidget *parent = nullptr);

    // Re-reads every fact (also after a language switch).
    void refresh();

    // The parts as shown, for the operator's screen reader and tests.
    QString linkText() const;
    QString modelText() const;
    QString stateText() const;
    QString roundTripText() const;
    QString queueText() const;
    QString holdText() const;
    QPushButton *retryNowButton() const { return m_retryNow; }
    QPushButton *emptyQueueButton() const { return m_emptyQueue; }
    QPushButton *optionsButton() const { return m_options; }

signals:
    void optionsRequested();

private:
    LinkController *m_controller;
    QLabel *m_link = nullptr;
    QLabel *m_model = nullptr;
    QLabel *m_state = nullptr;
    QLabel *m_roundTrip = nullptr;
    QLabel *m_queue = nullptr;
    QLabel *m_hold = nullptr;
    QPushButton *m_retryNow = nullptr; // only while a reconnect counts down
    QPushButton *m_emptyQueue = nullptr;
    QPushButton *m_options = nullptr;
    QTimer m_tick; // countdowns and "ago" move on their own while shown
    // Facts change per command: shown at most every RefreshMs; a state change at once.
    ThrottledCall m_refreshSoon;
};

// The state's name as the status bar shows it, in the current language.
QString LinkStatus_StateName(LinkController::State state);
