#include "link_harness.h"

#include "link/link_runtime.h"
#include "link/service_serial_port.h"
#include "link/service_tcp_client.h"

#include <QCoreApplication>
#include <QTest>

namespace {

// The service's signals re-emitted by the harness; the thread's end closes the link.
template <class Service>
Service *Wire(LinkHarness *h, QThread *thread, void (Service::*sent)(const QString &),
              void (Service::*received)(), void (Service::*timedOut)(const QString &),
              void (Service::*status)(bool, int), void (Service::*disconnectSlot)())
{
    auto *service = new Service;
    QObject::connect(service, sent, h, &LinkHarness::sent);
    QObject::connect(service, received, h, &LinkHarness::received);
    QObject::connect(service, timedOut, h, &LinkHarness::timedOut);
    QObject::connect(service, status, h, &LinkHarness::connectStatus);
    QObject::connect(thread, &QThread::finished, service, disconnectSlot, Qt::DirectConnection);
    const LinkChannel *channel = &service->channel();
    QObject::connect(channel, &LinkChannel::sent, h, &LinkHarness::sentId);
    QObject::connect(channel, &LinkChannel::matched, h, &LinkHarness::matchedId);
    QObject::connect(channel, &LinkChannel::timedOut, h, &LinkHarness::timedOutId);
    QObject::connect(channel, &LinkChannel::settled, h, &LinkHarness::settledId);
    return service;
}

} // namespace

LinkHarness::LinkHarness(Kind kind, bool workerThread)
    : m_kind(kind)
    , m_worker(workerThread)
{
    if (kind == Serial) {
        using S = ServiceSerialPort;
        m_pty = std::make_unique<PtyPeer>();
        m_service = Wire(this, &m_thread, &S::SGL_UpdateSendData_SerialPort,
                         &S::SGL_UpdateRecvData_SerialPort, &S::SGL_WaitReplyTimeout_SerialPort,
                         &S::SGL_ConnectStatus_SerialPort, &S::SLT_SyncDisconnect_SerialPort);
        LinkMode = LinkModeSerial;
    } else {
        using S = ServiceTcpClient;
        m_tcp = std::make_unique<TcpPeer>();
        m_tcp->listen();
        S *service = Wire(this, &m_thread, &S::SGL_UpdateSendData_TcpClient,
                          &S::SGL_UpdateRecvData_TcpClient, &S::SGL_WaitReplyTimeout_TcpClient,
                          &S::SGL_ConnectStatus_TcpClient, &S::SLT_SyncDisconnect_TcpClient);
        connect(service, &S::SGL_ReConnectStatus_TcpClient, this, &LinkHarness::reconnectStatus);
        m_service = service;
        LinkMode = LinkModeTcp;
    }
    if (m_worker) {
        m_service->moveToThread(&m_thread);
        Link_WatchThread(&m_thread);
        m_thread.start();
    }
}

LinkHarness::~LinkHarness()
{
    if (m_worker) {
        Link_StopThread(&m_thread); // finished() closes the link inside the worker
    } else {
        disconnectLink();
    }
    delete m_service;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    LinkMode = LinkModeNone;
}

LinkContext &LinkHarness::context() const
{
    return m_kind == Serial ? SerialLinkContext : TcpLinkContext;
}

LinePeer &LinkHarness::peer() const
{
    return m_kind == Serial ? static_cast<LinePeer &>(*m_pty) : static_cast<LinePeer &>(*m_tcp);
}

const LinkChannel &LinkHarness::channel() const
{
    if (m_kind == Serial)
        return static_cast<ServiceSerialPort *>(m_service)->channel();
    return static_cast<ServiceTcpClient *>(m_service)->channel();
}

int LinkHarness::lastError() const
{
    if (m_kind == Serial)
        return static_cast<ServiceSerialPort *>(m_service)->lastError();
    return static_cast<ServiceTcpClient *>(m_service)->lastError();
}

bool LinkHarness::peerReady() const
{
    return m_kind == Serial ? m_pty->isOpen() : m_tcp->server().isListening();
}

void LinkHarness::invoke(const char *slot, Qt::ConnectionType type)
{
    QMetaObject::invokeMethod(m_service, slot, type);
}

bool LinkHarness::connectLink()
{
    bool status = false;
    const QMetaObject::Connection c = connect(this, &LinkHarness::connectStatus, this,
                                              [&status](bool ok, int) { status = ok; });
    const int accepted = m_tcp ? m_tcp->connectionCount() : 0;
    requestConnect(m_worker ? Qt::BlockingQueuedConnection : Qt::DirectConnection);
    // The status crosses threads queued: let it arrive.
    QCoreApplication::sendPostedEvents(this);
    disconnect(c);
    // The peer may write first only once it has accepted the connection.
    if (status && m_tcp)
        return QTest::qWaitFor([&] { return m_tcp->connectionCount() > accepted; }, 2000);
    return status;
}

void LinkHarness::requestConnect(Qt::ConnectionType type)
{
    if (m_kind == Serial) {
        QMetaObject::invokeMethod(m_service, "SLT_SyncConnect_SerialPort", type,
                                  Q_ARG(QString, m_pty->slavePath()), Q_ARG(QString, m_baud),
                                  Q_ARG(QString, "8"), Q_ARG(QString, "0"), Q_ARG(QString, "1"),
                                  Q_ARG(QString, "0"));
    } else {
        QMetaObject::invokeMethod(m_service, "SLT_SyncConnect_TcpClient", type,
                                  Q_ARG(QString, "127.0.0.1"), Q_ARG(QString, "127.0.0.1"),
                                  Q_ARG(QString, QString::number(m_tcp->port())));
    }
}

void LinkHarness::requestDisconnect(Qt::ConnectionType type)
{
    invoke(m_kind == Serial ? "SLT_SyncDisconnect_SerialPort" : "SLT_SyncDisconnect_TcpClient",
           type);
}

void LinkHarness::disconnectLink()
{
    requestDisconnect(m_worker ? Qt::BlockingQueuedConnection : Qt::DirectConnection);
}

void LinkHarness::trigger()
{
    invoke(m_kind == Serial ? "SLT_RealSendData_SerialPort" : "SLT_RealSendData_TcpClient",
           Qt::QueuedConnection);
}

quint64 LinkHarness::pushCommand(const QByteArray &text, const CommandAttributes &attributes)
{
    LinkContext &ctx = context();
    const quint64 id = Link_NextCommandId();
    Queue_Push(text.constData(), text.size(), &attributes, 0, &ctx.sendLock, &ctx.sendQueue, id);
    return id;
}

QList<QByteArray> LinkHarness::drainReceived()
{
    QList<QByteArray> lines;
    const QList<QPair<QByteArray, quint64>> taken = drainReceivedWithIds();
    for (const auto &line : taken)
        lines.append(line.first);
    return lines;
}

QList<QPair<QByteArray, quint64>> LinkHarness::drainReceivedWithIds()
{
    QList<QPair<QByteArray, quint64>> lines;
    LinkContext &ctx = context();
    std::lock_guard<std::mutex> locker(ctx.recvLock);
    while (const CommandNode *node = ctx.recvQueue.front()) {
        lines.append({QByteArray(node->data, node->length), node->id});
        Queue_PopFront(&ctx.recvQueue);
    }
    return lines;
}

CommandAttributes LinkHarness::awaiting(const QByteArray &match, int timeoutMs, bool report)
{
    CommandAttributes a {};
    memcpy(a.matchText[0], match.constData(), static_cast<size_t>(match.size()));
    a.matchLen[0] = static_cast<quint32>(match.size());
    a.matchCount = 1;
    a.expectReply = 1;
    a.matchTimeoutMs = timeoutMs;
    a.reportTimeout = report ? 1 : 0;
    return a;
}

CommandAttributes LinkHarness::pausing(int waitMs)
{
    CommandAttributes a {};
    a.waitMs = waitMs;
    a.reportTimeout = 1;
    return a;
}

EventLog::EventLog(LinkHarness &harness)
{
    connect(&harness, &LinkHarness::sent, this,
            [this](const QString &t) { events << "send:" + t; });
    connect(&harness, &LinkHarness::received, this, [this] { events << QStringLiteral("recv"); });
    connect(&harness, &LinkHarness::timedOut, this,
            [this](const QString &t) { events << "timeout:" + t; });
}

IdLog::IdLog(LinkHarness &harness)
{
    connect(&harness, &LinkHarness::sentId, this, [this](quint64 id, const QByteArray &bytes) {
        events << QStringLiteral("sent:%1:").arg(id) + QString::fromLatin1(bytes);
    });
    connect(&harness, &LinkHarness::matchedId, this,
            [this](quint64 id, const QByteArray &line, qint64) {
                events << QStringLiteral("matched:%1:").arg(id) + QString::fromLatin1(line);
            });
    connect(&harness, &LinkHarness::timedOutId, this,
            [this](quint64 id) { events << QStringLiteral("timedOut:%1").arg(id); });
    connect(&harness, &LinkHarness::settledId, this,
            [this](quint64 id) { events << QStringLiteral("settled:%1").arg(id); });
}
