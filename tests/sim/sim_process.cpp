// Child-process and line-reading helpers for the simulator tests.
#include "sim_process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <poll.h>
#include <unistd.h>

SimProcess::SimProcess()
{
    // Output goes to a file: a failing test must not leave a child holding the runner's pipes.
    m_process.setStandardOutputFile(m_dir.filePath("stdout.txt"));
    m_process.setStandardErrorFile(m_dir.filePath("stderr.txt"));
}

SimProcess::~SimProcess()
{
    stop();
}

QByteArray SimProcess::output() const
{
    QFile out(m_dir.filePath("stdout.txt"));
    QFile err(m_dir.filePath("stderr.txt"));
    QByteArray text;
    if (out.open(QIODevice::ReadOnly))
        text = out.readAll();
    if (err.open(QIODevice::ReadOnly))
        text += err.readAll();
    return text;
}

QByteArray SimProcess::log() const
{
    QFile f(logPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool SimProcess::start(const QStringList &args)
{
    QStringList all = args;
    if (!all.contains("--log"))
        all << "--log" << logPath();
    m_process.start(KORVANE_SIM_EXE, all);
    if (!m_process.waitForStarted(5000)) {
        m_error = "cannot start " KORVANE_SIM_EXE;
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (!output().contains("korvane-sim: ready")) {
        if (m_process.state() == QProcess::NotRunning || t.elapsed() > 10000) {
            m_error = "not ready: " + QString::fromLocal8Bit(output());
            return false;
        }
        // Waits on the child's events, not a fixed sleep: returns as soon as it exits.
        m_process.waitForFinished(20);
    }
    const QString text = QString::fromLocal8Bit(output());
    const auto port = QRegularExpression("korvane-sim: tcp [0-9.]+:(\\d+)").match(text);
    if (port.hasMatch())
        m_port = static_cast<quint16>(port.captured(1).toUInt());
    const auto pty = QRegularExpression("korvane-sim: pty (\\S+)").match(text);
    if (pty.hasMatch())
        m_ptyPath = pty.captured(1);
    return true;
}

void SimProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QByteArray LineReader::takeLine()
{
    const int cr = m_buffer.indexOf('\r');
    if (cr < 0)
        return QByteArray();
    const QByteArray line = m_buffer.left(cr);
    m_buffer.remove(0, cr + 1);
    return line.isNull() ? QByteArray("") : line;
}

QByteArray LineReader::readLine(const std::function<QByteArray(int)> &fetch, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    for (;;) {
        const QByteArray line = takeLine();
        if (!line.isNull())
            return line;
        const int left = timeoutMs - static_cast<int>(t.elapsed());
        const QByteArray more = left > 0 ? fetch(left) : QByteArray();
        if (more.isEmpty())
            return QByteArray();
        m_buffer += more;
    }
}

QByteArray LineReader::readLine(QTcpSocket &socket, int timeoutMs)
{
    return readLine(
        [&socket](int left) {
            if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(left))
                return QByteArray();
            return socket.readAll();
        },
        timeoutMs);
}

QByteArray LineReader::readLine(int fd, int timeoutMs)
{
    return readLine(
        [fd](int left) {
            pollfd p {fd, POLLIN, 0};
            char buf[1024];
            if (::poll(&p, 1, left) <= 0)
                return QByteArray();
            const ssize_t n = ::read(fd, buf, sizeof buf);
            return n > 0 ? QByteArray(buf, static_cast<int>(n)) : QByteArray();
        },
        timeoutMs);
}

int RunSim(const QStringList &args, QByteArray *stdoutText)
{
    QProcess p;
    p.start(KORVANE_SIM_EXE, args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (stdoutText)
        *stdoutText = p.readAllStandardOutput();
    return p.exitCode();
}

bool ConnectTo(QTcpSocket &socket, quint16 port)
{
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    return socket.waitForConnected(5000);
}
