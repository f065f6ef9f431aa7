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

// Longest wait for one worker thread to finish at shutdown. A thread may be inside a blocking
// reconnect (up to 1 s) when asked to quit.
constexpr unsigned long LinkThreadStopMs = 5000;

// Stops both threads with quit() and a bounded wait (never terminate()), then destroys the
// services and the threads. A thread that does not stop in time is left alone and its objects
// are deliberately not destroyed, so the process can still exit without a crash. Idempotent.
void Link_Shutdown();
