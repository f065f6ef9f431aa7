#include "sim_wire.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <poll.h>
#include <unistd.h>

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
    p.start(SimDevice::executable(), args);
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
