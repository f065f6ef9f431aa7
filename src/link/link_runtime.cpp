#include "link/link_runtime.h"

#include "link/link_context.h"
#include "link/service_serial_port.h"
#include "link/service_tcp_client.h"

#include <QThread>

#include <atomic>
#include <map>
#include <memory>

namespace {

// Threads watched by Link_WatchThread, and how often each has finished. Never destroyed: the
// exit guard below may still stop threads while other statics go.
std::map<const QThread *, std::shared_ptr<std::atomic<quint64>>> &WatchedThreads()
{
    static auto *threads = new std::map<const QThread *, std::shared_ptr<std::atomic<quint64>>>;
    return *threads;
}

struct LinkRuntime
{
    std::unique_ptr<QThread> serialThread;
    std::unique_ptr<ServiceSerialPort> serial;
    std::unique_ptr<QThread> tcpThread;
    std::unique_ptr<ServiceTcpClient> tcp;
};

std::unique_ptr<LinkRuntime> runtime;
bool shutDown = false;

template <class Service>
void Place(std::unique_ptr<Service> &service, std::unique_ptr<QThread> &thread, const char *name,
           void (Service::*disconnectSlot)())
{
    thread = std::make_unique<QThread>();
    thread->setObjectName(QString::fromLatin1(name));
    service = std::make_unique<Service>();
    service->moveToThread(thread.get());
    QObject::connect(thread.get(), &QThread::finished, service.get(), disconnectSlot,
                     Qt::DirectConnection);
    Link_WatchThread(thread.get());
}

LinkRuntime *Runtime()
{
    if (shutDown)
        return nullptr;
    if (!runtime) {
        runtime = std::make_unique<LinkRuntime>();
        Place(runtime->serial, runtime->serialThread, "korvane-serial",
              &ServiceSerialPort::SLT_SyncDisconnect_SerialPort);
        Place(runtime->tcp, runtime->tcpThread, "korvane-tcp",
              &ServiceTcpClient::SLT_SyncDisconnect_TcpClient);
    }
    return runtime.get();
}

template <class Service>
void Stop(std::unique_ptr<Service> &service, std::unique_ptr<QThread> &thread)
{
    if (!thread)
        return;
    if (!Link_StopThread(thread.get())) {
        qWarning("link: thread %s did not stop; leaving it", qPrintable(thread->objectName()));
        (void)service.release();
        (void)thread.release();
        return;
    }
    service.reset(); // its thread has finished: nothing runs in it any more
    thread.reset();
}

// A safety net for a main() that forgot Link_Shutdown(): never destroy a running thread.
struct ExitGuard
{
    ~ExitGuard() { Link_Shutdown(); }
} exitGuard;

} // namespace

ServiceSerialPort *Link_SerialService()
{
    LinkRuntime *r = Runtime();
    return r ? r->serial.get() : nullptr;
}

QThread *Link_SerialThread()
{
    LinkRuntime *r = Runtime();
    return r ? r->serialThread.get() : nullptr;
}

ServiceTcpClient *Link_TcpService()
{
    LinkRuntime *r = Runtime();
    return r ? r->tcp.get() : nullptr;
}

QThread *Link_TcpThread()
{
    LinkRuntime *r = Runtime();
    return r ? r->tcpThread.get() : nullptr;
}

bool Link_StopThread(QThread *thread)
{
    if (thread == nullptr)
        return true;
    thread->quit();
    const bool stopped = thread->wait(LinkStopWaitMs);
    const auto watched = WatchedThreads().find(thread);
    if (stopped && watched != WatchedThreads().end())
        (void)watched->second->load(std::memory_order_acquire);
    return stopped;
}

void Link_WatchThread(QThread *thread)
{
    auto runs = std::make_shared<std::atomic<quint64>>(0);
    WatchedThreads()[thread] = runs;
    QObject::connect(
        thread, &QThread::finished, thread,
        [runs] { runs->fetch_add(1, std::memory_order_release); }, Qt::DirectConnection);
    QObject::connect(thread, &QObject::destroyed, [thread] { WatchedThreads().erase(thread); });
}

void Link_Shutdown()
{
    shutDown = true;
    if (!runtime)
        return;
    Stop(runtime->serial, runtime->serialThread);
    Stop(runtime->tcp, runtime->tcpThread);
    runtime.reset();
}
