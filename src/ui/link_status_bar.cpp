#include "ui/link_status_bar.h"

#include "app/extra_texts.h"
#include "state/vocabulary.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

inline constexpr ExtraText StateDisconnectedText {"not connected", "未连接"};
inline constexpr ExtraText StateConnectingText {"connecting", "正在连接"};
inline constexpr ExtraText StateIdentifyingText {"identifying", "正在识别"};
inline constexpr ExtraText StateSynchronisingText {"synchronising", "正在同步"};
inline constexpr ExtraText StateReadyText {"ready", "就绪"};
inline constexpr ExtraText StateBusyText {"busy", "忙碌"};
inline constexpr ExtraText StateLostText {"lost", "已断开"};
inline constexpr ExtraText StateReconnectingText {"reconnecting", "正在重新连接"};
inline constexpr ExtraText RetryInText {"reconnecting in %1 s (attempt %2)",
                                        "%1 秒后重新连接（第 %2 次）"};
inline constexpr ExtraText RetryNowText {"reconnecting (attempt %1)", "正在重新连接（第 %1 次）"};
inline constexpr ExtraText NoLinkText {"no link", "无连接"};
inline constexpr ExtraText NoModelText {"model: —", "型号：—"};
inline constexpr ExtraText ModelText {"model: %1", "型号：%1"};
inline constexpr ExtraText RoundTripText {"reply %1 ms, %2 s ago", "应答 %1 毫秒，%2 秒前"};
inline constexpr ExtraText NoRoundTripText {"reply: —", "应答：—"};
inline constexpr ExtraText QueueText {"waiting: %1", "等待：%1"};
inline constexpr ExtraText HoldText {"hold %1 s: %2", "保持 %1 秒：%2"};
inline constexpr ExtraText RetryNowButtonText {"Retry now", "立即重试"};
inline constexpr ExtraText EmptyQueueText {"Empty queue", "清空队列"};
inline constexpr ExtraText OptionsText {"Link options…", "连接选项…"};

constexpr int TickMs = 250;
constexpr int RefreshMs = 100;

QString Seconds(qint64 ms)
{
    return QString::number((ms + 999) / 1000);
}

} // namespace

QString LinkStatus_StateName(LinkController::State state)
{
    using S = LinkController::State;
    switch (state) {
    case S::Disconnected:
        return Extra_Text(StateDisconnectedText);
    case S::Connecting:
        return Extra_Text(StateConnectingText);
    case S::Identifying:
        return Extra_Text(StateIdentifyingText);
    case S::Synchronising:
        return Extra_Text(StateSynchronisingText);
    case S::Ready:
        return Extra_Text(StateReadyText);
    case S::Busy:
        return Extra_Text(StateBusyText);
    case S::Lost:
        return Extra_Text(StateLostText);
    case S::Reconnecting:
        return Extra_Text(StateReconnectingText);
    }
    return QString();
}

LinkStatusBar::LinkStatusBar(LinkController *controller, QWidget *parent)
    : QWidget(parent)
    , m_controller(controller)
    , m_refreshSoon(RefreshMs, [this] { refresh(); })
{
    setObjectName(QStringLiteral("LinkStatusBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(18);
    auto label = [this, layout](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        layout->addWidget(l);
        return l;
    };
    m_state = label("LinkState");
    m_link = label("LinkTarget");
    m_model = label("LinkModel");
    m_roundTrip = label("LinkRoundTrip");
    m_queue = label("LinkQueue");
    m_hold = label("LinkHold");
    layout->addStretch(1);
    m_retryNow = new QPushButton(this);
    m_retryNow->setObjectName(QStringLiteral("LinkRetryNow"));
    layout->addWidget(m_retryNow);
    m_emptyQueue = new QPushButton(this);
    m_emptyQueue->setObjectName(QStringLiteral("LinkEmptyQueue"));
    layout->addWidget(m_emptyQueue);
    m_options = new QPushButton(this);
    m_options->setObjectName(QStringLiteral("LinkOptions"));
    layout->addWidget(m_options);

    connect(m_retryNow, &QPushButton::clicked, controller, &LinkController::reconnectNow);
    connect(m_emptyQueue, &QPushButton::clicked, controller, &LinkController::discardQueued);
    connect(m_options, &QPushButton::clicked, this, &LinkStatusBar::optionsRequested);
    connect(controller, &LinkController::stateChanged, this, &LinkStatusBar::refresh);
    connect(controller, &LinkController::factsChanged, &m_refreshSoon, &ThrottledCall::request);
    m_tick.setInterval(TickMs);
    connect(&m_tick, &QTimer::timeout, this, &LinkStatusBar::refresh);
    refresh();
}

QString LinkStatusBar::linkText() const
{
    const QString target = m_controller->targetText();
    return target.isEmpty() ? Extra_Text(NoLinkText) : target;
}

QString LinkStatusBar::modelText() const
{
    const int model = m_controller->identifiedModel();
    return model >= 0 ? Extra_Text(ModelText).arg(QString::fromLatin1(ModelNames[model]))
                      : Extra_Text(NoModelText);
}

QString LinkStatusBar::stateText() const
{
    if (m_controller->state() != LinkController::State::Reconnecting)
        return LinkStatus_StateName(m_controller->state());
    const qint64 in = m_controller->reconnectInMs();
    const int attempt = m_controller->reconnectAttempt();
    if (in > 0)
        return Extra_Text(RetryInText).arg(Seconds(in)).arg(attempt + 1);
    return Extra_Text(RetryNowText).arg(std::max(1, attempt));
}

QString LinkStatusBar::roundTripText() const
{
    const qint64 us = m_controller->lastRoundTripUs();
    if (us < 0)
        return Extra_Text(NoRoundTripText);
    const qint64 agoS
        = std::max<qint64>(0, m_controller->lastRoundTripAt().secsTo(QDateTime::currentDateTime()));
    return Extra_Text(RoundTripText).arg((us + 500) / 1000).arg(agoS);
}

QString LinkStatusBar::queueText() const
{
    return Extra_Text(QueueText).arg(m_controller->commandsWaiting());
}

QString LinkStatusBar::holdText() const
{
    const qint64 ms = m_controller->holdRemainingMs();
    if (ms <= 0)
        return QString();
    const QByteArray command = m_controller->holdCommand().trimmed();
    return Extra_Text(HoldText).arg(Seconds(ms), QString::fromLatin1(command));
}

void LinkStatusBar::refresh()
{
    m_refreshSoon.noteCalled();
    m_state->setText(stateText());
    m_link->setText(linkText());
    m_model->setText(modelText());
    m_roundTrip->setText(roundTripText());
    m_queue->setText(queueText());
    const QString hold = holdText();
    m_hold->setText(hold);
    m_hold->setVisible(!hold.isEmpty());
    const bool reconnecting = m_controller->state() == LinkController::State::Reconnecting;
    m_retryNow->setText(Extra_Text(RetryNowButtonText));
    m_retryNow->setVisible(reconnecting && m_controller->reconnectInMs() > 0);
    m_emptyQueue->setText(Extra_Text(EmptyQueueText));
    m_emptyQueue->setEnabled(m_controller->commandsWaiting() > 0);
    m_options->setText(Extra_Text(OptionsText));
    // Ticks only while something on show moves by itself.
    const bool moving = !hold.isEmpty() || m_controller->lastRoundTripUs() >= 0 || reconnecting;
    if (moving && !m_tick.isActive())
        m_tick.start();
    else if (!moving)
        m_tick.stop();
}
