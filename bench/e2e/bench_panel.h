// What the benchmarks that drive the real main window share: the platform choice, a PC with
// only the loopback address, a closer for message boxes that would hold the event loop, and a
// peer (the device's stand-in) listening in a thread of its own.
#pragma once

#include "link/link_choices.h"

#include <QMetaObject>
#include <QThread>
#include <QTimer>

// Offscreen unless a platform or a display is given.
void Bench_OffscreenUnlessDisplay();

// The PC's addresses as the connection page lists them: loopback only.
QList<LocalAddressEntry> Bench_LoopbackOnly();

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
