// The process-wide link objects: the serial and TCP services and their worker threads, each
// created once, on first use, from the GUI thread.
//
// Each service is moved into its (not yet started) thread at creation, and the thread's
// finished() is wired (direct) to the service's disconnect slot, so stopping a thread always
// closes its port or socket inside that thread. Moving a service into its own thread again is a
// no-op, and connecting finished() a second time is harmless (a second disconnect does nothing).
//
// main() must call Link_Shutdown() after the event loop returns and before the application
// object is destroyed. After it, the accessors return nullptr.
#pragma once

class QThread;
class ServiceSerialPort;
class ServiceTcpClient;

ServiceSerialPort *Link_SerialService();
QThread *Link_SerialThread();
ServiceTcpClient *Link_TcpService();
QThread *Link_TcpThread();

// Longest wait for a worker thread to finish, when its link closes and at shutdown. The
// longest blocking call inside a worker is a TCP reconnect's wait (1 s), after which the send
// pause (50 ms) ends at once since quit() also ends its nested loop: 2 s always covers a
// healthy worker, and bounds how long the window can freeze for one that is stuck.
constexpr unsigned long LinkStopWaitMs = 2000;

// quit() and a wait of at most LinkStopWaitMs (never terminate()). True when the thread is not
// running afterwards; a null thread counts as stopped.
bool Link_StopThread(QThread *thread);

// wait() orders everything a thread did before it returns, but inside Qt's library, where a
// thread checker cannot see it. For a watched thread, the last act of every run (after the
// finished() handlers connected before this call, such as its service's disconnect) releases
// a flag that Link_StopThread acquires, which orders the same accesses in plain C++ terms.
// Call before the thread first starts, from the thread that will stop it.
void Link_WatchThread(QThread *thread);

// Stops both threads with quit() and a bounded wait (never terminate()), then destroys the
// services and the threads. A thread that does not stop in time is left alone and its objects
// are deliberately not destroyed, so the process can still exit without a crash. Idempotent.
void Link_Shutdown();
