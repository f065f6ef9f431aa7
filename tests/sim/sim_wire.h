// Simulator test helpers beside SimDevice (support/sim_device.h): a line reader for the replies
// on a socket or a pseudo-terminal, a one-shot run of the program, a loopback connect.
#pragma once

#include "support/sim_device.h"

#include <QByteArray>
#include <QStringList>
#include <QTcpSocket>

#include <functional>

// Collects bytes and hands out CR-terminated lines.
class LineReader
{
public:
    // Line without its CR (an LF before it is kept), or a null array after timeoutMs.
    QByteArray readLine(QTcpSocket &socket, int timeoutMs = 3000);
    QByteArray readLine(int fd, int timeoutMs = 3000);
    QByteArray &buffer() { return m_buffer; }

private:
    // fetch(msLeft) waits up to msLeft for more bytes; empty when none came.
    QByteArray readLine(const std::function<QByteArray(int)> &fetch, int timeoutMs);
    QByteArray takeLine();
    QByteArray m_buffer;
};

// Runs one command line and returns its exit code; output is discarded.
int RunSim(const QStringList &args, QByteArray *stdoutText = nullptr);

// Connects to the simulator on loopback and waits for the connection.
bool ConnectTo(QTcpSocket &socket, quint16 port);
