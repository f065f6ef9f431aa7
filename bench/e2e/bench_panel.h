// What the benchmarks that drive the real main window share: the platform choice, a PC with
// only the loopback address, a closer for message boxes that would hold the event loop, and a
// peer (the device's stand-in) listening in a thread of its own.
#pragma once

#include "link/link_choices.h"

#include <QMetaObject>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <atomic>

class QTcpServer;

// Offscreen unless a platform or a display is given.
void Bench_OffscreenUnlessDisplay();

// The PC's addresses as the connection page lists them: loopback only.
QList<LocalAddressEntry> Bench_LoopbackOnly();

class Ui_Uart_Network;

// Fills the connection page for the loopback peer at `port` (PC address list: loopback only)
// and clicks Connect.
void Bench_ConnectLoopback(Ui_Uart_Network *page, quint16 port);

// Counts and closes every modal box, looking every 100 ms, for as long as it lives.
class BoxCloser
{
public:
    BoxCloser();
    int count() const { return m_count; }

private:
    QTimer m_timer;
    int m_count = 0;
};

// Plays the device over loopback TCP, in a thread of its own: answers the model query and every
// "GET <item>" with "<item> 0" (values the panel ignores or takes as zero). What a benchmark
// writes on its own goes in refill(), called whenever the socket has taken some bytes.
class LoopbackPeer : public QObject
{
public:
    std::atomic<qint64> linesWritten {0};
    std::atomic<int> queriesAnswered {0};

    quint16 listen();

protected:
    virtual void refill() { }
    // Writes to the panel and counts the lines.
    void write(const QByteArray &bytes);

    QTcpSocket *m_client = nullptr;

private:
    void answer();

    QTcpServer *m_server = nullptr;
    QByteArray m_pending;
};

// Moves the peer to `thread`, starts it and returns the port the peer's listen() took.
template <class Peer>
quint16 Bench_StartPeer(QThread &thread, Peer &peer)
{
    peer.moveToThread(&thread);
    thread.start();
    quint16 port = 0;
    QMetaObject::invokeMethod(
        &peer, [&] { port = peer.listen(); }, Qt::BlockingQueuedConnection);
    return port;
}
