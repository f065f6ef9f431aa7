// What a burst of received lines costs in memory: the link controller over the real TCP
// service (no widgets), a peer in its own thread that identifies as a model and then writes a
// burst of reply lines at once. The consumer of the lines is slowed down on purpose, so the
// receive queue fills up to its cap: the worst case for the nodes that hold the lines.
//
//   bench_recv_memory [lines]      default 100000
//
// Prints RSS settled before the burst, after the burst was worked off, VmHWM, the per-line
// node size, and a verdict against a growth of at most 4 MiB.
#include "bench_runtime.h"
#include "link/link_channel.h"
#include "link/link_controller.h"
#include "link/link_runtime.h"
#include "link/service_link_backend.h"
#include "state/device_state.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdio>

namespace {

class BurstPeer : public QObject
{
public:
    std::atomic<bool> identified {false};

    quint16 listen()
    {
        m_server = new QTcpServer(this);
        m_server->listen(QHostAddress(QHostAddress::LocalHost), 0);
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            m_client = m_server->nextPendingConnection();
            connect(m_client, &QTcpSocket::readyRead, this, [this] {
                if (m_client->readAll().contains("GET MODEL TYPE")) {
                    m_client->write("MODEL TYPE Halden\r");
                    identified = true;
                }
            });
        });
        return m_server->serverPort();
    }
    // The burst leaves in pieces of 256 lines as the socket takes them, so the peer's own
    // buffers (in this process) stay small and the figure is the panel's.
    void burst(int lines)
    {
        static const char *const kinds[]
            = {"OUT RESOLUTION 1920x1080p60\r", "AUDIO VOL 60\r",
               "MULTIVIEW-SYNC PBP HDMI1 HDMI2 NULL NULL 16:9 2 3\r", "OUT HDCP FORCE-2.2\r"};
        m_piece.clear();
        for (int i = 0; i < 256; ++i)
            m_piece += kinds[i % 4];
        m_left = lines;
        connect(m_client, &QTcpSocket::bytesWritten, this, [this] { refill(); });
        refill();
    }
    void refill()
    {
        while (m_left > 0 && m_client->bytesToWrite() < 64 * 1024) {
            m_client->write(m_piece);
            m_left -= 256;
        }
    }

private:
    QTcpServer *m_server = nullptr;
    QTcpSocket *m_client = nullptr;
    QByteArray m_piece;
    int m_left = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int lines = argc > 1 ? std::max(1000, atoi(argv[1])) : 100000;
    QThread peerThread;
    BurstPeer peer;
    peer.moveToThread(&peerThread);
    peerThread.start();
    quint16 port = 0;
    QMetaObject::invokeMethod(
        &peer, [&] { port = peer.listen(); }, Qt::BlockingQueuedConnection);

    LinkController link(std::make_unique<ServiceLinkBackend>());
    LinkPolicy policy;
    policy.keepAliveMs = 0;
    link.setPolicy(policy);
    qint64 handled = 0;
    QElapsedTimer slow;
    QObject::connect(&link, &LinkController::lineReceived, [&](const QByteArray &line, quint64) {
        ++handled;
        if (line.startsWith("MODEL TYPE")) {
            DeviceState::modelIndex = 0;
            link.reportIdentification(true);
        }
        // A consumer a little slower than the wire: the queue fills to its cap.
        slow.start();
        while (slow.nsecsElapsed() < 5000) { }
    });
    link.open(LinkTarget::tcp("127.0.0.1", "127.0.0.1", QString::number(port)));
    if (!Bench_RunEventsUntil([&] { return link.state() == LinkController::State::Ready; }, 5000)) {
        std::printf("bench_recv_memory: the link did not come up\n");
        return 2;
    }
    Bench_RunEventsUntil([] { return false; }, 500); // settle
    const long before = long(Bench_StatusKiB("VmRSS"));
    const long hwmBefore = long(Bench_StatusKiB("VmHWM"));
    handled = 0;
    int deepest = 0;
    QTimer depth;
    QObject::connect(&depth, &QTimer::timeout, [&] {
        std::lock_guard<std::mutex> lock(TcpLinkContext.recvLock);
        deepest = std::max(deepest, TcpLinkContext.recvQueue.count);
    });
    depth.start(1);
    QElapsedTimer clock;
    clock.start();
    QMetaObject::invokeMethod(&peer, [&] { peer.burst(lines); });
    // Lines beyond the receive queue's cap are dropped by design: the burst is over when
    // nothing has moved for a while.
    qint64 last = -1;
    qint64 lastMoveMs = 0;
    while (clock.elapsed() - lastMoveMs < 500 && clock.elapsed() < 120000) {
        Bench_RunEventsUntil([] { return false; }, 50);
        if (handled != last) {
            last = handled;
            lastMoveMs = clock.elapsed();
        }
    }
    const bool done = handled >= lines;
    const double workedOffS = lastMoveMs / 1000.0;
    depth.stop();
    const long after = long(Bench_StatusKiB("VmRSS"));
    const long hwm = long(Bench_StatusKiB("VmHWM"));
    link.close();
    peerThread.quit();
    peerThread.wait();
    Link_Shutdown();

    const long growth = after - before;
    const bool ok = growth <= 4096;
    std::printf("burst of %d lines: %lld handled%s in %.2f s, receive queue at most %d lines (cap "
                "%d)\n",
                lines, static_cast<long long>(handled), done ? "" : " (some dropped at the cap)",
                workedOffS, deepest, RecvQueueLimit);
    std::printf("received line node: %zu bytes + its bytes (the pacing record, %zu bytes, is "
                "only on sent commands)\n",
                sizeof(CommandNode), sizeof(CommandAttributes));
    std::printf("RSS settled %ld KiB, after the burst %ld KiB: growth %ld KiB (bound 4096)\n",
                before, after, growth);
    std::printf("VmHWM before %ld KiB, after %ld KiB (peak growth %ld KiB)\n", hwmBefore, hwm,
                hwm - before);
    std::printf("verdict: %s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
