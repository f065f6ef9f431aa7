#include "profile/headless_link.h"

#include "link/link_controller.h"
#include "link/service_link_backend.h"
#include "profile/profile_headless.h"
#include "state/reply_dispatcher.h"
#include "state/reply_fan_out.h"

HeadlessLink::HeadlessLink(QObject *parent)
    : QObject(parent)
    , m_values(std::make_unique<ReplyFanOut>())
{
    m_link = new LinkController(std::make_unique<ServiceLinkBackend>(), this);
    m_pages = std::make_unique<HeadlessPages>([this] { m_link->requestSend(); });
    m_values->addListener(m_pages.get());
    connect(m_link, &LinkController::stateChanged, this, [this](LinkController::State state) {
        if (state == LinkController::State::Connecting)
            m_verdict = -1;
    });
    // Connected first, so that whoever connects to lineReceived later sees each line after
    // its values were handed out. Decoded the way the panel decodes it.
    connect(m_link, &LinkController::lineReceived, this, [this](const QByteArray &line, quint64) {
        Reply_Dispatch(QString::fromUtf8(line), m_values->sinks(*this));
    });
}

HeadlessLink::~HeadlessLink()
{
    m_values->clear();
}

void HeadlessLink::connectionShowIdentifyResult(bool ok)
{
    m_verdict = ok ? 1 : 0;
    m_link->reportIdentification(ok);
}

void HeadlessLink::setFollowUps(bool on)
{
    m_pages->setEnabled(on);
}

void HeadlessLink::connectionPressActiveConnectButton()
{
    m_link->close();
}
