#include "ui/page_device_gate.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace {
constexpr int NoticeGap = 12;
} // namespace

PageDeviceGate::View PageDeviceGate::ViewFor(LinkController::State state, bool identifiedNow,
                                             bool everIdentified)
{
    using S = LinkController::State;
    const bool open = state == S::Synchronising || state == S::Ready || state == S::Busy;
    if (open && identifiedNow)
        return View::Live;
    return everIdentified ? View::Stale : View::NoDevice;
}

PageDeviceGate::PageDeviceGate(QWidget *page, QWidget *anchor, LinkController *controller)
    : QObject(page)
    , m_page(page)
    , m_anchor(anchor)
    , m_controller(controller)
{
    m_notice = new QLabel(page);
    m_notice->setObjectName(QStringLiteral("DeviceNotice"));
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    page->installEventFilter(this);
    if (m_anchor)
        m_anchor->installEventFilter(this);
    if (m_controller) {
        connect(m_controller, &LinkController::stateChanged, this, [this] { update(); });
        // The identified model is a fact of its own; it may follow the state change.
        connect(m_controller, &LinkController::factsChanged, this, [this] { update(); });
    }
    update();
}

void PageDeviceGate::reapply()
{
    update();
}

void PageDeviceGate::update()
{
    const LinkController::State state
        = m_controller ? m_controller->state() : LinkController::State::Disconnected;
    const bool identified = m_controller && m_controller->identifiedModel() >= 0;
    m_view = ViewFor(state, identified, m_everIdentified);
    if (m_view == View::Live)
        m_everIdentified = true;

    // The whole page follows; the line is styled to stay readable on a disabled page.
    m_page->setEnabled(m_view == View::Live);
    if (m_view == View::NoDevice)
        blankChoices();
    if (m_view == View::Live) {
        m_notice->hide();
        return;
    }
    m_notice->setText(Extra_Text(m_view == View::NoDevice ? Gate_NoDeviceText : Gate_StaleText));
    m_notice->setProperty("stale", m_view == View::Stale);
    placeNotice();
    m_notice->show();
    m_notice->raise();
}

// No device has told these values yet: a choice box shows nothing rather than its first item.
void PageDeviceGate::blankChoices()
{
    const QList<QComboBox *> combos = m_page->findChildren<QComboBox *>();
    for (QComboBox *combo : combos)
        combo->setCurrentIndex(-1);
}

void PageDeviceGate::placeNotice()
{
    const int height = m_anchor ? m_anchor->height() * 2 : 52;
    int x = 4;
    int y = 4;
    if (m_anchor) {
        const QRect anchor = m_anchor->geometry();
        x = anchor.right() + 1 + NoticeGap;
        y = anchor.center().y() - height / 2;
    }
    const int width = qMax(200, m_page->width() - x - NoticeGap);
    m_notice->setGeometry(x, qMax(0, y), width, height);
}

bool PageDeviceGate::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_page && event->type() == QEvent::Resize)
        || (watched == m_anchor
            && (event->type() == QEvent::Move || event->type() == QEvent::Resize)))
        placeNotice();
    return QObject::eventFilter(watched, event);
}
