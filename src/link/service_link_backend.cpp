#include "link/service_link_backend.h"

#include "link/link_controller.h"
#include "link/link_runtime.h"
#include "link/service_serial_port.h"
#include "link/service_tcp_client.h"

#include <QThread>

namespace {

// The per-command events of a service's channel, reported as the link `kind`. Queued into the
// controller's thread (the lambdas run in the context of the controller).
void WireChannel(const LinkChannel &channel, LinkController &c, LinkKind kind)
{
    QObject::connect(&channel, &LinkChannel::sent, &c,
                     [&c, kind](quint64 id, const QByteArray &b) { c.reportSent(kind, id, b); });
    QObject::connect(&channel, &LinkChannel::matched, &c,
                     [&c, kind](quint64 id, const QByteArray &line, qint64 us) {
                         c.reportMatched(kind, id, line, us);
                     });
    QObject::connect(&channel, &LinkChannel::timedOut, &c,
                     [&c, kind](quint64 id) { c.reportTimedOut(kind, id); });
    QObject::connect(&channel, &LinkChannel::settled, &c,
                     [&c, kind](quint64 id) { c.reportSettled(kind, id); });
    QObject::connect(&channel, &LinkChannel::deviceError, &c,
                     [&c, kind](int code) { c.reportDeviceError(kind, code); });
    QObject::connect(&channel, &LinkChannel::notSent, &c,
                     [&c, kind](quint64 id, const QByteArray &b) { c.reportNotSent(kind, id, b); });
    QObject::connect(&channel, &LinkChannel::holding, &c,
                     [&c, kind](quint64 id, int ms) { c.reportHolding(kind, id, ms); });
    QObject::connect(&channel, &LinkChannel::lost, &c, [&c, kind] { c.reportLost(kind); });
}

// Received lines are announced to the controller at most once until it has run: a flood
// of lines then costs the GUI one queued call per drain, not one per line. The flag is
// cleared before the drain, so a line queued after it is announced anew. A service in the
// controller's own thread announces directly.
template <class Service, class Signal>
void AnnounceLines(Service *service, Signal receivedSignal, LinkController &c, LinkKind kind,
                   LinkContext &context)
{
    context.linesAnnounced.store(false); // one left over from an earlier controller never runs
    QObject::connect(
        service, receivedSignal, &c,
        [&c, kind, &context] {
            if (QThread::currentThread() == c.thread()) {
                c.reportLinesAvailable(kind);
                return;
            }
            if (context.linesAnnounced.exchange(true, std::memory_order_acq_rel))
                return;
            QMetaObject::invokeMethod(
                &c,
                [&c, kind, &context] {
                    context.linesAnnounced.store(false, std::memory_order_release);
                    c.reportLinesAvailable(kind);
                },
                Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

// Only a worker that runs can have an open link. A call queued to a stopped worker would wait
// in its event queue until the thread next starts, one per command for as long as the other
// link is in use: so none is queued.
template <class Service>
void TriggerIfRunning(Service *service, QThread *thread, void (Service::*sendSlot)())
{
    if (service && thread && thread->isRunning())
        QMetaObject::invokeMethod(service, sendSlot, Qt::QueuedConnection);
}

} // namespace

void ServiceLinkBackend::attach(LinkController &c)
{
    if (ServiceSerialPort *serial = Link_SerialService()) {
        using S = ServiceSerialPort;
        constexpr LinkKind kind = LinkKind::Serial;
        QObject::connect(
            serial, &S::SGL_ConnectStatus_SerialPort, &c,
            [&c](bool ok, int code) { c.reportConnectResult(kind, ok, code); },
            Qt::QueuedConnection);
        AnnounceLines(serial, &S::SGL_UpdateRecvData_SerialPort, c, kind, SerialLinkContext);
        QObject::connect(serial, &S::SGL_UpdateSendData_SerialPort, &c,
                         [&c](const QString &text) { c.reportSentText(kind, text); });
        QObject::connect(serial, &S::SGL_WaitReplyTimeout_SerialPort, &c,
                         [&c](const QString &cmd) { c.reportReplyTimeout(kind, cmd); });
        WireChannel(serial->channel(), c, kind);
    }
    if (ServiceTcpClient *tcp = Link_TcpService()) {
        using S = ServiceTcpClient;
        constexpr LinkKind kind = LinkKind::Tcp;
        QObject::connect(
            tcp, &S::SGL_ConnectStatus_TcpClient, &c,
            [&c](bool ok, int code) { c.reportConnectResult(kind, ok, code); },
            Qt::QueuedConnection);
        QObject::connect(
            tcp, &S::SGL_ReConnectStatus_TcpClient, &c,
            [&c](bool ok) {
                if (!ok)
                    c.reportReconnectFailed(kind);
            },
            Qt::QueuedConnection);
        AnnounceLines(tcp, &S::SGL_UpdateRecvData_TcpClient, c, kind, TcpLinkContext);
        QObject::connect(tcp, &S::SGL_UpdateSendData_TcpClient, &c,
                         [&c](const QString &text) { c.reportSentText(kind, text); });
        QObject::connect(tcp, &S::SGL_WaitReplyTimeout_TcpClient, &c,
                         [&c](const QString &cmd) { c.reportReplyTimeout(kind, cmd); });
        WireChannel(tcp->channel(), c, kind);
    }
}

void ServiceLinkBackend::open(const LinkTarget &t)
{
    // The service reads its parameters from the queued call, never from the settings.
    if (t.kind == LinkKind::Serial) {
        ServiceSerialPort *serial = Link_SerialService();
        QThread *thread = Link_SerialThread();
        if (!serial || !thread)
            return;
        thread->start(QThread::InheritPriority);
        serial->setReplyTimeoutMs(t.replyTimeoutMs);
        QMetaObject::invokeMethod(serial, "SLT_SyncConnect_SerialPort", Qt::QueuedConnection,
                                  Q_ARG(QString, t.portName), Q_ARG(QString, t.baudRate),
                                  Q_ARG(QString, t.dataBits), Q_ARG(QString, t.parity),
                                  Q_ARG(QString, t.stopBits), Q_ARG(QString, t.flowControl));
    } else if (t.kind == LinkKind::Tcp) {
        ServiceTcpClient *tcp = Link_TcpService();
        QThread *thread = Link_TcpThread();
        if (!tcp || !thread)
            return;
        thread->start(QThread::InheritPriority);
        tcp->setReplyTimeoutMs(t.replyTimeoutMs);
        QMetaObject::invokeMethod(tcp, "SLT_SyncConnect_TcpClient", Qt::QueuedConnection,
                                  Q_ARG(QString, t.localIp), Q_ARG(QString, t.remoteIp),
                                  Q_ARG(QString, t.remotePort));
    }
}

void ServiceLinkBackend::close(LinkKind kind)
{
    // quit() ends the worker's event loop (also a send pause's nested one); its finished()
    // makes the service close the port or socket inside the thread.
    Link_StopThread(kind == LinkKind::Serial    ? Link_SerialThread()
                        : kind == LinkKind::Tcp ? Link_TcpThread()
                                                : nullptr);
}

void ServiceLinkBackend::trigger()
{
    TriggerIfRunning(Link_TcpService(), Link_TcpThread(),
                     &ServiceTcpClient::SLT_RealSendData_TcpClient);
    TriggerIfRunning(Link_SerialService(), Link_SerialThread(),
                     &ServiceSerialPort::SLT_RealSendData_SerialPort);
}

void ServiceLinkBackend::setReplyTimeoutMs(LinkKind kind, int ms)
{
    // An atomic in the channel: safe from this thread while the worker runs.
    if (kind == LinkKind::Serial && Link_SerialService())
        Link_SerialService()->setReplyTimeoutMs(ms);
    else if (kind == LinkKind::Tcp && Link_TcpService())
        Link_TcpService()->setReplyTimeoutMs(ms);
}
