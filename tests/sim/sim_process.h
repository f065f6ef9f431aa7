// Test helpers: the korvane-sim program in a child process (output to a file, stopped in
// every exit path) and a line reader for the replies on a socket or a pseudo-terminal.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <functional>

class SimProcess
{
public:
    SimProcess();
    ~SimProcess();

    // Starts korvane-sim with args (plus --log into the scratch folder unless args have one)
    // and waits until it prints "ready". False with the program's output in error().
    bool start(const QStringList &args);
    void stop();

    quint16 port() const { return m_port; }
    QString ptyPath() const { return m_ptyPath; }
    QString logPath() const { return m_dir.filePath("sim.log"); }
    QString dir() const { return m_dir.path(); }
    QByteArray output() const; // what the program printed so far
    QByteArray log() const;
    QString error() const { return m_error; }
    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_ptyPath;
    QString m_error;
};

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
